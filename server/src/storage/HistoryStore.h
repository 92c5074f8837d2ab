#pragma once
// The guild's change history as the file keeps it: one entry for every successful change (when,
// who acted, on which character) and each value it changed, old and new. A removal keeps every
// removed record (without its password hash); password changes and resets are events without any
// password material. Values are handed in and out as text (numbers as decimal
// text). The operations that read it and the undo are in ops/History.h.
#include "Database.h"

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace history {

enum class Kind { Init, Add, Remove, Patron, Save, Password, Reset, Level, Setup, Undo };

const char* KindName(Kind kind);
std::optional<Kind> KindNamed(const std::string& strName);

struct Change {
    std::string strField;
    std::string strOld;
    std::string strNew;
};

struct Entry {
    Kind kind;
    int iCharacter; // kNoCharacter for the guild's set-up
    std::string strCharacter;
    std::vector<Change> changes;
    std::int64_t lUndoes = 0; // an undo: the entry it reverses
    // A removal's followers that left with it, for the chat notifications; not written to the
    // history, which keeps the removed records themselves when it keeps anything.
    int nFollowers = 0;
};

// An entry as read back.
struct StoredEntry {
    std::int64_t lSeq = 0;
    std::string strAt;
    Kind kind = Kind::Save;
    int iActor = 0;
    std::string strActor;
    int iCharacter = 0;
    std::string strCharacter;
    std::int64_t lUndoes = 0;
    std::int64_t lUndoneBy = 0;
    std::vector<Change> changes;
};

const Change* FindChange(const std::vector<Change>& changes, const char* szField);

// Writes the entry for the actor (by name) and returns its number. A member's saves of one
// character in a row are one entry, so that saving over and over costs the history one entry: a
// save joins the newest entry about its character when that entry is a save by the same member,
// not undone, at most kJoinSavesSeconds old. The entry then holds the old value from before the
// first of them and the new one of the last, takes the last one's time and moves to the top of the
// history (a new number, unless it was the newest entry already).
inline constexpr std::int64_t kJoinSavesSeconds = 5 * 60;
std::int64_t WriteEntry(Database& db, int iActor, const std::string& strActor, const Entry& entry);
void MarkUndone(Database& db, std::int64_t lSeq, std::int64_t lUndo);
// Removes the entries older than nDays days.
void Prune(Database& db, int nDays);

std::optional<StoredEntry> FindEntry(Database& db, std::int64_t lSeq);
std::vector<Change> ReadChanges(Database& db, std::int64_t lSeq);
// Up to nCount entries before entry lBefore (0: the newest), newest first, of one character or
// of the whole guild; their values are not read.
std::vector<StoredEntry> ReadPage(Database& db, std::optional<int> iCharacter, std::int64_t lBefore,
                                  int nCount);
// A value as a member reads it: a removed record by its name and id, anything else as stored.
std::string ShownValue(const Change& change, const std::string& strValue);
// Members joined and members gone in one week, from Monday 00:00 UTC.
struct WeekActivity {
    std::string strWeek; // YYYY-MM-DD, the Monday
    int nJoined = 0;     // additions
    int nLeft = 0;       // records a removal took, the top of the branch and its followers
};
// The nWeeks weeks up to the one holding lNow, oldest first. An addition or a removal that was
// undone since counts as neither.
std::vector<WeekActivity> WeeklyActivity(Database& db, std::int64_t lNow, int nWeeks);
// The day (YYYY-MM-DD, UTC) of the oldest entry kept; empty when none is.
std::string OldestEntryDay(Database& db);

// The newest nCount entries, a line each, for the server's console.
void PrintRecent(Database& db, int nCount, std::FILE* pOut);

// The queries that read the dump's history rows in dump order, one column a field: "H|" per
// entry, then "V|" per value it records.
struct DumpRowsQuery {
    const char* szTag;
    const char* szColumns; // "a,b,c": selected, and named in the dump, in this order
    const char* szFrom;    // the table and the rows' order
};
extern const DumpRowsQuery kDumpRows[2];
// A row's fields, unescaped, checked: the reason it cannot be restored, or an empty text.
std::string EntryRowFault(const std::vector<std::string>& fields);
std::string ValueRowFault(const std::vector<std::string>& fields);
// Replaces the stored history with checked rows; the values must name entries among them.
void Restore(Database& db, const std::vector<std::vector<std::string>>& entries,
             const std::vector<std::vector<std::string>>& values);

} // namespace history
