// The change history: one entry per successful change with its old and new values and none for a
// refusal, no password material anywhere, reading it page by page, an administrator's undo of each
// kind that can be undone (and the refusals that leave everything as it was), the history through
// backup and restore, concurrent writers, and the retention switch. Standalone and under CGI.
#include "Harness.h"
#include "Records.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <fstream>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {

using S = Scene;

class History : public ServerTest {
protected:
    void SetUp() override {
        ServerTest::SetUp();
        Scene::Build(T());
    }
    std::string Value(const std::string& strQuery) { return SqlValue(m_strDb, strQuery); }
    int Entries() { return std::stoi(Value("SELECT count(*) FROM history")); }
    std::string LastKind() { return Value("SELECT kind FROM history ORDER BY seq DESC LIMIT 1"); }
    std::string LastSeq() { return Value("SELECT max(seq) FROM history"); }
    // The last entry's values, "field:old>new" joined by ";".
    std::string LastValues() {
        return Value("SELECT group_concat(field || ':' || old || '>' || new, ';') FROM "
                     "(SELECT * FROM history_values WHERE entry = (SELECT max(seq) FROM history) "
                     "ORDER BY ord)");
    }
    std::string Column(const char* szColumn, int id) {
        return Value(std::string("SELECT ") + szColumn +
                     " FROM characters WHERE id = " + std::to_string(id));
    }
    std::string Vassals(int id) {
        return Value("SELECT coalesce(group_concat(id), '') FROM (SELECT id FROM characters "
                     "WHERE patron_id = " +
                     std::to_string(id) + " ORDER BY join_seq)");
    }
    Answer Save(int iActor, int id, const Fields& fields) {
        Fields all = {{"charid", std::to_string(iActor)}, {"updateid", std::to_string(id)}};
        all.insert(all.end(), fields.begin(), fields.end());
        return As(T(), iActor, 106, all);
    }
    Answer Remove(int iActor, int id) {
        std::string strPatron = Column("patron_id", id);
        return As(T(), iActor, 102,
                  {{"charid", std::to_string(iActor)},
                   {"vassalid", std::to_string(id)},
                   {"patronid", strPatron},
                   {"vassallist", Vassals(std::stoi(strPatron))}});
    }
    Answer Move(int iActor, int id, int iNew) {
        std::string strOld = Column("patron_id", id);
        return As(T(), iActor, 103,
                  {{"charid", std::to_string(iActor)},
                   {"moveid", std::to_string(id)},
                   {"newpatronid", std::to_string(iNew)},
                   {"oldpatronid", strOld},
                   {"oldpatronvassallist", Vassals(std::stoi(strOld))},
                   {"newpatronvassallist", Vassals(iNew)}});
    }
    Answer Undo(int iActor, const std::string& strEntry) {
        return As(T(), iActor, 119, {{"charid", std::to_string(iActor)}, {"entry", strEntry}});
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

    struct Step {
        const char* szWhat;
        std::function<Answer()> run;
        const char* szKind;
        std::string strValues;
    };
    const std::vector<Step> steps = {
        {"save",
         [&] {
             return Save(S::Patron, S::Self, {{"BIO", "a|b"}, {"LEVEL", "50"}, {"CLASS", ""}});
         },
         "save", "level:0>50;bio:>a|b"},
        {"add",
         [&] {
             return As(T(), S::Self, 101,
                       {{"charid", "4"},
                        {"addtoid", "4"},
                        {"vassalname", "Newbie"},
                        {"vassallist", "5"},
                        {"patronid", "3"}});
         },
         "add", "patron_id:>4;patron_name:>Self"},
        {"patron", [&] { return Move(S::Root, S::Self, S::Other); }, "patron", ""},
        {"level",
         [&] {
             return As(T(), S::Root, 112, {{"charid", "1"}, {"changeid", "6"}, {"newlevel", "3"}});
         },
         "level", "security_level:1>3"},
        {"password",
         [&] {
             return As(T(), S::Self, 108,
                       {{"charid", "4"}, {"newpw", "mine123"}, {"confirmpw", "mine123"}});
         },
         "password", "password:>"},
        {"reset",
         [&] {
             return As(T(), S::Keeper, 110, {{"charid", "7"}, {"resetid", "4"}});
         },
         "reset", "password:>"},
        {"setup",
         [&] {
             return As(T(), S::Keeper, 109,
                       {{"guildname", "New Name"},
                        {"defaultpw", "newdef1"},
                        {"use_rescue_squad", "1"},
                        {"rescue_squad_name", "Lifeguards"}});
         },
         "setup", "guild_name:Test Guild>New Name;default_password:>"},
        {"remove", [&] { return Remove(S::Root, 8); }, "remove", ""},
    };
    for (const Step& step : steps) {
        int nBefore = Entries();
        Answer answer = step.run();
        ASSERT_EQ(answer.iCode, 800) << step.szWhat << ": " << answer.strRaw;
        EXPECT_EQ(Entries(), nBefore + 1) << step.szWhat;
        EXPECT_EQ(LastKind(), step.szKind);
        if (!step.strValues.empty()) {
            EXPECT_EQ(LastValues(), step.strValues) << step.szWhat;
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
    ASSERT_EQ(Save(S::Patron, S::Self,
                   {{"NAME", "Selfish"}, {"BIO", "new bio"}, {"LEVEL", "50"}, {"ISPK", "1"}})
                  .iCode,
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
    ASSERT_EQ(As(T(), S::Root, 112, {{"charid", "1"}, {"changeid", "6"}, {"newlevel", "3"}}).iCode,
              800);
    ASSERT_EQ(Undo(S::Keeper, LastSeq()).iCode, 800);
    EXPECT_EQ(Column("security_level", S::Other), "1");
    // Other promoted again; Root steps down and Other demotes Keeper: Other is the only
    // administrator left, and undoing his promotion is refused.
    ASSERT_EQ(As(T(), S::Root, 112, {{"charid", "1"}, {"changeid", "6"}, {"newlevel", "3"}}).iCode,
              800);
    std::string strPromotion = LastSeq();
    ASSERT_EQ(As(T(), S::Root, 112, {{"charid", "1"}, {"changeid", "1"}, {"newlevel", "1"}}).iCode,
              800);
    ASSERT_EQ(As(T(), S::Other, 112, {{"charid", "6"}, {"changeid", "7"}, {"newlevel", "1"}}).iCode,
              800);
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
    ASSERT_EQ(Save(S::Self, S::Self,
                   {{"NAME", "Selma"}, {"BIO", "three"}, {"CLASS", "Mage"}, {"LEVEL", "0"}})
                  .iCode,
              800);
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
        {"a new password",
         [&] {
             ASSERT_EQ(As(T(), S::Self, 108,
                          {{"charid", "4"}, {"newpw", "defpw1"}, {"confirmpw", "defpw1"}})
                           .iCode,
                       800);
         },
         false},
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
    ASSERT_EQ(As(T(), S::Root, 101,
                 {{"charid", "1"},
                  {"addtoid", "3"},
                  {"vassalname", "Later"},
                  {"vassallist", "4"},
                  {"patronid", "2"}})
                  .iCode,
              800);
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
        Answer added = As(T(), S::Root, 101,
                          {{"charid", "1"},
                           {"addtoid", std::to_string(iPatron)},
                           {"vassalname", szName},
                           {"vassallist", Vassals(iPatron)},
                           {"patronid", Column("patron_id", iPatron)}});
        EXPECT_EQ(added.iCode, 800) << szName << ": " << added.strRaw;
        return std::make_pair(std::stoi(added.strPayload), LastSeq());
    };
    const auto [iNewbie, strNewbie] = AddBelow(S::Vassal, "Newbie");
    AddBelow(iNewbie, "Tiny");
    const auto [iSaved, strSaved] = AddBelow(S::Vassal, "Saved");
    ASSERT_EQ(Save(S::Root, iSaved, {{"BIO", "kept"}}).iCode, 800);
    const auto [iRaised, strRaised] = AddBelow(S::Vassal, "Raised");
    ASSERT_EQ(As(T(), S::Root, 112,
                 {{"charid", "1"}, {"changeid", std::to_string(iRaised)}, {"newlevel", "3"}})
                  .iCode,
              800);

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
    ASSERT_EQ(
        As(T(), S::Vassal, 108, {{"charid", "5"}, {"newpw", "vass123"}, {"confirmpw", "vass123"}})
            .iCode,
        800);
    // High gets another vassal after Patron: Patron's place is first.
    ASSERT_EQ(As(T(), S::Root, 101,
                 {{"charid", "1"},
                  {"addtoid", "2"},
                  {"vassalname", "Second"},
                  {"vassallist", "3"},
                  {"patronid", "1"}})
                  .iCode,
              800);
    const std::string strGuild = Guild();
    ASSERT_EQ(Remove(S::Root, S::Patron).iCode, 800);
    std::string strRemove = LastSeq();
    EXPECT_EQ(Value("SELECT count(*) FROM characters WHERE id IN (3, 4, 5)"), "0");
    EXPECT_EQ(Value("SELECT count(*) FROM history_values WHERE entry = " + strRemove +
                    " AND field = 'member'"),
              "3");

    // A newcomer took Self's name meanwhile: refused, nothing comes back.
    ASSERT_EQ(As(T(), S::Root, 101,
                 {{"charid", "1"},
                  {"addtoid", "1"},
                  {"vassalname", "self"},
                  {"vassallist", "2,6,7"},
                  {"patronid", "-1"}})
                  .iCode,
              800);
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

TEST_P(History, ARemovedAdministratorComesBackAsAMember) {
    ASSERT_EQ(Remove(S::Root, S::Keeper).iCode, 800);
    ASSERT_EQ(Undo(S::Root, LastSeq()).iCode, 800);
    // Back on the default password, which every member knows: no administrator's rights.
    EXPECT_EQ(Column("security_level", S::Keeper), "1");
    EXPECT_EQ(As(T(), S::Keeper, 111, {{"charid", "7"}}).iCode, 1030);
    EXPECT_NE(LastValues().find("member:>7|Keeper|1|"), std::string::npos)
        << "the undo records the record as it came back: " << LastValues();
    EXPECT_EQ(As(T(), S::Root, 112, {{"charid", "1"}, {"changeid", "7"}, {"newlevel", "3"}}).iCode,
              800)
        << "and an administrator raises it again";
}

// A restore reads the history for its shape; an undo puts back only what a record can hold, so
// that the guild's next backup still restores.
TEST_P(History, AnUndoPutsBackOnlyWhatARecordCanHold) {
    ASSERT_EQ(Save(S::Self, S::Self, {{"RACE", "2"}}).iCode, 800);
    std::string strSave = LastSeq();
    Answer backup = As(T(), S::Root, 111, {{"charid", "1"}});
    ASSERT_EQ(backup.iCode, 800);
    const std::string strValue = "\nV|" + strSave + "|0|race|0|2\n";
    std::string strDump = backup.strPayload;
    std::size_t iValue = strDump.find(strValue);
    ASSERT_NE(iValue, std::string::npos) << strDump;
    strDump.replace(iValue, strValue.size(), "\nV|" + strSave + "|0|race|9|2\n");

    TempDir other;
    std::ofstream(other.File("guild.dump"), std::ios::binary) << strDump;
    const std::string strCopy = other.File("copy.db");
    ASSERT_EQ(RunServerCommand({"restore", "--db", strCopy, other.File("guild.dump")}), 0);
    ServeTarget copy(strCopy);
    Answer undo = copy.Send("Root", "rootpw1", 119, {{"charid", "1"}, {"entry", strSave}});
    EXPECT_EQ(undo.iCode, 1063);
    EXPECT_EQ(zorv::UnescapedFields(undo.strPayload)[0],
              "the entry's old race is not a whole number from 0 to 3");
    EXPECT_EQ(SqlValue(strCopy, "SELECT race FROM characters WHERE id = 4"), "2");
}

// A late save meant for a removed member must find no one after a restore too, whether into the
// same guild file or a new one: the dump's history names every id that was removed.
TEST_P(History, ARestoreNeverHandsOutARemovedId) {
    auto Add = [](const Target& target, const char* szName) {
        return As(target, S::Root, 101,
                  {{"charid", "1"},
                   {"addtoid", "6"},
                   {"vassalname", szName},
                   {"vassallist", ""},
                   {"patronid", "1"}});
    };
    // Deep, the highest id, leaves below the top of a removed branch.
    ASSERT_EQ(As(T(), S::Root, 101,
                 {{"charid", "1"},
                  {"addtoid", "5"},
                  {"vassalname", "Deep"},
                  {"vassallist", ""},
                  {"patronid", "4"}})
                  .strPayload,
              "8");
    ASSERT_EQ(Remove(S::Root, S::Patron).iCode, 800);
    Answer backup = As(T(), S::Root, 111, {{"charid", "1"}});
    ASSERT_EQ(backup.iCode, 800);
    TempDir other;
    std::ofstream(other.File("guild.dump"), std::ios::binary) << backup.strPayload;

    const std::string strCopy = other.File("copy.db");
    ASSERT_EQ(RunServerCommand({"restore", "--db", strCopy, other.File("guild.dump")}), 0);
    {
        ServeTarget copy(strCopy);
        EXPECT_EQ(Add(copy, "Newcomer").strPayload, "9");
        EXPECT_EQ(
            As(copy, S::Root, 106, {{"charid", "1"}, {"updateid", "8"}, {"BIO", "late"}}).iCode,
            970);
    }
    ASSERT_EQ(RunServerCommand({"restore", "--db", m_strDb, other.File("guild.dump")}), 0);
    EXPECT_EQ(Add(T(), "Newcomer").strPayload, "9");
}

// The command-line backup of a guild that a server goes on changing is one moment of it: a save
// between its reading of the history's entries and of their values would otherwise give a dump
// that restore refuses.
TEST(HistoryBackup, ABackupTakenWhileMembersSaveAlwaysRestores) {
    TempDir dir;
    const std::string strDb = dir.File("guild.db");
    Scene::CreateEmpty(strDb);
    ServeTarget server(strDb);
    Scene::Build(server);
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
            nSaved += As(server, S::Root, 106,
                         {{"charid", "1"}, {"updateid", "4"}, {"BIO", std::to_string(i)}})
                          .iCode == 800;
    });
    for (int i = 0; i < 4; ++i) {
        std::string strDump;
        EXPECT_EQ(RunServerCommand({"backup", "--db", strDb}, &strDump), 0);
        std::ofstream(dir.File("guild.dump"), std::ios::binary | std::ios::trunc) << strDump;
        std::string strErr;
        EXPECT_EQ(RunServerCommand({"restore", "--db", dir.File("copy" + std::to_string(i) + ".db"),
                                    dir.File("guild.dump")},
                                   nullptr, &strErr),
                  0)
            << strErr;
    }
    bStop = true;
    writer.join();
    EXPECT_GT(nSaved.load(), 0);
}

namespace {

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

} // namespace

// A backup is written as it is read, so that each one in progress costs the server a piece of the
// dump, not the whole of a long history. Its reply is the dump the command line writes, byte for
// byte, and it is the guild of the moment the backup began, however slowly the client reads
// while members go on saving. A client that leaves halfway costs nothing further.
TEST_P(History, ABackupIsWrittenAsItIsReadAndIsOneMoment) {
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

    int fd = ConnectLoopback(T().Port());
    ASSERT_GE(fd, 0);
    SendAll(fd, T().RequestBytes("Root", S::kRootPassword, 111, {{"charid", "1"}}));
    std::string strReply;
    ReadUntil(fd, strReply, "<START_HERE>800;ZORV DUMP 4\n");
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
        std::string strRequest = T().RequestBytes("Root", S::kRootPassword, 111, {{"charid", "1"}});
        strRequest.replace(strRequest.find("HTTP/1.0"), 8, "HTTP/1.1");
        fd = ConnectLoopback(T().Port());
        ASSERT_GE(fd, 0);
        SendAll(fd, strRequest);
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
        EXPECT_TRUE(strDechunked == "<START_HERE>800;" + strNow + "<STOP_HERE>")
            << "first difference at byte "
            << FirstDifference(strDechunked, "<START_HERE>800;" + strNow + "<STOP_HERE>");
    }

    // A client that leaves after the first bytes: the server goes on answering, saves included.
    fd = ConnectLoopback(T().Port());
    ASSERT_GE(fd, 0);
    SendAll(fd, T().RequestBytes("Root", S::kRootPassword, 111, {{"charid", "1"}}));
    std::string strHead;
    ReadUntil(fd, strHead, "ZORV DUMP 4\n");
    close(fd);
    ASSERT_EQ(Save(S::Self, S::Self, {{"BIO", "saved after a client left"}}).iCode, 800);
    Answer whole = As(T(), S::Root, 111, {{"charid", "1"}});
    EXPECT_EQ(whole.iCode, 800);
    EXPECT_NE(whole.strPayload.find("saved after a client left"), std::string::npos);
}

TEST_P(History, SurvivesBackupAndRestoreAndRefusesPasswordMaterial) {
    ASSERT_EQ(Save(S::Self, S::Self, {{"BIO", "line one\nline|two"}}).iCode, 800);
    ASSERT_EQ(Remove(S::Root, S::Self).iCode, 800);
    Answer backup = As(T(), S::Root, 111, {{"charid", "1"}});
    ASSERT_EQ(backup.iCode, 800);
    const std::string& strDump = backup.strPayload;
    EXPECT_EQ(strDump.rfind("ZORV DUMP 4\n", 0), 0u);
    EXPECT_NE(strDump.find("\nH|"), std::string::npos);

    TempDir other;
    const std::string strFile = other.File("guild.dump");
    std::ofstream(strFile, std::ios::binary) << strDump;
    const std::string strCopy = other.File("copy.db");
    std::string strErr;
    ASSERT_EQ(RunServerCommand({"restore", "--db", strCopy, strFile}, nullptr, &strErr), 0)
        << strErr;
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
    auto Refused = [&](const std::string& strBad, const char* szWhy) {
        std::ofstream(strFile, std::ios::binary | std::ios::trunc) << strBad;
        std::string strMessage;
        EXPECT_EQ(RunServerCommand({"restore", "--db", other.File("bad.db"), strFile}, nullptr,
                                   &strMessage),
                  1)
            << szWhy;
        EXPECT_NE(strMessage.find(szWhy), std::string::npos) << strMessage;
    };
    std::size_t iEnd = strDump.rfind("E|");
    std::string strCounts = strDump.substr(iEnd);
    auto WithValue = [&](const std::string& strRow) {
        // One more value than the count line says, then the count corrected.
        std::vector<std::string> counts;
        std::string strHead = strDump.substr(0, iEnd);
        zorv::Fields parts = zorv::SplitFields(strCounts.substr(0, strCounts.size() - 1));
        parts[4] = std::to_string(std::stoi(parts[4]) + 1);
        return strHead + strRow + "\n" + parts[0] + "|" + parts[1] + "|" + parts[2] + "|" +
               parts[3] + "|" + parts[4] + "\n";
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

TEST_P(History, ConcurrentChangesNeverInterleaveOrGetLost) {
    const int nBefore = Entries();
    std::atomic<int> nSaved{0};
    std::vector<std::thread> writers;
    for (int iWriter = 0; iWriter < 4; ++iWriter) {
        writers.emplace_back([&, iWriter] {
            for (int i = 0; i < 6; ++i) {
                // Two administrators by turns, so that no save joins the one before it.
                Answer answer =
                    Save(i % 2 ? S::Keeper : S::Root, 2 + iWriter,
                         {{"BIO", "w" + std::to_string(iWriter) + "-" + std::to_string(i)},
                          {"LEVEL", std::to_string(i + 1)},
                          {"CLASS", "c" + std::to_string(i)}});
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
                  {{"guildname", szGuild},
                   {"defaultpw", szDefault},
                   {"use_rescue_squad", "1"},
                   {"rescue_squad_name", "Lifeguards"}})
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
