#include "HistoryStore.h"

#include "Dump.h"
#include "HistoryVocabulary.h"
#include "Numbers.h"
#include "Protocol.h"
#include "Store.h"
#include "Text.h"

#include <algorithm>
#include <ctime>
#include <optional>
#include <set>

namespace history {

namespace {

struct KindInfo {
    Kind kind;
    const char* szName;
};
namespace words = zorv::history;
const KindInfo kKinds[] = {
    {Kind::Init, words::kInit},     {Kind::Add, words::kAdd},
    {Kind::Remove, words::kRemove}, {Kind::Patron, words::kPatron},
    {Kind::Save, words::kSave},     {Kind::Password, words::kPassword},
    {Kind::Reset, words::kReset},   {Kind::Level, words::kLevel},
    {Kind::Setup, words::kSetup},   {Kind::Undo, words::kUndo},
};

} // namespace

std::optional<Kind> KindNamed(const std::string& strName) {
    for (const KindInfo& info : kKinds)
        if (strName == info.szName)
            return info.kind;
    return std::nullopt;
}

const char* KindName(Kind kind) {
    for (const KindInfo& info : kKinds)
        if (info.kind == kind)
            return info.szName;
    return zorv::history::kSave;
}

namespace {

// What a recorded value may be about: the sheet's columns and the history's other fields.
bool KnownField(const std::string& strField) {
    if (SheetFieldIn(strField))
        return true;
    return std::any_of(std::begin(zorv::history::kFields), std::end(zorv::history::kFields),
                       [&](const zorv::history::Field& field) {
                           return !field.bSheet && strField == field.szName;
                       });
}

// A number as the dump writes numbers, within a range.
bool WholeNumber(const std::string& s, long long llLow, long long llHigh) {
    std::optional<long long> llValue = DumpNumber(s);
    return llValue && *llValue >= llLow && *llValue <= llHigh;
}

bool ShortText(const std::string& s, std::size_t nMax) {
    return TextLength(s) <= nMax && !HoldsMarker(s);
}

} // namespace

namespace {

const char kEntryColumns[] = "SELECT seq, at, kind, actor_id, actor_name, character_id, "
                             "character_name, undoes, undone_by FROM history ";

StoredEntry ReadEntry(const Statement& row) {
    StoredEntry entry;
    entry.lSeq = row.Int(0);
    entry.strAt = row.Text(1);
    entry.kind = KindNamed(row.Text(2)).value_or(Kind::Save);
    entry.iActor = static_cast<int>(row.Int(3));
    entry.strActor = row.Text(4);
    entry.iCharacter = static_cast<int>(row.Int(5));
    entry.strCharacter = row.Text(6);
    entry.lUndoes = row.Int(7);
    entry.lUndoneBy = row.Int(8);
    return entry;
}

} // namespace

const Change* FindChange(const std::vector<Change>& changes, const char* szField) {
    for (const Change& change : changes)
        if (change.strField == szField)
            return &change;
    return nullptr;
}

std::vector<Change> ReadChanges(Database& db, std::int64_t lSeq) {
    Statement values(db,
                     "SELECT field, old, new FROM history_values WHERE entry = ?1 ORDER BY ord");
    values.Bind(1, lSeq);
    std::vector<Change> changes;
    while (values.Step())
        changes.push_back({values.Text(0), values.Text(1), values.Text(2)});
    return changes;
}

std::optional<StoredEntry> FindEntry(Database& db, std::int64_t lSeq) {
    Statement query(db, (std::string(kEntryColumns) + "WHERE seq = ?1").c_str());
    query.Bind(1, lSeq);
    if (!query.Step())
        return std::nullopt;
    StoredEntry entry = ReadEntry(query);
    query.Reset();
    entry.changes = ReadChanges(db, lSeq);
    return entry;
}

// A value as the client shows it: a removed record by its name and id, anything else as stored.
std::string ShownValue(const Change& change, const std::string& strValue) {
    if (change.strField == "member" && !strValue.empty()) {
        try {
            std::vector<std::string> row = ParseCharacterRow(strValue);
            return RowName(row) + " (id " + std::to_string(RowId(row)) + ")";
        } catch (const std::exception&) {
            return "a record";
        }
    }
    return strValue;
}

std::vector<StoredEntry> ReadPage(Database& db, std::optional<int> iCharacter, std::int64_t lBefore,
                                  int nCount) {
    std::string strSql = std::string(kEntryColumns) + "WHERE (?1 = 0 OR seq < ?1)";
    if (iCharacter)
        strSql += " AND character_id = ?3";
    strSql += " ORDER BY seq DESC LIMIT ?2";
    Statement query(db, strSql.c_str());
    query.Bind(1, lBefore).Bind(2, nCount);
    if (iCharacter)
        query.Bind(3, *iCharacter);
    std::vector<StoredEntry> entries;
    while (query.Step())
        entries.push_back(ReadEntry(query));
    return entries;
}

void MarkUndone(Database& db, std::int64_t lSeq, std::int64_t lUndo) {
    Statement mark(db, "UPDATE history SET undone_by = ?1 WHERE seq = ?2");
    mark.Bind(1, lUndo).Bind(2, lSeq).Run();
}

namespace {

// A save that joins the entry of the same member's save of the same character just before it
// (see Record): that entry's number, or 0 when the save is an entry of its own. It joins only the
// newest entry about the character, so nothing else has changed the character since: every
// change of it writes an entry about it. The name is the character's before this save.
std::int64_t EntryToJoin(Database& db, int iActor, const std::string& strActor, const Entry& entry,
                         const std::string& strName, std::time_t now) {
    Statement newest(db, "SELECT seq FROM history WHERE seq = (SELECT max(seq) FROM history WHERE "
                         "character_id = ?1) AND kind = 'save' AND undone_by = 0 AND actor_id = ?2 "
                         "AND actor_name = ?3 AND character_name = ?4 AND at_epoch >= ?5");
    newest.Bind(1, entry.iCharacter)
        .Bind(2, iActor)
        .Bind(3, strActor)
        .Bind(4, strName)
        .Bind(5, std::int64_t(now) - kJoinSavesSeconds);
    std::int64_t lSeq = newest.Step() ? newest.Int(0) : 0;
    newest.Reset();
    return lSeq;
}

// The values of two saves in a row as one: the first one's old value and the second one's new
// one, a value that is back where it was left out.
std::vector<Change> Joined(std::vector<Change> changes, const std::vector<Change>& later) {
    for (const Change& change : later) {
        auto same = std::find_if(changes.begin(), changes.end(), [&](const Change& earlier) {
            return earlier.strField == change.strField;
        });
        if (same == changes.end())
            changes.push_back(change);
        else
            same->strNew = change.strNew;
    }
    changes.erase(std::remove_if(changes.begin(), changes.end(),
                                 [](const Change& c) { return c.strOld == c.strNew; }),
                  changes.end());
    return changes;
}

} // namespace

std::int64_t WriteEntry(Database& db, int iActor, const std::string& strActor,
                        const Entry& entryIn) {
    std::time_t now = std::time(nullptr);
    Entry entry = entryIn;
    if (entry.kind == Kind::Save) {
        const Change* pName = FindChange(entry.changes, "name");
        std::string strName = pName ? pName->strOld : entry.strCharacter;
        if (std::int64_t lJoined = EntryToJoin(db, iActor, strActor, entry, strName, now)) {
            // The joined entry goes, and the two come back as one at the top of the history,
            // stamped with this save's time.
            entry.changes = Joined(ReadChanges(db, lJoined), entry.changes);
            Statement values(db, "DELETE FROM history_values WHERE entry = ?1");
            values.Bind(1, lJoined).Run();
            Statement joined(db, "DELETE FROM history WHERE seq = ?1");
            joined.Bind(1, lJoined).Run();
        }
    }
    Statement insert(db, "INSERT INTO history(at, at_epoch, kind, actor_id, actor_name, "
                         "character_id, character_name, undoes) "
                         "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)");
    insert.Bind(1, UtcStamp(now, true))
        .Bind(2, std::int64_t(now))
        .Bind(3, std::string(KindName(entry.kind)))
        .Bind(4, iActor)
        .Bind(5, strActor)
        .Bind(6, entry.iCharacter)
        .Bind(7, entry.strCharacter)
        .Bind(8, entry.lUndoes)
        .Run();
    std::int64_t lSeq = db.LastInsertId();
    Statement value(
        db, "INSERT INTO history_values(entry, ord, field, old, new) VALUES (?1, ?2, ?3, ?4, ?5)");
    int iOrd = 0;
    for (const Change& change : entry.changes)
        value.Bind(1, lSeq)
            .Bind(2, iOrd++)
            .Bind(3, change.strField)
            .Bind(4, change.strOld)
            .Bind(5, change.strNew)
            .Run();
    return lSeq;
}

void Prune(Database& db, int nDays) {
    if (nDays <= 0)
        return;
    std::int64_t lCutoff = std::int64_t(std::time(nullptr)) - std::int64_t(nDays) * 86400;
    Statement values(db, "DELETE FROM history_values WHERE entry IN "
                         "(SELECT seq FROM history WHERE at_epoch < ?1)");
    values.Bind(1, lCutoff).Run();
    Statement entries(db, "DELETE FROM history WHERE at_epoch < ?1");
    entries.Bind(1, lCutoff).Run();
}

namespace {

std::string Day(std::int64_t lEpoch) {
    const std::time_t t = static_cast<std::time_t>(lEpoch);
    std::tm tm{};
    gmtime_r(&t, &tm);
    char szDay[16];
    std::strftime(szDay, sizeof szDay, "%Y-%m-%d", &tm);
    return szDay;
}

} // namespace

std::vector<WeekActivity> WeeklyActivity(Database& db, std::int64_t lNow, int nWeeks) {
    constexpr std::int64_t kDay = 86400, kWeek = 7 * kDay;
    // 1 January 1970 was a Thursday: three days after a Monday.
    const std::int64_t lDays = lNow / kDay;
    const std::int64_t lFirst = (lDays - (lDays + 3) % 7) * kDay - (nWeeks - 1) * kWeek;
    std::vector<WeekActivity> weeks(static_cast<std::size_t>(nWeeks));
    for (int i = 0; i < nWeeks; ++i)
        weeks[static_cast<std::size_t>(i)].strWeek = Day(lFirst + i * kWeek);
    auto Week = [&](std::int64_t lAt) -> WeekActivity* {
        const std::int64_t i = (lAt - lFirst) / kWeek;
        return lAt >= lFirst && i < nWeeks ? &weeks[static_cast<std::size_t>(i)] : nullptr;
    };
    Statement joins(db, "SELECT at_epoch FROM history "
                        "WHERE kind = 'add' AND undone_by = 0 AND at_epoch >= ?1");
    joins.Bind(1, lFirst);
    while (joins.Step())
        if (WeekActivity* pWeek = Week(joins.Int(0)))
            ++pWeek->nJoined;
    Statement departures(db, "SELECT h.at_epoch, count(*) FROM history h "
                             "JOIN history_values v ON v.entry = h.seq AND v.field = 'member' "
                             "WHERE h.kind = 'remove' AND h.undone_by = 0 AND h.at_epoch >= ?1 "
                             "GROUP BY h.seq");
    departures.Bind(1, lFirst);
    while (departures.Step())
        if (WeekActivity* pWeek = Week(departures.Int(0)))
            pWeek->nLeft += static_cast<int>(departures.Int(1));
    return weeks;
}

std::string OldestEntryDay(Database& db) {
    Statement oldest(db, "SELECT min(at_epoch) FROM history");
    if (!oldest.Step() || oldest.IsNull(0))
        return "";
    return Day(oldest.Int(0));
}

void PrintRecent(Database& db, int nCount, std::FILE* pOut) {
    Statement query(db, (std::string(kEntryColumns) + "ORDER BY seq DESC LIMIT ?1").c_str());
    query.Bind(1, nCount);
    std::vector<StoredEntry> entries;
    while (query.Step())
        entries.push_back(ReadEntry(query));
    for (const StoredEntry& entry : entries) {
        std::string strLine = "#" + std::to_string(entry.lSeq) + "  " + entry.strAt + " UTC  " +
                              entry.strActor + ": " + KindName(entry.kind) + " " +
                              entry.strCharacter;
        if (entry.lUndoes)
            strLine += " (undoes #" + std::to_string(entry.lUndoes) + ")";
        if (entry.lUndoneBy)
            strLine += " (undone by #" + std::to_string(entry.lUndoneBy) + ")";
        for (const Change& change : ReadChanges(db, entry.lSeq)) {
            if (change.strField == zorv::history::kPasswordField ||
                change.strField == zorv::history::kDefaultPasswordField) {
                strLine += "\n      " + change.strField + " changed";
                continue;
            }
            std::string strOld = ShownValue(change, change.strOld);
            std::string strNew = ShownValue(change, change.strNew);
            auto Cut = [](std::string s) {
                return TextLength(s) > 60 ? CutText(s, 57) + "..." : s;
            };
            strLine += "\n      " + change.strField + ": " + Cut(strOld) + " -> " + Cut(strNew);
        }
        std::fprintf(pOut, "%s\n", strLine.c_str());
    }
    if (entries.empty())
        std::fprintf(pOut, "No changes recorded.\n");
}

const DumpRowsQuery kDumpRows[2] = {
    {"H", "seq,at,at_epoch,kind,actor_id,actor_name,character_id,character_name,undoes,undone_by",
     "history ORDER BY seq"},
    {"V", "entry,ord,field,old,new", "history_values ORDER BY entry, ord"},
};

std::string EntryRowFault(const std::vector<std::string>& f) {
    if (f.size() != 10)
        return "a history entry row has 10 fields after the H, not " + std::to_string(f.size());
    constexpr long long kMax = 999999999999LL;
    if (!WholeNumber(f[0], 1, kMax))
        return "the entry number must be a whole number from 1";
    if (!ShortText(f[1], 32))
        return "the entry's time must be a short text";
    if (!WholeNumber(f[2], 0, kMax))
        return "the entry's time in seconds must be a whole number";
    if (!KindNamed(f[3]))
        return "unknown kind of change \"" + f[3] + "\"";
    if (!WholeNumber(f[4], zorv::kNoCharacter, zorv::kMaxCharacters) ||
        !WholeNumber(f[6], zorv::kNoCharacter, zorv::kMaxCharacters))
        return "an id in a history entry must be a whole number from -1 to 32767";
    if (!ShortText(f[5], 128) || !ShortText(f[7], 128))
        return "a name in a history entry must be a text of up to 128 bytes";
    if (!WholeNumber(f[8], 0, kMax) || !WholeNumber(f[9], 0, kMax))
        return "an entry number in a history entry must be a whole number";
    return "";
}

std::string ValueRowFault(const std::vector<std::string>& f) {
    if (f.size() != 5)
        return "a history value row has 5 fields after the V, not " + std::to_string(f.size());
    if (!WholeNumber(f[0], 1, 999999999999LL) || !WholeNumber(f[1], 0, 1000000))
        return "a history value's entry and place must be whole numbers";
    if (!KnownField(f[2]))
        return "unknown field \"" + f[2] + "\" in a history value";
    if ((f[2] == zorv::history::kPasswordField || f[2] == zorv::history::kDefaultPasswordField) &&
        (!f[3].empty() || !f[4].empty()))
        return "a password event holds no value";
    for (const std::string* pValue : {&f[3], &f[4]}) {
        if (!ShortText(*pValue, 64 * 1024))
            return "a history value must be a text of up to 64 KiB without a reply marker";
        if (f[2] == zorv::history::kMemberField && !pValue->empty()) {
            try {
                ParseCharacterRow(*pValue);
            } catch (const std::exception& e) {
                return std::string("a removed record in the history: ") + e.what();
            }
        }
    }
    return "";
}

void Restore(Database& db, const std::vector<std::vector<std::string>>& entries,
             const std::vector<std::vector<std::string>>& values) {
    db.Exec("DELETE FROM history_values; DELETE FROM history;");
    Statement entry(db, "INSERT INTO history(seq, at, at_epoch, kind, actor_id, actor_name, "
                        "character_id, character_name, undoes, undone_by) "
                        "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10)");
    const std::set<int> numeric{0, 2, 4, 6, 8, 9};
    for (const std::vector<std::string>& row : entries) {
        for (int i = 0; i < 10; ++i) {
            if (numeric.count(i))
                entry.Bind(i + 1, std::int64_t(std::stoll(row[i])));
            else
                entry.Bind(i + 1, row[i]);
        }
        entry.Run();
    }
    Statement value(db, "INSERT INTO history_values(entry, ord, field, old, new) "
                        "VALUES (?1, ?2, ?3, ?4, ?5)");
    for (const std::vector<std::string>& row : values)
        value.Bind(1, std::int64_t(std::stoll(row[0])))
            .Bind(2, std::int64_t(std::stoll(row[1])))
            .Bind(3, row[2])
            .Bind(4, row[3])
            .Bind(5, row[4])
            .Run();
}

} // namespace history
