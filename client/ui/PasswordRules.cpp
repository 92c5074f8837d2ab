#include "PasswordRules.h"

#include "Protocol.h"

QString PasswordLengthProblem(const QString& strPassword) {
    if (strPassword.size() < zorv::kMinPasswordLength)
        return QStringLiteral("Your password is too short!  It must be at least ") +
               QString::number(zorv::kMinPasswordLength) + QStringLiteral(" characters long.");
    if (strPassword.size() > zorv::kMaxPasswordLength)
        return QStringLiteral("Your password is too long!  It can be at most ") +
               QString::number(zorv::kMaxPasswordLength) + QStringLiteral(" characters long.");
    return QString();
}
