#pragma once
// The "Show" list that both insight windows open with: first the branch of one member, then
// everybody.
#include <QtGlobal>

class Characters;
class QComboBox;

// Names the branch of the member with this id as the list's first entry and selects it or, for
// -1 or an id the roster does not hold, selects the second entry and locks the list; no signal
// is sent. Returns the branch's id, or -1.
qint16 ChooseBranch(QComboBox& cmbScope, const Characters& roster, qint16 idCharacter);
