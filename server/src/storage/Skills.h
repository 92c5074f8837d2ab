#pragma once
// The skill string a character's sheet stores: entries "number,training,value" joined by "!".
#include "Text.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

inline constexpr int kSkillCount = 35;

struct SkillEntry {
    int iTraining = 0; // 3 specialized, 2 trained, 1 untrained, 0 unusable
    long lValue = 0;
};

using SkillMap = std::map<int, SkillEntry>;

// nullopt for a malformed string: a number outside 1..35, a training code outside 0..3, a
// value that is not a whole number, or a skill named twice. An empty string has no entries.
// pFault, when given, receives the first fault, for the member who typed it, the skill called by
// the name the client shows ("The value '12.5' of Sword is not a whole number"); strField names
// the whole string in it.
std::optional<SkillMap> ParseSkillString(const std::string& strSkills, Fault* pFault = nullptr,
                                         const std::string& strField = "SKILLS");

// The string as a save stores it: an entry whose value is empty (the client's grid lets a cell be
// cleared) gets the value 0. Anything else stays as sent.
std::string SkillStringAsSaved(const std::string& strSkills);

// A member's values of the trade skill list's skills, in its columns' order (0 for a skill not
// held), when the member is on the list: at least trained in one of them. nullopt otherwise, or
// for a malformed string.
std::optional<std::vector<long>> TradeSkillListValues(const std::string& strSkills);

// The name the client shows for skill 1..kSkillCount; for any other number, the number.
std::string SkillName(long lSkill);
