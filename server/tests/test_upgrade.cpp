// Guild files that the servers of earlier schema versions wrote, opened by this one. Each
// data/guild-vN.db was made by data/make-guild with the zorv-server of the commit that brought in
// version N, and data/guild-vN.dump is what this server's backup printed of it once upgraded,
// read line by line when it was stored: every member, name, patron, sheet, revision and password
// hash carried over, and no history before version 6. The guild is the same in every file: Aldric
// Stone (1, administrator, own password) over Brenna Ashvale (2, own password) and Corwin Marsh (3,
// administrator, own password); Brenna over Dunstan Reed (4, reset to the default password);
// Dunstan over Fenna Holt (6) and Gilda Thorn (7, moved from Corwin); Corwin over Hale Winter (8);
// Edric Vale (5) and then Ivo Brand (9, under Hale) removed.
#include "Harness.h"
#include "Store.h"

#include <ctime>
#include <sstream>

namespace {

std::string DataFile(const std::string& strName) {
    return std::string(ZORV_TEST_DATA) + "/" + strName;
}

std::string ReadFile(const std::string& strPath) {
    std::ifstream file(strPath, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// A copy of the file of the schema version the test is instantiated with, so that the stored one
// is never upgraded.
class UpgradeTest : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        const std::string strName = "guild-v" + std::to_string(GetParam());
        m_strDb = m_dir.File("guild.db");
        std::filesystem::copy_file(DataFile(strName + ".db"), m_strDb);
        m_strExpectedDump = ReadFile(DataFile(strName + ".dump"));
        ASSERT_FALSE(m_strExpectedDump.empty()) << DataFile(strName + ".dump");
    }

    TempDir m_dir;
    std::string m_strDb;
    std::string m_strExpectedDump;
};

TEST_P(UpgradeTest, KeepsEveryMemberSheetAndPassword) {
    // The file is as its server left it, with rows in every table of its version, so that the
    // upgrade meets each of them.
    ASSERT_EQ(SqlValue(m_strDb, "PRAGMA user_version"), std::to_string(GetParam()));
    const std::vector<std::string> tables = SplitList(
        SqlValue(m_strDb, "SELECT group_concat(name) FROM sqlite_master WHERE type = 'table'"),
        ',');
    for (const std::string& strTable : tables)
        EXPECT_NE(SqlValue(m_strDb, "SELECT count(*) FROM " + strTable), "0") << strTable;

    std::string strDump, strErr;
    ASSERT_EQ(RunServerCommand({"backup", "--db", m_strDb}, &strDump, &strErr), 0) << strErr;
    EXPECT_EQ(SqlValue(m_strDb, "PRAGMA user_version"), std::to_string(Store::kSchemaVersion));
    // The expected dumps were written with the columns of their day: a column added since is
    // its default (the dump test's business), and the rest is compared whole.
    EXPECT_EQ(InColumnsOf(strDump, m_strExpectedDump), m_strExpectedDump);
    // The same guild's dump as the version before the named columns wrote it restores as it was.
    const std::string strOld = m_dir.File("v4.txt"), strRestored = m_dir.File("restored.db");
    std::ofstream(strOld, std::ios::binary) << AsVersion4Dump(m_strExpectedDump);
    ASSERT_EQ(RunServerCommand({"restore", "--db", strRestored, strOld}, nullptr, &strErr), 0)
        << strErr;
    ASSERT_EQ(RunServerCommand({"backup", "--db", strRestored}, &strDump, &strErr), 0) << strErr;
    EXPECT_EQ(InColumnsOf(strDump, m_strExpectedDump), m_strExpectedDump);

    // The removed ids: a file from before version 3 kept no record of them, so the upgrade frees
    // the gap below the highest id held and cannot know Ivo's; a later file keeps its own.
    const bool bKeptIds = GetParam() >= 3;
    EXPECT_EQ(
        SqlValue(m_strDb, "SELECT group_concat(id) FROM (SELECT id FROM freed_ids ORDER BY id)"),
        bKeptIds ? "5,9" : "5");
    EXPECT_EQ(SqlValue(m_strDb, "SELECT value FROM server_state WHERE key = 'id_high_water'"),
              bKeptIds ? "9" : "8");
}

TEST_P(UpgradeTest, ServesLoginsTheTreeAndNewMembers) {
    ServeTarget server(m_strDb);

    // Own passwords, the default one, and one reset to the default, as the old server set them;
    // the guild's set-up and Corwin's administrator rights come back with his login.
    struct Login {
        const char* szName;
        const char* szPassword;
        int iCode;
    };
    const Login logins[] = {
        {"Aldric Stone", "monarch1", 800},   {"Brenna Ashvale", "arrows22", 800},
        {"Brenna Ashvale", "welcome1", 951}, {"Dunstan Reed", "welcome1", 800},
        {"Dunstan Reed", "reed4444", 951},   {"Fenna Holt", "welcome1", 800}};
    for (const Login& login : logins)
        EXPECT_EQ(server.Send(login.szName, login.szPassword, 104).iCode, login.iCode)
            << login.szName << " with " << login.szPassword;
    Answer corwin = server.Send("Corwin Marsh", "marsh333", 104);
    ASSERT_EQ(corwin.iCode, 800);
    EXPECT_EQ(corwin.strPayload.substr(corwin.strPayload.find('|')),
              "|3|Corwin Marsh|3|Old Oak Guild|1|Wardens");
    // Who is on the default password comes from the hashes the old server kept, and the logins
    // above are noted in the column the upgrade added.
    Answer facts = server.Send("Aldric Stone", "monarch1", 121, {{"admin", "1"}});
    ASSERT_EQ(facts.iCode, 800);
    const std::string strToday = UtcStamp(std::time(nullptr), false).substr(0, 10);
    EXPECT_NE(facts.strPayload.find("D|4!;D|6!;D|7!;D|8!;L|1|" + strToday), std::string::npos)
        << facts.strPayload;

    // The tree of the upgraded file, whether built afresh or the one a version-5 server cached.
    Answer tree = server.Send("Fenna Holt", "welcome1", 100);
    ASSERT_EQ(tree.iCode, 800);
    EXPECT_EQ(tree.strPayload, "1|Aldric Stone|126|10|-1|2,3|0|0|1!;"
                               "2|Brenna Ashvale|80|6|1|4|0|1|1!;"
                               "3|Corwin Marsh|0|0|1|8|0|0|0!;"
                               "4|Dunstan Reed|45|3|2|6,7|1|0|0!;"
                               "8|Hale Winter|0|0|3||0|0|0!;"
                               "6|Fenna Holt|31|0|4||0|0|1!;"
                               "7|Gilda Thorn|12|0|4||0|0|0!;");

    // A new member takes an id above every one the file knows was used, never Edric's nor, where
    // the file kept it, Ivo's.
    Answer added =
        server.Send("Aldric Stone", "monarch1", 101,
                    Form("charid=1&addtoid=8&vassalname=Jory Wells&vassallist=&patronid=3"));
    ASSERT_EQ(added.iCode, 800) << added.strRaw;
    EXPECT_EQ(added.strPayload, GetParam() >= 3 ? "10" : "9");
}

// A file that turns out to be of a later schema than this server knows is left alone, and its
// requests refused.
TEST(Upgrade, LeavesAFileOfALaterSchemaAlone) {
    TempDir dir;
    const std::string strDb = dir.File("guild.db");
    std::filesystem::copy_file(DataFile("guild-v1.db"), strDb);
    ServeTarget server(strDb);
    const std::string strLater = std::to_string(Store::kSchemaVersion + 1);
    Sql(strDb, "PRAGMA user_version = " + strLater);
    EXPECT_EQ(server.Send("Fenna Holt", "welcome1", 107, {{"getcharid", "4"}}).iCode, 998);
    EXPECT_EQ(SqlValue(strDb, "PRAGMA user_version"), strLater);
}

// Every version before this server's: a new version comes with the file of the one it follows.
INSTANTIATE_TEST_SUITE_P(SchemaVersions, UpgradeTest, ::testing::Range(1, Store::kSchemaVersion),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return "Version" + std::to_string(info.param);
                         });

} // namespace
