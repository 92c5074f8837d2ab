#pragma once
// An allegiance tree over the roster, for a tree view: one node per character reachable from
// the characters whose patron is the start id, children in their patron's vassal-list order.
// A node's index carries its character's id, so indexes kept by a view (its open branches, its
// selection) name the same member in the next snapshot; its keys are the roster keys ("Char" +
// id). The model keeps the snapshot it was generated from, so the roster may be replaced
// meanwhile: the nodes follow the new one at the next Generate(), Follow() or FollowShape().
#include <QAbstractItemModel>
#include <vector>

#include "Characters.h"

class AllegianceModel final : public QAbstractItemModel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AllegianceModel)
public:
    static constexpr int KeyRole = Qt::UserRole + 1;

    explicit AllegianceModel(const Roster& roster, QObject* pParent = nullptr);

    // Rebuilds the nodes from the roster now; every node starts collapsed.
    void Generate(qint16 idStart);
    void Clear();
    // The roster now differs from the one shown only in the records at these positions, which
    // keep their places (Characters::KeepsShape): their rows change, and nothing else does.
    void Follow(const std::vector<int>& positions);
    // The roster now differs from the one shown in the tree's shape (members joined, left or
    // moved): the nodes follow it in place, and every index a view keeps (open branches,
    // selection, current node) still names its member, at its new place, or none when it left.
    void FollowShape();

    QModelIndex IndexOfKey(const QString& strKey) const;
    QModelIndex FirstNode() const { return m_top.empty() ? QModelIndex() : index(0, 0); }
    QString Key(const QModelIndex& index) const;
    int Count() const;
    // The roster position of a node of the snapshot shown, or -1.
    int Position(const QModelIndex& index) const;
    // Generations between the node and the top level (0 for a top-level node).
    int Depth(const QModelIndex& index) const;

    // The highlighted node is shown bold on a highlight colour.
    void SetHighlighted(const QModelIndex& index);
    QModelIndex Highlighted() const;
    void SetUsePics(bool bUsePics);

    QModelIndex index(int iRow, int iColumn,
                      const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& index) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    bool hasChildren(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int iRole) const override;

private:
    struct Children {
        const int* pBegin;
        int nCount;
    };
    Children ChildrenOf(const QModelIndex& parent) const;
    QModelIndex IndexOfNode(int iNode) const;
    // What an index carries for the record at a position: its id, or, for a record its id does
    // not reach (a key of another form), its position past the ids; and back.
    quintptr Slot(int iNode) const;
    int NodeOfSlot(quintptr slot) const;
    void Build(qint16 idStart);
    int RowOf(int iNode) const;
    int ParentOf(int iNode) const;
    bool InTree(int iNode) const;

    // By roster position, side by side so that placing a node touches one cache line: its
    // children are m_childList[firstChild .. + childCount), contiguous because each node's
    // children are placed at once.
    struct Node {
        int firstChild = 0;
        int childCount = 0;
        int parent = -1; // roster position of the parent node, or -1
        int row = -1;    // row under the parent; -1: not in this tree
    };

    const Roster& m_roster;
    RosterSnapshot m_shown = Characters::Empty(); // the roster these rows were made from
    std::vector<int> m_top;
    // When the vassal lists form a forest whose branches below the top-level nodes hold no
    // top-level node, the tree is the roster's own lists: nothing is placed, and a node's
    // children, parent and row are read from the roster as they are asked for. Otherwise every
    // node is placed at Generate().
    bool m_bFromLists = false;
    std::vector<int> m_topRow;             // by position: row of a top-level node, or -1
    mutable std::vector<signed char> m_in; // by position, from the lists: 1 in the tree, 0 not,
                                           // -1 not yet known
    std::vector<int> m_childList;
    std::vector<Node> m_nodes;
    mutable int m_nNodes = 0; // -1 until counted
    qint16 m_idStart = -1;
    static constexpr quintptr kNoSlot = ~quintptr(0);
    quintptr m_highlight = kNoSlot;
    bool m_bUsePics = true;
};
