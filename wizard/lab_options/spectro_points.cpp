#include "wizard/lab_options/spectro_points.h"

#include <cerrno>
#include <cstdint>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace parvell {

namespace {

void CountPoints(UdlLab& lab) { lab.header.spectroPointCount = int32_t(lab.spectroPoints.size()); }

}  // namespace

int32_t ParseWavelength(const std::string& text) {
    const char* start = text.c_str();
    char* end = nullptr;
    errno = 0;
    long long value = strtoll(start, &end, 10);
    if (end == start || errno == ERANGE) return 0;
    while (*end == ' ' || *end == '\t') ++end;
    if (*end != '\0' || value < 0 || value > INT32_MAX) return 0;
    return int32_t(value);
}

std::string WavelengthText(const SpectroPoint& point) {
    char text[32];
    snprintf(text, sizeof text, "%i nm", int(point.wavelength));
    return text;
}

std::string AbsorptivityText(const SpectroPoint& point) {
    char text[64];
    // "%f" of a huge value would run to hundreds of digits.
    if (std::isfinite(point.absorptivity) && std::fabs(point.absorptivity) < 1e15)
        snprintf(text, sizeof text, "%f", point.absorptivity);
    else snprintf(text, sizeof text, "%g", point.absorptivity);
    return text;
}

int CheckSpectroPoint(const SpectroPoint& point) { return point.cas == 0 ? kStringSpectroNeedsChemical : 0; }

int AddSpectroPoint(UdlLab& lab, const SpectroPoint& point) {
    if (CheckSpectroPoint(point)) return -1;
    lab.spectroPoints.push_back(point);
    CountPoints(lab);
    return int(lab.spectroPoints.size()) - 1;
}

bool UpdateSpectroPoint(UdlLab& lab, int index, const SpectroPoint& point) {
    if (CheckSpectroPoint(point) || index < 0 || size_t(index) >= lab.spectroPoints.size()) return false;
    SpectroPoint& kept = lab.spectroPoints[size_t(index)];
    kept.cas = point.cas;
    kept.wavelength = point.wavelength;
    kept.absorptivity = point.absorptivity;
    return true;
}

int RemoveSpectroPoint(UdlLab& lab, int index) {
    if (index < 0 || size_t(index) >= lab.spectroPoints.size()) return -1;
    lab.spectroPoints.erase(lab.spectroPoints.begin() + index);
    CountPoints(lab);
    if (lab.spectroPoints.empty()) return -1;
    return index > 0 ? index - 1 : 0;
}

void RestoreSpectroPoints(UdlLab& lab, const std::vector<SpectroPoint>& copy) {
    lab.spectroPoints = copy;
    CountPoints(lab);
}

}  // namespace parvell
