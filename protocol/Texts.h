#pragma once
// The texts of the protocol's tables that people read: ZORV_TEXT("Context", "text") is "text" to
// the compiler, and marks it for the translators' tools (lupdate, told to read it as
// QT_TRANSLATE_NOOP), under its context. The client shows each through its context's
// translation; the server's English sentences take it as it stands.
#define ZORV_TEXT(context, text) text

#include <string>
#include <string_view>
#include <vector>

namespace zorv {

// strTemplate with %1 to %9 replaced by the parameters in one pass, so that a parameter that
// itself holds "%2" stays as it is; a placeholder without its parameter is left out.
std::string FillTemplate(std::string_view strTemplate, const std::vector<std::string>& params);

} // namespace zorv
