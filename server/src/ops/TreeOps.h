#pragma once
// The allegiance tree: its download and the three changes to its shape. Each change compares the
// client's picture of the patrons involved with the stored one, so that nobody acts on a stale
// tree; the shape rules (no cycle, the vassal cap, unique names) hold inside the transaction.
#include "Call.h"
#include "TreeCache.h"

// The tree payload from the call's cache; one it had to build comes back in call.treeToKeep
// too, for TreeCache::Keep once the transaction has ended.
Reply TreeOp(Call& call);
// The change feed (TreeFeed.h): the header record "generation|left ids" and the tree records of
// those that joined or changed since the `since` field's generation (only the header when it is
// empty); CodeFeedTooOld when that cannot be answered exactly. With `wait` seconds (at most
// kMaxFeedWait) and nothing changed, a request the front may hold comes back with Reply::hold.
Reply TreeChangesOp(Call& call);
inline constexpr int kMaxFeedWait = 30;
Reply AddVassalOp(Call& call);
Reply RemoveVassalOp(Call& call);
Reply ChangePatronOp(Call& call);
