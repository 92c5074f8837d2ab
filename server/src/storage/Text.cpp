#include "Text.h"

#include "Escape.h"
#include "Latin1.h"
#include "Numbers.h"
#include "Protocol.h"

#include <cctype>
#include <ctime>
#include <optional>

namespace {

bool IsContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

} // namespace

std::size_t TextLength(std::string_view s) {
    std::size_t n = 0;
    for (unsigned char c : s)
        n += !IsContinuation(c);
    return n;
}

std::string CutText(std::string_view s, std::size_t nCharacters) {
    std::size_t i = 0;
    for (std::size_t n = 0; i < s.size(); ++i) {
        if (!IsContinuation(static_cast<unsigned char>(s[i])) && n++ == nCharacters)
            break;
    }
    return std::string(s.substr(0, i));
}

std::string Trim(std::string_view s) {
    std::size_t iStart = s.find_first_not_of(" \t\r\n");
    if (iStart == std::string_view::npos)
        return std::string();
    std::size_t iEnd = s.find_last_not_of(" \t\r\n");
    return std::string(s.substr(iStart, iEnd - iStart + 1));
}

std::string NameKey(std::string_view s) {
    std::string strKey(s);
    for (std::size_t i = 0; i < strKey.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(strKey[i]);
        if (c >= 'A' && c <= 'Z') {
            strKey[i] = static_cast<char>(c + 32);
        } else if (c == 0xC3 && i + 1 < strKey.size()) {
            // U+00C0 to U+00DE are C3 80 to C3 9E; their small letters are 32 further.
            unsigned char d = static_cast<unsigned char>(strKey[i + 1]);
            if (d >= 0x80 && d <= 0x9E && d != 0x97)
                strKey[i + 1] = static_cast<char>(d + 32);
            ++i;
        }
    }
    return strKey;
}

bool IsValidName(std::string_view strName) {
    if (strName.empty() || TextLength(strName) > 24)
        return false;
    bool bLetter = false;
    for (std::size_t i = 0; i < strName.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(strName[i]);
        if (std::isalpha(c)) {
            bLetter = true;
        } else if (c == 0xC3 && i + 1 < strName.size()) {
            // The Latin-1 letters: U+00C0 to U+00FF but the multiplication and division signs.
            unsigned char d = static_cast<unsigned char>(strName[++i]);
            if (!IsContinuation(d) || d == 0x97 || d == 0xB7)
                return false;
            bLetter = true;
        } else if (c != ' ' && c != '\'' && c != '-') {
            return false;
        }
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
    if (TextLength(strShown) > kShown)
        strShown = CutText(strShown, kShown) + "...";
    return strShown;
}

std::string English(const Fault& fault) {
    const zorv::RefusalText* pText = zorv::FindRefusal(static_cast<long>(fault.why));
    return pText ? zorv::FillTemplate(pText->szEnglish, fault.params) : std::string();
}

std::optional<Fault> WholeNumberFault(const std::string& strValue, Quantity what,
                                      const std::string& strOf, long lLow, long lHigh) {
    std::string strNumber = Trim(strValue);
    std::optional<long> lValue = zorv::ParseWholeNumber(strNumber);
    std::size_t iDigits = !strNumber.empty() && (strNumber[0] == '-' || strNumber[0] == '+');
    bool bDigits = iDigits < strNumber.size() &&
                   strNumber.find_first_not_of("0123456789", iDigits) == std::string::npos;
    if (lValue && *lValue >= lLow && *lValue <= lHigh)
        return std::nullopt;
    using R = zorv::Refusal;
    static constexpr R kNotWhole[] = {R::ValueNotWhole, R::SkillNumberNotWhole, R::TrainingNotWhole,
                                      R::MinimumNotWhole};
    static constexpr R kNotBetween[] = {R::ValueNotBetween, R::SkillNumberNotBetween,
                                        R::TrainingNotBetween, R::MinimumNotBetween};
    const auto iWhat = static_cast<std::size_t>(what);
    if (!bDigits)
        return Fault{kNotWhole[iWhat], {Quoted(strValue), strOf}};
    return Fault{kNotBetween[iWhat],
                 {Quoted(strValue), strOf, std::to_string(lLow), std::to_string(lHigh)}};
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
            form[strPair.substr(0, iEq)] =
                Latin1ToUtf8(zorv::UnescapeValue(strPair.substr(iEq + 1)));
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
