#include "wizard/udl_values.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <initializer_list>

namespace parvell {

namespace {

// A value must lie in low..high; with orZero, 0 (unknown) is allowed too,
// and the range keeps divisions by the value finite.
struct Range {
    const char* name;
    double value;
    double low;
    double high;
    bool orZero = false;
};

std::string Number(double v) {
    if (std::isnan(v)) return "NaN";
    if (std::isinf(v)) return v < 0 ? "-infinity" : "infinity";
    char text[40];
    std::snprintf(text, sizeof text, "%g", v);
    return text;
}

std::string RangeFault(std::initializer_list<Range> ranges) {
    for (const Range& r : ranges) {
        if (r.orZero && r.value == 0) continue;
        if (std::isfinite(r.value) && r.value >= r.low && r.value <= r.high) continue;
        return std::string(r.name) + " " + Number(r.value) + " is outside " + (r.orZero ? "0 or " : "") +
               Number(r.low) + ".." + Number(r.high);
    }
    return "";
}

template <typename T>
void Flush(T& v) {
    if (std::fpclassify(v) == FP_SUBNORMAL) v = 0;
}

std::string BoundedName(const char* text, size_t length) { return std::string(text, strnlen(text, length)); }

std::string Record(const char* kind, size_t index, const std::string& name) {
    std::string s = std::string(kind) + " " + std::to_string(index + 1);
    if (!name.empty()) s += " (" + name + ")";
    return s + ": ";
}

constexpr double kMostMolarMass = 1e7;   // g/mol
constexpr double kMostDensity = 1e5;     // g/ml
constexpr double kLeastDivisor = 1e-6;   // a molar mass, density or coefficient
constexpr double kMostKelvin = 1e5;      // melting and boiling points
constexpr double kMostProperty = 1e9;    // solubilities, conductivity and the like
constexpr double kMostCelsius = 1e5;
constexpr double kMostCoefficient = 1e3;
constexpr double kMostConstant = 1e100;  // rate and equilibrium constants
constexpr double kMostOrder = 10;
constexpr double kMostHeat = 1e7;        // kJ per mole
constexpr double kMostMolarity = 1e6;    // mol/l, and pH ends

std::string ParticipantFault(const ReactionParticipant& p) {
    return RangeFault({
        {"coefficient", p.coefficient, kLeastDivisor, kMostCoefficient, true},
        {"low concentration", p.low, 0, kMostMolarity},
        {"high concentration", p.high, 0, kMostMolarity},
    });
}

std::string ReactionFault(const ReactionRecord& r) {
    std::string fault = RangeFault({
        {"minimum temperature", r.minCelsius, -273.15, kMostCelsius},
        {"maximum temperature", r.maxCelsius, -273.15, kMostCelsius},
        {"rate constant", r.rateConstant, 0, kMostConstant},
        {"first order", r.orderFirst, -kMostOrder, kMostOrder},
        {"second order", r.orderSecond, -kMostOrder, kMostOrder},
        {"equilibrium constant", r.equilibriumConstant, 0, kMostConstant},
        {"heat of reaction", r.heatOfReaction, -kMostHeat, kMostHeat},
    });
    if (!fault.empty()) return fault;
    // The participants the engine uses (the reader keeps the counts within 25).
    const int used = std::clamp(r.reactantCount, 0, kParticipantCount) +
                     std::clamp(r.productCount, 0, kParticipantCount - std::clamp(r.reactantCount, 0, kParticipantCount));
    for (int i = 0; i < used; ++i) {
        fault = ParticipantFault(r.participants[i]);
        if (!fault.empty()) return "participant " + std::to_string(i + 1) + ": " + fault;
    }
    return "";
}

std::string IndicatorFault(const IndicatorRecord& r) {
    return RangeFault({
        {"low end", r.low, -kMostMolarity, kMostMolarity},
        {"high end", r.high, -kMostMolarity, kMostMolarity},
        {"fixed colour mark", r.fixedColourMark, -1, 1},
    });
}

}  // namespace

void FlushDenormals(UdlLab& lab) {
    for (ChemicalRecord& c : lab.chemicals) {
        for (float* v : {&c.molarMass, &c.density, &c.meltingPoint, &c.boilingPoint, &c.solubility273,
                         &c.solubility373, &c.gramsPerUnit})
            Flush(*v);
        for (double* v : {&c.molarity, &c.conductivityA, &c.conductivityB, &c.databaseValue, &c.ionCharge})
            Flush(*v);
        for (double& v : c.coefficients) Flush(v);
        for (float& v : c.coefficientsF) Flush(v);
        for (MixtureEntry& m : c.mixture) Flush(m.fraction);
    }
    for (ReactionRecord& r : lab.reactions) {
        for (double* v : {&r.minCelsius, &r.maxCelsius, &r.rateConstant, &r.orderFirst, &r.orderSecond,
                          &r.equilibriumConstant, &r.heatOfReaction})
            Flush(*v);
        for (ReactionParticipant& p : r.participants) {
            Flush(p.coefficient);
            Flush(p.low);
            Flush(p.high);
        }
    }
    for (IndicatorRecord& r : lab.indicators) {
        Flush(r.low);
        Flush(r.high);
        Flush(r.fixedColourMark);
    }
    for (SpectroPoint& p : lab.spectroPoints) Flush(p.absorptivity);
}

std::string ChemicalValueFault(const ChemicalRecord& c) {
    std::string fault = RangeFault({
        {"molar mass", c.molarMass, kLeastDivisor, kMostMolarMass, true},
        {"density", c.density, kLeastDivisor, kMostDensity, true},
        {"melting point", c.meltingPoint, -kMostKelvin, kMostKelvin},
        {"boiling point", c.boilingPoint, -kMostKelvin, kMostKelvin},
        {"solubility at 273 K", c.solubility273, -kMostProperty, kMostProperty},
        {"solubility at 373 K", c.solubility373, -kMostProperty, kMostProperty},
        {"molarity", c.molarity, -kMostMolarity, kMostMolarity},
        {"conductivity coefficient A", c.conductivityA, -kMostProperty, kMostProperty},
        {"conductivity coefficient B", c.conductivityB, -kMostProperty, kMostProperty},
        {"database value", c.databaseValue, -kMostProperty, kMostProperty},
        {"ion charge", c.ionCharge, -kMostProperty, kMostProperty},
        {"grams per unit", c.gramsPerUnit, 0, 1e5},
    });
    if (!fault.empty()) return fault;
    for (int k = 0; k < 10; ++k) {
        const double v = k < 6 ? c.coefficients[k] : c.coefficientsF[k - 6];
        fault = RangeFault({{"coefficient", v, -kMostProperty, kMostProperty}});
        if (!fault.empty()) return "coefficient " + std::to_string(k + 1) + ": " + fault;
    }
    for (int k = 0; k < kMixtureComponentCount; ++k) {
        fault = RangeFault({{"mixture fraction", c.mixture[k].fraction, -kMostProperty, kMostProperty}});
        if (!fault.empty()) return fault;
    }
    return "";
}

std::string UdlValueFault(const UdlLab& lab) {
    for (size_t i = 0; i < lab.chemicals.size(); ++i) {
        const ChemicalRecord& c = lab.chemicals[i];
        const std::string fault = ChemicalValueFault(c);
        if (!fault.empty()) return Record("chemical", i, BoundedName(c.name, sizeof c.name)) + fault;
    }
    for (size_t i = 0; i < lab.reactions.size(); ++i) {
        const ReactionRecord& r = lab.reactions[i];
        const std::string fault = ReactionFault(r);
        if (!fault.empty()) return Record("reaction", i, BoundedName(r.name, sizeof r.name)) + fault;
    }
    for (size_t i = 0; i < lab.indicators.size(); ++i) {
        const IndicatorRecord& r = lab.indicators[i];
        const std::string fault = IndicatorFault(r);
        if (!fault.empty()) return Record("indicator", i, BoundedName(r.name, sizeof r.name)) + fault;
    }
    for (size_t i = 0; i < lab.spectroPoints.size(); ++i) {
        const std::string fault =
            RangeFault({{"absorptivity", lab.spectroPoints[i].absorptivity, -kMostProperty, kMostProperty}});
        if (!fault.empty()) return Record("spectrophotometer point", i, "") + fault;
    }
    return "";
}

}  // namespace parvell
