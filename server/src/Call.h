#pragma once
// What every operation gets, and the checks that operations of more than one family share. Each
// operation runs inside the transaction Guild opened for it and returns the reply; the caller is
// already authenticated (except the first set-up). The operations live by family: TreeOps,
// CharacterOps, AdminOps and ListOps.
#include "Guild.h"
#include "Store.h"

#include <map>
#include <optional>
#include <string>

using Form = std::map<std::string, std::string>;

// A form field's value; an empty text for a field the request does not carry.
const std::string& FormValue(const Form& form, const char* szName);
bool HasField(const Form& form, const char* szName);
// An id field: a whole number in the 16-bit range, blanks around it allowed.
std::optional<int> IdField(const Form& form, const char* szName);
// Text that is stored and later sent inside a reply may hold neither marker: the client cuts the
// payload out by them alone.
bool HoldsMarker(const std::string& strText);

// What every operation gets: the store, the form, and who is asking.
struct Call {
    Database& db;
    Store& store;
    const Form& form;
    const Member& me;
    // Whether changes are written to the history (History.h); off only when the server keeps
    // none.
    bool bRecordHistory = true;
};

bool IsAdmin(const Member& me);
// Acting on a character is allowed to itself, to anyone above it, and to an administrator.
bool MayActOn(Store& store, const Member& me, int iTarget);
// The character an id field names: 0 with `member` filled, else iNotAnId when the field holds no
// id and iNotFound when no character has it.
int FindByIdField(Call& call, const char* szField, int iNotAnId, int iNotFound, Member& member);
// The `charid` every changing operation carries must be the caller's own id: 0, or the code that
// refuses it.
int CheckCharId(Call& call);

Reply Ok(std::string strPayload = std::string());
