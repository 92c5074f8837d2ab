#pragma once
// What the server is asked and what it answers, as the fronts and the dispatcher share them: a
// client's request (a form body, its user agent and address) and a result code with a payload,
// which the fronts frame for the wire.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

struct Request {
    std::string strBody;
    std::string strUserAgent;
    std::string strRemoteAddress;
    // The front can hold this request without a thread until the tree changes (Reply::hold);
    // false under CGI, and when a held request is asked again.
    bool bMayHold = false;
};

inline constexpr std::size_t kMaxBodyBytes = 64 * 1024;

// The rest of a payload too large to build whole (the backup's dump of a guild with a long
// history), read piece by piece while the reply is written. It holds what it reads from (a
// connection and its read transaction) until it is destroyed, so it should not outlive the reply.
class PayloadStream {
public:
    virtual ~PayloadStream() = default;
    // Appends the next piece to strOut; false when the payload was complete and nothing was
    // added. Throws when the guild file cannot be read, and the reply is then cut short.
    virtual bool Next(std::string& strOut) = 0;
};

struct Reply {
    int iCode = 0;
    std::string strPayload; // UTF-8, fields already escaped
    // When set, the payload goes on with what it yields, after strPayload.
    std::unique_ptr<PayloadStream> pStream = nullptr;
    // The change feed had nothing yet for a caller who may wait: the front holds the request
    // until the feed's generation is no longer lGeneration or nSeconds have passed, then asks
    // again with bMayHold false. Only for a request that had bMayHold.
    struct Hold {
        int nSeconds;
        std::int64_t lGeneration;
    };
    std::optional<Hold> hold = std::nullopt;

    // The wire's bytes (Latin-1) of what a reply writes first: "<START_HERE>" code ";" and
    // strPayload.
    std::string Head() const;
    // The stream's next piece in the wire's bytes, appended to strOut; false when it was drained
    // and nothing was added (the stream is then released). Throws as PayloadStream::Next does.
    bool NextPiece(std::string& strOut);
    // Head, the stream drained and released, and "<STOP_HERE>": the whole body at once.
    std::string Body();
};
