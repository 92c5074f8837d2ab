#pragma once
// The list grids: a header of captions over data rows of text, sorted by a click on a column
// header (ascending first, then alternating on the same column) and answering a double click
// on a row with the row's name (column 0). Each grid keeps its own sort state. The first data
// row is row 1, as the list procedures count; the header is the view's own.
#include <QAbstractTableModel>
#include <QStringList>
#include <QTableView>
#include <functional>

// Generic order of two cells: both numbers by value, anything else as text.
int CompareCells(const QString& strA, const QString& strB);

// A table a Grid can sort: it reorders its rows by one column.
class SortableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    virtual void SortByColumn(int iColumn, bool bAscending) = 0;
    // The text of a data row (0-based) and column.
    virtual QString Text(int iRow, int iColumn) const = 0;
    virtual QStringList Headers() const = 0;
};

// Rows of text, for the lists the server sends.
class GridModel final : public SortableModel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GridModel)
public:
    explicit GridModel(QObject* pParent = nullptr) : SortableModel(pParent) {}

    void SetHeaders(const QStringList& headers);
    void SetRows(QList<QStringList> rows);
    void AddRow(const QStringList& row);
    // Sets one cell of a data row (0-based) that exists.
    void SetText(int iRow, int iColumn, const QString& strText);
    void Clear();
    const QList<QStringList>& Rows() const { return m_rows; }
    QStringList Headers() const override { return m_headers; }
    void SortByColumn(int iColumn, bool bAscending) override;
    QString Text(int iRow, int iColumn) const override;
    // What is wrong with a cell of one column that the user should see before it is sent (empty
    // when nothing is): the cell is marked and says it in its tool tip.
    void SetCellCheck(int iColumn, std::function<QString(const QString&)> fnProblem);
    QString CellProblem(int iRow, int iColumn) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int iRole) const override;
    QVariant headerData(int iSection, Qt::Orientation orientation, int iRole) const override;

private:
    QStringList m_headers;
    QList<QStringList> m_rows;
    int m_iCheckedColumn = -1;
    std::function<QString(const QString&)> m_fnProblem;
};

class Grid : public QTableView {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Grid)
public:
    // Without a model of its own the grid holds rows of text (Model()).
    explicit Grid(const QString& strName, QWidget* pParent = nullptr,
                  SortableModel* pModel = nullptr);

    GridModel& Model() { return m_rows; }
    SortableModel& Table() { return *m_pTable; }
    // Shows another table (not owned); the sort state stays.
    void SetTable(SortableModel* pModel);
    // Data rows, not counting the header.
    int DataRows() const { return m_pTable->rowCount(); }
    // The text of a data row (1-based) and column (0-based).
    QString TextMatrix(int iRow, int iColumn) const;

    // The sort state: the last sorted column and direction (0 none, 1 ascending, 2 descending).
    int iLastSortColumn = 0;
    int iLastSort = 0;
    // The header sort: ascending on a new column, alternating on the same one.
    void HeaderSort(int iColumn);
    // A grid of values edited in place is neither sorted by its header nor selected by rows.
    void SetCellGrid();
    // Columns as wide as their contents, the last taking what is left, instead of equal ones:
    // for a list whose columns differ much in width. Called again after the rows change.
    void FitColumnsToContents();

signals:
    // A double click on a data row: the name in its first column.
    void RowActivated(const QString& strName);
    // "Export List..." chosen from the grid's context menu.
    void ExportRequested();

protected:
    void resizeEvent(QResizeEvent* pEvent) override;
    void contextMenuEvent(QContextMenuEvent* pEvent) override;

private:
    // The columns share the width equally, until the user sizes one of them.
    void EqualColumns();
    GridModel m_rows;
    bool m_bEqualizing = false;
    bool m_bUserSized = false;
    SortableModel* m_pTable;
};
