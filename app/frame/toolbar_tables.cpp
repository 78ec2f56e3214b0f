#include "app/frame/toolbar_tables.h"

#include <cstring>

namespace {

constexpr ButtonKind Sep = ButtonKind::Separator;
constexpr ButtonKind Btn = ButtonKind::Button;
constexpr ButtonKind Drop = ButtonKind::DropDown;
constexpr ButtonKind Check = ButtonKind::CheckGroup;
constexpr ButtonKind Group = ButtonKind::GroupSeparator;

struct TooltipRow {
    int32_t command, stringId;
};

// clang-format off
const TooltipRow kTooltips[] = {
    {30, 130}, {31, 131}, {32, 132}, {37, 127}, {38, 128}, {39, 129}, {34, 133},
    {95, 134}, {71, 135}, {88, 136}, {55, 137}, {42, 138}, {45, 139}, {43, 140},
    {44, 141}, {58, 142}, {59, 143}, {102, 144}, {89, 145}, {56, 146}, {51, 147},
    {50, 148}, {57, 149}, {144, 619}, {106, 151}, {107, 152}, {92, 150},
    {259, kIdsVideoChannelTip},
    {108, 153}, {109, 154}, {110, 155}, {112, 156}, {113, 158}, {114, 157},
};
// clang-format on

}  // namespace

// clang-format off
const ToolbarButtonSpec kMainToolbarButtons[32] = {
    {-1, 0,   Sep,   false, false},
    {0,  30,  Btn,   false, false},  // New
    {1,  31,  Btn,   false, false},  // Open
    {2,  32,  Btn,   false, false},  // Save
    {3,  37,  Btn,   false, false},  // Cut
    {4,  38,  Btn,   false, false},  // Copy
    {5,  39,  Btn,   false, false},  // Paste
    {6,  34,  Btn,   false, false},  // Print
    {-1, 0,   Sep,   false, false},
    {9,  95,  Drop,  true,  false},  // Add Water
    {10, 71,  Btn,   false, false},  // Add Chemicals
    {11, 88,  Btn,   true,  false},  // Pour
    {12, 55,  Btn,   false, false},  // Bunsen burner
    {13, 42,  Btn,   false, false},  // 100 ml beaker
    {14, 45,  Btn,   false, false},  // test tube
    {15, 43,  Btn,   false, false},  // Erlenmeyer flask
    {16, 44,  Btn,   false, false},  // Florence flask
    {17, 58,  Btn,   false, false},  // watch glass
    {18, 59,  Btn,   false, false},  // evaporation dish
    {19, 102, Btn,   false, false},  // graduated cylinder
    {20, 89,  Btn,   false, false},  // buret
    {21, 56,  Btn,   false, false},  // Buchner funnel
    {22, 51,  Btn,   true,  false},  // thermometer
    {23, 50,  Drop,  false, false},  // Show Weight
    {24, 57,  Btn,   true,  false},  // stirring rod
    {28, 144, Btn,   false, false},  // eye dropper
    {-1, 0,   Group, false, false},
    {25, 106, Check, false, false},  // lab only
    {26, 107, Check, false, true},   // lab and texts
    {-1, 0,   Group, false, false},
    {27, 92,  Btn,   false, false},  // manual
    {30, 259, Drop,  false, false},  // video channel
};

const ToolbarButtonSpec kFormatBarButtons[7] = {
    {0,  108, Btn,  false, false},  // Bold
    {1,  109, Btn,  false, false},  // Italic
    {2,  110, Btn,  false, false},  // Underline
    {-1, 0,   Sep,  false, false},
    {3,  112, Btn,  false, false},  // Align Left
    {4,  113, Btn,  false, false},  // Align Center
    {5,  114, Btn,  false, false},  // Align Right
};
// clang-format on

int32_t ChooseMenuStyle(int32_t commonControlsVersion, int32_t screenBitsPerPixel) {
    if (commonControlsVersion < 470) return 1;
    return screenBitsPerPixel > 8 ? 3 : 2;
}

ToolbarImageSet MainToolbarImageSet(int32_t menuStyle, int32_t commonControlsVersion, double dpiFactor) {
    const int32_t n = 32;
    if (commonControlsVersion < 470 || menuStyle == 1) return {true, 198, 0, 0, 24, 24, n};
    if (menuStyle == 2) return {false, 361, 362, 198, 24, 24, n};
    if (dpiFactor >= 1.5) return {false, 1173, 1174, 1172, 48, 48, n};
    // Style 3, and any style outside 1..3, which the settings never store.
    return {false, 386, 387, 385, 24, 24, n};
}

ToolbarImageSet FormatBarImageSet(int32_t menuStyle, int32_t commonControlsVersion, double dpiFactor) {
    if (commonControlsVersion < 470 || menuStyle == 1) return {true, 104, 0, 0, 16, 16, kFormatBarButtonCount};
    if (dpiFactor >= 1.5) return {false, 1175, 1176, 0, 32, 30, kFormatBarButtonCount};
    return {false, 104, 365, 0, 16, 15, kFormatBarButtonCount};
}

bool ToolbarDropDownsAvailable(int32_t commonControlsVersion) { return commonControlsVersion >= 580; }

int32_t ToolbarDropDownWidth(double dpiFactor) { return dpiFactor >= 1.5 ? 90 : 50; }

int32_t ToolbarTooltipStringId(int32_t command) {
    for (const TooltipRow& row : kTooltips)
        if (row.command == command) return row.stringId;
    return 0;
}

void CopyToolbarTooltip(char* buffer, size_t size, const char* text) {
    if (!buffer || size == 0) return;
    size_t n = 0;
    if (text)
        while (n + 1 < size && text[n]) ++n;
    if (n) std::memcpy(buffer, text, n);
    buffer[n] = '\0';
}

ObjectButtonStates ComputeObjectButtonStates(bool objectSelected, uint32_t kindFlags, int32_t paneWidth) {
    ObjectButtonStates s{};
    if (objectSelected) {
        s.addWater = kindFlags & 0x800;
        s.pour = kindFlags & 0x2;
        s.stirringRod = kindFlags & 0x40;
        s.thermometer = kindFlags & 0x400;
    }
    s.labOnlyChecked = paneWidth == 0;
    return s;
}
