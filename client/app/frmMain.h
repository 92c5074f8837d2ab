#pragma once
// The main window: owns the request cycle, the prompts, the status bar, the shared session and
// one instance of every dialog for the program's whole life; builds the views, wires the
// subsystems to them and dispatches each successful reply to the procedure that owns it.
#include "Prompts.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class AllegianceView;
class Characters;
class frmAbout;
class frmLogin;
class frmNewServerSetup;
class frmOptions;
class frmPlayerSetup;
class QAction;
class QMenu;
class RequestCycle;
class StatusBar;
struct MainViews;
struct Session;

class frmMain final : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmMain)
public:
    // Tests hand in scripted prompts and a settings folder of their own; the program passes
    // neither and gets real dialogs and the per-user configuration folder.
    explicit frmMain(std::unique_ptr<Prompts> pPrompts = nullptr,
                     const QString& strSettingsFolder = QString(), QWidget* pParent = nullptr);
    ~frmMain() override;

    Prompts& prompts() { return *m_pPrompts; }
    RequestCycle& cycle() { return *m_pCycle; }
    StatusBar& stsStatusBar() { return *m_pStatusBar; }
    Session& session() { return *m_pSession; }
    MainViews& views() { return *m_pViews; }
    frmPlayerSetup& playerSetup() { return *m_pPlayerSetup; }
    frmOptions& options() { return *m_pOptions; }
    frmNewServerSetup& newServerSetup() { return *m_pNewServerSetup; }
    frmLogin& login() { return *m_pLogin; }
    Characters& objCharDB() { return *m_pRoster; }
    AllegianceView& allegiance() { return *m_pAllegiance; }

    // Ends the program at once (a version mismatch); tests replace it to watch it happen.
    std::function<void()> fnEndProgram;

    // The end of the start-up: shows the window and asks for the login.
    void Start();
    // Server and character choice, then the login; also after a "back to the login" error.
    void ShowLoginForm();
    void Login();
    // False when the program is to end (a version mismatch).
    bool DisplayLoginInfo();
    void mnuLogin_Click();
    void mnuOptions_Click();
    void mnuFileExit_Click();
    void mnuAbout_Click();
    // Enables or disables the character tabs and their Save and Reset buttons.
    void SetCharTabEnable(bool bEnabled);

signals:
    void LoginFormShown();

protected:
    void closeEvent(QCloseEvent* pEvent) override;

private:
    void Form_Load();
    void BuildMenus();
    void WireAllegiance();
    void Form_Unload();
    void LoginReply();
    void SetupNewServer();
    void ApplyTreeStyle(bool bUsePics);
    void ApplyRescueSquad();

    std::unique_ptr<Prompts> m_pPrompts;
    StatusBar* m_pStatusBar;
    RequestCycle* m_pCycle;
    std::unique_ptr<Session> m_pSession;
    std::unique_ptr<Characters> m_pRoster;
    AllegianceView* m_pAllegiance = nullptr;
    std::unique_ptr<MainViews> m_pViews;
    frmPlayerSetup* m_pPlayerSetup;
    frmOptions* m_pOptions;
    frmNewServerSetup* m_pNewServerSetup;
    frmLogin* m_pLogin;
    frmAbout* m_pAbout;
    QMenu* mnuAdministrator = nullptr;
    int m_iRescueTabIndex = -1;
};
