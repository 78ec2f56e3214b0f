// Lists, boxes and dialogs of the wizard's pages as a script walking the
// sheet uses them: rows found by their text, boxes ticked as a click does,
// a database chemical added to the lab.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "control_texts.h"
#include "resources/parvell/chemical_dialog_ids.h"
#include "resources/parvell/lab_option_dialog_ids.h"
#include "sheet_script.h"
#include "wizard_script.h"

namespace sheet_script {

inline std::string ListBoxText(HWND list, int index) {
    char text[256] = {};
    if (SendMessageA(list, LB_GETTEXTLEN, WPARAM(index), 0) < LRESULT(sizeof text))
        SendMessageA(list, LB_GETTEXT, WPARAM(index), reinterpret_cast<LPARAM>(text));
    return text;
}

inline std::vector<std::string> ListBoxTexts(HWND list) {
    std::vector<std::string> texts;
    for (int i = 0, n = int(SendMessageA(list, LB_GETCOUNT, 0, 0)); i < n; ++i) texts.push_back(ListBoxText(list, i));
    return texts;
}

// The row of a list box or combo box whose text begins with name; -1 if none.
inline int RowStartingWith(HWND control, const std::string& name, bool combo) {
    const UINT count = combo ? CB_GETCOUNT : LB_GETCOUNT, get = combo ? CB_GETLBTEXT : LB_GETTEXT;
    for (int i = 0, n = int(SendMessageA(control, count, 0, 0)); i < n; ++i) {
        char text[256] = {};
        SendMessageA(control, get, WPARAM(i), reinterpret_cast<LPARAM>(text));
        if (std::string(text).rfind(name, 0) == 0) return i;
    }
    return -1;
}

// Selects the row of a dialog's list box or combo box whose text begins with name.
inline void SelectStartingWith(HWND dialog, int id, const std::string& name, bool combo) {
    const int row = RowStartingWith(GetDlgItem(dialog, id), name, combo);
    ASSERT_GE(row, 0) << name << " is not listed";
    SendDlgItemMessageA(dialog, id, combo ? CB_SETCURSEL : LB_SETCURSEL, WPARAM(row), 0);
}

inline int ListViewRow(HWND list, const std::string& name) {
    for (int i = 0, n = int(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)); i < n; ++i)
        if (ListCellText(list, i, 0) == name) return i;
    return -1;
}

inline void SelectListViewRow(HWND list, int row) {
    LVITEMA state = {};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list, LVM_SETITEMSTATE, WPARAM(row), reinterpret_cast<LPARAM>(&state));
}

// Ticks a check box as a click does, without opening anything.
inline void Tick(HWND dialog, int id) {
    SendDlgItemMessageA(dialog, id, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

inline bool Ticked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

// The dialog a click on the sheet opened, once it shows.
inline HWND Opened(HWND sheet, const char* caption) { return WaitForDialog(ThreadOf(sheet), caption, sheet); }

// A database chemical added to the lab from the Add Chemicals page; Add
// opens its lab properties, which edit sets (kept as they come without one)
// before Ok.
inline void AddFromDatabase(HWND sheet, HWND page, const std::string& name,
                            const std::function<void(HWND properties)>& edit = nullptr) {
    SelectStartingWith(page, IDC_CHEMPAGE_DATABASE, name, false);
    Click(page, IDC_CHEMPAGE_ADD);
    HWND properties = Opened(sheet, "Lab Chemical Properties");
    ASSERT_NE(properties, nullptr) << name;
    if (edit) edit(properties);
    ASSERT_TRUE(Answer(properties, IDOK));
}

// Lab Information and Lab Documentation filled in as a teacher does (the
// file the wizard command tests clean up after, a title, a description, an
// author and the three documents), ending on Add Chemicals.
inline void FillLabHeaderPages(HWND sheet, const std::string& title, const std::string& description,
                               const std::string (&documents)[3]) {
    ASSERT_TRUE(NextUntil(sheet, kInformationPage));
    HWND page = CurrentPage(sheet);
    SetControlText(page, IDC_UDL_FILE_NAME, "brevane_wizard_commands");
    SetControlText(page, IDC_UDL_TITLE, title);
    SetControlText(page, IDC_UDL_DESCRIPTION, description);
    SetControlText(page, IDC_UDL_AUTHOR, "A. Teacher");
    ASSERT_TRUE(Turn(sheet, PSBTN_NEXT));
    page = CurrentPage(sheet);
    SetControlText(page, IDC_DOC_INTRODUCTION, documents[0]);
    SetControlText(page, IDC_DOC_PROCEDURE, documents[1]);
    SetControlText(page, IDC_DOC_OBSERVATIONS, documents[2]);
    ASSERT_TRUE(Turn(sheet, PSBTN_NEXT));
    ASSERT_EQ(TextOf(sheet), "Add Chemicals");
}

// Add Indicator on the Add Indicators page: a pH indicator that follows the
// chemical, from its low to its high pH, the high end in the colour list's
// row highColour (left as it shows when -1).
inline void AddPhIndicator(HWND sheet, HWND page, const std::string& name, const std::string& description,
                           const std::string& chemical, const std::string& low, const std::string& high,
                           int highColour = -1) {
    Click(page, IDC_IN_ADD);
    HWND indicator = Opened(sheet, "Indicator Properties");
    ASSERT_NE(indicator, nullptr);
    SetControlText(indicator, IDC_ID_NAME, name);
    SetControlText(indicator, IDC_ID_DESCRIPTION, description);
    SelectStartingWith(indicator, IDC_ID_CHEMICAL, chemical, true);
    Tick(indicator, IDC_ID_MEASURES_PH);
    SetControlText(indicator, IDC_ID_LOW, low);
    SetControlText(indicator, IDC_ID_HIGH, high);
    if (highColour >= 0) SendDlgItemMessageA(indicator, IDC_ID_HIGH_COLOUR, CB_SETCURSEL, WPARAM(highColour), 0);
    ASSERT_TRUE(Answer(indicator, IDOK));
}

}  // namespace sheet_script
