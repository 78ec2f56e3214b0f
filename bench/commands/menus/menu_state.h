// Which items of a main-menu pop-up are offered and checked, decided from the
// selection, the loaded module's style and the document's flags. The Win32
// layer (menu_state_win.cpp) gathers the facts and applies the answer.
#pragma once
#include <cstdint>
#include <vector>

#include "common/lab_object.h"

// The main menu's pop-ups that have rules; anything else gets none.
enum class MenuPopup { None, File, Edit, Equipment, Chemicals, Procedures, Arrange, Options };

// The pop-up named by a position in the menu bar (0 File .. 6 Options).
MenuPopup MenuPopupAtPosition(int position);

struct MenuFacts {
    uint32_t style = 0;               // the module's LabStyle bits, 0 with none loaded
    const LabObject* sel = nullptr;   // the singly selected object, null when none
    int32_t multiCount = 0;           // members of the multi-selection
    const LabObject* m0 = nullptr;    // its first two members, null when out of range
    const LabObject* m1 = nullptr;
    bool undoValid = false;
    bool demoRecording = false;
    bool udlNamed = false;            // a user-defined lab file is current
    bool showLabBench = false;
    uint32_t printOptions = 0;
    // Text panes and clipboard.
    bool observationsFocused = false;
    bool observationsCanPaste = false;
    bool labObjectOnClipboard = false;
    bool observationsHasSelection = false;
    bool anyPaneHasSelection = false;
    // Facts that need the whole bench, worked out by GatherBenchMenuFacts.
    bool filterPairReady = false;     // Buchner Funnel offered for the pair
    bool releaseDropperReady = false; // Release Dropper's handler would act
    bool pairHostsInvertedBuret = false;
    bool selHasPartner = false;       // Combine finds an object under the selected one
    bool selCombined = false;         // the selected object is combined with another
};

// Fills the selection and bench facts from the bench's globals; every index
// is range-checked, so a stale selection counts as none.
void GatherBenchMenuFacts(MenuFacts* facts);

enum class ItemEnable : uint8_t { Keep, Enabled, Grayed, Disabled };
enum class ItemCheck : uint8_t { Keep, Checked, Unchecked };

struct MenuItemRule {
    int id;
    ItemEnable enable;
    ItemCheck check;
};
struct SubmenuRule {
    int position;  // within the pop-up the rules were decided for
    ItemEnable enable;
};
struct MenuStateDecision {
    std::vector<MenuItemRule> items;
    std::vector<SubmenuRule> submenus;
    const MenuItemRule* Find(int id) const;
};

MenuStateDecision DecideMenuState(MenuPopup popup, const MenuFacts& facts);

// The state an item of the pop-up finally gets: what its rule says, enabled
// when no rule names it, and grey whenever no handler would act on it.
ItemEnable ResolveItemEnable(const MenuStateDecision& decision, int id, bool hasHandler);
