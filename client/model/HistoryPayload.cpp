#include "HistoryPayload.h"

#include "Escape.h"
#include "HistoryVocabulary.h"
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
    const HistoryValue* pPatron = Find(entry, zorv::history::kPatronNameField);
    if (entry.strKind == QLatin1String(zorv::history::kInit))
        return QStringLiteral("Set up the guild");
    if (entry.strKind == QLatin1String(zorv::history::kAdd))
        return QStringLiteral("Added ") + who +
               (pPatron ? QStringLiteral(" under ") + pPatron->strNew : QString());
    if (entry.strKind == QLatin1String(zorv::history::kRemove)) {
        int nMembers = 0;
        for (const HistoryValue& value : entry.values)
            nMembers += value.strField == QLatin1String(zorv::history::kMemberField);
        QString strText = QStringLiteral("Removed ") + who;
        if (nMembers > 1)
            strText +=
                QStringLiteral(" and %1 follower%2").arg(nMembers - 1).arg(nMembers > 2 ? "s" : "");
        return strText + (pPatron && !pPatron->strOld.isEmpty()
                              ? QStringLiteral(" from under ") + pPatron->strOld
                              : QString());
    }
    if (entry.strKind == QLatin1String(zorv::history::kPatron))
        return QStringLiteral("Moved ") + who +
               (pPatron ? QStringLiteral(" from ") +
                              (pPatron->strOld.isEmpty() ? QStringLiteral("the top")
                                                         : pPatron->strOld) +
                              QStringLiteral(" to ") + pPatron->strNew
                        : QString());
    if (entry.strKind == QLatin1String(zorv::history::kSave))
        return QStringLiteral("Saved ") + who;
    if (entry.strKind == QLatin1String(zorv::history::kPassword))
        return QStringLiteral("Changed the password of ") + who;
    if (entry.strKind == QLatin1String(zorv::history::kReset))
        return QStringLiteral("Reset the password of ") + who;
    if (entry.strKind == QLatin1String(zorv::history::kLevel)) {
        const HistoryValue* pLevel = Find(entry, "security_level");
        return pLevel && pLevel->strNew == QLatin1String("3")
                   ? QStringLiteral("Made ") + who + QStringLiteral(" an administrator")
                   : QStringLiteral("Made ") + who + QStringLiteral(" a normal user");
    }
    if (entry.strKind == QLatin1String(zorv::history::kSetup))
        return QStringLiteral("Changed the server setup");
    if (entry.strKind == QLatin1String(zorv::history::kUndo))
        return QStringLiteral("Undid change #%1 (%2)").arg(entry.lUndoes).arg(who);
    return entry.strKind + QLatin1Char(' ') + who;
}

QString FieldCaption(const QString& strField) {
    for (const zorv::history::Field& field : zorv::history::kFields)
        if (strField == QLatin1String(field.szName))
            return QString::fromLatin1(field.szCaption);
    return strField;
}

QString DescribeValue(const HistoryValue& value) {
    if (value.strField == QLatin1String(zorv::history::kPasswordField) ||
        value.strField == QLatin1String(zorv::history::kDefaultPasswordField))
        return QStringLiteral("changed");
    if (value.strField == QLatin1String(zorv::history::kMemberField))
        return value.strOld.isEmpty() ? QStringLiteral("brought back: ") + value.strNew
                                      : QStringLiteral("removed: ") + value.strOld;
    auto Shown = [](const QString& s) {
        return s.isEmpty()     ? QStringLiteral("(empty)")
               : s.size() > 80 ? s.left(77) + QStringLiteral("...")
                               : s;
    };
    return Shown(value.strOld) + QStringLiteral(" \u2192 ") + Shown(value.strNew);
}
