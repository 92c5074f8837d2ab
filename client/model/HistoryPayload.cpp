#include "HistoryPayload.h"

#include "Escape.h"
#include "HistoryVocabulary.h"
#include "Records.h"

#include <QCoreApplication>
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
        //: A change of the guild's history: the server was set up.
        return QCoreApplication::translate("HistoryPayload", "Set up the guild");
    if (entry.strKind == QLatin1String(zorv::history::kAdd)) {
        if (!pPatron)
            //: A change of the guild's history; %1 is the character added to the allegiance.
            return QCoreApplication::translate("HistoryPayload", "Added %1").arg(who);
        //: A change of the guild's history; %1 is the character added to the allegiance, %2 its
        //: patron (game word: the character a vassal is sworn to).
        return QCoreApplication::translate("HistoryPayload", "Added %1 under %2")
            .arg(who, pPatron->strNew);
    }
    if (entry.strKind == QLatin1String(zorv::history::kRemove)) {
        int nMembers = 0;
        for (const HistoryValue& value : entry.values)
            nMembers += value.strField == QLatin1String(zorv::history::kMemberField);
        const int nFollowers = nMembers - 1;
        const bool bFromPatron = pPatron && !pPatron->strOld.isEmpty();
        if (nFollowers > 0 && bFromPatron)
            //: A change of the guild's history; %1 is the character removed from the
            //: allegiance, %n the number of its followers (game word: the characters below it)
            //: removed with it, %2 its patron (game word: the character it was sworn to).
            return QCoreApplication::translate("HistoryPayload",
                                               "Removed %1 and %n followers from under %2", nullptr,
                                               nFollowers)
                .arg(who, pPatron->strOld);
        if (nFollowers > 0)
            //: A change of the guild's history; %1 is the character removed from the
            //: allegiance, %n the number of its followers (game word: the characters below it)
            //: removed with it.
            return QCoreApplication::translate("HistoryPayload", "Removed %1 and %n followers",
                                               nullptr, nFollowers)
                .arg(who);
        if (bFromPatron)
            //: A change of the guild's history; %1 is the character removed from the
            //: allegiance, %2 its patron (game word: the character it was sworn to).
            return QCoreApplication::translate("HistoryPayload", "Removed %1 from under %2")
                .arg(who, pPatron->strOld);
        //: A change of the guild's history; %1 is the character removed from the allegiance.
        return QCoreApplication::translate("HistoryPayload", "Removed %1").arg(who);
    }
    if (entry.strKind == QLatin1String(zorv::history::kPatron)) {
        if (!pPatron)
            //: A change of the guild's history; %1 is the character that changed patrons (game
            //: word: the character one is sworn to in the allegiance).
            return QCoreApplication::translate("HistoryPayload", "Moved %1").arg(who);
        if (pPatron->strOld.isEmpty())
            //: A change of the guild's history; %1 is the character that changed patrons (game
            //: word: the character one is sworn to in the allegiance), from none, at the top of
            //: the tree, to %2.
            return QCoreApplication::translate("HistoryPayload", "Moved %1 from the top to %2")
                .arg(who, pPatron->strNew);
        //: A change of the guild's history; %1 is the character that changed patrons (game
        //: word: the character one is sworn to in the allegiance), from %2 to %3.
        return QCoreApplication::translate("HistoryPayload", "Moved %1 from %2 to %3")
            .arg(who, pPatron->strOld, pPatron->strNew);
    }
    if (entry.strKind == QLatin1String(zorv::history::kSave))
        //: A change of the guild's history; %1 is the character whose record was saved.
        return QCoreApplication::translate("HistoryPayload", "Saved %1").arg(who);
    if (entry.strKind == QLatin1String(zorv::history::kPassword))
        //: A change of the guild's history; %1 is a character.
        return QCoreApplication::translate("HistoryPayload", "Changed the password of %1").arg(who);
    if (entry.strKind == QLatin1String(zorv::history::kReset))
        //: A change of the guild's history; %1 is a character.
        return QCoreApplication::translate("HistoryPayload", "Reset the password of %1").arg(who);
    if (entry.strKind == QLatin1String(zorv::history::kLevel)) {
        const HistoryValue* pLevel = Find(entry, "security_level");
        return pLevel && pLevel->strNew == QLatin1String("3")
                   //: A change of the guild's history; %1 is a character.
                   ? QCoreApplication::translate("HistoryPayload", "Made %1 an administrator")
                         .arg(who)
                   //: A change of the guild's history; %1 is a character.
                   : QCoreApplication::translate("HistoryPayload", "Made %1 a normal user")
                         .arg(who);
    }
    if (entry.strKind == QLatin1String(zorv::history::kSetup))
        //: A change of the guild's history.
        return QCoreApplication::translate("HistoryPayload", "Changed the server setup");
    if (entry.strKind == QLatin1String(zorv::history::kUndo))
        //: A change of the guild's history; %1 is the number of the change undone, %2 the
        //: character it concerned.
        return QCoreApplication::translate("HistoryPayload", "Undid change #%1 (%2)")
            .arg(entry.lUndoes)
            .arg(who);
    return entry.strKind + QLatin1Char(' ') + who;
}

QString FieldCaption(const QString& strField) {
    for (const zorv::history::Field& field : zorv::history::kFields)
        if (strField == QLatin1String(field.szName))
            return QCoreApplication::translate("Field", field.szCaption);
    return strField;
}

QString DescribeValue(const HistoryValue& value) {
    if (value.strField == QLatin1String(zorv::history::kPasswordField) ||
        value.strField == QLatin1String(zorv::history::kDefaultPasswordField))
        //: Shown for a password in the list of a change's values, in place of old and new.
        return QCoreApplication::translate("HistoryPayload", "changed");
    if (value.strField == QLatin1String(zorv::history::kMemberField))
        return value.strOld.isEmpty()
                   //: A member of the allegiance brought back by undoing a removal; %1 is its
                   //: name.
                   ? QCoreApplication::translate("HistoryPayload", "brought back: %1")
                         .arg(value.strNew)
                   //: A member removed from the allegiance; %1 is its name.
                   : QCoreApplication::translate("HistoryPayload", "removed: %1").arg(value.strOld);
    auto Shown = [](const QString& s) {
        //: An empty value of a field, before or after a change.
        return s.isEmpty()     ? QCoreApplication::translate("HistoryPayload", "(empty)")
               : s.size() > 80 ? s.left(77) + QStringLiteral("...")
                               : s;
    };
    return Shown(value.strOld) + QStringLiteral(" \u2192 ") + Shown(value.strNew);
}
