#pragma once
// What the allegiance views show, as text a test can compare: a tree's nodes in pre-order with
// their depth, a list's rows, a grid's cells; and what a fresh download of a tree shows.
#include "AllegianceModel.h"
#include "FlatListModel.h"
#include "Grid.h"
#include "TreePayload.h"

#include <QStringList>

inline QStringList Nodes(const AllegianceModel& model, const QModelIndex& parent = QModelIndex(),
                         int iDepth = 0) {
    QStringList nodes;
    for (int iRow = 0; iRow < model.rowCount(parent); ++iRow) {
        const QModelIndex node = model.index(iRow, 0, parent);
        nodes << QString(iDepth, '-') + node.data().toString();
        nodes << Nodes(model, node, iDepth + 1);
    }
    return nodes;
}

inline QStringList Rows(const FlatListModel& list) {
    QStringList rows;
    for (int iRow = 0; iRow < list.rowCount(); ++iRow) {
        QStringList cells;
        for (int iColumn = 0; iColumn < list.columnCount(); ++iColumn)
            cells << list.Text(iRow, iColumn);
        rows << cells.join('|');
    }
    return rows;
}

// A grid's column, top to bottom, and the cells of the row whose first cell is strName.
inline QStringList GridColumn(const Grid* pGrid, int iColumn) {
    QStringList cells;
    for (int iRow = 1; iRow <= pGrid->DataRows(); ++iRow)
        cells << pGrid->TextMatrix(iRow, iColumn);
    return cells;
}

inline QStringList GridRow(const Grid* pGrid, const QString& strName) {
    const int iRow = static_cast<int>(GridColumn(pGrid, 0).indexOf(strName)) + 1;
    QStringList cells;
    for (int iColumn = 0; iRow > 0 && iColumn < pGrid->model()->columnCount(); ++iColumn)
        cells << pGrid->TextMatrix(iRow, iColumn);
    return cells;
}

// The tree and the flat list (sorted ascending by iSortColumn, unless -1) that a fresh download
// of strPayload shows.
inline QStringList TreeNodesOf(const QString& strPayload) {
    Roster roster;
    QString strProblem;
    roster.Replace(ParseTreePayload(strPayload, strProblem));
    AllegianceModel model(roster);
    model.Generate(-1);
    return Nodes(model);
}

inline QStringList FlatRowsOf(const QString& strPayload, int iSortColumn = -1) {
    Roster roster;
    QString strProblem;
    roster.Replace(ParseTreePayload(strPayload, strProblem));
    FlatListModel list(roster);
    list.Fill();
    if (iSortColumn >= 0)
        list.SortByColumn(iSortColumn, true);
    return Rows(list);
}
