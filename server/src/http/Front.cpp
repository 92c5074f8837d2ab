#include "Front.h"

#include "Courier.h"
#include "CurlLibrary.h"
#include "Guild.h"
#include "Numbers.h"
#include "Passwords.h"
#include "Protocol.h"
#include "ResultCodes.h"
#include "Store.h"

#include "StandaloneFront.h"
#include "WebRoster.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <optional>
#include <pthread.h>
#include <sstream>
#include <sys/resource.h>

namespace {

const char kContentType[] = "text/plain; charset=ISO-8859-1";

bool SplitListen(const std::string& strListen, std::string& strHost, int& iPort) {
    std::size_t iColon = strListen.rfind(':');
    if (iColon == std::string::npos)
        return false;
    strHost = strListen.substr(0, iColon);
    try {
        std::size_t nUsed = 0;
        iPort = std::stoi(strListen.substr(iColon + 1), &nUsed);
        return nUsed == strListen.size() - iColon - 1 && iPort >= 0 && iPort <= 65535;
    } catch (const std::exception&) {
        return false;
    }
}

// The whole file, or an explanation of why not in strError.
bool ReadFile(const std::string& strPath, std::string& strContent, std::string& strError) {
    std::ifstream file(strPath, std::ios::binary);
    if (!file) {
        strError = std::strerror(errno);
        return false;
    }
    std::ostringstream content;
    content << file.rdbuf();
    if (file.bad()) {
        strError = std::strerror(errno);
        return false;
    }
    strContent = content.str();
    return true;
}

// Reads the certificate and key named by the options, or says on standard error why not.
bool ReadTlsFiles(const ServeOptions& options, std::string& strCert, std::string& strKey) {
    const struct {
        const std::string& strPath;
        std::string& strContent;
        const char* szWhat;
        const char* szPemEnd; // what ends the PEM header of a block of that kind
    } files[] = {{options.strTlsCert, strCert, "certificate", "CERTIFICATE-----"},
                 {options.strTlsKey, strKey, "key", "PRIVATE KEY-----"}};
    for (const auto& file : files) {
        std::string strError;
        if (!ReadFile(file.strPath, file.strContent, strError)) {
            std::fprintf(stderr, "zorv-server: cannot read the TLS %s %s: %s\n", file.szWhat,
                         file.strPath.c_str(), strError.c_str());
            return false;
        }
        if (file.strContent.find(file.szPemEnd) == std::string::npos) {
            std::fprintf(stderr, "zorv-server: the TLS %s %s holds no PEM %s\n", file.szWhat,
                         file.strPath.c_str(),
                         file.szWhat == std::string("key") ? "private key" : "certificate");
            return false;
        }
    }
    return true;
}

const char* StatusText(int iStatus) {
    switch (iStatus) {
    case 200:
        return "OK";
    case 304:
        return "Not Modified";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    default:
        return "Service Unavailable";
    }
}

// A page of the web roster: the script's own path is SCRIPT_NAME, the page's PATH_INFO.
int ServeCgiWeb(const char* szMethod) {
    auto Env = [](const char* szName) {
        const char* szValue = std::getenv(szName);
        return std::string(szValue ? szValue : "");
    };
    WebRoster web(Env("ZORV_DB"), Env("SCRIPT_NAME"));
    WebReply reply = web.Handle({szMethod, Env("PATH_INFO"), Env("HTTP_IF_NONE_MATCH"),
                                 Env("HTTP_ACCEPT_ENCODING"), Env("HTTP_ACCEPT_LANGUAGE")});
    std::cout << "Status: " << reply.iStatus << " " << StatusText(reply.iStatus) << "\r\n";
    for (const auto& [strName, strValue] : reply.headers)
        std::cout << strName << ": " << strValue << "\r\n";
    if (reply.iStatus != 304 && std::strcmp(szMethod, "HEAD") != 0)
        std::cout << "Content-Length: " << reply.strBody.size() << "\r\n";
    std::cout << "\r\n" << reply.strBody << std::flush;
    return 0;
}

// Every connection is a descriptor, and the guild file, its journal and the workers take some
// more: the process's soft limit is raised to fit (Debian's default of 1024 does not).
bool RaiseDescriptorLimit(int nConnections) {
    const rlim_t nNeeded = static_cast<rlim_t>(nConnections) + 256;
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur >= nNeeded)
        return true;
    if (limit.rlim_max != RLIM_INFINITY && limit.rlim_max < nNeeded) {
        std::fprintf(stderr,
                     "zorv-server: %d connections need %llu open files, and this process may "
                     "have only %llu (ulimit -Hn; LimitNOFILE= under systemd): lower "
                     "--connections\n",
                     nConnections, static_cast<unsigned long long>(nNeeded),
                     static_cast<unsigned long long>(limit.rlim_max));
        return false;
    }
    limit.rlim_cur = nNeeded;
    return setrlimit(RLIMIT_NOFILE, &limit) == 0;
}

} // namespace

int Serve(const ServeOptions& options) {
    std::string strHost;
    int iPort = 0;
    if (!SplitListen(options.strListen, strHost, iPort)) {
        std::fprintf(stderr, "zorv-server: --listen wants HOST:PORT, not \"%s\"\n",
                     options.strListen.c_str());
        return 2;
    }
    try { // refuse to start on a database that is missing or unreadable
        Database db = OpenGuildDatabase(options.strDbPath, false);
        Store::FileSchemaVersion(db);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zorv-server: %s\n", e.what());
        return 1;
    }
    bool bTls = !options.strTlsCert.empty();
    std::string strCertPem, strKeyPem;
    if (bTls && !ReadTlsFiles(options, strCertPem, strKeyPem))
        return 1;
    if (!RaiseDescriptorLimit(options.limits.nConnections))
        return 1;

    // The signals are blocked before any thread starts, so that every thread inherits the mask
    // and only sigwait below takes them.
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);

    std::optional<std::string> strKey = CredentialCache::LoadKey(options.strDbPath);
    std::optional<CredentialCache> cache;
    if (strKey)
        cache.emplace(*strKey, std::chrono::seconds(300));
    else
        cache.emplace(); // still remembered in memory, not shared with the CGI program
    // libcurl is set up before a second thread can call it. Made before the guild, whose
    // operations wake it, so that it outlives them.
    try {
        notify::CurlLibrary();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zorv-server: no chat notifications: %s\n", e.what());
    }
    notify::Courier courier(options.strDbPath);
    GuildOptions guildOptions = options.guild;
    guildOptions.onNotices = [&courier] { courier.Wake(); };
    Guild guild(options.strDbPath, &*cache, guildOptions);
    // Made before the front, so that it outlives the requests the front's workers still answer.
    std::unique_ptr<WebRoster> pWeb;
    if (options.bWeb)
        pWeb = std::make_unique<WebRoster>(options.strDbPath, options.strPath);
    {
        StandaloneFront front(options.strPath, options.limits,
                              [&](const Request& request) { return guild.Handle(request); });
        if (pWeb)
            front.ServeWeb([&pWeb](const WebRequest& request) { return pWeb->Handle(request); });
        front.HoldFeedRequests([&guild] { return guild.FeedGenerationNow(); });
        if (bTls)
            front.UseTls(std::move(strCertPem), std::move(strKeyPem));
        int iBound = 0;
        try {
            iBound = front.Start(strHost, iPort);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "zorv-server: %s\n", e.what());
            return 1;
        }
        std::cout << "zorv-server: listening on " << (bTls ? "https://" : "http://") << strHost
                  << ":" << iBound << options.strPath << std::endl;
        int iSignal = 0;
        sigwait(&signals, &iSignal);
    }
    std::cout << "zorv-server: stopped" << std::endl;
    return 0;
}

int ServeCgi() {
    const char* szMethod = std::getenv("REQUEST_METHOD");
    const char* szNoWeb = std::getenv("ZORV_NO_WEB");
    if (szMethod && (!std::strcmp(szMethod, "GET") || !std::strcmp(szMethod, "HEAD")) &&
        !(szNoWeb && std::string(szNoWeb) == "1"))
        return ServeCgiWeb(szMethod);
    if (!szMethod || std::string(szMethod) != "POST") {
        std::cout << "Status: 405 Method Not Allowed\r\nContent-Type: " << kContentType
                  << "\r\n\r\n";
        return 0;
    }
    const char* szLength = std::getenv("CONTENT_LENGTH");
    unsigned long lLength = szLength ? std::strtoul(szLength, nullptr, 10) : 0;
    const char* szAgent = std::getenv("HTTP_USER_AGENT");
    const char* szRemote = std::getenv("REMOTE_ADDR");
    const char* szDb = std::getenv("ZORV_DB");

    Reply reply;
    if (lLength > kMaxBodyBytes) {
        // Read to its end all the same: a web server that cannot hand over the whole body
        // (Apache's mod_cgid) resets the connection, and the answer with it.
        char buffer[65536];
        for (unsigned long lLeft = lLength; lLeft > 0;) {
            std::size_t nRead =
                std::fread(buffer, 1, std::min<unsigned long>(lLeft, sizeof buffer), stdin);
            if (nRead == 0)
                break;
            lLeft -= nRead;
        }
        reply = {zorv::CodeInvalidText, ""};
    } else {
        std::string strBody(lLength, '\0');
        std::size_t nRead = std::fread(strBody.data(), 1, lLength, stdin);
        strBody.resize(nRead);
        // The record of verified logins is shared through the guild file with every other
        // request's process and with a standalone server, under the key kept beside it.
        std::string strDb = szDb ? szDb : "";
        std::optional<std::string> strKey =
            strDb.empty() ? std::nullopt : CredentialCache::LoadKey(strDb);
        std::optional<CredentialCache> cache;
        if (strKey)
            cache.emplace(*strKey, std::chrono::seconds(300));
        GuildOptions guildOptions;
        const char* szLoopback = std::getenv("ZORV_LOOPBACK_RECEIVERS");
        guildOptions.bPlainLoopback = szLoopback && std::string(szLoopback) == "1";
        if (const char* szDays = std::getenv("ZORV_HISTORY_DAYS")) {
            bool bValid = true;
            guildOptions.nHistoryDays = HistoryDays(szDays, bValid);
        }
        Guild guild(strDb, cache ? &*cache : nullptr, guildOptions);
        reply = guild.Handle({strBody, szAgent ? szAgent : "", szRemote ? szRemote : ""});
    }
    if (!reply.pStream) {
        std::string strBody = reply.Body();
        std::cout << "Content-Type: " << kContentType << "\r\nContent-Length: " << strBody.size()
                  << "\r\n\r\n"
                  << strBody << std::flush;
        return 0;
    }
    // Written as it is read, without a length: the web server ends the body when the program
    // does, and a failure midway leaves it without the stop marker, which the client never takes
    // for a whole reply.
    std::cout << "Content-Type: " << kContentType << "\r\n\r\n" << reply.Head();
    std::string strPiece;
    try {
        while (reply.NextPiece(strPiece)) {
            std::cout.write(strPiece.data(), static_cast<std::streamsize>(strPiece.size()));
            strPiece.clear();
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zorv-server: a streamed reply failed: %s\n", e.what());
        std::cout << std::flush;
        return 1;
    }
    std::cout << zorv::kStopMarker << std::flush;
    return 0;
}

int HistoryDays(const std::string& strValue, bool& bValid) {
    bValid = true;
    if (strValue == "all")
        return -1;
    std::optional<long> lDays = zorv::ParseWholeNumber(strValue);
    if (!lDays || *lDays < 0 || *lDays > 1000000 ||
        strValue.find_first_not_of("0123456789") != std::string::npos) {
        bValid = false;
        return -1;
    }
    return static_cast<int>(*lDays);
}
