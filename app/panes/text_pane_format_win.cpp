#include "app/panes/text_pane_format_win.h"

#include <commctrl.h>
#include <richedit.h>

#include <cstdio>
#include <cstring>

#include "app/panes/font_sizes.h"
#include "app/panes/text_panes_win.h"

namespace {

HWND FormatBar = nullptr;
HWND FaceCombo = nullptr;
HWND SizeCombo = nullptr;

FontFace* Faces = nullptr;
int FaceCount = 0;     // faces filled
int FaceCapacity = 0;  // TrueType faces counted by the first pass

CHARFORMATA SelectionFormat(HWND pane, DWORD mask) {
    CHARFORMATA format = {};
    format.cbSize = sizeof format;
    format.dwMask = mask;
    SendMessageA(pane, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    return format;
}

void SetSelectionFormat(HWND pane, CHARFORMATA& format) {
    format.cbSize = sizeof format;
    SendMessageA(pane, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
}

void ToggleEffect(HWND pane, DWORD mask, DWORD effect) {
    CHARFORMATA now = SelectionFormat(pane, mask);
    bool on = (now.dwMask & mask) && (now.dwEffects & effect);
    CHARFORMATA change = {};
    change.dwMask = mask;
    change.dwEffects = on ? 0 : effect;
    SetSelectionFormat(pane, change);
    SetFocus(pane);
}

void CheckCommand(HWND frame, int command, bool checked) {
    // GetMenu of a child window answers its id, never a menu.
    bool topLevel = frame && !(GetWindowLongA(frame, GWL_STYLE) & WS_CHILD);
    if (HMENU menu = topLevel ? GetMenu(frame) : nullptr)
        CheckMenuItem(menu, static_cast<UINT>(command), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
    if (FormatBar) SendMessageA(FormatBar, TB_CHECKBUTTON, command, MAKELPARAM(checked ? TRUE : FALSE, 0));
}

int CALLBACK CountTrueTypeFace(const LOGFONTA*, const TEXTMETRICA*, DWORD type, LPARAM count) {
    if (type & TRUETYPE_FONTTYPE) ++*reinterpret_cast<int*>(count);
    return 1;
}

int CALLBACK CountStyle(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return 1;
}

struct StyleFill {
    FontFace* face;
    int capacity;
};

int CALLBACK FillStyleBounded(const LOGFONTA* logFont, const TEXTMETRICA* metrics, DWORD type,
                              LPARAM param) {
    auto* fill = reinterpret_cast<StyleFill*>(param);
    if (fill->face->styleCount >= fill->capacity) return 0;
    FontStyle& style = fill->face->styles[fill->face->styleCount++];
    style.logFont = *logFont;
    style.metrics = *metrics;
    style.fontType = type;
    return 1;
}

struct FaceFill {
    HDC dc;
    bool failed;
};

int CALLBACK FillTrueTypeFace(const LOGFONTA* logFont, const TEXTMETRICA*, DWORD type, LPARAM param) {
    auto* fill = reinterpret_cast<FaceFill*>(param);
    if (!(type & TRUETYPE_FONTTYPE)) return 1;
    // Faces installed between the passes must not run past the table.
    if (FaceCount >= FaceCapacity) return 0;
    FontFace& face = Faces[FaceCount];
    lstrcpynA(face.name, logFont->lfFaceName, LF_FACESIZE);
    int styles = 0;
    EnumFontFamiliesA(fill->dc, face.name, CountStyle, reinterpret_cast<LPARAM>(&styles));
    face.styleCount = 0;
    face.styles = nullptr;
    if (styles > 0) {
        face.styles = static_cast<FontStyle*>(GlobalAlloc(GPTR, sizeof(FontStyle) * styles));
        if (!face.styles) {
            MessageBoxA(nullptr, "alloc failed", nullptr, MB_OK);
            fill->failed = true;
            return 0;
        }
        StyleFill styleFill = {&face, styles};
        EnumFontFamiliesA(fill->dc, face.name, FillStyleBounded, reinterpret_cast<LPARAM>(&styleFill));
    }
    ++FaceCount;
    return 1;
}

}  // namespace

void SetFormatBarControls(HWND formatBar, HWND faceCombo, HWND sizeCombo) {
    FormatBar = formatBar;
    FaceCombo = faceCombo;
    SizeCombo = sizeCombo;
}

HWND FormatFaceCombo() { return FaceCombo; }
HWND FormatSizeCombo() { return SizeCombo; }

void SetParagraphAlignment(HWND frame, HWND pane, int command) {
    static const int commands[3] = {kCmdAlignLeft, kCmdAlignCenter, kCmdAlignRight};
    static const WORD alignments[3] = {PFA_LEFT, PFA_CENTER, PFA_RIGHT};
    int chosen = -1;
    for (int i = 0; i < 3; ++i)
        if (commands[i] == command) chosen = i;
    if (chosen < 0) return;
    for (int i = 0; i < 3; ++i) CheckCommand(frame, commands[i], i == chosen);
    PARAFORMAT paragraph = {};
    paragraph.cbSize = sizeof paragraph;
    paragraph.dwMask = PFM_ALIGNMENT;
    paragraph.wAlignment = alignments[chosen];
    SendMessageA(pane, EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&paragraph));
    SetFocus(pane);
}

void ToggleBold(HWND pane) { ToggleEffect(pane, CFM_BOLD, CFE_BOLD); }
void ToggleItalic(HWND pane) { ToggleEffect(pane, CFM_ITALIC, CFE_ITALIC); }
void ToggleUnderline(HWND pane) { ToggleEffect(pane, CFM_UNDERLINE, CFE_UNDERLINE); }

void ToggleProtected(HWND pane) {
    PaneStreamGuardScope guard;
    ToggleEffect(pane, CFM_PROTECTED, CFE_PROTECTED);
}

void ToggleSubscript(HWND pane) {
    CHARFORMATA now = SelectionFormat(pane, CFM_OFFSET | CFM_SIZE);
    CHARFORMATA change = {};
    change.dwMask = CFM_OFFSET;
    change.yOffset = now.yOffset != 0 ? 0 : -(now.yHeight / 4);
    SetSelectionFormat(pane, change);
    SetFocus(pane);
}

void SetFontFace(HWND pane, const char* face) {
    if (!face) return;
    CHARFORMATA change = {};
    change.dwMask = CFM_FACE;
    lstrcpynA(change.szFaceName, face, LF_FACESIZE);
    SetSelectionFormat(pane, change);
}

void SetFontSize(HWND pane, int points) {
    if (points <= 0) return;
    CHARFORMATA change = {};
    change.dwMask = CFM_SIZE;
    change.yHeight = points * 20;
    SetSelectionFormat(pane, change);
}

int ToggleFormatCheck(HWND frame, int command, int previous) {
    int now = previous ? 0 : 1;
    CheckCommand(frame, command, now != 0);
    return now;
}

void SelectFontInCombos(const char* face, int points) {
    if (FaceCombo && face) {
        LRESULT at = SendMessageA(FaceCombo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                  reinterpret_cast<LPARAM>(face));
        SendMessageA(FaceCombo, CB_SETCURSEL, at == CB_ERR ? static_cast<WPARAM>(-1) : at, 0);
    }
    if (SizeCombo) SendMessageA(SizeCombo, CB_SETCURSEL, static_cast<WPARAM>(FormatBarSizeIndex(points)), 0);
}

bool EnumerateFonts() {
    FreeFontTable();
    HDC dc = GetDC(nullptr);
    if (!dc) return false;
    int count = 0;
    EnumFontFamiliesA(dc, nullptr, CountTrueTypeFace, reinterpret_cast<LPARAM>(&count));
    bool ok = true;
    if (count > 0) {
        Faces = static_cast<FontFace*>(GlobalAlloc(GPTR, sizeof(FontFace) * count));
        if (!Faces) {
            MessageBoxA(nullptr, "alloc failed", nullptr, MB_OK);
            ok = false;
        } else {
            FaceCapacity = count;
            FaceFill fill = {dc, false};
            EnumFontFamiliesA(dc, nullptr, FillTrueTypeFace, reinterpret_cast<LPARAM>(&fill));
            ok = !fill.failed;
        }
    }
    ReleaseDC(nullptr, dc);
    return ok;
}

void FillFormatCombos() {
    if (FaceCombo) {
        SendMessageA(FaceCombo, CB_RESETCONTENT, 0, 0);
        for (int i = 0; i < FaceCount; ++i)
            SendMessageA(FaceCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Faces[i].name));
    }
    if (SizeCombo) {
        SendMessageA(SizeCombo, CB_RESETCONTENT, 0, 0);
        for (int points : kFormatBarSizes) {
            char text[8];
            snprintf(text, sizeof text, "%d", points);
            SendMessageA(SizeCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        }
    }
}

void FreeFontTable() {
    if (Faces) {
        for (int i = 0; i < FaceCount; ++i)
            if (Faces[i].styles) GlobalFree(Faces[i].styles);
        GlobalFree(Faces);
    }
    Faces = nullptr;
    FaceCount = 0;
    FaceCapacity = 0;
}

int FontFaceCount() { return FaceCount; }
const FontFace* FontFaceAt(int index) { return index >= 0 && index < FaceCount ? &Faces[index] : nullptr; }

void ReapplyObservationsFormat(HWND frame) {
    HWND pane = TextPaneWindow(kObservationsPane);
    if (!pane) return;
    if (FaceCount > 0) {
        SetFontFace(pane, Faces[0].name);
        SetFontSize(pane, 12);
        SelectFontInCombos(Faces[0].name, 12);
    }
    CHARFORMATA now = SelectionFormat(pane, CFM_BOLD);
    CheckCommand(frame, kCmdBold, (now.dwMask & CFM_BOLD) && (now.dwEffects & CFE_BOLD));
    SetParagraphAlignment(frame, pane, kCmdAlignLeft);
}
