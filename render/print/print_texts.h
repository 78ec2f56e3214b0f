// The texts written on a printed object and which neighbour is drawn over
// it: the thermometer's temperature in the TempScale setting, the balances'
// net weight in the user's number format, and the host or hosted partner
// printed after it. Portable, so every case is checked natively.
#pragma once
#include <cstdint>

#include "common/lab_object.h"
#include "render/readouts.h"

constexpr int32_t kPrintTextLength = kReadoutTextLength;

// Upright for printing: standing (variant 0) or held upright (3).
bool PrintsUpright(const LabObject& o);

// The temperature as printed: Celsius and Fahrenheit from 273.15 K, a
// decimal on a beaker, none on Fahrenheit and Kelvin elsewhere; any scale
// but 1 and 2 reads Kelvin.
void FormatPrintTemperature(char* out, int32_t size, const LabObject& o, int32_t tempScale);

// Whether the printed object shows a thermometer: one inserted or built in,
// upright, at a thermometer place; a calorimeter only from 250 K.
bool PrintsThermometer(const LabObject& o);

// The balances' net weight (4952): "%.3f" (high-sensitivity "%.4f") in the
// user's number format, then "%s g". False for other kinds.
bool FormatPrintBalance(char* out, int32_t size, const LabObject& o, NumberFormatFn formatNumber);

// The partner drawn over object `index` (1-based among count): its host,
// else its hosted item, when that one has a lower index (it is printed
// later, over this one). 0 when there is none or the index is out of
// 1..count or names the object itself.
struct PrintPartner {
    int32_t index = 0;
    bool thisIsHosted = false;  // the partner is this object's host
};
PrintPartner ChoosePrintPartner(const LabObject* base, int32_t index, int32_t count);

// Raster operations of the partner overlay through the grey pattern.
constexpr uint32_t kOverlayOnHosted = 0xAB0889;
constexpr uint32_t kOverlayOnHost = 0xBA0B09;
