#include "Skills.h"

#include "Numbers.h"
#include "Text.h"

std::optional<SkillMap> ParseSkillString(const std::string& strSkills) {
    SkillMap skills;
    for (const std::string& strEntry : SplitList(strSkills, '!')) {
        std::vector<std::string> parts = SplitList(strEntry, ',');
        if (parts.size() != 3)
            return std::nullopt;
        std::optional<long> lNumber = zorv::ParseWholeNumber(Trim(parts[0]));
        std::optional<long> lTraining = zorv::ParseWholeNumber(Trim(parts[1]));
        std::optional<long> lValue = zorv::ParseWholeNumber(Trim(parts[2]));
        if (!lNumber || *lNumber < 1 || *lNumber > kSkillCount || !lTraining || *lTraining < 0 ||
            *lTraining > 3 || !lValue)
            return std::nullopt;
        if (!skills
                 .emplace(static_cast<int>(*lNumber),
                          SkillEntry{static_cast<int>(*lTraining), *lValue})
                 .second)
            return std::nullopt;
    }
    return skills;
}
