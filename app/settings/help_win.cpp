#include "app/settings/help_win.h"

#include <cstdio>

#include "app/settings/folders_win.h"
#include "app/settings/help_topics.h"

namespace {
constexpr UINT kHelpDisplayTopic = 0;  // HH_DISPLAY_TOPIC
}

bool HelpTopicPath(int controlId, int key, char* out, int size) {
    if (!out || size <= 0) return false;
    out[0] = '\0';
    char folder[MAX_PATH];
    if (!ProgramFolder(folder, sizeof folder)) return false;
    const HelpRow& row = FindHelpRow(controlId, key);
    int n = snprintf(out, static_cast<size_t>(size), "%s\\%s", folder, row.topic);
    if (n < 0 || n >= size) {
        out[0] = '\0';
        return false;
    }
    return true;
}

HtmlHelpFunction LoadHtmlHelp() {
    static HtmlHelpFunction function = nullptr;
    if (function) return function;
    char library[MAX_PATH] = "hhctrl.ocx";
    HKEY key;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32",
                      0, KEY_READ, &key) == ERROR_SUCCESS) {
        char found[MAX_PATH] = {};
        DWORD size = sizeof found - 1, type = 0;
        if (RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(found), &size) ==
                ERROR_SUCCESS &&
            (type == REG_SZ || type == REG_EXPAND_SZ) && found[0]) {
            if (type == REG_EXPAND_SZ) ExpandEnvironmentStringsA(found, library, sizeof library);
            else lstrcpynA(library, found, sizeof library);
        }
        RegCloseKey(key);
    }
    HMODULE module = LoadLibraryA(library);
    if (!module) module = LoadLibraryA("hhctrl.ocx");
    if (module)
        function = reinterpret_cast<HtmlHelpFunction>(
            reinterpret_cast<void*>(GetProcAddress(module, "HtmlHelpA")));
    return function;
}

void ShowContextHelp(HWND owner, int controlId, int key) {
    char path[MAX_PATH + 128];
    if (!HelpTopicPath(controlId, key, path, sizeof path)) return;
    if (HtmlHelpFunction help = LoadHtmlHelp()) help(owner, path, kHelpDisplayTopic, 0);
}
