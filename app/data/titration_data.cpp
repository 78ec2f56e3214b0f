#include "app/data/titration_data.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

TitrationData LabTitrationData;

namespace {

void CopyText(char (&field)[kDatasetTextLength], const char* text) {
    std::memset(field, 0, sizeof field);
    if (text) std::strncpy(field, text, sizeof field - 1);
}

int32_t ClampToPixels(double v) {
    // Far outside any window, but safe for the int conversions of GDI calls.
    constexpr double kLimit = 1 << 20;
    if (!(v > -kLimit)) return -(1 << 20);
    if (v > kLimit) return 1 << 20;
    return static_cast<int32_t>(v);
}

}  // namespace

void ClearTitrationPoints(TitrationData& data) {
    data.points.clear();
    data.points.shrink_to_fit();
    data.record.pointCount = 0;
    data.record.allocatedCount = 0;
    data.record.pointBufferAddress = 0;
}

void ResetTitrationData(TitrationData& data, const char* xCaption, const char* yCaption) {
    ClearTitrationPoints(data);
    data.record = TitrationDataset{};
    CopyText(data.record.xCaption, xCaption);
    CopyText(data.record.yCaption, yCaption);
}

void AddDataPoint(TitrationData& data, const DataPoint& point) {
    TitrationDataset& r = data.record;
    if (r.pointCount >= r.allocatedCount) {
        r.allocatedCount += kPointBufferGrowth;
        data.points.resize(static_cast<size_t>(r.allocatedCount), DataPoint{});
    }
    data.points[static_cast<size_t>(r.pointCount)] = point;
    ++r.pointCount;
}

bool IsPlausiblePointValue(double value) {
    return std::isfinite(value) && std::fabs(value) <= 1.0e6;
}

std::string FormatPlainNumber(double value, int decimals) {
    char text[64];
    auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    if (result.ec != std::errc()) return "0";
    return std::string(text, result.ptr);
}

std::string BuildTitrationTable(const TitrationData& data, bool withTemperature,
                                NumberFormatter format) {
    if (!format) format = FormatPlainNumber;
    std::string text = withTemperature ? "Volume(ml)  pH    Temp(\xB0" "C)" : "Volume(ml)  pH";
    text += "\r\n\r\n";
    for (int32_t i = 0; i < data.record.pointCount; ++i) {
        const DataPoint& p = data.points[static_cast<size_t>(i)];
        text += format(p.volumeMl, 4);
        text += "     ";
        text += format(p.ph, 4);
        if (withTemperature) {
            text += ",   ";
            text += format(p.kelvin - 273, 4);
        }
        text += "\r\n";
    }
    return text;
}

std::string BuildTitrationCsv(const TitrationData& data, bool withTemperature) {
    std::string text;
    for (int32_t i = 0; i < data.record.pointCount; ++i) {
        const DataPoint& p = data.points[static_cast<size_t>(i)];
        text += FormatPlainNumber(p.volumeMl, 6);
        text += ',';
        text += FormatPlainNumber(p.ph, 6);
        if (withTemperature) {
            text += ',';
            text += FormatPlainNumber(p.kelvin - 273, 6);
        }
        text += "\r\n";
    }
    return text;
}

TitrationGraph ComputeTitrationGraph(const TitrationData& data, int32_t clientWidth,
                                     int32_t clientHeight) {
    TitrationGraph g;
    g.plotWidth = clientWidth - 2 * kGraphMargin;
    g.plotHeight = clientHeight - 2 * kGraphMargin;
    const int32_t count = data.record.pointCount;
    if (count > 0) {
        const DataPoint* p = data.points.data();
        g.firstVolume = p[0].volumeMl;
        g.largestVolume = p[0].volumeMl;
        g.lowestKelvin = g.highestKelvin = p[0].kelvin;
        g.smallestPh = p[0].ph;
        g.largestPh = 14;
        for (int32_t i = 0; i < count; ++i) {
            g.largestVolume = std::max(g.largestVolume, p[i].volumeMl);
            g.lowestKelvin = std::min(g.lowestKelvin, p[i].kelvin);
            g.highestKelvin = std::max(g.highestKelvin, p[i].kelvin);
            g.largestPh = std::max(g.largestPh, p[i].ph);
            g.smallestPh = std::min(g.smallestPh, p[i].ph);
        }
    }
    if (g.highestKelvin - std::floor(g.lowestKelvin) < 14) {
        g.lowestKelvin = std::floor(g.lowestKelvin);
        g.highestKelvin = g.lowestKelvin + 14;
    }
    // A largest volume of 0 or less (negative readings) would divide by zero.
    g.drawPlot = count > 0 && g.largestVolume > g.firstVolume && g.largestVolume > 0 &&
                 g.largestPh > g.smallestPh;
    if (g.drawPlot) {
        g.rowStep = g.plotHeight / 14;
        g.volumeScale = g.plotWidth / g.largestVolume;
        g.kelvinScale = g.plotHeight / (g.highestKelvin - g.lowestKelvin);
    }
    return g;
}

int32_t GraphVolumeX(const TitrationGraph& graph, double volumeMl) {
    return ClampToPixels(kGraphMargin + graph.volumeScale * volumeMl);
}

int32_t GraphPhY(const TitrationGraph& graph, int32_t clientHeight, double ph) {
    return ClampToPixels(clientHeight - kGraphMargin - graph.rowStep * ph);
}

int32_t GraphKelvinY(const TitrationGraph& graph, int32_t clientHeight, double kelvin) {
    return ClampToPixels(clientHeight - kGraphMargin -
                         (kelvin - graph.lowestKelvin) * graph.kelvinScale);
}
