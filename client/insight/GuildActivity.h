#pragma once
// The guild's joins and departures per week as the server counts them from its change history
// (operation 122), read without a widget.
#include <QString>
#include <vector>

struct GuildActivity {
    struct Week {
        QString strWeek; // YYYY-MM-DD, the Monday it starts on
        int nJoined = 0;
        int nLeft = 0;
    };
    QString strKept;         // "all", a number of days, or "none"
    QString strOldest;       // the day of the oldest entry kept; empty for none
    std::vector<Week> weeks; // oldest first

    bool KeepsNone() const { return strKept == QLatin1String("none"); }
    // What the figures can be trusted for, in words: empty when they cover every week shown.
    QString Caveat() const;
};

// False when the payload is not a header and weeks of three whole-number fields.
bool ParseGuildActivity(const QString& strPayload, GuildActivity& activity);
