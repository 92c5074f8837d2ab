#include "StandaloneFront.h"

#include "ArrivalWatch.h"
#include "Guild.h"
#include "HeldRequests.h"
#include "MhdLibrary.h"

#include "Protocol.h"

#include <microhttpd.h>

#include <algorithm>
#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <mutex>
#include <netdb.h>
#include <optional>
#include <stdexcept>
#include <strings.h>
#include <sys/socket.h>
#include <thread>
#include <type_traits>
#include <unistd.h>
#include <unordered_map>
#include <unordered_set>

namespace {

using Clock = std::chrono::steady_clock;

const char kContentType[] = "text/plain; charset=ISO-8859-1";

// libmicrohttpd keeps a connection's header, its records of the header's fields, the body as it
// arrives and the reply's header in one pool of this size; a header that leaves the reply no room
// there gets no reply at all, or a 500. Four times the front's own limit keeps every header within
// that limit well clear of the pool's end, and lets the front refuse a larger one with its own 431
// up to about 60 KiB; past that libmicrohttpd refuses the header itself.
constexpr std::size_t kConnectionMemory = 4 * StandaloneFront::kHeaderBytes;

// One request from its request line to its reply. Owned by libmicrohttpd's request context: made
// when the request line has arrived, deleted when the request ends.
struct Exchange {
    enum class State { Header, Reading, Working, Done };
    State state = State::Header;
    // The request target as it arrived, before libmicrohttpd split off the query and decoded the
    // escapes in place; as a C string it ends at a NUL byte the target may hold.
    const char* szTarget = nullptr;
    std::size_t nTargetLength = 0;
    bool bEscapedNul = false;       // the target holds %00
    unsigned iStatus = MHD_HTTP_OK; // anything else is answered without the guild
    std::string strBody;            // at most kMaxBodyBytes + 1 bytes of it
    std::size_t nBodyBytes = 0;     // all of it that has arrived
    std::string strAgent;
    std::string strAddress;
    std::shared_ptr<const Site> pSite; // the guild that answers it
    Reply reply;
    bool bWeb = false; // a page of the web roster, not the protocol
    WebRequest web;
    WebReply webReply;
};

std::string AddressText(const sockaddr* pAddress) {
    if (!pAddress)
        return "";
    char szAddress[INET6_ADDRSTRLEN] = "";
    if (pAddress->sa_family == AF_INET)
        inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in*>(pAddress)->sin_addr, szAddress,
                  sizeof szAddress);
    else if (pAddress->sa_family == AF_INET6)
        inet_ntop(AF_INET6, &reinterpret_cast<const sockaddr_in6*>(pAddress)->sin6_addr, szAddress,
                  sizeof szAddress);
    return szAddress;
}

std::string AddressOf(MHD_Connection* pConnection) {
    const MHD_ConnectionInfo* pInfo =
        Library().get_connection_info(pConnection, MHD_CONNECTION_INFO_CLIENT_ADDRESS);
    return pInfo ? AddressText(pInfo->client_addr) : "";
}

// Queues a reply of the protocol (plain text, one exchange a connection) and lets go of it.
MHD_Result QueueProtocolReply(MHD_Connection* pConnection, unsigned iStatus,
                              MHD_Response* pResponse) {
    if (!pResponse)
        return MHD_NO;
    Library().add_response_header(pResponse, MHD_HTTP_HEADER_CONTENT_TYPE, kContentType);
    Library().add_response_header(pResponse, MHD_HTTP_HEADER_CONNECTION, "close");
    MHD_Result result = Library().queue_response(pConnection, iStatus, pResponse);
    Library().destroy_response(pResponse);
    return result;
}

// libmicrohttpd takes a reply only before a body or after it. A refusal in the middle of one is
// written to the connection here, in the clear or as one TLS record, and the connection closed
// (MHD_NO tells libmicrohttpd to close it).
MHD_Result RefuseMidBody(MHD_Connection* pConnection, const char* szStatusLine) {
    std::string strReply = std::string("HTTP/1.1 ") + szStatusLine +
                           "\r\nConnection: close\r\nContent-Length: 0\r\n\r\n";
    const MHD_ConnectionInfo* pTls =
        Library().get_connection_info(pConnection, MHD_CONNECTION_INFO_GNUTLS_SESSION);
    if (pTls && pTls->tls_session) {
        if (Library().record_send)
            Library().record_send(pTls->tls_session, strReply.data(), strReply.size());
    } else if (const MHD_ConnectionInfo* pFd =
                   Library().get_connection_info(pConnection, MHD_CONNECTION_INFO_CONNECTION_FD)) {
        send(pFd->connect_fd, strReply.data(), strReply.size(), MSG_DONTWAIT | MSG_NOSIGNAL);
    }
    return MHD_NO;
}

MHD_Result Answer(MHD_Connection* pConnection, unsigned iStatus, const std::string& strBody) {
    return QueueProtocolReply(
        pConnection, iStatus,
        Library().create_response_from_buffer(strBody.size(), const_cast<char*>(strBody.data()),
                                              MHD_RESPMEM_MUST_COPY));
}

// An ordinary request past its address's share: the client may ask again in a moment.
MHD_Result AnswerBusy(MHD_Connection* pConnection) {
    MHD_Response* pResponse =
        Library().create_response_from_buffer(0, nullptr, MHD_RESPMEM_PERSISTENT);
    if (pResponse)
        Library().add_response_header(pResponse, "Retry-After", "1");
    return QueueProtocolReply(pConnection, MHD_HTTP_SERVICE_UNAVAILABLE, pResponse);
}

// A reply whose payload is streamed, as libmicrohttpd asks for it: the head, the stream's pieces
// as the connection takes them, then the stop marker. Owned by the response; the stream, with the
// connection and transaction it reads from, is let go as soon as it is drained.
class StreamedBody {
public:
    explicit StreamedBody(Reply reply) : m_reply(std::move(reply)), m_strPending(m_reply.Head()) {}

    // The most it hands over at a time. An HTTP/1.1 client gets each as a chunk, and older
    // clients read chunk sizes as 16-bit numbers.
    static constexpr std::size_t kPieceBytes = 16 * 1024;

    static ssize_t Read(void* pSelf, uint64_t, char* pBuffer, size_t nMax) {
        StreamedBody* self = static_cast<StreamedBody*>(pSelf);
        while (self->m_iSent == self->m_strPending.size()) {
            if (!self->m_reply.pStream)
                return MHD_CONTENT_READER_END_OF_STREAM;
            self->m_strPending.clear();
            self->m_iSent = 0;
            try {
                if (!self->m_reply.NextPiece(self->m_strPending))
                    self->m_strPending = zorv::kStopMarker;
            } catch (const std::exception& e) {
                // The connection closes without the stop marker: the client never takes a cut
                // payload for a whole one.
                std::fprintf(stderr, "zorv-server: a streamed reply failed: %s\n", e.what());
                self->m_reply.pStream.reset();
                return MHD_CONTENT_READER_END_WITH_ERROR;
            }
        }
        // Never more than a piece, however much room the connection's buffer offers.
        std::size_t n = std::min({nMax, kPieceBytes, self->m_strPending.size() - self->m_iSent});
        std::memcpy(pBuffer, self->m_strPending.data() + self->m_iSent, n);
        self->m_iSent += n;
        return static_cast<ssize_t>(n);
    }
    static void Free(void* pSelf) { delete static_cast<StreamedBody*>(pSelf); }

private:
    Reply m_reply;
    std::string m_strPending; // what is yet to be handed over from m_iSent on
    std::size_t m_iSent = 0;
};

// The guild's reply: whole when it is built whole, else streamed without a length, the end of
// the body being the end of the connection (or the last chunk, to an HTTP/1.1 client).
MHD_Result AnswerGuild(MHD_Connection* pConnection, Reply& reply) {
    if (!reply.pStream)
        return Answer(pConnection, MHD_HTTP_OK, reply.Body());
    auto* pBody = new StreamedBody(std::move(reply));
    MHD_Response* pResponse =
        Library().create_response_from_callback(MHD_SIZE_UNKNOWN, StreamedBody::kPieceBytes,
                                                &StreamedBody::Read, pBody, &StreamedBody::Free);
    if (!pResponse)
        delete pBody;
    return QueueProtocolReply(pConnection, MHD_HTTP_OK, pResponse);
}

MHD_Result AnswerWeb(MHD_Connection* pConnection, const WebReply& reply) {
    MHD_Response* pResponse = Library().create_response_from_buffer(
        reply.strBody.size(), const_cast<char*>(reply.strBody.data()), MHD_RESPMEM_MUST_COPY);
    if (!pResponse)
        return MHD_NO;
    for (const auto& [strName, strValue] : reply.headers)
        Library().add_response_header(pResponse, strName.c_str(), strValue.c_str());
    Library().add_response_header(pResponse, MHD_HTTP_HEADER_CONNECTION, "close");
    MHD_Result result =
        Library().queue_response(pConnection, static_cast<unsigned>(reply.iStatus), pResponse);
    Library().destroy_response(pResponse);
    return result;
}

// Whether the request line and the header pass the front's limits: kHeaderBytes counts every
// byte before the body (the request line, each header line and the blank line that ends the
// header, with their line ends), as libmicrohttpd read them; kMaxHeaderLines counts the header's
// fields.
bool HeaderTooLarge(MHD_Connection* pConnection) {
    const MHD_ConnectionInfo* pSize =
        Library().get_connection_info(pConnection, MHD_CONNECTION_INFO_REQUEST_HEADER_SIZE);
    return !pSize || pSize->header_size > StandaloneFront::kHeaderBytes ||
           Library().get_connection_values(pConnection, MHD_HEADER_KIND, nullptr, nullptr) >
               StandaloneFront::kMaxHeaderLines;
}

// Whether the request target holds a NUL byte, raw or as %00; its path would end there, and
// "/zorv\0x" be served as "/zorv". libmicrohttpd parses the request line in place, the version
// starting one byte after the target, so a target whose text stops short of that held a NUL.
bool TargetHoldsNul(const Exchange& x, const char* szUrl, const char* szVersion) {
    return !x.szTarget || x.bEscapedNul || szUrl != x.szTarget ||
           szVersion != szUrl + x.nTargetLength + 1;
}

// Whether the header gives the body's length twice, differently. libmicrohttpd would frame the
// body by the first; a proxy in front of the server might have framed it by the other.
bool LengthsDisagree(MHD_Connection* pConnection) {
    struct Seen {
        const char* szFirst = nullptr;
        bool bDiffer = false;
    } seen;
    Library().get_connection_values(
        pConnection, MHD_HEADER_KIND,
        [](void* pSeen, MHD_ValueKind, const char* szKey, const char* szValue) {
            Seen& seen = *static_cast<Seen*>(pSeen);
            if (strcasecmp(szKey, MHD_HTTP_HEADER_CONTENT_LENGTH) == 0) {
                const char* szLength = szValue ? szValue : "";
                if (!seen.szFirst)
                    seen.szFirst = szLength;
                else
                    seen.bDiffer = seen.bDiffer || std::strcmp(seen.szFirst, szLength) != 0;
            }
            return MHD_YES;
        },
        &seen);
    return seen.bDiffer;
}

std::string HeaderValue(MHD_Connection* pConnection, const char* szName) {
    const char* szValue = Library().lookup_connection_value(pConnection, MHD_HEADER_KIND, szName);
    return szValue ? szValue : "";
}

// An address as inet_ntop writes it, or "" when the text is none.
std::string CanonicalAddress(const std::string& strAddress) {
    in6_addr six{};
    in_addr four{};
    char szAddress[INET6_ADDRSTRLEN] = "";
    if (inet_pton(AF_INET, strAddress.c_str(), &four) == 1)
        inet_ntop(AF_INET, &four, szAddress, sizeof szAddress);
    else if (inet_pton(AF_INET6, strAddress.c_str(), &six) == 1)
        inet_ntop(AF_INET6, &six, szAddress, sizeof szAddress);
    return szAddress;
}

// The client a proxy speaks for: the last address of the last X-Forwarded-For field, which is the
// one the proxy added (whatever came before it, the client may have written). "" when there is
// none, or it is no address.
std::string ForwardedFor(MHD_Connection* pConnection) {
    std::string strLast;
    Library().get_connection_values(
        pConnection, MHD_HEADER_KIND,
        [](void* pLast, MHD_ValueKind, const char* szKey, const char* szValue) {
            if (strcasecmp(szKey, "X-Forwarded-For") == 0 && szValue)
                *static_cast<std::string*>(pLast) = szValue;
            return MHD_YES;
        },
        &strLast);
    std::size_t iComma = strLast.rfind(',');
    std::string strAddress = iComma == std::string::npos ? strLast : strLast.substr(iComma + 1);
    const std::size_t iFirst = strAddress.find_first_not_of(" \t");
    const std::size_t iEnd = strAddress.find_last_not_of(" \t");
    if (iFirst == std::string::npos)
        return "";
    return CanonicalAddress(strAddress.substr(iFirst, iEnd - iFirst + 1));
}

} // namespace

struct StandaloneFront::Impl {
    Impl(Router routerIn, FrontLimits limitsIn) : router(std::move(routerIn)), limits(limitsIn) {}

    Router router;
    FrontLimits limits;
    // Declared before the daemon, so that both outlive it: stopping the daemon closes
    // connections, which the watch hears of.
    ArrivalWatch watch{limits.nHeaderSeconds, limits.nRequestSeconds, limits.nProbationSeconds};
    std::unique_ptr<WorkerPool> pWorkers;
    // The web roster's pages have workers of their own: a flood of page requests, which
    // anyone may send, waits on these and never in front of a member's request.
    std::unique_ptr<WorkerPool> pWebWorkers;
    MHD_Daemon* pDaemon = nullptr;
    std::string strCertPem, strKeyPem; // both empty: plain HTTP
    bool bHold = false;
    std::atomic<int> nWithWorkers{0}; // requests handed on and not yet completed
    std::unique_ptr<HeldRequests> pHeld;
    // While requests may be held, or a proxy is trusted, the front counts each address's
    // connections itself.
    ConnectionShares shares{limits.nPerAddress, limits.nHeldPerAddress};
    bool bCountShares = false;
    std::unordered_set<std::string> proxies; // trusted, as CanonicalAddress writes them
    unsigned nPerAddressAll = 0;             // the connections an address may open at most

    static Request RequestOf(const Exchange& x, bool bMayHold) {
        return {x.strBody, x.strAgent, x.strAddress, bMayHold};
    }

    // The guild's answer to a protocol request, on a worker; a feed request with nothing new is
    // held instead, and asked again when it wakes.
    void Work(Exchange* x, MHD_Connection* pConnection) {
        const Site& site = *x->pSite;
        x->reply = site.handle(RequestOf(*x, pHeld && site.generationNow));
        if (x->reply.hold) {
            const Reply::Hold hold = *x->reply.hold;
            const MHD_ConnectionInfo* pFd =
                Library().get_connection_info(pConnection, MHD_CONNECTION_INFO_CONNECTION_FD);
            if (pHeld->Hold({x->strAddress, site.strGuild, site.generationNow}, hold.lGeneration,
                            hold.nSeconds, pFd ? pFd->connect_fd : -1,
                            [this, x, pConnection] { Wake(x, pConnection); }))
                return;
            x->reply = site.handle(RequestOf(*x, false));
        }
        x->state = Exchange::State::Done;
        Library().resume_connection(pConnection);
    }
    // A change wakes every watcher at once: their answers wait behind the members' requests.
    void Wake(Exchange* x, MHD_Connection* pConnection) {
        if (!pWorkers->Submit(
                [x, pConnection] {
                    x->reply = x->pSite->handle(RequestOf(*x, false));
                    x->state = Exchange::State::Done;
                    Library().resume_connection(pConnection);
                },
                WorkerPool::Kind::Background, x->pSite->strGuild)) {
            x->iStatus = MHD_HTTP_SERVICE_UNAVAILABLE;
            x->state = Exchange::State::Done;
            Library().resume_connection(pConnection);
        }
    }

    // libmicrohttpd's first complaint while a daemon starts, for the exception; later ones (a
    // client's failed handshake, say) are the client's affair and are dropped.
    std::atomic<bool> bStarting{false};
    std::mutex logMutex;
    std::string strStartError;

    static void OnLog(void* pSelf, const char* szFormat, va_list args) {
        Impl* self = static_cast<Impl*>(pSelf);
        if (!self->bStarting)
            return;
        char szLine[512];
        std::vsnprintf(szLine, sizeof szLine, szFormat, args);
        std::lock_guard<std::mutex> lock(self->logMutex);
        if (self->strStartError.empty()) {
            self->strStartError = szLine;
            while (!self->strStartError.empty() && std::strchr(" .\n", self->strStartError.back()))
                self->strStartError.pop_back();
        }
    }
    std::string TakeStartError() {
        std::lock_guard<std::mutex> lock(logMutex);
        std::string strError;
        strError.swap(strStartError);
        return strError;
    }

    static void OnConnection(void* pSelf, MHD_Connection* pConnection, void**,
                             MHD_ConnectionNotificationCode code) {
        Impl* self = static_cast<Impl*>(pSelf);
        if (code == MHD_CONNECTION_NOTIFY_STARTED) {
            // A proxy's connection counts toward its client's share once its header names him.
            const std::string strAddress = AddressOf(pConnection);
            const bool bProbation = self->bCountShares && !self->proxies.count(strAddress) &&
                                    self->shares.Started(pConnection, strAddress);
            const MHD_ConnectionInfo* pInfo =
                Library().get_connection_info(pConnection, MHD_CONNECTION_INFO_CONNECTION_FD);
            if (pInfo)
                self->watch.Opened(pConnection, pInfo->connect_fd, bProbation);
        } else {
            self->watch.Done(pConnection);
            self->shares.Closed(pConnection);
        }
    }

    static void OnCompleted(void* pSelf, MHD_Connection*, void** ppContext,
                            MHD_RequestTerminationCode) {
        Exchange* x = static_cast<Exchange*>(*ppContext);
        if (x && x->state >= Exchange::State::Working)
            --static_cast<Impl*>(pSelf)->nWithWorkers;
        delete x;
        *ppContext = nullptr;
    }

    // With a proxy trusted, libmicrohttpd counts no address's connections (the proxy's would be
    // its clients' together): the front refuses another address's past its limit here.
    static MHD_Result OnAccept(void* pSelf, const sockaddr* pAddress, socklen_t) {
        Impl* self = static_cast<Impl*>(pSelf);
        const std::string strAddress = AddressText(pAddress);
        return self->proxies.count(strAddress) ||
                       self->shares.OpenFrom(strAddress) < static_cast<int>(self->nPerAddressAll)
                   ? MHD_YES
                   : MHD_NO;
    }

    // The request line has arrived: its exchange begins, with the target as it came.
    static void* OnRequestLine(void*, const char* szTarget, MHD_Connection*) {
        Exchange* x = new Exchange;
        if (szTarget) {
            x->szTarget = szTarget;
            x->nTargetLength = std::strlen(szTarget);
            x->bEscapedNul = std::strstr(szTarget, "%00") != nullptr;
        }
        return x;
    }

    static MHD_Result OnRequest(void* pSelf, MHD_Connection* pConnection, const char* szUrl,
                                const char* szMethod, const char* szVersion, const char* pData,
                                size_t* pnData, void** ppContext) {
        Impl* self = static_cast<Impl*>(pSelf);
        Exchange* x = static_cast<Exchange*>(*ppContext);
        if (!x) { // no request line was seen; its target is unknown and refused below
            x = new Exchange;
            *ppContext = x;
        }
        if (x->state == Exchange::State::Header) { // the header is complete
            x->state = Exchange::State::Reading;
            self->watch.HeaderArrived(pConnection);
            const char* szLength =
                Library().lookup_connection_value(pConnection, MHD_HEADER_KIND, "Content-Length");
            if (HeaderTooLarge(pConnection))
                return Answer(pConnection, MHD_HTTP_REQUEST_HEADER_FIELDS_TOO_LARGE, "");
            if (TargetHoldsNul(*x, szUrl, szVersion) || LengthsDisagree(pConnection))
                return Answer(pConnection, MHD_HTTP_BAD_REQUEST, "");
            if (szLength && std::strtoull(szLength, nullptr, 10) > kMaxUploadBytes)
                return Answer(pConnection, MHD_HTTP_CONTENT_TOO_LARGE, "");
            bool bRead = !std::strcmp(szMethod, MHD_HTTP_METHOD_GET) ||
                         !std::strcmp(szMethod, MHD_HTTP_METHOD_HEAD);
            Route route = self->router(szUrl, bRead);
            x->pSite = std::move(route.pSite);
            if (x->pSite && route.strPage) {
                x->bWeb = true;
                x->web = {szMethod, *route.strPage, HeaderValue(pConnection, "If-None-Match"),
                          HeaderValue(pConnection, "Accept-Encoding"),
                          HeaderValue(pConnection, "Accept-Language")};
                return MHD_YES;
            }
            if (!x->pSite)
                x->iStatus = MHD_HTTP_NOT_FOUND;
            else if (std::strcmp(szMethod, MHD_HTTP_METHOD_POST) != 0)
                x->iStatus = MHD_HTTP_METHOD_NOT_ALLOWED;
            const char* szAgent =
                Library().lookup_connection_value(pConnection, MHD_HEADER_KIND, "User-Agent");
            x->strAgent = szAgent ? szAgent : "";
            x->strAddress = AddressOf(pConnection);
            if (self->proxies.count(x->strAddress)) {
                const std::string strClient = ForwardedFor(pConnection);
                if (!strClient.empty())
                    x->strAddress = strClient;
                if (self->bCountShares)
                    self->shares.Started(pConnection, x->strAddress);
            }
            return MHD_YES;
        }
        if (*pnData > 0) {
            // A chunked body announces no length, so its cap is only seen as it passes.
            x->nBodyBytes += *pnData;
            if (x->nBodyBytes > kMaxUploadBytes)
                return RefuseMidBody(pConnection, "413 Content Too Large");
            // Past the protocol's limit only one more byte is kept: enough for the guild to
            // refuse the body, without holding it.
            std::size_t nKeep = std::min(
                *pnData, kMaxBodyBytes + 1 - std::min(x->strBody.size(), kMaxBodyBytes + 1));
            x->strBody.append(pData, nKeep);
            *pnData = 0;
            return MHD_YES;
        }
        switch (x->state) {
        case Exchange::State::Reading: {
            self->watch.Done(pConnection);
            // From here libmicrohttpd's silence timeout guards the reply's writing; before, the
            // watch's deadlines alone apply, so that a silent connection always gets its 408.
            Library().set_connection_option(pConnection, MHD_CONNECTION_OPTION_TIMEOUT,
                                            static_cast<unsigned>(self->limits.nIdleSeconds));
            if (x->iStatus != MHD_HTTP_OK)
                return Answer(pConnection, x->iStatus, "");
            const bool bWatch = self->pHeld && !x->bWeb && IsWatch(x->strBody);
            if (self->bCountShares && !x->bWeb && !self->shares.RequestArrived(pConnection, bWatch))
                return AnswerBusy(pConnection);
            x->state = Exchange::State::Working;
            ++self->nWithWorkers;
            Library().suspend_connection(pConnection);
            if (!(x->bWeb ? self->pWebWorkers : self->pWorkers)
                     ->Submit(
                         [self, x, pConnection] {
                             if (!x->bWeb)
                                 return self->Work(x, pConnection);
                             x->webReply = x->pSite->web(x->web);
                             x->state = Exchange::State::Done;
                             Library().resume_connection(pConnection);
                         },
                         bWatch ? WorkerPool::Kind::Background : WorkerPool::Kind::Ordinary,
                         x->pSite->strGuild)) {
                // The server is stopping: a body that was still arriving is not served.
                x->iStatus = MHD_HTTP_SERVICE_UNAVAILABLE;
                x->state = Exchange::State::Done;
                Library().resume_connection(pConnection);
            }
            return MHD_YES;
        }
        case Exchange::State::Header: // handled above
        case Exchange::State::Working:
            return MHD_YES;
        case Exchange::State::Done:
            if (x->iStatus != MHD_HTTP_OK)
                return Answer(pConnection, x->iStatus, "");
            if (x->bWeb)
                return AnswerWeb(pConnection, x->webReply);
            return AnswerGuild(pConnection, x->reply);
        }
        return MHD_NO;
    }
};

StandaloneFront::StandaloneFront(Router router, FrontLimits limits)
    : m_pImpl(std::make_unique<Impl>(std::move(router), limits)) {}

StandaloneFront::~StandaloneFront() {
    if (!m_pImpl->pDaemon)
        return;
    // No new connection; the requests with the workers are answered, then all is closed. The
    // pool lives on until the daemon has stopped: its threads may still hand it a request
    // whose body completes meanwhile, which it refuses.
    // The listening socket comes back to us; the daemon's threads may still look at it until it
    // has stopped, so it is closed after that.
    MHD_socket listening = Library().quiesce_daemon(m_pImpl->pDaemon);
    // Held requests are asked again now, and answered with the rest.
    if (m_pImpl->pHeld)
        m_pImpl->pHeld->Stop();
    m_pImpl->pWorkers->Drain();
    m_pImpl->pWebWorkers->Drain();
    // Their replies are written before the connections close (a client that reads none is
    // given up on after a while).
    for (int i = 0; i < 600 && m_pImpl->nWithWorkers > 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    Library().stop_daemon(m_pImpl->pDaemon);
    if (listening != MHD_INVALID_SOCKET)
        close(listening);
}

void StandaloneFront::HoldFeedRequests() {
    m_pImpl->bHold = true;
}

void StandaloneFront::TrustProxies(std::vector<std::string> addresses) {
    for (const std::string& strAddress : addresses) {
        const std::string strCanonical = CanonicalAddress(strAddress);
        if (strCanonical.empty())
            throw std::runtime_error("\"" + strAddress + "\" is no IP address");
        m_pImpl->proxies.insert(strCanonical);
    }
}

void StandaloneFront::UseTls(std::string strCertPem, std::string strKeyPem) {
    m_pImpl->strCertPem = std::move(strCertPem);
    m_pImpl->strKeyPem = std::move(strKeyPem);
    m_pImpl->watch.SpeakTls();
}

int StandaloneFront::Start(const std::string& strHost, int iPort) {
    Library(); // the reason it cannot be loaded, before anything else
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_PASSIVE | AI_NUMERICSERV;
    addrinfo* pFound = nullptr;
    std::string strPort = std::to_string(iPort);
    if (getaddrinfo(strHost.empty() ? nullptr : strHost.c_str(), strPort.c_str(), &hints,
                    &pFound) != 0 ||
        !pFound)
        throw std::runtime_error("cannot resolve \"" + strHost + "\"");
    sockaddr_storage address{};
    std::memcpy(&address, pFound->ai_addr, pFound->ai_addrlen);
    bool bIPv6 = pFound->ai_family == AF_INET6;
    freeaddrinfo(pFound);

    Impl& impl = *m_pImpl;
    bool bTls = !impl.strCertPem.empty() || !impl.strKeyPem.empty();
    impl.bStarting = true;
    struct StartEnd {
        Impl& impl;
        ~StartEnd() { impl.bStarting = false; }
    } startEnd{impl};
    if (bTls) {
        // The certificate and key are tried first on a daemon without a socket, so that a bad
        // pair is told apart from an address that cannot be had.
        MHD_Daemon* pProbe = Library().start_daemon(
            MHD_USE_TLS | MHD_USE_ERROR_LOG | MHD_USE_NO_LISTEN_SOCKET, 0, nullptr, nullptr,
            &Impl::OnRequest, &impl, MHD_OPTION_EXTERNAL_LOGGER, &Impl::OnLog, &impl,
            MHD_OPTION_HTTPS_MEM_CERT, impl.strCertPem.c_str(), MHD_OPTION_HTTPS_MEM_KEY,
            impl.strKeyPem.c_str(), MHD_OPTION_END);
        if (!pProbe) {
            std::string strReason = impl.TakeStartError();
            throw std::runtime_error("the TLS certificate and key cannot be used" +
                                     (strReason.empty() ? "" : ": " + strReason));
        }
        Library().stop_daemon(pProbe);
    }

    impl.pWorkers =
        std::make_unique<WorkerPool>(impl.limits.nWorkers, impl.limits.nWorkersPerGuild);
    // The page workers are fewer: a guild's share of them is half as well.
    impl.pWebWorkers = std::make_unique<WorkerPool>(
        impl.limits.nWebWorkers,
        impl.limits.nWorkersPerGuild > 0 ? std::max(1, impl.limits.nWebWorkers / 2) : 0);
    if (impl.bHold)
        impl.pHeld = std::make_unique<HeldRequests>(
            impl.limits.nHeldPerAddress, impl.limits.nHeldInAll,
            impl.limits.nHeldPerGuild > 0 ? impl.limits.nHeldPerGuild : impl.limits.nHeldInAll);
    impl.bCountShares = impl.pHeld || !impl.proxies.empty();
    // With requests held, libmicrohttpd's own limit an address is twice its shares, and the front
    // keeps the shares (ConnectionShares), answering what is past them. With a proxy trusted, the
    // front keeps that limit too (OnAccept), since the proxy's connections are many clients'.
    impl.nPerAddressAll = static_cast<unsigned>(
        impl.pHeld ? 2 * (impl.limits.nPerAddress + impl.limits.nHeldPerAddress)
                   : impl.limits.nPerAddress);
    const unsigned nPerAddressAll = impl.proxies.empty() ? impl.nPerAddressAll : 0;
    unsigned iFlags = MHD_USE_EPOLL | MHD_USE_INTERNAL_POLLING_THREAD | MHD_ALLOW_SUSPEND_RESUME |
                      MHD_USE_ERROR_LOG;
    if (bIPv6)
        iFlags |= MHD_USE_IPv6;
    if (bTls)
        iFlags |= MHD_USE_TLS;
    // The TLS options come last: without TLS they end the list early.
    impl.pDaemon = Library().start_daemon(
        iFlags, static_cast<uint16_t>(iPort), impl.proxies.empty() ? nullptr : &Impl::OnAccept,
        &impl, &Impl::OnRequest, &impl, MHD_OPTION_EXTERNAL_LOGGER, &Impl::OnLog, &impl,
        MHD_OPTION_URI_LOG_CALLBACK, &Impl::OnRequestLine, &impl, MHD_OPTION_SOCK_ADDR,
        reinterpret_cast<sockaddr*>(&address), MHD_OPTION_LISTEN_BACKLOG_SIZE,
        static_cast<unsigned>(impl.limits.nBacklog), MHD_OPTION_CONNECTION_LIMIT,
        static_cast<unsigned>(impl.limits.nConnections), MHD_OPTION_PER_IP_CONNECTION_LIMIT,
        nPerAddressAll, MHD_OPTION_CONNECTION_TIMEOUT, 0u, MHD_OPTION_CONNECTION_MEMORY_LIMIT,
        kConnectionMemory, MHD_OPTION_THREAD_POOL_SIZE,
        static_cast<unsigned>(impl.limits.nIoThreads), MHD_OPTION_NOTIFY_CONNECTION,
        &Impl::OnConnection, &impl, MHD_OPTION_NOTIFY_COMPLETED, &Impl::OnCompleted, &impl,
        bTls ? MHD_OPTION_HTTPS_MEM_CERT : MHD_OPTION_END, impl.strCertPem.c_str(),
        MHD_OPTION_HTTPS_MEM_KEY, impl.strKeyPem.c_str(), MHD_OPTION_END);
    if (!impl.pDaemon) {
        std::string strReason = impl.TakeStartError();
        throw std::runtime_error("cannot listen on " + strHost + ":" + strPort +
                                 (strReason.empty() ? "" : ": " + strReason));
    }
    const MHD_DaemonInfo* pInfo =
        Library().get_daemon_info(impl.pDaemon, MHD_DAEMON_INFO_BIND_PORT);
    return pInfo ? pInfo->port : iPort;
}
