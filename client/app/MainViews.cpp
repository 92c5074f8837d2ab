#include "MainViews.h"

#include "Build.h"
#include "Grid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
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
QGroupBox* ListView(QWidget* pPage, const QString& strFrame, const char* szFrameName, Grid*& pGrid,
                    const char* szGrid, QPushButton*& pRefresh, const char* szButton) {
    auto* pFrame = Frame(strFrame, szFrameName, pPage);
    pGrid = new Grid(QLatin1String(szGrid), pFrame);
    //: Button: downloads the list again
    pRefresh = Button(QCoreApplication::translate("MainViews", "Refresh List"), szButton, pFrame);
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
    // The tabs keep their English captions as their keys.
    //: Tab and frame: the allegiance, each member under the patron it is sworn to
    const QString strTree = QCoreApplication::translate("MainViews", "Allegiance Tree");
    QWidget* pTreePage = AddTab(tabMainTab, QStringLiteral("Allegiance Tree"), strTree);
    frameAllegianceTree = Frame(strTree, "frameAllegianceTree", pTreePage);
    treTreeView = Named(new QTreeView(frameAllegianceTree), "treTreeView");
    treTreeView->setHeaderHidden(true);
    cmdTreeRefresh = Button(QCoreApplication::translate("MainViews", "&Refresh Tree"),
                            "cmdTreeRefresh", frameAllegianceTree);
    cmdFindInTree = Button(QCoreApplication::translate("MainViews", "F&ind Character"),
                           "cmdFindInTree", frameAllegianceTree);
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
    //: Tab: every member in one list
    const QString strFlatListing = QCoreApplication::translate("MainViews", "Flat Listing");
    //: Frame and list: every member in one list
    const QString strFlatList = QCoreApplication::translate("MainViews", "Flat List");
    frameFlatList = ListView(AddTab(tabMainTab, QStringLiteral("Flat Listing"), strFlatListing),
                             strFlatList, "frameFlatList", grdFlatList, "grdFlatList",
                             cmdRefreshFlatList, "cmdRefreshFlatList");
    //: Tab: the members of the rescue squad (the members who come to the help of others), until
    //: the login gives the guild's own name for it
    pageRescueSquad = AddTab(tabMainTab, QStringLiteral("Rescue Squad List"),
                             QCoreApplication::translate("MainViews", "Rescue Squad List"));
    //: Frame and list: the members who come to the help of others, until the login gives the
    //: guild's own name for them
    const QString strRescueSquad = QCoreApplication::translate("MainViews", "Rescue Squad");
    frameRescueSquad = ListView(pageRescueSquad, strRescueSquad, "frameRescueSquad", grdRescueSquad,
                                "grdRescueSquad", cmdRefreshRescueSquad, "cmdRefreshRescueSquad");
    //: Tab, frame and list: the members who can summon a portal (a gateway to another place)
    const QString strPortals = QCoreApplication::translate("MainViews", "Summonable Portal List");
    framePortalList =
        ListView(AddTab(tabMainTab, QStringLiteral("Summonable Portal List"), strPortals),
                 strPortals, "framePortalList", grdPortalList, "grdPortalList",
                 cmdPortalListRefresh, "cmdPortalListRefresh");
    //: Tab: the members trained in the trade skills
    const QString strTradeSkills = QCoreApplication::translate("MainViews", "Trade Skills List");
    //: Frame and list: the members trained in the trade skills
    const QString strTradeSkill = QCoreApplication::translate("MainViews", "Trade Skill List");
    frameTradeSkills =
        ListView(AddTab(tabMainTab, QStringLiteral("Trade Skills List"), strTradeSkills),
                 strTradeSkill, "frameTradeSkills", grdTradeSkills, "grdTradeSkills",
                 cmdGetTradeSkills, "cmdGetTradeSkills");

    // "Search": the filter on the left (40 %), the results on the right.
    //: Tab and frame: searching the members by race, rank and skills
    const QString strSearch = QCoreApplication::translate("MainViews", "Search");
    QWidget* pSearchPage = AddTab(tabMainTab, QStringLiteral("Search"), strSearch);
    frameSearch = Frame(strSearch, "frameSearch", pSearchPage);
    frameSearchFilter = Frame(QCoreApplication::translate("MainViews", "Search Filter"),
                              "frameSearchFilter", frameSearch);
    cmbSearchRace = Named(new QComboBox(frameSearchFilter), "cmbSearchRace");
    cmbSearchRank = Named(new QComboBox(frameSearchFilter), "cmbSearchRank");
    grdSearchSkill = new Grid(QStringLiteral("grdSearchSkill"), frameSearchFilter);
    //: Button: starts the search
    cmdSearch = Button(QCoreApplication::translate("MainViews", "Search", "button"), "cmdSearch",
                       frameSearchFilter);
    //: Button: sets the search's choices back to any race, any rank and no skills
    cmdSearchReset = Button(QCoreApplication::translate("MainViews", "Reset"), "cmdSearchReset",
                            frameSearchFilter);
    // A click leaves the focus where it is, so that a value being typed is dropped, not stored.
    cmdSearchReset->setFocusPolicy(Qt::TabFocus);
    auto* pFilterForm = new QFormLayout;
    //: Label of the race to search for; keep the space at the end
    pFilterForm->addRow(QCoreApplication::translate("MainViews", "Race: "), cmbSearchRace);
    //: Label of the rank in the allegiance to search for; keep the space at the end
    pFilterForm->addRow(QCoreApplication::translate("MainViews", "Rank: "), cmbSearchRank);
    cmbSavedSearch = Named(new QComboBox(frameSearchFilter), "cmbSavedSearch");
    //: Button: keeps the search under the name typed beside it
    cmdSaveSearch = Button(QCoreApplication::translate("MainViews", "Sa&ve"), "cmdSaveSearch",
                           frameSearchFilter);
    //: Button: deletes the saved search named beside it
    cmdDeleteSearch = Button(QCoreApplication::translate("MainViews", "De&lete"), "cmdDeleteSearch",
                             frameSearchFilter);
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
    pFilterLayout->addWidget(
        new QLabel(QCoreApplication::translate("MainViews", "Saved searches:"), frameSearchFilter));
    pFilterLayout->addLayout(pSaved);
    grdSearch = new Grid(QStringLiteral("grdSearch"), frameSearch);
    //: Button: marks the members found in the allegiance tree
    cmdShowInTree = Button(QCoreApplication::translate("MainViews", "Show in &Tree"),
                           "cmdShowInTree", frameSearch);
    auto* pResults = new QVBoxLayout;
    pResults->addWidget(grdSearch);
    pResults->addWidget(cmdShowInTree, 0, Qt::AlignHCenter);
    auto* pSearchLayout = new QHBoxLayout(frameSearch);
    pSearchLayout->addWidget(frameSearchFilter, 4);
    pSearchLayout->addLayout(pResults, 6);
    (new QVBoxLayout(pSearchPage))->addWidget(frameSearch);

    // What a screen reader says for the views' controls that no label stands for.
    //: The main window's tabs
    tabMainTab->setAccessibleName(QCoreApplication::translate("MainViews", "Views"));
    treTreeView->setAccessibleName(strTree);
    grdFlatList->setAccessibleName(strFlatList);
    grdRescueSquad->setAccessibleName(strRescueSquad);
    grdPortalList->setAccessibleName(strPortals);
    grdTradeSkills->setAccessibleName(strTradeSkill);
    //: The grid of the least skill values to search for
    grdSearchSkill->setAccessibleName(
        QCoreApplication::translate("MainViews", "Search Skill Values"));
    grdSearch->setAccessibleName(QCoreApplication::translate("MainViews", "Search Results"));
    cmbSavedSearch->setAccessibleName(QCoreApplication::translate("MainViews", "Saved searches"));
}
