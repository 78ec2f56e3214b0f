// What the bench rendering pass reads besides the objects: the bench window,
// the Lab Bench view setting and the loaded module's drawing hook.
#pragma once
#include <windows.h>

#include "common/lab_object.h"

using CustomDrawProc = int(__cdecl*)(HDC dc, LabObject* object);

struct RenderSettings {
    HWND benchWindow;          // null: the window of the paint DC
    bool showLabBench;         // the bench strip along the bottom
    CustomDrawProc customDraw; // the module's CustomDraw; null when not exported
    bool moduleLoaded;
    int imageSet;              // 0 by the screen's height; tests force 1 large, 2 small
};

RenderSettings& BenchRenderSettings();
