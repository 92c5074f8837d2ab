// The change history: one entry per successful change with its old and new values and none for a
// refusal, no password material anywhere, reading it page by page, an administrator's undo of each
// kind that can be undone (and the refusals that leave everything as it was), and concurrent
// writers. Standalone and under CGI. The history through backup and restore is
// test_history_backup.cpp.
#include "Harness.h"

#include <functional>
#include <tuple>

namespace {

using S = Scene;

class History : public SceneTest {
protected:
    static std::string N(int i) { return std::to_string(i); }
    int Entries() { return std::stoi(Value("SELECT count(*) FROM history")); }
    std::string LastKind() { return Value("SELECT kind FROM history ORDER BY seq DESC LIMIT 1"); }
    std::string LastSeq() { return Value("SELECT max(seq) FROM history"); }
    // The last entry's values, "field:old>new" joined by ";".
    std::string LastValues() {
        return Value("SELECT group_concat(field || ':' || old || '>' || new, ';') FROM "
                     "(SELECT * FROM history_values WHERE entry = (SELECT max(seq) FROM history) "
                     "ORDER BY ord)");
    }
    // Everything the guild holds but the history and the bookkeeping, to show a refusal changed
    // nothing.
    std::string Guild() {
        return Value("SELECT group_concat(id || '/' || name || '/' || patron_id || '/' || join_seq "
                     "|| '/' || bio || '/' || level || '/' || security_level || '/' || revision, "
                     "';') FROM (SELECT * FROM characters ORDER BY id)");
    }
};

TEST_P(History, EachChangeLeavesOneEntryAndARefusalNone) {
    // The set-up and the six additions of the scene, and Keeper's promotion.
    EXPECT_EQ(Entries(), 8);
    EXPECT_EQ(Value("SELECT group_concat(kind) FROM history"),
              "init,add,add,add,add,add,add,level");
    EXPECT_EQ(Value("SELECT actor_name || ' ' || character_name FROM history WHERE seq = 2"),
              "Root High");

    // Each kind of change with the values its entry keeps (none checked: "").
    const std::tuple<const char*, std::function<Answer()>, std::string> steps[] = {
        {"save",
         [&] {
             return Save(S::Patron, S::Self, {{"BIO", "a|b"}, {"LEVEL", "50"}, {"CLASS", ""}});
         },
         "level:0>50;bio:>a|b"},
        {"add", [&] { return Add(S::Self, S::Self, "Newbie"); }, "patron_id:>4;patron_name:>Self"},
        {"patron", [&] { return Move(S::Root, S::Self, S::Other); }, ""},
        {"level", [&] { return Level(S::Root, S::Other, "3"); }, "security_level:1>3"},
        {"password", [&] { return Password(S::Self, "mine123"); }, "password:>"},
        {"reset", [&] { return As(T(), S::Keeper, 110, Form("charid=7&resetid=4")); },
         "password:>"},
        {"setup",
         [&] {
             return As(
                 T(), S::Keeper, 109,
                 Form("guildname=New "
                      "Name&defaultpw=newdef1&use_rescue_squad=1&rescue_squad_name=Lifeguards"));
         },
         "guild_name:Test Guild>New Name;default_password:>"},
        {"remove", [&] { return Remove(S::Root, 8); }, ""},
    };
    for (const auto& [szKind, run, strValues] : steps) {
        int nBefore = Entries();
        Answer answer = run();
        ASSERT_EQ(answer.iCode, 800) << szKind << ": " << answer.strRaw;
        EXPECT_EQ(Entries(), nBefore + 1) << szKind;
        EXPECT_EQ(LastKind(), szKind);
        if (!strValues.empty()) {
            EXPECT_EQ(LastValues(), strValues) << szKind;
        }
    }
    // The patron change keeps where Self was and went, by id, name and place.
    std::string strMove = Value("SELECT group_concat(field || ':' || old || '>' || new, ';') FROM "
                                "history_values WHERE entry = (SELECT seq FROM history WHERE "
                                "kind = 'patron')");
    EXPECT_NE(strMove.find("patron_id:3>6;patron_name:Patron>Other;join_seq:"), std::string::npos)
        << strMove;
    EXPECT_EQ(Value("SELECT group_concat(field, ',') FROM history_values WHERE entry = (SELECT "
                    "max(seq) FROM history WHERE kind = 'remove')"),
              "patron_id,patron_name,member")
        << "Newbie's removal keeps its one record";

    // Refusals write nothing: no rights, a stale tree, a bad value, a member's undo.
    int nBefore = Entries();
    EXPECT_EQ(Save(S::Vassal, S::Self, {{"BIO", "x"}}).iCode, 988);
    EXPECT_EQ(Save(S::Self, S::Self, {{"LEVEL", "x"}}).iCode, 991);
    EXPECT_NE(Remove(S::Vassal, S::Vassal).iCode, 800);
    EXPECT_NE(Move(S::Vassal, S::Self, S::High).iCode, 800);
    EXPECT_EQ(Undo(S::Self, LastSeq()).iCode, 1060);
    EXPECT_EQ(Entries(), nBefore);

    // No password, no hash, in any entry.
    std::string strAll =
        Value("SELECT group_concat(old || new, '') FROM history_values") +
        Value("SELECT group_concat(actor_name || character_name, '') FROM history");
    for (const char* szSecret : {"mine123", "newdef1", "defpw1", "rootpw1", "$argon2"})
        EXPECT_EQ(strAll.find(szSecret), std::string::npos) << szSecret;
}

TEST_P(History, ReadByCharacterAndForTheGuildPageByPage) {
    // Saves by turns of two members, each an entry of its own.
    ASSERT_EQ(Save(S::Self, S::Self, {{"BIO", "one"}}).iCode, 800);
    ASSERT_EQ(Save(S::Patron, S::Self, {{"BIO", "two"}}).iCode, 800);
    ASSERT_EQ(Save(S::Self, S::Self, {{"BIO", "three"}}).iCode, 800);
    Answer first = As(T(), S::Other, 117, {{"historyid", "4"}, {"count", "2"}});
    ASSERT_EQ(first.iCode, 800) << first.strRaw;
    std::vector<zorv::Fields> records = zorv::SplitRecords(first.strPayload);
    // Newest first: the "three" save, its value, the "two" save, its value, and the next page.
    ASSERT_EQ(records.size(), 5u) << first.strPayload;
    EXPECT_EQ(records[0][0], "E");
    EXPECT_EQ(records[0][3], "save");
    EXPECT_EQ(records[0][5], "Self");
    EXPECT_EQ(records[0][7], "Self");
    EXPECT_EQ(records[0][10], "1") << "undoable";
    EXPECT_EQ(records[1], (zorv::Fields{"V", "bio", "two", "three"}));
    EXPECT_EQ(records[3], (zorv::Fields{"V", "bio", "one", "two"}));
    ASSERT_EQ(records[4][0], "M");
    Answer second = As(T(), S::Other, 117, {{"historyid", "4"}, {"before", records[4][1]}});
    records = zorv::SplitRecords(second.strPayload);
    ASSERT_GE(records.size(), 3u);
    EXPECT_EQ(records[1], (zorv::Fields{"V", "bio", "", "one"}));
    EXPECT_EQ(records.back()[0], "V") << "the last page has no next";
    EXPECT_EQ(records[2][3], "add") << "Self's first entry is its addition";

    Answer recent = As(T(), S::Vassal, 118, {{"count", "1"}});
    ASSERT_EQ(recent.iCode, 800);
    records = zorv::SplitRecords(recent.strPayload);
    EXPECT_EQ(records.front()[1], LastSeq());
    EXPECT_EQ(records.back()[0], "M");
    for (const Fields& bad :
         {Fields{{"historyid", "x"}}, Fields{{"historyid", "4"}, {"count", "0"}},
          Fields{{"historyid", "4"}, {"count", "201"}},
          Fields{{"historyid", "4"}, {"before", "-1"}}})
        EXPECT_EQ(As(T(), S::Self, 117, bad).iCode, 1050);
}

TEST_P(History, UndoASaveAndALevel) {
    ASSERT_EQ(Save(S::Patron, S::Self, Form("NAME=Selfish&BIO=new bio&LEVEL=50&ISPK=1")).iCode,
              800);
    std::string strSave = LastSeq();
    std::string strRevision = Column("revision", S::Self);
    Answer undo = Undo(S::Keeper, strSave);
    ASSERT_EQ(undo.iCode, 800) << undo.strRaw;
    EXPECT_EQ(Column("name", S::Self), "Self");
    EXPECT_EQ(Column("bio", S::Self), "");
    EXPECT_EQ(Column("level", S::Self), "0");
    EXPECT_EQ(Column("is_pk", S::Self), "0");
    EXPECT_EQ(Column("modified_by", S::Self), "7") << "the undo is the last edit";
    EXPECT_EQ(std::stoi(Column("revision", S::Self)), std::stoi(strRevision) + 1)
        << "a sheet read before the undo is stale";
    EXPECT_EQ(LastKind(), "undo");
    EXPECT_EQ(Value("SELECT undoes FROM history ORDER BY seq DESC LIMIT 1"), strSave);
    EXPECT_EQ(Value("SELECT undone_by FROM history WHERE seq = " + strSave), LastSeq());
    EXPECT_EQ(T().Send("Self", "defpw1", 104).iCode, 800) << "the old name logs in again";

    // Undone already; an undo itself; a password event; no such entry.
    std::string strGuild = Guild();
    Answer again = Undo(S::Keeper, strSave);
    EXPECT_EQ(again.iCode, 1062);
    EXPECT_NE(zorv::UnescapedFields(again.strPayload)[0].find("undone by Keeper"),
              std::string::npos)
        << again.strPayload;
    EXPECT_EQ(Undo(S::Keeper, LastSeq()).iCode, 1062);
    EXPECT_EQ(Undo(S::Keeper, "99999").iCode, 1061);
    EXPECT_EQ(Undo(S::Keeper, "x").iCode, 1061);

    // A later save of the same field stops the undo; another field would not.
    ASSERT_EQ(Save(S::Self, S::Self, {{"BIO", "mine"}, {"CLASS", "Mage"}}).iCode, 800);
    std::string strMine = LastSeq();
    ASSERT_EQ(Save(S::Patron, S::Self, {{"BIO", "his"}}).iCode, 800);
    strGuild = Guild();
    Answer conflict = Undo(S::Root, strMine);
    EXPECT_EQ(conflict.iCode, 1063);
    EXPECT_EQ(zorv::UnescapedFields(conflict.strPayload)[0],
              "the bio of Self has been changed since");
    EXPECT_EQ(Guild(), strGuild) << "nothing half-applied: the class stays too";

    // A level: Other promoted, then put back; the last administrator is never demoted.
    ASSERT_EQ(Level(S::Root, S::Other, "3").iCode, 800);
    ASSERT_EQ(Undo(S::Keeper, LastSeq()).iCode, 800);
    EXPECT_EQ(Column("security_level", S::Other), "1");
    // Other promoted again; Root steps down and Other demotes Keeper: Other is the only
    // administrator left, and undoing his promotion is refused.
    ASSERT_EQ(Level(S::Root, S::Other, "3").iCode, 800);
    std::string strPromotion = LastSeq();
    ASSERT_EQ(Level(S::Root, S::Root, "1").iCode, 800);
    ASSERT_EQ(Level(S::Other, S::Keeper, "1").iCode, 800);
    strGuild = Guild();
    Answer only = Undo(S::Other, strPromotion);
    EXPECT_EQ(only.iCode, 1063);
    EXPECT_EQ(zorv::UnescapedFields(only.strPayload)[0], "Other is the guild's only administrator");
    EXPECT_EQ(Guild(), strGuild);
}

// Saving over and over costs the history one entry: a member's saves of one character in a row
// are one entry, holding the values from before the first and those of the last, whose undo puts
// back the character as it was before the first. Another change of the character, another
// member's save or a pause of more than five minutes starts a new entry.
TEST_P(History, AMembersSavesInARowAreOneEntry) {
    const int nBefore = Entries();
    ASSERT_EQ(Save(S::Self, S::Self, {{"BIO", "one"}, {"LEVEL", "5"}}).iCode, 800);
    const std::string strFirst = LastSeq();
    ASSERT_EQ(Save(S::Vassal, S::Vassal, {{"BIO", "another character"}}).iCode, 800);
    const std::string strBetween = LastSeq();
    for (int i = 0; i < 10; ++i)
        ASSERT_EQ(Save(S::Self, S::Self, {{"BIO", "save " + std::to_string(i)}}).iCode, 800);
    ASSERT_EQ(Save(S::Self, S::Self, Form("NAME=Selma&BIO=three&CLASS=Mage&LEVEL=0")).iCode, 800);
    EXPECT_EQ(Entries(), nBefore + 2);
    EXPECT_EQ(LastValues(), "bio:>three;name:Self>Selma;class:>Mage")
        << "the level is back where it was";
    EXPECT_EQ(Value("SELECT character_name FROM history ORDER BY seq DESC LIMIT 1"), "Selma");
    EXPECT_GT(std::stoll(LastSeq()), std::stoll(strBetween)) << "on top, with the last save";
    EXPECT_EQ(Undo(S::Keeper, strFirst).iCode, 1061) << "its first number is gone";
    ASSERT_EQ(Undo(S::Keeper, LastSeq()).iCode, 800);
    EXPECT_EQ(Column("name", S::Self) + "/" + Column("bio", S::Self) + "/" +
                  Column("class", S::Self) + "/" + Column("level", S::Self),
              "Self///0");

    const struct {
        const char* szWhat;
        std::function<void()> between;
        bool bJoins;
    } cases[] = {
        {"nothing", [] {}, true},
        {"less than five minutes",
         [&] {
             Sql(m_strDb, "UPDATE history SET at_epoch = at_epoch - 290 WHERE seq = " + LastSeq());
         },
         true},
        {"an undo", [&] { ASSERT_EQ(Undo(S::Keeper, LastSeq()).iCode, 800); }, false},
        {"another member's save",
         [&] {
             ASSERT_EQ(Save(S::Patron, S::Self, {{"MISCINFO", "his"}}).iCode, 800);
         },
         false},
        {"a new password", [&] { ASSERT_EQ(Password(S::Self, "defpw1").iCode, 800); }, false},
        {"five minutes and more",
         [&] {
             Sql(m_strDb, "UPDATE history SET at_epoch = at_epoch - 301 WHERE seq = " + LastSeq());
         },
         false},
    };
    int iCase = 0;
    for (const auto& c : cases) {
        const std::string strBio = "case " + std::to_string(++iCase);
        ASSERT_EQ(Save(S::Self, S::Self, {{"BIO", strBio}}).iCode, 800) << c.szWhat;
        c.between();
        const int nEntries = Entries();
        const std::string strOld = Column("bio", S::Self);
        ASSERT_EQ(Save(S::Self, S::Self, {{"BIO", strBio + " again"}}).iCode, 800) << c.szWhat;
        EXPECT_EQ(Entries(), c.bJoins ? nEntries : nEntries + 1) << c.szWhat;
        if (!c.bJoins) {
            EXPECT_EQ(LastValues(), "bio:" + strOld + ">" + strBio + " again") << c.szWhat;
        }
    }
}

TEST_P(History, UndoAPatronChangePutsTheBranchBackInItsPlace) {
    // Patron gets a second vassal after Self, so that Self's place among them shows.
    ASSERT_EQ(Add(S::Root, S::Patron, "Later").iCode, 800);
    const std::string strBefore = Vassals(S::Patron);
    ASSERT_EQ(strBefore, "4,8");
    ASSERT_EQ(Move(S::Root, S::Self, S::Other).iCode, 800);
    std::string strMove = LastSeq();
    ASSERT_EQ(Vassals(S::Patron), "8");

    // Refused while Patron is full; nothing moves.
    Sql(m_strDb, "INSERT OR REPLACE INTO settings(key, value) VALUES ('max_vassals', '1')");
    std::string strGuild = Guild();
    Answer full = Undo(S::Root, strMove);
    EXPECT_EQ(full.iCode, 1063);
    EXPECT_EQ(zorv::UnescapedFields(full.strPayload)[0],
              "Patron has 1 vassals, the most the guild allows");
    EXPECT_EQ(Guild(), strGuild);
    Sql(m_strDb, "DELETE FROM settings WHERE key = 'max_vassals'");

    ASSERT_EQ(Undo(S::Root, strMove).iCode, 800);
    EXPECT_EQ(Vassals(S::Patron), strBefore) << "back in its old place";
    EXPECT_EQ(Vassals(S::Self), "5") << "with its branch";
    EXPECT_EQ(Vassals(S::Other), "");

    // Renamed since: the entry's character is not found under its name.
    ASSERT_EQ(Move(S::Root, S::Self, S::Other).iCode, 800);
    std::string strRenamed = LastSeq();
    ASSERT_EQ(Save(S::Root, S::Self, {{"NAME", "Selma"}}).iCode, 800);
    Answer renamed = Undo(S::Root, strRenamed);
    EXPECT_EQ(renamed.iCode, 1063);
    EXPECT_EQ(zorv::UnescapedFields(renamed.strPayload)[0], "Self is now Selma");
    ASSERT_EQ(Undo(S::Root, LastSeq()).iCode, 800) << "the name back";
    ASSERT_EQ(Undo(S::Root, strRenamed).iCode, 800) << "and then the move";

    // Moved again since: refused.
    ASSERT_EQ(Move(S::Root, S::Vassal, S::Other).iCode, 800);
    std::string strVassalMove = LastSeq();
    ASSERT_EQ(Move(S::Root, S::Vassal, S::Keeper).iCode, 800);
    Answer moved = Undo(S::Root, strVassalMove);
    EXPECT_EQ(moved.iCode, 1063);
    EXPECT_EQ(zorv::UnescapedFields(moved.strPayload)[0], "Vassal has moved again since");
}

// An addition's undo removes the member again, which only holds while the member is no more
// than the addition made it: with vassals of its own, a saved record or an administrator's rights
// it is refused, and the tree stays as it was.
TEST_P(History, UndoOfAnAdditionIsRefusedOnceTheMemberIsMore) {
    auto AddBelow = [&](int iPatron, const char* szName) {
        Answer added = Add(S::Root, iPatron, szName);
        EXPECT_EQ(added.iCode, 800) << szName << ": " << added.strRaw;
        return std::make_pair(std::stoi(added.strPayload), LastSeq());
    };
    const auto [iNewbie, strNewbie] = AddBelow(S::Vassal, "Newbie");
    AddBelow(iNewbie, "Tiny");
    const auto [iSaved, strSaved] = AddBelow(S::Vassal, "Saved");
    ASSERT_EQ(Save(S::Root, iSaved, {{"BIO", "kept"}}).iCode, 800);
    const auto [iRaised, strRaised] = AddBelow(S::Vassal, "Raised");
    ASSERT_EQ(Level(S::Root, iRaised, "3").iCode, 800);

    const struct {
        std::string strEntry;
        const char* szWhy;
    } cases[] = {
        {strNewbie, "Newbie has vassals now"},
        {strSaved, "Saved's record has been saved since"},
        {strRaised, "Raised has been made an administrator since"},
    };
    for (const auto& c : cases) {
        const std::string strTree = As(T(), S::Root, 100).strPayload;
        const std::string strGuild = Guild();
        Answer undo = Undo(S::Keeper, c.strEntry);
        EXPECT_EQ(undo.iCode, 1063) << c.szWhy;
        EXPECT_EQ(zorv::UnescapedFields(undo.strPayload)[0], c.szWhy);
        EXPECT_EQ(As(T(), S::Root, 100).strPayload, strTree) << c.szWhy;
        EXPECT_EQ(Guild(), strGuild) << c.szWhy;
    }
}

// Undoing a move whose old patron has since come to stand below the member would hang the member
// under its own follower: a cycle that no backup of the guild restores.
TEST_P(History, UndoOfAMoveIsRefusedWhenTheOldPatronIsNowBelow) {
    ASSERT_EQ(Move(S::Root, S::Self, S::Other).iCode, 800);
    const std::string strMove = LastSeq();
    ASSERT_EQ(Move(S::Root, S::Patron, S::Vassal).iCode, 800);
    const std::string strTree = As(T(), S::Root, 100).strPayload;
    const std::string strGuild = Guild();
    Answer undo = Undo(S::Root, strMove);
    EXPECT_EQ(undo.iCode, 1063);
    EXPECT_EQ(zorv::UnescapedFields(undo.strPayload)[0],
              "the old patron is now among Self's followers");
    EXPECT_EQ(As(T(), S::Root, 100).strPayload, strTree);
    EXPECT_EQ(Guild(), strGuild);
}

TEST_P(History, UndoARemovalBringsBackEveryRecord) {
    ASSERT_EQ(Save(S::Self, S::Self, {{"BIO", "self's bio"}, {"EMAIL", "s@x.org"}}).iCode, 800);
    ASSERT_EQ(Save(S::Vassal, S::Vassal, {{"LEVEL", "12"}, {"SKILLS", "1,1,10"}}).iCode, 800);
    ASSERT_EQ(Password(S::Vassal, "vass123").iCode, 800);
    // High gets another vassal after Patron: Patron's place is first.
    ASSERT_EQ(Add(S::Root, S::High, "Second").iCode, 800);
    const std::string strGuild = Guild();
    ASSERT_EQ(Remove(S::Root, S::Patron).iCode, 800);
    std::string strRemove = LastSeq();
    EXPECT_EQ(Value("SELECT count(*) FROM characters WHERE id IN (3, 4, 5)"), "0");
    EXPECT_EQ(Value("SELECT count(*) FROM history_values WHERE entry = " + strRemove +
                    " AND field = 'member'"),
              "3");

    // A newcomer took Self's name meanwhile: refused, nothing comes back.
    ASSERT_EQ(Add(S::Root, S::Root, "self").iCode, 800);
    std::string strNewcomer = LastSeq();
    Answer taken = Undo(S::Keeper, strRemove);
    EXPECT_EQ(taken.iCode, 1063);
    EXPECT_EQ(zorv::UnescapedFields(taken.strPayload)[0], "the name self has been taken since");
    EXPECT_EQ(Value("SELECT count(*) FROM characters WHERE id IN (3, 4, 5)"), "0");
    ASSERT_EQ(Undo(S::Keeper, strNewcomer).iCode, 800) << "the addition undone in turn";

    Answer undo = Undo(S::Keeper, strRemove);
    ASSERT_EQ(undo.iCode, 800) << undo.strRaw;
    EXPECT_EQ(Guild(), strGuild) << "every record with its own data, ids and vassal order";
    EXPECT_EQ(Column("email", S::Self), "s@x.org");
    EXPECT_EQ(Column("skills", S::Vassal), "1,1,10");
    EXPECT_EQ(Vassals(S::High), "3,8");
    EXPECT_EQ(Value("SELECT count(*) FROM freed_ids WHERE id IN (3, 4, 5)"), "0");
    // No hash was kept: the restored members are on the guild's default password.
    EXPECT_EQ(Value("SELECT count(*) FROM characters WHERE id IN (3, 4, 5) AND "
                    "password_hash IS NULL"),
              "3");
    EXPECT_EQ(T().Send("Vassal", "defpw1", 104).iCode, 800);
    EXPECT_EQ(T().Send("Vassal", "vass123", 104).iCode, 951);
}

TEST_P(History, WeeklyJoinsAndDeparturesCountWhatStillHolds) {
    // The scene's six members joined through additions this week.
    ASSERT_EQ(Value("SELECT count(*) FROM history WHERE kind = 'add'"), "6");
    ASSERT_EQ(Add(S::Root, S::Other, "Alpha").iCode, 800);
    const std::string strAlpha = LastSeq();
    ASSERT_EQ(Add(S::Root, S::Other, "Beta").iCode, 800);
    ASSERT_EQ(Remove(S::Root, S::Patron).iCode, 800); // Patron, Self and Vassal go
    ASSERT_EQ(Add(S::Root, S::Other, "Gamma").iCode, 800);
    ASSERT_EQ(Undo(S::Keeper, LastSeq()).iCode, 800); // Gamma never counts
    // Alpha joined ten weeks ago.
    Value("UPDATE history SET at_epoch = at_epoch - 70 * 86400 WHERE seq = " + strAlpha);

    // Any member reads it: the history kept, and the last 26 weeks, the current one last.
    const Answer answer = As(T(), S::Other, 122, {});
    ASSERT_EQ(answer.iCode, 800) << answer.strRaw;
    const std::vector<zorv::Fields> records = zorv::SplitRecords(answer.strPayload);
    ASSERT_EQ(records.size(), 27u);
    EXPECT_EQ(records[0][0], "all");
    EXPECT_EQ(records[0][1], Value("SELECT date(min(at_epoch), 'unixepoch') FROM history"));
    std::vector<std::string> counts;
    for (std::size_t i = 1; i < records.size(); ++i) {
        ASSERT_EQ(records[i].size(), 3u);
        if (records[i][1] != "0" || records[i][2] != "0")
            counts.push_back(std::to_string(i) + ":" + records[i][1] + "/" + records[i][2]);
    }
    EXPECT_EQ(counts, std::vector<std::string>({"16:1/0", "26:7/3"}));
    // Weeks start on Mondays, seven days apart, and the last one holds today.
    EXPECT_EQ(Value("SELECT strftime('%w', '" + records[1][0] + "')"), "1");
    EXPECT_EQ(
        Value("SELECT julianday('" + records[26][0] + "') - julianday('" + records[1][0] + "')"),
        "175.0");
    EXPECT_EQ(Value("SELECT julianday('now') - julianday('" + records[26][0] + "') < 7"), "1");
    // The next join counts at the next asking.
    ASSERT_EQ(Add(S::Root, S::Other, "Delta").iCode, 800);
    EXPECT_EQ(zorv::SplitRecords(As(T(), S::Other, 122, {}).strPayload).at(26),
              (zorv::Fields{records[26][0], "8", "3"}));
    // A server that keeps no history says so.
    ServeTarget none(m_strDb, "/zorv", {"--history-days", "0"});
    EXPECT_EQ(zorv::SplitRecords(As(none, S::Other, 122, {}).strPayload).at(0).at(0), "none");
}

TEST_P(History, ARemovedAdministratorComesBackAsAMember) {
    ASSERT_EQ(Remove(S::Root, S::Keeper).iCode, 800);
    ASSERT_EQ(Undo(S::Root, LastSeq()).iCode, 800);
    // Back on the default password, which every member knows: no administrator's rights.
    EXPECT_EQ(Column("security_level", S::Keeper), "1");
    EXPECT_EQ(As(T(), S::Keeper, 111, {{"charid", "7"}}).iCode, 1030);
    EXPECT_NE(LastValues().find("member:>7|Keeper|1|"), std::string::npos)
        << "the undo records the record as it came back: " << LastValues();
    EXPECT_EQ(Level(S::Root, S::Keeper, "3").iCode, 800) << "and an administrator raises it again";
}

TEST_P(History, ConcurrentChangesNeverInterleaveOrGetLost) {
    const int nBefore = Entries();
    std::atomic<int> nSaved{0};
    std::vector<std::thread> writers;
    for (int iWriter = 0; iWriter < 4; ++iWriter) {
        writers.emplace_back([&, iWriter] {
            for (int i = 0; i < 6; ++i) {
                // Two administrators by turns, so that no save joins the one before it.
                Answer answer = Save(i % 2 ? S::Keeper : S::Root, 2 + iWriter,
                                     Form("BIO=w" + N(iWriter) + "-" + N(i) + "&LEVEL=" + N(i + 1) +
                                          "&CLASS=c" + N(i)));
                nSaved += answer.iCode == 800;
            }
        });
    }
    for (std::thread& writer : writers)
        writer.join();
    EXPECT_EQ(nSaved.load(), 24);
    EXPECT_EQ(Entries(), nBefore + 24);
    // Each entry holds its own three values, in order, and follows the one before it on its
    // character: every old value is the new value of the entry before.
    EXPECT_EQ(Value("SELECT count(*) FROM history WHERE kind = 'save' AND "
                    "(SELECT group_concat(field) FROM (SELECT field FROM history_values WHERE "
                    "entry = seq ORDER BY ord)) IS NOT 'level,class,bio'"),
              "0");
    EXPECT_EQ(Value("SELECT count(*) FROM history_values v JOIN history h ON h.seq = v.entry "
                    "WHERE v.field = 'bio' AND v.old <> '' AND v.old <> (SELECT v2.new FROM "
                    "history_values v2 JOIN history h2 ON h2.seq = v2.entry WHERE "
                    "h2.character_id = h.character_id AND v2.field = 'bio' AND h2.seq < h.seq "
                    "ORDER BY h2.seq DESC LIMIT 1)"),
              "0");
}

TEST_P(History, UndoTheSetupNamesButNeverTheDefaultPassword) {
    auto Setup = [&](const char* szGuild, const char* szDefault) {
        return As(T(), S::Keeper, 109,
                  Form(std::string("guildname=") + szGuild + "&defaultpw=" + szDefault +
                       "&use_rescue_squad=1&rescue_squad_name=Lifeguards"))
            .iCode;
    };
    const char kDefault[] = "SELECT value FROM settings WHERE key = 'default_password_hash'";
    const std::string strOldDefault = Value(kDefault);
    ASSERT_EQ(Setup("Renamed", "newdef1"), 800);
    const std::string strNewDefault = Value(kDefault);
    ASSERT_NE(strNewDefault, strOldDefault);
    std::string strRename = LastSeq();
    ASSERT_EQ(Undo(S::Root, strRename).iCode, 800);
    EXPECT_EQ(Value("SELECT value FROM settings WHERE key = 'guild_name'"), "Test Guild");
    EXPECT_EQ(Value(kDefault), strNewDefault) << "the new default stays";

    // Only a new default password: nothing to put back.
    ASSERT_EQ(Setup("Test Guild", "third12"), 800);
    Answer only = Undo(S::Root, LastSeq());
    EXPECT_EQ(only.iCode, 1063);
    EXPECT_EQ(zorv::UnescapedFields(only.strPayload)[0], "a new default password cannot be undone");

    // Renamed again since: refused, the second name stays.
    ASSERT_EQ(Setup("First", ""), 800);
    std::string strFirst = LastSeq();
    ASSERT_EQ(Setup("Second", ""), 800);
    EXPECT_EQ(Undo(S::Root, strFirst).iCode, 1063);
    EXPECT_EQ(Value("SELECT value FROM settings WHERE key = 'guild_name'"), "Second");
}

INSTANTIATE_TEST_SUITE_P(Server, History, ::testing::Values("serve", "cgi"));

} // namespace
