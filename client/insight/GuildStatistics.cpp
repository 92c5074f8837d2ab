#include "GuildStatistics.h"

#include "CharacterRecord.h"
#include "Statistics.h"

#include <QCoreApplication>

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
    stats.byLevel = {//: Chart title: how many members are of each band of levels
                     QCoreApplication::translate("GuildStatistics", "Members by level"),
                     //: Axis and column title: bands of character levels, such as 1-10
                     QCoreApplication::translate("GuildStatistics", "Level"),
                     {},
                     {}};
    stats.byRank = {//: Chart title: how many members are of each rank in the allegiance
                    QCoreApplication::translate("GuildStatistics", "Members by rank"),
                    //: Axis and column title: the ranks in the allegiance, numbers 1 to 10
                    QCoreApplication::translate("GuildStatistics", "Rank"),
                    {},
                    {}};
    stats.bySlots = {//: Chart title: how many members have 0, 1, 2... vassals (characters sworn
                     //: to them)
                     QCoreApplication::translate("GuildStatistics", "Vassal slots in use"),
                     //: Axis and column title: numbers of vassals sworn to a member
                     QCoreApplication::translate("GuildStatistics", "Vassals"),
                     {},
                     {}};
    // The sheet's names, in its lists' order, the unknown last.
    // The names of numbers 1 and up, then the unknown (0), each in the context of its table.
    auto UnknownLast = [](const auto& names, const char* szContext) {
        QStringList ordered;
        for (std::size_t i = 1; i < std::size(names); ++i)
            ordered << QCoreApplication::translate(szContext, names[i]);
        return ordered << QCoreApplication::translate(szContext, names[0]);
    };
    stats.byRace = {//: Chart title: how many members are of each race
                    QCoreApplication::translate("GuildStatistics", "Members by race"),
                    //: Axis and column title: the characters' races
                    QCoreApplication::translate("GuildStatistics", "Race"),
                    UnknownLast(zorv::kRaceNames, "Race"),
                    std::vector<int>(std::size(zorv::kRaceNames), 0)};
    stats.bySex = {//: Chart title: how many members are of each sex
                   QCoreApplication::translate("GuildStatistics", "Members by sex"),
                   //: Axis and column title: the characters' sex, male or female
                   QCoreApplication::translate("GuildStatistics", "Sex"),
                   UnknownLast(zorv::kSexNames, "Sex"),
                   std::vector<int>(std::size(zorv::kSexNames), 0)};

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
    //: The bar of the members whose rank in the allegiance is not known
    stats.byRank.labels << QCoreApplication::translate("GuildStatistics", "Unknown");
    stats.byRank.counts.push_back(ranks[0]);
    for (int nVassals = 0; nVassals <= kUsualMaxVassals; ++nVassals) {
        stats.bySlots.labels << QString::number(nVassals);
        stats.bySlots.counts.push_back(sworn[static_cast<std::size_t>(nVassals)]);
    }
    if (sworn.back() > 0) {
        //: The bar of the members with this many vassals or more; %1 is a number
        stats.bySlots.labels << QCoreApplication::translate("GuildStatistics", "%1 or more")
                                    .arg(kUsualMaxVassals + 1);
        stats.bySlots.counts.push_back(sworn.back());
    }
    return stats;
}
