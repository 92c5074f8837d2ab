#pragma once
// The main window: owns the prompts, the settings, the request cycle, the shared session, the
// roster and one instance of every dialog for the program's whole life; builds the views, wires
// the subsystems to them and dispatches each successful reply to the procedure that owns it.
#include "Characters.h"
#include "MainMenus.h"
#include "Prompts.h"
#include "SavedTrees.h"
#include "Settings.h"

#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <memory>

struct Reply;

class AdminOperations;
class ChangeHistory;
class AllegianceOperations;
class AllegianceView;
class CharacterSheet;
class CurrentCharacter;
class Skills;
class Grid;
class GuildLists;
class LoginFlow;
class SkillSearch;
class TreeFeed;
class frmAbout;
class frmAllegianceChart;
class frmGuildStatistics;
class frmAttentionReport;
class frmNotifications;
class GuildFactsSource;
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
    Settings& settings() { return m_settings; }
    frmPlayerSetup& playerSetup() { return *m_pPlayerSetup; }
    frmOptions& options() { return *m_pOptions; }
    frmNewServerSetup& newServerSetup() { return *m_pNewServerSetup; }
    frmLogin& login() { return *m_pLogin; }
    const Characters& objCharDB() const { return **m_pRoster; }
    Roster& roster() { return *m_pRoster; }
    AllegianceView& allegiance() { return *m_pAllegiance; }
    TreeFeed& feed() { return *m_pFeed; }
    CharacterSheet& sheet() { return *m_pSheet; }
    AllegianceOperations& operations() { return *m_pOperations; }
    GuildLists& lists() { return *m_pLists; }
    AdminOperations& admin() { return *m_pAdmin; }
    ChangeHistory& history() { return *m_pHistory; }
    frmAllegianceChart& chart() { return *m_pChart; }
    frmGuildStatistics& statistics() { return *m_pStatistics; }
    frmAttentionReport& attention() { return *m_pAttention; }
    frmNotifications& notifications() { return *m_pNotifications; }
    SkillSearch& search() { return *m_pSearch; }
    Skills& objSkills() { return *m_pSkills; }

    // Ends the program at once (a version mismatch); tests replace it to watch it happen.
    std::function<void()> fnEndProgram;

    // The end of the start-up: shows the window and asks for the login.
    void Start();
    // Server and character choice, then the login (LoginFlow); also after a "back to the login"
    // error.
    void ShowLoginForm();
    void Login();
    // False when the program is to end (a version mismatch).
    bool DisplayLoginInfo(const QString& strPayload);
    void mnuLogin_Click();
    void mnuOptions_Click();
    void mnuFileExit_Click();
    void mnuAbout_Click();
    // The chart of the selected character's branch, or of the whole allegiance when none is.
    void mnuTreeOpChart_Click();
    // The figures of the selected character's branch, or of the whole guild when none is.
    void mnuTreeOpStatistics_Click();
    // Saves the list of the view shown as CSV.
    void mnuFileExport_Click();
    // Enables or disables the character tabs and their Save and Reset buttons.
    void SetCharTabEnable(bool bEnabled);

signals:
    void LoginFormShown();

protected:
    void closeEvent(QCloseEvent* pEvent) override;
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;
    // Keeps the least size at 676 x 615 or what the controls need in the language shown (longer
    // captions, a rescue squad's own name), whichever is larger.
    bool event(QEvent* pEvent) override;

private:
    void Form_Load();
    void WireAllegiance();
    void WireSheet();
    void WireLists();
    void WireAdmin();
    void WireInsight();
    // The id of the character selected in the tree, or of the one shown last; -1 for none.
    qint16 SelectedId() const;
    QList<Grid*> ListGrids() const;
    void Form_Unload();
    void ApplyTreeStyle(bool bUsePics);
    // The file that keeps the window's size and the splitter between runs.
    QString LayoutFile() const;

    // Members are destroyed in reverse order, and all of them before the Qt children: whatever
    // holds a reference (the dialogs, the request cycle, the allegiance view) is declared after
    // what it refers to. The status bar and the view widgets belong to the window itself and so
    // outlive every member.
    std::unique_ptr<Prompts> m_pPrompts;
    Settings m_settings;
    SavedTrees m_savedTrees;
    StatusBar* m_pStatusBar = nullptr;
    std::unique_ptr<MainViews> m_pViews;
    std::unique_ptr<RequestCycle> m_pCycle;
    std::unique_ptr<Roster> m_pRoster;
    std::unique_ptr<CurrentCharacter> m_pCurrentChar;
    std::unique_ptr<Skills> m_pSkills;
    std::unique_ptr<Session> m_pSession;
    std::unique_ptr<frmPlayerSetup> m_pPlayerSetup;
    std::unique_ptr<frmOptions> m_pOptions;
    std::unique_ptr<frmNewServerSetup> m_pNewServerSetup;
    std::unique_ptr<frmLogin> m_pLogin;
    std::unique_ptr<frmAbout> m_pAbout;
    std::unique_ptr<AllegianceView> m_pAllegiance;
    std::unique_ptr<TreeFeed> m_pFeed;
    std::unique_ptr<CharacterSheet> m_pSheet;
    std::unique_ptr<AllegianceOperations> m_pOperations;
    std::unique_ptr<GuildLists> m_pLists;
    std::unique_ptr<SkillSearch> m_pSearch;
    std::unique_ptr<AdminOperations> m_pAdmin;
    std::unique_ptr<ChangeHistory> m_pHistory;
    std::unique_ptr<GuildFactsSource> m_pFacts; // before the windows that use it
    std::unique_ptr<frmAllegianceChart> m_pChart;
    std::unique_ptr<frmGuildStatistics> m_pStatistics;
    std::unique_ptr<frmAttentionReport> m_pAttention;
    std::unique_ptr<frmNotifications> m_pNotifications;
    std::unique_ptr<LoginFlow> m_pLoginFlow;
    MainMenus m_menus{};
    bool m_bSplitterPlaced = false; // moved by the user, or restored from the last run
    QSize m_leastSize;              // 676 x 615 on this screen
};
