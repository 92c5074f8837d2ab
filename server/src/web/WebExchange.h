#pragma once
// A browser's request for a roster page and its answer, as the fronts and the roster share them.
#include <string>
#include <utility>
#include <vector>

struct WebRequest {
    std::string strMethod;  // "GET" or "HEAD"; anything else gets 405
    std::string strSubPath; // the path after the script path: "", "/", "/members", ...
    std::string strIfNoneMatch;
    std::string strAcceptEncoding;
    std::string strAcceptLanguage; // the browser's languages, as its header lists them
};

struct WebReply {
    int iStatus = 200;
    std::vector<std::pair<std::string, std::string>> headers; // Content-Type among them
    std::string strBody;                                      // empty for HEAD and 304
};
