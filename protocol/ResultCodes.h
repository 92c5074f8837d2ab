#pragma once
// Every result code either side gives a meaning to. Success codes lie in 800..899; the rest are
// errors, grouped by the operation that produces them. A name ending in a digit marks a further
// code of its group's generic failure (CodeRemoveFailed6 is 916), and the codes between it and
// the group's first failure belong to that failure too: the client shows one message for them.
namespace zorv {

enum Code : int {
    CodeOk = 800,
    CodeServerUnset = 801, // the server has no guild yet: the first set-up follows

    // Adding a vassal.
    CodeAddFailed = 901,
    CodeAddInvalidName = 902,
    CodeAddNoSuchPatron = 903,
    CodeAddStaleTree = 904, // the client's picture of the patron is out of date
    CodeAddFailed5 = 905,
    CodeAddNameTaken = 906,
    CodeAddPatronFull = 907,
    CodeAddGuildFull = 908,
    CodeAddReservedName = 909,

    // Removing a vassal.
    CodeRemoveFailed = 911,
    CodeRemoveStaleTree = 912,
    CodeRemoveFailed3 = 913,
    CodeRemoveFailed6 = 916,
    CodeRemoveNotFound = 917,
    CodeRemoveFailed8 = 918,
    CodeRemoveFailed9 = 919,
    CodeRemoveNotAllowed = 920,

    // Changing patron.
    CodePatronFailed = 930,
    CodePatronNotFound = 931,
    CodePatronStaleTree = 932,
    CodePatronUnchanged = 933,
    CodePatronFailed8 = 938,
    CodePatronFull = 939,
    CodePatronIsFollower = 940,
    CodePatronIsSelf = 941,

    // Login, and the credentials every request carries.
    CodeUnknownName = 950,
    CodeWrongPassword = 951,
    CodeUnknownName2 = 952,
    CodeUnknownName3 = 953,
    // Too many wrong passwords for this name from this address, or from this address: the
    // password was not tried. Payload: the name as sent, and the whole seconds to wait.
    CodeLoginThrottled = 954,

    // First set-up of a server.
    CodeInitInvalidGuild = 960,
    CodeInitInvalidDefault = 961,

    // Saving a character.
    CodeSaveNoSuchCharacter = 970,
    CodeSaveNoSuchEditor = 971,
    CodeSaveAdminOnly = 972,
    // The record changed since the client showed it (the save's revision is older than the
    // stored one); the payload names who changed it and when.
    CodeSaveStale = 973,

    // Reading a character.
    CodeCharacterNotFound = 980,

    // Any operation.
    CodeServerFault = 987,
    CodeSecurityViolation = 988,
    CodeInvalidClient = 989,
    CodeInvalidCharacter = 990,
    CodeInvalidNumber = 991,
    CodeInvalidText = 992,
    CodeMissingScript = 993, // set by the client itself when the script path answers 404
    CodePasswordTooLong = 994,
    CodePasswordTooShort = 995,
    CodeSettingsStore = 996, // the guild's settings could not be read or written
    CodeSettingsStore2 = 997,
    CodeTreeStore = 998, // the guild's members could not be read or written
    CodeTreeStore2 = 999,

    // Changing a password.
    CodePasswordMismatch = 1000,
    CodeInvalidConfirmation = 1001,
    CodeInvalidNewPassword = 1002,

    // Changing the server set-up.
    CodeSetupInvalidGuild = 1010,
    CodeSetupInvalidDefault = 1011,
    CodeSetupInvalidRescueFlag = 1012,
    CodeSetupInvalidRescueName = 1013,
    CodeSetupNotAdmin = 1014,

    // Resetting a password.
    CodeResetNotAdmin = 1020,
    CodeResetFailed = 1021,
    CodeResetNoSuchCharacter = 1022,

    // Backing up the guild.
    CodeBackupNotAdmin = 1030,

    // Changing a security level.
    CodeLevelInvalidId = 1040,
    CodeLevelNoSuchCharacter = 1041,
    CodeLevelInvalid = 1042,

    // The change history: reading it, and undoing an entry (the undo's refusals carry the
    // reason as their payload).
    CodeHistoryInvalid = 1050,
    CodeUndoNotAdmin = 1060,
    CodeUndoNoSuchEntry = 1061,
    CodeUndoNotPossible = 1062,
    CodeUndoConflict = 1063,

    // The change feed cannot answer from the generation asked for: download the whole tree.
    CodeFeedTooOld = 1070,

    // The chat notifications' targets (a refused URL and a failed test carry the reason).
    CodeNotifyInvalidUrl = 1080,
    CodeNotifyInvalidFormat = 1081,
    CodeNotifyInvalidKinds = 1082,
    CodeNotifyNoSuchTarget = 1083,
    CodeNotifyTestFailed = 1084,
    CodeNotifyInvalidLanguage = 1085,
};

inline constexpr int kFirstSuccess = 800;
inline constexpr int kLastSuccess = 899;

inline bool IsSuccess(long lCode) {
    return lCode >= kFirstSuccess && lCode <= kLastSuccess;
}

} // namespace zorv
