#pragma once
// The search view: race, rank and minimum skill values typed into a criteria grid of the 35
// skills, the search request, its results, and searches kept under a name. Editing the criteria
// never touches the character sheet's skills.
#include "SavedSearches.h"

#include <QObject>
#include <functional>

class Roster;
class CellEditor;
class Grid;
class QComboBox;
class QPushButton;
class Skills;
struct Session;

struct SearchControls {
    QComboBox* cmbSearchRace;
    QComboBox* cmbSearchRank;
    Grid* grdSearchSkill;
    QPushButton* cmdSearch;
    QPushButton* cmdSearchReset;
    Grid* grdSearch;
    QComboBox* cmbSavedSearch; // its text names the search to save; picking an entry recalls it
    QPushButton* cmdSaveSearch;
    QPushButton* cmdDeleteSearch;
    QPushButton* cmdShowInTree;
};

class SkillSearch final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SkillSearch)
public:
    // strSavedFile: where the named searches are kept.
    SkillSearch(Session& session, const Roster& roster, const Skills& objSkills,
                const SearchControls& controls, const QString& strSavedFile,
                QObject* pParent = nullptr);

    // Shows the ids of the found members in the tree, or none.
    std::function<void(const QList<qint16>&)> fnShowFound;

    void FillSkillSearchGrid();
    void Search();
    void ParseSearchData(const QString& strPayload);
    void cmdSearchReset_Click();
    // The criteria as the request carries them: "row,value" for every non-empty cell, joined
    // by "!".
    QString SkillCriteria() const;

    void SaveSearch();
    void RecallSearch(const QString& strName);
    void DeleteSearch();
    void ShowInTree();

    CellEditor& Editor() { return *m_pEditor; }
    SavedSearches& Saved() { return m_saved; }

private:
    void FillSavedList();

    Session& m_session;
    const Roster& m_roster;
    const Skills& m_skills;
    SearchControls m_c;
    CellEditor* m_pEditor;
    SavedSearches m_saved;
};
