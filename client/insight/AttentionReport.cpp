#include "AttentionReport.h"

#include "Attention.h"

#include <QCoreApplication>
#include <QSet>
#include <QTimeZone>
#include <algorithm>

std::optional<qint64> SecondsSince(const QString& strStamp, const QDateTime& now) {
    QDateTime at = QDateTime::fromString(strStamp.trimmed(), QStringLiteral("yyyy-MM-dd HH:mm"));
    if (!at.isValid())
        return std::nullopt;
    at.setTimeZone(QTimeZone::utc());
    return std::max<qint64>(at.secsTo(now), 0);
}

namespace {

using namespace zorv::domain;

QString Number(qint64 n) {
    return QString::number(n);
}

// The when and days cells of a time: "Never" and no days for none (or one that cannot be read).
QStringList WhenCells(const QString& strName, const QString& strStamp,
                      const std::optional<qint64>& lSeconds) {
    if (!lSeconds)
        return {strName,
                strStamp.trimmed().isEmpty()
                    //: In the column of the last change or login: there was none
                    ? QCoreApplication::translate("AttentionReport", "Never")
                    : strStamp,
                QString()};
    return {strName, strStamp.trimmed(), Number(WholeDays(*lSeconds))};
}

// Rows by one numeric column, then by name; ascending or descending in the number.
void SortRows(QList<QStringList>& rows, int iColumn, bool bAscending) {
    std::stable_sort(rows.begin(), rows.end(), [&](const QStringList& a, const QStringList& b) {
        const qint64 lA = a[iColumn].toLongLong(), lB = b[iColumn].toLongLong();
        if (lA != lB)
            return bAscending ? lA < lB : lA > lB;
        return a[0].compare(b[0], Qt::CaseInsensitive) < 0;
    });
}

} // namespace

AttentionReport AttentionReport::Make(const Characters& roster, const GuildFacts& facts, int nDays,
                                      const QDateTime& now) {
    AttentionReport report;
    report.bAdminPart = facts.bAdminPart;
    AttentionTable* t = report.tables;
    // The sections' titles (each a tab's caption) and their columns' headers.
    //: Column header: the member's character name
    const QString strName = QCoreApplication::translate("AttentionReport", "Name");
    //: Column header: whole days since the last change or login
    const QString strDays = QCoreApplication::translate("AttentionReport", "Days");
    t[Slots] = {//: Section: how many more vassals (characters sworn to them) each member may take
                QCoreApplication::translate("AttentionReport", "Vassal Slots"),
                {strName,
                 //: Column header: the number of vassals a member has
                 QCoreApplication::translate("AttentionReport", "Vassals"),
                 //: Column header: how many more vassals the member may take, under the guild's cap
                 QCoreApplication::translate("AttentionReport", "Free Slots")},
                {}};
    t[Missing] = {
        //: Section: members whose record counts more followers (characters below them in the
        //: allegiance) than the tree holds
        QCoreApplication::translate("AttentionReport", "Missing Followers"),
        {strName,
         //: Column header: the number of followers the member's record gives
         QCoreApplication::translate("AttentionReport", "Followers Entered"),
         //: Column header: the number of followers the tree holds below the member
         QCoreApplication::translate("AttentionReport", "In the Tree"),
         //: Column header: how many followers the tree lacks
         QCoreApplication::translate("AttentionReport", "Number Missing")},
        {}};
    t[LostMules] = {
        //: Section: mules (a player's extra characters) whose main character is not in the guild
        QCoreApplication::translate("AttentionReport", "Mules Without a Main"),
        {strName,
         //: Column header: the name of the mule's main character, as its record gives it
         QCoreApplication::translate("AttentionReport", "Main Character Name")},
        {}};
    t[StaleRecords] = {
        //: Section: members whose record was not changed for the number of days chosen
        QCoreApplication::translate("AttentionReport", "Records Not Changed"),
        {strName,
         //: Column header: when the record was last changed
         QCoreApplication::translate("AttentionReport", "Last Changed (UTC)"), strDays},
        {}};
    //: Section: members who still log in with the guild's password for new members
    t[DefaultPassword] = {
        QCoreApplication::translate("AttentionReport", "On the Default Password"), {strName}, {}};
    t[IdleAdmins] = {//: Section: administrators who did not log in for the number of days chosen
                     QCoreApplication::translate("AttentionReport", "Administrators Not Logged In"),
                     {strName,
                      //: Column header: when the administrator last logged in
                      QCoreApplication::translate("AttentionReport", "Last Login (UTC)"), strDays},
                     {}};

    QSet<QString> names;
    for (const Character& c : roster)
        names.insert(c.strName.trimmed().toCaseFolded());
    const Characters::VassalTable vassals = roster.Vassals();
    for (int i = 0; i < roster.Count(); ++i) {
        const Character& c = roster.At(i);
        const auto nVassals = static_cast<int>(std::count_if(
            vassals.Of(i).begin(), vassals.Of(i).end(), [](int v) { return v >= 0; }));
        t[Slots].rows << QStringList{c.strName, Number(nVassals),
                                     Number(FreeSlots(facts.nVassalCap, nVassals))};
        const auto found = facts.members.constFind(c.nID);
        if (found == facts.members.cend())
            continue;
        const MemberFacts& member = *found;
        const int nCounted = roster.Followers(i);
        if (const int nMissing = MissingFollowers(member.nFollowersEntered, nCounted))
            t[Missing].rows << QStringList{c.strName, Number(member.nFollowersEntered),
                                           Number(nCounted), Number(nMissing)};
        if (IsLostMule(member.bMule, names.contains(member.strMainChar.trimmed().toCaseFolded())))
            t[LostMules].rows << QStringList{c.strName, member.strMainChar};
        const std::optional<qint64> lSeconds = SecondsSince(member.strModifiedAt, now);
        if (IsStale(lSeconds, nDays))
            t[StaleRecords].rows << WhenCells(c.strName, member.strModifiedAt, lSeconds);
    }
    // Names from the roster shown: an id it does not hold (left since) is not reported.
    auto NameOf = [&roster](qint16 id) {
        const int i = roster.IndexOfId(id);
        return i >= 0 ? roster.At(i).strName : QString();
    };
    for (qint16 id : facts.onDefaultPassword)
        if (const QString strName = NameOf(id); !strName.isEmpty())
            t[DefaultPassword].rows << QStringList{strName};
    for (const auto& [id, strLogin] : facts.adminLogins) {
        const QString strName = NameOf(id);
        const std::optional<qint64> lSeconds = SecondsSince(strLogin, now);
        if (!strName.isEmpty() && IsIdle(lSeconds, nDays))
            t[IdleAdmins].rows << WhenCells(strName, strLogin, lSeconds);
    }

    SortRows(t[Slots].rows, 2, true);
    SortRows(t[Missing].rows, 3, false);
    std::sort(t[LostMules].rows.begin(), t[LostMules].rows.end(),
              [](const QStringList& a, const QStringList& b) {
                  return a[0].compare(b[0], Qt::CaseInsensitive) < 0;
              });
    // Never changed first, then the oldest.
    for (Section s : {StaleRecords, IdleAdmins})
        std::stable_sort(t[s].rows.begin(), t[s].rows.end(),
                         [](const QStringList& a, const QStringList& b) {
                             if (a[2].isEmpty() != b[2].isEmpty())
                                 return a[2].isEmpty();
                             return a[2].toLongLong() > b[2].toLongLong();
                         });
    return report;
}
