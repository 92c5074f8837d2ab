#include "BenchLoad.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cstdio>
#include <cstdlib>
#include <netinet/in.h>
#include <random>
#include <sys/resource.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace bench {

double Milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

int Connect(int iPort, const std::string& strFrom) {
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in source{};
    source.sin_family = AF_INET;
    inet_pton(AF_INET, strFrom.c_str(), &source.sin_addr);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(iPort));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (bind(fd, reinterpret_cast<sockaddr*>(&source), sizeof source) != 0 ||
        connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

std::string RequestBytes(const std::string& strBody, const std::string& strPath) {
    return "POST " + strPath +
           " HTTP/1.0\r\nHost: 127.0.0.1\r\nConnection: close\r\nUser-Agent: ZORV "
           "0.3\r\nContent-length: " +
           std::to_string(strBody.size()) + "\r\n\r\n" + strBody + "\r\n";
}

// The whole reply, or an empty text when no connection could be made.
std::string ExchangeText(int iPort, const std::string& strFrom, const std::string& strBody,
                         const std::string& strPath) {
    int fd = Connect(iPort, strFrom);
    if (fd < 0)
        return "";
    timeval timeout{10, 0}; // a server that stops answering fails the request, not the run
    setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    std::string strRequest = RequestBytes(strBody, strPath);
    send(fd, strRequest.data(), strRequest.size(), MSG_NOSIGNAL);
    std::string strReply;
    char buffer[65536];
    ssize_t n;
    while ((n = recv(fd, buffer, sizeof buffer, 0)) > 0)
        strReply.append(buffer, static_cast<std::size_t>(n));
    close(fd);
    return strReply;
}

// One exchange; the result code, or -1 when the connection failed or the reply had none.
int Exchange(int iPort, const std::string& strFrom, const std::string& strBody,
             const std::string& strPath) {
    const std::string strReply = ExchangeText(iPort, strFrom, strBody, strPath);
    std::size_t iStart = strReply.find("<START_HERE>");
    return iStart == std::string::npos ? -1 : std::atoi(strReply.c_str() + iStart + 12);
}

double Percentile(std::vector<double> values, double dFraction) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, static_cast<std::size_t>(dFraction * values.size()))];
}

void PrintTable(const std::vector<Row>& rows) {
    std::printf("%-58s %-14s %-22s %s\n", "figure", "target", "measured", "");
    for (const Row& row : rows)
        std::printf("%-58s %-14s %-22s %s\n", row.strFigure.c_str(), row.strTarget.c_str(),
                    row.strMeasured.c_str(), row.bMet ? "met" : "MISSED");
}

std::string Format(const char* szFormat, double dValue) {
    char szText[64];
    std::snprintf(szText, sizeof szText, szFormat, dValue);
    return szText;
}

// 64 members, each at its own address, log in and read characters for dSeconds: the time of
// each request, and the failures counted in nFailed.
std::vector<double> MemberLatencies(int iPort, double dSeconds, std::atomic<long>& nFailed) {
    std::vector<std::vector<double>> latencies(64);
    std::vector<std::thread> members;
    auto end = Clock::now() + std::chrono::milliseconds(static_cast<long>(dSeconds * 1000));
    for (int i = 0; i < 64; ++i)
        members.emplace_back([&, i] {
            std::mt19937 random(i);
            std::string strFrom = "127.0.1." + std::to_string(i + 1);
            std::string strAuth = "charname=Seed Monarch&password=seedpass1";
            for (int n = 0; Clock::now() < end; ++n) {
                std::string strBody =
                    n % 2
                        ? strAuth + "&msgid=104"
                        : strAuth + "&msgid=107&getcharid=" + std::to_string(1 + random() % 32767);
                auto start = Clock::now();
                int iCode = Exchange(iPort, strFrom, strBody);
                latencies[i].push_back(Milliseconds(Clock::now() - start));
                if (iCode != 800)
                    ++nFailed;
            }
        });
    for (auto& member : members)
        member.join();
    std::vector<double> all;
    for (auto& one : latencies)
        all.insert(all.end(), one.begin(), one.end());
    return all;
}

void RaiseFileLimit() {
    rlimit files{};
    if (getrlimit(RLIMIT_NOFILE, &files) == 0) {
        files.rlim_cur = files.rlim_max;
        setrlimit(RLIMIT_NOFILE, &files);
    }
}

} // namespace bench
