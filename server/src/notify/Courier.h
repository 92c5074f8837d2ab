#pragma once
// The standalone server's sender of chat notifications: a thread of its own that hands each
// target with a message due to a worker thread of that target's, whenever an operation has
// written to the outbox (Wake), when a retry falls due, and once a minute for messages that
// another process (the CGI program) wrote to the same file. A target that hangs holds up no
// other, and an operation never waits for any of them: it only signals.
#include "Delivery.h"

#include <atomic>
#include <condition_variable>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace notify {

class Courier {
public:
    explicit Courier(std::string strDbPath, PostLimits limits = {});
    ~Courier(); // stops the threads, cutting transfers short
    Courier(const Courier&) = delete;
    Courier& operator=(const Courier&) = delete;

    void Wake();

private:
    static constexpr int kIdleSeconds = 60;
    void Run();
    // Starts a worker for each target that is due and has none; when to look again.
    std::int64_t StartWorkers();

    std::string m_strDbPath;
    PostLimits m_limits;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_bWoken = true; // the first round delivers what a stopped server left
    std::atomic<bool> m_bStop{false};
    std::map<int, std::thread> m_workers; // by target; only Run touches it
    std::vector<int> m_finished;          // workers done, to be joined; under m_mutex
    std::thread m_thread;
};

} // namespace notify
