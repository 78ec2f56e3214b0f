#include "window_pixels.h"

#include <cstdio>
#include <cstdlib>

WindowPixels::WindowPixels(HWND window, bool printed) {
    RECT r{};
    GetWindowRect(window, &r);
    width_ = r.right - r.left;
    height_ = r.bottom - r.top;
    if (width_ <= 0 || height_ <= 0) {
        width_ = height_ = 0;
        return;
    }
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    if (printed)
        PrintWindow(window, memory, 0);
    else
        BitBlt(memory, 0, 0, width_, height_, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    const DWORD* p = static_cast<const DWORD*>(bits);
    pixels_.assign(p, p + size_t(width_) * size_t(height_));
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

WindowPixels::~WindowPixels() = default;

COLORREF WindowPixels::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
    DWORD p = pixels_[size_t(y) * size_t(width_) + size_t(x)];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

bool WindowPixels::InkRows(int from, int to, int top, int bottom, int* first, int* last) const {
    *first = -1;
    *last = -1;
    for (int y = top; y < bottom; ++y)
        for (int x = from; x < to; ++x) {
            COLORREF c = At(x, y);
            if (c == CLR_INVALID || GetRValue(c) + GetGValue(c) + GetBValue(c) >= 300) continue;
            if (*first < 0) *first = y;
            *last = y;
        }
    return *first >= 0;
}

bool WindowPixels::Save(const std::string& path) const {
    FILE* file = fopen(path.c_str(), "wb");
    if (!file) return false;
    const int stride = (width_ * 3 + 3) & ~3;
    BITMAPFILEHEADER header{};
    BITMAPINFOHEADER info{};
    header.bfType = 0x4D42;
    header.bfOffBits = sizeof header + sizeof info;
    header.bfSize = header.bfOffBits + DWORD(stride * height_);
    info.biSize = sizeof info;
    info.biWidth = width_;
    info.biHeight = height_;
    info.biPlanes = 1;
    info.biBitCount = 24;
    fwrite(&header, sizeof header, 1, file);
    fwrite(&info, sizeof info, 1, file);
    std::vector<unsigned char> row(size_t(stride), 0);
    for (int y = height_ - 1; y >= 0; --y) {
        for (int x = 0; x < width_; ++x) {
            DWORD p = pixels_[size_t(y) * size_t(width_) + size_t(x)];
            row[size_t(x) * 3] = p & 0xFF;
            row[size_t(x) * 3 + 1] = (p >> 8) & 0xFF;
            row[size_t(x) * 3 + 2] = (p >> 16) & 0xFF;
        }
        fwrite(row.data(), 1, row.size(), file);
    }
    return fclose(file) == 0;
}

void SaveScreenshot(HWND window, const char* name) {
    const char* folder = getenv("BREVANE_SCREENSHOTS");
    if (!folder || !*folder) return;
    // On top and painted before the screen is read.
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Sleep(200);
    WindowPixels pixels(window);
    pixels.Save(std::string(folder) + "\\" + name + ".bmp");
}
