#pragma once
#include <microhttpd.h>

#include <sys/types.h>

// libmicrohttpd is loaded when a standalone front starts, not linked: it brings GnuTLS and its
// helpers, whose loading and set-up would cost every CGI request, which never uses them, a few
// milliseconds of CPU. These are the functions the front calls, named without the MHD_ prefix.
#define ZORV_MHD_FUNCTIONS(X)                                                                      \
    X(get_connection_info)                                                                         \
    X(create_response_from_buffer)                                                                 \
    X(create_response_from_callback)                                                               \
    X(add_response_header)                                                                         \
    X(queue_response)                                                                              \
    X(destroy_response)                                                                            \
    X(lookup_connection_value)                                                                     \
    X(get_connection_values)                                                                       \
    X(suspend_connection)                                                                          \
    X(resume_connection)                                                                           \
    X(set_connection_option)                                                                       \
    X(quiesce_daemon)                                                                              \
    X(stop_daemon)                                                                                 \
    X(start_daemon)                                                                                \
    X(get_daemon_info)

struct Mhd {
#define ZORV_MHD_MEMBER(name) decltype(&::MHD_##name) name = nullptr;
    ZORV_MHD_FUNCTIONS(ZORV_MHD_MEMBER)
#undef ZORV_MHD_MEMBER
    // GnuTLS's gnutls_record_send, from the GnuTLS that libmicrohttpd loaded; null without one.
    using RecordSend = ssize_t (*)(void* pSession, const void* pData, size_t nData);
    RecordSend record_send = nullptr;
};

// The library's functions, loaded at the first call; throws std::runtime_error naming what is
// missing when it cannot be loaded.
const Mhd& Library();
