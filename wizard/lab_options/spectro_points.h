// The spectrophotometer data dialog's edits of the lab's points, keeping the
// header's count in step.
#pragma once
#include <string>
#include <vector>

#include "wizard/udl_lab.h"

namespace parvell {

constexpr int kStringChemicalColumn = 1179;     // "Chemical"
constexpr int kStringWavelengthColumn = 1180;   // "Wavelength"
constexpr int kStringKValueColumn = 1181;       // "K value"
constexpr int kStringSpectroNeedsChemical = 1182;  // "You must specify a valid chemical"

// Whole nanometres; 0 for anything that is not a whole number from 0 up.
int32_t ParseWavelength(const std::string& text);

// "%i nm" and "%f" for the list.
std::string WavelengthText(const SpectroPoint& point);
std::string AbsorptivityText(const SpectroPoint& point);

// 0, or 1182 for a point without a chemical.
int CheckSpectroPoint(const SpectroPoint& point);

// Appends the point; its index, or -1 (and nothing changes) when refused.
int AddSpectroPoint(UdlLab& lab, const SpectroPoint& point);
// Overwrites the chemical, wavelength and K of the point at index; false
// when refused or there is no such point.
bool UpdateSpectroPoint(UdlLab& lab, int index, const SpectroPoint& point);
// Removes the point at index; the index to select after: the one before, the
// new first when the first went, -1 when none is left or there was no such point.
int RemoveSpectroPoint(UdlLab& lab, int index);

// Cancel on the dialog puts back the points the page copied before opening it.
void RestoreSpectroPoints(UdlLab& lab, const std::vector<SpectroPoint>& copy);

}  // namespace parvell
