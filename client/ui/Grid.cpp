#include "Grid.h"

#include <QColor>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMenu>
#include <QMetaMethod>
#include <algorithm>
#include <numeric>

namespace {

bool ReadNumber(const QString& strCell, double& dValue) {
    bool bOk = false;
    dValue = QStringView(strCell).trimmed().toDouble(&bOk);
    return bOk && !strCell.trimmed().isEmpty();
}

} // namespace

int CompareCells(const QString& strA, const QString& strB) {
    double dA = 0, dB = 0;
    if (ReadNumber(strA, dA) && ReadNumber(strB, dB))
        return dA < dB ? -1 : (dA > dB ? 1 : 0);
    int iOrder = strA.compare(strB, Qt::CaseInsensitive);
    return iOrder != 0 ? iOrder : strA.compare(strB, Qt::CaseSensitive);
}

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

void GridModel::SetText(int iRow, int iColumn, const QString& strText) {
    if (iRow < 0 || iRow >= m_rows.size() || iColumn < 0 || iColumn >= columnCount())
        return;
    QStringList& row = m_rows[iRow];
    while (row.size() <= iColumn)
        row.append(QString());
    row[iColumn] = strText;
    emit dataChanged(index(iRow, iColumn), index(iRow, iColumn));
}

void GridModel::Clear() {
    SetRows({});
}

void GridModel::SortByColumn(int iColumn, bool bAscending) {
    beginResetModel();
    std::stable_sort(m_rows.begin(), m_rows.end(), [&](const QStringList& a, const QStringList& b) {
        int iOrder = CompareCells(a.value(iColumn), b.value(iColumn));
        return bAscending ? iOrder < 0 : iOrder > 0;
    });
    endResetModel();
}

QString GridModel::Text(int iRow, int iColumn) const {
    return m_rows.value(iRow).value(iColumn);
}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_headers.size());
}

void GridModel::SetCellCheck(int iColumn, std::function<QString(const QString&)> fnProblem) {
    m_iCheckedColumn = iColumn;
    m_fnProblem = std::move(fnProblem);
}

QString GridModel::CellProblem(int iRow, int iColumn) const {
    if (iColumn != m_iCheckedColumn || !m_fnProblem || iRow < 0 || iRow >= m_rows.size())
        return QString();
    return m_fnProblem(Text(iRow, iColumn));
}

QVariant GridModel::data(const QModelIndex& index, int iRole) const {
    if (!index.isValid())
        return QVariant();
    switch (iRole) {
    case Qt::DisplayRole:
        return m_rows.at(index.row()).value(index.column());
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole: {
        const QString strProblem = CellProblem(index.row(), index.column());
        if (!strProblem.isEmpty())
            return strProblem;
        return iRole == Qt::ToolTipRole ? m_rows.at(index.row()).value(index.column()) : QVariant();
    }
    case Qt::BackgroundRole:
        if (!CellProblem(index.row(), index.column()).isEmpty())
            return QColor(255, 214, 214);
        return QVariant();
    default:
        return QVariant();
    }
}

QVariant GridModel::headerData(int iSection, Qt::Orientation orientation, int iRole) const {
    if (orientation != Qt::Horizontal || iRole != Qt::DisplayRole)
        return QAbstractTableModel::headerData(iSection, orientation, iRole);
    return m_headers.value(iSection);
}

Grid::Grid(const QString& strName, QWidget* pParent, SortableModel* pModel)
    : QTableView(pParent), m_pTable(pModel ? pModel : &m_rows) {
    setObjectName(strName);
    setModel(m_pTable);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->hide();
    // Rows as tall as the text needs, not the style's roomy default.
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(true);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &Grid::HeaderSort);
    // A section dragged by the user; the model's own resets resize sections too.
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this] {
        if (!m_bEqualizing && QGuiApplication::mouseButtons() != Qt::NoButton)
            m_bUserSized = true;
    });
    connect(this, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            emit RowActivated(m_pTable->Text(index.row(), 0));
    });
}

void Grid::SetTable(SortableModel* pModel) {
    m_pTable = pModel;
    setModel(pModel);
    EqualColumns();
}

QString Grid::TextMatrix(int iRow, int iColumn) const {
    if (iRow < 1 || iRow > m_pTable->rowCount())
        return QString();
    return m_pTable->Text(iRow - 1, iColumn);
}

void Grid::HeaderSort(int iColumn) {
    bool bAscending = iColumn != iLastSortColumn || iLastSort != 1;
    m_pTable->SortByColumn(iColumn, bAscending);
    iLastSort = bAscending ? 1 : 2;
    iLastSortColumn = iColumn;
}

void Grid::SetCellGrid() {
    disconnect(horizontalHeader(), &QHeaderView::sectionClicked, this, &Grid::HeaderSort);
    horizontalHeader()->setSectionsClickable(false);
    setSelectionBehavior(QAbstractItemView::SelectItems);
}

void Grid::FitColumnsToContents() {
    m_bUserSized = true; // no longer made equal on a resize
    horizontalHeader()->setStretchLastSection(true);
    resizeColumnsToContents();
}

void Grid::contextMenuEvent(QContextMenuEvent* pEvent) {
    // Offered only where something exports the grid.
    if (!isSignalConnected(QMetaMethod::fromSignal(&Grid::ExportRequested)))
        return QTableView::contextMenuEvent(pEvent);
    QMenu menu(this);
    connect(menu.addAction(tr("&Export List...")), &QAction::triggered, this,
            &Grid::ExportRequested);
    menu.exec(pEvent->globalPos());
}

void Grid::resizeEvent(QResizeEvent* pEvent) {
    QTableView::resizeEvent(pEvent);
    EqualColumns();
}

void Grid::EqualColumns() {
    const int nColumns = m_pTable->columnCount();
    if (nColumns == 0 || m_bUserSized)
        return;
    const int iWidth = viewport()->width() / nColumns;
    m_bEqualizing = true;
    for (int i = 0; i < nColumns; ++i)
        setColumnWidth(i, iWidth);
    m_bEqualizing = false;
}
