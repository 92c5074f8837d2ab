#pragma once
// A fixed set of threads that run submitted jobs in order of arrival. The standalone front hands
// each complete request to it, so that the threads that read and write the network never wait on
// a password hash or the database. Jobs still queued at destruction are run before it returns.
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

class WorkerPool {
public:
    explicit WorkerPool(int nThreads);
    ~WorkerPool();
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    void Submit(std::function<void()> job);

private:
    void Work();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::function<void()>> m_jobs;
    bool m_bStopping = false;
    std::vector<std::thread> m_threads;
};
