#include "frmOptions.h"

#include "DialogButtons.h"
#include "Numbers.h"
#include "Prompts.h"
#include "SavedTrees.h"
#include "Settings.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

frmOptions::frmOptions(Prompts& prompts, Settings& settings, QWidget* pParent)
    : QDialog(pParent), m_prompts(prompts), m_settings(settings) {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Options"));
    chkUsePics = new QCheckBox(QStringLiteral("Show pictures in the tree"), this);
    chkUsePics->setObjectName(QStringLiteral("chkUsePics"));
    txtTimeout = new QLineEdit(this);
    txtTimeout->setObjectName(QStringLiteral("txtTimeout"));

    cmdClearCache = new QPushButton(QStringLiteral("C&lear Cached Data"), this);
    cmdClearCache->setObjectName(QStringLiteral("cmdClearCache"));
    cmdClearCache->setAutoDefault(false);

    auto* pForm = new QFormLayout;
    pForm->addRow(QStringLiteral("Timeout (seconds):"), txtTimeout);
    pForm->addRow(chkUsePics);
    pForm->addRow(cmdClearCache);
    QHBoxLayout* pButtons = DialogButtons(this, cmdOK, cmdCancel);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pForm);
    pLayout->addLayout(pButtons);

    connect(cmdOK, &QPushButton::clicked, this, &frmOptions::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmOptions::cmdCancel_Click);
    connect(cmdClearCache, &QPushButton::clicked, this, &frmOptions::cmdClearCache_Click);
}

void frmOptions::cmdClearCache_Click() {
    if (!pSavedTrees || pSavedTrees->Clear())
        m_prompts.Inform(QStringLiteral("The cached data has been cleared."));
    else
        m_prompts.Inform(QStringLiteral("Some of the cached data could not be deleted from ") +
                         pSavedTrees->Folder() + QLatin1Char('.'));
}

void frmOptions::Run() {
    Form_Activate();
    m_prompts.Exec(*this);
}

void frmOptions::Form_Activate() {
    bHitCancel = true;
    chkUsePics->setChecked(m_settings.iUsePics == 1);
    txtTimeout->setText(QString::number(m_settings.iTimeoutTime));
}

void frmOptions::cmdOK_Click() {
    std::optional<double> dTimeout = zorv::LeadingNumber(txtTimeout->text().toStdString());
    double dValue = dTimeout.value_or(0);
    if (dValue < kMinTimeoutSeconds || dValue > kMaxTimeoutSeconds) {
        m_prompts.Inform(QStringLiteral("The timeout time must be a number between ") +
                         QString::number(kMinTimeoutSeconds) + QStringLiteral(" and ") +
                         QString::number(kMaxTimeoutSeconds));
        return;
    }
    bHitCancel = false;
    m_settings.iUsePics = chkUsePics->isChecked() ? 1 : 0;
    m_settings.iTimeoutTime = static_cast<qint16>(std::nearbyint(dValue));
    accept();
}

void frmOptions::cmdCancel_Click() {
    reject();
}

void frmOptions::reject() {
    bHitCancel = true;
    QDialog::reject();
}
