#include "HeldRequests.h"

#include <cstdio>
#include <exception>
#include <poll.h>

HeldRequests::HeldRequests(int nPerAddress, int nInAll, std::function<std::int64_t()> generationNow)
    : m_nPerAddress(nPerAddress), m_nInAll(static_cast<std::size_t>(nInAll)),
      m_generationNow(std::move(generationNow)), m_thread([this] { Watch(); }) {}

HeldRequests::~HeldRequests() {
    Stop();
}

bool HeldRequests::Hold(const std::string& strAddress, std::int64_t lGeneration, int nSeconds,
                        int fd, std::function<void()> wake) {
    std::lock_guard<std::mutex> lock(m_mutex);
    int& nHeld = m_perAddress[strAddress];
    if (m_bStopping || nHeld >= m_nPerAddress || m_entries.size() >= m_nInAll) {
        if (nHeld == 0)
            m_perAddress.erase(strAddress);
        return false;
    }
    ++nHeld;
    m_entries.push_back({strAddress, lGeneration, Clock::now() + std::chrono::seconds(nSeconds), fd,
                         std::move(wake)});
    m_wake.notify_one();
    return true;
}

void HeldRequests::Stop() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_bStopping && !m_thread.joinable())
            return;
        m_bStopping = true;
    }
    m_wake.notify_one();
    if (m_thread.joinable())
        m_thread.join();
    std::list<Entry> all = TakeDue([](const Entry&) { return true; });
    Release(all);
}

std::list<HeldRequests::Entry>
HeldRequests::TakeDue(const std::function<bool(const Entry&)>& bDue) {
    std::list<Entry> due;
    std::lock_guard<std::mutex> lock(m_mutex);
    for (auto it = m_entries.begin(); it != m_entries.end();) {
        auto next = std::next(it);
        if (bDue(*it)) {
            if (--m_perAddress[it->strAddress] == 0)
                m_perAddress.erase(it->strAddress);
            due.splice(due.end(), m_entries, it);
        }
        it = next;
    }
    return due;
}

void HeldRequests::Release(std::list<Entry>& due) {
    for (Entry& entry : due)
        entry.wake();
}

void HeldRequests::Watch() {
    std::unique_lock<std::mutex> lock(m_mutex);
    while (!m_bStopping) {
        if (m_entries.empty()) {
            m_wake.wait(lock, [this] { return m_bStopping || !m_entries.empty(); });
            continue;
        }
        m_wake.wait_for(lock, kLookEvery, [this] { return m_bStopping; });
        if (m_bStopping)
            break;
        lock.unlock();
        // The guild file is read without the lock, so that holding a request never waits on it.
        std::int64_t lNow = -1;
        try {
            lNow = m_generationNow();
        } catch (const std::exception& e) {
            std::fprintf(stderr, "zorv-server: the tree's generation cannot be read: %s\n",
                         e.what());
        }
        std::vector<int> fds;
        {
            std::lock_guard<std::mutex> guard(m_mutex);
            for (const Entry& entry : m_entries)
                if (entry.fd >= 0)
                    fds.push_back(entry.fd);
        }
        const std::vector<int> hungUp = HungUp(fds);
        const std::unordered_set<int> gone(hungUp.begin(), hungUp.end());
        const Clock::time_point now = Clock::now();
        // A generation that cannot be read wakes everyone: the guild answers each as it can.
        std::list<Entry> due = TakeDue([&](const Entry& entry) {
            return lNow < 0 || entry.lGeneration != lNow || entry.deadline <= now ||
                   gone.count(entry.fd) > 0;
        });
        Release(due);
        lock.lock();
    }
}

std::vector<int> HeldRequests::HungUp(const std::vector<int>& fds) const {
    // The client's end of the connection closed: POLLRDHUP without reading what it sent, and
    // for TLS as for plain HTTP, since the socket is the same.
    std::vector<pollfd> polled;
    polled.reserve(fds.size());
    for (int fd : fds)
        polled.push_back({fd, POLLRDHUP, 0});
    std::vector<int> hungUp;
    if (polled.empty() || poll(polled.data(), polled.size(), 0) <= 0)
        return hungUp;
    for (const pollfd& one : polled)
        if (one.revents & (POLLRDHUP | POLLHUP | POLLERR))
            hungUp.push_back(one.fd);
    return hungUp;
}

bool ConnectionShares::Started(const void* pConnection, const std::string& strAddress) {
    std::lock_guard<std::mutex> lock(m_mutex);
    Counts& counts = m_counts[strAddress];
    const bool bOrdinary = counts.nOrdinary < m_nOrdinary;
    counts.nOrdinary += bOrdinary;
    m_connections[pConnection] = {strAddress, bOrdinary, counts.nOpen >= m_nAll};
    ++counts.nOpen;
    return !bOrdinary;
}

bool ConnectionShares::RequestArrived(const void* pConnection, bool bWatch) {
    std::lock_guard<std::mutex> lock(m_mutex);
    auto found = m_connections.find(pConnection);
    if (found == m_connections.end())
        return true;
    Connection& connection = found->second;
    if (connection.bOver)
        return false;
    if (bWatch == !connection.bOrdinary)
        return true;
    int& nOrdinary = m_counts[connection.strAddress].nOrdinary;
    if (bWatch) {
        connection.bOrdinary = false;
        --nOrdinary;
        return true;
    }
    if (nOrdinary >= m_nOrdinary)
        return false;
    ++nOrdinary;
    connection.bOrdinary = true;
    return true;
}

void ConnectionShares::Closed(const void* pConnection) {
    std::lock_guard<std::mutex> lock(m_mutex);
    auto found = m_connections.find(pConnection);
    if (found == m_connections.end())
        return;
    auto counts = m_counts.find(found->second.strAddress);
    counts->second.nOrdinary -= found->second.bOrdinary;
    if (--counts->second.nOpen <= 0)
        m_counts.erase(counts);
    m_connections.erase(found);
}
