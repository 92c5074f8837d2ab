#pragma once
// The characters table, over the record's fields (CharacterRecord.h): one table of its columns
// that the dump, the save, the character payload, the web roster and the undo all loop over, and
// the one writer of a character's values. Values handed in and out are text and numbers as
// decimal text.
#include "CharacterRecord.h"
#include "Database.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// What a column of a character row may hold.
enum class ColumnCheck { Whole, Security, Name, Hash, Text, Skills };

struct CharacterColumn {
    const char* szName;
    // The record field it stores; Count for a column the record does not show (join_seq, the hash).
    zorv::RecordField field;
    ColumnCheck check;
    long long llLow = 0; // Whole: the range
    long long llHigh = 0;
};

// Every stored column of a character, in dump order; the revision is last.
const std::vector<CharacterColumn>& CharacterColumns();
// The column that stores a record field; null for a field worked out from the tree.
const CharacterColumn* ColumnOf(zorv::RecordField field);
// The column named strName; null for a name that is none of them.
const CharacterColumn* ColumnNamed(const std::string& strName);
// Whether the column holds a number (bound and read as an integer).
bool IsNumberColumn(const CharacterColumn& column);

// A number as a dump writes it: digits with an optional minus, at most 12 of them.
std::optional<long long> DumpNumber(const std::string& strText);
// What is wrong with a value for the column, by the rule a dump's rows are read with: ""
// when the server could have stored it, else what it must be ("a whole number from 0 to 3").
std::string ColumnFault(const CharacterColumn& column, const std::string& strValue);
// The same by the column's name (any but the password hash).
std::string StoredValueFault(const std::string& strColumn, const std::string& strValue);
inline constexpr const char* kNoHash = "-"; // never a hash: still on the default password

struct ColumnValue {
    std::string strColumn;
    std::string strValue;
};

// The values of a character's columns in the order asked; none when there is no such character.
std::vector<std::string> ReadColumns(Database& db, int id, const std::vector<std::string>& columns);
// One of them; an empty text when there is no such character.
std::string ReadColumn(Database& db, int id, const std::string& strColumn);
// The one writer of a character's values: a name brings its lookup key along. With iEditor the
// record is stamped with the time and the editor and its revision rises.
void WriteColumns(Database& db, int id, const std::vector<ColumnValue>& values,
                  std::optional<int> iEditor);
// The character's row for the record fields in the payload's order, computed fields empty; an
// empty vector when there is no such character.
std::vector<std::string> ReadRecord(Database& db, int id);

void SetPasswordHash(Database& db, int id, const std::optional<std::string>& strHash);
// Members still on the default password keep this one (the default's hash before it changes).
void KeepDefaultHash(Database& db, const std::string& strHash);
void SetSecurityLevel(Database& db, int id, int iLevel);
// The ids of the members with no password of their own, who log in with the guild's default one
// (a new vassal, a reset, a restore without a hash, a default changed with resetpw), ascending.
std::vector<int> OnDefaultPassword(Database& db);
// Each administrator's id and last login ("" when none was noted), ascending by id.
std::vector<std::pair<int, std::string>> AdministratorLogins(Database& db);
// Notes a login of the character now. The time is written at most once a UTC day, in a write
// transaction of its own and only then, so that a login stays a read on other days; call it
// outside any transaction.
void NoteLogin(Database& db, int id);
void MoveCharacter(Database& db, int id, int iPatron, std::int64_t lJoinSeq);
void RemoveCharacter(Database& db, int id);
// Ids that come back into use (an undone removal): no longer among the freed.
void ReclaimIds(Database& db, const std::vector<int>& ids);

// Which characters a list reads: all, or only those with a flag set, with a skill string, of a
// race or a rank (0: any).
struct CharacterFilter {
    const char* szFlag = nullptr; // is_rescue or can_summon
    bool bWithSkills = false;
    long lRace = 0;
    long lRank = 0;
    bool bPublic = false; // only those who did not ask to be hidden on the web
};
// The named columns of every character the filter lets through, by name ignoring case.
void ForEachCharacter(Database& db, const std::vector<std::string>& columns,
                      const CharacterFilter& filter,
                      const std::function<void(const std::vector<std::string>&)>& onRow);
