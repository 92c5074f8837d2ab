#include "Skills.h"

#include "Catalogue.h"
#include "ListTables.h"
#include "Numbers.h"
#include "Text.h"

static_assert(kSkillCount == zorv::kSkillCount, "the catalogue names every skill");

std::optional<SkillMap> ParseSkillString(const std::string& strSkills, Fault* pFault,
                                         const std::string& strField) {
    auto Refuse = [&](std::optional<Fault> fault) -> std::optional<SkillMap> {
        if (pFault && fault)
            *pFault = std::move(*fault);
        return std::nullopt;
    };
    SkillMap skills;
    for (const std::string& strEntry : SplitList(strSkills, '!')) {
        std::vector<std::string> parts = SplitList(strEntry, ',');
        if (parts.size() != 3)
            return Refuse(Fault{zorv::Refusal::NotASkillEntry, {Quoted(strEntry), strField}});
        std::optional<long> lNumber = zorv::ParseWholeNumber(Trim(parts[0]));
        std::optional<long> lTraining = zorv::ParseWholeNumber(Trim(parts[1]));
        std::optional<long> lValue = zorv::ParseWholeNumber(Trim(parts[2]));
        // The sentences are made only for a refusal: the lists read every member's string.
        if (!lNumber || *lNumber < 1 || *lNumber > kSkillCount)
            return Refuse(
                WholeNumberFault(parts[0], Quantity::SkillNumber, strField, 1, kSkillCount));
        if (!lTraining || *lTraining < 0 || *lTraining > 3)
            return Refuse(
                WholeNumberFault(parts[1], Quantity::Training, SkillName(*lNumber), 0, 3));
        if (!lValue)
            return Refuse(WholeNumberFault(parts[2], Quantity::Value, SkillName(*lNumber),
                                           -999999999, 999999999));
        if (!skills
                 .emplace(static_cast<int>(*lNumber),
                          SkillEntry{static_cast<int>(*lTraining), *lValue})
                 .second)
            return Refuse(Fault{zorv::Refusal::SkillTwice, {SkillName(*lNumber), strField}});
    }
    return skills;
}

std::string SkillStringAsSaved(const std::string& strSkills) {
    std::vector<std::string> entries = SplitList(strSkills, '!');
    std::string strOut;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        std::vector<std::string> parts = SplitList(entries[i], ',');
        if (parts.size() == 3 && Trim(parts[2]).empty())
            entries[i] = parts[0] + "," + parts[1] + ",0";
        strOut += (i ? "!" : "") + entries[i];
    }
    return strOut;
}

std::string SkillName(long lSkill) {
    if (lSkill < 1 || lSkill > kSkillCount)
        return std::to_string(lSkill);
    return zorv::kSkillCatalogue[lSkill - 1].szName;
}

std::optional<std::vector<long>> TradeSkillListValues(const std::string& strSkills) {
    std::optional<SkillMap> skills = ParseSkillString(strSkills);
    if (!skills)
        return std::nullopt;
    bool bTrained = false;
    std::vector<long> values;
    for (const zorv::ListColumn& column : zorv::kTradeSkillListColumns) {
        auto entry = skills->find(column.iSkill);
        if (entry != skills->end() && entry->second.iTraining >= zorv::kListTraining)
            bTrained = true;
        values.push_back(entry == skills->end() ? 0 : entry->second.lValue);
    }
    if (!bTrained)
        return std::nullopt;
    return values;
}
