#include "AdminOps.h"

#include "CharacterRows.h"
#include "Dump.h"
#include "History.h"
#include "Numbers.h"
#include "Protocol.h"
#include "ResultCodes.h"
#include "Text.h"

#include <algorithm>

namespace {

// Password rules shared by the set-up and the password change: 0 when acceptable, else
// CodePasswordTooLong or CodePasswordTooShort.
int PasswordLengthCode(const std::string& strPassword) {
    if (TextLength(strPassword) > static_cast<std::size_t>(zorv::kMaxPasswordLength))
        return zorv::CodePasswordTooLong;
    if (TextLength(strPassword) < static_cast<std::size_t>(zorv::kMinPasswordLength))
        return zorv::CodePasswordTooShort;
    return 0;
}

// The guild's and the rescue squad's names: short, and sent back in every login reply.
bool FitsSetting(const std::string& strText) {
    return TextLength(strText) <= 128 && !HoldsMarker(strText);
}

} // namespace

Reply ChangePasswordOp(Call& call) {
    Member target;
    if (int iCode = FindByIdField(call, zorv::form::kCharId, zorv::CodeInvalidCharacter,
                                  zorv::CodeInvalidCharacter, target))
        return {iCode, ""};
    if (target.id != call.me.id && !IsAdmin(call.me))
        return {zorv::CodeSecurityViolation, ""};
    if (call.iHashCode)
        return {call.iHashCode, ""};
    SetPasswordHash(call.db, target.id, call.strHash);
    call.changes.push_back(
        {history::Kind::Password, target.id, target.strName, {{"password", "", ""}}});
    return Ok();
}

int NewPasswordCode(const Form& form) {
    const std::string& strNew = FormValue(form, zorv::form::kNewPassword);
    const std::string& strConfirm = FormValue(form, zorv::form::kConfirmPassword);
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
    std::string strGuild = Trim(FormValue(form, zorv::form::kGuildName));
    if (strGuild.empty() || !FitsSetting(strGuild))
        return zorv::CodeSetupInvalidGuild;
    const std::string& strDefault = FormValue(form, zorv::form::kDefaultPassword);
    if (!strDefault.empty() && PasswordLengthCode(strDefault))
        return zorv::CodeSetupInvalidDefault;
    const std::string& strUse = FormValue(form, zorv::form::kUseRescueSquad);
    if (strUse != "0" && strUse != "1")
        return zorv::CodeSetupInvalidRescueFlag;
    std::string strSquad = Trim(FormValue(form, zorv::form::kRescueSquadName));
    if (strUse == "1" && strSquad.empty())
        return zorv::CodeSetupInvalidRescueName;
    if (!FitsSetting(strSquad))
        return zorv::CodeSetupInvalidRescueName;
    return 0;
}

int ServerSetupHashCode(const Form& form, const Member& me) {
    if (!IsAdmin(me))
        return zorv::CodeSetupNotAdmin;
    if (int iCode = ServerSetupCode(form))
        return iCode;
    return FormValue(form, zorv::form::kDefaultPassword).empty() ? zorv::CodeSetupInvalidDefault
                                                                 : 0;
}

Reply ServerSetupOp(Call& call) {
    const std::string& strNewDefaultHash = call.strHash;
    if (int iCode = ServerSetupCode(call.form))
        return {iCode, ""};
    history::Entry entry{history::Kind::Setup, zorv::kNoCharacter, "", {}};
    const std::pair<const char*, std::string> settings[] = {
        {"guild_name", Trim(FormValue(call.form, zorv::form::kGuildName))},
        {"use_rescue_squad", FormValue(call.form, zorv::form::kUseRescueSquad)},
        {"rescue_squad_name", Trim(FormValue(call.form, zorv::form::kRescueSquadName))},
    };
    for (const auto& [szKey, strNew] : settings) {
        std::string strOld = call.store.Setting(szKey).value_or("");
        if (strOld != strNew)
            entry.changes.push_back({szKey, strOld, strNew});
    }
    if (!strNewDefaultHash.empty())
        entry.changes.push_back({"default_password", "", ""});
    call.changes.push_back(entry);
    call.store.SetSetting("guild_name", Trim(FormValue(call.form, zorv::form::kGuildName)));
    call.store.SetSetting("use_rescue_squad", FormValue(call.form, zorv::form::kUseRescueSquad));
    call.store.SetSetting("rescue_squad_name",
                          Trim(FormValue(call.form, zorv::form::kRescueSquadName)));
    if (!strNewDefaultHash.empty()) {
        if (FormValue(call.form, zorv::form::kResetPasswords) != "1") {
            // Members still on the old default keep it: they get a copy of the old hash.
            KeepDefaultHash(call.db, call.store.DefaultHash());
        }
        call.store.SetSetting("default_password_hash", strNewDefaultHash);
    }
    return Ok();
}

int InitServerCode(const Form& form) {
    std::string strGuild = Trim(FormValue(form, zorv::form::kGuildName));
    if (strGuild.empty() || !FitsSetting(strGuild))
        return zorv::CodeInitInvalidGuild;
    if (PasswordLengthCode(FormValue(form, zorv::form::kDefaultPassword)))
        return zorv::CodeInitInvalidDefault;
    if (int iCode = PasswordLengthCode(FormValue(form, zorv::form::kPassword)))
        return iCode;
    std::string strName = Trim(FormValue(form, zorv::form::kCharName));
    if (!IsValidName(strName) || IsReservedName(strName))
        return zorv::CodeInvalidText;
    std::string strSquad = Trim(FormValue(form, zorv::form::kRescueSquadName));
    if (!FitsSetting(strSquad))
        return zorv::CodeInvalidText;
    return 0;
}

Reply InitServerOp(Database& db, Store& store, const Form& form, const std::string& strOwnHash,
                   const std::string& strDefaultHash, const GuildOptions& options) {
    // Another caller may have set it up while the passwords were hashed.
    if (store.IsSetUp() || store.CountCharacters() > 0)
        return {zorv::CodeSetupNotAdmin, ""};
    store.SetSetting("default_password_hash", strDefaultHash);
    store.SetSetting("use_rescue_squad",
                     FormValue(form, zorv::form::kUseRescueSquad) == "1" ? "1" : "0");
    store.SetSetting("rescue_squad_name", Trim(FormValue(form, zorv::form::kRescueSquadName)));
    if (!store.Setting("max_vassals"))
        store.SetSetting("max_vassals", std::to_string(kDefaultMaxVassals));
    int id = store.FreeId();
    store.AddCharacter(id, Trim(FormValue(form, zorv::form::kCharName)), zorv::kNoCharacter,
                       zorv::kSecurityAdministrator, id);
    SetPasswordHash(db, id, strOwnHash);
    // Written last: the guild name is what marks the server as set up.
    store.SetSetting("guild_name", Trim(FormValue(form, zorv::form::kGuildName)));
    Member founder = *store.FindById(id);
    Call call{db, store, form, founder, options, {}, 0, nullptr, {}, {}, false, {}};
    call.changes.push_back({history::Kind::Init,
                            id,
                            founder.strName,
                            {{"guild_name", "", Trim(FormValue(form, zorv::form::kGuildName))}}});
    history::WriteChanges(call);
    return Ok();
}

Reply ResetPasswordOp(Call& call) {
    Member target;
    if (int iCode = FindByIdField(call, zorv::form::kResetId, zorv::CodeInvalidCharacter,
                                  zorv::CodeResetNoSuchCharacter, target))
        return {iCode, ""};
    SetPasswordHash(call.db, target.id, std::nullopt);
    call.changes.push_back(
        {history::Kind::Reset, target.id, target.strName, {{"password", "", ""}}});
    return Ok();
}

namespace {

// The dump as the reply is written: at most a piece and a row in memory at a time.
class DumpStream final : public PayloadStream {
public:
    explicit DumpStream(Database& db) : m_reader(db) {}
    bool Next(std::string& strOut) override { return m_reader.Next(strOut, kPieceBytes); }

private:
    static constexpr std::size_t kPieceBytes = 32 * 1024;
    DumpReader m_reader;
};

} // namespace

Reply BackupOp(Call& call) {
    // Read from the operation's own read transaction, which the reply keeps open until the dump
    // is written: the dump is the moment the caller was found an administrator.
    Reply reply = Ok();
    reply.pStream = std::make_unique<DumpStream>(call.db);
    return reply;
}

Reply SecurityLevelOp(Call& call) {
    Member target;
    if (int iCode = FindByIdField(call, zorv::form::kChangeId, zorv::CodeLevelInvalidId,
                                  zorv::CodeLevelNoSuchCharacter, target))
        return {iCode, ""};
    const std::string strLevel = Trim(FormValue(call.form, zorv::form::kNewLevel));
    if (strLevel != "1" && strLevel != "3")
        return {zorv::CodeLevelInvalid, ""};
    int iLevel = strLevel == "3" ? zorv::kSecurityAdministrator : zorv::kSecurityNormal;
    if (iLevel != zorv::kSecurityAdministrator &&
        target.iSecurity == zorv::kSecurityAdministrator && call.store.CountAdministrators() <= 1)
        return {zorv::CodeLevelInvalid, ""};
    SetSecurityLevel(call.db, target.id, iLevel);
    call.changes.push_back(
        {history::Kind::Level,
         target.id,
         target.strName,
         {{"security_level", std::to_string(target.iSecurity), std::to_string(iLevel)}}});
    return Ok();
}
