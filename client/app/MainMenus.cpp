#include "MainMenus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

QMenu* Menu(QMenuBar* pBar, const char* szCaption, const char* szName) {
    QMenu* pMenu = pBar->addMenu(QString::fromLatin1(szCaption));
    pMenu->setObjectName(QLatin1String(szName));
    return pMenu;
}

QAction* Item(QMenu* pMenu, const char* szCaption, const char* szName) {
    QAction* pAction = pMenu->addAction(QString::fromLatin1(szCaption));
    pAction->setObjectName(QLatin1String(szName));
    return pAction;
}

} // namespace

MainMenus BuildMainMenus(QMenuBar* pBar) {
    MainMenus m{};
    QMenu* pFile = Menu(pBar, "&File", "mnuFile");
    m.mnuLogin = Item(pFile, "&Login", "mnuLogin");
    m.mnuFileExport = Item(pFile, "E&xport List...", "mnuFileExport");
    m.mnuFileExit = Item(pFile, "&Exit", "mnuFileExit");
    QMenu* pPlayer = Menu(pBar, "Current &Player Functions", "mnuPlayerFunctions");
    m.mnuAddVassal = Item(pPlayer, "&Add Vassal", "mnuAddVassal");
    m.mnuChangePatron = Item(pPlayer, "&Change Patron", "mnuChangePatron");
    m.mnuChangePassword = Item(pPlayer, "Change &Password", "mnuChangePassword");
    QMenu* pTree = Menu(pBar, "&Tree Operations", "mnuTreeOperations");
    m.mnuTreeOpExpandAll = Item(pTree, "E&xpand Entire Tree", "mnuTreeOpExpandAll");
    m.mnuTreeOpExpandNode = Item(pTree, "Expand Entire &Node", "mnuTreeOpExpandNode");
    m.mnuTreeOpCollapseAll = Item(pTree, "&Collapse Entire Tree", "mnuTreeOpCollapseAll");
    m.mnuTreeOpCollapseNode = Item(pTree, "Collapse Entire N&ode", "mnuTreeOpCollapseNode");
    pTree->addSeparator();
    m.mnuTreeOpChart = Item(pTree, "&Allegiance Chart...", "mnuTreeOpChart");
    m.mnuTreeOpStatistics = Item(pTree, "Guild &Statistics...", "mnuTreeOpStatistics");
    m.mnuTreeOpAttention = Item(pTree, "A&ttention Report...", "mnuTreeOpAttention");
    m.mnuRecentChanges = Item(pTree, "&Recent Changes...", "mnuRecentChanges");
    m.mnuOptions = pBar->addAction(QStringLiteral("&Options"));
    m.mnuOptions->setObjectName(QStringLiteral("mnuOptions"));
    m.mnuAdministrator = Menu(pBar, "&Administrator", "mnuAdministrator");
    m.mnuAdminBackupDB = Item(m.mnuAdministrator, "&Backup Database", "mnuAdminBackupDB");
    m.mnuAdminChangeSec =
        Item(m.mnuAdministrator, "Change Character's Security &Level", "mnuAdminChangeSec");
    m.mnuAdminResetCharPass =
        Item(m.mnuAdministrator, "Reset Character's &Password", "mnuAdminResetCharPass");
    m.mnuAdminServerSetup = Item(m.mnuAdministrator, "Server &Setup", "mnuAdminServerSetup");
    m.mnuAdminNotifications =
        Item(m.mnuAdministrator, "&Notifications...", "mnuAdminNotifications");
    m.mnuAdministrator->menuAction()->setVisible(false);
    QMenu* pHelp = Menu(pBar, "&Help", "mnuHelp");
    m.mnuAbout = Item(pHelp, "&About", "mnuAbout");
    return m;
}
