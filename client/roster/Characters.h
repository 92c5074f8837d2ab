#pragma once
// The roster: the client's copy of the whole allegiance as the last tree download delivered
// it, one Character per member, in payload order and keyed "Char" + id. The tree algorithms
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

class Characters {
public:
    Character& Add(qint16 nID, const QString& strName, qint16 nLevel, qint16 nRank,
                   qint16 nPatronID, const QString& strVassalIDs, qint16 iIsMule, qint16 iIsPK,
                   qint16 iIsRescueSquadMember, const QString& sKey = QString());
    // nullptr when there is no such record; positions are 1-based.
    Character* Item(const QString& strKey);
    const Character* Item(const QString& strKey) const;
    Character* Item(int iPosition);
    qint32 Count() const { return static_cast<qint32>(m_records.size()); }
    void Remove(const QString& strKey);
    void Remove(int iPosition);
    void Clear();

    qint16 GetID(const QString& strName) const;
    qint16 GetIDFromDecalPos(qint32 iPos) const;
    QString GetName(const QString& strKey) const;
    qint16 CountFollowers(const QString& strKey) const;
    qint16 CalculateRank(const QString& strKey);

    // The 0-based position of a key, or -1.
    int IndexOf(const QString& strKey) const { return m_index.value(strKey, -1); }
    const Character& At(int i) const { return m_records[static_cast<std::size_t>(i)]; }
    Character& At(int i) { return m_records[static_cast<std::size_t>(i)]; }

    // The positions of a record's vassals, in its list's order; a piece naming no record is
    // reported as -1.
    std::vector<int> VassalIndexes(int i) const;

    auto begin() const { return m_records.begin(); }
    auto end() const { return m_records.end(); }

private:
    std::vector<Character> m_records;
    QHash<QString, int> m_index;
};

// True when iPatronID is the patron, or a patron further up, of iFollowerID. Bounded by the
// roster's size, so a cycle in the links can never hang it.
bool IsFollower(const Characters& roster, qint16 iPatronID, qint16 iFollowerID);
