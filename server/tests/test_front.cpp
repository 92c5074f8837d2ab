// The standalone front under hostile clients: slow headers, trickled headers, header floods,
// malformed requests and one address opening many connections must never keep a member's
// request from being answered, nor the server's memory from coming back.
#include "Harness.h"
#include "StandaloneFront.h"
#include "WorkerPool.h"

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <future>
#include <mutex>
#include <poll.h>
#include <sys/resource.h>

namespace {

using S = Scene;

const char kLoginHead[] = "POST /zorv HTTP/1.0\r\nHost: x\r\nUser-Agent: ZORV 0.3\r\n";

// Whether the server has closed (or answered on) the connection, without waiting.
bool PeerSpoke(int fd) {
    pollfd poll_fd{fd, POLLIN, 0};
    return poll(&poll_fd, 1, 0) == 1;
}

// What the threads of a test report, counted, so that the test waits for a count rather than
// for a time.
class Counts {
public:
    void Add(const std::string& strWhat) {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            ++m_counts[strWhat];
        }
        m_changed.notify_all();
    }
    int Of(const std::string& strWhat) {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_counts[strWhat];
    }
    // False when a minute passes first.
    bool WaitFor(const std::string& strWhat, int n) {
        std::unique_lock<std::mutex> lock(m_mutex);
        return m_changed.wait_for(lock, std::chrono::minutes(1),
                                  [&] { return m_counts[strWhat] >= n; });
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::map<std::string, int> m_counts;
};

// Sends strRequest from strFrom, counts it as "sent" once the bytes are out, and returns all the
// server says until it closes (empty when the connection failed).
std::string SendCounted(int iPort, const std::string& strRequest, const std::string& strFrom,
                        Counts& counts) {
    int fd = ConnectLoopback(iPort, strFrom);
    bool bSent = fd >= 0 && send(fd, strRequest.data(), strRequest.size(), MSG_NOSIGNAL) ==
                                static_cast<ssize_t>(strRequest.size());
    counts.Add("sent");
    std::string strReply = bSent ? ReadFor(fd, 60) : "";
    if (fd >= 0)
        close(fd);
    return strReply;
}

long ResidentKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string strLine;
    while (std::getline(status, strLine))
        if (strLine.rfind("VmRSS:", 0) == 0)
            return std::atol(strLine.c_str() + 6);
    return -1;
}

class Front : public ::testing::Test {
protected:
    void SetUp() override {
        m_strDb = m_dir.File("guild.db");
        Scene::CreateEmpty(m_strDb);
    }
    std::unique_ptr<ServeTarget> Start(const std::vector<std::string>& args = {}) {
        auto target = std::make_unique<ServeTarget>(m_strDb, "/zorv", args);
        Scene::Build(*target);
        return target;
    }

    TempDir m_dir;
    std::string m_strDb;
};

TEST_F(Front, SlowHeadersAndBodiesNeverHoldBackALogin) {
    auto target = Start();
    // More half-sent requests than a pool of threads that each wait on one would have: headers
    // cut short, and whole headers whose body falls short of its length.
    std::vector<int> slow;
    for (int i = 0; i < 30; ++i) {
        int fd = ConnectLoopback(target->Port(), "127.0.0.2");
        ASSERT_GE(fd, 0) << i;
        std::string strPart = i % 2 ? std::string(kLoginHead).substr(0, 20 + i % 10)
                                    : std::string(kLoginHead) + "Content-length: 50\r\n\r\nchar";
        ASSERT_EQ(send(fd, strPart.data(), strPart.size(), MSG_NOSIGNAL),
                  static_cast<ssize_t>(strPart.size()));
        slow.push_back(fd);
    }
    // Answered while every slow connection is still waiting for its header, not after the
    // server gave up on some of them.
    EXPECT_EQ(As(*target, S::Self, 104).iCode, 800);
    EXPECT_EQ(As(*target, S::Other, 107, {{"getcharid", "4"}}).iCode, 800);
    for (int fd : slow) {
        EXPECT_FALSE(PeerSpoke(fd)) << "a slow connection was ended before the login's answer";
        close(fd);
    }
}

TEST_F(Front, AHeaderThatTricklesIsEndedAtItsDeadline) {
    auto target = Start({"--header-seconds", "1"});
    int fd = ConnectLoopback(target->Port());
    ASSERT_GE(fd, 0);
    // One byte every 100 ms keeps the connection from ever being idle; the header never ends.
    std::string strReply;
    bool bClosed = false;
    for (int i = 0; i < 100 && !bClosed; ++i) {
        bClosed = send(fd, "X", 1, MSG_NOSIGNAL) != 1;
        strReply += ReadFor(fd, 0.1);
        bClosed = bClosed || !strReply.empty();
    }
    close(fd);
    EXPECT_TRUE(bClosed) << "the connection outlived ten times its header deadline";
    EXPECT_EQ(strReply.substr(0, 12), "HTTP/1.1 408") << strReply;
    EXPECT_EQ(As(*target, S::Self, 104).iCode, 800);
}

// A connection that never sends a byte gets the 408 at its header deadline, also when that
// deadline lies past the 10 s after which libmicrohttpd would close a silent connection on its
// own, without a word.
TEST_F(Front, ASilentConnectionGetsThe408AtItsDeadline) {
    auto target = Start({"--header-seconds", "12"});
    int fd = ConnectLoopback(target->Port());
    ASSERT_GE(fd, 0);
    std::string strReply = ReadFor(fd, 30);
    close(fd);
    EXPECT_EQ(strReply.substr(0, 12), "HTTP/1.1 408") << strReply;
}

TEST_F(Front, HeaderFloodsAreRefusedAndTheMemoryComesBack) {
    auto target = Start();
    EXPECT_EQ(As(*target, S::Self, 104).iCode, 800);
    long lBefore = ResidentKiB(target->Pid());
    // 64 MiB of short header lines on one connection.
    int fd = ConnectLoopback(target->Port());
    ASSERT_GE(fd, 0);
    std::string strLines;
    for (int i = 0; i < 4096; ++i)
        strLines += "X-F: " + std::to_string(i) + "\r\n";
    std::string strHead = kLoginHead;
    send(fd, strHead.data(), strHead.size(), MSG_NOSIGNAL);
    std::size_t nSent = 0;
    while (nSent < 64u << 20) {
        ssize_t n = send(fd, strLines.data(), strLines.size(), MSG_NOSIGNAL);
        if (n <= 0)
            break;
        nSent += static_cast<std::size_t>(n);
    }
    std::string strReply = ReadFor(fd, 5);
    close(fd);
    EXPECT_LT(nSent, 64u << 20) << "the server read the whole flood";
    if (!strReply.empty()) { // the refusal may be lost to the reset of the unread flood
        EXPECT_EQ(strReply.substr(9, 3), "431") << strReply.substr(0, 200);
    }
    long lAfter = ResidentKiB(target->Pid());
    EXPECT_LT(lAfter - lBefore, 8 * 1024)
        << "KiB resident before " << lBefore << ", after " << lAfter;
    EXPECT_EQ(As(*target, S::Self, 104).iCode, 800);
}

// The header's limits and the upload cap hold to the byte inside TLS as in the clear: these tests
// run on each, the scene built in the clear and then served over TLS.
class FrontLimitsTest : public Front, public ::testing::WithParamInterface<bool> {
protected:
    std::unique_ptr<ServeTarget> Start() {
        auto target = Front::Start();
        if (!GetParam())
            return target;
        target.reset();
        MakeCertificate(m_dir.File("cert.pem"), m_dir.File("cert.key"), "ZORV test");
        return std::make_unique<ServeTarget>(
            m_strDb, "/zorv",
            std::vector<std::string>{"--tls-cert", m_dir.File("cert.pem"), "--tls-key",
                                     m_dir.File("cert.key")});
    }
    // What the server says to the bytes until it closes; in the clear, within 20 s, short of a
    // request's own 30 s deadline.
    std::string Exchange(const ServeTarget& target, const std::string& strBytes) {
        if (!GetParam())
            return RawExchange(target.Port(), strBytes, "", 20);
        std::string strErr;
        std::string strReply = TlsExchange(target.Port(), strBytes, strErr, m_dir.File("cert.pem"));
        return strReply.empty() ? "(nothing: " + strErr + ")" : strReply;
    }
};

// The header's limits hold to the byte and to the line: a request whose bytes before the body come
// to 16384, in a few header lines or in the 64 allowed, is answered by the guild, and so is one
// that filled the room libmicrohttpd's bookkeeping once took; one byte or one line more is
// refused with 431, never met with silence or a 500.
TEST_P(FrontLimitsTest, HeaderLimitsHoldToTheByteAndTheLine) {
    auto target = Start();
    const std::string strLogin = target->RequestBytes("Self", "defpw1", 104, {});
    struct Case {
        std::size_t nBytes;
        int nLines;
        bool bServed;
    } cases[] = {{16100, 5, true},  {16384, 5, true},   {16385, 5, false}, {12200, 64, true},
                 {16384, 64, true}, {16385, 64, false}, {2000, 65, false}, {40000, 5, false}};
    for (const Case& c : cases) {
        std::string strReply = Exchange(*target, PadHeader(strLogin, c.nBytes, c.nLines));
        std::string strWhat = std::to_string(c.nBytes) + " bytes in " + std::to_string(c.nLines) +
                              " lines: " + strReply.substr(0, 40);
        if (c.bServed) {
            EXPECT_NE(strReply.find("<START_HERE>800;"), std::string::npos) << strWhat;
        } else {
            EXPECT_EQ(strReply.substr(0, 12), "HTTP/1.1 431") << strWhat;
        }
    }
}

// A chunked body announces no length: it is held to the same 4 MiB as one that does. Up to the cap
// it is read to its end and answered by the guild; one byte past it gets 413 at once, without the
// rest of the body, which here never comes.
TEST_P(FrontLimitsTest, AChunkedBodyIsHeldToTheUploadCap) {
    auto target = Start();
    const std::string strHead = "POST /zorv HTTP/1.1\r\nHost: x\r\nUser-Agent: ZORV 0.3\r\n"
                                "Transfer-Encoding: chunked\r\n\r\n";
    auto Chunks = [](std::size_t nBytes) {
        std::string strChunks;
        for (std::size_t nLeft = nBytes; nLeft > 0;) {
            std::size_t n = std::min<std::size_t>(nLeft, 64 * 1024);
            char szSize[16];
            std::snprintf(szSize, sizeof szSize, "%zx\r\n", n);
            strChunks += szSize + std::string(n, 'a') + "\r\n";
            nLeft -= n;
        }
        return strChunks;
    };
    const std::size_t nCap = 4u << 20;
    std::string strAtCap = Exchange(*target, strHead + Chunks(nCap) + "0\r\n\r\n");
    EXPECT_NE(strAtCap.find("<START_HERE>992;"), std::string::npos) << strAtCap.substr(0, 200);
    std::string strOver = Exchange(*target, strHead + Chunks(nCap + 1));
    EXPECT_EQ(strOver.substr(0, 12), "HTTP/1.1 413") << strOver.substr(0, 200);
}

INSTANTIATE_TEST_SUITE_P(ClearAndTls, FrontLimitsTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "tls" : "clear"; });

// Told to stop, the server answers every request it has taken, and refuses one whose body
// completes while it drains, rather than handing it to workers that are going.
TEST_F(Front, AStopAnswersWhatItTookAndRefusesWhatCompletesAfter) {
    auto target = Start({"--workers", "1"});
    const std::string strBody = "charname=Self&password=defpw1&msgid=104";
    int fd = ConnectLoopback(target->Port(), "127.0.0.3");
    ASSERT_GE(fd, 0);
    std::string strPart = std::string(kLoginHead) +
                          "Content-length: " + std::to_string(strBody.size()) + "\r\n\r\n" +
                          strBody.substr(0, strBody.size() - 1);
    ASSERT_EQ(send(fd, strPart.data(), strPart.size(), MSG_NOSIGNAL),
              static_cast<ssize_t>(strPart.size()));
    // Wrong passwords, each a hash, from addresses of their own: a queue for the one worker.
    std::vector<int> codes(24, -1);
    std::vector<std::thread> guessers;
    Counts counts;
    const std::string strGuess = target->RequestBytes("Other", "wrong", 104, {});
    for (int i = 0; i < 24; ++i)
        guessers.emplace_back([&, i] {
            std::string strReply =
                SendCounted(target->Port(), strGuess, "127.0.1." + std::to_string(i + 1), counts);
            std::size_t iStart = strReply.find("<START_HERE>");
            if (iStart != std::string::npos) {
                codes[i] = std::atoi(strReply.c_str() + iStart + 12);
                counts.Add("answered");
            }
        });
    // Every guess is out and the worker has answered one: the others wait in its queue.
    EXPECT_TRUE(counts.WaitFor("sent", 24));
    EXPECT_TRUE(counts.WaitFor("answered", 1));
    kill(target->Pid(), SIGTERM);
    // Two more answers after the stop: the server is draining its queue.
    EXPECT_TRUE(counts.WaitFor("answered", counts.Of("answered") + 2));
    send(fd, strBody.data() + strBody.size() - 1, 1, MSG_NOSIGNAL);
    std::string strReply = ReadFor(fd, 20);
    close(fd);
    for (std::thread& guesser : guessers)
        guesser.join();
    EXPECT_EQ(target->Stop(), 0);
    EXPECT_EQ(strReply.substr(0, 12), "HTTP/1.1 503") << strReply;
    // A login still waiting to be accepted when the stop came gets no answer (-1); every one
    // that was taken is answered.
    int nAnswered = 0;
    for (int iCode : codes) {
        EXPECT_TRUE(iCode == 951 || iCode == -1) << iCode;
        nAnswered += iCode == 951;
    }
    EXPECT_GE(nAnswered, 12) << "the queue the stop had to drain";
}

// Anyone may ask for the web roster's pages, and the monarch's branch of a large guild is a page
// of megabytes, built for each request. A flood of them waits on the pages' own workers; a
// member's request is run by the client's workers meanwhile, not queued behind the pages.
TEST(FrontPages, AFloodOfPagesNeverQueuesInFrontOfAMember) {
    TempDir dir;
    const std::string strDb = dir.File("guild.db");
    ASSERT_EQ(RunServerCommand({"seed", "--db", strDb, "--members", "32767", "--shape", "random"}),
              0);
    ServeTarget target(strDb);
    auto Login = [&] { return target.Send("Seed Monarch", "seedpass1", 104).iCode; };
    ASSERT_EQ(Login(), 800); // from now on the login costs no hash
    const int nPages = 16;
    std::atomic<int> nPagesDone{0};
    std::vector<std::thread> readers;
    Counts counts;
    for (int i = 0; i < nPages; ++i)
        readers.emplace_back([&] {
            std::string strPage = SendCounted(
                target.Port(), "GET /zorv/branch/1 HTTP/1.0\r\nHost: x\r\n\r\n", "", counts);
            EXPECT_EQ(strPage.substr(0, 12), "HTTP/1.1 200");
            ++nPagesDone;
        });
    EXPECT_TRUE(counts.WaitFor("sent", nPages)); // the pages are asked for first
    EXPECT_EQ(Login(), 800);
    int nBefore = nPagesDone;
    for (std::thread& reader : readers)
        reader.join();
    // Queued behind the pages, the login would wait for about half of them to be served.
    EXPECT_LT(nBefore, nPages / 4) << nBefore << " pages were served before the login";
}

TEST_F(Front, MalformedRequestsAreAnsweredAtOnce) {
    auto target = Start();
    const char* const requests[] = {
        "HELLO\r\n\r\n",
        "POST /zorv HTTP/9.9\r\n\r\n",
        "POST /zorv HTTP/1.0\r\nContent-length: abc\r\n\r\n",
        "POST /zorv HTTP/1.0\r\nNo colon here\r\n\r\n",
        "\x01\x02\x03\r\n\r\n",
    };
    // Each is refused with an error status, or the connection closed, and never reaches the
    // guild.
    for (const char* szRequest : requests) {
        std::string strReply = RawExchange(target->Port(), szRequest);
        EXPECT_TRUE(strReply.empty() || strReply.substr(0, 10) == "HTTP/1.1 4" ||
                    strReply.substr(0, 10) == "HTTP/1.1 5")
            << szRequest << ": " << strReply;
        EXPECT_EQ(strReply.find("<START_HERE>"), std::string::npos) << szRequest;
    }
    // A body past what its length announces is not read as a second request.
    EXPECT_EQ(As(*target, S::Self, 104).iCode, 800);
}

// Requests that two HTTP readers could take two ways are refused with 400 rather than read one of
// them; the same request without the ambiguity is served.
TEST_F(Front, AmbiguousRequestsAreRefusedWith400) {
    auto target = Start();
    const std::string strBody = "charname=Self&password=defpw1&msgid=104";
    const std::string strLength = std::to_string(strBody.size());
    auto Request = [&](const std::string& strTarget, const std::string& strLengths) {
        return "POST " + strTarget + " HTTP/1.0\r\nHost: x\r\nUser-Agent: ZORV 0.3\r\n" +
               strLengths + "\r\n" + strBody;
    };
    const std::string kLengthLine = "Content-Length: " + strLength + "\r\n";
    struct Case {
        const char* szWhat;
        std::string strRequest;
        bool bServed;
    } cases[] = {
        {"two lengths that differ",
         Request("/zorv", "Content-Length: " + strLength + "\r\ncontent-length: 5\r\n"), false},
        {"two lengths, the body's second",
         Request("/zorv", "Content-Length: 5\r\nContent-Length: " + strLength + "\r\n"), false},
        {"the same length twice",
         Request("/zorv",
                 "Content-Length: " + strLength + "\r\nContent-length: " + strLength + "\r\n"),
         true},
        {"a NUL byte in the target", Request(std::string("/zorv\0x", 7), kLengthLine), false},
        {"a NUL byte at the target's end", Request(std::string("/zorv\0", 6), kLengthLine), false},
        {"an escaped NUL in the target", Request("/zorv%00x", kLengthLine), false},
        {"an escaped NUL in the query", Request("/zorv?a=%00", kLengthLine), false},
        {"the target alone", Request("/zorv", kLengthLine), true},
    };
    for (const Case& c : cases) {
        std::string strReply = RawExchange(target->Port(), c.strRequest);
        if (c.bServed) {
            EXPECT_NE(strReply.find("<START_HERE>800;"), std::string::npos)
                << c.szWhat << ": " << strReply;
        } else {
            EXPECT_EQ(strReply.substr(0, 12), "HTTP/1.1 400") << c.szWhat << ": " << strReply;
        }
    }
}

TEST_F(Front, OneAddressHoldsOnlyItsShareOfConnections) {
    auto target = Start({"--per-address", "4"});
    std::vector<int> held;
    for (int i = 0; i < 5; ++i) {
        held.push_back(ConnectLoopback(target->Port(), "127.0.0.3"));
        ASSERT_GE(held.back(), 0);
    }
    // Another address is served meanwhile. Of the five from that address, the one the server
    // took last (the threads that take them may do so in any order) is on probation, and ended
    // at its deadline, long before the header's own; the other four are served.
    EXPECT_EQ(target->Send("Self", "defpw1", 104, {}, "127.0.0.4").iCode, 800);
    std::this_thread::sleep_for(std::chrono::seconds(4));
    const std::string strRequest = target->RequestBytes("Self", "defpw1", 104, {});
    int nAnswered = 0, nEnded = 0;
    for (int fd : held) {
        if (ReadFor(fd, 0).substr(0, 12) == "HTTP/1.1 408") {
            ++nEnded;
        } else {
            send(fd, strRequest.data(), strRequest.size(), MSG_NOSIGNAL);
            nAnswered += ReadFor(fd, 5).find("<START_HERE>") != std::string::npos;
        }
        close(fd);
    }
    EXPECT_EQ(nEnded, 1);
    EXPECT_EQ(nAnswered, 4);
    // Once the server has seen them go, the address is served again.
    Answer again;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (again.iCode != 800 && std::chrono::steady_clock::now() < deadline)
        again = target->Send("Self", "defpw1", 104, {}, "127.0.0.3");
    EXPECT_EQ(again.iCode, 800);
}

// Every connection the server may keep is a descriptor: serve raises its soft limit of open files
// to fit them, and refuses to start, saying why, when the hard limit is too low.
TEST_F(Front, TheServerOpensAsManyFilesAsItsConnectionsNeed) {
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &saved), 0);
    ASSERT_GE(saved.rlim_max, 3000u) << "this machine cannot raise the limit far enough";
    rlimit low = saved;
    low.rlim_cur = 1024; // Debian's default, which the children inherit
    ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &low), 0);
    auto target = Start({"--connections", "2700"});
    std::string strErr;
    const int iRefused = RunProgram({"/bin/sh", "-c",
                                     "ulimit -Hn 1500 && exec " ZORV_SERVER_BIN " serve --db " +
                                         m_strDb + " --listen 127.0.0.1:0 --connections 2000"},
                                    "", nullptr, &strErr);
    setrlimit(RLIMIT_NOFILE, &saved);
    EXPECT_EQ(iRefused, 1);
    EXPECT_NE(strErr.find("lower --connections"), std::string::npos) << strErr;

    std::ifstream limits("/proc/" + std::to_string(target->Pid()) + "/limits");
    std::string strLine;
    long lSoft = -1;
    while (std::getline(limits, strLine))
        if (strLine.rfind("Max open files", 0) == 0)
            lSoft = std::atol(strLine.c_str() + 26);
    EXPECT_GE(lSoft, 2700) << "the server kept a soft limit of " << lSoft;
    EXPECT_EQ(As(*target, S::Self, 104).iCode, 800);
}

// A change wakes thousands of watches at once: they run behind the members' requests, on a
// quarter of the threads at most, yet are never starved by a steady stream of others.
TEST(WorkerPoolOrder, BackgroundJobsWaitBehindOthersOnAQuarterOfTheThreads) {
    std::mutex mutex;
    std::vector<std::string> order;
    int nRunning = 0, nMostRunning = 0;
    {
        std::promise<void> release;
        std::shared_future<void> released = release.get_future().share();
        WorkerPool pool(4);
        struct Releasing { // however the block ends, before the pool drains
            std::promise<void>& release;
            ~Releasing() {
                try {
                    release.set_value();
                } catch (const std::future_error&) {
                }
            }
        } releasing{release};
        for (int i = 0; i < 40; ++i)
            ASSERT_TRUE(pool.Submit(
                [&, i] {
                    {
                        std::lock_guard<std::mutex> lock(mutex);
                        nMostRunning = std::max(nMostRunning, ++nRunning);
                        order.push_back("watch " + std::to_string(i));
                    }
                    released.wait();
                    std::this_thread::sleep_for(std::chrono::milliseconds(2));
                    std::lock_guard<std::mutex> lock(mutex);
                    --nRunning;
                },
                WorkerPool::Kind::Background));
        for (int i = 0; i < 20; ++i)
            ASSERT_TRUE(pool.Submit([&, i] {
                std::lock_guard<std::mutex> lock(mutex);
                order.push_back("member " + std::to_string(i));
            }));
        // The members are answered while a watch still runs and the others wait.
        for (int n = 0; n < 500; ++n) {
            {
                std::lock_guard<std::mutex> lock(mutex);
                if (order.size() == 21)
                    break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        {
            std::lock_guard<std::mutex> lock(mutex);
            ASSERT_EQ(order.size(), 21u);
            EXPECT_EQ(nMostRunning, 1);
        }
    }
    EXPECT_EQ(order.size(), 60u);

    // Under a steady stream of members' requests a watch is still taken now and then.
    std::atomic<int> nWatches{0};
    std::atomic<bool> bFlooding{true};
    std::atomic<int> nQueued{0};
    WorkerPool pool(4);
    std::thread flood([&] { // always a thousand members' requests waiting
        while (bFlooding) {
            if (nQueued >= 1000) {
                std::this_thread::yield();
                continue;
            }
            ++nQueued;
            if (!pool.Submit([&] {
                    std::this_thread::sleep_for(std::chrono::microseconds(100));
                    --nQueued;
                }))
                break;
        }
    });
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(pool.Submit([&] { ++nWatches; }, WorkerPool::Kind::Background));
    for (int n = 0; n < 500 && nWatches < 3; ++n)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    bFlooding = false;
    flood.join();
    EXPECT_EQ(nWatches, 3);
}

// A front that stops gives back everything it held, its listening socket included: a process
// that starts and stops fronts (the benchmarks, a test) does not run out of descriptors.
TEST(StandaloneFrontLife, StoppingReleasesTheListeningSocket) {
    auto OpenDescriptors = [] {
        return std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                             std::filesystem::directory_iterator());
    };
    auto Cycle = [] {
        auto pSite = std::make_shared<Site>();
        pSite->handle = [](const Request&) { return Reply{800, ""}; };
        StandaloneFront front(OneGuildAt("/zorv", pSite), FrontLimits{});
        front.Start("127.0.0.1", 0);
    };
    Cycle(); // the library loaded and its threads' first resources made
    const auto nBefore = OpenDescriptors();
    for (int i = 0; i < 5; ++i)
        Cycle();
    EXPECT_EQ(OpenDescriptors(), nBefore);
}

} // namespace
