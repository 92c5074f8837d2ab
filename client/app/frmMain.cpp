#include "frmMain.h"

#include "Accessibility.h"
#include "ActivityPage.h"
#include "AdminOperations.h"
#include "AllegianceOperations.h"
#include "AllegianceView.h"
#include "ChangeHistory.h"
#include "CharacterSheet.h"
#include "Characters.h"
#include "CsvExport.h"
#include "CurrentCharacter.h"
#include "Grid.h"
#include "GuildFactsSource.h"
#include "GuildLists.h"
#include "LoginFlow.h"
#include "MainViews.h"
#include "Protocol.h"
#include "RequestCycle.h"
#include "Session.h"
#include "SkillCatalogue.h"
#include "SkillSearch.h"
#include "StatusBar.h"
#include "TreeFeed.h"
#include "TreePayload.h"
#include "WindowLayout.h"
#include "frmAbout.h"
#include "frmAllegianceChart.h"
#include "frmAttentionReport.h"
#include "frmGuildStatistics.h"
#include "frmLogin.h"
#include "frmNewServerSetup.h"
#include "frmNotifications.h"
#include "frmOptions.h"
#include "frmPlayerSetup.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTreeView>
#include <algorithm>
#include <cstdlib>

frmMain::frmMain(std::unique_ptr<Prompts> pPrompts, const QString& strSettingsFolder,
                 QWidget* pParent)
    : QMainWindow(pParent), m_pPrompts(std::move(pPrompts)) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("ZORV"));
    if (!m_pPrompts)
        m_pPrompts = std::make_unique<QtPrompts>(this);
    fnEndProgram = [] { std::exit(0); };
    m_settings.SetFolder(strSettingsFolder.isEmpty() ? DefaultSettingsFolder() : strSettingsFolder);
    m_savedTrees.SetFolder(strSettingsFolder.isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::CacheLocation)
                               : strSettingsFolder + QStringLiteral("/cache"));
    Form_Load();
}

frmMain::~frmMain() {
    Form_Unload();
}

void frmMain::Form_Load() {
    // One instance of each dialog, kept for the program's life.
    m_pPlayerSetup = std::make_unique<frmPlayerSetup>(*m_pPrompts, m_settings, this);
    m_pOptions = std::make_unique<frmOptions>(*m_pPrompts, m_settings, this);
    m_pOptions->pSavedTrees = &m_savedTrees;
    m_pNewServerSetup = std::make_unique<frmNewServerSetup>(*m_pPrompts, this);
    m_pLogin = std::make_unique<frmLogin>(*m_pPrompts, this);
    m_pAbout = std::make_unique<frmAbout>(this);

    auto* pCentral = new QWidget(this);
    setCentralWidget(pCentral);
    m_pViews = std::make_unique<MainViews>(pCentral);
    m_pStatusBar = new StatusBar(this);
    setStatusBar(m_pStatusBar);
    m_pCycle = std::make_unique<RequestCycle>(*m_pPrompts, *m_pStatusBar, m_settings.iTimeoutTime);
    m_pRoster = std::make_unique<Roster>();
    m_pSkills = std::make_unique<Skills>();
    AddSkills(*m_pSkills);
    m_pSession = std::make_unique<Session>(*m_pPrompts, *m_pStatusBar, *m_pCycle);
    m_pCurrentChar = std::make_unique<CurrentCharacter>();
    m_menus = BuildMainMenus(menuBar());
    const std::pair<QAction*, void (frmMain::*)()> own[] = {
        {m_menus.mnuLogin, &frmMain::mnuLogin_Click},
        {m_menus.mnuFileExport, &frmMain::mnuFileExport_Click},
        {m_menus.mnuFileExit, &frmMain::mnuFileExit_Click},
        {m_menus.mnuOptions, &frmMain::mnuOptions_Click},
        {m_menus.mnuAbout, &frmMain::mnuAbout_Click}};
    for (const auto& [pAction, handler] : own)
        connect(pAction, &QAction::triggered, this, handler);
    // 10140 x 9225 twips: 676 x 615 pixels at 96 dots an inch, more on a screen set to more.
    const qreal rScale = std::max<qreal>(1.0, logicalDpiX() / 96.0);
    m_leastSize = QSize(qRound(676 * rScale), qRound(615 * rScale));
    setMinimumSize(m_leastSize);

    MainViews& v = *m_pViews;

    m_pCycle->ForgetLogin();

    // 30 %, 20 % and 20 % of the bar.
    m_pStatusBar->AddPanel(RequestCycle::kPanelOp, 3);
    m_pStatusBar->AddPanel(RequestCycle::kPanelHTTP, 2);
    m_pStatusBar->AddPanel(RequestCycle::kPanelData, 2);
    // What keeps the tree up to date says here when it cannot.
    m_pStatusBar->AddPanel(TreeFeed::kPanel, 3);
    v.tabMainTab->setCurrentIndex(0);

    WireAllegiance();
    WireSheet();
    WireLists();
    WireAdmin();
    WireInsight();
    SetCharTabEnable(false);
    connect(v.splitTreeSheet, &QSplitter::splitterMoved, this,
            [this] { m_bSplitterPlaced = true; });
    v.splitTreeSheet->installEventFilter(this);

    // Keys for what officers do most, beside every button's and menu's access key.
    auto Key = [this](QKeySequence key, QAbstractButton* pButton) {
        connect(new QShortcut(key, this), &QShortcut::activated, pButton, [pButton] {
            if (pButton->isVisible() && pButton->isEnabled())
                pButton->click();
        });
    };
    Key(QKeySequence(Qt::Key_F5), v.cmdTreeRefresh);
    Key(QKeySequence(Qt::CTRL | Qt::Key_F), v.cmdFindInTree);
    Key(QKeySequence::Save, v.sheet.cmdSaveChanges);
    NameControlsAfterLabels(this);

    m_pLoginFlow = std::make_unique<LoginFlow>(
        LoginParts{*this, *m_pSession, m_settings, m_savedTrees, v, m_menus, *m_pRoster,
                   *m_pPlayerSetup, *m_pNewServerSetup, *m_pAllegiance, *m_pFeed, *m_pSheet,
                   *m_pHistory, *m_pNotifications,
                   [this](bool bUsePics) { ApplyTreeStyle(bUsePics); }, fnEndProgram},
        this);
    connect(m_pLoginFlow.get(), &LoginFlow::LoginFormShown, this, &frmMain::LoginFormShown);
}

void frmMain::ShowLoginForm() {
    m_pLoginFlow->ShowLoginForm();
}

void frmMain::Login() {
    m_pLoginFlow->Login();
}

bool frmMain::DisplayLoginInfo(const QString& strPayload) {
    return m_pLoginFlow->DisplayLoginInfo(strPayload);
}

void frmMain::mnuLogin_Click() {
    if (m_pSheet->MayLeave())
        ShowLoginForm();
}

void frmMain::Start() {
    const WindowLayout layout = WindowLayout::Load(LayoutFile());
    if (!layout.geometry.isEmpty())
        restoreGeometry(layout.geometry);
    if (!layout.splitter.isEmpty())
        m_bSplitterPlaced = m_pViews->splitTreeSheet->restoreState(layout.splitter);
    show();
    ShowLoginForm();
}

QString frmMain::LayoutFile() const {
    return m_settings.strPath + QStringLiteral("layout.ini");
}

void frmMain::WireAllegiance() {
    MainViews& v = *m_pViews;
    m_pAllegiance = std::make_unique<AllegianceView>(
        *m_pSession, *m_pCurrentChar, *m_pRoster,
        AllegianceControls{v.treTreeView, v.sheet.treImmediateTree, v.grdFlatList, v.tabMainTab},
        [this](bool bEnabled) { SetCharTabEnable(bEnabled); }, this);
    ApplyTreeStyle(true);
    m_pFeed = std::make_unique<TreeFeed>(*m_pSession, *m_pCurrentChar, *m_pRoster, *m_pAllegiance);
    AllegianceView* pTree = m_pAllegiance.get();
    m_pCycle->Route(zorv::OpTree, [this](const Reply& reply) {
        m_pAllegiance->ParseTreeData(reply.strPayload);
        m_pCycle->EndWait();
    });
    connect(v.cmdTreeRefresh, &QPushButton::clicked, pTree, &AllegianceView::cmdTreeRefresh_Click);
    connect(v.cmdRefreshFlatList, &QPushButton::clicked, pTree,
            &AllegianceView::cmdTreeRefresh_Click);
    connect(v.cmdFindInTree, &QPushButton::clicked, pTree, &AllegianceView::cmdFindInTree_Click);
    connect(m_menus.mnuTreeOpExpandAll, &QAction::triggered, pTree,
            &AllegianceView::mnuTreeOpExpandAll);
    connect(m_menus.mnuTreeOpExpandNode, &QAction::triggered, pTree,
            &AllegianceView::mnuTreeOpExpandNode);
    connect(m_menus.mnuTreeOpCollapseAll, &QAction::triggered, pTree,
            &AllegianceView::mnuTreeOpCollapseAll);
    connect(m_menus.mnuTreeOpCollapseNode, &QAction::triggered, pTree,
            &AllegianceView::mnuTreeOpCollapseNode);
}

void frmMain::WireSheet() {
    m_pSheet =
        std::make_unique<CharacterSheet>(*m_pSession, *m_pCurrentChar, *m_pRoster, *m_pSkills,
                                         m_pViews->sheet, *m_pAllegiance, *m_pLogin);
    connect(m_pFeed.get(), &TreeFeed::Applied, m_pSheet.get(), &CharacterSheet::ShowTreeFigures);
    // Showing another character, or a new tree, must not throw away unsaved edits unasked.
    m_pAllegiance->fnMayLeaveCharacter = [this] { return m_pSheet->MayLeave(); };

    m_pOperations = std::make_unique<AllegianceOperations>(*m_pSession, *m_pCurrentChar, *m_pRoster,
                                                           *m_pAllegiance, *m_pSheet,
                                                           m_pViews->sheet, *m_pLogin, this);
    AllegianceOperations* pOps = m_pOperations.get();
    const SheetViews& v = m_pViews->sheet;
    connect(v.cmdAddVassal, &QPushButton::clicked, pOps, &AllegianceOperations::AddVassal);
    connect(v.cmdRemoveVassal, &QPushButton::clicked, pOps, &AllegianceOperations::RemoveVassal);
    connect(v.cmdChangePatron, &QPushButton::clicked, pOps, &AllegianceOperations::ChangePatron);
    connect(m_menus.mnuAddVassal, &QAction::triggered, pOps, &AllegianceOperations::AddVassal);
    connect(m_menus.mnuChangePatron, &QAction::triggered, pOps,
            &AllegianceOperations::ChangePatron);
    connect(m_menus.mnuChangePassword, &QAction::triggered, pOps,
            &AllegianceOperations::ChangePassword);
}

void frmMain::WireLists() {
    MainViews& v = *m_pViews;
    m_pLists = std::make_unique<GuildLists>(
        *m_pSession, ListControls{v.grdRescueSquad, v.cmdRefreshRescueSquad, v.grdPortalList,
                                  v.cmdPortalListRefresh, v.grdTradeSkills, v.cmdGetTradeSkills});
    m_pSearch = std::make_unique<SkillSearch>(
        *m_pSession, *m_pRoster, *m_pSkills,
        SearchControls{v.cmbSearchRace, v.cmbSearchRank, v.grdSearchSkill, v.cmdSearch,
                       v.cmdSearchReset, v.grdSearch, v.cmbSavedSearch, v.cmdSaveSearch,
                       v.cmdDeleteSearch, v.cmdShowInTree},
        m_settings.strPath + QStringLiteral("searches.json"));
    m_pSearch->fnShowFound = [this](const QList<qint16>& found) {
        m_pAllegiance->ShowFound(found);
    };
    for (Grid* pGrid : ListGrids())
        connect(pGrid, &Grid::RowActivated, m_pAllegiance.get(), &AllegianceView::JumpToCharacter);
    // The value grids export as the lists do: a character's skills, a search's criteria.
    QList<Grid*> exported = ListGrids();
    exported << m_pViews->sheet.grdSkillGrid << v.grdSearchSkill;
    for (Grid* pGrid : exported)
        connect(pGrid, &Grid::ExportRequested, this,
                [this, pGrid] { ExportGrid(*pGrid, *m_pPrompts); });
}

void frmMain::WireAdmin() {
    m_pAdmin = std::make_unique<AdminOperations>(*m_pSession, *m_pRoster, *m_pAllegiance,
                                                 *m_pNewServerSetup, this);
    m_pAdmin->fnGuildChanged = [this] { setWindowTitle(m_pSession->Caption()); };
    AdminOperations* pAdmin = m_pAdmin.get();
    connect(m_menus.mnuAdminBackupDB, &QAction::triggered, pAdmin, &AdminOperations::AdminBackupDB);
    connect(m_menus.mnuAdminChangeSec, &QAction::triggered, pAdmin,
            &AdminOperations::AdminChangeSec);
    connect(m_menus.mnuAdminResetCharPass, &QAction::triggered, pAdmin,
            &AdminOperations::AdminResetPass);
    connect(m_menus.mnuAdminServerSetup, &QAction::triggered, pAdmin,
            &AdminOperations::AdminServerSetup);
    m_pNotifications = std::make_unique<frmNotifications>(*m_pSession, this);
    connect(m_menus.mnuAdminNotifications, &QAction::triggered, m_pNotifications.get(),
            &frmNotifications::ShowAndRefresh);
    m_pHistory = std::make_unique<ChangeHistory>(*m_pSession, *m_pCurrentChar, *m_pAllegiance,
                                                 *m_pSheet, m_pViews->sheet.tabCharInfo,
                                                 m_pViews->sheet.pageHistory, this);
    connect(m_menus.mnuRecentChanges, &QAction::triggered, m_pHistory.get(),
            &ChangeHistory::ShowRecentChanges);
    connect(m_pFeed.get(), &TreeFeed::Applied, m_pHistory.get(), &ChangeHistory::ChangedElsewhere);
}

void frmMain::WireInsight() {
    m_pFacts = std::make_unique<GuildFactsSource>(*m_pSession);
    m_pChart = std::make_unique<frmAllegianceChart>(*m_pPrompts, *m_pRoster, this, m_pFacts.get());
    m_pChart->fnShowCharacter = [this](const QString& strName) {
        m_pAllegiance->JumpToCharacter(strName);
        raise();
        activateWindow();
    };
    m_pChart->fnGuildName = [this] { return m_pSession->strGuildName; };
    m_pStatistics = std::make_unique<frmGuildStatistics>(*m_pPrompts, *m_pRoster, this,
                                                         m_pFacts.get(), m_pCycle.get());
    // Both follow the roster shown, whichever way it was replaced.
    frmAllegianceChart* pChart = m_pChart.get();
    frmGuildStatistics* pStatistics = m_pStatistics.get();
    connect(m_pFeed.get(), &TreeFeed::Applied, pChart, &frmAllegianceChart::RosterChanged);
    connect(m_pFeed.get(), &TreeFeed::Applied, pStatistics, &frmGuildStatistics::RosterChanged);
    connect(m_pAllegiance.get(), &AllegianceView::TreeDownloaded, pChart,
            &frmAllegianceChart::RosterChanged);
    connect(m_pAllegiance.get(), &AllegianceView::TreeDownloaded, pStatistics,
            &frmGuildStatistics::RosterChanged);
    connect(m_menus.mnuTreeOpChart, &QAction::triggered, this, &frmMain::mnuTreeOpChart_Click);
    connect(m_menus.mnuTreeOpStatistics, &QAction::triggered, this,
            &frmMain::mnuTreeOpStatistics_Click);
    m_pAttention = std::make_unique<frmAttentionReport>(*m_pSession, *m_pFacts, *m_pRoster, this);
    m_pAttention->fnShowCharacter = m_pChart->fnShowCharacter;
    frmAttentionReport* pAttention = m_pAttention.get();
    connect(m_pFeed.get(), &TreeFeed::Applied, pAttention, &frmAttentionReport::RosterChanged);
    connect(m_pAllegiance.get(), &AllegianceView::TreeDownloaded, pAttention,
            &frmAttentionReport::RosterChanged);
    connect(m_menus.mnuTreeOpAttention, &QAction::triggered, pAttention,
            &frmAttentionReport::ShowReport);
}

qint16 frmMain::SelectedId() const {
    QString strKey = m_pAllegiance->SelectedKey();
    if (strKey.isEmpty())
        strKey = m_pAllegiance->strCurrentNodeKey;
    const int iRecord = (*m_pRoster)->IndexOf(strKey);
    return iRecord >= 0 ? (*m_pRoster)->At(iRecord).nID : qint16(-1);
}

void frmMain::mnuTreeOpChart_Click() {
    m_pChart->ShowFor(SelectedId());
}

void frmMain::mnuTreeOpStatistics_Click() {
    m_pStatistics->ShowWithActivity(SelectedId());
}

QList<Grid*> frmMain::ListGrids() const {
    const MainViews& v = *m_pViews;
    return {v.grdFlatList, v.grdRescueSquad, v.grdPortalList, v.grdTradeSkills, v.grdSearch};
}

void frmMain::mnuFileExport_Click() {
    // The list of the view shown; the tree's view has none.
    QWidget* pPage = m_pViews->tabMainTab->currentWidget();
    for (Grid* pGrid : ListGrids())
        if (pPage && pPage->isAncestorOf(pGrid))
            return void(ExportGrid(*pGrid, *m_pPrompts));
    m_pPrompts->Inform(tr("Choose a list or the search results to export."));
}

void frmMain::SetCharTabEnable(bool bEnabled) {
    if (m_pSheet) // the tree may ask before the sheet exists
        m_pSheet->SetCharTabEnable(bEnabled);
}

void frmMain::ApplyTreeStyle(bool bUsePics) {
    // Without pictures the nodes carry no icon and the views keep no room for one.
    for (QTreeView* pTree : {m_pViews->treTreeView, m_pViews->sheet.treImmediateTree}) {
        pTree->setProperty("usePics", bUsePics);
        pTree->setIconSize(bUsePics ? QSize(16, 16) : QSize(0, 0));
    }
    m_pAllegiance->SetUsePics(bUsePics);
}

bool frmMain::event(QEvent* pEvent) {
    const bool bHandled = QMainWindow::event(pEvent);
    if (pEvent->type() == QEvent::LayoutRequest && layout()) {
        const QSize least = m_leastSize.expandedTo(layout()->minimumSize());
        if (least != minimumSize())
            setMinimumSize(least);
    }
    return bHandled;
}

void frmMain::mnuOptions_Click() {
    m_pOptions->Run();
    if (!m_pOptions->bHitCancel) {
        SaveSettings(m_settings, *m_pPrompts);
        m_pCycle->SetTimeoutSeconds(m_settings.iTimeoutTime);
    }
    ApplyTreeStyle(m_settings.iUsePics == 1);
}

void frmMain::mnuFileExit_Click() {
    close();
}

void frmMain::mnuAbout_Click() {
    const bool bLoggedIn = !m_pSession->strCurCharID.isEmpty();
    const QString strScheme =
        m_pCycle->CurrentLogin().bTls ? QStringLiteral("https://") : QString();
    m_pAbout->SetLogin(bLoggedIn ? strScheme + m_pCycle->CurrentLogin().strServer +
                                       m_pCycle->CurrentLogin().strURI
                                 : QString(),
                       bLoggedIn ? m_pSession->strGuildName : QString());
    m_pPrompts->Exec(*m_pAbout);
}

bool frmMain::eventFilter(QObject* pWatched, QEvent* pEvent) {
    // The tree takes 40 % and the sheet 60 % until the user places the border himself.
    QSplitter* pSplit = m_pViews->splitTreeSheet;
    if (pWatched == pSplit && pEvent->type() == QEvent::Resize && !m_bSplitterPlaced) {
        const int iWidth = pSplit->width() - pSplit->handleWidth();
        pSplit->setSizes({iWidth * 4 / 10, iWidth - iWidth * 4 / 10});
    }
    return QMainWindow::eventFilter(pWatched, pEvent);
}

void frmMain::closeEvent(QCloseEvent* pEvent) {
    if (!m_pSheet->MayLeave()) {
        pEvent->ignore();
        return;
    }
    if (isVisible()) // how the user left it, for the next start
        WindowLayout{saveGeometry(), m_pViews->splitTreeSheet->saveState()}.Save(LayoutFile());
    Form_Unload();
    QMainWindow::closeEvent(pEvent);
}

void frmMain::Form_Unload() {
    for (QDialog* pDialog :
         std::initializer_list<QDialog*>{m_pAbout.get(), m_pLogin.get(), m_pNewServerSetup.get(),
                                         m_pPlayerSetup.get(), m_pOptions.get()})
        pDialog->close();
    if (m_pChart)
        m_pChart->close();
    if (m_pStatistics)
        m_pStatistics->close();
    if (m_pAttention)
        m_pAttention->close();
    if (m_pNotifications)
        m_pNotifications->close();
    // A chained wait still pumping events must end, or the program could never quit.
    m_pCycle->Abandon();
    m_pFeed->Stop();
    m_pLoginFlow->SaveTree();
}
