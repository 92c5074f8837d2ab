#pragma once
// The password length rule as the dialogs word it.
#include <QString>

// The message for a password outside the allowed length, or an empty text when it fits.
QString PasswordLengthProblem(const QString& strPassword);
