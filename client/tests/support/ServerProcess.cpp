#include "ServerProcess.h"

#include <QRegularExpression>

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
