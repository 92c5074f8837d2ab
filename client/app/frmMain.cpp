#include "frmMain.h"

#include "Prompts.h"
#include "RequestCycle.h"
#include "StatusBar.h"

frmMain::frmMain(std::unique_ptr<Prompts> pPrompts, QWidget* pParent)
    : QMainWindow(pParent), m_pPrompts(std::move(pPrompts)) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("ZORV"));
    if (!m_pPrompts)
        m_pPrompts = std::make_unique<QtPrompts>(this);

    m_pStatusBar = new StatusBar(this);
    m_pStatusBar->AddPanel(RequestCycle::kPanelOp, 2);
    m_pStatusBar->AddPanel(RequestCycle::kPanelHTTP, 2);
    m_pStatusBar->AddPanel(RequestCycle::kPanelData, 1);
    setStatusBar(m_pStatusBar);
    // 10140 x 9225 twips at 15 twips a pixel.
    setMinimumSize(676, 615);

    m_pCycle = new RequestCycle(*m_pPrompts, *m_pStatusBar, this);
    connect(m_pCycle, &RequestCycle::LoginRequired, this, &frmMain::ShowLoginForm);
}

frmMain::~frmMain() = default;

void frmMain::ShowLoginForm() {
    emit LoginFormShown();
}
