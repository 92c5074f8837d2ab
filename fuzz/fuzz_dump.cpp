// The restore's reading of a dump (ReadDump), which takes a file from anywhere: a backup, a file
// the client saved, or one made by hand. Besides the sanitizers, an input fails when a dump the
// reading accepts cannot be restored (RestoreDump into a guild file), when the restored guild's
// own backup is refused, or when restoring that backup gives a different backup: what restore
// lets in is always a guild the server could have written, history included. (The input itself
// may differ from its backup: rows in another order, "007" for 7.)
#include "Database.h"
#include "Dump.h"
#include "Store.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace {

[[noreturn]] void Fail(const char* szWhat, const std::string& strDetail) {
    std::fprintf(stderr, "fuzz_dump: %s: %s\n", szWhat, strDetail.c_str());
    std::abort();
}

// The backup of the guild that restoring the dump gives.
std::string Restored(const GuildDump& dump) {
    // One file per process, emptied by each restore.
    static const std::string strDb = [] {
        const char* szTmp = std::getenv("TMPDIR");
        return std::string(szTmp ? szTmp : "/tmp") + "/fuzz_dump-" + std::to_string(getpid()) +
               ".db";
    }();
    Database db = OpenGuildDatabase(strDb, true);
    RestoreDump(db, dump);
    return DumpDatabase(db);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    const std::string strDump(reinterpret_cast<const char*>(pData), nSize);
    GuildDump dump;
    try {
        dump = ReadDump(strDump);
    } catch (const std::runtime_error&) {
        return 0; // refused, with its reason: what a bad dump should get
    }
    std::string strBackup;
    try {
        strBackup = Restored(dump);
    } catch (const std::exception& e) {
        Fail("an accepted dump did not restore", e.what());
    }
    GuildDump again;
    try {
        again = ReadDump(strBackup);
    } catch (const std::runtime_error& e) {
        Fail("the restored guild's backup is refused", e.what());
    }
    try {
        if (Restored(again) != strBackup)
            Fail("restoring the backup gives another backup", strBackup);
    } catch (const std::exception& e) {
        Fail("the restored guild's backup did not restore", e.what());
    }
    return 0;
}
