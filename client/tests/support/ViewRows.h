#pragma once
// What the allegiance views show, as text a test can compare: a tree's nodes in pre-order with
// their depth, and a list's rows.
#include "AllegianceModel.h"
#include "FlatListModel.h"

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
