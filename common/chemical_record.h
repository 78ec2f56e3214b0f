// The property record of one chemical. Modules, user-defined lab files and
// the user chemical database all carry these bytes, so the layout is fixed.
#pragma once
#include <cstddef>
#include <cstdint>

#include "cas.h"
#include "component_slot.h"

// Byte markers inside a formula: the next character is sub- or superscript.
constexpr unsigned char kFormulaSubscript = 0x7F;
constexpr unsigned char kFormulaSuperscript = 0xC7;

enum ChemicalFlagBits : uint32_t {
    kChemStock = 0x1,    // offered in the Chemicals dialog
    kChemProduct = 0x2,  // reaction product
    kChemUnknown = 0x4,            // shown by its display name; its properties are hidden
    kChemNoMolarMass = 0x8,        // no molar mass shown, no moles counted
    kChemNoMeltingPoint = 0x10,
    kChemNoBoilingPoint = 0x20,
    kChemCountedInUnits = 0x40,    // a solid added by count, gramsPerUnit each
    kChemRadioactiveSource = 0x80, // offered as a Geiger counter source
};

enum ChemicalKind : int32_t {
    kKindGas = 1,
    kKindLiquid = 2,
    kKindSolid = 4,
    kKindSolution = 8,
    kKindIon = 32,
    kKindLiquidMixture = 130,
};

// A lab that makes a solution of an ion keeps the ion bit: state 0x28. Its
// solute then enters a vessel as ions in solution, which the meters count.
constexpr bool IsSolutionState(int32_t state) { return (state & kKindSolution) != 0; }
constexpr uint32_t SolutePhaseOf(int32_t state) { return (state & kKindIon) ? kPhaseSecondLiquid : kPhaseDissolved; }
// States are phase bits: the phase a chemical of this state takes in a vessel.
constexpr uint32_t VesselPhaseOf(int32_t state) {
    return (state & kKindIon) ? uint32_t(kPhaseSecondLiquid) : uint32_t(state);
}

constexpr int kFormulaLength = 50;
constexpr int kChemNameLength = 100;
constexpr int kChemDescriptionLength = 100;
constexpr int kUnknownNameLength = 31;
constexpr int kReactionRefCount = 10;
constexpr int kMixtureComponentCount = 4;

struct ReactionTextRef {
    int32_t line;          //   0 4  1-based line of the module's reaction text
    uint32_t phaseMask;    //   4 4  PhaseFlags
    uint8_t reserved[132]; //   8 132
};
static_assert(sizeof(ReactionTextRef) == 140);

struct MixtureEntry {
    CasNumber cas;   // 0 4
    float fraction;  // 4 4
};
static_assert(sizeof(MixtureEntry) == 8);

struct ChemicalRecord {
    CasNumber cas;                                   //    0 4
    char formula[kFormulaLength];                    //    4 50 marker bytes inside
    char name[kChemNameLength];                      //   54 100
    char description[kChemDescriptionLength];        //  154 100
    uint8_t zero254[2];                              //  254 2
    uint32_t flags;                                  //  256 4  ChemicalFlagBits
    int32_t state;                                   //  260 4  ChemicalKind
    uint8_t colour[3];                               //  264 3  r, g, b
    uint8_t zero267;                                 //  267 1
    int32_t brushStyle;                              //  268 4  0 solid, 2 hatch, 3 pattern
    int32_t patternId;                               //  272 4
    float molarMass;                                 //  276 4  g/mol
    float density;                                   //  280 4  g/ml
    float meltingPoint;                              //  284 4  K
    float boilingPoint;                              //  288 4  K
    float solubility273;                             //  292 4  g per 100 g water
    float solubility373;                             //  296 4
    uint8_t zero300[4];                              //  300 4
    double molarity;                                 //  304 8  mol/l
    CasNumber solventCas;                            //  312 4
    uint8_t zero316[4];                              //  316 4
    double conductivityA;                            //  320 8  specific heat in the specific-heat lab
    double conductivityB;                            //  328 8
    double coefficients[6];                          //  336 48
    float coefficientsF[4];                          //  384 16
    ReactionTextRef reactionRefs[kReactionRefCount]; //  400 1400
    uint8_t zero1800[448];                           // 1800 448
    double databaseValue;                            // 2248 8
    char unknownName[kUnknownNameLength];            // 2256 31
    uint8_t zero2287;                                // 2287 1
    double ionCharge;                                // 2288 8
    MixtureEntry mixture[kMixtureComponentCount];    // 2296 32
    float gramsPerUnit;                              // 2328 4
    uint8_t flameColour[3];                          // 2332 3
    uint8_t zero2335[49];                            // 2335 49
};

#define CHEMICAL_AT(field, off) static_assert(offsetof(ChemicalRecord, field) == (off), #field)
static_assert(sizeof(ChemicalRecord) == 2384);
CHEMICAL_AT(cas, 0);
CHEMICAL_AT(formula, 4);
CHEMICAL_AT(name, 54);
CHEMICAL_AT(description, 154);
CHEMICAL_AT(flags, 256);
CHEMICAL_AT(state, 260);
CHEMICAL_AT(colour, 264);
CHEMICAL_AT(brushStyle, 268);
CHEMICAL_AT(patternId, 272);
CHEMICAL_AT(molarMass, 276);
CHEMICAL_AT(density, 280);
CHEMICAL_AT(meltingPoint, 284);
CHEMICAL_AT(boilingPoint, 288);
CHEMICAL_AT(solubility273, 292);
CHEMICAL_AT(solubility373, 296);
CHEMICAL_AT(molarity, 304);
CHEMICAL_AT(solventCas, 312);
CHEMICAL_AT(conductivityA, 320);
CHEMICAL_AT(conductivityB, 328);
CHEMICAL_AT(coefficients, 336);
CHEMICAL_AT(coefficientsF, 384);
CHEMICAL_AT(reactionRefs, 400);
CHEMICAL_AT(zero1800, 1800);
CHEMICAL_AT(databaseValue, 2248);
CHEMICAL_AT(unknownName, 2256);
CHEMICAL_AT(ionCharge, 2288);
CHEMICAL_AT(mixture, 2296);
CHEMICAL_AT(gramsPerUnit, 2328);
CHEMICAL_AT(flameColour, 2332);
#undef CHEMICAL_AT
