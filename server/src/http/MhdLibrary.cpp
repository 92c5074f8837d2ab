#include "MhdLibrary.h"

#include "LoadedLibrary.h"

#include <mutex>
#include <stdexcept>
#include <string>

const Mhd& Library() {
    static const Mhd* pLoaded = nullptr;
    static std::string strProblem;
    static std::once_flag once;
    std::call_once(once, [] {
        LoadedLibrary library(ZORV_MHD_SONAME);
        static Mhd mhd;
#define ZORV_MHD_FIND(name) library.Find(mhd.name, "MHD_" #name);
        ZORV_MHD_FUNCTIONS(ZORV_MHD_FIND)
#undef ZORV_MHD_FIND
        library.FindOptional(mhd.record_send, "gnutls_record_send");
        strProblem = library.strProblem;
        if (strProblem.empty())
            pLoaded = &mhd;
    });
    if (!pLoaded)
        throw std::runtime_error(strProblem);
    return *pLoaded;
}
