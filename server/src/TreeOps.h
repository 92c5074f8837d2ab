#pragma once
// The allegiance tree: its download and the three changes to its shape. Each change compares the
// client's picture of the patrons involved with the stored one, so that nobody acts on a stale
// tree; the shape rules (no cycle, the vassal cap, unique names) hold inside the transaction.
#include "Call.h"
#include "TreeCache.h"

// The tree payload from the cache; one it had to build comes back in toKeep too, for
// TreeCache::Keep once the transaction has ended.
// The tree payload built afresh from the characters, as the caller's transaction sees them.
std::string BuildTreePayload(Database& db);
Reply TreeOp(Call& call, TreeCache& cache, std::optional<TreeCache::Built>& toKeep);
Reply AddVassalOp(Call& call);
Reply RemoveVassalOp(Call& call);
Reply ChangePatronOp(Call& call);
