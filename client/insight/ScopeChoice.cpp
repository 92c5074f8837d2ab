#include "ScopeChoice.h"

#include "Characters.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QSignalBlocker>

qint16 ChooseBranch(QComboBox& cmbScope, const Characters& roster, qint16 idCharacter) {
    const int iRecord = idCharacter >= 0 ? roster.IndexOfId(idCharacter) : -1;
    const QSignalBlocker blocker(&cmbScope);
    if (iRecord >= 0)
        //: What a window shows: the member and every follower below it in the allegiance; %1 is
        //: the member's name
        cmbScope.setItemText(0, QCoreApplication::translate("ScopeChoice", "Branch of %1")
                                    .arg(roster.At(iRecord).strName));
    else
        //: What a window shows: one member's part of the allegiance, when no member is selected
        cmbScope.setItemText(0, QCoreApplication::translate("ScopeChoice", "Branch"));
    cmbScope.setCurrentIndex(iRecord >= 0 ? 0 : 1);
    cmbScope.setEnabled(iRecord >= 0);
    return iRecord >= 0 ? idCharacter : qint16(-1);
}
