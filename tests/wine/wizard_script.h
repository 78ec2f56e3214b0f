// Tells the wizard's Introduction, Lab Information, Lab Documentation and Lab
// Finish pages apart on the running sheet, for scripts that walk it.
#pragma once
#include <string>

#include "resources/parvell/wizard_sheet_ids.h"
#include "sheet_script.h"

namespace sheet_script {

enum WizardPage { kOtherPage = 0, kWelcomePage = 1, kInformationPage = 2, kDocumentationPage = 3, kFinishPage = 9 };

constexpr int kBackButton = 0x3023;  // the property sheet's own buttons
constexpr int kNextButton = 0x3024;
constexpr int kFinishButton = 0x3025;

// Which of these pages a page is; kOtherPage for the rest of the wizard.
inline WizardPage KindOf(HWND page) {
    if (ControlTextOf(page, IDC_UDL_PASSWORD) == "Password Protection") return kInformationPage;
    if (ControlTextOf(page, IDC_DOC_START_WORD) == "Start Word") return kDocumentationPage;
    const std::string text = ControlTextOf(page, IDC_WIZARD_TEXT);
    if (text.rfind("Welcome", 0) == 0) return kWelcomePage;
    if (text.rfind("Brevane will now complete", 0) == 0) return kFinishPage;
    return kOtherPage;
}

inline WizardPage Showing(HWND sheet) { return KindOf(CurrentPage(sheet)); }

// Presses Next until that page shows (through whatever pages lie between).
inline bool NextUntil(HWND sheet, WizardPage kind) {
    for (int i = 0; i < 9 && Showing(sheet) != kind; ++i)
        if (!Turn(sheet, PSBTN_NEXT)) return false;
    return Showing(sheet) == kind;
}

}  // namespace sheet_script
