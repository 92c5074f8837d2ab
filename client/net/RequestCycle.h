#pragma once
// What every server operation has in common: the credentials each request starts with, the
// way an operation is started, which operation a reply belongs to, the status texts while an
// exchange runs, the timeout, the error messages, and the routing of successful replies to the
// procedure that owns the operation. The main window owns one and wires it to its views.
#include "FormKeys.h"
#include "HTTPRequest.h"
#include "KnownCertificates.h"
#include "MessagePrompts.h"
#include "ProgressDisplay.h"

#include <QObject>
#include <QTimer>
#include <functional>
#include <map>
#include <utility>
#include <vector>

// A form key of the protocol's table, as a field's name.
inline QString FormKey(const char* szKey) {
    return QLatin1String(szKey);
}

// One operation to send: its number, its fields and the login it goes out under. The request
// text is "charname", "password", the head fields, "msgid", then the fields, in that order.
struct Request {
    using Field = std::pair<QString, QString>;

    Request() = default;
    explicit Request(qint16 iMsgId, QString strStatusText = QString(),
                     std::vector<Field> operationFields = {})
        : msgid(iMsgId), strStatus(std::move(strStatusText)), fields(std::move(operationFields)) {}

    qint16 msgid = 0;
    QString strStatus;         // the "Current Op" panel while it runs; empty leaves the panel
    std::vector<Field> fields; // after the msgid
    // Before the msgid: the save names the acting character and the record saved first.
    std::vector<Field> head;
    QString strCharName; // the login it goes out under; empty for the own login
    QString strPass;
};

// A reply as its route receives it.
struct Reply {
    qint16 msgid = 0;
    qint16 iCode = 0;       // the result code, signed
    QString strPayload;     // the text after the result code, the stop marker included
    bool bStopSeen = false; // the payload ended in the stop marker: it arrived whole
};

class RequestCycle final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RequestCycle)
public:
    using Field = Request::Field;

    static inline const QString kPanelOp = QStringLiteral("Current Op");
    static inline const QString kPanelHTTP = QStringLiteral("HTTP Status");
    static inline const QString kPanelData = QStringLiteral("Data Received");

    RequestCycle(MessagePrompts& prompts, ProgressDisplay& progress, int iTimeoutSeconds,
                 QObject* pParent = nullptr);
    // Gives the busy pointer back if an exchange was still running.
    ~RequestCycle() override;

    QTimer timerTimeout;

    // The certificates accepted for servers whose own do not verify; the login names the file.
    KnownCertificates objKnownCertificates;

    // Where requests go and whose login they carry unless a request names another.
    struct Login {
        QString strServer; // host part of the server address
        QString strURI;    // script path
        bool bTls = false; // the address began with "https://"
        QString strPlayer;
        QString strPassword;
    };
    const Login& CurrentLogin() const { return m_login; }
    // Takes the parts of a server address "[https://]host[:port][/path]" (a leading "http://"
    // is dropped; no path means "/").
    void SetServer(const QString& strAddress);
    void SetPlayer(const QString& strPlayer, const QString& strPassword);
    // One's own password was changed: the requests from now on carry the new one.
    void SetPassword(const QString& strPassword) { m_login.strPassword = strPassword; }
    // No login: the window is back at its start.
    void ForgetLogin() { m_login = Login(); }

    // Asked when an operation's server cannot be reached (refused, not found, timed out), with
    // the reason, before the connection error is shown; true when it has told the user itself.
    std::function<bool(qint16 msgid, const QString& strWhy)> fnUnreachable;
    // While set, the window shows a copy kept from an earlier run and nothing is sent: each
    // operation only puts this text in the status bar, and a chained wait fails at once.
    void SetOffline(const QString& strWhy) { m_strOffline = strWhy; }
    bool IsOffline() const { return !m_strOffline.isEmpty(); }

    // Starts an operation, dropping any exchange still running: the credentials, the fields,
    // the status text, the awaited operation, then the connection. The only way to send.
    void StartOperation(const Request& request);
    void StartOperation(qint16 msgid, const QString& strStatus,
                        const std::vector<Field>& fields = {},
                        const QString& strCharName = QString(), const QString& strPass = QString());

    // Sends a request on an exchange of the caller's own, under the current login, to the current
    // server: no status text, busy pointer or timeout, and no route; its events are the caller's
    // (BackgroundRequest's, for work that runs beside the user's operations).
    void StartOnChannel(HTTPRequest& channel, const Request& request) const;

    // The procedure that handles a successful reply to msgid.
    void Route(qint16 msgid, std::function<void(const Reply&)> handler);
    // A procedure that handles some error codes of msgid itself; it returns false for the codes
    // the error table is to show. A chained wait fails with the error, unless the procedure
    // goes on with another operation and calls KeepWaiting: the wait is then for that one.
    void RouteError(qint16 msgid, std::function<bool(const Reply&)> handler);

    // A chained wait: starts an operation (start) and pumps the event loop until its chain ends.
    // The chain is the exchanges that start, and the routes of the chain's replies, begin; it
    // ends as done when a route of it calls EndWait or returns without starting another, and as
    // failed when its exchange fails (an error code, the timeout, no connection), is dropped by
    // an operation from outside the chain, or when nothing was started. Only the chain itself
    // can end its wait; returns false when it failed. Waits may nest.
    bool StartAndWait(const std::function<void()>& start);
    // From the chain's own code: the wait is done, whatever the route starts next.
    void EndWait();
    // From an error route that has started the operation the chain is to go on with instead.
    void KeepWaiting() { m_bKeepWaiting = true; }
    bool IsWaiting() const;
    // Lets the last reply's text go now rather than at the next exchange; the reply its route
    // holds goes once the route returns.
    void ReleaseReply();
    // Drops the running exchange, stops the timer and ends every chained wait as failed: the
    // window is closing.
    void Abandon();

    void SetTimeoutSeconds(int iSeconds);
    void ErrorHandler(qint16 iCode);
    // An exchange is running, or a chained wait is pumping the event loop for one: starting
    // another now would drop it.
    bool IsBusy() const { return m_bBusy || IsWaiting(); }
    // The operation whose reply is awaited, or was last.
    qint16 CurrentOp() const { return m_iCurrentOp; }
    // That operation went out under another character's login than the own.
    bool CurrentOpAsOther() const { return m_bCurrentAsOther; }
    // The exchange, for watching its events.
    const HTTPRequest& Exchange() const { return HTTP; }

signals:
    // A server error that sends the user back to the login.
    void LoginRequired();
    // The successful reply to msgid has been handled by its route.
    void Answered(qint16 msgid);

private:
    // Clears the exchange and writes the request's form into it: the credentials (empty ones
    // mean the own login), the head, the msgid, the fields.
    void Compose(HTTPRequest& exchange, const Request& request) const;
    // Sends what an exchange holds to the current server.
    void Connect(HTTPRequest& exchange) const;
    // Sends the user's exchange as composed.
    void Send();
    // The reply's result code as a signed 16-bit number.
    qint16 ResultCode() const;
    void HTTP_TryConnection();
    void HTTP_Connected();
    void HTTP_ReceivingData(qint32 lBytesTotal);
    void HTTP_ConnectionClosed();
    void HTTP_Error();
    void HTTP_ConnectFailed();
    void HTTP_UntrustedCertificate();
    void HTTP_GotResults();
    void timerTimeout_Timer();
    void SetBusy(bool bBusy);
    // Ends the wait with this id (none: 0) as done or failed; a wait already ended stays so.
    void EndWaitOf(quint64 nWait, bool bFailed);
    // The running exchange is over: the wait it belonged to, if any.
    quint64 ExchangeOver() { return std::exchange(m_nExchangeWait, 0); }
    // "host:port" of the current server, as the accepted certificates are keyed.
    QString CertificateKey() const;

    struct Wait {
        quint64 nId = 0;
        bool bOpen = true;
        bool bFailed = false;
    };
    HTTPRequest HTTP;
    Login m_login;
    bool m_bCurrentAsOther = false;
    qint16 m_iCurrentOp = 0;
    MessagePrompts& m_prompts;
    ProgressDisplay& m_status;
    std::map<qint16, std::function<void(const Reply&)>> m_routes;
    std::map<qint16, std::function<bool(const Reply&)>> m_errorRoutes;
    bool m_bBusy = false;
    bool m_bKeepWaiting = false;
    std::vector<Wait> m_waits;   // the chained waits pumping the event loop, innermost last
    quint64 m_nWaits = 0;        // ids given to waits so far
    quint64 m_nInChain = 0;      // the wait whose chain's code runs now (start or a route)
    quint64 m_nExchangeWait = 0; // the wait the running exchange belongs to
    QString m_strOffline;
};
