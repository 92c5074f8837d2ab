#pragma once
// One HTTP/1.0 POST exchange with the server script at a time: builds the request text, drives
// the socket, collects the reply until the server closes and raises the outcome of its framing
// (ReplyFraming.h: header, chunked coding, markers, result code).
// Text is Latin-1 on the wire, so every QString here holds one character per byte. Over TLS
// the same exchange runs on a QSslSocket, and the request goes out once the session is up.
#include <QByteArray>
#include <QList>
#include <QObject>
#include <QSslCertificate>
#include <QSslError>
#include <QString>

class QTcpSocket;

class HTTPRequest final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HTTPRequest)
public:
    explicit HTTPRequest(QObject* pParent = nullptr);
    ~HTTPRequest() override;

    QString strHostName; // "host" or "host:port", as typed; the Host header carries it whole
    QString strURI;      // the script path, beginning with "/"
    QString strPostData;
    QString strHeader; // the complete request text
    bool bNeedData = true;
    qint32 lBytesGot = 0;
    QString strHTTPData; // the received text; after processing only the payload
    QString strHeaderData;
    QString strResultCode;
    bool bStopSeen = false; // the last reply's payload ended in the stop marker
    bool bConnected = false;
    QTcpSocket* wskData = nullptr; // owned; replaced for every exchange; a QSslSocket over TLS
    QString strConnectError;       // why the last exchange could not reach the server
    bool bSecure = false;          // this exchange runs over TLS
    // The server's certificate that did not verify, and why, for UntrustedCertificate.
    QSslCertificate certUntrusted;
    QList<QSslError> untrustedErrors;

    // Abandons any running exchange: no event of it arrives afterwards.
    void Clear();
    void AddPostData(const QString& strVarName, const QString& strValue);
    // Builds the request text and starts connecting; the rest happens in the socket's events.
    // With bTls the exchange runs over TLS, and a server certificate that does not verify is
    // let through only when its SHA-256 digest is baAcceptedDigest.
    void Connect(const QString& strHostName, const QString& strURI, bool bTls = false,
                 const QByteArray& baAcceptedDigest = QByteArray());

    // "host[:port]" → the host to connect to and the port (nDefaultPort when none is given).
    static void SplitHostPort(const QString& strAddress, QString& strHost, quint16& nPort,
                              quint16 nDefaultPort = 80);

signals:
    void Connected();
    void ReceivingData(qint32 lBytesTotal);
    void GotResults();
    void DataSent();
    void ConnectionClosed();
    void Error();
    void TryConnection();
    // The server could not be reached at all (no such host, nobody listening, ...); the reason
    // is in strConnectError. Nothing else of the exchange arrives afterwards.
    void ConnectFailed();
    // The server's certificate does not verify and is not the one accepted: the connection is
    // closed before anything was sent, certUntrusted and untrustedErrors say what it was.
    // Nothing else of the exchange arrives afterwards; a new Connect may try again.
    void UntrustedCertificate();
    // The server closed the connection without a byte of reply (it stopped, say). Nothing else
    // of the exchange arrives; the request cycle leaves it to its timeout.
    void ClosedWithoutReply();

private:
    void wskData_Connect();
    void wskData_DataArrival();
    void wskData_Close();
    void wskData_Error();
    void wskData_SslErrors(const QList<QSslError>& errors);
    void ProcessReply();
    // Closes the socket so that none of its events arrives any more.
    void DropSocket();
    void RaiseError(const QString& strCode);
    // A reply that cannot be framed ends as an error with code 0 and no payload.
    void RaiseFramingFault();

    // Counts exchanges, so that a handler which starts a new exchange ends the old one's work.
    quint64 m_nExchange = 0;
    QByteArray m_baAcceptedDigest;
    bool m_bReachedTls = false; // the TCP connection of a TLS exchange came up
};
