#include "frmPlayerSetup.h"

#include "Prompts.h"

#include "DialogButtons.h"
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kMinPassword = 6;
constexpr int kMaxPassword = 10;
} // namespace

frmPlayerSetup::frmPlayerSetup(Prompts& prompts, const QString& strFolder, QWidget* pParent)
    : QDialog(pParent), m_prompts(prompts) {
    setObjectName(QStringLiteral("frmPlayerSetup"));
    setWindowTitle(QStringLiteral("Select Server and Character"));
    strPath = strFolder.endsWith(QLatin1Char('/')) ? strFolder : strFolder + QLatin1Char('/');
    strINIFile = strPath + QStringLiteral("zorv.ini");

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

    auto* pForm = new QFormLayout;
    pForm->addRow(QStringLiteral("Server Address:"), cmbServerAddress);
    pForm->addRow(QStringLiteral("Character Name:"), cmbCharName);
    pForm->addRow(QStringLiteral("Password:"), txtPassword);
    QHBoxLayout* pButtons = DialogButtons(this, cmdOK, cmdCancel);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pForm);
    pLayout->addLayout(pButtons);

    connect(cmbServerAddress, &QComboBox::textActivated, this,
            [this] { cmbServerAddress_Click(); });
    connect(cmdOK, &QPushButton::clicked, this, &frmPlayerSetup::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmPlayerSetup::cmdCancel_Click);
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
    if (!QDir().mkpath(strPath)) {
        m_prompts.Inform(QStringLiteral("Directory Error!"));
        return;
    }
    if (!QFileInfo::exists(strINIFile))
        return;
    ReadIniFile(strINIFile, *this);
    cmbServerAddress->clear();
    for (const ServerInfo& server : objServers)
        cmbServerAddress->addItem(server.Key);
    if (!strLastServer.isEmpty()) {
        int iLast = cmbServerAddress->findText(strLastServer, Qt::MatchExactly);
        if (iLast >= 0)
            cmbServerAddress->setCurrentIndex(iLast);
    }
    cmbServerAddress_Click();
}

void frmPlayerSetup::cmbServerAddress_Click() {
    cmbCharName->clear();
    if (ServerInfo* pServer = objServers.Item(cmbServerAddress->currentText())) {
        for (const PlayerInfo& player : pServer->objPlayers)
            cmbCharName->addItem(player.strName);
    }
    if (cmbCharName->count() > 0)
        cmbCharName->setCurrentIndex(0);
    int iLast = cmbCharName->findText(strLastPlayer, Qt::MatchExactly);
    if (iLast >= 0)
        cmbCharName->setCurrentIndex(iLast);
}

void frmPlayerSetup::cmdOK_Click() {
    QString strAddress = cmbServerAddress->currentText().trimmed();
    QString strChar = cmbCharName->currentText().trimmed();
    QString strPass = txtPassword->text();
    if (strAddress.isEmpty())
        return m_prompts.Inform(QStringLiteral("Please type in the address of the ZORV server"));
    if (strChar.isEmpty())
        return m_prompts.Inform(QStringLiteral("Please type in your character's name"));
    if (strPass.isEmpty())
        return m_prompts.Inform(QStringLiteral("Please type in your password"));
    if (strPass.size() < kMinPassword)
        return m_prompts.Inform(
            QStringLiteral("Your password is too short!  It must be at least ") +
            QString::number(kMinPassword) + QStringLiteral(" characters long."));
    if (strPass.size() > kMaxPassword)
        return m_prompts.Inform(QStringLiteral("Your password is too long!  It can be at most ") +
                                QString::number(kMaxPassword) +
                                QStringLiteral(" characters long."));
    if (strAddress.startsWith(QStringLiteral("HTTP://"), Qt::CaseInsensitive)) {
        strAddress = strAddress.mid(7);
        cmbServerAddress->setEditText(strAddress);
    }
    strServer = strAddress;
    strName = strChar;
    strPassword = strPass;
    strLastServer = strServer;
    strLastPlayer = strName;

    // The collections compare keys without regard to case; so does the lookup here, so that
    // "Host" and "host" never make two sections and "Bob" and "bob" never two players.
    ServerInfo* pServer = objServers.Item(strServer);
    if (!pServer) {
        pServer = &objServers.Add(strServer);
        cmbServerAddress->addItem(strServer);
    }
    if (!pServer->objPlayers.Item(strName))
        pServer->objPlayers.Add(strName);
    WriteIniFile(strINIFile, *this);
    bHitCancel = false;
    accept();
}

void frmPlayerSetup::cmdCancel_Click() {
    bHitCancel = true;
    reject();
}
