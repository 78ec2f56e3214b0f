// Formatting the Observations text: the format commands, the format bar's
// face and size boxes and the table of TrueType faces behind them.
#pragma once
#include <windows.h>

#include "bench/commands/command_ids.h"

// The format bar and its two combo boxes, set by the toolbar code whenever
// it (re-)creates them; null handles are skipped.
void SetFormatBarControls(HWND formatBar, HWND faceCombo, HWND sizeCombo);
HWND FormatFaceCombo();
HWND FormatSizeCombo();

// command kCmdAlignLeft, kCmdAlignCenter or kCmdAlignRight.
void SetParagraphAlignment(HWND frame, HWND pane, int command);
void ToggleBold(HWND pane);
void ToggleItalic(HWND pane);
void ToggleUnderline(HWND pane);
void ToggleProtected(HWND pane);  // under PaneStreamGuard
void ToggleSubscript(HWND pane);
void SetFontFace(HWND pane, const char* face);
void SetFontSize(HWND pane, int points);
// Sets the menu check and the format-bar button to !previous; returns it.
int ToggleFormatCheck(HWND frame, int command, int previous);
void SelectFontInCombos(const char* face, int points);

// The TrueType faces of the screen, each with its styles.
struct FontStyle {
    LOGFONTA logFont;
    TEXTMETRICA metrics;
    DWORD fontType;
};
struct FontFace {
    char name[LF_FACESIZE];
    int styleCount;
    FontStyle* styles;
};

bool EnumerateFonts();
void FillFormatCombos();
void FreeFontTable();
int FontFaceCount();
const FontFace* FontFaceAt(int index);

// After the format bar is re-created: the first face at 12 points on the
// Observations pane, shown in the combos, left alignment, bold state re-shown.
void ReapplyObservationsFormat(HWND frame);
