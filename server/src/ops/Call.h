#pragma once
// What every operation gets, and the checks that operations of more than one family share. Each
// operation runs inside the transaction Guild opened for it and returns the reply; the caller is
// already authenticated (except the first set-up). The operations live by family: TreeOps,
// CharacterOps, AdminOps and ListOps.
#include "FormKeys.h"
#include "GuildOptions.h"
#include "HistoryStore.h"
#include "Reply.h"
#include "Store.h"
#include "Text.h"
#include "TreeCache.h"

#include <map>
#include <optional>
#include <string>

using Form = std::map<std::string, std::string>;

// A form field's value; an empty text for a field the request does not carry.
const std::string& FormValue(const Form& form, const char* szName);
bool HasField(const Form& form, const char* szName);
// An id field: a whole number in the 16-bit range, blanks around it allowed.
std::optional<int> IdField(const Form& form, const char* szName);

// What every operation gets: the store, the form, who is asking, and how the guild is kept.
struct Call {
    Database& db;
    Store& store;
    const Form& form;
    const Member& me;
    const GuildOptions& options;
    // The hash of the operation's password field, made before the write lock was taken; empty
    // when iHashCode (the field's own check) refused to have it made.
    std::string strHash;
    int iHashCode = 0;
    // The tree download's cache; a payload it had to build, for the cache once the transaction
    // has ended.
    TreeCache* pTreeCache = nullptr;
    std::optional<TreeCache::Built> treeToKeep;
    // What the operation changed, an entry for the history each: written by the dispatcher once
    // the operation has succeeded, unless the guild keeps no history (history::WriteChanges).
    std::vector<history::Entry> changes;
    // The front may hold this request until the tree changes (Request::bMayHold).
    bool bMayHold = false;
    // An undo's own entry, which the undo writes to the history itself: for the chat
    // notifications, which tell it as the reverse of the change it undid.
    std::vector<history::Entry> undone;
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
// A refused value's reply: the code and the escaped fields "sentence|refusal|parameter|...": the
// English sentence that says which value and why, then what a client composes it from in its
// user's language (Refusals.h). The oldest clients show their message for the code alone.
Reply RefuseValue(int iCode, const Fault& fault);
// A refusal in one English sentence, for the refusals the table does not hold.
Reply RefuseValue(int iCode, const std::string& strWhy);
