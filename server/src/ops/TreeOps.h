#pragma once
// The allegiance tree: its download and the three changes to its shape. Each change compares the
// client's picture of the patrons involved with the stored one, so that nobody acts on a stale
// tree; the shape rules (no cycle, the vassal cap, unique names) hold inside the transaction.
#include "Call.h"
#include "TreeCache.h"

// The tree payload from the call's cache; one it had to build comes back in call.treeToKeep
// too, for TreeCache::Keep once the transaction has ended.
Reply TreeOp(Call& call);
Reply AddVassalOp(Call& call);
Reply RemoveVassalOp(Call& call);
Reply ChangePatronOp(Call& call);
