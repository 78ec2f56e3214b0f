// The titration data window ("GraphData"): the dataset as a graph or a
// table, Copy, Export to csv, Graph Options and Refresh.
#pragma once
#include <windows.h>

#include <cstdint>

#include "app/data/titration_data.h"

// What the window asks of the rest of the program; null entries fall back to
// the loaded module's style, the standard save dialog and the user's locale
// number format.
struct DataWindowSeams {
    uint32_t (*queryLabStyle)() = nullptr;  // the loaded module's LabStyle
    // Chooses the export file; false when cancelled.
    bool (*chooseExportFile)(HWND owner, char* path, int length) = nullptr;
    NumberFormatter formatNumber = nullptr;
};
extern DataWindowSeams DataWindowHooks;

// The "GraphData" class's procedure (start-up registers the class with menu
// 341 and creates the one window, DataWindow).
LRESULT CALLBACK DataWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
bool DataWindowShowsTable(HWND window);
// Shows the dataset as it now is, as View, Refresh does: called whenever the
// dataset is replaced or dropped, so neither view keeps the old rows.
void RefreshDataWindow(HWND window);

// Draws the graph view of `data` into a client area of the given size.
void PaintTitrationGraph(HDC dc, int32_t width, int32_t height, const TitrationData& data,
                         bool withTemperature, NumberFormatter format);
// Writes the export rows to `path`; false when the file could not be written.
bool ExportTitrationCsv(const char* path, const TitrationData& data, bool withTemperature);
