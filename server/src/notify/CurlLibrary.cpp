#include "CurlLibrary.h"

#include <dlfcn.h>
#include <mutex>
#include <stdexcept>
#include <string>
#include <type_traits>

namespace notify {

const Curl& CurlLibrary() {
    static const Curl* pLoaded = nullptr;
    static std::string strProblem;
    static std::once_flag once;
    std::call_once(once, [] {
        void* pLibrary = dlopen(ZORV_CURL_SONAME, RTLD_NOW | RTLD_LOCAL);
        if (!pLibrary) {
            const char* szError = dlerror();
            strProblem = std::string("cannot load " ZORV_CURL_SONAME) +
                         (szError ? std::string(": ") + szError : std::string());
            return;
        }
        static Curl curl;
        auto Find = [&](auto& pFunction, const char* szName) {
            pFunction = reinterpret_cast<std::remove_reference_t<decltype(pFunction)>>(
                dlsym(pLibrary, szName));
            if (!pFunction && strProblem.empty())
                strProblem = std::string(ZORV_CURL_SONAME " lacks ") + szName;
        };
#define ZORV_CURL_FIND(name) Find(curl.name, "curl_" #name);
        ZORV_CURL_FUNCTIONS(ZORV_CURL_FIND)
#undef ZORV_CURL_FIND
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
