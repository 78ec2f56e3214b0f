#include "app/shell/about_text.h"

const char* ProcessorName(int level) {
    if (level == 3) return "Intel 80386";
    if (level == 4) return "Intel 80486";
    return "Intel Pentium";
}

std::string VersionLine(const std::string& versionLabel, const std::string& fileVersion,
                        const std::string& buildLabel, const std::string& privateBuild) {
    std::string line = versionLabel + fileVersion;
    if (!privateBuild.empty()) line += "     (" + buildLabel + privateBuild + ")";
    return line;
}

std::string AboutLinkAddress(const std::string& homePage) {
    const char* separator = homePage.find('?') == std::string::npos ? "?" : "&";
    return homePage + separator + "version=3.0&btn=about_box";
}
