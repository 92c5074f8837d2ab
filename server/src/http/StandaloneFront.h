#pragma once
// The standalone server's HTTP front, on libmicrohttpd: epoll threads read requests and write
// replies; a complete request goes to a WorkerPool, so that no slow, malformed or guessing client
// ever holds a thread that others need. Limits: a request's header must arrive within
// nHeaderSeconds of the connection and the whole request within nRequestSeconds (a watch thread
// ends the connection otherwise, with 408 when no header came); at most kMaxHeaderLines header
// fields and kHeaderBytes before the body, the header's blank line included (431); nPerAddress open
// connections an address, nConnections in all; a listen backlog of nBacklog. With UseTls it
// speaks HTTPS only (GnuTLS, through libmicrohttpd); the limits count the handshake as part of
// the header's time. Change-feed requests that find nothing new are held without a thread
// (HeldRequests) once HoldFeedRequests is called: nHeldPerAddress of them an address, apart from
// its nPerAddress ordinary connections, and nHeldInAll in all, well below nConnections, so that
// held requests never take the connections that everyone else needs. A connection past its
// address's ordinary share is accepted on probation (ConnectionShares): a watch joins the held
// share, another request is answered 503 with Retry-After, and one that does not come within
// nProbationSeconds gets the 408.
#include "Sites.h"
#include "WorkerPool.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

struct FrontLimits {
    int nHeaderSeconds = 10;
    int nRequestSeconds = 30;
    int nIdleSeconds = 10; // silence allowed once the request is whole, while the reply is written
    // A connection past its address's ordinary share (while requests are held) must bring its
    // whole request within this: a watch joins the held share, anything else gets 503.
    int nProbationSeconds = 3;
    int nPerAddress = 32;
    int nHeldPerAddress = 256;
    int nHeldInAll = 1200;
    // On a host of several guilds, the most of the held requests and of the workers (of each
    // pool) one guild takes at once; 0 for all of them.
    int nHeldPerGuild = 0;
    int nWorkersPerGuild = 0;
    int nConnections = 2000;
    int nBacklog = 1024;
    int nWorkers = 8;
    int nWebWorkers = 2; // for the web roster's pages alone
    int nIoThreads = 2;  // each with its own epoll set; the connections are shared among them
};

class StandaloneFront {
public:
    static constexpr int kMaxHeaderLines = 64;
    static constexpr std::size_t kHeaderBytes = 16 * 1024;
    // A body larger than the protocol allows is still read, and answered by the guild (992), up
    // to this; beyond it the request is refused (413) without being read, or, when its length is
    // not announced (chunked), as soon as it passes this.
    static constexpr std::size_t kMaxUploadBytes = 4 * 1024 * 1024;

    StandaloneFront(Router router, FrontLimits limits);
    // Stops listening, answers the requests already handed to the workers, then closes.
    ~StandaloneFront();
    StandaloneFront(const StandaloneFront&) = delete;
    StandaloneFront& operator=(const StandaloneFront&) = delete;

    // Before Start: hold the change feed's requests that have nothing yet (Reply::hold), of the
    // sites that can say their generation, waking them when it moves on.
    void HoldFeedRequests();

    // Before Start: the connections from these addresses are a reverse proxy's, which names the
    // client it speaks for in X-Forwarded-For (the last address there is the one it saw). Such a
    // connection counts toward the client's limits, not the proxy's; from any other address the
    // header is ignored, so a client cannot pass for another.
    void TrustProxies(std::vector<std::string> addresses);

    // Before Start: serve HTTPS with this PEM certificate (chain) and its unencrypted PEM key.
    void UseTls(std::string strCertPem, std::string strKeyPem);

    // Listens on host:port (port 0 picks a free one) and returns the port; throws
    // std::runtime_error when it cannot, with libmicrohttpd's reason when it gave one (for TLS,
    // GnuTLS's: a key that does not match its certificate, a certificate that does not parse).
    int Start(const std::string& strHost, int iPort);

    struct Impl;

private:
    std::unique_ptr<Impl> m_pImpl;
};
