// The path of a request to a host of several guilds (GuildHost's router, guilds::Find): any path,
// read or posted, reaches the folder's one guild or nothing. The folder, in a temporary place,
// holds the guild "alpha", a link "escape" to a guild file outside it, a folder "nested.db" and
// a file of another kind beside them.
//
// An input is a method byte ('r' to read, anything else to post) and the path. It fails when a
// path reaches a guild other than alpha, or alpha by another name than its own.
#include "Demo.h"
#include "GuildFiles.h"
#include "GuildHost.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

GuildHost& Host() {
    static std::unique_ptr<GuildHost> pHost = [] {
        namespace fs = std::filesystem;
        const char* szTmp = std::getenv("TMPDIR");
        const fs::path base =
            fs::path(szTmp ? szTmp : "/tmp") / ("zorv-fuzz-guilds-" + std::to_string(getpid()));
        fs::create_directories(base / "guilds");
        CreateEmptyGuild((base / "guilds" / "alpha.db").string());
        CreateEmptyGuild((base / "outside.db").string());
        fs::create_symlink(base / "outside.db", base / "guilds" / "escape.db");
        fs::create_directories(base / "guilds" / "nested.db");
        std::ofstream(base / "guilds" / "notes.txt") << "not a guild";
        GuildHost::Options options;
        options.idle = std::chrono::hours(1);
        return std::make_unique<GuildHost>((base / "guilds").string(), options);
    }();
    return *pHost;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
    if (nSize == 0)
        return 0;
    const bool bRead = pData[0] == 'r';
    const std::string strPath(reinterpret_cast<const char*>(pData) + 1, nSize - 1);
    const Route route = Host().AsRouter()(strPath, bRead);
    if (!route.pSite)
        return 0;
    const bool bAlphasPath = strPath == "/alpha" || strPath.compare(0, 7, "/alpha/") == 0;
    if (route.pSite->strGuild != "alpha" || !bAlphasPath)
        __builtin_trap();
    if (!bRead && (strPath != "/alpha/zorv" || route.strPage))
        __builtin_trap();
    return 0;
}
