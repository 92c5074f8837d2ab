// The web roster in a real browser: headless Chromium loads the demo guild's pages, runs their
// script, and the DOM it dumps shows a collapsed branch, a list sorted by level and a member's
// page. A screenshot of the roster is kept beside the test's build, and in ZORV_SCREENSHOTS when
// that names a folder.
#include "Harness.h"

#include <cstdlib>
#include <regex>

namespace {

const char kChromium[] = "/usr/bin/chromium";

class Browser : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(std::filesystem::exists(kChromium))
            << "chromium is missing; scripts/install-deps installs it";
        m_strDb = m_dir.File("guild.db");
        ASSERT_EQ(RunServerCommand({"demo", "--db", m_strDb}), 0);
        m_pServer = std::make_unique<ServeTarget>(m_strDb);
    }
    std::string Url(const std::string& strPage) const {
        return "http://127.0.0.1:" + std::to_string(m_pServer->Port()) + "/zorv/" + strPage;
    }
    // Runs Chromium on the page with the extra arguments; returns what it printed.
    std::string Chromium(const std::vector<std::string>& args, const std::string& strPage) {
        std::vector<std::string> argv = {
            kChromium,          "--headless",     "--no-sandbox",
            "--disable-gpu",    "--no-first-run", "--user-data-dir=" + m_dir.File("profile"),
            "--hide-scrollbars"};
        argv.insert(argv.end(), args.begin(), args.end());
        argv.push_back(Url(strPage));
        std::string strOut;
        RunProgram(argv, "", &strOut);
        return strOut;
    }
    std::string Dom(const std::string& strPage) { return Chromium({"--dump-dom"}, strPage); }

    TempDir m_dir;
    std::string m_strDb;
    std::unique_ptr<ServeTarget> m_pServer;
};

TEST_F(Browser, CollapsesABranchSortsByLevelAndOpensAMember) {
    // The whole tree comes open; the address collapses Brenna Ashvale's branch only.
    std::string strTree = Dom("#collapse=2");
    ASSERT_NE(strTree.find("Aldric Stormwind - Level"), std::string::npos) << strTree;
    EXPECT_NE(strTree.find("<li id=\"c1\"><details open=\"\">"), std::string::npos);
    EXPECT_NE(strTree.find("<li id=\"c2\"><details><summary>"), std::string::npos);
    EXPECT_NE(strTree.find("<li id=\"c3\"><details open=\"\">"), std::string::npos);
    // The script showed its buttons.
    EXPECT_NE(strTree.find("<div class=\"tools\" id=\"tree-tools\">"), std::string::npos);

    for (const char* szOrder : {"", "&dir=desc"}) {
        std::string strList = Dom(std::string("members?sort=level") + szOrder);
        bool bDescending = *szOrder != 0;
        EXPECT_NE(
            strList.find(bDescending ? "data-sorted=\"level desc\"" : "data-sorted=\"level\""),
            std::string::npos);
        std::regex row("<tr><td><a href=\"member/\\d+\">[^<]*</a></td><td class=\"n\">(\\d+)</td>");
        std::vector<int> levels;
        for (std::sregex_iterator it(strList.begin(), strList.end(), row), end; it != end; ++it)
            levels.push_back(std::stoi((*it)[1]));
        ASSERT_EQ(levels.size(), 62u) << strList;
        for (std::size_t i = 1; i < levels.size(); ++i)
            EXPECT_TRUE(bDescending ? levels[i - 1] >= levels[i] : levels[i - 1] <= levels[i])
                << "row " << i << ": " << levels[i - 1] << " then " << levels[i];
        EXPECT_NE(levels.front(), levels.back());
    }

    std::string strMember = Dom("member/1");
    EXPECT_NE(strMember.find("<h2>Aldric Stormwind</h2>"), std::string::npos) << strMember;
    EXPECT_NE(strMember.find("Founder of the Silver Lanterns."), std::string::npos);
    EXPECT_EQ(strMember.find("@lanterns.example"), std::string::npos);

    // The roster as a reader sees it, kept for a look.
    std::string strShot = std::string(ZORV_ARTIFACTS) + "/web-roster.png";
    std::filesystem::create_directories(ZORV_ARTIFACTS);
    std::filesystem::remove(strShot);
    Chromium({"--window-size=1000,760", "--screenshot=" + strShot}, "");
    EXPECT_GT(std::filesystem::exists(strShot) ? std::filesystem::file_size(strShot) : 0u, 10000u);
    if (const char* szFolder = std::getenv("ZORV_SCREENSHOTS"))
        std::filesystem::copy_file(strShot, std::string(szFolder) + "/web-roster.png",
                                   std::filesystem::copy_options::overwrite_existing);
}

} // namespace
