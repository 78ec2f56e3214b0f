// The About box's texts that depend only on numbers and strings.
#pragma once
#include <string>

// "Intel 80386", "Intel 80486" or "Intel Pentium" by the processor level.
const char* ProcessorName(int level);

// versionLabel + fileVersion, then "     (" buildLabel privateBuild ")" when
// there is a private build.
std::string VersionLine(const std::string& versionLabel, const std::string& fileVersion,
                        const std::string& buildLabel, const std::string& privateBuild);

// The link's address with the query that says where it was followed from.
std::string AboutLinkAddress(const std::string& homePage);
