#include "Demo.h"

#include "Passwords.h"
#include "Protocol.h"
#include "Store.h"
#include "Text.h"

#include <ctime>
#include <iterator>
#include <random>
#include <stdexcept>
#include <sys/stat.h>

namespace {

Database CreateNew(const std::string& strPath) {
    struct stat info {};
    if (stat(strPath.c_str(), &info) == 0)
        throw std::runtime_error(strPath + " exists already; remove it or choose another file");
    return OpenGuildDatabase(strPath, true);
}

void SetUpGuild(Store& store, const std::string& strGuild, const std::string& strDefault,
                const std::string& strSquad) {
    store.SetSetting("default_password_hash", HashPassword(strDefault));
    store.SetSetting("use_rescue_squad", strSquad.empty() ? "0" : "1");
    store.SetSetting("rescue_squad_name", strSquad);
    store.SetSetting("max_vassals", std::to_string(kDefaultMaxVassals));
    store.SetSetting("guild_name", strGuild);
}

const char* const kDemoNames[] = {
    "Aldric Stormwind", "Brenna Ashvale", "Corin Thale",   "Dara Whitmoor", "Edrin Falk",
    "Fiora Glenn",      "Garrick Hale",   "Hesta Marr",    "Ilyan Voss",    "Jessa Quill",
    "Kael Dorran",      "Lira Sunmere",   "Marek Stone",   "Nyla Fenwick",  "Orin Blackwood",
    "Pella Rook",       "Quen Aldane",    "Rhea Calloway", "Soren Vale",    "Tamsin Reed",
    "Ulric Hawke",      "Vessa Lorne",    "Wren Ashby",    "Xan Tolliver",  "Yara Finch",
    "Zeb Harrow",       "Anwen Dell",     "Bram Osric",    "Cale Morrow",   "Della Pike",
    "Eamon Gray",       "Faye Thistle",   "Gideon Crane",  "Hollis Webb",   "Isolde Marsh",
    "Jorah Kent",       "Kira Vane",      "Lorcan Pyle",   "Mira Holt",     "Nils Barrow",
    "Odessa Lark",      "Piet Anvil",     "Rowan O'Dell",  "Sable Frost",   "Tobin Ash",
    "Una Briar",        "Vico Stirling",  "Willa Ford",    "Yorick Dunn",   "Zara Mule-Wright",
    "Alba Quarry",      "Benno Lusk",     "Cyra Holm",     "Dorin Mace",    "Elsa Brook",
    "Fenn Harlow",      "Greta Moss",     "Hugo Penn",     "Ines Carrow",   "Jory Flint",
    "Kesta Rune",       "Lyle Parrish",
};
// 50 members over six generations, each sworn in turn to the generation above; then Tobin Ash's
// full company, a patron at the vassal cap.
const int kGeneration[] = {1, 4, 10, 15, 12, 8};
const int kCompanyPatron = 45;

const char* const kClasses[] = {"Swordsman", "Archer", "War Mage", "Life Mage", "Tinker", "Thief"};
const char* const kTowns[] = {"Holtburg", "Yaraq", "Shoushi", "Rithwic", "Arwic", "Cragstone"};

} // namespace

GuildLogin CreateDemoGuild(const std::string& strPath) {
    Database db = CreateNew(strPath);
    Store store(db);
    GuildLogin login{"Aldric Stormwind", "lantern1", "welcome1"};
    Transaction tx(db, Transaction::Kind::Write);
    SetUpGuild(store, "The Silver Lanterns", login.strDefaultPassword, "Lantern Watch");

    std::mt19937 random(20261206);
    std::vector<int> previous, current;
    int iName = 0;
    for (int nCount : kGeneration) {
        for (int i = 0; i < nCount; ++i, ++iName) {
            int id = iName + 1;
            int iPatron = previous.empty() ? zorv::kNoCharacter : previous[i % previous.size()];
            store.AddCharacter(id, kDemoNames[iName], iPatron,
                               iPatron == zorv::kNoCharacter ? zorv::kSecurityAdministrator
                                                             : zorv::kSecurityNormal,
                               1);
            current.push_back(id);
        }
        previous.swap(current);
        current.clear();
    }
    static_assert(std::size(kDemoNames) == 50 + kDefaultMaxVassals);
    for (int i = 0; i < kDefaultMaxVassals; ++i, ++iName)
        store.AddCharacter(iName + 1, kDemoNames[iName], kCompanyPatron, zorv::kSecurityNormal, 1);
    // The sheets: every race and sex, mules with their mains, PKs, the rescue squad, summoners.
    Statement sheet(db, "UPDATE characters SET level = ?1, rank = ?2, race = ?3, sex = ?4, "
                        "class = ?5, lifestone = ?6, tied_to = ?7, skills = ?8, is_pk = ?9, "
                        "is_rescue = ?10, can_summon = ?11, email = ?12, num_followers = ?13 "
                        "WHERE id = ?14");
    for (int id = 1; id <= iName; ++id) {
        std::string strSkills = "19,2," + std::to_string(100 + random() % 200) + "!23,2," +
                                std::to_string(50 + random() % 150) + "!29,2," +
                                std::to_string(80 + random() % 200);
        if (id % 3 == 0)
            strSkills += "!1,3," + std::to_string(150 + random() % 150);
        if (id % 4 == 0)
            strSkills += "!11,2," + std::to_string(100 + random() % 120);
        if (id % 5 == 0)
            strSkills += "!16,2," + std::to_string(90 + random() % 120);
        if (id % 2 == 0)
            strSkills += "!35,3," + std::to_string(200 + random() % 150);
        std::string strName = kDemoNames[id - 1];
        std::string strMail = NameKey(strName.substr(0, strName.find(' '))) + "@lanterns.example";
        sheet.Bind(1, 10 + int(random() % 116))
            .Bind(2, id == 1 ? 8 : 1 + int(random() % 6))
            .Bind(3, id % 7 == 0 ? 0 : 1 + id % 3)
            .Bind(4, id % 11 == 0 ? 0 : 1 + id % 2)
            .Bind(5, std::string(kClasses[id % 6]))
            .Bind(6, std::string(kTowns[id % 6]))
            .Bind(7, std::string(kTowns[(id + 2) % 6]))
            .Bind(8, strSkills)
            .Bind(9, id % 9 == 0 ? 1 : 0)
            .Bind(10, id % 4 == 1 ? 1 : 0)
            .Bind(11, id % 5 == 2 ? 1 : 0)
            .Bind(12, strMail)
            .Bind(13, 0)
            .Bind(14, id)
            .Run();
    }
    // Mules serve the character their patron plays.
    Statement mule(db, "UPDATE characters SET is_mule = 1, level = 5, mule_for = ?1, "
                       "main_char = ?1 WHERE id = ?2");
    for (int id : {44, 47, 50}) {
        std::optional<Member> member = store.FindById(id);
        std::optional<Member> patron = store.FindById(member->iPatron);
        mule.Bind(1, patron->strName).Bind(2, id).Run();
    }
    // Something for each part of the attention report: a patron at the cap (above), a member who
    // counts followers the tree does not hold, a mule whose main left the guild, and records left
    // alone for months. Every member but the founder is still on the default password, among
    // them a second administrator who has not logged in yet.
    Statement second(db, "UPDATE characters SET security_level = ?1 WHERE id = 5");
    second.Bind(1, zorv::kSecurityAdministrator).Run();
    Statement claimed(db, "UPDATE characters SET num_followers = 2 WHERE id = 46");
    claimed.Run();
    Statement lost(db, "UPDATE characters SET main_char = 'Zara Wright' WHERE id = 50");
    lost.Run();
    Statement old(db, "UPDATE characters SET modified_at = ?1 WHERE id = ?2");
    for (int id : {48, 49})
        old.Bind(1, UtcStamp(std::time(nullptr) - (id == 48 ? 200 : 400) * 86400L, false))
            .Bind(2, id)
            .Run();
    Statement own(db, "UPDATE characters SET password_hash = ?1, bio = ?2 WHERE id = 1");
    own.Bind(1, HashPassword(login.strPassword))
        .Bind(2, std::string("Founder of the Silver Lanterns."))
        .Run();
    tx.Commit();
    return login;
}

namespace {

std::string SeedName(int i) {
    std::string strLetters;
    for (int n = i; n > 0; n /= 26)
        strLetters.insert(strLetters.begin(), static_cast<char>('a' + n % 26));
    return "Seed " + strLetters;
}

} // namespace

GuildLogin CreateSeededGuild(const std::string& strPath, int nMembers, SeedShape shape) {
    if (nMembers < 1 || nMembers > zorv::kMaxCharacters)
        throw std::runtime_error("--members must lie between 1 and 32767");
    Database db = CreateNew(strPath);
    Store store(db);
    GuildLogin login{"Seed Monarch", "seedpass1", "welcome1"};
    Transaction tx(db, Transaction::Kind::Write);
    SetUpGuild(store, "Seeded Guild", login.strDefaultPassword, "Seed Watch");
    Statement insert(db, "INSERT INTO characters(id, name, name_key, patron_id, join_seq, "
                         "security_level, level, rank, race, sex, is_mule, is_pk, is_rescue, "
                         "modified_at, modified_by) VALUES (?1, ?2, ?3, ?4, ?1, ?5, ?6, ?7, ?8, "
                         "?9, ?10, ?11, ?12, ?13, 1)");
    std::mt19937 random(32767);
    std::vector<int> open; // ids that may still take vassals (random shape)
    std::vector<int> vassalCount(nMembers + 1, 0);
    std::string strNow = NowStamp();
    for (int id = 1; id <= nMembers; ++id) {
        int iPatron = zorv::kNoCharacter;
        if (id > 1) {
            switch (shape) {
            case SeedShape::Wide:
                iPatron = (id - 2) / kDefaultMaxVassals + 1;
                break;
            case SeedShape::Chain:
                iPatron = id - 1;
                break;
            case SeedShape::Random: {
                std::size_t iPick = random() % open.size();
                iPatron = open[iPick];
                if (++vassalCount[iPatron] == kDefaultMaxVassals) {
                    open[iPick] = open.back();
                    open.pop_back();
                }
                break;
            }
            }
        }
        open.push_back(id);
        std::string strName = id == 1 ? login.strName : SeedName(id);
        insert.Bind(1, id)
            .Bind(2, strName)
            .Bind(3, NameKey(strName))
            .Bind(4, iPatron)
            .Bind(5, id == 1 ? zorv::kSecurityAdministrator : zorv::kSecurityNormal)
            .Bind(6, 1 + int(random() % 126))
            .Bind(7, 1 + int(random() % 10))
            .Bind(8, int(random() % 4))
            .Bind(9, int(random() % 3))
            .Bind(10, random() % 10 == 0 ? 1 : 0)
            .Bind(11, random() % 20 == 0 ? 1 : 0)
            .Bind(12, random() % 15 == 0 ? 1 : 0)
            .Bind(13, strNow)
            .Run();
    }
    Statement own(db, "UPDATE characters SET password_hash = ?1 WHERE id = 1");
    own.Bind(1, HashPassword(login.strPassword)).Run();
    tx.Commit();
    return login;
}

void CreateEmptyGuild(const std::string& strPath) {
    CreateNew(strPath);
}
