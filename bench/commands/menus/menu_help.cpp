#include "bench/commands/menus/menu_help.h"

#include <cstdint>

namespace {

struct HelpRow {
    uint16_t id;
    uint16_t stringId;
};

// Searched in order; row 0 never matches an item and stands for "no text".
constexpr HelpRow kRows[] = {
    {0xFFFF, 0},
    {1001, 30}, {1002, 31}, {1003, 32}, {1004, 33}, {1005, 34}, {1011, 234}, {1010, 123}, {1009, 87},
    {1006, 54}, {1007, 85}, {1008, 112}, {30, 35}, {31, 36}, {32, 37}, {33, 38}, {121, 217}, {122, 218},
    {34, 39}, {35, 40}, {36, 41}, {37, 42}, {38, 43}, {39, 44}, {40, 45}, {108, 86}, {109, 109}, {110, 110},
    {111, 111}, {118, 117}, {114, 113}, {112, 114}, {113, 115}, {70, 46}, {71, 47}, {55, 48}, {42, 49},
    {116, 120}, {41, 50}, {43, 51}, {120, 122}, {44, 52}, {45, 53}, {102, 79}, {101, 78}, {47, 55}, {89, 88},
    {195, 92}, {194, 93}, {56, 56}, {51, 57}, {57, 58}, {58, 59}, {59, 60}, {50, 75}, {52, 89}, {117, 90},
    {126, 235}, {130, 236}, {143, 237}, {144, 239}, {142, 240}, {73, 118}, {103, 80}, {115, 119}, {94, 61},
    {106, 83}, {107, 84}, {87, 62}, {88, 63}, {104, 81}, {105, 82}, {83, 64}, {84, 65}, {85, 66}, {86, 67},
    {93, 77}, {92, 76}, {125, 238}, {164, 541}, {157, 542}, {159, 543}, {160, 544}, {163, 545}, {165, 546},
    {166, 547}, {162, 548}, {137, 549}, {140, 550}, {138, 551}, {141, 552}, {139, 553}, {161, 554},
    {153, 555}, {152, 556}, {151, 557}, {150, 558}, {155, 559}, {156, 560}, {196, 622},
    // The system menu: size, move, minimise, maximise, close, restore, task list.
    {61440, 68}, {61456, 69}, {61472, 70}, {61488, 71}, {61536, 72}, {61728, 73}, {61744, 74},
};
static_assert(sizeof(kRows) / sizeof(kRows[0]) == kMenuHelpRows, "row 0 and 106 rows");

}  // namespace

int PopupHelpId(int barPosition, int position) {
    struct Place {
        int bar, position, id;
    };
    static constexpr Place kPlaces[] = {
        {-1, 0, 1002}, {-1, 1, 1003}, {-1, 2, 1004}, {-1, 3, 1011},  // File, Edit, Equipment, Chemicals
        {2, 0, 1005},  {2, 1, 1010},  {2, 6, 1006},  {2, 7, 1009},   // Equipment's pop-ups
        {1, 7, 1007},  {1, 4, 1008},                                 // Edit's pop-ups
    };
    for (const Place& p : kPlaces)
        if (p.bar == barPosition && p.position == position) return p.id;
    return 0;
}

int MenuHelpStringId(int lookupId) {
    if (lookupId <= 0 || lookupId >= 0xFFFF) return 0;
    for (int row = 1; row < kMenuHelpRows; ++row)
        if (kRows[row].id == lookupId) return kRows[row].stringId;
    return 0;
}

int MenuHelpLookupId(bool closed, bool systemMenu, bool popup, int barPosition, int item) {
    if (closed) return 0;
    if (popup) {
        if (systemMenu) return kSystemMenuHelpId;
        return barPosition < -1 ? 0 : PopupHelpId(barPosition, item);
    }
    return item;
}
