#include "ServerTranslations.h"

#include "Languages.h"

#include <map>
#include <string>
#include <tuple>

namespace lang {

bool Known(std::string_view strCode) {
    for (const zorv::Language& language : zorv::kLanguages)
        if (strCode == language.szCode)
            return true;
    return false;
}

const char* Translated(std::string_view strCode, const char* szContext, const char* szEnglish) {
    using Key = std::tuple<std::string_view, std::string_view, std::string_view>;
    // Built once, on first use, and only read after.
    static const std::map<Key, const char*> kIndex = [] {
        std::map<Key, const char*> index;
        for (const Translation* p = kTranslations; p->szLanguage; ++p)
            index.emplace(Key{p->szLanguage, p->szContext, p->szSource}, p->szText);
        return index;
    }();
    const auto found = kIndex.find(Key{strCode, szContext, szEnglish});
    return found == kIndex.end() || !*found->second ? szEnglish : found->second;
}

} // namespace lang
