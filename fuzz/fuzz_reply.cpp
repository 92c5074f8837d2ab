// The client's framing of a whole reply (FrameReply: the header, chunked coding, the markers,
// the result code), as HTTPRequest runs it once the server has closed the connection.
//
// The first byte chooses what the rest of the input is. Even: a reply as it came off the
// socket, framed as it is. Odd: a reply body, framed once after a plain header and once chunked
// after a header that says so; the two must come out the same. The second byte then drives
// where the chunks are cut, the case of their hexadecimal sizes and whether a size line carries
// an extension, which a reader must skip.
#include "ReplyFraming.h"

#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>

namespace {

struct Framed {
    ReplyOutcome outcome;
    QString strHTTPData;
    QString strResultCode;
};

Framed Frame(const QString& strReceived) {
    Framed framed{ReplyOutcome::FramingFault, strReceived, QString()};
    QString strHeaderData;
    framed.outcome = FrameReply(framed.strHTTPData, strHeaderData, framed.strResultCode);
    return framed;
}

QString Chunked(const QString& strBody, unsigned uShape) {
    std::minstd_rand random(uShape + 1);
    const int nLongest = 1 + static_cast<int>(uShape % 97);
    QString strOut;
    for (qsizetype i = 0; i < strBody.size();) {
        const qsizetype nChunk = std::min<qsizetype>(
            1 + static_cast<qsizetype>(random() % nLongest), strBody.size() - i);
        QString strSize = QString::number(nChunk, 16);
        if (random() % 2)
            strSize = strSize.toUpper();
        if (random() % 5 == 0)
            strSize += QStringLiteral(";name=value");
        strOut +=
            strSize + QStringLiteral("\r\n") + strBody.mid(i, nChunk) + QStringLiteral("\r\n");
        i += nChunk;
    }
    return strOut + QStringLiteral("0\r\n\r\n");
}

const char* OutcomeName(ReplyOutcome outcome) {
    switch (outcome) {
    case ReplyOutcome::Results:
        return "results";
    case ReplyOutcome::Error:
        return "error";
    case ReplyOutcome::FramingFault:
        return "framing fault";
    }
    return "?";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    if (nSize == 0)
        return 0;
    if (pData[0] % 2 == 0) {
        Frame(QString::fromLatin1(reinterpret_cast<const char*>(pData + 1),
                                  static_cast<qsizetype>(nSize - 1)));
        return 0;
    }
    if (nSize < 2)
        return 0;
    const QString strBody = QString::fromLatin1(reinterpret_cast<const char*>(pData + 2),
                                                static_cast<qsizetype>(nSize - 2));
    const Framed plain =
        Frame(QStringLiteral("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n\r\n") + strBody);
    const Framed chunked =
        Frame(QStringLiteral("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n") +
              Chunked(strBody, pData[1]));
    if (plain.outcome != chunked.outcome || plain.strHTTPData != chunked.strHTTPData ||
        plain.strResultCode != chunked.strResultCode) {
        std::fprintf(stderr,
                     "fuzz_reply: the chunked reply frames otherwise than the plain one\n"
                     "  plain:   %s, code \"%s\", payload \"%s\"\n"
                     "  chunked: %s, code \"%s\", payload \"%s\"\n",
                     OutcomeName(plain.outcome), qPrintable(plain.strResultCode),
                     qPrintable(plain.strHTTPData), OutcomeName(chunked.outcome),
                     qPrintable(chunked.strResultCode), qPrintable(chunked.strHTTPData));
        std::abort();
    }
    return 0;
}
