#pragma once
// The operations behind each msgid. Each runs inside the transaction Guild opened for it and
// returns the reply; the caller is already authenticated (except the first set-up).
#include "Guild.h"
#include "Store.h"

#include <map>
#include <string>

using Form = std::map<std::string, std::string>;

// A form field's value; an empty text for a field the request does not carry.
const std::string& FormValue(const Form& form, const char* szName);

// What every operation gets: the store, the form, and who is asking.
struct Call {
    Database& db;
    Store& store;
    const Form& form;
    const Member& me;
};

bool IsWriteOperation(int iMsgId);

Reply TreeOp(Call& call);
Reply AddVassalOp(Call& call);
Reply RemoveVassalOp(Call& call);
Reply ChangePatronOp(Call& call);
Reply LoginOp(Call& call);
Reply SaveOp(Call& call);
Reply CharacterOp(Call& call);
// Hashing is slow, so it runs before the write lock is taken: the request's new password is
// checked first (NewPasswordCode, ServerSetupCode) and hashed only when acceptable.
int NewPasswordCode(const Form& form);
int ServerSetupCode(const Form& form);
Reply ChangePasswordOp(Call& call, int iPasswordCode, const std::string& strNewHash);
// strNewDefaultHash is empty when the default password stays as it is.
Reply ServerSetupOp(Call& call, const std::string& strNewDefaultHash);
Reply ResetPasswordOp(Call& call);
Reply BackupOp(Call& call);
Reply SecurityLevelOp(Call& call);
Reply RescueListOp(Call& call);
Reply PortalListOp(Call& call);
Reply TradeSkillsOp(Call& call);
Reply SearchOp(Call& call);

// First set-up of an unset server; the caller becomes the monarch and an administrator.
// InitServerCode checks the request before its passwords are hashed; InitServerOp writes it.
int InitServerCode(const Form& form);
Reply InitServerOp(Database& db, Store& store, const Form& form, const std::string& strOwnHash,
                   const std::string& strDefaultHash);

// Password rules shared by the set-up and the password change: 0 when acceptable, else
// CodePasswordTooLong or CodePasswordTooShort.
int PasswordLengthCode(const std::string& strPassword);
