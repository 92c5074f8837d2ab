#pragma once
// A real zorv-server for client tests: the binary named by ZORV_SERVER, on a guild file in a
// temporary folder, serving on a free loopback port.
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class ServerProcess final {
public:
    ServerProcess();
    ~ServerProcess();
    ServerProcess(const ServerProcess&) = delete;
    ServerProcess& operator=(const ServerProcess&) = delete;

    // Runs a one-off command (init, demo, seed) on the guild file; returns its output.
    QString Command(const QStringList& args);
    // Creates the guild with `strCommand` ("init" or "demo"; none: the file as it is) and
    // starts serving it; extraArgs go to `serve` after the others (a later option wins).
    bool Start(const QString& strCommand, const QStringList& extraArgs = {});
    // Ends the server, so that Start may run another on the same guild.
    void Stop();
    // "127.0.0.1:port/zorv", as typed into the server dialog; "https://127.0.0.1:port/zorv"
    // when it serves over TLS.
    QString Address() const { return m_strAddress; }
    QString Database() const { return m_dir.filePath(QStringLiteral("guild.db")); }
    QString Folder() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    QProcess m_server;
    QString m_strAddress;
};
