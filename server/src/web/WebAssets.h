#pragma once
// The web roster's style sheet, script and tree pictures, built into the program so that the
// pages need no file at run time and no other site. Served under the script path by name
// ("web.css", "web.js", "icons/mule.svg", ...).
#include <string_view>

struct WebAsset {
    std::string_view strName;
    std::string_view strContentType;
    std::string_view strBody;
};

// nullptr for a name that is not an asset.
const WebAsset* FindWebAsset(std::string_view strName);
