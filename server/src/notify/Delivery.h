#pragma once
// Sending the outbox's messages: one HTTP POST per message through libcurl (certificates
// verified, no redirect followed, bounded in time), and the round that sends whatever is due,
// oldest first per target, recording each answer in the guild file. No transaction is open while
// a request is on the network.
#include "Database.h"

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace notify {

struct PostResult {
    long lStatus = 0;                        // the HTTP status; 0 when no answer came
    std::string strError;                    // why no answer came
    std::string strAnswer;                   // the start of the answer's body, printable ASCII only
    std::optional<std::int64_t> lRetryAfter; // seconds, from Retry-After or a JSON retry_after
};

struct PostLimits {
    int nConnectSeconds = 10;
    int nTotalSeconds = 20;
};

// Posts strBody (JSON) to strUrl; strDeliveryId goes in the X-ZORV-Delivery header. pbAbort,
// when set, cuts a transfer short (a server stopping).
PostResult Post(const std::string& strUrl, const std::string& strBody,
                const std::string& strDeliveryId, PostLimits limits,
                const std::atomic<bool>* pbAbort = nullptr);
// "HTTP 204", "HTTP 404: Unknown Webhook", "no answer: Connection refused".
std::string Describe(const PostResult& result);

// What becomes of a message after an answer.
enum class Outcome { Delivered, Retry, Refused };
Outcome Classify(const PostResult& result);
// Seconds to wait before the next attempt after nAttempts failed ones (the one just made
// included): what a 429 or 503 asked for, up to an hour; else 5 s doubling up to half a minute
// while the receiver is down or failing (no answer, 408, 429, 5xx), or up to ten minutes while it
// says the target itself is wrong (3xx, other 4xx).
std::int64_t RetryDelay(const PostResult& result, int nAttempts);

// Sends one target's messages, oldest first, on a connection of its own, until none is due or
// pbStop is set; how many were delivered. Sends nothing while another thread or process delivers
// that target (DeliveryLock). Throws when the file cannot be read.
int DeliverTarget(const std::string& strDbPath, int iTarget, PostLimits limits,
                  const std::atomic<bool>* pbStop = nullptr);
// The targets whose oldest message is due.
std::vector<int> TargetsDue(const std::string& strDbPath);
// Every target that is due, each on a thread of its own, so that one that hangs holds up no
// other; returns once all are done, with how many were delivered.
int DeliverDue(const std::string& strDbPath, PostLimits limits);

// One deliverer at a time for each target of a guild file, across threads and processes (serve's
// courier, the timer's `notify deliver`): a lock on the target's byte of FILE-notify.lock beside
// it, let go by the system when its holder dies, so that a message never goes out twice at once
// nor out of order.
class DeliveryLock {
public:
    // Takes the lock, or gives up at once when another holds it.
    DeliveryLock(const std::string& strDbPath, int iTarget);
    ~DeliveryLock();
    DeliveryLock(const DeliveryLock&) = delete;
    DeliveryLock& operator=(const DeliveryLock&) = delete;
    bool Held() const { return m_bHeld; }

private:
    int m_fd = -1;
    bool m_bHeld = false;
};

} // namespace notify
