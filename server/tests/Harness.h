#pragma once
// What the server tests run against: a real zorv-server, standalone on a free loopback port or
// as a CGI program under lighttpd, fed with the same bytes the client sends.
// It also brings what most suites use, so that each includes only what is its own.
#include "CharacterRecord.h"
#include "Records.h"
#include "Text.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/types.h>
#include <unistd.h>

// A fresh temporary folder, removed with everything in it at destruction.
class TempDir {
public:
    TempDir();
    ~TempDir();
    const std::string& Path() const { return m_strPath; }
    std::string File(const std::string& strName) const { return m_strPath + "/" + strName; }

private:
    std::string m_strPath;
};

// Runs a program (argv[0] a path) with strInput on its standard input; returns its exit code and
// what it printed.
int RunProgram(const std::vector<std::string>& argv, const std::string& strInput,
               std::string* pOut = nullptr, std::string* pErr = nullptr);

// A dump as the version before the named columns wrote it: "ZORV DUMP 4", no column lines.
std::string AsVersion4Dump(const std::string& strDump);
// A dump in the columns strModel names, in its order: what an older expected dump can be
// compared with once columns were added.
std::string InColumnsOf(const std::string& strDump, const std::string& strModel);

// Runs zorv-server with the arguments; returns its exit code and what it printed.
int RunServerCommand(const std::vector<std::string>& args, std::string* pOut = nullptr,
                     std::string* pErr = nullptr);

// Sends raw bytes to 127.0.0.1:port and returns everything until the peer closes, or until
// dSeconds pass without a byte when dSeconds is above 0. strFrom, when given, is the loopback
// address to send from (any of 127.0.0.0/8), so that one test plays clients at several addresses.
std::string RawExchange(int iPort, const std::string& strBytes, const std::string& strFrom = "",
                        double dSeconds = 0);
// The same over TLS, spoken by the openssl command (a TLS stack other than the server's), which
// trusts only the certificate strTrusted for 127.0.0.1; "" with the handshake's complaint in
// strErr when it fails.
std::string TlsExchange(int iPort, const std::string& strBytes, std::string& strErr,
                        const std::string& strTrusted);
// A self-signed certificate for 127.0.0.1 named strName, and its key; throws when openssl fails.
void MakeCertificate(const std::string& strCert, const std::string& strKey,
                     const std::string& strName);
// A connection to 127.0.0.1:port from strFrom (or the default address); -1 when it fails.
int ConnectLoopback(int iPort, const std::string& strFrom = "");
// Waits up to dSeconds for the server to answer or close, and returns what it sent.
std::string ReadFor(int fd, double dSeconds);

// strRequest with filler lines added to its header, so that the bytes before its body (request
// line, header lines and the blank line after them) come to exactly nHeaderBytes in nLines header
// lines. Throws when the request is already larger than that.
std::string PadHeader(const std::string& strRequest, std::size_t nHeaderBytes, int nLines);

struct Answer {
    int iCode = -1;
    std::string strPayload;
    std::string strRaw;
};

using Fields = std::vector<std::pair<std::string, std::string>>;
// Fields written as a form body, "name=value&name=value", for values that hold neither "&" nor
// "=".
Fields Form(const std::string& strBody);

// A running server of either kind.
class Target {
public:
    virtual ~Target() = default;
    virtual int Port() const = 0;
    virtual std::string Path() const = 0;

    // The request exactly as the client builds it: charname, password, msgid, then fields.
    std::string RequestBytes(const std::string& strName, const std::string& strPassword, int iMsgId,
                             const Fields& fields, const std::string& strAgent = "ZORV 0.3") const;
    Answer Send(const std::string& strName, const std::string& strPassword, int iMsgId,
                const Fields& fields = {}, const std::string& strFrom = "") const;
};

class ServeTarget final : public Target {
public:
    // strPath is passed as --path when it is not the default; extraArgs follow the others (with an
    // empty strDb they name what to serve, as --guilds DIR does). The
    // tests' chat receivers listen on loopback, so administrators may add them (as under the
    // web servers here) unless bLoopbackReceivers says otherwise.
    explicit ServeTarget(const std::string& strDb, const std::string& strPath = "/zorv",
                         const std::vector<std::string>& extraArgs = {},
                         bool bLoopbackReceivers = true);
    ~ServeTarget() override;
    int Port() const override { return m_iPort; }
    std::string Path() const override { return m_strPath; }
    pid_t Pid() const { return m_pid; }
    // The first line it printed, which names the address.
    const std::string& FirstLine() const { return m_strFirstLine; }
    // Ends the process at once, as a crash would.
    void Kill();
    // Asks it to stop (SIGTERM) and returns its exit code.
    int Stop();

private:
    pid_t m_pid = -1;
    int m_iPort = 0;
    std::string m_strPath;
    std::string m_strFirstLine;
};

// A guild that a server answers at another path: one of a host's, /<guild>/zorv.
class GuildAt final : public Target {
public:
    GuildAt(const Target& server, const std::string& strPath)
        : m_iPort(server.Port()), m_strPath(strPath) {}
    int Port() const override { return m_iPort; }
    std::string Path() const override { return m_strPath; }

private:
    int m_iPort;
    std::string m_strPath;
};

// The status code of a raw exchange with 127.0.0.1:port (-1 when no status line came), and the
// requests that ask for a path: a page, and a small POST.
int StatusOf(int iPort, const std::string& strRequest, const std::string& strFrom = "");
std::string GetRequest(const std::string& strPath);
std::string PostRequest(const std::string& strPath);

// A watch of the scene's tree (120 with wait, as Other) from its generation now, sent on a
// connection of its own; the connection, for ReadFor, or -1 when it could not be sent.
int StartWatch(const Target& target);

// A folder of guilds, each an empty guild file made as the scene's, and a host serving them all
// (serve --guilds).
struct ServedGuilds {
    explicit ServedGuilds(const std::vector<std::string>& names,
                          const std::vector<std::string>& extraArgs = {});
    std::string File(const std::string& strName) const { return dir.File(strName + ".db"); }
    GuildAt Guild(const std::string& strName) const {
        return GuildAt(*server, "/" + strName + "/zorv");
    }
    int Get(const std::string& strPath) const { return StatusOf(Port(), GetRequest(strPath)); }
    int Post(const std::string& strPath) const { return StatusOf(Port(), PostRequest(strPath)); }
    int Port() const { return server->Port(); }
    // The names of the guild files the server has open now.
    std::vector<std::string> OpenFiles() const;

    TempDir dir;
    std::unique_ptr<ServeTarget> server;
};

class CgiTarget final : public Target {
public:
    // With bGuilds, strDb is a host's folder of guilds (ZORV_GUILDS), each at /zorv/<guild>/zorv.
    CgiTarget(const std::string& strDb, const std::string& strWorkDir, bool bGuilds = false);
    ~CgiTarget() override;
    int Port() const override { return m_iPort; }
    std::string Path() const override { return "/zorv"; }

private:
    pid_t m_pid = -1;
    int m_iPort = 0;
};

// The CGI program under Apache 2 with mod_cgid. Run as root, Apache serves as www-data, so the
// work folder and the guild file are opened to every user.
class ApacheTarget final : public Target {
public:
    ApacheTarget(const std::string& strDb, const std::string& strWorkDir);
    ~ApacheTarget() override;
    int Port() const override { return m_iPort; }
    std::string Path() const override { return "/zorv"; }

private:
    pid_t m_pid = -1;
    int m_iPort = 0;
};

// Starts a server program (a web server, a proxy) on a free loopback port, its configuration
// written for that port first; ready once it accepts a connection and, when szReadyWords is not
// null, its log strLog holds them. Returns its pid; throws when it will not start.
pid_t StartWebServer(const char* szName, const std::vector<std::string>& command,
                     const std::string& strLog, const char* szReadyWords,
                     const std::function<void(int iPort)>& writeConf, int& iPort);
// Ends a process (SIGTERM) and waits for it.
void StopProcess(pid_t pid);

std::unique_ptr<Target> MakeTarget(const std::string& strKind, const std::string& strDb,
                                   const std::string& strWorkDir);

// Direct SQL on a guild file, for preparing and inspecting state.
void Sql(const std::string& strDb, const std::string& strStatement);
std::string SqlValue(const std::string& strDb, const std::string& strQuery);

// A small guild built through the protocol, the same in every suite:
//   Root (administrator, monarch) → High → Patron → Self → Vassal
//   Root → Other;  Root → Keeper (administrator)
struct Scene {
    enum Id { Root = 1, High = 2, Patron = 3, Self = 4, Vassal = 5, Other = 6, Keeper = 7 };
    static constexpr const char* kRootPassword = "rootpw1";
    static constexpr const char* kDefaultPassword = "defpw1";
    static const char* Name(int id);
    static std::string Password(int id) { return id == Root ? kRootPassword : kDefaultPassword; }

    // Creates an empty guild file with the login throttle relaxed for tests.
    static void CreateEmpty(const std::string& strDb);
    // Sets the guild up and adds the members; fails the test on any refusal.
    static void Build(const Target& target);
};

// Sends as one of the scene's members.
Answer As(const Target& target, int id, int iMsgId, const Fields& fields = {});

// An empty guild file in a fresh folder, and a server on it of the kind the test is instantiated
// with: "serve" (standalone), "cgi" (under lighttpd) or "apache" (under Apache's mod_cgid).
class ServerTest : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override;
    const Target& T() const { return *m_target; }

    TempDir m_dir;
    std::string m_strDb;
    std::unique_ptr<Target> m_target;
};

// The scene's operations, sent with the lists and patrons as the guild file holds them now (a
// test of stale lists writes its own).
class SceneOps {
public:
    SceneOps() = default;
    SceneOps(const Target& target, const std::string& strDb) { Bind(target, strDb); }
    std::string Value(const std::string& strQuery) const { return SqlValue(m_strFile, strQuery); }
    std::string Column(const char* szColumn, int id) const;
    // id's vassals in joining order: "5,8".
    std::string Vassals(int id) const;
    // iActor saves id's sheet fields under his own charid.
    Answer Save(int iActor, int id, const Fields& fields) const;
    // iActor adds strName below iTo.
    Answer Add(int iActor, int iTo, const std::string& strName) const;
    Answer Remove(int iActor, int id) const;
    Answer Move(int iActor, int id, int iNewPatron) const;
    Answer Level(int iActor, int id, const std::string& strLevel) const;
    // id sets his own password.
    Answer Password(int id, const std::string& strNew) const;
    Answer Undo(int iActor, const std::string& strEntry) const;
    // Root's server set-up (109) with these fields.
    Answer Setup(const Fields& fields) const;

protected:
    void Bind(const Target& target, const std::string& strDb) {
        m_pTarget = &target;
        m_strFile = strDb;
    }

private:
    const Target* m_pTarget = nullptr;
    std::string m_strFile;
};

// A ServerTest with the scene built.
class SceneTest : public ServerTest, public SceneOps {
protected:
    void SetUp() override;
};

// A fresh guild file with the scene built, served by `serve` with extraArgs.
struct ServedScene : SceneOps {
    explicit ServedScene(const std::vector<std::string>& extraArgs = {},
                         bool bLoopbackReceivers = true);
    TempDir dir;
    const std::string strDb;
    ServeTarget target;
};
