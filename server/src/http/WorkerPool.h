#pragma once
// A fixed set of threads that run submitted jobs in order of arrival. The standalone front hands
// each complete request to it, so that the threads that read and write the network never wait on
// a password hash or the database. Jobs still queued when it is drained (at the latest, at
// destruction) are run before that returns; a job submitted after that began is refused.
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

    // False, and the job dropped, once the pool is being drained.
    [[nodiscard]] bool Submit(std::function<void()> job);
    // Runs what is queued and ends the threads; the pool takes no more jobs. Idempotent.
    void Drain();

private:
    void Work();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::function<void()>> m_jobs;
    bool m_bStopping = false;
    std::vector<std::thread> m_threads;
};
