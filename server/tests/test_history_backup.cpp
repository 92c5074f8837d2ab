// The change history through backup and restore: a backup is streamed as it is read and is one
// moment of the guild, the history comes back whole and still undoes, a dump whose history
// carries password material or names what it does not hold is refused, a restore hands out no
// removed id, and the retention switch. Standalone and under CGI.
#include "Harness.h"

namespace {

using S = Scene;

class HistoryDump : public SceneTest {
protected:
    std::string LastSeq() { return Value("SELECT max(seq) FROM history"); }
    std::string Backup() {
        Answer backup = As(T(), S::Root, 111, {{"charid", "1"}});
        EXPECT_EQ(backup.iCode, 800);
        return backup.strPayload;
    }
    // Restores strDump into a new guild file in m_other and returns its path.
    std::string Restore(const std::string& strDump, const std::string& strName = "copy.db") {
        std::ofstream(m_other.File("guild.dump"), std::ios::binary | std::ios::trunc) << strDump;
        std::string strErr;
        EXPECT_EQ(
            RunServerCommand({"restore", "--db", m_other.File(strName), m_other.File("guild.dump")},
                             nullptr, &strErr),
            0)
            << strErr;
        return m_other.File(strName);
    }
    TempDir m_other;
};

void SendAll(int fd, const std::string& strBytes) {
    for (std::size_t nSent = 0; nSent < strBytes.size();) {
        ssize_t n = send(fd, strBytes.data() + nSent, strBytes.size() - nSent, MSG_NOSIGNAL);
        ASSERT_GT(n, 0);
        nSent += static_cast<std::size_t>(n);
    }
}

// Reads into strIn until it holds strWords (or, with strWords empty, until the peer closes).
void ReadUntil(int fd, std::string& strIn, const std::string& strWords = "") {
    char buffer[65536];
    while (strWords.empty() || strIn.find(strWords) == std::string::npos) {
        ssize_t n = recv(fd, buffer, sizeof buffer, 0);
        if (n <= 0)
            return;
        strIn.append(buffer, static_cast<std::size_t>(n));
    }
}

// Where two long texts first differ, for a message that does not print megabytes.
std::size_t FirstDifference(const std::string& a, const std::string& b) {
    auto mismatch = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    return static_cast<std::size_t>(mismatch.first - a.begin());
}

// The command-line backup of a guild that a server goes on changing is one moment of it: a save
// between its reading of the history's entries and of their values would otherwise give a dump
// that restore refuses.
TEST(HistoryBackup, ABackupTakenWhileMembersSaveAlwaysRestores) {
    ServedScene served;
    const std::string& strDb = served.strDb;
    ServeTarget& server = served.target;
    const TempDir& dir = served.dir;
    // A long history, so that reading its values takes a while.
    Sql(strDb, "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 20000) "
               "INSERT INTO history(at, at_epoch, kind, actor_id, actor_name, character_id, "
               "character_name) SELECT '2026-01-01 00:00:00', 1767225600, 'save', 1, 'Root', 4, "
               "'Self' FROM n");
    Sql(strDb,
        "INSERT INTO history_values(entry, ord, field, old, new) SELECT seq, 0, 'misc_info', "
        "'', '' FROM history WHERE at_epoch = 1767225600");
    std::atomic<bool> bStop{false};
    std::atomic<int> nSaved{0};
    std::thread writer([&] {
        for (int i = 0; !bStop; ++i)
            nSaved += As(server, S::Root, 106, Form("charid=1&updateid=4&BIO=" + std::to_string(i)))
                          .iCode == 800;
    });
    for (int i = 0; i < 4; ++i) {
        std::string strDump;
        EXPECT_EQ(RunServerCommand({"backup", "--db", strDb}, &strDump), 0);
        std::ofstream(dir.File("guild.dump"), std::ios::binary | std::ios::trunc) << strDump;
        std::string strErr;
        const std::string strCopy = dir.File("copy" + std::to_string(i) + ".db");
        EXPECT_EQ(RunServerCommand({"restore", "--db", strCopy, dir.File("guild.dump")}, nullptr,
                                   &strErr),
                  0)
            << strErr;
    }
    bStop = true;
    writer.join();
    EXPECT_GT(nSaved.load(), 0);
}

// A backup is written as it is read, so that each one in progress costs the server a piece of the
// dump, not the whole of a long history. Its reply is the dump the command line writes, byte for
// byte, and it is the guild of the moment the backup began, however slowly the client reads
// while members go on saving. A client that leaves halfway costs nothing further.
TEST_P(HistoryDump, ABackupIsWrittenAsItIsReadAndIsOneMoment) {
    // Some 20 MB of history entries, more than the connection's buffers take in, so that the
    // save below comes while the server is still reading them, and their values after it; with
    // the characters the dump escapes.
    Sql(m_strDb, "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 60000) "
                 "INSERT INTO history(at, at_epoch, kind, actor_id, actor_name, character_id, "
                 "character_name) SELECT '2026-01-01 00:00:00', 1767225600, 'save', 1, "
                 "hex(randomblob(62)) || '|' || char(92) || char(10) || char(13), 4, "
                 "hex(randomblob(62)) || '|' || char(92) || char(10) || char(13) FROM n");
    std::string strDump;
    ASSERT_EQ(RunServerCommand({"backup", "--db", m_strDb}, &strDump), 0);
    ASSERT_GT(strDump.size(), 16000000u);
    const std::string strExpected = "<START_HERE>800;" + strDump + "<STOP_HERE>";
    const std::string strRequest =
        T().RequestBytes("Root", S::kRootPassword, 111, {{"charid", "1"}});

    int fd = ConnectLoopback(T().Port());
    ASSERT_GE(fd, 0);
    SendAll(fd, strRequest);
    std::string strReply;
    ReadUntil(fd, strReply, "<START_HERE>800;ZORV DUMP 5\n");
    // Saved while the backup is being read: not held up by it, and not in it.
    ASSERT_EQ(Save(S::Self, S::Self, {{"BIO", "saved during the backup"}}).iCode, 800);
    ReadUntil(fd, strReply);
    close(fd);
    std::size_t iBody = strReply.find("\r\n\r\n");
    ASSERT_NE(iBody, std::string::npos);
    const std::string strBody = strReply.substr(iBody + 4);
    EXPECT_EQ(strBody.size(), strExpected.size());
    EXPECT_TRUE(strBody == strExpected)
        << "first difference at byte " << FirstDifference(strBody, strExpected);

    // To a client that speaks HTTP/1.1 the standalone server sends it chunked, in chunks that a
    // 16-bit chunk size can say.
    if (GetParam() == "serve") {
        std::string strHttp11 = strRequest;
        strHttp11.replace(strHttp11.find("HTTP/1.0"), 8, "HTTP/1.1");
        fd = ConnectLoopback(T().Port());
        ASSERT_GE(fd, 0);
        SendAll(fd, strHttp11);
        std::string strChunked;
        ReadUntil(fd, strChunked);
        close(fd);
        ASSERT_NE(strChunked.find("Transfer-Encoding: chunked"), std::string::npos);
        std::string strDechunked;
        std::size_t nLargest = 0;
        for (std::size_t i = strChunked.find("\r\n\r\n") + 4;;) {
            std::size_t iLine = strChunked.find("\r\n", i);
            ASSERT_NE(iLine, std::string::npos);
            std::size_t nChunk = std::stoul(strChunked.substr(i, iLine - i), nullptr, 16);
            if (nChunk == 0)
                break;
            nLargest = std::max(nLargest, nChunk);
            strDechunked += strChunked.substr(iLine + 2, nChunk);
            i = iLine + 2 + nChunk + 2;
        }
        EXPECT_LE(nLargest, 0x7FFFu);
        std::string strNow;
        ASSERT_EQ(RunServerCommand({"backup", "--db", m_strDb}, &strNow), 0);
        strNow = "<START_HERE>800;" + strNow + "<STOP_HERE>";
        EXPECT_TRUE(strDechunked == strNow)
            << "first difference at byte " << FirstDifference(strDechunked, strNow);
    }

    // A client that leaves after the first bytes: the server goes on answering, saves included.
    fd = ConnectLoopback(T().Port());
    ASSERT_GE(fd, 0);
    SendAll(fd, strRequest);
    std::string strHead;
    ReadUntil(fd, strHead, "ZORV DUMP 5\n");
    close(fd);
    ASSERT_EQ(Save(S::Self, S::Self, {{"BIO", "saved after a client left"}}).iCode, 800);
    EXPECT_NE(Backup().find("saved after a client left"), std::string::npos);
}

TEST_P(HistoryDump, SurvivesBackupAndRestoreAndRefusesPasswordMaterial) {
    ASSERT_EQ(Save(S::Self, S::Self, {{"BIO", "line one\nline|two"}}).iCode, 800);
    ASSERT_EQ(Remove(S::Root, S::Self).iCode, 800);
    const std::string strDump = Backup();
    EXPECT_EQ(strDump.rfind("ZORV DUMP 5\n", 0), 0u);
    EXPECT_NE(strDump.find("\nH|"), std::string::npos);

    const std::string strCopy = Restore(strDump);
    const char kAll[] = "SELECT group_concat(seq || at || kind || actor_name || character_name || "
                        "undoes || undone_by, ';') FROM history";
    const char kValues[] = "SELECT group_concat(entry || ord || field || old || new, ';') FROM "
                           "history_values";
    EXPECT_EQ(SqlValue(strCopy, kAll), Value(kAll));
    EXPECT_EQ(SqlValue(strCopy, kValues), Value(kValues));
    // And the restored history still undoes.
    ServeTarget copy(strCopy);
    EXPECT_EQ(
        copy.Send("Root", "rootpw1", 119,
                  {{"charid", "1"}, {"entry", SqlValue(strCopy, "SELECT max(seq) FROM history")}})
            .iCode,
        800);
    EXPECT_EQ(SqlValue(strCopy, "SELECT bio FROM characters WHERE id = 4"), "line one\nline|two");

    // A dump whose history carries a password or a hash is refused, and so is one whose values
    // name an entry it does not hold.
    const std::string strFile = m_other.File("bad.dump");
    auto Refused = [&](const std::string& strBad, const char* szWhy) {
        std::ofstream(strFile, std::ios::binary | std::ios::trunc) << strBad;
        std::string strMessage;
        EXPECT_EQ(RunServerCommand({"restore", "--db", m_other.File("bad.db"), strFile}, nullptr,
                                   &strMessage),
                  1)
            << szWhy;
        EXPECT_NE(strMessage.find(szWhy), std::string::npos) << strMessage;
    };
    std::size_t iEnd = strDump.rfind("E|");
    std::string strCounts = strDump.substr(iEnd);
    auto WithValue = [&](const std::string& strRow) {
        // One more value than the count line says, then the count corrected.
        zorv::Fields parts = zorv::SplitFields(strCounts.substr(0, strCounts.size() - 1));
        parts[4] = std::to_string(std::stoi(parts[4]) + 1);
        return strDump.substr(0, iEnd) + strRow + "\n" + parts[0] + "|" + parts[1] + "|" +
               parts[2] + "|" + parts[3] + "|" + parts[4] + "\n";
    };
    Refused(WithValue("V|1|50|password|secret|"), "a password event holds no value");
    std::string strRow = SqlValue(strCopy, "SELECT old FROM history_values WHERE field = 'member' "
                                           "LIMIT 1");
    std::string strHash = Value("SELECT password_hash FROM characters WHERE id = 1");
    std::size_t iHash = strRow.find("|-|");
    ASSERT_NE(iHash, std::string::npos);
    std::string strWithHash = strRow.substr(0, iHash) + "|" + strHash + strRow.substr(iHash + 2);
    std::string strEscaped; // as the dump writes a value: "\\" and "|" escaped
    for (char c : strWithHash)
        strEscaped += c == '|'    ? std::string("\\p")
                      : c == '\\' ? std::string("\\\\")
                                  : std::string(1, c);
    Refused(WithValue("V|1|51|member|" + strEscaped + "|"), "no password hash is kept");
    Refused(WithValue("V|99999|0|bio|a|b"), "which the dump does not hold");
    Refused(strDump.substr(0, iEnd), "without its count line");
}

// A restore reads the history for its shape; an undo puts back only what a record can hold, so
// that the guild's next backup still restores.
TEST_P(HistoryDump, AnUndoPutsBackOnlyWhatARecordCanHold) {
    ASSERT_EQ(Save(S::Self, S::Self, {{"RACE", "2"}}).iCode, 800);
    std::string strSave = LastSeq();
    std::string strDump = Backup();
    const std::string strValue = "\nV|" + strSave + "|0|race|0|2\n";
    std::size_t iValue = strDump.find(strValue);
    ASSERT_NE(iValue, std::string::npos) << strDump;
    strDump.replace(iValue, strValue.size(), "\nV|" + strSave + "|0|race|9|2\n");

    const std::string strCopy = Restore(strDump);
    ServeTarget copy(strCopy);
    Answer undo = copy.Send("Root", "rootpw1", 119, {{"charid", "1"}, {"entry", strSave}});
    EXPECT_EQ(undo.iCode, 1063);
    EXPECT_EQ(zorv::UnescapedFields(undo.strPayload)[0],
              "the entry's old race is not a whole number from 0 to 3");
    EXPECT_EQ(SqlValue(strCopy, "SELECT race FROM characters WHERE id = 4"), "2");
}

// A late save meant for a removed member must find no one after a restore too, whether into the
// same guild file or a new one: the dump's history names every id that was removed.
TEST_P(HistoryDump, ARestoreNeverHandsOutARemovedId) {
    // Deep, the highest id, leaves below the top of a removed branch.
    ASSERT_EQ(Add(S::Root, S::Vassal, "Deep").strPayload, "8");
    ASSERT_EQ(Remove(S::Root, S::Patron).iCode, 800);
    const std::string strDump = Backup();
    {
        const std::string strCopy = Restore(strDump);
        ServeTarget copy(strCopy);
        EXPECT_EQ(SceneOps(copy, strCopy).Add(S::Root, S::Other, "Newcomer").strPayload, "9");
        EXPECT_EQ(As(copy, S::Root, 106, Form("charid=1&updateid=8&BIO=late")).iCode, 970);
    }
    ASSERT_EQ(RunServerCommand({"restore", "--db", m_strDb, m_other.File("guild.dump")}), 0);
    EXPECT_EQ(Add(S::Root, S::Other, "Newcomer").strPayload, "9");
}

INSTANTIATE_TEST_SUITE_P(Server, HistoryDump, ::testing::Values("serve", "cgi"));

TEST(HistoryKeeping, OffKeepsNothingAndDaysPruneTheOld) {
    TempDir dir;
    const std::string strDb = dir.File("guild.db");
    Scene::CreateEmpty(strDb);
    {
        ServeTarget off(strDb, "/zorv", {"--history-days", "0"});
        Scene::Build(off);
        EXPECT_EQ(SqlValue(strDb, "SELECT count(*) FROM history"), "0");
    }
    ServeTarget days(strDb, "/zorv", {"--history-days", "30"});
    auto Save = [&](const char* szBio) {
        return As(days, S::Root, 106, {{"charid", "1"}, {"updateid", "4"}, {"BIO", szBio}}).iCode;
    };
    ASSERT_EQ(Save("recent"), 800);
    Sql(strDb, "UPDATE history SET at_epoch = at_epoch - 31 * 86400");
    ASSERT_EQ(Save("kept"), 800);
    EXPECT_EQ(SqlValue(strDb, "SELECT group_concat(new) FROM history_values"), "kept")
        << "the entry older than 30 days went with the next change";

    std::string strOut;
    ASSERT_EQ(RunServerCommand({"history", "--db", strDb, "--count", "5"}, &strOut), 0);
    EXPECT_NE(strOut.find("Root: save Self"), std::string::npos) << strOut;
    EXPECT_NE(strOut.find("bio: recent -> kept"), std::string::npos) << strOut;
    std::string strErr;
    EXPECT_EQ(RunServerCommand({"serve", "--db", strDb, "--history-days", "-3"}, nullptr, &strErr),
              1);
    EXPECT_NE(strErr.find("--history-days"), std::string::npos);
}

} // namespace
