#include "Text.h"

#include "Escape.h"
#include "Numbers.h"
#include "Protocol.h"

#include <cctype>
#include <ctime>
#include <optional>

std::string Latin1ToUtf8(std::string_view s) {
    std::string strOut;
    strOut.reserve(s.size());
    for (unsigned char c : s) {
        if (c < 0x80) {
            strOut += static_cast<char>(c);
        } else {
            strOut += static_cast<char>(0xC0 | (c >> 6));
            strOut += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return strOut;
}

std::string Utf8ToLatin1(std::string_view s) {
    std::string strOut;
    strOut.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            strOut += static_cast<char>(c);
            ++i;
            continue;
        }
        int nLength = (c >= 0xF0) ? 4 : (c >= 0xE0) ? 3 : (c >= 0xC0) ? 2 : 1;
        if ((c == 0xC2 || c == 0xC3) && i + 1 < s.size())
            strOut += static_cast<char>(((c & 0x03) << 6) | (s[i + 1] & 0x3F));
        else
            strOut += '?';
        i += nLength;
    }
    return strOut;
}

std::string Trim(std::string_view s) {
    std::size_t iStart = s.find_first_not_of(" \t\r\n");
    if (iStart == std::string_view::npos)
        return std::string();
    std::size_t iEnd = s.find_last_not_of(" \t\r\n");
    return std::string(s.substr(iStart, iEnd - iStart + 1));
}

namespace {

bool IsLatin1Letter(unsigned char c) {
    if (std::isalpha(c))
        return true;
    return c >= 0xC0 && c != 0xD7 && c != 0xF7;
}

} // namespace

std::string NameKey(std::string_view s) {
    std::string strKey;
    strKey.reserve(s.size());
    for (unsigned char c : s) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<unsigned char>(c + 32);
        else if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
            c = static_cast<unsigned char>(c + 32);
        strKey += static_cast<char>(c);
    }
    return strKey;
}

bool IsValidName(std::string_view strName) {
    if (strName.empty() || strName.size() > 24)
        return false;
    bool bLetter = false;
    for (unsigned char c : strName) {
        if (IsLatin1Letter(c))
            bLetter = true;
        else if (c != ' ' && c != '\'' && c != '-')
            return false;
    }
    return bLetter;
}

bool IsReservedName(std::string_view strName) {
    std::string strKey = NameKey(strName);
    return strKey == "unknown" || strKey == "none" || strKey == "none found!" || strKey == "blah";
}

std::string WithoutMarkers(std::string strText) {
    // Again until none is left: taking one out can join the pieces of another.
    while (strText.find(zorv::kStartMarker) != std::string::npos ||
           strText.find(zorv::kStopMarker) != std::string::npos)
        strText = zorv::ReplaceAll(zorv::ReplaceAll(strText, zorv::kStartMarker, ""),
                                   zorv::kStopMarker, "");
    return strText;
}

std::string Quoted(const std::string& strValue) {
    constexpr std::size_t kShown = 40;
    std::string strShown = WithoutMarkers(strValue);
    if (strShown.size() > kShown)
        strShown = strShown.substr(0, kShown) + "...";
    return "'" + strShown + "'";
}

std::string WholeNumberFault(const std::string& strValue, const char* szWhat,
                             const std::string& strOf, long lLow, long lHigh) {
    std::string strNumber = Trim(strValue);
    std::optional<long> lValue = zorv::ParseWholeNumber(strNumber);
    std::size_t iDigits = !strNumber.empty() && (strNumber[0] == '-' || strNumber[0] == '+');
    bool bDigits = iDigits < strNumber.size() &&
                   strNumber.find_first_not_of("0123456789", iDigits) == std::string::npos;
    if (lValue && *lValue >= lLow && *lValue <= lHigh)
        return "";
    return std::string("The ") + szWhat + " " + Quoted(strValue) + " of " + strOf +
           (bDigits ? " is not between " + std::to_string(lLow) + " and " + std::to_string(lHigh)
                    : std::string(" is not a whole number"));
}

std::vector<std::string> SplitList(std::string_view s, char cSeparator) {
    std::vector<std::string> pieces;
    if (s.empty())
        return pieces;
    std::size_t iStart = 0;
    while (true) {
        std::size_t iHit = s.find(cSeparator, iStart);
        pieces.emplace_back(
            s.substr(iStart, iHit == std::string_view::npos ? iHit : iHit - iStart));
        if (iHit == std::string_view::npos)
            return pieces;
        iStart = iHit + 1;
    }
}

std::map<std::string, std::string> ParseForm(std::string_view strBody) {
    std::map<std::string, std::string> form;
    for (const std::string& strPair : SplitList(strBody, '&')) {
        std::size_t iEq = strPair.find('=');
        if (iEq == std::string::npos)
            form[strPair] = std::string();
        else
            form[strPair.substr(0, iEq)] = zorv::UnescapeValue(strPair.substr(iEq + 1));
    }
    return form;
}

std::string UtcStamp(std::time_t at, bool bSeconds) {
    std::tm tmAt{};
    gmtime_r(&at, &tmAt);
    char szBuffer[32];
    std::strftime(szBuffer, sizeof szBuffer, bSeconds ? "%Y-%m-%d %H:%M:%S" : "%Y-%m-%d %H:%M",
                  &tmAt);
    return szBuffer;
}

std::string NowStamp() {
    return UtcStamp(std::time(nullptr), false);
}

bool HoldsMarker(const std::string& strText) {
    return strText.find(zorv::kStartMarker) != std::string::npos ||
           strText.find(zorv::kStopMarker) != std::string::npos;
}
