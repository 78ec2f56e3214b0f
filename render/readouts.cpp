#include "render/readouts.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

constexpr float kSmallFactor = 0.67f;
constexpr const char* kMissingString = "Missing Comment";

enum SampleStrings : int32_t {
    kSampleWeightAndPh = 214,
    kSampleWeightOnly = 215,
    kSamplePhOnly = 216,
    kStopwatchTime = 709,
};

float SetFactor(bool smallSet) { return smallSet ? kSmallFactor : 1.0f; }

void LoadFormat(LoadStringFn loadString, int32_t id, char (&out)[kStringFormatLength]) {
    if (!loadString || !loadString(id, out, kStringFormatLength))
        std::snprintf(out, sizeof out, "%s", kMissingString);
    out[kStringFormatLength - 1] = 0;
}

// The locale step through the seam; without one, the printf text stands.
void FormatNumber(NumberFormatFn formatNumber, char* out, int32_t size, const char* format,
                  double value, int digits) {
    if (!formatNumber || !formatNumber(out, size, format, value, digits))
        std::snprintf(out, size, format, value);
}

void AtPoint(Readout* r, float x, float y, float font) {
    r->placement = ReadoutPlacement::kAtPoint;
    r->x = x;
    r->y = y;
    r->width = r->height = 0;
    r->fontPixels = font;
}

void InBox(Readout* r, float x, float y, float width, float height, float font) {
    r->placement = ReadoutPlacement::kCentredBox;
    r->x = x;
    r->y = y;
    r->width = width;
    r->height = height;
    r->fontPixels = font;
}

// A centred read-out fills its instrument's display, which the picture
// draws over the label area.
float LabelWidth(const LabObject& o) { return static_cast<float>(o.labelArea.right - o.labelArea.left); }
float LabelHeight(const LabObject& o) { return static_cast<float>(o.labelArea.bottom - o.labelArea.top); }

ReadoutServices installedServices{nullptr, nullptr, nullptr};

}  // namespace

void SetReadoutServices(const ReadoutServices& services) { installedServices = services; }
const ReadoutServices& CurrentReadoutServices() { return installedServices; }

int32_t CurrentTempScale() {
    return installedServices.tempScale ? *installedServices.tempScale : kTempScaleCelsius;
}

double MercuryColumnLength(float kelvin, bool smallSet, int32_t imageHeight) {
    double length = (kelvin - 273.0) * 4 + 100;
    if (smallSet) length *= kSmallFactor;
    if (!(length > 0)) return 0;  // below the bulb's mark (and NaN): no column
    const double top = imageHeight - 5.0;
    return length >= top ? (top > 0 ? top : 0) : length;
}

void FormatThermometerText(char* out, int32_t size, const LabObject& o, int32_t tempScale) {
    if (!out || size <= 0) return;
    const bool beaker = o.type == kBeaker;
    const double kelvin = o.temperature;
    if (tempScale == kTempScaleCelsius)
        std::snprintf(out, size, beaker ? "%.1f \xB0" "C" : "% .01f \xB0" "C", kelvin - 273);
    else if (tempScale == kTempScaleFahrenheit)
        std::snprintf(out, size, beaker ? "%.1f \xB0" "F" : "%.0f \xB0" "F",
                      (kelvin - 273) * 1.8 + 32);
    else
        std::snprintf(out, size, beaker ? "%.1f \xB0" "K" : "%.0f \xB0" "K", kelvin);
}

ThermometerLayout LayOutThermometer(const LabObject& o, int32_t tempScale, bool smallSet,
                                    int32_t bodyHeight, int32_t offsetX, int32_t offsetY) {
    ThermometerLayout t{};
    const int32_t h = smallSet ? kSmallThermometerHeight : kThermometerHeight;
    const int32_t left = o.position.left, top = o.position.top;
    t.imageX = left + offsetX + 20;
    t.imageY = top + bodyHeight - h - offsetY - 20;
    t.columnX = static_cast<float>(left + offsetX + (smallSet ? 27 : 30));
    t.columnBottom = static_cast<float>(top + bodyHeight - offsetY - 20);
    t.columnTop = static_cast<float>(
        static_cast<int32_t>(t.columnBottom - MercuryColumnLength(o.temperature, smallSet, h)));
    t.penWidth = smallSet ? 3.0f : 4.0f;
    t.textX = static_cast<float>(left + offsetX - (smallSet ? 75 : 90));
    t.textY = static_cast<float>(top + bodyHeight - h - offsetY + 40);
    t.fontPixels = 24;
    FormatThermometerText(t.text, sizeof t.text, o, tempScale);
    return t;
}

bool CalorimeterTemperature(const LabObject& o, int32_t tempScale, TemperatureText* out) {
    constexpr int16_t kThermometerShown = 0x2;  // the picture with the thermometer
    if (!out || o.type != kCalorimeter || !(o.stateBits & kThermometerShown)) return false;
    // As far left of the stem, and as far below its top, as a thermometer's
    // text stands from its picture.
    out->x = static_cast<float>(o.position.left + o.accessoryOffsetX - 110);
    out->y = static_cast<float>(o.position.top + o.accessoryOffsetY + 60);
    out->fontPixels = 24;
    FormatThermometerText(out->text, sizeof out->text, o, tempScale);
    return true;
}

void KeepTextOnBench(float* x, float* y, float width, float height, const RectI32& bench) {
    constexpr float kMargin = 3;
    const auto keep = [](float at, float extent, float low, float high) {
        if (at + extent > high - kMargin) at = high - kMargin - extent;
        if (at < low + kMargin) at = low + kMargin;  // a text wider than the bench keeps its start
        return at;
    };
    *x = keep(*x, width, static_cast<float>(bench.left), static_cast<float>(bench.right));
    *y = keep(*y, height, static_cast<float>(bench.top), static_cast<float>(bench.bottom));
}

bool InstrumentReadout(const LabObject& o, bool smallSet, NumberFormatFn formatNumber, Readout* r) {
    if (!r) return false;
    const float f = SetFactor(smallSet);
    const float px = static_cast<float>(o.position.left + o.labelArea.left);
    const float py = static_cast<float>(o.position.top + o.labelArea.top);
    char* text = r->text;
    const int32_t size = sizeof r->text;
    switch (o.type) {
        case kElectrochemicalCell:
            std::snprintf(text, size, "%.2f V", o.reading1);
            AtPoint(r, px, py, 24);
            return true;
        case kConductivityMeter:
            // The meter is 122 px wide in both sets: its face's display holds
            // the reading in two lines, five whole digits, at 18 px.
            std::snprintf(text, size, " %.2f \xB5S  %s", o.reading1, "ATC 25\xB0" "C");
            InBox(r, px, py, LabelWidth(o), LabelHeight(o), 18);
            return true;
        case kGasSyringe:
            if (o.stateBits != 1) return false;
            std::snprintf(text, size, "%.0f kPa", o.reading3);
            if (smallSet)
                InBox(r, px, py, 50, 50, 14);
            else
                InBox(r, px, py, 85, 85, 22);
            return true;
        case kElectronicBalance:
        case kHighSensitivityBalance: {
            // The unit makes the text no plain number, so the locale step
            // leaves the point as printf wrote it.
            const bool fine = o.type == kHighSensitivityBalance;
            FormatNumber(formatNumber, text, size, fine ? "%.4f g" : "%.3f g", o.reading2,
                         fine ? 4 : 3);
            AtPoint(r, px, py, 22);
            return true;
        }
        case kCuvette:
            if (o.stateBits & 0x1)
                std::snprintf(text, size, "----- \n (%inm) ", static_cast<int>(o.wavelength));
            else
                std::snprintf(text, size, "%.2f %% \n (%inm) ", o.reading1,
                              static_cast<int>(o.wavelength));
            InBox(r, px, py, LabelWidth(o), LabelHeight(o), smallSet ? 16.0f : 24.0f);
            return true;
        case kErlenmeyerFlask:
            if (o.stateBits != 4) return false;
            std::snprintf(text, size, "%.3f kPa", o.reading4);
            InBox(r, o.position.left + 125 * f, o.position.top + 10 * f, 100 * f, 50 * f, 20 * f);
            return true;
        case kGeigerCounter:
            std::snprintf(text, size, "%.0f cpm ", o.reading1);
            InBox(r, px, py, LabelWidth(o), LabelHeight(o), 24);
            return true;
        default:
            return false;
    }
}

bool ComposeSampleReadout(const LabObject& o, NumberFormatFn formatNumber, LoadStringFn loadString,
                          char* out, int32_t size) {
    if (!out || size <= 0) return false;
    out[0] = 0;
    const bool weightShown = o.readoutShown != 0;
    const bool phShown = o.phShown != 0;
    const bool stopwatch = (o.objectFlags & kObjStopwatchRunning) != 0;
    if (!weightShown && !phShown && !stopwatch) return false;
    if (o.variant != 0 || o.type <= kBunsenBurner) return false;

    double grams = 0;
    for (const ComponentSlot& s : o.slots) grams += s.grams;
    char weight[kNumberTextLength];
    char ph[kNumberTextLength];
    FormatNumber(formatNumber, weight, sizeof weight, "%.3f", grams, 3);
    FormatNumber(formatNumber, ph, sizeof ph, "%.2f", o.ph, 2);

    char format[kStringFormatLength];
    char sample[kSampleTextLength] = "";
    if (weightShown && phShown) {
        LoadFormat(loadString, kSampleWeightAndPh, format);
        std::snprintf(sample, sizeof sample, format, weight, ph);
    } else if (weightShown) {
        LoadFormat(loadString, kSampleWeightOnly, format);
        std::snprintf(sample, sizeof sample, format, weight);
    } else if (phShown) {
        LoadFormat(loadString, kSamplePhOnly, format);
        std::snprintf(sample, sizeof sample, format, ph);
    }

    if (stopwatch) {
        LoadFormat(loadString, kStopwatchTime, format);
        std::snprintf(out, size, format, sample, o.stopwatchCount * 100.0 / 1000.0);
    } else {
        std::snprintf(out, size, "%s", sample);
    }
    return true;
}

RectI32 SampleReadoutBox(const LabObject& o, int32_t textWidth, int32_t textHeight) {
    const RectI32& p = o.position;
    RectI32 box;
    box.right = p.left + (p.right - p.left) / 2 + textWidth / 2;
    box.left = box.right - textWidth;
    box.top = p.bottom;
    box.bottom = p.bottom + textHeight;
    return box;
}

RectI32 SampleReadoutArea(const RectI32& box) {
    return {box.left - 1, box.top - 1, box.right + 1, box.bottom + 1};
}
