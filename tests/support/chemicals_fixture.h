// A small chemical table for tests: water, sodium chloride (with its
// solubility line), ethanol and a chemical whose density and molar mass are
// unknown (0). ScopedChemicals loads it and empties the table again after.
#pragma once
#include <array>
#include <cstring>

#include "bench/model/chemical_table.h"
#include "common/chemical_record.h"

namespace test_chemicals {

constexpr CasNumber kWater = kCasWater;
constexpr CasNumber kSodiumChloride = 7647145;
constexpr CasNumber kEthanol = 64175;
constexpr CasNumber kMysterySolid = 4000000001u;  // a generated key: no registry number

struct Properties {
    CasNumber cas;
    const char* name;
    const char* formula;
    int32_t state;
    float molarMass;
    float density;
    float meltingPoint;
    float boilingPoint;
    float solubility273;
    float solubility373;
    uint8_t red, green, blue;
};

inline ChemicalRecord MakeChemical(const Properties& p) {
    ChemicalRecord r;
    std::memset(&r, 0, sizeof r);
    r.cas = p.cas;
    std::strncpy(r.name, p.name, sizeof r.name - 1);
    std::strncpy(r.formula, p.formula, sizeof r.formula - 1);
    r.flags = kChemStock;
    r.state = p.state;
    r.molarMass = p.molarMass;
    r.density = p.density;
    r.meltingPoint = p.meltingPoint;
    r.boilingPoint = p.boilingPoint;
    r.solubility273 = p.solubility273;
    r.solubility373 = p.solubility373;
    r.colour[0] = p.red;
    r.colour[1] = p.green;
    r.colour[2] = p.blue;
    return r;
}

inline std::array<ChemicalRecord, 4> FixtureChemicals() {
    return {
        MakeChemical({kWater, "Water", "H\x7f" "2O", kKindLiquid, 18.015f, 1.0f, 273.15f, 373.15f,
                      -1.0f, -1.0f, 230, 240, 255}),
        MakeChemical({kSodiumChloride, "Sodium chloride", "NaCl", kKindSolid, 58.44f, 2.165f, 1074.0f,
                      1686.0f, 35.7f, 39.1f, 255, 255, 255}),
        MakeChemical({kEthanol, "Ethanol", "C\x7f" "2H\x7f" "5OH", kKindLiquid, 46.07f, 0.789f, 159.0f,
                      351.4f, -1.0f, -1.0f, 250, 250, 250}),
        MakeChemical({kMysterySolid, "Unknown A", "?", kKindSolid, 0.0f, 0.0f, 0.0f, 0.0f, -1.0f, -1.0f,
                      128, 128, 128}),
    };
}

// Loads the fixture table for the life of the object.
class ScopedChemicals {
public:
    ScopedChemicals() : records_(FixtureChemicals()) {
        SetChemicalTable(records_.data(), static_cast<int32_t>(records_.size()));
    }
    ~ScopedChemicals() { SetChemicalTable(nullptr, 0); }
    ScopedChemicals(const ScopedChemicals&) = delete;
    ScopedChemicals& operator=(const ScopedChemicals&) = delete;

    ChemicalRecord& operator[](size_t i) { return records_[i]; }

private:
    std::array<ChemicalRecord, 4> records_;
};

}  // namespace test_chemicals
