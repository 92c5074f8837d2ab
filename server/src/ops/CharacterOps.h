#pragma once
// One character: the login reply that describes the caller, the character sheet, and its save.
#include "Call.h"

Reply LoginOp(Call& call);
Reply CharacterOp(Call& call);
Reply SaveOp(Call& call);
