#pragma once
// The state the procedures of every subsystem share, owned by the main window for its whole
// life and handed to each subsystem: the prompts, the status bar, the request cycle (with the
// exchange and the credentials of the current login) and what the login reply told us. The
// model's objects (the roster, the character shown, the skills) are handed to those that need
// them, not carried here.
#include <QCoreApplication>
#include <QString>

class Prompts;
class RequestCycle;
class StatusBar;

struct Session {
    Session(Prompts& prompts, StatusBar& stsStatusBar, RequestCycle& cycle)
        : prompts(prompts), stsStatusBar(stsStatusBar), cycle(cycle) {}

    Prompts& prompts;
    StatusBar& stsStatusBar;
    RequestCycle& cycle;

    QString strCurCharID;   // login reply field 1
    QString strCurCharName; // login reply field 2, as the server spells it
    qint16 iCurSecurityLevel = 0;
    QString strGuildName;
    qint16 iUseRescueSquad = 0; // 1: the guild keeps a rescue squad
    QString strRescueSquadName;

    // The main window's caption for the current login.
    QString Caption() const {
        //: The main window's title; %1 is the guild's name, %2 the character logged in.
        return QCoreApplication::translate("Session", "ZORV (%1) - Logged in as %2")
            .arg(strGuildName, strCurCharName);
    }
};
