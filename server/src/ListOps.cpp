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

Reply SearchOp(Call& call) {
    std::optional<long> lRace = zorv::ParseWholeNumber(Trim(FormValue(call.form, "race")));
    std::optional<long> lRank = zorv::ParseWholeNumber(Trim(FormValue(call.form, "rank")));
    if (!HasField(call.form, "race"))
        lRace = 0;
    if (!HasField(call.form, "rank"))
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
