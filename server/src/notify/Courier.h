#pragma once
// The standalone server's sender of chat notifications: a thread of its own that delivers the
// outbox whenever an operation has written to it (Wake), when a retry falls due, and once a
// minute for messages that another process (the CGI program) wrote to the same file. It opens
// its own connection for each round and never delays a request: an operation only signals it.
#include "Delivery.h"

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

namespace notify {

class Courier {
public:
    explicit Courier(std::string strDbPath, PostLimits limits = {});
    ~Courier(); // stops the thread, cutting a transfer short
    Courier(const Courier&) = delete;
    Courier& operator=(const Courier&) = delete;

    void Wake();

private:
    static constexpr int kIdleSeconds = 60;
    void Run();

    std::string m_strDbPath;
    PostLimits m_limits;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_bWoken = true; // the first round delivers what a stopped server left
    std::atomic<bool> m_bStop{false};
    std::thread m_thread;
};

} // namespace notify
