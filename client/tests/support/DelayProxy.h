#pragma once
// A loopback relay that makes a server seem far away: each connection accepted is joined to a
// new connection to the target, and what the client sends reaches the target only a set delay
// later (one request per connection, so this is the request's latency); replies pass at once.
// Closing either side closes the other once what is still held for it has been written.
#include <QObject>
#include <QString>
#include <QTcpServer>

class DelayProxy final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DelayProxy)
public:
    DelayProxy(QString strTargetHost, quint16 nTargetPort, QObject* pParent = nullptr);

    // Listens on a free loopback port; false when none could be bound.
    bool Listen();
    // Bytes that arrive from now on are held this long; bytes already held keep their time, and
    // nothing overtakes what arrived before it.
    void SetDelayMs(int msDelay) { m_msDelay = msDelay; }
    // "127.0.0.1:port/path", as typed into the server dialog.
    QString Address(const QString& strPath) const;
    // Connections accepted so far.
    int Connections() const { return m_nConnections; }

private:
    void Accept();

    QTcpServer m_listener;
    QString m_strTargetHost;
    quint16 m_nTargetPort;
    int m_msDelay = 0;
    int m_nConnections = 0;
};
