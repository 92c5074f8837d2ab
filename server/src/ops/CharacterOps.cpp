#include "CharacterOps.h"

#include "CharacterRows.h"
#include "History.h"

#include "Numbers.h"
#include "Protocol.h"
#include "Records.h"
#include "ResultCodes.h"
#include "Skills.h"
#include "Text.h"

#include <iterator>

Reply LoginOp(Call& call) {
    std::optional<std::string> strRescue = call.store.Setting("use_rescue_squad");
    return Ok(zorv::JoinFields({zorv::kVersion, std::to_string(call.me.id), call.me.strName,
                                std::to_string(call.me.iSecurity),
                                call.store.Setting("guild_name").value_or(""),
                                strRescue.value_or("0") == "1" ? "1" : "0",
                                call.store.Setting("rescue_squad_name").value_or("")}));
}

namespace {

const char* const kNameKey = zorv::FieldInfo(zorv::RecordField::Name).szSaveKey;
const char* const kAwardsKey = zorv::FieldInfo(zorv::RecordField::Awards).szSaveKey;

// A sheet field's value as the save stores it: the form's, except that a skill whose value the
// member left empty counts as 0.
std::string SentValue(const Form& form, const SheetField& field) {
    const std::string& strValue = FormValue(form, field.szKey);
    return field.kind == SheetField::Kind::Skills ? SkillStringAsSaved(strValue) : strValue;
}

// A refused sheet value's reply, or code 0 when the value may be stored.
Reply CheckSheetValue(const SheetField& field, const std::string& strValue) {
    using K = SheetField::Kind;
    using R = zorv::Refusal;
    auto InRange = [&](long lLow, long lHigh) {
        std::optional<Fault> fault =
            WholeNumberFault(strValue, Quantity::Value, field.szCaption, lLow, lHigh);
        return fault ? RefuseValue(zorv::CodeInvalidNumber, *fault) : Reply{0, ""};
    };
    auto Refuse = [&](int iCode, R why, std::vector<std::string> more = {}) {
        std::vector<std::string> params{Quoted(strValue), field.szCaption};
        params.insert(params.end(), more.begin(), more.end());
        return RefuseValue(iCode, Fault{why, std::move(params)});
    };
    const std::string strLimit = std::to_string(field.nMaxLength);
    switch (field.kind) {
    case K::Name: {
        std::string strName = Trim(strValue);
        if (!IsValidName(strName))
            return Refuse(zorv::CodeInvalidText, R::NotAName);
        if (IsReservedName(strName))
            return Refuse(zorv::CodeInvalidText, R::ReservedName);
        return {0, ""};
    }
    case K::Text:
        if (static_cast<int>(TextLength(strValue)) > field.nMaxLength)
            return Refuse(zorv::CodeInvalidText, R::TextTooLong, {strLimit});
        if (HoldsMarker(strValue))
            return RefuseValue(zorv::CodeInvalidText, Fault{R::HoldsMarker, {field.szCaption}});
        return {0, ""};
    case K::Number:
        return Trim(strValue).empty() ? Reply{0, ""} : InRange(field.nLow, field.nHigh);
    case K::Race:
    case K::Sex:
    case K::Rank:
        return InRange(field.nLow, field.nHigh);
    case K::Flag:
        if (strValue == "0" || strValue == "1")
            return {0, ""};
        return Refuse(zorv::CodeInvalidNumber, R::NotAFlag);
    case K::Skills: {
        if (static_cast<int>(TextLength(strValue)) > field.nMaxLength)
            return RefuseValue(zorv::CodeInvalidText,
                               Fault{R::ListTooLong, {field.szCaption, strLimit}});
        Fault fault{};
        if (!ParseSkillString(strValue, &fault, field.szCaption))
            return RefuseValue(zorv::CodeInvalidNumber, fault);
        return {0, ""};
    }
    default: // the record's other fields are never saved
        break;
    }
    return Refuse(zorv::CodeInvalidNumber, R::NotAcceptable);
}

// Who may save a sheet: the caller, writing under his own `charid`, on a character he may act
// on. 0 with `target` filled, or the refusing code.
int CheckSaveRights(Call& call, Member& target) {
    std::optional<int> iUpdate = IdField(call.form, zorv::kSaveTarget);
    std::optional<int> iCharId = IdField(call.form, zorv::form::kCharId);
    if (!iUpdate || !iCharId)
        return zorv::CodeInvalidCharacter;
    std::optional<Member> found = call.store.FindById(*iUpdate);
    if (!found)
        return zorv::CodeSaveNoSuchCharacter;
    if (!call.store.FindById(*iCharId))
        return zorv::CodeSaveNoSuchEditor;
    if (*iCharId != call.me.id || !MayActOn(call.store, call.me, found->id))
        return zorv::CodeSecurityViolation;
    target = *found;
    return 0;
}

// A save that names the revision its sheet was read at is refused once the record has been saved
// since, with the last editor's name ("Unknown" when that character is gone) and the time as the
// character payload shows it. A save without a revision, from an older client, is not checked.
// 0, or the refusing code with strPayload filled: the last edit for CodeSaveStale, which value was
// refused for CodeInvalidNumber.
int CheckRevision(Call& call, const Member& target, std::string& strPayload) {
    if (!HasField(call.form, zorv::kSaveRevision))
        return 0;
    const std::string& strRevision = FormValue(call.form, zorv::kSaveRevision);
    std::optional<long> lRevision = zorv::ParseWholeNumber(Trim(strRevision));
    if (!lRevision) {
        Reply refusal = RefuseValue(
            zorv::CodeInvalidNumber,
            *WholeNumberFault(strRevision, Quantity::Value, zorv::kSaveRevision, 0, 999999999));
        strPayload = std::move(refusal.strPayload);
        return refusal.iCode;
    }
    std::vector<std::string> stored =
        ReadColumns(call.db, target.id, {"revision", "modified_at", "modified_by"});
    if (*lRevision >= DumpNumber(stored[0]).value_or(0))
        return 0;
    std::optional<Member> editor =
        call.store.FindById(static_cast<int>(DumpNumber(stored[2]).value_or(0)));
    strPayload = zorv::JoinFields({editor ? editor->strName : "Unknown", stored[1]});
    return zorv::CodeSaveStale;
}

// The awards only an administrator changes. The client sends them back with every save, so only
// a changed text is refused.
int CheckAwards(Call& call, const Member& target) {
    if (IsAdmin(call.me) || !HasField(call.form, kAwardsKey))
        return 0;
    std::string strStored = ReadColumn(call.db, target.id, "awards");
    return strStored == FormValue(call.form, kAwardsKey) ? 0 : zorv::CodeSaveAdminOnly;
}

// The sheet fields the request carries, in the sheet's order. Code 0 with `sent` filled, or the
// refusal of the first refused value.
Reply CheckSheetValues(Call& call, const Member& target, std::vector<const SheetField*>& sent) {
    for (const SheetField& field : kSheetFields) {
        if (!HasField(call.form, field.szKey))
            continue;
        Reply refusal = CheckSheetValue(field, SentValue(call.form, field));
        if (refusal.iCode)
            return refusal;
        sent.push_back(&field);
    }
    if (HasField(call.form, kNameKey)) {
        std::optional<Member> holder = call.store.FindByName(Trim(FormValue(call.form, kNameKey)));
        if (holder && holder->id != target.id)
            return {zorv::CodeAddNameTaken, ""}; // the same "name already in the tree" as adding
    }
    return {0, ""};
}

// The values a save writes, as the row holds them.
std::vector<ColumnValue> SheetValues(Call& call, const std::vector<const SheetField*>& sent) {
    std::vector<ColumnValue> values;
    for (const SheetField* pField : sent) {
        const std::string strValue = SentValue(call.form, *pField);
        std::string strStored;
        switch (pField->kind) {
        case SheetField::Kind::Name:
            strStored = Trim(strValue);
            break;
        case SheetField::Kind::Text:
        case SheetField::Kind::Skills:
            strStored = strValue;
            break;
        default:
            strStored = std::to_string(zorv::ParseWholeNumber(Trim(strValue)).value_or(0));
        }
        values.push_back({pField->szColumn, std::move(strStored)});
    }
    return values;
}

// The values a save changes, old and new, before it is written.
std::vector<history::Change> SheetChanges(Call& call, int iTarget,
                                          const std::vector<ColumnValue>& values) {
    std::vector<std::string> columns;
    for (const ColumnValue& value : values)
        columns.push_back(value.strColumn);
    std::vector<std::string> old =
        columns.empty() ? std::vector<std::string>() : ReadColumns(call.db, iTarget, columns);
    std::vector<history::Change> changes;
    for (std::size_t i = 0; i < values.size(); ++i)
        if (old[i] != values[i].strValue)
            changes.push_back({values[i].strColumn, old[i], values[i].strValue});
    return changes;
}

// "Self > Patron > ... > Monarch"; a monarch's path is its own name.
std::string PathToMonarch(Store& store, int id, const std::string& strName) {
    std::string strPath = strName;
    for (int iAncestor : store.Ancestors(id)) {
        if (std::optional<Member> ancestor = store.FindById(iAncestor))
            strPath += " > " + ancestor->strName;
    }
    return strPath;
}

} // namespace

Reply SaveOp(Call& call) {
    Member target;
    if (int iCode = CheckSaveRights(call, target))
        return {iCode, ""};
    // The revision comes once the caller may act on the character, since its refusal names who
    // edited it, and before the awards: a stale sheet carries the awards as they were before an
    // administrator changed them, which is a stale save, not an attempt to change them.
    std::string strPayload;
    if (int iCode = CheckRevision(call, target, strPayload))
        return {iCode, strPayload};
    if (int iCode = CheckAwards(call, target))
        return {iCode, ""};
    std::vector<const SheetField*> sent;
    Reply refusal = CheckSheetValues(call, target, sent);
    if (refusal.iCode)
        return refusal;
    std::vector<ColumnValue> values = SheetValues(call, sent);
    std::vector<history::Change> changes = SheetChanges(call, target.id, values);
    WriteColumns(call.db, target.id, values, call.me.id);
    call.changes.push_back(
        {history::Kind::Save, target.id,
         HasField(call.form, kNameKey) ? Trim(FormValue(call.form, kNameKey)) : target.strName,
         std::move(changes)});
    return Ok();
}

Reply CharacterOp(Call& call) {
    Member character;
    if (int iCode = FindByIdField(call, zorv::form::kGetCharId, zorv::CodeInvalidCharacter,
                                  zorv::CodeCharacterNotFound, character))
        return {iCode, ""};
    std::optional<Member> patron = character.iPatron == zorv::kNoCharacter
                                       ? std::nullopt
                                       : call.store.FindById(character.iPatron);
    std::string strVassalIds = call.store.VassalList(character.id);
    std::string strPatronName = patron ? patron->strName : "None";
    std::string strPath = PathToMonarch(call.store, character.id, character.strName);

    zorv::Fields fields = ReadRecord(call.db, character.id);
    if (fields.empty())
        return {zorv::CodeCharacterNotFound, ""};
    for (const zorv::RecordFieldInfo& field : zorv::kRecordFields) {
        std::string& strField = fields[field.iPayload];
        if (field.kind == zorv::RecordKind::VassalIds)
            strField = strVassalIds;
        else if (field.kind == zorv::RecordKind::Patron)
            strField = strPatronName;
        else if (field.kind == zorv::RecordKind::Path)
            strField = strPath;
    }
    return Ok(zorv::JoinFields(fields));
}
