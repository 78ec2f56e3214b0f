#include "render/draw_object_win.h"

#include <cwchar>

#include "render/object_images.h"
#include "render/object_layers_win.h"
#include "render/object_motion.h"
#include "render/object_placement.h"
#include "render/readouts.h"
#include "render/render_settings_win.h"

namespace gp = Gdiplus::DllExports;

namespace {

constexpr float kHostedAccessoryAlpha = 0.4f;

bool IsBalance(int32_t type) {
    return type == kCentigramBalance || type == kElectronicBalance || type == kHighSensitivityBalance;
}

// The module's own drawing of a balance, told where the pan's load sits.
void CallBalanceHook(GpGraphics* g, LabObject& o) {
    const RenderSettings& settings = BenchRenderSettings();
    if (!IsBalance(o.type) || !settings.customDraw || !settings.moduleLoaded) return;
    HDC dc = nullptr;
    if (gp::GdipGetDC(g, &dc) != Gdiplus::Ok || !dc) return;
    settings.customDraw(dc, &o);
    gp::GdipReleaseDC(g, dc);
}

void DrawCentigramBeam(GpGraphics* g, LabObject& o, bool large, const PngImage* beam) {
    const CentigramBeam b = CentigramRiders(o.reading2, o.stateBits, large);
    const double ax = o.position.left + o.accessoryOffsetX, ay = o.position.top + o.accessoryOffsetY;
    const CentigramLayout at = PlaceCentigramParts(b, ax, ay, large);
    Gdiplus::GpMatrix* level = SaveTransform(g);
    if (b.beamDegrees != 0.0 && beam)
        RotateAbout(g, b.beamDegrees, o.position.left + beam->width / 2.0, o.position.bottom + beam->height / 2.0);
    DrawPng(g, beam, ax, ay);
    const PngImage* fine = CachedPng(large ? 2100 : 2235);
    DrawPng(g, fine, at.fineRider.x, at.fineRider.y);
    DrawPng(g, CachedPng(large ? 2101 : 2235), at.unitRider.x, at.unitRider.y);
    DrawPng(g, CachedPng(large ? 2102 : 2235), at.tensRider.x, at.tensRider.y);
    RestoreTransform(g, level);
    DrawPng(g, CachedPng(large ? 2098 : 2236), at.fineScale.x, at.fineScale.y);
    DrawPng(g, CachedPng(large ? 2099 : 2234), at.pointer.x, at.pointer.y);
    CallBalanceHook(g, o);
}

void DrawStopcock(GpGraphics* g, const LabObject& o, bool large, const PngImage* stopcock) {
    if (!stopcock) return;
    const StopcockPlacement p = PlaceStopcock(o, large, stopcock->width, stopcock->height);
    if (!p.drawn) return;
    Gdiplus::GpMatrix* saved = SaveTransform(g);
    RotateAbout(g, p.degrees, p.pivotX, p.pivotY);
    DrawPng(g, stopcock, p.x, p.y);
    RestoreTransform(g, saved);
}

void DrawTurned(GpGraphics* g, const PngImage* png, double x, double y, double degrees) {
    if (!png) return;
    Gdiplus::GpMatrix* saved = SaveTransform(g);
    RotateAbout(g, degrees, x + png->width / 2.0, y + png->height / 2.0);
    DrawPng(g, png, x, y);
    RestoreTransform(g, saved);
}

void ClosingSteps(const ObjectDrawing& d) {
    DrawSampleReadout(d);
    CallBalanceHook(d.bench, d.object);
    DrawMeniscusCloseUp(d);
}

}  // namespace

void DrawObjectLabel(GpGraphics* bench, const LabObject& o, float pixels) {
    char label[kLabelLength + 1];
    if (o.kindFlags == 0 || LabelText(o, label) == 0) return;
    wchar_t wide[5] = {};
    std::swprintf(wide, 5, L"%hs", label);
    DrawBenchText(bench, wide, o.position.left + o.labelArea.left, o.position.top + o.labelArea.top, pixels);
}

void DrawLabObject(LabObject* base, int32_t index, bool large, HDC memoryDc, double dpiFactor,
                   GpGraphics* g, const PngImage* bubble, GpStatus* status) {
    LabObject& o = base[index];
    const ObjectDrawing d{o, index, large, dpiFactor, memoryDc, g, bubble};
    const ObjectImages ids = ChooseObjectImages(o, large);
    const PngImage* body = CachedPng(ids.body);
    const int32_t bodyWidth = body ? body->width : o.pictureWidth;
    const int32_t bodyHeight = body ? body->height : o.pictureHeight;
    const double left = o.position.left, top = o.position.top, bottom = o.position.bottom;

    if (o.type == kBunsenBurner) {
        DrawBurnerFlame(d, bodyWidth);
        DrawPng(g, body, left, top);
        ClosingSteps(d);
        return;
    }

    const PngImage* mask = CachedPng(ids.mask);
    const PixelBuffer* contents = mask ? BuildContentsLayer(d, mask) : nullptr;

    Gdiplus::GpMatrix* upright = SaveTransform(g);
    const Tilt tilt = StepTilt(o, bodyWidth, bodyHeight);
    if (tilt.active) RotateAbout(g, tilt.degrees, tilt.pivotX, tilt.pivotY);

    DrawPng(g, body, left, top);
    if (contents) DrawContentsLayer(g, *contents, mask, left, top);

    const PngImage* rod = CachedPng(kStirringRodImage);
    const StirringRod stir = StepStirringRod(o, large, bodyWidth, bodyHeight, rod ? rod->height : 325);
    if (stir.shown) DrawPng(g, rod, stir.x, stir.y);
    if (const int32_t barId = StepStirBar(o)) {
        const PngImage* bar = CachedPng(barId);
        if (bar) DrawPng(g, bar, left + bodyWidth * 0.5 - bar->width / 2, bottom - bar->height - 10);
    }

    if (DrawsThermometer(o)) {
        const Offset t = ThermometerOffset(o, bodyHeight);
        DrawThermometer(d, bodyHeight, t.dx, t.dy);
    }
    TemperatureText calorimeter;
    if (CalorimeterTemperature(o, CurrentTempScale(), &calorimeter)) DrawTemperatureText(d, calorimeter, calorimeter.text);
    if (o.objectFlags & kObjLightOn) {
        const PngImage* lamp = CachedPng(kLampImage);
        if (lamp) DrawPng(g, lamp, left - lamp->width - 10, bottom - lamp->height);
    }
    if (ids.extra) {
        const PointD at = ExtraPosition(o, large);
        DrawPng(g, CachedPng(ids.extra), at.x, at.y);
    }
    DrawPng(g, CachedPng(ids.front), left, top);

    const PngImage* accessory = CachedPng(ids.accessory);
    const double ax = left + o.accessoryOffsetX, ay = top + o.accessoryOffsetY;
    if (o.type == kCentigramBalance) DrawCentigramBeam(g, o, large, accessory);
    else if (o.host != 0 && o.type != kInvertedBuret) DrawPngFaded(g, accessory, ax, ay, kHostedAccessoryAlpha);
    else DrawPng(g, accessory, ax, ay);

    DrawInstrumentReadouts(d);
    DrawObjectLabel(g, o, large ? 22.0f : 22.0f * 0.67f);

    DrawStopcock(g, o, large, CachedPng(ids.stopcock));
    if (o.type == kHotPlate) {
        Knob heat, stirrer;
        PlaceHotPlateKnobs(o, &heat, &stirrer);
        const PngImage* knob = CachedPng(ids.knob);
        DrawTurned(g, knob, heat.x, heat.y, heat.degrees);
        DrawTurned(g, knob, stirrer.x, stirrer.y, stirrer.degrees);
    }
    if (o.type == kRoundBottomFlask && (o.stateBits & 0x20)) {
        const PointD at = MantleSettingPosition(o, large);
        DrawPng(g, CachedPng(ids.knob), at.x, at.y);
    }
    if (o.type == kRoundBottomFlask) DrawFlaskVapour(d);
    RestoreTransform(g, upright);
    if (status) *status = Gdiplus::Ok;
    ClosingSteps(d);
}
