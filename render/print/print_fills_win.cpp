#include "render/print/print_fills_win.h"

#include <algorithm>
#include <cmath>

extern HINSTANCE AppInstance;

namespace {

constexpr COLORREF kIceCrystal = RGB(128, 128, 128);

// A bitmap resource by the low 16 bits of id; null for 0 or a missing one.
HBITMAP LoadBitmapResource(int32_t id, UINT flags) {
    const WORD resource = static_cast<WORD>(id & 0xFFFF);
    if (resource == 0) return nullptr;
    return static_cast<HBITMAP>(LoadImageA(AppInstance, MAKEINTRESOURCEA(resource), IMAGE_BITMAP, 0, 0, flags));
}

COLORREF SecondLayer(const LabObject& o) {
    return RGB(o.secondLayerRed & 0xFF, o.secondLayerGreen & 0xFF, o.secondLayerBlue & 0xFF);
}

// The masked fill both polygon fills share: the polygon drawn on a copy of
// the target, then laid back through the object's print mask.
void MaskedPolygon(HDC target, const POINT* points, int count, const LabObject& o, HBRUSH brush,
                   COLORREF text, COLORREF back) {
    if (!points || count < 3 || !brush) return;
    HBITMAP contents = LoadPrintBitmap(o.printMaskId);
    if (!contents) return;
    const int w = o.pictureWidth, h = o.pictureHeight;
    HDC m = CreateCompatibleDC(target);
    HDC wdc = CreateCompatibleDC(target);
    HBITMAP work = CreateCompatibleBitmap(target, std::max(1, w), std::max(1, h));
    if (m && wdc && work) {
        HGDIOBJ oldM = SelectObject(m, contents);
        HGDIOBJ oldW = SelectObject(wdc, work);
        SetMapMode(m, GetMapMode(target));
        SetMapMode(wdc, GetMapMode(target));
        BitBlt(wdc, 0, 0, w, h, target, 0, 0, SRCCOPY);
        HGDIOBJ oldBrush = SelectObject(wdc, brush);
        SetTextColor(wdc, text);
        SetBkColor(wdc, back);
        Polygon(wdc, points, count);
        SelectObject(wdc, oldBrush);
        BitBlt(target, 0, 0, w, h, wdc, 0, 0, SRCINVERT);
        AndMonochromeMask(target, 0, 0, w, h, m, 0, 0);
        BitBlt(target, 0, 0, w, h, wdc, 0, 0, SRCINVERT);
        SelectObject(wdc, oldW);
        SelectObject(m, oldM);
    }
    if (work) DeleteObject(work);
    if (wdc) DeleteDC(wdc);
    if (m) DeleteDC(m);
    DeleteObject(contents);
}

}  // namespace

// A monochrome pattern brush takes the context's text colour for its 0 bits
// and background colour for its 1 bits only when made from a device-
// dependent bitmap; a DIB section's own colour table would stay black and white.
HBRUSH PrintPatternBrush(int32_t id) {
    HBITMAP bitmap = LoadBitmapResource(id, LR_MONOCHROME);
    if (!bitmap) return nullptr;
    HBRUSH brush = CreatePatternBrush(bitmap);
    DeleteObject(bitmap);
    return brush;
}

// A monochrome source laid with SRCAND takes the target's text and
// background colours: black and white keep its 0 and 1 bits as they are.
void AndMonochromeMask(HDC target, int x, int y, int w, int h, HDC source, int sx, int sy) {
    const COLORREF text = SetTextColor(target, RGB(0, 0, 0));
    const COLORREF back = SetBkColor(target, RGB(255, 255, 255));
    BitBlt(target, x, y, w, h, source, sx, sy, SRCAND);
    SetTextColor(target, text);
    SetBkColor(target, back);
}

void LayThroughMask(HDC target, int x, int y, int w, int h, HBITMAP image, HBITMAP mask) {
    if (!image || !mask) return;
    HDC source = CreateCompatibleDC(target);
    if (!source) return;
    BITMAP bm{};
    GetObjectA(image, sizeof bm, &bm);
    const int mode = SetStretchBltMode(target, COLORONCOLOR);
    const COLORREF text = SetTextColor(target, RGB(0, 0, 0));
    const COLORREF back = SetBkColor(target, RGB(255, 255, 255));
    HGDIOBJ old = SelectObject(source, image);
    StretchBlt(target, x, y, w, h, source, 0, 0, bm.bmWidth, bm.bmHeight, SRCINVERT);
    SelectObject(source, mask);
    StretchBlt(target, x, y, w, h, source, 0, 0, bm.bmWidth, bm.bmHeight, SRCAND);
    SelectObject(source, image);
    StretchBlt(target, x, y, w, h, source, 0, 0, bm.bmWidth, bm.bmHeight, SRCINVERT);
    SelectObject(source, old);
    SetTextColor(target, text);
    SetBkColor(target, back);
    SetStretchBltMode(target, mode);
    DeleteDC(source);
}

COLORREF PrintColour(const uint8_t c[3]) { return RGB(c[0], c[1], c[2]); }

LiquidBrush MakeLiquidBrush(const LabObject& o, int layer) {
    LiquidBrush b;
    const COLORREF colour = layer == 1 ? SecondLayer(o) : PrintColour(o.liquidColour);
    if (o.temperature >= kIceBelowKelvin || !std::isfinite(o.temperature)) {
        b.brush = CreateSolidBrush(colour);
        return b;
    }
    b.brush = PrintPatternBrush(kIcePattern);
    if (!b.brush) b.brush = CreateSolidBrush(colour);
    b.text = kIceCrystal;
    b.back = colour;
    return b;
}

HBITMAP LoadPrintBitmap(int32_t id) { return LoadBitmapResource(id, LR_CREATEDIBSECTION); }

void FillLiquidPolygon(HDC target, const POINT* points, int count, const LabObject& o, int layer) {
    if ((o.printMaskId & 0xFFFF) == 0) return;
    LiquidBrush b = MakeLiquidBrush(o, layer);
    MaskedPolygon(target, points, count, o, b.brush, b.text, b.back);
    if (b.brush) DeleteObject(b.brush);
}

void FillSolidPolygon(HDC target, const POINT* points, int count, const LabObject& o) {
    if ((o.printMaskId & 0xFFFF) == 0) return;
    HBRUSH brush = nullptr;
    if (o.solidFillKind == 0) {
        brush = CreateSolidBrush(PrintColour(o.solidColour));
    } else if (o.solidFillKind == 2) {
        if (o.solidPatternId >= HS_HORIZONTAL && o.solidPatternId <= HS_DIAGCROSS)
            brush = CreateHatchBrush(o.solidPatternId, RGB(0, 0, 0));
    } else if (o.solidFillKind == 3) {
        brush = PrintPatternBrush(o.solidPatternId);
    }
    // Any other kind, or a pattern that does not load: a new context's brush.
    const bool own = brush != nullptr;
    if (!brush) brush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    MaskedPolygon(target, points, count, o, brush, RGB(0, 0, 0), PrintColour(o.solidColour));
    if (own) DeleteObject(brush);
}

void StippleSuspended(HDC target, const LabObject& o, const PrintPolygon& liquid) {
    const COLORREF colour = PrintColour(o.suspendedColour);
    for (const PrintPoint& p : SuspendedPixels(o, liquid)) SetPixel(target, p.x, p.y, colour);
}
