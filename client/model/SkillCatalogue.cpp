#include "SkillCatalogue.h"

#include "Catalogue.h"

#include "Numbers.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <cmath>

Skill& Skills::Add(const QString& strValue, const QString& Key, qint16 iStartLevel,
                   qint16 iSkillValue) {
    m_items.append(Skill{Key, strValue, iStartLevel, iSkillValue});
    return m_items.last();
}

Skill* Skills::Item(int iPosition) {
    return iPosition >= 1 && iPosition <= Count() ? &m_items[iPosition - 1] : nullptr;
}

const Skill* Skills::Item(int iPosition) const {
    return const_cast<Skills*>(this)->Item(iPosition);
}

Skill* Skills::Item(const QString& strKey) {
    for (Skill& skill : m_items)
        if (!skill.Key.isEmpty() && skill.Key == strKey)
            return &skill;
    return nullptr;
}

const Skill* Skills::Item(const QString& strKey) const {
    return const_cast<Skills*>(this)->Item(strKey);
}

void Skills::Remove(const QString& strKey) {
    for (int i = 0; i < m_items.size(); ++i)
        if (m_items[i].Key == strKey) {
            m_items.removeAt(i);
            return;
        }
}

void AddSkills(Skills& objSkills) {
    for (int i = 0; i < kSkillCount; ++i)
        objSkills.Add(QString::number(i + 1), QString::fromLatin1(zorv::kSkillCatalogue[i].szName),
                      static_cast<qint16>(zorv::kSkillCatalogue[i].iStartLevel), 0);
}

QString DefaultSkillString(const Skills& objSkills) {
    QStringList entries;
    for (const Skill& skill : objSkills)
        entries << skill.strValue + QLatin1Char(',') + QString::number(skill.iStartLevel) +
                       QStringLiteral(",0");
    return entries.join(QLatin1Char('!'));
}

std::vector<SkillEntry> SkillEntries(const QString& strSkills, const Skills& objSkills) {
    const QString strText = strSkills.isEmpty() ? DefaultSkillString(objSkills) : strSkills;
    std::vector<SkillEntry> entries;
    for (const QString& strEntry : strText.split(QLatin1Char('!'))) {
        const QStringList parts = strEntry.split(QLatin1Char(','));
        SkillEntry entry;
        entry.iNumber = zorv::ReadInt16(parts.value(0).toStdString());
        entry.strTraining = parts.value(1);
        entry.iSkillValue = zorv::ReadInt16(parts.value(2).toStdString());
        entries.push_back(entry);
    }
    return entries;
}

std::optional<Training> TrainingOf(const QString& strCode) {
    if (strCode == QLatin1String("3"))
        return Specialized;
    if (strCode == QLatin1String("2"))
        return Trained;
    if (strCode == QLatin1String("1"))
        return Untrained;
    if (strCode == QLatin1String("0"))
        return Unusable;
    return std::nullopt;
}

QStringList RacialSkills(int iRace) {
    switch (iRace) {
    case 1:
        return {QStringLiteral("Assess Person"), QStringLiteral("Dagger")};
    case 2:
        return {QStringLiteral("Appraise Item"), QStringLiteral("Staff")};
    case 3:
        return {QStringLiteral("Unarmed Combat")};
    default:
        return {};
    }
}

QString SkillValueProblem(const QString& strText) {
    const QString strSent = QString(strText).remove(QLatin1Char(' '));
    if (strSent.isEmpty() || zorv::ParseWholeNumber(strSent.toStdString()))
        return QString();
    //: The tool tip of a skill value the server will refuse; %1 is the value as typed.
    return QCoreApplication::translate("SkillCatalogue",
                                       "The server takes whole numbers only: '%1' will be refused.")
        .arg(strText);
}

bool IsValidSkillValue(const QString& strText) {
    static const QRegularExpression kNumeric(
        QStringLiteral("^ *[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)? *$"));
    if (strText.contains(QLatin1Char(',')) || !kNumeric.match(strText).hasMatch())
        return false;
    const double dValue = std::nearbyint(zorv::LeadingNumber(strText.toStdString()).value_or(0));
    return dValue >= -32768 && dValue <= 32767;
}
