#pragma once
// The text dump of a whole guild: the backup operation's payload and the backup/restore
// commands' file. One line a row, fields separated by "|", ending with "\n"; UTF-8 here, and
// Latin-1 in the file and on the wire, as every payload is. Within a field "\" is written "\\",
// "|" "\p", LF "\n" and CR "\r", so a row is always one line.
//
// Version 5: the header, "N|C|id|name|..." naming the columns of the character rows, and
// "N|H|..." and "N|V|..." those of the history's, then "S|key|value" per setting, "C|..." per
// character, "H|..." per history entry and "V|..." per value it records (HistoryStore.h), and
// last "E|settings|characters|entries|values", the number of rows of each kind, so that a dump
// cut short at a line boundary is told from a whole one. The reader takes the columns by name: a
// column the dump lacks (it was added since) restores as its default, and one this server does
// not know (a dump from a later version) is refused. Version 4 is the same without the column
// lines, its columns those of kUnnamedCharacterColumns (Dump.cpp) and the history's of then.
// Version 3 is the same without history rows and with "E|settings|characters". Versions 1 (rows
// without the revision) and 2 (rows with or without it) have no count line; they restore when
// everything else checks. A dump without history restores an empty history.
#include "CharacterRows.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

class Database;
class Statement;

inline constexpr const char* kDumpHeader = "ZORV DUMP 5";

// The columns of the rows tagged strTag ("C", "H" or "V") in a version 4 dump, which did not
// name them; empty for another tag.
const std::vector<std::string>& Version4Columns(const std::string& strTag);

// The dump read a few rows at a time, so that writing out a guild with a long history never holds
// the whole of it. The caller keeps one read transaction open on db from the first piece to the
// last, so that the pieces are one moment of a guild that others go on changing; db outlives the
// reader.
class DumpReader {
public:
    explicit DumpReader(Database& db);
    ~DumpReader();
    DumpReader(const DumpReader&) = delete;
    DumpReader& operator=(const DumpReader&) = delete;

    // Appends whole rows to strOut until it has grown by at least nBytes or the dump is complete
    // (its count line included); false when the dump was complete already and nothing was added.
    bool Next(std::string& strOut, std::size_t nBytes);

private:
    Database& m_db;
    int m_iPart = 0; // the header, the four kinds of rows, the count line
    std::unique_ptr<Statement> m_pRows;
    std::int64_t m_counts[4] = {};
};

// The whole dump at once: for guilds the caller knows to be small, and for tests.
std::string DumpDatabase(Database& db);

// Characters as a dump writes their rows (without the leading "C|"), with "-" for the password
// hash whatever it is: how the history keeps removed records. Ids not present give no row.
std::vector<std::string> CharacterRowsWithoutHash(Database& db, const std::vector<int>& ids);
// Such a row read back and checked column by column, values unescaped; throws
// std::runtime_error naming the column that is wrong.
std::vector<std::string> ParseCharacterRow(const std::string& strRow);
// Inserts checked rows (ParseCharacterRow, ReadDump), a "-" hash as none.
void InsertCharacterRows(Database& db, const std::vector<std::vector<std::string>>& rows);
// The id and name columns of such a row.
int RowId(const std::vector<std::string>& row);
const std::string& RowName(const std::vector<std::string>& row);
int RowPatron(const std::vector<std::string>& row);
std::string& RowSecurity(std::vector<std::string>& row);
// A dump that was read and checked whole: every row is one the server could have written, the
// set-up is there, and the tree is sound. Values are unescaped.
struct GuildDump {
    int iVersion = 0;
    std::vector<std::pair<std::string, std::string>> settings;
    // Every stored column in dump order (the revision filled in for older rows); the password
    // hash is "-" for a member still on the default password.
    std::vector<std::vector<std::string>> characters;
    // The history's rows as the dump holds them, values unescaped and checked.
    std::vector<std::vector<std::string>> historyEntries;
    std::vector<std::vector<std::string>> historyValues;
};

// Throws std::runtime_error saying what is wrong and, where a line is to blame, which
// ("line 12: ..."). Accepts lines ended by LF or CR LF, so a file the client saved reads too.
GuildDump ReadDump(const std::string& strDump);

// Replaces the guild in db (opened by OpenGuildDatabase) with the dump's, in one transaction.
void RestoreDump(Database& db, const GuildDump& dump);
