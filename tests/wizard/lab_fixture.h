// Small benches and chemicals for the authoring module's tests.
#pragma once
#include <cstring>
#include <initializer_list>
#include <vector>

#include "common/chemical_record.h"
#include "common/lab_object.h"
#include "wizard/udl_records.h"
#include "zephrane/chemical_database.h"

namespace fixture {

// Keys of the test chemicals.
constexpr CasNumber kA = 1001;      // solute, 100 g/mol
constexpr CasNumber kB = 1002;      // solute, 50 g/mol
constexpr CasNumber kC = 1003;      // solid product, 200 g/mol, density 2
constexpr CasNumber kSalt = 1004;   // flame colour, solution state
constexpr CasNumber kGas = 1005;    // 32 g/mol
constexpr CasNumber kHydrogen = 12385136;
constexpr CasNumber kHydroxide = 14280309;

inline ChemicalRecord Chemical(CasNumber cas, float molarMass, float density, int32_t state,
                               uint32_t flags = kChemStock) {
    ChemicalRecord r{};
    r.cas = cas;
    r.molarMass = molarMass;
    r.density = density;
    r.state = state;
    r.flags = flags;
    return r;
}

// Water, A, B, C, a flame salt, a gas and the two ions.
inline void RegisterTestChemicals() {
    std::vector<ChemicalRecord> table = {
        Chemical(kCasWater, 18.0153f, 1.0f, kKindLiquid),
        Chemical(kA, 100, 1.0f, kKindSolution),
        Chemical(kB, 50, 1.0f, kKindSolution),
        Chemical(kC, 200, 2.0f, kKindSolid),
        Chemical(kSalt, 58.44f, 2.16f, kKindSolution, kChemStock | kChemHasFlameColour | kChemConducts),
        Chemical(kGas, 32, 0.0013f, kKindGas),
        Chemical(kHydrogen, 1.008f, 1.0f, kKindIon, kChemConducts),
        Chemical(kHydroxide, 17.007f, 1.0f, kKindIon, kChemConducts),
    };
    table[3].colour[0] = 90, table[3].colour[1] = 150, table[3].colour[2] = 30;
    table[3].brushStyle = 2, table[3].patternId = 286;
    table[4].flameColour[0] = 255, table[4].flameColour[1] = 200;
    table[4].conductivityA = 126.4, table[4].conductivityB = 60.2;
    table[6].conductivityA = 349.8, table[6].conductivityB = 0;
    RegisterChemicals(table.data(), int32_t(table.size()));
}

// A bench of count objects (index 0 is the base record, never an object).
struct Bench {
    std::vector<LabObject> objects;
    explicit Bench(int count = 1) : objects(size_t(kLabObjectArrayLength)) {
        memset(objects.data(), 0, objects.size() * sizeof(LabObject));
        for (int i = 1; i <= count; ++i) {
            objects[size_t(i)].type = kBeaker;
            objects[size_t(i)].kindFlags = kKindContainer;
            objects[size_t(i)].temperature = 293;
            objects[size_t(i)].position = RectI32{100, 100, 160, 200};
        }
    }
    LabObject& operator[](int i) { return objects[size_t(i)]; }
    LabObject* base() { return objects.data(); }
};

inline void Put(LabObject& o, int slot, CasNumber cas, uint32_t phase, double grams, double kelvin = 293) {
    o.slots[slot].cas = cas;
    o.slots[slot].phase = phase;
    o.slots[slot].grams = grams;
    o.slots[slot].kelvin = kelvin;
}

// A litre of liquid water in slot 0.
inline void FillWithWater(LabObject& o, double grams = 1000) { Put(o, 0, kCasWater, kPhaseLiquid, grams); }

struct Part {
    CasNumber cas;
    uint32_t phase;
    double coefficient;
    uint32_t flags;
};

inline ReactionRecord Reaction(uint32_t flags, std::initializer_list<Part> parts) {
    ReactionRecord r{};
    r.flags = flags;
    int i = 0;
    for (const Part& p : parts) {
        ReactionParticipant& q = r.participants[i++];
        q.cas = p.cas;
        q.phase = p.phase;
        q.coefficient = p.coefficient;
        q.flags = p.flags;
        if (p.flags & kPartReactant) ++r.reactantCount;
        else ++r.productCount;
    }
    return r;
}

}  // namespace fixture
