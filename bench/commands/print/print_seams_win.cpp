// The print job on a real printer: the print dialog, the print box and a
// bench page composed in memory. PostScript drivers carry out neither
// SRCINVERT nor SRCAND, so each object's picture and mask are laid onto one
// page bitmap here and the page goes to the printer in one SRCCOPY stretch.
#include <windows.h>
#include <commdlg.h>

#include <cstdio>

#include "app/frame/app_windows_win.h"
#include "app/frame/frame_services_win.h"
#include "app/panes/text_pane_print_win.h"
#include "app/panes/text_panes_win.h"
#include "bench/commands/print/print_job.h"
#include "bench/commands/print/print_seams_win.h"
#include "render/print/draw_object_print_win.h"
#include "render/print/packed_dib_win.h"
#include "resources/brevane/print_ids.h"

namespace {

int RasterCapsOverride = -1;

std::string LoadText(int id) {
    char text[256] = "";
    LoadStringA(AppInstance, static_cast<UINT>(id), text, sizeof text);
    return text;
}

class WindowsPrintSeams : public PrintSeams {
public:
    void Warn(int textId, int captionId) override {
        const UINT icon = textId == IDS_NOTHING_TO_PRINT ? MB_ICONEXCLAMATION : MB_OK;
        MessageBoxA(BenchWindow, LoadText(textId).c_str(), LoadText(captionId).c_str(), icon);
    }

    bool ChoosePrinter() override {
        PRINTDLGA record{};
        record.lStructSize = sizeof record;
        record.hwndOwner = BenchWindow;
        record.Flags = PD_USEDEVMODECOPIESANDCOLLATE | PD_RETURNDC | PD_PRINTSETUP | PD_COLLATE |
                       PD_NOSELECTION;
        if (!PrintDlgA(&record)) return false;
        if (record.hDevMode) GlobalFree(record.hDevMode);
        if (record.hDevNames) GlobalFree(record.hDevNames);
        printer_ = record.hDC;
        return printer_ != nullptr;
    }

    bool PrinterCanBitBlt() override {
        const int caps = RasterCapsOverride >= 0 ? RasterCapsOverride : GetDeviceCaps(printer_, RASTERCAPS);
        return (caps & RC_BITBLT) != 0;
    }

    void DeletePrinter() override {
        if (printer_) DeleteDC(printer_);
        printer_ = nullptr;
    }

    void OpenAbortDialog() override {
        title_ = PrintDocumentName(CurrentLabTitle() ? CurrentLabTitle() : "");
        SetAbortProc(printer_, PrintAbortProc);
        HWND dialog = CreatePrintAbortDialog(BenchWindow, AppInstance, title_.c_str());
        if (dialog) {
            RECT r;
            GetWindowRect(dialog, &r);
            const int width = r.right - r.left, height = r.bottom - r.top;
            SetWindowPos(dialog, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                         (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        EnableWindow(BenchWindow, FALSE);
        EnableWindow(FrameWindow, FALSE);
    }

    void CloseAbortDialog() override {
        EnableWindow(BenchWindow, TRUE);
        EnableWindow(FrameWindow, TRUE);
        if (PrintAbortDialog) DestroyWindow(PrintAbortDialog);
        PrintAbortDialog = nullptr;
    }

    std::string DocumentTitle() override { return CurrentLabTitle() ? CurrentLabTitle() : ""; }

    bool StartDocument(const std::string& name) override {
        name_ = name;
        DOCINFOA info{};
        info.cbSize = sizeof info;
        info.lpszDocName = name_.c_str();
        info.lpszOutput = PrintOutputOverride();
        return StartDocA(printer_, &info) > 0;
    }

    bool Continuing() override { return PrintAbortProc(printer_, 0) != FALSE; }

    void ShowProgress(int stringId, int32_t number) override {
        if (!PrintAbortDialog) return;
        std::string text = LoadText(stringId);
        if (number >= 0) {
            char line[300];
            snprintf(line, sizeof line, text.c_str(), static_cast<int>(number));
            text = line;
        }
        SetDlgItemTextA(PrintAbortDialog, IDC_PRINT_PROGRESS, text.c_str());
    }

    bool StartPage(int32_t* clipWidth, int32_t* clipHeight) override {
        if (::StartPage(printer_) <= 0) return false;
        RECT clip{};
        GetClipBox(printer_, &clip);
        POINT corners[2] = {{clip.left, clip.top}, {clip.right, clip.bottom}};
        LPtoDP(printer_, corners, 2);
        *clipWidth = corners[1].x - corners[0].x;
        *clipHeight = corners[1].y - corners[0].y;
        return true;
    }

    void SetPageScale(const BenchPageScale& scale) override {
        scale_ = scale;
        SetMapMode(printer_, MM_ISOTROPIC);
        SetWindowExtEx(printer_, static_cast<int>(scale.windowExtent), static_cast<int>(scale.windowExtent), nullptr);
        SetViewportExtEx(printer_, static_cast<int>(scale.viewportExtent), static_cast<int>(scale.viewportExtent),
                         nullptr);
        SetViewportOrgEx(printer_, 0, 0, nullptr);
        // The page in bench units from the origin, white until objects land.
        const int width = scale.box.right - scale.box.left, height = scale.box.bottom - scale.box.top;
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 24;
        void* bits = nullptr;
        pageDC_ = CreateCompatibleDC(nullptr);
        page_ = CreateDIBSection(pageDC_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (!pageDC_ || !page_) return;
        oldPage_ = SelectObject(pageDC_, page_);
        PatBlt(pageDC_, 0, 0, width, height, WHITENESS);
    }

    void PrintObject(std::vector<LabObject>& objects, int32_t index) override {
        if (!page_) return;
        const LabObject& object = objects[index];
        HBITMAP image = LoadPrintBitmap(object.printPictureId);
        HBITMAP mask = LoadPrintBitmap(object.printMaskId);
        if (image && mask) {
            // The contents and read-outs go into the loaded picture and mask first.
            DrawObjectForPrint(pageDC_, image, mask, objects.data(), index,
                               static_cast<int32_t>(objects.size()) - 1);
            const RectI32& r = object.position;
            LayThroughMask(pageDC_, r.left - scale_.box.left, r.top - scale_.box.top, r.right - r.left,
                           r.bottom - r.top, image, mask);
        }
        if (image) DeleteObject(image);
        if (mask) DeleteObject(mask);
    }

    void EndPage() override {
        if (page_) {
            SelectObject(pageDC_, oldPage_);
            HGLOBAL dib = DibFromBitmap(page_, BI_RGB, 0, nullptr);
            const int width = scale_.box.right - scale_.box.left, height = scale_.box.bottom - scale_.box.top;
            SetStretchBltMode(printer_, HALFTONE);
            if (dib) {
                StretchDibBlt(printer_, scale_.box.left, scale_.box.top, width, height, dib, 0, 0, width, height,
                              SRCCOPY);
                GlobalFree(dib);
            }
            DeleteObject(page_);
            page_ = nullptr;
        }
        if (pageDC_) DeleteDC(pageDC_);
        pageDC_ = nullptr;
        ::EndPage(printer_);
    }

    void PrintPane(int32_t pane) override {
        if (pane >= 0 && pane < kTextPaneCount) PrintTextPane(printer_, TextPanes[pane].window);
    }

    // Wine's PostScript driver fails AbortDoc and leaves the document open;
    // deleting the printer context, which always follows, then drops the job
    // with nothing written, as Windows does for a context deleted mid-job.
    void AbortDocument() override { AbortDoc(printer_); }
    void EndDocument() override { EndDoc(printer_); }

private:
    HDC printer_ = nullptr;
    HDC pageDC_ = nullptr;
    HBITMAP page_ = nullptr;
    HGDIOBJ oldPage_ = nullptr;
    BenchPageScale scale_;
    std::string title_, name_;
};

WindowsPrintSeams TheSeams;
const char* OutputOverride = nullptr;

}  // namespace

void InstallPrintSeams() {
    SetPrintSeams(&TheSeams);
    RegisterPrintCommands();
}

const char* PrintOutputOverride() { return OutputOverride; }
void SetPrintOutputOverride(const char* path) { OutputOverride = path; }
void SetPrinterRasterCapsOverride(int caps) { RasterCapsOverride = caps; }
