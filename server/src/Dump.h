#pragma once
// The text dump of a whole guild: the backup operation's payload and the backup/restore
// commands' file. One line a row, fields separated by "|", Latin-1, ending with "\n". Within a
// field "\" is written "\\", "|" "\p", LF "\n" and CR "\r", so a row is always one line.
#include <string>

class Database;

// Version 2 ends each character row with the revision; restore reads version 1 too.
inline constexpr const char* kDumpHeader = "ZORV DUMP 2";

std::string DumpDatabase(Database& db);

// Replaces the guild in db (opened by OpenGuildDatabase) with the dump's. Accepts lines ended by
// LF or CR LF, so a file the client saved restores too. Throws std::runtime_error naming the line
// of a malformed dump.
void RestoreDatabase(Database& db, const std::string& strDump);
