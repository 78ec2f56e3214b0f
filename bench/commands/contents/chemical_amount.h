// The amount a user types into the Chemicals dialog: read into a whole part
// and a fraction, converted by unit, and rewritten by the up-down arrows.
#pragma once
#include <cstdint>
#include <string>

struct TypedAmount {
    int32_t whole;
    int32_t fraction;        // the digits after the separator, as a number
    int32_t fractionDigits;  // how many digits were typed after it
    double value;            // whole + fraction / 10^digits
};

// A plain non-negative integer is taken whole; any other text (its first 9
// characters) is split at the first "." or ",": the integer before it and
// the digits after it up to the first non-digit. Text without digits is 0.
TypedAmount ReadTypedAmount(const std::string& text);

enum class AmountUnit { kMillilitre, kGram, kMilligram, kUnits };

// Grams of a solid for an amount in that unit (gramsPerUnit for counted
// solids); 0 for volumes.
double SolidGramsFor(double amount, AmountUnit unit, double gramsPerUnit);
// The factor the module is told for a solid: 0.001 for mg, the grams per
// unit for counted solids, else 1.
double SolidUnitFactor(AmountUnit unit, double gramsPerUnit);

// The text after an up-down step: the whole part moves by delta within
// 0..32766, the typed fraction stays as it was typed (padded to at least
// three digits), joined with the user's decimal separator.
std::string StepAmountText(const std::string& text, int32_t delta, const std::string& separator);
