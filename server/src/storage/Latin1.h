#pragma once
// The wire's character set. Requests, replies and dump files are Latin-1, one byte a character;
// everything inside the server is UTF-8. These convert at those borders only (Text.h names them).
#include <string>
#include <string_view>

std::string Latin1ToUtf8(std::string_view strLatin1);
// Characters beyond Latin-1, and bytes that are not UTF-8, become "?".
std::string Utf8ToLatin1(std::string_view strUtf8);
// True when the text is ASCII, which reads the same in both.
bool IsAscii(std::string_view strText);
