// Restoring a guild from its dump: a bad dump is refused with the line it is wrong on, before
// anything is written, dumps of the earlier versions still restore when they are sound, and a
// dump that names its columns restores whatever columns were added since it was written.
#include "Harness.h"
#include "Passwords.h"

namespace {

std::vector<std::string> Lines(const std::string& strDump) {
    std::vector<std::string> lines = SplitList(strDump, '\n');
    if (!lines.empty() && lines.back().empty())
        lines.pop_back();
    return lines;
}

std::string Join(const std::vector<std::string>& lines) {
    std::string strOut;
    for (const std::string& strLine : lines)
        strOut += strLine + "\n";
    return strOut;
}

// The dump with field iField of line iLine (both counted from 1; the row's kind is field 0)
// replaced.
std::string WithField(const std::string& strDump, int iLine, int iField,
                      const std::string& strValue) {
    std::vector<std::string> lines = Lines(strDump);
    std::vector<std::string> fields = SplitList(lines.at(iLine - 1), '|');
    fields.at(iField) = strValue;
    std::string strRow;
    for (std::size_t i = 0; i < fields.size(); ++i)
        strRow += (i ? "|" : "") + fields[i];
    lines[iLine - 1] = strRow;
    return Join(lines);
}

std::string WithLine(const std::string& strDump, int iLine, const std::string& strText) {
    std::vector<std::string> lines = Lines(strDump);
    lines.at(iLine - 1) = strText;
    return Join(lines);
}

std::string FirstLines(const std::string& strDump, int nLines) {
    std::vector<std::string> lines = Lines(strDump);
    lines.resize(nLines);
    return Join(lines);
}

void Write(const std::string& strPath, const std::string& strText) {
    std::ofstream(strPath, std::ios::binary | std::ios::trunc) << strText;
}

std::string Backup(const std::string& strDb) {
    std::string strDump;
    EXPECT_EQ(RunServerCommand({"backup", "--db", strDb}, &strDump), 0);
    return strDump;
}

// The demo guild's dump in the version 4 form (the rows line for line as today's, without the
// column lines): line 1 the header, lines 2-6 the settings (default password hash, guild name,
// vassal cap 12, squad name, squad flag), then character k on line 6 + k (62 of them; the
// monarch, 1, has the four vassals 2 to 5; 6 is 2's vassal), and the count line last, line 69.
// m_strCurrent is the same guild's dump as this server writes it.
class DumpTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(RunServerCommand({"demo", "--db", m_dir.File("demo.db")}), 0);
        m_strCurrent = Backup(m_dir.File("demo.db"));
        m_strGood = AsVersion4Dump(m_strCurrent);
        ASSERT_EQ(Lines(m_strGood).size(), 69u);
    }

    TempDir m_dir;
    std::string m_strCurrent;
    std::string m_strGood;
};

TEST_F(DumpTest, BadDumpsAreRefusedWithTheirLineAndChangeNothing) {
    const std::string& d = m_strGood;
    const std::vector<std::string> lines = Lines(d);
    const std::string strSettings = Join({lines.begin() + 1, lines.begin() + 6});
    const std::string strCharacters = Join({lines.begin() + 6, lines.end() - 1});
    struct Case {
        const char* szWhat;
        std::string strDump;
        std::string strSays; // a piece of the refusal
    };
    const Case cases[] = {
        {"an empty file", "", "empty"},
        {"the header alone", "ZORV DUMP 3\n", "cut short"},
        {"no set-up and no member", "ZORV DUMP 3\nE|0|0\n", "guild_name"},
        {"a set-up without members", "ZORV DUMP 3\n" + strSettings + "E|5|0\n", "no character"},
        {"cut at a line boundary", FirstLines(d, 30), "cut short"},
        {"cut, with the count line of the whole", FirstLines(d, 30) + "E|5|62\n", "line 31:"},
        {"no set-up", "ZORV DUMP 3\n" + strCharacters + "E|0|62\n", "guild_name"},
        {"no default password", WithLine(d, 2, "S|throttle_free|5"), "default_password_hash"},
        {"an orphan", WithField(d, 8, 3, "999"), "line 8:"},
        {"a cycle through the monarch", WithField(d, 7, 3, "6"), "line 7:"},
        {"a cycle of two", WithField(d, 8, 3, "6"), "line 8:"},
        {"its own patron", WithField(d, 9, 3, "3"), "line 9:"},
        {"a patron over the cap", WithLine(d, 4, "S|max_vassals|3"), "line 7:"},
        {"a cap that is no number", WithLine(d, 4, "S|max_vassals|twelve"), "line 4:"},
        {"a patron that is no number", WithField(d, 9, 3, "x"), "line 9:"},
        {"security level 9", WithField(d, 10, 6, "9"), "line 10:"},
        {"security level 2", WithField(d, 10, 6, "2"), "line 10:"},
        {"id out of range", WithField(d, 11, 1, "40000"), "line 11:"},
        {"id 0", WithField(d, 11, 1, "0"), "line 11:"},
        {"a level with letters", WithField(d, 12, 7, "12a"), "line 12:"},
        {"race 4", WithField(d, 12, 9, "4"), "line 12:"},
        {"rank 11", WithField(d, 12, 10, "11"), "line 12:"},
        {"a flag of 2", WithField(d, 12, 12, "2"), "line 12:"},
        {"followers below 0", WithField(d, 12, 17, "-1"), "line 12:"},
        {"a revision that is no number", WithField(d, 12, 32, "two"), "line 12:"},
        {"revision 0", WithField(d, 12, 32, "0"), "line 12:"},
        {"an editor that is no number", WithField(d, 12, 31, "x"), "line 12:"},
        {"a bad skill string", WithField(d, 12, 18, "99,2,1"), "line 12:"},
        {"a marker in a text", WithField(d, 12, 15, "a<STOP_HERE>b"), "line 12:"},
        {"a text over its length", WithField(d, 12, 8, std::string(129, 'c')), "line 12:"},
        {"an id twice", WithField(d, 13, 1, "2"), "line 13:"},
        {"a name twice in other case", WithField(d, 13, 2, "brenna ashvale"), "line 13:"},
        {"a reserved name", WithField(d, 13, 2, "Unknown"), "line 13:"},
        {"an invalid name", WithField(d, 13, 2, "R2D2"), "line 13:"},
        {"a password in clear", WithField(d, 14, 5, "secret1"), "line 14:"},
        {"a row one field short", WithLine(d, 15, lines[14].substr(0, lines[14].rfind('|'))),
         "line 15:"},
        {"an unknown setting", WithLine(d, 5, "S|bogus|1"), "line 5:"},
        {"a setting twice", WithLine(d, 5, "S|guild_name|Other"), "line 5:"},
        {"a squad flag of 2", WithLine(d, 6, "S|use_rescue_squad|2"), "line 6:"},
        {"a default password in clear", WithLine(d, 2, "S|default_password_hash|welcome1"),
         "line 2:"},
        {"counts that differ", WithLine(d, 69, "E|5|63"), "line 69:"},
        {"a count line that is no count", WithLine(d, 69, "E|5"), "line 69:"},
        {"a row after the count line", d + lines[7] + "\n", "line 70:"},
        {"an unknown escape", WithField(d, 16, 15, "a\\qb"), "line 16:"},
        {"another header", WithLine(d, 1, "ZORV DUMP 9"), "line 1:"},
    };

    // Restored onto a live guild, which must stay as it was, and onto a new file, which must not
    // be created.
    std::string strLive = m_dir.File("live.db");
    Write(m_dir.File("good.txt"), d);
    ASSERT_EQ(RunServerCommand({"restore", "--db", strLive, m_dir.File("good.txt")}), 0);
    std::string strBefore = Backup(strLive);
    ASSERT_EQ(strBefore, m_strCurrent);
    int iCase = 0;
    for (const Case& c : cases) {
        std::string strFile = m_dir.File("bad" + std::to_string(++iCase) + ".txt");
        Write(strFile, c.strDump);
        std::string strErr;
        EXPECT_EQ(RunServerCommand({"restore", "--db", strLive, strFile}, nullptr, &strErr), 1)
            << c.szWhat;
        EXPECT_NE(strErr.find(c.strSays), std::string::npos)
            << c.szWhat << ": expected \"" << c.strSays << "\" in: " << strErr;
        EXPECT_EQ(Backup(strLive), strBefore) << c.szWhat << " changed the guild";
        std::string strNew = m_dir.File("new" + std::to_string(iCase) + ".db");
        EXPECT_EQ(RunServerCommand({"restore", "--db", strNew, strFile}, nullptr, &strErr), 1);
        EXPECT_FALSE(std::filesystem::exists(strNew)) << c.szWhat << " created a guild file";
    }
}

TEST_F(DumpTest, EarlierVersionsWithoutCountsRestoreOnlyWhenSound) {
    // A second-version dump is this one without the count line; it restores, with a word that
    // a cut could not have been told.
    std::vector<std::string> lines = Lines(m_strGood);
    lines.front() = "ZORV DUMP 2";
    lines.pop_back();
    std::string strOld = Join(lines);
    Write(m_dir.File("old.txt"), strOld);
    std::string strErr;
    ASSERT_EQ(RunServerCommand({"restore", "--db", m_dir.File("old.db"), m_dir.File("old.txt")},
                               nullptr, &strErr),
              0)
        << strErr;
    EXPECT_NE(strErr.find("no record counts"), std::string::npos) << strErr;
    EXPECT_EQ(Backup(m_dir.File("old.db")), m_strCurrent);
    // The first version's rows lack the revision, the last field, and restore at revision 1
    // (where the demo's members all are), under its own header and under the second's.
    std::vector<std::string> shortRows = lines;
    for (std::string& strLine : shortRows)
        if (strLine.rfind("C|", 0) == 0)
            strLine.erase(strLine.rfind('|'));
    for (const char* szVersion : {"1", "2"}) {
        shortRows.front() = std::string("ZORV DUMP ") + szVersion;
        Write(m_dir.File("short.txt"), Join(shortRows));
        const std::string strDb = m_dir.File(std::string("short") + szVersion + ".db");
        ASSERT_EQ(
            RunServerCommand({"restore", "--db", strDb, m_dir.File("short.txt")}, nullptr, &strErr),
            0)
            << szVersion << ": " << strErr;
        EXPECT_EQ(Backup(strDb), m_strCurrent) << szVersion;
    }

    // Every other check still holds for it.
    Write(m_dir.File("orphan.txt"), WithField(strOld, 8, 3, "999"));
    EXPECT_EQ(
        RunServerCommand({"restore", "--db", m_dir.File("orphan.db"), m_dir.File("orphan.txt")},
                         nullptr, &strErr),
        1);
    EXPECT_NE(strErr.find("line 8:"), std::string::npos) << strErr;
    // A count line is this version's; an older dump that carries one is not what it claims.
    Write(m_dir.File("counted.txt"), strOld + "E|5|62\n");
    EXPECT_EQ(
        RunServerCommand({"restore", "--db", m_dir.File("counted.db"), m_dir.File("counted.txt")},
                         nullptr, &strErr),
        1);
    EXPECT_NE(strErr.find("line 69:"), std::string::npos) << strErr;
    // The current header promises the count line: without it the dump counts as cut.
    lines.front() = "ZORV DUMP 3";
    Write(m_dir.File("uncounted.txt"), Join(lines));
    EXPECT_EQ(RunServerCommand(
                  {"restore", "--db", m_dir.File("uncounted.db"), m_dir.File("uncounted.txt")},
                  nullptr, &strErr),
              1);
    EXPECT_NE(strErr.find("cut short"), std::string::npos) << strErr;
}

// A dump names its columns, so that one written before a column was added restores, the column
// taking its default, and one from a later version, whose column this server would lose, is
// refused; the columns may come in any order.
TEST_F(DumpTest, NamedColumnsRestoreInAnyOrderAndWithoutAColumnAddedSince) {
    std::vector<std::string> lines = Lines(m_strCurrent);
    ASSERT_EQ(lines[1].rfind("N|C|id|name|", 0), 0u) << lines[1];
    const std::vector<std::string> columns = SplitList(lines[1], '|');
    // Where a column's value stands in a character row ("C|" is field 0), and its name in the
    // column line one further.
    const auto Where = [&](const std::string& strColumn) {
        return static_cast<std::size_t>(std::find(columns.begin(), columns.end(), strColumn) -
                                        columns.begin()) -
               1;
    };
    // Each character row without its biography, and with its level and class swapped, as the
    // column line says.
    auto Reshaped = [&](const std::string& strLine, std::size_t iFirst) {
        std::vector<std::string> fields = SplitList(strLine, '|');
        std::swap(fields[iFirst + Where("level")], fields[iFirst + Where("class")]);
        fields.erase(fields.begin() + static_cast<std::ptrdiff_t>(iFirst + Where("bio")));
        std::string strRow;
        for (std::size_t i = 0; i < fields.size(); ++i)
            strRow += (i ? "|" : "") + fields[i];
        return strRow;
    };
    std::vector<std::string> older;
    for (const std::string& strLine : lines)
        older.push_back(strLine.rfind("N|C|", 0) == 0 ? Reshaped(strLine, 1)
                        : strLine.rfind("C|", 0) == 0 ? Reshaped(strLine, 0)
                                                      : strLine);
    ASSERT_EQ(Lines(m_strCurrent).size(), older.size());
    // The demo's members have biographies: those are all that differs after the restore.
    std::vector<std::string> expected;
    for (const std::string& strLine : lines) {
        std::vector<std::string> fields = SplitList(strLine, '|');
        if (fields[0] == "C")
            fields[Where("bio")].clear();
        std::string strRow;
        for (std::size_t i = 0; i < fields.size(); ++i)
            strRow += (i ? "|" : "") + fields[i];
        expected.push_back(strRow);
    }
    ASSERT_NE(Join(expected), m_strCurrent) << "no demo member has a biography to lose";
    Write(m_dir.File("older.txt"), Join(older));
    std::string strErr;
    ASSERT_EQ(RunServerCommand({"restore", "--db", m_dir.File("older.db"), m_dir.File("older.txt")},
                               nullptr, &strErr),
              0)
        << strErr;
    EXPECT_EQ(Backup(m_dir.File("older.db")), Join(expected));

    // What restoring these lines says, when it refuses them.
    auto Refusal = [&](const std::string& strName, const std::vector<std::string>& dump) {
        Write(m_dir.File(strName + ".txt"), Join(dump));
        std::string strRefusal;
        EXPECT_EQ(RunServerCommand({"restore", "--db", m_dir.File(strName + ".db"),
                                    m_dir.File(strName + ".txt")},
                                   nullptr, &strRefusal),
                  1)
            << strName;
        return strRefusal;
    };
    std::vector<std::string> later = lines;
    later[1] += "|renown";
    for (std::string& strLine : later)
        if (strLine.rfind("C|", 0) == 0)
            strLine += "|7";
    strErr = Refusal("later", later);
    EXPECT_NE(strErr.find("line 2: the column renown is unknown"), std::string::npos) << strErr;

    // A row before its column line, and a column line that repeats a column, are refused.
    std::vector<std::string> early = lines;
    std::swap(early[1], early[9]);
    strErr = Refusal("early", early);
    EXPECT_NE(strErr.find("line 2: a character row before"), std::string::npos) << strErr;
    lines[1] += "|bio";
    strErr = Refusal("twice", lines);
    EXPECT_NE(strErr.find("line 2: a column named twice"), std::string::npos) << strErr;
}

} // namespace
