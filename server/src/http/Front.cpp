#include "Front.h"

#include "Courier.h"
#include "CurlLibrary.h"
#include "Guild.h"
#include "Numbers.h"
#include "Passwords.h"
#include "Protocol.h"
#include "ResultCodes.h"
#include "Store.h"

#include "GuildFiles.h"
#include "GuildHost.h"
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

std::string Env(const char* szName) {
    const char* szValue = std::getenv(szName);
    return std::string(szValue ? szValue : "");
}

// The guild a CGI request is for: ZORV_DB's, or the one of ZORV_GUILDS that PATH_INFO names, with
// what PATH_INFO says beyond the name ("/zorv", "/member/..."). No file when there is no such
// guild.
struct CgiGuild {
    std::string strFile;
    std::string strBase; // the roster's path as the browser sees it
    std::string strRest; // PATH_INFO below the guild
};
CgiGuild FindCgiGuild() {
    const std::string strGuilds = Env("ZORV_GUILDS");
    const std::string strPathInfo = Env("PATH_INFO");
    if (strGuilds.empty())
        return {Env("ZORV_DB"), Env("SCRIPT_NAME"), strPathInfo};
    const std::size_t iSlash = strPathInfo.find('/', 1);
    const std::string strName =
        strPathInfo.empty() || strPathInfo[0] != '/'
            ? std::string()
            : strPathInfo.substr(1, iSlash == std::string::npos ? std::string::npos : iSlash - 1);
    const std::optional<guilds::Found> found = guilds::Find(strGuilds, strName);
    if (!found)
        return {};
    return {found->strFile, Env("SCRIPT_NAME") + "/" + strName,
            iSlash == std::string::npos ? "" : strPathInfo.substr(iSlash)};
}

void AnswerCgiStatus(int iStatus) {
    std::cout << "Status: " << iStatus << " " << StatusText(iStatus)
              << "\r\nContent-Type: " << kContentType << "\r\nContent-Length: 0\r\n\r\n"
              << std::flush;
}

// A page of the web roster: the script's own path is SCRIPT_NAME, the page's PATH_INFO.
int ServeCgiWeb(const char* szMethod) {
    const CgiGuild guild = FindCgiGuild();
    if (guild.strFile.empty() && !Env("ZORV_GUILDS").empty()) {
        AnswerCgiStatus(404);
        return 0;
    }
    WebRoster web(guild.strFile, guild.strBase);
    // A browser that follows the client's address gets the roster's first page.
    const std::string strPage =
        !Env("ZORV_GUILDS").empty() && guild.strRest == std::string("/") + GuildHost::kScript
            ? ""
            : guild.strRest;
    WebReply reply = web.Handle({szMethod, strPage, Env("HTTP_IF_NONE_MATCH"),
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
// more: the process's soft limit is raised to fit (Debian's default of 1024 does not). A host of
// guilds, whose open guilds take a few each, raises it as far as it may.
bool RaiseDescriptorLimit(int nConnections, bool bHost) {
    const rlim_t nNeeded = static_cast<rlim_t>(nConnections) + 256;
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0)
        return true;
    if (bHost && limit.rlim_cur < limit.rlim_max) {
        rlimit raised = limit;
        raised.rlim_cur = std::min<rlim_t>(limit.rlim_max, 1 << 20);
        if (setrlimit(RLIMIT_NOFILE, &raised) == 0)
            limit = raised;
    }
    if (limit.rlim_cur >= nNeeded)
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
    const bool bHost = !options.strGuildsDir.empty();
    try { // refuse to start on a database, or a folder of them, that is missing or unreadable
        if (bHost) {
            guilds::List(options.strGuildsDir);
        } else {
            Database db = OpenGuildDatabase(options.strDbPath, false);
            Store::FileSchemaVersion(db);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zorv-server: %s\n", e.what());
        return 1;
    }
    bool bTls = !options.strTlsCert.empty();
    std::string strCertPem, strKeyPem;
    if (bTls && !ReadTlsFiles(options, strCertPem, strKeyPem))
        return 1;
    if (!RaiseDescriptorLimit(options.limits.nConnections, bHost))
        return 1;

    // The signals are blocked before any thread starts, so that every thread inherits the mask
    // and only sigwait below takes them.
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);

    // libcurl is set up before a second thread can call it. Made before the guilds, whose
    // operations wake it, so that it outlives them.
    try {
        notify::CurlLibrary();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zorv-server: no chat notifications: %s\n", e.what());
    }
    // The courier asks the host for its guilds, and stops before it.
    std::unique_ptr<GuildHost> pHost;
    std::optional<notify::Courier> courier;
    std::optional<CredentialCache> cache;
    std::unique_ptr<Guild> pGuild;
    std::unique_ptr<WebRoster> pWeb;
    Router router;
    FrontLimits limits = options.limits;
    if (bHost) {
        GuildHost::Options hostOptions;
        hostOptions.guild = options.guild;
        hostOptions.bWeb = options.bWeb;
        hostOptions.idle = std::chrono::seconds(options.nIdleSeconds);
        // An open guild holds its file, its log and the log's index, and the web roster's own
        // connection: the guilds open at once fit in the descriptors the connections leave.
        rlimit files{};
        if (getrlimit(RLIMIT_NOFILE, &files) == 0 && files.rlim_cur != RLIM_INFINITY)
            hostOptions.nMostOpen = std::max<std::size_t>(
                16, (static_cast<std::size_t>(files.rlim_cur) -
                     std::min<std::size_t>(files.rlim_cur,
                                           static_cast<std::size_t>(limits.nConnections) + 256)) /
                        6);
        hostOptions.onNotices = [&courier](const std::string& strFile) { courier->Wake(strFile); };
        pHost = std::make_unique<GuildHost>(options.strGuildsDir, hostOptions);
        courier.emplace([&pHost] { return pHost->Files(); });
        router = pHost->AsRouter();
        // One guild's flood, or its watchers, take at most half of what the host has.
        limits.nWorkersPerGuild = std::max(1, limits.nWorkers / 2);
        limits.nHeldPerGuild = std::max(1, limits.nHeldInAll / 2);
    } else {
        std::optional<std::string> strKey = CredentialCache::LoadKey(options.strDbPath);
        if (strKey)
            cache.emplace(*strKey, std::chrono::seconds(300));
        else
            cache.emplace(); // still remembered in memory, not shared with the CGI program
        courier.emplace(options.strDbPath);
        GuildOptions guildOptions = options.guild;
        guildOptions.onNotices = [&courier, strFile = options.strDbPath] {
            courier->Wake(strFile);
        };
        pGuild = std::make_unique<Guild>(options.strDbPath, &*cache, guildOptions);
        // Made before the front, so that it outlives the requests the front's workers answer.
        auto pSite = std::make_shared<Site>();
        pSite->handle = [&pGuild](const Request& request) { return pGuild->Handle(request); };
        pSite->generationNow = [&pGuild] { return pGuild->FeedGenerationNow(); };
        if (options.bWeb) {
            pWeb = std::make_unique<WebRoster>(options.strDbPath, options.strPath);
            pSite->web = [&pWeb](const WebRequest& request) { return pWeb->Handle(request); };
        }
        router = OneGuildAt(options.strPath, std::move(pSite));
    }
    {
        StandaloneFront front(std::move(router), limits);
        front.HoldFeedRequests();
        try {
            front.TrustProxies(options.trustedProxies);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "zorv-server: --trusted-proxy: %s\n", e.what());
            return 1;
        }
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
                  << ":" << iBound << (bHost ? "/<guild>/zorv" : options.strPath) << std::endl;
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
    const CgiGuild cgiGuild = FindCgiGuild();
    if (!Env("ZORV_GUILDS").empty() &&
        (cgiGuild.strFile.empty() || cgiGuild.strRest != std::string("/") + GuildHost::kScript)) {
        AnswerCgiStatus(404);
        return 0;
    }

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
        const std::string& strDb = cgiGuild.strFile;
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
