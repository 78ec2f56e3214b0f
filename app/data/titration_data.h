// The titration dataset in memory: its record and its point buffer, the
// table and comma-separated texts made from it, and the graph's scales.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "common/titration_dataset.h"

// The record's point count and allocated count always describe `points`:
// points.size() == allocatedCount, of which the first pointCount are used.
struct TitrationData {
    TitrationDataset record{};
    std::vector<DataPoint> points;
};

extern TitrationData LabTitrationData;

// LabStyle bit: the lab records temperature (column, curve and axis).
constexpr uint32_t kLabStyleRecordsTemperature = 0x800;

// Bench creation: counts 0, no points, empty title, the two axis captions.
void ResetTitrationData(TitrationData& data, const char* xCaption, const char* yCaption);
// Frees the point buffer and zeroes the point and allocated counts.
void ClearTitrationPoints(TitrationData& data);
// Appends one point, growing the buffer 100 points at a time.
void AddDataPoint(TitrationData& data, const DataPoint& point);

// A value a dataset may hold: finite and within what a titration can give.
bool IsPlausiblePointValue(double value);

// Formats a number with the given decimals as the user's locale shows it.
using NumberFormatter = std::string (*)(double value, int decimals);
// The "C" locale formatting, used where no locale formatter is given.
std::string FormatPlainNumber(double value, int decimals);

// The data view's text: header line, empty line, one CR LF line per point.
std::string BuildTitrationTable(const TitrationData& data, bool withTemperature,
                                NumberFormatter format);
// The export rows ("%f" fields, "." decimals whatever the locale, CR LF).
std::string BuildTitrationCsv(const TitrationData& data, bool withTemperature);

// Ranges and scales of the graph view for a client area of width x height.
struct TitrationGraph {
    double largestVolume = 50;
    double firstVolume = 0;
    double smallestPh = 0;
    double largestPh = 14;
    double lowestKelvin = 20;
    double highestKelvin = 50;
    bool drawPlot = false;  // points exist and both ranges are non-empty
    int32_t plotWidth = 0;
    int32_t plotHeight = 0;
    int32_t rowStep = 0;      // pixels per pH unit
    double volumeScale = 0;   // pixels per ml
    double kelvinScale = 0;   // pixels per kelvin
};
constexpr int32_t kGraphMargin = 75;
TitrationGraph ComputeTitrationGraph(const TitrationData& data, int32_t clientWidth,
                                     int32_t clientHeight);
// Pixel positions of a point's pH and temperature marks, clamped to a range
// the drawing calls take.
int32_t GraphVolumeX(const TitrationGraph& graph, double volumeMl);
int32_t GraphPhY(const TitrationGraph& graph, int32_t clientHeight, double ph);
int32_t GraphKelvinY(const TitrationGraph& graph, int32_t clientHeight, double kelvin);
