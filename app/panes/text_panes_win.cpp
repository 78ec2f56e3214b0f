#include "app/panes/text_panes_win.h"

#include <commctrl.h>
#include <richedit.h>
#include <shellapi.h>

#include <cstring>

#include "app/frame/app_windows_win.h"
#include "app/shell/message_boxes_win.h"
#include "app/modules/module_host.h"
#include "app/panes/text_pane_ole_win.h"
#include "common/rtf_nesting.h"
#include "resources/brevane/shell_ids.h"

TextPaneRecord TextPanes[kTextPaneCount] = {};
bool PaneStreamGuard = false;

namespace {

bool RichEdit20 = false;
bool RichEditLoaded = false;

void ClearRecord(TextPaneRecord& record) { record = TextPaneRecord{}; }

HWND FailPane(TextPaneRecord& record, const char* text) {
    MessageBoxA(BoxOwnerWindow(), text, nullptr, MB_OK);
    HWND window = record.window;
    ReleaseTextPaneOle(record);
    if (window) DestroyWindow(window);
    ClearRecord(record);
    return nullptr;
}

// The whole file, refused from its size when it is larger than notes may be.
bool ReadNotesFile(const char* path, std::string* out) {
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size;
    bool ok = GetFileSizeEx(file, &size) && size.QuadPart >= 0 && uint64_t(size.QuadPart) <= kLargestNotesBytes;
    if (ok) {
        out->resize(size_t(size.QuadPart));
        DWORD got = 0;
        ok = out->empty() ||
             (ReadFile(file, &(*out)[0], DWORD(out->size()), &got, nullptr) && got == out->size());
    }
    CloseHandle(file);
    return ok;
}

struct MemoryReader {
    const std::string* text;
    size_t at;
};

DWORD CALLBACK ReadFromMemory(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* got) {
    auto* reader = reinterpret_cast<MemoryReader*>(cookie);
    size_t left = reader->text->size() - reader->at;
    size_t n = left < static_cast<size_t>(wanted) ? left : static_cast<size_t>(wanted);
    memcpy(buffer, reader->text->data() + reader->at, n);
    reader->at += n;
    *got = static_cast<LONG>(n);
    return 0;
}

DWORD CALLBACK WriteToMemory(DWORD_PTR cookie, LPBYTE buffer, LONG length, LONG* written) {
    reinterpret_cast<std::string*>(cookie)->append(reinterpret_cast<char*>(buffer),
                                                   static_cast<size_t>(length));
    *written = length;
    return 0;
}

// Whether any character of [first, last) is protected. The selection is
// moved to ask and put back, with the change notifications held.
bool RangeHasProtected(HWND pane, LONG first, LONG last) {
    if (last <= first || first < 0) return false;
    LRESULT mask = SendMessageA(pane, EM_SETEVENTMASK, 0, 0);
    CHARRANGE saved = {};
    SendMessageA(pane, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&saved));
    CHARRANGE range = {first, last};
    SendMessageA(pane, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    CHARFORMATA format = {};
    format.cbSize = sizeof format;
    SendMessageA(pane, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    SendMessageA(pane, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&saved));
    SendMessageA(pane, EM_SETEVENTMASK, 0, mask);
    // A mixed range reports no consistent protected state: part of it is.
    return !(format.dwMask & CFM_PROTECTED) || (format.dwEffects & CFE_PROTECTED);
}

// The characters a user edit would change, or an empty range.
CHARRANGE EditedRange(HWND pane, UINT message, WPARAM wParam) {
    CHARRANGE selection = {};
    SendMessageA(pane, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    if (selection.cpMax > selection.cpMin) return selection;
    LONG at = selection.cpMin;
    if (message == WM_KEYDOWN && wParam == VK_BACK) return {at - 1, at};
    if (message == WM_KEYDOWN && wParam == VK_DELETE) return {at, at + 1};
    if (message == WM_CHAR || message == WM_PASTE) {
        // New text takes the insertion point's format: protected there means
        // typing inside protected text.
        CHARFORMATA format = {};
        format.cbSize = sizeof format;
        SendMessageA(pane, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
        if ((format.dwMask & CFM_PROTECTED) && (format.dwEffects & CFE_PROTECTED)) return {at, at};
    }
    return {0, -1};
}

bool IsUserEdit(UINT message, WPARAM wParam) {
    switch (message) {
    case WM_CHAR: return wParam >= 0x20 || wParam == '\r' || wParam == '\t';
    case WM_KEYDOWN: return wParam == VK_BACK || wParam == VK_DELETE;
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR: return true;
    }
    return false;
}

// Wine's rich edit never sends EN_PROTECTED, so before a user edit touches
// protected text the pane asks its parent itself, with the same
// notification. On Windows the control then asks again; the answer is the same.
LRESULT CALLBACK ProtectingPaneProc(HWND pane, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR, DWORD_PTR) {
    if (IsUserEdit(message, wParam)) {
        CHARRANGE range = EditedRange(pane, message, wParam);
        bool touches = range.cpMax > range.cpMin ? RangeHasProtected(pane, range.cpMin, range.cpMax)
                                                 : range.cpMax == range.cpMin;
        if (touches) {
            ENPROTECTED notice = {};
            notice.nmhdr.hwndFrom = pane;
            notice.nmhdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(pane));
            notice.nmhdr.code = EN_PROTECTED;
            notice.msg = message;
            notice.wParam = wParam;
            notice.lParam = lParam;
            notice.chrg = range;
            if (SendMessageA(GetParent(pane), WM_NOTIFY, notice.nmhdr.idFrom,
                             reinterpret_cast<LPARAM>(&notice)))
                return 0;
        }
    }
    return DefSubclassProc(pane, message, wParam, lParam);
}

}  // namespace

LRESULT AnswerProtectedChange() { return PaneStreamGuard ? 0 : 1; }

bool LoadRichEditLibrary() {
    if (RichEditLoaded) return true;
    if (LoadLibraryA("Riched20.dll")) {
        RichEdit20 = true;
        RichEditLoaded = true;
    } else if (LoadLibraryA("RICHED32.DLL")) {
        RichEditLoaded = true;
    }
    return RichEditLoaded;
}

bool UsingRichEdit20() { return RichEdit20; }

HWND CreateTextPane(HWND parent, HINSTANCE instance, bool readOnly, int which) {
    if (which < 1 || which > kTextPaneCount) return nullptr;
    LoadRichEditLibrary();
    TextPaneRecord& record = TextPanes[which - 1];
    DWORD style = WS_CHILD | WS_BORDER | WS_VSCROLL | WS_CLIPSIBLINGS | ES_MULTILINE |
                  ES_AUTOVSCROLL | ES_NOHIDESEL | ES_WANTRETURN | ES_SAVESEL | ES_SUNKEN;
    if (readOnly) style |= ES_READONLY;
    HWND pane = CreateWindowExA(WS_EX_CLIENTEDGE, RichEdit20 ? "RichEdit20A" : "RichEdit", "", style,
                                0, 0, 100, 100, parent, nullptr, instance, nullptr);
    if (!pane) return nullptr;
    ClearRecord(record);
    record.window = pane;
    DragAcceptFiles(pane, TRUE);
    SendMessageA(pane, EM_SETEVENTMASK, 0, ENM_CHANGE | ENM_SELCHANGE | ENM_DROPFILES | ENM_PROTECTED);
    if (readOnly) SendMessageA(pane, EM_SETBKGNDCOLOR, 0, RGB(192, 192, 192));
    else SetWindowSubclass(pane, ProtectingPaneProc, 1, 0);

    if (!SendMessageA(pane, EM_GETOLEINTERFACE, 0, reinterpret_cast<LPARAM>(&record.ole)) ||
        !record.ole)
        return FailPane(record, "No OLE interface!");
    if (FAILED(StgCreateDocfile(nullptr,
                                STGM_READWRITE | STGM_SHARE_EXCLUSIVE |
                                    STGM_CREATE | STGM_DELETEONRELEASE,
                                0, &record.storage)) ||
        !record.storage)
        return FailPane(record, "No Storage!");
    record.callback = CreatePaneOleCallback(&record);
    if (!record.callback) return FailPane(record, "No callback object!");
    SendMessageA(pane, EM_SETOLECALLBACK, 0, reinterpret_cast<LPARAM>(record.callback));
    return pane;
}

bool CreateTextPanes(HWND parent, HINSTANCE instance) {
    bool ok = true;
    for (int which = 1; which <= kTextPaneCount; ++which)
        ok = CreateTextPane(parent, instance, which != kObservationsPane + 1, which) && ok;
    return ok;
}

void ReleaseTextPaneOle(TextPaneRecord& record) {
    if (record.ole) record.ole->Release();
    if (record.callback) record.callback->Release();
    if (record.storage) record.storage->Release();
    record.ole = nullptr;
    record.callback = nullptr;
    record.storage = nullptr;
}

HWND RecreateTextPane(int index) {
    if (index < 0 || index >= kTextPaneCount) return nullptr;
    TextPaneRecord& record = TextPanes[index];
    if (!record.window) return nullptr;
    HWND parent = GetParent(record.window);
    auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(record.window, GWLP_HINSTANCE));
    DestroyWindow(record.window);
    ReleaseTextPaneOle(record);
    ClearRecord(record);
    return CreateTextPane(parent, instance, index != kObservationsPane, index + 1);
}

void DestroyTextPanes() {
    for (TextPaneRecord& record : TextPanes) {
        HWND window = record.window;
        // The window first: the rich edit drops its own references then.
        if (window) DestroyWindow(window);
        ReleaseTextPaneOle(record);
        ClearRecord(record);
    }
}

HWND TextPaneWindow(int index) {
    return index >= 0 && index < kTextPaneCount ? TextPanes[index].window : nullptr;
}

void ShowTextPane(int index) {
    if (!TextPanes[kObservationsPane].window || !LabModuleHandle || !PluginTable.SetChemTextPane) return;
    if (index < 0 || index >= kTextPaneCount) return;
    for (int i = 0; i < kTextPaneCount; ++i)
        if (i != index && TextPanes[i].window) ShowWindow(TextPanes[i].window, SW_HIDE);
    if (TextPanes[index].window) ShowWindow(TextPanes[index].window, SW_SHOW);
    // The tab names the pane shown, however the pane was chosen (a lab run from the
    // list shows its Introduction whichever tab was chosen before).
    if (TabControl && TabCtrl_GetCurSel(TabControl) != index) TabCtrl_SetCurSel(TabControl, index);
}

HWND CreateTabControl(HWND frame) {
    INITCOMMONCONTROLSEX init = {sizeof init, ICC_TAB_CLASSES};
    InitCommonControlsEx(&init);
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HWND tabs = CreateWindowExA(WS_EX_STATICEDGE, WC_TABCONTROLA, "",
                                WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 300, 24, frame,
                                nullptr, instance, nullptr);
    if (!tabs) return nullptr;
    HDC screen = GetDC(frame);
    int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ReleaseDC(frame, screen);
    HFONT font = CreateFontA(MulDiv(14, dpi, 96), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                             0, 0, "Arial");
    if (font) SendMessageA(tabs, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    static const UINT names[kTextPaneCount] = {IDS_TAB_INTRODUCTION, IDS_TAB_PROCEDURE,
                                               IDS_TAB_OBSERVATIONS};
    for (int i = 0; i < kTextPaneCount; ++i) {
        char text[64];
        if (!LoadResString(names[i], text, sizeof text)) text[0] = '\0';
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        if (SendMessageA(tabs, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item)) != i) {
            DestroyWindow(tabs);
            if (font) DeleteObject(font);
            return nullptr;
        }
    }
    SendMessageA(tabs, TCM_SETCURSEL, 0, 0);
    return tabs;
}

int StreamFileIntoPane(HWND pane, int format, const char* path) {
    if (!pane || !path) return 0;
    // Read whole first: a file that fails part way, or rich text that nests
    // too deep, never reaches the pane.
    std::string text;
    if (!ReadNotesFile(path, &text)) return 0;
    if (format == SF_RTF && !IsRtfNestingSound(text.data(), text.size())) return 0;
    return StreamTextIntoPane(pane, format, text) ? 1 : 0;
}

bool StreamTextIntoPane(HWND pane, int format, const std::string& text) {
    if (!pane || text.size() > kLargestNotesBytes) return false;
    MemoryReader reader = {&text, 0};
    EDITSTREAM stream = {reinterpret_cast<DWORD_PTR>(&reader), 0, ReadFromMemory};
    SendMessageA(pane, EM_STREAMIN, static_cast<WPARAM>(format), reinterpret_cast<LPARAM>(&stream));
    return stream.dwError == 0;
}

bool StreamTextOutOfPane(HWND pane, int format, std::string* text) {
    if (!pane || !text) return false;
    text->clear();
    EDITSTREAM stream = {reinterpret_cast<DWORD_PTR>(text), 0, WriteToMemory};
    SendMessageA(pane, EM_STREAMOUT, static_cast<WPARAM>(format), reinterpret_cast<LPARAM>(&stream));
    return stream.dwError == 0;
}
