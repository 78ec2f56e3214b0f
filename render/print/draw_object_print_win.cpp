#include "render/print/draw_object_print_win.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "bench/catalogue/equipment_catalogue.h"
#include "bench/model/contents.h"
#include "bench/window/bench_window_win.h"
#include "render/object_images.h"
#include "render/print/print_bubbles.h"
#include "render/print/print_parts.h"
#include "render/print/print_texts.h"
#include "render/readouts.h"
#include "render/render_settings_win.h"

namespace {

constexpr uint32_t kLiquidPhases = kPhaseLiquid | kPhaseDissolved;
constexpr int kBubbleWidth = 5, kBubbleHeight = 6;

std::vector<POINT> ToPoints(const PrintPolygon& p) {
    std::vector<POINT> out;
    out.reserve(p.points.size());
    for (const PrintPoint& q : p.points) out.push_back({q.x, q.y});
    return out;
}

// Paints the rectangle black in the mask: what is written there is printed.
void ShowInMask(HDC maskDc, const RECT& r) {
    if (maskDc) PatBlt(maskDc, r.left, r.top, r.right - r.left, r.bottom - r.top, BLACKNESS);
}

HFONT TextFont(float pixels) {
    return CreateFontA(-std::max(6, static_cast<int>(std::lround(pixels))), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                       FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH, "Times New Roman");
}

// Text in a box, centred (boxed) or from its top left; the box is shown in the mask.
void WriteText(HDC dc, HDC maskDc, const char* text, RECT box, float pixels, bool centred) {
    HFONT font = TextFont(pixels);
    HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    // A box wraps its text as the screen's display does (the meter's two lines).
    const UINT format = (centred ? DT_CENTER | DT_WORDBREAK : DT_LEFT) | DT_NOPREFIX;
    RECT measured = box;
    DrawTextA(dc, text, -1, &measured, format | DT_CALCRECT);
    if (centred) {
        const int dy = ((box.bottom - box.top) - (measured.bottom - measured.top)) / 2;
        box.top += std::max(0, dy);
    } else {
        box.right = std::max(box.right, measured.right);
        box.bottom = std::max(box.bottom, measured.bottom);
    }
    PatBlt(dc, box.left, box.top, box.right - box.left, measured.bottom - measured.top, WHITENESS);
    DrawTextA(dc, text, -1, &box, format);
    ShowInMask(maskDc, {box.left, box.top, box.right, box.top + (measured.bottom - measured.top)});
    SelectObject(dc, old);
    DeleteObject(font);
}

void DrawBurnerColour(HDC dc, const LabObject& o, int height) {
    if (!(o.liquidColour[0] | o.liquidColour[1] | o.liquidColour[2])) return;
    const double reach = std::isfinite(o.reading2) ? std::clamp(o.reading2, 0.0, double(height)) : 0.0;
    HBRUSH brush = CreateSolidBrush(PrintColour(o.liquidColour));
    HGDIOBJ old = SelectObject(dc, brush);
    PatBlt(dc, 0, 0, 50, static_cast<int>(reach), PATCOPY);
    SelectObject(dc, old);
    DeleteObject(brush);
}

void DrawWireDrop(HDC dc, const LabObject& o) {
    const bool liquid = o.liquidVolume > 0.0001, solid = o.solidVolume > 0.0001;
    if (!liquid && !solid) return;
    // The drop fills the box of the loop's outline (its first two points
    // lie on one line).
    PrintPolygon outline;
    for (const PointI32& q : o.liquidOutline) outline.points.push_back({q.x, q.y});
    const PrintBox b = BoundsOf(outline);
    HBRUSH brush = CreateSolidBrush(liquid && !solid ? RGB(192, 192, 192) : RGB(128, 128, 128));
    const RECT r{b.left, b.top, b.right + 1, b.bottom + 1};
    FillRect(dc, &r, brush);
    DeleteObject(brush);
    SetPixel(dc, b.left + 1, b.bottom - 1, RGB(255, 255, 255));
}

void FillPolygonPlain(HDC dc, const std::vector<POINT>& points, const LabObject& o, int layer) {
    LiquidBrush b = MakeLiquidBrush(o, layer);
    HGDIOBJ old = SelectObject(dc, b.brush);
    SetTextColor(dc, b.text);
    SetBkColor(dc, b.back);
    Polygon(dc, points.data(), static_cast<int>(points.size()));
    SelectObject(dc, old);
    DeleteObject(b.brush);
}

void DrawLiquid(HDC dc, const LabObject& o, const PrintedLiquid& liquid) {
    const PrintPolygon* layers[2] = {&liquid.whole, &liquid.upper};
    for (int layer = 0; layer < 2; ++layer) {
        const std::vector<POINT> points = ToPoints(*layers[layer]);
        if (points.size() < 3) continue;
        if (o.printMaskId & 0xFFFF) FillLiquidPolygon(dc, points.data(), int(points.size()), o, layer);
        else FillPolygonPlain(dc, points, o, layer);
    }
}

void DrawThermometer(HDC dc, HDC maskDc, const LabObject& o, bool small) {
    if (!PrintsThermometer(o)) return;
    const int x = o.thermometerX, bulb = o.thermometerY;
    const int top = std::max(2, bulb - (small ? 230 : 340));
    const int width = small ? 5 : 7;
    // The tube and its bulb, then the mercury as far as the temperature reads.
    HPEN glass = CreatePen(PS_SOLID, 1, RGB(43, 58, 74));
    HGDIOBJ oldPen = SelectObject(dc, glass);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(WHITE_BRUSH));
    RoundRect(dc, x - width / 2, top, x + width / 2 + 1, bulb, width, width);
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    HBRUSH red = CreateSolidBrush(RGB(200, 30, 30));
    SelectObject(dc, red);
    Ellipse(dc, x - width, bulb - width, x + width + 1, bulb + width);
    const int imageHeight = small ? kSmallThermometerHeight : kThermometerHeight;
    const double share = MercuryColumnLength(o.temperature, small, imageHeight) / imageHeight;
    const int column = static_cast<int>((bulb - top - 4) * std::clamp(share, 0.0, 1.0));
    const RECT mercury{x - 1, bulb - column, x + 2, bulb};
    FillRect(dc, &mercury, red);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(red);
    DeleteObject(glass);
    ShowInMask(maskDc, {x - width, top, x + width + 1, bulb + width});

    // The temperature beside the tube near its top: on the left where it
    // fits, else on the right, inside the picture either way.
    char text[kPrintTextLength];
    FormatPrintTemperature(text, sizeof text, o, CurrentTempScale());
    const float pixels = small ? 15.0f : 22.0f;
    HFONT font = TextFont(pixels);
    HGDIOBJ oldFont = SelectObject(dc, font);
    SIZE extent{};
    GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &extent);
    SelectObject(dc, oldFont);
    DeleteObject(font);
    const int gap = width + 2;
    int left = x - gap - extent.cx;
    if (left < 0) left = x + gap + extent.cx <= o.pictureWidth ? x + gap : std::max<int>(0, o.pictureWidth - extent.cx);
    WriteText(dc, maskDc, text, {left, top + 10, left + extent.cx, top + 10 + extent.cy}, pixels, false);
}

// A part turned about its centre, set pixel by pixel where its own mask
// covers it, in the image and (black) in the object's mask.
void LayTurnedPart(HDC dc, HDC maskDc, HDC source, HBITMAP picture, HBITMAP partMask, const PlacedPrintPart& placed,
                   int w, int h) {
    HDC cover = CreateCompatibleDC(dc);
    if (!cover) return;
    HGDIOBJ oldSource = SelectObject(source, picture);
    HGDIOBJ oldCover = SelectObject(cover, partMask);
    for (const TurnedPixel& p : TurnPartPixels(w, h, placed.degrees)) {
        if (GetPixel(cover, p.sx, p.sy) != RGB(0, 0, 0)) continue;
        SetPixel(dc, placed.x + p.dx, placed.y + p.dy, GetPixel(source, p.sx, p.sy));
        if (maskDc) SetPixel(maskDc, placed.x + p.dx, placed.y + p.dy, RGB(0, 0, 0));
    }
    SelectObject(cover, oldCover);
    SelectObject(source, oldSource);
    DeleteDC(cover);
}

// A moving part laid where its reading puts it: its picture through its
// own mask into the image, and its mask into the object's.
void DrawMovingParts(HDC dc, HDC maskDc, const LabObject& o, bool small) {
    for (const PlacedPrintPart& placed : PlacePrintParts(o, !small)) {
        HBITMAP picture = LoadPrintBitmap(placed.part.pictureId);
        HBITMAP partMask = LoadPrintBitmap(placed.part.maskId);
        HDC source = (picture && partMask) ? CreateCompatibleDC(dc) : nullptr;
        if (source) {
            BITMAP bm{};
            GetObjectA(picture, sizeof bm, &bm);
            const int x = placed.x, y = placed.y, w = bm.bmWidth, h = bm.bmHeight;
            if (std::fmod(placed.degrees, 360.0) != 0.0) {
                LayTurnedPart(dc, maskDc, source, picture, partMask, placed, w, h);
            } else {
                LayThroughMask(dc, x, y, w, h, picture, partMask);
                HGDIOBJ old = SelectObject(source, partMask);
                if (maskDc) AndMonochromeMask(maskDc, x, y, w, h, source, 0, 0);
                SelectObject(source, old);
            }
            DeleteDC(source);
        }
        if (picture) DeleteObject(picture);
        if (partMask) DeleteObject(partMask);
    }
}

void DrawBalance(HDC dc, HDC maskDc, const LabObject& o) {
    char text[kPrintTextLength];
    if (!FormatPrintBalance(text, sizeof text, o, CurrentReadoutServices().formatNumber)) return;
    const RECT area{o.labelArea.left, o.labelArea.top, o.labelArea.right, o.labelArea.bottom};
    WriteText(dc, maskDc, text, area, 22.0f, true);
}

void DrawReadout(HDC dc, HDC maskDc, const LabObject& o, bool small) {
    if (o.type == kElectronicBalance || o.type == kHighSensitivityBalance) return;
    LabObject at = o;
    at.position = {0, 0, o.pictureWidth, o.pictureHeight};
    Readout r{};
    if (!InstrumentReadout(at, small, CurrentReadoutServices().formatNumber, &r)) return;
    const RECT box{static_cast<LONG>(r.x), static_cast<LONG>(r.y),
                   static_cast<LONG>(r.x + (r.placement == ReadoutPlacement::kCentredBox ? r.width : 200)),
                   static_cast<LONG>(r.y + (r.placement == ReadoutPlacement::kCentredBox ? r.height : 40))};
    WriteText(dc, maskDc, r.text, box, r.fontPixels, r.placement == ReadoutPlacement::kCentredBox);
}

void DrawLabel(HDC dc, HDC maskDc, const LabObject& o) {
    if (!PrintsUpright(o) || o.label[0] == 0) return;
    char text[kLabelLength + 1];
    const int n = LabelText(o, text);
    const RECT area{o.labelArea.left, o.labelArea.top, o.labelArea.right, o.labelArea.bottom};
    if (n == 0 || area.right <= area.left || area.bottom <= area.top) return;
    HFONT own = LabelFont ? nullptr : TextFont(22.0f);
    HGDIOBJ old = SelectObject(dc, LabelFont ? LabelFont : own);
    const UINT align = SetTextAlign(dc, TA_CENTER | TA_TOP);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    ExtTextOutA(dc, (area.left + area.right) / 2, area.top, ETO_OPAQUE | ETO_CLIPPED, &area, text,
                static_cast<UINT>(n), nullptr);
    SetTextAlign(dc, align);
    SelectObject(dc, old);
    if (own) DeleteObject(own);
    ShowInMask(maskDc, area);
}

void DrawBubbles(HDC dc, LabObject& o, const PrintPolygon& liquid, int32_t index) {
    PrintBubbleInput in;
    in.upright = PrintsUpright(o);
    in.heatable = (o.kindFlags & kKindHeatable) != 0;
    in.liquidVolume = o.liquidVolume;
    in.solidVolume = o.solidVolume;
    in.temperature = o.temperature;
    in.boilingPoint = o.boilingPoint;
    in.afterBoilCounter = o.afterBoilCounter;
    const int32_t n = PrintBubbleCount(in);
    o.afterBoilCounter = in.afterBoilCounter;
    const std::vector<PrintPoint> at = PlaceBubbles(liquid, n, static_cast<uint32_t>(index));
    std::memset(o.printBubbles, 0, sizeof o.printBubbles);
    HBRUSH brush = CreateSolidBrush(PrintColour(o.liquidColour));
    HGDIOBJ old = SelectObject(dc, brush);
    for (size_t i = 0; i < at.size() && i < 10; ++i) {
        o.printBubbles[i] = {at[i].x, at[i].y};
        Ellipse(dc, at[i].x, at[i].y, at[i].x + kBubbleWidth, at[i].y + kBubbleHeight);
    }
    SelectObject(dc, old);
    DeleteObject(brush);
}

// The partner printed after this object shows over it through the grey
// pattern, aligned to where it stands.
void DrawPartner(HDC dc, const LabObject* base, int32_t index, int32_t count) {
    const PrintPartner partner = ChoosePrintPartner(base, index, count);
    if (!partner.index) return;
    const LabObject& o = base[index];
    const LabObject& p = base[partner.index];
    HBITMAP picture = LoadPrintBitmap(p.printPictureId);
    HBRUSH pattern = PrintPatternBrush(kPartnerPattern);
    HDC source = picture ? CreateCompatibleDC(dc) : nullptr;
    if (source && pattern) {
        const int dx = p.position.left - o.position.left, dy = p.position.top - o.position.top;
        HGDIOBJ oldSource = SelectObject(source, picture);
        SetBrushOrgEx(dc, ((dx % 8) + 8) % 8, ((dy % 8) + 8) % 8, nullptr);
        HGDIOBJ oldBrush = SelectObject(dc, pattern);
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
        BitBlt(dc, dx, dy, p.pictureWidth, p.pictureHeight, source, 0, 0,
               partner.thisIsHosted ? kOverlayOnHosted : kOverlayOnHost);
        SelectObject(dc, oldBrush);
        SelectObject(source, oldSource);
    }
    if (source) DeleteDC(source);
    if (pattern) DeleteObject(pattern);
    if (picture) DeleteObject(picture);
}

bool ModuleDrewSolid(HDC dc, LabObject& o) {
    const RenderSettings& settings = BenchRenderSettings();
    return settings.customDraw && settings.moduleLoaded && settings.customDraw(dc, &o) != 0;
}

}  // namespace

void DrawObjectForPrint(HDC dc, HBITMAP image, HBITMAP mask, LabObject* base, int32_t index, int32_t count) {
    if (!dc || !image || !base || index < 1 || index > count) return;
    LabObject o = base[index];
    HDC memory = CreateCompatibleDC(dc);
    HDC maskDc = mask ? CreateCompatibleDC(dc) : nullptr;
    if (!memory) return;
    HGDIOBJ oldImage = SelectObject(memory, image);
    HGDIOBJ oldMask = maskDc ? SelectObject(maskDc, mask) : nullptr;
    SetMapMode(memory, GetMapMode(dc));
    BITMAP bm{};
    GetObjectA(image, sizeof bm, &bm);
    POINT size{bm.bmWidth, bm.bmHeight};
    DPtoLP(memory, &size, 1);
    const bool small = PrintsSmallSet(o);

    if (o.type == kBunsenBurner) DrawBurnerColour(memory, o, size.y);
    if (o.type == kMetalWire) DrawWireDrop(memory, o);

    PrintedLiquid liquid;
    if (o.type != kMetalWire && o.liquidVolume > 0.0) {
        const bool two = LayerCount(o) == 2;
        const double lower = two ? LayerVolumeByPhase(o, kLiquidPhases, 0) * 10.0 : o.liquidVolume;
        const double upper = two ? LayerVolumeByPhase(o, kLiquidPhases, 1) * 10.0 : 0.0;
        liquid = PlanPrintedLiquid(o, lower, upper, two);
        DrawLiquid(memory, o, liquid);
    }
    if (o.precipitate > 0.0) StippleSuspended(memory, o, liquid.whole);

    DrawMovingParts(memory, maskDc, o, small);
    DrawThermometer(memory, maskDc, o, small);
    DrawBalance(memory, maskDc, o);

    if (o.type > kBunsenBurner && o.type != kMetalWire && o.solidVolume > 0.000001 && !ModuleDrewSolid(memory, o)) {
        const std::vector<POINT> solid = ToPoints(PlanPrintedSolid(o));
        if (solid.size() >= 3) FillSolidPolygon(memory, solid.data(), int(solid.size()), o);
    }
    if (!liquid.whole.empty()) DrawBubbles(memory, o, liquid.whole, index);
    std::memcpy(base[index].printBubbles, o.printBubbles, sizeof o.printBubbles);
    DrawLabel(memory, maskDc, o);
    DrawReadout(memory, maskDc, o, small);
    DrawPartner(memory, base, index, count);

    SelectObject(memory, oldImage);
    DeleteDC(memory);
    if (maskDc) {
        SelectObject(maskDc, oldMask);
        DeleteDC(maskDc);
    }
}
