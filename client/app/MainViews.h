#pragma once
// The widgets of the main window: the six views of the main tab strip, the character sheet
// beside the allegiance tree, and the controls the procedures address by name. Built once;
// the subsystems fill the views, the main window owns and wires them.
#include "SheetViews.h"
#include "Tabs.h"

#include <QObject>
#include <QString>

class Grid;
class QBoxLayout;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;
class QSplitter;
class QTabWidget;
class QTreeView;
class QWidget;

struct MainViews {
    // Builds everything as children of pCentral.
    explicit MainViews(QWidget* pCentral);

    QTabWidget* tabMainTab;
    QTabWidget* tabCharInfo; // built before the sheet that fills it
    SheetViews sheet;

    QSplitter* splitTreeSheet; // the tree's frame beside the character sheet
    QGroupBox* frameAllegianceTree;
    QTreeView* treTreeView;
    QPushButton* cmdTreeRefresh;
    QPushButton* cmdFindInTree;
    QBoxLayout* layTreeButtons;

    QGroupBox* frameFlatList;
    Grid* grdFlatList;
    QPushButton* cmdRefreshFlatList;
    QGroupBox* frameRescueSquad;
    Grid* grdRescueSquad;
    QPushButton* cmdRefreshRescueSquad;
    QGroupBox* framePortalList;
    Grid* grdPortalList;
    QPushButton* cmdPortalListRefresh;
    QGroupBox* frameTradeSkills;
    Grid* grdTradeSkills;
    QPushButton* cmdGetTradeSkills;
    QGroupBox* frameSearch;
    QGroupBox* frameSearchFilter;
    QComboBox* cmbSearchRace;
    QComboBox* cmbSearchRank;
    Grid* grdSearchSkill;
    QPushButton* cmdSearch;
    QPushButton* cmdSearchReset;
    Grid* grdSearch;
    QComboBox* cmbSavedSearch;
    QPushButton* cmdSaveSearch;
    QPushButton* cmdDeleteSearch;
    QPushButton* cmdShowInTree;

    // The rescue squad view's page, kept while its tab is removed for a guild without a squad.
    QWidget* pageRescueSquad;

private:
    // Stacks the tree's two buttons when its frame is too narrow for them side by side.
    struct TreeButtonsFlow : QObject {
        MainViews* pViews = nullptr;
        bool eventFilter(QObject* pWatched, QEvent* pEvent) override;
    };
    TreeButtonsFlow m_treeButtonsFlow;
};
