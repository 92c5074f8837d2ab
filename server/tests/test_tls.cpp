// `serve` over HTTPS: the certificate and key given are the ones served, the protocol runs
// unchanged inside TLS and only there, and a pair that cannot serve keeps the server from starting.
// The TLS peer is the openssl command, a TLS stack other than the server's.
#include "Harness.h"

#include <iterator>

namespace {

const char kOpenssl[] = "/usr/bin/openssl";

// A self-signed certificate for 127.0.0.1 and its key, made for this test.
void MakeCertificate(const std::string& strCert, const std::string& strKey,
                     const std::string& strName) {
    std::string strErr;
    int iExit = RunProgram({kOpenssl, "req", "-x509", "-newkey", "ec", "-pkeyopt",
                            "ec_paramgen_curve:prime256v1", "-nodes", "-days", "2", "-subj",
                            "/CN=" + strName, "-addext", "subjectAltName=IP:127.0.0.1", "-keyout",
                            strKey, "-out", strCert},
                           "", nullptr, &strErr);
    if (iExit != 0)
        throw std::runtime_error("openssl req failed: " + strErr);
}

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

    // Sends the bytes over TLS, trusting only our certificate for 127.0.0.1, and returns the
    // reply; an empty reply with the handshake's complaint in strErr when it fails.
    std::string TlsExchange(int iPort, const std::string& strBytes, std::string& strErr,
                            const std::string& strTrusted) const {
        std::string strOut;
        int iExit = RunProgram({kOpenssl, "s_client", "-quiet", "-verify_return_error", "-CAfile",
                                strTrusted, "-verify_ip", "127.0.0.1", "-connect",
                                "127.0.0.1:" + std::to_string(iPort)},
                               strBytes, &strOut, &strErr);
        return iExit == 0 || !strOut.empty() ? strOut : "";
    }

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

// Inside TLS the header's limits hold to the byte and the line as in the clear: 16384 bytes before
// the body, in few lines or in 64, are answered; one byte or one line more gets 431.
TEST_F(Tls, HeaderLimitsHoldInsideTls) {
    ServeTarget target(m_strDb, "/zorv", {"--tls-cert", Cert(), "--tls-key", Key()});
    const std::string strLogin = target.RequestBytes("Root", Scene::kRootPassword, 104, {});
    struct Case {
        std::size_t nBytes;
        int nLines;
        const char* szStatus;
    } cases[] = {{16384, 5, "200"},
                 {16385, 5, "431"},
                 {16384, 64, "200"},
                 {16385, 64, "431"},
                 {2000, 65, "431"}};
    for (const Case& c : cases) {
        std::string strErr;
        std::string strReply =
            TlsExchange(target.Port(), PadHeader(strLogin, c.nBytes, c.nLines), strErr, Cert());
        EXPECT_EQ(strReply.substr(0, 12), std::string("HTTP/1.1 ") + c.szStatus)
            << c.nBytes << " bytes in " << c.nLines << " lines: " << strReply.substr(0, 40)
            << strErr;
    }
}

// A chunked body past the 4 MiB cap is refused in the middle of its TLS stream, with a 413 inside
// the session, as in the clear.
TEST_F(Tls, RefusesAChunkedBodyPastTheCapInsideTls) {
    ServeTarget target(m_strDb, "/zorv", {"--tls-cert", Cert(), "--tls-key", Key()});
    std::string strRequest = "POST /zorv HTTP/1.1\r\nHost: x\r\nUser-Agent: ZORV 0.3\r\n"
                             "Transfer-Encoding: chunked\r\n\r\n";
    for (int i = 0; i < 64; ++i)
        strRequest += "10000\r\n" + std::string(0x10000, 'a') + "\r\n";
    strRequest += "1\r\na\r\n"; // the cap's one byte over; the body never ends
    std::string strErr;
    std::string strReply = TlsExchange(target.Port(), strRequest, strErr, Cert());
    EXPECT_EQ(strReply.substr(0, 12), "HTTP/1.1 413") << strReply << strErr;
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
