#include "PasswordRules.h"

#include "Protocol.h"

#include <QCoreApplication>

QString PasswordLengthProblem(const QString& strPassword) {
    if (strPassword.size() < zorv::kMinPasswordLength)
        //: %1 is the least number of characters a password takes.
        return QCoreApplication::translate(
                   "PasswordRules",
                   "Your password is too short!  It must be at least %1 characters long.")
            .arg(zorv::kMinPasswordLength);
    if (strPassword.size() > zorv::kMaxPasswordLength)
        //: %1 is the greatest number of characters a password takes.
        return QCoreApplication::translate(
                   "PasswordRules",
                   "Your password is too long!  It can be at most %1 characters long.")
            .arg(zorv::kMaxPasswordLength);
    return QString();
}
