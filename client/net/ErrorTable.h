#pragma once
// The server's error codes and the message each one shows. Several codes share one text.
#include <QString>
#include <optional>

// The text for a code of the table; nullopt for a code the table does not hold.
std::optional<QString> ServerErrorText(int iCode);

// Codes after which the user is sent back to the login (951 only for the own login).
bool ErrorReturnsToLogin(int iCode, bool bLoginAsDifferent);
