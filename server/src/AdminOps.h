#pragma once
// Administration: the first set-up of a server, its later set-up, passwords (a member's change,
// an administrator's reset), the backup and security levels.
#include "Call.h"

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

// First set-up of an unset server; the caller becomes the monarch and an administrator.
// InitServerCode checks the request before its passwords are hashed; InitServerOp writes it.
int InitServerCode(const Form& form);
Reply InitServerOp(Database& db, Store& store, const Form& form, const std::string& strOwnHash,
                   const std::string& strDefaultHash, bool bRecordHistory);
