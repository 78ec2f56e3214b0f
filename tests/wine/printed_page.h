// Reading what a print job wrote: its PostScript, the page Ghostscript
// renders from it, the printer's page geometry and the program's print
// bitmaps, for the tests of the printed bench.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "bench/commands/print/bench_page.h"
#include "common/lab_object.h"

namespace printed_page {

std::string TempPath(const char* name);
bool FileExists(const std::string& path);
std::string ReadText(const std::string& path);

// Pages of a PostScript document, by its "%%Page:" comments.
int CountPages(const std::string& postscript);

// The host path of a file under Wine; empty elsewhere.
std::string UnixPath(const std::string& path);

// Renders one page of a PostScript file to a PNG at dpi with the host's
// Ghostscript; false with the reason when it could not.
bool RenderPage(const std::string& postscript, int page, int dpi, const std::string& png, std::string* why);

// A picture read from a file, its pixels readable.
struct Picture {
    int width = 0, height = 0;
    std::vector<uint32_t> argb;
    COLORREF At(int x, int y) const {
        const uint32_t p = argb[size_t(y) * size_t(width) + size_t(x)];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
};
bool LoadPicture(const std::string& path, Picture* picture);  // GDI+ started

bool Near(COLORREF c, int r, int g, int b, int tolerance);
bool NearWhite(COLORREF c);

// One of the program's print bitmaps (picture or mask), its pixels readable;
// width 0 when it cannot be loaded.
struct PrintBitmap {
    int width = 0, height = 0;
    std::vector<COLORREF> pixels;
    explicit PrintBitmap(int32_t id);
    COLORREF At(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
};

// A printer's page as a job sees it: printable area and its place on the
// paper, in device pixels.
struct PrinterPage {
    int width = 0, height = 0;            // HORZRES, VERTRES
    int offsetX = 0, offsetY = 0;         // PHYSICALOFFSETX/Y
    int paperWidth = 0, paperHeight = 0;  // PHYSICALWIDTH/HEIGHT
    int dpiX = 0, dpiY = 0;
};
bool ReadPrinterPage(const char* printer, PrinterPage* page);

// Where a bench rectangle lands in the rendered picture of the page.
RECT OnPicture(const RectI32& bench, const BenchPageScale& scale, const PrinterPage& page, const Picture& picture);

bool Inside(const RECT& r, int x, int y, int margin);

}  // namespace printed_page
