#include "ErrorTable.h"

#include "Protocol.h"
#include "Records.h"
#include "ReplyFraming.h"
#include "ResultCodes.h"

namespace {

using namespace zorv;

struct ErrorRange {
    int iFirst;
    int iLast;
    const char* szText;
};

const char kAddVassal[] =
    "There was an error while trying to add the vassal.  Please refresh the tree and try again.";
const char kRemoveVassal[] =
    "There was an error while trying to remove the vassal.  Please refresh the tree and try again.";
const char kNotFound[] = "The name you entered was not found in the database.  Please check your "
                         "spelling and make sure your patron has added you.";
const char kNoSuchChar[] =
    "There was an error updating a character's information.  That character does not exist.";
const char kCfg[] = "There was an error trying to open the file zorv.cfg on the server.  Make "
                    "sure it is chmoded to 777.";
const char kTree[] = "There was an error trying to open the file tree.dat on the server.  Make "
                     "sure it is chmoded to 777.";
const char kSetup[] = "There was an error trying to change the server setup.  Please try again.";
const char kSecId[] =
    "There was an error changing the security level! An invalid character ID was given!";

const ErrorRange kTable[] = {
    {CodeAddFailed, CodeAddFailed, kAddVassal},
    {CodeAddInvalidName, CodeAddInvalidName,
     "There was an error while trying to add the vassal.  You provided an invalid name.  Please "
     "enter a legal name."},
    {CodeAddNoSuchPatron, CodeAddFailed5, kAddVassal},
    {CodeAddNameTaken, CodeAddNameTaken,
     "There was an error while trying to add the vassal.  The name you provided for the new "
     "vassal already exists in the tree.  Please refresh the tree."},
    {CodeAddPatronFull, CodeAddPatronFull,
     "There was an error while trying to add the vassal.  The patron already has the maxium "
     "number of possible vassals."},
    {CodeAddGuildFull, CodeAddGuildFull, kAddVassal},
    {CodeAddReservedName, CodeAddReservedName,
     "There was an error while trying to add the vassal.  The name you provided for the new "
     "vassal was illegal.  Please refresh the tree."},
    {CodeRemoveFailed, CodeRemoveFailed6, kRemoveVassal},
    {CodeRemoveNotFound, CodeRemoveNotFound,
     "There was an error while trying to remove the vassal.  The vassal you tried to remove could "
     "not be found in the tree."},
    {CodeRemoveFailed8, CodeRemoveFailed9, kRemoveVassal},
    {CodeRemoveNotAllowed, CodeRemoveNotAllowed,
     "There was an error while trying to remove the character.  The character you tried to remove "
     "was not your vassal.  You can only remove your own vassals."},
    {CodePatronFailed, CodePatronFailed8,
     "There was an error while trying to change patrons.  Please refresh the tree and try again."},
    {CodePatronFull, CodePatronFull,
     "There was an error while trying to change patrons.  The new patron already mas the maximum "
     "number of possible vassals."},
    {CodePatronIsFollower, CodePatronIsFollower,
     "There was an error while trying to change patrons.  You can not pledge to one of your "
     "followers."},
    {CodePatronIsSelf, CodePatronIsSelf,
     "There was an error while trying to change patrons.  You can not pledge to yourself."},
    {CodeUnknownName, CodeUnknownName, kNotFound},
    {CodeWrongPassword, CodeWrongPassword,
     "You have entered an incorrect password.  If this is the first time you've logged in, make "
     "sure you use the default password."},
    {CodeUnknownName2, CodeUnknownName3, kNotFound},
    {CodeInitInvalidGuild, CodeInitInvalidGuild,
     "There was an error setting up the new server.  The guild name was invalid."},
    {CodeInitInvalidDefault, CodeInitInvalidDefault,
     "There was an error setting up the new server.  The default password was invalid."},
    {CodeSaveNoSuchCharacter, CodeSaveNoSuchEditor, kNoSuchChar},
    {CodeSaveAdminOnly, CodeSaveAdminOnly,
     "There was an error updating the character info.  You attempted to edit a field that only "
     "admins are allowed to edit."},
    {CodeSaveStale, CodeSaveStale,
     "There was an error updating the character info.  Someone else changed the character after "
     "you opened it.  Please reload it and make your changes again."},
    {CodeCharacterNotFound, CodeCharacterNotFound,
     "There was an error retreiving a character's information.  That character does not exist."},
    {CodeServerFault, CodeServerFault,
     "There was a serious error with the server.  Please have the admin visit ZORV's webpage and "
     "download the newest version of the server."},
    {CodeSecurityViolation, CodeSecurityViolation, "Secuirty Voliation!"},
    {CodeInvalidClient, CodeInvalidClient,
     "You are using an invalid client.  Please go to the ZORV website and upgrade."},
    {CodeInvalidCharacter, CodeInvalidCharacter,
     "The operation you attempted referenced an invalid character.  Please refresh your tree and "
     "try again."},
    {CodeInvalidNumber, CodeInvalidNumber, "You entered invalid input for a numeric value."},
    {CodeInvalidText, CodeInvalidText, "You entered invalid input for a string value"},
    {CodeMissingScript, CodeMissingScript, "There was an error accessing the ZORV server."},
    {CodePasswordTooLong, CodePasswordTooLong,
     "Your password is too long, it can only be 10 characters long."},
    {CodePasswordTooShort, CodePasswordTooShort,
     "Your password is too short, it has to be at least 6 characters long."},
    {CodeSettingsStore, CodeSettingsStore2, kCfg},
    {CodeTreeStore, CodeTreeStore2, kTree},
    {CodePasswordMismatch, CodePasswordMismatch,
     "There was an error changing the character's password.  The new password and the "
     "confirmation password do not match."},
    {CodeInvalidConfirmation, CodeInvalidConfirmation,
     "There was an error changing the character's password.  The confirmation password is "
     "invalid."},
    {CodeInvalidNewPassword, CodeInvalidNewPassword,
     "There was an error changing the character's password.  The new password is invalid."},
    {CodeSetupInvalidGuild, CodeSetupInvalidRescueName, kSetup},
    {CodeSetupNotAdmin, CodeSetupNotAdmin,
     "There was an error trying to change the server setup.  You are not an admin, what are you "
     "trying to do?"},
    {CodeResetNotAdmin, CodeResetNotAdmin,
     "There was an error trying to reset the password. Your security level was not high enough."},
    {CodeResetFailed, CodeResetFailed,
     "There was an error trying to reset the password. Please try again."},
    {CodeResetNoSuchCharacter, CodeResetNoSuchCharacter,
     "There was an error trying to reset the password. That character does not exist."},
    {CodeBackupNotAdmin, CodeBackupNotAdmin,
     "There was an error trying to backup the server.  Your security level is not high enough."},
    {CodeLevelInvalidId, CodeLevelNoSuchCharacter, kSecId},
    {CodeLevelInvalid, CodeLevelInvalid,
     "There was an error changing the security level! The new security level was invalid"},
    {CodeHistoryInvalid, CodeHistoryInvalid,
     "There was an error reading the change history.  Please try again."},
    {CodeUndoNotAdmin, CodeUndoNotAdmin,
     "There was an error undoing the change.  Only an administrator can undo a change."},
    {CodeUndoNoSuchEntry, CodeUndoNoSuchEntry,
     "There was an error undoing the change.  The server no longer keeps that change."},
    {CodeUndoNotPossible, CodeUndoConflict, "The change cannot be undone."},
    {CodeFeedTooOld, CodeFeedTooOld,
     "The server cannot tell what changed in the tree since it was downloaded.  Please refresh "
     "the tree."},
    {CodeNotifyInvalidUrl, CodeNotifyInvalidUrl, "The server refused the notification's address."},
    {CodeNotifyInvalidFormat, CodeNotifyInvalidKinds,
     "The server refused the notification's format or kinds of change.  Please try again."},
    {CodeNotifyNoSuchTarget, CodeNotifyNoSuchTarget,
     "The server no longer sends notifications there.  The list is shown again."},
    {CodeNotifyTestFailed, CodeNotifyTestFailed, "The test message could not be delivered."},
};

} // namespace

std::optional<QString> ServerErrorText(int iCode) {
    for (const ErrorRange& range : kTable) {
        if (iCode >= range.iFirst && iCode <= range.iLast)
            return QString::fromLatin1(range.szText);
    }
    return std::nullopt;
}

std::optional<QString> ServerErrorText(int iCode, const QString& strPayload) {
    if (iCode != zorv::CodeLoginThrottled && iCode != zorv::CodeInvalidNumber &&
        iCode != zorv::CodeInvalidText && iCode != zorv::CodeNotifyInvalidUrl &&
        iCode != zorv::CodeNotifyTestFailed)
        return std::nullopt;
    // A reply cut off before its stop marker keeps what came.
    const QString strFields = PayloadText(strPayload);
    const zorv::Fields fields = zorv::UnescapedFields(strFields.toLatin1().toStdString());
    const QString strName = fields.empty() ? QString() : QString::fromLatin1(fields[0].c_str());
    if (iCode != zorv::CodeLoginThrottled) {
        // A newer server says which value it refused and why an address is refused, and the
        // chat service's answer to a test message; an older one sends nothing.
        if (strName.isEmpty())
            return std::nullopt;
        return *ServerErrorText(iCode) + QStringLiteral("\r\n\r\n") + strName;
    }
    const QString strSeconds =
        fields.size() < 2 ? QString() : QString::fromLatin1(fields[1].c_str());
    return QStringLiteral("Too many wrong passwords for ") + strName +
           QStringLiteral("; try again in ") + strSeconds + QStringLiteral(" seconds");
}

bool ErrorReturnsToLogin(int iCode, bool bLoginAsDifferent) {
    switch (iCode) {
    case zorv::CodeUnknownName:
    case zorv::CodeUnknownName2:
    case zorv::CodeUnknownName3:
        return true;
    case zorv::CodeWrongPassword:
    case zorv::CodeLoginThrottled:
        return !bLoginAsDifferent;
    default:
        return false;
    }
}
