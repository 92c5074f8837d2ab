#pragma once
// The main window's menu bar, built once: each item that something answers is a member here, so
// that wiring an item is a compile-time name, not a lookup by its object name.
class QAction;
class QMenu;
class QMenuBar;

struct MainMenus {
    // File
    QAction* mnuLogin;
    QAction* mnuFileExport;
    QAction* mnuFileExit;
    // Current Player Functions
    QAction* mnuAddVassal;
    QAction* mnuChangePatron;
    QAction* mnuChangePassword;
    // Tree Operations
    QAction* mnuTreeOpExpandAll;
    QAction* mnuTreeOpExpandNode;
    QAction* mnuTreeOpCollapseAll;
    QAction* mnuTreeOpCollapseNode;
    QAction* mnuTreeOpChart;
    QAction* mnuTreeOpStatistics;
    QAction* mnuTreeOpAttention;
    QAction* mnuRecentChanges;
    QAction* mnuOptions;
    // Administrator: shown to administrators only.
    QMenu* mnuAdministrator;
    QAction* mnuAdminBackupDB;
    QAction* mnuAdminChangeSec;
    QAction* mnuAdminResetCharPass;
    QAction* mnuAdminServerSetup;
    QAction* mnuAdminNotifications;
    // Help
    QAction* mnuAbout;
};

// Fills an empty menu bar; the actions and menus carry their names as object names too.
MainMenus BuildMainMenus(QMenuBar* pBar);
