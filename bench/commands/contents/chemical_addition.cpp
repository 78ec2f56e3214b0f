#include "bench/commands/contents/chemical_addition.h"

#include <cmath>
#include <cstdio>

#include "bench/catalogue/equipment_catalogue.h"
#include "bench/model/chemical_table.h"
#include "bench/model/contents.h"
#include "bench/sim/sim_support.h"
#include "bench/sim/sim_water_colour.h"

namespace {

constexpr int32_t kCommentCategory = 7;
constexpr int32_t kAddNewComment = 688;
constexpr int32_t kAddSolidComment = 689;
constexpr int32_t kAddVolumeComment = 690;
constexpr double kSolidCapacitySlack = 0.0005;
constexpr int32_t kHeldApartState = 4;

std::string TextField(const char* field, size_t width) {
    size_t n = 0;
    while (n < width && field[n]) ++n;
    return std::string(field, n);
}

uint32_t ColourOfRecord(const ChemicalRecord& c) {
    return uint32_t{c.colour[0]} | uint32_t{c.colour[1]} << 8 | uint32_t{c.colour[2]} << 16;
}

double CapacityTenths(const LabObject& target, int32_t type, int32_t sizeIndex) {
    if (type == target.type && sizeIndex == target.sizeIndex) return target.capacityMl * 10.0;
    return TemplateCapacity(type, sizeIndex, target.stateBits) * 10.0;
}

// Each component must find its slot; grams that come to nothing add nothing.
bool AddAll(LabObject& scratch, CasNumber cas, uint32_t phase, double grams) {
    if (!(grams > 0) || !std::isfinite(grams)) return true;
    return AddComponent(scratch, cas, phase, grams, kAddedChemicalKelvin) != 0;
}

uint8_t MoveChannel(uint8_t current, uint8_t towards, double newSolidVolume, double wholeMlAdded) {
    const double moved = current + (double(towards) - current) / newSolidVolume * wholeMlAdded;
    if (!(moved > 0)) return 0;
    return moved >= 255 ? 255 : static_cast<uint8_t>(moved);
}

// Where the vessel's level stands before the addition.
struct Level {
    double liquid;  // tenths, as it stands
    double extra;   // tenths of a dry vessel's solid, folded into a new level
    double limit;   // tenths
};

}  // namespace

std::string ChemicalCommentName(const ChemicalRecord& c) {
    if (c.flags & kChemUnknown) {
        std::string name = TextField(c.unknownName, sizeof c.unknownName);
        return name.empty() ? "Unknown" : name;
    }
    const std::string name = TextField(c.name, sizeof c.name);
    if (c.molarity > 0) {
        char text[160];
        std::snprintf(text, sizeof text, "(%.3f M) %s", c.molarity, name.c_str());
        return text;
    }
    return name;
}

std::string ChemicalListText(const ChemicalRecord& c, const std::function<std::string(double)>& formatMolarity) {
    if (c.flags & kChemUnknown) {
        std::string name = TextField(c.unknownName, sizeof c.unknownName);
        return name.empty() ? "Unknown" : name;
    }
    const std::string name = TextField(c.name, sizeof c.name);
    const std::string formula = TextField(c.formula, sizeof c.formula);
    std::string text;
    if (c.molarity > 0) {
        text = "(";
        text += formatMolarity(c.molarity);
        text += " M) ";
    }
    text += name;
    text += "  -  ";
    text += formula;
    return text;
}

AdditionResult AddChemical(LabObject& target, const ChemicalAddition& a, const NewChemicalHook& hook) {
    AdditionResult result{AdditionOutcome::kNotChosen, 0.0, 1.0};
    if (!a.chemical || !IsEquipmentType(a.type) || a.sizeIndex < 1) return result;
    const ChemicalRecord& c = *a.chemical;
    const bool solid = c.state == kKindSolid;
    if (!(PrototypeKindFlags(a.type) & kKindTakesWater) && !solid) {
        result.outcome = AdditionOutcome::kTakesNoLiquid;
        return result;
    }
    const TypedAmount typed = ReadTypedAmount(a.amountText);
    result.amount = typed.value;
    result.outcome = AdditionOutcome::kNothingToAdd;
    if (!(typed.value > 0) || !std::isfinite(typed.value)) return result;

    const double liquid = sim::NonNegative(target.liquidVolume);
    const double solidMl = sim::NonNegative(target.solidVolume);
    const Level level{liquid, (solidMl > 0 && liquid == 0) ? solidMl * 10.0 : 0.0,
                      CapacityTenths(target, a.type, a.sizeIndex)};
    const double amount = typed.value;
    LabObject scratch = target;

    // A solution of an ion carries the ion bit beside the solution bit.
    switch (IsSolutionState(c.state) ? int32_t(kKindSolution) : c.state) {
    case kKindLiquid: {
        const double added = level.extra + 10.0 * amount;
        if (level.liquid + added > level.limit) break;
        const bool heldApart = a.type == kErlenmeyerFlask && target.stateBits == kHeldApartState;
        if (!AddAll(scratch, c.cas, heldApart ? kPhaseHeldApart : kPhaseLiquid,
                    amount * sim::VolumeDensity(c.density))) {
            result.outcome = AdditionOutcome::kNoRoom;
            return result;
        }
        sim::StoreColour(scratch.liquidColour,
                         MixColour(sim::ColourOf(target.liquidColour), level.liquid, ColourOfRecord(c), added));
        // Held-apart liquid is not part of the level, so the solids are not
        // in it either.
        if (heldApart)
            scratch.reading2 = sim::NonNegative(target.reading2) + 10.0 * amount;
        else
            scratch.liquidVolume = level.liquid + added;
        result.outcome = AdditionOutcome::kAdded;
        break;
    }
    case kKindSolution:
    case kKindLiquidMixture: {
        const double added = level.extra + 10.0 * amount;
        if (level.liquid + added > level.limit) break;
        bool fits = true;
        if (IsSolutionState(c.state)) {
            const double moles = c.molarity * amount / 1000.0;
            fits = AddAll(scratch, c.cas, SolutePhaseOf(c.state), sim::NonNegative(c.molarMass) * moles);
            if (fits && c.solventCas != 0 && Density(c.solventCas) > 0)
                fits = AddAll(scratch, c.solventCas, kPhaseLiquid, amount * Density(c.solventCas));
        } else {
            const double mass = sim::VolumeDensity(c.density) * amount;
            for (const MixtureEntry& m : c.mixture)
                if (fits && m.cas != 0 && m.fraction > 0) fits = AddAll(scratch, m.cas, kPhaseLiquid, mass * m.fraction);
        }
        if (!fits) {
            result.outcome = AdditionOutcome::kNoRoom;
            return result;
        }
        std::copy(c.colour, c.colour + 3, scratch.liquidColour);
        scratch.liquidVolume = level.liquid + added;
        result.outcome = AdditionOutcome::kAdded;
        break;
    }
    case kKindSolid: {
        const double gramsPerUnit = c.gramsPerUnit;
        const AmountUnit unit = (c.flags & kChemCountedInUnits) ? AmountUnit::kUnits : a.unit;
        result.unitFactor = SolidUnitFactor(unit, gramsPerUnit);
        double grams = amount * result.unitFactor;
        int32_t whole = typed.whole, fraction = typed.fraction;
        if (hook) hook(target, c.cas, &grams, &whole, &fraction, typed.fractionDigits, static_cast<float>(result.unitFactor));
        if (!(grams > 0) || !std::isfinite(grams)) return result;
        const double ml = grams / sim::VolumeDensity(c.density);
        if (level.liquid + level.extra + 10.0 * ml > level.limit + kSolidCapacitySlack) break;
        if (!AddAll(scratch, c.cas, kPhaseSolid, grams)) {
            result.outcome = AdditionOutcome::kNoRoom;
            return result;
        }
        const double newSolid = solidMl + ml;
        scratch.solidVolume = newSolid;
        if (level.liquid > 0.00001) scratch.liquidVolume = level.liquid + 10.0 * ml;
        if (!(solidMl > 0)) {
            std::copy(c.colour, c.colour + 3, scratch.solidColour);
        } else {
            const double wholeMl = std::trunc(ml);
            for (int k = 0; k < 3; ++k)
                scratch.solidColour[k] = MoveChannel(target.solidColour[k], c.colour[k], newSolid, wholeMl);
        }
        scratch.solidFillKind = c.brushStyle;
        scratch.solidPatternId = c.patternId;
        result.outcome = AdditionOutcome::kAdded;
        break;
    }
    default:
        return result;  // gases and ions are not added from the table
    }
    if (result.outcome != AdditionOutcome::kAdded) {
        result.outcome = AdditionOutcome::kOverCapacity;
        return result;
    }

    if (a.type != target.type || a.sizeIndex != target.sizeIndex) {
        if (!ChangeContainer(target, a.type, a.sizeIndex)) {
            result.outcome = AdditionOutcome::kNotChosen;
            return result;
        }
    }
    std::copy(std::begin(scratch.slots), std::end(scratch.slots), std::begin(target.slots));
    target.liquidVolume = scratch.liquidVolume;
    target.solidVolume = scratch.solidVolume;
    target.reading2 = scratch.reading2;
    std::copy(scratch.liquidColour, scratch.liquidColour + 3, target.liquidColour);
    std::copy(scratch.solidColour, scratch.solidColour + 3, target.solidColour);
    target.solidFillKind = scratch.solidFillKind;
    target.solidPatternId = scratch.solidPatternId;
    return result;
}

void RecordChemicalAddition(BenchSeams& seams, const ChemicalRecord& c, const AdditionResult& result,
                            int32_t targetType, bool addedNew, bool objectSelected, int32_t newType) {
    if (!seams.DemoRecording()) return;
    std::string format, typeName;
    char text[512];
    if (addedNew && objectSelected) {
        if (seams.LoadResString(kAddNewComment, &format) && seams.LoadResString(newType, &typeName)) {
            std::snprintf(text, sizeof text, format.c_str(), typeName.c_str());
            seams.RecordComment(text, kCommentCategory);
        } else {
            seams.RecordComment("Missing Comment", kCommentCategory);
        }
    }
    const bool solid = c.state == kKindSolid;
    if (!seams.LoadResString(solid ? kAddSolidComment : kAddVolumeComment, &format) ||
        !seams.LoadResString(targetType, &typeName)) {
        seams.RecordComment("Missing Comment", kCommentCategory);
        return;
    }
    char number[64];
    std::snprintf(number, sizeof number, "%.6f", solid ? result.amount * result.unitFactor : result.amount);
    std::snprintf(text, sizeof text, format.c_str(), number, ChemicalCommentName(c).c_str(), typeName.c_str());
    seams.RecordComment(text, kCommentCategory);
}
