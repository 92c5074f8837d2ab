#include "Characters.h"

#include <QStringView>
#include <algorithm>

QString CharKey(qint16 nID) {
    return QStringLiteral("Char") + QString::number(nID);
}

Character& Characters::Add(qint16 nID, const QString& strName, qint16 nLevel, qint16 nRank,
                           qint16 nPatronID, const QString& strVassalIDs, qint16 iIsMule,
                           qint16 iIsPK, qint16 iIsRescueSquadMember, const QString& sKey) {
    Character record;
    record.nID = nID;
    record.strName = strName;
    record.nLevel = nLevel;
    record.nRank = nRank;
    record.nPatronID = nPatronID;
    record.strVassalIDs = strVassalIDs;
    record.iIsMule = iIsMule;
    record.iIsPK = iIsPK;
    record.iIsRescueSquadMember = iIsRescueSquadMember;
    if (!sKey.isEmpty())
        m_index.insert(sKey, static_cast<int>(m_records.size()));
    m_records.push_back(std::move(record));
    return m_records.back();
}

Character* Characters::Item(const QString& strKey) {
    int i = IndexOf(strKey);
    return i < 0 ? nullptr : &m_records[static_cast<std::size_t>(i)];
}

const Character* Characters::Item(const QString& strKey) const {
    int i = IndexOf(strKey);
    return i < 0 ? nullptr : &m_records[static_cast<std::size_t>(i)];
}

Character* Characters::Item(int iPosition) {
    if (iPosition < 1 || iPosition > Count())
        return nullptr;
    return &m_records[static_cast<std::size_t>(iPosition - 1)];
}

void Characters::Remove(const QString& strKey) {
    int i = IndexOf(strKey);
    if (i >= 0)
        Remove(i + 1);
}

void Characters::Remove(int iPosition) {
    if (iPosition < 1 || iPosition > Count())
        return;
    int iGone = iPosition - 1;
    m_records.erase(m_records.begin() + iGone);
    for (auto it = m_index.begin(); it != m_index.end();) {
        if (it.value() == iGone) {
            it = m_index.erase(it);
            continue;
        }
        if (it.value() > iGone)
            --it.value();
        ++it;
    }
}

void Characters::Clear() {
    m_records.clear();
    m_index.clear();
}

qint16 Characters::GetID(const QString& strName) const {
    for (const Character& record : m_records)
        if (record.strName.compare(strName, Qt::CaseInsensitive) == 0)
            return record.nID;
    return -1;
}

qint16 Characters::GetIDFromDecalPos(qint32 iPos) const {
    for (const Character& record : m_records)
        if (record.iDecalChoicePos == iPos)
            return record.nID;
    return -1;
}

QString Characters::GetName(const QString& strKey) const {
    const Character* pRecord = Item(strKey);
    return pRecord ? pRecord->strName : QStringLiteral("Unknown");
}

std::vector<int> Characters::VassalIndexes(int i) const {
    std::vector<int> indexes;
    const QString& strList = At(i).strVassalIDs;
    if (strList.isEmpty())
        return indexes;
    for (QStringView piece : QStringView(strList).split(QLatin1Char(',')))
        indexes.push_back(IndexOf(QStringLiteral("Char") + piece.trimmed().toString()));
    return indexes;
}

qint16 Characters::CountFollowers(const QString& strKey) const {
    int iStart = IndexOf(strKey);
    if (iStart < 0)
        return 0;
    // Breadth first over the vassal lists; each record is counted at most once.
    std::vector<int> pending{iStart};
    std::vector<bool> seen(m_records.size(), false);
    seen[static_cast<std::size_t>(iStart)] = true;
    int nCount = 0;
    for (std::size_t k = 0; k < pending.size(); ++k) {
        for (int iVassal : VassalIndexes(pending[k])) {
            ++nCount;
            if (iVassal >= 0 && !seen[static_cast<std::size_t>(iVassal)]) {
                seen[static_cast<std::size_t>(iVassal)] = true;
                pending.push_back(iVassal);
            }
        }
    }
    return static_cast<qint16>(std::min(nCount, 32767));
}

qint16 Characters::CalculateRank(const QString& strKey) {
    int iStart = IndexOf(strKey);
    if (iStart < 0)
        return 0;
    // Post-order without recursion: a record's rank is settled once all its vassals' are.
    struct Frame {
        int i;
        std::vector<int> vassals;
        std::size_t next = 0;
        qint16 highest = 0;
        qint16 second = 0;
    };
    std::vector<Frame> stack;
    std::vector<bool> onPath(m_records.size(), false);
    stack.push_back({iStart, VassalIndexes(iStart)});
    onPath[static_cast<std::size_t>(iStart)] = true;
    qint16 rank = 1;
    while (!stack.empty()) {
        Frame& top = stack.back();
        if (top.next < top.vassals.size()) {
            int iVassal = top.vassals[top.next++];
            if (iVassal < 0 || onPath[static_cast<std::size_t>(iVassal)])
                continue; // a missing record or a cycle adds nothing
            onPath[static_cast<std::size_t>(iVassal)] = true;
            stack.push_back({iVassal, VassalIndexes(iVassal)});
            continue;
        }
        qint16 r = 1;
        if (!top.vassals.empty()) {
            r = top.highest;
            if (top.highest == top.second)
                r = static_cast<qint16>(std::min(top.highest + 1, 10));
        }
        m_records[static_cast<std::size_t>(top.i)].iComputedRank = r;
        onPath[static_cast<std::size_t>(top.i)] = false;
        stack.pop_back();
        rank = r;
        if (!stack.empty()) {
            Frame& parent = stack.back();
            if (r > parent.highest) {
                parent.second = parent.highest;
                parent.highest = r;
            } else if (r > parent.second) {
                parent.second = r;
            }
        }
    }
    return rank;
}

bool IsFollower(const Characters& roster, qint16 iPatronID, qint16 iFollowerID) {
    qint16 c = iFollowerID;
    for (qint32 nSteps = 0; nSteps <= roster.Count(); ++nSteps) {
        if (c == -1)
            return false;
        const Character* pRecord = roster.Item(CharKey(c));
        if (!pRecord)
            return false;
        if (pRecord->nPatronID == iPatronID)
            return true;
        c = pRecord->nPatronID;
    }
    return false;
}
