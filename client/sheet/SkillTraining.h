#pragma once
// The "Skills" tab: the four training lists with their move buttons, the racial skills, the
// skill value grid with its in-place editor, and the skill string in both directions. The
// catalogue's values mirror the grid while a character is shown.
#include <QObject>
#include <QString>

class CellEditor;
class Prompts;
class QListWidget;
class Skills;
struct SheetViews;

class SkillTraining final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SkillTraining)
public:
    SkillTraining(SheetViews& views, Skills& objSkills, Prompts& prompts,
                  QObject* pParent = nullptr);

    // Fills the lists and the catalogue's values from a skill string (the default string for an
    // empty one); entries naming a skill outside 1..35 are skipped.
    void ParseSkillData(const QString& strSkills);
    // Moves every selected entry of source to dest, where they end up selected.
    void SwitchSkills(QListWidget* source, QListWidget* dest);
    // The free skills of the race at list position iRace become trained.
    void SetRacialSkills(int iRace);
    void SetRacialSkill(const QString& strSkillName);
    // The grid from the lists: specialized skills first, then trained, untrained, unusable.
    void FillSkillGrid();
    int AddSkillsToGrid(QListWidget* pList, int iRow);
    // The value text of a skill in the grid, blanks trimmed; "0" when no row names it.
    QString GetSkillValueFromGrid(const QString& strSkillName) const;
    // The skill string a save sends: list by list, each in its order; empty with empty lists.
    QString UpdateSkills() const;

    CellEditor& Editor() { return *m_pEditor; }

signals:
    // The user moved skills or changed the grid.
    void Edited();

private:
    QListWidget* ListOf(int iTraining) const;

    SheetViews& m_views;
    Skills& m_skills;
    CellEditor* m_pEditor;
};
