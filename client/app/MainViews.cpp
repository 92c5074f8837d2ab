#include "MainViews.h"

#include "Grid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

template <typename T> T* Named(T* pWidget, const char* szName) {
    pWidget->setObjectName(QLatin1String(szName));
    return pWidget;
}

QPushButton* Button(const char* szCaption, const char* szName, QWidget* pParent) {
    return Named(new QPushButton(QString::fromLatin1(szCaption), pParent), szName);
}

QGroupBox* Frame(const char* szCaption, const char* szName, QWidget* pParent) {
    return Named(new QGroupBox(QString::fromLatin1(szCaption), pParent), szName);
}

// A tab whose key is its caption; a "&" in the key shows as one "&".
QWidget* AddTab(QTabWidget* pTabs, const QString& strKey) {
    auto* pPage = new QWidget(pTabs);
    QString strCaption = strKey;
    pTabs->addTab(pPage, strCaption.replace(QLatin1Char('&'), QLatin1String("&&")));
    return pPage;
}

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

MainViews::MainViews(QWidget* pCentral) {
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
    auto* pTreeButtons = new QHBoxLayout;
    pTreeButtons->addWidget(cmdTreeRefresh);
    pTreeButtons->addStretch();
    pTreeButtons->addWidget(cmdFindInTree);
    auto* pTreeLayout = new QVBoxLayout(frameAllegianceTree);
    pTreeLayout->addWidget(treTreeView);
    pTreeLayout->addLayout(pTreeButtons);

    tabCharInfo = Named(new QTabWidget(pTreePage), "tabCharInfo");
    cmdSaveChanges = Button("&Save Changes", "cmdSaveChanges", pTreePage);
    cmdResetChanges = Button("R&eset Changes", "cmdResetChanges", pTreePage);
    auto* pSheetButtons = new QHBoxLayout;
    pSheetButtons->addStretch();
    pSheetButtons->addWidget(cmdSaveChanges);
    pSheetButtons->addWidget(cmdResetChanges);
    auto* pSheet = new QVBoxLayout;
    pSheet->addWidget(tabCharInfo);
    pSheet->addLayout(pSheetButtons);
    auto* pTreePageLayout = new QHBoxLayout(pTreePage);
    pTreePageLayout->addWidget(frameAllegianceTree, 4);
    pTreePageLayout->addLayout(pSheet, 6);

    // The character tabs; the sheet fills their frames.
    QWidget* pBasic = AddTab(tabCharInfo, QStringLiteral("Basic Info"));
    frameBasicInfo = Frame("Character Info", "frameBasicInfo", pBasic);
    cmbRank = Named(new QComboBox(frameBasicInfo), "cmbRank");
    cmbComputedRank = Named(new QComboBox(frameBasicInfo), "cmbComputedRank");
    cmbRace = Named(new QComboBox(frameBasicInfo), "cmbRace");
    cmbSex = Named(new QComboBox(frameBasicInfo), "cmbSex");
    chkCanSummon =
        Named(new QCheckBox(QStringLiteral("Can Summon"), frameBasicInfo), "chkCanSummon");
    chkPrivate =
        Named(new QCheckBox(QStringLiteral("Hide Info on Web"), frameBasicInfo), "chkPrivate");
    chkRescue =
        Named(new QCheckBox(QStringLiteral("Rescue Squad Member"), frameBasicInfo), "chkRescue");
    chkPK = Named(new QCheckBox(QStringLiteral("PK"), frameBasicInfo), "chkPK");
    auto* pBasicForm = new QFormLayout(frameBasicInfo);
    pBasicForm->addRow(QStringLiteral("Rank:"), cmbRank);
    pBasicForm->addRow(QStringLiteral("Computed Rank:"), cmbComputedRank);
    pBasicForm->addRow(QStringLiteral("Race:"), cmbRace);
    pBasicForm->addRow(QString(), cmbSex);
    pBasicForm->addRow(chkCanSummon);
    pBasicForm->addRow(chkPrivate);
    pBasicForm->addRow(chkRescue);
    pBasicForm->addRow(chkPK);
    frameBio = Frame("Bio", "frameBio", pBasic);
    auto* pBasicLayout = new QVBoxLayout(pBasic);
    pBasicLayout->addWidget(frameBasicInfo);
    pBasicLayout->addWidget(frameBio);

    QWidget* pAllegiance = AddTab(tabCharInfo, QStringLiteral("Allegiance Info"));
    frameAllegianceInfo = Frame("Allegiance Info", "frameAllegianceInfo", pAllegiance);
    frameVassals = Frame("Vassals", "frameVassals", frameAllegianceInfo);
    frameImmediateTree = Frame("Immediate Tree", "frameImmediateTree", frameAllegianceInfo);
    treImmediateTree = Named(new QTreeView(frameImmediateTree), "treImmediateTree");
    treImmediateTree->setHeaderHidden(true);
    (new QVBoxLayout(frameImmediateTree))->addWidget(treImmediateTree);
    auto* pAllegianceInner = new QHBoxLayout(frameAllegianceInfo);
    pAllegianceInner->addWidget(frameVassals);
    pAllegianceInner->addWidget(frameImmediateTree);
    (new QVBoxLayout(pAllegiance))->addWidget(frameAllegianceInfo);

    QWidget* pSkills = AddTab(tabCharInfo, QStringLiteral("Skills"));
    frameSkills = Frame("Skills", "frameSkills", pSkills);
    tabSkills = Named(new QTabWidget(frameSkills), "tabSkills");
    AddTab(tabSkills, QStringLiteral("Training"));
    AddTab(tabSkills, QStringLiteral("Skill Values"));
    (new QVBoxLayout(frameSkills))->addWidget(tabSkills);
    (new QVBoxLayout(pSkills))->addWidget(frameSkills);

    QWidget* pRealLife = AddTab(tabCharInfo, QStringLiteral("Real Life & Contact Info"));
    frameRealLife = Frame("Real Life Info", "frameRealLife", pRealLife);
    frameContactInfo = Frame("Contact Info", "frameContactInfo", pRealLife);
    auto* pRealLifeLayout = new QVBoxLayout(pRealLife);
    pRealLifeLayout->addWidget(frameRealLife);
    pRealLifeLayout->addWidget(frameContactInfo);

    QWidget* pAwards = AddTab(tabCharInfo, QStringLiteral("Awards"));
    frameAwards = Frame("Awards", "frameAwards", pAwards);
    (new QVBoxLayout(pAwards))->addWidget(frameAwards);

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
    auto* pFilterForm = new QFormLayout;
    pFilterForm->addRow(QStringLiteral("Race: "), cmbSearchRace);
    pFilterForm->addRow(QStringLiteral("Rank: "), cmbSearchRank);
    auto* pSearchButtons = new QHBoxLayout;
    pSearchButtons->addWidget(cmdSearch);
    pSearchButtons->addWidget(cmdSearchReset);
    pSearchButtons->addStretch();
    auto* pFilterLayout = new QVBoxLayout(frameSearchFilter);
    pFilterLayout->addLayout(pFilterForm);
    pFilterLayout->addWidget(grdSearchSkill);
    pFilterLayout->addLayout(pSearchButtons);
    grdSearch = new Grid(QStringLiteral("grdSearch"), frameSearch);
    auto* pSearchLayout = new QHBoxLayout(frameSearch);
    pSearchLayout->addWidget(frameSearchFilter, 4);
    pSearchLayout->addWidget(grdSearch, 6);
    (new QVBoxLayout(pSearchPage))->addWidget(frameSearch);
}
