#include "MhdLibrary.h"

#include <dlfcn.h>
#include <mutex>
#include <stdexcept>
#include <string>
#include <type_traits>

const Mhd& Library() {
    static const Mhd* pLoaded = nullptr;
    static std::string strProblem;
    static std::once_flag once;
    std::call_once(once, [] {
        void* pLibrary = dlopen(ZORV_MHD_SONAME, RTLD_NOW | RTLD_LOCAL);
        if (!pLibrary) {
            const char* szError = dlerror();
            strProblem = std::string("cannot load " ZORV_MHD_SONAME) +
                         (szError ? std::string(": ") + szError : std::string());
            return;
        }
        static Mhd mhd;
        auto Find = [&](auto& pFunction, const char* szName) {
            pFunction = reinterpret_cast<std::remove_reference_t<decltype(pFunction)>>(
                dlsym(pLibrary, szName));
            if (!pFunction && strProblem.empty())
                strProblem = std::string(ZORV_MHD_SONAME " lacks ") + szName;
        };
#define ZORV_MHD_FIND(name) Find(mhd.name, "MHD_" #name);
        ZORV_MHD_FUNCTIONS(ZORV_MHD_FIND)
#undef ZORV_MHD_FIND
        mhd.record_send = reinterpret_cast<Mhd::RecordSend>(dlsym(pLibrary, "gnutls_record_send"));
        if (strProblem.empty())
            pLoaded = &mhd;
    });
    if (!pLoaded)
        throw std::runtime_error(strProblem);
    return *pLoaded;
}
