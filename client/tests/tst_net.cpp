// The server link: exact request bytes, reply framing, the request cycle's status texts and
// timeout, the error table, and the return to the login. The versions' comparison is tested
// where the login meets it.
#include "CriticalError.h"
#include "ErrorTable.h"
#include "HTTPRequest.h"
#include "LoginReply.h"
#include "Refusals.h"
#include "RequestCycle.h"
#include "ScriptedPeer.h"
#include "ScriptedPrompts.h"
#include "Settings.h"
#include "StatusBar.h"
#include "frmMain.h"

#include <QTranslator>

#include <QApplication>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

struct Outcome {
    QString strEvent; // "GotResults", "Error" or "" while none arrived
    QString strCode;
    QString strPayload;
};

// Runs one exchange of `http` against the peer: waits for the request, plays each arrival
// after the previous one has been read, closes, and waits for the outcome.
Outcome Exchange(HTTPRequest& http, ScriptedPeer& peer, const QList<QByteArray>& arrivals) {
    Outcome outcome;
    auto onResults = QObject::connect(&http, &HTTPRequest::GotResults, [&] {
        outcome = {QStringLiteral("GotResults"), http.strResultCode, http.strHTTPData};
    });
    auto onError = QObject::connect(&http, &HTTPRequest::Error, [&] {
        outcome = {QStringLiteral("Error"), http.strResultCode, http.strHTTPData};
    });
    http.Connect(peer.Address(), QStringLiteral("/zorv"));
    int iConnection = peer.Connections();
    [&] { QTRY_VERIFY(peer.RequestComplete(iConnection)); }();
    qint32 lExpected = 0;
    for (const QByteArray& arrival : arrivals) {
        peer.Send(iConnection, arrival);
        lExpected += arrival.size();
        [&] { QTRY_COMPARE(http.lBytesGot, lExpected); }();
    }
    peer.Close(iConnection);
    [&] { QTRY_VERIFY(!outcome.strEvent.isEmpty()); }();
    QObject::disconnect(onResults);
    QObject::disconnect(onError);
    return outcome;
}

// A request cycle on its own: scripted prompts, the three status panels and a scripted peer as
// the server.
struct CycleBench {
    CycleBench() : cycle(prompts, status, kDefaultTimeoutSeconds) {
        for (const QString& strPanel :
             {RequestCycle::kPanelOp, RequestCycle::kPanelHTTP, RequestCycle::kPanelData})
            status.AddPanel(strPanel);
        cycle.SetServer(peer.Address() + QStringLiteral("/"));
    }
    ScriptedPrompts prompts;
    StatusBar status;
    ScriptedPeer peer;
    RequestCycle cycle;
};

} // namespace

class tst_net final : public QObject {
    Q_OBJECT

private slots:
    void requestBytes();
    void replies_data();
    void replies();
    void needDataUntilTheEndMarkerOrTheClose();
    void newExchangeStartsEmpty();
    void statusTextsAndByteTotal();
    void onlyNewestReplyIsHandled();
    void timeoutShowsOnceAndAbandons();
    void errorTable();
    void refusalsInTheUsersLanguage();
    void loginCodesReachLoginForm_data();
    void loginCodesReachLoginForm();
    void criticalErrorGoesOn();
    void loginReplyFields();
    void unreachableServerIsReportedAtOnce();
    void throttledLoginNamesTheWait();
    void chainedWaitEndsWithItsOwnChain();
};

void tst_net::requestBytes() {
    // Guards the request text letter for letter: header order, case, the uncounted CR LF.
    CycleBench bench;
    auto& [prompts, status, peer, cycle] = bench;
    cycle.SetServer(cycle.CurrentLogin().strServer + QStringLiteral("/zorv/zorv.cgi"));
    cycle.SetPlayer(QStringLiteral("Al"), QStringLiteral("p"));
    cycle.StartOperation(100, QStringLiteral("Downloading Tree Info"));
    QTRY_VERIFY(peer.RequestComplete());
    QCOMPARE(peer.Request(), QByteArray("POST /zorv/zorv.cgi HTTP/1.0\r\n"
                                        "Host: " +
                                        peer.Address().toLatin1() +
                                        "\r\n"
                                        "Connection: close\r\n"
                                        "User-Agent: ZORV 0.3\r\n"
                                        "Content-length: 32\r\n"
                                        "\r\n"
                                        "charname=Al&password=p&msgid=100\r\n"));
    QCOMPARE(status.Panel(RequestCycle::kPanelOp), QStringLiteral("Downloading Tree Info"));
    QCOMPARE(cycle.CurrentOp(), qint16(100));

    // Another character's credentials replace the own ones; fields follow msgid, escaped.
    cycle.StartOperation(101, QString(), {{"vassalname", "a|b&c!;d"}, {"vassallist", "x=y z"}},
                         QStringLiteral("Bo"), QStringLiteral("secret"));
    QTRY_VERIFY(peer.RequestComplete(1));
    QByteArray body = "charname=Bo&password=secret&msgid=101&vassalname=a(pipe)b(amp)c(end)d"
                      "&vassallist=x=y z";
    QVERIFY(peer.Request(1).endsWith("Content-length: " + QByteArray::number(body.size()) +
                                     "\r\n\r\n" + body + "\r\n"));
}

void tst_net::replies_data() {
    QTest::addColumn<QList<QByteArray>>("arrivals");
    QTest::addColumn<QString>("event");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("payload");
    auto Row = [](const char* szName, const QList<QByteArray>& arrivals, const char* szEvent,
                  const char* szCode, const QString& strPayload) {
        QTest::newRow(szName) << arrivals << QString(szEvent) << QString(szCode) << strPayload;
    };
    const QByteArray chunked = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n";

    Row("plain", {ScriptedPeer::Reply("800", "1|Al!;")}, "GotResults", "800", "1|Al!;");
    Row("801 empty payload", {ScriptedPeer::Reply("801", "")}, "GotResults", "801", "");
    Row("950 is an error", {ScriptedPeer::Reply("950", "")}, "Error", "950", "<STOP_HERE>");
    // The extension after ";" on the size line must not be read as part of the size.
    Row("chunked with extension",
        {chunked + "1a;name=x\r\n<START_HERE>800;abcdefghij\r\n"
                   "b\r\n<STOP_HERE>\r\n0\r\nTrailer: x\r\n\r\n"},
        "GotResults", "800", "abcdefghij");
    // A size above 7FFF needs more than 16 bits.
    const QByteArray big(40000, 'x');
    const QByteArray bigBody = "<START_HERE>800;" + big + "<STOP_HERE>";
    Row("chunk above 7FFF",
        {chunked + QByteArray::number(bigBody.size(), 16) + "\r\n" + bigBody + "\r\n0\r\n\r\n"},
        "GotResults", "800", QString::fromLatin1(big));
    // Only the arrival is searched for the end marker; the close still ends the exchange.
    Row("end marker split", {"HTTP/1.0 200 OK\r\n\r\n<START_HERE>800;abc<STOP_", "HERE>"},
        "GotResults", "800", "abc");
    Row("404 without marker", {"HTTP/1.0 404 Not Found\r\n\r\n<html>gone</html>"}, "Error", "993",
        "<html>gone</html>");
    Row("404 with marker is the server's reply",
        {"HTTP/1.1 404 Not Found\r\n\r\n<START_HERE>800;ok<STOP_HERE>"}, "GotResults", "800", "ok");
    // Faults that once had no handling: each ends in Error with code 0, never a hang.
    Row("header without blank line", {"HTTP/1.0 200 OK\r\n<START_HERE>800;x<STOP_HERE>"}, "Error",
        "0", "");
    Row("chunk size line without CR LF", {chunked + "1a"}, "Error", "0", "");
    Row("chunk longer than the reply", {chunked + "ff\r\nab"}, "Error", "0", "");
    Row("no result code", {"HTTP/1.0 200 OK\r\n\r\nhello"}, "Error", "", "hello");
}

void tst_net::replies() {
    QFETCH(QList<QByteArray>, arrivals);
    QFETCH(QString, event);
    QFETCH(QString, code);
    QFETCH(QString, payload);
    ScriptedPeer peer;
    HTTPRequest http;
    http.Clear();
    http.AddPostData(QStringLiteral("msgid"), QStringLiteral("100"));
    Outcome outcome = Exchange(http, peer, arrivals);
    QCOMPARE(outcome.strEvent, event);
    QCOMPARE(outcome.strCode, code);
    QCOMPARE(outcome.strPayload, payload);
}

void tst_net::needDataUntilTheEndMarkerOrTheClose() {
    ScriptedPeer peer;
    HTTPRequest http;
    QSignalSpy results(&http, &HTTPRequest::GotResults);
    auto Arrive = [&](const QByteArray& bytes) {
        qint32 lBefore = http.lBytesGot;
        peer.Send(bytes);
        [&] { QTRY_COMPARE(http.lBytesGot, lBefore + qint32(bytes.size())); }();
    };
    auto Start = [&] {
        const int iConnection = peer.Connections();
        http.Clear();
        http.Connect(peer.Address(), QStringLiteral("/zorv"));
        [&] { QTRY_VERIFY(peer.RequestComplete(iConnection)); }();
    };

    // The marker in one arrival: no more data is needed, though the server has not closed.
    Start();
    QVERIFY(http.bNeedData);
    Arrive("HTTP/1.0 200 OK\r\n\r\n<START_HERE>800;a");
    QVERIFY(http.bNeedData);
    Arrive("b<STOP_HERE>");
    QVERIFY(!http.bNeedData);
    QCOMPARE(results.count(), 0);
    peer.Close();
    QTRY_COMPARE(results.count(), 1);
    QVERIFY2(http.bNeedData, "processing readies the exchange for the next reply");

    // Only each arrival is searched: a marker split across two still needs the close.
    Start();
    Arrive("HTTP/1.0 200 OK\r\n\r\n<START_HERE>800;c<STOP_");
    Arrive("HERE>");
    QVERIFY(http.bNeedData);
    peer.Close();
    QTRY_COMPARE(results.count(), 2);
    QCOMPARE(http.strHTTPData, QStringLiteral("c"));
}

void tst_net::newExchangeStartsEmpty() {
    // A reply without a code after a successful one must not inherit its 800.
    ScriptedPeer peer;
    HTTPRequest http;
    Outcome first = Exchange(http, peer, {ScriptedPeer::Reply("800", "first")});
    QCOMPARE(first.strPayload, QStringLiteral("first"));
    http.Clear();
    Outcome second = Exchange(http, peer, {"HTTP/1.0 200 OK\r\n\r\nno code"});
    QCOMPARE(second.strEvent, QStringLiteral("Error"));
    QCOMPARE(second.strCode, QString());
}

void tst_net::statusTextsAndByteTotal() {
    CycleBench bench;
    auto& [prompts, status, peer, cycle] = bench;
    QStringList handled;
    cycle.Route(107, [&](const Reply& reply) { handled << reply.strPayload; });
    QSignalSpy received(&cycle.Exchange(), &HTTPRequest::ReceivingData);

    cycle.StartOperation(107, QStringLiteral("Downloading Character Info"), {{"getcharid", "5"}});
    QCOMPARE(status.Panel(RequestCycle::kPanelHTTP), QStringLiteral("Connecting to Server"));
    QVERIFY(cycle.timerTimeout.isActive());
    QTRY_COMPARE(status.Panel(RequestCycle::kPanelHTTP), QStringLiteral("Connected to Server"));
    QTRY_VERIFY(peer.RequestComplete());

    const int nPayload = 250 - int(ScriptedPeer::Reply("800", "").size());
    QByteArray reply = ScriptedPeer::Reply("800", QByteArray(nPayload, 'z'));
    QCOMPARE(reply.size(), 250);
    peer.Send(reply.left(100));
    QTRY_COMPARE(received.count(), 1);
    QCOMPARE(status.Panel(RequestCycle::kPanelHTTP), QStringLiteral("Receiving Data"));
    QCOMPARE(status.Panel(RequestCycle::kPanelData), QStringLiteral("100 bytes received"));
    peer.Send(reply.mid(100));
    QTRY_COMPARE(received.count(), 2);
    QCOMPARE(received.at(0).at(0).toInt(), 100);
    QCOMPARE(received.at(1).at(0).toInt(), 250);
    QCOMPARE(status.Panel(RequestCycle::kPanelData), QStringLiteral("250 bytes received"));
    peer.Close();
    QTRY_COMPARE(handled.size(), 1);
    QCOMPARE(handled.first(), QString(nPayload, QLatin1Char('z')));
    QCOMPARE(status.Panel(RequestCycle::kPanelHTTP), QStringLiteral("Closing Connection"));
    QVERIFY(!cycle.timerTimeout.isActive());
    QCOMPARE(prompts.shown.size(), 0);
}

void tst_net::onlyNewestReplyIsHandled() {
    CycleBench bench;
    auto& [prompts, status, peer, cycle] = bench;
    QStringList handled;
    cycle.Route(113, [&](const Reply& reply) { handled << "113:" + reply.strPayload; });
    cycle.Route(114, [&](const Reply& reply) { handled << "114:" + reply.strPayload; });

    cycle.StartOperation(113, QStringLiteral("Downloading Rescue Squad List"));
    QTRY_VERIFY(peer.RequestComplete(0));
    cycle.StartOperation(114, QStringLiteral("Downloading Portal List"));
    QTRY_VERIFY(peer.RequestComplete(1));
    // The abandoned exchange's reply arrives first; nobody may act on it.
    peer.Send(0, ScriptedPeer::Reply("800", "old"));
    peer.Close(0);
    peer.Send(1, ScriptedPeer::Reply("800", "new"));
    peer.Close(1);
    QTRY_COMPARE(handled, QStringList{QStringLiteral("114:new")});
    QCOMPARE(prompts.shown.size(), 0);
}

void tst_net::timeoutShowsOnceAndAbandons() {
    // A connection closed without any byte raises nothing; only the timeout reports it.
    CycleBench bench;
    auto& [prompts, status, peer, cycle] = bench;
    QSignalSpy errors(&cycle.Exchange(), &HTTPRequest::Error);
    QSignalSpy results(&cycle.Exchange(), &HTTPRequest::GotResults);
    prompts.ExpectOk();

    cycle.StartOperation(100, QStringLiteral("Downloading Tree Info"));
    QTRY_VERIFY(peer.RequestComplete());
    cycle.timerTimeout.setInterval(50); // restarts the running timer, now short
    peer.Close();
    QTRY_COMPARE(prompts.shown.size(), 1);
    QCOMPARE(prompts.shown[0].strTitle, QStringLiteral("Timeout!"));
    QCOMPARE(prompts.shown[0].icon, Prompts::Icon::Critical);
    QCOMPARE(prompts.shown[0].strText,
             QStringLiteral("A timeout error has occured!  This can mean manys things: \r\n"
                            "- The ZORV server is setup incorrectly or is down\r\n"
                            "- The server address you used is incorrect\r\n"
                            "- Your internet connection is down\r\n"
                            "- Or this program is gimpy"));
    QVERIFY(!cycle.timerTimeout.isActive());
    QVERIFY(cycle.Exchange().wskData == nullptr);
    QCOMPARE(errors.count(), 0);
    QCOMPARE(results.count(), 0);

    // A chained wait ends when its download times out instead of waiting for ever.
    prompts.ExpectOk();
    bool bOk = cycle.StartAndWait(
        [&] { cycle.StartOperation(100, QStringLiteral("Downloading Tree Info")); });
    QVERIFY(!bOk);
    QCOMPARE(prompts.shown.size(), 2);
}

void tst_net::errorTable() {
    // The codes of one range (parted by "|") share one message and each range has its own: the
    // table's edges are where a slip hides. Gaps and strangers get none.
    const QString strRanges = "901 903 904 905 908|902|906|907|909|911 912 913 914 915 916 918 919|"
                              "917|920|930 931 932 933 934 935 936 937 938|939|940|941|950 952 953|"
                              "951|960|961|970 971|972|973|980|987|988|989|990|991|992|993|994|995|"
                              "996 997|998 999|1000|1001|1002|1010 1011 1012 1013|1014|1020|1021|"
                              "1022|1030|1040 1041|1042";
    QStringList texts;
    for (const QString& strRange : strRanges.split('|')) {
        const QStringList codes = strRange.split(' ');
        const std::optional<QString> strText = ServerErrorText(codes[0].toInt());
        QVERIFY2(strText && !strText->isEmpty(), qPrintable(codes[0]));
        for (const QString& strCode : codes)
            QCOMPARE(ServerErrorText(strCode.toInt()), strText);
        QVERIFY2(!texts.contains(*strText), qPrintable(codes[0]));
        texts << *strText;
    }
    for (int iCode : {0, 800, 900, 910, 921, 929, 942, 955, 1003, 1043, -5, 32767})
        QVERIFY2(!ServerErrorText(iCode), qPrintable(QString::number(iCode)));
    // The texts are the guild's own, spelling included.
    QCOMPARE(*ServerErrorText(907), QStringLiteral("There was an error while trying to add the "
                                                   "vassal.  The patron already has the maxium "
                                                   "number of possible vassals."));
    QCOMPARE(*ServerErrorText(988), QStringLiteral("Secuirty Voliation!"));
    QCOMPARE(*ServerErrorText(992), QStringLiteral("You entered invalid input for a string value"));

    // Shown with its code in the title; an unknown code plainly.
    CycleBench bench;
    auto& [prompts, status, peer, cycle] = bench;
    prompts.ExpectOk(2);
    cycle.ErrorHandler(1042);
    cycle.ErrorHandler(1043);
    QCOMPARE(prompts.shown.size(), 2);
    QCOMPARE(prompts.shown[0].strText, *ServerErrorText(1042));
    QCOMPARE(prompts.shown[0].icon, Prompts::Icon::Critical);
    QCOMPARE(prompts.shown[0].strTitle, QStringLiteral("ZORV Error #1042"));
    QCOMPARE(prompts.shown[1].strText, QStringLiteral("Error #1043"));
    QCOMPARE(prompts.shown[1].icon, Prompts::Icon::None);
    QCOMPARE(prompts.shown[1].strTitle, Prompts::AppTitle());
}

// A refused value's sentence is composed from the refusal and parameters after the server's
// English one, in the user's language: the template and the caption translated, the value as
// sent, a parameter that holds a placeholder left as it is.
void tst_net::refusalsInTheUsersLanguage() {
    class German final : public QTranslator {
    public:
        QString translate(const char* szContext, const char* szSource, const char*,
                          int) const override {
            const QString strKey =
                QLatin1String(szContext) + QLatin1Char('/') + QLatin1String(szSource);
            if (strKey == QLatin1String("Refusal/The value '%1' of %2 is not a whole number"))
                return QStringLiteral("%2: \u201E%1\u201C ist keine ganze Zahl");
            if (strKey == QLatin1String("Field/Level"))
                return QStringLiteral("Stufe");
            if (strKey == QLatin1String("Refusal/the %1 of %2 has been changed since"))
                return QStringLiteral("%1 von %2 wurde inzwischen ge\u00e4ndert");
            if (strKey == QLatin1String("Field/Race"))
                return QStringLiteral("Rasse");
            return QString();
        }
        bool isEmpty() const override { return false; }
    } german;
    auto Shown = [](const QByteArray& payload) {
        return ServerErrorText(991, QString::fromLatin1(payload + "<STOP_HERE>"))
            ->section(QStringLiteral("\r\n\r\n"), 1);
    };
    const QByteArray refused =
        "The value 'a(pipe)%2' of Level is not a whole number|1|a(pipe)%2|Level";
    QCOMPARE(Shown(refused), QStringLiteral("The value 'a|%2' of Level is not a whole number"));
    QCoreApplication::installTranslator(&german);
    QCOMPARE(Shown(refused), QStringLiteral("Stufe: \u201Ea|%2\u201C ist keine ganze Zahl"));
    // A skill's name is no caption of the table's: it stays.
    QCOMPARE(Shown("The value 'x' of Sword is not a whole number|1|x|Sword"),
             QStringLiteral("Sword: \u201Ex\u201C ist keine ganze Zahl"));
    // An older server's sentence alone, and a newer server's refusal, show as they came.
    QCOMPARE(Shown("The value 'x' of Level is not a whole number"),
             QStringLiteral("The value 'x' of Level is not a whole number"));
    QCOMPARE(Shown("Something new|999|x"), QStringLiteral("Something new"));
    // An undo names a history field by its name: shown by its caption, translated.
    const std::string strUndo = "the race of Self has been changed since|" +
                                std::to_string(int(zorv::Refusal::ChangedSince)) + "|race|Self";
    QCOMPARE(RefusalSentence(zorv::SplitFields(strUndo)),
             QStringLiteral("Rasse von Self wurde inzwischen ge\u00e4ndert"));
    QCoreApplication::removeTranslator(&german);
}

void tst_net::loginCodesReachLoginForm_data() {
    QTest::addColumn<QByteArray>("code");
    QTest::addColumn<bool>("asDifferent");
    QTest::addColumn<bool>("toLogin");
    QTest::newRow("950") << QByteArray("950") << false << true;
    QTest::newRow("951 own login") << QByteArray("951") << false << true;
    QTest::newRow("951 other character") << QByteArray("951") << true << false;
    QTest::newRow("952") << QByteArray("952") << true << true;
    QTest::newRow("953") << QByteArray("953") << false << true;
    QTest::newRow("954 own login") << QByteArray("954") << false << true;
    QTest::newRow("954 other character") << QByteArray("954") << true << false;
    QTest::newRow("988 stays") << QByteArray("988") << false << false;
}

void tst_net::loginCodesReachLoginForm() {
    QFETCH(QByteArray, code);
    QFETCH(bool, asDifferent);
    QFETCH(bool, toLogin);
    auto pPrompts = std::make_unique<ScriptedPrompts>();
    ScriptedPrompts& prompts = *pPrompts;
    QTemporaryDir settings;
    frmMain window(std::move(pPrompts), settings.path());
    QSignalSpy loginShown(&window, &frmMain::LoginFormShown);
    ScriptedPeer peer;
    RequestCycle& cycle = window.cycle();
    cycle.SetServer(peer.Address() + QStringLiteral("/zorv"));
    prompts.ExpectOk();
    // Another character's login goes in the request itself.
    cycle.StartOperation(107, QStringLiteral("Downloading Character Info"), {},
                         asDifferent ? QStringLiteral("Bo") : QString(),
                         asDifferent ? QStringLiteral("bopass1") : QString());
    QTRY_VERIFY(peer.RequestComplete());
    peer.Send(ScriptedPeer::Reply(code, ""));
    peer.Close();
    if (toLogin) // the server and character dialog opens; the user cancels it
        prompts.dialogs << [](QDialog& dlg) {
            dlg.reject();
            return int(QDialog::Rejected);
        };
    QTRY_COMPARE(prompts.shown.size(), 1);
    QCOMPARE(prompts.shown[0].strTitle, QStringLiteral("ZORV Error #") + code);
    QCOMPARE(loginShown.count(), toLogin ? 1 : 0);
    QCOMPARE(prompts.dialogNames, toLogin ? QStringList{"frmPlayerSetup"} : QStringList());
}

void tst_net::criticalErrorGoesOn() {
    ScriptedPrompts prompts;
    prompts.ExpectOk(2);
    QStringList ran;
    ProcedureGuard Step(prompts, "GenerateTree");
    Step([&] { ran << "one"; });
    Step([&] { (void)std::vector<int>().at(3); });
    Step([&] { ran << "three"; });
    Step([&] { throw ZorvFailure(1100, "Roster is inconsistent"); });
    QCOMPARE(ran, (QStringList{"one", "three"}));
    QCOMPARE(prompts.shown.size(), 2);
    QCOMPARE(prompts.shown[0].strTitle, QStringLiteral("Critical Error!"));
    QCOMPARE(prompts.shown[0].icon, Prompts::Icon::Critical);
    QCOMPARE(prompts.shown[0].strText,
             QStringLiteral("A critical error has occured!\r\nOccurred in: GenerateTree\r\n"
                            "Description: 9 Subscript out of range\r\n"
                            "Please send an email with this information to ") +
                 QLatin1String(kSupportAddress));
    QVERIFY(prompts.shown[1].strText.contains("Description: 1100 Roster is inconsistent\r\n"));
}

void tst_net::loginReplyFields() {
    QCOMPARE(LoginReplyFields("0.3|3|Ann (amp) Bo|3|Guild (pipe) One|1|Watch(end)"),
             (QStringList{"0.3", "3", "Ann & Bo", "3", "Guild | One", "1", "Watch!;"}));
    QCOMPARE(LoginReplyFields("0.3|3|Ann|3|Guild|0|"),
             (QStringList{"0.3", "3", "Ann", "3", "Guild", "0", ""}));
    QCOMPARE(LoginReplyFields("0.3|3").size(), 2);
    QCOMPARE(LoginReplyFields(QString()), QStringList{QString()});
}

void tst_net::unreachableServerIsReportedAtOnce() {
    CycleBench bench;
    auto& [prompts, status, peer, cycle] = bench;
    // Nobody listens on a port just given back; the refusal comes at once, not as the timeout.
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
    const QString strAddress = QStringLiteral("127.0.0.1:") + QString::number(probe.serverPort());
    probe.close();
    cycle.SetServer(strAddress);
    prompts.ExpectOk();
    const bool bDone = cycle.StartAndWait(
        [&] { cycle.StartOperation(100, QStringLiteral("Downloading Tree Info")); });
    QVERIFY(!bDone);
    QCOMPARE(prompts.shown.size(), 1);
    QCOMPARE(prompts.shown[0].strTitle, QStringLiteral("Connection Error"));
    QCOMPARE(prompts.shown[0].icon, Prompts::Icon::Critical);
    QVERIFY2(prompts.shown[0].strText.startsWith("The ZORV server at " + strAddress +
                                                 " could not be reached: "),
             qPrintable(prompts.shown[0].strText));
    QVERIFY(prompts.shown[0].strText.contains("refused", Qt::CaseInsensitive));
    QVERIFY(!cycle.timerTimeout.isActive());
    QVERIFY(QApplication::overrideCursor() == nullptr);

    // A name no server answers to.
    cycle.SetServer(QStringLiteral("no-such-host.invalid"));
    prompts.ExpectOk();
    QVERIFY(!cycle.StartAndWait(
        [&] { cycle.StartOperation(100, QStringLiteral("Downloading Tree Info")); }));
    QCOMPARE(prompts.shown.size(), 2);
    QVERIFY(prompts.shown[1].strText.startsWith("The ZORV server at no-such-host.invalid could "
                                                "not be reached: "));
}

void tst_net::throttledLoginNamesTheWait() {
    CycleBench bench;
    auto& [prompts, status, peer, cycle] = bench;
    prompts.ExpectOk();
    cycle.StartOperation(107, QString());
    QTRY_VERIFY(peer.RequestComplete());
    peer.Send(ScriptedPeer::Reply("954", "Bo (amp) Co|45"));
    peer.Close();
    QTRY_COMPARE(prompts.shown.size(), 1);
    QCOMPARE(prompts.shown[0].strText,
             QStringLiteral("Too many wrong passwords for Bo & Co; try again in 45 seconds"));
    QCOMPARE(prompts.shown[0].strTitle, QStringLiteral("ZORV Error #954"));
    QCOMPARE(prompts.shown[0].icon, Prompts::Icon::Critical);

    // A refused value is named by a newer server, and not by an older one.
    for (const auto& [code, payload] :
         {std::pair{QByteArray("991"),
                    QByteArray("The value '12.5' of Sword is not a whole number")},
          std::pair{QByteArray("991"), QByteArray()},
          std::pair{QByteArray("992"), QByteArray("The value of Bio holds a reply marker")}}) {
        prompts.ExpectOk();
        const qsizetype nShown = prompts.shown.size();
        cycle.StartOperation(106, QString());
        QTRY_COMPARE(peer.Connections(), int(nShown) + 1);
        const int i = peer.Connections() - 1;
        QTRY_VERIFY(peer.RequestComplete(i));
        peer.Send(i, ScriptedPeer::Reply(code, payload));
        peer.Close(i);
        QTRY_COMPARE(prompts.shown.size(), nShown + 1);
        QCOMPARE(prompts.shown.constLast().strTitle, "ZORV Error #" + QString(code));
        const QString strTable = code == "991" ? "You entered invalid input for a numeric value."
                                               : "You entered invalid input for a string value";
        QCOMPARE(prompts.shown.constLast().strText,
                 payload.isEmpty() ? strTable : strTable + "\r\n\r\n" + payload);
    }
}

void tst_net::chainedWaitEndsWithItsOwnChain() {
    CycleBench bench;
    auto& [prompts, status, peer, cycle] = bench;
    // A chain of two: the route of the first reply goes on with the second; only the second's
    // reply ends the wait, and an unrelated route's EndWait meanwhile does not.
    cycle.Route(120, [&](const Reply&) { cycle.StartOperation(100, QString()); });
    bool bTreeShown = false;
    cycle.Route(100, [&](const Reply&) { bTreeShown = true; });
    cycle.Route(107, [&](const Reply&) { cycle.EndWait(); });
    bool bDone = cycle.StartAndWait([&] {
        cycle.StartOperation(120, QString());
        // Meanwhile another part of the window runs a route of its own that says it is done.
        QTimer::singleShot(0, &cycle, [&] {
            QTRY_VERIFY(peer.RequestComplete(0));
            peer.Send(0, ScriptedPeer::Reply("800", "5|!;"));
            peer.Close(0);
            QTRY_VERIFY(peer.RequestComplete(1));
            QVERIFY(cycle.IsWaiting());
            peer.Send(1, ScriptedPeer::Reply("800", "1|Ann|50|2|-1||0|0|0!;"));
            peer.Close(1);
        });
    });
    QVERIFY(bDone);
    QVERIFY(bTreeShown);
    QVERIFY(!cycle.IsBusy());

    // An operation from outside the chain drops its exchange: the wait ends as failed at once,
    // and the outside operation's own reply is handled as usual, nothing left waiting.
    bool bRecordShown = false;
    cycle.Route(107, [&](const Reply&) {
        bRecordShown = true;
        cycle.EndWait(); // no chain's: it ends nothing
    });
    const int iChain = peer.Connections();
    bDone = cycle.StartAndWait([&] {
        cycle.StartOperation(120, QString());
        QTimer::singleShot(0, &cycle, [&] {
            QTRY_VERIFY(peer.RequestComplete(iChain));
            cycle.StartOperation(107, QStringLiteral("Downloading Character Info"));
        });
    });
    QVERIFY(!bDone);
    QVERIFY(!cycle.IsWaiting());
    QTRY_VERIFY(peer.RequestComplete(iChain + 1));
    peer.Send(iChain + 1, ScriptedPeer::Reply("800", "2|Bo"));
    peer.Close(iChain + 1);
    QTRY_VERIFY(bRecordShown);
    QTRY_VERIFY(!cycle.IsBusy());

    // A start that sends nothing (the window is read-only) fails the wait at once.
    cycle.SetOffline(QStringLiteral("Read-only copy"));
    QVERIFY(!cycle.StartAndWait([&] { cycle.StartOperation(100, QString()); }));
    QVERIFY(!cycle.IsBusy());
    QCOMPARE(prompts.shown.size(), 0);
}

QTEST_MAIN(tst_net)
#include "tst_net.moc"
