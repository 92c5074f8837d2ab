// What a backup (operation 111) costs the server's memory, for a guild whose history one member
// grew by saving a 4 KB biography over and over (a dump of some 40 MB): the standalone server's
// resident memory before, at its peak during 8 backups at once, after them, and after 12 more one
// by one and a pause, from /proc/PID/status (VmRSS, VmHWM); and the peak of one CGI process and
// of the command-line backup. Usage: bench_backup [ZORV_SERVER]; by default the zorv-server beside
// this binary, so that one build can measure another build's server.
#include "Database.h"

#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

// The figures a backup is held to. The dump is read piece by piece while it is written, so none
// of them grows with the guild's history.
constexpr long kMaxPeakGrowthKb = 64 * 1024;  // 8 backups at once of a 40 MB dump
constexpr long kMaxKeptGrowthKb = 32 * 1024;  // after 20 backups and a pause
constexpr long kMaxProcessPeakKb = 32 * 1024; // one CGI process, or the command line

// A line of /proc/PID/status, in kB.
long StatusKb(pid_t pid, const char* szField) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string strLine;
    const std::string strPrefix = std::string(szField) + ":";
    while (std::getline(status, strLine))
        if (strLine.rfind(strPrefix, 0) == 0)
            return std::atol(strLine.c_str() + strPrefix.size());
    return -1;
}

std::string RequestBytes(const std::string& strBody) {
    return "POST /zorv HTTP/1.0\r\nHost: 127.0.0.1\r\nConnection: close\r\nUser-Agent: ZORV "
           "0.3\r\nContent-length: " +
           std::to_string(strBody.size()) + "\r\n\r\n" + strBody + "\r\n";
}

// One exchange, read at full speed and not kept: the bytes of the reply, and whether it was a
// whole success.
std::size_t Exchange(int iPort, const std::string& strBody, bool& bWhole) {
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(iPort));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bWhole = false;
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        close(fd);
        return 0;
    }
    std::string strRequest = RequestBytes(strBody);
    send(fd, strRequest.data(), strRequest.size(), MSG_NOSIGNAL);
    std::vector<char> buffer(1 << 16);
    std::string strHead, strTail;
    std::size_t nBytes = 0;
    ssize_t n;
    while ((n = recv(fd, buffer.data(), buffer.size(), 0)) > 0) {
        if (strHead.size() < 256)
            strHead.append(buffer.data(), std::min<std::size_t>(n, 256));
        strTail = (strTail + std::string(buffer.data(), static_cast<std::size_t>(n)));
        strTail.erase(0, strTail.size() > 32 ? strTail.size() - 32 : 0);
        nBytes += static_cast<std::size_t>(n);
    }
    close(fd);
    bWhole = strHead.find("<START_HERE>800;") != std::string::npos &&
             strTail.find("<STOP_HERE>") != std::string::npos;
    return nBytes;
}

// Runs the server program with the arguments and environment, its standard input from strInput
// and its output discarded; its peak resident memory in kB, or -1 when it failed.
long RunForPeak(const std::string& strServer, const std::vector<std::string>& args,
                const std::vector<std::string>& env, const std::string& strInput) {
    int toChild[2];
    if (pipe(toChild) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, toChild[0], 0);
    posix_spawn_file_actions_addclose(&actions, toChild[1]);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv{const_cast<char*>(strServer.c_str())};
    for (const std::string& strArg : args)
        argv.push_back(const_cast<char*>(strArg.c_str()));
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (const std::string& strVar : env)
        envp.push_back(const_cast<char*>(strVar.c_str()));
    envp.push_back(nullptr);
    pid_t pid = 0;
    int iSpawned = posix_spawn(&pid, strServer.c_str(), &actions, nullptr, argv.data(),
                               env.empty() ? environ : envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(toChild[0]);
    if (iSpawned != 0) {
        close(toChild[1]);
        return -1;
    }
    (void)!write(toChild[1], strInput.data(), strInput.size());
    close(toChild[1]);
    int iStatus = 0;
    rusage usage{};
    wait4(pid, &iStatus, 0, &usage);
    return WIFEXITED(iStatus) && WEXITSTATUS(iStatus) == 0 ? usage.ru_maxrss : -1;
}

struct Server {
    pid_t pid = -1;
    int iPort = 0;
};

Server StartServer(const std::string& strServer, const std::string& strDb) {
    int fromChild[2];
    if (pipe(fromChild) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fromChild[1], 1);
    posix_spawn_file_actions_addclose(&actions, fromChild[0]);
    const char* argv[] = {strServer.c_str(), "serve",       "--db", strDb.c_str(),
                          "--listen",        "127.0.0.1:0", nullptr};
    Server server;
    int iSpawned = posix_spawn(&server.pid, strServer.c_str(), &actions, nullptr,
                               const_cast<char**>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fromChild[1]);
    if (iSpawned != 0)
        return {};
    // The first line names the address.
    std::string strLine;
    char c = 0;
    while (read(fromChild[0], &c, 1) == 1 && c != '\n')
        strLine += c;
    std::size_t iColon = strLine.rfind(':');
    server.iPort = iColon == std::string::npos ? 0 : std::atoi(strLine.c_str() + iColon + 1);
    // Its later output is left unread: it says nothing more until it stops.
    return server;
}

struct Row {
    std::string strFigure, strTarget, strMeasured;
    bool bMet;
};

std::string Mb(long lKb) {
    char szText[32];
    std::snprintf(szText, sizeof szText, "%.1f MB", lKb / 1024.0);
    return szText;
}

} // namespace

int main(int argc, char** argv) {
    const std::string strServer =
        argc > 1 ? argv[1] : (fs::read_symlink("/proc/self/exe").parent_path() / "zorv-server");
    fs::path dir = fs::temp_directory_path() / ("zorv-bench-backup-" + std::to_string(getpid()));
    fs::create_directories(dir);
    const std::string strDb = (dir / "guild.db").string();
    // Made by the server program, not in this process: a child's peak counts this process's
    // resident memory at its start, and making a guild hashes passwords with argon2id.
    std::string strName, strPassword;
    if (FILE* pSeed = popen(
            (strServer + " seed --db " + strDb + " --members 50 --shape random").c_str(), "r")) {
        char szLine[256];
        while (std::fgets(szLine, sizeof szLine, pSeed)) {
            std::string strLine(szLine, std::strcspn(szLine, "\n"));
            if (strLine.rfind("administrator: ", 0) == 0)
                strName = strLine.substr(15);
            else if (strLine.rfind("password: ", 0) == 0)
                strPassword = strLine.substr(10);
        }
        pclose(pSeed);
    }
    if (strName.empty()) {
        std::fprintf(stderr, "bench_backup: %s seed made no guild\n", strServer.c_str());
        return 1;
    }
    {
        // 5000 saves of a 4 KB biography by one member, as seven seconds of saving it over and
        // over once left in the history.
        Database db(strDb, Database::Mode::OpenExisting);
        db.Exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 5000) "
                "INSERT INTO history(at, at_epoch, kind, actor_id, actor_name, character_id, "
                "character_name) SELECT '2026-01-01 00:00:00', 1767225600, 'save', 2, 'Seed b', "
                "2, 'Seed b' FROM n");
        db.Exec("INSERT INTO history_values(entry, ord, field, old, new) SELECT seq, 0, 'bio', "
                "hex(randomblob(2000)), hex(randomblob(2000)) FROM history "
                "WHERE at_epoch = 1767225600");
    }
    const std::string strBackup =
        "charname=" + strName + "&password=" + strPassword + "&msgid=111&charid=1";
    std::vector<Row> rows;

    Server server = StartServer(strServer, strDb);
    if (server.iPort == 0) {
        std::fprintf(stderr, "bench_backup: %s did not start\n", strServer.c_str());
        return 1;
    }
    // The first login pays argon2id; the backups after it find it remembered.
    bool bWhole = false;
    Exchange(server.iPort, "charname=" + strName + "&password=" + strPassword + "&msgid=104",
             bWhole);
    const long lBefore = StatusKb(server.pid, "VmRSS");
    // The peak from here on (writing 5 to clear_refs resets VmHWM).
    bool bPeakReset = static_cast<bool>(
        std::ofstream("/proc/" + std::to_string(server.pid) + "/clear_refs") << "5");
    std::atomic<int> nWhole{0};
    std::atomic<std::size_t> nDumpBytes{0};
    std::vector<std::thread> clients;
    for (int i = 0; i < 8; ++i)
        clients.emplace_back([&] {
            bool bOk = false;
            nDumpBytes = Exchange(server.iPort, strBackup, bOk);
            nWhole += bOk;
        });
    for (std::thread& client : clients)
        client.join();
    const long lPeak = StatusKb(server.pid, "VmHWM");
    const long lAfter = StatusKb(server.pid, "VmRSS");
    for (int i = 0; i < 12; ++i) {
        bool bOk = false;
        Exchange(server.iPort, strBackup, bOk);
        nWhole += bOk;
    }
    std::this_thread::sleep_for(std::chrono::seconds(15));
    const long lIdle = StatusKb(server.pid, "VmRSS");
    kill(server.pid, SIGTERM);
    waitpid(server.pid, nullptr, 0);

    const std::string strDump = Mb(static_cast<long>(nDumpBytes / 1024));
    rows.push_back({"backups answered whole (of 20), dump " + strDump, "20",
                    std::to_string(nWhole.load()), nWhole == 20});
    rows.push_back({"serve: resident before the backups", "-", Mb(lBefore), true});
    rows.push_back({std::string("serve: peak during 8 at once, growth") +
                        (bPeakReset ? "" : " (peak since start)"),
                    "<= " + Mb(kMaxPeakGrowthKb), Mb(lPeak - lBefore) + " (" + Mb(lPeak) + ")",
                    lPeak - lBefore <= kMaxPeakGrowthKb});
    rows.push_back({"serve: resident right after them", "-", Mb(lAfter), true});
    rows.push_back({"serve: resident after 12 more and 15 s idle, growth",
                    "<= " + Mb(kMaxKeptGrowthKb), Mb(lIdle - lBefore) + " (" + Mb(lIdle) + ")",
                    lIdle - lBefore <= kMaxKeptGrowthKb});

    const std::vector<std::string> cgiEnv = {"GATEWAY_INTERFACE=CGI/1.1",
                                             "REQUEST_METHOD=POST",
                                             "CONTENT_LENGTH=" + std::to_string(strBackup.size()),
                                             "HTTP_USER_AGENT=ZORV 0.3",
                                             "REMOTE_ADDR=127.0.0.1",
                                             "ZORV_DB=" + strDb};
    long lCgi = RunForPeak(strServer, {}, cgiEnv, strBackup);
    rows.push_back({"CGI: peak of one backup's process", "<= " + Mb(kMaxProcessPeakKb),
                    lCgi < 0 ? "failed" : Mb(lCgi), lCgi >= 0 && lCgi <= kMaxProcessPeakKb});
    long lCommand = RunForPeak(strServer, {"backup", "--db", strDb}, {}, "");
    rows.push_back({"zorv-server backup: peak", "<= " + Mb(kMaxProcessPeakKb),
                    lCommand < 0 ? "failed" : Mb(lCommand),
                    lCommand >= 0 && lCommand <= kMaxProcessPeakKb});

    std::printf("%-58s %-12s %-22s %s\n", "figure", "target", "measured", "");
    for (const Row& row : rows)
        std::printf("%-58s %-12s %-22s %s\n", row.strFigure.c_str(), row.strTarget.c_str(),
                    row.strMeasured.c_str(), row.bMet ? "met" : "MISSED");
    fs::remove_all(dir);
    return 0;
}
