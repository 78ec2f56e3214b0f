// The Properties dialog: what a vessel holds, the lab's reactions that
// concern it, and the molecule viewer for the selected substance.
#include <windows.h>
#include <richedit.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "app/modules/module_host.h"
#include "app/settings/folders_win.h"
#include "app/settings/help_win.h"
#include "app/shell/message_boxes_win.h"
#include "app/shell/shell_services_win.h"
#include "bench/commands/contents/contents_dialogs_win.h"
#include "bench/commands/contents/dialog_helpers_win.h"
#include "bench/commands/contents/properties_lines.h"
#include "resources/brevane/contents_ids.h"

namespace {

constexpr int kHelpProperties = 1040;
constexpr char kViewerName[] = "rw32b2a.exe";

std::string LoadText(int32_t id) {
    char buffer[256];
    return LoadResString(static_cast<UINT>(id), buffer, sizeof buffer) ? buffer : "";
}

// Deletes, from the last line up, every line of the reaction text that no
// substance of the vessel names. Lines are the text's own, not its wrapping.
void CutReactionText(HWND edit, const LabObject& vessel) {
    GETTEXTLENGTHEX lengthEx{GTL_DEFAULT, CP_ACP};
    const LRESULT length = SendMessageA(edit, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&lengthEx), 0);
    if (length <= 0) return;
    std::vector<char> text(static_cast<size_t>(length) + 1);
    GETTEXTEX get{static_cast<DWORD>(text.size()), GT_DEFAULT, CP_ACP, nullptr, nullptr};
    SendMessageA(edit, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&get), reinterpret_cast<LPARAM>(text.data()));
    // Each line's start; a line ends at '\r' (with '\n' after it when present).
    std::vector<LONG> starts{0};
    for (LONG i = 0; text[i]; ++i) {
        if (text[i] == '\r' && text[i + 1] == '\n') ++i;
        if (text[i] == '\r' || text[i] == '\n') starts.push_back(i + 1);
    }
    const LONG end = static_cast<LONG>(std::string(text.data()).size());
    const int32_t lineCount = static_cast<int32_t>(starts.size());
    const std::vector<int32_t> kept = KeptReactionLines(vessel, lineCount);
    size_t next = kept.size();
    for (int32_t line = lineCount; line >= 1; --line) {
        if (next > 0 && kept[next - 1] == line) {
            --next;
            continue;
        }
        CHARRANGE range{starts[line - 1], line < lineCount ? starts[line] : end};
        SendMessageA(edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
        SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(""));
    }
}

CasNumber SelectedCas(HWND dialog) {
    const LRESULT at = SendDlgItemMessageA(dialog, IDC_PROPERTIES_LIST, LB_GETCURSEL, 0, 0);
    if (at < 0) return 0;
    return static_cast<CasNumber>(SendDlgItemMessageA(dialog, IDC_PROPERTIES_LIST, LB_GETITEMDATA, at, 0));
}

bool MoleculeFile(CasNumber cas, char* path) {
    path[0] = 0;
    if (!cas || !LabModuleHandle || !PluginTable.PDBFileAvailable) return false;
    return PluginTable.PDBFileAvailable(cas, path) != 0;
}

void UpdateViewerButton(HWND dialog) {
    char path[MAX_PATH + 1] = {};
    EnableWindow(GetDlgItem(dialog, IDC_PROPERTIES_VIEWER), MoleculeFile(SelectedCas(dialog), path));
}

void OpenViewer(HWND dialog) {
    char path[MAX_PATH + 1] = {};
    if (!MoleculeFile(SelectedCas(dialog), path)) return;
    path[MAX_PATH] = 0;
    std::string file = path, folder;
    const size_t slash = file.find_last_of("\\/");
    if (slash != std::string::npos) {
        folder = file.substr(0, slash);
        file = file.substr(slash + 1);
    }
    char programFolder[MAX_PATH] = {}, viewer[MAX_PATH] = {};
    ProgramFolder(programFolder, sizeof programFolder);
    JoinFolderAndName(viewer, sizeof viewer, programFolder, kViewerName);
    // Quoted, so a name with blanks arrives as one argument.
    const std::string argument = "\"" + file + "\"";
    const auto started = reinterpret_cast<INT_PTR>(ShellExecuteA(
        dialog, "open", viewer, argument.c_str(), folder.empty() ? nullptr : folder.c_str(), SW_SHOWNORMAL));
    if (started <= 32) MessageBoxA(dialog, "Unable to launch rw32b2a.exe", "RasMol - Molecule Viewer", MB_OK);
}

void OnInit(HWND dialog, const LabObject& vessel) {
    HWND edit = GetDlgItem(dialog, IDC_PROPERTIES_REACTION);
    SendMessageA(edit, EM_SETREADONLY, FALSE, 0);
    if (LabModuleHandle && PluginTable.SetReactionText) {
        PluginTable.SetReactionText(edit);
        CutReactionText(edit, vessel);
    }
    SendMessageA(edit, EM_SETREADONLY, TRUE, 0);

    HWND list = GetDlgItem(dialog, IDC_PROPERTIES_LIST);
    const auto number = [](double value) {
        char text[64];
        return std::string(FormatLocaleNumber(text, sizeof text, "%.6f", value, 6) ? text : "");
    };
    HDC dc = GetDC(list);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(list, WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    LONG widest = 0;
    for (const PropertiesLine& line : PropertiesLines(vessel, LoadText, number)) {
        const LRESULT at = SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.text.c_str()));
        SendMessageA(list, LB_SETITEMDATA, at, static_cast<LPARAM>(line.cas));
        SIZE extent{};
        GetTextExtentPoint32A(dc, line.text.c_str(), static_cast<int>(line.text.size()), &extent);
        if (extent.cx > widest) widest = extent.cx;
    }
    SelectObject(dc, old);
    ReleaseDC(list, dc);
    SendMessageA(list, LB_SETHORIZONTALEXTENT, widest + metrics.tmAveCharWidth, 0);
    SendMessageA(list, LB_SETCURSEL, 0, 0);
    UpdateViewerButton(dialog);
}

INT_PTR CALLBACK PropertiesProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        OnInit(dialog, *reinterpret_cast<const LabObject*>(lParam));
        return TRUE;
    case WM_MEASUREITEM: {
        auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (item->CtlID != IDC_PROPERTIES_LIST) return FALSE;
        item->itemHeight = static_cast<UINT>(ChemicalItemHeight(dialog, 1.0, 2));
        SetWindowLongPtrA(dialog, DWLP_MSGRESULT, TRUE);
        return TRUE;
    }
    case WM_DRAWITEM:
        if (wParam != IDC_PROPERTIES_LIST) return FALSE;
        DrawChemicalItem(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_HELP:
        ShowContextHelp(dialog, 0, kHelpProperties);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK: EndDialog(dialog, 1); return TRUE;
        case IDCANCEL: EndDialog(dialog, 0); return TRUE;
        case IDC_PROPERTIES_VIEWER: OpenViewer(dialog); return TRUE;
        case IDC_PROPERTIES_LIST:
            if (HIWORD(wParam) == LBN_SELCHANGE) UpdateViewerButton(dialog);
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}

}  // namespace

int RunPropertiesDialog(HWND owner, LabObject& object) {
    return static_cast<int>(DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_PROPERTIES), owner,
                                            PropertiesProc, reinterpret_cast<LPARAM>(&object)));
}
