// The main window's login: the server and character choice, the login request, the reply with
// its version handshake, and the first set-up of a new server.
#include "frmMain.h"

#include "AllegianceView.h"
#include "ChangeHistory.h"
#include "CharacterSheet.h"
#include "Characters.h"
#include "CriticalError.h"
#include "LoginReply.h"
#include "MainViews.h"
#include "Numbers.h"
#include "Prompts.h"
#include "Protocol.h"
#include "RequestCycle.h"
#include "ServerSetup.h"
#include "Session.h"
#include "StatusBar.h"
#include "TreeFeed.h"
#include "frmNewServerSetup.h"
#include "frmNotifications.h"
#include "frmPlayerSetup.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QTabWidget>
#include <stdexcept>
#include <string>

void frmMain::ShowLoginForm() {
    emit LoginFormShown();
    m_pPlayerSetup->Run();
    // The settings just read apply before the login, so that it runs with their timeout.
    m_pCycle->SetTimeoutSeconds(m_settings.iTimeoutTime);
    ApplyTreeStyle(m_settings.iUsePics == 1);
    if (!m_pPlayerSetup->bHitCancel)
        Login();
}

void frmMain::mnuLogin_Click() {
    if (m_pSheet->MayLeave())
        ShowLoginForm();
}

void frmMain::Login() {
    SaveTree();
    m_pFeed->Reset(); // what it knew belongs to the last login's tree
    const QString strLastServer = ServerKey();
    m_pCycle->SetServer(m_pPlayerSetup->strServer);
    m_bSameServer = ServerKey() == strLastServer;
    // Read again at each login: another run of the program may have accepted a certificate.
    m_pCycle->objKnownCertificates.SetFile(m_settings.strPath + QStringLiteral("certificates.ini"));
    m_pCycle->SetPlayer(m_pPlayerSetup->strName, m_pPlayerSetup->strPassword);
    m_pCycle->StartOperation(zorv::OpLogin, QString());
}

void frmMain::LoginReply(const Reply& reply) {
    switch (reply.iCode) {
    case zorv::CodeServerUnset:
        SetupNewServer();
        break;
    case zorv::CodeOk: {
        if (!DisplayLoginInfo(reply.strPayload))
            break;
        // The own character is found once the tree is there; a failed download says so itself.
        bool bTree = m_pCycle->StartAndWait([this] { m_pAllegiance->RefreshTree(); });
        if (bTree && (*m_pRoster)->Count() > 0 && KeepEditsAcrossLogin())
            m_pAllegiance->FindInTree(m_pCycle->CurrentLogin().strPlayer);
        break;
    }
    default:
        break;
    }
}

bool frmMain::KeepEditsAcrossLogin() {
    // Edits are still on the sheet when the server sent the user back to the login (a wrong
    // password on the save, say): the new login offers to save them before it shows anything.
    CharacterSheet& sheet = *m_pSheet;
    if (!sheet.HasUnsavedEdits())
        return true;
    if (m_bSameServer && (*m_pRoster)->IndexOfId(sheet.iCurDisplayCharID) >= 0)
        return sheet.MayLeave();
    m_pPrompts->Inform(QStringLiteral("Your changes to ") + m_pViews->sheet.txtName->text() +
                       QStringLiteral(" were not saved: they belong to the guild you logged in "
                                      "to before."));
    return true;
}

void frmMain::SetupNewServer() {
    frmNewServerSetup& dlg = *m_pNewServerSetup;
    dlg.bNewServer = true;
    dlg.bComplete = false;
    dlg.Run();
    while (!dlg.bComplete) {
        m_pPrompts->Inform(QStringLiteral("You must provide all the information here!"));
        dlg.Run();
    }
    InitServer(*m_pSession, dlg);
}

bool frmMain::DisplayLoginInfo(const QString& strPayload) {
    ProcedureGuard Step(*m_pPrompts, "DisplayLoginInfo");
    Session& s = *m_pSession;
    const QStringList fields = LoginReplyFields(strPayload);
    if (fields.size() != kLoginReplyFields)
        m_pPrompts->Inform(QStringLiteral("Error!  The server is returning invalid info."));
    // A missing field fails its step, which is reported; the later steps still run.
    auto Field = [&](int i) -> const QString& {
        if (i >= fields.size())
            throw std::out_of_range("the login reply has no field " + std::to_string(i));
        return fields.at(i);
    };
    auto Number = [](const QString& strText) { return zorv::ReadInt16(strText.toStdString()); };

    Step([&] {
        s.iCurSecurityLevel = Number(Field(3));
        m_menus.mnuAdministrator->menuAction()->setVisible(s.iCurSecurityLevel ==
                                                           zorv::kSecurityAdministrator);
        m_pHistory->SetAdministrator(s.iCurSecurityLevel == zorv::kSecurityAdministrator);
        // A login shows no administrators' window of the one before: not to a member, and not
        // another server's targets to an administrator.
        m_pNotifications->close();
    });
    Step([&] { s.strCurCharID = Field(1); });
    bool bEnd = false;
    Step([&] {
        switch (CompareVersion(Field(0))) {
        case VersionMatch::ServerOlder:
            m_pPrompts->Inform(QStringLiteral(
                "Error! This version of the ZORV client is for use on a newer server. Please "
                "contact your ZORV server admin."));
            bEnd = true;
            break;
        case VersionMatch::ServerNewer:
            m_pPrompts->Inform(QStringLiteral("Error! This client is too old for this ZORV "
                                              "server.  You must download a new version of the "
                                              "client"));
            bEnd = true;
            break;
        case VersionMatch::Same:
            break;
        }
    });
    if (bEnd) {
        fnEndProgram();
        return false;
    }
    Step([&] {
        s.strCurCharName = Field(2);
        s.strGuildName = Field(4);
        setWindowTitle(s.Caption());
    });
    Step([&] { s.iUseRescueSquad = Number(Field(5)); });
    Step([&] { s.strRescueSquadName = Field(6); });
    Step([&] { ApplyRescueSquad(); });
    return true;
}

void frmMain::ApplyRescueSquad() {
    MainViews& v = *m_pViews;
    const Session& s = *m_pSession;
    int iTab = v.tabMainTab->indexOf(v.pageRescueSquad);
    if (s.iUseRescueSquad != 1) {
        if (iTab >= 0) {
            m_iRescueTabIndex = iTab;
            v.tabMainTab->removeTab(iTab);
        }
        v.sheet.chkRescue->setEnabled(false);
        v.sheet.chkRescue->setVisible(false);
        return;
    }
    // A later login to a guild with a squad brings the view back where it was.
    if (iTab < 0)
        iTab = v.tabMainTab->insertTab(m_iRescueTabIndex < 0 ? 2 : m_iRescueTabIndex,
                                       v.pageRescueSquad, QString());
    QString strCaption = s.strRescueSquadName;
    v.tabMainTab->setTabText(iTab, strCaption.replace(QLatin1Char('&'), QLatin1String("&&")));
    v.sheet.chkRescue->setText(s.strRescueSquadName + QStringLiteral(" Member"));
    v.sheet.chkRescue->setEnabled(true);
    v.sheet.chkRescue->setVisible(true);
    v.frameRescueSquad->setTitle(s.strRescueSquadName);
}

bool frmMain::OfferOffline(const QString& strWhy) {
    const std::optional<SavedTree> saved =
        m_savedTrees.Load(ServerKey(), m_pCycle->CurrentLogin().strPlayer);
    if (!saved)
        return false;
    const QString strWhen = QLocale().toString(saved->savedAt, QLocale::ShortFormat);
    const QString strCrLf = QStringLiteral("\r\n");
    if (!m_pPrompts->Confirm(
            QStringLiteral("The ZORV server at ") + m_pCycle->CurrentLogin().strServer +
                QStringLiteral(" could not be reached: ") + strWhy + strCrLf + strCrLf +
                QStringLiteral("Open the tree kept from ") + strWhen +
                QStringLiteral(" read-only?  Nothing can be changed until the server answers; "
                               "ZORV keeps trying, and logs in by itself when it does."),
            MessagePrompts::Icon::Exclamation, QStringLiteral("Connection Error")))
        return true;
    m_pSheet->ClearSheet();
    if (!m_pFeed->OpenOffline(saved->lGeneration, saved->strPayload)) {
        m_pPrompts->Inform(QStringLiteral("The tree kept from ") + strWhen +
                           QStringLiteral(" cannot be read."));
        return true;
    }
    const QString strCopy = QStringLiteral("Read-only copy from ") + strWhen;
    SetReadOnly(strCopy + QStringLiteral(": the server cannot be reached"));
    setWindowTitle(QStringLiteral("ZORV - ") + m_pCycle->CurrentLogin().strPlayer +
                   QStringLiteral(" - ") + strCopy +
                   QStringLiteral(" (the server cannot be reached)"));
    m_pStatusBar->SetPanel(RequestCycle::kPanelOp, strCopy);
    return true;
}

void frmMain::SetReadOnly(const QString& strWhy) {
    const bool bReadOnly = !strWhy.isEmpty();
    m_pCycle->SetOffline(strWhy);
    for (QAction* pAction :
         {m_menus.mnuAddVassal, m_menus.mnuChangePatron, m_menus.mnuChangePassword})
        pAction->setEnabled(!bReadOnly);
    if (bReadOnly) {
        // The login that ends it decides who sees the administrators' menu.
        m_menus.mnuAdministrator->menuAction()->setVisible(false);
        // The sheet holds nothing until a record arrives, which enables it again.
        SetCharTabEnable(false);
    }
}
