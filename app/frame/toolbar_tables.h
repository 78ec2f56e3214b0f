// The two toolbars as data: their buttons, the image set each style uses,
// the tooltip strings and the object buttons' states. The Win32 toolbars
// (toolbars_win.cpp) only turn these into windows.
#pragma once
#include <cstddef>
#include <cstdint>

enum class ButtonKind : uint8_t { Separator, Button, DropDown, CheckGroup, GroupSeparator };

struct ToolbarButtonSpec {
    int32_t image;    // index in the image strip, -1 for a separator
    int32_t command;  // 0 for a separator
    ButtonKind kind;
    bool startsDisabled;
    bool startsChecked;
};

// The main toolbar, 32 entries; button 31's image is index 30, so the
// strips hold 31 images.
extern const ToolbarButtonSpec kMainToolbarButtons[32];
constexpr int32_t kMainToolbarImageCount = 31;
// The format bar: three buttons, a separator, three buttons, at every
// size. (A large bar's extra drop-down would only repeat Align Right, under
// the face combo, so it is left out.)
extern const ToolbarButtonSpec kFormatBarButtons[7];
constexpr int32_t kFormatBarButtonCount = 7;
constexpr int32_t kFormatBarImageCount = 6;

// The common-controls version as major * 100 + minor (4.70 is 470, 5.80 is 580).
struct ToolbarImageSet {
    bool classic;             // the old toolbar, images from one bitmap
    int32_t imageBitmap;
    int32_t maskBitmap;       // 0: none
    int32_t hotBitmap;        // 0: none
    int32_t imageWidth, imageHeight;
    int32_t buttonCount;      // entries of the table used
};

// menuStyle 0 is decided once at start-up: 1 on old or unknown common
// controls, else 3 on a screen of more than 8 bits per pixel, else 2.
int32_t ChooseMenuStyle(int32_t commonControlsVersion, int32_t screenBitsPerPixel);

ToolbarImageSet MainToolbarImageSet(int32_t menuStyle, int32_t commonControlsVersion, double dpiFactor);
ToolbarImageSet FormatBarImageSet(int32_t menuStyle, int32_t commonControlsVersion, double dpiFactor);

// Drop-down buttons need common controls 5.80; their width in pixels.
bool ToolbarDropDownsAvailable(int32_t commonControlsVersion);
int32_t ToolbarDropDownWidth(double dpiFactor);

// The string that names a command's button, 0 for a command of neither bar.
int32_t ToolbarTooltipStringId(int32_t command);
// Copies a tooltip into a buffer of `size` bytes, cut to fit and terminated.
void CopyToolbarTooltip(char* buffer, size_t size, const char* text);
constexpr size_t kToolbarTooltipLength = 80;

// The object buttons for the selected object's kind flags: Add Water 95
// (0x800), Pour 88 (0x2), Stirring Rod 57 (0x40), Thermometer 51 (0x400);
// all four off without an object.
struct ObjectButtonStates {
    bool addWater, pour, stirringRod, thermometer;
    bool labOnlyChecked;  // the pane column is closed (width 0)
};
ObjectButtonStates ComputeObjectButtonStates(bool objectSelected, uint32_t kindFlags, int32_t paneWidth);

// The string of button 31's tooltip (the maker's video channel).
constexpr int32_t kIdsVideoChannelTip = 2259;
