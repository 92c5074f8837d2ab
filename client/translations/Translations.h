#pragma once
// The languages the client speaks, and putting one to work before the first window is built.
// English is the source language: its texts are the program's own, and its translation file
// holds only the plural forms ("1 follower", "3 followers").
#include <QString>
#include <QStringList>

struct ClientLanguage {
    const char* szCode; // ISO 639-1, as the settings file keeps it
    const char* szName; // in the language itself, as the Options dialog lists it
};

inline constexpr ClientLanguage kClientLanguages[] = {
    {"en", "English"}, {"de", "Deutsch"}, {"fr", "Fran\u00e7ais"}, {"es", "Espa\u00f1ol"}};

// The language to use for a setting: strSetting when it is one of ours, else the first of the
// system's languages that is, else English.
QString ChosenLanguage(const QString& strSetting, const QStringList& systemLanguages);

// Installs the translations of strCode (one of kClientLanguages), ZORV's own and Qt's (its
// standard buttons and dialogs), and makes its locale the default for dates and numbers. Any
// translations installed before are removed first. Returns false when ZORV's own file for the
// language is missing (English still speaks).
bool InstallTranslations(const QString& strCode);
