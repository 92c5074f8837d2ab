#pragma once
// Roster records built by hand, for tests whose trees are not downloaded: a level-1 member
// without flags, with the given place in the tree.
#include "Characters.h"

inline Character RosterRecord(qint16 nID, const QString& strName, qint16 nPatronID,
                              const QString& strVassalIDs) {
    Character c;
    c.nID = nID;
    c.strName = strName;
    c.nLevel = 1;
    c.nPatronID = nPatronID;
    c.strVassalIDs = strVassalIDs;
    return c;
}
