#include "frmOptions.h"

#include "Numbers.h"
#include "Prompts.h"

#include "DialogButtons.h"
#include <QCheckBox>
#include <QFormLayout>

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

frmOptions::frmOptions(Prompts& prompts, QWidget* pParent) : QDialog(pParent), m_prompts(prompts) {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Options"));
    chkUsePics = new QCheckBox(QStringLiteral("Show pictures in the tree"), this);
    chkUsePics->setObjectName(QStringLiteral("chkUsePics"));
    txtTimeout = new QLineEdit(this);
    txtTimeout->setObjectName(QStringLiteral("txtTimeout"));

    auto* pForm = new QFormLayout;
    pForm->addRow(QStringLiteral("Timeout (seconds):"), txtTimeout);
    pForm->addRow(chkUsePics);
    QHBoxLayout* pButtons = DialogButtons(this, cmdOK, cmdCancel);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pForm);
    pLayout->addLayout(pButtons);

    connect(cmdOK, &QPushButton::clicked, this, &frmOptions::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmOptions::cmdCancel_Click);
}

void frmOptions::Run() {
    Form_Activate();
    m_prompts.Exec(*this);
}

void frmOptions::Form_Activate() {
    bHitCancel = true;
    chkUsePics->setChecked(iUsePics == 1);
    txtTimeout->setText(QString::number(iTimeoutTime));
}

void frmOptions::cmdOK_Click() {
    std::optional<double> dTimeout = zorv::LeadingNumber(txtTimeout->text().toStdString());
    double dValue = dTimeout.value_or(0);
    if (dValue < 10 || dValue > 30) {
        m_prompts.Inform(QStringLiteral("The timeout time must be a number between 10 and 30"));
        return;
    }
    bHitCancel = false;
    iUsePics = chkUsePics->isChecked() ? 1 : 0;
    iTimeoutTime = static_cast<qint16>(std::nearbyint(dValue));
    accept();
}

void frmOptions::cmdCancel_Click() {
    reject();
}
