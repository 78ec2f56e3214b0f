// The numbers drawn over the equipment: the thermometer's column and
// temperature, each instrument's display, the object label and the sample
// box under an object. Texts are ANSI (the degree sign is 0xB0, micro
// 0xB5) and are formatted bounded into buffers that hold any value.
#pragma once
#include <cstdint>

#include "common/lab_object.h"

// Room for any double printed with a few decimals, grouped by a locale
// with separators of up to four characters, and its unit.
constexpr int32_t kNumberTextLength = 768;
constexpr int32_t kReadoutTextLength = kNumberTextLength + 64;
constexpr int32_t kStringFormatLength = 50;  // a string-table format
constexpr int32_t kSampleTextLength = kStringFormatLength + 2 * kNumberTextLength;
constexpr int32_t kSampleTimedTextLength = kStringFormatLength + kSampleTextLength + 32;

// The program's locale number formatting: value printed with the printf
// format, then regrouped with the user's separators and `digits` decimals
// when the printed text is a plain number. Returns out, or null.
using NumberFormatFn = char* (*)(char* out, int size, const char* format, double value, int digits);
// A string-table text by id into out; false when there is none.
using LoadStringFn = bool (*)(int32_t id, char* out, int32_t size);

// What the program installs at start-up: its locale formatting and its
// string table. Until then numbers keep their printf form and strings are
// missing.
struct ReadoutServices {
    NumberFormatFn formatNumber;
    LoadStringFn loadString;
    const int32_t* tempScale;  // the TempScale setting; null reads as Celsius
};
void SetReadoutServices(const ReadoutServices& services);
const ReadoutServices& CurrentReadoutServices();

enum TempScaleSetting : int32_t { kTempScaleKelvin = 0, kTempScaleCelsius = 1, kTempScaleFahrenheit = 2 };
int32_t CurrentTempScale();

// Thermometer pictures.
constexpr int32_t kThermometerPng = 1181, kThermometerOverlayPng = 1182;    // 19 x 514
constexpr int32_t kSmallThermometerPng = 2137, kSmallThermometerOverlayPng = 2138;  // 13 x 345
constexpr int32_t kThermometerHeight = 514, kSmallThermometerHeight = 345;

// Pixels of mercury above the column's foot, 0 .. imageHeight - 5.
double MercuryColumnLength(float kelvin, bool smallSet, int32_t imageHeight);

struct ThermometerLayout {
    int32_t imageX, imageY;      // top-left of the picture and of its overlay
    float columnX;               // the red line
    float columnBottom, columnTop;
    float penWidth;
    float textX, textY;
    float fontPixels;
    char text[kReadoutTextLength];
};

// bodyHeight, offsetX and offsetY are the a, b and c the object drawing hands over.
ThermometerLayout LayOutThermometer(const LabObject& o, int32_t tempScale, bool smallSet,
                                    int32_t bodyHeight, int32_t offsetX, int32_t offsetY);
void FormatThermometerText(char* out, int32_t size, const LabObject& o, int32_t tempScale);

// A temperature drawn beside a thermometer's stem.
struct TemperatureText {
    float x, y;
    float fontPixels;
    char text[kReadoutTextLength];
};
// The calorimeter's picture carries its thermometer while it is in: the
// temperature stands left of that stem, above the lid, as beside any
// thermometer. False for anything else.
bool CalorimeterTemperature(const LabObject& o, int32_t tempScale, TemperatureText* out);

// Moves a text whose ink reaches width x height from (x, y) the least that
// keeps it inside the bench, a few pixels from its edges, so a read-out
// stays readable however near an edge its object stands.
void KeepTextOnBench(float* x, float* y, float width, float height, const RectI32& bench);

enum class ReadoutPlacement : int32_t { kAtPoint, kCentredBox };

struct Readout {
    ReadoutPlacement placement;
    float x, y;           // the point, or the box's top-left
    float width, height;  // the box
    float fontPixels;
    char text[kReadoutTextLength];
};

// The display of an instrument; false for kinds (and states) that show none.
bool InstrumentReadout(const LabObject& o, bool smallSet, NumberFormatFn formatNumber, Readout* out);

// The sample box's text; false when the object shows no box.
bool ComposeSampleReadout(const LabObject& o, NumberFormatFn formatNumber, LoadStringFn loadString,
                          char* out, int32_t size);
// The box for a measured text: centred under the object.
RectI32 SampleReadoutBox(const LabObject& o, int32_t textWidth, int32_t textHeight);
// What the object keeps for later invalidation: the box grown by one pixel.
RectI32 SampleReadoutArea(const RectI32& box);
