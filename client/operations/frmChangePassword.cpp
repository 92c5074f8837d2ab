#include "frmChangePassword.h"

#include "DialogButtons.h"
#include "Latin1.h"
#include "Prompts.h"
#include "Protocol.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmChangePassword::frmChangePassword(Prompts& prompts, QWidget* pParent)
    : QDialog(pParent), m_prompts(prompts) {
    setObjectName(QStringLiteral("frmChangePassword"));
    setWindowTitle(tr("Change Password"));
    auto* pFrame = new QGroupBox(tr("Change Password"), this);
    auto Box = [&](const char* szName) {
        auto* pEdit = new QLineEdit(pFrame);
        pEdit->setObjectName(QLatin1String(szName));
        pEdit->setEchoMode(QLineEdit::Password);
        pEdit->setMaxLength(zorv::kMaxPasswordLength);
        AcceptLatin1Only(pEdit);
        return pEdit;
    };
    txtNewPW = Box("txtNewPW");
    txtConfirm = Box("txtConfirm");
    auto* pForm = new QFormLayout(pFrame);
    pForm->addRow(tr("New Password:"), txtNewPW);
    pForm->addRow(tr("Confirm New Password:"), txtConfirm);
    QHBoxLayout* pButtons = DialogButtons(this, cmdOK, cmdCancel);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(pFrame);
    pLayout->addLayout(pButtons);
    connect(cmdOK, &QPushButton::clicked, this, &frmChangePassword::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmChangePassword::cmdCancel_Click);
}

void frmChangePassword::showEvent(QShowEvent* pEvent) {
    QDialog::showEvent(pEvent);
    txtNewPW->setFocus();
}

void frmChangePassword::cmdOK_Click() {
    const QString strNew = txtNewPW->text();
    const QString strConfirm = txtConfirm->text();
    QString strProblem;
    if (strNew.size() < zorv::kMinPasswordLength || strConfirm.size() < zorv::kMinPasswordLength)
        strProblem = tr("Your new password must be at least six characters long!");
    else if (strNew.size() > zorv::kMaxPasswordLength ||
             strConfirm.size() > zorv::kMaxPasswordLength)
        strProblem = tr("Your new password can be ten characters long at max!");
    else if (strNew != strConfirm)
        strProblem = tr("Your confirmation password did not match your new password!");
    if (!strProblem.isEmpty()) {
        m_prompts.Inform(strProblem);
        return;
    }
    strPassword = strNew;
    bHitCancel = false;
    accept();
}

void frmChangePassword::cmdCancel_Click() {
    reject();
}

void frmChangePassword::reject() {
    strPassword.clear();
    bHitCancel = true;
    QDialog::reject();
}
