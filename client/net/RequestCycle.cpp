#include "RequestCycle.h"

#include "ErrorTable.h"
#include "Numbers.h"
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <algorithm>
#include <utility>

RequestCycle::RequestCycle(MessagePrompts& prompts, ProgressDisplay& progress, int iTimeoutSeconds,
                           QObject* pParent)
    : QObject(pParent), m_prompts(prompts), m_status(progress) {
    SetTimeoutSeconds(iTimeoutSeconds);
    connect(&HTTP, &HTTPRequest::TryConnection, this, &RequestCycle::HTTP_TryConnection);
    connect(&HTTP, &HTTPRequest::Connected, this, &RequestCycle::HTTP_Connected);
    connect(&HTTP, &HTTPRequest::ReceivingData, this, &RequestCycle::HTTP_ReceivingData);
    connect(&HTTP, &HTTPRequest::ConnectionClosed, this, &RequestCycle::HTTP_ConnectionClosed);
    connect(&HTTP, &HTTPRequest::Error, this, &RequestCycle::HTTP_Error);
    connect(&HTTP, &HTTPRequest::GotResults, this, &RequestCycle::HTTP_GotResults);
    connect(&HTTP, &HTTPRequest::ConnectFailed, this, &RequestCycle::HTTP_ConnectFailed);
    connect(&HTTP, &HTTPRequest::UntrustedCertificate, this,
            &RequestCycle::HTTP_UntrustedCertificate);
    connect(&timerTimeout, &QTimer::timeout, this, &RequestCycle::timerTimeout_Timer);
}

RequestCycle::~RequestCycle() {
    SetBusy(false);
}

void RequestCycle::SetServer(const QString& strAddress) {
    QString strRest = strAddress;
    m_login.bTls = strRest.startsWith(QStringLiteral("https://"), Qt::CaseInsensitive);
    if (m_login.bTls)
        strRest = strRest.mid(8);
    else if (strRest.startsWith(QStringLiteral("http://"), Qt::CaseInsensitive))
        strRest = strRest.mid(7);
    int iSlash = strRest.indexOf(QLatin1Char('/'));
    m_login.strServer = iSlash < 0 ? strRest : strRest.left(iSlash);
    m_login.strURI = iSlash < 0 ? QStringLiteral("/") : strRest.mid(iSlash);
}

void RequestCycle::SetPlayer(const QString& strPlayer, const QString& strPassword) {
    m_login.strPlayer = strPlayer;
    m_login.strPassword = strPassword;
}

QString RequestCycle::CertificateKey() const {
    QString strHost;
    quint16 nPort = 0;
    HTTPRequest::SplitHostPort(m_login.strServer, strHost, nPort, 443);
    return KnownCertificates::ServerKey(strHost, nPort);
}

namespace {

// A request with a key its operation does not take is a fault of this program: the server
// would pass over the value without a word. Debug builds stop at it.
void AssertKeysOfTheTable([[maybe_unused]] const Request& request) {
#ifndef NDEBUG
    for (const auto* pFields : {&request.head, &request.fields})
        for (const Request::Field& field : *pFields)
            Q_ASSERT_X(
                zorv::form::IsKeyOf(request.msgid, field.first.toStdString()), "RequestCycle",
                qPrintable(QStringLiteral("%1 sent to %2").arg(field.first).arg(request.msgid)));
#endif
}

} // namespace

void RequestCycle::Compose(HTTPRequest& exchange, const Request& request) const {
    AssertKeysOfTheTable(request);
    exchange.Clear();
    exchange.AddPostData(FormKey(zorv::form::kCharName),
                         request.strCharName.isEmpty() ? m_login.strPlayer : request.strCharName);
    exchange.AddPostData(FormKey(zorv::form::kPassword),
                         request.strPass.isEmpty() ? m_login.strPassword : request.strPass);
    for (const Field& field : request.head)
        exchange.AddPostData(field.first, field.second);
    exchange.AddPostData(FormKey(zorv::form::kMsgId), QString::number(request.msgid));
    for (const Field& field : request.fields)
        exchange.AddPostData(field.first, field.second);
}

void RequestCycle::Connect(HTTPRequest& exchange) const {
    exchange.Connect(m_login.strServer, m_login.strURI, m_login.bTls,
                     m_login.bTls ? objKnownCertificates.Digest(CertificateKey()) : QByteArray());
}

void RequestCycle::StartOperation(const Request& request) {
    if (IsOffline()) {
        m_status.SetPanel(kPanelOp, m_strOffline);
        EndWaitOf(m_nInChain, true);
        return;
    }
    // An operation from outside a chain drops the chain's exchange, and so ends its wait.
    if (const quint64 nDropped = ExchangeOver(); nDropped != m_nInChain)
        EndWaitOf(nDropped, true);
    if (std::any_of(m_waits.begin(), m_waits.end(),
                    [this](const Wait& wait) { return wait.nId == m_nInChain && wait.bOpen; }))
        m_nExchangeWait = m_nInChain;
    Compose(HTTP, request);
    SetBusy(true);
    if (!request.strStatus.isEmpty())
        m_status.SetPanel(kPanelOp, request.strStatus);
    m_iCurrentOp = request.msgid;
    m_bCurrentAsOther = !request.strCharName.isEmpty();
    Send();
}

void RequestCycle::StartOperation(qint16 msgid, const QString& strStatus,
                                  const std::vector<Field>& fields, const QString& strCharName,
                                  const QString& strPass) {
    Request request(msgid, strStatus, fields);
    request.strCharName = strCharName;
    request.strPass = strPass;
    StartOperation(request);
}

void RequestCycle::StartOnChannel(HTTPRequest& channel, const Request& request) const {
    Compose(channel, request);
    Connect(channel);
}

void RequestCycle::Send() {
    Connect(HTTP);
}

void RequestCycle::Route(qint16 msgid, std::function<void(const Reply&)> handler) {
    m_routes[msgid] = std::move(handler);
}

void RequestCycle::RouteError(qint16 msgid, std::function<bool(const Reply&)> handler) {
    m_errorRoutes[msgid] = std::move(handler);
}

bool RequestCycle::StartAndWait(const std::function<void()>& start) {
    const quint64 nWait = ++m_nWaits;
    m_waits.push_back(Wait{nWait});
    auto Find = [this, nWait] {
        return std::find_if(m_waits.begin(), m_waits.end(),
                            [nWait](const Wait& wait) { return wait.nId == nWait; });
    };
    {
        const quint64 nOuter = std::exchange(m_nInChain, nWait);
        start();
        m_nInChain = nOuter;
    }
    // Nothing started, nothing to wait for.
    if (m_nExchangeWait != nWait)
        EndWaitOf(nWait, true);
    while (Find()->bOpen)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const bool bFailed = Find()->bFailed;
    m_waits.erase(Find());
    return !bFailed;
}

void RequestCycle::EndWait() {
    EndWaitOf(m_nInChain, false);
}

bool RequestCycle::IsWaiting() const {
    return std::any_of(m_waits.begin(), m_waits.end(), [](const Wait& wait) { return wait.bOpen; });
}

void RequestCycle::EndWaitOf(quint64 nWait, bool bFailed) {
    for (Wait& wait : m_waits)
        if (wait.nId == nWait && wait.bOpen) {
            wait.bOpen = false;
            wait.bFailed = bFailed;
        }
}

void RequestCycle::ReleaseReply() {
    QString().swap(HTTP.strHTTPData);
}

void RequestCycle::Abandon() {
    HTTP.Clear();
    timerTimeout.stop();
    SetBusy(false);
    m_nExchangeWait = 0;
    for (Wait& wait : m_waits)
        EndWaitOf(wait.nId, true);
}

void RequestCycle::SetTimeoutSeconds(int iSeconds) {
    timerTimeout.setInterval(iSeconds * 1000);
}

qint16 RequestCycle::ResultCode() const {
    return zorv::ReadInt16(HTTP.strResultCode.toStdString());
}

void RequestCycle::SetBusy(bool bBusy) {
    if (bBusy == m_bBusy)
        return;
    m_bBusy = bBusy;
    m_status.ShowBusy(bBusy);
}

void RequestCycle::HTTP_TryConnection() {
    //: Connection status, shown in a panel of the status bar.
    m_status.SetPanel(kPanelHTTP, tr("Connecting to Server"));
    SetBusy(true);
    timerTimeout.start();
}

void RequestCycle::HTTP_Connected() {
    //: Connection status, shown in a panel of the status bar.
    m_status.SetPanel(kPanelHTTP, tr("Connected to Server"));
}

void RequestCycle::HTTP_ReceivingData(qint32 lBytesTotal) {
    //: Connection status, shown in a panel of the status bar.
    m_status.SetPanel(kPanelHTTP, tr("Receiving Data"));
    //: Shown in a panel of the status bar; %1 is the number of bytes of the reply so far.
    m_status.SetPanel(kPanelData, tr("%1 bytes received").arg(lBytesTotal));
}

void RequestCycle::HTTP_ConnectionClosed() {
    SetBusy(false);
    timerTimeout.stop();
}

void RequestCycle::HTTP_Error() {
    const quint64 nChain = ExchangeOver();
    const qint16 iCode = ResultCode();
    bool bHandled = false;
    auto route = m_errorRoutes.find(m_iCurrentOp);
    if (route != m_errorRoutes.end()) {
        std::function<bool(const Reply&)> handler = route->second; // it may start another exchange
        m_bKeepWaiting = false;
        const quint64 nOuter = std::exchange(m_nInChain, nChain);
        bHandled = handler(Reply{m_iCurrentOp, iCode, HTTP.strHTTPData, HTTP.bStopSeen});
        m_nInChain = nOuter;
    }
    // A failed exchange ends its chain, unless the route went on with another operation of it.
    if (!std::exchange(m_bKeepWaiting, false) || m_nExchangeWait != nChain)
        EndWaitOf(nChain, true);
    if (!bHandled)
        ErrorHandler(iCode);
}

void RequestCycle::HTTP_ConnectFailed() {
    timerTimeout.stop();
    SetBusy(false);
    EndWaitOf(ExchangeOver(), true);
    //: Connection status, shown in a panel of the status bar.
    m_status.SetPanel(kPanelHTTP, tr("Not Connected"));
    if (fnUnreachable && fnUnreachable(m_iCurrentOp, HTTP.strConnectError))
        return;
    //: %1 is the server's address, %2 why it could not be reached.
    m_prompts.Message(tr("The ZORV server at %1 could not be reached: %2")
                          .arg(HTTP.strHostName, HTTP.strConnectError),
                      MessagePrompts::Buttons::Ok, MessagePrompts::Icon::Critical,
                      tr("Connection Error"));
}

void RequestCycle::HTTP_UntrustedCertificate() {
    // Nothing was sent; the exchange waits for the user, not for the timer.
    timerTimeout.stop();
    SetBusy(false);
    //: Connection status, shown in a panel of the status bar.
    m_status.SetPanel(kPanelHTTP, tr("Certificate Not Trusted"));
    const QString strKey = CertificateKey();
    const QByteArray baDigest = KnownCertificates::Sha256(HTTP.certUntrusted);
    const bool bChanged = !objKnownCertificates.Digest(strKey).isEmpty();
    const QString strRequest = HTTP.strHeader;
    const bool bAccepted =
        m_prompts.Confirm(KnownCertificates::Question(HTTP.strHostName, HTTP.certUntrusted,
                                                      HTTP.untrustedErrors, bChanged),
                          MessagePrompts::Icon::Exclamation, tr("Untrusted Certificate"));
    // The window may have dropped this exchange, or started another, while the question was open.
    if (HTTP.wskData || HTTP.strHeader != strRequest)
        return;
    if (!bAccepted) {
        EndWaitOf(ExchangeOver(), true);
        //: Connection status, shown in a panel of the status bar.
        m_status.SetPanel(kPanelHTTP, tr("Not Connected"));
        return;
    }
    if (!objKnownCertificates.Accept(strKey, baDigest))
        //: %1 is the file that keeps the accepted certificates.
        m_prompts.Message(tr("The certificate could not be remembered in %1.  It is accepted for "
                             "now; you will be asked again next time.")
                              .arg(QDir::toNativeSeparators(objKnownCertificates.File())),
                          MessagePrompts::Buttons::Ok, MessagePrompts::Icon::Exclamation,
                          tr("Untrusted Certificate"));
    // The same request again, on a new connection: the server may have given up on this one
    // while the question was open.
    Send();
}

void RequestCycle::HTTP_GotResults() {
    //: Connection status, shown in a panel of the status bar.
    m_status.SetPanel(kPanelHTTP, tr("Closing Connection"));
    const qint16 msgid = m_iCurrentOp; // the handler may start another operation
    const Reply reply{msgid, ResultCode(), HTTP.strHTTPData, HTTP.bStopSeen};
    const quint64 nChain = ExchangeOver();
    auto route = m_routes.find(msgid);
    if (route != m_routes.end()) {
        // A copy: the handler may route anew or start nested exchanges.
        std::function<void(const Reply&)> handler = route->second;
        const quint64 nOuter = std::exchange(m_nInChain, nChain);
        handler(reply);
        m_nInChain = nOuter;
    }
    // A route of the chain that starts nothing more ends it as done.
    if (m_nExchangeWait != nChain)
        EndWaitOf(nChain, false);
    emit Answered(msgid);
}

void RequestCycle::ErrorHandler(qint16 iCode) {
    std::optional<QString> strText = ServerErrorText(iCode, HTTP.strHTTPData);
    if (!strText)
        strText = ServerErrorText(iCode);
    if (strText) {
        m_prompts.Message(*strText, MessagePrompts::Buttons::Ok, MessagePrompts::Icon::Critical,
                          //: The title of a server error's message; %1 is its code.
                          tr("ZORV Error #%1").arg(iCode));
        if (ErrorReturnsToLogin(iCode, m_bCurrentAsOther))
            emit LoginRequired();
    } else {
        //: %1 is the code of a server error that has no message of its own.
        m_prompts.Inform(tr("Error #%1").arg(iCode));
    }
}

void RequestCycle::timerTimeout_Timer() {
    // Once per exchange: the message box's own event loop must not stack further timeouts.
    timerTimeout.stop();
    HTTP.Clear();
    SetBusy(false);
    EndWaitOf(ExchangeOver(), true);
    //: Why the server could not be reached; it ends a sentence, after a colon.
    if (fnUnreachable && fnUnreachable(m_iCurrentOp, tr("it did not answer in time")))
        return;
    m_prompts.Message(tr("A timeout error has occured!  This can mean manys things: \r\n"
                         "- The ZORV server is setup incorrectly or is down\r\n"
                         "- The server address you used is incorrect\r\n"
                         "- Your internet connection is down\r\n"
                         "- Or this program is gimpy"),
                      MessagePrompts::Buttons::Ok, MessagePrompts::Icon::Critical, tr("Timeout!"));
}
