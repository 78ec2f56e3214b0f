// The chemical database dialog: every field of a database record, the ten
// checks on OK, and the database rewritten whole.
#include <windows.h>
#include <richedit.h>

#include "resources/parvell/chemical_dialog_ids.h"
#include "wizard/database/chemical_dialogs_win.h"
#include "wizard/database/chemical_form.h"
#include "wizard/database/colour_combo_win.h"
#include "wizard/database/formula_line_win.h"
#include "wizard/database/user_database.h"
#include "wizard/runtime/parvell_module_win.h"
#include "wizard/sheet/wizard_pages_win.h"
#include "wizard/udl_io_win.h"

namespace {

struct DatabaseDialog {
    std::vector<ChemicalRecord>* database;
    int32_t index;
    std::string writePath;
    ChemicalRecord base;
    parvell::ChemicalForm opened;  // state and pattern kept when no control names them
};

struct TextField {
    int id;
    std::string parvell::ChemicalForm::*text;
    int limit;
};

constexpr TextField kTextFields[] = {
    {IDC_CHEMDB_NAME, &parvell::ChemicalForm::name, kChemNameLength - 1},
    {IDC_CHEMDB_DESCRIPTION, &parvell::ChemicalForm::description, kChemDescriptionLength - 1},
    {IDC_CHEMDB_CAS1, &parvell::ChemicalForm::casPart1, 7},
    {IDC_CHEMDB_CAS2, &parvell::ChemicalForm::casPart2, 2},
    {IDC_CHEMDB_CAS3, &parvell::ChemicalForm::casCheckDigit, 1},
    {IDC_CHEMDB_MOLAR_MASS, &parvell::ChemicalForm::molarMass, 31},
    {IDC_CHEMDB_DENSITY, &parvell::ChemicalForm::density, 31},
    {IDC_CHEMDB_ION_CHARGE, &parvell::ChemicalForm::ionCharge, 31},
    {IDC_CHEMDB_MELTING, &parvell::ChemicalForm::meltingCelsius, 31},
    {IDC_CHEMDB_BOILING, &parvell::ChemicalForm::boilingCelsius, 31},
    {IDC_CHEMDB_SOLUBILITY_273, &parvell::ChemicalForm::solubility273, 31},
    {IDC_CHEMDB_SOLUBILITY_373, &parvell::ChemicalForm::solubility373, 31},
    {IDC_CHEMDB_SPECIFIC_HEAT, &parvell::ChemicalForm::specificHeat, 31},
};

struct StateButton {
    int id;
    int32_t state;
};

constexpr StateButton kStateButtons[] = {
    {IDC_CHEMDB_SOLID, kKindSolid},
    {IDC_CHEMDB_LIQUID, kKindLiquid},
    {IDC_CHEMDB_GAS, kKindGas},
    {IDC_CHEMDB_ION, kKindIon},
};

// The field a refusal is about, given the focus after its box.
struct RefusalField {
    int stringId;
    int controlId;
};

constexpr RefusalField kRefusalFields[] = {
    {1128, IDC_CHEMDB_NAME},       {1129, IDC_CHEMDB_FORMULA},    {1130, IDC_CHEMDB_DESCRIPTION},
    {1131, IDC_CHEMDB_CAS1},       {1132, IDC_CHEMDB_CAS1},       {1133, IDC_CHEMDB_MOLAR_MASS},
    {1134, IDC_CHEMDB_DENSITY},    {1135, IDC_CHEMDB_BOILING},    {1136, IDC_CHEMDB_MELTING},
    {1137, IDC_CHEMDB_SPECIFIC_HEAT},
};

// Pattern entries carry their place in the pattern choices; a record's
// pattern that is none of them keeps its own entry.
constexpr LPARAM kRecordsOwnPattern = -1;

void SetCheck(HWND dialog, int id, bool checked) { CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED); }

void EnableIonCharge(HWND dialog) {
    EnableWindow(GetDlgItem(dialog, IDC_CHEMDB_ION_CHARGE), parvell::IsBoxChecked(dialog, IDC_CHEMDB_ION));
}

// With "no CAS RN" the parts show a generated key and only the generate
// button fills them.
void ShowKeyMode(HWND dialog) {
    const bool generated = parvell::IsBoxChecked(dialog, IDC_CHEMDB_NO_CAS);
    for (int id : {IDC_CHEMDB_CAS1, IDC_CHEMDB_CAS2, IDC_CHEMDB_CAS3})
        SendDlgItemMessageA(dialog, id, EM_SETREADONLY, generated, 0);
    EnableWindow(GetDlgItem(dialog, IDC_CHEMDB_GENERATE), generated);
}

void ShowKey(HWND dialog, const parvell::ChemicalForm& form) {
    SetDlgItemTextA(dialog, IDC_CHEMDB_CAS1, form.casPart1.c_str());
    SetDlgItemTextA(dialog, IDC_CHEMDB_CAS2, form.casPart2.c_str());
    SetDlgItemTextA(dialog, IDC_CHEMDB_CAS3, form.casCheckDigit.c_str());
}

void FillPatterns(HWND dialog, const parvell::ChemicalForm& form) {
    HWND combo = GetDlgItem(dialog, IDC_CHEMDB_PATTERN);
    char solid[32] = "solid";
    LoadStringA(ParvellInstance(), parvell::kStringSolidPattern, solid, sizeof solid);
    int selected = -1;
    for (int i = 0; i < parvell::PatternChoiceCount(); ++i) {
        const parvell::PatternChoice& choice = parvell::PatternChoices()[i];
        int at = int(SendMessageA(combo, CB_ADDSTRING, 0, LPARAM(choice.name ? choice.name : solid)));
        SendMessageA(combo, CB_SETITEMDATA, WPARAM(at), LPARAM(i));
        const bool same = choice.brushStyle == 0
                              ? form.brushStyle == 0
                              : form.brushStyle == choice.brushStyle && form.patternId == choice.patternId;
        if (same && selected < 0) selected = at;
    }
    if (selected < 0) {
        char own[48];
        wsprintfA(own, "pattern %d", int(form.patternId));
        selected = int(SendMessageA(combo, CB_ADDSTRING, 0, LPARAM(own)));
        SendMessageA(combo, CB_SETITEMDATA, WPARAM(selected), kRecordsOwnPattern);
    }
    SendMessageA(combo, CB_SETCURSEL, WPARAM(selected), 0);
}

void ShowForm(HWND dialog, const parvell::ChemicalForm& form) {
    for (const TextField& field : kTextFields) {
        SendDlgItemMessageA(dialog, field.id, EM_LIMITTEXT, WPARAM(field.limit), 0);
        SetDlgItemTextA(dialog, field.id, (form.*field.text).c_str());
    }
    HWND line = GetDlgItem(dialog, IDC_CHEMDB_FORMULA);
    SendMessageA(line, EM_EXLIMITTEXT, 0, kFormulaLength - 1);
    ShowFormulaInLine(line, form.formula.data(), form.formula.size());
    SetCheck(dialog, IDC_CHEMDB_NO_CAS, form.noCasNumber);
    ShowKeyMode(dialog);
    for (const StateButton& button : kStateButtons) SetCheck(dialog, button.id, button.state == form.state);
    EnableIonCharge(dialog);
    SetCheck(dialog, IDC_CHEMDB_NO_MELTING, form.noMeltingPoint);
    SetCheck(dialog, IDC_CHEMDB_NO_BOILING, form.noBoilingPoint);
    FillColourCombo(GetDlgItem(dialog, IDC_CHEMDB_COLOUR), form.colour);
    FillPatterns(dialog, form);
}

parvell::ChemicalForm ReadForm(HWND dialog, const parvell::ChemicalForm& opened) {
    parvell::ChemicalForm form = opened;
    for (const TextField& field : kTextFields) form.*field.text = parvell::FieldText(dialog, field.id);
    form.formula = StoredFormulaOfLine(GetDlgItem(dialog, IDC_CHEMDB_FORMULA));
    form.noCasNumber = parvell::IsBoxChecked(dialog, IDC_CHEMDB_NO_CAS);
    for (const StateButton& button : kStateButtons)
        if (parvell::IsBoxChecked(dialog, button.id)) form.state = button.state;
    form.noMeltingPoint = parvell::IsBoxChecked(dialog, IDC_CHEMDB_NO_MELTING);
    form.noBoilingPoint = parvell::IsBoxChecked(dialog, IDC_CHEMDB_NO_BOILING);
    form.colour = SelectedColour(GetDlgItem(dialog, IDC_CHEMDB_COLOUR));
    HWND patterns = GetDlgItem(dialog, IDC_CHEMDB_PATTERN);
    LRESULT at = SendMessageA(patterns, CB_GETCURSEL, 0, 0);
    LRESULT choice = at == CB_ERR ? kRecordsOwnPattern : SendMessageA(patterns, CB_GETITEMDATA, WPARAM(at), 0);
    if (choice >= 0 && choice < parvell::PatternChoiceCount()) {
        form.brushStyle = parvell::PatternChoices()[choice].brushStyle;
        form.patternId = parvell::PatternChoices()[choice].patternId;
    }
    return form;
}

void GenerateKey(HWND dialog, const DatabaseDialog& state) {
    int64_t key = parvell::NextGeneratedId(state.database->data(), int32_t(state.database->size()));
    if (key < 0) return;  // every generated key is taken: nothing to offer
    parvell::ChemicalForm form;
    parvell::ShowKeyInForm(uint32_t(key), form);
    ShowKey(dialog, form);
}

void Refuse(HWND dialog, int stringId) {
    ShowWizardMessage(dialog, stringId, parvell::kStringError);
    for (const RefusalField& field : kRefusalFields)
        if (field.stringId == stringId) SetFocus(GetDlgItem(dialog, field.controlId));
}

void Store(HWND dialog, DatabaseDialog& state) {
    std::vector<ChemicalRecord>& database = *state.database;
    parvell::ChemicalForm form = ReadForm(dialog, state.opened);
    ChemicalRecord record{};
    int failed = parvell::ChemicalRecordOfForm(form, state.base, database.data(), int32_t(database.size()),
                                               state.index, &record);
    if (failed) {
        Refuse(dialog, failed);
        return;
    }
    UdlIoWin io(ParvellInstance(), dialog);
    if (!parvell::StoreDatabaseRecord(io, state.writePath, database, state.index, record)) return;
    RegisterChemicalsWithLibrary(database.data(), int32_t(database.size()));
    EndDialog(dialog, 1);
}

void OnCommand(HWND dialog, DatabaseDialog& state, int id, int code) {
    switch (id) {
    case IDC_CHEMDB_SUBSCRIPT:
        ShiftFormulaSelection(GetDlgItem(dialog, IDC_CHEMDB_FORMULA), parvell::FormulaShift::kSubscript);
        break;
    case IDC_CHEMDB_SUPERSCRIPT:
        ShiftFormulaSelection(GetDlgItem(dialog, IDC_CHEMDB_FORMULA), parvell::FormulaShift::kSuperscript);
        break;
    case IDC_CHEMDB_BASELINE:
        ShiftFormulaSelection(GetDlgItem(dialog, IDC_CHEMDB_FORMULA), parvell::FormulaShift::kBaseline);
        break;
    case IDC_CHEMDB_NO_CAS:
        // A registry number and a generated key never mix: the parts start
        // over, or show the record's own key again when it is of the kind
        // now chosen.
        ShowKey(dialog, parvell::IsBoxChecked(dialog, IDC_CHEMDB_NO_CAS) == state.opened.noCasNumber ? state.opened
                                                                                          : parvell::ChemicalForm{});
        ShowKeyMode(dialog);
        break;
    case IDC_CHEMDB_GENERATE: GenerateKey(dialog, state); break;
    case IDC_CHEMDB_SOLID:
    case IDC_CHEMDB_LIQUID:
    case IDC_CHEMDB_GAS:
    case IDC_CHEMDB_ION: EnableIonCharge(dialog); break;
    case IDC_CHEMDB_COLOUR:
        if (code == CBN_SELCHANGE) OnColourComboChanged(dialog, GetDlgItem(dialog, IDC_CHEMDB_COLOUR));
        break;
    case IDOK: Store(dialog, state); break;
    default: OnCancelOrHelp(dialog, id, kHelpChemicalsDatabase);
    }
}

INT_PTR CALLBACK DatabaseDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: ShowForm(dialog, KeepDialogState<DatabaseDialog>(dialog, lParam).opened); return TRUE;
    case WM_COMMAND:
        if (auto* state = DialogStateOf<DatabaseDialog>(dialog))
            OnCommand(dialog, *state, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_HELP: OpenWizardHelp(dialog, kHelpChemicalsDatabase); return TRUE;
    }
    return FALSE;
}

}  // namespace

bool OnCancelOrHelp(HWND dialog, int id, int helpKey) {
    if (id == IDCANCEL) EndDialog(dialog, 0);
    if (id == IDHELP) OpenWizardHelp(dialog, helpKey);
    return id == IDCANCEL || id == IDHELP;
}

int RunChemicalDatabaseDialog(HWND owner, std::vector<ChemicalRecord>& database, int32_t index,
                              const std::string& writePath) {
    // The formula line is a rich edit; the library stays for the process.
    static HMODULE richEdit = LoadLibraryA("Riched20.dll");
    (void)richEdit;
    DatabaseDialog state{&database, index, writePath, ChemicalRecord{}, {}};
    if (index >= 0 && size_t(index) < database.size())
        state.base = database[size_t(index)];
    else
        state.index = -1;
    state.opened = parvell::FormOf(state.base);
    return int(DialogBoxParamA(ParvellInstance(), MAKEINTRESOURCEA(kChemicalDatabaseDialogTemplate), owner,
                               DatabaseDialogProc, LPARAM(&state)));
}
