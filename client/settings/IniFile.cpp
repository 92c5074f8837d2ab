#include "IniFile.h"

#include "Numbers.h"

#include <QFile>
#include <QSaveFile>

namespace {

// A value as the file's reader sees it: it ends at the first comma, and surrounding blanks and
// enclosing double quotes are dropped.
QString Value(const QString& strRest) {
    QString strValue = strRest.section(QLatin1Char(','), 0, 0).trimmed();
    if (strValue.size() >= 2 && strValue.startsWith(QLatin1Char('"')) &&
        strValue.endsWith(QLatin1Char('"')))
        strValue = strValue.mid(1, strValue.size() - 2);
    return strValue;
}

qint16 Number(const QString& strRest) {
    return zorv::ReadInt16(Value(strRest).remove(QLatin1Char(' ')).toStdString());
}

} // namespace

bool ReadIniFile(const QString& strFile, Settings& settings) {
    QFile file(strFile);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QList<QByteArray> lines = file.readAll().split('\n');
    ServerInfo* pCurrent = nullptr;
    for (QByteArray rawLine : lines) {
        if (rawLine.endsWith('\r'))
            rawLine.chop(1);
        const QString strLine = QString::fromLatin1(rawLine);
        auto Rest = [&](const char* szKey) { return strLine.mid(int(qstrlen(szKey))); };
        if (strLine.startsWith(QLatin1String("LastServerUsed = "))) {
            settings.strLastServer = Value(Rest("LastServerUsed = "));
        } else if (strLine.startsWith(QLatin1String("Version = "))) {
            settings.strIniVersion = Value(Rest("Version = "));
        } else if (strLine.startsWith(QLatin1String("LastPlayerUsed = "))) {
            settings.strLastPlayer = Value(Rest("LastPlayerUsed = "));
        } else if (strLine.startsWith(QLatin1Char('[')) &&
                   strLine.indexOf(QLatin1Char(']')) == strLine.size() - 1) {
            QString strAddress = strLine.mid(1, strLine.size() - 2).trimmed();
            // A second section for one address adds to the first.
            pCurrent = settings.objServers.Item(strAddress);
            if (!pCurrent)
                pCurrent = &settings.objServers.Add(strAddress);
        } else if (strLine.startsWith(QLatin1String("Player = "))) {
            QString strName = Value(Rest("Player = "));
            if (pCurrent && !strName.isEmpty() && !pCurrent->objPlayers.HasName(strName))
                pCurrent->objPlayers.Add(strName);
        } else if (strLine.startsWith(QLatin1String("Timeout = "))) {
            settings.iTimeoutTime = Number(Rest("Timeout = "));
        } else if (strLine.startsWith(QLatin1String("UsePics = "))) {
            settings.iUsePics = Number(Rest("UsePics = "));
        } else if (strLine.startsWith(QLatin1String("Language = "))) {
            settings.strLanguage = Value(Rest("Language = "));
        }
    }
    return true;
}

bool WriteIniFile(const QString& strFile, const Settings& settings) {
    QByteArray text;
    auto Line = [&](const QString& strLine) { text += strLine.toLatin1() + "\r\n"; };
    // The version line is written empty, whatever an older file said.
    Line(QStringLiteral("Version = "));
    Line(QStringLiteral("Timeout = ") + QString::number(settings.iTimeoutTime));
    Line(QStringLiteral("UsePics = ") + QString::number(settings.iUsePics));
    // Only a language the user chose: the system's is the default, and older files name none.
    if (!settings.strLanguage.isEmpty())
        Line(QStringLiteral("Language = ") + settings.strLanguage);
    Line(QStringLiteral("LastServerUsed = ") + settings.strLastServer);
    Line(QStringLiteral("LastPlayerUsed = ") + settings.strLastPlayer);
    for (const ServerInfo& server : settings.objServers) {
        Line(QLatin1Char('[') + server.Key + QLatin1Char(']'));
        for (const PlayerInfo& player : server.objPlayers)
            Line(QStringLiteral("Player = ") + player.strName);
    }
    // Written whole to a temporary file and renamed, so a failed write never leaves half a file.
    QSaveFile file(strFile);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(text);
    return file.commit();
}
