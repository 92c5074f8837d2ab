#pragma once
// What needs an officer's attention, worked out from the roster shown and the guild's facts
// (operation 121), without a widget: one table per section, each row led by the member's name
// (which the window's double click jumps to). The sections:
//   vassal slots   every member by free slots under the guild's cap, those at the cap first;
//   missing        members whose record says more followers than the tree holds below them;
//   lost mules     mules whose main character names no member (compared without regard to
//                  case; no main character counts as none in the guild);
//   stale records  records not changed for more than N days (to the minute), or never;
//   default        (administrators) members still on the guild's default password;
//   idle admins    (administrators) administrators with no login noted for N days or more.
// The days shown are whole days.
#include "Characters.h"
#include "GuildFacts.h"

#include <QDateTime>
#include <QStringList>

struct AttentionTable {
    QString strTitle;
    QStringList headers;
    QList<QStringList> rows;
};

struct AttentionReport {
    static constexpr int kDefaultDays = 90;
    enum Section {
        Slots,
        Missing,
        LostMules,
        StaleRecords,
        DefaultPassword,
        IdleAdmins,
        kSections
    };

    AttentionTable tables[kSections];
    bool bAdminPart = false; // the last two sections hold the server's answer

    // The report on every member of the roster; a member the facts do not cover (joined since
    // they came) is left out of the sections that need its facts. nDays counts from `now`.
    static AttentionReport Make(const Characters& roster, const GuildFacts& facts, int nDays,
                                const QDateTime& now);
};

// Seconds from a "YYYY-MM-DD HH:MM" UTC time to `now`; nothing for an empty or unreadable one.
std::optional<qint64> SecondsSince(const QString& strStamp, const QDateTime& now);
