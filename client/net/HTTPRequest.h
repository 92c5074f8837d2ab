#pragma once
// One HTTP/1.0 POST exchange with the server script at a time: builds the request text, drives
// the socket, collects the reply until the server closes and raises the outcome of its framing
// (ReplyFraming.h: header, chunked coding, markers, result code).
// Text is Latin-1 on the wire, so every QString here holds one character per byte.
#include <QObject>
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
    bool bConnected = false;
    QTcpSocket* wskData = nullptr; // owned; replaced for every exchange
    QString strConnectError;       // why the last exchange could not reach the server

    // Abandons any running exchange: no event of it arrives afterwards.
    void Clear();
    void AddPostData(const QString& strVarName, const QString& strValue);
    // Builds the request text and starts connecting; the rest happens in the socket's events.
    void Connect(const QString& strHostName, const QString& strURI);

    // "host[:port]" → the host to connect to and the port (80 when none is given).
    static void SplitHostPort(const QString& strAddress, QString& strHost, quint16& nPort);

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

private:
    void wskData_Connect();
    void wskData_DataArrival();
    void wskData_Close();
    void wskData_Error();
    void ProcessReply();
    // Closes the socket so that none of its events arrives any more.
    void DropSocket();
    void RaiseError(const QString& strCode);
    // A reply that cannot be framed ends as an error with code 0 and no payload.
    void RaiseFramingFault();

    // Counts exchanges, so that a handler which starts a new exchange ends the old one's work.
    quint64 m_nExchange = 0;
};
