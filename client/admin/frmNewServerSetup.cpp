#include "frmNewServerSetup.h"

#include "DialogButtons.h"
#include "Latin1.h"
#include "PasswordRules.h"
#include "Prompts.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmNewServerSetup::frmNewServerSetup(Prompts& prompts, QWidget* pParent)
    : QDialog(pParent), m_prompts(prompts) {
    setObjectName(QStringLiteral("frmNewServerSetup"));
    setWindowTitle(QStringLiteral("Setup ZORV Server"));
    auto Edit = [this](const char* szName, bool bPassword) {
        auto* pEdit = new QLineEdit(this);
        pEdit->setObjectName(QLatin1String(szName));
        AcceptLatin1Only(pEdit);
        if (bPassword)
            pEdit->setEchoMode(QLineEdit::Password);
        return pEdit;
    };
    txtGuildName = Edit("txtGuildName", false);
    txtDefaultPW = Edit("txtDefaultPW", true);
    txtConfirmPW = Edit("txtConfirmPW", true);
    txtRescueSquadName = Edit("txtRescueSquadName", false);
    chkResetExisting = new QCheckBox(
        QStringLiteral("Reset all users with current default password to new default password"),
        this);
    chkResetExisting->setObjectName(QStringLiteral("chkResetExisting"));
    chkUseRescue = new QCheckBox(QStringLiteral("Use Rescue Squad"), this);
    chkUseRescue->setObjectName(QStringLiteral("chkUseRescue"));

    auto* pGuild = new QFormLayout;
    pGuild->addRow(QStringLiteral("Guild Name:"), txtGuildName);
    auto* pPasswordFrame = new QGroupBox(QStringLiteral("Default Password"), this);
    auto* pPassword = new QFormLayout(pPasswordFrame);
    auto* pNote = new QLabel(
        QStringLiteral("The default password is the password that all new members will start "
                       "out with.  Make sure to encourage new members to change their passwords "
                       "from the default to their own personal password ASAP."),
        pPasswordFrame);
    pNote->setWordWrap(true);
    pPassword->addRow(pNote);
    pPassword->addRow(QStringLiteral("Default Password:"), txtDefaultPW);
    pPassword->addRow(QStringLiteral("Confirm Default Password:"), txtConfirmPW);
    pPassword->addRow(chkResetExisting);
    auto* pRescueFrame = new QGroupBox(QStringLiteral("Rescue Squad"), this);
    auto* pRescue = new QFormLayout(pRescueFrame);
    auto* pRescueNote = new QLabel(QStringLiteral("If you are enabling/disabling the Rescue Squad "
                                                  "Feature, you must exit ZORV and re-enter to see "
                                                  "the changes"),
                                   pRescueFrame);
    pRescueNote->setWordWrap(true);
    pRescue->addRow(chkUseRescue);
    pRescue->addRow(QStringLiteral("Rescue Squad Name:"), txtRescueSquadName);
    pRescue->addRow(pRescueNote);
    QHBoxLayout* pButtons = DialogButtons(this, cmdOK, cmdCancel);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pGuild);
    pLayout->addWidget(pPasswordFrame);
    pLayout->addWidget(pRescueFrame);
    pLayout->addLayout(pButtons);
    setMinimumWidth(460);

    txtRescueSquadName->setEnabled(false);
    connect(chkUseRescue, &QCheckBox::toggled, this, [this] { chkUseRescue_Click(); });
    connect(cmdOK, &QPushButton::clicked, this, &frmNewServerSetup::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmNewServerSetup::cmdCancel_Click);
}

void frmNewServerSetup::Run() {
    Form_Activate();
    m_prompts.Exec(*this);
}

void frmNewServerSetup::Form_Activate() {
    cmdCancel->setEnabled(!bNewServer);
    chkResetExisting->setEnabled(!bNewServer);
    chkUseRescue_Click();
}

void frmNewServerSetup::chkUseRescue_Click() {
    txtRescueSquadName->setEnabled(chkUseRescue->isChecked());
}

void frmNewServerSetup::cmdOK_Click() {
    const QString strGuild = txtGuildName->text();
    const QString strDefault = txtDefaultPW->text();
    const QString strConfirm = txtConfirmPW->text();
    const QString strSquad = txtRescueSquadName->text();
    QString strMessage;
    if (strGuild.isEmpty())
        strMessage = QStringLiteral("You must enter your guild's name!");
    else if (strDefault.isEmpty() && bNewServer)
        strMessage = QStringLiteral("You must enter the default password for your server!");
    else if (strConfirm.isEmpty() && (!strDefault.isEmpty() || bNewServer))
        strMessage =
            QStringLiteral("You must confirm the password you entered for the default password!");
    else if (strConfirm != strDefault)
        strMessage =
            QStringLiteral("The confirmation password does not match the password you entered!");
    else if (!strDefault.isEmpty() && !PasswordLengthProblem(strDefault).isEmpty())
        strMessage = PasswordLengthProblem(strDefault);
    else if (chkUseRescue->isChecked() && strSquad.isEmpty())
        strMessage = QStringLiteral("You must specify the name of your rescue squad!");
    if (!strMessage.isEmpty()) {
        m_prompts.Inform(strMessage);
        return;
    }
    strGuildName = strGuild;
    strDefaultPW = strDefault;
    strRescueSquadName = strSquad;
    iResetExisting = chkResetExisting->isChecked() ? 1 : 0;
    iUseRescueSquad = chkUseRescue->isChecked() ? 1 : 0;
    bComplete = true;
    bHitCancel = false;
    accept();
}

void frmNewServerSetup::cmdCancel_Click() {
    reject();
}

void frmNewServerSetup::reject() {
    bHitCancel = true;
    bComplete = false;
    QDialog::reject();
}
