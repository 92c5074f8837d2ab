#include "CurlLibrary.h"

#include "LoadedLibrary.h"

#include <mutex>
#include <stdexcept>
#include <string>

namespace notify {

const Curl& CurlLibrary() {
    static const Curl* pLoaded = nullptr;
    static std::string strProblem;
    static std::once_flag once;
    std::call_once(once, [] {
        LoadedLibrary library(ZORV_CURL_SONAME);
        static Curl curl;
#define ZORV_CURL_FIND(name) library.Find(curl.name, "curl_" #name);
        ZORV_CURL_FUNCTIONS(ZORV_CURL_FIND)
#undef ZORV_CURL_FIND
        strProblem = library.strProblem;
        if (strProblem.empty() && curl.global_init(CURL_GLOBAL_DEFAULT) != CURLE_OK)
            strProblem = ZORV_CURL_SONAME " could not be set up";
        if (strProblem.empty())
            pLoaded = &curl;
    });
    if (!pLoaded)
        throw std::runtime_error(strProblem);
    return *pLoaded;
}

} // namespace notify
