#pragma once
// What needs an officer's attention: the rules of the attention report's sections, over plain
// numbers. Times are seconds since the moment in question; none means it never happened.
#include <algorithm>
#include <cstdint>
#include <optional>

namespace zorv::domain {

inline constexpr std::int64_t kSecondsADay = 86400;

// The vassals a member may still take under the guild's cap.
constexpr int FreeSlots(int nVassalCap, int nVassals) {
    return std::max(nVassalCap - nVassals, 0);
}

// The followers a record claims beyond those the tree holds below it; 0 when none are missing.
constexpr int MissingFollowers(int nEntered, int nInTree) {
    return std::max(nEntered - nInTree, 0);
}

// A mule is lost when its main character is no member.
constexpr bool IsLostMule(bool bMule, bool bMainIsMember) {
    return bMule && !bMainIsMember;
}

// A record not changed for more than nDays (to the second), or never.
constexpr bool IsStale(std::optional<std::int64_t> lSecondsSinceChange, int nDays) {
    return !lSecondsSinceChange || *lSecondsSinceChange > nDays * kSecondsADay;
}

// An administrator with no login for nDays or more, or none noted.
constexpr bool IsIdle(std::optional<std::int64_t> lSecondsSinceLogin, int nDays) {
    return !lSecondsSinceLogin || *lSecondsSinceLogin >= nDays * kSecondsADay;
}

// The whole days in a span of seconds.
constexpr std::int64_t WholeDays(std::int64_t lSeconds) {
    return lSeconds / kSecondsADay;
}

} // namespace zorv::domain
