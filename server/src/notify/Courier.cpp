#include "Courier.h"

#include "NotifyStore.h"
#include "Store.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace notify {

Courier::Courier(std::string strDbPath, PostLimits limits)
    : m_strDbPath(std::move(strDbPath)), m_limits(limits), m_thread([this] { Run(); }) {}

Courier::~Courier() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bStop = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

void Courier::Wake() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bWoken = true;
    }
    m_wake.notify_one();
}

void Courier::Run() {
    using Clock = std::chrono::system_clock;
    Clock::time_point next = Clock::now();
    std::string strLastFault;
    while (true) {
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_wake.wait_until(lock, next, [this] { return m_bWoken || m_bStop.load(); });
            if (m_bStop)
                return;
            m_bWoken = false;
        }
        std::int64_t lNext = std::time(nullptr) + kIdleSeconds;
        try {
            DeliveryLock deliveryLock(m_strDbPath, false);
            if (!deliveryLock.Held()) {
                lNext = std::time(nullptr) + 5; // another process is delivering
            } else {
                Database db = OpenGuildDatabase(m_strDbPath, false);
                DeliverDue(db, m_limits, &m_bStop);
                Transaction tx(db, Transaction::Kind::Read);
                if (std::optional<std::int64_t> lDue = NextDue(db))
                    lNext = std::min(lNext, std::max(*lDue, std::time(nullptr) + 1));
            }
            strLastFault.clear();
        } catch (const std::exception& e) {
            // Said once, not once a minute, while the file stays out of reach.
            if (strLastFault != e.what())
                std::fprintf(stderr, "zorv-server: notifications wait: %s\n", e.what());
            strLastFault = e.what();
        }
        next = Clock::from_time_t(static_cast<std::time_t>(lNext));
    }
}

} // namespace notify
