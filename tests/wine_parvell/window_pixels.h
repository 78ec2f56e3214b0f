// Pixels of real windows for the chemical dialogs' tests: a window's picture
// copied into memory, the rows holding dark ink in a column range, and
// screenshots written when BREVANE_SCREENSHOTS names a folder.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

class WindowPixels {
public:
    // The window as the screen shows it (it must be on top), or, with
    // printed, as it paints itself through WM_PRINT.
    explicit WindowPixels(HWND window, bool printed = false);
    ~WindowPixels();
    WindowPixels(const WindowPixels&) = delete;
    WindowPixels& operator=(const WindowPixels&) = delete;

    int width() const { return width_; }
    int height() const { return height_; }
    COLORREF At(int x, int y) const;
    // The first and last rows with a pixel darker than 100 in columns
    // [from, to) of rows [top, bottom); false when there is none.
    bool InkRows(int from, int to, int top, int bottom, int* first, int* last) const;
    // Writes the picture as a 24-bit BMP.
    bool Save(const std::string& path) const;

private:
    int width_ = 0, height_ = 0;
    std::vector<DWORD> pixels_;  // top-down, 0x00RRGGBB
};

// Saves window (as the screen shows it) as NAME.bmp in the folder that
// BREVANE_SCREENSHOTS names; nothing when it is not set.
void SaveScreenshot(HWND window, const char* name);
