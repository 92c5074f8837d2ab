// `serve` over HTTPS: the certificate and key given are the ones served, the protocol runs
// unchanged inside TLS and only there, and a pair that cannot serve keeps the server from starting.
// The TLS peer is the openssl command, a TLS stack other than the server's. The header's limits and
// the upload cap inside TLS are the front's tests.
#include "Harness.h"

#include <iterator>

namespace {

class Tls : public ::testing::Test {
protected:
    void SetUp() override {
        m_strDb = m_dir.File("guild.db");
        Scene::CreateEmpty(m_strDb);
        MakeCertificate(Cert(), Key(), "ZORV test");
        MakeCertificate(m_dir.File("other.pem"), m_dir.File("other.key"), "Someone else");
    }
    std::string Cert() const { return m_dir.File("cert.pem"); }
    std::string Key() const { return m_dir.File("cert.key"); }

    TempDir m_dir;
    std::string m_strDb;
};

TEST_F(Tls, ServesTheProtocolInsideTlsOnly) {
    ServeTarget target(m_strDb, "/zorv", {"--tls-cert", Cert(), "--tls-key", Key()});
    // Guards the address the client tests read: it must say the scheme to speak.
    EXPECT_EQ(target.FirstLine(), "zorv-server: listening on https://127.0.0.1:" +
                                      std::to_string(target.Port()) + "/zorv");

    // The first set-up and a login, byte for byte as the client sends them: the guild answers
    // inside TLS exactly as it does in the clear.
    std::string strErr;
    std::string strReply =
        TlsExchange(target.Port(),
                    target.RequestBytes("Root", Scene::kRootPassword, 105,
                                        Form("guildname=Test Guild&defaultpw=defpw1&"
                                             "use_rescue_squad=0&rescue_squad_name=")),
                    strErr, Cert());
    EXPECT_EQ(strReply.rfind("HTTP/1.1 200", 0), 0u) << strReply << strErr;
    EXPECT_NE(strReply.find("<START_HERE>800;<STOP_HERE>"), std::string::npos) << strReply;
    strReply = TlsExchange(
        target.Port(), target.RequestBytes("Root", Scene::kRootPassword, 104, {}), strErr, Cert());
    EXPECT_NE(strReply.find("<START_HERE>800;"), std::string::npos) << strReply << strErr;
    EXPECT_NE(strReply.find("|Root|3|Test Guild|"), std::string::npos) << strReply;

    // Only the certificate given is served: a peer that trusts another one refuses it.
    EXPECT_EQ(TlsExchange(target.Port(), target.RequestBytes("Root", Scene::kRootPassword, 104, {}),
                          strErr, m_dir.File("other.pem")),
              "");
    EXPECT_NE(strErr.find("verify"), std::string::npos) << strErr;

    // No plain HTTP on a TLS port: a request in the clear never reaches the guild.
    std::string strPlain =
        RawExchange(target.Port(), target.RequestBytes("Root", Scene::kRootPassword, 104, {}));
    EXPECT_EQ(strPlain.find("START_HERE"), std::string::npos) << strPlain;
    EXPECT_EQ(strPlain.find("HTTP/"), std::string::npos) << strPlain;
}

// A client that connects and never starts the handshake is closed once the header's time is out,
// without the clear-text 408 a plain connection gets, which would only garble the TLS stream.
TEST_F(Tls, ClosesAStalledHandshakeWithoutClearText) {
    ServeTarget target(m_strDb, "/zorv",
                       {"--tls-cert", Cert(), "--tls-key", Key(), "--header-seconds", "1"});
    int fd = ConnectLoopback(target.Port());
    ASSERT_GE(fd, 0);
    EXPECT_EQ(ReadFor(fd, 30), "");
    char c;
    EXPECT_EQ(recv(fd, &c, 1, MSG_DONTWAIT), 0) << "still open after 30 s";
    close(fd);
}

TEST_F(Tls, RefusesToStartWithoutAUsablePair) {
    std::string strMissing = m_dir.File("missing.pem");
    std::string strGarbled = m_dir.File("garbled.pem");
    {
        // The certificate with its DER's first byte spoilt; its PEM armour intact.
        std::ifstream in(Cert());
        std::string strPem((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::size_t iBody = strPem.find("-----\n") + 6;
        strPem[iBody] = strPem[iBody] == 'A' ? 'B' : 'A';
        std::ofstream(strGarbled) << strPem;
    }
    struct Case {
        const char* szWhat;
        std::vector<std::string> args;
        std::string strMessage;
    } cases[] = {
        {"a certificate without its key", {"--tls-cert", Cert()}, "give both or neither"},
        {"a key without its certificate", {"--tls-key", Key()}, "give both or neither"},
        {"a certificate that cannot be read",
         {"--tls-cert", strMissing, "--tls-key", Key()},
         "cannot read the TLS certificate " + strMissing + ": No such file or directory"},
        {"a key that cannot be read",
         {"--tls-cert", Cert(), "--tls-key", strMissing},
         "cannot read the TLS key " + strMissing + ": No such file or directory"},
        {"the two files swapped",
         {"--tls-cert", Key(), "--tls-key", Cert()},
         "the TLS certificate " + Key() + " holds no PEM certificate"},
        {"another certificate's key",
         {"--tls-cert", Cert(), "--tls-key", m_dir.File("other.key")},
         "do not match"},
        {"a certificate that does not decode",
         {"--tls-cert", strGarbled, "--tls-key", Key()},
         "the TLS certificate and key cannot be used: "},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args{"serve", "--db", m_strDb, "--listen", "127.0.0.1:0"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        std::string strOut, strErr;
        EXPECT_EQ(RunServerCommand(args, &strOut, &strErr), 1) << c.szWhat;
        EXPECT_NE(strErr.find(c.strMessage), std::string::npos) << c.szWhat << ": " << strErr;
        EXPECT_EQ(strOut.find("listening"), std::string::npos) << c.szWhat << ": " << strOut;
    }
}

} // namespace
