#pragma once
// A list grid: a header row of captions and data rows of text. The first data row is row 1,
// as the list procedures count; the header is the view's own header. Columns share the width
// equally whenever the grid is resized.
#include <QAbstractTableModel>
#include <QStringList>
#include <QTableView>

class GridModel final : public QAbstractTableModel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GridModel)
public:
    explicit GridModel(QObject* pParent = nullptr) : QAbstractTableModel(pParent) {}

    void SetHeaders(const QStringList& headers);
    void SetRows(QList<QStringList> rows);
    void AddRow(const QStringList& row);
    void Clear();
    const QList<QStringList>& Rows() const { return m_rows; }
    const QStringList& Headers() const { return m_headers; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int iRole) const override;
    QVariant headerData(int iSection, Qt::Orientation orientation, int iRole) const override;

private:
    QStringList m_headers;
    QList<QStringList> m_rows;
};

class Grid : public QTableView {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Grid)
public:
    explicit Grid(const QString& strName, QWidget* pParent = nullptr);

    GridModel& Model() { return m_model; }
    // Data rows, not counting the header.
    int DataRows() const { return m_model.rowCount(); }
    // The text of a data row (1-based) and column (0-based), as the list procedures address it.
    QString TextMatrix(int iRow, int iColumn) const;

protected:
    void resizeEvent(QResizeEvent* pEvent) override;

private:
    void EqualColumns();
    GridModel m_model;
};
