// Two guild hosts behind each reverse proxy whose example the package ships (packaging/proxy:
// HAProxy and nginx), run from that example with only its addresses and paths changed: the proxy
// sends each guild to its host, a watch of the live tree held through it gets its change, the
// hosts count the client's address (X-Forwarded-For from the proxy alone), and a guild moves to
// the other host by a backup, a restore and one line of the proxy's map.
#include "Harness.h"

#include <fstream>
#include <future>
#include <sstream>

namespace {

using S = Scene;

std::string Read(const std::string& strPath) {
    std::ifstream file(strPath);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// strText with every strFrom replaced; the example must hold it.
std::string Replaced(std::string strText, const std::string& strFrom, const std::string& strTo) {
    if (strText.find(strFrom) == std::string::npos)
        throw std::runtime_error("the proxy's example no longer holds \"" + strFrom + "\"");
    for (std::size_t i = 0; (i = strText.find(strFrom, i)) != std::string::npos; i += strTo.size())
        strText.replace(i, strFrom.size(), strTo);
    return strText;
}

// The proxy of the test's kind, its example pointed at two hosts on loopback; where each guild
// lives is its map. It connects to the hosts from 127.0.0.1.
class Proxy {
public:
    Proxy(const std::string& strKind, const TempDir& work, int iHostA, int iHostB)
        : m_strKind(strKind), m_work(work), m_iHostA(iHostA), m_iHostB(iHostB) {}
    ~Proxy() { StopProcess(m_pid); }

    // Starts, or starts again, with each guild on its host (0: A, 1: B), as after a change of the
    // map and a reload.
    void Place(const std::vector<std::pair<std::string, int>>& guilds) {
        StopProcess(m_pid);
        const bool bHaproxy = m_strKind == "haproxy";
        const std::string strExamples = ZORV_PROXY_EXAMPLES;
        const std::string strMap = m_work.File("guilds.map");
        {
            std::ofstream map(strMap, std::ios::trunc);
            for (const auto& [strGuild, iHost] : guilds)
                map << strGuild << " "
                    << (bHaproxy ? (iHost ? "zorv-host-b" : "zorv-host-a")
                                 : "127.0.0.1:" + std::to_string(iHost ? m_iHostB : m_iHostA) + ";")
                    << "\n";
        }
        const std::string strConf = m_work.File("zorv-proxy.conf");
        const std::string strMain = m_work.File("main.conf");
        const std::string strLog = m_work.File("proxy.log");
        auto WriteConf = [&](int iPort) {
            const std::string strPort = std::to_string(iPort);
            std::string strExample;
            if (bHaproxy) {
                strExample = Read(strExamples + "/haproxy.cfg");
                strExample = Replaced(strExample, "bind :80", "bind 127.0.0.1:" + strPort);
                strExample = Replaced(strExample, "/etc/haproxy/zorv-guilds.map", strMap);
                std::ofstream(strMain, std::ios::trunc) << "global\n    maxconn 500\n";
            } else {
                strExample = Read(strExamples + "/nginx.conf");
                strExample =
                    Replaced(strExample, "listen 80;", "listen 127.0.0.1:" + strPort + ";");
                strExample = Replaced(strExample, "/etc/nginx/zorv-guilds.nginx.map", strMap);
                std::ofstream(strMain, std::ios::trunc)
                    << (geteuid() == 0 ? "user root;\n" : "")
                    << "daemon off;\nworker_processes 1;\n"
                    << "pid " << m_work.File("nginx.pid") << ";\nerror_log " << strLog << ";\n"
                    << "events { worker_connections 512; }\nhttp {\n    access_log off;\n"
                    << "    client_body_temp_path " << m_work.Path() << ";\n"
                    << "    proxy_temp_path " << m_work.Path() << ";\n"
                    << "    include " << strConf << ";\n}\n";
            }
            if (bHaproxy) {
                strExample =
                    Replaced(strExample, "10.0.0.1:8080", "127.0.0.1:" + std::to_string(m_iHostA));
                strExample =
                    Replaced(strExample, "10.0.0.2:8080", "127.0.0.1:" + std::to_string(m_iHostB));
            }
            std::ofstream(strConf, std::ios::trunc) << strExample;
        };
        const std::vector<std::string> command =
            bHaproxy
                ? std::vector<std::string>{"/usr/sbin/haproxy", "-db", "-f", strMain, "-f", strConf}
                : std::vector<std::string>{
                      "/usr/sbin/nginx", "-p", m_work.Path(), "-e", strLog, "-c", strMain};
        m_pid = StartWebServer(m_strKind.c_str(), command, strLog, nullptr, WriteConf, m_iPort);
    }
    int Port() const { return m_iPort; }
    GuildAt Guild(const std::string& strName) const {
        return GuildAt(m_target, "/" + strName + "/zorv");
    }

private:
    struct Here final : Target {
        const Proxy& proxy;
        explicit Here(const Proxy& proxyIn) : proxy(proxyIn) {}
        int Port() const override { return proxy.m_iPort; }
        std::string Path() const override { return "/"; }
    };
    std::string m_strKind;
    const TempDir& m_work;
    int m_iHostA, m_iHostB;
    pid_t m_pid = -1;
    int m_iPort = 0;
    Here m_target{*this};
};

// Two hosts, alpha on the first and beta on the second, both trusting the proxy's address, and
// the proxy in front of them.
class BehindProxy : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        proxy.Place({{"alpha", 0}, {"beta", 1}});
        S::Build(proxy.Guild("alpha"));
        S::Build(proxy.Guild("beta"));
    }
    ServedGuilds hostA{{"alpha"}, {"--trusted-proxy", "127.0.0.1", "--idle-seconds", "1"}};
    ServedGuilds hostB{{"beta"}, {"--trusted-proxy", "127.0.0.1"}};
    TempDir work;
    Proxy proxy{GetParam(), work, hostA.Port(), hostB.Port()};
};

TEST_P(BehindProxy, EachGuildReachesItsHostAndAWatchGetsItsChange) {
    EXPECT_EQ(SqlValue(hostA.File("alpha"), "SELECT COUNT(*) FROM characters"), "7");
    EXPECT_EQ(SqlValue(hostB.File("beta"), "SELECT COUNT(*) FROM characters"), "7");
    EXPECT_EQ(StatusOf(proxy.Port(), GetRequest("/beta/")), 200);
    EXPECT_EQ(StatusOf(proxy.Port(), PostRequest("/gamma/zorv")), 404);
    EXPECT_EQ(StatusOf(proxy.Port(), GetRequest("/")), 404);

    const GuildAt beta = proxy.Guild("beta");
    const int fd = StartWatch(beta);
    ASSERT_GE(fd, 0);
    EXPECT_EQ(ReadFor(fd, 3.0), "") << "held through the proxy";
    ASSERT_EQ(SceneOps(beta, hostB.File("beta")).Save(S::Root, S::High, {{"LEVEL", "55"}}).iCode,
              800);
    const std::string strAnswer = ReadFor(fd, 5.0);
    close(fd);
    EXPECT_NE(strAnswer.find("<START_HERE>800;"), std::string::npos) << strAnswer;
    EXPECT_NE(strAnswer.find("|55|"), std::string::npos) << strAnswer;
}

// Failed logins count against the client's address behind the proxy, not against the proxy's,
// and a client that writes X-Forwarded-For itself still counts as itself.
TEST_P(BehindProxy, TheHostsCountTheClientsAddress) {
    Sql(hostA.File("alpha"), "UPDATE settings SET value = '2' WHERE key = 'throttle_free'");
    const GuildAt alpha = proxy.Guild("alpha");
    const std::string A = "127.0.0.2", B = "127.0.0.3";
    for (int i = 0; i < 2; ++i)
        ASSERT_EQ(alpha.Send(S::Name(S::Self), "wrong", 104, {}, A).iCode, 951);
    EXPECT_EQ(alpha.Send(S::Name(S::Self), S::Password(S::Self), 104, {}, A).iCode, 954);
    EXPECT_EQ(alpha.Send(S::Name(S::Self), S::Password(S::Self), 104, {}, B).iCode, 800)
        << "another client behind the same proxy is not held back";

    // A says it is someone else, to the proxy and to the host directly: it is still A.
    std::string strForged = alpha.RequestBytes(S::Name(S::Self), S::Password(S::Self), 104, {});
    strForged.insert(strForged.find("\r\n") + 2, "X-Forwarded-For: 127.0.0.9\r\n");
    EXPECT_NE(RawExchange(proxy.Port(), strForged, A).find("<START_HERE>954;"), std::string::npos);
    const GuildAt direct = hostA.Guild("alpha");
    std::string strDirect = direct.RequestBytes(S::Name(S::Self), S::Password(S::Self), 104, {});
    strDirect.insert(strDirect.find("\r\n") + 2, "X-Forwarded-For: 127.0.0.9\r\n");
    EXPECT_NE(RawExchange(hostA.Port(), strDirect, A).find("<START_HERE>954;"), std::string::npos);
}

// A guild moves to the other host: its backup restored there, one line of the map changed.
TEST_P(BehindProxy, AGuildMovesToTheOtherHost) {
    ASSERT_EQ(SceneOps(proxy.Guild("alpha"), hostA.File("alpha"))
                  .Save(S::Root, S::Self, {{"LEVEL", "64"}})
                  .iCode,
              800);
    std::string strDump;
    ASSERT_EQ(RunServerCommand({"backup", "--db", hostA.File("alpha")}, &strDump), 0);
    std::ofstream(work.File("alpha.dump"), std::ios::binary) << strDump;
    ASSERT_EQ(RunServerCommand({"restore", "--db", hostB.File("alpha"), work.File("alpha.dump")}),
              0);
    proxy.Place({{"alpha", 1}, {"beta", 1}});
    ASSERT_EQ(RunServerCommand({"guild", "remove", "--guilds", hostA.dir.Path(), "alpha"}), 0);

    const GuildAt alpha = proxy.Guild("alpha");
    EXPECT_EQ(As(alpha, S::Self, 104).iCode, 800);
    ASSERT_EQ(
        SceneOps(alpha, hostB.File("alpha")).Save(S::Root, S::Vassal, {{"LEVEL", "33"}}).iCode,
        800);
    EXPECT_EQ(SqlValue(hostB.File("alpha"), "SELECT level FROM characters WHERE id = 4"), "64");
    EXPECT_EQ(SqlValue(hostB.File("alpha"), "SELECT level FROM characters WHERE id = 5"), "33");
    EXPECT_EQ(hostA.Post("/alpha/zorv"), 404);
}

INSTANTIATE_TEST_SUITE_P(Proxies, BehindProxy, ::testing::Values("haproxy", "nginx"),
                         [](const auto& info) { return info.param; });

} // namespace
