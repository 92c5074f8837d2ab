#pragma once
// The server's error codes and the message each one shows. Several codes share one text.
#include "Records.h"

#include <QString>
#include <optional>

// The text for a code of the table; nullopt for a code the table does not hold.
std::optional<QString> ServerErrorText(int iCode);

// The text of a code whose message names what its reply's payload carries ("NAME|N" for a
// throttled login; the sentence naming the refused value of a 991 or 992); nullopt for the other
// codes and for a 991 or 992 without a payload.
std::optional<QString> ServerErrorText(int iCode, const QString& strPayload);
// A refusal's sentence in the user's language (a refused value, an undo that cannot be made),
// composed from the refusal and parameters that follow the server's English sentence in fields;
// the English sentence itself when the server sent none (an older server) or a refusal this
// client does not know (a newer one). fields holds at least the sentence.
QString RefusalSentence(const zorv::Fields& fields);

// Codes after which the user is sent back to the login (951 and 954 only for the own login).
bool ErrorReturnsToLogin(int iCode, bool bLoginAsDifferent);
