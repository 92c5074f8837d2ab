#pragma once
// Requests the standalone front holds open without a thread: change-feed requests that found
// nothing new (Reply::hold). Each waits, its connection suspended, until the feed's generation is
// no longer the one it saw or its time runs out; then its wake function runs (the front asks the
// guild again and answers). The generation is read on this registry's own thread a few times a
// second while anything is held, so that a change committed by any process (a CGI request, a
// restore from the command line) wakes the waiters as well as one committed by this server. A
// request whose client hangs up is woken at the same look, so that its connection and its place
// in the shares are let go at once.
// An address holds at most nPerAddress at once, a guild nPerGuild and the server nInAll; those are
// apart from its ordinary connections, and the cap in all keeps held requests from taking the
// connections that everyone else needs. On a host of several guilds, each request names its guild
// and how to read that guild's generation, read once a look for all of its held requests; the
// guild's cap keeps one guild's watchers from taking every place.
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

    using GenerationNow = std::function<std::int64_t()>;
    HeldRequests(int nPerAddress, int nInAll, int nPerGuild);
    // Wakes whatever is still held.
    ~HeldRequests();
    HeldRequests(const HeldRequests&) = delete;
    HeldRequests& operator=(const HeldRequests&) = delete;

    // Holds a request from strAddress to strGuild that saw lGeneration, until the guild's
    // generationNow() moves on or nSeconds pass; false, and nothing held, when the address or the
    // guild holds its share already, the server holds as many as it may, or the registry is
    // stopping: the caller answers at once.
    // fd, when not -1, is the request's socket, watched for the client's hang-up.
    struct Watcher {
        std::string strAddress;
        std::string strGuild;
        GenerationNow generationNow;
    };
    [[nodiscard]] bool Hold(Watcher watcher, std::int64_t lGeneration, int nSeconds, int fd,
                            std::function<void()> wake);
    // Wakes everything held and takes no more; the thread ends. Idempotent.
    void Stop();

private:
    struct Entry {
        Watcher watcher;
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
    const int m_nPerGuild;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_bStopping = false;
    std::list<Entry> m_entries;
    std::unordered_map<std::string, int> m_perAddress;
    std::unordered_map<std::string, int> m_perGuild;
    std::thread m_thread;
};

// Each address's connections, counted from their start to their end. Every connection is
// accepted up to twice the address's whole share (ordinary and held; libmicrohttpd closes the
// rest), since nothing tells a watch from another request before its request has come, and an
// address's clients that ask again at once after a change may briefly overlap the connections
// they just ended. One past the address's ordinary share is on probation (it must send its
// request soon); once its request is whole, a watch takes its place in the held share while any
// other request needs an ordinary place, and one past the whole share gets none. So a burst of
// watches from behind one address is never closed unanswered, and every request past the shares
// is refused with an answer.
class ConnectionShares {
public:
    ConnectionShares(int nOrdinary, int nHeld)
        : m_nOrdinary(nOrdinary), m_nAll(nOrdinary + nHeld) {}
    // A connection accepted from strAddress; true when it is past the address's ordinary share.
    bool Started(const void* pConnection, const std::string& strAddress);
    // The connection's request is whole. A watch leaves the ordinary share; another request keeps
    // its ordinary place or takes one. False: no place is left for it.
    bool RequestArrived(const void* pConnection, bool bWatch);
    void Closed(const void* pConnection);
    // The connections from strAddress open now.
    int OpenFrom(const std::string& strAddress);

private:
    struct Connection {
        std::string strAddress;
        bool bOrdinary;
        bool bOver; // past the address's whole share when it came
    };
    struct Counts {
        int nOpen = 0;
        int nOrdinary = 0;
    };
    const int m_nOrdinary;
    const int m_nAll;
    std::mutex m_mutex;
    std::unordered_map<std::string, Counts> m_counts;
    std::unordered_map<const void*, Connection> m_connections;
};
