#include "Texts.h"

namespace zorv {

std::string FillTemplate(std::string_view strTemplate, const std::vector<std::string>& params) {
    std::string strOut;
    for (std::size_t i = 0; i < strTemplate.size(); ++i) {
        const char c = strTemplate[i];
        if (c == '%' && i + 1 < strTemplate.size() && strTemplate[i + 1] >= '1' &&
            strTemplate[i + 1] <= '9') {
            const auto iParam = static_cast<std::size_t>(strTemplate[++i] - '1');
            if (iParam < params.size())
                strOut += params[iParam];
        } else {
            strOut += c;
        }
    }
    return strOut;
}

} // namespace zorv
