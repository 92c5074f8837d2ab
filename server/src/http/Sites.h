#pragma once
// What the standalone front serves, and where: a Router finds, for a request's path, the guild
// that answers it (a Site) and whether the path asks for the protocol or a page of the web
// roster. A single guild answers at one script path; a host of several at /<guild>/zorv each.
#include "Reply.h"
#include "WebExchange.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

// One guild as the front sees it. Held by shared pointer for as long as a request of its runs
// (held watches included), so that a host that closes idle guilds never closes one in use.
struct Site {
    std::string strGuild; // its share of the workers and held requests; "" for a single guild
    std::function<Reply(const Request&)> handle;
    std::function<WebReply(const WebRequest&)> web; // empty: no web roster
    std::function<std::int64_t()> generationNow;    // empty: its watches are answered at once
};

struct Route {
    std::shared_ptr<const Site> pSite;  // null: nothing is served at that path (404)
    std::optional<std::string> strPage; // a page of its web roster, else its protocol
};

// Called with the request's path (its escapes decoded) and whether it reads (GET or HEAD).
using Router = std::function<Route(const std::string& strPath, bool bRead)>;

// One guild at strScript: its protocol at strScript, its web pages at strScript and below it.
Router OneGuildAt(std::string strScript, std::shared_ptr<const Site> pSite);

// The part of a path that names a page of the roster whose script path is strScript, when the
// path is strScript or lies below it.
std::optional<std::string> WebSubPath(const std::string& strScript, const std::string& strPath);
