#include "frmSecLevel.h"

#include "DialogButtons.h"
#include "Protocol.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmSecLevel::frmSecLevel(QWidget* pParent) : QDialog(pParent) {
    setObjectName(QStringLiteral("frmSecLevel"));
    setWindowTitle(tr("Change Security Level"));
    //: Frame caption: a member's rights in the client
    auto* pFrame = new QGroupBox(tr("Security Level"), this);
    cmbSecLevel = new QComboBox(pFrame);
    cmbSecLevel->setObjectName(QStringLiteral("cmbSecLevel"));
    cmbSecLevel->addItems({//: Security level: a member who changes only characters of their own
                           tr("Normal User"),
                           //: Security level: a member who may change every character and the
                           //: guild's set-up
                           tr("Administrator")});
    cmbSecLevel->setCurrentIndex(0);
    auto* pLabel = new QLabel(tr("Please choose the security level:"), pFrame);
    pLabel->setBuddy(cmbSecLevel);
    auto* pFrameLayout = new QVBoxLayout(pFrame);
    pFrameLayout->addWidget(pLabel);
    pFrameLayout->addWidget(cmbSecLevel);
    QHBoxLayout* pButtons = DialogButtons(this, cmdOK, cmdCancel);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(pFrame);
    pLayout->addLayout(pButtons);
    connect(cmdOK, &QPushButton::clicked, this, &frmSecLevel::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmSecLevel::cmdCancel_Click);
}

void frmSecLevel::showEvent(QShowEvent* pEvent) {
    QDialog::showEvent(pEvent);
    cmbSecLevel->setFocus();
}

void frmSecLevel::cmdOK_Click() {
    bHitCancel = false;
    strSecLevel = cmbSecLevel->currentText();
    // By place, not by the shown text, which is translated: Administrator is the second.
    iSecLevel =
        cmbSecLevel->currentIndex() == 1 ? zorv::kSecurityAdministrator : zorv::kSecurityNormal;
    accept();
}

void frmSecLevel::cmdCancel_Click() {
    reject();
}

void frmSecLevel::reject() {
    bHitCancel = true;
    QDialog::reject();
}
