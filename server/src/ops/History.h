#pragma once
// The change history's operations: a character's entries and the guild's recent changes, and an
// administrator's undo of one entry, which checks that it still applies, refuses with the reason
// when it does not, and is an entry of its own. What the history keeps is in HistoryStore.h.
#include "Call.h"
#include "HistoryStore.h"

#include <cstdint>

namespace history {

// Writes the changes the call's operation made, as the caller's, unless the guild keeps no
// history.
void WriteChanges(const Call& call);

// Operation 117: one character's entries, newest first, a page at a time. Operation 118: the
// whole guild's.
Reply CharacterHistoryOp(Call& call);
Reply RecentChangesOp(Call& call);
// Operation 119: an administrator undoes one entry.
Reply UndoOp(Call& call);
// Operation 122: the guild's joins and departures per week over the last kActivityWeeks weeks,
// with how much history the guild keeps.
inline constexpr int kActivityWeeks = 26;
Reply GuildActivityOp(Call& call);

} // namespace history
