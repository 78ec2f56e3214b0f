// The titration data window ("GraphData"): the dataset as a graph or a
// table, Copy, Export to csv, Graph Options and Refresh.
#pragma once
#include <windows.h>

#include <cstdint>

#include "app/titration_data.h"

// What the window asks of the rest of the program; null entries fall back to
// the loaded module's style, no help, the standard save dialog and the
// user's locale number format.
struct DataWindowSeams {
    uint32_t (*queryLabStyle)() = nullptr;  // the loaded module's LabStyle
    void (*showHelp)(HWND owner, int controlId, int key) = nullptr;
    // Chooses the export file; false when cancelled.
    bool (*chooseExportFile)(HWND owner, char* path, int length) = nullptr;
    NumberFormatter formatNumber = nullptr;
};
extern DataWindowSeams DataWindowHooks;
extern HWND DataWindow;

ATOM RegisterDataWindowClass(HINSTANCE instance);
// Created hidden, owned by the frame, 400 x factor square at the desktop's
// bottom-right corner (450 x factor in from it).
HWND CreateDataWindow(HINSTANCE instance, HWND owner, double dpiFactor);
bool DataWindowShowsTable(HWND window);

// Draws the graph view of `data` into a client area of the given size.
void PaintTitrationGraph(HDC dc, int32_t width, int32_t height, const TitrationData& data,
                         bool withTemperature, NumberFormatter format);
// Writes the export rows to `path`; false when the file could not be written.
bool ExportTitrationCsv(const char* path, const TitrationData& data, bool withTemperature);
