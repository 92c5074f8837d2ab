#include "frmPlayerSetup.h"

#include "DialogButtons.h"
#include "Latin1.h"
#include "PasswordRules.h"
#include "Prompts.h"

#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmPlayerSetup::frmPlayerSetup(Prompts& prompts, Settings& settings, QWidget* pParent)
    : QDialog(pParent), m_prompts(prompts), m_settings(settings) {
    setObjectName(QStringLiteral("frmPlayerSetup"));
    setWindowTitle(tr("Select Server and Character"));

    cmbServerAddress = new QComboBox(this);
    cmbServerAddress->setObjectName(QStringLiteral("cmbServerAddress"));
    cmbServerAddress->setEditable(true);
    cmbServerAddress->setMinimumWidth(280);
    cmbCharName = new QComboBox(this);
    cmbCharName->setObjectName(QStringLiteral("cmbCharName"));
    cmbCharName->setEditable(true);
    txtPassword = new QLineEdit(this);
    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    txtPassword->setEchoMode(QLineEdit::Password);
    AcceptLatin1Only(txtPassword);

    auto* pForm = new QFormLayout;
    pForm->addRow(tr("Server Address:"), cmbServerAddress);
    pForm->addRow(tr("Character Name:"), cmbCharName);
    pForm->addRow(tr("Password:"), txtPassword);
    QHBoxLayout* pButtons = DialogButtons(this, cmdOK, cmdCancel);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pForm);
    pLayout->addLayout(pButtons);

    // Enter means OK, in the address box as anywhere in the dialog: the box adds nothing to
    // its list and the names change only when the user picks another address from the list.
    cmbServerAddress->setInsertPolicy(QComboBox::NoInsert);
    cmbCharName->setInsertPolicy(QComboBox::NoInsert);
    for (QComboBox* pCombo : {cmbServerAddress, cmbCharName}) {
        pCombo->lineEdit()->installEventFilter(this);
        AcceptLatin1Only(pCombo->lineEdit());
    }
    connect(cmbServerAddress, &QComboBox::activated, this, [this] { cmbServerAddress_Click(); });
    connect(cmdOK, &QPushButton::clicked, this, &frmPlayerSetup::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmPlayerSetup::cmdCancel_Click);
}

bool frmPlayerSetup::eventFilter(QObject* pWatched, QEvent* pEvent) {
    if (pEvent->type() == QEvent::KeyPress) {
        const int iKey = static_cast<QKeyEvent*>(pEvent)->key();
        if (iKey == Qt::Key_Return || iKey == Qt::Key_Enter) {
            cmdOK_Click();
            return true;
        }
    }
    return QDialog::eventFilter(pWatched, pEvent);
}

void frmPlayerSetup::Run() {
    if (!m_bLoaded)
        Form_Load();
    txtPassword->setFocus();
    m_prompts.Exec(*this);
    if (result() != QDialog::Accepted)
        bHitCancel = true;
}

void frmPlayerSetup::Form_Load() {
    m_bLoaded = true;
    if (!QDir().mkpath(m_settings.strPath)) {
        //: The settings folder could not be made.
        m_prompts.Inform(tr("Directory Error!"));
        return;
    }
    LoadSettings(m_settings, m_prompts);
    cmbServerAddress->clear();
    for (const ServerInfo& server : m_settings.objServers)
        cmbServerAddress->addItem(server.Key);
    if (!m_settings.strLastServer.isEmpty()) {
        int iLast = cmbServerAddress->findText(m_settings.strLastServer, Qt::MatchExactly);
        if (iLast >= 0)
            cmbServerAddress->setCurrentIndex(iLast);
    }
    cmbServerAddress_Click();
}

void frmPlayerSetup::cmbServerAddress_Click() {
    cmbCharName->clear();
    if (ServerInfo* pServer = m_settings.objServers.Item(cmbServerAddress->currentText())) {
        for (const PlayerInfo& player : pServer->objPlayers)
            cmbCharName->addItem(player.strName);
    }
    if (cmbCharName->count() > 0)
        cmbCharName->setCurrentIndex(0);
    int iLast = cmbCharName->findText(m_settings.strLastPlayer, Qt::MatchExactly);
    if (iLast >= 0)
        cmbCharName->setCurrentIndex(iLast);
}

void frmPlayerSetup::cmdOK_Click() {
    QString strAddress = cmbServerAddress->currentText().trimmed();
    QString strChar = cmbCharName->currentText().trimmed();
    QString strPass = txtPassword->text();
    if (strAddress.isEmpty())
        return m_prompts.Inform(tr("Please type in the address of the ZORV server"));
    if (strChar.isEmpty())
        return m_prompts.Inform(tr("Please type in your character's name"));
    if (strPass.isEmpty())
        return m_prompts.Inform(tr("Please type in your password"));
    if (QString strProblem = PasswordLengthProblem(strPass); !strProblem.isEmpty())
        return m_prompts.Inform(strProblem);
    if (strAddress.startsWith(QStringLiteral("HTTP://"), Qt::CaseInsensitive)) {
        strAddress = strAddress.mid(7);
        cmbServerAddress->setEditText(strAddress);
    }
    strServer = strAddress;
    strName = strChar;
    strPassword = strPass;
    m_settings.strLastServer = strServer;
    m_settings.strLastPlayer = strName;

    // The collections compare keys without regard to case; so does the lookup here, so that
    // "Host" and "host" never make two sections and "Bob" and "bob" never two players.
    ServerInfo* pServer = m_settings.objServers.Item(strServer);
    if (!pServer) {
        pServer = &m_settings.objServers.Add(strServer);
        cmbServerAddress->addItem(strServer);
    }
    if (!pServer->objPlayers.Item(strName))
        pServer->objPlayers.Add(strName);
    SaveSettings(m_settings, m_prompts); // a failed save is reported; the login goes on
    bHitCancel = false;
    accept();
}

void frmPlayerSetup::cmdCancel_Click() {
    reject();
}

void frmPlayerSetup::reject() {
    bHitCancel = true;
    QDialog::reject();
}
