#pragma once
// The change feed: what changed in the tree, and whose sheets were saved, since a generation the
// caller holds, from the record of changes that the guild file's own triggers keep (Store.cpp,
// version 7). Its generation is its own count (`feed_generation`): every change of the tree and
// every save. It answers exactly or not at all: a generation the record no longer reaches back to
// (trimmed, a restore), one the file never had, or one so far back that its changes would cost
// more than the tree is "too old", and the caller downloads the whole tree.
#include <cstdint>
#include <string>
#include <vector>

class Database;

struct TreeChanges {
    std::int64_t lGeneration = -1; // the feed's generation as the caller's transaction sees it
    bool bTooOld = false;
    std::vector<int> left; // ids of the characters that left, ascending
    // The tree records of those that joined, changed or were saved, in payload order, each with
    // the character's revision as a tenth field.
    std::string strRecords;
};

// The feed's generation now; -1 for a file without it.
std::int64_t FeedGeneration(Database& db);

// What changed after lSince, read in the caller's open transaction. More changes than an eighth
// of the guild's members (and more than kFewestFeedRows) are "too old" too: the whole tree,
// which the server keeps ready, costs less than reading them one by one.
inline constexpr std::int64_t kFewestFeedRows = 512;
TreeChanges ReadTreeChanges(Database& db, std::int64_t lSince);

// After a restore: the record starts again at the current generation, so that every generation
// handed out before it is too old.
void RestartTreeChanges(Database& db);

// The highest generation the feed has handed out from the guild file at strDbPath, kept beside it
// (FILE-served, outside the file, so that a copy of the file put back over it does not carry it
// back); -1 when none is known.
std::int64_t ServedGeneration(const std::string& strDbPath);
// Notes lGeneration as handed out, when it is higher than what is noted.
void NoteServedGeneration(const std::string& strDbPath, std::int64_t lGeneration);
// A file whose generation is below one already handed out was put back from an older copy: its
// history is not the one the clients followed. The feed then moves past every generation handed
// out and starts its record again, so that any of them is too old. In the caller's write
// transaction; true when it did.
bool ContinuePastServed(Database& db, std::int64_t lServed);
