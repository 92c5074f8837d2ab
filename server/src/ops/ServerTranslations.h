#pragma once
// The server's texts in the languages ZORV speaks (Languages.h). The texts are marked ZORV_TEXT
// in the server's sources, under a context; their translations are taken at build time from the
// client's translation files, where the translators keep every text of ZORV.
#include <string_view>

namespace lang {

struct Translation {
    const char* szLanguage;
    const char* szContext;
    const char* szSource;
    const char* szText;
};
// Made at build time; the last row is all null.
extern const Translation kTranslations[];

// Whether strCode names a language ZORV speaks.
bool Known(std::string_view strCode);
// szEnglish, a text of szContext, in the language strCode; szEnglish itself for English and where
// the language has no translation of it.
const char* Translated(std::string_view strCode, const char* szContext, const char* szEnglish);

} // namespace lang
