// The public web roster through both fronts: what each page may show of a member who hides their
// info and of one who does not, escaping, revalidation and compression, and the switches that
// turn it off.
#include "Harness.h"

#include <cstdlib>
#include <zlib.h>

namespace {

using S = Scene;

struct Page {
    int iStatus = 0;
    std::map<std::string, std::string> headers; // names in lower case
    std::string strBody;
    std::string Header(const std::string& strName) const {
        auto found = headers.find(strName);
        return found == headers.end() ? "" : found->second;
    }
};

Page Parse(const std::string& strRaw) {
    Page page;
    std::size_t iEnd = strRaw.find("\r\n\r\n");
    if (strRaw.rfind("HTTP/1.", 0) != 0 || iEnd == std::string::npos)
        return page;
    page.iStatus = std::atoi(strRaw.c_str() + 9);
    std::size_t iLine = strRaw.find("\r\n") + 2;
    while (iLine < iEnd) {
        std::size_t iNext = strRaw.find("\r\n", iLine);
        std::string strLine = strRaw.substr(iLine, iNext - iLine);
        std::size_t iColon = strLine.find(':');
        std::string strName = strLine.substr(0, iColon);
        for (char& c : strName)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        std::size_t iValue = strLine.find_first_not_of(' ', iColon + 1);
        page.headers[strName] = iValue == std::string::npos ? "" : strLine.substr(iValue);
        iLine = iNext + 2;
    }
    page.strBody = strRaw.substr(iEnd + 4);
    return page;
}

Page Get(const Target& target, const std::string& strPath, const std::string& strExtra = "",
         const std::string& strMethod = "GET") {
    return Parse(RawExchange(target.Port(), strMethod + " " + strPath +
                                                " HTTP/1.1\r\nHost: 127.0.0.1\r\n"
                                                "Connection: close\r\n" +
                                                strExtra + "\r\n"));
}

std::string Gunzip(const std::string& strData) {
    z_stream stream{};
    inflateInit2(&stream, 15 + 16);
    std::string strOut;
    char buffer[65536];
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(strData.data()));
    stream.avail_in = static_cast<uInt>(strData.size());
    int iResult = Z_OK;
    while (iResult == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef*>(buffer);
        stream.avail_out = sizeof buffer;
        iResult = inflate(&stream, Z_NO_FLUSH);
        strOut.append(buffer, sizeof buffer - stream.avail_out);
    }
    inflateEnd(&stream);
    return iResult == Z_STREAM_END ? strOut : "(not gzip)";
}

// The row of a member's link in a table, or "" when the member has none.
std::string RowOf(const std::string& strBody, int id) {
    std::size_t iAt = strBody.find("<tr><td><a href=\"member/" + std::to_string(id) + "\"");
    return iAt == std::string::npos ? "" : strBody.substr(iAt, strBody.find("</tr>", iAt) - iAt);
}

class Web : public SceneTest {
protected:
    std::vector<std::string> AllPages() const {
        std::vector<std::string> pages = {"/zorv",         "/zorv/members",     "/zorv/rescue",
                                          "/zorv/portals", "/zorv/tradeskills", "/zorv/branch/1"};
        for (int id = S::Root; id <= S::Keeper; ++id)
            pages.push_back("/zorv/member/" + std::to_string(id));
        return pages;
    }
};

TEST_P(Web, PrivateAndRealLifeDetailsAppearNowhere) {
    // Every field of both members holds a marker. Self shows its game details; Vassal hides
    // them all; neither shows any real-life or contact detail.
    auto Fill = [&](int id, const std::string& strTag, int iPrivate) {
        Sql(m_strDb, "UPDATE characters SET class = '" + strTag + "Class', mule_for = '" + strTag +
                         "MuleFor', lifestone = '" + strTag + "Lifestone', tied_to = '" + strTag +
                         "TiedTo', bio = '" + strTag + "Bio', main_char = '" + strTag +
                         "Main', awards = '" + strTag + "Awards', real_name = '" + strTag +
                         "RealName', city_state = '" + strTag + "City', misc_info = '" + strTag +
                         "Misc', email = '" + strTag + "Mail@x', icq = '" + strTag +
                         "Icq', race = 2, sex = 2, is_pk = 1, is_rescue = 1, can_summon = 1, "
                         "skills = '1,2,250!11,3,260', is_private = " +
                         std::to_string(iPrivate) +
                         ", revision = revision + 1 WHERE id = " + std::to_string(id));
    };
    Fill(S::Self, "Open", 0);
    Fill(S::Vassal, "Shut", 1);
    for (const std::string& strPath : AllPages()) {
        Page page = Get(T(), strPath);
        ASSERT_EQ(page.iStatus, 200) << strPath;
        for (const char* szTag : {"Open", "Shut"})
            for (const char* szField : {"RealName", "City", "Misc", "Mail@x", "Icq"})
                EXPECT_EQ(page.strBody.find(std::string(szTag) + szField), std::string::npos)
                    << strPath << " shows " << szTag << szField;
        EXPECT_EQ(page.strBody.find("Shut"), std::string::npos) << strPath;
        EXPECT_EQ(page.strBody.find("$argon2"), std::string::npos) << strPath;
        EXPECT_EQ(page.strBody.find("revision"), std::string::npos) << strPath;
    }
    // The private member: name, level and place in the tree, and nothing that the flags, race
    // or lists would tell.
    Page tree = Get(T(), "/zorv/");
    EXPECT_NE(tree.strBody.find("<li id=\"c5\"><a class=\"p4\" href=\"member/5\">Vassal - Level 0"),
              std::string::npos)
        << tree.strBody;
    EXPECT_NE(tree.strBody.find("<a class=\"p3\" href=\"member/4\">Self - Level 0"),
              std::string::npos);
    Page members = Get(T(), "/zorv/members");
    EXPECT_EQ(RowOf(members.strBody, S::Vassal).find("Gharu"), std::string::npos);
    EXPECT_NE(RowOf(members.strBody, S::Vassal).find("member/4\">Self</a>"), std::string::npos);
    EXPECT_NE(RowOf(members.strBody, S::Self).find("Sayyida (1)"), std::string::npos);
    for (const char* szList : {"/zorv/rescue", "/zorv/portals", "/zorv/tradeskills"}) {
        Page list = Get(T(), szList);
        EXPECT_EQ(RowOf(list.strBody, S::Vassal), "") << szList;
        EXPECT_NE(RowOf(list.strBody, S::Self), "") << szList;
    }
    Page vassal = Get(T(), "/zorv/member/5");
    EXPECT_NE(vassal.strBody.find("hides their info"), std::string::npos);
    EXPECT_NE(vassal.strBody.find("<a href=\"member/4\">Self</a>"), std::string::npos);
    Page self = Get(T(), "/zorv/member/4");
    for (const char* szField : {"Class", "MuleFor", "Lifestone", "TiedTo", "Bio", "Main", "Awards"})
        EXPECT_NE(self.strBody.find(std::string("Open") + szField), std::string::npos) << szField;
    EXPECT_NE(self.strBody.find("Lifeguards</dt><dd>Yes"), std::string::npos);
}

TEST_P(Web, TextIsEscapedEverywhere) {
    const std::string strName = "<script>x</script>\"&'";
    Sql(m_strDb, "UPDATE characters SET name = '<script>x</script>\"&''', name_key = 'odd', "
                 "bio = '<script>alert(1)</script> \"q\" & ''a''', lifestone = '<b>', "
                 "can_summon = 1, revision = revision + 1 WHERE id = 6");
    Sql(m_strDb, "UPDATE settings SET value = 'A&B <i>' WHERE key = 'guild_name'");
    const std::string strEscaped = "&lt;script&gt;x&lt;/script&gt;&quot;&amp;&#39;";
    for (const std::string& strPath : AllPages()) {
        Page page = Get(T(), strPath);
        EXPECT_EQ(page.strBody.find("<script>"), std::string::npos) << strPath;
        EXPECT_EQ(page.strBody.find("<b>"), std::string::npos) << strPath;
        EXPECT_NE(page.strBody.find("<h1>A&amp;B &lt;i&gt;</h1>"), std::string::npos) << strPath;
    }
    EXPECT_NE(Get(T(), "/zorv").strBody.find(strEscaped + " - Level 0"), std::string::npos);
    EXPECT_NE(Get(T(), "/zorv/members").strBody.find(">" + strEscaped + "</a>"), std::string::npos);
    EXPECT_NE(Get(T(), "/zorv/portals").strBody.find("<td>&lt;b&gt;</td>"), std::string::npos);
    Page other = Get(T(), "/zorv/member/6");
    EXPECT_NE(other.strBody.find("&lt;script&gt;alert(1)&lt;/script&gt; &quot;q&quot; &amp; "
                                 "&#39;a&#39;"),
              std::string::npos)
        << other.strBody;
    // The one script a page loads is this site's own, and the policy allows no other.
    EXPECT_NE(other.strBody.find("<script src=\"web.js\" defer></script>"), std::string::npos);
    std::string strPolicy = other.Header("content-security-policy");
    EXPECT_NE(strPolicy.find("default-src 'none'"), std::string::npos);
    EXPECT_NE(strPolicy.find("script-src 'self'"), std::string::npos);
    EXPECT_EQ(strPolicy.find("unsafe"), std::string::npos);
}

// Text is UTF-8 from the guild file to the page: what Latin-1 lacks shows on the web as stored,
// while the client, whose wire is Latin-1, reads "?" for each such character.
TEST_P(Web, TextBeyondLatin1ShowsAsStored) {
    Sql(m_strDb, "UPDATE characters SET lifestone = 'Caf\xC3\xA9 \xE2\x82\xAC', can_summon = 1, "
                 "revision = revision + 1 WHERE id = 6");
    Sql(m_strDb, "UPDATE settings SET value = 'K\xC3\xB6ln \xE2\x9A\x94' WHERE key = 'guild_name'");
    const std::string strPortals = Get(T(), "/zorv/portals").strBody;
    EXPECT_NE(strPortals.find("<td>Caf\xC3\xA9 \xE2\x82\xAC</td>"), std::string::npos)
        << strPortals;
    EXPECT_NE(strPortals.find("<h1>K\xC3\xB6ln \xE2\x9A\x94</h1>"), std::string::npos);
    Answer record = As(T(), Scene::Other, 107, {{"getcharid", "6"}});
    ASSERT_EQ(record.iCode, 800);
    EXPECT_EQ(zorv::SplitFields(record.strPayload).at(13), "Caf\xE9 ?");
}

TEST_P(Web, UnchangedPagesCost304AndASaveChangesTheirTags) {
    Page first = Get(T(), "/zorv/");
    ASSERT_EQ(first.iStatus, 200);
    std::string strTag = first.Header("etag");
    ASSERT_FALSE(strTag.empty());
    Page again = Get(T(), "/zorv/", "If-None-Match: " + strTag + "\r\n");
    EXPECT_EQ(again.iStatus, 304);
    EXPECT_EQ(again.strBody, "");
    EXPECT_EQ(again.Header("etag"), strTag);
    Page member = Get(T(), "/zorv/member/4");
    std::string strMemberTag = member.Header("etag");
    EXPECT_EQ(Get(T(), "/zorv/member/4", "If-None-Match: \"x\", " + strMemberTag + "\r\n").iStatus,
              304);

    // Compressed on request, under a tag of its own, and the same page once inflated.
    Page zipped = Get(T(), "/zorv/", "Accept-Encoding: br, gzip;q=0.8\r\n");
    EXPECT_EQ(zipped.Header("content-encoding"), "gzip");
    EXPECT_EQ(Gunzip(zipped.strBody), first.strBody);
    EXPECT_NE(zipped.Header("etag"), strTag);
    EXPECT_EQ(Get(T(), "/zorv/", "Accept-Encoding: gzip;q=0\r\n").Header("content-encoding"), "");
    EXPECT_EQ(Get(T(), "/zorv/",
                  "Accept-Encoding: gzip\r\nIf-None-Match: " + zipped.Header("etag") + "\r\n")
                  .iStatus,
              304);

    // A save that only the sheet shows (the private flag) changes the tree's tag too: the tree
    // draws a private member without their picture, and the member list without rank or race.
    ASSERT_EQ(Save(S::Self, S::Self, {{"ISPRIVATE", "1"}}).iCode, 800);
    Page changed = Get(T(), "/zorv/", "If-None-Match: " + strTag + "\r\n");
    EXPECT_EQ(changed.iStatus, 200);
    EXPECT_NE(changed.Header("etag"), strTag);
    Page memberChanged = Get(T(), "/zorv/member/4", "If-None-Match: " + strMemberTag + "\r\n");
    EXPECT_EQ(memberChanged.iStatus, 200);
    EXPECT_NE(memberChanged.strBody.find("hides their info"), std::string::npos);
    // A change of the tree alone (a level) moves the tag again.
    ASSERT_EQ(Save(S::Root, S::Vassal, {{"LEVEL", "77"}}).iCode, 800);
    Page leveled = Get(T(), "/zorv/", "If-None-Match: " + changed.Header("etag") + "\r\n");
    EXPECT_EQ(leveled.iStatus, 200);
    EXPECT_NE(leveled.strBody.find("Vassal - Level 77"), std::string::npos);
}

// Each page in the language the browser prefers of the four, said in the page and its headers,
// under a tag of its own; names, rank titles and skills as they are.
TEST_P(Web, PagesAnswerInTheBrowsersLanguage) {
    auto In = [&](const std::string& strPath, const std::string& strAccept) {
        return Get(T(), strPath, "Accept-Language: " + strAccept + "\r\n");
    };
    const Page english = Get(T(), "/zorv/");
    EXPECT_NE(english.strBody.find("<html lang=\"en\">"), std::string::npos);
    EXPECT_EQ(english.Header("content-language"), "en");
    const Page german = In("/zorv/", "de-AT,de;q=0.9,en;q=0.5");
    EXPECT_NE(german.strBody.find("<html lang=\"de\">"), std::string::npos);
    EXPECT_NE(german.strBody.find(">Gefolgschaftsbaum</a>"), std::string::npos) << german.strBody;
    EXPECT_NE(german.strBody.find("Self \xE2\x80\x93 Stufe 0"), std::string::npos);
    EXPECT_EQ(german.Header("content-language"), "de");
    EXPECT_EQ(german.Header("vary"), "Accept-Encoding, Accept-Language");
    EXPECT_NE(german.Header("etag"), english.Header("etag"));
    // The English page's tag does not stand for the German page.
    EXPECT_EQ(Get(T(), "/zorv/",
                  "Accept-Language: de\r\nIf-None-Match: " + english.Header("etag") + "\r\n")
                  .iStatus,
              200);
    EXPECT_EQ(Get(T(), "/zorv/",
                  "Accept-Language: de\r\nIf-None-Match: " + german.Header("etag") + "\r\n")
                  .iStatus,
              304);
    // The most preferred of the four, whatever else comes first; English for none of them.
    EXPECT_EQ(In("/zorv/members", "pt-BR, fr;q=0.5, de;q=0.3").Header("content-language"), "fr");
    EXPECT_EQ(In("/zorv/members", "pt, *;q=0.1").Header("content-language"), "en");
    EXPECT_EQ(In("/zorv/members", "es;q=0, fr;q=0.2").Header("content-language"), "fr");
    const Page member = In("/zorv/member/4", "es");
    EXPECT_EQ(member.Header("content-language"), "es");
    for (const char* szWords : {"<dt>Nivel</dt>", "<dt>Rango calculado</dt>", "Seguidores"})
        EXPECT_NE(member.strBody.find(szWords), std::string::npos) << szWords;
    EXPECT_EQ(In("/zorv/nothing", "fr").Header("content-language"), "fr");
    EXPECT_NE(In("/zorv/nothing", "fr").strBody.find("Introuvable"), std::string::npos);
}

TEST_P(Web, PathsMethodsAndTheProtocolBeside) {
    EXPECT_EQ(Get(T(), "/zorv/member/99").iStatus, 404);
    EXPECT_EQ(Get(T(), "/zorv/member/04").iStatus, 404);
    EXPECT_EQ(Get(T(), "/zorv/nothing").iStatus, 404);
    EXPECT_EQ(Get(T(), "/elsewhere").iStatus, 404);
    Page script = Get(T(), "/zorv/web.js");
    EXPECT_EQ(script.iStatus, 200);
    EXPECT_EQ(script.Header("content-type"), "text/javascript; charset=utf-8");
    EXPECT_EQ(Get(T(), "/zorv/icons/rescue.svg").Header("content-type"), "image/svg+xml");
    Page head = Get(T(), "/zorv/members", "", "HEAD");
    EXPECT_EQ(head.iStatus, 200);
    EXPECT_EQ(head.strBody, "");
    EXPECT_EQ(Get(T(), "/zorv", "", "DELETE").iStatus, 405);
    // The client's protocol at the same path is untouched.
    EXPECT_EQ(As(T(), S::Self, 104).iCode, 800);
}

INSTANTIATE_TEST_SUITE_P(Server, Web, ::testing::Values("serve", "cgi"));

TEST(WebSwitches, NoWebRefusesPagesButNotTheClient) {
    const ServedScene served({"--no-web"});
    const ServeTarget& target = served.target;
    const std::string& strDb = served.strDb;
    EXPECT_EQ(Get(target, "/zorv").iStatus, 405);
    EXPECT_EQ(Get(target, "/zorv/members").iStatus, 404);
    EXPECT_EQ(As(target, S::Self, 104).iCode, 800);

    // The CGI program, run as a web server runs it.
    auto Cgi = [&](const char* szNoWeb) {
        setenv("GATEWAY_INTERFACE", "CGI/1.1", 1);
        setenv("REQUEST_METHOD", "GET", 1);
        setenv("SCRIPT_NAME", "/cgi/zorv", 1);
        setenv("PATH_INFO", "/members", 1);
        setenv("ZORV_DB", strDb.c_str(), 1);
        if (szNoWeb)
            setenv("ZORV_NO_WEB", szNoWeb, 1);
        std::string strOut;
        RunProgram({ZORV_SERVER_BIN}, "", &strOut);
        for (const char* szName : {"GATEWAY_INTERFACE", "REQUEST_METHOD", "SCRIPT_NAME",
                                   "PATH_INFO", "ZORV_DB", "ZORV_NO_WEB"})
            unsetenv(szName);
        return strOut;
    };
    std::string strPage = Cgi(nullptr);
    EXPECT_EQ(strPage.rfind("Status: 200 OK\r\n", 0), 0u) << strPage;
    EXPECT_NE(strPage.find("<base href=\"/cgi/zorv/\">"), std::string::npos);
    EXPECT_EQ(Cgi("1").rfind("Status: 405", 0), 0u);
}

TEST(WebTree, DeepBranchesContinueOnTheirOwnPage) {
    TempDir dir;
    std::string strDb = dir.File("guild.db");
    ASSERT_EQ(RunServerCommand({"seed", "--db", strDb, "--members", "450", "--shape", "chain"}), 0);
    ServeTarget target(strDb);
    Page tree = Get(target, "/zorv/");
    ASSERT_EQ(tree.iStatus, 200);
    // A browser nests only a few hundred elements deep; each page stops at a bounded depth.
    std::size_t nNested = 0;
    for (std::size_t i = 0; (i = tree.strBody.find("<details", i)) != std::string::npos; ++i)
        ++nNested;
    EXPECT_EQ(nNested, 100u);
    std::size_t iMore = tree.strBody.find("\" href=\"branch/");
    ASSERT_NE(iMore, std::string::npos);
    std::string strBranch =
        tree.strBody.substr(iMore + 8, tree.strBody.find('"', iMore + 8) - iMore - 8);
    Page branch = Get(target, "/zorv/" + strBranch);
    EXPECT_EQ(branch.iStatus, 200);
    EXPECT_NE(branch.strBody.find("249 more below"), std::string::npos);
    EXPECT_NE(tree.strBody.find("349 more below"), std::string::npos);
}

} // namespace
