#pragma once
// The chat notifications as the guild file keeps them: the targets an administrator set up and
// the outbox of messages not yet delivered to them. Messages are written in the transaction of
// the change they tell of and removed only once their target answered 2xx; a target's messages
// go out oldest first, one at a time. Times are seconds since the epoch, UTC. URLs and bodies are
// kept as given (bodies are UTF-8 JSON, ready to send).
#include "Database.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace notify {

// A target's queue holds at most this many messages: past it, the oldest are dropped and counted.
inline constexpr int kMaxQueued = 10000;

struct Target {
    int id = 0;
    std::string strUrl;
    std::string strFormat;          // discord, slack or json
    std::string strKinds;           // comma-separated
    std::string strLanguage = "en"; // what its messages are written in (Languages.h)
    std::string strCreated;
    std::int64_t lFailingSince = 0; // the first failure since the last delivery; 0 none
    std::string strLastResult;
    std::int64_t lLastDeliveredAt = 0;
    std::int64_t nQueued = 0;
    std::int64_t nDropped = 0;
};

struct Message {
    std::int64_t lId = 0; // the delivery id
    int iTarget = 0;
    std::string strBody;
    int nAttempts = 0;
};

std::vector<Target> ListTargets(Database& db);
std::optional<Target> FindTarget(Database& db, int id);
int AddTarget(Database& db, const std::string& strUrl, const std::string& strFormat,
              const std::string& strKinds, const std::string& strLanguage);
int CountTargets(Database& db);
// Removes the target and its queued messages; false when there is no such target.
bool RemoveTarget(Database& db, int id);

// The id the next message written will have (the messages of one change are written together,
// with ids from it in order, so that their bodies can carry them), and the guild's name (UTF-8),
// which every message carries.
std::int64_t NextMessageId(Database& db, std::string& strGuild);
struct NewMessage {
    std::int64_t lId;
    int iTarget;
    std::string strBody;
};
// Writes the messages, then drops the oldest of any queue they took past kMaxQueued.
void Enqueue(Database& db, const std::vector<NewMessage>& messages, std::int64_t lNow);

// The oldest message of every target whose turn has come (next attempt at or before lNow).
std::vector<Message> DueMessages(Database& db, std::int64_t lNow);
// The target's oldest message when its turn has come.
std::optional<Message> DueMessage(Database& db, int iTarget, std::int64_t lNow);
// Each target with messages, and when its oldest falls due.
std::vector<std::pair<int, std::int64_t>> DueTimes(Database& db);
// A message its target took: gone, and the target no longer failing.
void Delivered(Database& db, const Message& message, const std::string& strResult,
               std::int64_t lNow);
// A message its target refused for good (the receiver is there, but will never take this one):
// gone and counted with the dropped ones.
void Refused(Database& db, const Message& message, const std::string& strResult);
// A message to try again at lRetryAt; the target is failing from its first failure on.
void Postponed(Database& db, const Message& message, const std::string& strResult,
               std::int64_t lNow, std::int64_t lRetryAt);

} // namespace notify
