#include "frmLogin.h"

#include "DialogButtons.h"
#include <QFormLayout>
#include <QGroupBox>

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmLogin::frmLogin(QWidget* pParent) : QDialog(pParent) {
    setObjectName(QStringLiteral("frmLogin"));
    setWindowTitle(QStringLiteral("Edit Other Character"));
    auto* pFrame = new QGroupBox(QStringLiteral("Other Character Login Info"), this);
    txtCharName = new QLineEdit(pFrame);
    txtCharName->setObjectName(QStringLiteral("txtCharName"));
    txtPassword = new QLineEdit(pFrame);
    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    txtPassword->setEchoMode(QLineEdit::Password);
    auto* pForm = new QFormLayout(pFrame);
    pForm->addRow(QStringLiteral("Character Name:"), txtCharName);
    pForm->addRow(QStringLiteral("Password:"), txtPassword);
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
    if (strCharName != txtCharName->text()) {
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
    strCharName = txtCharName->text();
    strPass = txtPassword->text();
    bHitOk = true;
    accept();
}

void frmLogin::cmdCancel_Click() {
    reject();
}
