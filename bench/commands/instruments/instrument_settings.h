// What the instrument dialogs decide and store, apart from their windows:
// the gas syringe's volumes and gauge pressure, the Geiger counter's source,
// distance and shielding, and the electrode lists.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "common/cas.h"
#include "common/lab_object.h"

struct ElectrodeRecord;

// A field that holds a number (surrounding blanks allowed); false for an
// empty field or any other text.
bool ParseNumberField(const std::string& text, double* value);

// ---- gas syringe ----
constexpr double kBarometricKpa = 98.0;
constexpr int32_t kSyringeWithGauge = 1;  // state bits of a syringe with its fittings
constexpr double kGaugeFittingsMl = 4.0;

// The fittings a new syringe of this state starts with (4 ml with its gauge).
double SyringeFittingsFor(const LabObject& syringe);
// (initial + fittings) x 98 / (volume + fittings) - 98 kPa.
double SyringeGaugePressure(double initialMl, double fittingsMl, double volumeMl);

enum class SyringeAnswer { kStored, kRefused };
// The initial volume dialog's OK: a volume above the capacity, or a negative
// volume or fittings, is refused and nothing changes; either field not a
// number sets the four values to 0.
SyringeAnswer ApplyInitialSyringeVolume(LabObject& syringe, bool volumeIsNumber, double volume,
                                        bool fittingsIsNumber, double fittings);
// The set volume dialog's OK with a number: refused above the capacity,
// below 0, or when the gas would have no volume at all.
SyringeAnswer ApplySyringeVolume(LabObject& syringe, double volume);

// ---- Geiger counter ----
constexpr int32_t kGeigerMaxDistance = 30;
constexpr int32_t kGeigerMaxSheets = 5;
// The string naming a shield kind (0..3), "Unknown shielding" for any other.
int32_t ShieldNameString(int32_t kind);
// Millimetres of one sheet; 0 for no or an unknown shield.
double ShieldSheetMillimetres(int32_t kind);
// "%.1f mm" of sheets x mm per sheet, before the locale's format.
std::string ShieldThicknessText(int32_t kind, int32_t sheets);

// The distance field: not a number counts as 0; outside 0..30 is refused.
bool AcceptGeigerDistance(bool isNumber, double value, int32_t* distance);
// The source: none (cas 0) empties the counter; a chemical with grams that
// are finite and above 0 becomes slot 0 as a solid at 293 K, else nothing
// is stored.
void StoreGeigerSource(LabObject& counter, CasNumber cas, double grams);

// The source list's item data: 0 for "None", table index + 1 for a chemical.
constexpr intptr_t kNoSourceItem = 0;
inline intptr_t SourceItemFor(int32_t tableIndex) { return tableIndex + 1; }
inline int32_t TableIndexOfSourceItem(intptr_t item) { return static_cast<int32_t>(item) - 1; }

// ---- electrochemical cell ----
struct ElectrodeEntry {
    int32_t id;
    std::string name;
};
// The module's electrodes 0..count - 1; null records are skipped.
std::vector<ElectrodeEntry> ReadElectrodes(int32_t count, const ElectrodeRecord* (*property)(int32_t index, void* context),
                                           void* context);
// The row whose id is the one given, else the first (0).
int32_t ElectrodeRowFor(const std::vector<ElectrodeEntry>& electrodes, int32_t id);
