#include "Characters.h"

#include "Ranks.h"

#include <QCoreApplication>
#include <QStringView>
#include <algorithm>
#include <limits>
#include <numeric>
#include <tuple>
#include <utility>

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

namespace {

// Room that rosters let go of, for the next ones built on the same thread. A refresh of 32767
// members builds a new snapshot beside the old one, a few MB of vectors each; the allocator hands
// blocks that large back to the system when they are freed, and faulting fresh pages in again
// for the next snapshot cost more than reading the payload. Never destroyed: a roster may be let
// go of after the thread's own objects are gone.
struct SpareRoom {
    std::vector<std::vector<int>> ints;
    std::vector<std::vector<qint16>> shorts;
    std::vector<std::vector<Character>> records;
};

SpareRoom& Spare() {
    thread_local SpareRoom* pRoom = new SpareRoom;
    return *pRoom;
}

template <typename T> std::vector<T> TakeRoom(std::vector<std::vector<T>>& pool) {
    if (pool.empty())
        return {};
    std::vector<T> room = std::move(pool.back());
    pool.pop_back();
    return room;
}

template <typename T> void GiveRoom(std::vector<std::vector<T>>& pool, std::vector<T>& v) {
    constexpr std::size_t kWorthKeeping = 4096; // below this the allocator keeps it anyway
    constexpr std::size_t kMostKept = 24;       // two rosters' worth of each kind
    if (v.capacity() < kWorthKeeping || pool.size() >= kMostKept)
        return;
    v.clear();
    pool.push_back(std::move(v));
}

} // namespace

Characters::Characters()
    : m_records(TakeRoom(Spare().records)), m_byId(TakeRoom(Spare().ints)),
      m_vassalStart(TakeRoom(Spare().ints)), m_vassals(TakeRoom(Spare().ints)),
      m_order(TakeRoom(Spare().ints)), m_followers(TakeRoom(Spare().ints)),
      m_listedBy(TakeRoom(Spare().ints)), m_placeInList(TakeRoom(Spare().ints)),
      m_ranks(TakeRoom(Spare().shorts)) {
    m_byId.assign(kIdSlots, -1);
}

Characters::Characters(const Characters& other) : Characters() {
    *this = other; // copy-assigned vectors fill the capacity they have
}

Characters::~Characters() {
    SpareRoom& room = Spare();
    GiveRoom(room.records, m_records);
    for (std::vector<int>* pInts :
         {&m_byId, &m_vassalStart, &m_vassals, &m_order, &m_followers, &m_listedBy, &m_placeInList})
        GiveRoom(room.ints, *pInts);
    GiveRoom(room.shorts, m_ranks);
}

const RosterSnapshot& Characters::Empty() {
    // Never destroyed, like the spare room it would give back to.
    static const RosterSnapshot* pEmpty = new RosterSnapshot(std::make_shared<const Characters>());
    return *pEmpty;
}

namespace {

// Copies a record into a roster being built, under the key it had.
void Put(Characters& roster, const Character& c, const QString& strOtherKey) {
    if (strOtherKey.isEmpty())
        roster.AddKeyed(c);
    else
        roster.Add(c, strOtherKey);
}

} // namespace

QHash<int, QString> Characters::OtherKeysByPosition() const {
    QHash<int, QString> byPosition;
    for (auto it = m_otherKeys.cbegin(); it != m_otherKeys.cend(); ++it)
        byPosition.insert(it.value(), it.key());
    return byPosition;
}

RosterSnapshot Characters::WithChanges(const std::vector<Character>& changed,
                                       const std::vector<qint16>& removed,
                                       QString& strProblem) const {
    strProblem.clear();
    if (removed.empty() && KeepsShape(changed)) {
        // Nothing moves: the copy keeps every place and all that was worked out from the lists.
        auto next = std::make_shared<Characters>(*this);
        for (const Character& c : changed) {
            Character& record = next->m_records[static_cast<std::size_t>(IndexOfId(c.nID))];
            const qint32 iDecalChoicePos = record.iDecalChoicePos;
            record = c;
            record.iDecalChoicePos = iDecalChoicePos;
        }
        return next;
    }
    // Each id's fate, by id + kIdOffset: -2 leaves, k >= 0 becomes changed[k], -1 stays.
    std::vector<int> fate(kIdSlots, -1);
    for (qint16 id : removed)
        fate[static_cast<std::size_t>(id + kIdOffset)] = -2;
    for (std::size_t k = 0; k < changed.size(); ++k)
        fate[static_cast<std::size_t>(changed[k].nID + kIdOffset)] = static_cast<int>(k);
    RosterSnapshot reordered;
    if (ReorderedWith(changed, fate, reordered, strProblem))
        return reordered;
    // Keys not written by the convention stay with their records.
    const QHash<int, QString> otherKeyAt = OtherKeysByPosition();
    auto next = std::make_shared<Characters>();
    next->Reserve(Count() + static_cast<int>(changed.size()));
    for (int i = 0; i < Count(); ++i) {
        const Character& c = At(i);
        const QString strOtherKey = otherKeyAt.value(i);
        int& f = fate[static_cast<std::size_t>(c.nID + kIdOffset)];
        if (!strOtherKey.isEmpty() || f == -1) {
            Put(*next, c, strOtherKey);
        } else if (f >= 0) {
            Put(*next, changed[static_cast<std::size_t>(f)], QString());
            f = -3; // placed
        }
    }
    for (const Character& c : changed) { // the ones that join, each once however often named
        int& f = fate[static_cast<std::size_t>(c.nID + kIdOffset)];
        if (f >= 0) {
            Put(*next, changed[static_cast<std::size_t>(f)], QString());
            f = -3;
        }
    }
    strProblem = next->LinkProblem();
    if (!strProblem.isEmpty())
        return nullptr;
    next->PutInDownloadOrder();
    return next;
}

namespace {

// The id a vassal list's piece names when it is written as the server writes ids (plain digits
// need no key text), or as a key's digits ("Char" + piece); false when it names no id that way.
bool PieceId(QStringView piece, int& id) {
    piece = piece.trimmed();
    bool bPlain = !piece.isEmpty() && piece.size() <= 5 &&
                  (piece.size() == 1 || piece[0] != QLatin1Char('0'));
    int iValue = 0;
    for (QChar c : piece) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            bPlain = false;
            break;
        }
        if (bPlain) // at most five digits: no overflow
            iValue = iValue * 10 + (c.unicode() - '0');
    }
    if (bPlain && iValue <= 32767) {
        id = iValue;
        return true;
    }
    return ConventionalId(QString(QStringLiteral("Char") + piece.toString()), id);
}

template <typename F> void ForEachPiece(const QString& strList, F&& f) {
    QStringView list(strList);
    if (list.isEmpty())
        return;
    qsizetype iStart = 0;
    while (true) {
        const qsizetype iComma = list.indexOf(QLatin1Char(','), iStart);
        f(list.mid(iStart, iComma < 0 ? -1 : iComma - iStart));
        if (iComma < 0)
            return;
        iStart = iComma + 1;
    }
}

constexpr int kUnlisted = std::numeric_limits<int>::max();

} // namespace

std::pair<int, int> Characters::DownloadKey(int i) const {
    return {At(i).nPatronID, ListedBy(i) >= 0 ? PlaceInList(i) : kUnlisted};
}

bool Characters::ReorderedWith(const std::vector<Character>& changed, const std::vector<int>& fate,
                               RosterSnapshot& result, QString& strProblem) const {
    const int nCount = Count();
    if (!m_otherKeys.isEmpty() || !Sound())
        return false;
    for (int i = 1; i < nCount; ++i)
        if (DownloadKey(i) < DownloadKey(i - 1))
            return false;
    auto FateOf = [&](int id) { return fate[static_cast<std::size_t>(id + kIdOffset)]; };
    // A record keeps its key unless it changed, left, or stands in a list that changed: the
    // lists of changed records, as they were and as they are now, and those of members who left.
    constexpr char kKeeps = 0, kPlacedAgain = 1, kGone = 2;
    std::vector<char> state(static_cast<std::size_t>(nCount), kKeeps);
    // Where a changed list places a member now, by id + kIdOffset (first mention).
    std::vector<int> newPlace;
    std::vector<int> joiners; // indexes into changed, in their order, each id once
    for (int i = 0; i < nCount; ++i) {
        const int f = FateOf(At(i).nID);
        if (f == -1)
            continue;
        state[static_cast<std::size_t>(i)] = f == -2 ? kGone : kPlacedAgain;
        for (int v : VassalIndexes(i)) // whoever left or changed, its list is not what it was
            if (state[static_cast<std::size_t>(v)] == kKeeps)
                state[static_cast<std::size_t>(v)] = kPlacedAgain;
    }
    for (std::size_t k = 0; k < changed.size(); ++k) {
        const Character& c = changed[k];
        if (FateOf(c.nID) != static_cast<int>(k))
            continue; // named again later: the later one counts
        if (IndexOfId(c.nID) < 0)
            joiners.push_back(static_cast<int>(k));
        int nPlace = 0;
        ForEachPiece(c.strVassalIDs, [&](QStringView piece) {
            int id = 0;
            const int nAt = nPlace++;
            if (!PieceId(piece, id))
                return; // names nobody: the lists' check below says so
            if (newPlace.empty())
                newPlace.assign(kIdSlots, -1);
            int& place = newPlace[static_cast<std::size_t>(id + kIdOffset)];
            if (place < 0)
                place = nAt;
            const int i = IndexOfId(id);
            if (i >= 0 && state[static_cast<std::size_t>(i)] == kKeeps)
                state[static_cast<std::size_t>(i)] = kPlacedAgain;
        });
    }
    // The keys of the records placed again, as the lists will give them: by a changed list, or
    // by the unchanged list that held them, or by none. Ties go by the order before sorting:
    // the records as they stood, then the ones that join.
    struct Placed {
        int patron;
        int place;
        int sequence;
        bool operator<(const Placed& o) const {
            return std::tie(patron, place, sequence) < std::tie(o.patron, o.place, o.sequence);
        }
    };
    auto PlaceOf = [&](int id, int iOld) {
        const int nChangedPlace =
            newPlace.empty() ? -1 : newPlace[static_cast<std::size_t>(id + kIdOffset)];
        if (nChangedPlace >= 0)
            return nChangedPlace;
        const int iLister = iOld >= 0 ? ListedBy(iOld) : -1;
        if (iLister >= 0 && FateOf(At(iLister).nID) == -1)
            return PlaceInList(iOld);
        return kUnlisted;
    };
    std::vector<Placed> placed;
    for (int i = 0; i < nCount; ++i) {
        if (state[static_cast<std::size_t>(i)] != kPlacedAgain)
            continue;
        const int f = FateOf(At(i).nID);
        const int patron =
            f >= 0 ? changed[static_cast<std::size_t>(f)].nPatronID : At(i).nPatronID;
        placed.push_back({patron, PlaceOf(At(i).nID, i), i});
    }
    for (std::size_t j = 0; j < joiners.size(); ++j) {
        const Character& c = changed[static_cast<std::size_t>(joiners[j])];
        placed.push_back({c.nPatronID, PlaceOf(c.nID, -1), nCount + static_cast<int>(j)});
    }
    std::sort(placed.begin(), placed.end());

    // The records that keep their keys are in order already: the others merge into them. The
    // order first, as old positions (the j-th joiner is nCount + j).
    std::vector<int> sources = TakeRoom(Spare().ints);
    sources.reserve(static_cast<std::size_t>(nCount) + joiners.size());
    std::size_t iPlaced = 0;
    for (int i = 0; i < nCount; ++i) {
        if (state[static_cast<std::size_t>(i)] != kKeeps)
            continue;
        const Placed mine{At(i).nPatronID, DownloadKey(i).second, i};
        for (; iPlaced < placed.size() && placed[iPlaced] < mine; ++iPlaced)
            sources.push_back(placed[iPlaced].sequence);
        sources.push_back(i);
    }
    for (; iPlaced < placed.size(); ++iPlaced)
        sources.push_back(placed[iPlaced].sequence);
    // Then the records: copied whole, which is the quickest way through their texts, and moved
    // to their places.
    auto next = std::make_shared<Characters>();
    std::vector<Character> copy = TakeRoom(Spare().records);
    copy = m_records;
    next->m_records.reserve(sources.size());
    std::vector<int> oldToNew(static_cast<std::size_t>(nCount), -1);
    std::vector<int> fromOld; // by new position: the old one, or -1 for a changed record
    fromOld.reserve(sources.size());
    for (int iSource : sources) {
        const int iNew = static_cast<int>(next->m_records.size());
        if (iSource >= nCount) {
            next->m_records.push_back(changed[static_cast<std::size_t>(
                joiners[static_cast<std::size_t>(iSource - nCount)])]);
            fromOld.push_back(-1);
        } else {
            Character& record = copy[static_cast<std::size_t>(iSource)];
            const int f =
                state[static_cast<std::size_t>(iSource)] == kKeeps ? -1 : FateOf(record.nID);
            if (f >= 0) {
                const qint32 iDecalChoicePos = record.iDecalChoicePos;
                record = changed[static_cast<std::size_t>(f)];
                record.iDecalChoicePos = iDecalChoicePos;
            }
            oldToNew[static_cast<std::size_t>(iSource)] = iNew;
            next->m_records.push_back(std::move(record));
            fromOld.push_back(f >= 0 ? -1 : iSource);
        }
        next->m_byId[static_cast<std::size_t>(next->m_records.back().nID + kIdOffset)] = iNew;
    }
    GiveRoom(Spare().records, copy);
    GiveRoom(Spare().ints, sources);

    // The lists: an unchanged record's as it was read, its vassals at their new places (one
    // that left is -1, missing); a changed one's read from its text.
    const auto nNew = next->m_records.size();
    next->m_vassalStart.assign(nNew + 1, 0);
    next->m_vassals.clear();
    next->m_vassals.reserve(m_vassals.size() + changed.size());
    for (std::size_t j = 0; j < nNew; ++j) {
        next->m_vassalStart[j] = static_cast<int>(next->m_vassals.size());
        if (fromOld[j] < 0) {
            next->ReadList(j);
            continue;
        }
        for (int v : VassalIndexes(fromOld[j]))
            next->m_vassals.push_back(oldToNew[static_cast<std::size_t>(v)]);
    }
    next->m_vassalStart[nNew] = static_cast<int>(next->m_vassals.size());
    next->m_bVassalsKnown = true;
    strProblem = next->LinkProblem();
    if (strProblem.isEmpty())
        result = std::move(next);
    return true;
}

bool Characters::KeepsShape(const std::vector<Character>& changed) const {
    if (!m_otherKeys.isEmpty() || !Sound())
        return false;
    for (const Character& c : changed) {
        const int i = IndexOfId(c.nID);
        if (i < 0 || At(i).nPatronID != c.nPatronID || At(i).strVassalIDs != c.strVassalIDs)
            return false;
    }
    return true;
}

void Characters::PutInDownloadOrder() {
    // The server sends the tree by patron id, and under one patron in the order of its vassal
    // list. Members their patron does not list (the monarchs among them) have no place in any
    // list: they keep the order they had, which is the order they joined in, the newest last.
    std::vector<int> order(m_records.size());
    std::iota(order.begin(), order.end(), 0);
    auto Place = [this](int i) {
        return ListedBy(i) >= 0 ? PlaceInList(i) : std::numeric_limits<int>::max();
    };
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const qint16 nPatronA = At(a).nPatronID, nPatronB = At(b).nPatronID;
        if (nPatronA != nPatronB)
            return nPatronA < nPatronB;
        return Place(a) < Place(b);
    });
    if (std::is_sorted(order.begin(), order.end()))
        return;
    // The records move to their places, and their keys with them.
    const QHash<int, QString> otherKeyAt = OtherKeysByPosition();
    std::vector<Character> records = TakeRoom(Spare().records);
    records.reserve(m_records.size());
    for (int i : order)
        records.push_back(std::move(m_records[static_cast<std::size_t>(i)]));
    m_records.swap(records);
    GiveRoom(Spare().records, records);
    m_byId.assign(kIdSlots, -1);
    m_otherKeys.clear();
    for (std::size_t k = 0; k < order.size(); ++k) {
        const QString strKey = otherKeyAt.value(order[k]);
        if (strKey.isEmpty())
            m_byId[static_cast<std::size_t>(m_records[k].nID + kIdOffset)] = static_cast<int>(k);
        else
            m_otherKeys.insert(strKey, static_cast<int>(k));
    }
    Forget();
    LinkProblem(); // sound, as the same lists were; worked out before anyone asks
}

void Characters::Forget() {
    if (!m_bVassalsKnown) // nothing derived from the lists is kept without them
        return;
    m_bVassalsKnown = false;
    m_vassals.clear();
    m_vassalStart.clear();
    m_iSound = -1;
    m_order.clear();
    m_followers.clear();
    m_ranks.clear();
    m_listedBy.clear();
    m_placeInList.clear();
}

Character& Characters::AddKeyed(Character record) {
    m_byId[static_cast<std::size_t>(record.nID + kIdOffset)] = static_cast<int>(m_records.size());
    return Append(std::move(record));
}

Character& Characters::Append(Character record) {
    Forget();
    record.iDecalChoicePos = 0;
    return m_records.emplace_back(std::move(record));
}

int Characters::IndexOfId(int id) const {
    if (id < -32768 || id > 32767)
        return -1;
    return m_byId[static_cast<std::size_t>(id + kIdOffset)];
}

Character& Characters::Add(Character record, const QString& sKey) {
    int i = static_cast<int>(m_records.size());
    int id = 0;
    if (!sKey.isEmpty()) { // without a key the record is reached by position only
        if (ConventionalId(sKey, id))
            m_byId[static_cast<std::size_t>(id + kIdOffset)] = i;
        else
            m_otherKeys.insert(sKey, i);
    }
    return Append(std::move(record));
}

int Characters::IndexOf(const QString& strKey) const {
    int id = 0;
    if (ConventionalId(strKey, id))
        return m_byId[static_cast<std::size_t>(id + kIdOffset)];
    return m_otherKeys.value(strKey, -1);
}

int Characters::IndexOfPiece(QStringView piece) const {
    int id = 0;
    if (PieceId(piece, id))
        return m_byId[static_cast<std::size_t>(id + kIdOffset)];
    return m_otherKeys.value(QStringLiteral("Char") + piece.trimmed().toString(), -1);
}

const Character* Characters::Item(const QString& strKey) const {
    int i = IndexOf(strKey);
    return i < 0 ? nullptr : &m_records[static_cast<std::size_t>(i)];
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
    ForEachPiece(m_records[k].strVassalIDs,
                 [this](QStringView piece) { m_vassals.push_back(IndexOfPiece(piece)); });
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
    // about the roster, touch only them: record i's at 2i and 2i + 1. The follower counts' room
    // holds them meanwhile (they are worked out later, and only for a forest).
    std::vector<int>& links = m_followers;
    links.resize(2 * nCount);
    struct Scratch {
        std::vector<int>& v;
        ~Scratch() { v.clear(); }
    } scratch{links};
    for (std::size_t i = 0; i < nCount; ++i) {
        links[2 * i] = m_records[i].nID;
        links[2 * i + 1] = m_records[i].nPatronID;
    }
    std::vector<int>& listedBy = m_listedBy;
    listedBy.assign(nCount, -1);
    m_placeInList.assign(nCount, 0);
    const int* pVassals = m_vassals.data();
    for (std::size_t i = 0; i < nCount; ++i) {
        for (int k = m_vassalStart[i]; k < m_vassalStart[i + 1]; ++k) {
            const int v = pVassals[k];
            if (v < 0)
                //: Why a downloaded tree is refused (it follows a colon); %1 is a character's
                //: name. Game word: a vassal is a character sworn to another, its patron.
                return QCoreApplication::translate("Characters", "a vassal of %1 is missing")
                    .arg(m_records[i].strName);
            const auto iVassal = static_cast<std::size_t>(v);
            if (listedBy[iVassal] >= 0)
                //: Why a downloaded tree is refused (it follows a colon); %1 is a character's
                //: name. Game word: a vassal is a character sworn to another, its patron.
                return QCoreApplication::translate("Characters", "%1 is listed as a vassal twice")
                    .arg(m_records[iVassal].strName);
            if (links[2 * iVassal + 1] != links[2 * i])
                //: Why a downloaded tree is refused (it follows a colon); %1 and %2 are
                //: characters' names. Game word: a patron is the character a vassal is sworn to.
                return QCoreApplication::translate("Characters",
                                                   "%1 is listed under %2, who is not its patron")
                    .arg(m_records[iVassal].strName, m_records[i].strName);
            listedBy[iVassal] = static_cast<int>(i);
            m_placeInList[iVassal] = k - m_vassalStart[i];
        }
    }
    std::vector<int>& reached = m_order; // the order, once every record is reached
    reached.clear();
    reached.reserve(nCount);
    for (std::size_t i = 0; i < nCount; ++i)
        if (listedBy[i] < 0)
            reached.push_back(static_cast<int>(i));
    for (std::size_t k = 0; k < reached.size(); ++k) {
        const auto i = static_cast<std::size_t>(reached[k]);
        reached.insert(reached.end(), pVassals + m_vassalStart[i], pVassals + m_vassalStart[i + 1]);
    }
    if (reached.size() != nCount) {
        m_order.clear();
        //: Why a downloaded tree is refused (it follows a colon). Game word: a patron is the
        //: character a vassal is sworn to; here, following the patrons leads back round.
        return QCoreApplication::translate("Characters", "the patron links form a cycle");
    }
    m_iSound = 1;
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
    int i = IndexOf(strKey);
    if (i < 0 || !Sound())
        return 0;
    return static_cast<qint16>(std::min(FollowerCounts()[static_cast<std::size_t>(i)], 32767));
}

void Characters::RankAll() const {
    // Every listed vassal exists and nothing loops, so taken backwards through the order each
    // record's vassals are ranked before it.
    m_ranks.assign(m_records.size(), 0);
    const VassalTable table = Vassals();
    for (auto it = m_order.rbegin(); it != m_order.rend(); ++it) {
        zorv::domain::Allegiance allegiance;
        for (int v : table.Of(*it))
            allegiance.AddVassal(m_ranks[static_cast<std::size_t>(v)], 0);
        m_ranks[static_cast<std::size_t>(*it)] = static_cast<qint16>(allegiance.Rank());
    }
}

qint16 Characters::ComputedRank(int i) const {
    if (!Sound())
        return 0;
    if (m_ranks.size() != m_records.size())
        RankAll();
    return m_ranks[static_cast<std::size_t>(i)];
}

qint16 Characters::CalculateRank(const QString& strKey) const {
    int i = IndexOf(strKey);
    return i < 0 ? 0 : ComputedRank(i);
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
