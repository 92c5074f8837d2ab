// Raw bytes in, exact bytes out: the framing every reply must have and the requests the server
// must refuse before it looks at the guild.
#include "Harness.h"

namespace {

class RawHttp : public ServerTest {
protected:
    std::string Body(const std::string& strReply) {
        std::size_t iBlank = strReply.find("\r\n\r\n");
        return iBlank == std::string::npos ? std::string() : strReply.substr(iBlank + 4);
    }
};

TEST_P(RawHttp, ReplyFraming) {
    // Guards the markers and the code: the client cuts the payload out by them alone.
    std::string strReply =
        RawExchange(T().Port(), "POST /zorv HTTP/1.0\r\nHost: x\r\nConnection: close\r\n"
                                "User-Agent: ZORV 0.3\r\nContent-length: 36\r\n\r\n"
                                "charname=a&password=bbbbbb&msgid=104\r\n");
    EXPECT_TRUE(strReply.rfind("HTTP/1.", 0) == 0 && strReply.find(" 200 ") == 8) << strReply;
    EXPECT_EQ(Body(strReply), "<START_HERE>801;<STOP_HERE>");
    if (GetParam() == "serve") {
        EXPECT_NE(strReply.find("Connection: close"), std::string::npos) << strReply;
    }
}

TEST_P(RawHttp, RefusedRequests) {
    auto Request = [&](const std::string& strAgentLine, const std::string& strBody) {
        return "POST /zorv HTTP/1.0\r\nHost: x\r\nConnection: close\r\n" + strAgentLine +
               "Content-length: " + std::to_string(strBody.size()) + "\r\n\r\n" + strBody;
    };
    const std::string strLogin = "charname=a&password=bbbbbb&msgid=104";
    // Only our own client speaks this protocol.
    EXPECT_EQ(Body(RawExchange(T().Port(), Request("", strLogin))), "<START_HERE>989;<STOP_HERE>");
    EXPECT_EQ(Body(RawExchange(T().Port(), Request("User-Agent: Mozilla/5.0\r\n", strLogin))),
              "<START_HERE>989;<STOP_HERE>");
    EXPECT_EQ(Body(RawExchange(T().Port(), Request("User-Agent: ZORV \r\n", strLogin))),
              "<START_HERE>989;<STOP_HERE>");
    EXPECT_EQ(Body(RawExchange(T().Port(), Request("User-Agent: ZORV 0.2\r\n", strLogin))),
              "<START_HERE>801;<STOP_HERE>");
    // A body over 64 KiB is refused before anything is parsed.
    std::string strHuge = strLogin + "&bio=" + std::string(64 * 1024, 'x');
    EXPECT_EQ(Body(RawExchange(T().Port(), Request("User-Agent: ZORV 0.3\r\n", strHuge))),
              "<START_HERE>992;<STOP_HERE>");
    // Far over it too: a web server that cannot hand the whole body to the CGI program must not
    // drop the connection instead of answering.
    std::string strVast = strLogin + "&bio=" + std::string(1024 * 1024, 'x');
    EXPECT_EQ(Body(RawExchange(T().Port(), Request("User-Agent: ZORV 0.3\r\n", strVast))),
              "<START_HERE>992;<STOP_HERE>");
    std::string strMax = strLogin + "&bio=";
    strMax += std::string(64 * 1024 - strMax.size(), 'x');
    EXPECT_EQ(Body(RawExchange(T().Port(), Request("User-Agent: ZORV 0.3\r\n", strMax))),
              "<START_HERE>801;<STOP_HERE>");
    // Garbage where the msgid belongs.
    EXPECT_EQ(Body(RawExchange(T().Port(),
                               Request("User-Agent: ZORV 0.3\r\n", "msgid=1x4&&&=&charname"))),
              "<START_HERE>990;<STOP_HERE>");
}

INSTANTIATE_TEST_SUITE_P(Server, RawHttp, ::testing::Values("serve", "cgi", "apache"));

TEST(ScriptPath, IsMatchedExactly) {
    TempDir dir;
    std::string strDb = dir.File("guild.db");
    Scene::CreateEmpty(strDb);
    // Characters that mean something in a pattern mean nothing in the path.
    for (const char* szPath : {"/zorv.cgi", "/.*", "/zorv(", "/a+b"}) {
        ServeTarget target(strDb, szPath);
        EXPECT_EQ(target.Send("a", "bbbbbb", 104).iCode, 801) << szPath;
        for (const char* szOther : {"/zorvXcgi", "/zorv.cgi/x", "/zorv", "/", "/aab", "/zorv(("})
            if (std::string(szOther) != szPath) {
                EXPECT_EQ(StatusOf(target.Port(), PostRequest(szOther)), 404)
                    << szPath << " answered " << szOther;
            }
    }
}

} // namespace
