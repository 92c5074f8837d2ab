// Logins under attack: wrong passwords are throttled by name and address and by address, and a
// throttled try is answered at once with its own code, so that guessing at one address never
// holds back a member at another.
#include "Harness.h"
#include "Passwords.h"
#include "Store.h"

#include <sodium.h>
#include <sys/stat.h>

namespace {

using S = Scene;

class Logins : public SceneTest {
protected:
    void SetUp() override {
        SceneTest::SetUp();
        Sql(m_strDb, "UPDATE settings SET value = '3' WHERE key = 'throttle_free'");
    }
    Answer Login(const std::string& strName, const std::string& strPassword,
                 const std::string& strFrom) {
        return T().Send(strName, strPassword, 104, {}, strFrom);
    }
    // The first wait past the free tries is a second from the latest failure, and a slow build
    // under CGI can take longer than that between two requests: the failures so far are made
    // to have happened just now, so that what is checked is the count, not the machine's speed.
    void FailuresJustNow() {
        Sql(m_strDb, "UPDATE login_failures SET at = (julianday('now') - 2440587.5) * 86400.0");
    }
};

TEST_P(Logins, ThrottledByNameAndAddressAndByAddress) {
    const std::string A = "127.0.0.2", B = "127.0.0.3", C = "127.0.0.4";
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Login("Self", "wrong" + std::to_string(i), A).iCode, 951) << i;
    // The fourth try waits, and is told so at once, with the name as typed and the wait.
    FailuresJustNow();
    Answer throttled = Login(" self ", "wrong3", A);
    ASSERT_EQ(throttled.iCode, 954) << throttled.strRaw;
    zorv::Fields fields = zorv::UnescapedFields(throttled.strPayload);
    ASSERT_EQ(fields.size(), 2u);
    EXPECT_EQ(fields[0], "self");
    EXPECT_GE(std::atoi(fields[1].c_str()), 1);
    EXPECT_LE(std::atoi(fields[1].c_str()), 60);
    FailuresJustNow();
    EXPECT_EQ(Login("Self", S::kDefaultPassword, A).iCode, 954)
        << "while throttled, not even the right password is tried";
    // The member is not kept out at another address, nor another member at this one.
    EXPECT_EQ(Login("Self", S::kDefaultPassword, B).iCode, 800);
    EXPECT_EQ(Login("Other", S::kDefaultPassword, A).iCode, 800);

    // Names that do not exist count for the address too; past four times the free tries, the
    // address waits whatever the name.
    for (char c = 'a'; c < 'a' + 9; ++c)
        EXPECT_EQ(Login(std::string("Stranger ") + c, "whatever", A).iCode, 950) << c;
    FailuresJustNow();
    Answer address = Login("Other", S::kDefaultPassword, A);
    EXPECT_EQ(address.iCode, 954);
    EXPECT_EQ(zorv::UnescapedFields(address.strPayload)[0], "Other");
    EXPECT_EQ(Login("Other", S::kDefaultPassword, C).iCode, 800);

    // A success clears the name's failures at that address.
    EXPECT_EQ(Login("Vassal", "wrong", C).iCode, 951);
    EXPECT_EQ(Login("Vassal", "wrong", C).iCode, 951);
    EXPECT_EQ(Login("Vassal", S::kDefaultPassword, C).iCode, 800);
    EXPECT_EQ(Login("Vassal", "wrong", C).iCode, 951);
    EXPECT_EQ(Login("Vassal", "wrong", C).iCode, 951);
    EXPECT_EQ(Login("Vassal", S::kDefaultPassword, C).iCode, 800);
}

TEST_P(Logins, ParallelGuessersNeverKeepAnotherMemberOut) {
    const int nGuessers = 16, nGuesses = 4;
    std::vector<std::vector<int>> codes(nGuessers);
    std::vector<std::thread> guessers;
    for (int i = 0; i < nGuessers; ++i)
        guessers.emplace_back([&, i] {
            for (int n = 0; n < nGuesses; ++n)
                codes[i].push_back(Login("Self", "guess" + std::to_string(n), "127.0.0.5").iCode);
        });
    std::vector<int> member;
    for (int n = 0; n < 5; ++n)
        member.push_back(Login("Other", S::kDefaultPassword, "127.0.0.6").iCode);
    for (auto& guesser : guessers)
        guesser.join();
    EXPECT_EQ(member, std::vector<int>(5, 800));
    int nThrottled = 0, nTried = 0;
    for (const std::vector<int>& guesses : codes)
        for (int iCode : guesses) {
            EXPECT_TRUE(iCode == 951 || iCode == 954) << iCode;
            nThrottled += iCode == 954;
            nTried += iCode == 951;
        }
    EXPECT_GT(nThrottled, 0);
    // Tries that raced past the check before the failures were written are the most that get a
    // hash: each guesser's first, and the free ones.
    EXPECT_LE(nTried, nGuessers + 3);
}

// Past the free tries, the tries that arrive together when a wait runs out are let through one at
// a time: the rest are told to wait, not all checked at once.
TEST_P(Logins, WhenAWaitRunsOutOneTryOfManyIsChecked) {
    const std::string D = "127.0.0.8";
    auto Failures = [&] {
        return SqlValue(m_strDb,
                        "SELECT count(*) FROM login_failures WHERE subject = 'addr:" + D + "'");
    };
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(Login("Self", "wrong", D).iCode, 951);
    ASSERT_EQ(Login("Self", "wrong", D).iCode, 954);
    for (int iRound = 0; iRound < 2; ++iRound) {
        Sql(m_strDb, "UPDATE login_failures SET at = at - 100"); // the wait has run out
        std::vector<int> codes(16);
        std::vector<std::thread> guessers;
        for (int i = 0; i < 16; ++i)
            guessers.emplace_back([&, i] { codes[i] = Login("Self", "guess", D).iCode; });
        for (auto& guesser : guessers)
            guesser.join();
        EXPECT_EQ(std::count(codes.begin(), codes.end(), 951), 1) << "round " << iRound;
        EXPECT_EQ(std::count(codes.begin(), codes.end(), 954), 15) << "round " << iRound;
    }
    EXPECT_EQ(Failures(), "5");

    // The right password in its turn gets in, and its turn is not left behind as a failure.
    Sql(m_strDb, "UPDATE login_failures SET at = at - 100");
    EXPECT_EQ(Login("Self", S::kDefaultPassword, D).iCode, 800);
    EXPECT_EQ(Failures(), "5");
    EXPECT_EQ(Login("Self", "wrong", D).iCode, 951) << "the name's failures were cleared";
}

TEST_P(Logins, VerifiedLoginsAreSharedThroughTheGuildFile) {
    ASSERT_EQ(As(T(), S::Self, 104).iCode, 800);
    EXPECT_NE(SqlValue(m_strDb, "SELECT count(*) FROM verified_logins"), "0");
    // The key lives beside the guild file, for its owner alone, never inside it.
    struct stat info {};
    ASSERT_EQ(stat((m_strDb + ".key").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    std::optional<std::string> strKey = CredentialCache::LoadKey(m_strDb);
    ASSERT_TRUE(strKey);

    // Another process records a password that argon2id would refuse: the server lets it in, so
    // it read that record instead of hashing. Under any other key the record means nothing.
    {
        Database db = OpenGuildDatabase(m_strDb, false);
        Store store(db);
        std::string strHash = store.HashOf(*store.FindByName("Self"));
        CredentialCache(*strKey, std::chrono::seconds(300))
            .Remember("self", "planted1", strHash, &db);
        CredentialCache(std::chrono::seconds(300)).Remember("self", "planted2", strHash, &db);
    }
    EXPECT_EQ(As(T(), S::Self, 104).iCode, 800);
    EXPECT_EQ(Login("Self", "planted1", "127.0.0.7").iCode, 800);
    EXPECT_EQ(Login("Self", "planted2", "127.0.0.7").iCode, 951);
    // A new password changes the stored hash, and no earlier record matches it.
    ASSERT_EQ(Password(S::Self, "newpw12").iCode, 800);
    EXPECT_EQ(Login("Self", "planted1", "127.0.0.7").iCode, 951);
    EXPECT_EQ(Login("Self", "newpw12", "127.0.0.7").iCode, 800);
}

// A password is hashed over the bytes the wire carries it in (Latin-1), as it always was: a hash
// stored before still lets its member in, a new one is taken over the same bytes, and the
// length limits count those bytes.
TEST_P(Logins, PasswordsAreHashedOverTheWiresBytes) {
    ASSERT_GE(sodium_init(), 0);
    const std::string strOld = "p\xE4sswd";
    char szHash[crypto_pwhash_STRBYTES];
    ASSERT_EQ(crypto_pwhash_str_alg(
                  szHash, strOld.data(), strOld.size(), crypto_pwhash_OPSLIMIT_INTERACTIVE,
                  crypto_pwhash_MEMLIMIT_INTERACTIVE, crypto_pwhash_ALG_ARGON2ID13),
              0);
    Sql(m_strDb,
        "UPDATE characters SET password_hash = '" + std::string(szHash) + "' WHERE id = 4");
    EXPECT_EQ(Login("Self", strOld, "127.0.0.7").iCode, 800);

    const std::string strNew(10, '\xFC');
    ASSERT_EQ(
        T().Send("Self", strOld, 108, {{"charid", "4"}, {"newpw", strNew}, {"confirmpw", strNew}})
            .iCode,
        800);
    const std::string strStored =
        SqlValue(m_strDb, "SELECT password_hash FROM characters WHERE id = 4");
    EXPECT_EQ(crypto_pwhash_str_verify(strStored.c_str(), strNew.data(), strNew.size()), 0);
    EXPECT_EQ(Login("Self", strNew, "127.0.0.7").iCode, 800);
}

INSTANTIATE_TEST_SUITE_P(Server, Logins, ::testing::Values("serve", "cgi"));

TEST(LoginThrottle, WaitGrowsToItsCapThenAgesOut) {
    TempDir dir;
    std::string strDb = dir.File("guild.db");
    Scene::CreateEmpty(strDb);
    Database db = OpenGuildDatabase(strDb, false);
    db.Exec("UPDATE settings SET value = '2' WHERE key = 'throttle_free'");
    LoginThrottle throttle(db);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(throttle.SecondsToWait("self", "10.0.0.1"), 0) << i;
        throttle.RecordFailure("self", "10.0.0.1");
    }
    long lFirst = throttle.SecondsToWait("self", "10.0.0.1");
    EXPECT_GE(lFirst, 1);
    EXPECT_LE(lFirst, 1);
    EXPECT_EQ(throttle.SecondsToWait("self", "10.0.0.2"), 0) << "not the name at other addresses";
    EXPECT_EQ(throttle.SecondsToWait("other", "10.0.0.1"), 0) << "the address has tries left";
    for (int i = 0; i < 3; ++i)
        throttle.RecordFailure("self", "10.0.0.1");
    EXPECT_GT(throttle.SecondsToWait("self", "10.0.0.1"), 2) << "doubles with each failure";
    for (int i = 0; i < 20; ++i)
        throttle.RecordFailure("self", "10.0.0.1");
    EXPECT_EQ(throttle.SecondsToWait("self", "10.0.0.1"), LoginThrottle::kMaxWaitSeconds);
    EXPECT_GT(throttle.SecondsToWait("other", "10.0.0.1"), 0) << "now the address waits";
    // Failures older than the window no longer count.
    db.Exec("UPDATE login_failures SET at = at - " +
            std::to_string(LoginThrottle::kWindowSeconds + 1));
    EXPECT_EQ(throttle.SecondsToWait("self", "10.0.0.1"), 0);
    throttle.RecordFailure("self", "10.0.0.1");
    throttle.RecordFailure("self", "10.0.0.1");
    throttle.RecordSuccess("self", "10.0.0.1");
    EXPECT_EQ(throttle.SecondsToWait("self", "10.0.0.1"), 0);
}

} // namespace
