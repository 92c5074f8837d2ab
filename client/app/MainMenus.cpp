#include "MainMenus.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

namespace {

// The captions are marked for translation where they are given, and shown translated.
QString Caption(const char* szCaption) {
    return QCoreApplication::translate("MainMenus", szCaption);
}

QMenu* Menu(QMenuBar* pBar, const char* szCaption, const char* szName) {
    QMenu* pMenu = pBar->addMenu(Caption(szCaption));
    pMenu->setObjectName(QLatin1String(szName));
    return pMenu;
}

QAction* Item(QMenu* pMenu, const char* szCaption, const char* szName) {
    QAction* pAction = pMenu->addAction(Caption(szCaption));
    pAction->setObjectName(QLatin1String(szName));
    return pAction;
}

} // namespace

MainMenus BuildMainMenus(QMenuBar* pBar) {
    MainMenus m{};
    QMenu* pFile = Menu(pBar, QT_TRANSLATE_NOOP("MainMenus", "&File"), "mnuFile");
    //: Logs in again, to this or another server
    m.mnuLogin = Item(pFile, QT_TRANSLATE_NOOP("MainMenus", "&Login"), "mnuLogin");
    m.mnuFileExport =
        Item(pFile, QT_TRANSLATE_NOOP("MainMenus", "E&xport List..."), "mnuFileExport");
    m.mnuFileExit = Item(pFile, QT_TRANSLATE_NOOP("MainMenus", "&Exit"), "mnuFileExit");
    //: Menu: what is done for the selected character: vassals, patron, password
    QMenu* pPlayer = Menu(pBar, QT_TRANSLATE_NOOP("MainMenus", "Current &Player Functions"),
                          "mnuPlayerFunctions");
    //: Adds a vassal (a character sworn to one as patron) under the selected character
    m.mnuAddVassal = Item(pPlayer, QT_TRANSLATE_NOOP("MainMenus", "&Add Vassal"), "mnuAddVassal");
    //: Moves the selected character under another patron (the character one is sworn to)
    m.mnuChangePatron =
        Item(pPlayer, QT_TRANSLATE_NOOP("MainMenus", "&Change Patron"), "mnuChangePatron");
    m.mnuChangePassword =
        Item(pPlayer, QT_TRANSLATE_NOOP("MainMenus", "Change &Password"), "mnuChangePassword");
    //: Menu: the allegiance tree
    QMenu* pTree =
        Menu(pBar, QT_TRANSLATE_NOOP("MainMenus", "&Tree Operations"), "mnuTreeOperations");
    m.mnuTreeOpExpandAll =
        Item(pTree, QT_TRANSLATE_NOOP("MainMenus", "E&xpand Entire Tree"), "mnuTreeOpExpandAll");
    //: Opens every branch below the selected character in the tree
    m.mnuTreeOpExpandNode =
        Item(pTree, QT_TRANSLATE_NOOP("MainMenus", "Expand Entire &Node"), "mnuTreeOpExpandNode");
    m.mnuTreeOpCollapseAll = Item(pTree, QT_TRANSLATE_NOOP("MainMenus", "&Collapse Entire Tree"),
                                  "mnuTreeOpCollapseAll");
    //: Closes every branch below the selected character in the tree
    m.mnuTreeOpCollapseNode = Item(pTree, QT_TRANSLATE_NOOP("MainMenus", "Collapse Entire N&ode"),
                                   "mnuTreeOpCollapseNode");
    pTree->addSeparator();
    //: The allegiance: the guild's members, each sworn to a patron above it
    m.mnuTreeOpChart =
        Item(pTree, QT_TRANSLATE_NOOP("MainMenus", "&Allegiance Chart..."), "mnuTreeOpChart");
    m.mnuTreeOpStatistics =
        Item(pTree, QT_TRANSLATE_NOOP("MainMenus", "Guild &Statistics..."), "mnuTreeOpStatistics");
    m.mnuTreeOpAttention =
        Item(pTree, QT_TRANSLATE_NOOP("MainMenus", "A&ttention Report..."), "mnuTreeOpAttention");
    m.mnuRecentChanges =
        Item(pTree, QT_TRANSLATE_NOOP("MainMenus", "&Recent Changes..."), "mnuRecentChanges");
    //: Menu bar item: opens the options
    m.mnuOptions = pBar->addAction(QCoreApplication::translate("MainMenus", "&Options"));
    m.mnuOptions->setObjectName(QStringLiteral("mnuOptions"));
    //: Menu: what administrators do
    m.mnuAdministrator =
        Menu(pBar, QT_TRANSLATE_NOOP("MainMenus", "&Administrator"), "mnuAdministrator");
    //: Saves the whole guild to a file
    m.mnuAdminBackupDB = Item(
        m.mnuAdministrator, QT_TRANSLATE_NOOP("MainMenus", "&Backup Database"), "mnuAdminBackupDB");
    m.mnuAdminChangeSec = Item(m.mnuAdministrator,
                               QT_TRANSLATE_NOOP("MainMenus", "Change Character's Security &Level"),
                               "mnuAdminChangeSec");
    m.mnuAdminResetCharPass =
        Item(m.mnuAdministrator, QT_TRANSLATE_NOOP("MainMenus", "Reset Character's &Password"),
             "mnuAdminResetCharPass");
    m.mnuAdminServerSetup = Item(
        m.mnuAdministrator, QT_TRANSLATE_NOOP("MainMenus", "Server &Setup"), "mnuAdminServerSetup");
    m.mnuAdminNotifications =
        //: The chat channels the guild's changes are sent to
        Item(m.mnuAdministrator, QT_TRANSLATE_NOOP("MainMenus", "&Notifications..."),
             "mnuAdminNotifications");
    m.mnuAdministrator->menuAction()->setVisible(false);
    QMenu* pHelp = Menu(pBar, QT_TRANSLATE_NOOP("MainMenus", "&Help"), "mnuHelp");
    m.mnuAbout = Item(pHelp, QT_TRANSLATE_NOOP("MainMenus", "&About"), "mnuAbout");
    return m;
}
