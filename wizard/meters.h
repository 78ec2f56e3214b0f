// How an object looks and what its instruments read after the reactions:
// volumes, bubbles, solid, precipitate and liquid colours, indicators, the
// spectrophotometer, pH, conductivity and the flame test.
#pragma once
#include <cstdint>

#include "common/lab_object.h"
#include "wizard/reaction_engine.h"
#include "wizard/udl_records.h"

namespace parvell {

constexpr CasNumber kCasHydrogenIon = 12385136;
constexpr CasNumber kCasHydroxideIon = 14280309;

void UpdateObjectAppearance(const EngineLab& lab, LabObject& o, const ReactionParticipant* participant,
                            double gasGramsBefore);
void UpdatePrecipitate(LabObject& o, const uint8_t suspendedColour[3]);
void SettlePrecipitate(LabObject& o, double grams);
void UpdateIndicatorColour(const EngineLab& lab, LabObject& o, double liquidMl);

// Colour between a low and a high concentration on a logarithmic scale;
// false (out untouched) below low.
bool GradientColour(double molarity, double low, double high, const uint8_t lowColour[3],
                    const uint8_t highColour[3], uint8_t out[3]);

double LookupAbsorptivity(const EngineLab& lab, CasNumber cas, int32_t wavelength);
void UpdateSpectrophotometer(const EngineLab& lab, LabObject& cuvette);
void UpdatePh(LabObject& o);
// The pH of a liquid of litres holding the moles of H+ and OH- (beyond what
// water itself gives): 7 without liquid, always within 0..14.
double PhOfExcess(double hydrogenMoles, double hydroxideMoles, double litres);

double SoluteConductivity(double molarity, double a, double b, double kelvin, int atc);
void UpdateConductivity(int32_t count, LabObject* base);

double BurnOffStep(double grams);
void UpdateFlameColour(LabObject* base, int32_t count);

}  // namespace parvell
