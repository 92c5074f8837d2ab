#pragma once
// The wire vocabulary that the client and the server share: the version both compare at login,
// the operation numbers sent as `msgid`, the payload framing marks and the password limits. The
// result codes are in ResultCodes.h.
#include "ResultCodes.h"

#include <cstddef>
#include <cstdint>

namespace zorv {

inline constexpr const char* kVersion = "0.3";
inline constexpr const char* kUserAgentPrefix = "ZORV ";
inline constexpr const char* kStartMarker = "<START_HERE>";
inline constexpr const char* kStopMarker = "<STOP_HERE>";
inline constexpr const char* kRecordEnd = "!;";
inline constexpr char kFieldSeparator = '|';

// Ids are signed 16-bit on the wire, so a guild holds at most this many characters.
inline constexpr int kMaxCharacters = 32767;
inline constexpr int kNoCharacter = -1;

enum Op : std::int16_t {
    OpTree = 100,
    OpAddVassal = 101,
    OpRemoveVassal = 102,
    OpChangePatron = 103,
    OpLogin = 104,
    OpInitServer = 105,
    OpSaveChar = 106,
    OpCharInfo = 107,
    OpChangePassword = 108,
    OpServerSetup = 109,
    OpResetPassword = 110,
    OpBackup = 111,
    OpSecurityLevel = 112,
    OpRescueList = 113,
    OpPortalList = 114,
    OpTradeSkills = 115,
    OpSearch = 116,
    // The change history, beyond the original protocol: a character's entries, the guild's recent
    // changes, and an administrator's undo of one entry.
    OpCharacterHistory = 117,
    OpRecentChanges = 118,
    OpUndo = 119,
    // The change feed: what changed in the tree since a generation the client holds, held open
    // for a while under `serve` when nothing has yet.
    OpTreeChanges = 120,
    // What the tree payload leaves out and the attention report and statistics need, for the
    // whole guild in one reply; with admin=1, an administrator's part as well.
    OpGuildFacts = 121,
    // The guild's joins and departures per week, counted from the change history.
    OpGuildActivity = 122,
    // The chat notifications' targets, administrators only: the list, adding one, removing one,
    // and a test message sent at once.
    OpNotifyTargets = 123,
    OpNotifyAdd = 124,
    OpNotifyRemove = 125,
    OpNotifyTest = 126,
};

// Every operation, in number order: what the server's dispatch table, the rights test and the
// request fuzzer's dictionary are checked against or made from.
inline constexpr Op kEveryOp[] = {
    OpTree,          OpAddVassal,  OpRemoveVassal,     OpChangePatron,   OpLogin,
    OpInitServer,    OpSaveChar,   OpCharInfo,         OpChangePassword, OpServerSetup,
    OpResetPassword, OpBackup,     OpSecurityLevel,    OpRescueList,     OpPortalList,
    OpTradeSkills,   OpSearch,     OpCharacterHistory, OpRecentChanges,  OpUndo,
    OpTreeChanges,   OpGuildFacts, OpGuildActivity,    OpNotifyTargets,  OpNotifyAdd,
    OpNotifyRemove,  OpNotifyTest};
inline constexpr std::size_t kOpCount = sizeof kEveryOp / sizeof kEveryOp[0];
// No operation has this number: the one past the last.
inline constexpr int kNoSuchOp = kEveryOp[kOpCount - 1] + 1;

namespace detail {
constexpr bool EveryOpOnceInOrder() {
    for (std::size_t i = 1; i < kOpCount; ++i)
        if (kEveryOp[i] != kEveryOp[i - 1] + 1)
            return false;
    return kEveryOp[0] == OpTree;
}
static_assert(EveryOpOnceInOrder(), "kEveryOp lists every operation number once, in order");
} // namespace detail

// Security levels; every administrator function needs kSecurityAdministrator.
inline constexpr int kSecurityNormal = 1;
inline constexpr int kSecurityAdministrator = 3;

// Passwords are 6 to 10 characters long, on both sides of the wire.
inline constexpr int kMinPasswordLength = 6;
inline constexpr int kMaxPasswordLength = 10;

} // namespace zorv
