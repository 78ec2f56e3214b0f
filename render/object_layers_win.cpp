// The contents layer, read-outs, particles and meniscus close-up of one
// object drawing: the portable side says what to paint, this file paints it
// with the GDI+ flat API (and GDI for the sample box and the close-up).
#include "render/object_layers_win.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "render/animation_frames.h"
#include "render/contents_layers.h"
#include "render/layer_fill.h"
#include "render/particles.h"
#include "render/readouts.h"
#include "render/render_settings_win.h"

namespace gp = Gdiplus::DllExports;
using Gdiplus::ARGB;

namespace {

constexpr ARGB kOpaqueWhite = 0xFFFFFFFFu;
constexpr ARGB kBlackArgb = 0xFF000000u;
constexpr ARGB kMercury = 0x7DFF0000u;  // red at alpha 125
constexpr COLORREF kSampleBackground = RGB(0, 255, 255);

ARGB Argb(uint8_t a, uint8_t r, uint8_t g, uint8_t b) {
    return (ARGB(a) << 24) | (ARGB(r) << 16) | (ARGB(g) << 8) | ARGB(b);
}

ARGB Opaque(const LayerColour& c) { return Argb(255, c.red, c.green, c.blue); }

// Our read-out texts are Latin-1 (the degree and micro signs), whose bytes
// are their own code points, so they widen without a code page.
void Widen(const char* text, wchar_t* out, size_t size) {
    size_t i = 0;
    for (; text[i] && i + 1 < size; ++i) out[i] = static_cast<unsigned char>(text[i]);
    out[i] = 0;
}

struct Font {
    Gdiplus::GpFontFamily* family = nullptr;
    Gdiplus::GpFont* font = nullptr;
    explicit Font(float pixels) {
        if (gp::GdipCreateFontFamilyFromName(L"Times New Roman", nullptr, &family) != Gdiplus::Ok)
            gp::GdipGetGenericFontFamilySerif(&family);
        if (family) gp::GdipCreateFont(family, pixels, Gdiplus::FontStyleRegular, Gdiplus::UnitPixel, &font);
    }
    ~Font() {
        if (font) gp::GdipDeleteFont(font);
        if (family) gp::GdipDeleteFontFamily(family);
    }
};

// The brushes of one layer, made for this drawing and deleted after it.
struct LayerBrushes {
    Gdiplus::GpBrush* brush[6] = {};
    Gdiplus::GpPen* outline = nullptr;

    // Only the brushes the plan paints with are made.
    LayerBrushes(const LabObject& o, bool smallSet, const ContentsPlan& plan) {
        bool used[6] = {};
        for (int i = 0; i < plan.stepCount; ++i)
            if (plan.steps[i].kind != LayerStepKind::kCustomDraw) used[int(plan.steps[i].brush)] = true;
        if (used[int(LayerBrush::kLiquid)])
            brush[int(LayerBrush::kLiquid)] =
                Solid(Opaque(LiquidBrushColour(o.liquidColour[0], o.liquidColour[1], o.liquidColour[2])));
        if (used[int(LayerBrush::kSecondLiquid)])
            brush[int(LayerBrush::kSecondLiquid)] = Solid(Opaque(SecondLiquidBrushColour(o)));
        if (used[int(LayerBrush::kBlack)]) brush[int(LayerBrush::kBlack)] = Solid(kBlackArgb);
        if (used[int(LayerBrush::kSolidHatch)]) {
            Gdiplus::GpHatch* hatch = nullptr;
            gp::GdipCreateHatchBrush(
                static_cast<Gdiplus::GpHatchStyle>(SolidHatchStyle(o.solidFillKind, o.solidPatternId)),
                kSolidHatchForeground, Argb(255, o.solidColour[0], o.solidColour[1], o.solidColour[2]), &hatch);
            brush[int(LayerBrush::kSolidHatch)] = hatch;
        }
        if (used[int(LayerBrush::kSolidTexture)]) brush[int(LayerBrush::kSolidTexture)] = Texture(SolidTexturePng(o));
        if (used[int(LayerBrush::kIce)]) brush[int(LayerBrush::kIce)] = Texture(kIceTexturePng);
        if (plan.stepCount > 0) gp::GdipCreatePen1(kBlackArgb, OutlinePenWidth(smallSet), Gdiplus::UnitPixel, &outline);
    }
    static Gdiplus::GpBrush* Solid(ARGB colour) {
        Gdiplus::GpSolidFill* solid = nullptr;
        gp::GdipCreateSolidFill(colour, &solid);
        return solid;
    }
    ~LayerBrushes() {
        for (Gdiplus::GpBrush* b : brush)
            if (b) gp::GdipDeleteBrush(b);
        if (outline) gp::GdipDeletePen(outline);
    }
    static Gdiplus::GpBrush* Texture(int32_t id) {
        const PngImage* png = CachedPng(id);
        Gdiplus::GpTexture* texture = nullptr;
        if (!png || gp::GdipCreateTexture(png->image, Gdiplus::WrapModeTile, &texture) != Gdiplus::Ok)
            return nullptr;
        gp::GdipScaleTextureTransform(texture, kLayerTextureScale, kLayerTextureScale,
                                      Gdiplus::MatrixOrderPrepend);
        return texture;
    }
};

// The module draws the bottom contents itself when it answers non-zero.
bool CallContentsHook(GpGraphics* layer, LabObject& o) {
    const RenderSettings& settings = BenchRenderSettings();
    if (!settings.customDraw || !settings.moduleLoaded) return false;
    HDC dc = nullptr;
    if (gp::GdipGetDC(layer, &dc) != Gdiplus::Ok || !dc) return false;
    const int drew = settings.customDraw(dc, &o);
    gp::GdipReleaseDC(layer, dc);
    return drew != 0;
}

void PaintPlan(GpGraphics* g, LabObject& o, const ContentsPlan& plan, const LayerBrushes& brushes,
               float width, float height) {
    bool hookDrew = false;
    for (int i = 0; i < plan.stepCount; ++i) {
        const LayerStep& step = plan.steps[i];
        if (step.kind == LayerStepKind::kCustomDraw) {
            hookDrew = CallContentsHook(g, o);
            continue;
        }
        if (step.solid && hookDrew) continue;
        Gdiplus::GpBrush* brush = brushes.brush[int(step.brush)];
        if (!brush) continue;
        if (step.kind == LayerStepKind::kBand || step.kind == LayerStepKind::kPlainBand) {
            const LayerBox r = StepRectangle(step, width, height);
            gp::GdipFillRectangle(g, brush, float(r.x), float(r.y), float(r.width), float(r.height));
        }
        if (step.kind == LayerStepKind::kBand || step.kind == LayerStepKind::kEllipse) {
            const LayerBox e = StepEllipse(step, width, height);
            gp::GdipFillEllipse(g, brush, float(e.x), float(e.y), float(e.width), float(e.height));
            if (brushes.outline)
                gp::GdipDrawEllipse(g, brushes.outline, float(e.x), float(e.y), float(e.width), float(e.height));
        }
    }
}

void DrawParticles(GpGraphics* g, const ParticleDrawList& draws, const PngImage* bubble) {
    Gdiplus::GpSolidFill* fill = nullptr;
    gp::GdipCreateSolidFill(0, &fill);
    for (const ParticleDraw& p : draws) {
        if (p.useImage && bubble) {
            gp::GdipDrawImageRectI(g, bubble->image, p.x, p.y, p.size, p.size);
        } else if (fill) {
            gp::GdipSetSolidFillColor(fill, Argb(p.alpha, p.red, p.green, p.blue));
            gp::GdipFillEllipseI(g, fill, p.x, p.y, p.size, p.size);
        }
    }
    if (fill) gp::GdipDeleteBrush(fill);
}

// Particles are laid into pixels directly: thousands of small GDI+ fills a
// paint are many times slower on Wine, and its fills are not smoothed anyway.
void RasteriseParticles(const PixelBuffer& target, const ParticleDrawList& draws, const PngImage* bubble) {
    for (const ParticleDraw& p : draws) {
        if (p.useImage && bubble && bubble->premultiplied && bubble->width > 0 && bubble->height > 0) {
            // The cached bubble keeps only its ink: place that part of the square.
            const int32_t w = bubble->inkWidth * p.size / bubble->width, h = bubble->inkHeight * p.size / bubble->height;
            const PicturePixels* scaled = ScaledInk(bubble, w, h);
            const PicturePixels ink = scaled ? *scaled : bubble->Ink();
            BlendPicture(target, ink, p.x + bubble->inkLeft * p.size / bubble->width,
                         p.y + bubble->inkTop * p.size / bubble->height, w, h, 255);
        } else {
            BlendDisc(target, p.x, p.y, p.size, Argb(p.alpha, p.red, p.green, p.blue));
        }
    }
}

// Particles drawn straight on the bench, outside any tilt of the object.
void DrawOnBench(GpGraphics* bench, const ParticleDrawList& draws) {
    if (draws.empty() || !bench) return;
    if (const PixelBuffer* target = DirectBlendTarget()) {
        gp::GdipFlush(bench, Gdiplus::FlushIntentionSync);  // what GDI+ drew lands first
        RasteriseParticles(*target, draws, nullptr);
        return;
    }
    Gdiplus::GpMatrix* saved = SaveTransform(bench);
    gp::GdipResetWorldTransform(bench);
    DrawParticles(bench, draws, nullptr);
    RestoreTransform(bench, saved);
}

// The cached mask keeps only its ink (the part that is not clear), already
// premultiplied: outside it the mask is clear, and a hard mask's
// premultiplied alpha is its alpha.
void ClipByMask(const PixelBuffer& layer, const PngImage* mask) {
    for (int32_t y = 0; y < layer.height; ++y) {
        uint32_t* row = layer.pixels + int64_t(y) * layer.stride;
        for (int32_t x = 0; x < layer.width; ++x) row[x] &= 0x00FFFFFFu;
        const int32_t inkRow = y - mask->inkTop;
        if (!mask->premultiplied || inkRow < 0 || inkRow >= mask->inkHeight || mask->inkLeft < 0) continue;
        const int32_t span = std::min<int32_t>(mask->inkWidth, layer.width - mask->inkLeft);
        if (span <= 0) continue;
        ApplyMaskAlpha(row + mask->inkLeft, span, span, 1, mask->premultiplied + int64_t(inkRow) * mask->inkWidth,
                       mask->inkWidth, span, 1);
    }
}

// A plan that fills with hatches, textures or the module's hook is painted
// through GDI+ on the layer's own pixels; the rest is plain colour.
bool NeedsGraphics(const ContentsPlan& plan) {
    const RenderSettings& settings = BenchRenderSettings();
    for (int i = 0; i < plan.stepCount; ++i) {
        const LayerStep& step = plan.steps[i];
        if (step.kind == LayerStepKind::kCustomDraw) {
            if (settings.customDraw && settings.moduleLoaded) return true;
        } else if (step.brush != LayerBrush::kLiquid && step.brush != LayerBrush::kSecondLiquid &&
                   step.brush != LayerBrush::kBlack) {
            return true;
        }
    }
    return false;
}

uint32_t StepColour(const LabObject& o, LayerBrush brush) {
    if (brush == LayerBrush::kLiquid)
        return Opaque(LiquidBrushColour(o.liquidColour[0], o.liquidColour[1], o.liquidColour[2]));
    if (brush == LayerBrush::kSecondLiquid) return Opaque(SecondLiquidBrushColour(o));
    return kBlackArgb;
}

void FillPlan(const PixelBuffer& layer, const LabObject& o, const ContentsPlan& plan, bool smallSet) {
    const double w = layer.width, h = layer.height, pen = OutlinePenWidth(smallSet);
    // Bands reach across the layer: the rows they paint whole are not cleared first.
    static std::vector<uint8_t> banded;
    banded.assign(size_t(layer.height), 0);
    for (int i = 0; i < plan.stepCount; ++i) {
        const LayerStep& step = plan.steps[i];
        if (step.kind != LayerStepKind::kBand && step.kind != LayerStepKind::kPlainBand) continue;
        const LayerBox r = StepRectangle(step, w, h);
        const LayerRows rows = WholeRowsOf(layer, r.x, r.y, r.width, r.height);
        std::fill(banded.begin() + rows.top, banded.begin() + rows.bottom, 1);
    }
    for (int32_t y = 0; y < layer.height;) {
        int32_t end = y + 1;
        while (end < layer.height && banded[size_t(end)] == banded[size_t(y)]) ++end;
        if (!banded[size_t(y)]) ClearLayerRows(layer, y, end, kOpaqueWhite);
        y = end;
    }
    for (int i = 0; i < plan.stepCount; ++i) {
        const LayerStep& step = plan.steps[i];
        if (step.kind == LayerStepKind::kCustomDraw) continue;  // no module draws
        const uint32_t colour = StepColour(o, step.brush);
        if (step.kind == LayerStepKind::kBand || step.kind == LayerStepKind::kPlainBand) {
            const LayerBox r = StepRectangle(step, w, h);
            FillLayerRectangle(layer, r.x, r.y, r.width, r.height, colour);
        }
        if (step.kind == LayerStepKind::kBand || step.kind == LayerStepKind::kEllipse) {
            const LayerBox e = StepEllipse(step, w, h);
            FillLayerEllipse(layer, e.x, e.y, e.width, e.height, colour);
            OutlineLayerEllipse(layer, e.x, e.y, e.width, e.height, pen, kBlackArgb);
        }
    }
}

// The GDI+ painting of a plan, into the layer's pixels.
void PaintPlanThroughGraphics(const PixelBuffer& layer, LabObject& o, const ContentsPlan& plan, bool smallSet) {
    GpBitmap* bitmap = nullptr;
    if (gp::GdipCreateBitmapFromScan0(layer.width, layer.height, layer.stride * 4, PixelFormat32bppARGB,
                                      reinterpret_cast<BYTE*>(layer.pixels), &bitmap) != Gdiplus::Ok)
        return;
    GpGraphics* g = nullptr;
    if (gp::GdipGetImageGraphicsContext(bitmap, &g) == Gdiplus::Ok && g) {
        gp::GdipGraphicsClear(g, kOpaqueWhite);
        const LayerBrushes brushes(o, smallSet, plan);
        PaintPlan(g, o, plan, brushes, float(layer.width), float(layer.height));
        gp::GdipFlush(g, Gdiplus::FlushIntentionSync);
        gp::GdipDeleteGraphics(g);
    }
    gp::GdipDisposeImage(bitmap);
}

// One layer is built and drawn at a time, so its pixels are kept for the
// run instead of being allocated for every vessel of every paint. It only
// grows: shrinking and growing again would zero the regrown part for
// vessels of different sizes, and the filling sets every pixel anyway.
PixelBuffer LayerPixels(int32_t width, int32_t height) {
    static std::vector<uint32_t> pixels;
    const size_t needed = size_t(width) * size_t(height);
    if (pixels.size() < needed) pixels.resize(needed);
    return {pixels.data(), width, height, width};
}

// ---- meniscus close-up ----

struct CloseUpLists {
    HIMAGELIST buretPictures = nullptr, buretScale = nullptr, invertedScale = nullptr;
    HIMAGELIST cylinderPictures = nullptr, cylinderScales = nullptr;
};

HBITMAP LoadBitmapResource(int32_t id) {
    return static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

HIMAGELIST PictureList(std::initializer_list<int32_t> ids) {
    HIMAGELIST list = ImageList_Create(kMeniscusPictureWidth, kMeniscusPictureHeight, ILC_COLOR24,
                                       int(ids.size()), 0);
    for (int32_t id : ids) {
        HBITMAP b = LoadBitmapResource(id);
        ImageList_Add(list, b, nullptr);
        if (b) DeleteObject(b);
    }
    return list;
}

HIMAGELIST ScaleList(int32_t id, int32_t maskId, int32_t height) {
    HIMAGELIST list = ImageList_Create(kScaleStripWidth, height, ILC_COLOR4 | ILC_MASK, 1, 0);
    HBITMAP b = LoadBitmapResource(id);
    HBITMAP m = LoadBitmapResource(maskId);
    ImageList_Add(list, b, m);
    if (b) DeleteObject(b);
    if (m) DeleteObject(m);
    return list;
}

// Made once, on the first close-up, and kept for the run: the order of the
// pictures is the index the close-up arithmetic gives.
const CloseUpLists& Lists() {
    static CloseUpLists lists;
    static bool made = false;
    if (made) return lists;
    made = true;
    lists.buretPictures = PictureList({516, 517, 511, 502, 510, 509, 508, 507, 506, 505, 504, 503, 512});
    lists.buretScale = ScaleList(514, 515, kBuretScaleHeight);
    lists.invertedScale = ScaleList(536, 538, kBuretScaleHeight);
    lists.cylinderPictures = PictureList({531, 528, 527, 526, 525, 524, 523, 522, 521, 520, 519, 518});
    lists.cylinderScales = ImageList_Create(kScaleStripWidth, kCylinderScaleHeight, ILC_COLOR4 | ILC_MASK, 2, 0);
    for (int32_t id : {529, 533}) {
        HBITMAP b = LoadBitmapResource(id);
        ImageList_AddMasked(lists.cylinderScales, b, RGB(255, 255, 255));
        if (b) DeleteObject(b);
    }
    return lists;
}

// The one the object drawing keeps between calls for the sample box.
HFONT benchTextFont = nullptr;

HFONT SampleFont() {
    if (benchTextFont) return benchTextFont;
    static HFONT fallback =
        CreateFontA(-16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Arial");
    return fallback;
}

char* PlainNumber(char* out, int size, const char* format, double value, int) {
    std::snprintf(out, size, format, value);
    return out;
}

bool ProgramString(int32_t id, char* out, int32_t size) {
    return LoadStringA(GetModuleHandleA(nullptr), UINT(id), out, size) > 0;
}

ReadoutServices Services() {
    ReadoutServices s = CurrentReadoutServices();
    if (!s.formatNumber) s.formatNumber = PlainNumber;
    if (!s.loadString) s.loadString = ProgramString;
    return s;
}

}  // namespace

void SetBenchTextFont(HFONT font) { benchTextFont = font; }

void DrawReadoutText(GpGraphics* g, const Readout& r) {
    wchar_t wide[kReadoutTextLength];
    Widen(r.text, wide, kReadoutTextLength);
    if (r.placement == ReadoutPlacement::kAtPoint) {
        DrawBenchText(g, wide, r.x, r.y, r.fontPixels);
        return;
    }
    Font font(r.fontPixels);
    Gdiplus::GpSolidFill* brush = nullptr;
    Gdiplus::GpStringFormat* format = nullptr;
    gp::GdipCreateSolidFill(kBlackArgb, &brush);
    gp::GdipCreateStringFormat(0, LANG_NEUTRAL, &format);
    if (font.font && brush && format) {
        gp::GdipSetStringFormatAlign(format, Gdiplus::StringAlignmentCenter);
        gp::GdipSetStringFormatLineAlign(format, Gdiplus::StringAlignmentCenter);
        const Gdiplus::RectF box(r.x, r.y, r.width, r.height);
        gp::GdipDrawString(g, wide, -1, font.font, &box, format, brush);
    }
    if (format) gp::GdipDeleteStringFormat(format);
    if (brush) gp::GdipDeleteBrush(brush);
}


const PixelBuffer* BuildContentsLayer(const ObjectDrawing& d, const PngImage* mask) {
    if (!mask || mask->width <= 0 || mask->height <= 0) return nullptr;
    LabObject& o = d.object;
    const ContentsPlan plan = PlanContentsLayer(o, !d.largeSet);
    if (!plan.hasLayer) return nullptr;
    static PixelBuffer layer;
    layer = LayerPixels(mask->width, mask->height);
    if (NeedsGraphics(plan)) PaintPlanThroughGraphics(layer, o, plan, !d.largeSet);
    else FillPlan(layer, o, plan, !d.largeSet);
    const float h = float(mask->height);
    static ParticleDrawList draws;  // kept, like the layer, so a paint does not grow one per vessel
    draws.clear();
    if (plan.bubbles)
        UpdateBubbles(o, d.index, plan.liquidColumn, mask->width, mask->height, d.dpiFactor, d.bubble != nullptr,
                      &draws);
    if (plan.precipitate)
        UpdatePrecipitateParticles(o, d.index, mask->width, d.dpiFactor, h - plan.liquidColumn, &draws);
    RasteriseParticles(layer, draws, d.bubble);
    return &layer;
}

void DrawContentsLayer(GpGraphics* g, const PixelBuffer& layer, const PngImage* mask, double x, double y) {
    const int32_t left = static_cast<int32_t>(x), top = static_cast<int32_t>(y);
    if (!mask->premultiplied) return;
    if (const PixelBuffer* target = UntransformedTarget(g)) {
        BlendLayerThroughMask(*target, layer, left, top, mask->Ink(), mask->inkLeft, mask->inkTop);
        return;
    }
    // Turned: the clipped layer is laid through the transform by GDI+.
    ClipByMask(layer, mask);
    PremultiplyLayer(layer);
    GpBitmap* bitmap = nullptr;
    if (gp::GdipCreateBitmapFromScan0(layer.width, layer.height, layer.stride * 4, PixelFormat32bppPARGB,
                                      reinterpret_cast<BYTE*>(layer.pixels), &bitmap) != Gdiplus::Ok)
        return;
    gp::GdipDrawImageRectI(g, bitmap, left, top, layer.width, layer.height);
    gp::GdipFlush(g, Gdiplus::FlushIntentionSync);  // before the pixels are reused
    gp::GdipDisposeImage(bitmap);
}

void DrawThermometer(const ObjectDrawing& d, int32_t bodyHeight, double dx, double dy) {
    const bool small = !d.largeSet;
    const ThermometerLayout t =
        LayOutThermometer(d.object, CurrentTempScale(), small, bodyHeight, int32_t(dx), int32_t(dy));
    DrawPng(d.bench, CachedPng(small ? kSmallThermometerPng : kThermometerPng), t.imageX, t.imageY);
    Gdiplus::GpPen* pen = nullptr;
    if (const PixelBuffer* target = UntransformedTarget(d.bench)) {  // the column is an upright box
        BlendBox(*target, t.columnX - t.penWidth / 2, t.columnTop, t.columnX + t.penWidth / 2, t.columnBottom,
                 kMercury);
    } else if (gp::GdipCreatePen1(kMercury, t.penWidth, Gdiplus::UnitPixel, &pen) == Gdiplus::Ok) {
        gp::GdipDrawLine(d.bench, pen, t.columnX, t.columnBottom, t.columnX, t.columnTop);
        gp::GdipDeletePen(pen);
    }
    DrawPng(d.bench, CachedPng(small ? kSmallThermometerOverlayPng : kThermometerOverlayPng), t.imageX, t.imageY);
    DrawTemperatureText(d, {t.textX, t.textY, t.fontPixels, {}}, t.text);
}

void DrawTemperatureText(const ObjectDrawing& d, TemperatureText at, const char* text) {
    wchar_t wide[kReadoutTextLength];
    Widen(text, wide, kReadoutTextLength);
    float width = 0, height = 0;
    // Kept on the bench only where the bench is drawn upright; a tilted
    // vessel's text turns with it.
    if (const PixelBuffer* target = UntransformedTarget(d.bench))
        if (MeasureBenchText(wide, at.fontPixels, &width, &height))
            KeepTextOnBench(&at.x, &at.y, width, height, {0, 0, target->width, target->height});
    DrawBenchText(d.bench, wide, at.x, at.y, at.fontPixels);
}

void DrawInstrumentReadouts(const ObjectDrawing& d) {
    Readout r;
    if (InstrumentReadout(d.object, !d.largeSet, Services().formatNumber, &r)) DrawReadoutText(d.bench, r);
}

void DrawSampleReadout(const ObjectDrawing& d) {
    char text[kSampleTimedTextLength];
    const ReadoutServices services = Services();
    if (!ComposeSampleReadout(d.object, services.formatNumber, services.loadString, text, sizeof text)) return;
    HDC dc = d.memoryDc;
    gp::GdipFlush(d.bench, Gdiplus::FlushIntentionSync);
    HGDIOBJ oldFont = SelectObject(dc, SampleFont());
    const COLORREF oldBackground = SetBkColor(dc, kSampleBackground);
    const int length = int(std::strlen(text));
    SIZE extent{};
    GetTextExtentPoint32A(dc, text, length, &extent);
    const RectI32 box = SampleReadoutBox(d.object, extent.cx, extent.cy);
    RECT r{box.left, box.top, box.right, box.bottom};
    ExtTextOutA(dc, box.left, box.top, ETO_OPAQUE, &r, text, UINT(length), nullptr);
    d.object.overlayRect = SampleReadoutArea(box);
    SetBkColor(dc, oldBackground);
    SelectObject(dc, oldFont);
    GdiFlush();  // the bench bitmap's pixels are drawn by GDI+ next
}

void DrawBurnerFlame(const ObjectDrawing& d, int32_t bodyWidth) {
    ParticleDrawList draws;
    UpdateFlame(d.object, bodyWidth, d.dpiFactor, &draws);
    DrawOnBench(d.bench, draws);
}

void DrawFlaskVapour(const ObjectDrawing& d) {
    ParticleDrawList draws;
    UpdateVapour(d.object, d.dpiFactor, &draws);
    DrawOnBench(d.bench, draws);
}

void DrawMeniscusCloseUp(const ObjectDrawing& d) {
    MeniscusCloseUp c;
    if (!PlanMeniscusCloseUp(d.object, &c)) return;
    gp::GdipFlush(d.bench, Gdiplus::FlushIntentionSync);
    DrawMeniscusCloseUp(d.object, d.memoryDc);
}

void DrawMeniscusCloseUp(const LabObject& o, HDC dc) {
    MeniscusCloseUp c;
    if (!PlanMeniscusCloseUp(o, &c)) return;
    const CloseUpLists& lists = Lists();
    HIMAGELIST pictures = c.pictureList == MeniscusList::kBuret ? lists.buretPictures : lists.cylinderPictures;
    ImageList_Draw(pictures, c.pictureIndex, dc, c.picturePoint.x, c.picturePoint.y, ILD_TRANSPARENT);
    IMAGELISTDRAWPARAMS p{};
    p.cbSize = sizeof p;
    p.himl = c.scaleList == ScaleList::kBuret           ? lists.buretScale
             : c.scaleList == ScaleList::kInvertedBuret ? lists.invertedScale
                                                        : lists.cylinderScales;
    p.i = c.scaleIndex;
    p.hdcDst = dc;
    p.x = c.scalePoint.x;
    p.y = c.scalePoint.y;
    p.cx = kScaleStripWidth;
    p.cy = kScaleWindowHeight;
    p.xBitmap = 0;
    p.yBitmap = c.scaleOffset;
    p.rgbBk = CLR_DEFAULT;
    p.rgbFg = RGB(255, 255, 255);
    p.fStyle = ILD_TRANSPARENT;
    ImageList_DrawIndirect(&p);
    GdiFlush();
}

void AnimateEyeDropper(HDC dc, LabObject& o) {
    RectI32 strip;
    if (!AnimateEyeDropper(o, &strip) || !dc) return;
    const RECT r{strip.left, strip.top, strip.right, strip.bottom};
    FillRect(dc, &r, GetSysColorBrush(COLOR_WINDOW));
}
