// Who may do what: every operation against one character (Self), asked by each kind of caller.
#include "Harness.h"
#include "Protocol.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

using S = Scene;

enum Caller {
    Itself,
    ItsPatron,
    HigherPatron,
    ItsVassal,
    Unrelated,
    Admin,
    WrongPassword,
    Unknown
};
const char* const kCallerNames[] = {"itself",    "patron", "higher",         "vassal",
                                    "unrelated", "admin",  "wrong password", "unknown name"};
const int kCallerIds[] = {S::Self, S::Patron, S::High, S::Vassal, S::Other, S::Keeper, S::Self, 0};

struct Row {
    int iMsgId;
    Fields fields; // "$" stands for the caller's own id
    int codes[8];  // by Caller
};

// Fields as the client sends them for Self (id 4, patron 3, vassal 5) in the scene.
const Row kRows[] = {
    {100, {}, {800, 800, 800, 800, 800, 800, 951, 950}},
    {101,
     Form("charid=$&addtoid=4&vassalname=Newbie&vassallist=5&patronid=3"),
     {800, 800, 800, 988, 988, 800, 951, 950}},
    {102,
     Form("charid=$&patronid=3&vassalid=4&vassalname=Self&vassallist=4"),
     {920, 800, 800, 920, 920, 800, 951, 950}},
    {103,
     Form("moveid=4&charid=$&oldpatronid=3&oldpatronname=Patron&oldpatronvassallist=4&newpatronid="
          "6&newpatronname=Other&newpatronvassallist="),
     {800, 800, 800, 988, 988, 800, 951, 950}},
    {104, {}, {800, 800, 800, 800, 800, 800, 951, 950}},
    {106,
     Form("charid=$&updateid=4&LEVEL=50&ISMULE=0&SKILLS=&ISPK=0&ISRESCUE=0&ISPRIVATE=0&CAN_SUMMON="
          "0"),
     {800, 800, 800, 988, 988, 800, 951, 950}},
    {107, {{"getcharid", "4"}}, {800, 800, 800, 800, 800, 800, 951, 950}},
    {108,
     {{"charid", "4"}, {"newpw", "newpass1"}, {"confirmpw", "newpass1"}},
     {800, 988, 988, 988, 988, 800, 951, 950}},
    {109,
     {{"guildname", "G2"}, {"use_rescue_squad", "0"}, {"rescue_squad_name", ""}, {"resetpw", "0"}},
     {1014, 1014, 1014, 1014, 1014, 800, 951, 950}},
    {110, {{"charid", "$"}, {"resetid", "4"}}, {1020, 1020, 1020, 1020, 1020, 800, 951, 950}},
    {111, {{"charid", "$"}}, {1030, 1030, 1030, 1030, 1030, 800, 951, 950}},
    {112,
     {{"charid", "$"}, {"changeid", "4"}, {"newlevel", "1"}},
     {988, 988, 988, 988, 988, 800, 951, 950}},
    {113, {}, {800, 800, 800, 800, 800, 800, 951, 950}},
    {114, {}, {800, 800, 800, 800, 800, 800, 951, 950}},
    {115, {}, {800, 800, 800, 800, 800, 800, 951, 950}},
    {116, {{"race", "0"}, {"rank", "0"}}, {800, 800, 800, 800, 800, 800, 951, 950}},
    {117, {{"historyid", "4"}}, {800, 800, 800, 800, 800, 800, 951, 950}},
    {118, {}, {800, 800, 800, 800, 800, 800, 951, 950}},
    // The undo: an administrator's is refused past the rights (the entry cannot be undone).
    {119, {{"charid", "$"}, {"entry", "1"}}, {1060, 1060, 1060, 1060, 1060, 1062, 951, 950}},
    {120, {{"since", ""}}, {800, 800, 800, 800, 800, 800, 951, 950}},
    {121, {}, {800, 800, 800, 800, 800, 800, 951, 950}},
    {121, {{"admin", "1"}}, {988, 988, 988, 988, 988, 800, 951, 950}},
    // The chat targets: an administrator's answer names no target that exists, past the rights.
    {123, {}, {988, 988, 988, 988, 988, 800, 951, 950}},
    {124,
     {{"url", "https://chat.example/hook"}, {"format", "json"}, {"kinds", "joins"}},
     {988, 988, 988, 988, 988, 800, 951, 950}},
    {125, {{"target", "9"}}, {988, 988, 988, 988, 988, 1083, 951, 950}},
    {126, {{"target", "9"}}, {988, 988, 988, 988, 988, 1083, 951, 950}},
    {122, {}, {800, 800, 800, 800, 800, 800, 951, 950}},
    // The first set-up: refused to anyone, before any login, once the guild has members.
    {105, {}, {1014, 1014, 1014, 1014, 1014, 1014, 1014, 1014}},
};

TEST(Rights, EveryOperationByEveryCaller) {
    TempDir dir;
    std::string strBase = dir.File("base.db");
    std::string strDb = dir.File("guild.db");
    Scene::CreateEmpty(strBase);
    {
        ServeTarget builder(strBase);
        Scene::Build(builder);
    }
    Sql(strBase, "PRAGMA wal_checkpoint(TRUNCATE)");

    std::filesystem::copy_file(strBase, strDb);
    ServeTarget target(strDb);
    for (zorv::Op op : zorv::kEveryOp)
        EXPECT_TRUE(std::any_of(std::begin(kRows), std::end(kRows),
                                [op](const Row& row) { return row.iMsgId == op; }))
            << "no caller is tried on operation " << op;
    for (const Row& row : kRows) {
        for (int caller = Itself; caller <= Unknown; ++caller) {
            // Each case starts from the same guild: the server holds no connection between
            // requests, so the file can be put back underneath it.
            for (const char* szSuffix : {"", "-wal", "-shm"})
                std::filesystem::remove(strDb + szSuffix);
            std::filesystem::copy_file(strBase, strDb);

            int id = kCallerIds[caller];
            Fields fields = row.fields;
            for (auto& field : fields)
                if (field.second == "$")
                    field.second = std::to_string(id);
            std::string strName = caller == Unknown ? "Stranger" : S::Name(id);
            std::string strPassword = caller == WrongPassword ? "wrong99" : S::Password(id);
            Answer answer = target.Send(strName, strPassword, row.iMsgId, fields);
            EXPECT_EQ(answer.iCode, row.codes[caller])
                << "msgid " << row.iMsgId << " by " << kCallerNames[caller];
        }
    }
}

} // namespace
