// One host of 1 000 guilds, each the size of the demo guild, measured against a real
// `zorv-server serve --guilds DIR` process on loopback and printed as one table:
//   - the server's resident memory once every guild was asked once and all are idle (closed);
//   - the first request to a closed guild against the same request to it warm;
//   - 100 guilds with 4 members each working beside the 900 idle ones: p99;
//   - the members of 20 guilds while one other guild is flooded: p99, against the same alone.
// Every guild file is a copy of one demo guild whose members' logins were checked once before it
// was copied, key file and all, so that the logins below are the cached ones (argon2id is paid
// only by the guessers of the flood). The record of a checked login lasts 5 minutes from then,
// which the whole run stays well within.
#include "Demo.h"
#include "Guild.h"
#include "GuildFiles.h"
#include "Passwords.h"

#include "BenchLoad.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <random>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace bench;
namespace fs = std::filesystem;

constexpr int kGuilds = 1000;
const int kIdleSeconds = getenv("IDLE") ? atoi(getenv("IDLE")) : 2;

struct Player {
    std::string strName, strPassword;
};

// Four members of the demo guild: its administrator and three who still have the default password.
std::vector<Player> DemoMembers(const GuildLogin& login) {
    return {{login.strName, login.strPassword},
            {"Brenna Ashvale", login.strDefaultPassword},
            {"Corin Thale", login.strDefaultPassword},
            {"Dara Whitmoor", login.strDefaultPassword}};
}

std::string GuildName(int i) {
    char szName[16];
    std::snprintf(szName, sizeof szName, "g%04d", i);
    return szName;
}

std::string Auth(const Player& member) {
    return "charname=" + member.strName + "&password=" + member.strPassword;
}

// One exchange with a guild of the host, from the loopback address strFrom: the result code, or
// -1 when the connection failed, timed out or the reply had none.
int Ask(int iPort, const std::string& strFrom, const std::string& strGuild,
        const std::string& strBody) {
    int fd = Connect(iPort, strFrom);
    if (fd < 0)
        return -1;
    timeval timeout{10, 0}; // a server that stops answering fails the request, not the run
    setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    std::string strRequest = RequestBytes(strBody);
    strRequest.insert(5, "/" + strGuild); // "POST /zorv" becomes "POST /<guild>/zorv"
    send(fd, strRequest.data(), strRequest.size(), MSG_NOSIGNAL);
    std::string strReply;
    char buffer[16384];
    ssize_t n;
    while ((n = recv(fd, buffer, sizeof buffer, 0)) > 0)
        strReply.append(buffer, static_cast<std::size_t>(n));
    close(fd);
    std::size_t iStart = strReply.find("<START_HERE>");
    return iStart == std::string::npos ? -1 : std::atoi(strReply.c_str() + iStart + 12);
}

// The folder's 1 000 guilds, g0000 to g0999: a demo guild whose members have logged in once, its
// file and key copied. The demo file itself stays outside the folder.
GuildLogin MakeGuilds(const fs::path& dir, const fs::path& guildsDir) {
    const std::string strDemo = (dir / "demo.db").string();
    GuildLogin login = CreateDemoGuild(strDemo);
    {
        std::optional<std::string> strKey = CredentialCache::LoadKey(strDemo);
        if (!strKey)
            throw std::runtime_error("no key for the demo guild");
        CredentialCache cache(*strKey, std::chrono::seconds(300));
        Guild guild(strDemo, &cache);
        for (const Player& member : DemoMembers(login)) {
            Reply reply = guild.Handle({Auth(member) + "&msgid=104", "ZORV 0.3", "127.0.0.1"});
            if (reply.iCode != 800)
                throw std::runtime_error(member.strName +
                                         "'s login was refused: " + std::to_string(reply.iCode));
        }
    }
    if (!guilds::Settle(strDemo))
        throw std::runtime_error("the demo guild's file is still in use");
    fs::create_directories(guildsDir);
    for (int i = 0; i < kGuilds; ++i) {
        const fs::path file = guildsDir / (GuildName(i) + ".db");
        fs::copy_file(strDemo, file);
        fs::copy_file(strDemo + ".key", file.string() + ".key");
    }
    return login;
}

// `zorv-server serve --guilds DIR` until destroyed; iPort is 0 when it did not start.
class Host {
public:
    Host(const fs::path& guildsDir, const fs::path& outFile) {
        const std::string strServer = ZORV_SERVER_BIN;
        const std::string strDir = guildsDir.string(), strOut = outFile.string();
        const std::string strIdle = std::to_string(kIdleSeconds);
        const char* argv[] = {strServer.c_str(), "serve",         "--guilds",
                              strDir.c_str(),    "--listen",      "127.0.0.1:0",
                              "--idle-seconds",  strIdle.c_str(), nullptr};
        // Its standard output goes to a file, which nobody has to keep draining.
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, strOut.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (posix_spawn(&m_pid, strServer.c_str(), &actions, nullptr,
                        const_cast<char* const*>(argv), environ) != 0)
            m_pid = 0;
        posix_spawn_file_actions_destroy(&actions);
        // "zorv-server: listening on http://127.0.0.1:PORT/<guild>/zorv"
        for (int i = 0; m_pid && i < 200 && !iPort; ++i) {
            std::ifstream out(strOut);
            std::string strLine;
            if (std::getline(out, strLine) && !out.eof()) {
                std::size_t iAt = strLine.find("127.0.0.1:");
                if (iAt != std::string::npos)
                    iPort = std::atoi(strLine.c_str() + iAt + 10);
            }
            if (!iPort)
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }
    ~Host() {
        if (!m_pid)
            return;
        kill(m_pid, SIGTERM);
        waitpid(m_pid, nullptr, 0);
    }
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    // VmRSS, in MiB; -1 when the process is gone.
    double ResidentMiB() const {
        std::ifstream status("/proc/" + std::to_string(m_pid) + "/status");
        std::string strLine;
        while (std::getline(status, strLine))
            if (strLine.rfind("VmRSS:", 0) == 0)
                return std::atof(strLine.c_str() + 6) / 1024.0;
        return -1;
    }
    // The descriptors the process holds: in all, and those on files of the folder (a guild's file,
    // its write-ahead log and shared memory), which a closed guild gives back.
    std::pair<int, int> Descriptors(const fs::path& guildsDir) const {
        const std::string strPrefix = fs::canonical(guildsDir).string() + "/";
        int nAll = 0, nGuild = 0;
        std::error_code error;
        for (const auto& entry :
             fs::directory_iterator("/proc/" + std::to_string(m_pid) + "/fd", error)) {
            ++nAll;
            std::error_code linkError;
            if (fs::read_symlink(entry.path(), linkError).string().rfind(strPrefix, 0) == 0)
                ++nGuild;
        }
        return {nAll, nGuild};
    }
    bool Running() const { return m_pid && waitpid(m_pid, nullptr, WNOHANG) == 0; }

    int iPort = 0;

private:
    pid_t m_pid = 0;
};

// Waits up to a minute for the host to close every guild; the seconds it took, or -1.
double WaitAllClosed(const Host& host, const fs::path& guildsDir) {
    const auto start = Clock::now();
    while (host.Descriptors(guildsDir).second > 0) {
        if (Clock::now() - start > std::chrono::minutes(1))
            return -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return Milliseconds(Clock::now() - start) / 1000;
}

// Every guild asked once (a cached login), four at a time; then, once all are closed again, the
// server's resident memory.
void IdleGuilds(Host& host, const fs::path& guildsDir, const Player& admin,
                std::vector<Row>& rows) {
    const double dStart = host.ResidentMiB();
    std::atomic<int> nFailed{0};
    double dOpen = 0, dClosing = 0, dIdle = 0; int nAllOpen = 0, nGuildOpen = 0;
    for (int round = 0; round < 4; ++round) {
    std::atomic<int> nNext{0};
    std::vector<std::thread> askers;
    auto t0 = Clock::now();
    for (int t = 0; t < 4; ++t)
        askers.emplace_back([&] {
            for (int i; (i = nNext++) < kGuilds;)
                nFailed += Ask(host.iPort, "127.0.0.1", GuildName(i), Auth(admin) + "&msgid=104") !=
                           800;
        });
    for (auto& asker : askers)
        asker.join();
    double dAsk = Milliseconds(Clock::now() - t0);
    dOpen = host.ResidentMiB();
    std::tie(nAllOpen, nGuildOpen) = host.Descriptors(guildsDir);
    dClosing = WaitAllClosed(host, guildsDir);
    dIdle = host.ResidentMiB();
    if (round == 1) std::this_thread::sleep_for(std::chrono::seconds(15));
    fprintf(stderr, "round %d: ask %.0f ms, open %.1f MB, fds %d/%d, closed %.1f MB after %.1f s\n", round, dAsk, dOpen, nGuildOpen, nAllOpen, dIdle, dClosing);
    }
    rows.push_back({"1000 demo guilds, each asked once, all closed: server RSS", "<= 200 MB",
                    Format("%.1f MB", dIdle) + Format(" (%.1f at start)", dStart),
                    dClosing >= 0 && dIdle <= 200});
    rows.push_back({"  first requests answered / failed", "0 failed",
                    std::to_string(kGuilds - nFailed) + " / " + std::to_string(nFailed.load()),
                    nFailed == 0});
    rows.push_back({"  server RSS with all 1000 open", "-", Format("%.1f MB", dOpen), true});
    rows.push_back({"  descriptors with all 1000 open: guild files / all", "-",
                    std::to_string(nGuildOpen) + " / " + std::to_string(nAllOpen), true});
    rows.push_back({"  every guild closed, after the last request",
                    Format("~%.0f s", double(kIdleSeconds)),
                    dClosing < 0 ? "not within 60 s" : Format("%.1f s", dClosing), dClosing >= 0});
}

// The first request to each of 50 closed guilds against the same request to it warm, right after
// (the median of three): the median of the differences.
void ColdGuilds(Host& host, const fs::path& guildsDir, const Player& admin,
                std::vector<Row>& rows) {
    const bool bAllClosed = host.Descriptors(guildsDir).second == 0;
    const std::string strLogin = Auth(admin) + "&msgid=104";
    std::vector<double> cold, warm, extra;
    int nFailed = 0;
    for (int i = 0; i < 50; ++i) {
        const std::string strGuild = GuildName(900 + i);
        auto Timed = [&] {
            const auto start = Clock::now();
            nFailed += Ask(host.iPort, "127.0.0.1", strGuild, strLogin) != 800;
            return Milliseconds(Clock::now() - start);
        };
        const double dCold = Timed();
        std::vector<double> again{Timed(), Timed(), Timed()};
        const double dWarm = Percentile(again, 0.5);
        cold.push_back(dCold);
        warm.push_back(dWarm);
        extra.push_back(dCold - dWarm);
    }
    const double dExtra = Percentile(extra, 0.5);
    rows.push_back({"first request to a closed guild, over a warm one (median)", "<= 10 ms",
                    Format("%.2f ms", dExtra) + Format(" (%.2f", Percentile(cold, 0.5)) +
                        Format(" / %.2f ms)", Percentile(warm, 0.5)) +
                        (nFailed ? " " + std::to_string(nFailed) + " failed" : ""),
                    bAllClosed && nFailed == 0 && dExtra <= 10});
    rows.push_back(
        {"  the same, p90 of the 50 guilds", "-", Format("%.2f ms", Percentile(extra, 0.9)), true});
}

struct Caller {
    std::string strGuild, strFrom, strAuth;
};

// The members of nGuilds guilds from iFirst on, four each, each at an address of its own in
// 127.0.iNet.x and the nets after it.
std::vector<Caller> Callers(int iFirst, int nGuilds, int iNet, const std::vector<Player>& members) {
    std::vector<Caller> callers;
    for (int g = 0; g < nGuilds; ++g)
        for (const Player& member : members) {
            const int i = static_cast<int>(callers.size());
            callers.push_back(
                {GuildName(iFirst + g),
                 "127.0." + std::to_string(iNet + i / 250) + "." + std::to_string(1 + i % 250),
                 Auth(member)});
        }
    return callers;
}

// nThreads threads share the callers out and ask for them, one request after another, for
// dSeconds: a cached login and a character read in turn. The time of each request, and the
// failures counted in nFailed.
std::vector<double> Work(int iPort, const std::vector<Caller>& callers, int nThreads,
                         double dSeconds, long& nFailed) {
    std::vector<std::vector<double>> latencies(nThreads);
    std::vector<long> failed(nThreads, 0);
    std::vector<std::thread> threads;
    const auto end = Clock::now() + std::chrono::milliseconds(static_cast<long>(dSeconds * 1000));
    for (int t = 0; t < nThreads; ++t)
        threads.emplace_back([&, t] {
            std::mt19937 random(t);
            for (std::size_t n = 0; Clock::now() < end; ++n) {
                const std::size_t iTurn = n / 2 * nThreads + t;
                const Caller& caller = callers[iTurn % callers.size()];
                const std::string strBody = n % 2 ? caller.strAuth + "&msgid=107&getcharid=" +
                                                        std::to_string(1 + random() % 50)
                                                  : caller.strAuth + "&msgid=104";
                const auto start = Clock::now();
                const int iCode = Ask(iPort, caller.strFrom, caller.strGuild, strBody);
                latencies[t].push_back(Milliseconds(Clock::now() - start));
                failed[t] += iCode != 800;
            }
        });
    for (auto& thread : threads)
        thread.join();
    std::vector<double> all;
    for (int t = 0; t < nThreads; ++t) {
        all.insert(all.end(), latencies[t].begin(), latencies[t].end());
        nFailed += failed[t];
    }
    return all;
}

// 400 members of 100 guilds, from 16 threads, while the other 900 guilds stay idle.
void ActiveAmongIdle(Host& host, const std::vector<Player>& members, std::vector<Row>& rows) {
    const std::vector<Caller> callers = Callers(0, 100, 20, members);
    long nFailed = 0, nWarmUp = 0;
    Work(host.iPort, callers, 16, 1, nWarmUp); // every guild opened
    std::vector<double> all = Work(host.iPort, callers, 16, 10, nFailed);
    const double dP99 = Percentile(all, 0.99);
    rows.push_back({"100 guilds x 4 members, logins + 107, 900 idle: p99", "<= 50 ms",
                    Format("%.1f ms", dP99) + Format(" (p50 %.1f)", Percentile(all, 0.5)),
                    dP99 <= 50});
    rows.push_back({"  requests answered / failed", "0 failed",
                    std::to_string(all.size()) + " / " + std::to_string(nFailed), nFailed == 0});
}

// 80 members of 20 guilds work alone, then while 64 clients at 8 addresses hammer one other
// guild: a quarter guess the four members' passwords, the rest log in and fetch the tree.
void FloodedGuild(Host& host, const std::vector<Player>& members, std::vector<Row>& rows) {
    const std::vector<Caller> callers = Callers(300, 20, 30, members);
    const std::string strFlooded = GuildName(500);
    long nFailed = 0;
    Work(host.iPort, callers, 8, 1, nFailed); // every guild opened
    nFailed = 0;
    std::vector<double> alone = Work(host.iPort, callers, 8, 5, nFailed);
    std::atomic<bool> bRunning{true};
    std::atomic<long> nAnswered{0}, nGuesses{0}, nUnanswered{0};
    std::vector<std::thread> flood;
    for (int i = 0; i < 64; ++i)
        flood.emplace_back([&, i] {
            const std::string strFrom = "127.0.40." + std::to_string(1 + i % 8);
            for (long n = 0; bRunning; ++n) {
                const Player& member = members[static_cast<std::size_t>(n) % members.size()];
                const bool bGuess = i % 4 == 0;
                const std::string strBody =
                    bGuess ? "charname=" + member.strName + "&password=guess" +
                                 std::to_string(i * 1000000 + n) + "&msgid=104"
                           : Auth(members[0]) + (n % 2 ? "&msgid=100" : "&msgid=104");
                const int iCode = Ask(host.iPort, strFrom, strFlooded, strBody);
                if (iCode < 0)
                    ++nUnanswered;
                else
                    ++(bGuess ? nGuesses : nAnswered);
            }
        });
    std::this_thread::sleep_for(std::chrono::milliseconds(500)); // the flood under way
    long nFloodFailed = 0;
    const long nBefore = nAnswered + nGuesses;
    const auto start = Clock::now();
    std::vector<double> flooded = Work(host.iPort, callers, 8, 10, nFloodFailed);
    const double dSeconds = Milliseconds(Clock::now() - start) / 1000;
    const long nDuring = nAnswered + nGuesses - nBefore;
    bRunning = false;
    for (auto& thread : flood)
        thread.join();
    const double dAlone = Percentile(alone, 0.99), dFlooded = Percentile(flooded, 0.99);
    rows.push_back({"80 members of 20 guilds, logins + 107, alone: p99", "-",
                    Format("%.1f ms", dAlone) + Format(" (p50 %.1f)", Percentile(alone, 0.5)),
                    nFailed == 0});
    rows.push_back({"  the same while one other guild is flooded: p99", "<= 50 ms",
                    Format("%.1f ms", dFlooded) + Format(" (p50 %.1f)", Percentile(flooded, 0.5)),
                    dFlooded <= 50});
    rows.push_back({"  their requests answered / failed", "0 failed",
                    std::to_string(flooded.size()) + " / " + std::to_string(nFloodFailed),
                    nFloodFailed == 0});
    rows.push_back({"  the flooded guild's replies (64 clients)", "-",
                    Format("%.0f/s", static_cast<double>(nDuring) / dSeconds) + " (" +
                        std::to_string(nGuesses.load()) + " to guesses, " +
                        std::to_string(nUnanswered.load()) + " none)",
                    true});
}

} // namespace

int main() {
    // The server inherits this process's limit: 1 000 open guilds hold several files each.
    rlimit files{};
    if (getrlimit(RLIMIT_NOFILE, &files) == 0) {
        files.rlim_cur = files.rlim_max;
        setrlimit(RLIMIT_NOFILE, &files);
    }
    const fs::path dir =
        fs::temp_directory_path() / ("zorv-bench-host-" + std::to_string(::getpid()));
    const fs::path guildsDir = dir / "guilds";
    fs::create_directories(dir);
    std::vector<Row> rows;
    bool bServed = false;
    try {
        const GuildLogin login = MakeGuilds(dir, guildsDir);
        const std::vector<Player> members = DemoMembers(login);
        Host host(guildsDir, dir / "server.out");
        if (host.iPort) {
            bServed = true;
            IdleGuilds(host, guildsDir, members[0], rows);

            rows.push_back({"  the server still running at the end", "yes",
                            host.Running() ? "yes" : "no", host.Running()});
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_host: %s\n", e.what());
    }
    if (!bServed)
        rows.push_back({"zorv-server serve --guilds", "started", "FAILED", false});
    PrintTable(rows);
    fs::remove_all(dir);
    return bServed ? 0 : 1;
}
