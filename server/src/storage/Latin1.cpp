#include "Latin1.h"

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
        // A character past U+00FF, or a byte that begins none, is one "?".
        const unsigned char d = i + 1 < s.size() ? static_cast<unsigned char>(s[i + 1]) : 0;
        if ((c == 0xC2 || c == 0xC3) && (d & 0xC0) == 0x80) {
            strOut += static_cast<char>(((c & 0x03) << 6) | (d & 0x3F));
            i += 2;
            continue;
        }
        strOut += '?';
        for (++i; i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80; ++i) {
        }
    }
    return strOut;
}

bool IsAscii(std::string_view s) {
    // Whole blocks or'ed together, which the compiler turns into vector instructions: a tree
    // payload of a megabyte is read on every download.
    constexpr std::size_t kBlock = 64;
    const auto* p = reinterpret_cast<const unsigned char*>(s.data());
    std::size_t i = 0;
    for (; i + kBlock <= s.size(); i += kBlock) {
        unsigned char uAll = 0;
        for (std::size_t k = 0; k < kBlock; ++k)
            uAll |= p[i + k];
        if (uAll & 0x80)
            return false;
    }
    unsigned char uAll = 0;
    for (; i < s.size(); ++i)
        uAll |= p[i];
    return !(uAll & 0x80);
}
