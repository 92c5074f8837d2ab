#pragma once
// The keys of the request forms (docs/protocol.md): every request is "charname", "password",
// "msgid" and then its operation's own fields, each "key=value" joined by "&". Both programs
// name a key only through these; the sheet's save keys are the record's (CharacterRecord.h).
#include "CharacterRecord.h"

#include <string_view>

namespace zorv::form {

// Every request.
inline constexpr const char* kCharName = "charname";
inline constexpr const char* kPassword = "password";
inline constexpr const char* kMsgId = "msgid";
inline constexpr const char* kCharId = "charid"; // the acting character

// 101 add a vassal.
inline constexpr const char* kAddToId = "addtoid";
inline constexpr const char* kVassalName = "vassalname";
inline constexpr const char* kVassalList =
    "vassallist"; // the patron's vassals as the client saw them
inline constexpr const char* kPatronId = "patronid";
// 102 remove a vassal (with kPatronId, kVassalName and kVassalList).
inline constexpr const char* kVassalId = "vassalid";
// 103 change patron.
inline constexpr const char* kMoveId = "moveid";
inline constexpr const char* kOldPatronId = "oldpatronid";
inline constexpr const char* kOldPatronName = "oldpatronname";
inline constexpr const char* kOldPatronVassalList = "oldpatronvassallist";
inline constexpr const char* kNewPatronId = "newpatronid";
inline constexpr const char* kNewPatronName = "newpatronname";
inline constexpr const char* kNewPatronVassalList = "newpatronvassallist";
// 107 a character's record.
inline constexpr const char* kGetCharId = "getcharid";
// 108 change password.
inline constexpr const char* kNewPassword = "newpw";
inline constexpr const char* kConfirmPassword = "confirmpw";
// 105 first set-up and 109 server set-up.
inline constexpr const char* kGuildName = "guildname";
inline constexpr const char* kUseRescueSquad = "use_rescue_squad";
inline constexpr const char* kRescueSquadName = "rescue_squad_name";
inline constexpr const char* kDefaultPassword = "defaultpw";
inline constexpr const char* kResetPasswords = "resetpw";
// 110 reset a password, 112 security level.
inline constexpr const char* kResetId = "resetid";
inline constexpr const char* kChangeId = "changeid";
inline constexpr const char* kNewLevel = "newlevel";
// 116 search.
inline constexpr const char* kRace = "race";
inline constexpr const char* kRank = "rank";
inline constexpr const char* kSkillSearch = "skillsearch";
// 117 and 118 history pages, 119 undo.
inline constexpr const char* kHistoryId = "historyid";
inline constexpr const char* kBefore = "before";
inline constexpr const char* kCount = "count";
inline constexpr const char* kEntry = "entry";
// 120 the change feed.
inline constexpr const char* kSince = "since";
inline constexpr const char* kWait = "wait";
// 121 the guild's facts.
inline constexpr const char* kAdminPart = "admin";
// 123 to 126 the chat targets.
inline constexpr const char* kUrl = "url";
inline constexpr const char* kFormat = "format";
inline constexpr const char* kKinds = "kinds";
inline constexpr const char* kTarget = "target";
inline constexpr const char* kLanguage = "language"; // a chat target's, Languages.h

// Each operation's own keys, as the client sends them, and whether the server refuses a request
// without one; a key not required takes its default when it is missing (no name to compare, an
// empty list, "any", no wait). The save (106) takes as well the save key of each sheet field
// (CharacterRecord.h), every one of them optional.
struct OperationKey {
    int iOp;
    const char* szKey;
    bool bRequired;
};

inline constexpr OperationKey kOperationKeys[] = {
    {101, kCharId, true},
    {101, kAddToId, true},
    {101, kVassalName, true},
    {101, kVassalList, true},
    {101, kPatronId, true},
    {102, kCharId, true},
    {102, kPatronId, true},
    {102, kVassalId, true},
    {102, kVassalName, false}, // when given, it must still name the vassal
    {102, kVassalList, true},
    {103, kCharId, true},
    {103, kMoveId, true},
    {103, kOldPatronId, true},
    {103, kOldPatronName, false},
    {103, kOldPatronVassalList, true},
    {103, kNewPatronId, true},
    {103, kNewPatronName, false},
    {103, kNewPatronVassalList, true}, // missing reads as empty: a new patron without vassals
    {105, kGuildName, true}, // the first administrator is the request's own name and password
    {105, kUseRescueSquad, false},
    {105, kRescueSquadName, false},
    {105, kDefaultPassword, true},
    {106, kCharId, true},
    {106, kSaveTarget, true},
    {106, kSaveRevision, false}, // the revision the sheet shows, when it asks to be told of another
    {107, kGetCharId, true},
    {108, kCharId, true},
    {108, kNewPassword, true},
    {108, kConfirmPassword, true},
    {109, kGuildName, true},
    {109, kUseRescueSquad, true},
    {109, kRescueSquadName, false},
    {109, kDefaultPassword, false}, // none: the default password stays
    {109, kResetPasswords, false},
    {110, kCharId, false}, // sent, not read: the login names who acts
    {110, kResetId, true},
    {111, kCharId, false},
    {112, kCharId, false},
    {112, kChangeId, true},
    {112, kNewLevel, true},
    {116, kRace, false},
    {116, kRank, false},
    {116, kSkillSearch, false},
    {117, kHistoryId, true},
    {117, kBefore, false},
    {117, kCount, false},
    {118, kBefore, false},
    {118, kCount, false},
    {119, kCharId, true},
    {119, kEntry, true},
    {120, kSince, false}, // none: the whole tree's worth of changes is too old
    {120, kWait, false},
    {121, kAdminPart, false},
    {124, kUrl, true},
    {124, kFormat, true},
    {124, kKinds, true},
    {124, kLanguage, false}, // none: English
    {125, kTarget, true},
    {126, kTarget, true},
};

// Whether a request of iOp may carry key: one of the operation's own, or for the save a sheet
// field's save key.
constexpr bool IsKeyOf(int iOp, std::string_view key) {
    for (const OperationKey& own : kOperationKeys)
        if (own.iOp == iOp && key == own.szKey)
            return true;
    if (iOp == 106)
        for (const RecordFieldInfo& info : kRecordFields)
            if (info.szSaveKey && key == info.szSaveKey)
                return true;
    return false;
}

} // namespace zorv::form
