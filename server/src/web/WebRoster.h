#pragma once
// The guild's public web roster: read-only pages answered to GET and HEAD under the script path,
// for both fronts. The tree comes from the same cached payload as operation 100; the rest of
// what the pages show is read beside it. Pages about the whole guild are kept, plain and
// gzipped, until the guild file changes; a long-running server learns of a change from SQLite's
// data_version on a connection of its own, so an unchanged roster costs one pragma. Each page
// has an ETag, and a request that names it gets 304. Thread-safe.
#include "TreeCache.h"
#include "WebExchange.h"

#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class Database;
struct WebGuild;

class WebRoster {
public:
    // strBase is the script path the pages live under ("/zorv"), as the browser sees it.
    WebRoster(std::string strDbPath, std::string strBase);
    ~WebRoster();
    WebRoster(const WebRoster&) = delete;
    WebRoster& operator=(const WebRoster&) = delete;

    WebReply Handle(const WebRequest& request);

    // The headers every answer carries: a policy that allows this site's own script, style and
    // pictures and nothing else.
    static const char kContentSecurityPolicy[];

private:
    struct Snapshot;
    struct Page {
        std::string strETag; // without the quotes and the encoding's suffix
        std::shared_ptr<const std::string> pPlain, pGzip;
    };

    // All under m_mutex. The connection, opened again when the file at the path is another.
    Database& Connection();
    // The guild as the file holds it now, reloaded only when the file changed.
    std::shared_ptr<Snapshot> Current();
    // A member's page; nullopt when there is no such member.
    std::optional<WebReply> MemberReply(const WebRequest& request, int id);
    Page GuildPage(const std::string& strRoute, const std::string& strLanguage);
    // strLanguage, for a page of the guild's, is the language it is written in; none for an
    // asset.
    WebReply Send(const WebRequest& request, Page& page, const char* szContentType,
                  const char* szCacheControl, const std::string& strLanguage = std::string());

    std::string m_strDbPath;
    std::string m_strBase;
    std::mutex m_mutex;
    std::unique_ptr<Database> m_pDb;
    std::pair<unsigned long, unsigned long> m_fileIdentity{0, 0};
    long long m_lDataVersion = -1;
    std::shared_ptr<Snapshot> m_pSnapshot;
    TreeCache m_treeCache;
};

// gzip (RFC 1952) of the text, for a client whose Accept-Encoding allows it.
std::string Gzip(const std::string& strText);
bool AcceptsGzip(const std::string& strAcceptEncoding);
// The language of the pages for a browser's Accept-Language: the one it prefers most (by its
// q-values, then its order) of those ZORV speaks; English when it names none of them.
std::string PageLanguage(const std::string& strAcceptLanguage);
