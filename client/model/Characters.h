#pragma once
// The roster: the client's copy of the whole allegiance as one tree download delivered it, one
// Character per member, in payload order and keyed "Char" + id, with the allegiance index worked
// out from it (vassal positions, links, ranks, followers). A roster is built once and then only
// read: it is handed about as a RosterSnapshot, a pointer to a const roster, and the next download
// (or a set of changed records, through WithChanges) makes a new one. A view therefore keeps the
// snapshot it was built from, whole and consistent, for as long as it shows it. Every snapshot is
// a forest: the parser and WithChanges refuse lists that are not. The tree algorithms here are
// iterative, so any shape up to 32767 members (one long chain included) is safe.
#include <QHash>
#include <QString>
#include <memory>
#include <utility>
#include <vector>

struct Character {
    qint16 nID = 0;
    QString strName;
    qint16 nLevel = 0;
    qint16 nRank = 0;
    qint16 nPatronID = 0;
    QString strVassalIDs;
    qint16 iIsMule = 0;
    qint16 iIsPK = 0;
    qint16 iIsRescueSquadMember = 0;
    qint32 iDecalChoicePos = 0;
};

QString CharKey(qint16 nID);

// A run of roster positions held by the roster; valid until the roster changes.
struct IndexSpan {
    const int* pBegin = nullptr;
    const int* pEnd = nullptr;
    const int* begin() const { return pBegin; }
    const int* end() const { return pEnd; }
    std::size_t size() const { return static_cast<std::size_t>(pEnd - pBegin); }
    bool empty() const { return pBegin == pEnd; }
    int operator[](std::size_t i) const { return pBegin[i]; }
};

class Characters;
using RosterSnapshot = std::shared_ptr<const Characters>;

class Characters {
public:
    Characters();
    // Its room goes to the next roster built on this thread (see Characters.cpp).
    ~Characters();
    // Into room taken as a new roster takes it.
    Characters(const Characters& other);
    Characters(Characters&&) = default;
    Characters& operator=(const Characters&) = default;
    Characters& operator=(Characters&&) = default;

    // The snapshot of no members, before the first download and while one is on its way.
    static const RosterSnapshot& Empty();
    // This roster with `changed` records in place of those of the same ids and the records of
    // `removed` ids taken out, in the order a whole download of the result would give
    // (by patron id, and under one patron in the order of its vassal list; members no list
    // places keep their relative order, a new one last). nullptr, with the reason
    // in strProblem, when the lists that result are not a forest: then only a whole download can
    // say what the tree is.
    RosterSnapshot WithChanges(const std::vector<Character>& changed,
                               const std::vector<qint16>& removed, QString& strProblem) const;
    // Whether `changed` leaves the tree's shape as it is: every id is here already, under the
    // same patron and with the same vassal list. WithChanges then keeps every record's place.
    bool KeepsShape(const std::vector<Character>& changed) const;

    // Building, before a roster is handed out as a snapshot: the record under sKey (none: it is
    // reached by position only).
    Character& Add(Character record, const QString& sKey);
    // The same, keyed "Char" + its id as the convention writes it.
    Character& AddKeyed(Character record);
    void Reserve(int nRecords) { m_records.reserve(static_cast<std::size_t>(nRecords)); }

    // nullptr when there is no such record.
    const Character* Item(const QString& strKey) const;
    qint32 Count() const { return static_cast<qint32>(m_records.size()); }

    qint16 GetID(const QString& strName) const;
    qint16 GetIDFromDecalPos(qint32 iPos) const;
    QString GetName(const QString& strKey) const;
    // These two are answered from the forest (0 for a roster whose lists are not one): every
    // record's count and rank are worked out at the first question and kept.
    qint16 CountFollowers(const QString& strKey) const;
    // The rank of a record's branch by the allegiance rank rule; 0 for no such record.
    qint16 CalculateRank(const QString& strKey) const;
    // The same for record i (0-based).
    qint16 ComputedRank(int i) const;

    // The 0-based position of a key, or -1.
    int IndexOf(const QString& strKey) const;
    // The 0-based position of the record keyed "Char" + id, or -1.
    int IndexOfId(int id) const;
    const Character& At(int i) const { return m_records[static_cast<std::size_t>(i)]; }

    // The positions of a record's vassals, in its list's order; a piece naming no record is
    // -1. Read from the lists once and kept until the roster changes.
    IndexSpan VassalIndexes(int i) const;
    // All of them at once, for a walk over many records: record i's vassals are
    // pVassals[pStart[i] .. pStart[i + 1]).
    struct VassalTable {
        const int* pStart;
        const int* pVassals;
        IndexSpan Of(int i) const { return {pVassals + pStart[i], pVassals + pStart[i + 1]}; }
    };
    VassalTable Vassals() const {
        EnsureVassals();
        return {m_vassalStart.data(), m_vassals.data()};
    }
    // The vassal positions from ids a reader of the lists has taken from them already (the tree
    // parser reads them with the payload): record i's list holds counts[i] ids, in order, from
    // the front of `ids`; a count of -1 means its list is read from its text as VassalIndexes
    // would (blanks, signs, leading zeros). Call once every record is added.
    void AdoptVassalIds(const std::vector<int>& counts, const std::vector<qint16>& ids);
    // Why the vassal lists cannot make a sound tree, or an empty text: every listed vassal must
    // exist, be listed once, name the list's owner as its patron, and hang below a character
    // nobody lists; otherwise the lists would draw a node twice or loop.
    QString LinkProblem() const;
    // Whether LinkProblem() is empty: the lists form a forest. Then, for record i: the position
    // of the record that lists it (-1 for none), its place in that list, and its followers.
    bool Sound() const;
    int ListedBy(int i) const { return m_listedBy[static_cast<std::size_t>(i)]; }
    int PlaceInList(int i) const { return m_placeInList[static_cast<std::size_t>(i)]; }
    int Followers(int i) const;

    auto begin() const { return m_records.begin(); }
    auto end() const { return m_records.end(); }

private:
    // Appends a record without keying it.
    Character& Append(Character record);
    int IndexOfPiece(QStringView piece) const;
    // WithChanges for a roster in download order whose lists form a forest: the records that
    // keep their sort keys keep their relative order, and only the others are placed again.
    // False when this roster is not such a one (then nothing is set).
    bool ReorderedWith(const std::vector<Character>& changed, const std::vector<int>& fate,
                       RosterSnapshot& next, QString& strProblem) const;
    // The sort key of record i in a download: its patron id, then its place in that patron's
    // list (members nobody lists last).
    std::pair<int, int> DownloadKey(int i) const;
    QHash<int, QString> OtherKeysByPosition() const;
    // Puts this sound roster, still being built, in the order a download sends it.
    void PutInDownloadOrder();
    void ReadList(std::size_t k) const;
    void EnsureVassals() const;
    void Forget();
    // Every record's rank at once, in a roster whose lists are known to form a forest.
    void RankAll() const;
    // Every record's follower count, once the lists are known to form a forest.
    const std::vector<int>& FollowerCounts() const;

    std::vector<Character> m_records;
    // Keys "Char" + id as the convention writes them are found through m_byId; any other key
    // through m_otherKeys.
    std::vector<int> m_byId; // by id + 32768
    QHash<QString, int> m_otherKeys;
    // All vassal lists read at once: record i's vassals are m_vassals[m_vassalStart[i] ..
    // m_vassalStart[i + 1]).
    mutable std::vector<int> m_vassalStart;
    mutable std::vector<int> m_vassals;
    mutable bool m_bVassalsKnown = false;
    // Worked out from the lists at the first question, and dropped with them while a roster is
    // built.
    mutable int m_iSound = -1; // whether LinkProblem() is empty; -1 until it is asked
    // In a sound roster: every record once, each after the one that lists it.
    mutable std::vector<int> m_order;
    mutable std::vector<int> m_followers;
    mutable std::vector<int> m_listedBy;    // by position; set by LinkProblem()
    mutable std::vector<int> m_placeInList; // by position; set by LinkProblem()
    mutable std::vector<qint16> m_ranks;    // by position, once ranked
};

// True when iPatronID is the patron, or a patron further up, of iFollowerID. Bounded by the
// roster's size, so a cycle in the links can never hang it.
bool IsFollower(const Characters& roster, qint16 iPatronID, qint16 iFollowerID);

// The roster the client shows now: the last snapshot read, replaced whole by the next. Whoever
// asks about "the roster" asks here; a view that must see one roster from its start to its end
// keeps the snapshot it was built from instead.
class Roster {
public:
    const Characters& operator*() const { return *m_now; }
    const Characters* operator->() const { return m_now.get(); }
    const RosterSnapshot& Now() const { return m_now; }
    void Replace(RosterSnapshot now) { m_now = now ? std::move(now) : Characters::Empty(); }

private:
    RosterSnapshot m_now = Characters::Empty();
};
