// The Edit commands' panes and clipboard over the real windows: the text
// panes by focus, and the clipboard opened as the bench window, holding the
// "LABOBJECT10" block and a CF_BITMAP picture taken from the bench.
#include "bench/commands/edit/edit_seams_win.h"

#include <windows.h>

#include <cstring>

#include "app/frame/app_windows_win.h"
#include "app/panes/text_panes_win.h"
#include "app/shell/select_object.h"
#include "bench/commands/edit/edit_commands.h"
#include "bench/commands/edit/edit_seams.h"
#include "bench/model/selection.h"
#include "bench/window/bench_window_win.h"

namespace {

// The picture of a logical rectangle of the bench as it is on the screen;
// null when it cannot be made. Deselected from its memory DC before return.
HBITMAP BenchPicture(const RectI32& r) {
    if (!BenchDC) return nullptr;
    const int width = r.right - r.left, height = r.bottom - r.top;
    if (width <= 0 || height <= 0) return nullptr;
    HDC memory = CreateCompatibleDC(BenchDC);
    if (!memory) return nullptr;
    HBITMAP picture = CreateCompatibleBitmap(BenchDC, width, height);
    if (picture) {
        HGDIOBJ old = SelectObject(memory, picture);
        BitBlt(memory, 0, 0, width, height, BenchDC, r.left, r.top, SRCCOPY);
        SelectObject(memory, old);
    }
    DeleteDC(memory);
    return picture;
}

HGLOBAL BlockHandle(const std::vector<uint8_t>& block) {
    HGLOBAL handle = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, block.size());
    if (!handle) return nullptr;
    void* at = GlobalLock(handle);
    if (!at) {
        GlobalFree(handle);
        return nullptr;
    }
    std::memcpy(at, block.data(), block.size());
    GlobalUnlock(handle);
    return handle;
}

class WindowEditSeams final : public EditSeams {
public:
    FocusedPane PaneWithFocus() const override {
        HWND focus = GetFocus();
        if (!focus) return FocusedPane::kNone;
        if (focus == TextPaneWindow(kIntroductionPane)) return FocusedPane::kIntroduction;
        if (focus == TextPaneWindow(kProcedurePane)) return FocusedPane::kProcedure;
        if (focus == TextPaneWindow(kObservationsPane)) return FocusedPane::kObservations;
        return FocusedPane::kNone;
    }

    void SendToFocusedPane(PaneEdit edit) override {
        HWND pane = GetFocus();
        if (PaneWithFocus() == FocusedPane::kNone) return;
        switch (edit) {
        case PaneEdit::kCopy: {
            // Protected text is copied too.
            PaneStreamGuardScope guard;
            SendMessageA(pane, WM_COPY, 0, 0);
            break;
        }
        case PaneEdit::kCut: SendMessageA(pane, WM_CUT, 0, 0); break;
        case PaneEdit::kPaste: SendMessageA(pane, WM_PASTE, 0, 0); break;
        case PaneEdit::kClear: SendMessageA(pane, WM_CLEAR, 0, 0); break;
        }
    }

    bool PutLabObjects(const std::vector<uint8_t>& block, const RectI32& pictureRect) override {
        HGLOBAL handle = BlockHandle(block);
        if (!handle) return false;
        HBITMAP picture = BenchPicture(pictureRect);
        if (!OpenClipboard(BenchWindow)) {
            GlobalFree(handle);
            if (picture) DeleteObject(picture);
            return false;
        }
        EmptyClipboard();
        if (picture && !SetClipboardData(CF_BITMAP, picture)) DeleteObject(picture);
        const bool placed = LabObjectClipboardFormat && SetClipboardData(LabObjectClipboardFormat, handle);
        if (!placed) GlobalFree(handle);
        CloseClipboard();
        return placed;
    }

    bool ReadLabObjects(std::vector<uint8_t>* block, size_t maxLength) override {
        if (!LabObjectClipboardFormat || !IsClipboardFormatAvailable(LabObjectClipboardFormat)) return false;
        if (!OpenClipboard(BenchWindow)) return false;
        bool read = false;
        if (HANDLE handle = GetClipboardData(LabObjectClipboardFormat)) {
            const SIZE_T size = GlobalSize(handle);
            if (const void* at = GlobalLock(handle)) {
                const size_t length = size < maxLength ? size_t(size) : maxLength;
                const uint8_t* bytes = static_cast<const uint8_t*>(at);
                block->assign(bytes, bytes + length);
                GlobalUnlock(handle);
                read = true;
            }
        }
        CloseClipboard();
        return read;
    }

    void FocusBench() override {
        if (BenchWindow) SetFocus(BenchWindow);
    }

    // The commands have already zeroed the index, and SelectLabObject leaves
    // the buttons alone for an index already selected.
    void SelectionCleared() override {
        SelectedObject = -1;
        SelectLabObject(0, 0);
    }
};

WindowEditSeams windowEditSeams;

}  // namespace

void RegisterEditCommandsOnWindows() {
    SetEditSeams(&windowEditSeams);
    RegisterEditCommands();
}
