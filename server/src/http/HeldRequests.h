#pragma once
// Requests the standalone front holds open without a thread: change-feed requests that found
// nothing new (Reply::hold). Each waits, its connection suspended, until the feed's generation is
// no longer the one it saw or its time runs out; then its wake function runs (the front asks the
// guild again and answers). The generation is read on this registry's own thread a few times a
// second while anything is held, so that a change committed by any process (a CGI request, a
// restore from the command line) wakes the waiters as well as one committed by this server. A
// request whose client hangs up is woken at the same look, so that its connection and its place
// in the shares are let go at once.
// An address holds at most nPerAddress at once, and the server nInAll; those are apart from its
// ordinary connections, and the cap in all keeps held requests from taking the connections that
// everyone else needs.
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <list>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class HeldRequests {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds kLookEvery{100};

    HeldRequests(int nPerAddress, int nInAll, std::function<std::int64_t()> generationNow);
    // Wakes whatever is still held.
    ~HeldRequests();
    HeldRequests(const HeldRequests&) = delete;
    HeldRequests& operator=(const HeldRequests&) = delete;

    // Holds a request from strAddress that saw lGeneration, until it changes or nSeconds pass;
    // false, and nothing held, when the address holds its share already, the server holds as many
    // as it may, or the registry is stopping: the caller answers at once.
    // fd, when not -1, is the request's socket, watched for the client's hang-up.
    [[nodiscard]] bool Hold(const std::string& strAddress, std::int64_t lGeneration, int nSeconds,
                            int fd, std::function<void()> wake);
    // How many requests strAddress has held now.
    int HeldFrom(const std::string& strAddress);
    // Wakes everything held and takes no more; the thread ends. Idempotent.
    void Stop();

private:
    struct Entry {
        std::string strAddress;
        std::int64_t lGeneration;
        Clock::time_point deadline;
        int fd;
        std::function<void()> wake;
    };
    void Watch();
    // The sockets of held requests whose clients have hung up; read without the lock.
    std::vector<int> HungUp(const std::vector<int>& fds) const;
    // Takes out the entries for which bDue says so, under the lock.
    std::list<Entry> TakeDue(const std::function<bool(const Entry&)>& bDue);
    void Release(std::list<Entry>& due);

    const int m_nPerAddress;
    const std::size_t m_nInAll;
    const std::function<std::int64_t()> m_generationNow;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_bStopping = false;
    std::list<Entry> m_entries;
    std::unordered_map<std::string, int> m_perAddress;
    std::thread m_thread;
};

// Each address's open connections, counted from their acceptance to their end, so that an
// address's held requests do not use up its ordinary share. Counted at acceptance, under one
// lock, so that connections accepted at once on several threads are never all let in.
class ConnectionShares {
public:
    // Counts in a connection being accepted from strAddress, unless the address's connections
    // other than its nHeld held ones reach nOrdinary already.
    bool TryAccept(const std::string& strAddress, int nHeld, int nOrdinary);
    // The accepted connection, for Closed.
    void Started(const void* pConnection, const std::string& strAddress);
    void Closed(const void* pConnection);

private:
    std::mutex m_mutex;
    std::unordered_map<std::string, int> m_open;
    std::unordered_map<const void*, std::string> m_address;
};
