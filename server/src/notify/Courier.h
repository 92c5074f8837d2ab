#pragma once
// The standalone server's sender of chat notifications, one for every guild it serves: a thread
// of its own that hands each target with a message due to a worker thread of that target's,
// whenever an operation has written to its guild's outbox (Wake), when a retry falls due, and
// once a minute, over every guild file, for messages that another process (the CGI program)
// wrote. A target that hangs holds up no other, and an operation never waits for any of them: it
// only signals.
#include "Delivery.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace notify {

class Courier {
public:
    // The guild files to deliver from, asked once a minute: a host's guilds come and go.
    using Files = std::function<std::vector<std::string>()>;
    explicit Courier(Files files, PostLimits limits = {});
    explicit Courier(std::string strDbPath, PostLimits limits = {});
    ~Courier(); // stops the threads, cutting transfers short
    Courier(const Courier&) = delete;
    Courier& operator=(const Courier&) = delete;

    // The guild in strDbPath has written to its outbox.
    void Wake(const std::string& strDbPath);

private:
    static constexpr int kIdleSeconds = 60;
    using Worker = std::pair<std::string, int>; // a guild file and one of its targets
    void Run();
    // Starts a worker for each of the guild's targets that is due and has none; when one falls
    // due next, or 0 when none waits.
    std::int64_t StartWorkers(const std::string& strDbPath);

    Files m_files;
    PostLimits m_limits;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_bLookAtAll = true;      // the first round delivers what a stopped server left
    std::set<std::string> m_woken; // under m_mutex
    std::atomic<bool> m_bStop{false};
    std::map<Worker, std::thread> m_workers;   // only Run touches it
    std::map<std::string, std::int64_t> m_due; // a guild's next retry; only Run touches it
    std::vector<Worker> m_finished;            // workers done, to be joined; under m_mutex
    std::thread m_thread;
};

} // namespace notify
