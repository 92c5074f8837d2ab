// One host of 1 000 guilds, each the size of the demo guild, measured against a real
// `zorv-server serve --guilds DIR` process on loopback and printed as one table:
//   - the server's resident memory once every guild was asked once and all are idle (closed);
//   - the first request to a closed guild against the same request to it warm;
//   - 100 guilds with 4 members each working beside the 900 idle ones: p99;
//   - the members of 20 guilds while 64 clients flood one other guild, with reads and then with
//     password guesses: p99, against the same alone.
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
#include <optional>
#include <random>
#include <signal.h>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

using namespace bench;
namespace fs = std::filesystem;

constexpr int kGuilds = 1000;
// Long enough that every guild is still open when the last of the 1 000 is first asked.
constexpr int kIdleSeconds = 10;

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
    return Exchange(iPort, strFrom, strBody, "/" + strGuild + "/zorv");
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

struct Round {
    double dAskSeconds = 0; // from the first request to the last reply
    double dAskedMiB = 0;   // resident right after the last reply
    int nGuildFiles = 0;    // descriptors on guild files then
    double dClosedMiB = 0;  // resident once every guild was closed
    double dClosingSeconds = -1;
    int nFailed = 0;
};

// Every guild asked once (a cached login), four at a time; then the host left alone until it has
// closed them all.
Round AskEveryGuild(Host& host, const fs::path& guildsDir, const Player& admin) {
    Round round;
    std::atomic<int> nNext{0}, nFailed{0};
    std::vector<std::thread> askers;
    const auto start = Clock::now();
    for (int t = 0; t < 4; ++t)
        askers.emplace_back([&] {
            for (int i; (i = nNext++) < kGuilds;)
                nFailed +=
                    Ask(host.iPort, "127.0.0.1", GuildName(i), Auth(admin) + "&msgid=104") != 800;
        });
    for (auto& asker : askers)
        asker.join();
    round.dAskSeconds = Milliseconds(Clock::now() - start) / 1000;
    round.dAskedMiB = host.ResidentMiB();
    round.nGuildFiles = host.Descriptors(guildsDir).second;
    round.dClosingSeconds = WaitAllClosed(host, guildsDir);
    // The files are closed a moment before the memory they took goes back.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    round.dClosedMiB = host.ResidentMiB();
    round.nFailed = nFailed;
    return round;
}

// The resident memory of a host whose 1 000 guilds were each asked once and are all closed again;
// a second round of the same shows whether closing a guild gives back what opening it took.
void IdleGuilds(Host& host, const fs::path& guildsDir, const Player& admin,
                std::vector<Row>& rows) {
    const double dStart = host.ResidentMiB();
    const Round first = AskEveryGuild(host, guildsDir, admin);
    const Round second = AskEveryGuild(host, guildsDir, admin);
    const bool bClosed = first.dClosingSeconds >= 0 && second.dClosingSeconds >= 0;
    rows.push_back({"1000 demo guilds, each asked once, all closed: server RSS", "<= 200 MB",
                    Format("%.1f MB", first.dClosedMiB) + Format(" (%.1f at start)", dStart),
                    first.dClosingSeconds >= 0 && first.dClosedMiB <= 200});
    rows.push_back({"  first requests answered / failed", "0 failed",
                    std::to_string(2 * kGuilds - first.nFailed - second.nFailed) + " / " +
                        std::to_string(first.nFailed + second.nFailed),
                    first.nFailed + second.nFailed == 0});
    rows.push_back({"  server RSS right after the last of them", "-",
                    Format("%.1f MB", first.dAskedMiB) + Format(" (%.1f s, ", first.dAskSeconds) +
                        std::to_string(first.nGuildFiles) + " files open)",
                    true});
    rows.push_back(
        {"  the same asked again, all closed: server RSS", "-",
         Format("%.1f MB", second.dClosedMiB) + Format(" (%.1f right after)", second.dAskedMiB),
         true});
    const double dClosing = std::max(first.dClosingSeconds, second.dClosingSeconds);
    rows.push_back({"  every guild closed, after the last request",
                    Format("~%.0f s", double(kIdleSeconds)),
                    bClosed ? Format("%.1f s", dClosing) : "not within 60 s", bClosed});
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

enum class Flood { Reads, Guesses };

// 64 clients at 8 addresses hammer one guild until bRunning falls: cached logins, tree downloads
// (op 100) and character reads, or wrong passwords for its members, which cost argon2id until the
// throttle stops each address. Counts the replies, and the requests that got none.
std::vector<std::thread> StartFlood(int iPort, const std::string& strGuild, Flood flood,
                                    const std::vector<Player>& members,
                                    const std::atomic<bool>& bRunning, std::atomic<long>& nReplies,
                                    std::atomic<long>& nUnanswered) {
    std::vector<std::thread> threads;
    for (int i = 0; i < 64; ++i)
        threads.emplace_back([&, strGuild, flood, i] {
            const std::string strFrom = "127.0.40." + std::to_string(1 + i % 8);
            for (long n = 0; bRunning; ++n) {
                const Player& member = members[static_cast<std::size_t>(n + i) % members.size()];
                std::string strBody;
                if (flood == Flood::Guesses)
                    strBody = "charname=" + member.strName + "&password=guess" +
                              std::to_string(i * 1000000 + n) + "&msgid=104";
                else if (n % 3 == 0)
                    strBody = Auth(member) + "&msgid=104";
                else if (n % 3 == 1)
                    strBody = Auth(member) + "&msgid=100";
                else
                    strBody = Auth(member) + "&msgid=107&getcharid=" + std::to_string(1 + n % 50);
                ++(Ask(iPort, strFrom, strGuild, strBody) < 0 ? nUnanswered : nReplies);
            }
        });
    return threads;
}

// 80 members of 20 guilds work for 10 s while one other guild is flooded: their p99, and what the
// flooded guild answered meanwhile.
void BesideFlood(Host& host, const std::vector<Player>& members, const std::vector<Caller>& callers,
                 const std::string& strGuild, Flood flood, std::vector<Row>& rows) {
    std::atomic<bool> bRunning{true};
    std::atomic<long> nReplies{0}, nUnanswered{0};
    std::vector<std::thread> threads =
        StartFlood(host.iPort, strGuild, flood, members, bRunning, nReplies, nUnanswered);
    std::this_thread::sleep_for(std::chrono::milliseconds(500)); // the flood under way
    long nFailed = 0;
    const long nBefore = nReplies;
    const auto start = Clock::now();
    const std::vector<double> all = Work(host.iPort, callers, 8, 10, nFailed);
    const double dSeconds = Milliseconds(Clock::now() - start) / 1000;
    const long nDuring = nReplies - nBefore;
    bRunning = false;
    for (auto& thread : threads)
        thread.join();
    const double dP99 = Percentile(all, 0.99);
    rows.push_back({flood == Flood::Reads ? "  the same, one other guild flooded with reads: p99"
                                          : "  the same, one other guild flooded with guesses: p99",
                    "<= 50 ms",
                    Format("%.1f ms", dP99) + Format(" (p50 %.1f)", Percentile(all, 0.5)),
                    dP99 <= 50});
    rows.push_back({"    their requests answered / failed", "0 failed",
                    std::to_string(all.size()) + " / " + std::to_string(nFailed), nFailed == 0});
    rows.push_back(
        {"    the flooded guild's replies meanwhile (64 clients)", "-",
         Format("%.0f/s", static_cast<double>(nDuring) / dSeconds) +
             (nUnanswered ? " " + std::to_string(nUnanswered.load()) + " unanswered" : ""),
         true});
}

// The members of 20 guilds alone, then beside a guild flooded with reads and beside another
// flooded with password guesses.
void FloodedGuilds(Host& host, const std::vector<Player>& members, std::vector<Row>& rows) {
    const std::vector<Caller> callers = Callers(300, 20, 30, members);
    long nFailed = 0;
    Work(host.iPort, callers, 8, 1, nFailed); // every guild opened
    nFailed = 0;
    const std::vector<double> alone = Work(host.iPort, callers, 8, 5, nFailed);
    rows.push_back({"80 members of 20 guilds, logins + 107, alone: p99", "-",
                    Format("%.1f ms", Percentile(alone, 0.99)) +
                        Format(" (p50 %.1f)", Percentile(alone, 0.5)) +
                        (nFailed ? " " + std::to_string(nFailed) + " failed" : ""),
                    nFailed == 0});
    BesideFlood(host, members, callers, GuildName(500), Flood::Reads, rows);
    BesideFlood(host, members, callers, GuildName(501), Flood::Guesses, rows);
}

} // namespace

int main() {
    // The server inherits this process's limit: 1 000 open guilds hold several files each.
    RaiseFileLimit();
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
            ColdGuilds(host, guildsDir, members[0], rows);
            ActiveAmongIdle(host, members, rows);
            FloodedGuilds(host, members, rows);
            const bool bRunning = host.Running();
            rows.push_back(
                {"the server still running at the end", "yes", bRunning ? "yes" : "no", bRunning});
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
