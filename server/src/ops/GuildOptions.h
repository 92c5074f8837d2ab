#pragma once
// How a guild is kept, as the server's command line or environment sets it.
#include <functional>

struct GuildOptions {
    // Days of change history to keep: -1 keeps all, 0 records none.
    int nHistoryDays = -1;
    bool RecordsHistory() const { return nHistoryDays != 0; }
    // Called, when set, once an operation has committed messages to the notifications' outbox
    // (serve's sender); it must return at once.
    std::function<void()> onNotices;
    // Whether administrators may add and test chat receivers in plain http:// on this machine's
    // loopback: only the server's operator allows it (serve --loopback-receivers, or
    // ZORV_LOOPBACK_RECEIVERS=1 under a web server), as such a receiver can be any local service.
    bool bPlainLoopback = false;
};
