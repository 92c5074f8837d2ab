#pragma once
// The roster: the client's copy of the whole allegiance as the last tree download delivered
// it, one Character per member, in payload order and keyed "Char" + id. Nothing takes a member
// out again: the roster changes only when the next download is read into it. The tree algorithms
// here are iterative, so any shape up to 32767 members (one long chain included) is safe.
#include <QHash>
#include <QString>
#include <vector>

struct Character {
    qint16 nID = 0;
    QString strName;
    qint16 nLevel = 0;
    qint16 nRank = 0;
    qint16 nPatronID = 0;
    QString strVassalIDs;
    qint16 iComputedRank = 0;
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

class Characters {
public:
    Characters();

    Character& Add(qint16 nID, const QString& strName, qint16 nLevel, qint16 nRank,
                   qint16 nPatronID, const QString& strVassalIDs, qint16 iIsMule, qint16 iIsPK,
                   qint16 iIsRescueSquadMember, const QString& sKey = QString());
    // The same, keyed "Char" + nID as the convention writes it.
    Character& AddKeyed(qint16 nID, QString strName, qint16 nLevel, qint16 nRank, qint16 nPatronID,
                        QString strVassalIDs, qint16 iIsMule, qint16 iIsPK,
                        qint16 iIsRescueSquadMember);
    void Reserve(int nRecords) { m_records.reserve(static_cast<std::size_t>(nRecords)); }
    // Clear(), handing over the records it held; GiveBack() returns their room for the next
    // time, so that a roster read again and again does not allocate its records each time.
    std::vector<Character> TakeRecords();
    void GiveBack(std::vector<Character> records);
    // nullptr when there is no such record; positions are 1-based.
    Character* Item(const QString& strKey);
    const Character* Item(const QString& strKey) const;
    Character* Item(int iPosition);
    qint32 Count() const { return static_cast<qint32>(m_records.size()); }
    void Clear();

    qint16 GetID(const QString& strName) const;
    qint16 GetIDFromDecalPos(qint32 iPos) const;
    QString GetName(const QString& strKey) const;
    qint16 CountFollowers(const QString& strKey) const;
    // Works out the rank of a record's branch and stores it in iComputedRank: in a roster whose
    // lists form a forest, every record's at once; otherwise along the branch walked.
    qint16 CalculateRank(const QString& strKey);
    // The rank of record i's branch (0-based), worked out at the first question when the lists
    // form a forest; otherwise what CalculateRank last stored.
    qint16 ComputedRank(int i) const;

    // The 0-based position of a key, or -1.
    int IndexOf(const QString& strKey) const;
    // The 0-based position of the record keyed "Char" + id, or -1.
    int IndexOfId(int id) const;
    const Character& At(int i) const { return m_records[static_cast<std::size_t>(i)]; }
    Character& At(int i) { return m_records[static_cast<std::size_t>(i)]; }

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
    Character& Append(qint16 nID, QString strName, qint16 nLevel, qint16 nRank, qint16 nPatronID,
                      QString strVassalIDs, qint16 iIsMule, qint16 iIsPK,
                      qint16 iIsRescueSquadMember);
    int IndexOfPiece(QStringView piece) const;
    void ReadList(std::size_t k) const;
    void EnsureVassals() const;
    void Forget();
    // Every record's rank at once, in a roster whose lists are known to form a forest.
    void RankAll() const;
    // Every record's follower count, once the lists are known to form a forest.
    const std::vector<int>& FollowerCounts() const;

    std::vector<Character> m_records;
    std::vector<Character> m_spare; // empty; room for the records once they are taken
    // Keys "Char" + id as the convention writes them are found through m_byId; any other key
    // through m_otherKeys.
    std::vector<int> m_byId; // by id + 32768
    QHash<QString, int> m_otherKeys;
    // All vassal lists read at once: record i's vassals are m_vassals[m_vassalStart[i] ..
    // m_vassalStart[i + 1]).
    mutable std::vector<int> m_vassalStart;
    mutable std::vector<int> m_vassals;
    mutable bool m_bVassalsKnown = false;
    // Kept with the lists, and dropped with them when the roster changes. A record's rank is
    // settled once its whole branch has been ranked without meeting a missing vassal or a loop:
    // asking again changes nothing.
    mutable int m_iSound = -1; // whether LinkProblem() is empty; -1 until it is asked
    // In a sound roster: every record once, each after the one that lists it.
    mutable std::vector<int> m_order;
    mutable std::vector<int> m_followers;
    mutable std::vector<int> m_listedBy;       // by position; set by LinkProblem()
    mutable std::vector<int> m_placeInList;    // by position; set by LinkProblem()
    mutable std::vector<qint16> m_settledRank; // by position; 0 while not settled
    bool m_bRanksStored = false;               // every settled rank is in its record too
    std::vector<char> m_onPath;                // CalculateRank's walk; all false between calls
};

// True when iPatronID is the patron, or a patron further up, of iFollowerID. Bounded by the
// roster's size, so a cycle in the links can never hang it.
bool IsFollower(const Characters& roster, qint16 iPatronID, qint16 iFollowerID);
