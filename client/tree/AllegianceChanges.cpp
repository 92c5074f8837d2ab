// The allegiance views following a set of changes to the roster, instead of a new tree: what the
// user sees of each view (the selected and highlighted node, the open branches, the first row in
// view, the list's sort and row) is kept across the change.
#include "AllegianceView.h"

#include "AllegianceModel.h"
#include "Characters.h"
#include "FlatListModel.h"
#include "Grid.h"

#include <QScrollBar>
#include <QTreeView>
#include <algorithm>

namespace {

// The node at the top of a tree view, by key: rows that join or leave above it must not scroll
// the rows the user was reading away.
QString TopKey(const QTreeView& tree, const AllegianceModel& model) {
    return model.Key(tree.indexAt(QPoint(0, 0)));
}

void ScrollToKey(QTreeView& tree, const AllegianceModel& model, const QString& strTop) {
    const QModelIndex top = model.IndexOfKey(strTop);
    if (top.isValid())
        tree.scrollTo(top, QAbstractItemView::PositionAtTop);
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
    // The trees follow in place: their open branches, selection and highlight are kept by
    // the views themselves, and only the node at the top is looked for again.
    QTreeView& main = *m_controls.treTreeView;
    QTreeView& immediate = *m_controls.treImmediateTree;
    const QString strMainTop = TopKey(main, *m_pMain);
    const QString strImmediateTop = TopKey(immediate, *m_pImmediate);
    Grid& list = *m_controls.grdFlatList;
    const bool bListed = list.currentIndex().isValid();
    const qint16 idListed = m_pFlat->IdAt(list.currentIndex().row());
    const int iListColumn = list.currentIndex().column();
    const int iListTop = list.verticalScrollBar()->value();
    const int iListLeft = list.horizontalScrollBar()->value();

    m_roster.Replace(std::move(next));
    m_pMain->FollowShape();
    ScrollToKey(main, *m_pMain, strMainTop);
    if (m_idImmediate && m_roster->IndexOfId(*m_idImmediate) >= 0) {
        m_pImmediate->FollowShape();
        ScrollToKey(immediate, *m_pImmediate, strImmediateTop);
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
