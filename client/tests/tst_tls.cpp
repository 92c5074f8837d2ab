// Server addresses over HTTPS: the client and a real `zorv-server serve` with a self-signed
// certificate made here by the openssl command; the question on a certificate that does not
// verify, its answer remembered per server in certificates.ini; a scripted TLS peer for the exact
// bytes; a handshake that fails reported at once.
#include "KnownCertificates.h"
#include "Settings.h"
#include "TestClient.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

namespace {

// A self-signed certificate for 127.0.0.1 in strFolder as NAME.pem and NAME.key; returns its
// SHA-256 fingerprint as openssl prints it ("AB:CD:..."), empty on failure.
QString MakeCertificate(const QString& strFolder, const QString& strName) {
    const QString strCert = strFolder + "/" + strName + ".pem";
    const QString strKey = strFolder + "/" + strName + ".key";
    QProcess openssl;
    openssl.start("openssl",
                  {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
                   "-nodes", "-days", "2", "-subj", "/CN=" + strName, "-addext",
                   "subjectAltName=IP:127.0.0.1", "-keyout", strKey, "-out", strCert});
    if (!openssl.waitForFinished(60000) || openssl.exitCode() != 0)
        return QString();
    openssl.start("openssl", {"x509", "-in", strCert, "-noout", "-fingerprint", "-sha256"});
    if (!openssl.waitForFinished(60000) || openssl.exitCode() != 0)
        return QString();
    // "sha256 Fingerprint=AB:CD:..." (the case of the label differs between versions)
    return QString::fromLatin1(openssl.readAllStandardOutput()).section('=', 1).trimmed();
}

QStringList TlsArgs(const QString& strFolder, const QString& strName) {
    return {"--tls-cert", strFolder + "/" + strName + ".pem", "--tls-key",
            strFolder + "/" + strName + ".key"};
}

// One run of the program on a settings folder that outlives it, as the user's does.
struct Run : TestClient {
    explicit Run(const QString& strFolder) : TestClient(strFolder) {}
    void LogIn(const QString& strAddress) {
        TestClient::LogIn(strAddress, "Aldric Stormwind", "lantern1");
    }
    bool LoggedIn() const {
        return window->windowTitle() ==
               QStringLiteral("ZORV (The Silver Lanterns) - Logged in as Aldric Stormwind");
    }
};

// A TLS peer with a scripted reply: records the clear bytes of each connection from the start
// of its handshake, answers a complete request with `reply` and closes.
class TlsPeer final : public QObject {
public:
    TlsPeer(const QString& strCert, const QString& strKey, const QByteArray& reply)
        : m_reply(reply) {
        QSslConfiguration config = QSslConfiguration::defaultConfiguration();
        config.setLocalCertificate(QSslCertificate::fromPath(strCert).value(0));
        config.setPrivateKey(QSslKey(FileBytes(strKey), QSsl::Ec));
        bReady = !config.localCertificate().isNull() && !config.privateKey().isNull();
        config.setPeerVerifyMode(QSslSocket::VerifyNone);
        m_server.setSslConfiguration(config);
        bReady = bReady && m_server.listen(QHostAddress::LocalHost, 0);
        connect(&m_server, &QSslServer::startedEncryptionHandshake, this,
                [this](QSslSocket* pSocket) {
                    const int i = static_cast<int>(requests.size());
                    requests << QByteArray();
                    connect(pSocket, &QTcpSocket::readyRead, this,
                            [this, pSocket, i] { Read(pSocket, i); });
                });
        // Connections are taken only to be let go with the server.
        connect(&m_server, &QSslServer::pendingConnectionAvailable, this, [this] {
            while (m_server.nextPendingConnection()) {
            }
        });
    }
    QString Address() const { return "127.0.0.1:" + QString::number(m_server.serverPort()); }

    bool bReady = false;
    QList<QByteArray> requests; // per connection, what arrived decrypted

private:
    void Read(QSslSocket* pSocket, int i) {
        QByteArray& request = requests[i];
        request += pSocket->readAll();
        const int iBody = request.indexOf("\r\n\r\n");
        const int iLength = request.indexOf("Content-length: ");
        if (iBody < 0 || iLength < 0)
            return;
        const int nBody = request.mid(iLength + 16).split('\r').value(0).toInt();
        if (request.size() >= iBody + 4 + nBody + 2) {
            pSocket->write(m_reply);
            pSocket->disconnectFromHost();
        }
    }

    QSslServer m_server;
    QByteArray m_reply;
};

} // namespace

class tst_tls final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void addressParts_data();
    void addressParts();
    void knownCertificatesFile();
    void questionThenRemembered();
    void exactBytesAndTimerOverTls();
    void failedHandshakeIsReportedAtOnce();
    void requestsLeaveWithoutNagle_data();
    void requestsLeaveWithoutNagle();

private:
    QTemporaryDir m_certs;
    QString m_strFingerprintA, m_strFingerprintB;
};

void tst_tls::initTestCase() {
    QVERIFY2(QSslSocket::supportsSsl(), "Qt finds no TLS backend");
    m_strFingerprintA = MakeCertificate(m_certs.path(), "alpha");
    m_strFingerprintB = MakeCertificate(m_certs.path(), "beta");
    QCOMPARE(m_strFingerprintA.size(), 95); // 32 bytes in hex, with colons between
    QCOMPARE(m_strFingerprintB.size(), 95);
}

// Guards the split of a typed address into what the request cycle connects to.
void tst_tls::addressParts_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("tls");
    QTest::addColumn<QString>("server");
    QTest::addColumn<QString>("uri");
    QTest::addColumn<QString>("host");
    QTest::addColumn<quint16>("port");
    auto Row = [](const char* szName, const char* szAddress, bool bTls, const char* szServer,
                  const char* szUri, const char* szHost, quint16 nPort) {
        QTest::newRow(szName) << szAddress << bTls << szServer << szUri << szHost << nPort;
    };
    Row("plain", "guild.example.org/zorv", false, "guild.example.org", "/zorv", "guild.example.org",
        80);
    Row("https, default port", "https://guild.example.org/cgi/zorv", true, "guild.example.org",
        "/cgi/zorv", "guild.example.org", 443);
    Row("HTTPS in capitals, own port", "HTTPS://Guild.example.org:8443/zorv", true,
        "Guild.example.org:8443", "/zorv", "Guild.example.org", 8443);
    Row("https without a path", "https://10.0.0.7", true, "10.0.0.7", "/", "10.0.0.7", 443);
    Row("https, IPv6", "https://[::1]/zorv", true, "[::1]", "/zorv", "::1", 443);
    Row("IPv6 with a port", "[::1]:8080/zorv", false, "[::1]:8080", "/zorv", "::1", 8080);
    Row("http:// dropped", "http://host:8080/zorv", false, "host:8080", "/zorv", "host", 8080);
    Row("not a port", "host:http/zorv", false, "host:http", "/zorv", "host:http", 80);
    Row("port 0 is none", "host:0/zorv", false, "host:0", "/zorv", "host:0", 80);
    Row("plain without a path", "host:8080", false, "host:8080", "/", "host", 8080);
}

void tst_tls::addressParts() {
    QFETCH(QString, address);
    QFETCH(bool, tls);
    ScriptedPrompts prompts;
    StatusBar status;
    RequestCycle cycle(prompts, status, kDefaultTimeoutSeconds);
    cycle.SetServer(address);
    QCOMPARE(cycle.CurrentLogin().bTls, tls);
    QTEST(cycle.CurrentLogin().strServer, "server");
    QTEST(cycle.CurrentLogin().strURI, "uri");
    QString strHost;
    quint16 nPort = 0;
    HTTPRequest::SplitHostPort(cycle.CurrentLogin().strServer, strHost, nPort, tls ? 443 : 80);
    QTEST(strHost, "host");
    QTEST(nPort, "port");
}

// Guards the file of accepted certificates: one entry per server whatever the case of its name,
// a replaced entry not kept beside the new one, the others kept, bad lines ignored.
void tst_tls::knownCertificatesFile() {
    QTemporaryDir dir;
    const QString strFile = dir.filePath("certificates.ini");
    const QByteArray a = QByteArray(32, '\x11'), b = QByteArray(32, '\x22');
    KnownCertificates known;
    known.SetFile(strFile);
    QVERIFY(known.Digest("host:443").isEmpty());
    QVERIFY(known.Accept("Host.Example:443", a));
    QVERIFY(known.Accept("other:8443", b));
    QVERIFY(known.Accept("host.example:443", b));
    QCOMPARE(FileBytes(strFile), QByteArray("[Certificates]\r\n"
                                            "host.example:443 = " +
                                            KnownCertificates::Fingerprint(b).toLatin1() +
                                            "\r\n"
                                            "other:8443 = " +
                                            KnownCertificates::Fingerprint(b).toLatin1() + "\r\n"));

    QFile file(strFile);
    QVERIFY(file.open(QIODevice::Append));
    file.write("no equals sign\r\nshort:1 = AB:CD\r\n = " + a.toHex(':') + "\r\n");
    file.close();
    KnownCertificates reread;
    reread.SetFile(strFile);
    QCOMPARE(reread.Digest("HOST.EXAMPLE:443"), b);
    QCOMPARE(reread.Digest("other:8443"), b);
    QVERIFY(reread.Digest("short:1").isEmpty());

    // A file that cannot be written keeps the acceptance for this run only, and says so.
    KnownCertificates unwritable;
    unwritable.SetFile(dir.filePath("no-such-folder/certificates.ini"));
    QVERIFY(!unwritable.Accept("host:443", a));
    QCOMPARE(unwritable.Digest("host:443"), a);
}

// The whole story with the real server: a refused certificate, an accepted one that lets the
// login and the tree through, a later run that accepts it silently, and a new certificate on
// the same address that asks again.
void tst_tls::questionThenRemembered() {
    ServerProcess server;
    QVERIFY(server.Start("demo", TlsArgs(m_certs.path(), "alpha")));
    QVERIFY(server.Address().startsWith("https://127.0.0.1:"));
    const QString strPort = server.Address().section(':', 2).section('/', 0, 0);
    const QString strKey = "127.0.0.1:" + strPort;
    QTemporaryDir settings;
    const QString strCertificates = settings.filePath("certificates.ini");

    {
        // No: refused, and nothing else happens.
        Run run(settings.path());
        run.prompts->answers << Prompts::Answer::No;
        run.LogIn(server.Address());
        QTRY_COMPARE(run.prompts->shown.size(), 1);
        const ScriptedPrompts::Shown& question = run.prompts->shown[0];
        QCOMPARE(question.strTitle, QStringLiteral("Untrusted Certificate"));
        QCOMPARE(question.buttons, Prompts::Buttons::YesNo);
        QVERIFY2(question.strText.startsWith("The ZORV server at " + strKey + " sent"),
                 qPrintable(question.strText));
        QVERIFY2(question.strText.contains("SHA-256 fingerprint: " + m_strFingerprintA),
                 qPrintable(question.strText));
        QVERIFY(question.strText.contains("Subject: CN=alpha"));
        QVERIFY(question.strText.contains("Issuer: CN=alpha"));
        QVERIFY(question.strText.contains("self-signed", Qt::CaseInsensitive));
        QVERIFY(!question.strText.contains("not the certificate you accepted"));
        // The answer is acted on before the question returns: no second question, no login, and
        // no request under way (which would have started the timer).
        QCOMPARE(run.prompts->shown.size(), 1);
        QVERIFY(!run.LoggedIn());
        QVERIFY(!run.window->cycle().timerTimeout.isActive());
        QVERIFY(!QFile::exists(strCertificates));
    }
    {
        // Yes: remembered in a file of its own; the login and the tree download go through.
        Run run(settings.path());
        run.prompts->answers << Prompts::Answer::Yes;
        run.LogIn(server.Address());
        ZORV_TRY(run.LoggedIn());
        ZORV_TRY_COMPARE(run.window->objCharDB().Count(), 62);
        QCOMPARE(run.prompts->shown.size(), 1);
        QCOMPARE(FileBytes(strCertificates), "[Certificates]\r\n" + strKey.toLatin1() + " = " +
                                                 m_strFingerprintA.toLatin1() + "\r\n");
        const QByteArray ini = FileBytes(run.window->settings().strINIFile);
        QVERIFY2(ini.contains("[" + server.Address().toLatin1() + "]"), ini.constData());
        QVERIFY(!ini.contains(m_strFingerprintA.toLatin1()));
    }

    // Another certificate at the same address.
    server.Stop();
    QVERIFY(
        server.Start(QString(), TlsArgs(m_certs.path(), "beta") + QStringList{"--listen", strKey}));
    {
        Run run(settings.path());
        run.prompts->answers << Prompts::Answer::No;
        run.LogIn(server.Address());
        QTRY_COMPARE(run.prompts->shown.size(), 1);
        const QString& strText = run.prompts->shown[0].strText;
        QVERIFY2(strText.contains("SHA-256 fingerprint: " + m_strFingerprintB),
                 qPrintable(strText));
        QVERIFY(strText.contains("not the certificate you accepted for this server before"));
        QVERIFY(!run.LoggedIn());
        QVERIFY(!run.window->cycle().timerTimeout.isActive());
        // The refusal leaves the earlier acceptance as it was.
        QVERIFY(FileBytes(strCertificates).contains(m_strFingerprintA.toLatin1()));
    }
}

// Against the scripted TLS peer: No sends no byte; while the question is open the request timer
// stands still; Yes sends exactly the request a plain exchange sends, on a new connection, and
// the reply is read as in the clear; the certificate is then taken without a question.
void tst_tls::exactBytesAndTimerOverTls() {
    TlsPeer peer(m_certs.filePath("alpha.pem"), m_certs.filePath("alpha.key"),
                 ScriptedPeer::Reply("800", "3|Ann|50|1|-1||0|0|0!;"));
    QVERIFY(peer.bReady);
    ScriptedPrompts prompts;
    StatusBar status;
    for (const QString& strPanel :
         {RequestCycle::kPanelOp, RequestCycle::kPanelHTTP, RequestCycle::kPanelData})
        status.AddPanel(strPanel);
    RequestCycle cycle(prompts, status, kDefaultTimeoutSeconds);
    cycle.SetServer("https://" + peer.Address() + "/zorv");
    cycle.SetPlayer(QStringLiteral("Ann"), QStringLiteral("pw1"));
    QTemporaryDir dir;
    cycle.objKnownCertificates.SetFile(dir.filePath("certificates.ini"));
    QSignalSpy results(&cycle.Exchange(), &HTTPRequest::GotResults);
    QList<bool> timerRan; // at each question, whether the request timer ran
    auto Answer = [&](Prompts::Answer answer) {
        prompts.answers << answer;
        prompts.whileOpen << [&] { timerRan << cycle.timerTimeout.isActive(); };
    };

    Answer(Prompts::Answer::No);
    QVERIFY(!cycle.StartAndWait([&] { cycle.StartOperation(100, "Downloading Tree Info"); }));
    QCOMPARE(prompts.shown.size(), 1);
    QCOMPARE(peer.requests, QList<QByteArray>{QByteArray()});
    QVERIFY(!cycle.timerTimeout.isActive());
    QCOMPARE(results.size(), 0);

    const QByteArray body = "charname=Ann&password=pw1&msgid=100";
    const QByteArray request = "POST /zorv HTTP/1.0\r\nHost: " + peer.Address().toLatin1() +
                               "\r\nConnection: close\r\nUser-Agent: ZORV " + zorv::kVersion +
                               "\r\nContent-length: " + QByteArray::number(body.size()) +
                               "\r\n\r\n" + body + "\r\n";
    Answer(Prompts::Answer::Yes);
    cycle.StartOperation(100, "Downloading Tree Info");
    QTRY_COMPARE(results.size(), 1);
    QCOMPARE(prompts.shown.size(), 2);
    QCOMPARE(timerRan, (QList<bool>{false, false}));
    // Up to the reply, after No: no byte, and no connection but the one Yes answered.
    QCOMPARE(peer.requests.size(), 3);
    QCOMPARE(peer.requests[0], QByteArray());
    QCOMPARE(peer.requests[1], QByteArray()); // the connection the question ended
    QCOMPARE(peer.requests[2], request);
    QCOMPARE(cycle.Exchange().strHTTPData, QStringLiteral("3|Ann|50|1|-1||0|0|0!;"));

    cycle.StartOperation(100, "Downloading Tree Info");
    QTRY_COMPARE(results.size(), 2);
    QCOMPARE(prompts.shown.size(), 2);
    QCOMPARE(peer.requests.size(), 4);
    QCOMPARE(peer.requests[3], request);

    // A question left open longer than a request may take: no timeout comes meanwhile, and Yes
    // still gets the reply.
    QTemporaryDir fresh;
    cycle.objKnownCertificates.SetFile(fresh.filePath("certificates.ini"));
    cycle.SetTimeoutSeconds(1);
    prompts.answers << Prompts::Answer::Yes;
    // A timer left running while the question is open would fire within the second.
    prompts.whileOpen << [&] { QTRY_VERIFY_WITH_TIMEOUT(!cycle.timerTimeout.isActive(), 5000); };
    cycle.StartOperation(100, "Downloading Tree Info");
    QTRY_COMPARE(results.size(), 3);
    QCOMPARE(prompts.shown.size(), 3); // the question, and no timeout message
    QCOMPARE(cycle.Exchange().strHTTPData, QStringLiteral("3|Ann|50|1|-1||0|0|0!;"));
}

void tst_tls::failedHandshakeIsReportedAtOnce() {
    // A plain server at an https:// address: the handshake fails at the first reply byte.
    ServerProcess server;
    QVERIFY(server.Start("demo"));
    ScriptedPrompts prompts;
    StatusBar status;
    status.AddPanel(RequestCycle::kPanelHTTP);
    RequestCycle cycle(prompts, status, kDefaultTimeoutSeconds);
    cycle.SetServer("https://" + server.Address());
    prompts.ExpectOk();
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!cycle.StartAndWait([&] { cycle.StartOperation(104, QString()); }));
    QVERIFY(clock.elapsed() < cycle.timerTimeout.interval());
    QCOMPARE(prompts.shown.size(), 1);
    QCOMPARE(prompts.shown[0].strTitle, QStringLiteral("Connection Error"));
    const QString strServer = server.Address().section('/', 0, 0);
    QVERIFY2(prompts.shown[0].strText.startsWith("The ZORV server at " + strServer +
                                                 " could not be reached: "),
             qPrintable(prompts.shown[0].strText));
    QVERIFY2(prompts.shown[0].strText.contains("SSL", Qt::CaseInsensitive) ||
                 prompts.shown[0].strText.contains("TLS"),
             qPrintable(prompts.shown[0].strText));
    QVERIFY(!cycle.timerTimeout.isActive());
}

void tst_tls::requestsLeaveWithoutNagle_data() {
    QTest::addColumn<bool>("tls");
    QTest::newRow("plain") << false;
    QTest::newRow("TLS") << true;
}

// Guards the low-delay option of the client's socket: with Nagle's algorithm a request over TLS
// waits some 40 ms for the server's delayed ACK of the handshake's last message. The option is
// read back from the system as the request is written, since Qt drops one set before the socket
// has connected.
void tst_tls::requestsLeaveWithoutNagle() {
    QFETCH(bool, tls);
    ServerProcess server;
    QVERIFY(server.Start("demo", tls ? TlsArgs(m_certs.path(), "alpha") : QStringList()));
    const QString strHost = server.Address().section("://", -1).section('/', 0, 0);
    HTTPRequest http;
    int iNoDelay = -1;
    connect(&http, &HTTPRequest::DataSent, this, [&] {
        int iValue = 0;
        socklen_t nValue = sizeof iValue;
        if (getsockopt(static_cast<int>(http.wskData->socketDescriptor()), IPPROTO_TCP, TCP_NODELAY,
                       &iValue, &nValue) == 0)
            iNoDelay = iValue;
    });
    QSignalSpy results(&http, &HTTPRequest::GotResults);
    http.AddPostData("charname", "Aldric Stormwind");
    http.AddPostData("password", "lantern1");
    http.AddPostData("msgid", "104");
    http.Connect(strHost, "/zorv", tls,
                 QSslCertificate::fromPath(m_certs.filePath("alpha.pem"))
                     .value(0)
                     .digest(QCryptographicHash::Sha256));
    ZORV_TRY_COMPARE(results.size(), 1);
    QCOMPARE(http.strResultCode, QStringLiteral("800"));
    QCOMPARE(iNoDelay, 1);
}

QTEST_MAIN(tst_tls)
#include "tst_tls.moc"
