#pragma once
// The keys of the request forms (docs/protocol.md): every request is "charname", "password",
// "msgid" and then its operation's own fields, each "key=value" joined by "&". Both programs
// name a key only through these; the sheet's save keys are the record's (CharacterRecord.h).
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

} // namespace zorv::form
