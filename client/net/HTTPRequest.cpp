#include "HTTPRequest.h"

#include "Escape.h"
#include "Protocol.h"
#include "ReplyFraming.h"

#include <QCryptographicHash>
#include <QSslSocket>
#include <QTcpSocket>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

} // namespace

HTTPRequest::HTTPRequest(QObject* pParent) : QObject(pParent) {}

HTTPRequest::~HTTPRequest() {
    Clear();
}

void HTTPRequest::Clear() {
    ++m_nExchange;
    lBytesGot = 0;
    strHostName.clear();
    strURI.clear();
    strPostData.clear();
    strHeader.clear();
    strHTTPData.clear();
    // A reply without a readable code must not inherit the previous exchange's code.
    strResultCode.clear();
    strConnectError.clear();
    certUntrusted.clear();
    untrustedErrors.clear();
    bNeedData = true;
    bConnected = false;
    DropSocket();
}

void HTTPRequest::DropSocket() {
    if (!wskData)
        return;
    wskData->disconnect(this);
    wskData->abort();
    wskData->deleteLater(); // we may be inside one of its signals
    wskData = nullptr;
}

void HTTPRequest::AddPostData(const QString& strVarName, const QString& strValue) {
    QString strEscaped = QString::fromLatin1(zorv::EscapeValue(strValue.toLatin1().toStdString()));
    if (!strPostData.isEmpty())
        strPostData += QLatin1Char('&');
    strPostData += strVarName + QLatin1Char('=') + strEscaped;
}

void HTTPRequest::SplitHostPort(const QString& strAddress, QString& strHost, quint16& nPort,
                                quint16 nDefaultPort) {
    strHost = strAddress;
    nPort = nDefaultPort;
    // A port follows the last ":" unless that ":" sits inside an IPv6 address's brackets.
    int iColon = strAddress.lastIndexOf(QLatin1Char(':'));
    if (iColon >= 0 && strAddress.indexOf(QLatin1Char(']'), iColon) < 0) {
        bool bOk = false;
        uint nValue = strAddress.mid(iColon + 1).toUInt(&bOk);
        if (bOk && nValue > 0 && nValue <= 65535) {
            strHost = strAddress.left(iColon);
            nPort = static_cast<quint16>(nValue);
        }
    }
    if (strHost.startsWith(QLatin1Char('[')) && strHost.endsWith(QLatin1Char(']')))
        strHost = strHost.mid(1, strHost.size() - 2);
}

void HTTPRequest::Connect(const QString& strHost, const QString& strPath, bool bTls,
                          const QByteArray& baAcceptedDigest) {
    strHostName = strHost;
    strURI = strPath;
    bSecure = bTls;
    ++m_nExchange; // the events of an earlier socket, queued or not, are not this exchange's
    m_baAcceptedDigest = baAcceptedDigest;
    certUntrusted.clear();
    untrustedErrors.clear();
    strHeader = QStringLiteral("POST ") + strURI + QStringLiteral(" HTTP/1.0") + kCrLf +
                QStringLiteral("Host: ") + strHostName + kCrLf +
                QStringLiteral("Connection: close") + kCrLf + QStringLiteral("User-Agent: ") +
                QLatin1String(zorv::kUserAgentPrefix) + QLatin1String(zorv::kVersion) + kCrLf +
                QStringLiteral("Content-length: ") + QString::number(strPostData.size()) + kCrLf +
                kCrLf + strPostData + kCrLf;
    emit TryConnection();

    DropSocket(); // a second Connect without Clear starts afresh
    bConnected = false;
    m_bReachedTls = false;
    QString strRemote;
    quint16 nPort = 0;
    SplitHostPort(strHostName, strRemote, nPort, bSecure ? 443 : 80);
    if (bSecure) {
        auto* pSocket = new QSslSocket(this);
        wskData = pSocket;
        // On a certificate that does not verify the handshake waits, unanswered, until
        // wskData_SslErrors has decided outside of it.
        pSocket->setPauseMode(QAbstractSocket::PauseOnSslErrors);
        connect(pSocket, &QSslSocket::connected, this, [this] { m_bReachedTls = true; });
        connect(pSocket, &QSslSocket::encrypted, this, &HTTPRequest::wskData_Connect);
        connect(pSocket, &QSslSocket::sslErrors, this, &HTTPRequest::wskData_SslErrors);
    } else {
        wskData = new QTcpSocket(this);
    }
    // Qt applies socket options only once the socket is connected; this runs before anything is
    // written. Over TLS the handshake's last message and the request are two writes, and with
    // Nagle's algorithm the request would wait for the server's delayed ACK of the first, some
    // 40 ms.
    connect(wskData, &QTcpSocket::connected, this,
            [this] { wskData->setSocketOption(QAbstractSocket::LowDelayOption, 1); });
    if (!bSecure)
        connect(wskData, &QTcpSocket::connected, this, &HTTPRequest::wskData_Connect);
    connect(wskData, &QTcpSocket::readyRead, this, &HTTPRequest::wskData_DataArrival);
    connect(wskData, &QTcpSocket::disconnected, this, &HTTPRequest::wskData_Close);
    connect(wskData, &QTcpSocket::errorOccurred, this, &HTTPRequest::wskData_Error);
    if (bSecure)
        static_cast<QSslSocket*>(wskData)->connectToHostEncrypted(strRemote, nPort);
    else
        wskData->connectToHost(strRemote, nPort);
}

void HTTPRequest::wskData_SslErrors(const QList<QSslError>& errors) {
    auto* pSocket = static_cast<QSslSocket*>(wskData);
    const QSslCertificate cert = pSocket->peerCertificate();
    if (!m_baAcceptedDigest.isEmpty() &&
        cert.digest(QCryptographicHash::Sha256) == m_baAcceptedDigest) {
        pSocket->ignoreSslErrors(); // the very certificate the user accepted for this server
        return;
    }
    certUntrusted = cert;
    untrustedErrors = errors;
    // The socket is paused inside its handshake; it is closed, and the question asked, once
    // that code has returned.
    quint64 nExchange = m_nExchange;
    QMetaObject::invokeMethod(
        this,
        [this, nExchange] {
            if (nExchange != m_nExchange || !wskData)
                return;
            DropSocket();
            emit UntrustedCertificate();
        },
        Qt::QueuedConnection);
}

void HTTPRequest::wskData_Error() {
    // Once connected, the server closing is the normal end of a reply; only a connection that
    // never came about (a TLS session that never came up included) is reported here, at once
    // rather than by the timeout.
    if (bConnected || !wskData)
        return;
    strConnectError = wskData->errorString();
    // The server was reached but no TLS session came up. Whether the socket saw a plain server's
    // reply (an SSL error) or only its close depends on timing; either way it is the handshake
    // that failed, and the user is told so.
    if (m_bReachedTls && wskData->error() != QAbstractSocket::SslHandshakeFailedError)
        //: Why the server could not be reached; it ends a sentence, after a colon. %1 is the
        //: connection's own error text.
        strConnectError = tr("the TLS handshake failed (%1)").arg(strConnectError);
    DropSocket();
    emit ConnectFailed();
}

void HTTPRequest::wskData_Connect() {
    emit Connected();
    bConnected = true;
    wskData->write(strHeader.toLatin1());
    emit DataSent();
}

void HTTPRequest::wskData_DataArrival() {
    QByteArray arrival = wskData->readAll();
    if (arrival.isEmpty())
        return;
    quint64 nExchange = m_nExchange;
    lBytesGot += static_cast<qint32>(arrival.size());
    emit ReceivingData(lBytesGot);
    if (nExchange != m_nExchange)
        return;
    if (arrival.contains(zorv::kStopMarker))
        bNeedData = false;
    strHTTPData += QString::fromLatin1(arrival);
}

void HTTPRequest::wskData_Close() {
    if (wskData->bytesAvailable() > 0)
        wskData_DataArrival();
    if (bNeedData && !strHTTPData.isEmpty())
        bNeedData = false;
    if (!bNeedData && !strHTTPData.isEmpty()) {
        ProcessReply();
    } else {
        bNeedData = true;
        if (strHTTPData.isEmpty())
            emit ClosedWithoutReply();
    }
}

void HTTPRequest::RaiseError(const QString& strCode) {
    strResultCode = strCode;
    bNeedData = true;
    emit Error();
}

void HTTPRequest::RaiseFramingFault() {
    strHTTPData.clear();
    RaiseError(QStringLiteral("0"));
}

void HTTPRequest::ProcessReply() {
    quint64 nExchange = m_nExchange;
    emit ConnectionClosed();
    if (nExchange != m_nExchange)
        return;

    switch (FrameReply(strHTTPData, strHeaderData, strResultCode, &bStopSeen)) {
    case ReplyOutcome::FramingFault:
        return RaiseFramingFault();
    case ReplyOutcome::Error:
        return RaiseError(strResultCode);
    case ReplyOutcome::Results:
        bNeedData = true;
        emit GotResults();
        return;
    }
}
