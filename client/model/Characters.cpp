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
    if (!m_bVassalsKnown) // nothing derived from the lists is kept without them
        return;
    m_bVassalsKnown = false;
    m_vassals.clear();
    m_vassalStart.clear();
    m_iSound = -1;
    m_order.clear();
    m_followers.clear();
    m_settledRank.clear();
    m_bRanksStored = false;
    m_listedBy.clear();
    m_placeInList.clear();
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
    Forget();
    return m_records.emplace_back(Character{nID, std::move(strName), nLevel, nRank, nPatronID,
                                            std::move(strVassalIDs), 0, iIsMule, iIsPK,
                                            iIsRescueSquadMember, 0});
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
        if (bPlain) // at most five digits: no overflow
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

void Characters::Clear() {
    m_records.clear();
    std::fill(m_byId.begin(), m_byId.end(), -1);
    m_otherKeys.clear();
    Forget();
}

std::vector<Character> Characters::TakeRecords() {
    std::vector<Character> records;
    records.swap(m_records);
    m_records.swap(m_spare);
    Clear();
    return records;
}

void Characters::GiveBack(std::vector<Character> records) {
    records.clear();
    m_spare = std::move(records);
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

void Characters::ReadList(std::size_t k) const {
    QStringView list(m_records[k].strVassalIDs);
    if (list.isEmpty())
        return;
    qsizetype iStart = 0;
    while (true) {
        qsizetype iComma = list.indexOf(QLatin1Char(','), iStart);
        m_vassals.push_back(IndexOfPiece(list.mid(iStart, iComma < 0 ? -1 : iComma - iStart)));
        if (iComma < 0)
            break;
        iStart = iComma + 1;
    }
}

void Characters::EnsureVassals() const {
    if (m_bVassalsKnown)
        return;
    m_vassalStart.assign(m_records.size() + 1, 0);
    m_vassals.clear();
    m_vassals.reserve(m_records.size());
    for (std::size_t k = 0; k < m_records.size(); ++k) {
        m_vassalStart[k] = static_cast<int>(m_vassals.size());
        ReadList(k);
    }
    m_vassalStart[m_records.size()] = static_cast<int>(m_vassals.size());
    m_bVassalsKnown = true;
}

void Characters::AdoptVassalIds(const std::vector<int>& counts, const std::vector<qint16>& ids) {
    Forget();
    m_vassalStart.assign(m_records.size() + 1, 0);
    m_vassals.clear();
    m_vassals.reserve(ids.size());
    std::size_t iId = 0;
    for (std::size_t k = 0; k < m_records.size(); ++k) {
        m_vassalStart[k] = static_cast<int>(m_vassals.size());
        if (counts[k] < 0) {
            ReadList(k);
            continue;
        }
        for (int n = 0; n < counts[k]; ++n, ++iId)
            m_vassals.push_back(m_byId[static_cast<std::size_t>(ids[iId] + kIdOffset)]);
    }
    m_vassalStart[m_records.size()] = static_cast<int>(m_vassals.size());
    m_bVassalsKnown = true;
}

IndexSpan Characters::VassalIndexes(int i) const {
    EnsureVassals();
    const int* pData = m_vassals.data();
    return {pData + m_vassalStart[static_cast<std::size_t>(i)],
            pData + m_vassalStart[static_cast<std::size_t>(i) + 1]};
}

QString Characters::LinkProblem() const {
    EnsureVassals();
    const std::size_t nCount = m_records.size();
    m_iSound = 0;
    // Ids and patrons side by side, read in one pass, so that the checks below, which jump
    // about the roster, touch only them.
    std::vector<std::pair<qint16, qint16>> links(nCount);
    for (std::size_t i = 0; i < nCount; ++i)
        links[i] = {m_records[i].nID, m_records[i].nPatronID};
    std::vector<int>& listedBy = m_listedBy;
    listedBy.assign(nCount, -1);
    m_placeInList.assign(nCount, 0);
    const int* pVassals = m_vassals.data();
    for (std::size_t i = 0; i < nCount; ++i) {
        for (int k = m_vassalStart[i]; k < m_vassalStart[i + 1]; ++k) {
            const int v = pVassals[k];
            if (v < 0)
                return QStringLiteral("a vassal of %1 is missing").arg(m_records[i].strName);
            const auto iVassal = static_cast<std::size_t>(v);
            if (listedBy[iVassal] >= 0)
                return QStringLiteral("%1 is listed as a vassal twice")
                    .arg(m_records[iVassal].strName);
            if (links[iVassal].second != links[i].first)
                return QStringLiteral("%1 is listed under %2, who is not its patron")
                    .arg(m_records[iVassal].strName, m_records[i].strName);
            listedBy[iVassal] = static_cast<int>(i);
            m_placeInList[iVassal] = k - m_vassalStart[i];
        }
    }
    std::vector<int> reached;
    reached.reserve(nCount);
    for (std::size_t i = 0; i < nCount; ++i)
        if (listedBy[i] < 0)
            reached.push_back(static_cast<int>(i));
    for (std::size_t k = 0; k < reached.size(); ++k) {
        const auto i = static_cast<std::size_t>(reached[k]);
        reached.insert(reached.end(), pVassals + m_vassalStart[i], pVassals + m_vassalStart[i + 1]);
    }
    if (reached.size() != nCount)
        return QStringLiteral("the patron links form a cycle");
    m_iSound = 1;
    m_order.swap(reached);
    return QString();
}

bool Characters::Sound() const {
    EnsureVassals();
    if (m_iSound < 0)
        LinkProblem();
    return m_iSound == 1;
}

int Characters::Followers(int i) const {
    return FollowerCounts()[static_cast<std::size_t>(i)];
}

const std::vector<int>& Characters::FollowerCounts() const {
    if (m_followers.size() == m_records.size())
        return m_followers;
    // Each record comes after the one that lists it, so taken backwards a record's count is
    // settled by its vassals' before it is needed.
    m_followers.assign(m_records.size(), 0);
    const VassalTable vassals = Vassals();
    for (auto it = m_order.rbegin(); it != m_order.rend(); ++it) {
        int nFollowers = 0;
        for (int v : vassals.Of(*it))
            nFollowers += 1 + m_followers[static_cast<std::size_t>(v)];
        m_followers[static_cast<std::size_t>(*it)] = nFollowers;
    }
    return m_followers;
}

qint16 Characters::CountFollowers(const QString& strKey) const {
    int iStart = IndexOf(strKey);
    if (iStart < 0)
        return 0;
    if (Sound())
        return static_cast<qint16>(
            std::min(FollowerCounts()[static_cast<std::size_t>(iStart)], 32767));
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

namespace {

// A record's rank from its vassals' ranks: with none, 1; otherwise the highest, one more (up to
// 10) when two vassals share it.
struct VassalRanks {
    qint16 highest = 0;
    qint16 second = 0;
    void Add(qint16 r) {
        if (r > highest) {
            second = highest;
            highest = r;
        } else if (r > second) {
            second = r;
        }
    }
    qint16 Rank(bool bHasVassals) const {
        if (!bHasVassals)
            return 1;
        return highest == second ? static_cast<qint16>(std::min(highest + 1, 10)) : highest;
    }
};

} // namespace

void Characters::RankAll() const {
    // Every listed vassal exists and nothing loops, so taken backwards through the order each
    // record's vassals are ranked before it.
    m_settledRank.assign(m_records.size(), 0);
    const VassalTable table = Vassals();
    for (auto it = m_order.rbegin(); it != m_order.rend(); ++it) {
        VassalRanks ranks;
        const IndexSpan vassals = table.Of(*it);
        for (int v : vassals)
            ranks.Add(m_settledRank[static_cast<std::size_t>(v)]);
        m_settledRank[static_cast<std::size_t>(*it)] = ranks.Rank(!vassals.empty());
    }
}

qint16 Characters::ComputedRank(int i) const {
    if (!Sound())
        return m_records[static_cast<std::size_t>(i)].iComputedRank;
    if (m_settledRank.size() != m_records.size())
        RankAll();
    return m_settledRank[static_cast<std::size_t>(i)];
}

qint16 Characters::CalculateRank(const QString& strKey) {
    int iStart = IndexOf(strKey);
    if (iStart < 0)
        return 0;
    if (Sound()) {
        const qint16 rank = ComputedRank(iStart);
        if (!m_bRanksStored) {
            for (std::size_t i = 0; i < m_records.size(); ++i)
                m_records[i].iComputedRank = m_settledRank[i];
            m_bRanksStored = true;
        }
        return rank;
    }
    // Lists that share a vassal, name a missing one or loop: the branch is walked from here,
    // and only what no such fault touched is kept.
    const std::size_t nCount = m_records.size();
    if (m_settledRank.size() != nCount)
        m_settledRank.assign(nCount, 0);
    if (m_onPath.size() != nCount)
        m_onPath.assign(nCount, 0);
    if (m_settledRank[static_cast<std::size_t>(iStart)] > 0)
        return m_settledRank[static_cast<std::size_t>(iStart)];
    // Post-order without recursion: a record's rank is settled once all its vassals' are.
    struct Frame {
        int i;
        int next; // into m_vassals
        int end;
        VassalRanks ranks;
        bool bClean; // no missing vassal and no loop below
    };
    auto Push = [&](std::vector<Frame>& stack, int i) {
        m_onPath[static_cast<std::size_t>(i)] = 1;
        stack.push_back({i, m_vassalStart[static_cast<std::size_t>(i)],
                         m_vassalStart[static_cast<std::size_t>(i) + 1], VassalRanks(), true});
    };
    std::vector<Frame> stack;
    Push(stack, iStart);
    qint16 rank = 1;
    while (!stack.empty()) {
        Frame& top = stack.back();
        if (top.next < top.end) {
            const int iVassal = m_vassals[static_cast<std::size_t>(top.next++)];
            if (iVassal < 0 || m_onPath[static_cast<std::size_t>(iVassal)])
                top.bClean = false; // a missing record or a loop adds nothing
            else if (const qint16 r = m_settledRank[static_cast<std::size_t>(iVassal)]; r > 0)
                top.ranks.Add(r);
            else
                Push(stack, iVassal);
            continue;
        }
        const qint16 r = top.ranks.Rank(top.end > m_vassalStart[static_cast<std::size_t>(top.i)]);
        const std::size_t i = static_cast<std::size_t>(top.i);
        const bool bClean = top.bClean;
        m_records[i].iComputedRank = r;
        m_onPath[i] = 0;
        if (bClean)
            m_settledRank[i] = r;
        stack.pop_back();
        rank = r;
        if (!stack.empty()) {
            stack.back().ranks.Add(r);
            stack.back().bClean = stack.back().bClean && bClean;
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
