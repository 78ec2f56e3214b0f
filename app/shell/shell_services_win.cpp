#include "app/shell/shell_services_win.h"

#include <cstdlib>

#include "app/settings/folders_win.h"
#include "app/shell/message_boxes_win.h"
#include "app/modules/module_host.h"
#include "app/settings/number_format.h"
#include "app/modules/udl_import.h"
#include "app/frame/window_title.h"
#include "common/lab_style.h"
#include "resources/brevane/shell_ids.h"

namespace {

bool AskUdl(UINT textId, UINT buttons, int yes) {
    char text[256], caption[64];
    if (!LoadResString(textId, text, sizeof text)) text[0] = '\0';
    if (!LoadResString(IDS_UDL_OPENING, caption, sizeof caption)) caption[0] = '\0';
    return MessageBoxA(BoxOwnerWindow(), text, caption, buttons) == yes;
}

CopyResult CopyUdl(void*, const char* source, const char* destination, bool overwrite,
                   unsigned long* error) {
    if (CopyFileA(source, destination, overwrite ? FALSE : TRUE)) return CopyResult::Copied;
    *error = GetLastError();
    if (!overwrite && (*error == ERROR_FILE_EXISTS || *error == ERROR_ALREADY_EXISTS))
        return CopyResult::DestinationExists;
    return CopyResult::Failed;
}

void ShowCopyError(void*, unsigned long error) {
    char text[512] = {};
    if (!FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text,
                        sizeof text, nullptr))
        lstrcpynA(text, "The file could not be copied.", sizeof text);
    MessageBoxA(BoxOwnerWindow(), text, "Error", MB_OK | MB_ICONINFORMATION);
}

NumberLocale UserNumberLocale() {
    NumberLocale locale;
    char text[16];
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, text, sizeof text)) locale.decimalSeparator = text;
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, text, sizeof text)) locale.thousandSeparator = text;
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_ILZERO, text, sizeof text)) locale.leadingZero = atoi(text) != 0;
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SGROUPING, text, sizeof text)) locale.grouping = text;
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_INEGNUMBER, text, sizeof text)) locale.negativeOrder = atoi(text);
    return locale;
}

}  // namespace

int ImportUdlFile(const char* source, const char* destFolder, char* outName) {
    UdlImportSeam seam = {};
    seam.ConfirmCopy = [](void*) { return AskUdl(IDS_UDL_COPY_FIRST, MB_OKCANCEL, IDOK); };
    seam.ConfirmOverwrite = [](void*) { return AskUdl(IDS_UDL_OVERWRITE, MB_YESNO, IDYES); };
    seam.Copy = CopyUdl;
    seam.ShowCopyError = ShowCopyError;
    return ImportUdlFileWith(seam, source, destFolder, outName);
}

bool (*ReadUdlTitle)(const char* path, char* out, int size) = nullptr;

void UpdateWindowTitle(HWND frame, const char* labTitle) {
    char name[kHostPathLength] = {};
    bool haveName = false;
    if ((LabStyleCache & kStyleAuthoring) && CurrentUdlName[0]) {
        char folder[kHostPathLength], path[kHostPathLength];
        bool found = UdlInPersonalFolder ? PerUserFolder(folder) != 0 : ProgramFolder(folder, sizeof folder);
        haveName = found && JoinFolderAndName(path, sizeof path, folder, CurrentUdlName) && ReadUdlTitle &&
                   ReadUdlTitle(path, name, sizeof name);
    } else if (LabModuleHandle && PluginTable.QueryLabName) {
        haveName = PluginTable.QueryLabName(name, 128) != 0;
        name[127] = '\0';
    }
    char caption[600];
    ComposeWindowTitle(labTitle, haveName ? name : nullptr, caption, sizeof caption);
    SetWindowTextA(frame, caption);
}

char* FormatLocaleNumber(char* out, int size, const char* format, double value, int digits) {
    static const NumberLocale locale = UserNumberLocale();
    return FormatNumberWithLocale(out, size, format, value, digits, locale);
}
