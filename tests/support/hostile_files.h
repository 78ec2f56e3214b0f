// Small lab files and user-defined labs built from the published layouts
// with one hostile value each: numbers that overflow, vanish into denormals
// or are not numbers at all, counters and picture geometry at the ends of
// their range, links that contradict each other. Each is either refused with
// a text that says why or accepted and sound. The native tests, the Wine
// tests and the fuzz targets' seeds share them.
#pragma once
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "app/documents/lab_file.h"
#include "bench/catalogue/equipment_catalogue.h"
#include "wizard/database/master_chemicals.h"
#include "wizard/udl_file.h"

namespace hostile {

enum class Reader { kLabFile, kUserDefinedLab };

struct HostileFile {
    std::string name;  // also the name of its fuzz seed
    Reader reader;
    std::vector<uint8_t> bytes;
    std::string refusal;  // a part of what the refusal says; empty when the file is accepted
};

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kDenormal = 4.9e-320;

inline LabObject Standing(int32_t type, int32_t left, int32_t bottom) {
    LabObject o = EquipmentPrototype(type, false);
    o.position = {left, bottom - o.pictureHeight, left + o.pictureWidth, bottom};
    return o;
}

inline void Fill(LabObject& o, double waterGrams, double kelvin = 293) {
    o.slots[0] = ComponentSlot{kCasWater, kPhaseLiquid, waterGrams, kelvin, {}, 0, {}};
    o.liquidVolume = waterGrams * 10;
    o.temperature = float(kelvin);
}

// Records 0..8: a beaker of water on a hot plate that heats and stirs it
// with a conductivity meter seated in it, a flask of salt water over a
// burner, a tipped beaker pouring into another, and a running stopwatch.
inline std::vector<LabObject> WorkingBench() {
    std::vector<LabObject> b(1);
    b.push_back(Standing(kHotPlate, 100, 800));
    b.push_back(Standing(kBeaker, 120, 800 - b[1].pictureHeight + 10));
    b.push_back(Standing(kConductivityMeter, 140, 500));
    b.push_back(Standing(kBunsenBurner, 420, 800));
    b.push_back(Standing(kFlorenceFlask, 400, 800 - b[4].pictureHeight - 5));
    b.push_back(Standing(kBeaker, 700, 500));
    b.push_back(Standing(kBeaker, 600, 800));
    b.push_back(Standing(kTestTube, 1000, 800));
    b[1].reading1 = 4;  // heat
    b[1].reading2 = 2;  // stirrer
    Fill(b[2], 50, 300);
    b[3].host = 2;
    b[2].hostedItem = 3;
    Fill(b[5], 80, 330);
    b[5].slots[1] = ComponentSlot{7647145, kPhaseDissolved, 5, 330, {}, 0, {}};
    Fill(b[6], 40);
    TogglePourPosition(b[6], 0);
    b[8].objectFlags = kObjStopwatchRunning;
    return b;
}

// Saved as the program saves (half-scale positions) with no re-templating,
// so every byte put into a record reaches the reader.
inline std::vector<uint8_t> LabFileOf(std::vector<LabObject> objects) {
    for (size_t i = 1; i < objects.size(); ++i) {
        RectI32& r = objects[i].position;
        r = {r.left * 2, r.top * 2, r.right * 2, r.bottom * 2};
    }
    return EncodeLabFile(int32_t(objects.size()) - 1, "OLVARIS.DLL", "", objects.data(), "{\\rtf1 notes}",
                         nullptr, 0, 0, false, LabFileTemplates{});
}

inline HostileFile LabFile(std::string name, const std::function<void(std::vector<LabObject>&)>& spoil,
                           std::string refusal = "") {
    std::vector<LabObject> bench = WorkingBench();
    spoil(bench);
    return {std::move(name), Reader::kLabFile, LabFileOf(bench), std::move(refusal)};
}

// Water, hydrochloric acid, sodium hydroxide and sodium chloride; acid and
// base react at once (giving off heat) and run to an equilibrium; a pH
// indicator; one absorptivity.
inline UdlLab NeutralisationLab() {
    UdlLab lab;
    std::memcpy(lab.header.signature, kUdlSignature, sizeof kUdlSignature);
    std::strcpy(lab.header.title, "Neutralisation");
    lab.header.labStyle = 0x8 | 0x1 | 0x2 | 0x10 | 0x200;
    for (const ChemicalRecord& c : parvell::MasterChemicals())
        if (c.cas == kCasWater || c.cas == 7647010 || c.cas == 1310732 || c.cas == 7647145) lab.chemicals.push_back(c);
    auto participant = [](CasNumber cas, uint32_t phase, uint32_t flags) {
        ReactionParticipant p{};
        p.cas = cas;
        p.phase = phase;
        p.coefficient = 1;
        p.flags = flags;
        return p;
    };
    ReactionRecord instant{};
    std::strcpy(instant.name, "Neutralisation");
    instant.flags = kReactInstantaneous | kReactHeatOfReaction;
    instant.reactantCount = 2;
    instant.productCount = 2;
    instant.heatOfReaction = -57.1;
    instant.participants[0] = participant(7647010, kPhaseDissolved, kPartReactant);
    instant.participants[1] = participant(1310732, kPhaseDissolved, kPartReactant);
    instant.participants[2] = participant(7647145, kPhaseDissolved, kPartProduct | kPartColourRule);
    instant.participants[3] = participant(kCasWater, kPhaseLiquid, kPartProduct);
    ReactionRecord balance = instant;
    std::strcpy(balance.name, "Salt balance");
    balance.flags = kReactRateLaw | kReactEquilibrium | kReactMinTemperature;
    balance.rateConstant = 0.2;
    balance.orderFirst = 1;
    balance.orderSecond = 1;
    balance.equilibriumConstant = 3.5;
    balance.minCelsius = 10;
    lab.reactions = {instant, balance};
    IndicatorRecord indicator{};
    indicator.id = kFirstIndicatorId;
    std::strcpy(indicator.name, "Litmus");
    indicator.mode = kIndicatorByPh;
    indicator.low = 4.5;
    indicator.high = 8.3;
    indicator.lowColour[0] = 220;
    indicator.highColour[2] = 220;
    lab.indicators = {indicator};
    SpectroPoint point{};
    point.cas = 7647145;
    point.wavelength = 500;
    point.absorptivity = 3;
    lab.spectroPoints = {point};
    return lab;
}

inline HostileFile UserDefinedLab(std::string name, const std::function<void(UdlLab&)>& spoil,
                                  std::string refusal = "") {
    UdlLab lab = NeutralisationLab();
    spoil(lab);
    return {std::move(name), Reader::kUserDefinedLab, SerializeUdl(lab), std::move(refusal)};
}

inline std::vector<HostileFile> HostileFiles() {
    using Bench = std::vector<LabObject>;
    std::vector<HostileFile> files = {
        // A working bench, as a control.
        LabFile("working_bench.lab", [](Bench&) {}),
        // Counters and picture geometry at the ends of their range.
        LabFile("stopwatch_at_largest.lab", [](Bench& b) { b[8].stopwatchCount = INT32_MAX; }),
        LabFile("stopwatch_negative.lab", [](Bench& b) { b[8].stopwatchCount = INT32_MIN; }),
        LabFile("no_row_huge_outlet.lab",
                [](Bench& b) {
                    // A key no template row has keeps nothing of its head.
                    b[6].sizeIndex = 77;
                    b[6].outletX = b[6].outletY = b[6].inletX = b[6].inletY = INT32_MAX;
                    b[6].pictureWidth = b[6].pictureHeight = b[6].openingWidth = INT32_MAX;
                    b[6].capacityMl = INT32_MAX;
                    b[7].inletX = INT32_MIN;
                    b[7].balancePan = {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
                }),
        LabFile("positions_at_largest.lab",
                [](Bench& b) {
                    b[7].position = {INT32_MAX / 2, INT32_MAX / 2, INT32_MAX / 2, INT32_MAX / 2};
                    b[5].groupRect = {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
                }),
        // Finite values the steps would turn into infinity or NaN.
        LabFile("denormal_water.lab",
                [](Bench& b) {
                    b[5].slots[0].grams = kDenormal;
                    b[5].liquidVolume = kDenormal;
                    b[5].slots[1].grams = 5;
                }),
        LabFile("huge_water.lab",
                [](Bench& b) {
                    b[2].slots[0].grams = 1e300;
                    b[5].liquidVolume = 1e40;
                    b[6].slots[0].grams = 1.7e308;
                    b[6].liquidVolume = 1.7e308;
                }),
        LabFile("huge_solid_poured.lab",
                [](Bench& b) {
                    b[6].slots[0] = ComponentSlot{7647145, kPhaseSolid, 1e300, 293, {}, 0, {}};
                    b[6].solidVolume = 1e300;
                    b[6].liquidVolume = 0;
                    b[7].solidVolume = 1.7e308;
                }),
        LabFile("denormal_everything.lab",
                [](Bench& b) {
                    for (LabObject& o : b) {
                        o.temperature = float(1e-40);
                        o.heatCapacityFactor = float(1e-40);
                        o.flowSetting = kDenormal;
                        o.solidVolume = kDenormal;
                        o.reading1 = kDenormal;
                    }
                }),
        LabFile("not_numbers.lab",
                [](Bench& b) {
                    b[2].temperature = float(kNaN);
                    b[5].slots[1].grams = kInfinity;
                    b[6].liquidVolume = -kInfinity;
                    b[1].reading1 = kNaN;
                    b[8].ph = -kInfinity;
                }),
        // Links that are in range but contradict each other.
        LabFile("host_does_not_hold.lab", [](Bench& b) { b[2].hostedItem = 0; }),
        LabFile("hosted_names_another_host.lab", [](Bench& b) { b[2].hostedItem = 8; }),
        LabFile("ring_of_two_hosts.lab",
                [](Bench& b) {
                    b[2].host = 3;
                    b[3].hostedItem = 2;
                }),
        LabFile("ring_of_three_hosts.lab",
                [](Bench& b) {
                    b[3].hostedItem = 7;
                    b[7].host = 3;
                    b[7].hostedItem = 2;
                    b[2].host = 7;
                }),
        LabFile("group_counts_disagree.lab",
                [](Bench& b) {
                    for (int i : {4, 5, 6}) b[i].nextGroupMember = i == 6 ? 4 : i + 1;
                    b[4].groupMemberCount = b[5].groupMemberCount = 3;
                    b[6].groupMemberCount = 2;
                }),
        LabFile("group_ring_open.lab",
                [](Bench& b) {
                    b[4].groupMemberCount = b[5].groupMemberCount = 2;
                    b[4].nextGroupMember = 5;
                    b[7].nextGroupMember = 2;
                }),
        LabFile("sound_group.lab",
                [](Bench& b) {
                    b[6].groupMemberCount = b[7].groupMemberCount = 2;
                    b[6].nextGroupMember = 7;
                    b[7].nextGroupMember = 6;
                }),
        LabFile("unknown_type.lab", [](Bench& b) { b[4].type = 29; }, "object type outside 1..28"),
        // User-defined labs.
        UserDefinedLab("neutralisation.udl", [](UdlLab&) {}),
        UserDefinedLab("denormal_values.udl",
                       [](UdlLab& lab) {
                           lab.reactions[0].participants[0].coefficient = kDenormal;
                           lab.reactions[1].equilibriumConstant = kDenormal;
                           lab.chemicals[1].molarity = kDenormal;
                       }),
        UserDefinedLab("largest_in_range.udl",
                       [](UdlLab& lab) {
                           lab.reactions[0].participants[2].coefficient = 1000;
                           lab.reactions[1].equilibriumConstant = 1e100;
                           lab.reactions[1].rateConstant = 1e100;
                           lab.reactions[1].orderFirst = 10;
                           lab.reactions[1].orderSecond = -10;
                           lab.reactions[0].heatOfReaction = -1e7;
                       }),
        UserDefinedLab("huge_coefficient.udl",
                       [](UdlLab& lab) { lab.reactions[0].participants[1].coefficient = 1e300; },
                       "reaction 1 (Neutralisation): participant 2: coefficient 1e+300 is outside"),
        UserDefinedLab("negative_equilibrium_constant.udl",
                       [](UdlLab& lab) { lab.reactions[1].equilibriumConstant = -1e308; },
                       "reaction 2 (Salt balance): equilibrium constant -1e+308 is outside"),
        UserDefinedLab("infinite_rate_constant.udl",
                       [](UdlLab& lab) { lab.reactions[1].rateConstant = -kInfinity; },
                       "reaction 2 (Salt balance): rate constant -infinity is outside"),
        UserDefinedLab("huge_order.udl", [](UdlLab& lab) { lab.reactions[1].orderFirst = 1e300; },
                       "first order 1e+300 is outside"),
        UserDefinedLab("infinite_heat.udl", [](UdlLab& lab) { lab.reactions[0].heatOfReaction = -kInfinity; },
                       "heat of reaction -infinity is outside"),
        UserDefinedLab("lowest_temperature_limit.udl", [](UdlLab& lab) { lab.reactions[1].minCelsius = -1e308; },
                       "minimum temperature -1e+308 is outside"),
        UserDefinedLab("chemical_molar_mass_nan.udl", [](UdlLab& lab) { lab.chemicals[2].molarMass = float(kNaN); },
                       "chemical 3 (Sodium hydroxide): molar mass NaN is outside"),
        UserDefinedLab("chemical_density_tiny.udl", [](UdlLab& lab) { lab.chemicals[1].density = 1e-30f; },
                       "density 1e-30 is outside"),
        UserDefinedLab("indicator_nan.udl", [](UdlLab& lab) { lab.indicators[0].high = kNaN; },
                       "indicator 1 (Litmus): high end NaN is outside"),
        UserDefinedLab("absorptivity_infinite.udl", [](UdlLab& lab) { lab.spectroPoints[0].absorptivity = kInfinity; },
                       "spectrophotometer point 1: absorptivity infinity is outside"),
    };
    return files;
}

// A bench for a user-defined lab: a beaker on a hot plate with a
// conductivity meter in it, two test tubes, a cuvette and a wire in a
// burner's flame; every chemical of the lab goes into the vessels in turn,
// in every phase. `seed` varies the amounts, phases and the wavelength.
inline std::vector<LabObject> BenchForLab(const std::vector<ChemicalRecord>& chemicals, uint8_t seed) {
    std::vector<LabObject> bench(1);
    bench.push_back(Standing(kHotPlate, 100, 800));
    bench.push_back(Standing(kBeaker, 120, 800 - bench[1].pictureHeight + 10));
    bench.push_back(Standing(kConductivityMeter, 140, 500));
    bench.push_back(Standing(kTestTube, 400, 600));
    bench.push_back(Standing(kTestTube, 460, 600));
    bench.push_back(Standing(kCuvette, 520, 600));
    bench.push_back(Standing(kBunsenBurner, 700, 800));
    bench.push_back(Standing(kMetalWire, 720, 650));
    bench[3].host = 2;
    bench[2].hostedItem = 3;
    bench[1].reading1 = 3;  // heat
    bench[1].reading2 = 2;  // stirrer
    bench[6].wavelength = 400 + seed;
    const uint32_t phases[] = {kPhaseGas,          kPhaseLiquid,     kPhaseSolid, kPhaseDissolved,
                               kPhaseSecondLiquid, kPhasePrecipitate};
    size_t next = 0;
    for (size_t i = 2; i < bench.size(); ++i) {
        LabObject& o = bench[i];
        if (!(o.kindFlags & kKindContainer) && o.type != kMetalWire) continue;
        Fill(o, 20.0 + seed % 50, 300);
        o.indicatorId = kFirstIndicatorId;
        o.indicatorAmount = (seed & 1) ? 0.5f : 0.0f;
        for (int k = 1; k < kComponentSlotCount && !chemicals.empty(); ++k, ++next) {
            const ChemicalRecord& c = chemicals[next % chemicals.size()];
            o.slots[k] = ComponentSlot{c.cas, phases[(next + seed) % 6], 0.25 * double(1 + (next + seed) % 9), 300,
                                       {}, 0, {}};
        }
    }
    return bench;
}

}  // namespace hostile
