#pragma once
// The lists every member may read (rescue squad, portals, trade skills) and the skill search;
// each answers with a run of records.
#include "Call.h"

Reply RescueListOp(Call& call);
Reply PortalListOp(Call& call);
Reply TradeSkillsOp(Call& call);
Reply SearchOp(Call& call);
// The guild's vassal cap, then the facts of every member that the tree payload leaves out;
// with admin=1 from an administrator, who is still on the default password and when each
// administrator last logged in (988 to anyone else). Never a password or its hash.
Reply GuildFactsOp(Call& call);
