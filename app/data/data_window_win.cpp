#include "app/data/data_window_win.h"

#include <commdlg.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "app/frame/app_windows_win.h"
#include "app/demo/demo_recorder.h"
#include "app/frame/frame_services_win.h"
#include "app/modules/module_host.h"
#include "app/documents/win32_save_target_win.h"
#include "app/settings/help_win.h"
#include "resources/brevane/document_ids.h"

DataWindowSeams DataWindowHooks;

namespace {

struct DataWindowState {
    bool showTable = false;
    HWND table = nullptr;
    uint32_t labStyle = 0;
};

DataWindowState* StateOf(HWND window) {
    return reinterpret_cast<DataWindowState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

bool RecordsTemperature(DataWindowState* s) {
    s->labStyle = DataWindowHooks.queryLabStyle ? DataWindowHooks.queryLabStyle()
                                                : uint32_t(QueryCurrentLabStyle());
    return (s->labStyle & kLabStyleRecordsTemperature) != 0;
}

// The user's locale number format with a fixed number of decimals.
std::string LocaleNumber(double value, int decimals) {
    const std::string plain = FormatPlainNumber(value, decimals);
    char decimal[8] = ".", thousand[8] = ",";
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, decimal, sizeof decimal);
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, thousand, sizeof thousand);
    NUMBERFMTA format = {};
    format.NumDigits = UINT(decimals);
    format.LeadingZero = 1;
    format.Grouping = 3;
    format.lpDecimalSep = decimal;
    format.lpThousandSep = thousand;
    format.NegativeOrder = 1;
    char text[128];
    if (GetNumberFormatA(LOCALE_USER_DEFAULT, 0, plain.c_str(), &format, text, sizeof text) > 0)
        return text;
    return plain;
}

NumberFormatter Formatter() {
    return DataWindowHooks.formatNumber ? DataWindowHooks.formatNumber : LocaleNumber;
}

std::string LoadText(int id, const char* fallback) {
    char text[1024];
    int n = LoadStringA(GetModuleHandleA(nullptr), UINT(id), text, sizeof text);
    return n > 0 ? std::string(text, size_t(n)) : std::string(fallback);
}

void TextAt(HDC dc, int x, int y, const std::string& text, UINT align) {
    SetTextAlign(dc, align);
    TextOutA(dc, x, y, text.c_str(), int(text.size()));
}

template <typename PointOf>
void DrawCurve(HDC dc, const TitrationData& data, PointOf pointOf) {
    for (int32_t i = 0; i < data.record.pointCount; ++i) {
        const POINT p = pointOf(data.points[size_t(i)]);
        if (i == 0)
            MoveToEx(dc, p.x, p.y, nullptr);
        else
            LineTo(dc, p.x, p.y);
    }
}

void FillTable(HWND window, DataWindowState* s) {
    const std::string text =
        BuildTitrationTable(LabTitrationData, RecordsTemperature(s), Formatter());
    SetWindowTextA(s->table, text.c_str());
}

void ShowTable(HWND window, DataWindowState* s) {
    RECT r;
    GetClientRect(window, &r);
    MoveWindow(s->table, 0, 0, r.right, r.bottom, TRUE);
    s->showTable = true;
    ShowWindow(s->table, SW_SHOW);
    FillTable(window, s);
}

void CopyGraph(HWND window, DataWindowState* s) {
    RECT r;
    GetClientRect(window, &r);
    HDC screen = GetDC(window);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, r.right, r.bottom);
    HGDIOBJ old = SelectObject(memory, bitmap);
    FillRect(memory, &r, GetSysColorBrush(COLOR_WINDOW));
    PaintTitrationGraph(memory, r.right, r.bottom, LabTitrationData, RecordsTemperature(s),
                        Formatter());
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(window, screen);
    if (OpenClipboard(window)) {
        EmptyClipboard();
        if (SetClipboardData(CF_BITMAP, bitmap)) bitmap = nullptr;  // the clipboard owns it now
        CloseClipboard();
    }
    if (bitmap) DeleteObject(bitmap);
}

bool ChooseExportFileWithDialog(HWND owner, char* path, int length) {
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = "All (*.*)\0*.*\0CSV (.csv)\0*.csv\0Text (.txt)\0*.TXT\0";
    ofn.nFilterIndex = 2;
    ofn.lpstrFile = path;
    ofn.nMaxFile = DWORD(length);
    ofn.lpstrDefExt = "csv";
    ofn.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY;
    return GetSaveFileNameA(&ofn) != 0;
}

void Export(HWND window, DataWindowState* s) {
    char path[MAX_PATH] = "";
    auto choose = DataWindowHooks.chooseExportFile ? DataWindowHooks.chooseExportFile
                                                   : ChooseExportFileWithDialog;
    if (!choose(window, path, sizeof path)) return;
    ExportTitrationCsv(path, LabTitrationData, RecordsTemperature(s));
}

INT_PTR CALLBACK GraphOptionsProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM) {
    TitrationDataset& r = LabTitrationData.record;
    const int fields[] = {IDC_GRAPH_TITLE, IDC_GRAPH_X_AXIS, IDC_GRAPH_Y_AXIS};
    char* texts[] = {r.title, r.xCaption, r.yCaption};
    switch (msg) {
        case WM_INITDIALOG:
            for (int i = 0; i < 3; ++i) {
                SendDlgItemMessageA(dialog, fields[i], EM_LIMITTEXT, kDatasetTextLength - 1, 0);
                SetDlgItemTextA(dialog, fields[i], texts[i]);
            }
            CheckDlgButton(dialog, IDC_GRAPH_AUTO_REFRESH, r.autoRefresh ? BST_CHECKED : BST_UNCHECKED);
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) {
                for (int i = 0; i < 3; ++i)
                    GetDlgItemTextA(dialog, fields[i], texts[i], kDatasetTextLength);
                r.autoRefresh = IsDlgButtonChecked(dialog, IDC_GRAPH_AUTO_REFRESH) == BST_CHECKED;
                EndDialog(dialog, IDOK);
                return TRUE;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, IDCANCEL);
                return TRUE;
            }
            break;
    }
    return FALSE;
}

void OnCommand(HWND window, DataWindowState* s, int id) {
    switch (id) {
        case IDM_DATA_VIEW:
            ShowTable(window, s);
            break;
        case IDM_DATA_GRAPH_VIEW:
            s->showTable = false;
            ShowWindow(s->table, SW_HIDE);
            InvalidateRect(window, nullptr, TRUE);
            break;
        case IDM_DATA_REFRESH:
            RefreshDataWindow(window);
            break;
        case IDM_DATA_COPY:
            if (s->showTable)
                SendMessageA(s->table, WM_COPY, 0, 0);
            else
                CopyGraph(window, s);
            break;
        case IDM_DATA_EXPORT_CSV:
            Export(window, s);
            break;
        case IDM_DATA_OPTIONS:
            if (DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_GRAPH_OPTIONS),
                                window, GraphOptionsProc, 0) == IDOK)
                InvalidateRect(window, nullptr, TRUE);
            break;
    }
}

}  // namespace

LRESULT CALLBACK DataWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    DataWindowState* s = StateOf(window);
    switch (msg) {
        case WM_CREATE: {
            s = new DataWindowState;
            SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(s));
            s->table = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "",
                                       WS_CHILD | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL, 0, 0,
                                       0, 0, window, nullptr, GetModuleHandleA(nullptr), nullptr);
            // The table may be long: lift the edit control's 32 K default.
            SendMessageA(s->table, EM_LIMITTEXT, 0, 0);
            return 0;
        }
        case WM_DESTROY:
            delete s;
            SetWindowLongPtrA(window, GWLP_USERDATA, 0);
            return 0;
        case WM_SIZE:
            if (s && s->showTable) MoveWindow(s->table, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
            return 0;
        case WM_INITMENUPOPUP: {
            HMENU popup = reinterpret_cast<HMENU>(wParam);
            // Only the View pop-up holds the two views.
            if (s && GetMenuState(popup, IDM_DATA_GRAPH_VIEW, MF_BYCOMMAND) != UINT(-1)) {
                CheckMenuItem(popup, IDM_DATA_GRAPH_VIEW,
                              MF_BYCOMMAND | (s->showTable ? MF_UNCHECKED : MF_CHECKED));
                CheckMenuItem(popup, IDM_DATA_VIEW,
                              MF_BYCOMMAND | (s->showTable ? MF_CHECKED : MF_UNCHECKED));
            }
            return 0;
        }
        case WM_COMMAND:
            if (s) OnCommand(window, s, LOWORD(wParam));
            return 0;
        case WM_HELP:
            ShowContextHelp(window, 0, HELP_KEY_TITRATION_CURVE);
            return TRUE;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(window, &ps);
            if (s && !s->showTable) {
                RECT r;
                GetClientRect(window, &r);
                PaintTitrationGraph(dc, r.right, r.bottom, LabTitrationData, RecordsTemperature(s),
                                    Formatter());
            }
            EndPaint(window, &ps);
            return 0;
        }
        case WM_CLOSE:
            ShowWindow(window, SW_HIDE);
            if (LabDemoRecorder.recording)
                RecordEvent(LoadText(IDS_CLOSE_DATA_WINDOW, "Missing Comment").c_str(),
                            kDemoUiCommand, kDemoCloseDataWindow, 0, 0, 0, 0);
            return 0;
    }
    return DefWindowProcA(window, msg, wParam, lParam);
}

bool DataWindowShowsTable(HWND window) {
    DataWindowState* s = StateOf(window);
    return s && s->showTable;
}

void RefreshDataWindow(HWND window) {
    DataWindowState* s = window && IsWindow(window) ? StateOf(window) : nullptr;
    if (!s) return;
    if (s->showTable)
        FillTable(window, s);
    else
        InvalidateRect(window, nullptr, TRUE);
}

void PaintTitrationGraph(HDC dc, int32_t width, int32_t height, const TitrationData& data,
                         bool withTemperature, NumberFormatter format) {
    if (!format) format = FormatPlainNumber;
    const TitrationGraph g = ComputeTitrationGraph(data, width, height);
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(SYSTEM_FONT));
    TEXTMETRICA tm;
    GetTextMetricsA(dc, &tm);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    TextAt(dc, g.plotWidth / 2, int(tm.tmHeight * 1.25), data.record.title, TA_CENTER | TA_TOP);
    if (!g.drawPlot) {
        SelectObject(dc, oldFont);
        return;
    }
    const int bottom = height - kGraphMargin;
    const int left = kGraphMargin, right = kGraphMargin + g.plotWidth;
    HPEN grid = CreatePen(PS_SOLID, 1, RGB(192, 192, 192));
    HPEN red = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    HGDIOBJ oldPen = SelectObject(dc, grid);

    TextAt(dc, 4, height / 2, data.record.yCaption, TA_LEFT | TA_BASELINE);
    for (int ph = 0; ph <= 14; ++ph) {
        const int y = bottom - g.rowStep * ph;
        TextAt(dc, left - 4, y - tm.tmHeight / 2, std::to_string(ph), TA_RIGHT | TA_TOP);
        MoveToEx(dc, left, y, nullptr);
        LineTo(dc, right, y);
        if (withTemperature) {
            const double celsius =
                ph * (g.highestKelvin - g.lowestKelvin) / 14 + g.lowestKelvin - 273;
            SetTextColor(dc, RGB(255, 0, 0));
            TextAt(dc, right + 4, y - tm.tmHeight / 2, format(celsius, 1), TA_LEFT | TA_TOP);
            SetTextColor(dc, RGB(0, 0, 0));
        }
    }
    TextAt(dc, g.plotWidth / 2 + kGraphMargin, bottom + tm.tmHeight + 4, data.record.xCaption,
           TA_CENTER | TA_TOP);
    if (withTemperature) {
        SetTextColor(dc, RGB(255, 0, 0));
        TextAt(dc, width - 4, height / 2, "\xB0" "C", TA_RIGHT | TA_BASELINE);
        SetTextColor(dc, RGB(0, 0, 0));
    }
    for (int volume = 0; volume < g.largestVolume && volume < 100000; volume += 5) {
        const int x = GraphVolumeX(g, volume);
        TextAt(dc, x, bottom + 2, std::to_string(volume), TA_CENTER | TA_TOP);
        MoveToEx(dc, x, bottom, nullptr);
        LineTo(dc, x, bottom - g.rowStep * 14);
    }
    MoveToEx(dc, right, bottom, nullptr);
    LineTo(dc, right, bottom - g.rowStep * 14);

    SelectObject(dc, GetStockObject(BLACK_PEN));
    DrawCurve(dc, data, [&](const DataPoint& p) {
        return POINT{GraphVolumeX(g, p.volumeMl), GraphPhY(g, height, p.ph)};
    });
    if (withTemperature) {
        SelectObject(dc, red);
        DrawCurve(dc, data, [&](const DataPoint& p) {
            return POINT{GraphVolumeX(g, p.volumeMl), GraphKelvinY(g, height, p.kelvin)};
        });
    }
    SelectObject(dc, oldPen);
    SelectObject(dc, oldFont);
    DeleteObject(grid);
    DeleteObject(red);
}

bool ExportTitrationCsv(const char* path, const TitrationData& data, bool withTemperature) {
    const std::string rows = BuildTitrationCsv(data, withTemperature);
    Win32SaveTarget target(0);  // the export is not shared while it is written
    return SaveFileReplacing(path, reinterpret_cast<const uint8_t*>(rows.data()), rows.size(),
                             target);
}
