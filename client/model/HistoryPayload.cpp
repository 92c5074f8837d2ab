#include "HistoryPayload.h"

#include "Escape.h"
#include "Records.h"

#include <string>

namespace {

QString Text(const std::string& s) {
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

const HistoryValue* Find(const HistoryEntry& entry, const char* szField) {
    for (const HistoryValue& value : entry.values)
        if (value.strField == QLatin1String(szField))
            return &value;
    return nullptr;
}

} // namespace

HistoryPage ParseHistoryPayload(const QString& strPayload) {
    HistoryPage page;
    const std::string strLatin1 = strPayload.toLatin1().toStdString();
    for (const zorv::Fields& raw : zorv::SplitRecords(strLatin1)) {
        zorv::Fields fields;
        for (const std::string& strField : raw)
            fields.push_back(zorv::UnescapeValue(strField));
        if (fields.empty())
            continue;
        if (fields[0] == "E" && fields.size() >= 11) {
            HistoryEntry entry;
            entry.lSeq = Text(fields[1]).toLongLong();
            entry.strAt = Text(fields[2]);
            entry.strKind = Text(fields[3]);
            entry.strActor = Text(fields[5]);
            entry.iCharacter = static_cast<qint16>(Text(fields[6]).toInt());
            entry.strCharacter = Text(fields[7]);
            entry.lUndoes = Text(fields[8]).toLongLong();
            entry.lUndoneBy = Text(fields[9]).toLongLong();
            entry.bUndoable = fields[10] == "1";
            page.entries.push_back(std::move(entry));
        } else if (fields[0] == "V" && fields.size() >= 4 && !page.entries.empty()) {
            page.entries.back().values.push_back(
                {Text(fields[1]), Text(fields[2]), Text(fields[3])});
        } else if (fields[0] == "M" && fields.size() >= 2) {
            page.lNextBefore = Text(fields[1]).toLongLong();
        }
    }
    return page;
}

QString DescribeEntry(const HistoryEntry& entry) {
    const QString& who = entry.strCharacter;
    const HistoryValue* pPatron = Find(entry, "patron_name");
    if (entry.strKind == QLatin1String("init"))
        return QStringLiteral("Set up the guild");
    if (entry.strKind == QLatin1String("add"))
        return QStringLiteral("Added ") + who +
               (pPatron ? QStringLiteral(" under ") + pPatron->strNew : QString());
    if (entry.strKind == QLatin1String("remove")) {
        int nMembers = 0;
        for (const HistoryValue& value : entry.values)
            nMembers += value.strField == QLatin1String("member");
        QString strText = QStringLiteral("Removed ") + who;
        if (nMembers > 1)
            strText +=
                QStringLiteral(" and %1 follower%2").arg(nMembers - 1).arg(nMembers > 2 ? "s" : "");
        return strText + (pPatron && !pPatron->strOld.isEmpty()
                              ? QStringLiteral(" from under ") + pPatron->strOld
                              : QString());
    }
    if (entry.strKind == QLatin1String("patron"))
        return QStringLiteral("Moved ") + who +
               (pPatron ? QStringLiteral(" from ") +
                              (pPatron->strOld.isEmpty() ? QStringLiteral("the top")
                                                         : pPatron->strOld) +
                              QStringLiteral(" to ") + pPatron->strNew
                        : QString());
    if (entry.strKind == QLatin1String("save"))
        return QStringLiteral("Saved ") + who;
    if (entry.strKind == QLatin1String("password"))
        return QStringLiteral("Changed the password of ") + who;
    if (entry.strKind == QLatin1String("reset"))
        return QStringLiteral("Reset the password of ") + who;
    if (entry.strKind == QLatin1String("level")) {
        const HistoryValue* pLevel = Find(entry, "security_level");
        return pLevel && pLevel->strNew == QLatin1String("3")
                   ? QStringLiteral("Made ") + who + QStringLiteral(" an administrator")
                   : QStringLiteral("Made ") + who + QStringLiteral(" a normal user");
    }
    if (entry.strKind == QLatin1String("setup"))
        return QStringLiteral("Changed the server setup");
    if (entry.strKind == QLatin1String("undo"))
        return QStringLiteral("Undid change #%1 (%2)").arg(entry.lUndoes).arg(who);
    return entry.strKind + QLatin1Char(' ') + who;
}

QString FieldCaption(const QString& strField) {
    static const std::pair<const char*, const char*> kCaptions[] = {
        {"name", "Name"},
        {"level", "Level"},
        {"class", "Class"},
        {"race", "Race"},
        {"rank", "Rank"},
        {"sex", "Sex"},
        {"is_mule", "Mule"},
        {"mule_for", "Mule For"},
        {"lifestone", "Lifestone"},
        {"tied_to", "Tied To"},
        {"bio", "Bio"},
        {"num_followers", "Number of Followers"},
        {"skills", "Skills"},
        {"real_name", "Real Name"},
        {"city_state", "City/State"},
        {"misc_info", "Other Info"},
        {"email", "Email"},
        {"icq", "ICQ"},
        {"is_pk", "Player Killer"},
        {"is_rescue", "Rescue Squad"},
        {"is_private", "Hide Info on Web"},
        {"can_summon", "Can Summon"},
        {"main_char", "Main Character"},
        {"awards", "Awards"},
        {"patron_id", "Patron Id"},
        {"patron_name", "Patron"},
        {"join_seq", "Place among Vassals"},
        {"security_level", "Security Level"},
        {"member", "Member"},
        {"password", "Password"},
        {"default_password", "Default Password"},
        {"guild_name", "Guild Name"},
        {"use_rescue_squad", "Use Rescue Squad"},
        {"rescue_squad_name", "Rescue Squad Name"},
    };
    for (const auto& [szField, szCaption] : kCaptions)
        if (strField == QLatin1String(szField))
            return QString::fromLatin1(szCaption);
    return strField;
}

QString DescribeValue(const HistoryValue& value) {
    if (value.strField == QLatin1String("password") ||
        value.strField == QLatin1String("default_password"))
        return QStringLiteral("changed");
    if (value.strField == QLatin1String("member"))
        return value.strOld.isEmpty() ? QStringLiteral("brought back: ") + value.strNew
                                      : QStringLiteral("removed: ") + value.strOld;
    auto Shown = [](const QString& s) {
        return s.isEmpty()     ? QStringLiteral("(empty)")
               : s.size() > 80 ? s.left(77) + QStringLiteral("...")
                               : s;
    };
    return Shown(value.strOld) + QStringLiteral(" \u2192 ") + Shown(value.strNew);
}
