#include "wizard/meters.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "wizard/reaction_slots.h"
#include "wizard/whole_power.h"
#include "zephrane/chemical_database.h"

namespace parvell {

namespace {

constexpr uint32_t kLiquidMask = kPhaseLiquid | kPhaseDissolved;
constexpr uint32_t kSolutionMask = kPhaseLiquid | kPhaseDissolved | kPhaseSecondLiquid;
constexpr double kReferenceKelvin = 298.0;
constexpr double kWarmerFactor = 1.0089;
constexpr double kCoolerFactor = 1 - 0.0089;
constexpr double kWaterIonProduct = 1e-14;

void SetColour(uint8_t out[3], uint32_t word) {
    out[0] = ColourRed(word);
    out[1] = ColourGreen(word);
    out[2] = ColourBlue(word);
}

uint8_t ColourChannel(double value, uint8_t fallback) {
    if (!std::isfinite(value)) return fallback;
    return uint8_t(std::clamp(std::trunc(value), 0.0, 255.0));
}

// Molarity of grams of cas in liquidMl, or 0 when either is not above 0.
double Molarity(CasNumber cas, double grams, double liquidMl) {
    double moles = Moles(cas, grams);
    if (!(liquidMl > 0) || !(moles > 0)) return 0;
    return moles / (liquidMl / 1000.0);
}

struct BurnStep {
    double below;
    double step;
};
constexpr BurnStep kBurnSteps[] = {
    {0.0001, 0.00001}, {0.0005, 0.00005}, {0.001, 0.0001}, {0.005, 0.0005},
    {0.01, 0.001},     {0.05, 0.005},     {0.1, 0.01},     {0.5, 0.05},
};

bool InFlame(const LabObject& wire, const LabObject& burner) {
    int32_t left = burner.position.left + 15, right = burner.position.left + 30;
    int32_t top = burner.position.top, bottom = burner.position.top + 15;
    return wire.position.left >= left && wire.position.left < right && wire.position.bottom >= top &&
           wire.position.bottom < bottom;
}

// One chemical burns off the wire per pass; true when one did.
bool BurnOneChemical(LabObject& wire, LabObject& burner) {
    for (int i = 1; i < kComponentSlotCount; ++i) {
        ComponentSlot& s = wire.slots[i];
        if (s.phase == kPhaseDissolved) s.phase = kPhaseSolid;
        if (!(Chemical_ChemType(s.cas) & kChemHasFlameColour)) continue;
        // A slot whose phase the database state does not describe (a dried
        // solution of a chemical listed as "solution") is weighed by its own
        // phase, on every pass, so it burns rather than reading 0 g.
        uint32_t mask = uint32_t(Chemical_State(s.cas, i));
        if (!(mask & s.phase)) mask = s.phase;
        double grams = MassOfComponent(wire, s.cas, mask);
        if (!(grams > 0)) continue;
        RemoveReactionComponent(wire, s.cas, mask, std::min(grams, BurnOffStep(grams)));
        SetColour(burner.liquidColour, Chemical_FlameColor(s.cas));
        int32_t height = wire.position.bottom - burner.position.top;
        burner.reading2 = (height > 15 || height < 0) ? 15 : height;
        wire.solidVolume = ReactionPhaseVolume(wire, kPhaseSolid);
        wire.liquidVolume = ReactionPhaseVolume(wire, kLiquidMask) * 10;
        return true;
    }
    return false;
}

}  // namespace

bool GradientColour(double molarity, double low, double high, const uint8_t lowColour[3],
                    const uint8_t highColour[3], uint8_t out[3]) {
    if (molarity == low) {
        memcpy(out, lowColour, 3);
        return true;
    }
    if (molarity >= high) {
        memcpy(out, highColour, 3);
        return true;
    }
    if (molarity < low) return false;
    double span = std::log(high) - std::log(low);
    double fromHigh = std::log(high) - std::log(molarity);
    for (int c = 0; c < 3; ++c) {
        double difference = double(lowColour[c]) - double(highColour[c]);
        out[c] = ColourChannel(std::trunc(fromHigh * difference) / span + highColour[c], highColour[c]);
    }
    return true;
}

void UpdateObjectAppearance(const EngineLab& lab, LabObject& o, const ReactionParticipant* participant,
                            double gasGramsBefore) {
    o.solidVolume = ReactionPhaseVolume(o, kPhaseSolid | kPhasePrecipitate);
    o.liquidVolume = ReactionPhaseVolume(o, kLiquidMask) * 10;
    if (MassByPhase(o, kPhaseGas) > gasGramsBefore) o.afterBoilCounter = 20;

    const ComponentSlot *solid = nullptr, *precipitate = nullptr;
    for (int i = 1; i < kComponentSlotCount; ++i) {
        const ComponentSlot& s = o.slots[i];
        if (!(s.grams > 0)) continue;
        if (s.phase == kPhaseSolid && (!solid || s.grams > solid->grams)) solid = &s;
        if (s.phase == kPhasePrecipitate && (!precipitate || s.grams > precipitate->grams)) precipitate = &s;
    }
    if (solid) {
        SetColour(o.solidColour, Chemical_Color(solid->cas));
        o.solidFillKind = Chemical_BrushStyle(solid->cas);
        o.solidPatternId = Chemical_Pattern_Hatch(solid->cas);
    }
    // Without a slot of pure precipitate the suspended colour stays as it was.
    uint8_t suspended[3];
    memcpy(suspended, o.suspendedColour, 3);
    if (precipitate) {
        SetColour(suspended, Chemical_Color(precipitate->cas));
        for (uint8_t& c : suspended) c = uint8_t(c * 2 / 3);
    }

    double liquidMl = o.liquidVolume / 10;
    if (participant) {
        uint32_t mask = participant->phase | ((participant->phase & kPhasePrecipitate) ? uint32_t(kPhaseSolid) : 0u);
        double molarity = Molarity(participant->cas, MassOfComponent(o, participant->cas, mask), liquidMl);
        if (molarity > 0) {
            if (participant->flags & kPartColourGradient)
                GradientColour(molarity, participant->low, participant->high, participant->colourA,
                               participant->colourB, o.liquidColour);
            else if ((participant->flags & kPartColourRule) && molarity >= participant->low)
                memcpy(o.liquidColour, participant->colourA, 3);
        }
    }
    UpdatePrecipitate(o, suspended);
    if (lab.labStyle & kStyleIndicators) UpdateIndicatorColour(lab, o, liquidMl);
}

void UpdatePrecipitate(LabObject& o, const uint8_t suspendedColour[3]) {
    double grams = MassByPhase(o, kPhasePrecipitate);
    o.precipitate = grams;
    if (!(grams > 0)) {
        o.suspendedParticles = 0;
        return;
    }
    memcpy(o.suspendedColour, suspendedColour, 3);
    double height = double(o.position.bottom) - double(o.position.top);
    o.suspendedParticles = int32_t(std::clamp(std::trunc(grams * height / 5), 0.0, 2147483647.0));
    if (MassByPhase(o, kPhaseLiquid) < 0.5) {
        o.suspendedParticles = 0;
        o.precipitate = 0;
        SettlePrecipitate(o, grams);
    } else {
        SettlePrecipitate(o, std::min(std::max(grams / 10, 0.01), grams));
    }
}

void SettlePrecipitate(LabObject& o, double grams) {
    double total = MassByPhase(o, kPhasePrecipitate);
    if (!(total > 0)) return;
    for (int i = 1; i < kComponentSlotCount; ++i) {
        ComponentSlot& s = o.slots[i];
        if (s.phase != kPhasePrecipitate || !(s.grams > 0)) continue;
        double settled = std::min(s.grams, s.grams / total * grams);
        CasNumber cas = s.cas;
        double kelvin = s.kelvin;
        RemoveReactionComponent(o, cas, kPhasePrecipitate, settled);
        AddReactionComponent(o, cas, kPhaseSolid, settled, kelvin);
    }
}

void UpdateIndicatorColour(const EngineLab& lab, LabObject& o, double liquidMl) {
    if (!(o.indicatorAmount > 0)) return;
    for (int32_t k = 0; k < lab.indicatorCount; ++k) {
        const IndicatorRecord& r = lab.indicators[k];
        if (r.id != o.indicatorId) continue;
        if (r.fixedColourMark == -1) memcpy(o.liquidColour, r.fixedColour, 3);
        if (r.mode == kIndicatorByPh) {
            if (o.ph <= r.low) {
                memcpy(o.liquidColour, r.lowColour, 3);
            } else if (o.ph >= r.high) {
                memcpy(o.liquidColour, r.highColour, 3);
            } else {
                for (int c = 0; c < 3; ++c) {
                    double difference = double(r.lowColour[c]) - double(r.highColour[c]);
                    double value = r.highColour[c] + std::trunc(difference * (r.high - o.ph)) / (r.high - r.low);
                    o.liquidColour[c] = ColourChannel(value, r.highColour[c]);
                }
            }
        } else {
            double molarity = Molarity(r.cas, MassOfComponent(o, r.cas, r.phase), liquidMl);
            if (molarity > 0) GradientColour(molarity, r.low, r.high, r.lowColour, r.highColour, o.liquidColour);
        }
    }
}

double LookupAbsorptivity(const EngineLab& lab, CasNumber cas, int32_t wavelength) {
    const SpectroPoint *above = nullptr, *below = nullptr;
    for (int32_t i = 0; i < lab.spectroPointCount; ++i) {
        const SpectroPoint& p = lab.spectroPoints[i];
        if (p.cas != cas) continue;
        if (p.wavelength == wavelength) return p.absorptivity;
        if (p.wavelength > wavelength && (!above || p.wavelength > above->wavelength)) above = &p;
        if (p.wavelength < wavelength && (!below || p.wavelength < below->wavelength)) below = &p;
    }
    if (!above || !below) return 0;
    if (above->absorptivity == below->absorptivity) return above->absorptivity;
    return below->absorptivity + (above->absorptivity - below->absorptivity) *
                                     (double(wavelength) - below->wavelength) /
                                     (double(above->wavelength) - below->wavelength);
}

void UpdateSpectrophotometer(const EngineLab& lab, LabObject& cuvette) {
    cuvette.reading1 = 100;
    if (cuvette.stateBits & 1) return;
    double absorbance = 0;
    for (int i = 1; i < kComponentSlotCount; ++i) {
        const ComponentSlot& s = cuvette.slots[i];
        if (!(s.grams > 0)) continue;
        double k = LookupAbsorptivity(lab, s.cas, cuvette.wavelength);
        if (!(k > 0)) continue;
        double moles = Moles(s.cas, MassOfComponent(cuvette, s.cas, kSolutionMask));
        double litres = ReactionPhaseVolume(cuvette, kPhaseLiquid) / 1000;
        if (!(moles > 0) || !(litres > 0)) continue;
        absorbance += k * moles / litres;
        cuvette.reading1 = std::pow(10.0, 2 - absorbance);
    }
}

void UpdatePh(LabObject& o) {
    double litres = ReactionPhaseVolume(o, kPhaseLiquid) / 1000;
    double h = Moles(kCasHydrogenIon, MassOfComponent(o, kCasHydrogenIon, kPhaseSecondLiquid));
    double oh = Moles(kCasHydroxideIon, MassOfComponent(o, kCasHydroxideIon, kPhaseSecondLiquid));
    o.ph = PhOfExcess(h, oh, litres);
}

double PhOfExcess(double hydrogenMoles, double hydroxideMoles, double litres) {
    if (!(litres > 0) || !std::isfinite(litres)) return 7;
    const double excess = (hydrogenMoles - hydroxideMoles) / litres;
    if (std::isnan(excess)) return 7;
    // Water's own ions keep [H+][OH-] at 1e-14, so a few stray ions either
    // way read near 7 and never beyond the scale. Written so that neither
    // side subtracts nearly equal numbers.
    const double root = std::sqrt(excess * excess + 4 * kWaterIonProduct);
    const double hydrogen = excess >= 0 ? (excess + root) / 2 : 2 * kWaterIonProduct / (root - excess);
    return std::clamp(-std::log10(hydrogen), 0.0, 14.0);
}

double SoluteConductivity(double molarity, double a, double b, double kelvin, int atc) {
    if (!(molarity > 0)) return 0;
    double kappa = a * molarity - b * molarity * std::sqrt(molarity);
    if (!atc) {
        // The factors a kelvin-by-kelvin count from 298 K would apply (the
        // first step always counts), in closed form so no temperature can
        // make it loop for ever.
        double t = std::isfinite(kelvin) ? std::clamp(kelvin, 0.0, double(kMaxKelvin)) : kReferenceKelvin;
        if (t - kReferenceKelvin > 0.5)
            kappa *= WholePower(kWarmerFactor, int(std::floor(t)) - 297);
        else if (t <= kReferenceKelvin)
            kappa *= WholePower(kCoolerFactor, 299 - int(std::ceil(t)));
    }
    return kappa < 0 ? 0 : kappa;
}

void UpdateConductivity(int32_t count, LabObject* base) {
    for (int32_t i = 1; i <= count; ++i) {
        LabObject& meter = base[i];
        if (meter.type != kConductivityMeter) continue;
        meter.reading1 = 0;
        int32_t hostIndex = meter.host;
        if (hostIndex < 1 || hostIndex > count || hostIndex == i) continue;
        const LabObject& host = base[hostIndex];
        if (!(host.kindFlags & kKindContainer)) continue;
        double litres = ReactionPhaseVolume(host, kPhaseLiquid) / 1000;
        if (!(litres > 0)) continue;
        meter.temperature = host.temperature;
        int atc = std::fabs(meter.reading2) >= 1 ? 1 : 0;
        double total = 0;
        for (int k = 1; k < kComponentSlotCount; ++k) {
            const ComponentSlot& s = host.slots[k];
            if (!(Chemical_ChemType(s.cas) & kChemConducts)) continue;
            uint32_t state = uint32_t(Chemical_State(s.cas, k));
            bool counts = (s.phase & kPhaseDissolved) || ((state & 0x20) && (s.phase & kPhaseSecondLiquid)) ||
                          ((state & kPhaseLiquid) && (s.phase & kPhaseLiquid));
            if (!counts) continue;
            double grams = MassOfComponent(host, s.cas, s.phase);
            double molarMass = Chemical_GMW(s.cas);
            if (!(grams > 0) || !(molarMass > 0)) continue;
            double kappa = SoluteConductivity(grams / molarMass / litres, Chemical_GetConductivityCoefficientA(s.cas),
                                              Chemical_GetConductivityCoefficientB(s.cas), host.temperature, atc);
            if (kappa > 0) total += kappa;
        }
        meter.reading1 = total < 0 ? 0 : total;
    }
}

double BurnOffStep(double grams) {
    for (const BurnStep& s : kBurnSteps)
        if (grams < s.below) return s.step;
    return 0.1;
}

void UpdateFlameColour(LabObject* base, int32_t count) {
    for (int32_t i = 1; i <= count; ++i) {
        if (base[i].type != kBunsenBurner) continue;
        memset(base[i].liquidColour, 0, 3);
        base[i].reading2 = 0;
    }
    for (int32_t w = 1; w <= count; ++w) {
        LabObject& wire = base[w];
        if (wire.type != kMetalWire) continue;
        for (int32_t b = 1; b <= count; ++b) {
            LabObject& burner = base[b];
            if (burner.type != kBunsenBurner || !InFlame(wire, burner)) continue;
            for (ComponentSlot& s : wire.slots)
                if (s.cas == kCasWater && (s.phase & kPhaseLiquid)) s.grams = 0;
            if (!BurnOneChemical(wire, burner)) {
                ClearComponents(wire);
                wire.solidVolume = 0;
                wire.liquidVolume = 0;
            }
        }
    }
}

}  // namespace parvell
