#include "CharacterOps.h"

#include "Numbers.h"
#include "Protocol.h"
#include "Records.h"
#include "ResultCodes.h"
#include "Skills.h"
#include "Text.h"

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

    if (!IsAdmin(call.me) && HasField(call.form, "ADMIN_ONLY")) {
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
        if (!HasField(call.form, field.szKey))
            continue;
        if (int iCode = CheckSheetValue(field, FormValue(call.form, field.szKey)))
            return {iCode, ""};
        sent.push_back(&field);
    }
    if (HasField(call.form, "NAME")) {
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
