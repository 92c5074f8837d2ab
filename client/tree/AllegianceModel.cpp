#include "AllegianceModel.h"

#include "Characters.h"
#include "TreeIcons.h"

#include <QApplication>
#include <QFont>
#include <QPalette>

namespace {
constexpr quintptr kIdSlots = 65536;
}

AllegianceModel::AllegianceModel(const Roster& roster, QObject* pParent)
    : QAbstractItemModel(pParent), m_roster(roster) {}

void AllegianceModel::Clear() {
    beginResetModel();
    m_shown = Characters::Empty();
    m_top.clear();
    m_bFromLists = false;
    m_topRow.clear();
    m_in.clear();
    m_childList.clear();
    m_nodes.clear();
    m_nNodes = 0;
    m_highlight = kNoSlot;
    endResetModel();
}

void AllegianceModel::Generate(qint16 idStart) {
    beginResetModel();
    m_highlight = kNoSlot;
    Build(idStart);
    endResetModel();
}

void AllegianceModel::FollowShape() {
    emit layoutAboutToBeChanged();
    const QModelIndexList before = persistentIndexList();
    Build(m_idStart);
    // Each kept index names its member by id, whatever its place now; a record reached by
    // position only cannot be followed, as its place may name another now.
    QModelIndexList from, to;
    for (const QModelIndex& index : before) {
        const quintptr slot = index.internalId();
        const QModelIndex now = slot < kIdSlots ? IndexOfNode(NodeOfSlot(slot)) : QModelIndex();
        if (now != index) {
            from << index;
            to << now;
        }
    }
    changePersistentIndexList(from, to);
    emit layoutChanged();
}

void AllegianceModel::Build(qint16 idStart) {
    m_idStart = idStart;
    m_shown = m_roster.Now();
    const int nCount = m_shown->Count();
    m_top.clear();
    m_childList.clear();
    m_nodes.clear();
    m_in.clear();
    // The top-level characters first, in roster order: the one pass that reads the records, so
    // the rest reads only positions.
    m_topRow.assign(static_cast<std::size_t>(nCount), -1);
    for (int i = 0; i < nCount; ++i)
        if (m_shown->At(i).nPatronID == idStart) {
            m_topRow[static_cast<std::size_t>(i)] = static_cast<int>(m_top.size());
            m_top.push_back(i);
        }
    // In a forest each node is listed once at most, so no branch holds a node twice; a
    // top-level node could stand in a branch only as a vassal of the start id's own record,
    // which is then no node of this tree.
    m_bFromLists = m_shown->Sound();
    const int iStart = m_shown->IndexOfId(idStart);
    for (std::size_t k = 0; k < m_top.size() && m_bFromLists; ++k)
        m_bFromLists = m_shown->ListedBy(m_top[k]) == iStart;
    if (m_bFromLists) {
        m_nNodes = -1; // counted when asked: a refresh has no need of the count
        return;
    }
    const auto nSlots = static_cast<std::size_t>(nCount);
    m_childList.reserve(nSlots);
    m_nodes.assign(nSlots, Node());
    for (int iTop : m_top)
        m_nodes[static_cast<std::size_t>(iTop)].row = m_topRow[static_cast<std::size_t>(iTop)];
    m_nNodes = static_cast<int>(m_top.size());
    const Characters::VassalTable vassals = m_shown->Vassals();
    std::vector<int> pending;
    for (int iTop : m_top) {
        // Depth first without recursion; a placed node, top-level ones included, is never
        // placed again.
        pending.assign(1, iTop);
        while (!pending.empty()) {
            Node& node = m_nodes[static_cast<std::size_t>(pending.back())];
            const int iNode = pending.back();
            pending.pop_back();
            node.firstChild = static_cast<int>(m_childList.size());
            int nChildren = 0;
            for (int iVassal : vassals.Of(iNode)) {
                if (iVassal < 0)
                    continue;
                Node& vassal = m_nodes[static_cast<std::size_t>(iVassal)];
                if (vassal.row >= 0)
                    continue;
                vassal.row = nChildren++;
                vassal.parent = iNode;
                m_childList.push_back(iVassal);
                pending.push_back(iVassal);
            }
            node.childCount = nChildren;
            m_nNodes += nChildren;
        }
    }
}

int AllegianceModel::Count() const {
    if (m_nNodes < 0) {
        m_nNodes = static_cast<int>(m_top.size());
        for (int iTop : m_top)
            m_nNodes += m_shown->Followers(iTop);
    }
    return m_nNodes;
}

void AllegianceModel::Follow(const std::vector<int>& positions) {
    m_shown = m_roster.Now();
    for (int iNode : positions) {
        const QModelIndex node = IndexOfNode(iNode);
        if (node.isValid())
            emit dataChanged(node, node);
    }
}

bool AllegianceModel::InTree(int iNode) const {
    if (iNode < 0 || iNode >= static_cast<int>(m_topRow.size()))
        return false;
    if (!m_bFromLists)
        return m_nodes[static_cast<std::size_t>(iNode)].row >= 0;
    if (m_in.empty())
        m_in.assign(m_topRow.size(), -1);
    // Up the lists to a top-level node, a known node or a record nobody lists; everything
    // passed on the way shares the answer, so each record is walked once at most.
    int i = iNode;
    signed char in = 0;
    while (true) {
        const auto k = static_cast<std::size_t>(i);
        if (m_in[k] >= 0) {
            in = m_in[k];
            break;
        }
        if (m_topRow[k] >= 0) {
            in = 1;
            break;
        }
        i = m_shown->ListedBy(i);
        if (i < 0)
            break;
    }
    for (i = iNode; i >= 0 && m_in[static_cast<std::size_t>(i)] < 0;
         i = m_topRow[static_cast<std::size_t>(i)] >= 0 ? -1 : m_shown->ListedBy(i))
        m_in[static_cast<std::size_t>(i)] = in;
    return in == 1;
}

int AllegianceModel::RowOf(int iNode) const {
    if (!m_bFromLists)
        return m_nodes[static_cast<std::size_t>(iNode)].row;
    const int iTopRow = m_topRow[static_cast<std::size_t>(iNode)];
    return iTopRow >= 0 ? iTopRow : m_shown->PlaceInList(iNode);
}

int AllegianceModel::ParentOf(int iNode) const {
    if (!m_bFromLists)
        return m_nodes[static_cast<std::size_t>(iNode)].parent;
    return m_topRow[static_cast<std::size_t>(iNode)] >= 0 ? -1 : m_shown->ListedBy(iNode);
}

quintptr AllegianceModel::Slot(int iNode) const {
    const qint16 id = m_shown->At(iNode).nID;
    if (m_shown->IndexOfId(id) == iNode)
        return quintptr(id + 32768);
    return kIdSlots + quintptr(iNode);
}

int AllegianceModel::NodeOfSlot(quintptr slot) const {
    if (slot < kIdSlots)
        return m_shown->IndexOfId(static_cast<int>(slot) - 32768);
    if (slot == kNoSlot || slot - kIdSlots >= static_cast<quintptr>(m_shown->Count()))
        return -1;
    return static_cast<int>(slot - kIdSlots);
}

int AllegianceModel::Position(const QModelIndex& index) const {
    return index.isValid() ? NodeOfSlot(index.internalId()) : -1;
}

QModelIndex AllegianceModel::IndexOfNode(int iNode) const {
    if (!InTree(iNode))
        return QModelIndex();
    return createIndex(RowOf(iNode), 0, Slot(iNode));
}

QModelIndex AllegianceModel::IndexOfKey(const QString& strKey) const {
    return IndexOfNode(m_shown->IndexOf(strKey));
}

QString AllegianceModel::Key(const QModelIndex& index) const {
    const int iNode = Position(index);
    return iNode < 0 ? QString() : CharKey(m_shown->At(iNode).nID);
}

int AllegianceModel::Depth(const QModelIndex& index) const {
    if (!index.isValid())
        return -1;
    int nDepth = 0;
    for (int i = ParentOf(Position(index)); i >= 0; i = ParentOf(i))
        ++nDepth;
    return nDepth;
}

void AllegianceModel::SetHighlighted(const QModelIndex& index) {
    QModelIndex old = Highlighted();
    m_highlight = index.isValid() ? index.internalId() : kNoSlot;
    if (old.isValid())
        emit dataChanged(old, old);
    if (index.isValid())
        emit dataChanged(index, index);
}

QModelIndex AllegianceModel::Highlighted() const {
    return IndexOfNode(NodeOfSlot(m_highlight));
}

void AllegianceModel::SetUsePics(bool bUsePics) {
    if (bUsePics == m_bUsePics)
        return;
    m_bUsePics = bUsePics;
    if (!m_top.empty()) // the views repaint; no need to touch every node
        emit layoutChanged();
}

AllegianceModel::Children AllegianceModel::ChildrenOf(const QModelIndex& parent) const {
    if (!parent.isValid())
        return {m_top.data(), static_cast<int>(m_top.size())};
    const int iNode = Position(parent);
    if (iNode < 0)
        return {nullptr, 0};
    if (m_bFromLists) {
        const IndexSpan vassals = m_shown->Vassals().Of(iNode);
        return {vassals.pBegin, static_cast<int>(vassals.size())};
    }
    const Node& node = m_nodes[static_cast<std::size_t>(iNode)];
    return {m_childList.data() + node.firstChild, node.childCount};
}

QModelIndex AllegianceModel::index(int iRow, int iColumn, const QModelIndex& parent) const {
    if (iColumn != 0 || iRow < 0)
        return QModelIndex();
    const Children children = ChildrenOf(parent);
    if (iRow >= children.nCount)
        return QModelIndex();
    return createIndex(iRow, 0, Slot(children.pBegin[iRow]));
}

QModelIndex AllegianceModel::parent(const QModelIndex& index) const {
    if (!index.isValid())
        return QModelIndex();
    const int iNode = Position(index);
    return iNode < 0 ? QModelIndex() : IndexOfNode(ParentOf(iNode));
}

int AllegianceModel::rowCount(const QModelIndex& parent) const {
    if (parent.column() > 0)
        return 0;
    return ChildrenOf(parent).nCount;
}

int AllegianceModel::columnCount(const QModelIndex&) const {
    return 1;
}

bool AllegianceModel::hasChildren(const QModelIndex& parent) const {
    return ChildrenOf(parent).nCount > 0;
}

QVariant AllegianceModel::data(const QModelIndex& index, int iRole) const {
    const int iNode = Position(index);
    if (iNode < 0)
        return QVariant();
    const Character& character = m_shown->At(iNode);
    switch (iRole) {
    case Qt::DisplayRole:
        //: A node of the allegiance tree: %1 is the character's name, %2 its level.
        return tr("%1 - Level %2").arg(character.strName, QString::number(character.nLevel));
    case Qt::DecorationRole:
        if (!m_bUsePics)
            return QVariant();
        if (character.iIsMule == 1)
            return imglstTreeIcons(TreeIcon::Mule);
        if (character.iIsRescueSquadMember == 1)
            return imglstTreeIcons(TreeIcon::RescueSquad);
        if (character.iIsPK == 1)
            return imglstTreeIcons(TreeIcon::PK);
        return imglstTreeIcons(TreeIcon::Member);
    case KeyRole:
        return CharKey(character.nID);
    case Qt::FontRole:
        if (index.internalId() == m_highlight) {
            QFont font = QApplication::font();
            font.setBold(true);
            return font;
        }
        return QVariant();
    case Qt::BackgroundRole:
        if (index.internalId() == m_highlight)
            return QApplication::palette().brush(QPalette::Inactive, QPalette::Highlight);
        return QVariant();
    default:
        return QVariant();
    }
}
