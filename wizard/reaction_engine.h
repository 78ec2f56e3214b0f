// The generic engine of user-defined labs: every 500 ms it runs the lab's
// reactions in every object, then brings appearance and instruments up to date.
#pragma once
#include <cstdint>

#include "common/lab_object.h"
#include "wizard/udl_lab.h"
#include "wizard/udl_records.h"

namespace parvell {

// LabStyle bits that switch on the instruments.
enum EngineStyle : int32_t {
    kStylePh = 0x1,
    kStyleIndicators = 0x2,
    kStyleConductivity = 0x10,
    kStyleFlameTest = 0x40,
    kStyleSpectrophotometer = 0x200,
};

constexpr double kAtmosphereGrams = 999.9;  // an unlimited gas counts as this much
constexpr int kBisectionLimit = 1000;

// The parts of the loaded lab the engine reads.
struct EngineLab {
    int32_t labStyle = 0;
    const ReactionRecord* reactions = nullptr;
    int32_t reactionCount = 0;
    const IndicatorRecord* indicators = nullptr;
    int32_t indicatorCount = 0;
    const SpectroPoint* spectroPoints = nullptr;
    int32_t spectroPointCount = 0;
};

EngineLab EngineLabOf(const UdlLab& lab);

// Objects 1..count of base (base[0] is not an object). The result is unused.
int LabSimulationProc(const EngineLab& lab, int32_t count, LabObject* base);

// ---- the steps, for the tests and the benchmark ----

struct ReactionWorkEntry {
    CasNumber cas;
    uint32_t phase;
    double coefficient;
    uint32_t flags;  // ParticipantFlags
    double molarMass;
    double initialMolarity;
    double trialMolarity;
    double initialGrams;
    double trialGrams;
    double initialMoles;
    double trialMoles;
    int32_t wholeCoefficient;  // the coefficient when it is a whole 1..64, else 0
};

// Quotient sentinels: -1 no reactant in solution, -2 nothing to evaluate.
constexpr double kQuotientNoReactant = -1.0;
constexpr double kQuotientIncomplete = -2.0;

struct LimitingEntry {
    int index = -1;  // -1: none
    double inverseCoefficient = 0;
};

// The first reactants + products participants, at most 25.
int UsedParticipantCount(const ReactionRecord& r);
bool ConditionsHold(const ReactionRecord& r, const LabObject& o);
const ReactionParticipant* FindColourTestParticipant(const ReactionRecord& r);
double ReactionQuotient(const ReactionWorkEntry* entries, int count, bool useInitial);
LimitingEntry FindLimitingParticipant(const ReactionWorkEntry* entries, int count, bool forward);
double TrialQuotient(ReactionWorkEntry* entries, int count, double extent, LimitingEntry limiting,
                     bool forward, double litres);

// Each returns whether the reaction ran; appearance receives the last
// colour-rule participant applied. evaluations (optional) counts quotients.
bool RunEquilibrium(const ReactionRecord& r, LabObject& o, const ReactionParticipant*& appearance,
                    int* evaluations = nullptr);
bool RunLimitingReagent(const ReactionRecord& r, LabObject& o, const ReactionParticipant*& appearance);

// Temperature change of grams of the first reactant reacting; ignored when it
// cannot be computed, clamped to the bench's range.
void ApplyHeatOfReaction(LabObject& o, double heatOfReaction, double grams, double molarMass,
                         double coefficient);

}  // namespace parvell
