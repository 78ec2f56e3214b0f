// The lab list (dialog 105): every lab library and every user-defined lab
// file of the program folder and the per-user folder. Running a row loads
// that lab.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/frame/app_windows_win.h"
#include "app/frame/frame_services_win.h"
#include "app/modules/module_host_win.h"
#include "app/settings/folders_win.h"
#include "app/settings/help_win.h"
#include "app/settings/settings.h"
#include "app/shell/message_boxes_win.h"
#include "app/shell/shell_services_win.h"
#include "bench/commands/command_ids.h"
#include "bench/commands/documents/documents_win.h"
#include "bench/commands/documents/lab_list_rows.h"
#include "common/lab_style.h"
#include "common/module_contract.h"
#include "resources/brevane/lab_documents_ids.h"

namespace {

constexpr char kLabListAddress[] = "http://www.quillmar.example/lablist.html?version=3.0";
constexpr int kRunRow = IDOK;

struct LabListState {
    HIMAGELIST images = nullptr;
    bool editRequested = false;
    std::vector<LabListRow> labs;     // list 1024, by item lParam
    std::vector<LabListRow> wizards;  // list 1025
    std::string programFolder;
    std::string perUserFolder;
};

bool tipsOffered = false;  // the first lab list of a run offers the tip of the day

std::string Str(int id, const char* fallback) {
    char text[256];
    return LoadResString(UINT(id), text, sizeof text) ? std::string(text) : std::string(fallback);
}

std::string Joined(const std::string& folder, const std::string& name) {
    char path[MAX_PATH];
    return JoinFolderAndName(path, sizeof path, folder.c_str(), name.c_str()) ? std::string(path) : std::string();
}

HWND List(HWND dialog, bool wizards) { return GetDlgItem(dialog, wizards ? IDC_LAB_LIST_WIZARDS : IDC_LAB_LIST_LABS); }

bool WizardsTabShown(HWND dialog) { return TabCtrl_GetCurSel(GetDlgItem(dialog, IDC_LAB_LIST_TABS)) == 1; }

void AddColumn(HWND list, int subItem, const std::string& header, double fraction) {
    RECT client;
    GetClientRect(list, &client);
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.cx = int(fraction * (client.right - client.left));
    column.pszText = const_cast<char*>(header.c_str());
    column.iSubItem = subItem;
    SendMessageA(list, LVM_INSERTCOLUMNA, WPARAM(subItem), reinterpret_cast<LPARAM>(&column));
}

void SetSubItem(HWND list, int item, int subItem, const std::string& text) {
    LVITEMA cell = {};
    cell.iSubItem = subItem;
    cell.pszText = const_cast<char*>(text.c_str());
    SendMessageA(list, LVM_SETITEMTEXTA, WPARAM(item), reinterpret_cast<LPARAM>(&cell));
}

void InsertRow(HWND list, std::vector<LabListRow>& rows, const LabListRow& row, int image, bool wizards) {
    rows.push_back(row);
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.iItem = int(rows.size()) - 1;
    item.pszText = const_cast<char*>(row.title.c_str());
    item.iImage = image;
    item.lParam = LPARAM(rows.size() - 1);
    const int at = int(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    if (at < 0) return;
    if (wizards) {
        SetSubItem(list, at, 1, row.module);
        SetSubItem(list, at, 2, row.description);
    } else {
        SetSubItem(list, at, 1, row.udlFile);
        SetSubItem(list, at, 2, row.module);
        SetSubItem(list, at, 3, row.description);
        SetSubItem(list, at, 4, row.personal ? "Y" : "");
    }
}

void ScanLibraries(HWND dialog, LabListState& state) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(Joined(state.programFolder, "*.DLL").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        HMODULE library = LoadLibraryA(Joined(state.programFolder, found.cFileName).c_str());
        if (!library) continue;
        auto entry = [library](const char* export_) { return reinterpret_cast<void*>(GetProcAddress(library, export_)); };
        auto name = reinterpret_cast<QueryLabNameEntry*>(entry("QueryLabName"));
        auto description = reinterpret_cast<QueryLabDescriptionEntry*>(entry("QueryLabDescription"));
        auto icon = reinterpret_cast<QueryLabSmallIconEntry*>(entry("QueryLabSmallIcon"));
        auto style = reinterpret_cast<QueryLabStyleEntry*>(entry("QueryLabStyle"));
        char title[129] = {}, text[256] = {};
        if (name && style && icon && name(title, 128)) {
            title[128] = 0;  // a module may fill the whole buffer
            if (description && description(text, 255)) text[255] = 0;
            else text[0] = 0;
            int image = -1;
            if (HICON small = icon()) {
                image = ImageList_AddIcon(state.images, small);
                DestroyIcon(small);
            }
            const bool wizards = (uint32_t(style()) & kStyleAuthoring) != 0;
            LabListRow row;
            row.title = title;
            row.module = found.cFileName;
            row.description = text;
            InsertRow(List(dialog, wizards), wizards ? state.wizards : state.labs, row, image, wizards);
        }
        FreeLibrary(library);
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

bool ExistsInProgramFolder(const std::string& programFolder, const std::string& name) {
    const DWORD attributes = GetFileAttributesA(Joined(programFolder, name).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void ScanLabFiles(HWND dialog, LabListState& state, const std::string& folder, bool personal) {
    if (folder.empty()) return;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(Joined(folder, "*.*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    HICON icon = static_cast<HICON>(LoadImageA(AppInstance, MAKEINTRESOURCEA(IDI_LAB_FILE), IMAGE_ICON, 16, 16, 0));
    int image = -1;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        UdlListHeader header;
        if (!IsUdlFile(Joined(folder, found.cFileName).c_str(), &header)) continue;
        const std::string& program = state.programFolder;
        if (!IsListableModule(header.module, [&](const std::string& name) { return ExistsInProgramFolder(program, name); }))
            continue;
        if (image < 0 && icon) image = ImageList_AddIcon(state.images, icon);
        LabListRow row;
        row.title = header.title;
        row.udlFile = found.cFileName;
        row.module = header.module;
        row.description = header.description;
        row.personal = personal;
        InsertRow(List(dialog, false), state.labs, row, image, false);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    if (icon) DestroyIcon(icon);
}

void ShowTab(HWND dialog, int tab) {
    HWND shown = List(dialog, tab == 1), hidden = List(dialog, tab != 1);
    ShowWindow(hidden, SW_HIDE);
    ShowWindow(shown, SW_SHOW);
    SetWindowPos(GetDlgItem(dialog, IDC_LAB_LIST_TABS), shown, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void CentreOnDesktop(HWND dialog) {
    RECT desktop, box;
    GetWindowRect(GetDesktopWindow(), &desktop);
    GetWindowRect(dialog, &box);
    const int width = box.right - box.left, height = box.bottom - box.top;
    SetWindowPos(dialog, nullptr, (desktop.right - desktop.left - width) / 2,
                 (desktop.bottom - desktop.top - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void InitLabList(HWND dialog, LabListState& state) {
    HWND tabs = GetDlgItem(dialog, IDC_LAB_LIST_TABS);
    const std::string names[2] = {Str(IDS_TAB_LAB_MODULES, "Lab Modules"), Str(IDS_TAB_WIZARDS, "Tavistrels")};
    for (int i = 0; i < 2; ++i) {
        TCITEMA tab = {};
        tab.mask = TCIF_TEXT;
        tab.pszText = const_cast<char*>(names[i].c_str());
        SendMessageA(tabs, TCM_INSERTITEMA, WPARAM(i), reinterpret_cast<LPARAM>(&tab));
    }
    ShowTab(dialog, 0);
    ShowWindow(GetDlgItem(dialog, IDC_LAB_LIST_WEB), SW_SHOW);
    CentreOnDesktop(dialog);

    state.images = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 10, 25);
    const std::string title = Str(IDS_COLUMN_TITLE, "Title"), udl = Str(IDS_COLUMN_UDL_FILE, "UDL File");
    const std::string module = Str(IDS_COLUMN_MODULE, "Module"), about = Str(IDS_COLUMN_DESCRIPTION, "Description");
    for (bool wizards : {false, true}) {
        HWND list = List(dialog, wizards);
        SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
        SendMessageA(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(state.images));
    }
    HWND labs = List(dialog, false), wizards = List(dialog, true);
    AddColumn(labs, 0, title, 0.3);
    AddColumn(labs, 1, udl, 0.1);
    AddColumn(labs, 2, module, 0.1);
    AddColumn(labs, 3, about, 0.4);
    AddColumn(labs, 4, "Personal Folder", 0.05);
    AddColumn(wizards, 0, title, 0.3);
    AddColumn(wizards, 1, module, 0.1);
    AddColumn(wizards, 2, about, 0.4);

    char folder[MAX_PATH];
    if (ProgramFolder(folder, sizeof folder)) state.programFolder = folder;
    if (PerUserFolder(folder)) state.perUserFolder = folder;
    ScanLibraries(dialog, state);
    ScanLabFiles(dialog, state, state.programFolder, false);
    ScanLabFiles(dialog, state, state.perUserFolder, true);

    if (!tipsOffered && ShowTipsAtStartUp && BenchWindow)
        PostMessageA(BenchWindow, WM_COMMAND, MAKEWPARAM(kCmdTipOfTheDay, 0), 0);
    tipsOffered = true;
}

// The selected row of the shown list, or null.
const LabListRow* SelectedRow(HWND dialog, const LabListState& state) {
    const bool wizards = WizardsTabShown(dialog);
    HWND list = List(dialog, wizards);
    const int item = int(SendMessageA(list, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED));
    if (item < 0) return nullptr;
    LVITEMA row = {};
    row.mask = LVIF_PARAM;
    row.iItem = item;
    if (!SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&row))) return nullptr;
    const auto& rows = wizards ? state.wizards : state.labs;
    return size_t(row.lParam) < rows.size() ? &rows[size_t(row.lParam)] : nullptr;
}

void RunSelectedRow(HWND dialog, LabListState& state) {
    const LabListRow* row = SelectedRow(dialog, state);
    if (!row) return;  // Run with nothing chosen keeps the dialog open
    const LabListRun run = RunLabListRow(*row, WizardsTabShown(dialog), state.editRequested);
    UdlInPersonalFolder = 0;
    lstrcpynA(CurrentModuleName, run.module.c_str(), kHostPathLength);
    lstrcpynA(CurrentUdlName, run.udl.c_str(), kHostPathLength);
    if (run.personal) UdlInPersonalFolder = 1;
    // The host writes the recording's module-load event itself.
    LoadCurrentModule(BenchWindow, 1);
    ShowTextPane(0);
    UpdateWindowTitle(FrameWindow, CurrentLabTitle());
    EndDialog(dialog, run.result);
}

void ShowRowMenu(HWND dialog, LabListState& state) {
    const LabListRow* row = SelectedRow(dialog, state);
    if (!row || WizardsTabShown(dialog)) return;
    state.editRequested = false;
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, kRunRow, "Run Lab Simulation");
    AppendMenuA(menu, MF_STRING, IDM_LAB_LIST_DETAILS, "Show File Details");
    AppendMenuA(menu, MF_STRING, IDM_LAB_LIST_OPEN_LOCATION, "Open File Location");
    if (!row->udlFile.empty()) AppendMenuA(menu, MF_STRING, IDM_LAB_LIST_EDIT_UDL, "Edit UDL File...");
    POINT cursor;
    GetCursorPos(&cursor);
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, dialog, nullptr);
    DestroyMenu(menu);
}

void ShowDetails(HWND dialog, const LabListState& state) {
    const LabListRow* row = SelectedRow(dialog, state);
    if (!row) return;
    std::string caption;
    const std::string text = LabListDetailsText(*row, state.programFolder, state.perUserFolder, &caption);
    MessageBoxA(BenchWindow ? BenchWindow : dialog, text.c_str(), caption.c_str(), MB_OK | MB_ICONINFORMATION);
}

void OpenLocation(HWND dialog, const LabListState& state) {
    const LabListRow* row = SelectedRow(dialog, state);
    if (!row) return;
    const std::string path = LabListRowPath(*row, state.programFolder, state.perUserFolder);
    wchar_t wide[MAX_PATH];
    if (!MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH)) return;
    if (PIDLIST_ABSOLUTE item = ILCreateFromPathW(wide)) {
        SHOpenFolderAndSelectItems(item, 0, nullptr, 0);
        ILFree(item);
    }
}

INT_PTR CALLBACK LabListProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<LabListState*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        InitLabList(dialog, *reinterpret_cast<LabListState*>(lParam));
        return TRUE;
    case WM_NOTIFY: {
        if (!state) return FALSE;
        const NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->idFrom == IDC_LAB_LIST_TABS && header->code == TCN_SELCHANGE) {
            ShowTab(dialog, TabCtrl_GetCurSel(header->hwndFrom));
        } else if (header->idFrom == IDC_LAB_LIST_LABS && header->code == NM_RCLICK) {
            ShowRowMenu(dialog, *state);
        } else if (header->code == NM_DBLCLK && header->hwndFrom == List(dialog, WizardsTabShown(dialog))) {
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(kRunRow, 0), 0);
        } else {
            return FALSE;
        }
        return TRUE;
    }
    case WM_HELP:
        ShowContextHelp(dialog, 0, HELP_KEY_LAB_LIST);
        return TRUE;
    case WM_COMMAND:
        if (!state) return FALSE;
        switch (LOWORD(wParam)) {
        case kRunRow:
            RunSelectedRow(dialog, *state);
            return TRUE;
        case IDCANCEL:
            ShowTextPane(0);
            EndDialog(dialog, 0);
            return TRUE;
        case IDM_LAB_LIST_EDIT_UDL:
            state->editRequested = true;
            RunSelectedRow(dialog, *state);
            return TRUE;
        case IDM_LAB_LIST_DETAILS:
            ShowDetails(dialog, *state);
            return TRUE;
        case IDM_LAB_LIST_OPEN_LOCATION:
            OpenLocation(dialog, *state);
            return TRUE;
        case IDC_LAB_LIST_HELP:
            ShowContextHelp(dialog, 0, HELP_KEY_LAB_LIST);
            return TRUE;
        case IDC_LAB_LIST_WEB:
            if (OpenWithShell(dialog, kLabListAddress) <= 32) ShowWebFailure(dialog);
            return TRUE;
        }
        return FALSE;
    case WM_DESTROY:
        if (state && state->images) {
            // Both lists share the one image list: neither destroys it.
            for (bool wizards : {false, true}) SendMessageA(List(dialog, wizards), LVM_SETIMAGELIST, LVSIL_SMALL, 0);
            ImageList_Destroy(state->images);
            state->images = nullptr;
        }
        return FALSE;
    }
    return FALSE;
}

bool ReadHeaderTitle(const char* path, char* out, int size) {
    UdlListHeader header;
    if (!out || size <= 0 || !IsUdlFile(path, &header)) return false;
    lstrcpynA(out, header.title.c_str(), size);
    return true;
}

}  // namespace

bool IsUdlFile(const char* path, UdlListHeader* header) {
    const char* name = path;
    for (const char* p = path; *p; ++p)
        if (*p == '\\' || *p == '/' || *p == ':') name = p + 1;
    if (!HasListedUdlExtension(name)) return false;
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    uint8_t bytes[kUdlListHeaderLength];
    DWORD got = 0;
    const bool read = ReadFile(file, bytes, sizeof bytes, &got, nullptr) != 0;
    CloseHandle(file);
    return read && ReadUdlListHeader(bytes, got, header);
}

void InstallUdlTitleReader() { ReadUdlTitle = ReadHeaderTitle; }

INT_PTR RunLabList(HWND owner) {
    LabListState state;
    INITCOMMONCONTROLSEX init = {sizeof init, ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&init);
    const INT_PTR result = DialogBoxParamA(AppInstance, MAKEINTRESOURCEA(IDD_LAB_LIST), owner, LabListProc,
                                           reinterpret_cast<LPARAM>(&state));
    return result < 0 ? 0 : result;
}
