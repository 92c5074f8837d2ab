#include "DelayProxy.h"

#include <QElapsedTimer>
#include <QTcpSocket>
#include <QTimer>
#include <algorithm>
#include <deque>
#include <utility>

namespace {

// One accepted connection and its own to the target. A child of the proxy; it deletes itself
// once both ends are closed.
class Link final : public QObject {
public:
    Link(QTcpSocket* pClient, const QString& strHost, quint16 nPort, const int& msDelay,
         QObject* pParent)
        : QObject(pParent), m_pClient(pClient), m_msDelay(msDelay) {
        pClient->setParent(this);
        m_clock.start();
        m_timer.setSingleShot(true);
        m_timer.setTimerType(Qt::PreciseTimer);
        connect(&m_timer, &QTimer::timeout, this, &Link::Release);
        connect(pClient, &QTcpSocket::readyRead, this, [this] {
            Hold();
            Release();
        });
        connect(&m_target, &QTcpSocket::connected, this, &Link::Release);
        connect(&m_target, &QTcpSocket::readyRead, this, &Link::Pass);
        // A refused connection never connects, so it has no `disconnected`; both ways of ending
        // pass through the unconnected state.
        connect(pClient, &QTcpSocket::stateChanged, this, [this](QAbstractSocket::SocketState s) {
            if (s == QAbstractSocket::UnconnectedState)
                ClientGone();
        });
        connect(&m_target, &QTcpSocket::stateChanged, this, [this](QAbstractSocket::SocketState s) {
            if (s == QAbstractSocket::UnconnectedState)
                TargetGone();
        });
        m_target.connectToHost(strHost, nPort);
        Hold(); // bytes that came with the connection, before this link listened
        Release();
        if (pClient->state() == QAbstractSocket::UnconnectedState)
            ClientGone(); // closed before it was accepted
    }
    // A socket that is destroyed open aborts, and says so: not to this link, half destroyed.
    ~Link() override {
        m_pClient->disconnect(this);
        m_target.disconnect(this);
    }
    Q_DISABLE_COPY_MOVE(Link)

private:
    struct Held {
        qint64 msDue;
        QByteArray bytes;
    };

    void Hold() {
        QByteArray bytes = m_pClient->readAll();
        if (bytes.isEmpty() || m_bTargetGone)
            return;
        // Never before what arrived earlier, even when the delay has been shortened since.
        const qint64 msDue = std::max(m_clock.elapsed() + m_msDelay,
                                      m_held.empty() ? qint64(0) : m_held.back().msDue);
        m_held.push_back({msDue, std::move(bytes)});
    }
    // Writes what is due, in order, once the target is connected; then waits for the next.
    void Release() {
        if (m_held.empty()) {
            if (m_bClientGone)
                m_target.disconnectFromHost(); // after what it still has to write
            return;
        }
        if (m_target.state() != QAbstractSocket::ConnectedState)
            return;
        while (!m_held.empty() && m_held.front().msDue <= m_clock.elapsed()) {
            m_target.write(m_held.front().bytes);
            m_held.pop_front();
        }
        if (!m_held.empty())
            m_timer.start(int(m_held.front().msDue - m_clock.elapsed()));
        else if (m_bClientGone)
            m_target.disconnectFromHost();
    }
    void Pass() {
        const QByteArray bytes = m_target.readAll();
        if (!bytes.isEmpty() && !m_bClientGone)
            m_pClient->write(bytes);
    }
    void ClientGone() {
        if (std::exchange(m_bClientGone, true))
            return;
        Hold(); // what came just before the close is still read
        Release();
        Finish();
    }
    void TargetGone() {
        if (std::exchange(m_bTargetGone, true))
            return;
        m_timer.stop();
        m_held.clear();
        Pass();
        m_pClient->disconnectFromHost(); // after the reply is written
        Finish();
    }
    void Finish() {
        if (m_pClient->state() == QAbstractSocket::UnconnectedState &&
            m_target.state() == QAbstractSocket::UnconnectedState)
            deleteLater();
    }

    QTcpSocket* m_pClient; // owned as a child
    QTcpSocket m_target;
    const int& m_msDelay; // the proxy's, which owns this link
    QElapsedTimer m_clock;
    QTimer m_timer;
    std::deque<Held> m_held;
    bool m_bClientGone = false;
    bool m_bTargetGone = false;
};

} // namespace

DelayProxy::DelayProxy(QString strTargetHost, quint16 nTargetPort, QObject* pParent)
    : QObject(pParent), m_strTargetHost(std::move(strTargetHost)), m_nTargetPort(nTargetPort) {
    connect(&m_listener, &QTcpServer::newConnection, this, &DelayProxy::Accept);
}

bool DelayProxy::Listen() {
    return m_listener.listen(QHostAddress::LocalHost, 0);
}

QString DelayProxy::Address(const QString& strPath) const {
    QString strTail = strPath;
    if (strTail.startsWith('/'))
        strTail.remove(0, 1);
    return QStringLiteral("127.0.0.1:%1/%2").arg(m_listener.serverPort()).arg(strTail);
}

void DelayProxy::Accept() {
    while (QTcpSocket* pClient = m_listener.nextPendingConnection()) {
        ++m_nConnections;
        new Link(pClient, m_strTargetHost, m_nTargetPort, m_msDelay, this);
    }
}
