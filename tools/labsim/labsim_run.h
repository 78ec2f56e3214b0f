// labsim IN.LAB [--module NAME] [--ticks N] [--height H] [--out OUT.LAB] [--udl LAB.UDL-BREVANE]
//        [--json]
#pragma once
#include <ostream>
#include <string>

#include "app/documents/lab_file.h"

// Runs labsim; the result is the exit status (2 for bad input, one line on err).
int RunLabsim(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

// title: the user-defined lab's, which also adds each object's pH and
// conductivity; null for a shipped module's lab.
std::string LabDocumentJson(const char* moduleName, int32_t count, const LabObject* base,
                            const char* title = nullptr);
