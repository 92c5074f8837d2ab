#pragma once
// The two ways the server meets HTTP: standalone, and as a CGI program under a web server.
#include "GuildOptions.h"
#include "StandaloneFront.h"

#include <string>
#include <vector>

struct ServeOptions {
    std::string strDbPath;
    // A host of several guilds instead: every DIR/<guild>.db at /<guild>/zorv (GuildHost.h),
    // each closed after nIdleSeconds without a request.
    std::string strGuildsDir;
    int nIdleSeconds = 300;
    // Reverse proxies whose X-Forwarded-For names the client (StandaloneFront::TrustProxies).
    std::vector<std::string> trustedProxies;
    std::string strListen = "127.0.0.1:8080"; // HOST:PORT; port 0 picks a free one
    std::string strPath = "/zorv";
    // PEM files; both set for HTTPS, both empty for plain HTTP.
    std::string strTlsCert;
    std::string strTlsKey;
    FrontLimits limits;
    GuildOptions guild;
    bool bWeb = true; // the public web roster at the script path (GET); --no-web turns it off
};

// Runs until SIGINT or SIGTERM; prints the address it listens on as its first line
// ("zorv-server: listening on http://HOST:PORT/PATH", https:// under TLS).
int Serve(const ServeOptions& options);

// Answers the one request a web server hands over in the environment and on standard input: a
// POST for the client, or a GET or HEAD for the web roster unless ZORV_NO_WEB is 1. The guild is
// the file ZORV_DB names, or, with ZORV_GUILDS=DIR, DIR/<guild>.db for a PATH_INFO of
// /<guild>/zorv (the protocol) or /<guild>/... (the roster).
// ZORV_HISTORY_DAYS, when set, is the days of change history to keep, as serve's --history-days.
int ServeCgi();

// A number of days of history to keep, as the command line or the environment gives it: a whole
// number from 0, or "all"; -1 (all) for anything else, with bValid false.
int HistoryDays(const std::string& strValue, bool& bValid);
