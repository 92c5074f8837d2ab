#include "LoginReply.h"

#include "Numbers.h"
#include "Protocol.h"
#include "Records.h"

QStringList LoginReplyFields(const QString& strPayload) {
    QStringList fields;
    for (const std::string& strField : zorv::UnescapedFields(strPayload.toLatin1().toStdString()))
        fields << QString::fromLatin1(strField.data(), static_cast<qsizetype>(strField.size()));
    return fields;
}

VersionMatch CompareVersion(const QString& strServerVersion) {
    const double dClient = zorv::LeadingNumber(zorv::kVersion).value_or(0);
    const double dServer = zorv::LeadingNumber(strServerVersion.toStdString()).value_or(0);
    if (dClient > dServer)
        return VersionMatch::ServerOlder;
    if (dClient < dServer)
        return VersionMatch::ServerNewer;
    return VersionMatch::Same;
}
