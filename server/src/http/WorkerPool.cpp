#include "WorkerPool.h"

WorkerPool::WorkerPool(int nThreads) {
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

bool WorkerPool::Submit(std::function<void()> job) {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_bStopping)
            return false;
        m_jobs.push_back(std::move(job));
    }
    m_wake.notify_one();
    return true;
}

void WorkerPool::Work() {
    while (true) {
        std::function<void()> job;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_wake.wait(lock, [this] { return m_bStopping || !m_jobs.empty(); });
            if (m_jobs.empty())
                return;
            job = std::move(m_jobs.front());
            m_jobs.pop_front();
        }
        job();
    }
}
