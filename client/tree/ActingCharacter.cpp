#include "ActingCharacter.h"

#include "Characters.h"
#include "Numbers.h"
#include "Prompts.h"
#include "Protocol.h"
#include "RequestCycle.h"
#include "Session.h"
#include "frmLogin.h"

#include <QLineEdit>

ActingLogin ChooseActingCharacter(Session& session, const Roster& roster, frmLogin& login,
                                  const QString& strTargetId) {
    ActingLogin acting;
    const qint16 iOwn = zorv::ReadInt16(session.strCurCharID.toStdString());
    const qint16 iTarget = zorv::ReadInt16(strTargetId.toStdString());
    const bool bOwnLogin = strTargetId == session.strCurCharID ||
                           IsFollower(*roster, iOwn, iTarget) ||
                           session.iCurSecurityLevel == zorv::kSecurityAdministrator;
    if (bOwnLogin) {
        acting.strCharID = session.strCurCharID.trimmed();
        return acting;
    }
    login.strCharName = roster->GetName(CharKey(iTarget));
    session.prompts.Exec(login);
    if (!login.bHitOk) {
        acting.bCancelled = true;
        return acting;
    }
    acting.strCharID = QString::number(roster->GetID(login.txtCharName->text()));
    acting.bLoginAsDifferent = true;
    acting.strCharName = login.strCharName;
    acting.strPass = login.strPass;
    return acting;
}
