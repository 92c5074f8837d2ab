#include "History.h"

#include "CharacterRows.h"
#include "Dump.h"
#include "HistoryVocabulary.h"
#include "Numbers.h"
#include "Protocol.h"
#include "Records.h"
#include "ResultCodes.h"
#include "Text.h"
#include "TreeFeed.h"

#include <algorithm>
#include <ctime>
#include <optional>
#include <set>

namespace history {

namespace {

using R = zorv::Refusal;

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

// Paging: `before` (an entry number, none for the newest) and `count` (1 to 200, 50 unless
// given). False when either is not such a number.
bool PageFields(const Form& form, std::int64_t& lBefore, int& nCount) {
    lBefore = 0;
    nCount = 50;
    if (!Trim(FormValue(form, zorv::form::kBefore)).empty()) {
        std::optional<long> lValue =
            zorv::ParseWholeNumber(Trim(FormValue(form, zorv::form::kBefore)));
        if (!lValue || *lValue < 0)
            return false;
        lBefore = *lValue;
    }
    if (!Trim(FormValue(form, zorv::form::kCount)).empty()) {
        std::optional<long> lValue =
            zorv::ParseWholeNumber(Trim(FormValue(form, zorv::form::kCount)));
        if (!lValue || *lValue < 1 || *lValue > 200)
            return false;
        nCount = static_cast<int>(*lValue);
    }
    return true;
}

// One page of entries as records: "E|..." per entry followed by a "V|field|old|new" per value,
// and last "M|n" when older entries remain, n being the `before` of the next page.
std::string Page(Database& db, std::optional<int> iCharacter, std::int64_t lBefore, int nCount) {
    std::vector<StoredEntry> entries = ReadPage(db, iCharacter, lBefore, nCount + 1);
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
    Fault why;
};

Conflict Why(zorv::Refusal refusal, std::vector<std::string> params = {}) {
    return {Fault{refusal, std::move(params)}};
}

// A number as the dump writes numbers, within a range.
bool WholeNumber(const std::string& s, long long llLow, long long llHigh) {
    std::optional<long long> llValue = DumpNumber(s);
    return llValue && *llValue >= llLow && *llValue <= llHigh;
}
// The character an entry is about, still under the name the entry left it with.
Member Subject(Call& call, const StoredEntry& entry) {
    std::optional<Member> member = call.store.FindById(entry.iCharacter);
    if (!member)
        throw Why(R::NoLongerInGuild, {entry.strCharacter});
    // Renamed since, or the id is another member's now: either way not the entry's character.
    if (NameKey(member->strName) != NameKey(entry.strCharacter))
        throw Why(R::NowCalled, {entry.strCharacter, member->strName});
    return *member;
}

void CheckPatronCanTake(Call& call, int iPatron, const std::vector<Change>& changes,
                        const std::string& strWho) {
    if (iPatron == zorv::kNoCharacter)
        return;
    const Change* pName = FindChange(changes, zorv::history::kPatronNameField);
    std::optional<Member> patron = call.store.FindById(iPatron);
    std::string strPatron = pName ? pName->strOld : std::string("the patron");
    if (!patron || (pName && NameKey(patron->strName) != NameKey(strPatron)))
        throw Why(R::PatronGone, {strPatron, strWho});
    int nVassals = static_cast<int>(call.store.VassalIds(iPatron).size());
    if (nVassals >= call.store.MaxVassals())
        throw Why(R::PatronFull, {patron->strName, std::to_string(nVassals)});
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
        const SheetField* pField = SheetFieldIn(change.strField);
        const char* szColumn = pField                                ? pField->szColumn
                               : change.strField == "security_level" ? "security_level"
                                                                     : nullptr;
        if (!szColumn)
            continue;
        std::string strNow = ReadColumn(call.db, member.id, szColumn);
        if (strNow != change.strNew)
            throw Why(R::ChangedSince, {change.strField, member.strName});
        // A restored history is read for its shape only: what goes back must be a value the
        // member's record can hold (a number in its range, a name, a text within its length),
        // or the guild's next backup would not restore. Every sheet column has its rule there.
        std::string strFault = StoredValueFault(szColumn, change.strOld);
        if (!strFault.empty())
            throw Why(R::OldValueUnfit, {change.strField, strFault});
        if (pField && pField->kind == SheetField::Kind::Name) {
            std::optional<Member> holder = call.store.FindByName(change.strOld);
            if (holder && holder->id != member.id)
                throw Why(R::NameTaken, {holder->strName});
        }
        applied.push_back({szColumn, change.strNew, change.strOld});
    }
    const Change* pLevel = FindChange(applied, "security_level");
    if (pLevel && pLevel->strNew != std::to_string(zorv::kSecurityAdministrator) &&
        member.iSecurity == zorv::kSecurityAdministrator && call.store.CountAdministrators() <= 1)
        throw Why(R::OnlyAdministrator, {member.strName});
    if (applied.empty())
        throw Why(R::NothingToPutBack);
    std::vector<ColumnValue> values;
    for (const Change& change : applied)
        values.push_back({change.strField, change.strNew});
    WriteColumns(call.db, member.id, values,
                 entry.kind == Kind::Save ? std::optional<int>(call.me.id) : std::nullopt);
    return applied;
}

std::vector<Change> UndoAdd(Call& call, const StoredEntry& entry) {
    Member member = Subject(call, entry);
    if (member.id == call.me.id)
        throw Why(R::OwnLogin);
    const Change* pPatron = FindChange(entry.changes, "patron_id");
    if (!pPatron || std::to_string(member.iPatron) != pPatron->strNew)
        throw Why(R::MovedToAnotherPatron, {member.strName});
    if (!call.store.VassalIds(member.id).empty())
        throw Why(R::HasVassalsNow, {member.strName});
    if (ReadColumn(call.db, member.id, "revision") != "1")
        throw Why(R::SavedSince, {member.strName});
    if (member.iSecurity == zorv::kSecurityAdministrator)
        throw Why(R::MadeAdministratorSince, {member.strName});
    std::vector<Change> applied;
    for (const std::string& strRow : CharacterRowsWithoutHash(call.db, {member.id}))
        applied.push_back({zorv::history::kMemberField, strRow, ""});
    RemoveCharacter(call.db, member.id);
    call.store.ReleaseIds({member.id});
    return applied;
}

std::vector<Change> UndoRemove(Call& call, const StoredEntry& entry) {
    std::vector<std::vector<std::string>> rows;
    for (const Change& change : entry.changes) {
        if (change.strField != zorv::history::kMemberField || change.strOld.empty())
            continue;
        rows.push_back(ParseCharacterRow(change.strOld));
        // No hash was kept, so the record comes back on the default password, which every
        // member knows: as an administrator it would be anyone's. It comes back as a member,
        // to be raised again once it has a password of its own.
        RowSecurity(rows.back()) = std::to_string(zorv::kSecurityNormal);
    }
    if (rows.empty())
        throw Why(R::NoRemovedRecord);
    if (call.store.CountCharacters() + static_cast<int>(rows.size()) > zorv::kMaxCharacters)
        throw Why(R::NoRoom, {std::to_string(rows.size())});
    for (const std::vector<std::string>& row : rows) {
        if (std::optional<Member> holder = call.store.FindById(RowId(row)))
            throw Why(R::IdTaken, {std::to_string(RowId(row)), RowName(row), holder->strName});
        if (std::optional<Member> holder = call.store.FindByName(RowName(row)))
            throw Why(R::NameTaken, {holder->strName});
    }
    // The first record is the branch's top; the others hang below it.
    CheckPatronCanTake(call, RowPatron(rows.front()), entry.changes, RowName(rows.front()));
    InsertCharacterRows(call.db, rows);
    std::vector<int> ids;
    for (const std::vector<std::string>& row : rows)
        ids.push_back(RowId(row));
    ReclaimIds(call.db, ids);
    // The records as they came back, which is not always as they were removed.
    std::vector<Change> applied;
    for (const std::string& strRow : CharacterRowsWithoutHash(call.db, ids))
        applied.push_back({zorv::history::kMemberField, "", strRow});
    return applied;
}

std::vector<Change> UndoPatron(Call& call, const StoredEntry& entry) {
    Member member = Subject(call, entry);
    const Change* pPatron = FindChange(entry.changes, "patron_id");
    const Change* pSeq = FindChange(entry.changes, "join_seq");
    if (!pPatron || !pSeq)
        throw Why(R::NoPlaceKnown, {member.strName});
    if (std::to_string(member.iPatron) != pPatron->strNew ||
        ReadColumn(call.db, member.id, "join_seq") != pSeq->strNew)
        throw Why(R::MovedAgain, {member.strName});
    constexpr long long kMaxSeq = 999999999999LL;
    if (!WholeNumber(pPatron->strOld, zorv::kNoCharacter, zorv::kMaxCharacters) ||
        !WholeNumber(pSeq->strOld, 0, kMaxSeq))
        throw Why(R::NoPlaceKnown, {member.strName});
    int iOld = std::stoi(pPatron->strOld);
    if (iOld != zorv::kNoCharacter && (iOld == member.id || call.store.IsAbove(member.id, iOld)))
        throw Why(R::OldPatronBelow, {member.strName});
    CheckPatronCanTake(call, iOld, entry.changes, member.strName);
    MoveCharacter(call.db, member.id, iOld, std::stoll(pSeq->strOld));
    return Reversed(entry.changes);
}

std::vector<Change> UndoSetup(Call& call, const StoredEntry& entry) {
    std::vector<Change> applied;
    for (const Change& change : entry.changes) {
        if (change.strField == zorv::history::kDefaultPasswordField)
            continue; // the default password is not kept, so it cannot come back
        std::string strNow = call.store.Setting(change.strField).value_or("");
        if (strNow != change.strNew)
            throw Why(R::SettingChangedSince, {change.strField});
        applied.push_back({change.strField, change.strNew, change.strOld});
    }
    if (applied.empty())
        throw Why(R::DefaultPasswordStays);
    for (const Change& change : applied)
        call.store.SetSetting(change.strField, change.strNew);
    return applied;
}

} // namespace

void WriteChanges(const Call& call) {
    if (call.options.RecordsHistory())
        for (const Entry& entry : call.changes)
            WriteEntry(call.db, call.me.id, call.me.strName, entry);
}

Reply CharacterHistoryOp(Call& call) {
    std::optional<int> id = IdField(call.form, zorv::form::kHistoryId);
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

Reply GuildActivityOp(Call& call) {
    const int nDays = call.options.nHistoryDays;
    const std::int64_t lNow = std::time(nullptr);
    // Joins and departures are changes, and the weeks turn with the day: built once per feed
    // generation and day (a generation too large to share the number with the day is not kept).
    const std::int64_t lGeneration = FeedGeneration(call.db);
    const std::int64_t lState = lGeneration >= 0 && lGeneration < (std::int64_t(1) << 40)
                                    ? (lGeneration << 20) | (lNow / 86400 % (1 << 20))
                                    : -1;
    return Ok(*call.pTreeCache->Answer("activity", lState, [&] {
        std::string strPayload = zorv::JoinRecord({nDays < 0    ? "all"
                                                   : nDays == 0 ? "none"
                                                                : std::to_string(nDays),
                                                   OldestEntryDay(call.db)});
        for (const WeekActivity& week : WeeklyActivity(call.db, lNow, kActivityWeeks))
            strPayload += zorv::JoinRecord(
                {week.strWeek, std::to_string(week.nJoined), std::to_string(week.nLeft)});
        return strPayload;
    }));
}

Reply UndoOp(Call& call) {
    if (int iCode = CheckCharId(call))
        return {iCode, ""};
    if (!IsAdmin(call.me))
        return {zorv::CodeUndoNotAdmin, ""};
    std::optional<long> lSeq =
        zorv::ParseWholeNumber(Trim(FormValue(call.form, zorv::form::kEntry)));
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
        return RefuseValue(zorv::CodeUndoConflict, conflict.why);
    }
    // The undo's own entry is written here rather than by the dispatcher: its number is the
    // reply.
    std::int64_t lUndo =
        call.options.RecordsHistory()
            ? WriteEntry(call.db, call.me.id, call.me.strName,
                         {Kind::Undo, entry->iCharacter, entry->strCharacter, applied, entry->lSeq})
            : 0;
    MarkUndone(call.db, entry->lSeq, lUndo);
    call.undone.push_back(
        {Kind::Undo, entry->iCharacter, entry->strCharacter, applied, entry->lSeq});
    return Ok(zorv::JoinFields({std::to_string(lUndo), KindName(entry->kind)}));
}

} // namespace history
