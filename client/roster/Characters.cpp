#include "Characters.h"

#include <QStringView>
#include <algorithm>

namespace {

constexpr int kIdSlots = 65536;
constexpr int kIdOffset = 32768;

// The id of a key written by the convention ("Char12", "Char-1"): no blanks, no plus sign, no
// leading zeros. False for any other key.
bool ConventionalId(QStringView key, int& id) {
    if (!key.startsWith(QLatin1String("Char")))
        return false;
    QStringView digits = key.mid(4);
    bool bNegative = digits.startsWith(QLatin1Char('-'));
    if (bNegative)
        digits = digits.mid(1);
    if (digits.isEmpty() || digits.size() > 5 ||
        (digits.size() > 1 && digits[0] == QLatin1Char('0')))
        return false;
    int iValue = 0;
    for (QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        iValue = iValue * 10 + (c.unicode() - '0');
    }
    iValue = bNegative ? -iValue : iValue;
    if (iValue < -32768 || iValue > 32767 || (bNegative && iValue == 0))
        return false;
    id = iValue;
    return true;
}

} // namespace

QString CharKey(qint16 nID) {
    return QStringLiteral("Char") + QString::number(nID);
}

Characters::Characters() : m_byId(kIdSlots, -1) {}

void Characters::Forget() {
    if (!m_bVassalsKnown)
        return;
    m_bVassalsKnown = false;
    m_vassals.clear();
    m_vassalStart.clear();
}

Character& Characters::AddKeyed(qint16 nID, QString strName, qint16 nLevel, qint16 nRank,
                                qint16 nPatronID, QString strVassalIDs, qint16 iIsMule,
                                qint16 iIsPK, qint16 iIsRescueSquadMember) {
    m_byId[static_cast<std::size_t>(nID + kIdOffset)] = static_cast<int>(m_records.size());
    return Append(nID, std::move(strName), nLevel, nRank, nPatronID, std::move(strVassalIDs),
                  iIsMule, iIsPK, iIsRescueSquadMember);
}

Character& Characters::Append(qint16 nID, QString strName, qint16 nLevel, qint16 nRank,
                              qint16 nPatronID, QString strVassalIDs, qint16 iIsMule, qint16 iIsPK,
                              qint16 iIsRescueSquadMember) {
    Character& record = m_records.emplace_back();
    record.nID = nID;
    record.strName = std::move(strName);
    record.nLevel = nLevel;
    record.nRank = nRank;
    record.nPatronID = nPatronID;
    record.strVassalIDs = std::move(strVassalIDs);
    record.iIsMule = iIsMule;
    record.iIsPK = iIsPK;
    record.iIsRescueSquadMember = iIsRescueSquadMember;
    Forget();
    return record;
}

int Characters::IndexOfId(int id) const {
    if (id < -32768 || id > 32767)
        return -1;
    return m_byId[static_cast<std::size_t>(id + kIdOffset)];
}

Character& Characters::Add(qint16 nID, const QString& strName, qint16 nLevel, qint16 nRank,
                           qint16 nPatronID, const QString& strVassalIDs, qint16 iIsMule,
                           qint16 iIsPK, qint16 iIsRescueSquadMember, const QString& sKey) {
    int i = static_cast<int>(m_records.size());
    int id = 0;
    if (!sKey.isEmpty()) { // without a key the record is reached by position only
        if (ConventionalId(sKey, id))
            m_byId[static_cast<std::size_t>(id + kIdOffset)] = i;
        else
            m_otherKeys.insert(sKey, i);
    }
    return Append(nID, strName, nLevel, nRank, nPatronID, strVassalIDs, iIsMule, iIsPK,
                  iIsRescueSquadMember);
}

int Characters::IndexOf(const QString& strKey) const {
    int id = 0;
    if (ConventionalId(strKey, id))
        return m_byId[static_cast<std::size_t>(id + kIdOffset)];
    return m_otherKeys.value(strKey, -1);
}

int Characters::IndexOfPiece(QStringView piece) const {
    piece = piece.trimmed();
    // Plain digits, as the server writes them, need no key text.
    bool bPlain = !piece.isEmpty() && piece.size() <= 5 &&
                  (piece.size() == 1 || piece[0] != QLatin1Char('0'));
    int id = 0;
    for (QChar c : piece) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            bPlain = false;
            break;
        }
        id = id * 10 + (c.unicode() - '0');
    }
    if (bPlain && id <= 32767)
        return m_byId[static_cast<std::size_t>(id + kIdOffset)];
    return IndexOf(QStringLiteral("Char") + piece.toString());
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
    auto Shift = [iGone](int& i) {
        if (i == iGone)
            i = -1;
        else if (i > iGone)
            --i;
    };
    for (int& i : m_byId)
        Shift(i);
    for (auto it = m_otherKeys.begin(); it != m_otherKeys.end();) {
        Shift(it.value());
        it = it.value() < 0 ? m_otherKeys.erase(it) : std::next(it);
    }
    Forget();
}

void Characters::Clear() {
    m_records.clear();
    std::fill(m_byId.begin(), m_byId.end(), -1);
    m_otherKeys.clear();
    Forget();
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

IndexSpan Characters::VassalIndexes(int i) const {
    if (!m_bVassalsKnown) {
        m_vassalStart.assign(m_records.size() + 1, 0);
        m_vassals.clear();
        m_vassals.reserve(m_records.size());
        for (std::size_t k = 0; k < m_records.size(); ++k) {
            m_vassalStart[k] = static_cast<int>(m_vassals.size());
            QStringView list(m_records[k].strVassalIDs);
            if (list.isEmpty())
                continue;
            qsizetype iStart = 0;
            while (true) {
                qsizetype iComma = list.indexOf(QLatin1Char(','), iStart);
                m_vassals.push_back(
                    IndexOfPiece(list.mid(iStart, iComma < 0 ? -1 : iComma - iStart)));
                if (iComma < 0)
                    break;
                iStart = iComma + 1;
            }
        }
        m_vassalStart[m_records.size()] = static_cast<int>(m_vassals.size());
        m_bVassalsKnown = true;
    }
    const int* pData = m_vassals.data();
    return {pData + m_vassalStart[static_cast<std::size_t>(i)],
            pData + m_vassalStart[static_cast<std::size_t>(i) + 1]};
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
        std::size_t next;
        qint16 highest;
        qint16 second;
    };
    std::vector<Frame> stack;
    std::vector<bool> onPath(m_records.size(), false);
    stack.push_back({iStart, 0, 0, 0});
    onPath[static_cast<std::size_t>(iStart)] = true;
    qint16 rank = 1;
    while (!stack.empty()) {
        Frame& top = stack.back();
        IndexSpan vassals = VassalIndexes(top.i);
        if (top.next < vassals.size()) {
            int iVassal = vassals[top.next++];
            if (iVassal < 0 || onPath[static_cast<std::size_t>(iVassal)])
                continue; // a missing record or a cycle adds nothing
            onPath[static_cast<std::size_t>(iVassal)] = true;
            stack.push_back({iVassal, 0, 0, 0});
            continue;
        }
        qint16 r = 1;
        if (!vassals.empty()) {
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
        int i = roster.IndexOfId(c);
        if (i < 0)
            return false;
        if (roster.At(i).nPatronID == iPatronID)
            return true;
        c = roster.At(i).nPatronID;
    }
    return false;
}
