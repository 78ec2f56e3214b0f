#include "student_hands.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "app/frame/app_windows_win.h"
#include "app/panes/text_panes_win.h"
#include "bench/catalogue/equipment_catalogue.h"
#include "bench/model/lab_objects.h"
#include "bench/window/bench_window_win.h"
#include "control_texts.h"
#include "render/graphics_win.h"
#include "render/object_images.h"
#include "render/object_placement.h"
#include "render/readouts.h"
#include "resources/brevane/contents_ids.h"
#include "resources/brevane/lab_documents_ids.h"

namespace {

std::string WindowText(HWND window) {
    const int length = GetWindowTextLengthA(window);
    std::string text(size_t(length) + 1, '\0');
    GetWindowTextA(window, text.data(), length + 1);
    text.resize(size_t(length));
    return text;
}

bool LargeSet() { return ScreenTemplateSet() == TemplateSet::kLarge; }

// Picks the first row of a combo box whose text holds part, as a click does.
bool PickRowHolding(HWND dialog, int id, const std::string& part) {
    HWND combo = GetDlgItem(dialog, id);
    for (int i = 0, n = int(SendMessageA(combo, CB_GETCOUNT, 0, 0)); i < n; ++i) {
        char text[512] = "";
        if (SendMessageA(combo, CB_GETLBTEXTLEN, WPARAM(i), 0) >= LRESULT(sizeof text)) continue;
        SendMessageA(combo, CB_GETLBTEXT, WPARAM(i), reinterpret_cast<LPARAM>(text));
        if (std::string(text).find(part) != std::string::npos) return ChooseComboRow(dialog, id, text);
    }
    return false;
}

void PressOnDialog(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void PumpPending() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

}  // namespace

testing::AssertionResult ChooseMenu(const std::vector<std::string>& path) {
    std::string problem;
    if (ChooseFromMenuBar(path, &problem)) return testing::AssertionSuccess();
    return testing::AssertionFailure() << problem;
}

std::string ProcedureStep(int n) {
    const std::string text = WindowText(TextPanes[kProcedurePane].window);
    const std::string mark = std::to_string(n) + ". ";
    size_t start = 0;
    for (;; ++start) {
        start = text.find(mark, start);
        if (start == std::string::npos) return {};
        if (start == 0 || text[start - 1] == '\r' || text[start - 1] == '\n') break;
    }
    const std::string next = std::to_string(n + 1) + ". ";
    size_t end = text.find("\r" + next, start);
    if (end == std::string::npos) end = text.find("\n" + next, start);
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

testing::AssertionResult StepNames(int n, const std::vector<std::string>& names) {
    const std::string step = ProcedureStep(n);
    if (step.empty()) return testing::AssertionFailure() << "the Procedure has no step " << n;
    for (const std::string& name : names)
        if (step.find(name) == std::string::npos)
            return testing::AssertionFailure() << "step " << n << " does not say \"" << name << "\": " << step;
    return testing::AssertionSuccess();
}

void DragObjectTo(int32_t index, int32_t left, int32_t bottom) {
    const LabObject& o = LabObjects[index];
    const POINT from = CentreOf(o);
    DragOnBench(from, {from.x + left - o.position.left, from.y + bottom - o.position.bottom});
}

int32_t BenchTop() {
    RECT client;
    GetClientRect(BenchWindow, &client);
    const PngImage* strip = CachedPng(kBenchStripImage);
    POINT top{0, client.bottom - (strip ? strip->height : 0)};
    DPtoLP(BenchDC, &top, 1);
    return top.y;
}

void RepaintBench() {
    InvalidateRect(BenchWindow, nullptr, TRUE);
    UpdateWindow(BenchWindow);
    GdiFlush();
}

int PassTicksUntil(const std::function<bool()>& done, int maxTicks) {
    for (int i = 0; i < maxTicks; ++i) {
        if (done()) return i;
        SendMessageA(BenchWindow, WM_TIMER, kLabTimerId, 0);
        if (i % 10 == 9) RepaintBench();
    }
    PumpPending();
    return done() ? maxTicks : -1;
}

std::string ThermometerText(const LabObject& o) {
    char text[kReadoutTextLength] = "";
    FormatThermometerText(text, sizeof text, o, CurrentTempScale());
    return text;
}

std::string BalanceText(const LabObject& balance) {
    Readout r{};
    EXPECT_TRUE(InstrumentReadout(balance, !LargeSet(), CurrentReadoutServices().formatNumber, &r));
    return r.text;
}

double ReadoutNumber(const std::string& text) {
    std::string number = text;
    std::replace(number.begin(), number.end(), ',', '.');
    return std::atof(number.c_str());
}

std::vector<COLORREF> BenchPixels(const RECT& area) {
    std::vector<COLORREF> pixels;
    HDC dc = GetDC(BenchWindow);
    for (int y = area.top; y < area.bottom; y += 2)
        for (int x = area.left; x < area.right; x += 2) pixels.push_back(GetPixel(dc, x, y));
    ReleaseDC(BenchWindow, dc);
    return pixels;
}

int Luma(COLORREF c) { return (GetRValue(c) * 30 + GetGValue(c) * 59 + GetBValue(c) * 11) / 100; }

RECT SolidBandOf(const LabObject& o) {
    int32_t floor = 0;
    for (const PointI32& p : o.liquidOutline) floor = std::max(floor, p.y);
    // The middle fifth: clear of a thermometer and the scale.
    const int32_t width = o.position.right - o.position.left;
    const POINT a = ClientPoint({o.position.left + width * 2 / 5, o.position.top + floor - 8});
    const POINT b = ClientPoint({o.position.left + width * 3 / 5, o.position.top + floor - 3});
    return RECT{a.x, a.y, b.x, b.y};
}

RECT LiquidBandOf(const LabObject& o) {
    int32_t floor = 0;
    for (const PointI32& p : o.liquidOutline) floor = std::max(floor, p.y);
    const double column = o.liquidVolume * o.liquidHeightScale;  // tenths x pixels per tenth
    const int32_t width = o.position.right - o.position.left;
    // Clear of the surface line above and of a solid layer's surface below.
    const int32_t top = o.position.top + floor - int32_t(column * 0.8);
    const POINT a = ClientPoint({o.position.left + width * 2 / 5, top});
    const POINT b = ClientPoint({o.position.left + width * 3 / 5, top + int32_t(column * 0.4)});
    return RECT{a.x, a.y, b.x, b.y};
}

int SolidPixelsIn(const RECT& area) {
    // The hatch's dark grey, and the black of its surface line, laid at the
    // contents' opacity over the near-white glass stay neutral grey; the
    // glass outline is slate blue, a balance's pan warm grey, and every
    // liquid lighter, grey silver nitrate solution included.
    constexpr int kHatchLuma = 170, kNeutral = 10;
    int solid = 0;
    for (COLORREF c : BenchPixels(area)) {
        const int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
        if (Luma(c) < kHatchLuma && std::abs(r - b) <= kNeutral && std::abs(g - b) <= kNeutral) ++solid;
    }
    return solid;
}

testing::AssertionResult Answered(std::vector<DialogDriver::Step> steps, const std::function<void()>& action) {
    const size_t expected = steps.size();
    DialogDriver driver(std::move(steps));
    action();
    // A dialog the command posted may come a little later.
    for (int i = 0; i < 200 && driver.Seen().size() < expected; ++i) {
        PumpPending();
        Sleep(10);
    }
    PumpPending();
    driver.Finish();
    if (driver.Unexpected() > 0) {
        const SeenDialog& last = driver.Seen().back();
        return testing::AssertionFailure() << "an unexpected \"" << last.caption << "\": " << last.text;
    }
    if (driver.Seen().size() < expected)
        return testing::AssertionFailure() << driver.Seen().size() << " of " << expected << " dialogs came";
    return testing::AssertionSuccess();
}

DialogDriver::Step RunLab(const std::string& module) {
    return [module](HWND dialog) {
        HWND list = GetDlgItem(dialog, IDC_LAB_LIST_LABS);
        for (int i = 0, n = int(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)); i < n; ++i) {
            if (_stricmp(ListCellText(list, i, 2).c_str(), module.c_str()) != 0) continue;
            LVITEMA state = {};
            state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
            state.state = LVIS_SELECTED | LVIS_FOCUSED;
            SendMessageA(list, LVM_SETITEMSTATE, WPARAM(i), reinterpret_cast<LPARAM>(&state));
        }
        PressOnDialog(dialog, IDOK);
    };
}

DialogDriver::Step FillToLevel(const std::string& level) {
    return [level](HWND dialog) {
        if (ChooseComboRow(dialog, IDC_WATER_LEVELS, level)) PressOnDialog(dialog, IDOK);
        else PressOnDialog(dialog, IDCANCEL);
    };
}

DialogDriver::Step AddChemical(const std::string& name, const std::string& amount) {
    return [name, amount](HWND dialog) {
        if (!PickRowHolding(dialog, IDC_CHEM_LIST, name)) {
            PressOnDialog(dialog, IDCANCEL);
            return;
        }
        SendMessageA(GetDlgItem(dialog, IDC_CHEM_AMOUNT), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(amount.c_str()));
        PressOnDialog(dialog, IDOK);
    };
}

DialogDriver::Step PlaceResidue(const std::string& type, const std::string& size) {
    return [type, size](HWND dialog) {
        if (type.empty()) {
            SendMessageA(GetDlgItem(dialog, IDC_FILTER_SELECTED), BM_CLICK, 0, 0);
        } else {
            SendMessageA(GetDlgItem(dialog, IDC_FILTER_NEW), BM_CLICK, 0, 0);
            if (!ChooseComboRow(dialog, IDC_FILTER_TYPE, type) || !ChooseComboRow(dialog, IDC_FILTER_SIZE, size)) {
                PressOnDialog(dialog, IDCANCEL);
                return;
            }
        }
        PressOnDialog(dialog, IDOK);
    };
}

DialogDriver::Step ReadListThenOk(int listId, std::vector<std::string>* lines) {
    return [listId, lines](HWND dialog) {
        *lines = ListBoxRows(dialog, listId);
        PressOnDialog(dialog, IDOK);
    };
}

double GramsInLines(const std::vector<std::string>& lines, const std::string& name, const std::string& phase) {
    for (const std::string& line : lines) {
        if (line.compare(0, name.size(), name) != 0 || line.find("(" + phase + ")") == std::string::npos) continue;
        const size_t open = line.find("(", line.find("(" + phase + ")") + phase.size() + 2);
        if (open == std::string::npos) continue;
        return ReadoutNumber(line.substr(open + 1));
    }
    return -1;
}
