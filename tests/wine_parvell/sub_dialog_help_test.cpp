// F1 and the Help button of each of the wizard's sub-dialogs open the help
// viewer on that dialog's topic in the help file beside the module.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "resources/parvell/lab_option_dialog_ids.h"
#include "resources/parvell/reaction_dialog_ids.h"
#include "tests/wine/dialog_driver.h"
#include "tests/wine/sheet_script.h"
#include "wizard/database/chemical_dialogs_win.h"
#include "wizard/indicators/indicator_dialog_win.h"
#include "wizard/lab_options/spectro_data_dialog_win.h"
#include "wizard/reactions/reaction_dialogs_win.h"
#include "wizard/runtime/parvell_module_win.h"
#include "wizard/sheet/wizard_sheet_win.h"

using namespace sheet_script;

namespace {

struct SubDialog {
    const char* name;
    int helpButton;
    const char* topic;
    std::function<void()> run;  // opens the dialog modally over no owner
};

TEST(WizardSubDialogHelp, F1AndTheHelpButtonOpenEachDialogsTopic) {
    std::vector<ChemicalRecord> database(1);
    ChemicalRecord chemical{};
    chemical.cas = 7732185;
    strcpy(chemical.name, "Water");
    ReactionRecord reaction{};
    ReactionParticipant participant{};
    participant.coefficient = 1;
    IndicatorRecord indicator{};
    UdlLab lab;
    lab.chemicals = {chemical};
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string unwritten = std::string(temp) + "brevane_help_never_written.cdb";

    const SubDialog dialogs[] = {
        {"chemical database", IDHELP, "chemicals_db.htm",
         [&] { RunChemicalDatabaseDialog(nullptr, database, 0, unwritten); }},
        {"lab chemical properties", IDHELP, "properties.htm",
         [&] { RunLabChemicalDialog(nullptr, chemical, chemical); }},
        {"reaction chemical", IDC_RC_HELP, "reaction_chemical.htm",
         [&] { EditReactionChemical(nullptr, participant, "Water"); }},
        {"reaction details", IDC_RD_HELP, "details.htm", [&] { EditReactionDetails(nullptr, reaction); }},
        {"indicator properties", IDC_ID_HELP, "indicators.htm",
         [&] { EditIndicator(nullptr, indicator, lab.chemicals); }},
        {"spectrophotometer data", IDC_SD_HELP, "spectrophotometer.htm", [&] { EditSpectroData(nullptr, lab); }},
    };
    const std::string file = ParvellLibraryFolder() + "\\Parvell.chm::/html/";
    for (const SubDialog& d : dialogs) {
        std::vector<std::string> topics, viewers;
        const auto expectHelp = [&] {
            HWND viewer = WaitForHelpViewer();
            topics.push_back(LastWizardHelpTopic());
            viewers.push_back(viewer ? TextOf(viewer) : "(no viewer)");
            CloseHelpViewer(viewer);
        };
        DialogDriver driver({[&](HWND dialog) {
            PressF1(dialog);
            expectHelp();
            Click(dialog, d.helpButton);
            expectHelp();
            Answer(dialog, IDCANCEL);
        }});
        d.run();
        driver.Finish();
        EXPECT_EQ(driver.Unexpected(), 0) << d.name;
        const std::vector<std::string> expected(2, file + d.topic);
        EXPECT_EQ(topics, expected) << d.name;
        for (const std::string& title : viewers) EXPECT_EQ(title, "UDL Tavistrel Help") << d.name;
    }
    EXPECT_EQ(GetFileAttributesA(unwritten.c_str()), INVALID_FILE_ATTRIBUTES) << "Cancel writes nothing";
}

}  // namespace
