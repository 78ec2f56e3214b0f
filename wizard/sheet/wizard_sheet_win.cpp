// The wizard's sheet: nine pages in wizard mode over the loaded lab.
#include "wizard/sheet/wizard_sheet_win.h"

#include <commctrl.h>

#include "wizard/runtime/parvell_module_win.h"
#include "wizard/sheet/wizard_pages_win.h"
#include "wizard/sheet/wizard_session.h"

namespace {

constexpr int kSheetCaptionString = 1167;  // "UDL Tavistrel"

struct PageEntry {
    int templateId;
    int titleString;
    DLGPROC procedure;
};

constexpr PageEntry kPages[] = {
    {kIntroductionPageTemplate, 1159, IntroductionPageProc},
    {kInformationPageTemplate, 1160, InformationPageProc},
    {kDocumentationPageTemplate, 1161, DocumentationPageProc},
    {kChemicalsPageTemplate, 1162, ChemicalsPageProc},
    {kReactionsPageTemplate, 1163, ReactionsPageProc},
    {kLabPropertiesPageTemplate, 1164, LabPropertiesPageProc},
    {kIndicatorsPageTemplate, 1165, IndicatorsPageProc},
    {kPdbFilesPageTemplate, 1185, PdbFilesPageProc},
    {kFinishPageTemplate, 1166, FinishPageProc},
};

constexpr char kSheetProcedureProperty[] = "ParvellSheetProcedure";

// F1 with the focus on the sheet's own buttons reaches the sheet, not a page:
// it is the Help button then, which asks the current page for its topic.
LRESULT CALLBACK SheetProcedure(HWND sheet, UINT message, WPARAM wParam, LPARAM lParam) {
    auto previous = reinterpret_cast<WNDPROC>(GetPropA(sheet, kSheetProcedureProperty));
    if (message == WM_HELP) {
        PropSheet_PressButton(sheet, PSBTN_HELP);
        return TRUE;
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(sheet, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        RemovePropA(sheet, kSheetProcedureProperty);
    }
    return CallWindowProcA(previous, sheet, message, wParam, lParam);
}

int CALLBACK SheetCallback(HWND sheet, UINT message, LPARAM) {
    if (message == PSCB_INITIALIZED) {
        LONG_PTR previous = SetWindowLongPtrA(sheet, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SheetProcedure));
        SetPropA(sheet, kSheetProcedureProperty, reinterpret_cast<HANDLE>(previous));
    }
    return 0;
}

}  // namespace

int RunWizardSheet(HWND owner) {
    parvell::UdlRuntime& runtime = ParvellRuntime();
    parvell::BeginWizardSession(runtime);
    const HINSTANCE instance = ParvellInstance();

    PROPSHEETPAGEA pages[sizeof kPages / sizeof kPages[0]] = {};
    UINT count = 0;
    for (const PageEntry& entry : kPages) {
        // A page whose template the library lacks is left out rather than
        // taking the whole sheet down with it.
        if (!FindResourceA(instance, MAKEINTRESOURCEA(entry.templateId), RT_DIALOG))
            continue;
        PROPSHEETPAGEA& page = pages[count++];
        page.dwSize = sizeof page;
        page.dwFlags = PSP_USETITLE | PSP_HASHELP;
        page.hInstance = instance;
        page.pszTemplate = MAKEINTRESOURCEA(entry.templateId);
        page.pszTitle = MAKEINTRESOURCEA(entry.titleString);
        page.pfnDlgProc = entry.procedure;
    }

    PROPSHEETHEADERA sheet = {};
    sheet.dwSize = sizeof sheet;
    sheet.dwFlags = PSH_WIZARD | PSH_PROPSHEETPAGE | PSH_HASHELP | PSH_NOAPPLYNOW | PSH_USECALLBACK;
    sheet.pfnCallback = SheetCallback;
    // The top window is the one a modal sheet disables: the host hands over
    // its bench, a child, whose frame's menus must not work on the lab the
    // wizard is editing.
    sheet.hwndParent = owner ? GetAncestor(owner, GA_ROOT) : nullptr;
    sheet.hInstance = instance;
    sheet.pszCaption = MAKEINTRESOURCEA(kSheetCaptionString);
    sheet.nPages = count;
    sheet.ppsp = pages;
    // The sheet's own -1 (it could not be made) is no more a saved lab than Cancel.
    PropertySheetA(&sheet);

    // Whatever the pages did to the lab's chemicals, the queries answer from
    // them again, however the sheet closed.
    const UdlLab& lab = runtime.Lab();
    RegisterChemicalsWithLibrary(lab.chemicals.data(), int32_t(lab.chemicals.size()));
    parvell::EndWizardSession(runtime);
    return parvell::CurrentWizardSession().finished ? 1 : 0;
}
