// Who may do what: every operation against one character (Self), asked by each kind of caller;
// and which of each operation's keys it cannot do without.
#include "FormKeys.h"
#include "Harness.h"
#include "Protocol.h"

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

// The scene's guild, put back before each request: the server holds no connection between
// requests, so the file can be replaced underneath it.
class SceneCopy {
public:
    SceneCopy() : m_strBase(m_dir.File("base.db")), m_strDb(m_dir.File("guild.db")) {
        Scene::CreateEmpty(m_strBase);
        {
            ServeTarget builder(m_strBase);
            Scene::Build(builder);
        }
        Sql(m_strBase, "PRAGMA wal_checkpoint(TRUNCATE)");
        std::filesystem::copy_file(m_strBase, m_strDb);
        m_pTarget = std::make_unique<ServeTarget>(m_strDb);
    }
    // The row's request by caller, with fields in place of the row's own.
    int Send(const Row& row, int caller, Fields fields) {
        for (const char* szSuffix : {"", "-wal", "-shm"})
            std::filesystem::remove(m_strDb + szSuffix);
        std::filesystem::copy_file(m_strBase, m_strDb);
        const int id = kCallerIds[caller];
        for (auto& field : fields)
            if (field.second == "$")
                field.second = std::to_string(id);
        const std::string strName = caller == Unknown ? "Stranger" : S::Name(id);
        const std::string strPassword = caller == WrongPassword ? "wrong99" : S::Password(id);
        return m_pTarget->Send(strName, strPassword, row.iMsgId, fields).iCode;
    }

private:
    TempDir m_dir;
    std::string m_strBase;
    std::string m_strDb;
    std::unique_ptr<ServeTarget> m_pTarget;
};

TEST(Rights, EveryOperationByEveryCaller) {
    SceneCopy guild;
    for (zorv::Op op : zorv::kEveryOp)
        EXPECT_TRUE(std::any_of(std::begin(kRows), std::end(kRows),
                                [op](const Row& row) { return row.iMsgId == op; }))
            << "no caller is tried on operation " << op;
    for (const Row& row : kRows)
        for (int caller = Itself; caller <= Unknown; ++caller)
            EXPECT_EQ(guild.Send(row, caller, row.fields), row.codes[caller])
                << "msgid " << row.iMsgId << " by " << kCallerNames[caller];
}

// Each operation's keys (kOperationKeys) against the server: every key a request here sends is
// in its operation's table, and of a request that succeeds, the one without a required key is
// refused while the one without an optional key still succeeds.
TEST(Rights, EachOperationsKeysAreAsItsTableSays) {
    SceneCopy guild;
    auto KeyOf = [](int iOp, const std::string& strKey) -> const zorv::form::OperationKey* {
        for (const zorv::form::OperationKey& key : zorv::form::kOperationKeys)
            if (key.iOp == iOp && strKey == key.szKey)
                return &key;
        return nullptr;
    };
    auto IsSheetKey = [](const std::string& strKey) {
        return std::any_of(std::begin(zorv::kRecordFields), std::end(zorv::kRecordFields),
                           [&](const zorv::RecordFieldInfo& info) {
                               return info.szSaveKey && strKey == info.szSaveKey;
                           });
    };
    for (const Row& row : kRows) {
        const int* pSucceeds = std::find(row.codes, row.codes + Admin + 1, 800);
        for (std::size_t k = 0; k < row.fields.size(); ++k) {
            const std::string& strKey = row.fields[k].first;
            const zorv::form::OperationKey* pKey = KeyOf(row.iMsgId, strKey);
            EXPECT_TRUE(pKey || (row.iMsgId == zorv::OpSaveChar && IsSheetKey(strKey)))
                << "msgid " << row.iMsgId << " sends " << strKey << ", which its table lacks";
            // A key sent empty reads as missing already.
            if (!pKey || row.fields[k].second.empty() || pSucceeds == row.codes + Admin + 1)
                continue;
            Fields without = row.fields;
            without.erase(without.begin() + static_cast<std::ptrdiff_t>(k));
            const int iCode = guild.Send(row, static_cast<int>(pSucceeds - row.codes), without);
            if (pKey->bRequired) {
                EXPECT_NE(iCode, 800) << "msgid " << row.iMsgId << " without " << strKey;
            } else {
                EXPECT_EQ(iCode, 800) << "msgid " << row.iMsgId << " without " << strKey;
            }
        }
    }
}

} // namespace
