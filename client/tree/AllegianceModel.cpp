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
    m_children.clear();
    m_parent.clear();
    m_row.clear();
    m_nNodes = 0;
    m_iHighlight = -1;
    endResetModel();
}

void AllegianceModel::Generate(qint16 idStart) {
    beginResetModel();
    const int nCount = m_roster.Count();
    m_top.clear();
    m_children.assign(static_cast<std::size_t>(nCount), {});
    m_parent.assign(static_cast<std::size_t>(nCount), -1);
    m_row.assign(static_cast<std::size_t>(nCount), -1);
    m_nNodes = 0;
    m_iHighlight = -1;
    std::vector<int> pending;
    for (int i = 0; i < nCount; ++i) {
        if (m_roster.At(i).nPatronID != idStart || m_row[static_cast<std::size_t>(i)] >= 0)
            continue;
        m_row[static_cast<std::size_t>(i)] = static_cast<int>(m_top.size());
        m_top.push_back(i);
        ++m_nNodes;
        // Depth first without recursion; a node already placed is never placed again.
        pending.assign(1, i);
        while (!pending.empty()) {
            int iNode = pending.back();
            pending.pop_back();
            for (int iVassal : m_roster.VassalIndexes(iNode)) {
                if (iVassal < 0 || m_row[static_cast<std::size_t>(iVassal)] >= 0 ||
                    m_roster.At(iVassal).nPatronID == idStart)
                    continue;
                auto& children = m_children[static_cast<std::size_t>(iNode)];
                m_row[static_cast<std::size_t>(iVassal)] = static_cast<int>(children.size());
                m_parent[static_cast<std::size_t>(iVassal)] = iNode;
                children.push_back(iVassal);
                pending.push_back(iVassal);
                ++m_nNodes;
            }
        }
    }
    endResetModel();
}

QModelIndex AllegianceModel::IndexOfNode(int iNode) const {
    if (iNode < 0 || iNode >= static_cast<int>(m_row.size()) ||
        m_row[static_cast<std::size_t>(iNode)] < 0)
        return QModelIndex();
    return createIndex(m_row[static_cast<std::size_t>(iNode)], 0, quintptr(iNode));
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
    for (int i = m_parent[index.internalId()]; i >= 0; i = m_parent[static_cast<std::size_t>(i)])
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

const std::vector<int>& AllegianceModel::ChildrenOf(const QModelIndex& parent) const {
    return parent.isValid() ? m_children[parent.internalId()] : m_top;
}

QModelIndex AllegianceModel::index(int iRow, int iColumn, const QModelIndex& parent) const {
    if (iColumn != 0 || iRow < 0)
        return QModelIndex();
    const std::vector<int>& children = ChildrenOf(parent);
    if (iRow >= static_cast<int>(children.size()))
        return QModelIndex();
    return createIndex(iRow, 0, quintptr(children[static_cast<std::size_t>(iRow)]));
}

QModelIndex AllegianceModel::parent(const QModelIndex& index) const {
    if (!index.isValid())
        return QModelIndex();
    return IndexOfNode(m_parent[index.internalId()]);
}

int AllegianceModel::rowCount(const QModelIndex& parent) const {
    if (parent.column() > 0)
        return 0;
    return static_cast<int>(ChildrenOf(parent).size());
}

int AllegianceModel::columnCount(const QModelIndex&) const {
    return 1;
}

bool AllegianceModel::hasChildren(const QModelIndex& parent) const {
    return !ChildrenOf(parent).empty();
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
