#pragma once
// A library loaded by name at its first use rather than linked (libmicrohttpd when a standalone
// front starts, libcurl at the first notification sent), so that a CGI request loads neither nor
// what they pull in. Each fills a table of function pointers, once.
#include <dlfcn.h>
#include <string>

class LoadedLibrary {
public:
    explicit LoadedLibrary(const char* szSoname) : m_szSoname(szSoname) {
        m_pLibrary = dlopen(szSoname, RTLD_NOW | RTLD_LOCAL);
        if (!m_pLibrary) {
            const char* szError = dlerror();
            strProblem = std::string("cannot load ") + szSoname +
                         (szError ? std::string(": ") + szError : std::string());
        }
    }

    // Sets pFunction to the library's szName; a missing one is the problem, if none came before.
    template <typename Function> void Find(Function& pFunction, const char* szName) {
        FindOptional(pFunction, szName);
        if (!pFunction && strProblem.empty())
            strProblem = std::string(m_szSoname) + " lacks " + szName;
    }
    // The same for a function the caller can do without: null when missing.
    template <typename Function> void FindOptional(Function& pFunction, const char* szName) {
        pFunction = m_pLibrary ? reinterpret_cast<Function>(dlsym(m_pLibrary, szName)) : nullptr;
    }

    bool Loaded() const { return m_pLibrary != nullptr; }
    // Why the library or one of its functions cannot be used; empty when all were found.
    std::string strProblem;

private:
    const char* m_szSoname;
    void* m_pLibrary = nullptr;
};
