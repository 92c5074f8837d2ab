#include "AllegianceOperations.h"

#include "ActingCharacter.h"
#include "AllegianceView.h"
#include "CharacterSheet.h"
#include "Characters.h"
#include "CriticalError.h"
#include "CurrentCharacter.h"
#include "Prompts.h"
#include "Protocol.h"
#include "RequestCycle.h"
#include "Session.h"
#include "SheetViews.h"
#include "frmAddVassal.h"
#include "frmChangePassword.h"
#include "frmFindChar.h"
#include "frmLogin.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>

namespace {

// The failure of a step that finds a character of the tree missing from the roster.
std::string ObjectNotSet() {
    //: A failure's description in the "Critical Error!" box: something the step needs is missing
    return QCoreApplication::translate("CriticalError", "Object variable not set").toStdString();
}

} // namespace

AllegianceOperations::AllegianceOperations(Session& session, CurrentCharacter& current,
                                           const Roster& roster, AllegianceView& tree,
                                           CharacterSheet& sheet, SheetViews& views,
                                           frmLogin& login, QWidget* pDialogParent)
    : QObject(pDialogParent), m_session(session), m_current(current), m_roster(roster),
      m_tree(tree), m_sheet(sheet), m_views(views), m_login(login),
      m_pAddVassal(std::make_unique<frmAddVassal>(pDialogParent)),
      m_pChangePassword(std::make_unique<frmChangePassword>(session.prompts, pDialogParent)) {
    RequestCycle& cycle = session.cycle;
    cycle.Route(zorv::OpAddVassal, [this](const Reply&) {
        //: After adding a vassal (a character sworn to a patron) to the allegiance tree
        Reload(tr("The new vassal has been added to the tree.  Hit OK to refresh the tree"));
    });
    cycle.Route(zorv::OpRemoveVassal, [this](const Reply&) {
        //: A vassal: a character sworn to a patron in the allegiance
        Reload(tr("The vassal has been successfully removed."));
    });
    cycle.Route(zorv::OpChangePatron, [this](const Reply&) {
        //: The patron: the character one is sworn to in the allegiance
        Reload(tr("You have been moved to your new patron."));
    });
    cycle.Route(zorv::OpChangePassword, [this](const Reply&) {
        m_session.prompts.Inform(tr("Your password has been successfully changed!"));
        // One's own new password carries every request from now on; another character's
        // change leaves the own login as it was.
        if (!m_session.cycle.CurrentOpAsOther())
            m_session.cycle.SetPassword(m_strNewPassword);
    });
}

AllegianceOperations::~AllegianceOperations() = default;

QString AllegianceOperations::SelectedId() const {
    QString strKey = m_tree.SelectedKey();
    if (strKey.isEmpty())
        strKey = m_tree.strCurrentNodeKey;
    return strKey.mid(4);
}

Request AllegianceOperations::Open(const ActingLogin& acting, qint16 msgid,
                                   const QString& strStatus) {
    Request request{msgid, strStatus};
    request.strCharName = acting.strCharName;
    request.strPass = acting.strPass;
    return request;
}

void AllegianceOperations::Reload(const QString& strMessage) {
    m_session.prompts.Inform(strMessage);
    // The selected node's key is kept by the refresh, so the same character comes back.
    if (m_session.cycle.StartAndWait([this] { m_tree.RefreshTree(); }))
        m_current.Reload();
}

void AllegianceOperations::AddVassal() {
    ProcedureGuard Step(m_session.prompts, "AddVassal");
    if (!m_sheet.MayLeave())
        return;
    frmAddVassal& dlg = *m_pAddVassal;
    m_session.prompts.Exec(dlg);
    if (dlg.bHitCancel)
        return;
    const QString strTarget = SelectedId();
    const ActingLogin acting = ChooseActingCharacter(m_session, m_roster, m_login, strTarget);
    if (acting.bCancelled)
        return;
    //: Status bar, while the server adds a vassal (a character sworn to a patron)
    Request request = Open(acting, zorv::OpAddVassal, tr("Adding Vassal"));
    const Character* pTarget = m_roster->Item(QStringLiteral("Char") + strTarget);
    Step([&] {
        if (!pTarget)
            throw ZorvFailure(91, ObjectNotSet());
        request.fields = {
            {FormKey(zorv::form::kCharId), acting.strCharID},
            {FormKey(zorv::form::kAddToId), QString::number(pTarget->nID)},
            {FormKey(zorv::form::kVassalName), dlg.strVassalName},
            {FormKey(zorv::form::kVassalList), pTarget->strVassalIDs},
            {FormKey(zorv::form::kPatronId), QString::number(pTarget->nPatronID)},
        };
    });
    m_session.cycle.StartOperation(request);
}

void AllegianceOperations::RemoveVassal() {
    ProcedureGuard Step(m_session.prompts, "RemoveVassal");
    QListWidgetItem* pItem = m_views.lstVassals->currentItem();
    if (!pItem || !pItem->isSelected())
        return;
    const QString strName = pItem->text();
    const qint16 idVassal = m_roster->GetID(strName);
    const bool bYes = m_session.prompts.Confirm(
        //: %1 is the vassal's character name; a vassal is a character sworn to a patron, its
        //: followers are the vassals below it in the allegiance
        tr("Are you sure you want to remove your vassal %1?\r\nThis will also remove all "
           "characters that are followers of %1.")
            .arg(strName),
        //: Title of the box asking to remove a vassal from the allegiance
        Prompts::Icon::Question, tr("Remove Vassal Confirmation"));
    if (!bYes || !m_sheet.MayLeave())
        return;
    const ActingLogin acting = ChooseActingCharacter(m_session, m_roster, m_login, SelectedId());
    if (acting.bCancelled)
        return;
    Request request = Open(acting, zorv::OpRemoveVassal, QString());
    request.fields.emplace_back(FormKey(zorv::form::kCharId), acting.strCharID);
    Step([&] {
        const Character* pVassal = m_roster->Item(CharKey(idVassal));
        const Character* pPatron = pVassal ? m_roster->Item(CharKey(pVassal->nPatronID)) : nullptr;
        if (!pVassal || !pPatron)
            throw ZorvFailure(91, ObjectNotSet());
        request.fields.insert(
            request.fields.end(),
            {{FormKey(zorv::form::kPatronId), QString::number(pVassal->nPatronID)},
             {FormKey(zorv::form::kVassalId), QString::number(idVassal)},
             {FormKey(zorv::form::kVassalName), strName},
             {FormKey(zorv::form::kVassalList), pPatron->strVassalIDs}});
    });
    m_session.cycle.StartOperation(request);
}

void AllegianceOperations::ChangePatron() {
    ProcedureGuard Step(m_session.prompts, "ChangePatron");
    QString strNewPatron;
    if (!m_tree.PickName(strNewPatron))
        return;
    // Exactly as typed: the list offers names in any case, the roster holds one spelling.
    const Character* pNew = nullptr;
    for (const Character& character : *m_roster)
        if (character.strName == strNewPatron) {
            pNew = &character;
            break;
        }
    if (!pNew) {
        m_session.prompts.Inform(tr("You have entered a name that does not exist.  "
                                    "Please refresh the tree."));
        return;
    }
    if (!m_sheet.MayLeave())
        return;
    const QString strMover = SelectedId();
    const ActingLogin acting = ChooseActingCharacter(m_session, m_roster, m_login, strMover);
    if (acting.bCancelled)
        return;
    //: Status bar, while the server moves a character to a new patron in the allegiance
    Request request = Open(acting, zorv::OpChangePatron, tr("Changing Patrons"));
    Step([&] {
        const Character* pMover = m_roster->Item(QStringLiteral("Char") + strMover);
        if (!pMover)
            throw ZorvFailure(91, ObjectNotSet());
        // A monarch has no patron; the request carries a placeholder in its place.
        QString strOldId = QStringLiteral("-1");
        QString strOldName = QStringLiteral("blah");
        QString strOldList = QStringLiteral("blah");
        if (pMover->nPatronID != zorv::kNoCharacter) {
            const Character* pOld = m_roster->Item(CharKey(pMover->nPatronID));
            if (!pOld)
                throw ZorvFailure(91, ObjectNotSet());
            strOldId = QString::number(pOld->nID);
            strOldName = pOld->strName;
            strOldList = pOld->strVassalIDs;
        }
        request.fields = {
            {FormKey(zorv::form::kMoveId), QString::number(pMover->nID)},
            {FormKey(zorv::form::kCharId), acting.strCharID},
            {FormKey(zorv::form::kOldPatronId), strOldId},
            {FormKey(zorv::form::kOldPatronName), strOldName},
            {FormKey(zorv::form::kOldPatronVassalList), strOldList},
            {FormKey(zorv::form::kNewPatronId), QString::number(pNew->nID)},
            {FormKey(zorv::form::kNewPatronName), pNew->strName},
            {FormKey(zorv::form::kNewPatronVassalList), pNew->strVassalIDs},
        };
    });
    m_session.cycle.StartOperation(request);
}

void AllegianceOperations::ChangePassword() {
    frmChangePassword& dlg = *m_pChangePassword;
    m_session.prompts.Exec(dlg);
    if (dlg.bHitCancel)
        return;
    RequestCycle& cycle = m_session.cycle;
    const QString strTarget = SelectedId();
    Request request{zorv::OpChangePassword,
                    tr("Changing Password"),
                    {{FormKey(zorv::form::kCharId), strTarget},
                     {FormKey(zorv::form::kNewPassword), dlg.strPassword},
                     {FormKey(zorv::form::kConfirmPassword), dlg.strPassword}}};
    // Stricter than the other operations: only one's own character spares the other login.
    if (strTarget != m_session.strCurCharID) {
        m_login.strCharName = m_roster->GetName(QStringLiteral("Char") + strTarget);
        m_session.prompts.Exec(m_login);
        if (!m_login.bHitOk)
            return;
        request.strCharName = m_login.strCharName;
        request.strPass = m_login.strPass;
    }
    m_strNewPassword = dlg.strPassword;
    cycle.StartOperation(request);
}
