// Page 1: the welcome text beside its picture.
#include "wizard/sheet/wizard_pages_win.h"

#include <commctrl.h>

#include "wizard/runtime/parvell_module_win.h"
#include "wizard/runtime/udl_runtime.h"
#include "wizard/sheet/wizard_sheet_win.h"

INT_PTR CALLBACK IntroductionPageProc(HWND page, UINT message, WPARAM, LPARAM lParam) {
    if (AnswerWizardHelp(page, message, lParam, kHelpIntroduction)) return TRUE;
    if (message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == UINT(PSN_SETACTIVE)) {
        UdlHeader& header = ParvellRuntime().EditableLab().header;
        if (header.labStyle == 0) header.labStyle = parvell::kStyleAuthoringModule;
        SetWizardPageButtons(page, 1);
        SetWindowLongPtrA(page, DWLP_MSGRESULT, 0);
        return TRUE;
    }
    return message == WM_INITDIALOG;
}
