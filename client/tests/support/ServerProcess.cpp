#include "ServerProcess.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

namespace {
QString Binary() {
    return qEnvironmentVariable("ZORV_SERVER");
}
} // namespace

ServerProcess::ServerProcess() = default;

ServerProcess::~ServerProcess() {
    Stop();
}

void ServerProcess::Stop() {
    if (m_server.state() != QProcess::NotRunning) {
        m_server.terminate();
        m_server.waitForFinished(5000);
    }
}

QString ServerProcess::Command(const QStringList& args) {
    QProcess process;
    process.start(Binary(), args + QStringList{QStringLiteral("--db"), Database()});
    process.waitForFinished(60000);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

bool ServerProcess::Start(const QString& strCommand, const QStringList& extraArgs) {
    if (!strCommand.isEmpty())
        Command({strCommand});
    m_server.start(Binary(),
                   QStringList{QStringLiteral("serve"), QStringLiteral("--db"), Database(),
                               QStringLiteral("--listen"), QStringLiteral("127.0.0.1:0")} +
                       extraArgs);
    // The first line names the port it bound; wait for it, not for a clock.
    while (!m_server.canReadLine()) {
        if (!m_server.waitForReadyRead(10000))
            return false;
    }
    QString strLine = QString::fromLocal8Bit(m_server.readLine());
    QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("(https?)://(\\S+)")).match(strLine);
    m_strAddress =
        match.captured(1) == QStringLiteral("https") ? match.captured(0) : match.captured(2);
    return match.hasMatch();
}

bool ServerProcess::StartUnderLighttpd(const QString& strCommand) {
    if (!strCommand.isEmpty())
        Command({strCommand});
    QTcpServer probe; // a port free now
    if (!probe.listen(QHostAddress::LocalHost, 0))
        return false;
    const quint16 nPort = probe.serverPort();
    probe.close();
    const QString strConf = m_dir.filePath(QStringLiteral("lighttpd.conf"));
    QFile conf(strConf);
    if (!conf.open(QIODevice::WriteOnly))
        return false;
    conf.write(QStringLiteral("server.document-root = \"%1\"\n"
                              "server.bind = \"127.0.0.1\"\n"
                              "server.port = %2\n"
                              "server.errorlog = \"%1/lighttpd-error.log\"\n"
                              "server.modules = (\"mod_alias\", \"mod_setenv\", \"mod_cgi\")\n"
                              "alias.url = (\"/zorv\" => \"%3\")\n"
                              "cgi.assign = (\"/zorv-server\" => \"\")\n"
                              "setenv.add-environment = (\"ZORV_DB\" => \"%4\")\n")
                   .arg(m_dir.path())
                   .arg(nPort)
                   .arg(QFileInfo(Binary()).absoluteFilePath(), Database())
                   .toLocal8Bit());
    conf.close();
    m_server.start(QStringLiteral("/usr/sbin/lighttpd"),
                   {QStringLiteral("-D"), QStringLiteral("-f"), strConf});
    m_strAddress = QStringLiteral("127.0.0.1:%1/zorv").arg(nPort);
    return QTest::qWaitFor(
        [&] {
            QTcpSocket socket;
            socket.connectToHost(QHostAddress::LocalHost, nPort);
            return socket.waitForConnected(100);
        },
        10000);
}
