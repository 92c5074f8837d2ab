#include "TreeFeed.h"

#include "Database.h"
#include "TreeCache.h"
#include "TreeRecord.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <tuple>

namespace {

std::int64_t StateValue(Database& db, const char* szKey) {
    Statement query(db, "SELECT value FROM server_state WHERE key = ?1");
    query.Bind(1, std::string(szKey));
    std::int64_t lValue = query.Step() ? query.Int(0) : -1;
    query.Reset();
    return lValue;
}

} // namespace

std::int64_t FeedGeneration(Database& db) {
    return StateValue(db, "feed_generation");
}

TreeChanges ReadTreeChanges(Database& db, std::int64_t lSince) {
    TreeChanges changes;
    changes.lGeneration = FeedGeneration(db);
    const std::int64_t lFrom = StateValue(db, "tree_changes_from");
    // A generation above the file's own was handed out by another file (one restored over this
    // one from a copy, say), and one below the record's start cannot be answered.
    if (changes.lGeneration < 0 || lFrom < 0 || lSince < lFrom || lSince > changes.lGeneration) {
        changes.bTooOld = true;
        return changes;
    }
    if (lSince == changes.lGeneration)
        return changes;
    // Reading the changes costs about a download's worth for every few thousand of them: past
    // an eighth of the guild (and a few hundred), the cached whole tree is the cheaper answer.
    Statement members(db, "SELECT count(*) FROM characters");
    const std::int64_t lMembers = members.Step() ? members.Int(0) : 0;
    members.Reset();
    Statement many(db, "SELECT count(*) FROM (SELECT 1 FROM tree_changes WHERE generation > ?1 "
                       "LIMIT ?2)");
    const std::int64_t lMost = std::max<std::int64_t>(kFewestFeedRows, lMembers / 8);
    many.Bind(1, lSince);
    many.Bind(2, lMost + 1);
    const bool bTooMany = many.Step() && many.Int(0) > lMost;
    many.Reset();
    if (bTooMany) {
        changes.bTooOld = true;
        return changes;
    }
    Statement changed(db, "SELECT DISTINCT id FROM tree_changes WHERE generation > ?1");
    changed.Bind(1, lSince);
    std::vector<int> ids;
    while (changed.Step())
        ids.push_back(static_cast<int>(changed.Int(0)));
    changed.Reset();

    static const std::string strRowSql =
        TreeRowSelect(true) + ", " + zorv::kVassalOrderColumn + " FROM characters WHERE id = ?1";
    Statement row(db, strRowSql.c_str());
    Statement vassals(db, "SELECT id FROM characters WHERE patron_id = ?1 ORDER BY join_seq");
    // The payload's order: by patron, then joining order.
    std::vector<std::tuple<int, std::int64_t, std::string>> records;
    for (int id : ids) {
        row.Bind(1, id);
        if (!row.Step()) {
            row.Reset();
            changes.left.push_back(id);
            continue;
        }
        TreeRow tree = ReadTreeRow(row, true);
        const std::int64_t lJoinSeq = row.Int(TreeRowColumns(true));
        row.Reset();
        std::string strList;
        vassals.Bind(1, id);
        while (vassals.Step()) {
            if (!strList.empty())
                strList += ',';
            strList += std::to_string(vassals.Int(0));
        }
        vassals.Reset();
        records.emplace_back(tree.iPatron, lJoinSeq, TreeRecord(tree, strList));
    }
    std::sort(changes.left.begin(), changes.left.end());
    std::sort(records.begin(), records.end(), [](const auto& a, const auto& b) {
        return std::tie(std::get<0>(a), std::get<1>(a)) < std::tie(std::get<0>(b), std::get<1>(b));
    });
    for (const auto& record : records)
        changes.strRecords += std::get<2>(record);
    return changes;
}

void RestartTreeChanges(Database& db) {
    db.Exec("DELETE FROM tree_changes; "
            "UPDATE server_state SET value = (SELECT value FROM server_state "
            "WHERE key = 'feed_generation') WHERE key = 'tree_changes_from';");
}

namespace {

std::string ServedPath(const std::string& strDbPath) {
    return strDbPath + "-served";
}

} // namespace

std::int64_t ServedGeneration(const std::string& strDbPath) {
    std::ifstream in(ServedPath(strDbPath));
    std::int64_t lServed = -1;
    if (!(in >> lServed))
        return -1;
    return lServed;
}

void NoteServedGeneration(const std::string& strDbPath, std::int64_t lGeneration) {
    if (lGeneration <= ServedGeneration(strDbPath))
        return;
    // Written beside and renamed over, so that a reader never sees half a number. Two processes
    // noting at once may leave the lower of their two: what was handed out earlier still stands
    // below the file's generation, and only a file gone back in time falls under it.
    const std::string strTemp = ServedPath(strDbPath) + ".tmp" + std::to_string(getpid());
    {
        std::ofstream out(strTemp, std::ios::trunc);
        out << lGeneration << "\n";
        if (!out)
            return;
    }
    if (std::rename(strTemp.c_str(), ServedPath(strDbPath).c_str()) != 0)
        std::remove(strTemp.c_str());
}

bool ContinuePastServed(Database& db, std::int64_t lServed) {
    const std::int64_t lNow = FeedGeneration(db);
    if (lNow < 0 || lServed < 0 || lNow >= lServed)
        return false;
    Statement past(db, "UPDATE server_state SET value = ?1 WHERE key = 'feed_generation'");
    past.Bind(1, lServed + 1);
    past.Step();
    past.Reset();
    RestartTreeChanges(db);
    return true;
}
