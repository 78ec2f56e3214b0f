// The titration data window ("GraphData"): the dataset as a graph or a
// table, Copy, Export to csv, Graph Options and Refresh.
#pragma once
#include <windows.h>

#include <cstdint>

#include "app/data/titration_data.h"

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

// The "GraphData" class's procedure (start-up registers the class with menu
// 341 and creates the one window, DataWindow).
LRESULT CALLBACK DataWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
bool DataWindowShowsTable(HWND window);

// Draws the graph view of `data` into a client area of the given size.
void PaintTitrationGraph(HDC dc, int32_t width, int32_t height, const TitrationData& data,
                         bool withTemperature, NumberFormatter format);
// Writes the export rows to `path`; false when the file could not be written.
bool ExportTitrationCsv(const char* path, const TitrationData& data, bool withTemperature);
