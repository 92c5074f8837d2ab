#include "Grid.h"

#include <QHeaderView>

void GridModel::SetHeaders(const QStringList& headers) {
    beginResetModel();
    m_headers = headers;
    endResetModel();
}

void GridModel::SetRows(QList<QStringList> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void GridModel::AddRow(const QStringList& row) {
    beginInsertRows(QModelIndex(), rowCount(), rowCount());
    m_rows.append(row);
    endInsertRows();
}

void GridModel::Clear() {
    SetRows({});
}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_headers.size());
}

QVariant GridModel::data(const QModelIndex& index, int iRole) const {
    if (!index.isValid() || (iRole != Qt::DisplayRole && iRole != Qt::ToolTipRole))
        return QVariant();
    return m_rows.at(index.row()).value(index.column());
}

QVariant GridModel::headerData(int iSection, Qt::Orientation orientation, int iRole) const {
    if (orientation != Qt::Horizontal || iRole != Qt::DisplayRole)
        return QAbstractTableModel::headerData(iSection, orientation, iRole);
    return m_headers.value(iSection);
}

Grid::Grid(const QString& strName, QWidget* pParent) : QTableView(pParent) {
    setObjectName(strName);
    setModel(&m_model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->hide();
    horizontalHeader()->setHighlightSections(false);
}

QString Grid::TextMatrix(int iRow, int iColumn) const {
    if (iRow < 1 || iRow > m_model.rowCount())
        return QString();
    return m_model.Rows().at(iRow - 1).value(iColumn);
}

void Grid::resizeEvent(QResizeEvent* pEvent) {
    QTableView::resizeEvent(pEvent);
    EqualColumns();
}

void Grid::EqualColumns() {
    int nColumns = m_model.columnCount();
    if (nColumns == 0)
        return;
    int iWidth = viewport()->width() / nColumns;
    for (int i = 0; i < nColumns; ++i)
        setColumnWidth(i, iWidth);
}
