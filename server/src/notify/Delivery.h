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

// Sends every message that is due, a target's oldest first, until none is due or pbStop is set;
// how many were delivered. The caller holds the guild's delivery lock (DeliveryLock).
int DeliverDue(Database& db, PostLimits limits, const std::atomic<bool>* pbStop = nullptr);

// One deliverer at a time for a guild file, across processes (serve's thread, the timer's
// `notify deliver`): an advisory lock on FILE-notify.lock beside it, let go by the system when
// its holder dies, so that a message never goes out twice at once nor out of order.
class DeliveryLock {
public:
    // bWait: wait for the lock, else give up at once when another holds it.
    DeliveryLock(const std::string& strDbPath, bool bWait);
    ~DeliveryLock();
    DeliveryLock(const DeliveryLock&) = delete;
    DeliveryLock& operator=(const DeliveryLock&) = delete;
    bool Held() const { return m_bHeld; }

private:
    int m_fd = -1;
    bool m_bHeld = false;
};

} // namespace notify
