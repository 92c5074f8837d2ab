#pragma once
// The main window: owns the request cycle, the prompts and the status bar for the program's
// whole life, wires the subsystems' views to them and dispatches each successful reply.
#include <QMainWindow>
#include <memory>

#include "Prompts.h"
class RequestCycle;
class StatusBar;

class frmMain final : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmMain)
public:
    // Tests hand in scripted prompts; the program passes none and gets real dialogs.
    explicit frmMain(std::unique_ptr<Prompts> pPrompts = nullptr, QWidget* pParent = nullptr);
    ~frmMain() override;

    Prompts& prompts() { return *m_pPrompts; }
    RequestCycle& cycle() { return *m_pCycle; }
    StatusBar& stsStatusBar() { return *m_pStatusBar; }

    // Opens the server and character selection and logs in anew.
    void ShowLoginForm();

signals:
    void LoginFormShown();

private:
    std::unique_ptr<Prompts> m_pPrompts;
    StatusBar* m_pStatusBar;
    RequestCycle* m_pCycle;
};
