#pragma once
// The lists every member may read (rescue squad, portals, trade skills) and the skill search;
// each answers with a run of records.
#include "Call.h"

Reply RescueListOp(Call& call);
Reply PortalListOp(Call& call);
Reply TradeSkillsOp(Call& call);
Reply SearchOp(Call& call);
