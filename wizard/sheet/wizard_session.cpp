#include "wizard/sheet/wizard_session.h"

#include <algorithm>

#include "wizard/builtin_water.h"
#include "wizard/database/lab_chemical_list.h"

namespace parvell {

WizardSession& CurrentWizardSession() {
    static WizardSession session;
    return session;
}

void BeginWizardSession(UdlRuntime& runtime) {
    WizardSession& session = CurrentWizardSession();
    session = WizardSession{};
    session.fileName = runtime.LoadedUdlName();
    UdlLab& lab = runtime.EditableLab();
    const bool hasWater = std::any_of(lab.chemicals.begin(), lab.chemicals.end(),
                                      [](const ChemicalRecord& r) { return r.cas == kCasWater; });
    if (!hasWater) InsertLabChemical(lab, 0, BuiltInWaterRecord());
}

void EndWizardSession(UdlRuntime& runtime) {
    const WizardSession& session = CurrentWizardSession();
    if (session.finished) runtime.SetLoadedUdlName(session.fileName);
}

}  // namespace parvell
