#include "Numbers.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zorv {

std::optional<double> LeadingNumber(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t'))
        ++i;
    bool bNegative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        bNegative = s[i] == '-';
        ++i;
    }
    double dValue = 0;
    bool bDigits = false;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        dValue = dValue * 10 + (s[i] - '0');
        bDigits = true;
    }
    if (i < s.size() && s[i] == '.') {
        double dScale = 0.1;
        for (++i; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i, dScale /= 10) {
            dValue += (s[i] - '0') * dScale;
            bDigits = true;
        }
    }
    if (!bDigits)
        return std::nullopt;
    // An exponent counts only when digits follow it: "2e3" is 2000, "2e" is 2.
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        bool bNegativeExponent = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            bNegativeExponent = s[j] == '-';
            ++j;
        }
        int iExponent = 0;
        bool bExponentDigits = false;
        for (; j < s.size() && s[j] >= '0' && s[j] <= '9'; ++j) {
            iExponent = std::min(iExponent * 10 + (s[j] - '0'), 400);
            bExponentDigits = true;
        }
        // Zero stays zero whatever its exponent (0 times an infinite power is no number).
        if (bExponentDigits && dValue != 0)
            dValue *= std::pow(10.0, bNegativeExponent ? -iExponent : iExponent);
    }
    if (std::isnan(dValue)) // an infinite mantissa scaled to nothing: read as no number
        return std::nullopt;
    return bNegative ? -dValue : dValue;
}

template <typename T> static T ReadRounded(std::string_view strText) {
    // The common case, a plain whole number, without floating point.
    std::size_t i = 0;
    while (i < strText.size() && strText[i] == ' ')
        ++i;
    bool bNegative = i < strText.size() && strText[i] == '-';
    if (bNegative || (i < strText.size() && strText[i] == '+'))
        ++i;
    std::size_t iDigits = i;
    long long llValue = 0;
    for (; i < strText.size() && strText[i] >= '0' && strText[i] <= '9' && i - iDigits < 12; ++i)
        llValue = llValue * 10 + (strText[i] - '0');
    bool bPlain = i > iDigits && (i == strText.size() ||
                                  (strText[i] != '.' && strText[i] != 'e' && strText[i] != 'E' &&
                                   (strText[i] < '0' || strText[i] > '9')));
    if (bPlain) {
        llValue = bNegative ? -llValue : llValue;
        return static_cast<T>(std::clamp<long long>(llValue, std::numeric_limits<T>::min(),
                                                    std::numeric_limits<T>::max()));
    }
    std::optional<double> dValue = LeadingNumber(strText);
    if (!dValue)
        return 0;
    double dRounded = std::nearbyint(*dValue); // default rounding mode: half to even
    if (dRounded < std::numeric_limits<T>::min())
        return std::numeric_limits<T>::min();
    if (dRounded > std::numeric_limits<T>::max())
        return std::numeric_limits<T>::max();
    return static_cast<T>(dRounded);
}

std::int16_t ReadInt16(std::string_view strText) {
    return ReadRounded<std::int16_t>(strText);
}
std::int32_t ReadInt32(std::string_view strText) {
    return ReadRounded<std::int32_t>(strText);
}

std::optional<long> ParseWholeNumber(std::string_view s) {
    std::size_t i = 0;
    bool bNegative = false;
    if (!s.empty() && (s[0] == '-' || s[0] == '+')) {
        bNegative = s[0] == '-';
        i = 1;
    }
    if (i == s.size() || s.size() - i > 9)
        return std::nullopt;
    long lValue = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9')
            return std::nullopt;
        lValue = lValue * 10 + (s[i] - '0');
    }
    return bNegative ? -lValue : lValue;
}

} // namespace zorv
