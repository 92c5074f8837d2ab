#pragma once
// What the server benchmarks share: requests sent over loopback from a chosen address, as the
// client sends them, the members' load whose latency the targets are about, and the table they
// are printed in.
#include <atomic>
#include <chrono>
#include <string>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration d);
// A connection to 127.0.0.1:port from the loopback address strFrom; -1 when it fails.
int Connect(int iPort, const std::string& strFrom);
std::string RequestBytes(const std::string& strBody, const std::string& strPath = "/zorv");
// The whole reply, or an empty text when no connection could be made.
std::string ExchangeText(int iPort, const std::string& strFrom, const std::string& strBody,
                         const std::string& strPath = "/zorv");
// One exchange; the result code, or -1 when the connection failed or the reply had none.
int Exchange(int iPort, const std::string& strFrom, const std::string& strBody,
             const std::string& strPath = "/zorv");
double Percentile(std::vector<double> values, double dFraction);
// Raises this process's open-files limit as far as it may: a benchmark holds many connections.
void RaiseFileLimit();

struct Row {
    std::string strFigure, strTarget, strMeasured;
    bool bMet;
};
void PrintTable(const std::vector<Row>& rows);
std::string Format(const char* szFormat, double dValue);

// 64 members, each at its own address, log in and read characters for dSeconds: the time of
// each request, and the failures counted in nFailed.
std::vector<double> MemberLatencies(int iPort, double dSeconds, std::atomic<long>& nFailed);

} // namespace bench
