// The example user-defined lab that ships in the program folder: 0.1 M
// hydrochloric acid titrated with 0.1 M sodium hydroxide, phenolphthalein,
// the pH meter and data collection. The build writes it with the program's
// own lab writer, so it always matches the file format.
#pragma once
#include <string>

#include "wizard/udl_lab.h"

namespace parvell {

constexpr char kAcidBaseTitrationFileName[] = "AcidBaseTitration.UDL-BREVANE";
constexpr char kAcidBaseTitrationTitle[] = "Acid-Base Titration";

// The lab as the wizard makes it from the master database: both stocks made
// 0.1 M solutions with their ions and reactions accepted, and the indicator.
UdlLab AcidBaseTitrationLab(const std::string& introduction, const std::string& procedure,
                            const std::string& observations);

}  // namespace parvell
