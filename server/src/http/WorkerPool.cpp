#include "WorkerPool.h"

#include <algorithm>

WorkerPool::WorkerPool(int nThreads, int nPerShare)
    : m_nPerShare(nPerShare > 0 ? std::min(nPerShare, nThreads) : nThreads),
      m_nBackgroundAtOnce(std::max(1, nThreads / 4)) {
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

bool WorkerPool::Submit(std::function<void()> job, Kind kind, const std::string& strShare) {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_bStopping)
            return false;
        Share& share = m_shares[strShare];
        if (share.jobs.empty() && share.background.empty())
            m_turns.push_back(strShare);
        if (kind == Kind::Background) {
            share.background.push_back(std::move(job));
            ++m_nBackgroundQueued;
        } else {
            share.jobs.push_back(std::move(job));
            ++m_nQueued;
        }
    }
    m_wake.notify_one();
    return true;
}

std::list<std::string>::iterator WorkerPool::NextTurn(bool bBackground) {
    for (auto it = m_turns.begin(); it != m_turns.end(); ++it) {
        const Share& share = m_shares[*it];
        if ((bBackground ? share.background : share.jobs).empty())
            continue;
        if (share.nRunning < m_nPerShare || m_bStopping)
            return it;
    }
    return m_turns.end();
}

void WorkerPool::Work() {
    while (true) {
        std::function<void()> job;
        bool bBackground = false;
        std::string strShare;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            std::list<std::string>::iterator ordinary, background;
            auto Look = [&] {
                ordinary = NextTurn(false);
                background = m_nBackgroundRunning < m_nBackgroundAtOnce || m_bStopping
                                 ? NextTurn(true)
                                 : m_turns.end();
                return ordinary != m_turns.end() || background != m_turns.end() ||
                       (m_bStopping && m_nQueued + m_nBackgroundQueued == 0);
            };
            m_wake.wait(lock, Look);
            if (ordinary == m_turns.end() && background == m_turns.end())
                return; // stopping, and nothing is left
            bBackground = background != m_turns.end() &&
                          (ordinary == m_turns.end() || m_nSinceBackground >= kBackgroundEvery);
            auto turn = bBackground ? background : ordinary;
            strShare = *turn;
            Share& share = m_shares[strShare];
            std::deque<std::function<void()>>& from = bBackground ? share.background : share.jobs;
            job = std::move(from.front());
            from.pop_front();
            --(bBackground ? m_nBackgroundQueued : m_nQueued);
            m_nSinceBackground =
                bBackground || m_nBackgroundQueued == 0 ? 0 : m_nSinceBackground + 1;
            m_nBackgroundRunning += bBackground;
            ++share.nRunning;
            // Its next job waits for the other shares' turns.
            m_turns.erase(turn);
            if (!share.jobs.empty() || !share.background.empty())
                m_turns.push_back(strShare);
        }
        job();
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_nBackgroundRunning -= bBackground;
            Share& share = m_shares[strShare];
            if (--share.nRunning == 0 && share.jobs.empty() && share.background.empty())
                m_shares.erase(strShare);
        }
        // A job that waited for this share's place, or for a background place, may run now.
        m_wake.notify_all();
    }
}
