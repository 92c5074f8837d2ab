#include "Courier.h"

#include "NotifyStore.h"
#include "Store.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>

namespace notify {

Courier::Courier(Files files, PostLimits limits)
    : m_files(std::move(files)), m_limits(limits), m_thread([this] { Run(); }) {}

Courier::Courier(std::string strDbPath, PostLimits limits)
    : Courier([strDbPath] { return std::vector<std::string>{strDbPath}; }, limits) {}

Courier::~Courier() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bStop = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

void Courier::Wake(const std::string& strDbPath) {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_woken.insert(strDbPath);
    }
    m_wake.notify_one();
}

std::int64_t Courier::StartWorkers(const std::string& strDbPath) {
    const std::int64_t lNow = std::time(nullptr);
    std::int64_t lNext = 0;
    std::vector<std::pair<int, std::int64_t>> times;
    {
        Database db = OpenGuildDatabase(strDbPath, false);
        Transaction tx(db, Transaction::Kind::Read);
        times = DueTimes(db);
    }
    for (const auto& [iTarget, lDue] : times) {
        const Worker worker{strDbPath, iTarget};
        if (m_workers.count(worker))
            continue; // its worker takes whatever comes next, and says when it is done
        if (lDue > lNow) {
            lNext = lNext == 0 ? lDue : std::min(lNext, lDue);
            continue;
        }
        m_workers[worker] = std::thread([this, worker] {
            try {
                DeliverTarget(worker.first, worker.second, m_limits, &m_bStop);
            } catch (const std::exception& e) {
                std::fprintf(stderr, "zorv-server: the notifications of target %d wait: %s\n",
                             worker.second, e.what());
            }
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_finished.push_back(worker);
                m_woken.insert(worker.first);
            }
            m_wake.notify_one();
        });
    }
    return lNext;
}

void Courier::Run() {
    using Clock = std::chrono::system_clock;
    std::int64_t lLookAtAll = 0; // when every guild is looked at next
    Clock::time_point next = Clock::now();
    std::map<std::string, std::string> lastFaults; // said once, not once a minute
    while (true) {
        std::vector<Worker> finished;
        std::set<std::string> woken;
        bool bAll = false;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_wake.wait_until(
                lock, next, [this] { return m_bLookAtAll || !m_woken.empty() || m_bStop.load(); });
            woken.swap(m_woken);
            finished.swap(m_finished);
            bAll = m_bLookAtAll;
            m_bLookAtAll = false;
        }
        for (const Worker& worker : finished) {
            m_workers[worker].join();
            m_workers.erase(worker);
        }
        if (m_bStop)
            break;
        const std::int64_t lNow = std::time(nullptr);
        if (bAll || lNow >= lLookAtAll) {
            try {
                for (std::string& strFile : m_files())
                    woken.insert(std::move(strFile));
            } catch (const std::exception& e) {
                std::fprintf(stderr, "zorv-server: notifications wait: %s\n", e.what());
            }
            lLookAtAll = lNow + kIdleSeconds;
        }
        for (const auto& [strFile, lDue] : m_due)
            if (lDue <= lNow)
                woken.insert(strFile);
        for (const std::string& strFile : woken) {
            m_due.erase(strFile);
            try {
                if (std::int64_t lDue = StartWorkers(strFile))
                    m_due[strFile] = lDue;
                lastFaults.erase(strFile);
            } catch (const std::exception& e) {
                // A guild whose file is gone is forgotten at the next look at all of them.
                if (lastFaults[strFile] != e.what())
                    std::fprintf(stderr, "zorv-server: notifications wait: %s\n", e.what());
                lastFaults[strFile] = e.what();
            }
        }
        std::int64_t lNext = lLookAtAll;
        for (const auto& [strFile, lDue] : m_due)
            lNext = std::min(lNext, lDue);
        next = Clock::from_time_t(static_cast<std::time_t>(lNext));
    }
    for (auto& [worker, thread] : m_workers)
        thread.join();
}

} // namespace notify
