// The allegiance views following a set of changes to the roster, instead of a new tree: what the
// user sees of each view (the selected and highlighted node, the open branches, the first row in
// view, the list's sort and row) is kept by key across the views' new generation.
#include "AllegianceView.h"

#include "AllegianceModel.h"
#include "Characters.h"
#include "FlatListModel.h"
#include "Grid.h"

#include <QScrollBar>
#include <QTreeView>
#include <algorithm>

namespace {

// A tree view's state by node keys, which outlive the model's indexes.
struct TreeState {
    QString strCurrent;
    QString strHighlight;
    QString strTop; // the node at the top of the view
    int iHorizontal = 0;
    std::vector<QString> expanded; // parents before their children
};

TreeState SaveTree(const QTreeView& tree, const AllegianceModel& model) {
    TreeState state;
    state.strCurrent = model.Key(tree.currentIndex());
    state.strHighlight = model.Key(model.Highlighted());
    state.strTop = model.Key(tree.indexAt(QPoint(0, 0)));
    state.iHorizontal = tree.horizontalScrollBar()->value();
    // Branches open under a closed one count too: they show again when it opens.
    std::vector<QModelIndex> pending;
    for (int iRow = model.rowCount(); iRow-- > 0;)
        pending.push_back(model.index(iRow, 0));
    while (!pending.empty()) {
        const QModelIndex node = pending.back();
        pending.pop_back();
        if (!model.hasChildren(node))
            continue;
        if (tree.isExpanded(node))
            state.expanded.push_back(model.Key(node));
        for (int iRow = model.rowCount(node); iRow-- > 0;)
            pending.push_back(model.index(iRow, 0, node));
    }
    return state;
}

void RestoreTree(QTreeView& tree, AllegianceModel& model, const TreeState& state) {
    // Children first, so that the rows are laid out once, when the topmost branch opens.
    for (auto it = state.expanded.rbegin(); it != state.expanded.rend(); ++it) {
        const QModelIndex node = model.IndexOfKey(*it);
        if (node.isValid())
            tree.expand(node);
    }
    const QModelIndex current = model.IndexOfKey(state.strCurrent);
    if (current.isValid())
        tree.setCurrentIndex(current);
    model.SetHighlighted(model.IndexOfKey(state.strHighlight));
    const QModelIndex top = model.IndexOfKey(state.strTop);
    if (top.isValid())
        tree.scrollTo(top, QAbstractItemView::PositionAtTop);
    tree.horizontalScrollBar()->setValue(state.iHorizontal);
}

} // namespace

bool AllegianceView::ApplyChanges(const std::vector<Character>& changed,
                                  const std::vector<qint16>& left) {
    QString strProblem;
    const bool bSameShape = left.empty() && m_roster->KeepsShape(changed);
    RosterSnapshot next = m_roster->WithChanges(changed, left, strProblem);
    if (!next)
        return false;
    if (bSameShape) {
        // Every node stays where it is: only the changed rows are drawn again.
        std::vector<int> positions;
        for (const Character& c : changed)
            positions.push_back(next->IndexOfId(c.nID));
        m_roster.Replace(std::move(next));
        m_pMain->Follow(positions);
        if (m_idImmediate)
            m_pImmediate->Follow(positions);
        m_pFlat->Follow(positions);
        return true;
    }
    QTreeView& main = *m_controls.treTreeView;
    QTreeView& immediate = *m_controls.treImmediateTree;
    const TreeState mainState = SaveTree(main, *m_pMain);
    const TreeState immediateState = SaveTree(immediate, *m_pImmediate);
    Grid& list = *m_controls.grdFlatList;
    const bool bListed = list.currentIndex().isValid();
    const qint16 idListed = m_pFlat->IdAt(list.currentIndex().row());
    const int iListColumn = list.currentIndex().column();
    const int iListTop = list.verticalScrollBar()->value();
    const int iListLeft = list.horizontalScrollBar()->value();

    m_roster.Replace(std::move(next));
    m_pMain->Generate(-1);
    RestoreTree(main, *m_pMain, mainState);
    if (m_idImmediate && m_roster->IndexOfId(*m_idImmediate) >= 0) {
        m_pImmediate->Generate(*m_idImmediate);
        RestoreTree(immediate, *m_pImmediate, immediateState);
    } else if (m_idImmediate) {
        ClearImmediateTree();
    }
    m_pFlat->Refill();
    const int iRow = bListed ? m_pFlat->RowOfId(idListed) : -1;
    if (iRow >= 0)
        list.setCurrentIndex(m_pFlat->index(iRow, std::max(iListColumn, 0)));
    list.verticalScrollBar()->setValue(iListTop);
    list.horizontalScrollBar()->setValue(iListLeft);
    return true;
}

void AllegianceView::ClearImmediateTree() {
    m_pImmediate->Clear();
    m_idImmediate.reset();
}
