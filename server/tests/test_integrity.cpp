// What must hold whatever happens: concurrent officers, a killed process, a full guild, a
// broken database, backups that restore to the same guild, and the command line's errors.
#include "Harness.h"
#include "Passwords.h"
#include "Store.h"

#include <condition_variable>
#include <mutex>
#include <random>
#include <set>

namespace {

using S = Scene;

struct TreeNode {
    std::string strName;
    int iPatron = -1;
    std::vector<int> vassals;
};

std::map<int, TreeNode> ParseTree(const std::string& strPayload) {
    std::map<int, TreeNode> tree;
    for (auto& record : zorv::SplitRecords(strPayload)) {
        TreeNode node{record[1], std::atoi(record[4].c_str()), {}};
        for (const std::string& strId : SplitList(record[5], ','))
            node.vassals.push_back(std::atoi(strId.c_str()));
        tree[std::atoi(record[0].c_str())] = node;
    }
    return tree;
}

// No cycle, no orphan, no patron over the cap, and vassal lists agree with patron links.
void ExpectSoundTree(const std::map<int, TreeNode>& tree, int nCap) {
    for (const auto& [id, node] : tree) {
        EXPECT_LE(static_cast<int>(node.vassals.size()), nCap) << id;
        if (node.iPatron != -1) {
            auto patron = tree.find(node.iPatron);
            ASSERT_NE(patron, tree.end()) << "orphan " << id;
            const auto& list = patron->second.vassals;
            EXPECT_EQ(std::count(list.begin(), list.end(), id), 1) << id;
        }
        int iSteps = 0;
        for (int iAt = node.iPatron; iAt != -1 && iSteps <= static_cast<int>(tree.size());
             iAt = tree.at(iAt).iPatron)
            ++iSteps;
        EXPECT_LE(iSteps, static_cast<int>(tree.size())) << "cycle through " << id;
    }
}

std::vector<int> Branch(const std::map<int, TreeNode>& tree, int id) {
    std::vector<int> branch{id};
    for (std::size_t i = 0; i < branch.size(); ++i)
        for (int iVassal : tree.at(branch[i]).vassals)
            branch.push_back(iVassal);
    return branch;
}

std::string Join(const std::vector<int>& ids) {
    std::string strOut;
    for (int id : ids)
        strOut += (strOut.empty() ? "" : ",") + std::to_string(id);
    return strOut;
}

std::string N(int i) {
    return std::to_string(i);
}

// The root's add, removal and move, with the lists the client sends from the tree it read.
Answer Add(const Target& target, std::map<int, TreeNode>& tree, int iTo,
           const std::string& strName) {
    return As(target, S::Root, 101,
              Form("charid=1&addtoid=" + N(iTo) + "&vassalname=" + strName +
                   "&vassallist=" + Join(tree[iTo].vassals) + "&patronid=" + N(tree[iTo].iPatron)));
}
Answer Remove(const Target& target, std::map<int, TreeNode>& tree, int iVictim) {
    int iPatron = tree[iVictim].iPatron;
    return As(target, S::Root, 102,
              Form("charid=1&patronid=" + N(iPatron) + "&vassalid=" + N(iVictim) + "&vassalname=" +
                   tree[iVictim].strName + "&vassallist=" + Join(tree[iPatron].vassals)));
}
Answer Move(const Target& target, std::map<int, TreeNode>& tree, int iMoved, int iNew) {
    int iOld = tree[iMoved].iPatron;
    return As(target, S::Root, 103,
              Form("moveid=" + N(iMoved) + "&charid=1&oldpatronid=" + N(iOld) + "&oldpatronname=" +
                   tree[iOld].strName + "&oldpatronvassallist=" + Join(tree[iOld].vassals) +
                   "&newpatronid=" + N(iNew) + "&newpatronname=" + tree[iNew].strName +
                   "&newpatronvassallist=" + Join(tree[iNew].vassals)));
}

TEST(Integrity, ConcurrentOfficersKeepTheTreeSound) {
    ServedScene served;
    const std::string& strDb = served.strDb;
    ServeTarget& target = served.target;

    // Owners each add and remove within a branch of their own and must find exactly their model
    // at the end; movers shuffle a shared branch at random, racing each other into refusals.
    const int nOwners = 3, nMovers = 2, kOwnerSteps = 40;
    std::atomic<bool> bStop{false};
    std::vector<std::map<std::string, std::string>> models(nOwners); // name -> patron name
    std::vector<std::string> ownerRoots;
    for (int i = 0; i < nOwners + 1; ++i) {
        std::string strName = i < nOwners ? "Owner " + std::string(1, char('A' + i)) : "Shared";
        auto tree = ParseTree(As(target, S::Root, 100).strPayload);
        ASSERT_EQ(Add(target, tree, S::Other, strName).iCode, 800);
        ownerRoots.push_back(strName);
    }
    std::atomic<int> nAcknowledged{0};
    std::vector<std::thread> threads;
    for (int iOwner = 0; iOwner < nOwners; ++iOwner) {
        threads.emplace_back([&, iOwner] {
            std::mt19937 random(iOwner);
            int nNext = 0;
            auto& model = models[iOwner];
            for (int iStep = 0; iStep < kOwnerSteps; ++iStep) {
                auto tree = ParseTree(As(target, S::Root, 100).strPayload);
                std::map<std::string, int> ids;
                for (auto& [id, node] : tree)
                    ids[node.strName] = id;
                int iRoot = ids[ownerRoots[iOwner]];
                std::vector<int> mine = Branch(tree, iRoot);
                if (mine.size() < 3 || random() % 3) {
                    int iTo = mine[random() % mine.size()];
                    std::string strName = "M " + std::string(1, char('a' + iOwner)) + " " +
                                          std::string(1, char('a' + nNext / 26 % 26)) +
                                          char('a' + nNext % 26);
                    ++nNext;
                    if (Add(target, tree, iTo, strName).iCode == 800) {
                        model[strName] = tree[iTo].strName;
                        ++nAcknowledged;
                    }
                } else {
                    int iVictim = mine[1 + random() % (mine.size() - 1)];
                    if (Remove(target, tree, iVictim).iCode == 800) {
                        for (int id : Branch(tree, iVictim))
                            model.erase(tree[id].strName);
                        ++nAcknowledged;
                    }
                }
            }
        });
    }
    for (int iMover = 0; iMover < nMovers; ++iMover) {
        threads.emplace_back([&, iMover] {
            std::mt19937 random(100 + iMover);
            int nNext = 0;
            while (!bStop) {
                auto tree = ParseTree(As(target, S::Root, 100).strPayload);
                int iShared = 0;
                for (auto& [id, node] : tree)
                    if (node.strName == "Shared")
                        iShared = id;
                std::vector<int> shared = Branch(tree, iShared);
                if (shared.size() < 8) {
                    int iTo = shared[random() % shared.size()];
                    std::string strName = "S " + std::string(1, char('a' + iMover)) + " " +
                                          char('a' + nNext % 26) + char('a' + nNext / 26 % 26);
                    ++nNext;
                    Add(target, tree, iTo, strName);
                    continue;
                }
                Move(target, tree, shared[1 + random() % (shared.size() - 1)],
                     shared[random() % shared.size()]);
            }
        });
    }
    // The movers race the owners until every owner has made its changes.
    for (int i = 0; i < nOwners; ++i)
        threads[i].join();
    bStop = true;
    for (int i = nOwners; i < nOwners + nMovers; ++i)
        threads[i].join();

    EXPECT_GT(nAcknowledged.load(), 10);
    auto tree = ParseTree(As(target, S::Root, 100).strPayload);
    ExpectSoundTree(tree, kDefaultMaxVassals);
    std::map<std::string, int> ids;
    for (auto& [id, node] : tree)
        ids[node.strName] = id;
    for (int iOwner = 0; iOwner < nOwners; ++iOwner) {
        std::map<std::string, std::string> found;
        for (int id : Branch(tree, ids[ownerRoots[iOwner]]))
            if (tree[id].strName != ownerRoots[iOwner])
                found[tree[id].strName] = tree[tree[id].iPatron].strName;
        EXPECT_EQ(found, models[iOwner]) << ownerRoots[iOwner];
    }
    EXPECT_EQ(SqlValue(strDb, "PRAGMA integrity_check"), "ok");
}

TEST(Integrity, KilledServerKeepsEveryAcknowledgedSave) {
    TempDir dir;
    std::string strDb = dir.File("guild.db");
    Scene::CreateEmpty(strDb);
    auto target = std::make_unique<ServeTarget>(strDb);
    Scene::Build(*target);

    // The kill must land in the middle of a stream of saves, so it waits for kSaves acknowledged
    // ones; a writer stops early on any refusal or lost connection, and then the wait ends too,
    // as it does at the deadline, so that a broken server fails here rather than at ctest's
    // timeout.
    const int kSaves = 60;
    std::mutex mutex;
    std::condition_variable changed;
    std::map<int, int> acknowledged; // character id -> last acknowledged save number
    int nAcknowledged = 0;
    int nWriting = 2;
    std::string strStopped; // why the first writer that stopped early did
    std::atomic<bool> bStop{false};
    std::vector<std::thread> writers;
    for (int iWriter = 0; iWriter < 2; ++iWriter) {
        writers.emplace_back([&, iWriter] {
            std::string strWhy;
            // Each writer owns its characters, so its saves to one character are in order.
            for (int i = iWriter; !bStop; i += 2) {
                int id = iWriter == 0 ? 1 + 2 * (i / 2 % 4) : 2 + 2 * (i / 2 % 3);
                Answer answer;
                try {
                    answer = As(*target, S::Root, 106,
                                Form("charid=1&updateid=" + N(id) + "&BIO=save " + N(i)));
                } catch (const std::exception& e) {
                    strWhy = e.what(); // the server is gone
                    break;
                }
                if (answer.iCode != 800) {
                    strWhy = "save " + std::to_string(i) + " got " + std::to_string(answer.iCode);
                    break;
                }
                std::lock_guard<std::mutex> lock(mutex);
                acknowledged[id] = std::max(acknowledged[id], i);
                ++nAcknowledged;
                changed.notify_all();
            }
            std::lock_guard<std::mutex> lock(mutex);
            if (!bStop && strStopped.empty())
                strStopped = "writer " + std::to_string(iWriter) + ": " + strWhy;
            --nWriting;
            changed.notify_all();
        });
    }
    std::string strShortfall; // empty when enough saves arrived
    {
        std::unique_lock<std::mutex> lock(mutex);
        changed.wait_until(lock, std::chrono::steady_clock::now() + std::chrono::seconds(60),
                           [&] { return nAcknowledged >= kSaves || nWriting == 0; });
        if (nAcknowledged < kSaves)
            strShortfall = std::to_string(nAcknowledged) + " of " + std::to_string(kSaves) +
                           " saves acknowledged when " +
                           (nWriting == 0 ? "every writer had stopped" : "the minute was up") +
                           (strStopped.empty() ? "" : "; " + strStopped);
    }
    target->Kill(); // in the middle of the stream
    bStop = true;
    for (auto& writer : writers)
        writer.join();
    ASSERT_EQ(strShortfall, "");

    EXPECT_EQ(SqlValue(strDb, "PRAGMA integrity_check"), "ok");
    for (auto& [id, i] : acknowledged) {
        std::string strBio =
            SqlValue(strDb, "SELECT bio FROM characters WHERE id = " + std::to_string(id));
        ASSERT_EQ(strBio.rfind("save ", 0), 0u) << id;
        EXPECT_GE(std::atoi(strBio.c_str() + 5), i) << "character " << id;
    }
}

TEST(Integrity, BackupRestoresToTheSameDump) {
    TempDir dir;
    std::string strDemo = dir.File("demo.db");
    std::string strOut;
    ASSERT_EQ(RunServerCommand({"demo", "--db", strDemo}, &strOut), 0);
    EXPECT_NE(strOut.find("administrator: "), std::string::npos);
    // Two saves, so that one character's revision is not the one every character starts at.
    {
        ServeTarget editor(strDemo);
        for (const char* szRevision : {"1", "2"})
            ASSERT_EQ(editor
                          .Send("Aldric Stormwind", "lantern1", 106,
                                {{"charid", "1"}, {"updateid", "2"}, {"revision", szRevision}})
                          .iCode,
                      800);
    }

    std::string strDump;
    ASSERT_EQ(RunServerCommand({"backup", "--db", strDemo}, &strDump), 0);
    EXPECT_EQ(strDump.rfind("ZORV DUMP 5\nN|C|id|name|", 0), 0u);
    // The file the client saves from the operation's payload (the payload less its last
    // character, then CR LF) restores to the same dump.
    ServeTarget target(strDemo);
    Answer backup = target.Send("Aldric Stormwind", "lantern1", 111, {{"charid", "1"}});
    ASSERT_EQ(backup.iCode, 800);
    {
        std::ofstream(dir.File("client.dat"), std::ios::binary)
            << backup.strPayload.substr(0, backup.strPayload.size() - 1) << "\r\n";
    }
    ASSERT_EQ(RunServerCommand({"restore", "--db", dir.File("client.db"), dir.File("client.dat")}),
              0);
    std::string strAgain;
    ASSERT_EQ(RunServerCommand({"backup", "--db", dir.File("client.db")}, &strAgain), 0);
    EXPECT_EQ(strAgain, strDump);
}

TEST(Integrity, OneRevisionLetsOneOfManySavesThrough) {
    ServedScene served;
    const std::string& strDb = served.strDb;
    ServeTarget& target = served.target;

    // Each round, officers who all read the same revision save at once: exactly one gets
    // through, and the others are told the record is stale (not a server fault).
    const int nOfficers = 6;
    for (int iRevision = 1; iRevision <= 5; ++iRevision) {
        std::atomic<int> nReady{0};
        std::vector<int> codes(nOfficers);
        std::vector<std::thread> officers;
        for (int i = 0; i < nOfficers; ++i) {
            officers.emplace_back([&, i] {
                ++nReady;
                while (nReady < nOfficers)
                    std::this_thread::yield();
                codes[i] = As(target, S::Root, 106,
                              Form("charid=1&updateid=4&revision=" + N(iRevision) +
                                   "&BIO=officer " + N(i)))
                               .iCode;
            });
        }
        for (auto& officer : officers)
            officer.join();
        EXPECT_EQ(std::count(codes.begin(), codes.end(), 800), 1) << "round " << iRevision;
        EXPECT_EQ(std::count(codes.begin(), codes.end(), 973), nOfficers - 1)
            << "round " << iRevision;
        int iWinner = static_cast<int>(std::find(codes.begin(), codes.end(), 800) - codes.begin());
        EXPECT_EQ(SqlValue(strDb, "SELECT bio FROM characters WHERE id = 4"),
                  "officer " + std::to_string(iWinner));
    }
    EXPECT_EQ(SqlValue(strDb, "SELECT revision FROM characters WHERE id = 4"), "6");
}

TEST(Integrity, CommandLine) {
    TempDir dir;
    std::string strOut, strErr;
    EXPECT_EQ(RunServerCommand({"serve", "--db", dir.File("missing.db")}, &strOut, &strErr), 1);
    EXPECT_NE(strErr.find("missing.db"), std::string::npos) << strErr;
    EXPECT_EQ(std::count(strErr.begin(), strErr.end(), '\n'), 1) << "one line: " << strErr;
    EXPECT_EQ(RunServerCommand({"backup", "--db", dir.File("missing.db")}, nullptr, &strErr), 1);
    EXPECT_EQ(RunServerCommand({"serve"}, nullptr, &strErr), 1);
    EXPECT_EQ(RunServerCommand({"bogus"}, nullptr, &strErr), 2);
    for (const char* szCommand : {"serve", "init", "demo", "seed", "backup", "restore"}) {
        EXPECT_EQ(RunServerCommand({szCommand, "--help"}, &strOut), 0) << szCommand;
        EXPECT_EQ(strOut.rfind(std::string("usage: zorv-server ") + szCommand, 0), 0u) << strOut;
    }
    EXPECT_EQ(
        RunServerCommand({"seed", "--db", dir.File("s.db"), "--members", "0", "--shape", "wide"},
                         nullptr, &strErr),
        1);
    ASSERT_EQ(RunServerCommand({"demo", "--db", dir.File("d.db")}), 0);
    EXPECT_EQ(RunServerCommand({"demo", "--db", dir.File("d.db")}, nullptr, &strErr), 1)
        << "never overwrites a guild";
    ServeTarget server(dir.File("d.db"));
    EXPECT_EQ(server.Send("Aldric Stormwind", "lantern1", 104).iCode, 800);
    EXPECT_EQ(server.Stop(), 0) << "SIGTERM stops it cleanly";
}

TEST(Integrity, FullGuildRefusesMoreMembers) {
    TempDir dir;
    std::string strDb = dir.File("full.db");
    ASSERT_EQ(RunServerCommand({"seed", "--db", strDb, "--members", "32767", "--shape", "wide"}),
              0);
    ServeTarget target(strDb);
    // The last member (a leaf) takes no more: the guild is full.
    Answer answer =
        target.Send("Seed Monarch", "seedpass1", 101,
                    Form("charid=1&addtoid=32767&vassalname=One More&vassallist=&patronid=2731"));
    EXPECT_EQ(answer.iCode, 908);
    Answer tree = target.Send("Seed Monarch", "seedpass1", 100);
    std::vector<zorv::Fields> records = zorv::SplitRecords(tree.strPayload);
    ASSERT_EQ(records.size(), 32767u);
    EXPECT_EQ(SplitList(records[0][5], ',').size(), 12u);
}

TEST(Integrity, BrokenDatabases) {
    TempDir dir;
    std::string strDb = dir.File("guild.db");
    Scene::CreateEmpty(strDb);
    {
        ServeTarget target(strDb);
        Scene::Build(target);
        for (const char* szSuffix : {"", "-wal", "-shm"})
            std::filesystem::remove(strDb + szSuffix);
        EXPECT_EQ(As(target, S::Self, 104).iCode, 996);
        EXPECT_EQ(As(target, S::Self, 109).iCode, 996);
        EXPECT_EQ(As(target, S::Self, 100).iCode, 998);
    }
    // A file that is a database but not a guild's: any failure inside is 987.
    Sql(strDb, "CREATE TABLE settings (key TEXT PRIMARY KEY, value TEXT);"
               "INSERT INTO settings VALUES ('guild_name', 'G');"
               "CREATE TABLE characters (id INTEGER PRIMARY KEY); PRAGMA user_version = 1;");
    ServeTarget target(strDb);
    EXPECT_EQ(As(target, S::Self, 100).iCode, 987);
}

// That a record never outlives a password change is the logins' test.
TEST(Integrity, CredentialRecordsExpireAndHashesAreArgon2id) {
    CredentialCache expired(std::chrono::seconds(-1)); // every record is past its time at once
    expired.Remember("self", "secret1", "$hash-a");
    EXPECT_FALSE(expired.Knows("self", "secret1", "$hash-a"));
    std::string strHash = HashPassword("secret1");
    EXPECT_EQ(strHash.rfind("$argon2id$", 0), 0u);
    EXPECT_FALSE(VerifyPassword("", "secret1"));
}

} // namespace
