#pragma once
// A fixed set of threads that run submitted jobs in order of arrival. The standalone front hands
// each complete request to it, so that the threads that read and write the network never wait on
// a password hash or the database. Background jobs (the change feed's watches, which a change
// wakes by the thousand) wait behind the others: one is taken only when no other job is queued,
// or after every kBackgroundEvery others, so that they are late but never starved; and only a
// quarter of the threads run them at once, so that the others are free when a member's request
// comes in the middle of a burst. Jobs still
// queued when it is drained (at the latest, at destruction) are run before that returns; a job
// submitted after that began is refused.
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

    static constexpr int kBackgroundEvery = 8;
    enum class Kind { Ordinary, Background };

    // False, and the job dropped, once the pool is being drained.
    [[nodiscard]] bool Submit(std::function<void()> job, Kind kind = Kind::Ordinary);
    // Runs what is queued and ends the threads; the pool takes no more jobs. Idempotent.
    void Drain();

private:
    void Work();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::function<void()>> m_jobs;
    std::deque<std::function<void()>> m_background;
    int m_nSinceBackground = 0; // ordinary jobs taken while background ones waited
    int m_nBackgroundRunning = 0;
    int m_nBackgroundAtOnce = 1;
    bool m_bStopping = false;
    std::vector<std::thread> m_threads;
};
