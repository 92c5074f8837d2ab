#pragma once
// The settings file "zorv.ini": CR LF lines of "Key = value"; passwords are never written.
#include "Settings.h"

#include <QString>

// Reads the lines into settings, the first matching rule for each line; unknown lines are
// skipped and missing keys leave their values as they were. False when the file is unreadable.
bool ReadIniFile(const QString& strFile, Settings& settings);
// Rewrites the whole file. False when it cannot be written.
bool WriteIniFile(const QString& strFile, const Settings& settings);
