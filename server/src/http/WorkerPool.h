#pragma once
// A fixed set of threads that run submitted jobs. The standalone front hands each complete
// request to it, so that the threads that read and write the network never wait on a password
// hash or the database. Background jobs (the change feed's watches, which a change wakes by the
// thousand) wait behind the others: one is taken only when no other job is queued, or after every
// kBackgroundEvery others, so that they are late but never starved; and only a quarter of the
// threads run them at once, so that the others are free when a member's request comes in the
// middle of a burst.
// Each job belongs to a share (a guild, on a host of several): the shares with jobs queued take
// turns, and one share runs at most nPerShare jobs at once, so that a guild that is flooded, or
// slow, holds up the others by no more than a turn. Within a share, jobs run in order of arrival.
// Jobs still queued when it is drained (at the latest, at destruction) are run before that
// returns; a job submitted after that began is refused.
#include <condition_variable>
#include <deque>
#include <functional>
#include <list>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

class WorkerPool {
public:
    // nPerShare: the most threads one share's jobs take at once; 0 for all of them.
    explicit WorkerPool(int nThreads, int nPerShare = 0);
    ~WorkerPool();
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    static constexpr int kBackgroundEvery = 8;
    enum class Kind { Ordinary, Background };

    // False, and the job dropped, once the pool is being drained.
    [[nodiscard]] bool Submit(std::function<void()> job, Kind kind = Kind::Ordinary,
                              const std::string& strShare = std::string());
    // Runs what is queued and ends the threads; the pool takes no more jobs. Idempotent.
    void Drain();

private:
    struct Share {
        std::deque<std::function<void()>> jobs, background;
        int nRunning = 0;
    };
    void Work();
    // Under the lock: the share whose turn it is to run a job of that kind, or m_turns.end().
    std::list<std::string>::iterator NextTurn(bool bBackground);

    const int m_nPerShare;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::unordered_map<std::string, Share> m_shares;
    std::list<std::string> m_turns; // the shares with jobs queued, the next turn first
    std::size_t m_nQueued = 0, m_nBackgroundQueued = 0;
    int m_nSinceBackground = 0; // ordinary jobs taken while background ones waited
    int m_nBackgroundRunning = 0;
    int m_nBackgroundAtOnce = 1;
    bool m_bStopping = false;
    std::vector<std::thread> m_threads;
};
