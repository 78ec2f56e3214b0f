// What chemistry says a strong acid titrated with a strong base reads, and
// where a collected curve has its end point: shared by the simulation's
// titration test and the tests through the program's windows.
#pragma once
#include <cmath>
#include <vector>

#include "common/titration_dataset.h"

namespace titration_theory {

// pH of acidMl of an acid of acidMolar after baseMl of a base of baseMolar,
// water's own ions counted (Kw = 1e-14).
inline double StrongAcidBasePh(double acidMl, double acidMolar, double baseMl, double baseMolar) {
    const double litres = (acidMl + baseMl) / 1000;
    const double excess = (acidMl * acidMolar - baseMl * baseMolar) / 1000 / litres;
    const double hydrogen = (excess + std::sqrt(excess * excess + 4e-14)) / 2;
    return -std::log10(hydrogen);
}

// The middle of the steepest rise between two neighbouring points; 0 when
// there are fewer than two.
inline double EndPointOf(const std::vector<DataPoint>& points) {
    double steepest = 0, at = 0;
    for (size_t i = 1; i < points.size(); ++i) {
        const double run = points[i].volumeMl - points[i - 1].volumeMl;
        if (!(run > 0)) continue;
        const double slope = (points[i].ph - points[i - 1].ph) / run;
        if (slope > steepest) {
            steepest = slope;
            at = (points[i].volumeMl + points[i - 1].volumeMl) / 2;
        }
    }
    return at;
}

}  // namespace titration_theory
