#include "WorkerPool.h"

#include <algorithm>

WorkerPool::WorkerPool(int nThreads) : m_nBackgroundAtOnce(std::max(1, nThreads / 4)) {
    for (int i = 0; i < nThreads; ++i)
        m_threads.emplace_back([this] { Work(); });
}

WorkerPool::~WorkerPool() {
    Drain();
}

void WorkerPool::Drain() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bStopping = true;
    }
    m_wake.notify_all();
    for (std::thread& thread : m_threads)
        if (thread.joinable())
            thread.join();
}

bool WorkerPool::Submit(std::function<void()> job, Kind kind) {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_bStopping)
            return false;
        (kind == Kind::Background ? m_background : m_jobs).push_back(std::move(job));
    }
    m_wake.notify_one();
    return true;
}

void WorkerPool::Work() {
    while (true) {
        std::function<void()> job;
        bool bBackground = false;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            auto BackgroundMayRun = [this] {
                return !m_background.empty() &&
                       (m_nBackgroundRunning < m_nBackgroundAtOnce || m_bStopping);
            };
            m_wake.wait(lock, [&] {
                return !m_jobs.empty() || BackgroundMayRun() ||
                       (m_bStopping && m_background.empty());
            });
            if (m_jobs.empty() && m_background.empty())
                return;
            bBackground =
                BackgroundMayRun() && (m_jobs.empty() || m_nSinceBackground >= kBackgroundEvery);
            std::deque<std::function<void()>>& from = bBackground ? m_background : m_jobs;
            m_nSinceBackground = bBackground || m_background.empty() ? 0 : m_nSinceBackground + 1;
            job = std::move(from.front());
            from.pop_front();
            m_nBackgroundRunning += bBackground;
        }
        job();
        if (bBackground) {
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                --m_nBackgroundRunning;
            }
            m_wake.notify_one();
        }
    }
}
