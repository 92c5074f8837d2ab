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
    setWindowTitle(QStringLiteral("Change Security Level"));
    auto* pFrame = new QGroupBox(QStringLiteral("Security Level"), this);
    cmbSecLevel = new QComboBox(pFrame);
    cmbSecLevel->setObjectName(QStringLiteral("cmbSecLevel"));
    cmbSecLevel->addItems({QStringLiteral("Normal User"), QStringLiteral("Administrator")});
    cmbSecLevel->setCurrentIndex(0);
    auto* pLabel = new QLabel(QStringLiteral("Please choose the security level:"), pFrame);
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
    iSecLevel = strSecLevel == QLatin1String("Administrator") ? zorv::kSecurityAdministrator
                                                              : zorv::kSecurityNormal;
    accept();
}

void frmSecLevel::cmdCancel_Click() {
    reject();
}

void frmSecLevel::reject() {
    bHitCancel = true;
    QDialog::reject();
}
