#pragma once
// The skill catalogue and the skill string. Every character has the same 35 skills, numbered 1 to
// 35 in alphabetical order; the catalogue holds them in that order, so a skill's 1-based position
// is its number, together with the value of each skill for the character now shown. A skill
// string is entries "number,training,value" joined by "!".
#include "Catalogue.h"
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// Training codes as the skill string writes them.
enum Training : qint16 { Unusable = 0, Untrained = 1, Trained = 2, Specialized = 3 };

inline constexpr int kSkillCount = zorv::kSkillCount;

struct Skill {
    QString Key;      // the skill's name
    QString strValue; // its number, "1" to "35"
    qint16 iStartLevel = Unusable;
    qint16 iSkillValue = 0; // for the character now shown
};

// Kept in insertion order and keyed by name (letter case counts).
class Skills {
public:
    Skill& Add(const QString& strValue, const QString& Key, qint16 iStartLevel, qint16 iSkillValue);
    // By 1-based position; nullptr outside 1..Count().
    Skill* Item(int iPosition);
    const Skill* Item(int iPosition) const;
    // By name; nullptr for a name the catalogue does not hold.
    Skill* Item(const QString& strKey);
    const Skill* Item(const QString& strKey) const;
    int Count() const { return static_cast<int>(m_items.size()); }
    void Remove(const QString& strKey);

    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

private:
    QList<Skill> m_items;
};

// Fills the catalogue with the 35 skills and their start levels, values 0.
void AddSkills(Skills& objSkills);

// Every skill at its start level with value 0, in catalogue order.
QString DefaultSkillString(const Skills& objSkills);

struct SkillEntry {
    int iNumber = 0;        // leading number of the first part
    QString strTraining;    // the second part as written
    qint16 iSkillValue = 0; // leading number of the third part
};

// The entries of a skill string (the default string for an empty one).
std::vector<SkillEntry> SkillEntries(const QString& strSkills, const Skills& objSkills);

// The training list a training code names; nullopt for any other text.
std::optional<Training> TrainingOf(const QString& strCode);

// The skills a race gets trained for free, by race position (1 Aluvian, 2 Gharu'ndim, 3 Sho).
QStringList RacialSkills(int iRace);

// A value the skill grid accepts: no ",", numeric as a whole (blanks around it allowed, sign,
// digits, decimal point, exponent) and with a leading number inside the 16-bit range.
bool IsValidSkillValue(const QString& strText);
// The grid keeps such a value as typed and sends it so, but the server stores and compares whole
// numbers only (an empty value counts as 0): the reason it will refuse the text, or empty.
QString SkillValueProblem(const QString& strText);
