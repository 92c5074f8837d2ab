#include "History.h"

#include "Dump.h"
#include "Numbers.h"
#include "Protocol.h"
#include "Records.h"
#include "ResultCodes.h"
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
const KindInfo kKinds[] = {
    {Kind::Init, "init"},     {Kind::Add, "add"},     {Kind::Remove, "remove"},
    {Kind::Patron, "patron"}, {Kind::Save, "save"},   {Kind::Password, "password"},
    {Kind::Reset, "reset"},   {Kind::Level, "level"}, {Kind::Setup, "setup"},
    {Kind::Undo, "undo"},
};

std::optional<Kind> KindNamed(const std::string& strName) {
    for (const KindInfo& info : kKinds)
        if (strName == info.szName)
            return info.kind;
    return std::nullopt;
}

// What a recorded value may be about, besides the sheet's columns.
const char* const kOtherFields[] = {
    "patron_id",      // the patron's id (add, patron change)
    "patron_name",    // the patron's name then, to tell a patron gone from an id used again
    "join_seq",       // the place among the patron's vassals
    "security_level", //
    "member",         // a whole record, as the dump writes it without its hash
    "password",       // an event: both values always empty
    "default_password", "guild_name", "use_rescue_squad", "rescue_squad_name",
};

const SheetField* SheetColumn(const std::string& strField) {
    for (const SheetField& field : kSheetFields)
        if (strField == field.szColumn)
            return &field;
    return nullptr;
}

bool KnownField(const std::string& strField) {
    if (SheetColumn(strField))
        return true;
    return std::any_of(std::begin(kOtherFields), std::end(kOtherFields),
                       [&](const char* sz) { return strField == sz; });
}

// A number as the dump writes numbers, within a range.
bool WholeNumber(const std::string& s, long long llLow, long long llHigh) {
    std::optional<long long> llValue = DumpNumber(s);
    return llValue && *llValue >= llLow && *llValue <= llHigh;
}

bool IsNumberColumn(const SheetField& field) {
    using K = SheetField::Kind;
    return field.kind != K::Name && field.kind != K::Text && field.kind != K::Skills;
}

struct StoredEntry {
    std::int64_t lSeq = 0;
    std::string strAt;
    Kind kind = Kind::Save;
    int iActor = 0;
    std::string strActor; // Latin-1
    int iCharacter = 0;
    std::string strCharacter; // Latin-1
    std::int64_t lUndoes = 0;
    std::int64_t lUndoneBy = 0;
    std::vector<Change> changes;
};

const char kEntryColumns[] = "SELECT seq, at, kind, actor_id, actor_name, character_id, "
                             "character_name, undoes, undone_by FROM history ";

StoredEntry ReadEntry(const Statement& row) {
    StoredEntry entry;
    entry.lSeq = row.Int(0);
    entry.strAt = row.Text(1);
    entry.kind = KindNamed(row.Text(2)).value_or(Kind::Save);
    entry.iActor = static_cast<int>(row.Int(3));
    entry.strActor = Utf8ToLatin1(row.Text(4));
    entry.iCharacter = static_cast<int>(row.Int(5));
    entry.strCharacter = Utf8ToLatin1(row.Text(6));
    entry.lUndoes = row.Int(7);
    entry.lUndoneBy = row.Int(8);
    return entry;
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

bool Undoable(const StoredEntry& entry) {
    switch (entry.kind) {
    case Kind::Add:
    case Kind::Remove:
    case Kind::Patron:
    case Kind::Save:
    case Kind::Level:
    case Kind::Setup:
        return entry.lUndoneBy == 0;
    default:
        return false;
    }
}

// A value as the client shows it: a removed record by its name and id, anything else as stored.
std::string ShownValue(const Change& change, const std::string& strValue) {
    if (change.strField == "member" && !strValue.empty()) {
        try {
            std::vector<std::string> row = ParseCharacterRow(Utf8ToLatin1(strValue));
            return RowName(row) + " (id " + std::to_string(RowId(row)) + ")";
        } catch (const std::exception&) {
            return "a record";
        }
    }
    return Utf8ToLatin1(strValue);
}

// Paging: `before` (an entry number, none for the newest) and `count` (1 to 200, 50 unless
// given). False when either is not such a number.
bool PageFields(const Form& form, std::int64_t& lBefore, int& nCount) {
    lBefore = 0;
    nCount = 50;
    if (!Trim(FormValue(form, "before")).empty()) {
        std::optional<long> lValue = zorv::ParseWholeNumber(Trim(FormValue(form, "before")));
        if (!lValue || *lValue < 0)
            return false;
        lBefore = *lValue;
    }
    if (!Trim(FormValue(form, "count")).empty()) {
        std::optional<long> lValue = zorv::ParseWholeNumber(Trim(FormValue(form, "count")));
        if (!lValue || *lValue < 1 || *lValue > 200)
            return false;
        nCount = static_cast<int>(*lValue);
    }
    return true;
}

// One page of entries as records: "E|..." per entry followed by a "V|field|old|new" per value,
// and last "M|n" when older entries remain, n being the `before` of the next page.
std::string Page(Database& db, std::optional<int> iCharacter, std::int64_t lBefore, int nCount) {
    std::string strSql = std::string(kEntryColumns) + "WHERE (?1 = 0 OR seq < ?1)";
    if (iCharacter)
        strSql += " AND character_id = ?3";
    strSql += " ORDER BY seq DESC LIMIT ?2";
    Statement query(db, strSql.c_str());
    query.Bind(1, lBefore).Bind(2, nCount + 1);
    if (iCharacter)
        query.Bind(3, *iCharacter);
    std::vector<StoredEntry> entries;
    while (query.Step())
        entries.push_back(ReadEntry(query));
    bool bMore = static_cast<int>(entries.size()) > nCount;
    if (bMore)
        entries.pop_back();
    std::string strPayload;
    for (StoredEntry& entry : entries) {
        strPayload += zorv::JoinRecord(
            {"E", std::to_string(entry.lSeq), entry.strAt, KindName(entry.kind),
             std::to_string(entry.iActor), entry.strActor, std::to_string(entry.iCharacter),
             entry.strCharacter, std::to_string(entry.lUndoes), std::to_string(entry.lUndoneBy),
             Undoable(entry) ? "1" : "0"});
        for (const Change& change : ReadChanges(db, entry.lSeq))
            strPayload += zorv::JoinRecord({"V", change.strField, ShownValue(change, change.strOld),
                                            ShownValue(change, change.strNew)});
    }
    if (bMore)
        strPayload += zorv::JoinRecord({"M", std::to_string(entries.back().lSeq)});
    return strPayload;
}

// Why an undo cannot apply; thrown inside the undo before anything is written.
struct Conflict {
    std::string strWhy; // Latin-1
};

const Change* FindChange(const std::vector<Change>& changes, const char* szField) {
    for (const Change& change : changes)
        if (change.strField == szField)
            return &change;
    return nullptr;
}

// The character an entry is about, still under the name the entry left it with.
Member Subject(Call& call, const StoredEntry& entry) {
    std::optional<Member> member = call.store.FindById(entry.iCharacter);
    if (!member)
        throw Conflict{entry.strCharacter + " is no longer in the guild"};
    // Renamed since, or the id is another member's now: either way not the entry's character.
    if (NameKey(member->strName) != NameKey(entry.strCharacter))
        throw Conflict{entry.strCharacter + " is now " + member->strName};
    return *member;
}

std::string ColumnText(Database& db, const char* szColumn, int id) {
    // Column names come from our own tables, never from the request.
    Statement query(db,
                    (std::string("SELECT ") + szColumn + " FROM characters WHERE id = ?1").c_str());
    query.Bind(1, id).Step();
    std::string strValue = query.Text(0);
    query.Reset();
    return strValue;
}

void CheckPatronCanTake(Call& call, int iPatron, const std::vector<Change>& changes,
                        const std::string& strWho) {
    if (iPatron == zorv::kNoCharacter)
        return;
    const Change* pName = FindChange(changes, "patron_name");
    std::optional<Member> patron = call.store.FindById(iPatron);
    std::string strPatron = pName ? Utf8ToLatin1(pName->strOld) : std::string("the patron");
    if (!patron || (pName && NameKey(patron->strName) != NameKey(strPatron)))
        throw Conflict{strPatron + ", " + strWho + "'s patron, is no longer in the guild"};
    int nVassals = static_cast<int>(call.store.VassalIds(iPatron).size());
    if (nVassals >= call.store.MaxVassals())
        throw Conflict{patron->strName + " has " + std::to_string(nVassals) +
                       " vassals, the most the guild allows"};
}

std::vector<Change> Reversed(const std::vector<Change>& changes) {
    std::vector<Change> reversed;
    for (const Change& change : changes)
        reversed.push_back({change.strField, change.strNew, change.strOld});
    return reversed;
}

// Puts the sheet values (and the security level) back: each must still hold what the entry
// wrote.
std::vector<Change> UndoValues(Call& call, const StoredEntry& entry) {
    Member member = Subject(call, entry);
    std::vector<Change> applied;
    for (const Change& change : entry.changes) {
        const SheetField* pField = SheetColumn(change.strField);
        const char* szColumn = pField                                ? pField->szColumn
                               : change.strField == "security_level" ? "security_level"
                                                                     : nullptr;
        if (!szColumn)
            continue;
        std::string strNow = ColumnText(call.db, szColumn, member.id);
        if (strNow != change.strNew)
            throw Conflict{"the " + change.strField + " of " + member.strName +
                           " has been changed since"};
        // A restored history is read for its shape only: what goes back must be a value the
        // member's record can hold (a number in its range, a name, a text within its length),
        // or the guild's next backup would not restore. Every sheet column has its rule there.
        std::string strFault = StoredValueFault(szColumn, Utf8ToLatin1(change.strOld));
        if (!strFault.empty())
            throw Conflict{"the entry's old " + change.strField + " is not " + strFault};
        if (pField && pField->kind == SheetField::Kind::Name) {
            std::optional<Member> holder = call.store.FindByName(Utf8ToLatin1(change.strOld));
            if (holder && holder->id != member.id)
                throw Conflict{"the name " + holder->strName + " has been taken since"};
        }
        applied.push_back({szColumn, change.strNew, change.strOld});
    }
    const Change* pLevel = FindChange(applied, "security_level");
    if (pLevel && pLevel->strNew != std::to_string(zorv::kSecurityAdministrator) &&
        member.iSecurity == zorv::kSecurityAdministrator && call.store.CountAdministrators() <= 1)
        throw Conflict{member.strName + " is the guild's only administrator"};
    if (applied.empty())
        throw Conflict{"the entry changed nothing that can be put back"};
    // Column names come from our own table (SheetColumn), values are bound; parameters are
    // numbered in the order they are bound below.
    std::string strSql = "UPDATE characters SET ";
    for (std::size_t i = 0; i < applied.size(); ++i) {
        strSql += (i ? ", " : "") + applied[i].strField + " = ?";
        if (applied[i].strField == "name")
            strSql += ", name_key = ?";
    }
    if (entry.kind == Kind::Save)
        strSql += ", modified_at = ?, modified_by = ?, revision = revision + 1";
    strSql += " WHERE id = ?";
    Statement update(call.db, strSql.c_str());
    int iParam = 1;
    for (const Change& change : applied) {
        const SheetField* pField = SheetColumn(change.strField);
        if (!pField || IsNumberColumn(*pField))
            update.Bind(iParam++, std::int64_t(std::stoll(change.strNew)));
        else
            update.Bind(iParam++, change.strNew);
        if (change.strField == "name")
            update.Bind(iParam++, Latin1ToUtf8(NameKey(Utf8ToLatin1(change.strNew))));
    }
    if (entry.kind == Kind::Save) {
        update.Bind(iParam, NowStamp());
        update.Bind(iParam + 1, call.me.id);
        iParam += 2;
    }
    update.Bind(iParam, member.id).Run();
    return applied;
}

std::vector<Change> UndoAdd(Call& call, const StoredEntry& entry) {
    Member member = Subject(call, entry);
    if (member.id == call.me.id)
        throw Conflict{"nobody removes their own login"};
    const Change* pPatron = FindChange(entry.changes, "patron_id");
    if (!pPatron || std::to_string(member.iPatron) != pPatron->strNew)
        throw Conflict{member.strName + " has moved to another patron since"};
    if (!call.store.VassalIds(member.id).empty())
        throw Conflict{member.strName + " has vassals now"};
    if (ColumnText(call.db, "revision", member.id) != "1")
        throw Conflict{member.strName + "'s record has been saved since"};
    if (member.iSecurity == zorv::kSecurityAdministrator)
        throw Conflict{member.strName + " has been made an administrator since"};
    std::vector<Change> applied;
    for (const std::string& strRow : CharacterRowsWithoutHash(call.db, {member.id}))
        applied.push_back({"member", Latin1ToUtf8(strRow), ""});
    Statement remove(call.db, "DELETE FROM characters WHERE id = ?1");
    remove.Bind(1, member.id).Run();
    call.store.ReleaseIds({member.id});
    return applied;
}

std::vector<Change> UndoRemove(Call& call, const StoredEntry& entry) {
    std::vector<std::vector<std::string>> rows;
    for (const Change& change : entry.changes) {
        if (change.strField != "member" || change.strOld.empty())
            continue;
        rows.push_back(ParseCharacterRow(Utf8ToLatin1(change.strOld)));
        // No hash was kept, so the record comes back on the default password, which every
        // member knows: as an administrator it would be anyone's. It comes back as a member,
        // to be raised again once it has a password of its own.
        RowSecurity(rows.back()) = std::to_string(zorv::kSecurityNormal);
    }
    if (rows.empty())
        throw Conflict{"the entry holds no removed record"};
    if (call.store.CountCharacters() + static_cast<int>(rows.size()) > zorv::kMaxCharacters)
        throw Conflict{"the guild has no room for " + std::to_string(rows.size()) + " members"};
    for (const std::vector<std::string>& row : rows) {
        if (std::optional<Member> holder = call.store.FindById(RowId(row)))
            throw Conflict{"the id " + std::to_string(RowId(row)) + " of " + RowName(row) +
                           " belongs to " + holder->strName + " now"};
        if (std::optional<Member> holder = call.store.FindByName(RowName(row)))
            throw Conflict{"the name " + holder->strName + " has been taken since"};
    }
    // The first record is the branch's top; the others hang below it.
    CheckPatronCanTake(call, RowPatron(rows.front()), entry.changes, RowName(rows.front()));
    InsertCharacterRows(call.db, rows);
    Statement unfree(call.db, "DELETE FROM freed_ids WHERE id = ?1");
    std::vector<int> ids;
    for (const std::vector<std::string>& row : rows) {
        unfree.Bind(1, RowId(row)).Run();
        ids.push_back(RowId(row));
    }
    // The records as they came back, which is not always as they were removed.
    std::vector<Change> applied;
    for (const std::string& strRow : CharacterRowsWithoutHash(call.db, ids))
        applied.push_back({"member", "", Latin1ToUtf8(strRow)});
    return applied;
}

std::vector<Change> UndoPatron(Call& call, const StoredEntry& entry) {
    Member member = Subject(call, entry);
    const Change* pPatron = FindChange(entry.changes, "patron_id");
    const Change* pSeq = FindChange(entry.changes, "join_seq");
    if (!pPatron || !pSeq)
        throw Conflict{"the entry does not say where " + member.strName + " was"};
    if (std::to_string(member.iPatron) != pPatron->strNew ||
        ColumnText(call.db, "join_seq", member.id) != pSeq->strNew)
        throw Conflict{member.strName + " has moved again since"};
    constexpr long long kMaxSeq = 999999999999LL;
    if (!WholeNumber(pPatron->strOld, zorv::kNoCharacter, zorv::kMaxCharacters) ||
        !WholeNumber(pSeq->strOld, 0, kMaxSeq))
        throw Conflict{"the entry does not say where " + member.strName + " was"};
    int iOld = std::stoi(pPatron->strOld);
    if (iOld != zorv::kNoCharacter && (iOld == member.id || call.store.IsAbove(member.id, iOld)))
        throw Conflict{"the old patron is now among " + member.strName + "'s followers"};
    CheckPatronCanTake(call, iOld, entry.changes, member.strName);
    Statement move(call.db, "UPDATE characters SET patron_id = ?1, join_seq = ?2 WHERE id = ?3");
    move.Bind(1, iOld).Bind(2, std::int64_t(std::stoll(pSeq->strOld))).Bind(3, member.id).Run();
    return Reversed(entry.changes);
}

std::vector<Change> UndoSetup(Call& call, const StoredEntry& entry) {
    std::vector<Change> applied;
    for (const Change& change : entry.changes) {
        if (change.strField == "default_password")
            continue; // the default password is not kept, so it cannot come back
        std::string strNow = Latin1ToUtf8(call.store.Setting(change.strField).value_or(""));
        if (strNow != change.strNew)
            throw Conflict{"the setting " + change.strField + " has been changed since"};
        applied.push_back({change.strField, change.strNew, change.strOld});
    }
    if (applied.empty())
        throw Conflict{"a new default password cannot be undone"};
    for (const Change& change : applied)
        call.store.SetSetting(change.strField, Utf8ToLatin1(change.strNew));
    return applied;
}

bool ShortText(const std::string& s, std::size_t nMax) {
    return s.size() <= nMax && !HoldsMarker(s);
}

} // namespace

const char* KindName(Kind kind) {
    for (const KindInfo& info : kKinds)
        if (info.kind == kind)
            return info.szName;
    return "save";
}

namespace {

// A save that joins the entry of the same member's save of the same character just before it
// (see Record): that entry's number, or 0 when the save is an entry of its own. It joins only the
// newest entry about the character, so nothing else has changed the character since: every
// change of it writes an entry about it. The name is the character's before this save.
std::int64_t EntryToJoin(Call& call, const Entry& entry, const std::string& strName,
                         std::time_t now) {
    Statement newest(call.db,
                     "SELECT seq FROM history WHERE seq = (SELECT max(seq) FROM history WHERE "
                     "character_id = ?1) AND kind = 'save' AND undone_by = 0 AND actor_id = ?2 "
                     "AND actor_name = ?3 AND character_name = ?4 AND at_epoch >= ?5");
    newest.Bind(1, entry.iCharacter)
        .Bind(2, call.me.id)
        .Bind(3, Latin1ToUtf8(call.me.strName))
        .Bind(4, Latin1ToUtf8(strName))
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

std::int64_t Record(Call& call, const Entry& entryIn) {
    if (!call.bRecordHistory)
        return 0;
    std::time_t now = std::time(nullptr);
    Entry entry = entryIn;
    if (entry.kind == Kind::Save) {
        const Change* pName = FindChange(entry.changes, "name");
        std::string strName = pName ? Utf8ToLatin1(pName->strOld) : entry.strCharacter;
        if (std::int64_t lJoined = EntryToJoin(call, entry, strName, now)) {
            // The joined entry goes, and the two come back as one at the top of the history,
            // stamped with this save's time.
            entry.changes = Joined(ReadChanges(call.db, lJoined), entry.changes);
            Statement values(call.db, "DELETE FROM history_values WHERE entry = ?1");
            values.Bind(1, lJoined).Run();
            Statement joined(call.db, "DELETE FROM history WHERE seq = ?1");
            joined.Bind(1, lJoined).Run();
        }
    }
    Statement insert(call.db, "INSERT INTO history(at, at_epoch, kind, actor_id, actor_name, "
                              "character_id, character_name, undoes) "
                              "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)");
    insert.Bind(1, UtcStamp(now, true))
        .Bind(2, std::int64_t(now))
        .Bind(3, std::string(KindName(entry.kind)))
        .Bind(4, call.me.id)
        .Bind(5, Latin1ToUtf8(call.me.strName))
        .Bind(6, entry.iCharacter)
        .Bind(7, Latin1ToUtf8(entry.strCharacter))
        .Bind(8, entry.lUndoes)
        .Run();
    std::int64_t lSeq = call.db.LastInsertId();
    Statement value(
        call.db,
        "INSERT INTO history_values(entry, ord, field, old, new) VALUES (?1, ?2, ?3, ?4, ?5)");
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

Reply CharacterHistoryOp(Call& call) {
    std::optional<int> id = IdField(call.form, "historyid");
    std::int64_t lBefore = 0;
    int nCount = 0;
    if (!id || !PageFields(call.form, lBefore, nCount))
        return {zorv::CodeHistoryInvalid, ""};
    return Ok(Page(call.db, *id, lBefore, nCount));
}

Reply RecentChangesOp(Call& call) {
    std::int64_t lBefore = 0;
    int nCount = 0;
    if (!PageFields(call.form, lBefore, nCount))
        return {zorv::CodeHistoryInvalid, ""};
    return Ok(Page(call.db, std::nullopt, lBefore, nCount));
}

Reply UndoOp(Call& call) {
    if (int iCode = CheckCharId(call))
        return {iCode, ""};
    if (!IsAdmin(call.me))
        return {zorv::CodeUndoNotAdmin, ""};
    std::optional<long> lSeq = zorv::ParseWholeNumber(Trim(FormValue(call.form, "entry")));
    std::optional<StoredEntry> entry = lSeq ? FindEntry(call.db, *lSeq) : std::nullopt;
    if (!entry)
        return {zorv::CodeUndoNoSuchEntry, ""};
    if (entry->lUndoneBy != 0) {
        std::optional<StoredEntry> undo = FindEntry(call.db, entry->lUndoneBy);
        return {zorv::CodeUndoNotPossible,
                zorv::JoinFields(
                    {"it was undone " + (undo ? "by " + undo->strActor + " on " + undo->strAt
                                              : std::string("before"))})};
    }
    if (!Undoable(*entry)) {
        const char* szWhy = entry->kind == Kind::Undo ? "an undo cannot itself be undone"
                            : entry->kind == Kind::Init
                                ? "the guild's first set-up cannot be undone"
                                : "no password is kept, so a password change cannot be undone";
        return {zorv::CodeUndoNotPossible, zorv::JoinFields({szWhy})};
    }
    std::vector<Change> applied;
    try {
        switch (entry->kind) {
        case Kind::Save:
        case Kind::Level:
            applied = UndoValues(call, *entry);
            break;
        case Kind::Add:
            applied = UndoAdd(call, *entry);
            break;
        case Kind::Remove:
            applied = UndoRemove(call, *entry);
            break;
        case Kind::Patron:
            applied = UndoPatron(call, *entry);
            break;
        case Kind::Setup:
            applied = UndoSetup(call, *entry);
            break;
        default:
            break;
        }
    } catch (const Conflict& conflict) {
        return {zorv::CodeUndoConflict, zorv::JoinFields({conflict.strWhy})};
    }
    std::int64_t lUndo =
        Record(call, {Kind::Undo, entry->iCharacter, entry->strCharacter, applied, entry->lSeq});
    Statement mark(call.db, "UPDATE history SET undone_by = ?1 WHERE seq = ?2");
    mark.Bind(1, lUndo).Bind(2, entry->lSeq).Run();
    return Ok(zorv::JoinFields({std::to_string(lUndo), KindName(entry->kind)}));
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
            if (change.strField == "password" || change.strField == "default_password") {
                strLine += "\n      " + change.strField + " changed";
                continue;
            }
            std::string strOld = ShownValue(change, change.strOld);
            std::string strNew = ShownValue(change, change.strNew);
            auto Cut = [](std::string s) { return s.size() > 60 ? s.substr(0, 57) + "..." : s; };
            strLine += "\n      " + change.strField + ": " + Cut(strOld) + " -> " + Cut(strNew);
        }
        // The console reads UTF-8.
        std::fprintf(pOut, "%s\n", Latin1ToUtf8(strLine).c_str());
    }
    if (entries.empty())
        std::fprintf(pOut, "No changes recorded.\n");
}

const DumpRowsQuery kDumpRows[2] = {
    {"H",
     "SELECT seq, at, at_epoch, kind, actor_id, actor_name, character_id, character_name, "
     "undoes, undone_by FROM history ORDER BY seq",
     10},
    {"V", "SELECT entry, ord, field, old, new FROM history_values ORDER BY entry, ord", 5},
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
    if ((f[2] == "password" || f[2] == "default_password") && (!f[3].empty() || !f[4].empty()))
        return "a password event holds no value";
    for (const std::string* pValue : {&f[3], &f[4]}) {
        if (!ShortText(*pValue, 64 * 1024))
            return "a history value must be a text of up to 64 KiB without a reply marker";
        if (f[2] == "member" && !pValue->empty()) {
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
                entry.Bind(i + 1, Latin1ToUtf8(row[i]));
        }
        entry.Run();
    }
    Statement value(db, "INSERT INTO history_values(entry, ord, field, old, new) "
                        "VALUES (?1, ?2, ?3, ?4, ?5)");
    for (const std::vector<std::string>& row : values)
        value.Bind(1, std::int64_t(std::stoll(row[0])))
            .Bind(2, std::int64_t(std::stoll(row[1])))
            .Bind(3, row[2])
            .Bind(4, Latin1ToUtf8(row[3]))
            .Bind(5, Latin1ToUtf8(row[4]))
            .Run();
}

} // namespace history
