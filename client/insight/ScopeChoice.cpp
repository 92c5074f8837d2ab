#include "ScopeChoice.h"

#include "Characters.h"

#include <QComboBox>
#include <QSignalBlocker>

qint16 ChooseBranch(QComboBox& cmbScope, const Characters& roster, qint16 idCharacter) {
    const int iRecord = idCharacter >= 0 ? roster.IndexOfId(idCharacter) : -1;
    const QSignalBlocker blocker(&cmbScope);
    cmbScope.setItemText(0, iRecord >= 0 ? QStringLiteral("Branch of ") + roster.At(iRecord).strName
                                         : QStringLiteral("Branch"));
    cmbScope.setCurrentIndex(iRecord >= 0 ? 0 : 1);
    cmbScope.setEnabled(iRecord >= 0);
    return iRecord >= 0 ? idCharacter : qint16(-1);
}
