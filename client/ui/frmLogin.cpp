#include "frmLogin.h"

#include "DialogButtons.h"
#include "Latin1.h"
#include "Prompts.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmLogin::frmLogin(Prompts& prompts, QWidget* pParent) : QDialog(pParent), m_prompts(prompts) {
    setObjectName(QStringLiteral("frmLogin"));
    setWindowTitle(tr("Edit Other Character"));
    auto* pFrame = new QGroupBox(tr("Other Character Login Info"), this);
    txtCharName = new QLineEdit(pFrame);
    txtCharName->setObjectName(QStringLiteral("txtCharName"));
    txtPassword = new QLineEdit(pFrame);
    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    txtPassword->setEchoMode(QLineEdit::Password);
    AcceptLatin1Only(txtCharName);
    AcceptLatin1Only(txtPassword);
    auto* pForm = new QFormLayout(pFrame);
    pForm->addRow(tr("Character Name:"), txtCharName);
    pForm->addRow(tr("Password:"), txtPassword);
    QHBoxLayout* pButtons = DialogButtons(this, cmdOK, cmdCancel);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(pFrame);
    pLayout->addLayout(pButtons);
    connect(cmdOK, &QPushButton::clicked, this, &frmLogin::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmLogin::cmdCancel_Click);
}

void frmLogin::showEvent(QShowEvent* pEvent) {
    QDialog::showEvent(pEvent);
    Form_Activate();
}

void frmLogin::Form_Activate() {
    // The password typed last is offered again only for the character it was confirmed for: a
    // cancelled prompt leaves another name in the box.
    if (strCharName != m_strPassFor) {
        txtPassword->clear();
        txtPassword->setFocus();
    } else {
        txtPassword->setText(strPass);
        cmdOK->setFocus();
    }
    txtCharName->setText(strCharName);
    bHitOk = false;
}

void frmLogin::cmdOK_Click() {
    // An empty name or password would make the request go out under one's own login.
    if (txtCharName->text().trimmed().isEmpty() || txtPassword->text().isEmpty()) {
        m_prompts.Inform(tr("You must enter the other character's name and password!"));
        (txtCharName->text().trimmed().isEmpty() ? txtCharName : txtPassword)->setFocus();
        return;
    }
    strCharName = txtCharName->text();
    strPass = txtPassword->text();
    m_strPassFor = strCharName;
    bHitOk = true;
    accept();
}

void frmLogin::cmdCancel_Click() {
    reject();
}

void frmLogin::reject() {
    bHitOk = false;
    QDialog::reject();
}
