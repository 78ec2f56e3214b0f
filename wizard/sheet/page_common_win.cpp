#include "wizard/sheet/wizard_pages_win.h"

#include <commctrl.h>

#include <string>

#include "wizard/runtime/parvell_module_win.h"

namespace {

std::string ModuleString(int id) {
    char text[512] = "";
    LoadStringA(ParvellInstance(), UINT(id), text, sizeof text);
    return text;
}

}  // namespace

void SetWizardPageButtons(HWND page, int pageNumber) {
    DWORD buttons = PSWIZB_BACK | PSWIZB_NEXT;
    if (pageNumber <= 1) buttons = PSWIZB_NEXT;
    if (pageNumber >= 9) buttons = PSWIZB_BACK | PSWIZB_FINISH;
    PropSheet_SetWizButtons(GetParent(page), buttons);
}

void OpenWizardHelp(HWND, int) {}

int ShowWizardMessage(HWND owner, int textId, int captionId, UINT type) {
    std::string text = ModuleString(textId);
    std::string caption = ModuleString(captionId);
    return MessageBoxA(owner, text.c_str(), caption.c_str(), type);
}
