#pragma once
// The change history as the server sends it (operations 117 and 118): a page of entries, newest
// first, each with the values it changed, and where the next page starts. Also how an entry and
// a value read to a guild officer.
#include <QString>

#include <vector>

struct HistoryValue {
    QString strField; // the server's name: "bio", "patron_id", "member", ...
    QString strOld;
    QString strNew;
};

struct HistoryEntry {
    qint64 lSeq = 0;
    QString strAt;   // "YYYY-MM-DD HH:MM:SS", UTC
    QString strKind; // "save", "add", "remove", "patron", "level", "password", "reset", ...
    QString strActor;
    qint16 iCharacter = -1;
    QString strCharacter;
    qint64 lUndoes = 0;
    qint64 lUndoneBy = 0;
    bool bUndoable = false;
    std::vector<HistoryValue> values;
};

struct HistoryPage {
    std::vector<HistoryEntry> entries;
    qint64 lNextBefore = 0; // 0: no older entries
};

// Records that are not history records are skipped.
HistoryPage ParseHistoryPayload(const QString& strPayload);

// "Saved Self", "Removed Patron and 2 followers", "Moved Self from Patron to Other", ...
QString DescribeEntry(const HistoryEntry& entry);
// The field as the character sheet names it ("Bio", "Level", ...).
QString FieldCaption(const QString& strField);
// "old → new" for a value; a password event has neither.
QString DescribeValue(const HistoryValue& value);
