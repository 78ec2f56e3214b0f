#include "wizard/database/colour_combo_win.h"

#include <commdlg.h>

#include "wizard/database/colour_choices.h"
#include "wizard/runtime/parvell_module_win.h"

namespace {

constexpr LPARAM kOtherEntry = -1;

int OtherIndex(HWND combo) {
    int count = int(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        if (SendMessageA(combo, CB_GETITEMDATA, WPARAM(i), 0) == kOtherEntry) return i;
    return count;
}

int AddCustom(HWND combo, uint32_t colour) {
    int at = int(SendMessageA(combo, CB_INSERTSTRING, WPARAM(OtherIndex(combo)), LPARAM("custom")));
    if (at >= 0) SendMessageA(combo, CB_SETITEMDATA, WPARAM(at), LPARAM(colour));
    return at;
}

void Select(HWND combo, int index) {
    SendMessageA(combo, CB_SETCURSEL, WPARAM(index), 0);
    SetWindowLongPtrA(combo, GWLP_USERDATA, LONG_PTR(index));
}

}  // namespace

void FillColourCombo(HWND combo, uint32_t colour) {
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    int selected = -1;
    for (int i = 0; i < parvell::FixedColourChoiceCount(); ++i) {
        const parvell::ColourChoice& choice = parvell::FixedColourChoices()[i];
        int at = int(SendMessageA(combo, CB_ADDSTRING, 0, LPARAM(choice.name)));
        SendMessageA(combo, CB_SETITEMDATA, WPARAM(at), LPARAM(choice.value));
        if (selected < 0 && choice.value == colour) selected = at;
    }
    char other[64] = "Other...";
    LoadStringA(ParvellInstance(), parvell::kStringOtherColour, other, sizeof other);
    int at = int(SendMessageA(combo, CB_ADDSTRING, 0, LPARAM(other)));
    SendMessageA(combo, CB_SETITEMDATA, WPARAM(at), kOtherEntry);
    if (selected < 0) selected = AddCustom(combo, colour);
    Select(combo, selected);
}

uint32_t SelectedColour(HWND combo) {
    LRESULT index = SendMessageA(combo, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return 0xFFFFFF;
    LRESULT value = SendMessageA(combo, CB_GETITEMDATA, WPARAM(index), 0);
    return value == kOtherEntry || value == CB_ERR ? 0xFFFFFF : uint32_t(value);
}

void OnColourComboChanged(HWND owner, HWND combo) {
    LRESULT index = SendMessageA(combo, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return;
    if (SendMessageA(combo, CB_GETITEMDATA, WPARAM(index), 0) != kOtherEntry) {
        SetWindowLongPtrA(combo, GWLP_USERDATA, LONG_PTR(index));
        return;
    }
    static COLORREF customColours[16];
    CHOOSECOLORA chooser = {};
    chooser.lStructSize = sizeof chooser;
    chooser.hwndOwner = owner;
    chooser.lpCustColors = customColours;
    chooser.Flags = CC_FULLOPEN;
    if (ChooseColorA(&chooser)) {
        Select(combo, AddCustom(combo, uint32_t(chooser.rgbResult) & 0xFFFFFF));
    } else {
        Select(combo, int(GetWindowLongPtrA(combo, GWLP_USERDATA)));
    }
}
