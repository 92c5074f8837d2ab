// The change feed (operation 120): a tree brought up to date through it is the tree a fresh
// download gives, whoever changed the guild file and however; a generation it cannot answer from
// is "too old"; under `serve` a request with nothing new is held, without a worker, until a
// change or its wait's end; under CGI it is answered at once.
#include "Harness.h"
#include "TreeRecord.h"

#include <future>
#include <random>

namespace {

using S = Scene;

// A tree as the client holds it: its records by id, and their order.
struct Tree {
    std::map<int, std::string> records;
    std::vector<int> order;
    bool operator==(const Tree& other) const {
        return records == other.records && order == other.order;
    }
};

void AddRecords(std::string_view strPayload, std::vector<std::pair<int, std::string>>& out) {
    zorv::ForEachRecord(strPayload, [&](std::string_view record) {
        out.emplace_back(std::stoi(std::string(record.substr(0, record.find('|')))),
                         std::string(record));
    });
}

Tree Download(const Target& target) {
    Answer answer = As(target, S::Root, 100);
    EXPECT_EQ(answer.iCode, 800);
    std::vector<std::pair<int, std::string>> records;
    AddRecords(answer.strPayload, records);
    Tree tree;
    for (auto& [id, strRecord] : records) {
        tree.order.push_back(id);
        tree.records[id] = strRecord;
    }
    return tree;
}

struct Changes {
    int iCode = -1;
    std::int64_t lGeneration = -1;
    std::vector<int> left;
    std::vector<std::pair<int, std::string>> records; // as operation 100 shows them
    std::map<int, std::string> revisions;             // the tenth field of each
};

Changes AskFeed(const Target& target, const std::string& strSince, const std::string& strWait = "",
                const std::string& strFrom = "") {
    Fields fields{{"since", strSince}};
    if (!strWait.empty())
        fields.emplace_back("wait", strWait);
    Answer answer = target.Send(S::Name(S::Other), S::Password(S::Other), 120, fields, strFrom);
    Changes changes;
    changes.iCode = answer.iCode;
    if (answer.iCode != 800)
        return changes;
    const std::size_t iHeaderEnd = answer.strPayload.find("!;");
    zorv::Fields header = zorv::SplitFields(answer.strPayload.substr(0, iHeaderEnd));
    EXPECT_EQ(header.size(), 2u) << answer.strPayload;
    changes.lGeneration = std::stoll(header.at(0));
    for (const std::string& strId : SplitList(header.at(1), ','))
        changes.left.push_back(std::stoi(strId));
    AddRecords(std::string_view(answer.strPayload).substr(iHeaderEnd + 2), changes.records);
    for (auto& [id, strRecord] : changes.records) {
        EXPECT_EQ(zorv::SplitFields(strRecord).size(), 10u) << strRecord;
        changes.revisions[id] = strRecord.substr(strRecord.rfind('|') + 1);
        strRecord.erase(strRecord.rfind('|'));
    }
    return changes;
}

std::int64_t Generation(const Target& target) {
    Changes now = AskFeed(target, "");
    EXPECT_EQ(now.iCode, 800);
    EXPECT_TRUE(now.records.empty() && now.left.empty());
    return now.lGeneration;
}

// The changes applied as the client applies them: each record replaces the one of its id or
// joins, the ones that left go; the order is then the payload's (the server sends the records in
// it, so the test takes it from a fresh download rather than working it out).
void Apply(Tree& tree, const Changes& changes) {
    for (int id : changes.left)
        tree.records.erase(id);
    for (const auto& [id, strRecord] : changes.records)
        tree.records[id] = strRecord;
}

class Feed : public SceneTest {};

TEST_P(Feed, ChangesBringATreeToWhatAFreshDownloadShows) {
    EXPECT_EQ(AskFeed(T(), "x").iCode, 991);
    EXPECT_EQ(AskFeed(T(), "1", "-1").iCode, 991);
    const std::int64_t lStart = Generation(T());
    Tree held = Download(T());
    EXPECT_EQ(AskFeed(T(), std::to_string(lStart + 1)).iCode, 1070)
        << "a generation never handed out";
    const Changes none = AskFeed(T(), std::to_string(lStart));
    EXPECT_EQ(none.lGeneration, lStart);
    EXPECT_TRUE(none.records.empty() && none.left.empty());

    // Changes of every kind, by the operations and by hand on the file: whoever writes, the
    // file's own triggers record them. Now and then the held tree catches up from the
    // generation it last learnt, and its records must be those of a fresh download.
    std::mt19937 random(2026);
    const Tree start = held;
    std::int64_t lHeld = lStart;
    int nextId = 100;
    for (int nStep = 1; nStep <= 60; ++nStep) {
        const Tree now = Download(T());
        const int iSome = now.order[random() % now.order.size()];
        const std::string strSome = std::to_string(iSome);
        switch (random() % 7) {
        case 0: // a newcomer, under anyone
            Sql(m_strDb, "INSERT INTO characters(id, name, name_key, patron_id, password_hash, "
                         "join_seq) VALUES (" +
                             std::to_string(nextId) + ", 'New " + std::to_string(nextId) +
                             "', 'new " + std::to_string(nextId) + "', " + strSome +
                             ", '', (SELECT max(join_seq) + 1 FROM characters))");
            ++nextId;
            break;
        case 1: // a leaf leaves
            if (iSome > S::Keeper)
                Sql(m_strDb, "DELETE FROM characters WHERE id = " + strSome +
                                 " AND NOT EXISTS (SELECT 1 FROM characters WHERE patron_id = " +
                                 strSome + ")");
            break;
        case 2: // a move to the end of the monarch's list
            if (iSome > S::Root)
                Sql(m_strDb,
                    "UPDATE characters SET patron_id = 1, join_seq = (SELECT max(join_seq) "
                    "+ 1 FROM characters) WHERE id = " +
                        strSome + " AND NOT EXISTS (SELECT 1 FROM characters WHERE patron_id = " +
                        strSome + ")");
            break;
        case 3: { // a save through the protocol: level and name as the tree shows them
            const std::string strName = {'R', 'e', 'n', char('a' + nStep % 26),
                                         char('a' + nStep / 26)};
            const Fields save =
                Form("charid=1&updateid=" + strSome + "&LEVEL=" + std::to_string(random() % 200) +
                     "&NAME=" + strName);
            if (iSome != S::Root && iSome != S::Other) { // their names are the tests' logins
                EXPECT_EQ(As(T(), S::Root, 106, save).iCode, 800);
            }
            break;
        }
        case 6: // a save of the sheet alone: the feed brings its record, with the new revision
            EXPECT_EQ(
                As(T(), S::Root, 106,
                   Form("charid=1&updateid=" + strSome + "&BIO=Step " + std::to_string(nStep)))
                    .iCode,
                800);
            break;
        case 4: // a field the tree does not show, written by hand: no change at all
            Sql(m_strDb, "UPDATE characters SET class = 'Mage' WHERE id = " + strSome);
            break;
        case 5: // the flags
            Sql(m_strDb, "UPDATE characters SET is_pk = 1 - is_pk, is_mule = 1 - is_mule "
                         "WHERE id = " +
                             strSome);
            break;
        }
        if (nStep % 7 != 0 && nStep != 60)
            continue;
        const Changes changes = AskFeed(T(), std::to_string(lHeld));
        ASSERT_EQ(changes.iCode, 800);
        Apply(held, changes);
        const Tree fresh = Download(T());
        EXPECT_EQ(held.records, fresh.records) << "at step " << nStep;
        // The changed records come in the payload's own order.
        std::vector<int> sent, inFresh;
        for (const auto& record : changes.records)
            sent.push_back(record.first);
        for (int id : fresh.order)
            if (std::count(sent.begin(), sent.end(), id))
                inFresh.push_back(id);
        EXPECT_EQ(sent, inFresh) << "at step " << nStep;
        for (int id : changes.left)
            EXPECT_FALSE(fresh.records.count(id)) << id;
        for (const auto& [id, strRevision] : changes.revisions)
            EXPECT_EQ(strRevision, SqlValue(m_strDb, "SELECT revision FROM characters WHERE id = " +
                                                         std::to_string(id)));
        // From the start as well, at the same generation: each asker gets what changed since
        // its own generation, however many ask at once.
        Tree fromStart = start;
        Apply(fromStart, AskFeed(T(), std::to_string(lStart)));
        EXPECT_EQ(fromStart.records, fresh.records) << "from the start, at step " << nStep;
        lHeld = changes.lGeneration;
        held.order = fresh.order;
    }
    EXPECT_EQ(Generation(T()), lHeld);
}

TEST_P(Feed, GapsItCannotBridgeAreTooOld) {
    const std::int64_t lBefore = Generation(T());
    // The record is bounded: past its length the oldest generations go whole, and asking from
    // one of them is "too old", never a partial answer.
    Sql(m_strDb, "UPDATE characters SET level = level + 1 WHERE id = 5");
    const std::int64_t lAfterOne = Generation(T());
    Sql(m_strDb, "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 102000) "
                 "INSERT INTO tree_changes(generation, id) SELECT (SELECT value FROM server_state "
                 "WHERE key = 'tree_generation'), 5 FROM n");
    EXPECT_LE(std::stoi(SqlValue(m_strDb, "SELECT count(*) FROM tree_changes")), 101000);
    EXPECT_EQ(AskFeed(T(), std::to_string(lBefore)).iCode, 1070);
    Sql(m_strDb, "UPDATE characters SET level = level + 1 WHERE id = 6");
    EXPECT_EQ(AskFeed(T(), std::to_string(lAfterOne)).records.size(), 1u) << "6 alone";

    // So many changes since that reading them costs more than the tree the server keeps ready
    // (past 512 in a guild this small): too old as well, however far the record reaches back.
    const std::int64_t lBeforeMany = Generation(T());
    auto Saves = [&](int n) {
        Sql(m_strDb, "UPDATE characters SET level = level + 1 WHERE id = 7");
        Sql(m_strDb, "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
                         std::to_string(n - 1) +
                         ") INSERT INTO tree_changes(generation, id) SELECT (SELECT value FROM "
                         "server_state WHERE key = 'feed_generation'), 7 FROM n");
    };
    Saves(512);
    EXPECT_EQ(AskFeed(T(), std::to_string(lBeforeMany)).records.size(), 1u) << "7 alone";
    Saves(1);
    EXPECT_EQ(AskFeed(T(), std::to_string(lBeforeMany)).iCode, 1070);

    // A restore puts every row back: nothing from before it can be brought up to date.
    const std::int64_t lRestored = Generation(T());
    const std::string strDump = m_dir.File("guild.dump");
    std::string strBackup;
    ASSERT_EQ(RunServerCommand({"backup", "--db", m_strDb}, &strBackup), 0);
    std::ofstream(strDump, std::ios::binary) << strBackup;
    ASSERT_EQ(RunServerCommand({"restore", "--db", m_strDb, strDump}), 0);
    EXPECT_EQ(AskFeed(T(), std::to_string(lRestored)).iCode, 1070);
    EXPECT_EQ(AskFeed(T(), std::to_string(Generation(T()))).iCode, 800);
}

TEST_P(Feed, AWaitIsHeldUntilAChangeOnlyUnderServe) {
    const std::string strNow = std::to_string(Generation(T()));
    if (GetParam() == "cgi") { // never held: nothing changes, and a long wait comes back at once
        const Changes now = AskFeed(T(), strNow, "30");
        EXPECT_EQ(now.iCode, 800);
        EXPECT_TRUE(now.records.empty());
        return;
    }
    // Nothing changes: the wait runs out with no record.
    const Changes quiet = AskFeed(T(), strNow, "1");
    EXPECT_EQ(quiet.iCode, 800);
    EXPECT_TRUE(quiet.records.empty() && quiet.left.empty());
    // A save of a sheet alone wakes a waiter with its record, for a client showing that sheet.
    auto saved = std::async(std::launch::async, [&] { return AskFeed(T(), strNow, "30"); });
    ASSERT_EQ(Save(S::Self, S::Self, {{"BIO", "Back soon"}}).iCode, 800);
    // Woken by the change, well before its own wait would have ended.
    ASSERT_EQ(saved.wait_for(std::chrono::seconds(20)), std::future_status::ready);
    const Changes bio = saved.get();
    ASSERT_EQ(bio.records.size(), 1u);
    EXPECT_EQ(bio.records[0].first, S::Self);
    EXPECT_EQ(bio.revisions.at(S::Self),
              SqlValue(m_strDb, "SELECT revision FROM characters WHERE id = 4"));
    // A change by another process wakes the waiter with it.
    const std::string strAfterBio = std::to_string(bio.lGeneration);
    auto waiting = std::async(std::launch::async, [&] { return AskFeed(T(), strAfterBio, "30"); });
    Sql(m_strDb, "UPDATE characters SET name = 'Woken' WHERE id = 5");
    ASSERT_EQ(waiting.wait_for(std::chrono::seconds(20)), std::future_status::ready);
    const Changes woken = waiting.get();
    ASSERT_EQ(woken.iCode, 800);
    ASSERT_EQ(woken.records.size(), 1u);
    EXPECT_NE(woken.records[0].second.find("|Woken|"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Server, Feed, ::testing::Values("serve", "cgi"));

// Seven waits from one address whose held share is six: once one of them has come back at once,
// the other six are known to be held.
std::vector<std::future<Changes>> HoldSix(const Target& target, const std::string& strSince) {
    std::vector<std::future<Changes>> waits;
    for (int i = 0; i < 7; ++i)
        waits.push_back(std::async(
            std::launch::async, [&target, strSince] { return AskFeed(target, strSince, "30"); }));
    while (true) {
        for (auto it = waits.begin(); it != waits.end(); ++it) {
            if (it->wait_for(std::chrono::milliseconds(5)) == std::future_status::ready) {
                const Changes over = it->get();
                EXPECT_EQ(over.iCode, 800);
                EXPECT_TRUE(over.records.empty());
                waits.erase(it);
                return waits;
            }
        }
    }
}

TEST(FeedHolding, HeldRequestsNeitherTakeWorkersNorTheAddresssShare) {
    ServedScene served({"--workers", "2", "--per-address", "8", "--held-per-address", "6"});
    const std::string& strDb = served.strDb;
    ServeTarget& target = served.target;
    std::vector<std::future<Changes>> held = HoldSix(target, std::to_string(Generation(target)));
    // Six held from one address, more than the workers and more than its ordinary share: its
    // ordinary requests still go through, as many at once as its share, before any held one
    // comes back.
    std::vector<std::future<int>> ordinary;
    for (int i = 0; i < 8; ++i)
        ordinary.push_back(std::async(std::launch::async, [&] {
            return As(target, S::Self, 107, {{"getcharid", "4"}}).iCode;
        }));
    for (auto& one : ordinary)
        EXPECT_EQ(one.get(), 800);
    for (auto& one : held)
        EXPECT_EQ(one.wait_for(std::chrono::seconds(0)), std::future_status::timeout);
    // One change wakes them all, with it.
    Sql(strDb, "UPDATE characters SET level = 77 WHERE id = 6");
    for (auto& one : held) {
        const Changes changes = one.get();
        ASSERT_EQ(changes.records.size(), 1u);
        EXPECT_EQ(changes.records[0].first, 6);
    }
    // Stopping answers whatever is still held.
    held = HoldSix(target, std::to_string(Generation(target)));
    EXPECT_EQ(target.Stop(), 0);
    for (auto& one : held)
        EXPECT_EQ(one.get().iCode, 800);
}

// A guild file put back from an older copy (a file or disk snapshot): the generations the
// clients followed belong to another history, and every one of them is too old however far the
// copy's own changes go, while the copy's own feed works from its first answer on.
TEST(FeedHistory, AFileCopiedBackAnswersNoGenerationOfTheOtherHistory) {
    ServedScene served;
    const std::string& strDb = served.strDb;
    ASSERT_EQ(served.target.Stop(), 0);
    auto Copy = [&](const std::string& strFrom, const std::string& strTo) {
        for (const char* szPart : {"", "-wal", "-shm"}) {
            std::filesystem::remove(strTo + szPart);
            if (std::filesystem::exists(strFrom + szPart))
                std::filesystem::copy_file(strFrom + szPart, strTo + szPart);
        }
    };
    Copy(strDb, served.dir.File("copy.db"));
    std::int64_t lFollowed = -1;
    {
        ServeTarget followed(strDb);
        for (int i = 0; i < 5; ++i)
            Sql(strDb, "UPDATE characters SET level = level + 1 WHERE id = 5");
        lFollowed = Generation(followed);
        ASSERT_EQ(followed.Stop(), 0);
    }
    Copy(served.dir.File("copy.db"), strDb);
    ServeTarget copy(strDb);
    const std::int64_t lCopy = Generation(copy);
    EXPECT_GT(lCopy, lFollowed);
    for (int i = 0; i < 10; ++i)
        Sql(strDb, "UPDATE characters SET level = level + 1 WHERE id = 6");
    EXPECT_EQ(AskFeed(copy, std::to_string(lFollowed)).iCode, 1070);
    const Changes since = AskFeed(copy, std::to_string(lCopy));
    ASSERT_EQ(since.iCode, 800);
    ASSERT_EQ(since.records.size(), 1u);
    EXPECT_EQ(since.records[0].first, 6);
}

// Whatever writes a column that the tree record shows, the feed reports it: the file's triggers
// watch every column of the record's table, and the order of a patron's vassals.
TEST(FeedTriggers, EveryColumnOfTheTreeRecordIsWatched) {
    ServedScene served;
    Tree held = Download(served.target);
    std::int64_t lHeld = Generation(served.target);
    std::vector<std::string> changes;
    for (const zorv::TreeFieldInfo& field : zorv::kTreeFields) {
        const std::string strColumn = field.szColumn ? field.szColumn : "";
        if (field.field == zorv::TreeField::Name)
            changes.push_back("name = 'Renamed', name_key = 'renamed'");
        else if (field.field == zorv::TreeField::Id)
            changes.push_back("id = 77");
        else if (field.field == zorv::TreeField::Patron)
            changes.push_back("patron_id = 2");
        else if (!strColumn.empty() && field.field != zorv::TreeField::Revision)
            changes.push_back(strColumn + " = CASE " + strColumn + " WHEN 0 THEN 1 ELSE 0 END");
    }
    changes.push_back(std::string(zorv::kVassalOrderColumn) + " = 0");
    int id = S::Vassal; // a leaf whose name is no test's login
    for (const std::string& strChange : changes) {
        Sql(served.strDb,
            "UPDATE characters SET " + strChange + " WHERE id = " + std::to_string(id));
        if (strChange == "id = 77")
            id = 77;
        const Changes feed = AskFeed(served.target, std::to_string(lHeld));
        ASSERT_EQ(feed.iCode, 800);
        EXPECT_GT(feed.lGeneration, lHeld) << strChange;
        Apply(held, feed);
        EXPECT_EQ(held.records, Download(served.target).records) << strChange;
        lHeld = feed.lGeneration;
    }
}

// A client that hangs up while its watch is held gives its place back at once, not when the
// wait ends.
TEST(FeedHolding, AWatcherThatHangsUpGivesItsPlaceBack) {
    ServedScene served({"--held-per-address", "1"});
    ServeTarget& target = served.target;
    const int fd = StartWatch(target);
    ASSERT_GE(fd, 0);
    const std::string strSince = std::to_string(Generation(target));
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    auto Ask = [&] {
        return std::async(std::launch::async, [&] { return AskFeed(target, strSince, "30"); });
    };
    // Held: the address's one place is taken, so the next watch is answered at once.
    std::future<Changes> next = Ask();
    ASSERT_EQ(next.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    close(fd);
    // The place comes back: a watch is held again, until a change.
    bool bHeld = false;
    for (int i = 0; i < 50 && !bHeld; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        next = Ask();
        bHeld = next.wait_for(std::chrono::milliseconds(300)) == std::future_status::timeout;
    }
    ASSERT_TRUE(bHeld);
    Sql(served.strDb, "UPDATE characters SET level = 78 WHERE id = 6");
    EXPECT_EQ(next.get().records.size(), 1u);
}

// However many addresses ask, the server holds no more than its cap in all: the one over it is
// answered at once, as one over an address's share is.
TEST(FeedHolding, TheServerHoldsNoMoreThanItsCap) {
    ServedScene served({"--held-per-address", "100", "--held-in-all", "6"});
    std::vector<std::future<Changes>> held =
        HoldSix(served.target, std::to_string(Generation(served.target)));
    for (auto& one : held)
        EXPECT_EQ(one.wait_for(std::chrono::seconds(0)), std::future_status::timeout);
    EXPECT_EQ(served.target.Stop(), 0);
}

// Every client behind one address asks again at once after each change: a burst of watches far
// past the address's ordinary share is held whole, none closed unanswered. Past the share an
// ordinary request is refused with an answer, and a connection that sends nothing is ended at
// its short probation, well before the header's own deadline. A watch that came on an ordinary
// connection gives its place back once its request is read.
TEST(FeedHolding, ABurstOfWatchesPastTheOrdinaryShareIsHeld) {
    ServedScene served(
        {"--per-address", "4", "--held-per-address", "40", "--header-seconds", "60"});
    ServeTarget& target = served.target;
    const std::string strSince = std::to_string(Generation(target));
    const std::string strAsk = target.RequestBytes("Hero", "heropass1", 104, {});
    // The silent connections fill the ordinary share, and every watch of the burst comes past
    // it. Two threads accept, so a later connection may be counted before an earlier one, and
    // connections just closed may still be counted: the share is known to be theirs once all
    // four outlive the probation (one counted past the share would have been ended) and an
    // ordinary request is refused.
    std::vector<int> silent;
    for (int iTry = 0; iTry < 5 && silent.empty(); ++iTry) {
        for (int i = 0; i < 4; ++i)
            silent.push_back(ConnectLoopback(target.Port()));
        std::this_thread::sleep_for(std::chrono::milliseconds(3500));
        const bool bAllOpen = std::all_of(silent.begin(), silent.end(),
                                          [](int fd) { return ReadFor(fd, 0).empty(); });
        if (bAllOpen && RawExchange(target.Port(), strAsk).substr(0, 12) == "HTTP/1.1 503")
            break;
        for (int fd : silent)
            close(fd);
        silent.clear();
    }
    ASSERT_EQ(silent.size(), 4u);
    std::vector<std::future<Changes>> waits;
    for (int i = 0; i < 30; ++i)
        waits.push_back(std::async(
            std::launch::async, [&target, strSince] { return AskFeed(target, strSince, "30"); }));

    const std::string strBusy = RawExchange(target.Port(), strAsk);
    EXPECT_EQ(strBusy.substr(0, 12), "HTTP/1.1 503") << strBusy;
    EXPECT_NE(strBusy.find("Retry-After: 1"), std::string::npos) << strBusy;
    const int fdLate = ConnectLoopback(target.Port());
    const std::string strLate = ReadFor(fdLate, 30);
    close(fdLate);
    EXPECT_EQ(strLate.substr(0, 12), "HTTP/1.1 408") << strLate;
    for (int fd : silent) {
        EXPECT_TRUE(ReadFor(fd, 0).empty()) << "an ordinary connection was ended at probation";
        close(fd);
    }

    // An ordinary request is served again within a while, or never.
    auto Served = [&] {
        for (int i = 0; i < 100; ++i) {
            if (RawExchange(target.Port(), strAsk).substr(0, 12) == "HTTP/1.1 200")
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return false;
    };
    ASSERT_TRUE(Served()) << "the silent connections' places did not come back";
    // Four watches sent before the next ordinary request is accepted take the four ordinary
    // places, and give them back as they are held.
    const std::string strWatch = target.RequestBytes(S::Name(S::Other), S::Password(S::Other), 120,
                                                     {{"since", strSince}, {"wait", "30"}});
    std::vector<int> ordinaryWatches;
    for (int i = 0; i < 4; ++i) {
        ordinaryWatches.push_back(ConnectLoopback(target.Port()));
        ASSERT_EQ(send(ordinaryWatches.back(), strWatch.data(), strWatch.size(), 0),
                  ssize_t(strWatch.size()));
    }
    EXPECT_TRUE(Served()) << "held watches kept their ordinary places";

    Sql(served.strDb, "UPDATE characters SET level = 77 WHERE id = 6");
    for (auto& one : waits) {
        const Changes changes = one.get();
        EXPECT_EQ(changes.iCode, 800);
        EXPECT_EQ(changes.records.size(), 1u);
    }
    for (int fd : ordinaryWatches) {
        const std::string strAnswer = ReadFor(fd, 10);
        EXPECT_NE(strAnswer.find("<START_HERE>800;"), std::string::npos) << strAnswer;
        close(fd);
    }
    EXPECT_EQ(As(target, S::Self, 104).iCode, 800);
}

} // namespace
