#pragma once
// A chat service for the notifications' tests and benchmark: a receiver on a free loopback port
// that records every request's path, delivery id and exact body, and plays scripted answers (200
// once the script is used up; one may hang until released).
#include <arpa/inet.h>
#include <cctype>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

class Receiver {
public:
    struct Arrival {
        std::string strPath;
        std::string strDelivery; // the X-ZORV-Delivery header
        std::string strBody;
        std::chrono::steady_clock::time_point at;
    };
    struct Reply {
        int iStatus = 200;
        std::string strHeaders; // whole lines, each ending in \r\n
        std::string strBody;
        bool bHang = false; // answer (200) only once Release() is called
    };

    // Bound to its port at once; listening at once, or only from Open(): until then a
    // connection to it is refused, as to a receiver that is down.
    explicit Receiver(bool bListen = true) {
        m_fd = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t nLength = sizeof address;
        if (bind(m_fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            getsockname(m_fd, reinterpret_cast<sockaddr*>(&address), &nLength) != 0)
            throw std::runtime_error("the receiver cannot bind");
        m_iPort = ntohs(address.sin_port);
        if (bListen)
            Open();
    }
    void Open() {
        if (listen(m_fd, 64) != 0)
            throw std::runtime_error("the receiver cannot listen");
        m_thread = std::thread([this] { Run(); });
    }
    ~Receiver() {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_bStop = m_bReleased = true;
        }
        m_changed.notify_all();
        if (m_thread.joinable())
            m_thread.join();
        close(m_fd);
    }

    std::string Url(const std::string& strPath) const {
        return "http://127.0.0.1:" + std::to_string(m_iPort) + strPath;
    }
    // The next requests' answers, in turn; 200 once they are used up.
    void Script(std::vector<Reply> replies) {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_script.assign(replies.begin(), replies.end());
    }
    void Release() {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_bReleased = true;
        }
        m_changed.notify_all();
    }
    // The arrivals once there are at least n; throws when fewer came within a minute.
    std::vector<Arrival> WaitFor(std::size_t n) {
        std::unique_lock<std::mutex> lock(m_mutex);
        if (!m_changed.wait_for(lock, std::chrono::seconds(60),
                                [&] { return m_arrivals.size() >= n; }))
            throw std::runtime_error(std::to_string(m_arrivals.size()) + " of " +
                                     std::to_string(n) + " messages arrived in a minute");
        return m_arrivals;
    }
    // The arrivals so far.
    std::vector<Arrival> Arrivals() {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_arrivals;
    }
    std::size_t Count() {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_arrivals.size();
    }

private:
    void Run() {
        while (true) {
            pollfd waiting{m_fd, POLLIN, 0};
            if (poll(&waiting, 1, 50) <= 0) {
                std::lock_guard<std::mutex> lock(m_mutex);
                if (m_bStop)
                    return;
                continue;
            }
            int fd = accept(m_fd, nullptr, nullptr);
            if (fd >= 0)
                Answer(fd);
        }
    }

    void Answer(int fd) {
        std::string strIn;
        char buffer[4096];
        std::size_t iBody = std::string::npos, nLength = 0;
        while (iBody == std::string::npos || strIn.size() < iBody + nLength) {
            ssize_t n = recv(fd, buffer, sizeof buffer, 0);
            if (n <= 0) {
                close(fd);
                return;
            }
            strIn.append(buffer, static_cast<std::size_t>(n));
            if (iBody == std::string::npos && strIn.find("\r\n\r\n") != std::string::npos) {
                iBody = strIn.find("\r\n\r\n") + 4;
                nLength = std::stoul(Header(strIn.substr(0, iBody), "content-length", "0"));
            }
        }
        const std::string strHead = strIn.substr(0, iBody);
        Arrival arrival{
            strHead.substr(strHead.find(' ') + 1,
                           strHead.find(' ', strHead.find(' ') + 1) - strHead.find(' ') - 1),
            Header(strHead, "x-zorv-delivery", ""), strIn.substr(iBody, nLength),
            std::chrono::steady_clock::now()};
        Reply reply;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_arrivals.push_back(arrival);
            if (!m_script.empty()) {
                reply = m_script.front();
                m_script.pop_front();
            }
            m_changed.notify_all();
            if (reply.bHang)
                m_changed.wait(lock, [&] { return m_bReleased; });
        }
        std::string strOut = "HTTP/1.1 " + std::to_string(reply.iStatus) + " Scripted\r\n" +
                             reply.strHeaders +
                             "Content-Length: " + std::to_string(reply.strBody.size()) +
                             "\r\nConnection: close\r\n\r\n" + reply.strBody;
        send(fd, strOut.data(), strOut.size(), MSG_NOSIGNAL);
        close(fd);
    }

    static std::string Header(const std::string& strHead, const std::string& strName,
                              const std::string& strDefault) {
        std::string strLower;
        for (char c : strHead)
            strLower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        std::size_t iAt = strLower.find("\r\n" + strName + ":");
        if (iAt == std::string::npos)
            return strDefault;
        iAt += strName.size() + 3;
        std::string strValue = strHead.substr(iAt, strHead.find("\r\n", iAt) - iAt);
        return strValue.substr(strValue.find_first_not_of(' '));
    }

    int m_fd = -1;
    int m_iPort = 0;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<Reply> m_script;
    std::vector<Arrival> m_arrivals;
    bool m_bStop = false;
    bool m_bReleased = false;
    std::thread m_thread;
};
