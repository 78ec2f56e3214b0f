// One run of the wizard: the little state it keeps beside the loaded lab,
// which it edits in place.
#pragma once
#include <string>

#include "wizard/runtime/udl_runtime.h"

namespace parvell {

struct WizardSession {
    // The author has passed the password dialog in this run.
    bool passwordEntered = false;
    // The name the lab is saved under (page 2's rule applied); starts as the
    // loaded lab's.
    std::string fileName;
    // Finish wrote the file.
    bool finished = false;
};

WizardSession& CurrentWizardSession();

// Starts a run on runtime's lab: the password-entered mark cleared, the
// loaded lab's name taken, and water put first into a chemical list that
// lacks it (a new lab starts with water).
void BeginWizardSession(UdlRuntime& runtime);

// Ends a run: on a written file the lab is known by its new name.
void EndWizardSession(UdlRuntime& runtime);

}  // namespace parvell
