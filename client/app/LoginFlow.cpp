#include "LoginFlow.h"

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
#include "SavedTrees.h"
#include "ServerSetup.h"
#include "Session.h"
#include "Settings.h"
#include "StatusBar.h"
#include "TreeFeed.h"
#include "TreePayload.h"
#include "frmNewServerSetup.h"
#include "frmNotifications.h"
#include "frmPlayerSetup.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QLocale>
#include <QMainWindow>
#include <QMenu>
#include <QTabWidget>
#include <stdexcept>
#include <string>

LoginFlow::LoginFlow(LoginParts parts, QObject* pParent) : QObject(pParent), m_(std::move(parts)) {
    RequestCycle& cycle = m_.session.cycle;
    connect(&cycle, &RequestCycle::LoginRequired, this, &LoginFlow::ShowLoginForm);
    cycle.Route(zorv::OpLogin, [this](const Reply& reply) { LoginReply(reply); });
    cycle.Route(zorv::OpInitServer, [this](const Reply&) {
        //: ZORV is the program's name
        m_.session.prompts.Inform(tr("Congratulations!  The new ZORV server is setup.  I hope you "
                                     "and your guild enjoy the program!"));
        Login();
    });
    m_.feed.fnSavedTree = [this](qint64& lGeneration, QString& strPayload) {
        const std::optional<SavedTree> saved =
            m_.savedTrees.Load(ServerKey(), m_.session.cycle.CurrentLogin().strPlayer);
        if (!saved)
            return false;
        lGeneration = saved->lGeneration;
        strPayload = saved->strPayload;
        return true;
    };
    cycle.fnUnreachable = [this](qint16 msgid, const QString& strWhy) {
        return msgid == zorv::OpLogin && OfferOffline(strWhy);
    };
    connect(&m_.feed, &TreeFeed::ServerBack, this, [this] {
        // The login the server could not take before, now through the request cycle.
        SetReadOnly(QString());
        Login();
    });
    m_saveTreeTimer.setSingleShot(true);
    m_saveTreeTimer.setInterval(5000);
    connect(&m_saveTreeTimer, &QTimer::timeout, this, &LoginFlow::SaveTree);
    connect(&m_.feed, &TreeFeed::Applied, &m_saveTreeTimer, qOverload<>(&QTimer::start));
    connect(&m_.tree, &AllegianceView::TreeDownloaded, &m_saveTreeTimer,
            qOverload<>(&QTimer::start));
}

void LoginFlow::ShowLoginForm() {
    emit LoginFormShown();
    m_.playerSetup.Run();
    // The settings just read apply before the login, so that it runs with their timeout.
    m_.session.cycle.SetTimeoutSeconds(m_.settings.iTimeoutTime);
    m_.fnApplyTreeStyle(m_.settings.iUsePics == 1);
    if (!m_.playerSetup.bHitCancel)
        Login();
}

void LoginFlow::Login() {
    SaveTree();
    m_.feed.Reset(); // what it knew belongs to the last login's tree
    const QString strLastServer = ServerKey();
    m_.session.cycle.SetServer(m_.playerSetup.strServer);
    m_bSameServer = ServerKey() == strLastServer;
    // Read again at each login: another run of the program may have accepted a certificate.
    m_.session.cycle.objKnownCertificates.SetFile(m_.settings.strPath +
                                                  QStringLiteral("certificates.ini"));
    m_.session.cycle.SetPlayer(m_.playerSetup.strName, m_.playerSetup.strPassword);
    m_.session.cycle.StartOperation(zorv::OpLogin, QString());
}

void LoginFlow::LoginReply(const Reply& reply) {
    switch (reply.iCode) {
    case zorv::CodeServerUnset:
        SetupNewServer();
        break;
    case zorv::CodeOk: {
        if (!DisplayLoginInfo(reply.strPayload))
            break;
        // The own character is found once the tree is there; a failed download says so itself.
        bool bTree = m_.session.cycle.StartAndWait([this] { m_.tree.RefreshTree(); });
        if (bTree && m_.roster->Count() > 0 && KeepEditsAcrossLogin())
            m_.tree.FindInTree(m_.session.cycle.CurrentLogin().strPlayer);
        break;
    }
    default:
        break;
    }
}

bool LoginFlow::KeepEditsAcrossLogin() {
    // Edits are still on the sheet when the server sent the user back to the login (a wrong
    // password on the save, say): the new login offers to save them before it shows anything.
    CharacterSheet& sheet = m_.sheet;
    if (!sheet.HasUnsavedEdits())
        return true;
    if (m_bSameServer && m_.roster->IndexOfId(sheet.iCurDisplayCharID) >= 0)
        return sheet.MayLeave();
    //: %1 is the name of the character whose record was being edited
    m_.session.prompts.Inform(tr("Your changes to %1 were not saved: they belong to the guild you "
                                 "logged in to before.")
                                  .arg(m_.views.sheet.txtName->text()));
    return true;
}

void LoginFlow::SetupNewServer() {
    frmNewServerSetup& dlg = m_.newServerSetup;
    dlg.bNewServer = true;
    dlg.bComplete = false;
    dlg.Run();
    while (!dlg.bComplete) {
        m_.session.prompts.Inform(tr("You must provide all the information here!"));
        dlg.Run();
    }
    InitServer(m_.session, dlg);
}

bool LoginFlow::DisplayLoginInfo(const QString& strPayload) {
    ProcedureGuard Step(m_.session.prompts, "DisplayLoginInfo");
    Session& s = m_.session;
    const QStringList fields = LoginReplyFields(strPayload);
    if (fields.size() != kLoginReplyFields)
        m_.session.prompts.Inform(tr("Error!  The server is returning invalid info."));
    // A missing field fails its step, which is reported; the later steps still run.
    auto Field = [&](int i) -> const QString& {
        if (i >= fields.size())
            throw std::out_of_range("the login reply has no field " + std::to_string(i));
        return fields.at(i);
    };
    auto Number = [](const QString& strText) { return zorv::ReadInt16(strText.toStdString()); };

    Step([&] {
        s.iCurSecurityLevel = Number(Field(3));
        m_.menus.mnuAdministrator->menuAction()->setVisible(s.iCurSecurityLevel ==
                                                            zorv::kSecurityAdministrator);
        m_.history.SetAdministrator(s.iCurSecurityLevel == zorv::kSecurityAdministrator);
        // A login shows no administrators' window of the one before: not to a member, and not
        // another server's targets to an administrator.
        m_.notifications.close();
    });
    Step([&] { s.strCurCharID = Field(1); });
    bool bEnd = false;
    Step([&] {
        switch (CompareVersion(Field(0))) {
        case VersionMatch::ServerOlder:
            //: ZORV is the program's name
            m_.session.prompts.Inform(tr("Error! This version of the ZORV client is for use on a "
                                         "newer server. Please contact your ZORV server admin."));
            bEnd = true;
            break;
        case VersionMatch::ServerNewer:
            //: ZORV is the program's name
            m_.session.prompts.Inform(tr("Error! This client is too old for this ZORV server.  You "
                                         "must download a new version of the client"));
            bEnd = true;
            break;
        case VersionMatch::Same:
            break;
        }
    });
    if (bEnd) {
        m_.fnEndProgram();
        return false;
    }
    Step([&] {
        s.strCurCharName = Field(2);
        s.strGuildName = Field(4);
        m_.window.setWindowTitle(s.Caption());
    });
    Step([&] { s.iUseRescueSquad = Number(Field(5)); });
    Step([&] { s.strRescueSquadName = Field(6); });
    Step([&] { ApplyRescueSquad(); });
    return true;
}

void LoginFlow::ApplyRescueSquad() {
    MainViews& v = m_.views;
    const Session& s = m_.session;
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
    //: Check box on the sheet: the character belongs to the rescue squad (the members who come
    //: to the help of others); %1 is the guild's name for its squad, such as "Rescue Squad"
    v.sheet.chkRescue->setText(tr("%1 Member").arg(s.strRescueSquadName));
    v.sheet.chkRescue->setEnabled(true);
    v.sheet.chkRescue->setVisible(true);
    v.frameRescueSquad->setTitle(s.strRescueSquadName);
}

bool LoginFlow::OfferOffline(const QString& strWhy) {
    const std::optional<SavedTree> saved =
        m_.savedTrees.Load(ServerKey(), m_.session.cycle.CurrentLogin().strPlayer);
    if (!saved)
        return false;
    const QString strWhen = QLocale().toString(saved->savedAt, QLocale::ShortFormat);
    if (!m_.session.prompts.Confirm(
            //: %1 is the server's address, %2 why it could not be reached, %3 the date and time
            //: the tree was kept; ZORV is the program's name
            tr("The ZORV server at %1 could not be reached: %2\r\n\r\nOpen the tree kept from %3 "
               "read-only?  Nothing can be changed until the server answers; ZORV keeps trying, "
               "and logs in by itself when it does.")
                .arg(m_.session.cycle.CurrentLogin().strServer, strWhy, strWhen),
            MessagePrompts::Icon::Exclamation, tr("Connection Error")))
        return true;
    m_.sheet.ClearSheet();
    if (!m_.feed.OpenOffline(saved->lGeneration, saved->strPayload)) {
        //: %1 is the date and time the tree was kept
        m_.session.prompts.Inform(tr("The tree kept from %1 cannot be read.").arg(strWhen));
        return true;
    }
    //: Status bar: the tree shown is the one kept; %1 is the date and time it was kept
    const QString strCopy = tr("Read-only copy from %1").arg(strWhen);
    //: Status bar: %1 is the date and time the tree shown was kept
    SetReadOnly(tr("Read-only copy from %1: the server cannot be reached").arg(strWhen));
    //: Window title; %1 is the character logged in, %2 the date and time the tree shown was kept
    m_.window.setWindowTitle(tr("ZORV - %1 - Read-only copy from %2 (the server cannot be reached)")
                                 .arg(m_.session.cycle.CurrentLogin().strPlayer, strWhen));
    m_.session.stsStatusBar.SetPanel(RequestCycle::kPanelOp, strCopy);
    return true;
}

void LoginFlow::SetReadOnly(const QString& strWhy) {
    const bool bReadOnly = !strWhy.isEmpty();
    m_.session.cycle.SetOffline(strWhy);
    for (QAction* pAction :
         {m_.menus.mnuAddVassal, m_.menus.mnuChangePatron, m_.menus.mnuChangePassword})
        pAction->setEnabled(!bReadOnly);
    if (bReadOnly) {
        // The login that ends it decides who sees the administrators' menu.
        m_.menus.mnuAdministrator->menuAction()->setVisible(false);
        // The sheet holds nothing until a record arrives, which enables it again.
        m_.sheet.SetCharTabEnable(false);
    }
}

void LoginFlow::SaveTree() {
    // Only a tree whose generation is known: the next login catches up from it. A copy shown
    // offline is already kept, and keeps the date it was made.
    if (m_.feed.Generation() < 0 || m_.roster->Count() == 0 || m_.feed.Offline())
        return;
    m_.savedTrees.Save(ServerKey(), m_.session.cycle.CurrentLogin().strPlayer,
                       SavedTree{m_.feed.Generation(), TreePayloadOf(*m_.roster), {}});
}

QString LoginFlow::ServerKey() const {
    return (m_.session.cycle.CurrentLogin().bTls ? QStringLiteral("https://") : QString()) +
           m_.session.cycle.CurrentLogin().strServer + m_.session.cycle.CurrentLogin().strURI;
}
