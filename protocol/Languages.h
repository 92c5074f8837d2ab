#pragma once
// The languages ZORV speaks: the client's whole interface, and the server's chat messages. The
// first is English, the source language.
namespace zorv {

struct Language {
    const char* szCode; // ISO 639-1, as settings, form fields and the command line name it
    const char* szName; // in the language itself
};

inline constexpr Language kLanguages[] = {
    {"en", "English"}, {"de", "Deutsch"}, {"fr", "Fran\u00e7ais"}, {"es", "Espa\u00f1ol"}};

} // namespace zorv
