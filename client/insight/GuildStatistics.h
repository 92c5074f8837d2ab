#pragma once
// The guild's figures, counted from the roster the client holds, without a widget: members by
// level in bands of ten, by rank, and how many vassals each patron has; by race and by sex from
// the guild's facts (operation 121), which the tree download does not carry. For the whole guild
// or for one member's branch (the member and every follower). The joins and leaves over time are
// not counted.
#include "Characters.h"
#include "GuildFacts.h"

#include <QString>
#include <vector>

struct StatisticsTable {
    QString strTitle;    // the chart's title
    QString strCategory; // what a row counts by: "Level", "Rank", "Vassals"
    QStringList labels;  // one per row, in the chart's order
    std::vector<int> counts;
    int Total() const;
};

struct GuildStatistics {
    int nMembers = 0;
    StatisticsTable byLevel;
    StatisticsTable byRank;
    StatisticsTable bySlots;
    StatisticsTable byRace; // a member the facts do not cover, or of no known race: "Unknown"
    StatisticsTable bySex;

    // The figures of the branch of the member with id idStart, or of the whole roster for -1;
    // a start the roster does not hold counts nobody. Without facts every member's race and sex
    // count as unknown.
    static GuildStatistics Count(const Characters& roster, qint16 idStart,
                                 const GuildFacts* pFacts = nullptr);
};
