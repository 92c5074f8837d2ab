#pragma once
// The skill string a character's sheet stores: entries "number,training,value" joined by "!".
#include <map>
#include <optional>
#include <string>

inline constexpr int kSkillCount = 35;
inline constexpr int kSkillAlchemy = 1;
inline constexpr int kSkillCooking = 11;
inline constexpr int kSkillFletching = 16;
inline constexpr int kTrained = 2;

struct SkillEntry {
    int iTraining = 0; // 3 specialized, 2 trained, 1 untrained, 0 unusable
    long lValue = 0;
};

using SkillMap = std::map<int, SkillEntry>;

// nullopt for a malformed string: a number outside 1..35, a training code outside 0..3, a
// value that is not a whole number, or a skill named twice. An empty string has no entries.
std::optional<SkillMap> ParseSkillString(const std::string& strSkills);
