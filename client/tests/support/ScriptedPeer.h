#pragma once
// A server the test scripts byte by byte: it listens on a free loopback port, records each
// request it is sent and plays back whatever the test tells it to, one arrival at a time.
#include <QByteArray>
#include <QList>
#include <QObject>
#include <QTcpServer>

class QTcpSocket;

class ScriptedPeer final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ScriptedPeer)
public:
    explicit ScriptedPeer(QObject* pParent = nullptr);

    // "127.0.0.1:port", as typed into the server address.
    QString Address() const;
    quint16 Port() const { return m_server.serverPort(); }

    // A server gone and back: connections are refused until it listens again on the same port.
    void StopListening() { m_server.close(); }
    bool ListenAgain() { return m_server.listen(QHostAddress::LocalHost, m_nPort); }

    int Connections() const { return static_cast<int>(m_connections.size()); }
    // The bytes received on connection i (0-based, in order of acceptance).
    QByteArray Request(int i = 0) const;
    // True once connection i has sent its headers, its Content-length body and the CR LF that
    // the client's requests end with (none for other clients: bBodyEndsWithCrLf false).
    bool RequestComplete(int i = 0) const;
    bool bBodyEndsWithCrLf = true;

    // False once either side has closed connection i.
    bool Open(int i) const;

    void Send(int i, const QByteArray& bytes);
    void Send(const QByteArray& bytes) { Send(Connections() - 1, bytes); }
    void Close(int i);
    void Close() { Close(Connections() - 1); }

    // Replies played automatically, in order, each to the next request that completes, after
    // which that connection is closed. A client that waits inside its own handler (the tree
    // download after a login) needs its replies queued before it starts.
    QList<QByteArray> queuedReplies;

    // A typical framed reply: status 200, a plain body holding the markers.
    static QByteArray Reply(const QByteArray& code, const QByteArray& payload);

signals:
    // Connection i has sent its whole request; emitted before any queued reply is played, so a
    // test can act while the client is still waiting inside its own handler.
    void RequestArrived(int i);

private:
    QTcpServer m_server;
    quint16 m_nPort = 0;
    QList<QTcpSocket*> m_connections;
    QList<QByteArray> m_requests;
};
