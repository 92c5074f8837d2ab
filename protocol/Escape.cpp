#include "Escape.h"

namespace zorv {

std::string ReplaceAll(std::string_view strText, std::string_view strFrom, std::string_view strTo) {
    std::string strOut;
    strOut.reserve(strText.size());
    std::size_t iPos = 0;
    while (true) {
        std::size_t iHit = strText.find(strFrom, iPos);
        if (iHit == std::string_view::npos) {
            strOut.append(strText.substr(iPos));
            return strOut;
        }
        strOut.append(strText.substr(iPos, iHit - iPos));
        strOut.append(strTo);
        iPos = iHit + strFrom.size();
    }
}

std::string EscapeValue(std::string_view strValue) {
    std::string s = ReplaceAll(strValue, "|", "(pipe)");
    s = ReplaceAll(s, "!;", "(end)");
    return ReplaceAll(s, "&", "(amp)");
}

std::string UnescapeValue(std::string_view strValue) {
    std::string s = ReplaceAll(strValue, "(amp)", "&");
    s = ReplaceAll(s, "(end)", "!;");
    return ReplaceAll(s, "(pipe)", "|");
}

} // namespace zorv
