#pragma once
// The guild's change history. Every successful changing operation writes one entry in its own
// transaction: when, who acted, on which character, and each value it changed, old and new. A
// removal keeps every removed record (without its password hash), so that an administrator can
// put the branch back; password changes and resets are recorded as events, without any password
// material. An administrator can undo an entry; the undo checks that it still applies, refuses
// with the reason when it does not, and is an entry of its own.
//
// Values are kept as the characters table keeps them (UTF-8 text, numbers as decimal text).
#include "Call.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace history {

enum class Kind { Init, Add, Remove, Patron, Save, Password, Reset, Level, Setup, Undo };
const char* KindName(Kind kind);

struct Change {
    std::string strField;
    std::string strOld;
    std::string strNew;
};

struct Entry {
    Kind kind;
    int iCharacter;           // kNoCharacter for the guild's set-up
    std::string strCharacter; // Latin-1
    std::vector<Change> changes;
    std::int64_t lUndoes = 0; // an undo: the entry it reverses
};

// Writes the entry unless the call keeps no history; returns its number (0 when not written).
// A member's saves of one character in a row are one entry, so that saving over and over costs
// the history one entry: a save joins the newest entry about its character when that entry is a
// save by the same member, not undone, at most kJoinSavesSeconds old. The entry then holds the
// old value from before the first of them and the new one of the last, takes the last one's time
// and moves to the top of the history (a new number, unless it was the newest entry already).
inline constexpr std::int64_t kJoinSavesSeconds = 5 * 60;
std::int64_t Record(Call& call, const Entry& entry);

// Removes the entries older than nDays days.
void Prune(Database& db, int nDays);

// Operation 117: one character's entries, newest first, a page at a time. Operation 118: the
// whole guild's.
Reply CharacterHistoryOp(Call& call);
Reply RecentChangesOp(Call& call);
// Operation 119: an administrator undoes one entry.
Reply UndoOp(Call& call);

// The newest nCount entries, a line each, for the server's console.
void PrintRecent(Database& db, int nCount, std::FILE* pOut);

// The queries that read the dump's history rows in dump order, one column a field: "H|" per
// entry, then "V|" per value it records.
struct DumpRowsQuery {
    const char* szTag;
    const char* szSql;
    int nColumns;
};
extern const DumpRowsQuery kDumpRows[2];
// A row's fields, unescaped, checked: the reason it cannot be restored, or an empty text.
std::string EntryRowFault(const std::vector<std::string>& fields);
std::string ValueRowFault(const std::vector<std::string>& fields);
// Replaces the stored history with checked rows; the values must name entries among them.
void Restore(Database& db, const std::vector<std::vector<std::string>>& entries,
             const std::vector<std::vector<std::string>>& values);

} // namespace history
