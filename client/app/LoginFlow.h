#pragma once
// The login, from the choice of server and character to the tree shown: the login request and
// its reply with the version handshake, the first set-up of a new server, the tree kept for the
// next login of the same character, and the read-only mode over that kept tree while its server
// cannot be reached (which ends by itself with a login when the server answers again).
#include "MainMenus.h"

#include <QObject>
#include <QTimer>
#include <functional>

struct MainViews;
struct Reply;
struct Session;
struct Settings;
class AllegianceView;
class ChangeHistory;
class CharacterSheet;
class QMainWindow;
class Roster;
class SavedTrees;
class TreeFeed;
class frmNewServerSetup;
class frmNotifications;
class frmPlayerSetup;

// What the login acts on, all owned by the main window and outliving the flow.
struct LoginParts {
    QMainWindow& window; // its title names the login
    Session& session;
    Settings& settings;
    SavedTrees& savedTrees;
    MainViews& views;
    const MainMenus& menus;
    Roster& roster;
    frmPlayerSetup& playerSetup;
    frmNewServerSetup& newServerSetup;
    AllegianceView& tree;
    TreeFeed& feed;
    CharacterSheet& sheet;
    ChangeHistory& history;
    frmNotifications& notifications;
    // Applies the tree's style (pictures or none) as the settings just read say.
    std::function<void(bool)> fnApplyTreeStyle;
    // Ends the program at once (a version mismatch).
    std::function<void()>& fnEndProgram;
};

class LoginFlow final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LoginFlow)
public:
    explicit LoginFlow(LoginParts parts, QObject* pParent = nullptr);

    // Server and character choice, then the login; also after a "back to the login" error.
    void ShowLoginForm();
    void Login();
    // False when the program is to end (a version mismatch).
    bool DisplayLoginInfo(const QString& strPayload);
    // Keeps the tree shown for the next login of the same character on the same server.
    void SaveTree();
    // The server, path and scheme the login goes to: the key of what is kept per server.
    QString ServerKey() const;

signals:
    void LoginFormShown();

private:
    void LoginReply(const Reply& reply);
    // After a login: true when the own record may be shown over the sheet, whose edits from
    // before the login were saved, discarded or cannot be kept.
    bool KeepEditsAcrossLogin();
    void SetupNewServer();
    void ApplyRescueSquad();
    // The login's server cannot be reached: offers the tree kept for this login, read-only;
    // false when there is none to offer.
    bool OfferOffline(const QString& strWhy);
    // Changing actions off, and nothing sent, while a kept tree is shown without its server
    // (strWhy says so in the status bar); an empty strWhy ends it.
    void SetReadOnly(const QString& strWhy);

    LoginParts m_;
    // The tree is kept for the next login a few seconds after it last changed: a burst of changes
    // is written once, and a crash loses no more than those seconds.
    QTimer m_saveTreeTimer;
    int m_iRescueTabIndex = -1;
    bool m_bSameServer = false; // the last login went to the server of the one before
};
