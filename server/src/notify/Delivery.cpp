#include "Delivery.h"

#include "CurlLibrary.h"

#include "NotifyStore.h"
#include "Protocol.h"
#include "Store.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <strings.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace notify {

namespace {

constexpr std::size_t kKeptAnswer = 200;
constexpr std::int64_t kFirstRetrySeconds = 5;
// A receiver that is down or overloaded is tried at least every half minute, so that a queue is
// on its way soon after it comes back; one that answers that the target is wrong (a webhook
// removed, no rights) is not pressed more than every ten minutes.
constexpr std::int64_t kLongestBackoffSeconds = 30;
constexpr std::int64_t kLongestBackoffForTargetSeconds = 600;
constexpr std::int64_t kLongestRetryAfterSeconds = 3600;

struct Exchange {
    std::string strAnswer;
    std::optional<std::int64_t> lRetryAfter;
    const std::atomic<bool>* pbAbort = nullptr;
};

std::size_t KeepAnswer(char* pData, std::size_t nSize, std::size_t nCount, void* pUser) {
    Exchange& exchange = *static_cast<Exchange*>(pUser);
    const std::size_t nBytes = nSize * nCount;
    // Only the start is kept: enough for a reason and a rate limit's retry_after.
    exchange.strAnswer.append(
        pData,
        std::min(nBytes, kKeptAnswer * 4 - std::min(exchange.strAnswer.size(), kKeptAnswer * 4)));
    return nBytes;
}

std::optional<std::int64_t> Seconds(const char* szText) {
    while (*szText == ' ' || *szText == '\t' || *szText == ':')
        ++szText;
    char* pEnd = nullptr;
    double dValue = std::strtod(szText, &pEnd);
    if (pEnd == szText || !(dValue >= 0) || dValue > 1e9)
        return std::nullopt;
    return static_cast<std::int64_t>(dValue + 0.999); // a fraction waits the whole second
}

std::size_t ReadHeader(char* pData, std::size_t nSize, std::size_t nCount, void* pUser) {
    Exchange& exchange = *static_cast<Exchange*>(pUser);
    const std::size_t nBytes = nSize * nCount;
    std::string strLine(pData, nBytes);
    const char kName[] = "retry-after:";
    if (strLine.size() > sizeof kName &&
        strncasecmp(strLine.c_str(), kName, sizeof kName - 1) == 0) {
        std::string strValue = strLine.substr(sizeof kName - 1);
        if (std::optional<std::int64_t> lSeconds = Seconds(strValue.c_str())) {
            exchange.lRetryAfter = lSeconds;
        } else {
            time_t at = CurlLibrary().getdate(strValue.c_str(), nullptr);
            if (at > 0)
                exchange.lRetryAfter = std::max<std::int64_t>(0, at - std::time(nullptr));
        }
    }
    return nBytes;
}

int Progress(void* pUser, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    const Exchange& exchange = *static_cast<const Exchange*>(pUser);
    return exchange.pbAbort && exchange.pbAbort->load() ? 1 : 0;
}

std::string Printable(const std::string& strText) {
    std::string strOut;
    for (char c : strText) {
        if (strOut.size() >= kKeptAnswer)
            break;
        strOut += (c >= 0x20 && c < 0x7f) ? c : ' ';
    }
    while (!strOut.empty() && strOut.back() == ' ')
        strOut.pop_back();
    return strOut;
}

// The answer without the target's path and query, whole or in pieces: a receiver's error page
// often repeats the address it was asked at, and there the webhook's secret stands.
std::string WithoutSecrets(std::string strText, const std::string& strUrl) {
    const std::size_t iScheme = strUrl.find("://");
    const std::size_t iPath =
        iScheme == std::string::npos ? std::string::npos : strUrl.find_first_of("/?#", iScheme + 3);
    if (iPath == std::string::npos)
        return strText;
    std::vector<std::string> secrets{strUrl.substr(iPath)};
    std::string strPiece;
    for (char c : strUrl.substr(iPath) + "/") {
        if (c == '/' || c == '?' || c == '&' || c == '=' || c == '#') {
            if (strPiece.size() >= 3)
                secrets.push_back(strPiece);
            strPiece.clear();
        } else {
            strPiece += c;
        }
    }
    std::sort(secrets.begin(), secrets.end(),
              [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
    for (const std::string& strSecret : secrets)
        for (std::size_t iAt = strText.find(strSecret); iAt != std::string::npos;
             iAt = strText.find(strSecret, iAt + 3))
            strText.replace(iAt, strSecret.size(), "...");
    return strText;
}

} // namespace

PostResult Post(const std::string& strUrl, const std::string& strBody,
                const std::string& strDeliveryId, PostLimits limits,
                const std::atomic<bool>* pbAbort) {
    PostResult result;
    const Curl* pLib = nullptr;
    try {
        pLib = &CurlLibrary();
    } catch (const std::exception& e) {
        result.strError = e.what();
        return result;
    }
    const Curl& lib = *pLib;
    CURL* pCurl = lib.easy_init();
    if (!pCurl) {
        result.strError = "libcurl could not start";
        return result;
    }
    Exchange exchange;
    exchange.pbAbort = pbAbort;
    curl_slist* pHeaders = nullptr;
    pHeaders = lib.slist_append(pHeaders, "Content-Type: application/json");
    pHeaders = lib.slist_append(pHeaders, ("X-ZORV-Delivery: " + strDeliveryId).c_str());
    pHeaders = lib.slist_append(pHeaders, "Expect:");
    char szError[CURL_ERROR_SIZE] = "";
    lib.easy_setopt(pCurl, CURLOPT_URL, strUrl.c_str());
    lib.easy_setopt(pCurl, CURLOPT_PROTOCOLS_STR, "http,https");
    lib.easy_setopt(pCurl, CURLOPT_FOLLOWLOCATION, 0L);
    lib.easy_setopt(pCurl, CURLOPT_SSL_VERIFYPEER, 1L);
    lib.easy_setopt(pCurl, CURLOPT_SSL_VERIFYHOST, 2L);
    lib.easy_setopt(pCurl, CURLOPT_NOSIGNAL, 1L);
    lib.easy_setopt(pCurl, CURLOPT_CONNECTTIMEOUT, static_cast<long>(limits.nConnectSeconds));
    lib.easy_setopt(pCurl, CURLOPT_TIMEOUT, static_cast<long>(limits.nTotalSeconds));
    lib.easy_setopt(pCurl, CURLOPT_USERAGENT,
                    (std::string("zorv-server/") + zorv::kVersion).c_str());
    lib.easy_setopt(pCurl, CURLOPT_HTTPHEADER, pHeaders);
    lib.easy_setopt(pCurl, CURLOPT_POSTFIELDS, strBody.c_str());
    lib.easy_setopt(pCurl, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(strBody.size()));
    lib.easy_setopt(pCurl, CURLOPT_WRITEFUNCTION, KeepAnswer);
    lib.easy_setopt(pCurl, CURLOPT_WRITEDATA, &exchange);
    lib.easy_setopt(pCurl, CURLOPT_HEADERFUNCTION, ReadHeader);
    lib.easy_setopt(pCurl, CURLOPT_HEADERDATA, &exchange);
    lib.easy_setopt(pCurl, CURLOPT_XFERINFOFUNCTION, Progress);
    lib.easy_setopt(pCurl, CURLOPT_XFERINFODATA, &exchange);
    lib.easy_setopt(pCurl, CURLOPT_NOPROGRESS, 0L);
    lib.easy_setopt(pCurl, CURLOPT_ERRORBUFFER, szError);
    CURLcode code = lib.easy_perform(pCurl);
    if (code == CURLE_OK) {
        lib.easy_getinfo(pCurl, CURLINFO_RESPONSE_CODE, &result.lStatus);
    } else {
        result.strError =
            Printable(WithoutSecrets(*szError ? szError : lib.easy_strerror(code), strUrl));
    }
    lib.slist_free_all(pHeaders);
    lib.easy_cleanup(pCurl);
    result.strAnswer = Printable(WithoutSecrets(exchange.strAnswer, strUrl));
    result.lRetryAfter = exchange.lRetryAfter;
    // Discord says how long to wait in the body of its 429, in seconds with a fraction.
    const std::size_t iAt = exchange.strAnswer.find("\"retry_after\"");
    if (result.lStatus == 429 && iAt != std::string::npos)
        if (std::optional<std::int64_t> lSeconds =
                Seconds(exchange.strAnswer.c_str() + iAt + std::strlen("\"retry_after\"")))
            result.lRetryAfter = std::max(result.lRetryAfter.value_or(0), *lSeconds);
    return result;
}

std::string Describe(const PostResult& result) {
    if (result.lStatus == 0)
        return "no answer: " + result.strError;
    std::string strText = "HTTP " + std::to_string(result.lStatus);
    if (result.lStatus >= 300 && result.lStatus < 400)
        strText += " (redirects are not followed)";
    if (!result.strAnswer.empty() && (result.lStatus < 200 || result.lStatus >= 300))
        strText += ": " + result.strAnswer;
    return strText;
}

Outcome Classify(const PostResult& result) {
    const long s = result.lStatus;
    if (s >= 200 && s < 300)
        return Outcome::Delivered;
    // The receiver is there and says this message can never be taken; anything else may be the
    // target's trouble (a webhook removed or not yet allowed, a server down) and the message
    // waits for it to mend.
    if (s == 400 || s == 413 || s == 415 || s == 422)
        return Outcome::Refused;
    return Outcome::Retry;
}

std::int64_t RetryDelay(const PostResult& result, int nAttempts) {
    if (result.lRetryAfter && (result.lStatus == 429 || result.lStatus == 503))
        return std::clamp<std::int64_t>(*result.lRetryAfter, 1, kLongestRetryAfterSeconds);
    const long s = result.lStatus;
    const std::int64_t lLongest = s >= 300 && s < 500 && s != 408 && s != 429
                                      ? kLongestBackoffForTargetSeconds
                                      : kLongestBackoffSeconds;
    std::int64_t lDelay = kFirstRetrySeconds;
    for (int i = 1; i < nAttempts && lDelay < lLongest; ++i)
        lDelay *= 2;
    return std::min(lDelay, lLongest);
}

namespace {

int DeliverLoop(Database& db, int iTarget, PostLimits limits, const std::atomic<bool>* pbStop) {
    int nDelivered = 0;
    while (!(pbStop && pbStop->load())) {
        std::optional<Message> message;
        std::optional<Target> target;
        {
            Transaction tx(db, Transaction::Kind::Read);
            message = DueMessage(db, iTarget, std::time(nullptr));
            if (message)
                target = FindTarget(db, iTarget);
        }
        if (!message || !target)
            break;
        PostResult result =
            Post(target->strUrl, message->strBody, std::to_string(message->lId), limits, pbStop);
        const std::int64_t lNow = std::time(nullptr);
        Transaction tx(db, Transaction::Kind::Write);
        switch (Classify(result)) {
        case Outcome::Delivered:
            Delivered(db, *message, Describe(result), lNow);
            ++nDelivered;
            break;
        case Outcome::Refused:
            Refused(db, *message, Describe(result));
            break;
        case Outcome::Retry:
            // A second more, as the clock's seconds are whole: never sooner than asked.
            Postponed(db, *message, Describe(result), lNow,
                      lNow + 1 + RetryDelay(result, message->nAttempts + 1));
            break;
        }
        tx.Commit();
    }
    return nDelivered;
}

} // namespace

int DeliverTarget(const std::string& strDbPath, int iTarget, PostLimits limits,
                  const std::atomic<bool>* pbStop) {
    DeliveryLock lock(strDbPath, iTarget);
    if (!lock.Held())
        return 0;
    Database db = OpenGuildDatabase(strDbPath, false);
    return DeliverLoop(db, iTarget, limits, pbStop);
}

std::vector<int> TargetsDue(const std::string& strDbPath) {
    Database db = OpenGuildDatabase(strDbPath, false);
    Transaction tx(db, Transaction::Kind::Read);
    std::vector<int> targets;
    for (const Message& message : DueMessages(db, std::time(nullptr)))
        targets.push_back(message.iTarget);
    return targets;
}

int DeliverDue(const std::string& strDbPath, PostLimits limits) {
    std::atomic<int> nDelivered{0};
    std::vector<std::thread> senders;
    for (int iTarget : TargetsDue(strDbPath)) {
        senders.emplace_back([&, iTarget] {
            try {
                nDelivered += DeliverTarget(strDbPath, iTarget, limits);
            } catch (const std::exception& e) {
                std::fprintf(stderr, "zorv-server: the notifications of target %d wait: %s\n",
                             iTarget, e.what());
            }
        });
    }
    for (std::thread& sender : senders)
        sender.join();
    return nDelivered;
}

DeliveryLock::DeliveryLock(const std::string& strDbPath, int iTarget) {
    const std::string strLock = strDbPath + "-notify.lock";
    m_fd = ::open(strLock.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0660);
    if (m_fd < 0) {
        // Better to deliver without it than never: only a second deliverer could repeat a
        // message meanwhile.
        std::fprintf(stderr, "zorv-server: cannot open %s (%s): delivering without the lock\n",
                     strLock.c_str(), std::strerror(errno));
        m_bHeld = true;
        return;
    }
    // An open file description's lock: each holder opens the file for itself, so that a lock is
    // not let go when another thread closes its own descriptor of the file.
    struct flock range {};
    range.l_type = F_WRLCK;
    range.l_whence = SEEK_SET;
    range.l_start = iTarget;
    range.l_len = 1;
    m_bHeld = ::fcntl(m_fd, F_OFD_SETLK, &range) == 0;
}

DeliveryLock::~DeliveryLock() {
    if (m_fd >= 0)
        ::close(m_fd); // lets the lock go
}

} // namespace notify
