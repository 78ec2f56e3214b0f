// The toolbars' windows: image lists from the art's bitmaps, buttons from
// the tables, tooltips, drop-down menus and the object buttons.
#include "app/frame/toolbars_win.h"

#include <iterator>

#include "app/frame/app_windows_win.h"
#include "app/frame/toolbar_tables.h"
#include "app/panes/text_pane_format_win.h"
#include "app/settings/folders_win.h"
#include "app/settings/settings.h"
#include "app/settings/settings_win.h"
#include "app/shell/message_boxes_win.h"
#include "app/shell/select_object.h"
#include "bench/commands/command_ids.h"
#include "bench/commands/command_router.h"
#include "bench/model/lab_objects.h"
#include "bench/model/selection.h"

namespace {

constexpr UINT kMainToolbarId = 200;
constexpr UINT kFormatBarId = 201;
constexpr int kFaceComboId = kCmdFontFace;
constexpr int kSizeComboId = kCmdFontFace + 1;

// Every image list the bars were given, destroyed with them.
HIMAGELIST imageLists[4] = {};
HWND faceCombo = nullptr, sizeCombo = nullptr;
WNDPROC comboProcs[2] = {};

void KeepImageList(HIMAGELIST list) {
    for (HIMAGELIST& slot : imageLists)
        if (!slot) {
            slot = list;
            return;
        }
    ImageList_Destroy(list);  // never more than the bars hold
}

HBITMAP LoadBitmapResource(int id) {
    if (!id) return nullptr;
    return static_cast<HBITMAP>(
        LoadImageA(AppInstance, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

HIMAGELIST MakeImageList(int bitmap, int mask, int width, int height) {
    HIMAGELIST list = ImageList_Create(width, height, ILC_COLOR24 | ILC_MASK, 20, 4);
    if (!list) return nullptr;
    HBITMAP image = LoadBitmapResource(bitmap);
    HBITMAP maskImage = LoadBitmapResource(mask);
    if (image) ImageList_Add(list, image, maskImage);
    if (image) DeleteObject(image);
    if (maskImage) DeleteObject(maskImage);
    KeepImageList(list);
    return list;
}

BYTE ButtonStyle(ButtonKind kind, bool dropDowns) {
    switch (kind) {
    case ButtonKind::Separator: return TBSTYLE_SEP;
    case ButtonKind::GroupSeparator: return TBSTYLE_SEP | TBSTYLE_GROUP;
    case ButtonKind::DropDown: return dropDowns ? BTNS_DROPDOWN : TBSTYLE_BUTTON;
    case ButtonKind::CheckGroup: return TBSTYLE_CHECKGROUP;
    case ButtonKind::Button: break;
    }
    return TBSTYLE_BUTTON;
}

int BuildButtons(const ToolbarButtonSpec* specs, int count, bool dropDowns, TBBUTTON* out) {
    for (int i = 0; i < count; ++i) {
        const ToolbarButtonSpec& s = specs[i];
        TBBUTTON& b = out[i];
        b = TBBUTTON{};
        b.iBitmap = s.image < 0 ? 0 : s.image;
        b.idCommand = s.command;
        b.fsStyle = ButtonStyle(s.kind, dropDowns);
        b.fsState = static_cast<BYTE>((s.startsDisabled ? 0 : TBSTATE_ENABLED) | (s.startsChecked ? TBSTATE_CHECKED : 0));
        b.iString = -1;
    }
    return count;
}

HWND CreateClassicToolbar(HWND parent, DWORD extraStyle, UINT id, int bitmap, int images, const TBBUTTON* buttons,
                          int count, int size) {
    return CreateToolbarEx(parent, WS_CHILD | WS_VISIBLE | TBSTYLE_TOOLTIPS | extraStyle, id, images, AppInstance,
                           bitmap, buttons, count, size, size, size, size, sizeof(TBBUTTON));
}

// The format bar sits where the frame's layout puts it, not at the top.
constexpr DWORD kPlacedBar = CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER;

// The combos relay the mouse to the bar's tooltips, so theirs show too.
LRESULT CALLBACK ComboRelayProc(HWND combo, UINT message, WPARAM wParam, LPARAM lParam) {
    const int which = combo == sizeCombo ? 1 : 0;
    switch (message) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
        if (HWND tips = reinterpret_cast<HWND>(SendMessageA(FormatBar, TB_GETTOOLTIPS, 0, 0))) {
            MSG relay = {combo, message, wParam, lParam, 0, {}};
            SendMessageA(tips, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relay));
        }
        break;
    }
    return CallWindowProcA(comboProcs[which], combo, message, wParam, lParam);
}

void AddComboTip(HWND tips, HWND combo, UINT id) {
    TOOLINFOA tool = {};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = FrameWindow;
    tool.uId = reinterpret_cast<UINT_PTR>(combo);
    tool.hinst = AppInstance;
    tool.lpszText = LPSTR_TEXTCALLBACKA;
    SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    (void)id;
}

HWND MakeCombo(HWND bar, int id, int x, int y, int width, int height) {
    HWND combo = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | CBS_DROPDOWNLIST,
                                 x, y, width, height, bar, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 AppInstance, nullptr);
    if (combo) SendMessageA(combo, WM_SETFONT, SendMessageA(bar, WM_GETFONT, 0, 0), FALSE);
    return combo;
}

void EnableButton(HWND toolbar, int command, bool enabled) {
    SendMessageA(toolbar, TB_ENABLEBUTTON, command, MAKELONG(enabled ? TRUE : FALSE, 0));
}

bool Handled(int command) { return HasCommandHandler(CanonicalCommandId(command)); }

void UpdateSelectedButtons(int32_t object) { UpdateToolbarStates(MainToolbar, object); }

void AppendString(HMENU menu, int command, int stringId, const char* fallback) {
    char text[128];
    if (!LoadResString(static_cast<UINT>(stringId), text, sizeof text)) lstrcpynA(text, fallback, sizeof text);
    AppendMenuA(menu, MF_STRING, command, text);
}

}  // namespace

int32_t CommonControlsVersion() {
    const DWORD v = GetDllVersion("comctl32.dll");
    return static_cast<int32_t>(HIWORD(v) * 100 + LOWORD(v));
}

HWND CreateImageToolbar(HWND parent, DWORD extraStyle, const TBBUTTON* buttons, int count, int imageBitmap,
                        int maskBitmap, int hotBitmap, int hotMask, int width, int height) {
    HWND bar = CreateWindowExA(WS_EX_TOOLWINDOW, TOOLBARCLASSNAMEA, nullptr,
                               WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | extraStyle, 0, 0, 0, 0,
                               parent, nullptr, AppInstance, nullptr);
    if (!bar) return nullptr;
    SendMessageA(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(bar, TB_SETBITMAPSIZE, 0, MAKELONG(width, height));
    SendMessageA(bar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(MakeImageList(imageBitmap, maskBitmap, width, height)));
    if (hotBitmap && hotMask)
        SendMessageA(bar, TB_SETHOTIMAGELIST, 0, reinterpret_cast<LPARAM>(MakeImageList(hotBitmap, hotMask, width, height)));
    SendMessageA(bar, TB_ADDBUTTONSA, count, reinterpret_cast<LPARAM>(buttons));
    SendMessageA(bar, TB_SETBUTTONSIZE, 0, MAKELONG(width, width));
    return bar;
}

HWND CreateMainToolbar(HWND frame) {
    const int32_t version = CommonControlsVersion();
    const ToolbarImageSet set = MainToolbarImageSet(MenuStyle, version, DpiFactor);
    const bool dropDowns = !set.classic && ToolbarDropDownsAvailable(version);
    TBBUTTON buttons[std::size(kMainToolbarButtons)];
    const int count = BuildButtons(kMainToolbarButtons, set.buttonCount, dropDowns, buttons);
    HWND bar;
    if (set.classic) {
        bar = CreateClassicToolbar(frame, 0, kMainToolbarId, set.imageBitmap, kMainToolbarImageCount, buttons, count,
                                   set.imageWidth);
    } else {
        // The hot images use the normal masks: their shapes are the same.
        bar = CreateImageToolbar(frame, 0, buttons, count, set.imageBitmap, set.maskBitmap, set.hotBitmap,
                                 set.maskBitmap, set.imageWidth, set.imageHeight);
    }
    if (!bar) return nullptr;
    if (dropDowns) {
        SendMessageA(bar, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
        for (int command : {kCmdShowWeight, kCmdToolbarAddWater, kCmdYouTube}) {
            TBBUTTONINFOA info = {};
            info.cbSize = sizeof info;
            info.dwMask = TBIF_SIZE;
            info.cx = static_cast<WORD>(ToolbarDropDownWidth(DpiFactor));
            SendMessageA(bar, TB_SETBUTTONINFOA, command, reinterpret_cast<LPARAM>(&info));
        }
    }
    ShowWindow(bar, SW_SHOW);
    return bar;
}

HWND CreateFormatToolbar(HWND frame) {
    const int32_t version = CommonControlsVersion();
    const ToolbarImageSet set = FormatBarImageSet(MenuStyle, version, DpiFactor);
    TBBUTTON buttons[std::size(kFormatBarButtons)];
    const int count = BuildButtons(kFormatBarButtons, set.buttonCount, false, buttons);
    HWND bar = set.classic
                   ? CreateClassicToolbar(frame, kPlacedBar, kFormatBarId, set.imageBitmap, kFormatBarImageCount,
                                          buttons, count, set.imageWidth)
                   : CreateImageToolbar(frame, kPlacedBar, buttons, count, set.imageBitmap,
                                        set.maskBitmap, 0, 0, set.imageWidth, set.imageHeight);
    if (!bar) {
        MessageBoxA(frame, "Toolbar Bar not created!", "Brevane", MB_OK | MB_ICONWARNING);
        return nullptr;
    }
    SendMessageA(bar, TB_AUTOSIZE, 0, 0);
    RECT right{};
    SendMessageA(bar, TB_GETRECT, kCmdAlignRight, reinterpret_cast<LPARAM>(&right));
    const double f = DpiFactor;
    const bool large = f >= 1.5;
    const int faceX = right.right + (large ? 20 : 10);
    const int faceY = large ? 0 : right.top;
    faceCombo = MakeCombo(bar, kFaceComboId, faceX, faceY, static_cast<int>(150 * f), static_cast<int>(250 * f));
    const int sizeX = right.right + (large ? static_cast<int>(150 * f) + 30 : 160);
    sizeCombo = MakeCombo(bar, kSizeComboId, sizeX, faceY, large ? 90 : 50, large ? static_cast<int>(250 * f) : 250);
    HWND combos[2] = {faceCombo, sizeCombo};
    for (int i = 0; i < 2; ++i)
        if (combos[i])
            comboProcs[i] = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrA(combos[i], GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ComboRelayProc)));
    HWND tips = reinterpret_cast<HWND>(SendMessageA(bar, TB_GETTOOLTIPS, 0, 0));
    if (!tips) {
        MessageBoxA(frame, "Could not get tooltip window handle.", "Brevane", MB_OK | MB_ICONWARNING);
    } else {
        AddComboTip(tips, faceCombo, kFaceComboId);
        AddComboTip(tips, sizeCombo, kSizeComboId);
    }
    return bar;
}

void CreateProgramToolbars(HWND frame) {
    if (MenuStyle == 0) {
        HDC screen = GetDC(nullptr);
        const int bits = GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES);
        ReleaseDC(nullptr, screen);
        MenuStyle = ChooseMenuStyle(CommonControlsVersion(), bits);  // kept for the run, not stored
    }
    MainToolbar = CreateMainToolbar(frame);
    FormatBar = CreateFormatToolbar(frame);
    SetFormatBarControls(FormatBar, faceCombo, sizeCombo);
    SetObjectButtonsUpdater(UpdateSelectedButtons);
    RebuildToolbars = RebuildProgramToolbars;
}

void RebuildProgramToolbars(HWND, int32_t object) {
    if (MainToolbar) DestroyWindow(MainToolbar);
    if (FormatBar) DestroyWindow(FormatBar);
    MainToolbar = FormatBar = faceCombo = sizeCombo = nullptr;
    DestroyToolbarImageLists();
    CreateProgramToolbars(FrameWindow);
    UpdateToolbarStates(MainToolbar, object);
    LayoutFrame(BenchWindow);
}

void DestroyToolbarImageLists() {
    for (HIMAGELIST& list : imageLists) {
        if (list) ImageList_Destroy(list);
        list = nullptr;
    }
}

void ToolbarTooltipText(NMTTDISPINFOA* info, int command) {
    if (!info) return;
    const int32_t id = ToolbarTooltipStringId(command);
    if (!id) return;
    char text[kToolbarTooltipLength];
    if (!LoadResString(static_cast<UINT>(id), text, sizeof text)) return;
    CopyToolbarTooltip(info->szText, sizeof info->szText, text);
    info->lpszText = info->szText;
    info->hinst = nullptr;
}

void UpdateToolbarStates(HWND toolbar, int32_t object) {
    if (!toolbar) return;
    const bool selected = object >= 1 && object <= LabObjectCount && object <= kMaxLabObjects;
    const ObjectButtonStates s =
        ComputeObjectButtonStates(selected, selected ? LabObjects[object].kindFlags : 0, PaneWidth);
    for (const ToolbarButtonSpec& b : kMainToolbarButtons)
        if (b.command && !b.startsDisabled) EnableButton(toolbar, b.command, Handled(b.command));
    EnableButton(toolbar, kCmdToolbarAddWater, s.addWater && Handled(kCmdToolbarAddWater));
    EnableButton(toolbar, kCmdPour, s.pour && Handled(kCmdPour));
    EnableButton(toolbar, kCmdStirringRod, s.stirringRod && Handled(kCmdStirringRod));
    EnableButton(toolbar, kCmdThermometer, s.thermometer && Handled(kCmdThermometer));
    if (s.labOnlyChecked) {
        SendMessageA(toolbar, TB_CHECKBUTTON, kCmdLabOnly, MAKELONG(TRUE, 0));
        SendMessageA(toolbar, TB_CHECKBUTTON, kCmdLabAndText, MAKELONG(FALSE, 0));
    }
}

LRESULT ShowMainToolbarDropDown(HWND frame, NMTOOLBARA* toolbar) {
    if (!toolbar) return TBDDRET_NODEFAULT;
    HMENU menu = CreatePopupMenu();
    switch (toolbar->iItem) {
    case kCmdShowWeight:
        AppendString(menu, kCmdAddCentigramBalance, 17, "Centigram Balance");
        AppendString(menu, kCmdAddElectronicBalance, 18, "Electronic Balance");
        AppendString(menu, kCmdAddHighSensitivityBalance, 19, "High Sensitivity Balance");
        break;
    case kCmdToolbarAddWater:
        AppendString(menu, kCmdToolbarAddWater, 723, "Add Water");
        AppendString(menu, kCmdAddIceStep, 724, "Add Ice Water");
        break;
    case kCmdYouTube:
        AppendString(menu, kCmdYouTube, 756, "YouTube");
        AppendString(menu, kCmdFacebook, 754, "Facebook");
        AppendString(menu, kCmdTwitter, 755, "Twitter");
        AppendString(menu, kCmdWebPage, 2260, "Quillmar Web Page");
        break;
    default:
        DestroyMenu(menu);
        return TBDDRET_NODEFAULT;
    }
    RECT button{};
    SendMessageA(toolbar->hdr.hwndFrom, TB_GETRECT, toolbar->iItem, reinterpret_cast<LPARAM>(&button));
    MapWindowPoints(toolbar->hdr.hwndFrom, HWND_DESKTOP, reinterpret_cast<POINT*>(&button), 2);
    const UINT chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN, button.left,
                                       button.bottom, 0, frame, nullptr);
    DestroyMenu(menu);
    if (chosen && BenchWindow) SendMessageA(BenchWindow, WM_COMMAND, MAKEWPARAM(chosen, 0), 0);
    return TBDDRET_DEFAULT;
}
