#include "ScriptedPeer.h"

#include <QTcpSocket>

ScriptedPeer::ScriptedPeer(QObject* pParent) : QObject(pParent) {
    m_server.listen(QHostAddress::LocalHost, 0);
    m_nPort = m_server.serverPort();
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* pSocket = m_server.nextPendingConnection()) {
            int i = static_cast<int>(m_connections.size());
            m_connections.append(pSocket);
            m_requests.append(QByteArray());
            connect(pSocket, &QTcpSocket::readyRead, this, [this, i, pSocket] {
                const bool bWasComplete = RequestComplete(i);
                m_requests[i] += pSocket->readAll();
                if (bWasComplete || !RequestComplete(i))
                    return;
                emit RequestArrived(i);
                if (!queuedReplies.isEmpty()) {
                    Send(i, queuedReplies.takeFirst());
                    Close(i);
                }
            });
        }
    });
}

QString ScriptedPeer::Address() const {
    return QStringLiteral("127.0.0.1:") + QString::number(m_nPort);
}

QByteArray ScriptedPeer::Request(int i) const {
    return m_requests.value(i);
}

bool ScriptedPeer::RequestComplete(int i) const {
    const QByteArray request = m_requests.value(i);
    int iBlank = request.indexOf("\r\n\r\n");
    if (iBlank < 0)
        return false;
    int iLength = request.left(iBlank).toLower().indexOf("content-length: ");
    if (iLength < 0)
        return false;
    int iEol = request.indexOf("\r\n", iLength);
    int nBody = request.mid(iLength + 16, iEol - iLength - 16).toInt();
    return request.size() >= iBlank + 4 + nBody + (bBodyEndsWithCrLf ? 2 : 0);
}

bool ScriptedPeer::Open(int i) const {
    QTcpSocket* pSocket = m_connections.value(i);
    return pSocket && pSocket->state() == QAbstractSocket::ConnectedState;
}

void ScriptedPeer::Send(int i, const QByteArray& bytes) {
    QTcpSocket* pSocket = m_connections.value(i);
    if (!pSocket)
        return;
    pSocket->write(bytes);
    pSocket->flush();
}

void ScriptedPeer::Close(int i) {
    if (QTcpSocket* pSocket = m_connections.value(i))
        pSocket->disconnectFromHost();
}

QByteArray ScriptedPeer::Reply(const QByteArray& code, const QByteArray& payload) {
    return "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n<START_HERE>" + code + ";" + payload +
           "<STOP_HERE>";
}
