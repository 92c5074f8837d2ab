#pragma once
// Where a member counts in the guild's figures: level in bands of ten, rank, vassals sworn, race
// and sex. The tables and their captions are the showing side's.
#include "Ranks.h"

#include <algorithm>
#include <cstddef>

namespace zorv::domain {

// A level's band of ten: 0 for 1-10 (and any level below 1), 1 for 11-20, and so on.
constexpr int LevelBand(int iLevel) {
    return std::max(iLevel - 1, 0) / 10;
}
constexpr int BandLowest(int iBand) {
    return iBand * 10 + 1;
}
constexpr int BandHighest(int iBand) {
    return iBand * 10 + 10;
}

// A rank's row: 1 to kMaxRank, or 0 for a rank not known.
constexpr int RankRow(int iRank) {
    return iRank >= 1 && iRank <= kMaxRank ? iRank : 0;
}

// Vassal counts above this share one last row ("13 or more").
inline constexpr int kUsualMaxVassals = 12;
constexpr int VassalsRow(int nVassals) {
    return std::min(nVassals, kUsualMaxVassals + 1);
}

// Where a race or sex number counts in a table of nNames rows that lists the numbers from 1 up,
// then the unknown (0, and anything out of range).
constexpr std::size_t UnknownLastRow(int iNumber, std::size_t nNames) {
    return iNumber >= 1 && static_cast<std::size_t>(iNumber) < nNames
               ? static_cast<std::size_t>(iNumber) - 1
               : nNames - 1;
}

} // namespace zorv::domain
