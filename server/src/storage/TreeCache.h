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

// One character's fields as the tree payload shows them, read by kTreeRowColumns.
struct TreeRow {
    int id;
    std::string strName;
    int iLevel, iRank, iPatron, iMule, iPK, iRescue;
};
inline constexpr const char kTreeRowColumns[] =
    "SELECT id, name, level, rank, patron_id, is_mule, is_pk, is_rescue";
TreeRow ReadTreeRow(Statement& query);
// The row's record of the payload, with its vassal list ("4,9,12"); with a revision (0 or more)
// as a tenth field, as the change feed sends it.
std::string TreeRecord(const TreeRow& row, const std::string& strVassals,
                       std::int64_t lRevision = -1);

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
