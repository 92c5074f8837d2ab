#pragma once
// The change feed: what changed in the tree since a generation the caller holds, from the record
// of changes that the guild file's own triggers keep (Store.cpp, version 7). It answers exactly or
// not at all: a generation the record no longer reaches back to (trimmed, a restore) or one the
// file never had is "too old", and the caller downloads the whole tree.
#include <cstdint>
#include <string>
#include <vector>

class Database;

struct TreeChanges {
    std::int64_t lGeneration = -1; // the tree's generation as the caller's transaction sees it
    bool bTooOld = false;
    std::vector<int> left;  // ids of the characters that left, ascending
    std::string strRecords; // the tree records of those that joined or changed, in payload order
};

// What changed after lSince, read in the caller's open transaction.
TreeChanges ReadTreeChanges(Database& db, std::int64_t lSince);

// After a restore: the record starts again at the current generation, so that every generation
// handed out before it is too old.
void RestartTreeChanges(Database& db);
