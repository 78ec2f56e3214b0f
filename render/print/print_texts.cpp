#include "render/print/print_texts.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

constexpr double kIceKelvin = 273.15;
constexpr float kCalorimeterLowestKelvin = 250.0f;

bool ValidPartner(int32_t partner, int32_t index, int32_t count) {
    return partner >= 1 && partner <= count && partner != index;
}

}  // namespace

bool PrintsUpright(const LabObject& o) { return o.variant == 0 || o.variant == 3; }

void FormatPrintTemperature(char* out, int32_t size, const LabObject& o, int32_t tempScale) {
    if (!out || size <= 0) return;
    const bool beaker = o.type == kBeaker;
    const double kelvin = std::isfinite(o.temperature) ? o.temperature : 0.0;
    if (tempScale == kTempScaleCelsius)
        std::snprintf(out, size, beaker ? "%.1f \xB0" "C" : "%.01f \xB0" "C", kelvin - kIceKelvin);
    else if (tempScale == kTempScaleFahrenheit)
        std::snprintf(out, size, beaker ? "%.1f \xB0" "F" : "%.0f \xB0" "F", (kelvin - kIceKelvin) * 1.8 + 32);
    else
        std::snprintf(out, size, beaker ? "%.1f \xB0" "K" : "%.0f \xB0" "K", kelvin);
}

bool PrintsThermometer(const LabObject& o) {
    const bool has = o.thermometerInserted != 0 || (o.kindFlags & kKindBuiltInThermometer) != 0;
    if (!has || !PrintsUpright(o)) return false;
    if (o.thermometerX == 0 && o.thermometerY == 0) return false;
    if (o.type == kCalorimeter)
        return std::isfinite(o.temperature) && std::trunc(o.temperature) >= kCalorimeterLowestKelvin;
    return true;
}

bool FormatPrintBalance(char* out, int32_t size, const LabObject& o, NumberFormatFn formatNumber) {
    if (!out || size <= 0) return false;
    if (o.type != kElectronicBalance && o.type != kHighSensitivityBalance) return false;
    const bool fine = o.type == kHighSensitivityBalance;
    char number[kNumberTextLength] = "";
    const double net = std::isfinite(o.reading2) ? o.reading2 : 0.0;
    if (!formatNumber || !formatNumber(number, sizeof number, fine ? "%.4f" : "%.3f", net, fine ? 4 : 3))
        std::snprintf(number, sizeof number, fine ? "%.4f" : "%.3f", net);
    std::snprintf(out, size, "%s g", number);
    return true;
}

PrintPartner ChoosePrintPartner(const LabObject* base, int32_t index, int32_t count) {
    PrintPartner p;
    if (!base || index < 1 || index > count) return p;
    const LabObject& o = base[index];
    if (ValidPartner(o.host, index, count) && o.host < index) return {o.host, true};
    if (ValidPartner(o.hostedItem, index, count) && o.hostedItem < index) return {o.hostedItem, false};
    return p;
}
