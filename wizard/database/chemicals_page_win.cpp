// The wizard's Add Chemicals page: the user chemical database beside the
// lab's own chemicals, which it edits in place.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "resources/parvell/chemical_dialog_ids.h"
#include "wizard/database/chemical_dialogs_win.h"
#include "wizard/database/chemical_form.h"
#include "wizard/database/formula_draw_win.h"
#include "wizard/database/lab_chemical_list.h"
#include "wizard/database/user_database.h"
#include "wizard/reactions/dissociation.h"
#include "wizard/runtime/parvell_module_win.h"
#include "wizard/sheet/wizard_pages_win.h"
#include "wizard/udl_io_win.h"

namespace {

constexpr int kChemicalsPageNumber = 4;

struct ChemicalsPage {
    parvell::ChemicalDatabaseFiles files;
};

std::vector<ChemicalRecord>& Database() { return ParvellRuntime().EditableUserDatabase(); }
std::vector<ChemicalRecord>& LabChemicals() { return ParvellRuntime().EditableLab().chemicals; }

void RegisterDatabase() { RegisterChemicalsWithLibrary(Database().data(), int32_t(Database().size())); }
void RegisterLab() { RegisterChemicalsWithLibrary(LabChemicals().data(), int32_t(LabChemicals().size())); }

int Selected(HWND page, int listId) {
    LRESULT at = SendDlgItemMessageA(page, listId, LB_GETCURSEL, 0, 0);
    return at == LB_ERR ? -1 : int(at);
}

void SelectItem(HWND page, int listId, int index) { SendDlgItemMessageA(page, listId, LB_SETCURSEL, WPARAM(index), 0); }

void FillList(HWND page, int listId, const std::vector<ChemicalRecord>& records, bool labList) {
    HWND list = GetDlgItem(page, listId);
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    HDC dc = GetDC(list);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(list, WM_GETFONT, 0, 0)));
    int widest = 0;
    for (const ChemicalRecord& r : records) {
        SendMessageA(list, LB_ADDSTRING, 0, LPARAM(parvell::ChemicalListText(r, labList).c_str()));
        widest = std::max(widest, FormulaTextWidth(dc, parvell::ChemicalListPrefix(r, labList), r.formula,
                                                   sizeof r.formula));
    }
    SelectObject(dc, old);
    ReleaseDC(list, dc);
    SendMessageA(list, LB_SETHORIZONTALEXTENT, WPARAM(widest + 6), 0);
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

void FillLists(HWND page) {
    FillList(page, IDC_CHEMPAGE_DATABASE, Database(), false);
    FillList(page, IDC_CHEMPAGE_LAB, LabChemicals(), true);
}

void RefillLab(HWND page, int select) {
    FillList(page, IDC_CHEMPAGE_LAB, LabChemicals(), true);
    if (select >= 0) SelectItem(page, IDC_CHEMPAGE_LAB, std::min(select, int(LabChemicals().size()) - 1));
}

// The database as the file holds it now, the lab with its water, and the
// database registered while it is listed.
void OnSetActive(HWND page, ChemicalsPage& state) {
    SetWizardPageButtons(page, kChemicalsPageNumber);
    UdlIoWin io(ParvellInstance(), page);
    state.files = parvell::LocateChemicalDatabaseFiles(io, ParvellLibraryFolder());
    if (!parvell::ReadUserChemicalDatabase(io, state.files.read, Database())) Database().clear();
    parvell::EnsureLabWater(ParvellRuntime().EditableLab(), Database().data(), int32_t(Database().size()));
    RegisterDatabase();
    FillLists(page);
}

bool NoneSelected(HWND page, int index) {
    if (index >= 0) return false;
    ShowWizardMessage(page, parvell::kStringSelectChemical, parvell::kStringSelectChemicalCaption);
    return true;
}

// A strong acid or base just made a solution is all ions in water, and the
// pH meter reads only ions: its ions and the reactions that form them go into
// the lab when the author wants them.
void OfferIons(HWND page, size_t index) {
    UdlLab& lab = ParvellRuntime().EditableLab();
    parvell::DissociationOffer offer;
    if (!parvell::OfferDissociation(lab, index, Database().data(), int32_t(Database().size()), &offer)) return;
    char format[512] = "", caption[64] = "", text[1024] = "";
    LoadStringA(ParvellInstance(), offer.neutralisation ? parvell::kStringOfferIonsAndNeutralisation : parvell::kStringOfferIons,
                format, sizeof format);
    LoadStringA(ParvellInstance(), parvell::kStringWizardCaption, caption, sizeof caption);
    const ChemicalRecord& compound = lab.chemicals[index];
    const std::string name(compound.name, strnlen(compound.name, sizeof compound.name));
    snprintf(text, sizeof text, format, name.c_str(), parvell::DissociationIonNames(lab, offer).c_str());
    if (MessageBoxA(page, text, caption, MB_YESNO | MB_ICONQUESTION) == IDYES) parvell::AcceptDissociation(lab, offer);
}

void EditLabChemical(HWND page, int index) {
    if (NoneSelected(page, index) || size_t(index) >= LabChemicals().size()) return;
    RegisterLab();
    ChemicalRecord& record = LabChemicals()[size_t(index)];
    ChemicalRecord earlier = parvell::EarlierStateOf(record, Database().data(), int32_t(Database().size()));
    const bool wasSolution = IsSolutionState(record.state);
    RunLabChemicalDialog(page, record, earlier);
    if (!wasSolution && IsSolutionState(LabChemicals()[size_t(index)].state)) OfferIons(page, size_t(index));
    RegisterDatabase();
    RefillLab(page, index);
}

void AddChemical(HWND page) {
    int from = Selected(page, IDC_CHEMPAGE_DATABASE);
    if (NoneSelected(page, from) || size_t(from) >= Database().size()) return;
    const ChemicalRecord record = Database()[size_t(from)];
    UdlLab& lab = ParvellRuntime().EditableLab();
    int present = parvell::LabChemicalIndex(lab, record.cas);
    if (present >= 0) {
        SelectItem(page, IDC_CHEMPAGE_LAB, present);
        return;
    }
    size_t at = parvell::AddPosition(Selected(page, IDC_CHEMPAGE_LAB), lab.chemicals.size());
    parvell::InsertLabChemical(lab, at, record);
    RefillLab(page, int(at));
    EditLabChemical(page, int(at));
}

void RemoveChemical(HWND page) {
    int index = Selected(page, IDC_CHEMPAGE_LAB);
    if (NoneSelected(page, index)) return;
    std::string reaction;
    int refusal = parvell::RemoveLabChemical(ParvellRuntime().EditableLab(), size_t(index), &reaction);
    if (refusal == parvell::kStringChemicalInReaction) {
        char format[256] = "", text[512] = "", caption[64] = "";
        LoadStringA(ParvellInstance(), UINT(refusal), format, sizeof format);
        LoadStringA(ParvellInstance(), parvell::kStringWizardCaption, caption, sizeof caption);
        snprintf(text, sizeof text, format, reaction.c_str());
        MessageBoxA(page, text, caption, MB_OK | MB_ICONEXCLAMATION);
    } else if (refusal) {
        ShowWizardMessage(page, refusal, parvell::kStringWizardCaption);
    } else {
        RefillLab(page, LabChemicals().empty() ? -1 : index);
    }
}

void EditDatabaseChemical(HWND page, ChemicalsPage& state, bool newRecord) {
    int index = newRecord ? -1 : Selected(page, IDC_CHEMPAGE_DATABASE);
    if (!newRecord && NoneSelected(page, index)) return;
    if (!RunChemicalDatabaseDialog(page, Database(), index, state.files.write)) return;
    FillList(page, IDC_CHEMPAGE_DATABASE, Database(), false);
    SelectItem(page, IDC_CHEMPAGE_DATABASE, newRecord ? int(Database().size()) - 1 : index);
}

void OnCommand(HWND page, ChemicalsPage& state, int id, int code) {
    switch (id) {
    case IDC_CHEMPAGE_DATABASE:
        if (code == LBN_DBLCLK) AddChemical(page);
        break;
    case IDC_CHEMPAGE_LAB:
        if (code == LBN_DBLCLK) EditLabChemical(page, Selected(page, IDC_CHEMPAGE_LAB));
        break;
    case IDC_CHEMPAGE_ADD: AddChemical(page); break;
    case IDC_CHEMPAGE_REMOVE: RemoveChemical(page); break;
    case IDC_CHEMPAGE_NEW: EditDatabaseChemical(page, state, true); break;
    case IDC_CHEMPAGE_EDIT: EditDatabaseChemical(page, state, false); break;
    case IDC_CHEMPAGE_PROPERTIES: EditLabChemical(page, Selected(page, IDC_CHEMPAGE_LAB)); break;
    }
}

INT_PTR OnNotify(HWND page, ChemicalsPage& state, const NMHDR& header) {
    switch (header.code) {
    case PSN_SETACTIVE:
        OnSetActive(page, state);
        SetWindowLongPtrA(page, DWLP_MSGRESULT, 0);
        return TRUE;
    case PSN_KILLACTIVE:
    case PSN_RESET:
        // Leaving the page: the lab's chemicals answer the queries again.
        RegisterLab();
        SetWindowLongPtrA(page, DWLP_MSGRESULT, FALSE);
        return TRUE;
    case PSN_HELP: OpenWizardHelp(page, kHelpChemicals); return TRUE;
    }
    return FALSE;
}

bool DrawItem(HWND page, const DRAWITEMSTRUCT& item) {
    const bool labList = item.CtlID == IDC_CHEMPAGE_LAB;
    if (!labList && item.CtlID != IDC_CHEMPAGE_DATABASE) return false;
    const std::vector<ChemicalRecord>& records = labList ? LabChemicals() : Database();
    if (item.itemID == UINT(-1) || item.itemID >= records.size()) {
        DrawFormulaListItem(item, "", "", 0);
        return true;
    }
    const ChemicalRecord& r = records[item.itemID];
    DrawFormulaListItem(item, parvell::ChemicalListPrefix(r, labList), r.formula, sizeof r.formula);
    return true;
}

}  // namespace

INT_PTR CALLBACK ChemicalsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: SetWindowLongPtrA(page, DWLP_USER, LONG_PTR(new ChemicalsPage)); return TRUE;
    case WM_DESTROY: {
        if (auto* state = DialogStateOf<ChemicalsPage>(page)) {
            RegisterLab();
            delete state;
            SetWindowLongPtrA(page, DWLP_USER, 0);
        }
        return FALSE;
    }
    case WM_MEASUREITEM: {
        auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        item->itemHeight = UINT(FormulaItemHeight(page));
        return TRUE;
    }
    case WM_DRAWITEM: return DrawItem(page, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_COMMAND:
        if (auto* state = DialogStateOf<ChemicalsPage>(page)) OnCommand(page, *state, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_NOTIFY:
        if (auto* state = DialogStateOf<ChemicalsPage>(page))
            return OnNotify(page, *state, *reinterpret_cast<NMHDR*>(lParam));
        return FALSE;
    case WM_HELP: OpenWizardHelp(page, kHelpChemicals); return TRUE;
    }
    return FALSE;
}
