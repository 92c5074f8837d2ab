#include "FlatListModel.h"

#include "Characters.h"

#include <algorithm>
#include <numeric>
#include <utility>

FlatListModel::FlatListModel(const Roster& roster, QObject* pParent)
    : SortableModel(pParent), m_roster(roster) {}

QStringList FlatListModel::Headers() const {
    return {tr("Name"),
            //: A column of the flat listing: the character's level, a number.
            tr("Level"),
            //: A column of the flat listing: the character's rank, a number.
            tr("Rank"),
            //: A column of the flat listing: the rank worked out from the character's vassals,
            //: a number ("C." for computed).
            tr("C. Rank"),
            //: A column of the flat listing: the name of the character's patron (game word: the
            //: character it is sworn to in the allegiance).
            tr("Patron Name"),
            //: A column of the flat listing, Yes or No: whether the character is a mule (game
            //: word: a character kept to carry another's goods).
            tr("Mule"),
            //: A column of the flat listing, Yes or No: whether the character is a player killer.
            tr("PK")};
}

void FlatListModel::Fill() {
    m_iSortColumn = -1;
    beginResetModel();
    m_shown = m_roster.Now();
    m_order.resize(static_cast<std::size_t>(m_shown->Count()));
    std::iota(m_order.begin(), m_order.end(), 0);
    endResetModel();
}

void FlatListModel::Refill() {
    const int iColumn = m_iSortColumn;
    const bool bAscending = m_bSortAscending;
    Fill();
    if (iColumn >= 0)
        SortByColumn(iColumn, bAscending);
}

void FlatListModel::Follow(const std::vector<int>& positions) {
    const RosterSnapshot before = std::exchange(m_shown, m_roster.Now());
    // A renamed patron's name shows on its vassals' rows.
    std::vector<int> touched;
    for (int i : positions) {
        touched.push_back(i);
        if (before->At(i).strName != m_shown->At(i).strName)
            for (int iVassal : m_shown->VassalIndexes(i))
                touched.push_back(iVassal);
    }
    std::sort(touched.begin(), touched.end());
    touched.erase(std::unique(touched.begin(), touched.end()), touched.end());
    std::vector<int> moved;
    if (m_iSortColumn >= 0)
        for (int i : touched)
            if (CellText(*before, i, m_iSortColumn) != CellText(*m_shown, i, m_iSortColumn))
                moved.push_back(i);
    if (moved.empty()) {
        const std::vector<int> rows = RowsByRecord();
        for (int i : touched) {
            const int iRow = rows[static_cast<std::size_t>(i)];
            emit dataChanged(index(iRow, 0), index(iRow, columnCount() - 1));
        }
        return;
    }
    // Rows whose sort key changed leave their places and go where the sort puts them now: after
    // the rows of a lesser key, and among equal keys in roster order, as sorting the whole list
    // would place them.
    emit layoutAboutToBeChanged();
    const QModelIndexList persistent = persistentIndexList();
    std::vector<int> records;
    for (const QModelIndex& index : persistent)
        records.push_back(m_order[static_cast<std::size_t>(index.row())]);
    for (int i : moved)
        m_order.erase(std::find(m_order.begin(), m_order.end(), i));
    for (int i : moved) {
        const QString strKey = CellText(*m_shown, i, m_iSortColumn);
        const auto at = std::partition_point(m_order.begin(), m_order.end(), [&](int iRecord) {
            const int iOrder = CompareCells(CellText(*m_shown, iRecord, m_iSortColumn), strKey);
            if (iOrder != 0)
                return m_bSortAscending ? iOrder < 0 : iOrder > 0;
            return iRecord < i;
        });
        m_order.insert(at, i);
    }
    const std::vector<int> rows = RowsByRecord();
    QModelIndexList now;
    for (std::size_t k = 0; k < records.size(); ++k)
        now << index(rows[static_cast<std::size_t>(records[k])],
                     persistent[static_cast<int>(k)].column());
    changePersistentIndexList(persistent, now);
    emit layoutChanged();
}

std::vector<int> FlatListModel::RowsByRecord() const {
    std::vector<int> rows(m_order.size());
    for (std::size_t iRow = 0; iRow < m_order.size(); ++iRow)
        rows[static_cast<std::size_t>(m_order[iRow])] = static_cast<int>(iRow);
    return rows;
}

qint16 FlatListModel::IdAt(int iRow) const {
    if (iRow < 0 || iRow >= static_cast<int>(m_order.size()))
        return 0;
    return m_shown->At(m_order[static_cast<std::size_t>(iRow)]).nID;
}

int FlatListModel::RowOfId(qint16 id) const {
    const int iRecord = m_shown->IndexOfId(id);
    const auto it = std::find(m_order.begin(), m_order.end(), iRecord);
    return iRecord < 0 || it == m_order.end() ? -1 : static_cast<int>(it - m_order.begin());
}

void FlatListModel::Clear() {
    beginResetModel();
    m_shown = Characters::Empty();
    m_order.clear();
    endResetModel();
}

QString FlatListModel::Text(int iRow, int iColumn) const {
    if (iRow < 0 || iRow >= static_cast<int>(m_order.size()))
        return QString();
    return CellText(*m_shown, m_order[static_cast<std::size_t>(iRow)], iColumn);
}

QString FlatListModel::CellText(const Characters& roster, int iRecord, int iColumn) {
    const Character& c = roster.At(iRecord);
    switch (iColumn) {
    case 0:
        return c.strName;
    case 1:
        return QString::number(c.nLevel);
    case 2:
        return QString::number(c.nRank);
    case 3:
        return QString::number(roster.ComputedRank(iRecord));
    case 4: {
        if (c.nPatronID == -1)
            //: In the Patron Name column: the character has no patron (game word: the character
            //: one is sworn to); it is at the top of the allegiance.
            return tr("None");
        int iPatron = roster.IndexOfId(c.nPatronID); // no key text on this hot path
        //: In the Patron Name column: the patron (game word: the character one is sworn to) is
        //: not in the roster.
        return iPatron < 0 ? tr("Unknown") : roster.At(iPatron).strName;
    }
    case 5:
    case 6:
        if ((iColumn == 5 ? c.iIsMule : c.iIsPK) == 1)
            //: In the Mule or PK column: the character is a mule (game word: a character kept to
            //: carry another's goods), or a player killer.
            return tr("Yes");
        //: In the Mule or PK column: the character is not a mule (game word: a character kept to
        //: carry another's goods), or not a player killer.
        return tr("No");
    default:
        return QString();
    }
}

void FlatListModel::SortByColumn(int iColumn, bool bAscending) {
    m_iSortColumn = iColumn;
    m_bSortAscending = bAscending;
    // The keys once per row, not once per comparison.
    std::vector<QString> keys(m_order.size());
    std::vector<int> rows(m_order.size());
    for (std::size_t i = 0; i < m_order.size(); ++i) {
        keys[i] = Text(static_cast<int>(i), iColumn);
        rows[i] = static_cast<int>(i);
    }
    std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) {
        int iOrder =
            CompareCells(keys[static_cast<std::size_t>(a)], keys[static_cast<std::size_t>(b)]);
        return bAscending ? iOrder < 0 : iOrder > 0;
    });
    beginResetModel();
    std::vector<int> order(m_order.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        order[i] = m_order[static_cast<std::size_t>(rows[i])];
    m_order.swap(order);
    endResetModel();
}

int FlatListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_order.size());
}

int FlatListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 7;
}

QVariant FlatListModel::data(const QModelIndex& index, int iRole) const {
    if (!index.isValid() || iRole != Qt::DisplayRole)
        return QVariant();
    return Text(index.row(), index.column());
}

QVariant FlatListModel::headerData(int iSection, Qt::Orientation orientation, int iRole) const {
    if (orientation != Qt::Horizontal || iRole != Qt::DisplayRole)
        return SortableModel::headerData(iSection, orientation, iRole);
    return Headers().value(iSection);
}
