#include "frmOptions.h"

#include "DialogButtons.h"
#include "Numbers.h"
#include "Prompts.h"
#include "SavedTrees.h"
#include "Settings.h"
#include "Translations.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

frmOptions::frmOptions(Prompts& prompts, Settings& settings, QWidget* pParent)
    : QDialog(pParent), m_prompts(prompts), m_settings(settings) {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(tr("Options"));
    chkUsePics = new QCheckBox(tr("Show pictures in the tree"), this);
    chkUsePics->setObjectName(QStringLiteral("chkUsePics"));
    txtTimeout = new QLineEdit(this);
    txtTimeout->setObjectName(QStringLiteral("txtTimeout"));

    cmbLanguage = new QComboBox(this);
    cmbLanguage->setObjectName(QStringLiteral("cmbLanguage"));
    cmbLanguage->addItem(tr("The system's language"), QString());
    for (const ClientLanguage& language : kClientLanguages)
        cmbLanguage->addItem(QString::fromUtf8(language.szName),
                             QString::fromLatin1(language.szCode));
    auto* pLanguageNote = new QLabel(tr("The language changes when ZORV starts next."), this);
    pLanguageNote->setObjectName(QStringLiteral("lblLanguageNote"));
    pLanguageNote->setWordWrap(true);

    cmdClearCache = new QPushButton(tr("C&lear Cached Data"), this);
    cmdClearCache->setObjectName(QStringLiteral("cmdClearCache"));
    cmdClearCache->setAutoDefault(false);

    auto* pForm = new QFormLayout;
    //: How long to wait for the server's answer.
    pForm->addRow(tr("Timeout (seconds):"), txtTimeout);
    pForm->addRow(chkUsePics);
    pForm->addRow(tr("&Language:"), cmbLanguage);
    pForm->addRow(pLanguageNote);
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
        m_prompts.Inform(tr("The cached data has been cleared."));
    else
        //: %1 is the folder that holds the cached data.
        m_prompts.Inform(
            tr("Some of the cached data could not be deleted from %1.").arg(pSavedTrees->Folder()));
}

void frmOptions::Run() {
    Form_Activate();
    m_prompts.Exec(*this);
}

void frmOptions::Form_Activate() {
    bHitCancel = true;
    chkUsePics->setChecked(m_settings.iUsePics == 1);
    txtTimeout->setText(QString::number(m_settings.iTimeoutTime));
    cmbLanguage->setCurrentIndex(std::max(0, cmbLanguage->findData(m_settings.strLanguage)));
}

void frmOptions::cmdOK_Click() {
    std::optional<double> dTimeout = zorv::LeadingNumber(txtTimeout->text().toStdString());
    double dValue = dTimeout.value_or(0);
    if (dValue < kMinTimeoutSeconds || dValue > kMaxTimeoutSeconds) {
        //: %1 and %2 are the least and greatest number of seconds allowed.
        m_prompts.Inform(tr("The timeout time must be a number between %1 and %2")
                             .arg(kMinTimeoutSeconds)
                             .arg(kMaxTimeoutSeconds));
        return;
    }
    bHitCancel = false;
    m_settings.iUsePics = chkUsePics->isChecked() ? 1 : 0;
    m_settings.iTimeoutTime = static_cast<qint16>(std::nearbyint(dValue));
    m_settings.strLanguage = cmbLanguage->currentData().toString();
    accept();
}

void frmOptions::cmdCancel_Click() {
    reject();
}

void frmOptions::reject() {
    bHitCancel = true;
    QDialog::reject();
}
