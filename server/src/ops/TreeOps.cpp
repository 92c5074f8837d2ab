#include "TreeOps.h"

#include "CharacterRows.h"
#include "Dump.h"
#include "History.h"
#include "TreeFeed.h"

#include "HistoryVocabulary.h"
#include "Numbers.h"
#include "Protocol.h"
#include "Records.h"
#include "ResultCodes.h"
#include "Text.h"

#include <algorithm>
#include <unordered_map>

namespace {

// A vassal list as the client holds it ("7,3"); nullopt when it is not a list of ids.
std::optional<std::vector<int>> IdList(const std::string& strList) {
    std::vector<int> ids;
    std::string strTrimmed = Trim(strList);
    for (const std::string& strPiece : SplitList(strTrimmed, ',')) {
        std::optional<long> lId = zorv::ParseWholeNumber(Trim(strPiece));
        if (!lId)
            return std::nullopt;
        ids.push_back(static_cast<int>(*lId));
    }
    return ids;
}

bool SameList(const std::string& strClientList, const std::vector<int>& serverIds) {
    std::optional<std::vector<int>> clientIds = IdList(strClientList);
    return clientIds && *clientIds == serverIds;
}

} // namespace

Reply TreeOp(Call& call) {
    return Ok(*call.pTreeCache->Payload(call.db, call.treeToKeep));
}

Reply TreeChangesOp(Call& call) {
    const std::string strSince = Trim(FormValue(call.form, zorv::form::kSince));
    const std::string strWait = Trim(FormValue(call.form, zorv::form::kWait));
    // Generations run past the nine digits of the protocol's other numbers.
    std::optional<std::int64_t> lSince;
    if (!strSince.empty() && strSince.size() <= 18 &&
        strSince.find_first_not_of("0123456789") == std::string::npos)
        lSince = std::stoll(strSince);
    if (!strSince.empty() && !lSince)
        return RefuseValue(zorv::CodeInvalidNumber, Fault{zorv::Refusal::ValueNotWhole,
                                                          {Quoted(strSince), zorv::form::kSince}});
    if (std::optional<Fault> fault =
            WholeNumberFault(strWait, Quantity::Value, zorv::form::kWait, 0, 999999999);
        !strWait.empty() && fault)
        return RefuseValue(zorv::CodeInvalidNumber, *fault);
    const std::int64_t lNow = FeedGeneration(call.db);
    if (!lSince)
        return Ok(zorv::JoinRecord({std::to_string(lNow), ""}));
    if (*lSince != lNow) {
        // Every watcher a change wakes asks from the same generation at the same moment: the
        // answer is read once and shared.
        const std::shared_ptr<const std::string> pAnswer =
            call.pTreeCache->Answer("feed " + std::to_string(*lSince), lNow, [&] {
                const TreeChanges changes = ReadTreeChanges(call.db, *lSince);
                if (changes.bTooOld)
                    return std::string();
                std::string strLeft;
                for (int id : changes.left)
                    strLeft += (strLeft.empty() ? "" : ",") + std::to_string(id);
                return zorv::JoinRecord({std::to_string(changes.lGeneration), strLeft}) +
                       changes.strRecords;
            });
        if (pAnswer->empty())
            return {zorv::CodeFeedTooOld, ""};
        return Ok(*pAnswer);
    }
    TreeChanges changes = ReadTreeChanges(call.db, *lSince);
    if (changes.bTooOld)
        return {zorv::CodeFeedTooOld, ""};
    const long lWait = strWait.empty() ? 0 : *zorv::ParseWholeNumber(strWait);
    if (lWait > 0 && call.bMayHold) {
        Reply held = Ok();
        held.hold =
            Reply::Hold{static_cast<int>(std::min<long>(lWait, kMaxFeedWait)), changes.lGeneration};
        return held;
    }
    return Ok(zorv::JoinRecord({std::to_string(changes.lGeneration), ""}));
}

Reply AddVassalOp(Call& call) {
    if (int iCode = CheckCharId(call))
        return {iCode, ""};
    Member patron;
    if (int iCode = FindByIdField(call, zorv::form::kAddToId, zorv::CodeInvalidCharacter,
                                  zorv::CodeAddNoSuchPatron, patron))
        return {iCode, ""};
    if (!MayActOn(call.store, call.me, patron.id))
        return {zorv::CodeSecurityViolation, ""};
    std::string strName = Trim(FormValue(call.form, zorv::form::kVassalName));
    if (strName.empty())
        return {zorv::CodeAddInvalidName, ""};
    if (IsReservedName(strName))
        return {zorv::CodeAddReservedName, ""};
    if (!IsValidName(strName))
        return {zorv::CodeAddInvalidName, ""};
    if (call.store.FindByName(strName))
        return {zorv::CodeAddNameTaken, ""};
    std::vector<int> vassals = call.store.VassalIds(patron.id);
    std::optional<int> iPatronId = IdField(call.form, zorv::form::kPatronId);
    if (!SameList(FormValue(call.form, zorv::form::kVassalList), vassals) || !iPatronId ||
        *iPatronId != patron.iPatron)
        return {zorv::CodeAddStaleTree, ""};
    if (static_cast<int>(vassals.size()) >= call.store.MaxVassals())
        return {zorv::CodeAddPatronFull, ""};
    int id = call.store.CountCharacters() < zorv::kMaxCharacters ? call.store.FreeId() : 0;
    if (id == 0)
        return {zorv::CodeAddGuildFull, ""};
    call.store.AddCharacter(id, strName, patron.id, zorv::kSecurityNormal, call.me.id);
    call.changes.push_back({history::Kind::Add,
                            id,
                            strName,
                            {{"patron_id", "", std::to_string(patron.id)},
                             {zorv::history::kPatronNameField, "", patron.strName}}});
    return Ok(std::to_string(id));
}

Reply RemoveVassalOp(Call& call) {
    if (int iCode = CheckCharId(call))
        return {iCode, ""};
    Member vassal;
    if (int iCode = FindByIdField(call, zorv::form::kVassalId, zorv::CodeInvalidCharacter,
                                  zorv::CodeRemoveNotFound, vassal))
        return {iCode, ""};
    if (!IsAdmin(call.me) && !call.store.IsAbove(call.me.id, vassal.id))
        return {zorv::CodeRemoveNotAllowed, ""};
    std::optional<int> iPatronId = IdField(call.form, zorv::form::kPatronId);
    if (!iPatronId || *iPatronId != vassal.iPatron)
        return {zorv::CodeRemoveStaleTree, ""};
    if (vassal.iPatron != zorv::kNoCharacter &&
        !SameList(FormValue(call.form, zorv::form::kVassalList),
                  call.store.VassalIds(vassal.iPatron)))
        return {zorv::CodeRemoveStaleTree, ""};
    const std::string& strName = FormValue(call.form, zorv::form::kVassalName);
    if (!strName.empty() && NameKey(Trim(strName)) != NameKey(vassal.strName))
        return {zorv::CodeRemoveStaleTree, ""};

    std::vector<int> branch = call.store.Branch(vassal.id);
    // Nobody removes their own login, and the guild keeps at least one administrator.
    if (std::find(branch.begin(), branch.end(), call.me.id) != branch.end())
        return {zorv::CodeRemoveNotAllowed, ""};
    int nRemovedAdmins = 0;
    for (int id : branch) {
        std::optional<Member> member = call.store.FindById(id);
        if (member && IsAdmin(*member))
            ++nRemovedAdmins;
    }
    if (nRemovedAdmins > 0 && nRemovedAdmins >= call.store.CountAdministrators())
        return {zorv::CodeRemoveNotAllowed, ""};
    // The history keeps every removed record, top first, so that the branch can be put back.
    std::optional<Member> patron = call.store.FindById(vassal.iPatron);
    history::Entry entry{history::Kind::Remove,
                         vassal.id,
                         vassal.strName,
                         {{"patron_id", std::to_string(vassal.iPatron), ""},
                          {zorv::history::kPatronNameField, patron ? patron->strName : "", ""}}};
    if (call.options.RecordsHistory())
        for (const std::string& strRow : CharacterRowsWithoutHash(call.db, branch))
            entry.changes.push_back({zorv::history::kMemberField, strRow, ""});
    entry.nFollowers = static_cast<int>(branch.size()) - 1;
    for (int id : branch)
        RemoveCharacter(call.db, id);
    call.store.ReleaseIds(branch);
    call.changes.push_back(entry);
    return Ok();
}

Reply ChangePatronOp(Call& call) {
    std::optional<int> iMover = IdField(call.form, zorv::form::kMoveId);
    std::optional<int> iNew = IdField(call.form, zorv::form::kNewPatronId);
    std::optional<int> iOld = IdField(call.form, zorv::form::kOldPatronId);
    if (!iMover || !iNew || !iOld)
        return {zorv::CodeInvalidCharacter, ""};
    if (int iCode = CheckCharId(call))
        return {iCode, ""};
    std::optional<Member> mover = call.store.FindById(*iMover);
    std::optional<Member> newPatron = call.store.FindById(*iNew);
    if (!mover || !newPatron)
        return {zorv::CodePatronNotFound, ""};
    if (!MayActOn(call.store, call.me, mover->id))
        return {zorv::CodeSecurityViolation, ""};
    if (newPatron->id == mover->id)
        return {zorv::CodePatronIsSelf, ""};
    if (call.store.IsAbove(mover->id, newPatron->id))
        return {zorv::CodePatronIsFollower, ""};
    if (newPatron->id == mover->iPatron)
        return {zorv::CodePatronUnchanged, ""};
    if (*iOld != mover->iPatron)
        return {zorv::CodePatronStaleTree, ""};
    if (mover->iPatron != zorv::kNoCharacter &&
        !SameList(FormValue(call.form, zorv::form::kOldPatronVassalList),
                  call.store.VassalIds(mover->iPatron)))
        return {zorv::CodePatronStaleTree, ""};
    std::vector<int> newVassals = call.store.VassalIds(newPatron->id);
    if (!SameList(FormValue(call.form, zorv::form::kNewPatronVassalList), newVassals))
        return {zorv::CodePatronStaleTree, ""};
    if (static_cast<int>(newVassals.size()) >= call.store.MaxVassals())
        return {zorv::CodePatronFull, ""};
    const std::string strOldSeq = ReadColumn(call.db, mover->id, "join_seq");
    std::optional<Member> oldPatron = call.store.FindById(mover->iPatron);
    const std::int64_t lNewSeq = call.store.NextJoinSeq();
    MoveCharacter(call.db, mover->id, newPatron->id, lNewSeq);
    call.changes.push_back(
        {history::Kind::Patron,
         mover->id,
         mover->strName,
         {{"patron_id", std::to_string(mover->iPatron), std::to_string(newPatron->id)},
          {zorv::history::kPatronNameField, oldPatron ? oldPatron->strName : "",
           newPatron->strName},
          {"join_seq", strOldSeq, std::to_string(lNewSeq)}}});
    return Ok();
}
