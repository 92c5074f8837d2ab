#include "GuildStatistics.h"

#include "CharacterRecord.h"
#include "Statistics.h"

#include <algorithm>
#include <iterator>
#include <numeric>

int StatisticsTable::Total() const {
    return std::accumulate(counts.begin(), counts.end(), 0);
}

GuildStatistics GuildStatistics::Count(const Characters& roster, qint16 idStart,
                                       const GuildFacts* pFacts) {
    // The members counted: the whole roster, or the branch found down the vassal lists without
    // recursion, each member once however the lists read.
    std::vector<int> members;
    if (idStart == -1) {
        members.resize(static_cast<std::size_t>(roster.Count()));
        std::iota(members.begin(), members.end(), 0);
    } else if (const int iStart = roster.IndexOfId(idStart); iStart >= 0) {
        std::vector<char> seen(static_cast<std::size_t>(roster.Count()), 0);
        const Characters::VassalTable vassals = roster.Vassals();
        members.push_back(iStart);
        seen[static_cast<std::size_t>(iStart)] = 1;
        for (std::size_t k = 0; k < members.size(); ++k)
            for (int v : vassals.Of(members[k]))
                if (v >= 0 && !seen[static_cast<std::size_t>(v)]) {
                    seen[static_cast<std::size_t>(v)] = 1;
                    members.push_back(v);
                }
    }

    GuildStatistics stats;
    stats.nMembers = static_cast<int>(members.size());
    stats.byLevel = {QStringLiteral("Members by level"), QStringLiteral("Level"), {}, {}};
    stats.byRank = {QStringLiteral("Members by rank"), QStringLiteral("Rank"), {}, {}};
    stats.bySlots = {QStringLiteral("Vassal slots in use"), QStringLiteral("Vassals"), {}, {}};
    // The sheet's names, in its lists' order, the unknown last.
    // The names of numbers 1 and up, then the unknown (0).
    auto UnknownLast = [](const auto& names) {
        QStringList ordered;
        for (std::size_t i = 1; i < std::size(names); ++i)
            ordered << QLatin1String(names[i]);
        return ordered << QLatin1String(names[0]);
    };
    stats.byRace = {QStringLiteral("Members by race"), QStringLiteral("Race"),
                    UnknownLast(zorv::kRaceNames),
                    std::vector<int>(std::size(zorv::kRaceNames), 0)};
    stats.bySex = {QStringLiteral("Members by sex"), QStringLiteral("Sex"),
                   UnknownLast(zorv::kSexNames), std::vector<int>(std::size(zorv::kSexNames), 0)};

    // Bands of ten from the first up to the highest band held.
    using namespace zorv::domain;
    std::vector<int> levels;
    std::vector<int> ranks(kMaxRank + 1, 0);
    std::vector<int> sworn(kUsualMaxVassals + 2, 0);
    const Characters::VassalTable vassals = roster.Vassals();
    for (int i : members) {
        const Character& c = roster.At(i);
        const auto band = static_cast<std::size_t>(LevelBand(c.nLevel));
        if (levels.size() <= band)
            levels.resize(band + 1, 0);
        ++levels[band];
        ++ranks[static_cast<std::size_t>(RankRow(c.nRank))];
        const auto nVassals = static_cast<int>(std::count_if(
            vassals.Of(i).begin(), vassals.Of(i).end(), [](int v) { return v >= 0; }));
        ++sworn[static_cast<std::size_t>(VassalsRow(nVassals))];
        int iRace = 0, iSex = 0;
        if (pFacts)
            if (const auto found = pFacts->members.constFind(c.nID);
                found != pFacts->members.cend()) {
                iRace = found->nRace;
                iSex = found->nSex;
            }
        ++stats.byRace.counts[UnknownLastRow(iRace, std::size(zorv::kRaceNames))];
        ++stats.bySex.counts[UnknownLastRow(iSex, std::size(zorv::kSexNames))];
    }
    for (std::size_t band = 0; band < levels.size(); ++band) {
        stats.byLevel.labels << QStringLiteral("%1-%2")
                                    .arg(BandLowest(static_cast<int>(band)))
                                    .arg(BandHighest(static_cast<int>(band)));
        stats.byLevel.counts.push_back(levels[band]);
    }
    // Rank 1 to 10, then those whose rank is not known.
    for (int nRank = 1; nRank <= kMaxRank; ++nRank) {
        stats.byRank.labels << QString::number(nRank);
        stats.byRank.counts.push_back(ranks[static_cast<std::size_t>(nRank)]);
    }
    stats.byRank.labels << QStringLiteral("Unknown");
    stats.byRank.counts.push_back(ranks[0]);
    for (int nVassals = 0; nVassals <= kUsualMaxVassals; ++nVassals) {
        stats.bySlots.labels << QString::number(nVassals);
        stats.bySlots.counts.push_back(sworn[static_cast<std::size_t>(nVassals)]);
    }
    if (sworn.back() > 0) {
        stats.bySlots.labels << QStringLiteral("%1 or more").arg(kUsualMaxVassals + 1);
        stats.bySlots.counts.push_back(sworn.back());
    }
    return stats;
}
