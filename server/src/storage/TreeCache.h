#pragma once
// The tree payload (operation 100) is built once per change of the tree and served from a cache
// until the next change. The guild file counts the changes itself: triggers on the characters
// table raise `tree_generation` whenever a character joins, leaves, or changes a field the
// payload shows, whoever writes it (an operation, a restore, or SQL by hand). The payload of a
// generation is kept in the guild file (table tree_cache), so that the CGI program's processes
// share it, and in memory for a long-running server. Other answers that change only with the
// guild's changes (the guild's facts, its weekly activity, the change feed's answer from each
// generation asked from) are kept in memory beside it, each for the feed generation it was built
// at. Thread-safe.
#include "Records.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

class Database;

class Statement;

// The tree payload built afresh from the characters, as the caller's transaction sees them.
std::string BuildTreePayload(Database& db);

// One character's record as the tree payload shows it (zorv::kTreeFields), its fields in record
// order, the vassal list left empty; with bFeed, the revision after them, as the change feed
// sends it.
struct TreeRow {
    int id = 0;
    int iPatron = 0;
    zorv::Fields fields;
};
// "SELECT " and the record's columns in record order, for ReadTreeRow; the caller adds what
// follows them (the first at TreeRowColumns(bFeed)) and its FROM.
const std::string& TreeRowSelect(bool bFeed);
int TreeRowColumns(bool bFeed);
TreeRow ReadTreeRow(Statement& query, bool bFeed);
// The row's record of the payload, with its vassal list ("4,9,12").
std::string TreeRecord(TreeRow& row, const std::string& strVassals);
// For a trigger on `characters`: whether a change of OLD into NEW changes the tree payload, or
// with bSame, whether it leaves it as it was; the feed's revision counts as neither.
std::string TreeColumnsDiffer(bool bSame);

// The guild file's count of changes to the tree; -1 for a file without it.
std::int64_t TreeGeneration(Database& db);

class TreeCache {
public:
    struct Built {
        std::int64_t lGeneration;
        std::shared_ptr<const std::string> pPayload;
    };

    // The payload of the tree as the caller's open transaction sees it: from memory, from the
    // guild file, or built (BuildTreePayload). A payload that had to be built comes back in
    // toKeep as well, for Keep once the transaction has ended.
    std::shared_ptr<const std::string> Payload(Database& db, std::optional<Built>& toKeep);

    // Stores a built payload in the guild file for other processes, unless the tree changed
    // since or the file is busy: the cache is worth no wait.
    static void Keep(Database& db, const Built& built);

    // The answer kept under strKey for lState (a feed generation, which every change and every
    // save raises), or the one Build makes, kept for the next caller; Build runs without the
    // cache's lock, in the caller's transaction. A negative lState keeps nothing.
    std::shared_ptr<const std::string> Answer(const std::string& strKey, std::int64_t lState,
                                              const std::function<std::string()>& Build);

private:
    std::mutex m_mutex;
    Built m_memory{-1, nullptr};
    std::map<std::string, Built> m_answers;
};
