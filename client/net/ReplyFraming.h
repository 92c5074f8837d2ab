#pragma once
// The framing of a complete reply, as received up to the server's close: strip the HTTP
// header, undo chunked coding, cut the payload out between the markers and read the result
// code. No socket and no signals, so that any bytes can be fed to it; HTTPRequest owns the
// exchange and raises the outcome. Text is Latin-1, one character per byte.
#include <QString>

enum class ReplyOutcome {
    Results,      // a success code; strHTTPData holds the payload
    Error,        // strResultCode holds the code to raise; strHTTPData what followed it
    FramingFault, // nothing can be read from the reply
};

// strHTTPData holds the received text and is replaced by what follows the header, then by the
// payload. strHeaderData and strResultCode are set only as far as the reply gets: a reply
// without a blank line leaves the header as it was, and one without ";" keeps the code it had.
// bStopSeen tells whether the payload ended in the stop marker: a reply streamed by the server
// lacks it when the server or the connection failed halfway.
ReplyOutcome FrameReply(QString& strHTTPData, QString& strHeaderData, QString& strResultCode,
                        bool* pStopSeen = nullptr);

// Replaces a chunked body by its chunks joined; false (strHTTPData unchanged) for a body that
// cannot be de-chunked: no size line, a size beyond 31 bits, or a chunk that runs past the end.
bool DeChunkMessage(QString& strHTTPData);

// A reply's payload without the stop marker that it may still hold; a payload cut short before
// the marker is kept whole.
QString PayloadText(const QString& strPayload);
