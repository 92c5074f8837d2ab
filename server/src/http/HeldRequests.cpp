#include "HeldRequests.h"

#include <cstdio>
#include <exception>
#include <poll.h>

namespace {

// Counts one more for key, unless it holds nMost already.
bool CountIn(std::unordered_map<std::string, int>& counts, const std::string& strKey, int nMost) {
    int& n = counts[strKey];
    if (n >= nMost) {
        if (n == 0)
            counts.erase(strKey);
        return false;
    }
    ++n;
    return true;
}

void CountOut(std::unordered_map<std::string, int>& counts, const std::string& strKey) {
    if (--counts[strKey] <= 0)
        counts.erase(strKey);
}

} // namespace

HeldRequests::HeldRequests(int nPerAddress, int nInAll, int nPerGuild)
    : m_nPerAddress(nPerAddress), m_nInAll(static_cast<std::size_t>(nInAll)),
      m_nPerGuild(nPerGuild), m_thread([this] { Watch(); }) {}

HeldRequests::~HeldRequests() {
    Stop();
}

bool HeldRequests::Hold(Watcher watcher, std::int64_t lGeneration, int nSeconds, int fd,
                        std::function<void()> wake) {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_bStopping || m_entries.size() >= m_nInAll ||
        !CountIn(m_perAddress, watcher.strAddress, m_nPerAddress))
        return false;
    if (!CountIn(m_perGuild, watcher.strGuild, m_nPerGuild)) {
        CountOut(m_perAddress, watcher.strAddress);
        return false;
    }
    m_entries.push_back({std::move(watcher), lGeneration,
                         Clock::now() + std::chrono::seconds(nSeconds), fd, std::move(wake)});
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
            CountOut(m_perAddress, it->watcher.strAddress);
            CountOut(m_perGuild, it->watcher.strGuild);
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
        // Each guild with a request held, and how to read its generation.
        std::unordered_map<std::string, GenerationNow> guilds;
        std::vector<int> fds;
        for (const Entry& entry : m_entries) {
            guilds.emplace(entry.watcher.strGuild, entry.watcher.generationNow);
            if (entry.fd >= 0)
                fds.push_back(entry.fd);
        }
        lock.unlock();
        // The guild files are read without the lock, so that holding a request never waits on
        // them. A generation that cannot be read is -1.
        std::unordered_map<std::string, std::int64_t> generations;
        for (const auto& [strGuild, generationNow] : guilds) {
            std::int64_t& lNow = generations[strGuild];
            lNow = -1;
            try {
                lNow = generationNow();
            } catch (const std::exception& e) {
                std::fprintf(stderr, "zorv-server: the tree's generation cannot be read: %s\n",
                             e.what());
            }
        }
        const std::vector<int> hungUp = HungUp(fds);
        const std::unordered_set<int> gone(hungUp.begin(), hungUp.end());
        const Clock::time_point now = Clock::now();
        // A generation that cannot be read wakes the guild's watchers: it answers each as it can.
        // A request held since the look began is seen at the next.
        std::list<Entry> due = TakeDue([&](const Entry& entry) {
            auto found = generations.find(entry.watcher.strGuild);
            if (found == generations.end())
                return false;
            return found->second < 0 || entry.lGeneration != found->second ||
                   entry.deadline <= now || gone.count(entry.fd) > 0;
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

int ConnectionShares::OpenFrom(const std::string& strAddress) {
    std::lock_guard<std::mutex> lock(m_mutex);
    auto found = m_counts.find(strAddress);
    return found == m_counts.end() ? 0 : found->second.nOpen;
}
