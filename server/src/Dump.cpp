#include "Dump.h"

#include "Database.h"
#include "Store.h"
#include "Text.h"

#include <stdexcept>
#include <vector>

namespace {

// Every stored column of a character, in dump order.
const char* const kCharacterColumns[] = {
    "id",          "name",       "patron_id",  "join_seq",  "password_hash", "security_level",
    "level",       "class",      "race",       "rank",      "sex",           "is_mule",
    "mule_for",    "lifestone",  "tied_to",    "bio",       "num_followers", "skills",
    "real_name",   "city_state", "misc_info",  "email",     "icq",           "is_pk",
    "is_rescue",   "is_private", "can_summon", "main_char", "awards",        "modified_at",
    "modified_by", "revision"};
constexpr int kColumnCount = sizeof kCharacterColumns / sizeof kCharacterColumns[0];
constexpr int kHashColumn = 4;
// The revision is last, so that a row without it (every row of a first-version dump) is the
// same row one field short; such a character starts at revision 1, as an upgraded file's do.
constexpr int kRevisionColumn = kColumnCount - 1;
const char kFirstDumpHeader[] = "ZORV DUMP 1";
const char kNoHash[] = "-"; // never a hash; stands for "still on the default password"

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

std::string UnescapeDump(const std::string& s, int iLine) {
    std::string strOut;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\') {
            strOut += s[i];
            continue;
        }
        if (++i == s.size())
            throw std::runtime_error("line " + std::to_string(iLine) + ": dangling escape");
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
            throw std::runtime_error("line " + std::to_string(iLine) + ": unknown escape");
        }
    }
    return strOut;
}

std::string ColumnList() {
    std::string strList;
    for (int i = 0; i < kColumnCount; ++i)
        strList += std::string(i ? ", " : "") + kCharacterColumns[i];
    return strList;
}

} // namespace

std::string DumpDatabase(Database& db) {
    std::string strDump = std::string(kDumpHeader) + "\n";
    Statement settings(db, "SELECT key, value FROM settings ORDER BY key");
    while (settings.Step())
        strDump += "S|" + EscapeDump(Utf8ToLatin1(settings.Text(0))) + "|" +
                   EscapeDump(Utf8ToLatin1(settings.Text(1))) + "\n";
    Statement characters(db, ("SELECT " + ColumnList() + " FROM characters ORDER BY id").c_str());
    while (characters.Step()) {
        strDump += "C";
        for (int i = 0; i < kColumnCount; ++i) {
            std::string strValue =
                characters.IsNull(i) ? kNoHash : Utf8ToLatin1(characters.Text(i));
            strDump += "|" + EscapeDump(strValue);
        }
        strDump += "\n";
    }
    return strDump;
}

void RestoreDatabase(Database& db, const std::string& strDump) {
    Transaction tx(db, Transaction::Kind::Write);
    db.Exec("DELETE FROM characters; DELETE FROM settings; DELETE FROM login_failures;");
    Store store(db);
    std::string strPlaceholders;
    for (int i = 1; i <= kColumnCount + 1; ++i)
        strPlaceholders += (i > 1 ? ", ?" : "?") + std::to_string(i);
    Statement insert(db, ("INSERT INTO characters(" + ColumnList() + ", name_key) VALUES (" +
                          strPlaceholders + ")")
                             .c_str());
    std::vector<std::string> lines = SplitList(strDump, '\n');
    bool bHeader = false;
    int iLine = 0;
    for (std::string strLine : lines) {
        ++iLine;
        if (!strLine.empty() && strLine.back() == '\r')
            strLine.pop_back();
        if (strLine.empty())
            continue;
        if (!bHeader) {
            if (strLine != kDumpHeader && strLine != kFirstDumpHeader)
                throw std::runtime_error("not a ZORV dump (line 1 is not \"" +
                                         std::string(kDumpHeader) + "\")");
            bHeader = true;
            continue;
        }
        std::vector<std::string> fields = SplitList(strLine, '|');
        if (fields[0] == "S" && fields.size() == 3) {
            store.SetSetting(UnescapeDump(fields[1], iLine), UnescapeDump(fields[2], iLine));
        } else if (fields[0] == "C" &&
                   (fields.size() == kColumnCount + 1 || fields.size() == kColumnCount)) {
            bool bRevision = fields.size() == kColumnCount + 1;
            for (int i = 0; i < kColumnCount; ++i) {
                if (i == kRevisionColumn && !bRevision) {
                    insert.Bind(i + 1, 1);
                    continue;
                }
                std::string strValue = UnescapeDump(fields[i + 1], iLine);
                if (i == kHashColumn && strValue == kNoHash)
                    insert.BindNull(i + 1);
                else
                    insert.Bind(i + 1, Latin1ToUtf8(strValue));
            }
            insert.Bind(kColumnCount + 1, Latin1ToUtf8(NameKey(UnescapeDump(fields[2], iLine))));
            insert.Run();
        } else {
            throw std::runtime_error("line " + std::to_string(iLine) + ": not a dump row");
        }
    }
    if (!bHeader)
        throw std::runtime_error("the dump is empty");
    tx.Commit();
}
