// The controls the wizard's pages and dialogs share: text and number fields,
// check boxes, a list of the lab's chemicals, list-view columns and rows.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "common/chemical_record.h"

namespace parvell {

std::string FieldText(HWND dialog, int id);
void SetFieldText(HWND dialog, int id, const std::string& text);
// The field's number; 0 for anything that is not a finite number.
double FieldNumber(HWND dialog, int id);

bool IsBoxChecked(HWND dialog, int id);
void CheckBox(HWND dialog, int id, bool checked);
void EnableControl(HWND dialog, int id, bool enabled);

// A string of the module's string table.
std::string ModuleText(int id);
// A box over owner with string textId captioned "Error".
void ShowRefusal(HWND owner, int textId);

// Fills a drop-down list with the chemicals by name (item data the key) and
// selects cas; nothing selected when the list has no such chemical.
void FillChemicalCombo(HWND combo, const std::vector<ChemicalRecord>& chemicals, CasNumber cas);
// The selected chemical's key; 0 when none is selected.
CasNumber SelectedChemical(HWND combo);

// Report-view columns, left to right: header text and width in dialog units.
struct ListColumn {
    std::string text;
    int width;
};
void AddListColumns(HWND list, const std::vector<ListColumn>& columns);
// Appends a row of texts; its index.
int AddListRow(HWND list, const std::vector<std::string>& cells, LPARAM data = 0);
// The selected row, or -1.
int SelectedListRow(HWND list);
void SelectListRow(HWND list, int row);

}  // namespace parvell
