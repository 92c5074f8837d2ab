#include "AllegianceModel.h"

#include "Characters.h"
#include "TreeIcons.h"

#include <QApplication>
#include <QFont>
#include <QPalette>

AllegianceModel::AllegianceModel(const Characters& roster, QObject* pParent)
    : QAbstractItemModel(pParent), m_roster(roster) {}

void AllegianceModel::Clear() {
    beginResetModel();
    m_top.clear();
    m_childList.clear();
    m_nodes.clear();
    m_nNodes = 0;
    m_iHighlight = -1;
    endResetModel();
}

void AllegianceModel::Generate(qint16 idStart) {
    beginResetModel();
    const int nCount = m_roster.Count();
    m_top.clear();
    m_childList.clear();
    m_childList.reserve(static_cast<std::size_t>(nCount));
    m_nodes.assign(static_cast<std::size_t>(nCount), Node());
    m_iHighlight = -1;
    // The top-level characters first, in roster order: the one pass that reads the records, so
    // the walk below reads only positions. A placed node, top-level ones included, is never
    // placed again.
    for (int i = 0; i < nCount; ++i)
        if (m_roster.At(i).nPatronID == idStart) {
            m_nodes[static_cast<std::size_t>(i)].row = static_cast<int>(m_top.size());
            m_top.push_back(i);
        }
    m_nNodes = static_cast<int>(m_top.size());
    std::vector<int> pending;
    for (int iTop : m_top) {
        // Depth first without recursion.
        pending.assign(1, iTop);
        while (!pending.empty()) {
            Node& node = m_nodes[static_cast<std::size_t>(pending.back())];
            const int iNode = pending.back();
            pending.pop_back();
            node.firstChild = static_cast<int>(m_childList.size());
            int nChildren = 0;
            for (int iVassal : m_roster.VassalIndexes(iNode)) {
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
    endResetModel();
}

QModelIndex AllegianceModel::IndexOfNode(int iNode) const {
    if (iNode < 0 || iNode >= static_cast<int>(m_nodes.size()) ||
        m_nodes[static_cast<std::size_t>(iNode)].row < 0)
        return QModelIndex();
    return createIndex(m_nodes[static_cast<std::size_t>(iNode)].row, 0, quintptr(iNode));
}

QModelIndex AllegianceModel::IndexOfKey(const QString& strKey) const {
    return IndexOfNode(m_roster.IndexOf(strKey));
}

QString AllegianceModel::Key(const QModelIndex& index) const {
    if (!index.isValid())
        return QString();
    return CharKey(m_roster.At(static_cast<int>(index.internalId())).nID);
}

int AllegianceModel::Depth(const QModelIndex& index) const {
    if (!index.isValid())
        return -1;
    int nDepth = 0;
    for (int i = m_nodes[index.internalId()].parent; i >= 0;
         i = m_nodes[static_cast<std::size_t>(i)].parent)
        ++nDepth;
    return nDepth;
}

void AllegianceModel::SetHighlighted(const QModelIndex& index) {
    QModelIndex old = Highlighted();
    m_iHighlight = index.isValid() ? static_cast<int>(index.internalId()) : -1;
    if (old.isValid())
        emit dataChanged(old, old);
    if (index.isValid())
        emit dataChanged(index, index);
}

QModelIndex AllegianceModel::Highlighted() const {
    return IndexOfNode(m_iHighlight);
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
    const std::size_t iNode = parent.internalId();
    const Node& node = m_nodes[iNode];
    return {m_childList.data() + node.firstChild, node.childCount};
}

QModelIndex AllegianceModel::index(int iRow, int iColumn, const QModelIndex& parent) const {
    if (iColumn != 0 || iRow < 0)
        return QModelIndex();
    const Children children = ChildrenOf(parent);
    if (iRow >= children.nCount)
        return QModelIndex();
    return createIndex(iRow, 0, quintptr(children.pBegin[iRow]));
}

QModelIndex AllegianceModel::parent(const QModelIndex& index) const {
    if (!index.isValid())
        return QModelIndex();
    return IndexOfNode(m_nodes[index.internalId()].parent);
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
    if (!index.isValid())
        return QVariant();
    const int iNode = static_cast<int>(index.internalId());
    const Character& character = m_roster.At(iNode);
    switch (iRole) {
    case Qt::DisplayRole:
        return character.strName + QStringLiteral(" - Level ") + QString::number(character.nLevel);
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
        if (iNode == m_iHighlight) {
            QFont font = QApplication::font();
            font.setBold(true);
            return font;
        }
        return QVariant();
    case Qt::BackgroundRole:
        if (iNode == m_iHighlight)
            return QApplication::palette().brush(QPalette::Inactive, QPalette::Highlight);
        return QVariant();
    default:
        return QVariant();
    }
}
