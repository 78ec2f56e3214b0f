// A small user-defined lab over the master chemicals, for the fuzz targets
// that run the reaction engine over a bench read from outside: a
// precipitation, an equilibrium, a rate law with heat and stirring, a fixed
// rate from the atmosphere with a temperature window, colour rules and a pH
// indicator.
#pragma once
#include <cstring>
#include <vector>

#include "wizard/database/master_chemicals.h"
#include "wizard/reaction_engine.h"
#include "wizard/udl_lab.h"

namespace fuzz {

inline ReactionParticipant Participant(CasNumber cas, uint32_t phase, double coefficient, uint32_t flags) {
    ReactionParticipant p{};
    p.cas = cas;
    p.phase = phase;
    p.coefficient = coefficient;
    p.flags = flags;
    p.low = 0.01;
    p.high = 1.0;
    p.colourA[0] = 200;
    p.colourB[2] = 200;
    return p;
}

inline ReactionRecord Reaction(uint32_t flags, std::initializer_list<ReactionParticipant> reactants,
                               std::initializer_list<ReactionParticipant> products) {
    ReactionRecord r{};
    r.flags = flags;
    r.reactantCount = int32_t(reactants.size());
    r.productCount = int32_t(products.size());
    int i = 0;
    for (const ReactionParticipant& p : reactants) r.participants[i++] = p;
    for (const ReactionParticipant& p : products) r.participants[i++] = p;
    return r;
}

inline UdlLab MakeEngineLab() {
    constexpr uint32_t kDissolved = kPhaseDissolved, kIon = kPhaseSecondLiquid;
    UdlLab lab;
    lab.chemicals = parvell::MasterChemicals();
    lab.header.labStyle = 0x8 | 0x1 | 0x2 | 0x10 | 0x40 | 0x200;

    ReactionRecord silver = Reaction(kReactInstantaneous | kReactHeatOfReaction,
                                     {Participant(7761888, kDissolved, 1, kPartReactant),
                                      Participant(7647145, kDissolved, 1, kPartReactant)},
                                     {Participant(7783906, kPhasePrecipitate, 1, kPartProduct | kPartColourRule),
                                      Participant(7757791, kDissolved, 1, kPartProduct)});
    silver.heatOfReaction = -65.5;
    ReactionRecord acetic = Reaction(kReactInstantaneous | kReactEquilibrium,
                                     {Participant(64197, kDissolved, 1, kPartReactant)},
                                     {Participant(12385136, kIon, 1, kPartProduct | kPartAlwaysColourTest),
                                      Participant(14280309, kIon, 1, kPartProduct)});
    acetic.equilibriumConstant = 1.8e-5;
    ReactionRecord carbonate =
        Reaction(kReactRateLaw | kReactNeedsStirring | kReactHeatOfReaction,
                 {Participant(497198, kDissolved, 1, kPartReactant), Participant(7647010, kDissolved, 2, kPartReactant)},
                 {Participant(124389, kPhaseGas, 1, kPartProduct),
                  Participant(7647145, kDissolved, 2, kPartProduct | kPartColourRule | kPartColourGradient)});
    carbonate.rateConstant = 0.5;
    carbonate.orderFirst = 1;
    carbonate.orderSecond = 2;
    carbonate.heatOfReaction = 12;
    ReactionRecord burning = Reaction(kReactFixedRate | kReactNeedsHeat | kReactMinTemperature | kReactMaxTemperature,
                                      {Participant(1333740, kPhaseGas, 2, kPartReactant),
                                       Participant(7782447, kPhaseGas, 1, kPartReactant | kPartFromAtmosphere)},
                                      {Participant(7732185, kPhaseLiquid, 2, kPartProduct)});
    burning.rateConstant = 0.02;
    burning.minCelsius = 40;
    burning.maxCelsius = 400;
    lab.reactions = {silver, acetic, carbonate, burning};

    IndicatorRecord indicator{};
    indicator.id = kFirstIndicatorId;
    std::strcpy(indicator.name, "Phenolphthalein");
    indicator.mode = kIndicatorByPh;
    indicator.low = 8.2;
    indicator.high = 10.0;
    indicator.highColour[0] = 255;
    indicator.highColour[2] = 180;
    lab.indicators = {indicator};
    SpectroPoint point{};
    point.cas = 7758987;
    point.wavelength = 500;
    point.absorptivity = 12;
    lab.spectroPoints = {point};
    return lab;
}

}  // namespace fuzz
