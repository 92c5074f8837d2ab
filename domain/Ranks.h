#pragma once
// A member's computed rank and followers, from their vassals': the allegiance's own rules.
#include <algorithm>

namespace zorv::domain {

inline constexpr int kMaxRank = 10;

// Fed each vassal's computed rank and followers in turn. A member without vassals is rank 1;
// otherwise the highest of the vassals' ranks, one more (up to kMaxRank) when two vassals share
// it. Their followers are their vassals and all of those vassals' followers.
class Allegiance {
public:
    void AddVassal(int iRank, int nFollowers) {
        ++m_nVassals;
        m_nFollowers += 1 + nFollowers;
        if (iRank > m_iHighest) {
            m_iSecond = m_iHighest;
            m_iHighest = iRank;
        } else if (iRank > m_iSecond) {
            m_iSecond = iRank;
        }
    }
    int Rank() const {
        if (m_nVassals == 0)
            return 1;
        return m_iHighest == m_iSecond ? std::min(m_iHighest + 1, kMaxRank)
                                       : std::max(m_iHighest, 1);
    }
    int Followers() const { return m_nFollowers; }

private:
    int m_nVassals = 0;
    int m_iHighest = 0;
    int m_iSecond = 0;
    int m_nFollowers = 0;
};

} // namespace zorv::domain
