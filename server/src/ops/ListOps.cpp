#include "ListOps.h"

#include "CharacterRows.h"
#include "ListTables.h"

#include "Numbers.h"
#include "Records.h"
#include "ResultCodes.h"
#include "Skills.h"
#include "Text.h"
#include "TreeFeed.h"

namespace {

// Every character the filter lets through, one record each of the named columns.
std::string ListOf(Call& call, const std::vector<std::string>& columns,
                   const CharacterFilter& filter) {
    std::string strPayload;
    ForEachCharacter(call.db, columns, filter, [&](const std::vector<std::string>& values) {
        strPayload += zorv::JoinRecord(values);
    });
    return strPayload;
}

} // namespace

namespace {

// A flagged list: id, name, level and the list's columns of every member with its flag.
Reply FlaggedList(Call& call, const zorv::GuildList& list) {
    CharacterFilter flagged;
    flagged.szFlag = ColumnOf(list.flag)->szName;
    std::vector<std::string> columns = {"id", "name", "level"};
    for (std::size_t i = 0; i < list.nColumns; ++i)
        columns.push_back(ColumnOf(list.pColumns[i].field)->szName);
    return Ok(ListOf(call, columns, flagged));
}

} // namespace

Reply RescueListOp(Call& call) {
    return FlaggedList(call, zorv::kRescueList);
}

Reply PortalListOp(Call& call) {
    return FlaggedList(call, zorv::kPortalList);
}

Reply TradeSkillsOp(Call& call) {
    CharacterFilter trained;
    trained.bWithSkills = true;
    std::string strPayload;
    ForEachCharacter(call.db, {"id", "name", "level", "skills"}, trained, [&](const auto& row) {
        std::optional<std::vector<long>> values = TradeSkillListValues(row[3]);
        if (!values)
            return;
        zorv::Fields fields = {row[0], row[1], row[2]};
        for (long lValue : *values)
            fields.push_back(std::to_string(lValue));
        strPayload += zorv::JoinRecord(fields);
    });
    return Ok(std::move(strPayload));
}

// A refused criterion names itself in one escaped field, e.g. "The minimum '12.5' of Sword is not
// a whole number"; older clients read only the code.
Reply SearchOp(Call& call) {
    auto Refuse = [](const Fault& fault) { return RefuseValue(zorv::CodeInvalidNumber, fault); };
    long lCriteria[2] = {0, 0}; // race, rank; absent is 0, any
    const struct {
        const char* szField;
        long lHigh;
    } criteria[] = {{"race", 3}, {"rank", 10}};
    for (int i = 0; i < 2; ++i) {
        if (!HasField(call.form, criteria[i].szField))
            continue;
        const std::string& strValue = FormValue(call.form, criteria[i].szField);
        if (std::optional<Fault> fault = WholeNumberFault(
                strValue, Quantity::Value, criteria[i].szField, 0, criteria[i].lHigh))
            return Refuse(*fault);
        lCriteria[i] = *zorv::ParseWholeNumber(Trim(strValue));
    }
    std::vector<std::pair<int, long>> wanted; // skill number, minimum value
    for (const std::string& strEntry :
         SplitList(FormValue(call.form, zorv::form::kSkillSearch), '!')) {
        std::vector<std::string> parts = SplitList(strEntry, ',');
        if (parts.size() != 2)
            return Refuse(Fault{zorv::Refusal::NotASearchEntry,
                                {Quoted(strEntry), zorv::form::kSkillSearch}});
        std::optional<Fault> fault = WholeNumberFault(parts[0], Quantity::SkillNumber,
                                                      zorv::form::kSkillSearch, 1, kSkillCount);
        if (!fault)
            fault = WholeNumberFault(parts[1], Quantity::Minimum,
                                     SkillName(*zorv::ParseWholeNumber(Trim(parts[0]))), -999999999,
                                     999999999);
        if (fault)
            return Refuse(*fault);
        long lMin = *zorv::ParseWholeNumber(Trim(parts[1]));
        if (lMin != 0)
            wanted.emplace_back(static_cast<int>(*zorv::ParseWholeNumber(Trim(parts[0]))), lMin);
    }
    CharacterFilter matching;
    matching.lRace = lCriteria[0];
    matching.lRank = lCriteria[1];
    std::string strPayload;
    ForEachCharacter(call.db, {"id", "name", "level", "rank", "race", "skills"}, matching,
                     [&](const auto& row) {
                         if (!wanted.empty()) {
                             std::optional<SkillMap> skills = ParseSkillString(row[5]);
                             bool bMatch = skills.has_value();
                             for (const auto& [iSkill, lMin] : wanted) {
                                 if (!bMatch)
                                     break;
                                 auto entry = skills->find(iSkill);
                                 bMatch = entry != skills->end() && entry->second.lValue >= lMin;
                             }
                             if (!bMatch)
                                 return;
                         }
                         strPayload += zorv::JoinRecord({row[0], row[1], row[2], row[3], row[4]});
                     });
    return Ok(std::move(strPayload));
}

Reply GuildFactsOp(Call& call) {
    const bool bAdminPart = Trim(FormValue(call.form, zorv::form::kAdminPart)) == "1";
    if (bAdminPart && !IsAdmin(call.me))
        return {zorv::CodeSecurityViolation, ""};
    // The members' records change only with a change or a save: built once per feed generation.
    std::string strPayload = zorv::JoinRecord({std::to_string(call.store.MaxVassals())});
    strPayload += *call.pTreeCache->Answer("facts", FeedGeneration(call.db), [&] {
        return ListOf(call,
                      {"id", "race", "sex", "num_followers", "is_mule", "main_char", "modified_at"},
                      {});
    });
    if (bAdminPart) {
        for (int id : OnDefaultPassword(call.db))
            strPayload += zorv::JoinRecord({"D", std::to_string(id)});
        for (const auto& [id, strLastLogin] : AdministratorLogins(call.db))
            strPayload += zorv::JoinRecord({"L", std::to_string(id), strLastLogin});
    }
    return Ok(std::move(strPayload));
}
