#include "Dump.h"

#include "CharacterRows.h"
#include "Database.h"
#include "HistoryStore.h"
#include "Numbers.h"
#include "Passwords.h"
#include "Skills.h"
#include "Store.h"
#include "Text.h"
#include "TreeFeed.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <unordered_map>

namespace {

const int kColumnCount = static_cast<int>(CharacterColumns().size());
constexpr int kIdColumn = 0, kNameColumn = 1, kPatronColumn = 2, kHashColumn = 4,
              kSecurityColumn = 5;

// The settings a guild may hold, and which of them the set-up always writes.
enum class SettingCheck { Name, Hash, Flag, Cap, Count };
struct DumpSetting {
    const char* szKey;
    SettingCheck check;
    bool bRequired;
};
const DumpSetting kSettings[] = {
    {"guild_name", SettingCheck::Name, true},
    {"default_password_hash", SettingCheck::Hash, true},
    {"use_rescue_squad", SettingCheck::Flag, true},
    {"rescue_squad_name", SettingCheck::Name, true},
    {"max_vassals", SettingCheck::Cap, false},
    {"throttle_free", SettingCheck::Count, false},
};

const char* const kHeaders[] = {"ZORV DUMP 1", "ZORV DUMP 2", "ZORV DUMP 3", "ZORV DUMP 4",
                                kDumpHeader};
constexpr int kNamedVersion = 5; // the first version whose dumps name their columns

// The columns of the dumps that did not name them, as those versions wrote them (a version 1 row
// lacks the revision, and a version 2 row may). These lists never change: a column added later
// is missing from such dumps and restores as its default.
const std::vector<std::string> kUnnamedCharacterColumns = {
    "id",          "name",       "patron_id",  "join_seq",  "password_hash", "security_level",
    "level",       "class",      "race",       "rank",      "sex",           "is_mule",
    "mule_for",    "lifestone",  "tied_to",    "bio",       "num_followers", "skills",
    "real_name",   "city_state", "misc_info",  "email",     "icq",           "is_pk",
    "is_rescue",   "is_private", "can_summon", "main_char", "awards",        "modified_at",
    "modified_by", "revision"};
const std::vector<std::string> kUnnamedEntryColumns = {
    "seq",        "at",           "at_epoch",       "kind",   "actor_id",
    "actor_name", "character_id", "character_name", "undoes", "undone_by"};
const std::vector<std::string> kUnnamedValueColumns = {"entry", "ord", "field", "old", "new"};

constexpr int kHeaderCount = sizeof kHeaders / sizeof kHeaders[0];

std::string EscapeDump(const std::string& s) {
    std::string strOut;
    for (char c : s) {
        switch (c) {
        case '\\':
            strOut += "\\\\";
            break;
        case '|':
            strOut += "\\p";
            break;
        case '\n':
            strOut += "\\n";
            break;
        case '\r':
            strOut += "\\r";
            break;
        default:
            strOut += c;
        }
    }
    return strOut;
}

std::string ColumnList() {
    std::string strList;
    for (int i = 0; i < kColumnCount; ++i)
        strList += std::string(i ? ", " : "") + CharacterColumns()[i].szName;
    return strList;
}

[[noreturn]] void Refuse(int iLine, const std::string& strWhat) {
    throw std::runtime_error("line " + std::to_string(iLine) + ": " + strWhat);
}

std::string UnescapeDump(const std::string& s, int iLine) {
    std::string strOut;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\') {
            strOut += s[i];
            continue;
        }
        if (++i == s.size())
            Refuse(iLine, "a \"\\\" ends a field");
        switch (s[i]) {
        case '\\':
            strOut += '\\';
            break;
        case 'p':
            strOut += '|';
            break;
        case 'n':
            strOut += '\n';
            break;
        case 'r':
            strOut += '\r';
            break;
        default:
            Refuse(iLine, std::string("unknown escape \"\\") + s[i] + "\"");
        }
    }
    return strOut;
}

} // namespace

namespace {

std::string SettingFault(SettingCheck check, const std::string& strValue) {
    switch (check) {
    case SettingCheck::Name:
        return TextLength(strValue) <= 128 && !HoldsMarker(strValue) ? ""
                                                                     : "a text of up to 128 bytes";
    case SettingCheck::Hash:
        return IsPasswordHash(strValue) ? "" : "an argon2id hash";
    case SettingCheck::Flag:
        return strValue == "0" || strValue == "1" ? "" : "0 or 1";
    case SettingCheck::Cap: {
        std::optional<long long> llValue = DumpNumber(strValue);
        return llValue && *llValue >= 1 && *llValue <= zorv::kMaxCharacters
                   ? ""
                   : "a whole number from 1 to 32767";
    }
    case SettingCheck::Count: {
        std::optional<long long> llValue = DumpNumber(strValue);
        return llValue && *llValue >= 0 ? "" : "a whole number from 0";
    }
    }
    return "a known value";
}

// The rows of a dump as read, with where each came from, before the checks across rows.
// A kind of row's columns as the dump writes them: for each of today's columns, where the dump
// has it (-1: the dump lacks it, and it takes its default).
struct Layout {
    std::size_t nFields = 0;
    std::vector<int> from;
    bool bKnown = false;
};

// Where today's columns stand among a dump's, by name; a column today lacks is refused, since
// its values would be lost.
Layout LayoutOf(const std::vector<std::string>& dumpColumns,
                const std::vector<std::string>& columns, int iLine) {
    Layout layout;
    layout.nFields = dumpColumns.size();
    layout.bKnown = true;
    for (const std::string& strColumn : dumpColumns)
        if (std::find(columns.begin(), columns.end(), strColumn) == columns.end())
            Refuse(iLine, "the column " + strColumn +
                              " is unknown to this zorv-server: the dump is from a later version");
    for (const std::string& strColumn : columns) {
        auto found = std::find(dumpColumns.begin(), dumpColumns.end(), strColumn);
        layout.from.push_back(
            found == dumpColumns.end() ? -1 : static_cast<int>(found - dumpColumns.begin()));
    }
    return layout;
}

std::vector<std::string> ColumnNames(const std::vector<CharacterColumn>& columns) {
    std::vector<std::string> names;
    for (const CharacterColumn& column : columns)
        names.push_back(column.szName);
    return names;
}

std::vector<std::string> ColumnNames(const history::DumpRowsQuery& rows) {
    return SplitList(rows.szColumns, ',');
}

struct ReadRows {
    GuildDump dump;
    std::vector<int> settingLines, characterLines, valueLines;
    int iLastLine = 0;
    Layout characters, entries, values;
    Layout shortRows; // version 2: character rows without the revision
};

// What a column a dump lacks holds once restored: what a new character or an upgraded file holds.
std::string DefaultValue(const CharacterColumn& column, int iLine) {
    switch (column.check) {
    case ColumnCheck::Whole:
        return std::to_string(std::max(column.llLow, 0LL));
    case ColumnCheck::Security:
        return std::to_string(zorv::kSecurityNormal);
    case ColumnCheck::Hash:
        return kNoHash;
    case ColumnCheck::Text:
    case ColumnCheck::Skills:
        return "";
    case ColumnCheck::Name:
        break;
    }
    Refuse(iLine, std::string("the dump has no column ") + column.szName);
}

// The row's fields in today's order, with the defaults of the columns the dump lacks.
template <typename Default>
std::vector<std::string> InTodaysOrder(const Layout& layout, const std::vector<std::string>& fields,
                                       const char* szWhat, int iLine, Default defaultOf) {
    if (fields.size() - 1 != layout.nFields)
        Refuse(iLine, std::string("a ") + szWhat + " row of this dump has " +
                          std::to_string(layout.nFields) + " fields after the " + fields[0] +
                          ", not " + std::to_string(fields.size() - 1));
    std::vector<std::string> values;
    values.reserve(layout.from.size());
    for (std::size_t i = 0; i < layout.from.size(); ++i)
        values.push_back(
            layout.from[i] < 0
                ? defaultOf(i)
                : UnescapeDump(fields[static_cast<std::size_t>(layout.from[i]) + 1], iLine));
    return values;
}

void ReadSetting(ReadRows& rows, const std::vector<std::string>& fields, int iLine) {
    if (fields.size() != 3)
        Refuse(iLine, "a setting row has 3 fields, not " + std::to_string(fields.size()));
    std::string strKey = UnescapeDump(fields[1], iLine);
    std::string strValue = UnescapeDump(fields[2], iLine);
    const DumpSetting* pSetting = nullptr;
    for (const DumpSetting& setting : kSettings)
        if (strKey == setting.szKey)
            pSetting = &setting;
    if (!pSetting)
        Refuse(iLine, "unknown setting \"" + strKey + "\"");
    for (std::size_t i = 0; i < rows.dump.settings.size(); ++i)
        if (rows.dump.settings[i].first == strKey)
            Refuse(iLine, "the setting " + strKey + " again (first on line " +
                              std::to_string(rows.settingLines[i]) + ")");
    std::string strFault = SettingFault(pSetting->check, strValue);
    if (!strFault.empty())
        Refuse(iLine, "the setting " + strKey + " must be " + strFault);
    rows.dump.settings.emplace_back(strKey, strValue);
    rows.settingLines.push_back(iLine);
}

void ReadCharacter(ReadRows& rows, const std::vector<std::string>& fields, int iLine) {
    if (!rows.characters.bKnown)
        Refuse(iLine, "a character row before the line naming the characters' columns");
    // A version 2 row may lack the revision.
    const Layout& layout = rows.dump.iVersion == 2 && fields.size() - 1 == rows.shortRows.nFields
                               ? rows.shortRows
                               : rows.characters;
    std::vector<std::string> values =
        InTodaysOrder(layout, fields, "character", iLine,
                      [&](std::size_t i) { return DefaultValue(CharacterColumns()[i], iLine); });
    for (int i = 0; i < kColumnCount; ++i) {
        std::string strFault = ColumnFault(CharacterColumns()[i], values[i]);
        if (!strFault.empty())
            Refuse(iLine, std::string(CharacterColumns()[i].szName) + " must be " + strFault +
                              ", not \"" + values[i] + "\"");
    }
    rows.dump.characters.push_back(std::move(values));
    rows.characterLines.push_back(iLine);
}

// "N|C|id|name|...": the columns of the rows tagged C, H or V that follow, by name.
void ReadColumnNames(ReadRows& rows, const std::vector<std::string>& fields, int iLine) {
    if (fields.size() < 3)
        Refuse(iLine, "a column line names a kind of row and its columns");
    std::vector<std::string> dumpColumns;
    for (std::size_t i = 2; i < fields.size(); ++i)
        dumpColumns.push_back(UnescapeDump(fields[i], iLine));
    std::set<std::string> distinct(dumpColumns.begin(), dumpColumns.end());
    if (distinct.size() != dumpColumns.size())
        Refuse(iLine, "a column named twice");
    const struct {
        const char* szTag;
        Layout ReadRows::*pLayout;
        std::vector<std::string> columns;
    } kinds[] = {
        {"C", &ReadRows::characters, ColumnNames(CharacterColumns())},
        {history::kDumpRows[0].szTag, &ReadRows::entries, ColumnNames(history::kDumpRows[0])},
        {history::kDumpRows[1].szTag, &ReadRows::values, ColumnNames(history::kDumpRows[1])},
    };
    for (const auto& kind : kinds) {
        if (fields[1] != kind.szTag)
            continue;
        Layout& layout = rows.*kind.pLayout;
        if (layout.bKnown)
            Refuse(iLine, "the columns of " + fields[1] + " rows named again");
        layout = LayoutOf(dumpColumns, kind.columns, iLine);
        return;
    }
    Refuse(iLine, "columns named for unknown rows \"" + fields[1] + "\"");
}

// The count line: "E|settings|characters" (version 3) or "E|settings|characters|entries|values"
// (version 4), matching the rows before it.
void ReadCounts(const ReadRows& rows, const std::vector<std::string>& fields, int iLine) {
    const GuildDump& dump = rows.dump;
    const std::vector<std::size_t> held = {dump.settings.size(), dump.characters.size(),
                                           dump.historyEntries.size(), dump.historyValues.size()};
    const std::size_t nCounts = dump.iVersion == 3 ? 2 : 4;
    std::vector<long long> counts;
    for (std::size_t i = 1; i < fields.size(); ++i)
        if (std::optional<long long> llCount = DumpNumber(fields[i]))
            counts.push_back(*llCount);
    if (fields.size() != nCounts + 1 || counts.size() != nCounts)
        Refuse(iLine, dump.iVersion == 3
                          ? "the count line is \"E|settings|characters\""
                          : "the count line is \"E|settings|characters|entries|values\"");
    for (std::size_t i = 0; i < nCounts; ++i)
        if (counts[i] != static_cast<long long>(held[i]))
            Refuse(iLine,
                   "the count line says " + std::to_string(counts[0]) + " settings and " +
                       std::to_string(counts[1]) + " characters" +
                       (nCounts == 4 ? ", " + std::to_string(counts[2]) + " history entries and " +
                                           std::to_string(counts[3]) + " values"
                                     : std::string()) +
                       "; the dump holds " + std::to_string(held[0]) + ", " +
                       std::to_string(held[1]) +
                       (nCounts == 4
                            ? ", " + std::to_string(held[2]) + " and " + std::to_string(held[3])
                            : std::string()) +
                       ": it is cut or changed");
}

// A history row ("H|..." or "V|..."), unescaped and checked.
void ReadHistory(ReadRows& rows, const std::vector<std::string>& fields, int iLine) {
    const bool bEntry = fields[0] == "H";
    const Layout& layout = bEntry ? rows.entries : rows.values;
    if (!layout.bKnown)
        Refuse(iLine, "a history row before the line naming its columns");
    // A history column a dump lacks is empty; the row's check says whether it may be.
    std::vector<std::string> values =
        InTodaysOrder(layout, fields, bEntry ? "history entry" : "history value", iLine,
                      [](std::size_t) { return std::string(); });
    std::string strFault = bEntry ? history::EntryRowFault(values) : history::ValueRowFault(values);
    if (!strFault.empty())
        Refuse(iLine, strFault);
    if (bEntry) {
        rows.dump.historyEntries.push_back(std::move(values));
    } else {
        rows.dump.historyValues.push_back(std::move(values));
        rows.valueLines.push_back(iLine);
    }
}

// Every history value belongs to an entry of the dump, once per place.
void CheckHistory(const ReadRows& rows) {
    std::set<std::string> entries;
    for (const std::vector<std::string>& entry : rows.dump.historyEntries)
        if (!entries.insert(entry[0]).second)
            throw std::runtime_error("the history entry " + entry[0] + " comes twice");
    std::set<std::pair<std::string, std::string>> places;
    for (std::size_t i = 0; i < rows.dump.historyValues.size(); ++i) {
        const std::vector<std::string>& value = rows.dump.historyValues[i];
        if (!entries.count(value[0]))
            Refuse(rows.valueLines[i],
                   "a value of the history entry " + value[0] + ", which the dump does not hold");
        if (!places.emplace(value[0], value[1]).second)
            Refuse(rows.valueLines[i],
                   "the place " + value[1] + " of the history entry " + value[0] + " again");
    }
}

// The checks across rows: unique ids and names, every patron present, no cycle, no patron over
// the cap.
void CheckGuild(const ReadRows& rows) {
    const GuildDump& dump = rows.dump;
    std::map<std::string, std::string> settings(dump.settings.begin(), dump.settings.end());
    for (const DumpSetting& setting : kSettings)
        if (setting.bRequired && !settings.count(setting.szKey))
            throw std::runtime_error(std::string("the dump holds no guild set-up: the setting ") +
                                     setting.szKey + " is missing");
    if (dump.characters.empty())
        throw std::runtime_error("the dump holds no character");

    std::unordered_map<int, std::size_t> rowOf; // id -> row
    std::unordered_map<std::string, std::size_t> rowOfName;
    for (std::size_t i = 0; i < dump.characters.size(); ++i) {
        const std::vector<std::string>& row = dump.characters[i];
        int id = std::stoi(row[kIdColumn]);
        if (!rowOf.emplace(id, i).second)
            Refuse(rows.characterLines[i], "id " + row[kIdColumn] + " again (first on line " +
                                               std::to_string(rows.characterLines[rowOf[id]]) +
                                               ")");
        auto name = rowOfName.emplace(NameKey(row[kNameColumn]), i);
        if (!name.second)
            Refuse(rows.characterLines[i],
                   "the name " + row[kNameColumn] + " again (first on line " +
                       std::to_string(rows.characterLines[name.first->second]) + ")");
    }
    std::vector<int> patronRow(dump.characters.size(), -1);
    for (std::size_t i = 0; i < dump.characters.size(); ++i) {
        int iPatron = std::stoi(dump.characters[i][kPatronColumn]);
        if (iPatron == zorv::kNoCharacter)
            continue;
        auto patron = rowOf.find(iPatron);
        if (patron == rowOf.end())
            Refuse(rows.characterLines[i], "the patron " + std::to_string(iPatron) + " of " +
                                               dump.characters[i][kNameColumn] +
                                               " is not in the dump");
        patronRow[i] = static_cast<int>(patron->second);
    }
    // Each walk up the patrons ends at a monarch or at a row already known to reach one; a walk
    // that meets its own path is a cycle, reported on its first line in the dump.
    enum : char { Unseen, OnPath, Sound };
    std::vector<char> state(dump.characters.size(), Unseen);
    std::vector<int> path;
    for (std::size_t iStart = 0; iStart < dump.characters.size(); ++iStart) {
        path.clear();
        int iRow = static_cast<int>(iStart);
        while (iRow >= 0 && state[iRow] == Unseen) {
            state[iRow] = OnPath;
            path.push_back(iRow);
            iRow = patronRow[iRow];
        }
        if (iRow >= 0 && state[iRow] == OnPath) {
            auto first = std::find(path.begin(), path.end(), iRow);
            int iFirst = *std::min_element(first, path.end());
            Refuse(rows.characterLines[iFirst], dump.characters[iFirst][kNameColumn] +
                                                    " is among its own patrons: the patrons "
                                                    "form a cycle");
        }
        for (int i : path)
            state[i] = Sound;
    }
    int nCap =
        settings.count("max_vassals") ? std::stoi(settings["max_vassals"]) : kDefaultMaxVassals;
    std::vector<int> nVassals(dump.characters.size(), 0);
    for (int iPatron : patronRow)
        if (iPatron >= 0)
            ++nVassals[iPatron];
    for (std::size_t i = 0; i < dump.characters.size(); ++i)
        if (nVassals[i] > nCap)
            Refuse(rows.characterLines[i],
                   dump.characters[i][kNameColumn] + " has " + std::to_string(nVassals[i]) +
                       " vassals; the guild allows " + std::to_string(nCap));
}

} // namespace

namespace {

// The dump's rows after its header, in dump order: the settings, the characters (a member on the
// default password has no hash, written "-"), then the history's entries and values.
struct DumpPart {
    const char* szTag;
    std::string strSql;
    int nColumns;
    bool bNullIsNoHash;
    std::vector<std::string> columns; // named in the dump's head; the settings are key and value
};

DumpPart HistoryPart(const history::DumpRowsQuery& rows) {
    std::vector<std::string> columns = ColumnNames(rows);
    const int nColumns = static_cast<int>(columns.size());
    return {rows.szTag, "SELECT " + std::string(rows.szColumns) + " FROM " + rows.szFrom, nColumns,
            false, std::move(columns)};
}

const std::vector<DumpPart>& DumpParts() {
    static const std::vector<DumpPart> parts = {
        {"S", "SELECT key, value FROM settings ORDER BY key", 2, false, {}},
        {"C", "SELECT " + ColumnList() + " FROM characters ORDER BY id", kColumnCount, true,
         ColumnNames(CharacterColumns())},
        HistoryPart(history::kDumpRows[0]),
        HistoryPart(history::kDumpRows[1]),
    };
    return parts;
}

} // namespace

DumpReader::DumpReader(Database& db) : m_db(db) {}

DumpReader::~DumpReader() = default;

bool DumpReader::Next(std::string& strOut, std::size_t nBytes) {
    const std::vector<DumpPart>& parts = DumpParts();
    const int iCountLine = static_cast<int>(parts.size()) + 1;
    const std::size_t nStart = strOut.size();
    while (strOut.size() - nStart < nBytes && m_iPart <= iCountLine) {
        if (m_iPart == 0) {
            strOut += std::string(kDumpHeader) + "\n";
            for (const DumpPart& part : parts) {
                if (part.columns.empty())
                    continue;
                strOut += std::string("N|") + part.szTag;
                for (const std::string& strColumn : part.columns)
                    strOut += "|" + EscapeDump(strColumn);
                strOut += "\n";
            }
            ++m_iPart;
        } else if (m_iPart == iCountLine) {
            strOut += "E";
            for (std::int64_t lCount : m_counts)
                strOut += "|" + std::to_string(lCount);
            strOut += "\n";
            ++m_iPart;
        } else {
            const DumpPart& part = parts[m_iPart - 1];
            if (!m_pRows)
                m_pRows = std::make_unique<Statement>(m_db, part.strSql.c_str());
            if (!m_pRows->Step()) {
                m_pRows.reset();
                ++m_iPart;
                continue;
            }
            strOut += part.szTag;
            for (int i = 0; i < part.nColumns; ++i) {
                std::string strValue =
                    part.bNullIsNoHash && m_pRows->IsNull(i) ? kNoHash : m_pRows->Text(i);
                strOut += "|" + EscapeDump(strValue);
            }
            strOut += "\n";
            ++m_counts[m_iPart - 1];
        }
    }
    return strOut.size() > nStart;
}

std::string DumpDatabase(Database& db) {
    DumpReader reader(db);
    std::string strDump;
    while (reader.Next(strDump, std::string::npos)) {
    }
    return strDump;
}

const std::vector<std::string>& Version4Columns(const std::string& strTag) {
    static const std::vector<std::string> kNone;
    return strTag == "C"   ? kUnnamedCharacterColumns
           : strTag == "H" ? kUnnamedEntryColumns
           : strTag == "V" ? kUnnamedValueColumns
                           : kNone;
}

std::vector<std::string> CharacterRowsWithoutHash(Database& db, const std::vector<int>& ids) {
    Statement row(db, ("SELECT " + ColumnList() + " FROM characters WHERE id = ?1").c_str());
    std::vector<std::string> rows;
    for (int id : ids) {
        row.Bind(1, id);
        if (!row.Step())
            continue;
        std::string strRow;
        for (int i = 0; i < kColumnCount; ++i)
            strRow += (i ? "|" : "") + EscapeDump(i == kHashColumn ? kNoHash : row.Text(i));
        row.Reset();
        rows.push_back(std::move(strRow));
    }
    return rows;
}

std::vector<std::string> ParseCharacterRow(const std::string& strRow) {
    // A removed member's row, kept in the history: today's columns, or, written before a column
    // was added, those of the dumps that did not name theirs.
    std::vector<std::string> fields = SplitList(strRow, '|');
    const bool bToday = fields.size() == static_cast<std::size_t>(kColumnCount);
    if (!bToday && fields.size() != kUnnamedCharacterColumns.size())
        throw std::runtime_error("a record has " + std::to_string(kColumnCount) + " fields, not " +
                                 std::to_string(fields.size()));
    fields.insert(fields.begin(), "C");
    const Layout layout =
        LayoutOf(bToday ? ColumnNames(CharacterColumns()) : kUnnamedCharacterColumns,
                 ColumnNames(CharacterColumns()), 0);
    std::vector<std::string> values =
        InTodaysOrder(layout, fields, "character", 0,
                      [](std::size_t i) { return DefaultValue(CharacterColumns()[i], 0); });
    for (int i = 0; i < kColumnCount; ++i) {
        std::string strFault = i == kHashColumn && values[i] != kNoHash
                                   ? "\"-\": no password hash is kept with a record"
                                   : ColumnFault(CharacterColumns()[i], values[i]);
        if (!strFault.empty())
            throw std::runtime_error(std::string(CharacterColumns()[i].szName) + " must be " +
                                     strFault);
    }
    return values;
}

int RowId(const std::vector<std::string>& row) {
    return std::stoi(row[kIdColumn]);
}

const std::string& RowName(const std::vector<std::string>& row) {
    return row[kNameColumn];
}

int RowPatron(const std::vector<std::string>& row) {
    return std::stoi(row[kPatronColumn]);
}

std::string& RowSecurity(std::vector<std::string>& row) {
    return row[kSecurityColumn];
}

void InsertCharacterRows(Database& db, const std::vector<std::vector<std::string>>& rows) {
    std::string strPlaceholders;
    for (int i = 1; i <= kColumnCount + 1; ++i)
        strPlaceholders += (i > 1 ? ", ?" : "?") + std::to_string(i);
    Statement insert(db, ("INSERT INTO characters(" + ColumnList() + ", name_key) VALUES (" +
                          strPlaceholders + ")")
                             .c_str());
    for (const std::vector<std::string>& row : rows) {
        for (int i = 0; i < kColumnCount; ++i) {
            if (i == kHashColumn && row[i] == kNoHash)
                insert.BindNull(i + 1);
            else if (IsNumberColumn(CharacterColumns()[i]))
                insert.Bind(i + 1, std::int64_t(*DumpNumber(row[i])));
            else
                insert.Bind(i + 1, row[i]);
        }
        insert.Bind(kColumnCount + 1, NameKey(row[kNameColumn]));
        insert.Run();
    }
}

GuildDump ReadDump(const std::string& strDump) {
    ReadRows rows;
    bool bCounted = false;
    std::size_t iStart = 0;
    for (int iLine = 1; iStart < strDump.size(); ++iLine) {
        std::size_t iEnd = strDump.find('\n', iStart);
        if (iEnd == std::string::npos)
            iEnd = strDump.size();
        std::string strLine = strDump.substr(iStart, iEnd - iStart);
        iStart = iEnd + 1;
        if (!strLine.empty() && strLine.back() == '\r')
            strLine.pop_back();
        if (strLine.empty())
            continue;
        rows.iLastLine = iLine;
        if (rows.dump.iVersion == 0) {
            for (int i = 0; i < kHeaderCount; ++i)
                if (strLine == kHeaders[i])
                    rows.dump.iVersion = i + 1;
            if (rows.dump.iVersion == 0)
                Refuse(iLine, "not a ZORV dump (the first line is not \"" +
                                  std::string(kDumpHeader) + "\" or an earlier version's)");
            if (rows.dump.iVersion < kNamedVersion) {
                std::vector<std::string> withoutRevision = kUnnamedCharacterColumns;
                withoutRevision.pop_back();
                rows.characters =
                    LayoutOf(rows.dump.iVersion == 1 ? withoutRevision : kUnnamedCharacterColumns,
                             ColumnNames(CharacterColumns()), iLine);
                if (rows.dump.iVersion == 2)
                    rows.shortRows =
                        LayoutOf(withoutRevision, ColumnNames(CharacterColumns()), iLine);
                rows.entries =
                    LayoutOf(kUnnamedEntryColumns, ColumnNames(history::kDumpRows[0]), iLine);
                rows.values =
                    LayoutOf(kUnnamedValueColumns, ColumnNames(history::kDumpRows[1]), iLine);
            }
            continue;
        }
        if (bCounted)
            Refuse(iLine, "a row after the count line, which ends the dump");
        std::vector<std::string> fields = SplitList(strLine, '|');
        if (fields[0] == "N" && rows.dump.iVersion >= kNamedVersion)
            ReadColumnNames(rows, fields, iLine);
        else if (fields[0] == "S")
            ReadSetting(rows, fields, iLine);
        else if (fields[0] == "C")
            ReadCharacter(rows, fields, iLine);
        else if ((fields[0] == "H" || fields[0] == "V") && rows.dump.iVersion >= 4)
            ReadHistory(rows, fields, iLine);
        else if (fields[0] == "E" && rows.dump.iVersion >= 3)
            ReadCounts(rows, fields, iLine), bCounted = true;
        else
            Refuse(iLine, "not a row of a version " + std::to_string(rows.dump.iVersion) + " dump");
    }
    if (rows.dump.iVersion == 0)
        throw std::runtime_error("the dump is empty");
    if (rows.dump.iVersion >= 3 && !bCounted)
        throw std::runtime_error("the dump ends at line " + std::to_string(rows.iLastLine) +
                                 " without its count line: it is cut short");
    CheckGuild(rows);
    CheckHistory(rows);
    return std::move(rows.dump);
}

void RestoreDump(Database& db, const GuildDump& dump) {
    Transaction tx(db, Transaction::Kind::Write);
    // server_state stays: its tree generation goes on counting, so that no payload cached for
    // the guild before the restore matches the guild after it.
    db.Exec("DELETE FROM characters; DELETE FROM settings; DELETE FROM login_failures; "
            "DELETE FROM verified_logins; DELETE FROM tree_cache;");
    // The chat targets are no part of a dump (their URLs are secrets): a restored guild has none,
    // and nothing of the old one waits to be told.
    db.Exec("DELETE FROM notify_outbox; DELETE FROM notify_targets;");
    Store store(db);
    for (const auto& [strKey, strValue] : dump.settings)
        store.SetSetting(strKey, strValue);
    InsertCharacterRows(db, dump.characters);
    history::Restore(db, dump.historyEntries, dump.historyValues);
    Store::RebuildFreedIds(db);
    // The rows went out and came back: no client's tree can be brought up to date from before.
    RestartTreeChanges(db);
    tx.Commit();
}
