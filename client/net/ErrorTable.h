#pragma once
// The server's error codes and the message each one shows. Several codes share one text.
#include <QString>
#include <optional>

// The text for a code of the table; nullopt for a code the table does not hold.
std::optional<QString> ServerErrorText(int iCode);

// The text of a code whose message names what its reply's payload carries ("NAME|N" for a
// throttled login; the sentence naming the refused value of a 991 or 992); nullopt for the other
// codes and for a 991 or 992 without a payload.
std::optional<QString> ServerErrorText(int iCode, const QString& strPayload);

// Codes after which the user is sent back to the login (951 and 954 only for the own login).
bool ErrorReturnsToLogin(int iCode, bool bLoginAsDifferent);
