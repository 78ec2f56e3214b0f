// The chemical database dialog and the lab chemical properties dialog.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "common/chemical_record.h"
#include "wizard/sheet/dialog_fields_win.h"

// The chemical database dialog over owner on database[index], or on a new,
// empty record for index -1. OK runs the ten checks (the first refusal is
// shown and the dialog stays), then rewrites the database at writePath with
// the record in place or appended and registers it with the chemical
// library; a failed write is shown, the dialog stays and database keeps what
// the file holds. 1 stored, 0 cancelled.
int RunChemicalDatabaseDialog(HWND owner, std::vector<ChemicalRecord>& database, int32_t index,
                              const std::string& writePath);

// The lab chemical properties dialog over owner on one of the lab's
// chemicals; earlier is the record "solution" unchecked goes back to
// (EarlierStateOf). OK refuses a solution without a molarity above 0 with
// string 1138 and keeps the dialog. 1 record changed, 0 cancelled.
int RunLabChemicalDialog(HWND owner, ChemicalRecord& record, const ChemicalRecord& earlier);

// A dialog's state, kept in DWLP_USER from WM_INITDIALOG on.
template <class State>
State& KeepDialogState(HWND dialog, LPARAM state) {
    SetWindowLongPtrA(dialog, DWLP_USER, LONG_PTR(state));
    return *reinterpret_cast<State*>(state);
}
template <class State>
State* DialogStateOf(HWND dialog) {
    return reinterpret_cast<State*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

// Cancel ends the dialog with 0; Help opens helpKey's topic. True when id
// was one of them.
bool OnCancelOrHelp(HWND dialog, int id, int helpKey);
