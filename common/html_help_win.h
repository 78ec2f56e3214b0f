// The help control's HtmlHelpA, located from the registry as the program and
// the authoring module both do. Header-only: each binary keeps its own copy.
#pragma once
#include <windows.h>

using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
constexpr UINT kHtmlHelpDisplayTopic = 0;  // HH_DISPLAY_TOPIC
constexpr UINT kHtmlHelpCloseAll = 0x12;   // HH_CLOSE_ALL

// The window the help viewer is opened on: the top window of whoever asks,
// not a dialog that is about to close. A viewer that goes with its dialog
// leaves the help control (Wine's, at least) holding a window that is gone,
// and no later request shows one.
inline HWND HelpViewerOwner(HWND caller) { return caller ? GetAncestor(caller, GA_ROOTOWNER) : nullptr; }

// From the library the registry names (hhctrl.ocx when it names none); null
// when it cannot be loaded.
inline HtmlHelpFunction LoadHtmlHelp() {
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
