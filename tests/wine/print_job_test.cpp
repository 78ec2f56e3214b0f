// File Print on the started program, on the prefix's PostScript printer: the
// real Print Setup dialog answered by the dialog driver, the job written to a
// file through the output seam, and the bench page rendered by Ghostscript
// and read back by its pixels.
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>
#include <winspool.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "app/frame/app_windows_win.h"
#include "app/frame/frame_services_win.h"
#include "app/panes/text_pane_print_win.h"
#include "bench/catalogue/equipment_catalogue.h"
#include "bench/commands/command_ids.h"
#include "bench/commands/print/bench_page.h"
#include "bench/commands/print/print_job.h"
#include "bench/commands/print/print_options.h"
#include "bench/commands/print/print_seams_win.h"
#include "bench/model/lab_objects.h"
#include "bench/model/selection.h"
#include "common/equipment_type.h"
#include "dialog_driver.h"
#include "printed_page.h"
#include "program_instance.h"
#include "render/graphics_win.h"
#include "resources/brevane/print_ids.h"
#include "sheet_script.h"
#include "student_steps.h"

void ResetBench();

namespace {

using namespace printed_page;

constexpr char kTestPrinter[] = "Brevane Test PostScript";
constexpr int kPrinterCombo = 0x470;  // cmb1 of the Print Setup template
constexpr int kRenderDpi = 100;

// Saves what the abort dialog shows as a PNG in the folder named by
// BREVANE_SCREENSHOTS, when that is set. Messages are pumped first, as the
// abort procedure does between objects, so the freshly shown dialog has
// painted its controls; the screen is read without repainting, since a
// repaint erases the button until its own paint comes round again.
void SaveAbortDialogPicture() {
    if (!GetEnvironmentVariableA("BREVANE_SCREENSHOTS", nullptr, 0)) return;
    for (int i = 0; i < 10; ++i) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (!IsDialogMessageA(PrintAbortDialog, &message)) {
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
        }
        Sleep(20);
    }
    SaveWindowPicture(PrintAbortDialog, "print-abort-dialog");
}

// What the abort dialog's progress line showed during a job, read after each
// change on the program's thread, and what the window state was then.
struct ProgressWatch {
    std::vector<std::string> texts;
    // Runs once, as the first object is being sent (the bench page under way).
    std::function<void()> atFirstObject;
    bool firstObjectSeen = false;
    bool abortDialogCentred = false;
    bool windowsDisabled = false;
};
ProgressWatch* Watch = nullptr;
HHOOK WatchHook = nullptr;

LRESULT CALLBACK WatchProgress(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && Watch && sent->message == WM_SETTEXT && PrintAbortDialog &&
        GetParent(sent->hwnd) == PrintAbortDialog && GetDlgCtrlID(sent->hwnd) == IDC_PRINT_PROGRESS) {
        Watch->texts.push_back(sheet_script::TextOf(sent->hwnd));
        RECT r;
        GetWindowRect(PrintAbortDialog, &r);
        const int left = (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2;
        const int top = (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2;
        Watch->abortDialogCentred = r.left == left && r.top == top;
        Watch->windowsDisabled = !IsWindowEnabled(FrameWindow) && !IsWindowEnabled(BenchWindow);
        if (!Watch->firstObjectSeen && Watch->texts.back().rfind("Sending lab object", 0) == 0) {
            Watch->firstObjectSeen = true;
            if (Watch->atFirstObject) Watch->atFirstObject();
        }
    }
    return CallNextHookEx(WatchHook, code, wParam, lParam);
}

// What the Print Setup dialog showed when the driver confirmed it.
struct SetupSeen {
    std::string caption;
    std::string printer;
};

DialogDriver::Step ConfirmPrintSetup(SetupSeen* seen) {
    return [seen](HWND dialog) {
        seen->caption = sheet_script::TextOf(dialog);
        seen->printer = sheet_script::ControlTextOf(dialog, kPrinterCombo);
        sheet_script::Click(dialog, IDOK);
    };
}

// The abort dialog is the job's own and goes when the job ends.
DialogDriver::Step LeaveAlone() {
    return [](HWND) {};
}

class PrintJob : public testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_EQ(StartGraphics(), Gdiplus::Ok); }

    void SetUp() override {
        if (!EnsureProgramWindows() || !IsWindow(FrameWindow)) GTEST_SKIP() << "the program is not running";
        char name[256];
        DWORD length = sizeof name;
        if (!GetDefaultPrinterA(name, &length) || std::string(name) != kTestPrinter)
            GTEST_FAIL() << "the prefix's default printer is not \"" << kTestPrinter << "\" (tools/add-test-printer)";
        ResetBench();
        PrintOptions = kDefaultPrintOptions;
        output_ = TempPath("brevane-print-job.ps");
        DeleteFileA(output_.c_str());
        SetPrintOutputOverride(output_.c_str());
    }

    void TearDown() override {
        SetPrintOutputOverride(nullptr);
        SetPrinterRasterCapsOverride(-1);
        PrintOptions = kDefaultPrintOptions;
        if (IsWindow(FrameWindow)) ResetBench();
        DeleteFileA(output_.c_str());
    }

    // Two beakers and a flask at fixed places, each with its liquid: the
    // first beaker overlaps the second, the flask stands apart, and none
    // touches the origin.
    static void PlaceBeakers() {
        struct Place {
            int32_t type;
            int x, y;
            uint8_t r, g, b;
        };
        const Place places[] = {{kBeaker, 260, 180, 30, 60, 220},
                                {kBeaker, 330, 230, 220, 40, 30},
                                {kErlenmeyerFlask, 700, 420, 40, 170, 60}};
        int32_t count = 0;
        for (const Place& p : places) {
            LabObject o = EquipmentPrototype(p.type, GetSystemMetrics(SM_CYFULLSCREEN) < 900);
            o.position = {p.x, p.y, p.x + o.pictureWidth, p.y + o.pictureHeight};
            o.liquidVolume = o.capacityMl * 10.0 * 0.6;
            o.liquidColour[0] = p.r;
            o.liquidColour[1] = p.g;
            o.liquidColour[2] = p.b;
            LabObjects[++count] = o;
        }
        LabObjectCount = count;
        ObjectSelected = false;
        SelectedObject = 0;
    }

    // Sends Print with the dialogs answered by steps; returns what they saw.
    std::vector<SeenDialog> Print(std::vector<DialogDriver::Step> steps, ProgressWatch* watch = nullptr) {
        Watch = watch;
        WatchHook = SetWindowsHookExA(WH_CALLWNDPROCRET, WatchProgress, nullptr, GetCurrentThreadId());
        DialogDriver driver(std::move(steps));
        SendMessageA(FrameWindow, WM_COMMAND, MAKEWPARAM(kCmdPrint, 0), 0);
        driver.Finish();
        UnhookWindowsHookEx(WatchHook);
        WatchHook = nullptr;
        Watch = nullptr;
        EXPECT_EQ(driver.Unexpected(), 0) << "a window the test did not expect";
        return driver.Seen();
    }

    void ExpectJobEnded() {
        EXPECT_TRUE(IsWindowEnabled(FrameWindow));
        EXPECT_TRUE(IsWindowEnabled(BenchWindow));
        EXPECT_EQ(PrintAbortDialog, nullptr);
    }

    std::string output_;
};

TEST_F(PrintJob, TheDefaultOptionsPrintTheBenchThenTheObservations) {
    PlaceBeakers();
    SetupSeen setup;
    ProgressWatch watch;
    Print({ConfirmPrintSetup(&setup), LeaveAlone()}, &watch);
    EXPECT_EQ(setup.caption, "Print Setup");
    EXPECT_EQ(setup.printer, kTestPrinter);
    ExpectJobEnded();

    ASSERT_TRUE(FileExists(output_)) << "the job wrote no file";
    const std::string postscript = ReadText(output_);
    EXPECT_EQ(CountPages(postscript), 2);
    // The document is named after the lab's title, "(Untitled)" without one.
    const char* title = CurrentLabTitle();
    const std::string name = title && *title ? title : "(Untitled)";
    EXPECT_NE(postscript.find("%%Title: " + name + "\n"), std::string::npos) << name;
    EXPECT_NE(postscript.find("%%EOF"), std::string::npos);
    const std::vector<std::string> progress = {"Sending lab object: 0 to printer", "Sending lab object: 1 to printer",
                                               "Sending lab object: 2 to printer",
                                               "Sending observation notes to printer"};
    EXPECT_EQ(watch.texts, progress);
    EXPECT_TRUE(watch.abortDialogCentred);
    EXPECT_TRUE(watch.windowsDisabled);
}

TEST_F(PrintJob, EachChoiceOfPartsGivesItsPages) {
    struct Case {
        const char* what;
        int32_t options;
        bool objects;
        int pages;
        std::vector<std::string> progress;
    };
    const Case cases[] = {
        {"lab space only", kPrintLabSpace, true, 1, {"Sending lab object: 0 to printer",
                                                     "Sending lab object: 1 to printer",
                                                     "Sending lab object: 2 to printer"}},
        {"lab space, empty bench", kPrintLabSpace | kPrintIntroduction, false, 1,
         {"Sending introduction notes to printer"}},
        {"all three panes, no lab space", kPrintIntroduction | kPrintProcedure | kPrintObservations, true, 3,
         {"Sending introduction notes to printer", "Sending procedure notes to printer",
          "Sending observation notes to printer"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ResetBench();
        if (c.objects) PlaceBeakers();
        PrintOptions = c.options;
        DeleteFileA(output_.c_str());
        SetupSeen setup;
        ProgressWatch watch;
        Print({ConfirmPrintSetup(&setup), LeaveAlone()}, &watch);
        ExpectJobEnded();
        ASSERT_TRUE(FileExists(output_));
        EXPECT_EQ(CountPages(ReadText(output_)), c.pages);
        EXPECT_EQ(watch.texts, c.progress);
    }
}

TEST_F(PrintJob, NoOptionsShowTheNothingToPrintBox) {
    PlaceBeakers();
    PrintOptions = 0;
    const std::vector<SeenDialog> seen = Print({Press(IDOK)});
    ASSERT_EQ(seen.size(), 1u) << "no print dialog either";
    EXPECT_EQ(seen[0].caption, "Nothing to Print");
    EXPECT_NE(seen[0].text.find("Nothing to Print - see Printing Options, under the Options Menu"), std::string::npos);
    EXPECT_FALSE(FileExists(output_));
    ExpectJobEnded();
}

TEST_F(PrintJob, APrinterThatCannotTakeBitmapsShowsDeviceError) {
    PlaceBeakers();
    SetPrinterRasterCapsOverride(RC_STRETCHDIB | RC_DI_BITMAP);  // everything but RC_BITBLT matters not
    SetupSeen setup;
    const std::vector<SeenDialog> seen = Print({ConfirmPrintSetup(&setup), Press(IDOK)});
    EXPECT_EQ(setup.caption, "Print Setup");
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1].caption, "Device Error");
    EXPECT_NE(seen[1].text.find("Printer cannot display bitmaps."), std::string::npos);
    EXPECT_FALSE(FileExists(output_)) << "no document was started";
    ExpectJobEnded();
}

TEST_F(PrintJob, CancelDuringTheBenchPageSendsNoPaneAndAbortsTheJob) {
    PlaceBeakers();
    PrintOptions = kPrintLabSpace | kPrintIntroduction | kPrintObservations;
    SetupSeen setup;
    ProgressWatch watch;
    watch.atFirstObject = [] {
        SaveAbortDialogPicture();
        sheet_script::Click(PrintAbortDialog, IDCANCEL);
    };
    Print({ConfirmPrintSetup(&setup), LeaveAlone()}, &watch);
    ASSERT_TRUE(watch.firstObjectSeen);
    // The object being sent when Cancel came is the last one sent.
    const std::vector<std::string> progress = {"Sending lab object: 0 to printer"};
    EXPECT_EQ(watch.texts, progress);
    ExpectJobEnded();
    EXPECT_FALSE(PrintContinue);
    // An aborted job leaves nothing on the printer's port.
    EXPECT_FALSE(FileExists(output_));

    // The printer takes the next job as usual.
    PrintOptions = kPrintLabSpace;
    Print({ConfirmPrintSetup(&setup), LeaveAlone()});
    ExpectJobEnded();
    ASSERT_TRUE(FileExists(output_));
    EXPECT_EQ(CountPages(ReadText(output_)), 1);
}

// Ghostscript's picture of the bench page: each object's outline and liquid
// at its scaled place, the first object over the last where they overlap
// (the last object is printed first), white everywhere else. The timer keeps
// running during the job and may change the bench: the page shows it as it
// stood when the job started.
TEST_F(PrintJob, GhostscriptShowsEachObjectAtItsScaledPlaceTheFirstOnTop) {
    PlaceBeakers();
    const std::vector<LabObject> started(LabObjects, LabObjects + LabObjectCount + 1);
    PrintOptions = kPrintLabSpace;
    SetupSeen setup;
    ProgressWatch watch;
    watch.atFirstObject = [] {
        for (int32_t i = 1; i <= LabObjectCount; ++i) {
            LabObjects[i].position = {40, 40, 140, 140};
            LabObjects[i].liquidColour[0] = LabObjects[i].liquidColour[1] = LabObjects[i].liquidColour[2] = 128;
        }
        LabObjectCount = 1;
    };
    Print({ConfirmPrintSetup(&setup), LeaveAlone()}, &watch);
    ASSERT_TRUE(FileExists(output_));
    // What the bench was when Print came.
    const int32_t count = int32_t(started.size()) - 1;
    std::copy(started.begin(), started.end(), LabObjects);
    LabObjectCount = count;
    const std::string png = TempPath("brevane-printed-bench-page.png");
    std::string why;
    if (!RenderPage(output_, 1, kRenderDpi, png, &why)) GTEST_FAIL() << why;
    Picture page;
    ASSERT_TRUE(LoadPicture(png, &page));
    PrinterPage printer;
    ASSERT_TRUE(ReadPrinterPage(kTestPrinter, &printer));
    // The rendered page is the paper's size at the rendering's resolution.
    EXPECT_NEAR(page.width, double(printer.paperWidth) * kRenderDpi / printer.dpiX, 2.0);
    EXPECT_NEAR(page.height, double(printer.paperHeight) * kRenderDpi / printer.dpiY, 2.0);

    std::vector<PageRect> rects;
    for (int32_t i = 1; i <= LabObjectCount; ++i) {
        const RectI32& r = LabObjects[i].position;
        rects.push_back({r.left, r.top, r.right, r.bottom});
    }
    const BenchPageScale scale = ScaleBenchPage(rects, printer.width, printer.height);
    ASSERT_TRUE(scale.printPage);
    std::vector<RECT> placed(1);  // 1-based, as the objects
    for (int32_t i = 1; i <= LabObjectCount; ++i) placed.push_back(OnPicture(LabObjects[i].position, scale, printer, page));
    auto liquidOf = [](int32_t i) {
        const uint8_t* c = LabObjects[i].liquidColour;
        return RGB(c[0], c[1], c[2]);
    };
    auto isLiquid = [](COLORREF c, COLORREF liquid) {
        return Near(c, GetRValue(liquid), GetGValue(liquid), GetBValue(liquid), 40);
    };
    // The glass outline's dark slate, also where anti-aliasing or the page's
    // resolution has lightened it; never a saturated liquid colour.
    auto isOutline = [](COLORREF c) {
        const int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
        return r + g + b < 480 && std::abs(r - g) < 40 && std::abs(g - b) < 40;
    };
    // Under an object printed after object i (a lower index).
    auto covered = [&](int32_t i, int x, int y) {
        for (int32_t j = 1; j < i; ++j)
            if (Inside(placed[j], x, y, 2)) return true;
        return false;
    };

    for (int32_t i = 1; i <= LabObjectCount; ++i) {
        SCOPED_TRACE("object " + std::to_string(i));
        const RECT& r = placed[i];
        int visible = 0, liquid = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) {
                if (covered(i, x, y)) continue;
                ++visible;
                if (isLiquid(page.At(x, y), liquidOf(i))) ++liquid;
            }
        ASSERT_GT(visible, 0);
        EXPECT_GT(liquid, visible / 10) << "its liquid's colour";
        // The glass wall where the print picture has it, scaled onto the
        // page: row by row down the middle half, the picture's leftmost
        // outline pixel, found on the page within two pixels.
        const PrintBitmap picture(LabObjects[i].printPictureId);
        ASSERT_GT(picture.width, 0) << "no print picture";
        const int w = r.right - r.left, h = r.bottom - r.top;
        int outlined = 0, rows = 0, walls = 0;
        for (int y = r.top + h / 4; y < r.bottom - h / 4; ++y) {
            const int py = (y - r.top) * picture.height / h;
            int px = 0;
            while (px < picture.width && !isOutline(picture.At(px, py))) ++px;
            const int x = r.left + (2 * px + 1) * w / (2 * picture.width);
            if (px == picture.width) continue;
            ++outlined;
            if (covered(i, x, y)) continue;
            ++rows;
            bool wall = false;
            for (int dx = -3; dx <= 3 && !wall; ++dx) wall = isOutline(page.At(x + dx, y));
            if (wall) ++walls;
        }
        EXPECT_GT(outlined, h / 4) << "the picture has no outline down its left";
        EXPECT_GE(walls, rows * 9 / 10) << "its outline at its scaled place";
    }

    // Where the first two overlap, inside the first one's mask, the first
    // one is on top: its liquid shows, the second's does not.
    RECT both;
    ASSERT_TRUE(IntersectRect(&both, &placed[1], &placed[2]));
    const PrintBitmap mask(LabObjects[1].printMaskId);
    ASSERT_GT(mask.width, 0) << "no print mask";
    auto inFirstMask = [&](int x, int y) {
        const RECT& r = placed[1];
        for (int dy = -2; dy <= 2; dy += 2)
            for (int dx = -2; dx <= 2; dx += 2) {
                const int mx = (x + dx - r.left) * mask.width / (r.right - r.left);
                const int my = (y + dy - r.top) * mask.height / (r.bottom - r.top);
                if (mx < 0 || my < 0 || mx >= mask.width || my >= mask.height) return false;
                if (GetRValue(mask.At(mx, my)) > 128) return false;
            }
        return true;
    };
    int first = 0, second = 0, area = 0;
    for (int y = both.top; y < both.bottom; ++y)
        for (int x = both.left; x < both.right; ++x) {
            if (!inFirstMask(x, y)) continue;
            ++area;
            if (isLiquid(page.At(x, y), liquidOf(1))) ++first;
            if (isLiquid(page.At(x, y), liquidOf(2))) ++second;
        }
    ASSERT_GT(area, 0);
    EXPECT_GT(first, area / 10);
    EXPECT_LE(second, area / 100) << "the second object shows through the first";

    int stray = 0;
    for (int y = 0; y < page.height; ++y)
        for (int x = 0; x < page.width; ++x) {
            bool onObject = false;
            for (int32_t i = 1; i <= LabObjectCount; ++i) onObject = onObject || Inside(placed[i], x, y, 2);
            if (!onObject && !NearWhite(page.At(x, y))) ++stray;
        }
    EXPECT_LE(stray, page.width * page.height / 2000) << "ink outside every object";

    char folder[MAX_PATH];
    const DWORD length = GetEnvironmentVariableA("BREVANE_SCREENSHOTS", folder, sizeof folder);
    if (length > 0 && length < sizeof folder)
        CopyFileA(png.c_str(), (std::string(folder) + "\\printed-bench-page.png").c_str(), FALSE);
    DeleteFileA(png.c_str());
    DeleteFileA((png + ".status").c_str());
}

}  // namespace
