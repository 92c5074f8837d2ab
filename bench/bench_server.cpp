// Server costs that guild officers feel: a login with and without the credential record, and
// the whole-tree download for a 32767-member guild. Prints one line per figure.
#include "Demo.h"
#include "Guild.h"
#include "Passwords.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <unistd.h>

namespace {

double MillisecondsPerRun(int nRuns, const std::function<void()>& run) {
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < nRuns; ++i)
        run();
    std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    return elapsed.count() / nRuns;
}

Request Make(const std::string& strBody) {
    return {strBody, "ZORV 0.3", "127.0.0.1"};
}

} // namespace

int main() {
    namespace fs = std::filesystem;
    fs::path dir = fs::temp_directory_path() / ("zorv-bench-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    for (const char* szShape : {"random", "wide", "chain"}) {
        std::string strDb = (dir / (std::string(szShape) + ".db")).string();
        SeedShape shape = std::string(szShape) == "wide"    ? SeedShape::Wide
                          : std::string(szShape) == "chain" ? SeedShape::Chain
                                                            : SeedShape::Random;
        auto start = std::chrono::steady_clock::now();
        GuildLogin login = CreateSeededGuild(strDb, 32767, shape);
        std::chrono::duration<double, std::milli> seed = std::chrono::steady_clock::now() - start;
        std::string strAuth = "charname=" + login.strName + "&password=" + login.strPassword;

        CredentialCache cache;
        Guild cached(strDb, &cache);
        Guild uncached(strDb, nullptr);
        std::size_t nBytes = 0;
        double dTree = MillisecondsPerRun(
            5, [&] { nBytes = cached.Handle(Make(strAuth + "&msgid=100")).strPayload.size(); });
        std::printf("%-6s seed 32767 members: %8.1f ms\n", szShape, seed.count());
        std::printf("%-6s op 100, 32767 members: %8.1f ms  (%zu bytes)\n", szShape, dTree, nBytes);
        if (shape != SeedShape::Random)
            continue;
        double dFull =
            MillisecondsPerRun(5, [&] { uncached.Handle(Make(strAuth + "&msgid=104")); });
        double dCached =
            MillisecondsPerRun(200, [&] { cached.Handle(Make(strAuth + "&msgid=104")); });
        double dMember = MillisecondsPerRun(
            5, [&] { uncached.Handle(Make("charname=Seed c&password=welcome1&msgid=104")); });
        std::printf("login, full argon2id check:          %8.2f ms\n", dFull);
        std::printf("login, default-password member:      %8.2f ms\n", dMember);
        std::printf("login, recently verified (serve):    %8.2f ms\n", dCached);
        double dChar = MillisecondsPerRun(
            50, [&] { cached.Handle(Make(strAuth + "&msgid=107&getcharid=30000")); });
        std::printf("op 107, one character (serve):       %8.2f ms\n", dChar);
    }
    fs::remove_all(dir);
    return 0;
}
