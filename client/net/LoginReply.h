#pragma once
// Reading the login reply, without a window: its fields and the version handshake.
#include <QStringList>

// The reply carries version, id, name, security level, guild name, rescue squad flag and
// rescue squad name, in that order.
inline constexpr int kLoginReplyFields = 7;

// The reply's fields, unescaped; as many as it has.
QStringList LoginReplyFields(const QString& strPayload);

enum class VersionMatch { Same, ServerOlder, ServerNewer };

// The server's version (field 0) against ours, each read by its leading number, so that "0.30"
// matches "0.3"; text without a number reads as 0.
VersionMatch CompareVersion(const QString& strServerVersion);
