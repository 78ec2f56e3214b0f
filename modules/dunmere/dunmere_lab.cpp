#include "modules/dunmere/dunmere_lab.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "common/lab_object.h"
#include "modules/frame/lab_chemicals.h"
#include "resources/dunmere/dunmere_resources.h"

namespace {

constexpr CasNumber kCasSilverNitrate = 7761888;
constexpr CasNumber kCasNitricAcid = 7697372;
constexpr CasNumber kCasSilverChloride = 7783906;
constexpr CasNumber kCasUnknownChloride = 7647145;
constexpr CasNumber kCasByProduct = 7631994;

constexpr double kSilverNitrateMolarMass = 169.873;
constexpr double kSilverChlorideMolarMass = 143.321;
constexpr double kUnknownChlorideMolarMass = 58.44;
constexpr double kByProductMolarMass = 84.99;
constexpr double kProductKelvin = 293.0;

constexpr ChemicalRecord WithSolution(ChemicalRecord record, double molarity, CasNumber solvent) {
    record.molarity = molarity;
    record.solventCas = solvent;
    return record;
}

constexpr LabChemicalRow kSilverNitrateRow = {kCasSilverNitrate, "Silver(I) Nitrate", "Silvery Liq",
                                              "AgNO3", kKindSolution, kChemStock, 128, 128, 128, 0, 0,
                                              169.873f, 1.0f, 485.0f, 713.0f, 122.0f, 952.0f};
constexpr LabChemicalRow kNitricAcidRow = {kCasNitricAcid, "Nitric Acid", "Colorless Liq", "HNO3",
                                           kKindLiquid, kChemStock, 255, 255, 255, 0, 0,
                                           63.013f, 1.55f, 231.4f, 356.0f, 1000.0f, 1000.0f};
constexpr LabChemicalRow kSilverChlorideRow = {kCasSilverChloride, "Silver(I) Chloride",
                                               "White Crystals", "AgCl", kKindSolid, kChemProduct,
                                               255, 255, 255, 3, 286, 143.321f, 5.56f, 728.0f,
                                               1820.0f, 0.0f, 0.0f};
constexpr LabChemicalRow kUnknownRow = {kCasUnknownChloride, "Unknown Chloride Salt",
                                        "Colorless Crystals", "XCl", kKindSolid, kChemStock,
                                        255, 255, 255, 3, 285, 58.44f, 2.165f, 1074.0f, 1686.0f,
                                        35.7f, 39.12f};
constexpr LabChemicalRow kByProductRow = {kCasByProduct, "By-Product", "", "XNO3", kKindSolution,
                                          kChemProduct, 255, 255, 255, 0, 0, 84.99f, 2.26f,
                                          273.0f, 373.0f, 92.1f, 180.0f};

// Reaction-text lines: 1 silver nitrate dissociates, 2 silver chloride
// precipitates, 3 the unknown salt dissolves.
constexpr ChemicalRecord kDunmereChemicals[] = {
    MakeLabChemical(kDistilledWaterRow),
    WithReactionLine(WithSolution(MakeLabChemical(kSilverNitrateRow), 1.0, kCasWater), 1,
                     kPhaseDissolved),
    MakeLabChemical(kNitricAcidRow),
    WithReactionLine(MakeLabChemical(kSilverChlorideRow), 2, kPhaseSolid),
    WithReactionLine(MakeLabChemical(kUnknownRow), 3, kPhaseDissolved),
    MakeLabChemical(kByProductRow),
};
constexpr int32_t kDunmereChemicalCount = sizeof kDunmereChemicals / sizeof kDunmereChemicals[0];

double Density(CasNumber cas) { return LabDensity(kDunmereChemicals, kDunmereChemicalCount, cas); }

// ---- the lab's own contents arithmetic ----

// A slot holds something only with a real, positive mass: what a damaged
// file leaves behind is passed over, never spread.
bool Holds(const ComponentSlot& s) { return std::isfinite(s.grams) && s.grams > 0.0; }

// The slot holding cas in exactly this phase, else the first free one; 0 when
// there is no room (slot 0 is water's).
int SlotFor(const LabObject& object, CasNumber cas, uint32_t phase) {
    for (int slot = 1; slot < kComponentSlotCount; ++slot)
        if (object.slots[slot].cas == cas && object.slots[slot].phase == phase &&
            Holds(object.slots[slot]))
            return slot;
    for (int slot = 1; slot < kComponentSlotCount; ++slot)
        if (!(object.slots[slot].grams > 0.0)) return slot;
    return 0;
}

// Adding to a slot takes the new temperature as it is; a solid also takes room.
void AddToSlot(LabObject& object, int slot, CasNumber cas, uint32_t phase, double grams,
               double kelvin) {
    ComponentSlot& s = object.slots[slot];
    if (!(s.grams > 0.0)) {
        s.cas = cas;
        s.phase = phase;
        s.grams = 0.0;
        s.layer = 0;
    }
    s.grams += grams;
    s.kelvin = kelvin;
    if (phase == kPhaseSolid) object.solidVolume += grams / Density(cas);
}

// The first slot of cas with any of the phase bits.
int FirstSlotWith(const LabObject& object, CasNumber cas, uint32_t phaseMask) {
    for (int slot = 0; slot < kComponentSlotCount; ++slot)
        if (object.slots[slot].cas == cas && (object.slots[slot].phase & phaseMask) &&
            Holds(object.slots[slot]))
            return slot;
    return -1;
}

double GramsWith(const LabObject& object, uint32_t phaseMask) {
    double grams = 0.0;
    for (const ComponentSlot& s : object.slots)
        if ((s.phase & phaseMask) && Holds(s)) grams += s.grams;
    return grams;
}

double LiquidVolumeMl(const LabObject& object) {
    double ml = 0.0;
    for (const ComponentSlot& s : object.slots)
        if ((s.phase & kPhaseLiquid) && Holds(s)) ml += s.grams / Density(s.cas);
    return ml;
}

// Silver and chloride ions meet: silver chloride comes down at once, as much
// as the scarcer of the two allows, and the scarcer one is used up entirely.
void Precipitate(LabObject& object) {
    if (!(object.kindFlags & kKindContainer) || !(LiquidVolumeMl(object) > 0.0)) return;
    const int silver = FirstSlotWith(object, kCasSilverNitrate, kPhaseDissolved);
    const int chloride = FirstSlotWith(object, kCasUnknownChloride, kPhaseDissolved);
    if (silver < 0 || chloride < 0) return;
    const double silverMoles = object.slots[silver].grams / kSilverNitrateMolarMass;
    const double chlorideMoles = object.slots[chloride].grams / kUnknownChlorideMolarMass;
    if (!(silverMoles > 0.0) || !(chlorideMoles > 0.0)) return;
    const bool silverLimits = silverMoles < chlorideMoles;
    const double moles = silverLimits ? silverMoles : chlorideMoles;

    // Both products need a place before anything changes, or mass would vanish.
    LabObject after = object;
    ComponentSlot& used = after.slots[silverLimits ? silver : chloride];
    ComponentSlot& left = after.slots[silverLimits ? chloride : silver];
    used.grams = 0.0;
    left.grams -= moles * (silverLimits ? kUnknownChlorideMolarMass : kSilverNitrateMolarMass);
    if (left.grams < 0.0) left.grams = 0.0;
    const int solidSlot = SlotFor(after, kCasSilverChloride, kPhasePrecipitate);
    if (solidSlot == 0) return;
    AddToSlot(after, solidSlot, kCasSilverChloride, kPhasePrecipitate,
              moles * kSilverChlorideMolarMass, kProductKelvin);
    const int byProductSlot = SlotFor(after, kCasByProduct, kPhaseDissolved);
    if (byProductSlot == 0) return;
    AddToSlot(after, byProductSlot, kCasByProduct, kPhaseDissolved, moles * kByProductMolarMass,
              kProductKelvin);
    object = after;
}

int32_t ParticleCount(double precipitateGrams, int32_t pictureHeight) {
    const double particles = precipitateGrams * pictureHeight * 0.2;
    if (!(particles > 0.0)) return 0;
    if (particles >= static_cast<double>(std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(particles);
}

// The cloud shows in the colour of what clouds it: silver chloride's record
// says white, and a colour of 0 would draw the cloud as dark specks.
void SuspendInColourOfHeaviestPrecipitate(LabObject& object) {
    const ComponentSlot* heaviest = nullptr;
    for (int slot = 1; slot < kComponentSlotCount; ++slot) {
        const ComponentSlot& s = object.slots[slot];
        if ((s.phase & kPhasePrecipitate) && Holds(s) && (!heaviest || s.grams > heaviest->grams)) heaviest = &s;
    }
    const ChemicalRecord* record =
        heaviest ? FindLabChemical(kDunmereChemicals, kDunmereChemicalCount, heaviest->cas) : nullptr;
    for (int c = 0; c < 3; ++c) object.suspendedColour[c] = record ? record->colour[c] : 0;
    object.pad611[0] = 0;
}

// A tenth of the suspended silver chloride settles each call (never less
// than 0.01 g); with almost no liquid left all of it lands at once.
void Settle(LabObject& object) {
    const double precipitate = GramsWith(object, kPhasePrecipitate);
    if (!std::isfinite(precipitate)) return;
    const double liquid = GramsWith(object, kPhaseLiquid);
    object.precipitate = precipitate > 0.0 ? precipitate : 0.0;
    if (!(precipitate > 0.0)) {
        object.suspendedParticles = 0;
        return;
    }
    SuspendInColourOfHeaviestPrecipitate(object);
    object.suspendedParticles = ParticleCount(precipitate, object.pictureHeight);
    double settling = precipitate;
    if (liquid >= 0.5) {
        settling = std::clamp(0.1 * precipitate, 0.01, precipitate);
    } else {
        object.precipitate = 0.0;
        object.suspendedParticles = 0;
    }
    for (int slot = 1; slot < kComponentSlotCount; ++slot) {
        ComponentSlot& s = object.slots[slot];
        if (!(s.phase & kPhasePrecipitate) || !Holds(s)) continue;
        const double grams = std::min(s.grams, s.grams / precipitate * settling);
        const CasNumber cas = s.cas;
        const double kelvin = s.kelvin;
        // Where the solid goes is found before the precipitate gives it up.
        s.grams -= grams;
        const int solid = SlotFor(object, cas, kPhaseSolid);
        if (solid == 0) {
            s.grams += grams;
            continue;
        }
        AddToSlot(object, solid, cas, kPhaseSolid, grams, kelvin);
    }
}

}  // namespace

int LAB_MODULE_CALL DunmereSimulationProc(int count, LabObject* base) {
    if (!base || count < 1 || count > kMaxLabObjects) return 0;
    for (int32_t i = 1; i <= count; ++i) {
        Precipitate(base[i]);
        Settle(base[i]);
    }
    return 0;
}

const LabModuleDefinition kDunmereLab = {
    DUNMERE_NAME_STRING,
    DUNMERE_DESCRIPTION_STRING,
    DUNMERE_SMALL_ICON,
    {DUNMERE_TEXT_INTRODUCTION, DUNMERE_TEXT_PROCEDURE, DUNMERE_TEXT_OBSERVATIONS},
    DUNMERE_TEXT_REACTIONS,
    0,
    kDunmereChemicals,
    kDunmereChemicalCount,
    DunmereSimulationProc,
};
