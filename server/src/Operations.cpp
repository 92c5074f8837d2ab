#include "Operations.h"

#include "Dump.h"
#include "Numbers.h"
#include "Protocol.h"
#include "Records.h"
#include "ResultCodes.h"
#include "Skills.h"
#include "Text.h"

#include <algorithm>
#include <unordered_map>

const std::string& FormValue(const Form& form, const char* szName) {
    static const std::string kEmpty;
    auto it = form.find(szName);
    return it == form.end() ? kEmpty : it->second;
}

namespace {

bool Has(const Form& form, const char* szName) {
    return form.count(szName) != 0;
}

// An id field: a whole number in the 16-bit range, blanks around it allowed.
std::optional<int> IdField(const Form& form, const char* szName) {
    std::optional<long> lValue = zorv::ParseWholeNumber(Trim(FormValue(form, szName)));
    if (!lValue || *lValue < -32768 || *lValue > 32767)
        return std::nullopt;
    return static_cast<int>(*lValue);
}

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

bool IsAdmin(const Member& me) {
    return me.iSecurity == kAdministrator;
}

// Acting on a character is allowed to itself, to anyone above it, and to an administrator.
bool MayActOn(Store& store, const Member& me, int iTarget) {
    return me.id == iTarget || IsAdmin(me) || store.IsAbove(me.id, iTarget);
}

// The `charid` every changing operation carries must be the caller's own id.
int CheckCharId(Call& call) {
    std::optional<int> iCharId = IdField(call.form, "charid");
    if (!iCharId)
        return zorv::CodeInvalidCharacter;
    return *iCharId == call.me.id ? 0 : zorv::CodeSecurityViolation;
}

bool SameList(const std::string& strClientList, const std::vector<int>& serverIds) {
    std::optional<std::vector<int>> clientIds = IdList(strClientList);
    return clientIds && *clientIds == serverIds;
}

bool HoldsMarker(const std::string& strText) {
    return strText.find(zorv::kStartMarker) != std::string::npos ||
           strText.find(zorv::kStopMarker) != std::string::npos;
}

Reply Ok(std::string strPayload = std::string()) {
    return {zorv::CodeOk, std::move(strPayload)};
}

} // namespace

bool IsWriteOperation(int iMsgId) {
    switch (iMsgId) {
    case zorv::OpAddVassal:
    case zorv::OpRemoveVassal:
    case zorv::OpChangePatron:
    case zorv::OpInitServer:
    case zorv::OpSaveChar:
    case zorv::OpChangePassword:
    case zorv::OpServerSetup:
    case zorv::OpResetPassword:
    case zorv::OpSecurityLevel:
        return true;
    default:
        return false;
    }
}

int PasswordLengthCode(const std::string& strPassword) {
    if (strPassword.size() > static_cast<std::size_t>(zorv::kMaxPasswordLength))
        return zorv::CodePasswordTooLong;
    if (strPassword.size() < static_cast<std::size_t>(zorv::kMinPasswordLength))
        return zorv::CodePasswordTooShort;
    return 0;
}

Reply TreeOp(Call& call) {
    Statement query(call.db, "SELECT id, name, level, rank, patron_id, is_mule, is_pk, is_rescue "
                             "FROM characters ORDER BY patron_id, join_seq");
    struct Row {
        int id;
        std::string strName;
        int iLevel, iRank, iPatron, iMule, iPK, iRescue;
    };
    std::vector<Row> rows;
    std::unordered_map<int, std::string> vassalLists;
    while (query.Step()) {
        Row row{static_cast<int>(query.Int(0)), Utf8ToLatin1(query.Text(1)),
                static_cast<int>(query.Int(2)), static_cast<int>(query.Int(3)),
                static_cast<int>(query.Int(4)), static_cast<int>(query.Int(5)),
                static_cast<int>(query.Int(6)), static_cast<int>(query.Int(7))};
        // Rows come grouped by patron in joining order, so appending keeps the vassal order.
        std::string& strList = vassalLists[row.iPatron];
        if (!strList.empty())
            strList += ',';
        strList += std::to_string(row.id);
        rows.push_back(std::move(row));
    }
    std::string strPayload;
    strPayload.reserve(rows.size() * 40);
    for (const Row& row : rows) {
        auto vassals = vassalLists.find(row.id);
        strPayload += zorv::JoinRecord(
            {std::to_string(row.id), row.strName, std::to_string(row.iLevel),
             std::to_string(row.iRank), std::to_string(row.iPatron),
             vassals == vassalLists.end() ? std::string() : vassals->second,
             std::to_string(row.iMule), std::to_string(row.iPK), std::to_string(row.iRescue)});
    }
    return Ok(std::move(strPayload));
}

Reply AddVassalOp(Call& call) {
    if (int iCode = CheckCharId(call))
        return {iCode, ""};
    std::optional<int> iAddTo = IdField(call.form, "addtoid");
    if (!iAddTo)
        return {zorv::CodeInvalidCharacter, ""};
    std::optional<Member> patron = call.store.FindById(*iAddTo);
    if (!patron)
        return {zorv::CodeAddNoSuchPatron, ""};
    if (!MayActOn(call.store, call.me, patron->id))
        return {zorv::CodeSecurityViolation, ""};
    std::string strName = Trim(FormValue(call.form, "vassalname"));
    if (strName.empty())
        return {zorv::CodeAddInvalidName, ""};
    if (IsReservedName(strName))
        return {zorv::CodeAddReservedName, ""};
    if (!IsValidName(strName))
        return {zorv::CodeAddInvalidName, ""};
    if (call.store.FindByName(strName))
        return {zorv::CodeAddNameTaken, ""};
    std::vector<int> vassals = call.store.VassalIds(patron->id);
    std::optional<int> iPatronId = IdField(call.form, "patronid");
    if (!SameList(FormValue(call.form, "vassallist"), vassals) || !iPatronId ||
        *iPatronId != patron->iPatron)
        return {zorv::CodeAddStaleTree, ""};
    if (static_cast<int>(vassals.size()) >= call.store.MaxVassals())
        return {zorv::CodeAddPatronFull, ""};
    int id = call.store.CountCharacters() < zorv::kMaxCharacters ? call.store.FreeId() : 0;
    if (id == 0)
        return {zorv::CodeAddGuildFull, ""};
    call.store.AddCharacter(id, strName, patron->id, kNormalUser, call.me.id);
    return Ok(std::to_string(id));
}

Reply RemoveVassalOp(Call& call) {
    if (int iCode = CheckCharId(call))
        return {iCode, ""};
    std::optional<int> iVassal = IdField(call.form, "vassalid");
    if (!iVassal)
        return {zorv::CodeInvalidCharacter, ""};
    std::optional<Member> vassal = call.store.FindById(*iVassal);
    if (!vassal)
        return {zorv::CodeRemoveNotFound, ""};
    if (!IsAdmin(call.me) && !call.store.IsAbove(call.me.id, vassal->id))
        return {zorv::CodeRemoveNotAllowed, ""};
    std::optional<int> iPatronId = IdField(call.form, "patronid");
    if (!iPatronId || *iPatronId != vassal->iPatron)
        return {zorv::CodeRemoveStaleTree, ""};
    if (vassal->iPatron != zorv::kNoCharacter &&
        !SameList(FormValue(call.form, "vassallist"), call.store.VassalIds(vassal->iPatron)))
        return {zorv::CodeRemoveStaleTree, ""};
    const std::string& strName = FormValue(call.form, "vassalname");
    if (!strName.empty() && NameKey(Trim(strName)) != NameKey(vassal->strName))
        return {zorv::CodeRemoveStaleTree, ""};

    std::vector<int> branch = call.store.Branch(vassal->id);
    // Nobody removes their own login, and the guild keeps at least one administrator.
    if (std::find(branch.begin(), branch.end(), call.me.id) != branch.end())
        return {zorv::CodeRemoveNotAllowed, ""};
    Statement isAdmin(call.db, "SELECT security_level FROM characters WHERE id = ?1");
    int nRemovedAdmins = 0;
    for (int id : branch) {
        isAdmin.Bind(1, id);
        if (isAdmin.Step() && isAdmin.Int(0) == kAdministrator)
            ++nRemovedAdmins;
        isAdmin.Reset();
    }
    if (nRemovedAdmins > 0 && nRemovedAdmins >= call.store.CountAdministrators())
        return {zorv::CodeRemoveNotAllowed, ""};
    Statement remove(call.db, "DELETE FROM characters WHERE id = ?1");
    for (int id : branch)
        remove.Bind(1, id).Run();
    return Ok();
}

Reply ChangePatronOp(Call& call) {
    std::optional<int> iMover = IdField(call.form, "moveid");
    std::optional<int> iNew = IdField(call.form, "newpatronid");
    std::optional<int> iOld = IdField(call.form, "oldpatronid");
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
        !SameList(FormValue(call.form, "oldpatronvassallist"),
                  call.store.VassalIds(mover->iPatron)))
        return {zorv::CodePatronStaleTree, ""};
    std::vector<int> newVassals = call.store.VassalIds(newPatron->id);
    if (!SameList(FormValue(call.form, "newpatronvassallist"), newVassals))
        return {zorv::CodePatronStaleTree, ""};
    if (static_cast<int>(newVassals.size()) >= call.store.MaxVassals())
        return {zorv::CodePatronFull, ""};
    Statement move(call.db, "UPDATE characters SET patron_id = ?1, join_seq = ?2 WHERE id = ?3");
    move.Bind(1, newPatron->id).Bind(2, call.store.NextJoinSeq()).Bind(3, mover->id).Run();
    return Ok();
}

Reply LoginOp(Call& call) {
    std::optional<std::string> strRescue = call.store.Setting("use_rescue_squad");
    return Ok(zorv::JoinFields({zorv::kVersion, std::to_string(call.me.id), call.me.strName,
                                std::to_string(call.me.iSecurity),
                                call.store.Setting("guild_name").value_or(""),
                                strRescue.value_or("0") == "1" ? "1" : "0",
                                call.store.Setting("rescue_squad_name").value_or("")}));
}

namespace {

// The code a refused sheet value gets, or 0 when the value may be stored.
int CheckSheetValue(const SheetField& field, const std::string& strValue) {
    using K = SheetField::Kind;
    auto InRange = [&](long lLow, long lHigh) {
        std::optional<long> lValue = zorv::ParseWholeNumber(Trim(strValue));
        return lValue && *lValue >= lLow && *lValue <= lHigh;
    };
    switch (field.kind) {
    case K::Name: {
        std::string strName = Trim(strValue);
        return IsValidName(strName) && !IsReservedName(strName) ? 0 : zorv::CodeInvalidText;
    }
    case K::Text:
        if (static_cast<int>(strValue.size()) > field.nMaxLength || HoldsMarker(strValue))
            return zorv::CodeInvalidText;
        return 0;
    case K::Number:
        return Trim(strValue).empty() || InRange(0, 32767) ? 0 : zorv::CodeInvalidNumber;
    case K::Race:
        return InRange(0, 3) ? 0 : zorv::CodeInvalidNumber;
    case K::Sex:
        return InRange(0, 2) ? 0 : zorv::CodeInvalidNumber;
    case K::Rank:
        return InRange(0, 10) ? 0 : zorv::CodeInvalidNumber;
    case K::Flag:
        return strValue == "0" || strValue == "1" ? 0 : zorv::CodeInvalidNumber;
    case K::Skills:
        if (static_cast<int>(strValue.size()) > field.nMaxLength)
            return zorv::CodeInvalidText;
        return ParseSkillString(strValue) ? 0 : zorv::CodeInvalidNumber;
    }
    return zorv::CodeInvalidNumber;
}

} // namespace

Reply SaveOp(Call& call) {
    std::optional<int> iUpdate = IdField(call.form, "updateid");
    std::optional<int> iCharId = IdField(call.form, "charid");
    if (!iUpdate || !iCharId)
        return {zorv::CodeInvalidCharacter, ""};
    std::optional<Member> target = call.store.FindById(*iUpdate);
    if (!target)
        return {zorv::CodeSaveNoSuchCharacter, ""};
    if (!call.store.FindById(*iCharId))
        return {zorv::CodeSaveNoSuchEditor, ""};
    if (*iCharId != call.me.id || !MayActOn(call.store, call.me, target->id))
        return {zorv::CodeSecurityViolation, ""};

    if (!IsAdmin(call.me) && Has(call.form, "ADMIN_ONLY")) {
        Statement awards(call.db, "SELECT awards FROM characters WHERE id = ?1");
        awards.Bind(1, target->id);
        awards.Step();
        std::string strStored = Utf8ToLatin1(awards.Text(0));
        awards.Reset();
        if (strStored != FormValue(call.form, "ADMIN_ONLY"))
            return {zorv::CodeSaveAdminOnly, ""};
    }
    std::vector<const SheetField*> sent;
    for (const SheetField& field : kSheetFields) {
        if (!Has(call.form, field.szKey))
            continue;
        if (int iCode = CheckSheetValue(field, FormValue(call.form, field.szKey)))
            return {iCode, ""};
        sent.push_back(&field);
    }
    if (Has(call.form, "NAME")) {
        std::optional<Member> holder = call.store.FindByName(Trim(FormValue(call.form, "NAME")));
        if (holder && holder->id != target->id)
            return {zorv::CodeAddNameTaken, ""};
    }

    // Column names come from our own table; every value is bound.
    std::string strSql = "UPDATE characters SET modified_at = ?1, modified_by = ?2";
    int iParam = 3;
    for (const SheetField* pField : sent) {
        strSql += std::string(", ") + pField->szColumn + " = ?" + std::to_string(iParam++);
        if (pField->kind == SheetField::Kind::Name)
            strSql += ", name_key = ?" + std::to_string(iParam++);
    }
    strSql += " WHERE id = ?" + std::to_string(iParam);
    Statement update(call.db, strSql.c_str());
    update.Bind(1, NowStamp()).Bind(2, call.me.id);
    iParam = 3;
    for (const SheetField* pField : sent) {
        const std::string& strValue = FormValue(call.form, pField->szKey);
        switch (pField->kind) {
        case SheetField::Kind::Name:
            update.Bind(iParam++, Latin1ToUtf8(Trim(strValue)));
            update.Bind(iParam++, Latin1ToUtf8(NameKey(Trim(strValue))));
            break;
        case SheetField::Kind::Text:
        case SheetField::Kind::Skills:
            update.Bind(iParam++, Latin1ToUtf8(strValue));
            break;
        default:
            update.Bind(iParam++, std::int64_t(zorv::ParseWholeNumber(Trim(strValue)).value_or(0)));
        }
    }
    update.Bind(iParam, target->id).Run();
    return Ok();
}

Reply CharacterOp(Call& call) {
    std::optional<int> iId = IdField(call.form, "getcharid");
    if (!iId)
        return {zorv::CodeInvalidCharacter, ""};
    Statement query(call.db,
                    "SELECT id, name, level, rank, patron_id, num_followers, security_level, "
                    "class, race, sex, is_mule, mule_for, lifestone, tied_to, bio, skills, "
                    "real_name, city_state, misc_info, email, icq, modified_at, is_pk, "
                    "is_rescue, is_private, can_summon, main_char, modified_by, awards "
                    "FROM characters WHERE id = ?1");
    query.Bind(1, *iId);
    if (!query.Step())
        return {zorv::CodeCharacterNotFound, ""};
    auto T = [&](int i) { return Utf8ToLatin1(query.Text(i)); };
    auto N = [&](int i) { return std::to_string(query.Int(i)); };
    int iPatron = static_cast<int>(query.Int(4));
    zorv::Fields fields = {N(0),  T(1),  N(2),  N(3),  N(4),  std::string(), N(5),  N(6),  T(7),
                           N(8),  N(9),  N(10), T(11), T(12), T(13),         T(14), T(15), T(16),
                           T(17), T(18), T(19), T(20), "",    T(21),         "",    "",    N(22),
                           N(23), N(24), N(25), T(26), N(27), T(28)};
    query.Reset();
    fields[5] = call.store.VassalList(*iId);
    std::optional<Member> patron =
        iPatron == zorv::kNoCharacter ? std::nullopt : call.store.FindById(iPatron);
    fields[24] = patron ? patron->strName : "None";
    std::string strPath = fields[1];
    for (int iAncestor : call.store.Ancestors(*iId)) {
        if (std::optional<Member> ancestor = call.store.FindById(iAncestor))
            strPath += " > " + ancestor->strName;
    }
    fields[25] = strPath;
    return Ok(zorv::JoinFields(fields));
}

Reply ChangePasswordOp(Call& call, int iPasswordCode, const std::string& strNewHash) {
    std::optional<int> iTarget = IdField(call.form, "charid");
    if (!iTarget)
        return {zorv::CodeInvalidCharacter, ""};
    std::optional<Member> target = call.store.FindById(*iTarget);
    if (!target)
        return {zorv::CodeInvalidCharacter, ""};
    if (target->id != call.me.id && !IsAdmin(call.me))
        return {zorv::CodeSecurityViolation, ""};
    if (iPasswordCode)
        return {iPasswordCode, ""};
    Statement update(call.db, "UPDATE characters SET password_hash = ?1 WHERE id = ?2");
    update.Bind(1, strNewHash).Bind(2, target->id).Run();
    return Ok();
}

int NewPasswordCode(const Form& form) {
    const std::string& strNew = FormValue(form, "newpw");
    const std::string& strConfirm = FormValue(form, "confirmpw");
    auto Printable = [](const std::string& s) {
        return std::all_of(s.begin(), s.end(), [](char c) {
            unsigned char u = static_cast<unsigned char>(c);
            return u >= 0x20 && u != 0x7F;
        });
    };
    if (strNew.empty() || !Printable(strNew))
        return zorv::CodeInvalidNewPassword;
    if (int iCode = PasswordLengthCode(strNew))
        return iCode;
    if (strConfirm.empty() || !Printable(strConfirm))
        return zorv::CodeInvalidConfirmation;
    return strNew == strConfirm ? 0 : zorv::CodePasswordMismatch;
}

int ServerSetupCode(const Form& form) {
    std::string strGuild = Trim(FormValue(form, "guildname"));
    if (strGuild.empty() || strGuild.size() > 128 || HoldsMarker(strGuild))
        return zorv::CodeSetupInvalidGuild;
    const std::string& strDefault = FormValue(form, "defaultpw");
    if (!strDefault.empty() && PasswordLengthCode(strDefault))
        return zorv::CodeSetupInvalidDefault;
    const std::string& strUse = FormValue(form, "use_rescue_squad");
    if (strUse != "0" && strUse != "1")
        return zorv::CodeSetupInvalidRescueFlag;
    std::string strSquad = Trim(FormValue(form, "rescue_squad_name"));
    if (strUse == "1" && strSquad.empty())
        return zorv::CodeSetupInvalidRescueName;
    if (strSquad.size() > 128 || HoldsMarker(strSquad))
        return zorv::CodeSetupInvalidRescueName;
    return 0;
}

Reply ServerSetupOp(Call& call, const std::string& strNewDefaultHash) {
    if (!IsAdmin(call.me))
        return {zorv::CodeSetupNotAdmin, ""};
    if (int iCode = ServerSetupCode(call.form))
        return {iCode, ""};
    call.store.SetSetting("guild_name", Trim(FormValue(call.form, "guildname")));
    call.store.SetSetting("use_rescue_squad", FormValue(call.form, "use_rescue_squad"));
    call.store.SetSetting("rescue_squad_name", Trim(FormValue(call.form, "rescue_squad_name")));
    if (!strNewDefaultHash.empty()) {
        if (FormValue(call.form, "resetpw") != "1") {
            // Members still on the old default keep it: they get a copy of the old hash.
            Statement keep(call.db, "UPDATE characters SET password_hash = ?1 "
                                    "WHERE password_hash IS NULL");
            keep.Bind(1, call.store.DefaultHash()).Run();
        }
        call.store.SetSetting("default_password_hash", strNewDefaultHash);
    }
    return Ok();
}

int InitServerCode(const Form& form) {
    std::string strGuild = Trim(FormValue(form, "guildname"));
    if (strGuild.empty() || strGuild.size() > 128 || HoldsMarker(strGuild))
        return zorv::CodeInitInvalidGuild;
    if (PasswordLengthCode(FormValue(form, "defaultpw")))
        return zorv::CodeInitInvalidDefault;
    if (int iCode = PasswordLengthCode(FormValue(form, "password")))
        return iCode;
    std::string strName = Trim(FormValue(form, "charname"));
    if (!IsValidName(strName) || IsReservedName(strName))
        return zorv::CodeInvalidText;
    std::string strSquad = Trim(FormValue(form, "rescue_squad_name"));
    if (strSquad.size() > 128 || HoldsMarker(strSquad))
        return zorv::CodeInvalidText;
    return 0;
}

Reply InitServerOp(Database& db, Store& store, const Form& form, const std::string& strOwnHash,
                   const std::string& strDefaultHash) {
    if (store.IsSetUp()) // another caller set it up while the passwords were hashed
        return {zorv::CodeSetupNotAdmin, ""};
    store.SetSetting("default_password_hash", strDefaultHash);
    store.SetSetting("use_rescue_squad", FormValue(form, "use_rescue_squad") == "1" ? "1" : "0");
    store.SetSetting("rescue_squad_name", Trim(FormValue(form, "rescue_squad_name")));
    if (!store.Setting("max_vassals"))
        store.SetSetting("max_vassals", std::to_string(kDefaultMaxVassals));
    int id = store.FreeId();
    store.AddCharacter(id, Trim(FormValue(form, "charname")), zorv::kNoCharacter, kAdministrator,
                       id);
    Statement own(db, "UPDATE characters SET password_hash = ?1 WHERE id = ?2");
    own.Bind(1, strOwnHash).Bind(2, id).Run();
    // Written last: the guild name is what marks the server as set up.
    store.SetSetting("guild_name", Trim(FormValue(form, "guildname")));
    return Ok();
}

Reply ResetPasswordOp(Call& call) {
    if (!IsAdmin(call.me))
        return {zorv::CodeResetNotAdmin, ""};
    std::optional<int> iTarget = IdField(call.form, "resetid");
    if (!iTarget)
        return {zorv::CodeInvalidCharacter, ""};
    if (!call.store.FindById(*iTarget))
        return {zorv::CodeResetNoSuchCharacter, ""};
    Statement reset(call.db, "UPDATE characters SET password_hash = NULL WHERE id = ?1");
    reset.Bind(1, *iTarget).Run();
    return Ok();
}

Reply BackupOp(Call& call) {
    if (!IsAdmin(call.me))
        return {zorv::CodeBackupNotAdmin, ""};
    return Ok(DumpDatabase(call.db));
}

Reply SecurityLevelOp(Call& call) {
    if (!IsAdmin(call.me))
        return {zorv::CodeSecurityViolation, ""};
    std::optional<int> iTarget = IdField(call.form, "changeid");
    if (!iTarget)
        return {zorv::CodeLevelInvalidId, ""};
    std::optional<Member> target = call.store.FindById(*iTarget);
    if (!target)
        return {zorv::CodeLevelNoSuchCharacter, ""};
    const std::string strLevel = Trim(FormValue(call.form, "newlevel"));
    if (strLevel != "1" && strLevel != "3")
        return {zorv::CodeLevelInvalid, ""};
    int iLevel = strLevel == "3" ? kAdministrator : kNormalUser;
    if (iLevel != kAdministrator && target->iSecurity == kAdministrator &&
        call.store.CountAdministrators() <= 1)
        return {zorv::CodeLevelInvalid, ""};
    Statement update(call.db, "UPDATE characters SET security_level = ?1 WHERE id = ?2");
    update.Bind(1, iLevel).Bind(2, target->id).Run();
    return Ok();
}

Reply RescueListOp(Call& call) {
    Statement query(call.db, "SELECT id, name, level, lifestone, tied_to, can_summon, main_char, "
                             "email, icq FROM characters WHERE is_rescue = 1 ORDER BY name_key");
    std::string strPayload;
    while (query.Step()) {
        strPayload += zorv::JoinRecord({std::to_string(query.Int(0)), Utf8ToLatin1(query.Text(1)),
                                        std::to_string(query.Int(2)), Utf8ToLatin1(query.Text(3)),
                                        Utf8ToLatin1(query.Text(4)), std::to_string(query.Int(5)),
                                        Utf8ToLatin1(query.Text(6)), Utf8ToLatin1(query.Text(7)),
                                        Utf8ToLatin1(query.Text(8))});
    }
    return Ok(std::move(strPayload));
}

Reply PortalListOp(Call& call) {
    Statement query(call.db, "SELECT id, name, level, tied_to, lifestone FROM characters "
                             "WHERE can_summon = 1 ORDER BY name_key");
    std::string strPayload;
    while (query.Step()) {
        strPayload += zorv::JoinRecord({std::to_string(query.Int(0)), Utf8ToLatin1(query.Text(1)),
                                        std::to_string(query.Int(2)), Utf8ToLatin1(query.Text(3)),
                                        Utf8ToLatin1(query.Text(4))});
    }
    return Ok(std::move(strPayload));
}

Reply TradeSkillsOp(Call& call) {
    Statement query(call.db, "SELECT id, name, level, skills FROM characters "
                             "WHERE skills <> '' ORDER BY name_key");
    std::string strPayload;
    while (query.Step()) {
        std::optional<SkillMap> skills = ParseSkillString(Utf8ToLatin1(query.Text(3)));
        if (!skills)
            continue;
        bool bTrained = false;
        zorv::Fields fields = {std::to_string(query.Int(0)), Utf8ToLatin1(query.Text(1)),
                               std::to_string(query.Int(2))};
        for (int iSkill : {kSkillAlchemy, kSkillCooking, kSkillFletching}) {
            auto entry = skills->find(iSkill);
            if (entry != skills->end() && entry->second.iTraining >= kTrained)
                bTrained = true;
            fields.push_back(std::to_string(entry == skills->end() ? 0 : entry->second.lValue));
        }
        if (bTrained)
            strPayload += zorv::JoinRecord(fields);
    }
    return Ok(std::move(strPayload));
}

Reply SearchOp(Call& call) {
    std::optional<long> lRace = zorv::ParseWholeNumber(Trim(FormValue(call.form, "race")));
    std::optional<long> lRank = zorv::ParseWholeNumber(Trim(FormValue(call.form, "rank")));
    if (!Has(call.form, "race"))
        lRace = 0;
    if (!Has(call.form, "rank"))
        lRank = 0;
    if (!lRace || *lRace < 0 || *lRace > 3 || !lRank || *lRank < 0 || *lRank > 10)
        return {zorv::CodeInvalidNumber, ""};
    std::vector<std::pair<int, long>> wanted; // skill number, minimum value
    for (const std::string& strEntry : SplitList(FormValue(call.form, "skillsearch"), '!')) {
        std::vector<std::string> parts = SplitList(strEntry, ',');
        std::optional<long> lRow =
            parts.size() == 2 ? zorv::ParseWholeNumber(Trim(parts[0])) : std::nullopt;
        std::optional<long> lMin =
            parts.size() == 2 ? zorv::ParseWholeNumber(Trim(parts[1])) : std::nullopt;
        if (!lRow || *lRow < 1 || *lRow > kSkillCount || !lMin)
            return {zorv::CodeInvalidNumber, ""};
        if (*lMin != 0)
            wanted.emplace_back(static_cast<int>(*lRow), *lMin);
    }
    Statement query(call.db, "SELECT id, name, level, rank, race, skills FROM characters "
                             "WHERE (?1 = 0 OR race = ?1) AND (?2 = 0 OR rank = ?2) "
                             "ORDER BY name_key");
    query.Bind(1, std::int64_t(*lRace)).Bind(2, std::int64_t(*lRank));
    std::string strPayload;
    while (query.Step()) {
        if (!wanted.empty()) {
            std::optional<SkillMap> skills = ParseSkillString(Utf8ToLatin1(query.Text(5)));
            bool bMatch = skills.has_value();
            for (const auto& [iSkill, lMin] : wanted) {
                if (!bMatch)
                    break;
                auto entry = skills->find(iSkill);
                bMatch = entry != skills->end() && entry->second.lValue >= lMin;
            }
            if (!bMatch)
                continue;
        }
        strPayload += zorv::JoinRecord({std::to_string(query.Int(0)), Utf8ToLatin1(query.Text(1)),
                                        std::to_string(query.Int(2)), std::to_string(query.Int(3)),
                                        std::to_string(query.Int(4))});
    }
    return Ok(std::move(strPayload));
}
