#pragma once
// Form values and payload fields travel with three escapes and nothing else: "|" becomes
// "(pipe)", then "!;" becomes "(end)", then "&" becomes "(amp)". Unescaping runs in reverse.
#include <string>
#include <string_view>

namespace zorv {

std::string EscapeValue(std::string_view strValue);
std::string UnescapeValue(std::string_view strValue);

// Replaces every occurrence of strFrom (non-empty) in strText, scanning left to right.
std::string ReplaceAll(std::string_view strText, std::string_view strFrom, std::string_view strTo);

} // namespace zorv
