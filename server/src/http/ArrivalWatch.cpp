#include "ArrivalWatch.h"

#include <algorithm>
#include <sys/socket.h>

ArrivalWatch::ArrivalWatch(int nHeaderSeconds, int nRequestSeconds, int nProbationSeconds)
    : m_headerTime(nHeaderSeconds), m_requestTime(nRequestSeconds),
      m_probationTime(nProbationSeconds) {
    m_thread = std::thread([this] { Watch(); });
}

ArrivalWatch::~ArrivalWatch() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bStopping = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

void ArrivalWatch::SpeakTls() {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_bTls = true;
}

void ArrivalWatch::Opened(MHD_Connection* pConnection, int fd, bool bProbation) {
    auto now = Clock::now();
    auto header = m_headerTime, request = m_requestTime;
    if (bProbation) {
        header = std::min(header, m_probationTime);
        request = std::min(request, m_probationTime);
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    m_entries[pConnection] = {fd, false, now + header, now + request};
}

void ArrivalWatch::HeaderArrived(MHD_Connection* pConnection) {
    std::lock_guard<std::mutex> lock(m_mutex);
    auto entry = m_entries.find(pConnection);
    if (entry != m_entries.end()) {
        entry->second.bHeader = true;
        entry->second.deadline = entry->second.requestDeadline;
    }
}

void ArrivalWatch::Done(MHD_Connection* pConnection) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_entries.erase(pConnection);
}

void ArrivalWatch::Watch() {
    static const char k408[] = "HTTP/1.1 408 Request Timeout\r\nConnection: close\r\n"
                               "Content-Length: 0\r\n\r\n";
    std::unique_lock<std::mutex> lock(m_mutex);
    while (!m_bStopping) {
        m_wake.wait_for(lock, std::chrono::milliseconds(200));
        auto now = Clock::now();
        for (auto it = m_entries.begin(); it != m_entries.end();) {
            if (now < it->second.deadline) {
                ++it;
                continue;
            }
            // libmicrohttpd has written nothing on a connection whose header is incomplete.
            if (!it->second.bHeader && !m_bTls)
                send(it->second.fd, k408, sizeof k408 - 1, MSG_DONTWAIT | MSG_NOSIGNAL);
            shutdown(it->second.fd, SHUT_RDWR);
            it = m_entries.erase(it);
        }
    }
}
