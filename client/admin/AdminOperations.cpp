#include "AdminOperations.h"

#include "AllegianceView.h"
#include "Characters.h"
#include "CriticalError.h"
#include "Prompts.h"
#include "Protocol.h"
#include "RequestCycle.h"
#include "Session.h"
#include "frmNewServerSetup.h"
#include "frmSecLevel.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QSaveFile>

namespace {

// The server trims blanks, tabs and line breaks from the ends of the guild's texts.
QString ServerTrimmed(const QString& strText) {
    auto IsBlank = [](QChar c) {
        return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r') ||
               c == QLatin1Char('\n');
    };
    qsizetype iStart = 0, iEnd = strText.size();
    while (iStart < iEnd && IsBlank(strText[iStart]))
        ++iStart;
    while (iEnd > iStart && IsBlank(strText[iEnd - 1]))
        --iEnd;
    return strText.mid(iStart, iEnd - iStart);
}

} // namespace

AdminOperations::AdminOperations(Session& session, const Roster& roster, AllegianceView& tree,
                                 frmNewServerSetup& setup, QWidget* pDialogParent)
    : QObject(pDialogParent), m_session(session), m_roster(roster), m_tree(tree), m_setup(setup),
      m_pSecLevel(std::make_unique<frmSecLevel>(pDialogParent)) {
    RequestCycle& cycle = session.cycle;
    cycle.Route(zorv::OpServerSetup, [this](const Reply&) {
        m_session.strGuildName = m_sentSetup.strGuildName;
        m_session.iUseRescueSquad = m_sentSetup.iUseRescueSquad;
        m_session.strRescueSquadName = m_sentSetup.strRescueSquadName;
        if (fnGuildChanged)
            fnGuildChanged();
        m_session.prompts.Inform(tr("The server has saved the new setup!"));
    });
    cycle.Route(zorv::OpResetPassword, [this](const Reply&) {
        //: The default password: the guild's password for new members
        m_session.prompts.Inform(
            tr("The character's password has been reset to the default password."));
    });
    cycle.Route(zorv::OpSecurityLevel, [this](const Reply&) {
        m_session.prompts.Inform(tr("The character's security level has been changed!"));
    });
    cycle.Route(zorv::OpBackup, [this](const Reply& reply) {
        const bool bWritten = WriteBackupFile(reply);
        // The dump is the whole guild, two bytes a character as the reply holds it.
        m_session.cycle.ReleaseReply();
        if (bWritten)
            m_session.prompts.Inform(tr("The character database has been backed up"));
    });
}

AdminOperations::~AdminOperations() = default;

bool AdminOperations::LevelGuard() {
    if (m_session.iCurSecurityLevel == zorv::kSecurityAdministrator)
        return true;
    //: "You" stands for "Your"
    m_session.prompts.Inform(tr("You security level is not high enough!"));
    return false;
}

const Character* AdminOperations::Selected(const QString& strNoSelection) {
    const Character* pRecord = m_roster->Item(m_tree.SelectedKey());
    if (!pRecord)
        m_session.prompts.Message(strNoSelection, Prompts::Buttons::Ok, Prompts::Icon::Critical,
                                  Prompts::AppTitle());
    return pRecord;
}

void AdminOperations::AdminServerSetup() {
    ProcedureGuard Step(m_session.prompts, "AdminServerSetup");
    if (!LevelGuard())
        return;
    frmNewServerSetup& dlg = m_setup;
    dlg.bNewServer = false;
    dlg.bHitCancel = true;
    dlg.bComplete = false;
    Step([&] {
        dlg.txtGuildName->setText(m_session.strGuildName);
        dlg.txtDefaultPW->clear();
        dlg.txtConfirmPW->clear();
        dlg.txtRescueSquadName->setText(m_session.strRescueSquadName);
        dlg.chkUseRescue->setChecked(m_session.iUseRescueSquad == 1);
        // Moving everyone on the old default is asked for each time, never carried over.
        dlg.chkResetExisting->setChecked(false);
        dlg.chkUseRescue_Click();
    });
    dlg.Run();
    if (dlg.bHitCancel)
        return;
    RequestCycle& cycle = m_session.cycle;
    Step([&] {
        std::vector<RequestCycle::Field> fields{
            {FormKey(zorv::form::kGuildName), dlg.strGuildName}};
        if (!dlg.strDefaultPW.isEmpty())
            fields.emplace_back(FormKey(zorv::form::kDefaultPassword), dlg.strDefaultPW);
        fields.emplace_back(FormKey(zorv::form::kUseRescueSquad),
                            QString::number(dlg.iUseRescueSquad));
        fields.emplace_back(FormKey(zorv::form::kRescueSquadName), dlg.strRescueSquadName);
        fields.emplace_back(FormKey(zorv::form::kResetPasswords),
                            QString::number(dlg.iResetExisting));
        cycle.StartOperation(zorv::OpServerSetup, QString(), fields);
    });
    // Taken over when the server answers that it stored them, as it stores them: trimmed.
    m_sentSetup = {ServerTrimmed(dlg.strGuildName), dlg.iUseRescueSquad,
                   ServerTrimmed(dlg.strRescueSquadName)};
}

void AdminOperations::AdminResetPass() {
    ProcedureGuard Step(m_session.prompts, "AdminResetPass");
    if (!LevelGuard())
        return;
    const Character* pTarget =
        Selected(tr("You must select the character whose password you want to reset from the "
                    "tree!"));
    if (!pTarget)
        return;
    if (!m_session.prompts.Confirm(
            //: %1 is the character's name; the default password is the guild's password for new
            //: members
            tr("Are you sure you want to reset %1's password to the default password?")
                .arg(pTarget->strName),
            Prompts::Icon::Question, tr("Reset Password Confirmation")))
        return;
    const qint16 idTarget = pTarget->nID;
    Step([&] {
        m_session.cycle.StartOperation(
            zorv::OpResetPassword, QString(),
            {{FormKey(zorv::form::kCharId), m_session.strCurCharID},
             {FormKey(zorv::form::kResetId), QString::number(idTarget)}});
    });
}

void AdminOperations::AdminChangeSec() {
    ProcedureGuard Step(m_session.prompts, "AdminChangeSec");
    if (!LevelGuard())
        return;
    if (!Selected(tr("You must select the character whose security level you want to change!")))
        return;
    frmSecLevel& dlg = *m_pSecLevel;
    m_session.prompts.Exec(dlg);
    if (dlg.bHitCancel)
        return;
    const Character* pTarget = m_roster->Item(m_tree.SelectedKey());
    if (!pTarget)
        return;
    if (!m_session.prompts.Confirm(
            //: %1 is the character's name, %2 the chosen level: "Normal User" or "Administrator"
            tr("Are you sure you want to change %1's security level to %2?")
                .arg(pTarget->strName, dlg.strSecLevel),
            Prompts::Icon::Question, tr("Change Security Level Confirmation")))
        return;
    const qint16 idTarget = pTarget->nID;
    Step([&] {
        m_session.cycle.StartOperation(
            zorv::OpSecurityLevel, QString(),
            {{FormKey(zorv::form::kCharId), m_session.strCurCharID},
             {FormKey(zorv::form::kChangeId), QString::number(idTarget)},
             {FormKey(zorv::form::kNewLevel), QString::number(dlg.iSecLevel)}});
    });
}

void AdminOperations::AdminBackupDB() {
    ProcedureGuard Step(m_session.prompts, "AdminBackupDB");
    if (!LevelGuard())
        return;
    //: Title of the file dialog that saves a backup of the guild
    const QString strFile = m_session.prompts.SaveFileName(tr("Backup Database"),
                                                           //: File-dialog filter
                                                           tr("Tree Data Files (*.dat)"));
    if (strFile.isEmpty())
        return; // cancelled: silently
    strBackupFile = strFile;
    Step([&] {
        m_session.cycle.StartOperation(zorv::OpBackup, QString(),
                                       {{FormKey(zorv::form::kCharId), m_session.strCurCharID}});
    });
}

bool AdminOperations::WriteBackupFile(const Reply& reply) {
    // The server writes the dump as it reads it: a reply cut off on the way lacks its stop
    // marker, and half a guild must never pass for its backup.
    if (!reply.bStopSeen) {
        m_session.prompts.Message(
            //: %1 is the backup file's path
            tr("The backup was cut off before its end; nothing was written to %1.  Please try "
               "again.")
                .arg(QDir::toNativeSeparators(strBackupFile)),
            Prompts::Buttons::Ok, Prompts::Icon::Critical, Prompts::AppTitle());
        return false;
    }
    QString strPayload = reply.strPayload;
    strPayload.chop(1);
    // Written beside the target and renamed over it: a failed write leaves an older backup whole.
    QSaveFile file(strBackupFile);
    if (file.open(QIODevice::WriteOnly) && file.write(strPayload.toLatin1() + "\r\n") >= 0 &&
        file.commit())
        return true;
    //: %1 is the backup file's path, %2 the reason
    m_session.prompts.Message(tr("The backup could not be written to %1: %2")
                                  .arg(QDir::toNativeSeparators(strBackupFile), file.errorString()),
                              Prompts::Buttons::Ok, Prompts::Icon::Critical, Prompts::AppTitle());
    return false;
}
