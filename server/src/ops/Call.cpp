#include "Call.h"

#include "Numbers.h"
#include "Protocol.h"
#include "Records.h"
#include "ResultCodes.h"
#include "Text.h"

const std::string& FormValue(const Form& form, const char* szName) {
    static const std::string kEmpty;
    auto it = form.find(szName);
    return it == form.end() ? kEmpty : it->second;
}

bool HasField(const Form& form, const char* szName) {
    return form.count(szName) != 0;
}

std::optional<int> IdField(const Form& form, const char* szName) {
    std::optional<long> lValue = zorv::ParseWholeNumber(Trim(FormValue(form, szName)));
    if (!lValue || *lValue < -32768 || *lValue > 32767)
        return std::nullopt;
    return static_cast<int>(*lValue);
}

bool IsAdmin(const Member& me) {
    return me.iSecurity == zorv::kSecurityAdministrator;
}

bool MayActOn(Store& store, const Member& me, int iTarget) {
    return me.id == iTarget || IsAdmin(me) || store.IsAbove(me.id, iTarget);
}

int FindByIdField(Call& call, const char* szField, int iNotAnId, int iNotFound, Member& member) {
    std::optional<int> id = IdField(call.form, szField);
    if (!id)
        return iNotAnId;
    std::optional<Member> found = call.store.FindById(*id);
    if (!found)
        return iNotFound;
    member = *found;
    return 0;
}

int CheckCharId(Call& call) {
    std::optional<int> iCharId = IdField(call.form, zorv::form::kCharId);
    if (!iCharId)
        return zorv::CodeInvalidCharacter;
    return *iCharId == call.me.id ? 0 : zorv::CodeSecurityViolation;
}

Reply Ok(std::string strPayload) {
    return {zorv::CodeOk, std::move(strPayload)};
}

Reply RefuseValue(int iCode, const Fault& fault) {
    std::vector<std::string> fields{English(fault), std::to_string(static_cast<int>(fault.why))};
    fields.insert(fields.end(), fault.params.begin(), fault.params.end());
    return {iCode, zorv::JoinFields(fields)};
}

Reply RefuseValue(int iCode, const std::string& strWhy) {
    return {iCode, zorv::JoinFields({strWhy})};
}
