// The black-box suite: every operation and every error code the server chooses, run against the
// standalone server and through lighttpd's and Apache's CGI. Who may call what is test_rights.cpp.
#include "Harness.h"
#include "Protocol.h"
#include "Refusals.h"
#include "ResultCodes.h"

namespace {

using S = Scene;

// A refused value's sentence, the payload's first field, which older clients show; the refusal
// and the parameters after it must compose the same sentence from the table, as a client composes
// it in its user's language.
std::string RefusalSentence(const Answer& answer) {
    const zorv::Fields fields = zorv::UnescapedFields(answer.strPayload);
    if (fields.size() < 2)
        return "(no refusal in " + answer.strPayload + ")";
    const zorv::RefusalText* pText = zorv::FindRefusal(std::atol(fields[1].c_str()));
    if (!pText)
        return "(no refusal numbered " + fields[1] + ")";
    EXPECT_EQ(zorv::FillTemplate(pText->szEnglish, {fields.begin() + 2, fields.end()}), fields[0]);
    return fields[0];
}

class Operations : public ServerTest, public SceneOps {
protected:
    void Build() {
        Scene::Build(T());
        Bind(T(), m_strDb);
    }
    Answer Tree() { return As(T(), S::Root, 100); }
    // The record of one id in the tree payload.
    std::vector<std::string> TreeRecord(int id) {
        for (auto& record : zorv::SplitRecords(Tree().strPayload))
            if (record[0] == std::to_string(id))
                return record;
        return {};
    }
    int Remove(int iActor, const std::string& strVassal, const std::string& strPatron,
               const std::string& strList, const std::string& strName) {
        return As(T(), iActor, 102,
                  Form("charid=" + std::to_string(iActor) + "&patronid=" + strPatron +
                       "&vassalid=" + strVassal + "&vassalname=" + strName +
                       "&vassallist=" + strList))
            .iCode;
    }
};

TEST_P(Operations, FirstSetUpThenLogin) {
    Answer unset = T().Send("Root", "rootpw1", 104);
    EXPECT_EQ(unset.iCode, 801);
    EXPECT_EQ(unset.strPayload, "");
    EXPECT_EQ(T().Send("Root", "rootpw1", 100).iCode, 950);

    auto Setup = [&](const char* szGuild, const char* szDefault, const char* szOwn) {
        return T()
            .Send("Root", szOwn, 105,
                  Form(std::string("guildname=") + szGuild + "&defaultpw=" + szDefault +
                       "&use_rescue_squad=0&rescue_squad_name="))
            .iCode;
    };
    EXPECT_EQ(Setup("  ", "defpw1", "rootpw1"), 960);
    EXPECT_EQ(Setup("G", "short", "rootpw1"), 961);
    EXPECT_EQ(Setup("G", "elevenchars", "rootpw1"), 961);
    EXPECT_EQ(Setup("G", "defpw1", "elevenchars"), 994);
    EXPECT_EQ(Setup("G", "defpw1", "five5"), 995);
    EXPECT_EQ(T().Send("Root", "rootpw1", 104).iCode, 801) << "a refused set-up changes nothing";
    EXPECT_EQ(Setup("Guild | One", "defpw1", "rootpw1"), 800);
    EXPECT_EQ(Setup("Again", "defpw1", "rootpw1"), 1014);

    Answer login = T().Send("rOOT", "rootpw1", 104);
    EXPECT_EQ(login.iCode, 800);
    EXPECT_EQ(login.strPayload, "0.3|1|Root|3|Guild (pipe) One|0|");
}

TEST_P(Operations, FirstSetUpRefusedOnAGuildThatHasMembers) {
    // A guild file that lost its set-up but kept its members: a stranger's set-up would make
    // him the administrator over them.
    Build();
    Sql(m_strDb, "DELETE FROM settings WHERE key = 'guild_name'");
    EXPECT_EQ(
        T().Send("Mallory", "mallory1", 105,
                 Form("guildname=Taken&defaultpw=defpw2&use_rescue_squad=0&rescue_squad_name="))
            .iCode,
        1014);
    EXPECT_EQ(SqlValue(m_strDb, "SELECT count(*) FROM characters"), "7");
    EXPECT_EQ(SqlValue(m_strDb, "SELECT count(*) FROM characters WHERE name = 'Mallory'"), "0");
    EXPECT_EQ(SqlValue(m_strDb, "SELECT count(*) FROM settings WHERE key = 'guild_name'"), "0");
}

TEST_P(Operations, AddVassal) {
    Build();
    auto Add = [&](int iActor, const std::string& strTo, const std::string& strName,
                   const std::string& strList, const std::string& strPatron) {
        return As(T(), iActor, 101,
                  Form("charid=" + std::to_string(iActor) + "&addtoid=" + strTo + "&vassalname=" +
                       strName + "&vassallist=" + strList + "&patronid=" + strPatron))
            .iCode;
    };
    EXPECT_EQ(Add(S::Self, "99", "Newbie", "", "4"), 903);
    EXPECT_EQ(Add(S::Self, "x", "Newbie", "", "4"), 990);
    EXPECT_EQ(Add(S::Self, "4", "   ", "5", "3"), 902);
    EXPECT_EQ(Add(S::Self, "4", "Bob2", "5", "3"), 902);
    EXPECT_EQ(Add(S::Self, "4", std::string(25, 'a'), "5", "3"), 902);
    // 24 characters are the limit, whatever bytes the file holds them in.
    const std::string strNewbie = "Newbie \xC6r\xF8sk\xF8"
                                  "bing \xC5\xC5\xC5\xC5\xC5\xC5";
    EXPECT_EQ(Add(S::Self, "4", strNewbie + "\xC5", "5", "3"), 902);
    EXPECT_EQ(Add(S::Self, "4", "None Found!", "5", "3"), 909);
    EXPECT_EQ(Add(S::Self, "4", "unknown", "5", "3"), 909);
    EXPECT_EQ(Add(S::Self, "4", "oTHER", "5", "3"), 906);
    EXPECT_EQ(Add(S::Self, "4", "Newbie", "", "3"), 904);
    EXPECT_EQ(Add(S::Self, "4", "Newbie", "5", "2"), 904);
    EXPECT_EQ(
        As(T(), S::Self, 101, Form("charid=1&addtoid=4&vassalname=Newbie&vassallist=5&patronid=3"))
            .iCode,
        988)
        << "charid must be the caller's own id";

    EXPECT_EQ(Add(S::Self, "4", " " + strNewbie + " ", "5", "3"), 800);
    EXPECT_EQ(TreeRecord(S::Self)[5], "5,8") << "vassals in the order they joined";
    EXPECT_EQ(TreeRecord(8)[1], strNewbie);
    EXPECT_EQ(T().Send("newbie \xE6r\xF8sk\xF8"
                       "bing \xE5\xE5\xE5\xE5\xE5\xE5",
                       S::kDefaultPassword, 104)
                  .iCode,
              800)
        << "a new vassal starts on the default password, and names are found in any case";

    Sql(m_strDb, "INSERT OR REPLACE INTO settings(key, value) VALUES ('max_vassals', '2')");
    EXPECT_EQ(Add(S::Self, "4", "Third", "5,8", "3"), 907);
}

TEST_P(Operations, RemoveVassal) {
    Build();
    EXPECT_EQ(Remove(S::Patron, "99", "3", "4", "Self"), 917);
    EXPECT_EQ(Remove(S::Patron, "4", "2", "4", "Self"), 912);
    EXPECT_EQ(Remove(S::Patron, "4", "3", "4,9", "Self"), 912);
    EXPECT_EQ(Remove(S::Patron, "4", "3", "4", "Vassal"), 912);
    EXPECT_EQ(Remove(S::Keeper, "1", "-1", "", "Root"), 920)
        << "not even an administrator removes a branch that holds his own login";
    EXPECT_EQ(Remove(S::Patron, "4", "3", "4", "Self"), 800);
    EXPECT_TRUE(TreeRecord(S::Self).empty());
    EXPECT_TRUE(TreeRecord(S::Vassal).empty()) << "followers go with their patron";
    EXPECT_EQ(TreeRecord(S::Patron)[5], "");
    EXPECT_EQ(T().Send("Vassal", S::kDefaultPassword, 104).iCode, 950);
}

TEST_P(Operations, RemovedIdsAreNotHandedOutAgain) {
    Build();
    // The member with the highest id leaves and a newcomer joins: a save meant for the one who
    // left, sent late, must find no one rather than overwrite the newcomer.
    ASSERT_EQ(SceneOps::Remove(S::Root, S::Keeper).iCode, 800);
    Answer newcomer = Add(S::Root, S::Root, "Newcomer");
    ASSERT_EQ(newcomer.iCode, 800);
    EXPECT_EQ(newcomer.strPayload, "8");
    EXPECT_EQ(Save(S::Root, S::Keeper, {{"BIO", "late"}}).iCode, 970);
    EXPECT_EQ(Column("bio", 8), "");

    // Once every id has been used, the one freed longest ago comes first, not the lowest.
    Sql(m_strDb, "UPDATE server_state SET value = 32767 WHERE key = 'id_high_water'");
    ASSERT_EQ(SceneOps::Remove(S::Root, S::Other).iCode, 800);
    ASSERT_EQ(SceneOps::Remove(S::Root, S::Vassal).iCode, 800);
    EXPECT_EQ(Add(S::Root, S::Root, "First Back").strPayload, "7");
    EXPECT_EQ(Add(S::Root, S::Root, "Second Back").strPayload, "6");
    EXPECT_EQ(Add(S::Root, S::Root, "Third Back").strPayload, "5");
    EXPECT_EQ(Add(S::Root, S::Root, "No Room").iCode, 908);
}

// Every case here passes the other removal rules (the vassal exists, the caller stands above it
// and outside its branch, the patron and its list are current), so only the guard that keeps an
// administrator in the guild can refuse.
TEST_P(Operations, RemovalNeverTakesTheLastAdministrator) {
    Build();
    auto Administrators = [&] {
        return SqlValue(m_strDb, "SELECT group_concat(id) FROM (SELECT id FROM characters "
                                 "WHERE security_level = 3 ORDER BY id)");
    };
    Sql(m_strDb, "UPDATE characters SET security_level = CASE id WHEN 5 THEN 3 ELSE 1 END");
    EXPECT_EQ(Remove(S::Self, "5", "4", "5", "Vassal"), 920) << "the last administrator itself";
    EXPECT_EQ(Remove(S::Patron, "4", "3", "4", "Self"), 920)
        << "a branch with the last administrator below its top";
    Sql(m_strDb, "UPDATE characters SET security_level = 3 WHERE id = 4");
    EXPECT_EQ(Remove(S::Patron, "4", "3", "4", "Self"), 920)
        << "a branch that holds every administrator there is";
    EXPECT_EQ(Administrators(), "4,5");
    EXPECT_EQ(SqlValue(m_strDb, "SELECT count(*) FROM characters WHERE id IN (4, 5)"), "2")
        << "a refused removal leaves the branch whole";

    // A third administrator outside the branch lets the same removal through.
    EXPECT_EQ(Level(S::Vassal, S::Keeper, "3").iCode, 800);
    EXPECT_EQ(Remove(S::Patron, "4", "3", "4", "Self"), 800);
    EXPECT_EQ(Administrators(), "7");
}

TEST_P(Operations, ChangePatron) {
    Build();
    auto Move = [&](int iActor, int iMover, int iOld, const std::string& strOldList, int iNew,
                    const std::string& strNewList) {
        auto N = [](int i) { return std::to_string(i); };
        return As(T(), iActor, 103,
                  Form("moveid=" + N(iMover) + "&charid=" + N(iActor) + "&oldpatronid=" + N(iOld) +
                       "&oldpatronname=" + S::Name(iOld) + "&oldpatronvassallist=" + strOldList +
                       "&newpatronid=" + N(iNew) + "&newpatronname=" + S::Name(iNew) +
                       "&newpatronvassallist=" + strNewList))
            .iCode;
    };
    EXPECT_EQ(Move(S::Self, S::Self, S::Patron, "4", S::Self, "5"), 941);
    EXPECT_EQ(Move(S::High, S::High, S::Root, "2,6,7", S::Vassal, ""), 940);
    EXPECT_EQ(Move(S::Self, S::Self, S::Patron, "4", 99, ""), 931);
    EXPECT_EQ(Move(S::Self, S::Self, S::Patron, "4", S::Patron, "4"), 933);
    EXPECT_EQ(Move(S::Self, S::Self, S::High, "3", S::Other, ""), 932);
    EXPECT_EQ(Move(S::Self, S::Self, S::Patron, "", S::Other, ""), 932);
    EXPECT_EQ(Move(S::Self, S::Self, S::Patron, "4", S::Other, "9"), 932);
    Sql(m_strDb, "INSERT OR REPLACE INTO settings(key, value) VALUES ('max_vassals', '1')");
    EXPECT_EQ(Move(S::Self, S::Self, S::Patron, "4", S::High, "3"), 939);
    Sql(m_strDb, "UPDATE settings SET value = '12' WHERE key = 'max_vassals'");

    EXPECT_EQ(Move(S::Self, S::Self, S::Patron, "4", S::Root, "2,6,7"), 800);
    EXPECT_EQ(TreeRecord(S::Root)[5], "2,6,7,4") << "a moved character joins last";
    EXPECT_EQ(TreeRecord(S::Self)[4], "1");
    EXPECT_EQ(TreeRecord(S::Vassal)[4], "4") << "the branch moves whole";
    EXPECT_EQ(TreeRecord(S::Patron)[5], "");
}

TEST_P(Operations, TreeIsServedFromItsCacheUntilItChanges) {
    Build();
    // A payload planted as the cache of the current tree is what the server sends: it does not
    // build the tree again.
    const std::string strPlanted = "1|Planted|1|1|-1||0|0|0!;";
    Sql(m_strDb, "INSERT OR REPLACE INTO tree_cache(slot, generation, payload) SELECT 1, value, '" +
                     strPlanted + "' FROM server_state WHERE key = 'tree_generation'");
    EXPECT_EQ(Tree().strPayload, strPlanted);
    // Sheet fields the tree does not show leave it as it was.
    ASSERT_EQ(As(T(), S::Root, 106,
                 {{"charid", "1"}, {"updateid", "4"}, {"BIO", "x"}, {"ISMULE", "0"}, {"ISPK", "0"}})
                  .iCode,
              800);
    EXPECT_EQ(Tree().strPayload, strPlanted);

    // A change of what the tree shows gives a fresh one. (That every column of the tree record,
    // written by anyone, does so is FeedTriggers' test.)
    ASSERT_EQ(As(T(), S::Root, 106, {{"charid", "1"}, {"updateid", "4"}, {"LEVEL", "42"}}).iCode,
              800);
    EXPECT_EQ(TreeRecord(S::Self)[2], "42");
}

TEST_P(Operations, SaveAndRead) {
    Build();
    auto Save = [&](int iActor, const std::string& strCharId, const std::string& strUpdate,
                    Fields fields) {
        Fields all = {{"charid", strCharId}, {"updateid", strUpdate}};
        all.insert(all.end(), fields.begin(), fields.end());
        return T().Send(S::Name(iActor), S::Password(iActor), 106, all).iCode;
    };
    EXPECT_EQ(Save(S::Self, "4", "99", {}), 970);
    EXPECT_EQ(Save(S::Self, "98", "4", {}), 971);
    EXPECT_EQ(Save(S::Self, "4", "x", {}), 990);
    EXPECT_EQ(Save(S::Self, "4", "4", {{"ADMIN_ONLY", "Hero of the realm"}}), 972);
    EXPECT_EQ(Save(S::Self, "4", "4", {{"ADMIN_ONLY", ""}}), 800) << "unchanged awards pass";
    // A refused value is named, as sent, in the payload's one field: the member learns which of
    // the sheet's values to mend, and an older client, which reads only the code, is unchanged.
    const struct {
        Fields fields;
        int iCode;
        std::string strWhy;
    } refused[] = {
        {{{"LEVEL", "abc"}}, 991, "The value 'abc' of Level is not a whole number"},
        {{{"NUMFOLLOWERS", "-1"}},
         991,
         "The value '-1' of Number of Followers is not between 0 and 32767"},
        {{{"RACE", "4"}}, 991, "The value '4' of Race is not between 0 and 3"},
        {{{"SEX", "3"}}, 991, "The value '3' of Sex is not between 0 and 2"},
        {{{"RANK", "11"}}, 991, "The value '11' of Rank is not between 0 and 10"},
        {{{"RANK", "-1"}}, 991, "The value '-1' of Rank is not between 0 and 10"},
        {{{"ISPK", "2"}}, 991, "The value '2' of Player Killer is not 0 or 1"},
        {{{"CAN_SUMMON", ""}}, 991, "The value '' of Can Summon is not 0 or 1"},
        {{{"revision", "two"}}, 991, "The value 'two' of revision is not a whole number"},
        {{{"SKILLS", "36,2,10"}}, 991, "The skill number '36' of Skills is not between 1 and 35"},
        {{{"SKILLS", "1,2,ten"}}, 991, "The value 'ten' of Alchemy is not a whole number"},
        // What the client's grid takes and sends as typed: the first refused skill is named.
        {{{"SKILLS", "19,2,150!32,2,12.5!10,1,1e3"}},
         991,
         "The value '12.5' of Sword is not a whole number"},
        {{{"SKILLS", "10,1,1e3"}}, 991, "The value '1e3' of Bow is not a whole number"},
        {{{"SKILLS", "28,1,5."}}, 991, "The value '5.' of Missle Defense is not a whole number"},
        {{{"SKILLS", "32,4,10"}}, 991, "The training '4' of Sword is not between 0 and 3"},
        {{{"SKILLS", "32,2,10!32,1,5"}}, 991, "Sword comes twice in Skills"},
        {{{"SKILLS", "32,2"}}, 991, "The entry '32,2' of Skills is not skill,training,value"},
        // The value goes back escaped as a payload field is, and never with a reply marker,
        // which would cut the reply short.
        {{{"LEVEL", "5|6&7!;"}}, 991, "The value '5|6&7!;' of Level is not a whole number"},
        {{{"LEVEL", "<STO<STOP_HERE>P_HERE>8"}},
         991,
         "The value '8' of Level is not a whole number"},
        {{{"CLASS", std::string(129, 'c')}},
         992,
         "The value '" + std::string(40, 'c') + "...' of Class is longer than 128 bytes"},
        {{{"BIO", std::string(4097, 'b')}},
         992,
         "The value '" + std::string(40, 'b') + "...' of Bio is longer than 4096 bytes"},
        {{{"BIO", "see <STOP_HERE> here"}}, 992, "The value of Bio holds a reply marker"},
        {{{"SKILLS", std::string(1025, '1')}},
         992,
         "The value of Skills is longer than 1024 bytes"},
        {{{"NAME", "Self2"}}, 992, "The value 'Self2' of Name is not a valid name"},
        {{{"NAME", ""}}, 992, "The value '' of Name is not a valid name"},
        {{{"NAME", "Blah"}}, 992, "The value 'Blah' of Name is a reserved name"},
    };
    for (const auto& bad : refused) {
        Fields all = {{"charid", "4"}, {"updateid", "4"}};
        all.insert(all.end(), bad.fields.begin(), bad.fields.end());
        Answer answer = T().Send("Self", S::kDefaultPassword, 106, all);
        EXPECT_EQ(answer.iCode, bad.iCode) << bad.strWhy;
        EXPECT_EQ(RefusalSentence(answer), bad.strWhy);
        EXPECT_EQ(answer.strRaw.find("<STOP_HERE>"), answer.strRaw.rfind("<STOP_HERE>"))
            << answer.strRaw;
    }
    EXPECT_EQ(Save(S::Self, "4", "4", {{"NAME", "root"}}), 906);

    EXPECT_EQ(Save(S::Keeper, "7", "4", {{"ADMIN_ONLY", "Slayer of the Olthoi Queen"}}), 800);
    // Limits count characters, the wire's bytes, though the file holds two bytes for each of
    // these: a text at its limit is taken whole, one more is refused.
    const std::size_t nCity = zorv::FieldInfo(zorv::RecordField::CityState).nMaxLength;
    EXPECT_EQ(Save(S::Self, "4", "4", {{"CITYSTATE", std::string(nCity, '\xE9')}}), 800);
    EXPECT_EQ(Save(S::Self, "4", "4", {{"CITYSTATE", std::string(nCity + 1, '\xE9')}}),
              zorv::CodeInvalidText);
    // Latin-1 on the wire, UTF-8 in the file; a skill whose cell was cleared is 0. (What a read
    // sends back is the record's test, and its Latin-1 the web's.)
    EXPECT_EQ(Save(S::Self, "4", "4", {{"CITYSTATE", "K\xF6ln, \xC9vreux"}, {"SKILLS", "32,2, "}}),
              800);
    EXPECT_EQ(Column("city_state", S::Self), "K\xC3\xB6ln, \xC3\x89vreux");
    EXPECT_EQ(Column("skills", S::Self), "32,2,0");
    EXPECT_EQ(Save(S::Self, "4", "4", {{"NAME", "Selfie"}}), 800);
    EXPECT_NE(As(T(), S::Other, 107, {{"getcharid", "1"}}).strPayload.find("|None|Root|"),
              std::string::npos)
        << "a monarch's patron is None and its path is itself";
    EXPECT_EQ(As(T(), S::Other, 107, {{"getcharid", "99"}}).iCode, 980);
    EXPECT_EQ(As(T(), S::Other, 107, {{"getcharid", "four"}}).iCode, 990);
    EXPECT_EQ(T().Send("selfie", S::kDefaultPassword, 104).iCode, 800) << "renamed, same login";
}

TEST_P(Operations, ChangePassword) {
    Build();
    auto Change = [&](int iActor, const std::string& strTarget, const std::string& strNew,
                      const std::string& strConfirm) {
        return As(T(), iActor, 108,
                  {{"charid", strTarget}, {"newpw", strNew}, {"confirmpw", strConfirm}})
            .iCode;
    };
    EXPECT_EQ(Change(S::Self, "4", "", ""), 1002);
    EXPECT_EQ(Change(S::Self, "4", "tab\there", "tab\there"), 1002);
    EXPECT_EQ(Change(S::Self, "4", "elevenchars", "elevenchars"), 994);
    EXPECT_EQ(Change(S::Self, "4", "five5", "five5"), 995);
    EXPECT_EQ(Change(S::Self, "4", "secret1", ""), 1001);
    EXPECT_EQ(Change(S::Self, "4", "secret1", "secret2"), 1000);
    EXPECT_EQ(Change(S::Self, "4", "secret1", "secret1"), 800);
    EXPECT_EQ(T().Send("Self", S::kDefaultPassword, 104).iCode, 951);
    EXPECT_EQ(T().Send("Self", "secret1", 104).iCode, 800);
    EXPECT_EQ(T().Send("Vassal", S::kDefaultPassword, 104).iCode, 800) << "others keep the default";
    EXPECT_EQ(Change(S::Keeper, "4", "byadmin", "byadmin"), 800);
    EXPECT_EQ(T().Send("Self", "byadmin", 104).iCode, 800);
}

TEST_P(Operations, Administration) {
    Build();
    auto Setup = [&](int iActor, Fields fields) { return As(T(), iActor, 109, fields).iCode; };
    Fields good = Form("guildname=Renamed&use_rescue_squad=0&rescue_squad_name=&resetpw=0");
    EXPECT_EQ(Setup(S::Keeper, {{"guildname", ""}, {"use_rescue_squad", "0"}}), 1010);
    EXPECT_EQ(Setup(S::Keeper, {{"guildname", "G"}, {"defaultpw", "x"}, {"use_rescue_squad", "0"}}),
              1011);
    EXPECT_EQ(Setup(S::Keeper, {{"guildname", "G"}, {"use_rescue_squad", "2"}}), 1012);
    EXPECT_EQ(Setup(S::Keeper,
                    {{"guildname", "G"}, {"use_rescue_squad", "1"}, {"rescue_squad_name", " "}}),
              1013);
    EXPECT_EQ(Setup(S::Keeper, good), 800);
    EXPECT_EQ(As(T(), S::Self, 104).strPayload, "0.3|4|Self|1|Renamed|0|");

    // A new default without reset: members on the old default keep it; new members get the new.
    Fields newDefault = good;
    newDefault.push_back({"defaultpw", "newdef1"});
    EXPECT_EQ(Setup(S::Keeper, newDefault), 800);
    EXPECT_EQ(T().Send("Self", S::kDefaultPassword, 104).iCode, 800);
    EXPECT_EQ(Add(S::Root, S::Other, "Fresh").iCode, 800);
    EXPECT_EQ(T().Send("Fresh", "newdef1", 104).iCode, 800);
    EXPECT_EQ(T().Send("Fresh", S::kDefaultPassword, 104).iCode, 951);
    // With reset, everyone on the current default moves to the next one.
    Fields reset = good;
    reset.push_back({"defaultpw", "third33"});
    reset[3].second = "1";
    EXPECT_EQ(Setup(S::Keeper, reset), 800);
    EXPECT_EQ(T().Send("Fresh", "third33", 104).iCode, 800);
    EXPECT_EQ(T().Send("Self", S::kDefaultPassword, 104).iCode, 800) << "kept the oldest";

    // Password reset.
    EXPECT_EQ(Password(S::Self, "mine123").iCode, 800);
    EXPECT_EQ(As(T(), S::Keeper, 110, {{"charid", "7"}, {"resetid", "99"}}).iCode, 1022);
    EXPECT_EQ(As(T(), S::Keeper, 110, {{"charid", "7"}, {"resetid", "4"}}).iCode, 800);
    EXPECT_EQ(T().Send("Self", "third33", 104).iCode, 800) << "back on the guild's default";

    // Security levels.
    EXPECT_EQ(As(T(), S::Keeper, 112, Form("charid=7&changeid=x&newlevel=3")).iCode, 1040);
    EXPECT_EQ(Level(S::Keeper, 99, "3").iCode, 1041);
    EXPECT_EQ(Level(S::Keeper, S::Self, "2").iCode, 1042);
    EXPECT_EQ(Level(S::Keeper, S::Root, "1").iCode, 800);
    EXPECT_EQ(Level(S::Keeper, S::Keeper, "1").iCode, 1042) << "the last administrator stays";
    EXPECT_EQ(Level(S::Keeper, S::Self, "3").iCode, 800);
    EXPECT_EQ(T().Send("Self", "third33", 104).strPayload.substr(0, 13), "0.3|4|Self|3|");
}

TEST_P(Operations, ListsAndSearch) {
    Build();
    ASSERT_EQ(Save(S::Root, S::Self,
                   Form("LEVEL=80&RACE=3&RANK=5&ISRESCUE=1&CAN_SUMMON=1&LSAT=Holtburg&TIEDTO="
                        "Yaraq&MAIN_CHAR=Selfmain&EMAIL=s@x.org&ICQ=12345&SKILLS=1,3,250!11,1,40!"
                        "19,2,150"))
                  .iCode,
              800);
    ASSERT_EQ(Save(S::Root, S::Other, Form("LEVEL=30&RACE=1&RANK=5&SKILLS=16,2,90!19,2,90")).iCode,
              800);
    ASSERT_EQ(Save(S::Root, S::High, Form("LEVEL=60&RACE=3&RANK=2&SKILLS=11,0,300")).iCode, 800);

    Answer rescue = As(T(), S::Vassal, 113);
    ASSERT_EQ(rescue.iCode, 800);
    EXPECT_EQ(rescue.strPayload, "4|Self|80|Holtburg|Yaraq|1|Selfmain|s@x.org|12345!;");
    EXPECT_EQ(As(T(), S::Vassal, 114).strPayload, "4|Self|80|Yaraq|Holtburg!;");
    EXPECT_EQ(As(T(), S::Vassal, 115).strPayload, "6|Other|30|0|0|90!;4|Self|80|250|40|0!;")
        << "untrained cooking alone does not list High; values come from the skill string";

    auto Search = [&](Fields fields) { return As(T(), S::Vassal, 116, fields); };
    EXPECT_EQ(Search({{"race", "3"}, {"rank", "0"}}).strPayload, "2|High|60|2|3!;4|Self|80|5|3!;");
    EXPECT_EQ(Search({{"race", "0"}, {"rank", "5"}, {"skillsearch", "19,100"}}).strPayload,
              "4|Self|80|5|3!;");
    EXPECT_EQ(Search({{"race", "0"}, {"rank", "0"}, {"skillsearch", "19,90!16,0"}}).strPayload,
              "6|Other|30|5|1!;4|Self|80|5|3!;")
        << "a value of 0 asks nothing";
    Answer none = Search({{"race", "2"}, {"rank", "0"}});
    EXPECT_EQ(none.iCode, 800);
    EXPECT_EQ(none.strPayload, "");
    // A refused criterion is named in the payload's one field, as a save's value is.
    const std::pair<Fields, std::string> refused[] = {
        {{{"race", "4"}, {"rank", "0"}}, "The value '4' of race is not between 0 and 3"},
        {{{"race", "0"}, {"rank", "11"}}, "The value '11' of rank is not between 0 and 10"},
        {{{"race", "0"}, {"rank", "0"}, {"skillsearch", "36,1"}},
         "The skill number '36' of skillsearch is not between 1 and 35"},
        {{{"race", "0"}, {"rank", "0"}, {"skillsearch", "1,x"}},
         "The minimum 'x' of Alchemy is not a whole number"},
        {{{"race", "0"}, {"rank", "0"}, {"skillsearch", "19,90!32,12.5"}},
         "The minimum '12.5' of Sword is not a whole number"},
        {{{"race", "0"}, {"rank", "0"}, {"skillsearch", "32"}},
         "The entry '32' of skillsearch is not skill,minimum"},
    };
    for (const auto& [fields, strWhy] : refused) {
        Answer answer = Search(fields);
        EXPECT_EQ(answer.iCode, 991) << strWhy;
        EXPECT_EQ(RefusalSentence(answer), strWhy);
    }
}

TEST_P(Operations, UnknownOperations) {
    Build();
    EXPECT_EQ(As(T(), S::Self, zorv::kNoSuchOp).iCode, 990);
    EXPECT_EQ(As(T(), S::Self, 99).iCode, 990);
    EXPECT_EQ(T().Send("Self", S::kDefaultPassword, 0, {}).iCode, 990);
}

INSTANTIATE_TEST_SUITE_P(Server, Operations, ::testing::Values("serve", "cgi", "apache"));

} // namespace
