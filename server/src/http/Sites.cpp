#include "Sites.h"

std::optional<std::string> WebSubPath(const std::string& strScript, const std::string& strPath) {
    if (strPath == strScript)
        return std::string();
    std::string strPrefix = strScript.back() == '/' ? strScript : strScript + "/";
    if (strPath.compare(0, strPrefix.size(), strPrefix) == 0)
        return strPath.substr(strPrefix.size());
    return std::nullopt;
}

Router OneGuildAt(std::string strScript, std::shared_ptr<const Site> pSite) {
    return [strScript = std::move(strScript), pSite = std::move(pSite)](const std::string& strPath,
                                                                        bool bRead) -> Route {
        if (bRead && pSite->web)
            if (std::optional<std::string> strPage = WebSubPath(strScript, strPath))
                return {pSite, std::move(strPage)};
        // The script path is a plain path: compared as text, never as a pattern.
        if (strPath == strScript)
            return {pSite, std::nullopt};
        return {};
    };
}
