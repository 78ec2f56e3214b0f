#include "printed_page.h"

#include <objidl.h>
#include <gdiplus.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "render/print/draw_object_print_win.h"
#include "sheet_script.h"

namespace printed_page {

std::string TempPath(const char* name) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    return all.str();
}

int CountPages(const std::string& postscript) {
    int pages = 0;
    std::istringstream lines(postscript);
    for (std::string line; std::getline(lines, line);)
        if (line.rfind("%%Page:", 0) == 0) ++pages;
    return pages;
}

std::string UnixPath(const std::string& path) {
    using ToUnix = char*(CDECL*)(const WCHAR*);
    auto toUnix = reinterpret_cast<ToUnix>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!toUnix) return "";
    std::wstring wide(path.begin(), path.end());
    char* unix = toUnix(wide.c_str());
    if (!unix) return "";
    std::string out = unix;
    HeapFree(GetProcessHeap(), 0, unix);
    return out;
}

// Wine starts host programs without a handle to wait on, so the shell writes
// gs's exit status to a file of its own once gs has finished.
bool RenderPage(const std::string& postscript, int page, int dpi, const std::string& png, std::string* why) {
    const std::string status = png + ".status";
    DeleteFileA(png.c_str());
    DeleteFileA(status.c_str());
    const std::string in = UnixPath(postscript), out = UnixPath(png), done = UnixPath(status);
    if (in.empty() || out.empty()) {
        *why = "not under Wine: no host Ghostscript to render with";
        return false;
    }
    char command[4096];
    snprintf(command, sizeof command,
             "Z:\\bin\\sh -c \"/usr/bin/gs -q -dSAFER -dNOPAUSE -dBATCH -sDEVICE=png16m -r%d -dFirstPage=%d "
             "-dLastPage=%d -sOutputFile=%s %s; echo $? > %s.tmp && mv %s.tmp %s\"",
             dpi, page, page, out.c_str(), in.c_str(), done.c_str(), done.c_str(), done.c_str());
    STARTUPINFOA start{};
    start.cb = sizeof start;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &start, &process)) {
        *why = "the host shell could not be started";
        return false;
    }
    if (process.hProcess) CloseHandle(process.hProcess);
    if (process.hThread) CloseHandle(process.hThread);
    if (!sheet_script::WaitFor([&] { return FileExists(status); }, 60000)) {
        *why = "Ghostscript did not finish";
        return false;
    }
    if (atoi(ReadText(status).c_str()) != 0 || !FileExists(png)) {
        *why = "Ghostscript failed: " + ReadText(status);
        return false;
    }
    return true;
}

bool LoadPicture(const std::string& path, Picture* picture) {
    std::wstring wide(path.begin(), path.end());
    Gdiplus::GpBitmap* bitmap = nullptr;
    if (Gdiplus::DllExports::GdipCreateBitmapFromFile(wide.c_str(), &bitmap) != Gdiplus::Ok || !bitmap) return false;
    UINT width = 0, height = 0;
    Gdiplus::DllExports::GdipGetImageWidth(bitmap, &width);
    Gdiplus::DllExports::GdipGetImageHeight(bitmap, &height);
    Gdiplus::Rect all(0, 0, INT(width), INT(height));
    Gdiplus::BitmapData data{};
    bool ok = Gdiplus::DllExports::GdipBitmapLockBits(bitmap, &all, Gdiplus::ImageLockModeRead,
                                                      PixelFormat32bppARGB, &data) == Gdiplus::Ok;
    if (ok) {
        picture->width = INT(width);
        picture->height = INT(height);
        picture->argb.resize(size_t(width) * height);
        for (UINT y = 0; y < height; ++y)
            memcpy(&picture->argb[size_t(y) * width], static_cast<const char*>(data.Scan0) + ptrdiff_t(y) * data.Stride,
                   width * 4);
        Gdiplus::DllExports::GdipBitmapUnlockBits(bitmap, &data);
    }
    Gdiplus::DllExports::GdipDisposeImage(bitmap);
    return ok;
}

bool Near(COLORREF c, int r, int g, int b, int tolerance) {
    return std::abs(GetRValue(c) - r) <= tolerance && std::abs(GetGValue(c) - g) <= tolerance &&
           std::abs(GetBValue(c) - b) <= tolerance;
}

bool NearWhite(COLORREF c) { return Near(c, 255, 255, 255, 24); }

PrintBitmap::PrintBitmap(int32_t id) {
    HBITMAP bitmap = LoadPrintBitmap(id);
    if (!bitmap) return;
    BITMAP info{};
    GetObjectA(bitmap, sizeof info, &info);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    width = info.bmWidth;
    height = info.bmHeight;
    pixels.resize(size_t(width) * size_t(height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) pixels[size_t(y) * size_t(width) + size_t(x)] = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
}

bool ReadPrinterPage(const char* printer, PrinterPage* page) {
    HDC dc = CreateDCA(nullptr, printer, nullptr, nullptr);
    if (!dc) return false;
    page->width = GetDeviceCaps(dc, HORZRES);
    page->height = GetDeviceCaps(dc, VERTRES);
    page->offsetX = GetDeviceCaps(dc, PHYSICALOFFSETX);
    page->offsetY = GetDeviceCaps(dc, PHYSICALOFFSETY);
    page->paperWidth = GetDeviceCaps(dc, PHYSICALWIDTH);
    page->paperHeight = GetDeviceCaps(dc, PHYSICALHEIGHT);
    page->dpiX = GetDeviceCaps(dc, LOGPIXELSX);
    page->dpiY = GetDeviceCaps(dc, LOGPIXELSY);
    DeleteDC(dc);
    return page->paperWidth > 0 && page->paperHeight > 0 && page->dpiX > 0 && page->dpiY > 0;
}

RECT OnPicture(const RectI32& bench, const BenchPageScale& scale, const PrinterPage& page, const Picture& picture) {
    auto x = [&](int32_t v) {
        const double device = double(v) * double(scale.viewportExtent) / double(scale.windowExtent);
        return LONG((device + page.offsetX) * picture.width / page.paperWidth);
    };
    auto y = [&](int32_t v) {
        const double device = double(v) * double(scale.viewportExtent) / double(scale.windowExtent);
        return LONG((device + page.offsetY) * picture.height / page.paperHeight);
    };
    return RECT{x(bench.left), y(bench.top), x(bench.right), y(bench.bottom)};
}

bool Inside(const RECT& r, int x, int y, int margin) {
    return x >= r.left - margin && x < r.right + margin && y >= r.top - margin && y < r.bottom + margin;
}

}  // namespace printed_page
