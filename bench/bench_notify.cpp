// The chat notifications' targets, measured in this process on a generated guild of 1 000 members
// and printed as one table:
//   - an addition and a removal with three targets that hear of every kind, against none: the
//     messages are written in the change's transaction, so this is what they cost an operation;
//   - 1 000 changes queued while the receiver is down (long enough for the sender's backoff to
//     reach its longest), then the time from the receiver's return until the last of them has
//     arrived, and that they arrived in order, each once.
#include "Courier.h"
#include "Database.h"
#include "Demo.h"
#include "Guild.h"
#include "Passwords.h"

#include "BenchLoad.h"
#include "Receiver.h"

#include <filesystem>
#include <optional>
#include <thread>

namespace {

using namespace bench;
namespace fs = std::filesystem;

struct Changes {
    Guild& guild;
    std::string strLeaf, strPatron;
    int nRefused = 0;

    Reply Handle(const std::string& strForm) {
        return guild.Handle({"charname=Seed Monarch&password=seedpass1&charid=1&msgid=" + strForm,
                             "ZORV 0.3", "127.0.0.1"});
    }
    // An addition under the leaf and its removal: two changes, each timed.
    void Round(int i, std::vector<double>* pAdd, std::vector<double>* pRemove) {
        const std::string strName =
            "Bench " + std::string(1, char('a' + i % 26)) + std::string(1, char('a' + i / 26 % 26));
        auto start = Clock::now();
        Reply added = Handle("101&addtoid=" + strLeaf + "&vassalname=" + strName +
                             "&vassallist=&patronid=" + strPatron);
        if (pAdd)
            pAdd->push_back(Milliseconds(Clock::now() - start));
        start = Clock::now();
        Reply removed = Handle("102&vassalid=" + added.strPayload + "&patronid=" + strLeaf +
                               "&vassallist=" + added.strPayload);
        if (pRemove)
            pRemove->push_back(Milliseconds(Clock::now() - start));
        nRefused += (added.iCode != 800) + (removed.iCode != 800);
    }
};

std::string SqlText(const std::string& strDb, const std::string& strQuery) {
    Database db(strDb, Database::Mode::OpenExisting);
    Statement query(db, strQuery.c_str());
    std::string strValue = query.Step() ? query.Text(0) : std::string();
    query.Reset();
    return strValue;
}

void Exec(const std::string& strDb, const std::string& strSql) {
    Database db(strDb, Database::Mode::OpenExisting);
    db.Exec(strSql);
}

} // namespace

// --cost-only: the first figures alone, without the two minutes of the second.
int main(int argc, char** argv) {
    const bool bCostOnly = argc > 1 && std::string(argv[1]) == "--cost-only";
    const fs::path dir =
        fs::temp_directory_path() / ("zorv-bench-notify-" + std::to_string(getpid()));
    fs::create_directories(dir);
    const std::string strDb = (dir / "guild.db").string();
    CreateSeededGuild(strDb, 1000, SeedShape::Wide);
    // Newcomers join a leaf and leave again.
    const std::string strLeaf = SqlText(strDb, "SELECT id FROM characters c WHERE NOT EXISTS "
                                               "(SELECT 1 FROM characters v WHERE v.patron_id = "
                                               "c.id) ORDER BY id LIMIT 1");
    const std::string strPatron =
        SqlText(strDb, "SELECT patron_id FROM characters WHERE id = " + strLeaf);
    CredentialCache cache;
    std::vector<Row> rows;

    {
        Guild guild(strDb, &cache);
        Changes changes{guild, strLeaf, strPatron};
        const std::string strTargets =
            "INSERT INTO notify_targets(url, format, kinds, created) VALUES "
            "('https://chat.example/a', 'discord', 'joins,departures,moves,security,setup', ''), "
            "('https://chat.example/b', 'slack', 'joins,departures,moves,security,setup', ''), "
            "('https://chat.example/c', 'json', 'joins,departures,moves,security,setup', '')";
        for (int i = 0; i < 20; ++i) // warm the caches and the file
            changes.Round(i, nullptr, nullptr);
        // Short alternating stretches, so that a slow stretch of the machine falls on both.
        std::vector<double> addWith, addWithout, removeWith, removeWithout;
        Database toggle(strDb, Database::Mode::OpenExisting);
        for (int r = 0; r < 40; ++r) {
            toggle.Exec("DELETE FROM notify_outbox; DELETE FROM notify_targets");
            for (int i = 0; i < 10; ++i)
                changes.Round(i, &addWithout, &removeWithout);
            toggle.Exec(strTargets);
            for (int i = 0; i < 10; ++i)
                changes.Round(i, &addWith, &removeWith);
        }
        const std::string strQueued = SqlText(strDb, "SELECT count(*) FROM notify_outbox");
        rows.push_back({"  changes refused during those runs", "0",
                        std::to_string(changes.nRefused), changes.nRefused == 0});
        rows.push_back({"  messages written by the last stretch with targets", "60", strQueued,
                        strQueued == "60"});
        for (const auto& [szOp, with, without] :
             {std::make_tuple("add", addWith, addWithout),
              std::make_tuple("remove", removeWith, removeWithout)}) {
            double dWith = Percentile(with, 0.5), dWithout = Percentile(without, 0.5);
            rows.push_back({std::string(szOp) + ", three targets against none (median)", "<= 1.1x",
                            Format("%.2f", dWith / dWithout) + Format("x (%.2f", dWith) +
                                Format(" / %.2f ms)", dWithout),
                            dWith <= 1.1 * dWithout});
        }
    }

    if (!bCostOnly) {
        Exec(strDb, "DELETE FROM notify_outbox; DELETE FROM notify_targets");
        Receiver receiver(false);
        Exec(strDb, "INSERT INTO notify_targets(url, format, kinds, created) VALUES "
                    "('" +
                        receiver.Url("/hook") + "', 'json', 'joins,departures', '')");
        GuildOptions options;
        notify::Courier courier(strDb);
        options.onNotices = [&courier, strDb] { courier.Wake(strDb); };
        Guild guild(strDb, &cache, options);
        Changes changes{guild, strLeaf, strPatron};
        const auto down = Clock::now();
        for (int i = 0; i < 500; ++i)
            changes.Round(i, nullptr, nullptr);
        const std::string strFirst = SqlText(strDb, "SELECT min(id) FROM notify_outbox");
        // Down long enough for the backoff to reach its longest (5 + 10 + 20 + 30 s).
        std::this_thread::sleep_until(down + std::chrono::seconds(70));
        const auto back = Clock::now();
        receiver.Open();
        std::vector<long> ids;
        std::optional<Clock::time_point> first;
        while (Clock::now() - back < std::chrono::seconds(120)) {
            ids.clear();
            for (const Receiver::Arrival& arrival : receiver.Arrivals())
                ids.push_back(std::atol(arrival.strDelivery.c_str()));
            if (!ids.empty() && !first)
                first = Clock::now();
            if (ids.size() >= 1000)
                break;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        const double dSeconds = Milliseconds(Clock::now() - back) / 1000;
        bool bInOrder = ids.size() >= 1000;
        for (std::size_t i = 0; i < ids.size() && bInOrder; ++i)
            bInOrder = ids[i] == std::atol(strFirst.c_str()) + static_cast<long>(i);
        rows.push_back({"1 000 changes queued while the receiver was down: all delivered after "
                        "its return",
                        "<= 60 s",
                        ids.size() >= 1000 ? Format("%.1f s", dSeconds)
                                           : std::to_string(ids.size()) + " delivered",
                        ids.size() >= 1000 && dSeconds <= 60});
        if (first)
            rows.push_back({"  of which the sender's wait for its next try (at most 30 s)", "",
                            Format("%.1f s", Milliseconds(*first - back) / 1000), true});
        rows.push_back({"  in order, each once", "yes", bInOrder ? "yes" : "no", bInOrder});
    }
    PrintTable(rows);
    fs::remove_all(dir);
    bool bMet = true;
    for (const Row& row : rows)
        bMet = bMet && row.bMet;
    return bMet ? 0 : 1;
}
