#include "ErrorTable.h"

#include "HistoryVocabulary.h"
#include "Numbers.h"
#include "Protocol.h"
#include "Records.h"
#include "Refusals.h"
#include "ReplyFraming.h"
#include "ResultCodes.h"

#include <QCoreApplication>

namespace {

using namespace zorv;

struct ErrorRange {
    int iFirst;
    int iLast;
    const char* szText;
};

//: A vassal is a character sworn to another, its patron, in the guild's allegiance.
const char kAddVassal[] = QT_TRANSLATE_NOOP(
    "ErrorTable",
    "There was an error while trying to add the vassal.  Please refresh the tree and try again.");
//: A vassal is a character sworn to another, its patron, in the guild's allegiance.
const char kRemoveVassal[] =
    QT_TRANSLATE_NOOP("ErrorTable", "There was an error while trying to remove the vassal.  Please "
                                    "refresh the tree and try again.");
//: A patron is the character a vassal is sworn to in the guild's allegiance.
const char kNotFound[] =
    QT_TRANSLATE_NOOP("ErrorTable", "The name you entered was not found in the database.  Please "
                                    "check your spelling and make sure your patron has added you.");
const char kNoSuchChar[] = QT_TRANSLATE_NOOP(
    "ErrorTable",
    "There was an error updating a character's information.  That character does not exist.");
const char kCfg[] =
    QT_TRANSLATE_NOOP("ErrorTable", "There was an error trying to open the file zorv.cfg on the "
                                    "server.  Make sure it is chmoded to 777.");
const char kTree[] =
    QT_TRANSLATE_NOOP("ErrorTable", "There was an error trying to open the file tree.dat on the "
                                    "server.  Make sure it is chmoded to 777.");
const char kSetup[] = QT_TRANSLATE_NOOP(
    "ErrorTable", "There was an error trying to change the server setup.  Please try again.");
const char kSecId[] = QT_TRANSLATE_NOOP(
    "ErrorTable",
    "There was an error changing the security level! An invalid character ID was given!");

const ErrorRange kTable[] = {
    {CodeAddFailed, CodeAddFailed, kAddVassal},
    //: A vassal is a character sworn to another, its patron, in the guild's allegiance.
    {CodeAddInvalidName, CodeAddInvalidName,
     QT_TRANSLATE_NOOP("ErrorTable", "There was an error while trying to add the vassal.  You "
                                     "provided an invalid name.  Please enter a legal name.")},
    {CodeAddNoSuchPatron, CodeAddFailed5, kAddVassal},
    //: A vassal is a character sworn to another, its patron, in the guild's allegiance.
    {CodeAddNameTaken, CodeAddNameTaken,
     QT_TRANSLATE_NOOP("ErrorTable",
                       "There was an error while trying to add the vassal.  The name you provided "
                       "for the new vassal already exists in the tree.  Please refresh the tree.")},
    //: A vassal is a character sworn to another, its patron, in the guild's allegiance.
    {CodeAddPatronFull, CodeAddPatronFull,
     QT_TRANSLATE_NOOP("ErrorTable", "There was an error while trying to add the vassal.  The "
                                     "patron already has the maxium number of possible vassals.")},
    {CodeAddGuildFull, CodeAddGuildFull, kAddVassal},
    //: A vassal is a character sworn to another, its patron, in the guild's allegiance.
    {CodeAddReservedName, CodeAddReservedName,
     QT_TRANSLATE_NOOP("ErrorTable",
                       "There was an error while trying to add the vassal.  The name you provided "
                       "for the new vassal was illegal.  Please refresh the tree.")},
    {CodeRemoveFailed, CodeRemoveFailed6, kRemoveVassal},
    //: A vassal is a character sworn to another, its patron, in the guild's allegiance.
    {CodeRemoveNotFound, CodeRemoveNotFound,
     QT_TRANSLATE_NOOP("ErrorTable", "There was an error while trying to remove the vassal.  The "
                                     "vassal you tried to remove could not be found in the tree.")},
    {CodeRemoveFailed8, CodeRemoveFailed9, kRemoveVassal},
    //: A vassal is a character sworn to another, its patron, in the guild's allegiance.
    {CodeRemoveNotAllowed, CodeRemoveNotAllowed,
     QT_TRANSLATE_NOOP(
         "ErrorTable",
         "There was an error while trying to remove the character.  The character you tried to "
         "remove was not your vassal.  You can only remove your own vassals.")},
    //: A patron is the character a vassal is sworn to in the guild's allegiance.
    {CodePatronFailed, CodePatronFailed8,
     QT_TRANSLATE_NOOP("ErrorTable", "There was an error while trying to change patrons.  Please "
                                     "refresh the tree and try again.")},
    //: A vassal is a character sworn to another, its patron, in the guild's allegiance.
    {CodePatronFull, CodePatronFull,
     QT_TRANSLATE_NOOP("ErrorTable", "There was an error while trying to change patrons.  The new "
                                     "patron already mas the maximum number of possible vassals.")},
    //: A patron is the character a vassal is sworn to in the guild's allegiance; to pledge is to
    //: swear to a patron; one's followers are all the characters below one in the allegiance.
    {CodePatronIsFollower, CodePatronIsFollower,
     QT_TRANSLATE_NOOP("ErrorTable", "There was an error while trying to change patrons.  You can "
                                     "not pledge to one of your followers.")},
    //: A patron is the character a vassal is sworn to in the guild's allegiance; to pledge is to
    //: swear to a patron.
    {CodePatronIsSelf, CodePatronIsSelf,
     QT_TRANSLATE_NOOP(
         "ErrorTable",
         "There was an error while trying to change patrons.  You can not pledge to yourself.")},
    {CodeUnknownName, CodeUnknownName, kNotFound},
    {CodeWrongPassword, CodeWrongPassword,
     QT_TRANSLATE_NOOP("ErrorTable",
                       "You have entered an incorrect password.  If this is the first time you've "
                       "logged in, make sure you use the default password.")},
    {CodeUnknownName2, CodeUnknownName3, kNotFound},
    {CodeInitInvalidGuild, CodeInitInvalidGuild,
     QT_TRANSLATE_NOOP(
         "ErrorTable",
         "There was an error setting up the new server.  The guild name was invalid.")},
    {CodeInitInvalidDefault, CodeInitInvalidDefault,
     QT_TRANSLATE_NOOP(
         "ErrorTable",
         "There was an error setting up the new server.  The default password was invalid.")},
    {CodeSaveNoSuchCharacter, CodeSaveNoSuchEditor, kNoSuchChar},
    {CodeSaveAdminOnly, CodeSaveAdminOnly,
     QT_TRANSLATE_NOOP("ErrorTable",
                       "There was an error updating the character info.  You attempted to edit a "
                       "field that only admins are allowed to edit.")},
    {CodeSaveStale, CodeSaveStale,
     QT_TRANSLATE_NOOP(
         "ErrorTable",
         "There was an error updating the character info.  Someone else changed the character "
         "after you opened it.  Please reload it and make your changes again.")},
    {CodeCharacterNotFound, CodeCharacterNotFound,
     QT_TRANSLATE_NOOP("ErrorTable", "There was an error retreiving a character's information.  "
                                     "That character does not exist.")},
    {CodeServerFault, CodeServerFault,
     QT_TRANSLATE_NOOP("ErrorTable",
                       "There was a serious error with the server.  Please have the admin visit "
                       "ZORV's webpage and download the newest version of the server.")},
    {CodeSecurityViolation, CodeSecurityViolation,
     QT_TRANSLATE_NOOP("ErrorTable", "Secuirty Voliation!")},
    {CodeInvalidClient, CodeInvalidClient,
     QT_TRANSLATE_NOOP(
         "ErrorTable",
         "You are using an invalid client.  Please go to the ZORV website and upgrade.")},
    {CodeInvalidCharacter, CodeInvalidCharacter,
     QT_TRANSLATE_NOOP("ErrorTable", "The operation you attempted referenced an invalid character. "
                                     " Please refresh your tree and try again.")},
    {CodeInvalidNumber, CodeInvalidNumber,
     QT_TRANSLATE_NOOP("ErrorTable", "You entered invalid input for a numeric value.")},
    {CodeInvalidText, CodeInvalidText,
     QT_TRANSLATE_NOOP("ErrorTable", "You entered invalid input for a string value")},
    {CodeMissingScript, CodeMissingScript,
     QT_TRANSLATE_NOOP("ErrorTable", "There was an error accessing the ZORV server.")},
    {CodePasswordTooLong, CodePasswordTooLong,
     QT_TRANSLATE_NOOP("ErrorTable",
                       "Your password is too long, it can only be 10 characters long.")},
    {CodePasswordTooShort, CodePasswordTooShort,
     QT_TRANSLATE_NOOP("ErrorTable",
                       "Your password is too short, it has to be at least 6 characters long.")},
    {CodeSettingsStore, CodeSettingsStore2, kCfg},
    {CodeTreeStore, CodeTreeStore2, kTree},
    {CodePasswordMismatch, CodePasswordMismatch,
     QT_TRANSLATE_NOOP("ErrorTable", "There was an error changing the character's password.  The "
                                     "new password and the confirmation password do not match.")},
    {CodeInvalidConfirmation, CodeInvalidConfirmation,
     QT_TRANSLATE_NOOP("ErrorTable", "There was an error changing the character's password.  The "
                                     "confirmation password is invalid.")},
    {CodeInvalidNewPassword, CodeInvalidNewPassword,
     QT_TRANSLATE_NOOP(
         "ErrorTable",
         "There was an error changing the character's password.  The new password is invalid.")},
    {CodeSetupInvalidGuild, CodeSetupInvalidRescueName, kSetup},
    {CodeSetupNotAdmin, CodeSetupNotAdmin,
     QT_TRANSLATE_NOOP("ErrorTable", "There was an error trying to change the server setup.  You "
                                     "are not an admin, what are you trying to do?")},
    {CodeResetNotAdmin, CodeResetNotAdmin,
     QT_TRANSLATE_NOOP("ErrorTable", "There was an error trying to reset the password. Your "
                                     "security level was not high enough.")},
    {CodeResetFailed, CodeResetFailed,
     QT_TRANSLATE_NOOP("ErrorTable",
                       "There was an error trying to reset the password. Please try again.")},
    {CodeResetNoSuchCharacter, CodeResetNoSuchCharacter,
     QT_TRANSLATE_NOOP(
         "ErrorTable",
         "There was an error trying to reset the password. That character does not exist.")},
    {CodeBackupNotAdmin, CodeBackupNotAdmin,
     QT_TRANSLATE_NOOP("ErrorTable", "There was an error trying to backup the server.  Your "
                                     "security level is not high enough.")},
    {CodeLevelInvalidId, CodeLevelNoSuchCharacter, kSecId},
    {CodeLevelInvalid, CodeLevelInvalid,
     QT_TRANSLATE_NOOP(
         "ErrorTable",
         "There was an error changing the security level! The new security level was invalid")},
    {CodeHistoryInvalid, CodeHistoryInvalid,
     QT_TRANSLATE_NOOP("ErrorTable",
                       "There was an error reading the change history.  Please try again.")},
    {CodeUndoNotAdmin, CodeUndoNotAdmin,
     QT_TRANSLATE_NOOP(
         "ErrorTable",
         "There was an error undoing the change.  Only an administrator can undo a change.")},
    {CodeUndoNoSuchEntry, CodeUndoNoSuchEntry,
     QT_TRANSLATE_NOOP(
         "ErrorTable",
         "There was an error undoing the change.  The server no longer keeps that change.")},
    {CodeUndoNotPossible, CodeUndoConflict,
     QT_TRANSLATE_NOOP("ErrorTable", "The change cannot be undone.")},
    {CodeFeedTooOld, CodeFeedTooOld,
     QT_TRANSLATE_NOOP("ErrorTable", "The server cannot tell what changed in the tree since it was "
                                     "downloaded.  Please refresh the tree.")},
    {CodeNotifyInvalidUrl, CodeNotifyInvalidUrl,
     QT_TRANSLATE_NOOP("ErrorTable", "The server refused the notification's address.")},
    {CodeNotifyInvalidFormat, CodeNotifyInvalidKinds,
     QT_TRANSLATE_NOOP(
         "ErrorTable",
         "The server refused the notification's format or kinds of change.  Please try again.")},
    {CodeNotifyNoSuchTarget, CodeNotifyNoSuchTarget,
     QT_TRANSLATE_NOOP(
         "ErrorTable",
         "The server no longer sends notifications there.  The list is shown again.")},
    {CodeNotifyTestFailed, CodeNotifyTestFailed,
     QT_TRANSLATE_NOOP("ErrorTable", "The test message could not be delivered.")},
    {CodeNotifyInvalidLanguage, CodeNotifyInvalidLanguage,
     QT_TRANSLATE_NOOP("ErrorTable", "The server does not write notifications in that language.")},
};

} // namespace

std::optional<QString> ServerErrorText(int iCode) {
    for (const ErrorRange& range : kTable) {
        if (iCode >= range.iFirst && iCode <= range.iLast)
            return QCoreApplication::translate("ErrorTable", range.szText);
    }
    return std::nullopt;
}

namespace {

// A caption as the table of captions holds it: an undo names a history field or setting by its
// name ("race", "guild_name"), a refused value by its caption already.
const char* Caption(const std::string& strParam) {
    for (const zorv::history::Field& field : zorv::history::kFields)
        if (strParam == field.szName)
            return field.szCaption;
    return strParam.c_str();
}

} // namespace

QString RefusalSentence(const zorv::Fields& fields) {
    const QString strEnglish = QString::fromLatin1(fields[0].c_str());
    const std::optional<long> lRefusal =
        fields.size() < 2 ? std::nullopt : zorv::ParseWholeNumber(fields[1]);
    const zorv::RefusalText* pText = lRefusal ? zorv::FindRefusal(*lRefusal) : nullptr;
    if (!pText)
        return strEnglish;
    std::vector<std::string> params;
    for (std::size_t i = 2; i < fields.size(); ++i) {
        const bool bCaption = static_cast<int>(i) - 1 == pText->iCaption;
        const QString strParam = bCaption ? QCoreApplication::translate("Field", Caption(fields[i]))
                                          : QString::fromLatin1(fields[i].c_str());
        params.push_back(strParam.toStdString());
    }
    const QByteArray sentence = QCoreApplication::translate("Refusal", pText->szEnglish).toUtf8();
    return QString::fromStdString(zorv::FillTemplate(sentence.toStdString(), params));
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
        return *ServerErrorText(iCode) + QStringLiteral("\r\n\r\n") + RefusalSentence(fields);
    }
    const QString strSeconds =
        fields.size() < 2 ? QString() : QString::fromLatin1(fields[1].c_str());
    //: %1 is the character's name, %2 the number of seconds to wait, as the server sent it.
    return QCoreApplication::translate("ErrorTable",
                                       "Too many wrong passwords for %1; try again in %2 seconds")
        .arg(strName, strSeconds);
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
