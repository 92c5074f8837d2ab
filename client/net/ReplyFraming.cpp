#include "ReplyFraming.h"

#include "Numbers.h"
#include "Protocol.h"

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// The leading hexadecimal digits of a chunk-size line; anything after them (a chunk extension)
// is ignored. Returns false for a size too large to be real.
bool ReadChunkSize(const QString& strLine, qint64& lSize) {
    lSize = 0;
    for (QChar c : strLine) {
        int iDigit = QStringLiteral("0123456789abcdef").indexOf(c.toLower());
        if (iDigit < 0)
            break;
        lSize = lSize * 16 + iDigit;
        if (lSize > 0x7FFFFFFF)
            return false;
    }
    return true;
}

} // namespace

ReplyOutcome FrameReply(QString& strHTTPData, QString& strHeaderData, QString& strResultCode,
                        bool* pStopSeen) {
    if (pStopSeen)
        *pStopSeen = false;
    int iBlank = strHTTPData.indexOf(QStringLiteral("\r\n\r\n"));
    if (iBlank < 0) // a header without its blank line cannot be framed
        return ReplyOutcome::FramingFault;
    strHeaderData = strHTTPData.left(iBlank + 1);
    strHTTPData = strHTTPData.mid(iBlank + 4);

    if (strHeaderData.contains(QStringLiteral("Transfer-Encoding: chunked")) &&
        !DeChunkMessage(strHTTPData))
        return ReplyOutcome::FramingFault;

    const QString strStart = QLatin1String(zorv::kStartMarker);
    int iStart = strHTTPData.indexOf(strStart);
    if (iStart >= 0) {
        strHTTPData = strHTTPData.mid(iStart + strStart.size());
    } else if (strHeaderData.startsWith(QStringLiteral("HTTP/1.1 404")) ||
               strHeaderData.startsWith(QStringLiteral("HTTP/1.0 404"))) {
        strResultCode = QString::number(zorv::CodeMissingScript);
        return ReplyOutcome::Error;
    }

    int iSemi = strHTTPData.indexOf(QLatin1Char(';'));
    if (iSemi >= 0) {
        strResultCode = strHTTPData.left(iSemi);
        strHTTPData = strHTTPData.mid(iSemi + 1);
    }
    if (!zorv::IsSuccess(zorv::ReadInt32(strResultCode.toStdString())))
        return ReplyOutcome::Error;

    int iStop = strHTTPData.indexOf(QLatin1String(zorv::kStopMarker));
    if (iStop >= 0)
        strHTTPData.truncate(iStop);
    if (pStopSeen)
        *pStopSeen = iStop >= 0;
    return ReplyOutcome::Results;
}

bool DeChunkMessage(QString& strHTTPData) {
    const QString& s = strHTTPData;
    QString strOut;
    int p = s.indexOf(kCrLf);
    if (p < 0)
        return false;
    qint64 lSize = 0;
    if (!ReadChunkSize(s.left(p), lSize))
        return false;
    while (lSize != 0) {
        if (p + 2 + lSize > s.size())
            return false; // the chunk runs past the end of the reply
        strOut += s.mid(p + 2, static_cast<int>(lSize));
        int q = p + 2 + static_cast<int>(lSize) + 2;
        p = s.indexOf(kCrLf, q);
        if (p < 0)
            return false;
        if (!ReadChunkSize(s.mid(q, p - q), lSize))
            return false;
    }
    strHTTPData = strOut;
    return true;
}

QString PayloadText(const QString& strPayload) {
    const qsizetype iStop = strPayload.indexOf(QLatin1String(zorv::kStopMarker));
    return iStop < 0 ? strPayload : strPayload.left(iStop);
}
