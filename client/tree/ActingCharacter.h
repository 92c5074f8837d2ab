#pragma once
// The acting-character rule: an operation on a character goes out under the user's own login
// when that character is the user's own, one of the user's followers, or the user is an
// administrator; otherwise it goes out under that character's own login, asked for with frmLogin.
#include <QString>

class Roster;
class frmLogin;
struct Session;

struct ActingLogin {
    bool bCancelled = false;        // the user cancelled the login dialog: send nothing
    bool bLoginAsDifferent = false; // the request carries the other character's login
    QString strCharID;              // the acting character's id, decimal
    QString strCharName;            // the other character's name and password; empty for the
    QString strPass;                // user's own login
};

// Applies the rule to the character with id strTargetId and records in the request cycle whether
// the request acts as someone else (so a wrong password there keeps the user's own login). The
// caller puts strCharName and strPass into its Request.
ActingLogin ChooseActingCharacter(Session& session, const Roster& roster, frmLogin& login,
                                  const QString& strTargetId);
