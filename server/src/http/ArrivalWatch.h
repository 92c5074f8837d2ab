#pragma once
// Ends the connections whose request does not arrive in time. libmicrohttpd's own timeout counts
// only silence, which a client that sends a byte now and then never lets run out. The watch runs
// on its own thread; libmicrohttpd tells it of each connection closed before it closes the
// socket, and both sides hold m_mutex, so a socket the watch ends is always still that
// connection's.
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <unordered_map>

struct MHD_Connection;

class ArrivalWatch {
public:
    // A connection's header must arrive within nHeaderSeconds, its whole request within
    // nRequestSeconds; one on probation must send both within nProbationSeconds.
    ArrivalWatch(int nHeaderSeconds, int nRequestSeconds, int nProbationSeconds);
    ~ArrivalWatch();
    ArrivalWatch(const ArrivalWatch&) = delete;
    ArrivalWatch& operator=(const ArrivalWatch&) = delete;
    // Under TLS a late connection is only closed: a plain 408 would be noise inside the session.
    void SpeakTls();

    void Opened(MHD_Connection* pConnection, int fd, bool bProbation);
    void HeaderArrived(MHD_Connection* pConnection);
    // The request is whole (or the connection ended): what follows is the reply's business.
    void Done(MHD_Connection* pConnection);

private:
    using Clock = std::chrono::steady_clock;
    struct Entry {
        int fd;
        bool bHeader;
        Clock::time_point deadline;
        Clock::time_point requestDeadline;
    };

    void Watch();

    const std::chrono::seconds m_headerTime;
    const std::chrono::seconds m_requestTime;
    const std::chrono::seconds m_probationTime;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_bStopping = false;
    bool m_bTls = false;
    std::unordered_map<MHD_Connection*, Entry> m_entries;
    std::thread m_thread;
};
