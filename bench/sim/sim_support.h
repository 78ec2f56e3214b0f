// Small guards shared by the simulation steps: links validated before use,
// temperatures and volumes kept finite and in range, colours as bytes.
#pragma once
#include <cmath>
#include <cstdint>

#include "common/lab_object.h"

namespace sim {

constexpr double kRoomKelvinD = 293.0;
constexpr double kMaxKelvinD = 773.15;
constexpr double kIcePointKelvin = 273.15;
constexpr double kIceDensity = 0.92;

// The object a link field points at, or null when the link is 0, outside
// 1..count or points back at the object itself.
inline LabObject* Linked(int32_t count, LabObject* base, int32_t self, int32_t link) {
    if (link < 1 || link > count || link == self) return nullptr;
    return &base[link];
}

inline double ClampKelvin(double kelvin) {
    if (std::isnan(kelvin)) return kRoomKelvinD;
    if (kelvin < 0) return 0;
    return kelvin > kMaxKelvinD ? kMaxKelvinD : kelvin;
}

inline void SetKelvin(LabObject& o, double kelvin) {
    o.temperature = static_cast<float>(ClampKelvin(kelvin));
}

// Volumes and masses never go below 0 nor become NaN or infinite.
inline double NonNegative(double value) { return std::isfinite(value) && value > 0 ? value : 0; }

// Density for a volume formula: unknown or nonsense densities count as 1.0.
inline double VolumeDensity(double density) { return std::isfinite(density) && density > 0 ? density : 1.0; }

inline bool IsTipped(const LabObject& o) { return o.variant == 1; }

// 0x00BBGGRR, as the chemical table gives colours.
inline uint32_t ColourOf(const uint8_t rgb[3]) {
    return rgb[0] | (uint32_t{rgb[1]} << 8) | (uint32_t{rgb[2]} << 16);
}

inline void StoreColour(uint8_t rgb[3], uint32_t colour) {
    rgb[0] = static_cast<uint8_t>(colour & 0xFF);
    rgb[1] = static_cast<uint8_t>((colour >> 8) & 0xFF);
    rgb[2] = static_cast<uint8_t>((colour >> 16) & 0xFF);
}

inline RectI32 UnionRect(const RectI32& a, const RectI32& b) {
    return {a.left < b.left ? a.left : b.left, a.top < b.top ? a.top : b.top,
            a.right > b.right ? a.right : b.right, a.bottom > b.bottom ? a.bottom : b.bottom};
}

}  // namespace sim
