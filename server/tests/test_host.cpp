// A host of several guilds (serve --guilds DIR): each guild answered from its own file alone, the
// names that could leave the folder refused, guilds added, removed and renamed while it runs, idle
// guilds closed and opened again, each guild's live feed and chat messages its own, the workers and
// held watches shared fairly, and the same guilds under a web server (ZORV_GUILDS).
#include "Demo.h"
#include "GuildFiles.h"
#include "GuildHost.h"
#include "Harness.h"
#include "HeldRequests.h"
#include "Receiver.h"
#include "WorkerPool.h"

#include <filesystem>
#include <fstream>
#include <future>

namespace {

namespace fs = std::filesystem;
using S = Scene;

std::string Level(const std::string& strDb, int id) {
    return SqlValue(strDb, "SELECT level FROM characters WHERE id = " + std::to_string(id));
}

TEST(Host, EachGuildIsAnsweredFromItsOwnFile) {
    ServedGuilds host({"alpha", "beta-2"});
    const GuildAt alpha = host.Guild("alpha"), beta = host.Guild("beta-2");
    S::Build(alpha);
    S::Build(beta);
    ASSERT_EQ(SceneOps(alpha, host.File("alpha")).Save(S::Root, S::Self, {{"LEVEL", "77"}}).iCode,
              800);
    EXPECT_EQ(Level(host.File("alpha"), S::Self), "77");
    EXPECT_NE(Level(host.File("beta-2"), S::Self), "77");
    // A password changed in one guild is not the other's.
    ASSERT_EQ(SceneOps(beta, host.File("beta-2")).Password(S::Other, "betapw9").iCode, 800);
    EXPECT_EQ(beta.Send(S::Name(S::Other), "betapw9", 104).iCode, 800);
    EXPECT_NE(alpha.Send(S::Name(S::Other), "betapw9", 104).iCode, 800);

    // Each guild's roster, at /<guild>/ and at the client's address.
    for (const char* szPath : {"/alpha", "/alpha/", "/alpha/zorv", "/beta-2/"})
        EXPECT_EQ(host.Get(szPath), 200) << szPath;
    const std::string strPage = RawExchange(host.Port(), "GET /alpha/ HTTP/1.0\r\n\r\n");
    EXPECT_NE(strPage.find("<base href=\"/alpha/\">"), std::string::npos)
        << "links stay in the guild";
    EXPECT_EQ(host.Get("/gamma/"), 404);
    EXPECT_EQ(host.Post("/alpha/other"), 404);
    EXPECT_EQ(host.Post("/alpha"), 404);
    EXPECT_EQ(StatusOf(host.Port(), "PUT /alpha/zorv HTTP/1.0\r\nContent-Length: 0\r\n\r\n"), 405);
}

// Whatever a path carries, it reaches a file of the folder or nothing.
TEST(Host, NamesThatCouldLeaveTheFolderAreRefused) {
    ServedGuilds host({"alpha"});
    TempDir outside;
    S::CreateEmpty(outside.File("secret.db"));
    fs::create_symlink(outside.File("secret.db"), host.File("escape"));
    fs::create_symlink(host.File("alpha"), host.File("alias"));
    fs::create_directory(host.dir.File("folder.db"));
    EXPECT_EQ(host.Post("/alpha/zorv"), 200);
    EXPECT_EQ(host.Post("/alias/zorv"), 200) << "a link within the folder is followed";
    const std::string strLong = "/" + std::string(guilds::kMaxName + 1, 'a') + "/zorv";
    for (const std::string& strPath :
         {std::string("/escape/zorv"), std::string("/../alpha/zorv"),
          std::string("/%2e%2e/alpha/zorv"), std::string("/ALPHA/zorv"), std::string("/Alpha/zorv"),
          std::string("/al%2fpha/zorv"), std::string("/alpha.db/zorv"), std::string("/-alpha/zorv"),
          std::string("/folder/zorv"), std::string("//alpha/zorv"), std::string("/./alpha/zorv"),
          std::string("/alpha%20/zorv"), strLong})
        EXPECT_EQ(host.Post(strPath), 404) << strPath;
    EXPECT_EQ(host.Post("/alpha%00/zorv"), 400);
    EXPECT_EQ(host.Get("/escape/"), 404);
    EXPECT_EQ(host.Get("/%2e%2e/"), 404);
    std::string strListed;
    ASSERT_EQ(RunServerCommand({"guild", "list", "--guilds", host.dir.Path()}, &strListed), 0);
    EXPECT_EQ(strListed, "alias  (not set up yet)\nalpha  (not set up yet)\n");
    // Two names, one guild: its chat messages are sent from it once.
    ASSERT_EQ(guilds::DistinctFiles(host.dir.Path()).size(), 1u);
}

// The host follows its folder at each request: no restart for a guild added, and nothing left of
// one removed or renamed (once the host has let go of it, when idle). A removed guild's backup
// restores it.
TEST(Host, GuildsAddedRemovedAndRenamedWhileItRuns) {
    ServedGuilds host({"alpha"}, {"--idle-seconds", "1"});
    S::Build(host.Guild("alpha"));
    EXPECT_EQ(host.Post("/beta/zorv"), 404);
    std::string strOut, strErr;
    ASSERT_EQ(RunServerCommand({"guild", "add", "--guilds", host.dir.Path(), "beta"}, &strOut), 0);
    EXPECT_EQ(strOut, "added beta: its address is /beta/zorv, and its first login sets it up\n");
    // Empty, as init makes it: the first login sets it up.
    EXPECT_EQ(host.Guild("beta").Send("Founder", "pw1", 104).iCode, 801);
    EXPECT_NE(
        RunServerCommand({"guild", "add", "--guilds", host.dir.Path(), "beta"}, nullptr, &strErr),
        0);
    EXPECT_NE(strErr.find("there already"), std::string::npos);
    EXPECT_NE(RunServerCommand({"guild", "add", "--guilds", host.dir.Path(), "Bad.Name"}), 0);

    ASSERT_EQ(RunServerCommand({"guild", "rename", "--guilds", host.dir.Path(), "alpha", "gamma"}),
              0);
    EXPECT_EQ(host.Post("/alpha/zorv"), 404);
    EXPECT_EQ(As(host.Guild("gamma"), S::Self, 104).iCode, 800);
    EXPECT_NE(RunServerCommand({"guild", "rename", "--guilds", host.dir.Path(), "gamma", "beta"}),
              0)
        << "a rename never replaces a guild";

    ASSERT_EQ(RunServerCommand({"guild", "remove", "--guilds", host.dir.Path(), "gamma"}, &strOut),
              0);
    EXPECT_EQ(host.Post("/gamma/zorv"), 404);
    EXPECT_EQ(host.Get("/gamma/"), 404);
    EXPECT_FALSE(fs::exists(host.File("gamma")));
    const std::string strKept = strOut.substr(strOut.find(host.dir.Path()));
    const std::string strDump = strKept.substr(0, strKept.size() - 1);
    ASSERT_TRUE(fs::exists(strDump)) << strOut;
    ASSERT_EQ(RunServerCommand({"restore", "--db", host.File("alpha"), strDump}), 0);
    EXPECT_EQ(As(host.Guild("alpha"), S::Self, 104).iCode, 800);
}

// A guild idle for longer than --idle-seconds lets go of its file, and is opened again at its
// next request.
TEST(Host, IdleGuildsAreClosedAndOpenedAgain) {
    ServedGuilds host({"alpha", "beta"}, {"--idle-seconds", "1"});
    S::Build(host.Guild("alpha"));
    S::Build(host.Guild("beta"));
    auto Open = [&](const std::string& strFile) {
        const std::vector<std::string> files = host.OpenFiles();
        return std::count(files.begin(), files.end(), strFile) > 0;
    };
    EXPECT_TRUE(Open("alpha.db"));
    bool bClosed = false;
    for (int i = 0; i < 40 && !bClosed; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        As(host.Guild("beta"), S::Self, 104); // beta stays busy
        bClosed = !Open("alpha.db");
    }
    EXPECT_TRUE(bClosed);
    EXPECT_TRUE(Open("beta.db"));
    EXPECT_EQ(As(host.Guild("alpha"), S::Self, 104).iCode, 800);
}

// A watch on one guild is woken by its own changes only, and carries only those.
TEST(Host, EachGuildsFeedCarriesItsOwnChanges) {
    ServedGuilds host({"alpha", "beta"});
    const GuildAt alpha = host.Guild("alpha"), beta = host.Guild("beta");
    S::Build(alpha);
    S::Build(beta);
    const int fd = StartWatch(alpha);
    ASSERT_GE(fd, 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    ASSERT_EQ(SceneOps(beta, host.File("beta")).Save(S::Root, S::Vassal, {{"LEVEL", "66"}}).iCode,
              800);
    EXPECT_EQ(ReadFor(fd, 1.0), "") << "beta's change wakes no watcher of alpha";
    ASSERT_EQ(SceneOps(alpha, host.File("alpha")).Save(S::Root, S::High, {{"LEVEL", "55"}}).iCode,
              800);
    const std::string strAnswer = ReadFor(fd, 5.0);
    close(fd);
    EXPECT_NE(strAnswer.find("<START_HERE>800;"), std::string::npos) << strAnswer;
    EXPECT_NE(strAnswer.find("|55|"), std::string::npos) << strAnswer;
    EXPECT_EQ(strAnswer.find("|66|"), std::string::npos) << strAnswer;
}

// One sender serves every guild, each guild's messages going to its own targets alone.
TEST(Host, EachGuildsChatMessagesGoToItsOwnTargets) {
    ServedGuilds host({"alpha", "beta"});
    Receiver alphaHears, betaHears;
    for (auto [szName, pReceiver] : {std::pair{"alpha", &alphaHears}, {"beta", &betaHears}}) {
        S::Build(host.Guild(szName));
        ASSERT_EQ(
            RunServerCommand({"notify", "add", "--db", host.File(szName), "--url",
                              pReceiver->Url("/hook"), "--format", "json", "--kinds", "joins"}),
            0);
    }
    ASSERT_EQ(
        SceneOps(host.Guild("beta"), host.File("beta")).Add(S::Root, S::Other, "Newcomer").iCode,
        800);
    EXPECT_NE(betaHears.WaitFor(1)[0].strBody.find("Newcomer"), std::string::npos);
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    EXPECT_EQ(alphaHears.Count(), 0u);
}

// Under a web server, ZORV_GUILDS and the path after the program choose the guild, and the timer
// delivers the chat messages of every guild of the folder.
TEST(Host, AWebServerChoosesTheGuildByThePath) {
    TempDir dir;
    S::CreateEmpty(dir.File("alpha.db"));
    S::CreateEmpty(dir.File("beta.db"));
    TempDir work;
    CgiTarget cgi(dir.Path(), work.Path(), true);
    const GuildAt alpha(cgi, "/zorv/alpha/zorv");
    S::Build(alpha);
    ASSERT_EQ(SceneOps(alpha, dir.File("alpha.db")).Save(S::Root, S::Self, {{"LEVEL", "71"}}).iCode,
              800);
    EXPECT_EQ(Level(dir.File("alpha.db"), S::Self), "71");
    EXPECT_EQ(SqlValue(dir.File("beta.db"), "SELECT COUNT(*) FROM characters"), "0");
    EXPECT_EQ(StatusOf(cgi.Port(), GetRequest("/zorv/alpha/")), 200);
    for (const char* szPath : {"/zorv/gamma/zorv", "/zorv/alpha/other", "/zorv/ALPHA/zorv",
                               "/zorv/%2e%2e/alpha/zorv", "/zorv"})
        EXPECT_EQ(StatusOf(cgi.Port(), PostRequest(szPath)), 404) << szPath;
    EXPECT_EQ(StatusOf(cgi.Port(), GetRequest("/zorv/gamma/")), 404);

    // The timer's `notify deliver --guilds` sends what every guild of the folder wrote.
    Receiver hears;
    ASSERT_EQ(RunServerCommand({"notify", "add", "--db", dir.File("alpha.db"), "--url",
                                hears.Url("/hook"), "--format", "json", "--kinds", "joins"}),
              0);
    ASSERT_EQ(SceneOps(alpha, dir.File("alpha.db")).Add(S::Root, S::Other, "Newcomer").iCode, 800);
    std::string strOut;
    EXPECT_EQ(RunServerCommand({"notify", "deliver", "--guilds", dir.Path()}, &strOut), 0);
    EXPECT_EQ(strOut, "1 delivered, 0 waiting\n");
    EXPECT_EQ(hears.Count(), 1u);
}

// Two guilds share the workers: while one guild's jobs fill the queue and hold every thread they
// may, the other's job runs at once, and the busy guild never holds more than its share.
TEST(HostShares, AFloodedGuildTakesOnlyItsShareOfTheWorkers) {
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    std::atomic<int> nFloodRunning{0};
    std::promise<void> calmRan;
    WorkerPool pool(4, 2);
    for (int i = 0; i < 50; ++i)
        ASSERT_TRUE(pool.Submit(
            [&] {
                ++nFloodRunning;
                released.wait();
                --nFloodRunning;
            },
            WorkerPool::Kind::Ordinary, "flooded"));
    for (int i = 0; i < 500 && nFloodRunning < 2; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::this_thread::sleep_for(std::chrono::milliseconds(50)); // time for a third, were it let
    EXPECT_EQ(nFloodRunning, 2);
    ASSERT_TRUE(pool.Submit([&] { calmRan.set_value(); }, WorkerPool::Kind::Ordinary, "calm"));
    EXPECT_EQ(calmRan.get_future().wait_for(std::chrono::seconds(5)), std::future_status::ready)
        << "the calm guild's job waits behind the flood";
    release.set_value();
}

// A guild's watchers take at most its share of the held places; the other guilds keep theirs.
TEST(HostShares, AGuildHoldsOnlyItsShareOfWatches) {
    HeldRequests held(100, 10, 3);
    std::atomic<int> nWoken{0};
    auto Hold = [&](const std::string& strGuild, const std::string& strAddress) {
        return held.Hold({strAddress, strGuild, [] { return std::int64_t{1}; }}, 1, 30, -1,
                         [&] { ++nWoken; });
    };
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(Hold("busy", "10.0.0." + std::to_string(i)));
    EXPECT_FALSE(Hold("busy", "10.0.0.9"));
    EXPECT_TRUE(Hold("calm", "10.0.0.9"));
    held.Stop();
    EXPECT_EQ(nWoken, 4);
}

// Past the most guilds it may hold open, the host closes the guild unused longest, never one a
// request still holds.
TEST(HostShares, PastItsLimitTheGuildUnusedLongestIsClosed) {
    TempDir dir;
    for (const char* szName : {"a", "b", "c"})
        CreateEmptyGuild(dir.File(std::string(szName) + ".db"));
    GuildHost::Options options;
    options.nMostOpen = 2;
    GuildHost host(dir.Path(), options);
    const std::shared_ptr<const Site> pA = host.Open("a"); // held, as by a watch
    ASSERT_TRUE(host.Open("b"));
    ASSERT_TRUE(host.Open("c"));
    EXPECT_EQ(host.OpenCount(), 2u);
    EXPECT_EQ(host.Open("a"), pA) << "the guild in use stays open";
}

} // namespace
