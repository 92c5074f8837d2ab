#include "GuildActivity.h"

#include "Protocol.h"

#include <QCoreApplication>
#include <QStringList>

bool ParseGuildActivity(const QString& strPayload, GuildActivity& activity) {
    activity = GuildActivity();
    QStringList records = strPayload.split(QLatin1String(zorv::kRecordEnd));
    if (!records.isEmpty() && records.last().isEmpty())
        records.removeLast();
    if (records.isEmpty())
        return false;
    const QStringList header = records.takeFirst().split(QLatin1Char('|'));
    if (header.size() != 2)
        return false;
    activity.strKept = header[0];
    activity.strOldest = header[1];
    for (const QString& strRecord : records) {
        const QStringList fields = strRecord.split(QLatin1Char('|'));
        bool bJoined = false, bLeft = false;
        GuildActivity::Week week{fields.value(0), fields.value(1).toInt(&bJoined),
                                 fields.value(2).toInt(&bLeft)};
        if (fields.size() != 3 || !bJoined || !bLeft || week.nJoined < 0 || week.nLeft < 0)
            return false;
        activity.weeks.push_back(week);
    }
    return !activity.weeks.empty();
}

QString GuildActivity::Caveat() const {
    if (KeepsNone())
        return QCoreApplication::translate("GuildActivity",
                                           "The server keeps no change history, so joins and "
                                           "departures cannot be counted.");
    if (strOldest.isEmpty())
        return QCoreApplication::translate("GuildActivity",
                                           "The change history holds no entry yet.");
    if (!weeks.empty() && strOldest > weeks.front().strWeek)
        //: %1 is the day of the oldest change kept, YYYY-MM-DD
        return QCoreApplication::translate("GuildActivity",
                                           "The change history reaches back to %1 only; earlier "
                                           "weeks show nothing.")
            .arg(strOldest);
    return QString();
}
