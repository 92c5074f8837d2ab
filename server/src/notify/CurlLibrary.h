#pragma once
// libcurl is loaded when a notification is first sent, not linked: it brings OpenSSL and a dozen
// other libraries, whose loading would cost every CGI request, which never sends one, a few
// milliseconds. These are the functions the sender calls, named without the curl_ prefix.
#include <curl/curl.h>

#define ZORV_CURL_FUNCTIONS(X)                                                                     \
    X(global_init)                                                                                 \
    X(easy_init)                                                                                   \
    X(easy_setopt)                                                                                 \
    X(easy_perform)                                                                                \
    X(easy_getinfo)                                                                                \
    X(easy_cleanup)                                                                                \
    X(easy_strerror)                                                                               \
    X(slist_append)                                                                                \
    X(slist_free_all)                                                                              \
    X(getdate)

namespace notify {

struct Curl {
#define ZORV_CURL_MEMBER(name) decltype(&::curl_##name) name = nullptr;
    ZORV_CURL_FUNCTIONS(ZORV_CURL_MEMBER)
#undef ZORV_CURL_MEMBER
};

// The library's functions, loaded and set up (global_init) at the first call, which must come
// before a second thread calls it; throws std::runtime_error naming what is missing when it
// cannot be loaded.
const Curl& CurlLibrary();

} // namespace notify
