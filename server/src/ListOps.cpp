#include "ListOps.h"

#include "Numbers.h"
#include "Records.h"
#include "ResultCodes.h"
#include "Skills.h"
#include "Text.h"

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

// A refused criterion names itself in one escaped field, e.g. "The minimum '12.5' of Sword is not
// a whole number"; older clients read only the code.
Reply SearchOp(Call& call) {
    auto Refuse = [](const std::string& strWhy) {
        return Reply{zorv::CodeInvalidNumber, zorv::JoinFields({strWhy})};
    };
    long lCriteria[2] = {0, 0}; // race, rank; absent is 0, any
    const struct {
        const char* szField;
        long lHigh;
    } criteria[] = {{"race", 3}, {"rank", 10}};
    for (int i = 0; i < 2; ++i) {
        if (!HasField(call.form, criteria[i].szField))
            continue;
        const std::string& strValue = FormValue(call.form, criteria[i].szField);
        std::string strFault =
            WholeNumberFault(strValue, "value", criteria[i].szField, 0, criteria[i].lHigh);
        if (!strFault.empty())
            return Refuse(strFault);
        lCriteria[i] = *zorv::ParseWholeNumber(Trim(strValue));
    }
    std::vector<std::pair<int, long>> wanted; // skill number, minimum value
    for (const std::string& strEntry : SplitList(FormValue(call.form, "skillsearch"), '!')) {
        std::vector<std::string> parts = SplitList(strEntry, ',');
        if (parts.size() != 2)
            return Refuse("The entry " + Quoted(strEntry) + " of skillsearch is not skill,minimum");
        std::string strFault =
            WholeNumberFault(parts[0], "skill number", "skillsearch", 1, kSkillCount);
        if (strFault.empty())
            strFault = WholeNumberFault(parts[1], "minimum",
                                        SkillName(*zorv::ParseWholeNumber(Trim(parts[0]))),
                                        -999999999, 999999999);
        if (!strFault.empty())
            return Refuse(strFault);
        long lMin = *zorv::ParseWholeNumber(Trim(parts[1]));
        if (lMin != 0)
            wanted.emplace_back(static_cast<int>(*zorv::ParseWholeNumber(Trim(parts[0]))), lMin);
    }
    Statement query(call.db, "SELECT id, name, level, rank, race, skills FROM characters "
                             "WHERE (?1 = 0 OR race = ?1) AND (?2 = 0 OR rank = ?2) "
                             "ORDER BY name_key");
    query.Bind(1, std::int64_t(lCriteria[0])).Bind(2, std::int64_t(lCriteria[1]));
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
