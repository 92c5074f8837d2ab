#include "Courier.h"

#include "NotifyStore.h"
#include "Store.h"

#include <algorithm>
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

std::int64_t Courier::StartWorkers() {
    const std::int64_t lNow = std::time(nullptr);
    std::int64_t lNext = lNow + kIdleSeconds;
    std::vector<std::pair<int, std::int64_t>> times;
    {
        Database db = OpenGuildDatabase(m_strDbPath, false);
        Transaction tx(db, Transaction::Kind::Read);
        times = DueTimes(db);
    }
    for (const auto& [iTarget, lDue] : times) {
        if (m_workers.count(iTarget))
            continue; // its worker takes whatever comes next, and says when it is done
        if (lDue > lNow) {
            lNext = std::min(lNext, lDue);
            continue;
        }
        m_workers[iTarget] = std::thread([this, iTarget = iTarget] {
            try {
                DeliverTarget(m_strDbPath, iTarget, m_limits, &m_bStop);
            } catch (const std::exception& e) {
                std::fprintf(stderr, "zorv-server: the notifications of target %d wait: %s\n",
                             iTarget, e.what());
            }
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_finished.push_back(iTarget);
                m_bWoken = true;
            }
            m_wake.notify_one();
        });
    }
    return lNext;
}

void Courier::Run() {
    using Clock = std::chrono::system_clock;
    Clock::time_point next = Clock::now();
    std::string strLastFault;
    while (true) {
        std::vector<int> finished;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_wake.wait_until(lock, next, [this] { return m_bWoken || m_bStop.load(); });
            m_bWoken = false;
            finished.swap(m_finished);
        }
        for (int iTarget : finished) {
            m_workers[iTarget].join();
            m_workers.erase(iTarget);
        }
        if (m_bStop)
            break;
        std::int64_t lNext = std::time(nullptr) + kIdleSeconds;
        try {
            lNext = StartWorkers();
            strLastFault.clear();
        } catch (const std::exception& e) {
            // Said once, not once a minute, while the file stays out of reach.
            if (strLastFault != e.what())
                std::fprintf(stderr, "zorv-server: notifications wait: %s\n", e.what());
            strLastFault = e.what();
        }
        next = Clock::from_time_t(static_cast<std::time_t>(lNext));
    }
    for (auto& [iTarget, worker] : m_workers)
        worker.join();
}

} // namespace notify
