#include "MainViews.h"

#include "Build.h"
#include "Grid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// A list view: its frame holding the grid and, centred below it, the refresh button.
QGroupBox* ListView(QWidget* pPage, const char* szFrame, const char* szFrameName, Grid*& pGrid,
                    const char* szGrid, QPushButton*& pRefresh, const char* szButton) {
    auto* pFrame = Frame(szFrame, szFrameName, pPage);
    pGrid = new Grid(QLatin1String(szGrid), pFrame);
    pRefresh = Button("Refresh List", szButton, pFrame);
    auto* pLayout = new QVBoxLayout(pFrame);
    pLayout->addWidget(pGrid);
    pLayout->addWidget(pRefresh, 0, Qt::AlignHCenter);
    auto* pPageLayout = new QVBoxLayout(pPage);
    pPageLayout->addWidget(pFrame);
    return pFrame;
}

} // namespace

bool MainViews::TreeButtonsFlow::eventFilter(QObject* pWatched, QEvent* pEvent) {
    if (pEvent->type() == QEvent::Resize && pViews) {
        MainViews& v = *pViews;
        const int iNeeded =
            v.cmdTreeRefresh->sizeHint().width() + v.cmdFindInTree->sizeHint().width() + 24;
        v.layTreeButtons->setDirection(v.frameAllegianceTree->width() < iNeeded
                                           ? QBoxLayout::TopToBottom
                                           : QBoxLayout::LeftToRight);
    }
    return QObject::eventFilter(pWatched, pEvent);
}

MainViews::MainViews(QWidget* pCentral)
    : tabCharInfo(Named(new QTabWidget, "tabCharInfo")), sheet(tabCharInfo) {
    m_treeButtonsFlow.pViews = this;
    tabMainTab = Named(new QTabWidget(pCentral), "tabMainTab");
    auto* pCentralLayout = new QVBoxLayout(pCentral);
    pCentralLayout->setContentsMargins(4, 4, 4, 0);
    pCentralLayout->addWidget(tabMainTab);

    // "Allegiance Tree": the tree on the left (40 %), the character tabs on the right (60 %).
    QWidget* pTreePage = AddTab(tabMainTab, QStringLiteral("Allegiance Tree"));
    frameAllegianceTree = Frame("Allegiance Tree", "frameAllegianceTree", pTreePage);
    treTreeView = Named(new QTreeView(frameAllegianceTree), "treTreeView");
    treTreeView->setHeaderHidden(true);
    cmdTreeRefresh = Button("&Refresh Tree", "cmdTreeRefresh", frameAllegianceTree);
    cmdFindInTree = Button("F&ind Character", "cmdFindInTree", frameAllegianceTree);
    // Side by side, or one above the other when the tree is given little room (the window's
    // smallest size leaves the sheet's tabs most of it).
    layTreeButtons = new QBoxLayout(QBoxLayout::LeftToRight);
    layTreeButtons->addWidget(cmdTreeRefresh);
    layTreeButtons->addStretch();
    layTreeButtons->addWidget(cmdFindInTree);
    auto* pTreeLayout = new QVBoxLayout(frameAllegianceTree);
    pTreeLayout->addWidget(treTreeView);
    pTreeLayout->addLayout(layTreeButtons);
    frameAllegianceTree->setMinimumWidth(
        std::max(cmdTreeRefresh->sizeHint().width(), cmdFindInTree->sizeHint().width()) +
        pTreeLayout->contentsMargins().left() + pTreeLayout->contentsMargins().right() + 8);
    frameAllegianceTree->installEventFilter(&m_treeButtonsFlow);

    auto* pSheetButtons = new QHBoxLayout;
    pSheetButtons->addStretch();
    pSheetButtons->addWidget(sheet.cmdSaveChanges);
    pSheetButtons->addWidget(sheet.cmdResetChanges);
    // The user moves the border between tree and sheet; it starts at 40 % and 60 %.
    splitTreeSheet = Named(new QSplitter(Qt::Horizontal, pTreePage), "splitTreeSheet");
    splitTreeSheet->setChildrenCollapsible(false);
    auto* pSheetSide = new QWidget(splitTreeSheet);
    auto* pSheet = new QVBoxLayout(pSheetSide);
    pSheet->setContentsMargins(0, 0, 0, 0);
    pSheet->addWidget(sheet.frameRecordChanged);
    pSheet->addWidget(tabCharInfo);
    pSheet->addLayout(pSheetButtons);
    splitTreeSheet->addWidget(frameAllegianceTree);
    splitTreeSheet->addWidget(pSheetSide);
    splitTreeSheet->setStretchFactor(0, 4);
    splitTreeSheet->setStretchFactor(1, 6);
    splitTreeSheet->setSizes({400, 600});
    (new QHBoxLayout(pTreePage))->addWidget(splitTreeSheet);

    // The list views.
    frameFlatList =
        ListView(AddTab(tabMainTab, QStringLiteral("Flat Listing")), "Flat List", "frameFlatList",
                 grdFlatList, "grdFlatList", cmdRefreshFlatList, "cmdRefreshFlatList");
    pageRescueSquad = AddTab(tabMainTab, QStringLiteral("Rescue Squad List"));
    frameRescueSquad = ListView(pageRescueSquad, "Rescue Squad", "frameRescueSquad", grdRescueSquad,
                                "grdRescueSquad", cmdRefreshRescueSquad, "cmdRefreshRescueSquad");
    framePortalList = ListView(AddTab(tabMainTab, QStringLiteral("Summonable Portal List")),
                               "Summonable Portal List", "framePortalList", grdPortalList,
                               "grdPortalList", cmdPortalListRefresh, "cmdPortalListRefresh");
    frameTradeSkills = ListView(AddTab(tabMainTab, QStringLiteral("Trade Skills List")),
                                "Trade Skill List", "frameTradeSkills", grdTradeSkills,
                                "grdTradeSkills", cmdGetTradeSkills, "cmdGetTradeSkills");

    // "Search": the filter on the left (40 %), the results on the right.
    QWidget* pSearchPage = AddTab(tabMainTab, QStringLiteral("Search"));
    frameSearch = Frame("Search", "frameSearch", pSearchPage);
    frameSearchFilter = Frame("Search Filter", "frameSearchFilter", frameSearch);
    cmbSearchRace = Named(new QComboBox(frameSearchFilter), "cmbSearchRace");
    cmbSearchRank = Named(new QComboBox(frameSearchFilter), "cmbSearchRank");
    grdSearchSkill = new Grid(QStringLiteral("grdSearchSkill"), frameSearchFilter);
    cmdSearch = Button("Search", "cmdSearch", frameSearchFilter);
    cmdSearchReset = Button("Reset", "cmdSearchReset", frameSearchFilter);
    // A click leaves the focus where it is, so that a value being typed is dropped, not stored.
    cmdSearchReset->setFocusPolicy(Qt::TabFocus);
    auto* pFilterForm = new QFormLayout;
    pFilterForm->addRow(QStringLiteral("Race: "), cmbSearchRace);
    pFilterForm->addRow(QStringLiteral("Rank: "), cmbSearchRank);
    cmbSavedSearch = Named(new QComboBox(frameSearchFilter), "cmbSavedSearch");
    cmdSaveSearch = Button("Sa&ve", "cmdSaveSearch", frameSearchFilter);
    cmdDeleteSearch = Button("De&lete", "cmdDeleteSearch", frameSearchFilter);
    auto* pSearchButtons = new QHBoxLayout;
    pSearchButtons->addWidget(cmdSearch);
    pSearchButtons->addWidget(cmdSearchReset);
    pSearchButtons->addStretch();
    auto* pSaved = new QHBoxLayout;
    pSaved->addWidget(cmbSavedSearch, 1);
    pSaved->addWidget(cmdSaveSearch);
    pSaved->addWidget(cmdDeleteSearch);
    auto* pFilterLayout = new QVBoxLayout(frameSearchFilter);
    pFilterLayout->addLayout(pFilterForm);
    pFilterLayout->addWidget(grdSearchSkill);
    pFilterLayout->addLayout(pSearchButtons);
    pFilterLayout->addWidget(new QLabel(QStringLiteral("Saved searches:"), frameSearchFilter));
    pFilterLayout->addLayout(pSaved);
    grdSearch = new Grid(QStringLiteral("grdSearch"), frameSearch);
    cmdShowInTree = Button("Show in &Tree", "cmdShowInTree", frameSearch);
    auto* pResults = new QVBoxLayout;
    pResults->addWidget(grdSearch);
    pResults->addWidget(cmdShowInTree, 0, Qt::AlignHCenter);
    auto* pSearchLayout = new QHBoxLayout(frameSearch);
    pSearchLayout->addWidget(frameSearchFilter, 4);
    pSearchLayout->addLayout(pResults, 6);
    (new QVBoxLayout(pSearchPage))->addWidget(frameSearch);

    // What a screen reader says for the views' controls that no label stands for.
    tabMainTab->setAccessibleName(QStringLiteral("Views"));
    treTreeView->setAccessibleName(QStringLiteral("Allegiance Tree"));
    grdFlatList->setAccessibleName(QStringLiteral("Flat List"));
    grdRescueSquad->setAccessibleName(QStringLiteral("Rescue Squad"));
    grdPortalList->setAccessibleName(QStringLiteral("Summonable Portal List"));
    grdTradeSkills->setAccessibleName(QStringLiteral("Trade Skill List"));
    grdSearchSkill->setAccessibleName(QStringLiteral("Search Skill Values"));
    grdSearch->setAccessibleName(QStringLiteral("Search Results"));
    cmbSavedSearch->setAccessibleName(QStringLiteral("Saved searches"));
}
