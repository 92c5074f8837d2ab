// The guild's facts (121): what every member may read, the administrators' part, and how the
// server keeps track of who is on the default password and when administrators last logged in.
#include "Harness.h"

#include <ctime>

namespace {

using S = Scene;

class Facts : public SceneTest {
protected:
    // The reply's records by their first field: the cap alone, members by id, "D" and "L".
    struct Parsed {
        std::string strCap;
        std::map<std::string, std::string> members;
        std::string strDefault; // the ids of the "D" records, comma-separated, in reply order
        std::map<std::string, std::string> logins;
    };

    Parsed Ask(int idCaller, bool bAdmin) {
        Answer answer = As(T(), idCaller, 121, bAdmin ? Fields{{"admin", "1"}} : Fields{});
        EXPECT_EQ(answer.iCode, 800) << answer.strRaw;
        Parsed parsed;
        for (const zorv::Fields& fields : zorv::SplitRecords(answer.strPayload)) {
            if (parsed.strCap.empty() && parsed.members.empty()) {
                EXPECT_EQ(fields.size(), 1u);
                parsed.strCap = fields[0];
            } else if (fields[0] == "D") {
                EXPECT_EQ(fields.size(), 2u);
                parsed.strDefault += (parsed.strDefault.empty() ? "" : ",") + fields[1];
            } else if (fields[0] == "L") {
                EXPECT_EQ(fields.size(), 3u);
                parsed.logins[fields[1]] = fields[2];
            } else {
                EXPECT_EQ(fields.size(), 7u);
                parsed.members[fields[0]] = JoinFields(fields);
            }
        }
        return parsed;
    }

    static std::string JoinFields(const zorv::Fields& fields) {
        std::string strJoined;
        for (std::size_t i = 0; i < fields.size(); ++i)
            strJoined += (i ? "|" : "") + fields[i];
        return strJoined;
    }
};

TEST_P(Facts, EveryMemberReadsTheRecordsFactsButNotTheAdministratorsPart) {
    Sql(m_strDb, "UPDATE characters SET race = 2, sex = 1, num_followers = 9, is_mule = 1, "
                 "main_char = 'Nobody Here', modified_at = '2025-01-02 03:04' WHERE id = 4");
    Sql(m_strDb, "UPDATE settings SET value = '5' WHERE key = 'max_vassals'");
    Parsed member = Ask(S::Vassal, false);
    EXPECT_EQ(member.strCap, "5");
    EXPECT_EQ(member.members.size(), 7u);
    EXPECT_EQ(member.members["4"], "4|2|1|9|1|Nobody Here|2025-01-02 03:04");
    EXPECT_EQ(member.strDefault, "");
    EXPECT_TRUE(member.logins.empty());
    // Kept between askings only until the next save (which raises the record's revision), and
    // the cap always as it is now.
    Sql(m_strDb, "UPDATE characters SET race = 3, revision = revision + 1 WHERE id = 4");
    Sql(m_strDb, "UPDATE settings SET value = '7' WHERE key = 'max_vassals'");
    member = Ask(S::Vassal, false);
    EXPECT_EQ(member.members["4"], "4|3|1|9|1|Nobody Here|2025-01-02 03:04");
    EXPECT_EQ(member.strCap, "7");
}

// Who is on the default password follows every way a password is given or taken.
TEST_P(Facts, DefaultPasswordFollowsEveryChange) {
    EXPECT_EQ(Ask(S::Root, true).strDefault, "2,3,4,5,6,7");
    // Self's own password; then an administrator's reset puts Self back on the default.
    ASSERT_EQ(Password(S::Self, "selfpw99").iCode, 800);
    EXPECT_EQ(Ask(S::Root, true).strDefault, "2,3,5,6,7");
    ASSERT_EQ(As(T(), S::Root, 110, Form("charid=1&resetid=4")).iCode, 800);
    EXPECT_EQ(Ask(S::Keeper, true).strDefault, "2,3,4,5,6,7");
    // A new default without resetpw: the others keep the old one, so no one is on the default.
    ASSERT_EQ(As(T(), S::Root, 109,
                 Form("guildname=Test Guild&use_rescue_squad=0&rescue_squad_name=&defaultpw="
                      "newdef22&resetpw=0"))
                  .iCode,
              800);
    EXPECT_EQ(Ask(S::Root, true).strDefault, "");
    // A member added now is on it; with resetpw the members on the default move with it.
    ASSERT_EQ(As(T(), S::Root, 110, Form("charid=1&resetid=5")).iCode, 800);
    ASSERT_EQ(As(T(), S::Root, 109,
                 Form("guildname=Test Guild&use_rescue_squad=0&rescue_squad_name=&defaultpw="
                      "third333&resetpw=1"))
                  .iCode,
              800);
    EXPECT_EQ(Ask(S::Root, true).strDefault, "5");
    EXPECT_EQ(T().Send("Vassal", "third333", 104).iCode, 800);
}

TEST_P(Facts, AdministratorsLastLoginIsNotedOnceADayWithoutWakingTheFeed) {
    Parsed before = Ask(S::Root, true);
    EXPECT_EQ(before.logins.size(), 2u); // Root and Keeper; nobody has logged in yet
    EXPECT_EQ(before.logins["1"], "");
    EXPECT_EQ(before.logins["7"], "");

    const std::string strFeed = "SELECT value FROM server_state WHERE key = 'feed_generation'";
    const std::string strGeneration = SqlValue(m_strDb, strFeed);
    ASSERT_EQ(As(T(), S::Keeper, 104).iCode, 800);
    const std::string strToday = UtcStamp(std::time(nullptr), false).substr(0, 10);
    EXPECT_EQ(Ask(S::Root, true).logins["7"].substr(0, 10), strToday);
    EXPECT_EQ(SqlValue(m_strDb, strFeed), strGeneration);

    // Noted already today: left as it is. Noted yesterday: written again. Other operations than
    // the login never write it.
    Sql(m_strDb, "UPDATE characters SET last_login_at = '" + strToday + " 00:00' WHERE id = 7");
    ASSERT_EQ(As(T(), S::Keeper, 104).iCode, 800);
    EXPECT_EQ(Ask(S::Root, true).logins["7"], strToday + " 00:00");
    Sql(m_strDb, "UPDATE characters SET last_login_at = '2020-05-06 07:08' WHERE id = 7");
    ASSERT_EQ(As(T(), S::Keeper, 100).iCode, 800);
    EXPECT_EQ(Ask(S::Root, true).logins["7"], "2020-05-06 07:08");
    ASSERT_EQ(As(T(), S::Keeper, 104).iCode, 800);
    EXPECT_EQ(Ask(S::Root, true).logins["7"].substr(0, 10), strToday);
    // A wrong password is no login.
    EXPECT_EQ(T().Send("Root", "wrongpw1", 104).iCode, 951);
    EXPECT_EQ(Ask(S::Root, true).logins["1"], "");
}

TEST_P(Facts, NoPasswordOrHashInAnyReply) {
    ASSERT_EQ(Password(S::Self, "selfpw99").iCode, 800);
    Answer answer = As(T(), S::Root, 121, {{"admin", "1"}});
    ASSERT_EQ(answer.iCode, 800);
    EXPECT_EQ(answer.strRaw.find("argon2"), std::string::npos);
    // The part of each stored hash after its parameters, the guild's default among them.
    const std::vector<std::string> hashes = SplitList(
        SqlValue(m_strDb, "SELECT group_concat(password_hash, ' ') FROM characters") + " " +
            SqlValue(m_strDb, "SELECT value FROM settings WHERE key = 'default_password_hash'"),
        ' ');
    ASSERT_EQ(hashes.size(), 3u);
    for (const std::string& strHash : hashes)
        EXPECT_EQ(answer.strRaw.find(strHash.substr(strHash.rfind('$') + 1)), std::string::npos);
    for (const char* szPassword : {S::kRootPassword, S::kDefaultPassword, "selfpw99"})
        EXPECT_EQ(answer.strRaw.find(szPassword), std::string::npos);
    // Asked by a member, the administrators' part is refused whole.
    ASSERT_EQ(Level(S::Root, S::Keeper, "1").iCode, 800);
    EXPECT_EQ(As(T(), S::Keeper, 121, {{"admin", "1"}}).iCode, 988);
    EXPECT_EQ(As(T(), S::Keeper, 121, {{"admin", "1"}}).strPayload, "");
}

INSTANTIATE_TEST_SUITE_P(Server, Facts, ::testing::Values("serve", "cgi"));

} // namespace
