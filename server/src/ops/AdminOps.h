#pragma once
// Administration: the first set-up of a server, its later set-up, passwords (a member's change,
// an administrator's reset), the backup and security levels.
#include "Call.h"

// Hashing is slow, so it runs before the write lock is taken: the request's new password is
// checked first and hashed only when acceptable (the operations table names the field and the
// check); the operation finds the hash, or the check's refusal, in the call.
// The new password (newpw): NewPasswordCode.
int NewPasswordCode(const Form& form);
Reply ChangePasswordOp(Call& call);
// The new default password (defaultpw), which may be left out: ServerSetupHashCode. No hash
// means the default password stays as it is.
int ServerSetupCode(const Form& form);
int ServerSetupHashCode(const Form& form, const Member& me);
Reply ServerSetupOp(Call& call);
Reply ResetPasswordOp(Call& call);
Reply BackupOp(Call& call);
Reply SecurityLevelOp(Call& call);

// First set-up of an unset server; the caller becomes the monarch and an administrator.
// InitServerCode checks the request before its passwords are hashed; InitServerOp writes it.
int InitServerCode(const Form& form);
Reply InitServerOp(Database& db, Store& store, const Form& form, const std::string& strOwnHash,
                   const std::string& strDefaultHash, const GuildOptions& options);
