#include "wizard/reaction_engine.h"

#include <algorithm>
#include <cmath>
#include <array>

#include "wizard/meters.h"
#include "wizard/reaction_slots.h"
#include "wizard/whole_power.h"
#include "zephrane/chemical_database.h"

namespace parvell {

namespace {

constexpr double kCelsiusOffset = 273.0;  // the wizard's limits are whole-degree Celsius
constexpr double kQuotientTolerance = 1e-10;
constexpr double kBisectionTolerance = 1e-11;
constexpr double kStepSeconds = 0.5;
// A remainder this small a share of what a reactant held is rounding, not an excess.
constexpr double kRoundingShare = 1e-9;

double LitresOfLiquid(const LabObject& o) { return ReactionPhaseVolume(o, kPhaseLiquid | kPhaseDissolved) / 1000.0; }

// Entries that add no factor to the quotient: solids, and water as the solvent.
bool HasNoActivity(const ReactionWorkEntry& e) {
    return (e.phase & kPhaseSolid) || (e.cas == kCasWater && (e.phase & kPhaseLiquid));
}

// Coefficients are nearly always small whole numbers: those are raised by
// multiplying, the rest by pow.
int WholeCoefficient(double coefficient) {
    return coefficient >= 1 && coefficient <= 64 && coefficient == std::floor(coefficient) ? int(coefficient) : 0;
}

double ActivityFactor(const ReactionWorkEntry& e, double molarity) {
    return e.wholeCoefficient ? WholePower(molarity, e.wholeCoefficient) : std::pow(molarity, e.coefficient);
}

uint32_t ConsumingSide(bool forward) { return forward ? kPartReactant : kPartProduct; }

using WorkTable = std::array<ReactionWorkEntry, kParticipantCount>;

int BuildWorkTable(const ReactionRecord& r, const LabObject& o, double litres, WorkTable& table) {
    int n = UsedParticipantCount(r);
    for (int i = 0; i < n; ++i) {
        const ReactionParticipant& p = r.participants[i];
        ReactionWorkEntry& e = table[size_t(i)];
        e = ReactionWorkEntry{};
        e.cas = p.cas;
        e.phase = p.phase;
        e.coefficient = p.coefficient;
        e.wholeCoefficient = WholeCoefficient(p.coefficient);
        e.flags = p.flags;
        e.initialGrams = MassOfComponent(o, p.cas, p.phase);
        e.molarMass = Chemical_GMW(p.cas);
        e.initialMoles = e.molarMass > 0 ? e.initialGrams / e.molarMass : 0.0;
        e.initialMolarity = litres > 0 ? e.initialMoles / litres : 0.0;
        // Until a trial is evaluated the trial amounts are the amounts held,
        // so a reaction that cannot evaluate a trial changes nothing.
        e.trialGrams = e.initialGrams;
        e.trialMoles = e.initialMoles;
        e.trialMolarity = e.initialMolarity;
    }
    return n;
}

// What the bisection's inner loop needs of each entry, decided once per
// reaction: the trials then touch only moles and molarity, and the quotient
// is taken in the same pass. Every double is computed by the same operations
// in the same order as TrialQuotient and ReactionQuotient, so the amounts are
// bit for bit theirs.
struct TrialPlan {
    std::array<uint8_t, kParticipantCount> consuming{};
    std::array<uint8_t, kParticipantCount> inNumerator{};
    std::array<uint8_t, kParticipantCount> inDenominator{};
    bool incomplete = false;
};

TrialPlan PlanTrials(const WorkTable& table, int n, bool forward) {
    TrialPlan plan;
    const uint32_t side = ConsumingSide(forward);
    for (int i = 0; i < n; ++i) {
        const ReactionWorkEntry& e = table[size_t(i)];
        plan.consuming[size_t(i)] = (e.flags & side) != 0;
        if (e.coefficient <= 0) continue;
        if (!HasNoActivity(e)) {
            plan.inNumerator[size_t(i)] = (e.flags & kPartProduct) != 0;
            plan.inDenominator[size_t(i)] = (e.flags & kPartReactant) != 0;
        }
        if ((e.flags & kPartReactant) && e.initialGrams == 0) plan.incomplete = true;
    }
    return plan;
}

// TrialQuotient without the grams, which only the final trial needs.
double PlannedTrialQuotient(WorkTable& table, int n, const TrialPlan& plan, double extent, LimitingEntry limiting,
                            double litres) {
    double numerator = 1, denominator = 1;
    for (int i = 0; i < n; ++i) {
        ReactionWorkEntry& e = table[size_t(i)];
        const double share = extent * e.coefficient * limiting.inverseCoefficient;
        if (plan.consuming[size_t(i)])
            e.trialMoles = i == limiting.index ? e.initialMoles - extent : e.initialMoles - share;
        else
            e.trialMoles = e.initialMoles + share;
        e.trialMolarity = e.trialMoles / litres;
        if (plan.inNumerator[size_t(i)] | plan.inDenominator[size_t(i)]) {
            const double factor = ActivityFactor(e, e.trialMolarity);
            if (plan.inNumerator[size_t(i)]) numerator *= factor;
            if (plan.inDenominator[size_t(i)]) denominator *= factor;
        }
    }
    if (numerator > 0) return denominator > 0 ? numerator / denominator : kQuotientNoReactant;
    return (plan.incomplete || !(denominator > 0)) ? kQuotientIncomplete : 0.0;
}

}  // namespace

EngineLab EngineLabOf(const UdlLab& lab) {
    EngineLab e;
    e.labStyle = lab.header.labStyle;
    e.reactions = lab.reactions.data();
    e.reactionCount = int32_t(lab.reactions.size());
    e.indicators = lab.indicators.data();
    e.indicatorCount = int32_t(lab.indicators.size());
    e.spectroPoints = lab.spectroPoints.data();
    e.spectroPointCount = int32_t(lab.spectroPoints.size());
    return e;
}

int UsedParticipantCount(const ReactionRecord& r) {
    int reactants = std::clamp(r.reactantCount, 0, kParticipantCount);
    int products = std::clamp(r.productCount, 0, kParticipantCount - reactants);
    return reactants + products;
}

bool ConditionsHold(const ReactionRecord& r, const LabObject& o) {
    double kelvin = o.temperature;
    if ((r.flags & kReactNeedsHeat) && o.heatApplied == 0) return false;
    if ((r.flags & kReactNeedsStirring) && o.stirringState == 0) return false;
    if ((r.flags & kReactNeedsLight) && !(o.objectFlags & kObjLightOn)) return false;
    if ((r.flags & kReactMinTemperature) && kelvin < r.minCelsius + kCelsiusOffset) return false;
    if ((r.flags & kReactMaxTemperature) && kelvin > r.maxCelsius + kCelsiusOffset) return false;
    return true;
}

const ReactionParticipant* FindColourTestParticipant(const ReactionRecord& r) {
    const ReactionParticipant* found = nullptr;
    for (int i = 0, n = UsedParticipantCount(r); i < n; ++i)
        if ((r.participants[i].flags & kPartAlwaysColourTest) && r.participants[i].coefficient > 0)
            found = &r.participants[i];
    return found;
}

double ReactionQuotient(const ReactionWorkEntry* entries, int count, bool useInitial) {
    double numerator = 1, denominator = 1;
    bool incomplete = false;
    for (int i = 0; i < count; ++i) {
        const ReactionWorkEntry& e = entries[i];
        if (e.coefficient <= 0) continue;
        if (!HasNoActivity(e)) {
            double factor = ActivityFactor(e, useInitial ? e.initialMolarity : e.trialMolarity);
            if (e.flags & kPartProduct) numerator *= factor;
            if (e.flags & kPartReactant) denominator *= factor;
        }
        if ((e.flags & kPartReactant) && e.initialGrams == 0) incomplete = true;
    }
    if (numerator > 0) return denominator > 0 ? numerator / denominator : kQuotientNoReactant;
    return (incomplete || !(denominator > 0)) ? kQuotientIncomplete : 0.0;
}

LimitingEntry FindLimitingParticipant(const ReactionWorkEntry* entries, int count, bool forward) {
    LimitingEntry best;
    double bestRatio = 0;
    uint32_t side = ConsumingSide(forward);
    for (int i = 0; i < count; ++i) {
        const ReactionWorkEntry& e = entries[i];
        if (!(e.flags & side) || e.coefficient <= 0) continue;
        // A consumer that is absent limits the reaction to nothing: it must
        // win, or products would form from what is not there.
        if (e.initialGrams == 0) return LimitingEntry{i, 1.0 / e.coefficient};
        double moles = e.molarMass > 0 ? e.initialGrams / e.molarMass : 0.0;
        double ratio = moles / e.coefficient;
        if (best.index < 0 || ratio < bestRatio) {
            best = LimitingEntry{i, 1.0 / e.coefficient};
            bestRatio = ratio;
        }
    }
    return best;
}

double TrialQuotient(ReactionWorkEntry* entries, int count, double extent, LimitingEntry limiting,
                     bool forward, double litres) {
    if (!(litres > 0)) return 0;
    uint32_t side = ConsumingSide(forward);
    for (int i = 0; i < count; ++i) {
        ReactionWorkEntry& e = entries[i];
        double share = extent * e.coefficient * limiting.inverseCoefficient;
        if (e.flags & side)
            e.trialMoles = i == limiting.index ? e.initialMoles - extent : e.initialMoles - share;
        else
            e.trialMoles = e.initialMoles + share;
        e.trialGrams = e.trialMoles * e.molarMass;
        e.trialMolarity = e.trialMoles / litres;
    }
    return ReactionQuotient(entries, count, false);
}

void ApplyHeatOfReaction(LabObject& o, double heatOfReaction, double grams, double molarMass,
                         double coefficient) {
    double total = TotalComponentMass(o);
    if (!(total > 0) || !(molarMass > 0) || coefficient == 0) return;
    double drop = heatOfReaction * grams / (molarMass * coefficient) * 1000.0 / (total * 4.184);
    double kelvin = double(o.temperature) - drop;
    if (!std::isfinite(kelvin)) return;
    o.temperature = float(std::clamp(kelvin, 0.0, double(kMaxKelvin)));
}

bool RunEquilibrium(const ReactionRecord& r, LabObject& o, const ReactionParticipant*& appearance,
                    int* evaluations) {
    double litres = LitresOfLiquid(o);
    WorkTable table;
    int n = BuildWorkTable(r, o, litres, table);
    double K = r.equilibriumConstant;
    double Q = ReactionQuotient(table.data(), n, true);
    if (std::fabs(Q - K) < kQuotientTolerance || Q == kQuotientIncomplete) return false;

    bool forward = Q <= K && Q != kQuotientNoReactant;
    LimitingEntry limiting = FindLimitingParticipant(table.data(), n, forward);
    if (limiting.index < 0) return false;
    double t = table[size_t(limiting.index)].initialMoles;
    if (t == 0) return false;

    double x = t / 2, stepBase = t / 2, divisor = 1;
    const TrialPlan plan = PlanTrials(table, n, forward);
    const bool trials = litres > 0;  // TrialQuotient evaluates nothing without liquid
    for (int i = 0; i < kBisectionLimit; ++i) {
        double Qx = trials ? PlannedTrialQuotient(table, n, plan, x, limiting, litres) : 0.0;
        if (evaluations) ++*evaluations;
        if (std::fabs(Qx - K) < kBisectionTolerance) break;
        divisor *= 2;
        double step = stepBase / divisor;
        bool decrease = forward ? Qx > K : Qx <= K;
        double next = decrease ? x - step : x + step;
        // Once the step no longer moves x every further trial is this one.
        if (next == x) break;
        x = next;
    }
    if (trials)
        for (int i = 0; i < n; ++i) table[size_t(i)].trialGrams = table[size_t(i)].trialMoles * table[size_t(i)].molarMass;

    bool firstReactant = true;
    for (int i = 0; i < n; ++i) {
        const ReactionParticipant& p = r.participants[i];
        const ReactionWorkEntry& e = table[size_t(i)];
        if (!(p.flags & (kPartReactant | kPartProduct))) continue;
        if (p.flags & kPartColourRule) appearance = &p;
        if (e.trialGrams > e.initialGrams)
            AddReactionComponent(o, p.cas, p.phase, e.trialGrams - e.initialGrams, o.temperature);
        else if (e.trialGrams < e.initialGrams)
            RemoveReactionComponent(o, p.cas, p.phase, e.initialGrams - e.trialGrams);
        if ((p.flags & kPartReactant) && firstReactant) {
            firstReactant = false;
            if (r.flags & kReactHeatOfReaction)
                ApplyHeatOfReaction(o, r.heatOfReaction, e.initialGrams - e.trialGrams, e.molarMass,
                                    e.coefficient);
        }
    }
    return true;
}

bool RunLimitingReagent(const ReactionRecord& r, LabObject& o, const ReactionParticipant*& appearance) {
    int n = UsedParticipantCount(r);
    int reactants = std::clamp(r.reactantCount, 0, kParticipantCount);
    int scanned = 0, firstIndex = -1;
    double extent = 0, firstMoles = 0, secondMoles = 0;
    CasNumber limitingCas = 0;
    bool hasLimiting = false;
    for (int i = 0; i < n; ++i) {
        const ReactionParticipant& p = r.participants[i];
        if (!(p.flags & kPartReactant) || !(p.coefficient > 0)) continue;
        bool unlimited = p.flags & kPartFromAtmosphere;
        double grams = unlimited ? kAtmosphereGrams : MassOfComponent(o, p.cas, p.phase);
        if (!unlimited && grams == 0) break;
        double moles = Moles(p.cas, grams);
        double ratio = moles / p.coefficient;
        if (scanned == 0) {
            extent = ratio;
            limitingCas = p.cas;
            hasLimiting = true;
            firstIndex = i;
            if (r.flags & (kReactFixedRate | kReactRateLaw)) firstMoles = moles;
        } else {
            if (scanned == 1) secondMoles = moles;
            if (ratio < extent) {
                extent = ratio;
                limitingCas = p.cas;
            }
        }
        ++scanned;
    }
    if (scanned < reactants) return false;

    double litres = LitresOfLiquid(o);
    if (!(litres > 0)) litres = 1;
    double rate = 0;
    bool rateLimited = false;
    if (r.flags != kReactInstantaneous && r.rateConstant > 0 && extent != 0) {
        double k = r.rateConstant;
        if ((r.flags & kReactFixedRate) || (r.orderFirst == 0 && r.orderSecond == 0))
            rate = k;
        else if (r.flags & kReactRateLaw)
            rate = k * std::pow(firstMoles / litres, r.orderFirst) * std::pow(secondMoles / litres, r.orderSecond);
        double reacting = litres * rate * kStepSeconds;
        // The rate limits only when it allows less than the limiting reagent
        // does; otherwise products would outrun the scarcer reactant.
        double rateExtent = reacting / r.participants[firstIndex].coefficient;
        if (reacting < firstMoles && rateExtent < extent) {
            rateLimited = true;
            limitingCas = r.participants[firstIndex].cas;
            extent = rateExtent;
        }
    }
    if (!(extent > 0) || !hasLimiting) return false;

    bool firstReactant = true;
    for (int i = 0; i < n; ++i) {
        const ReactionParticipant& p = r.participants[i];
        if (!(p.flags & (kPartReactant | kPartProduct))) continue;
        if (p.flags & kPartColourRule) appearance = &p;
        double molarMass = Chemical_GMW(p.cas);
        if (p.flags & kPartProduct) {
            AddReactionComponent(o, p.cas, p.phase, molarMass * p.coefficient * extent, o.temperature);
            continue;
        }
        double grams;
        const double held = MassOfComponent(o, p.cas, p.phase);
        if (p.cas == limitingCas) {
            grams = rateLimited ? molarMass * litres * kStepSeconds * rate : held;
        } else {
            grams = molarMass * p.coefficient * extent;
            // At an equivalence point a second reactant is used up as well:
            // what the grams-to-moles round trip would leave of it is no
            // chemistry, and a meter would read that speck as a strong acid.
            if (!rateLimited && grams < held && held - grams <= held * kRoundingShare) grams = held;
        }
        RemoveReactionComponent(o, p.cas, p.phase, grams);
        if (firstReactant) {
            firstReactant = false;
            if (r.flags & kReactHeatOfReaction)
                ApplyHeatOfReaction(o, r.heatOfReaction, grams, molarMass, p.coefficient);
        }
    }
    return true;
}

int LabSimulationProc(const EngineLab& lab, int32_t count, LabObject* base) {
    if (!base || count <= 0) return 0;
    count = std::min<int32_t>(count, kMaxLabObjects);
    const ReactionParticipant* appearance = nullptr;
    const ReactionParticipant* colourTest = nullptr;
    for (int32_t i = 1; i <= count; ++i) {
        LabObject& o = base[i];
        if (o.type >= kTestTube) {
            double gasBefore = MassByPhase(o, kPhaseGas);
            bool colourTestMark = false, ran = false;
            for (int32_t k = 0; k < lab.reactionCount; ++k) {
                const ReactionRecord& r = lab.reactions[k];
                if (const ReactionParticipant* p = FindColourTestParticipant(r)) {
                    colourTestMark = true;
                    colourTest = p;
                }
                if (!ConditionsHold(r, o)) continue;
                if (r.flags & kReactEquilibrium) {
                    ran = RunEquilibrium(r, o, appearance) || ran;
                } else {
                    // Counts as run whenever its conditions hold, even with
                    // nothing to act on: the vessel's look is then refreshed.
                    RunLimitingReagent(r, o, appearance);
                    ran = true;
                }
            }
            // The pH before the look: an indicator shows the pH the meter
            // reads now, not the one of half a second ago.
            if (lab.labStyle & kStylePh) UpdatePh(o);
            if (colourTestMark) UpdateObjectAppearance(lab, o, colourTest, gasBefore);
            if (ran || o.precipitate > 0 || o.indicatorAmount > 0)
                UpdateObjectAppearance(lab, o, appearance, gasBefore);
            if ((lab.labStyle & kStyleSpectrophotometer) && o.type == kCuvette) UpdateSpectrophotometer(lab, o);
        }
        if (lab.labStyle & kStyleFlameTest) UpdateFlameColour(base, count);
        if (lab.labStyle & kStyleConductivity) UpdateConductivity(count, base);
    }
    return 1;
}

}  // namespace parvell
