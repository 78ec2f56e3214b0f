#include "app/shell/bench_helpers_win.h"

#include <utility>

namespace {

HBRUSH MarqueeBrush = nullptr;
HBRUSH FallbackBrush = nullptr;
HIMAGELIST MeniscusImages = nullptr;
HIMAGELIST LightImages = nullptr;

HBRUSH FrameBrush() {
    if (MarqueeBrush) return MarqueeBrush;
    if (!FallbackBrush) {
        static const WORD pattern[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
        HBITMAP bits = CreateBitmap(8, 8, 1, 1, pattern);
        FallbackBrush = CreatePatternBrush(bits);
        DeleteObject(bits);  // the brush keeps its own copy
    }
    return FallbackBrush;
}

void InvalidateIcon(HWND window, HIMAGELIST list, int x, int y) {
    RECT icon;
    if (list && ImageIconRect(list, x, y, &icon)) InvalidateLogicalRect(window, &icon);
}

}  // namespace

void SetSelectionMarqueeBrush(HBRUSH brush) { MarqueeBrush = brush; }

void DrawSelectionFrame(HWND window, int left, int top, int right, int bottom) {
    HDC dc = GetDC(window);
    if (!dc) return;
    SetBrushOrgEx(dc, 0, 0, nullptr);
    SetBkColor(dc, RGB(255, 255, 255));
    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ old = SelectObject(dc, FrameBrush());
    int x0 = left - 1, y0 = top - 1, x1 = right + 2, y1 = bottom + 2;
    int width = x1 - x0, height = y1 - y0;
    if (width > 0 && height > 0) {
        // Four edges that never overlap, so every pixel is inverted once.
        PatBlt(dc, x0, y0, width, 1, PATINVERT);
        if (height > 1) PatBlt(dc, x0, y1 - 1, width, 1, PATINVERT);
        if (height > 2) {
            PatBlt(dc, x0, y0 + 1, 1, height - 2, PATINVERT);
            if (width > 1) PatBlt(dc, x1 - 1, y0 + 1, 1, height - 2, PATINVERT);
        }
    }
    SelectObject(dc, old);
    ReleaseDC(window, dc);
}

void InvalidateLogicalRect(HWND window, const RECT* rect) {
    if (!rect) {
        InvalidateRect(window, nullptr, FALSE);
        return;
    }
    RECT device = *rect;
    if (HDC dc = GetDC(window)) {
        LPtoDP(dc, reinterpret_cast<POINT*>(&device), 2);
        ReleaseDC(window, dc);
    }
    // A mapping mode with y upwards turns the corners over.
    if (device.left > device.right) std::swap(device.left, device.right);
    if (device.top > device.bottom) std::swap(device.top, device.bottom);
    InvalidateRect(window, &device, FALSE);
}

void SetOverlayImageLists(HIMAGELIST meniscus, HIMAGELIST light) {
    MeniscusImages = meniscus;
    LightImages = light;
}

void InvalidateObjectOverlays(HWND window, const LabObject& object, int x, int y) {
    const RectI32& marker = object.overlayRect;
    if (marker.right > marker.left && marker.bottom > marker.top) {
        RECT r = {marker.left, marker.top, marker.right, marker.bottom};
        InvalidateLogicalRect(window, &r);
    }
    if (object.objectFlags & kObjShowMeniscus) {
        int width = object.position.right - object.position.left;
        if (object.type == kGraduatedCylinder)
            InvalidateIcon(window, MeniscusImages, x + width + 10, y + 20);
        else if (object.type == kBuret || object.type == kInvertedBuret)
            InvalidateIcon(window, MeniscusImages, x + width + 10, y + 50);
    }
    if (object.objectFlags & kObjLightOn) InvalidateIcon(window, LightImages, x - 20, y);
}

int ImageIconRect(HIMAGELIST imageList, int x, int y, RECT* rect) {
    int cx = 0, cy = 0;
    if (!imageList || !rect || !ImageList_GetIconSize(imageList, &cx, &cy) || cx <= 0 || cy <= 0)
        return 0;
    SetRect(rect, x, y, x + cx, y + cy);
    return 1;
}

void EraseWithWindowColour(HDC dc, const RECT* rect) {
    if (dc && rect) FillRect(dc, rect, GetSysColorBrush(COLOR_WINDOW));
}
