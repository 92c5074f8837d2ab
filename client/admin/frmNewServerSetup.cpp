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
    //: Window title; ZORV is the program's name
    setWindowTitle(tr("Setup ZORV Server"));
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
    //: The default password: the guild's password for new members
    chkResetExisting = new QCheckBox(
        tr("Reset all users with current default password to new default password"), this);
    chkResetExisting->setObjectName(QStringLiteral("chkResetExisting"));
    //: The rescue squad: the guild's members who come to the help of others
    chkUseRescue = new QCheckBox(tr("Use Rescue Squad"), this);
    chkUseRescue->setObjectName(QStringLiteral("chkUseRescue"));

    auto* pGuild = new QFormLayout;
    pGuild->addRow(tr("Guild Name:"), txtGuildName);
    //: Frame caption: the guild's password for new members
    auto* pPasswordFrame = new QGroupBox(tr("Default Password"), this);
    auto* pPassword = new QFormLayout(pPasswordFrame);
    auto* pNote = new QLabel(
        tr("The default password is the password that all new members will start out with.  Make "
           "sure to encourage new members to change their passwords from the default to their own "
           "personal password ASAP."),
        pPasswordFrame);
    pNote->setWordWrap(true);
    pPassword->addRow(pNote);
    pPassword->addRow(tr("Default Password:"), txtDefaultPW);
    pPassword->addRow(tr("Confirm Default Password:"), txtConfirmPW);
    pPassword->addRow(chkResetExisting);
    //: Frame caption: the guild's members who come to the help of others
    auto* pRescueFrame = new QGroupBox(tr("Rescue Squad"), this);
    auto* pRescue = new QFormLayout(pRescueFrame);
    //: ZORV is the program's name; the rescue squad: the guild's members who come to the help of
    //: others
    auto* pRescueNote = new QLabel(tr("If you are enabling/disabling the Rescue Squad Feature, you "
                                      "must exit ZORV and re-enter to see the changes"),
                                   pRescueFrame);
    pRescueNote->setWordWrap(true);
    pRescue->addRow(chkUseRescue);
    //: The guild's own name for its rescue squad
    pRescue->addRow(tr("Rescue Squad Name:"), txtRescueSquadName);
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
        strMessage = tr("You must enter your guild's name!");
    else if (strDefault.isEmpty() && bNewServer)
        strMessage = tr("You must enter the default password for your server!");
    else if (strConfirm.isEmpty() && (!strDefault.isEmpty() || bNewServer))
        strMessage = tr("You must confirm the password you entered for the default password!");
    else if (strConfirm != strDefault)
        strMessage = tr("The confirmation password does not match the password you entered!");
    else if (!strDefault.isEmpty() && !PasswordLengthProblem(strDefault).isEmpty())
        strMessage = PasswordLengthProblem(strDefault);
    else if (chkUseRescue->isChecked() && strSquad.isEmpty())
        //: The rescue squad: the guild's members who come to the help of others
        strMessage = tr("You must specify the name of your rescue squad!");
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
