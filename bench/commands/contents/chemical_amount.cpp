#include "bench/commands/contents/chemical_amount.h"

#include <cmath>
#include <cstdlib>

namespace {

constexpr size_t kReadLength = 9;
constexpr int32_t kUpDownMaximum = 32766;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The whole text is a non-negative integer that fits an int32.
bool ReadPlainInteger(const std::string& text, int32_t* value) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    if (i < text.size() && text[i] == '+') ++i;
    const size_t first = i;
    int64_t n = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        n = n * 10 + (text[i] - '0');
        if (n > INT32_MAX) return false;
    }
    if (i == first) return false;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    if (i != text.size()) return false;
    *value = static_cast<int32_t>(n);
    return true;
}

// The fraction digits as typed, up to the first non-digit after the
// separator; empty when there is no separator.
std::string FractionDigitsOf(const std::string& head, size_t* separatorAt) {
    *separatorAt = head.find_first_of(".,");
    if (*separatorAt == std::string::npos) return {};
    std::string digits;
    for (size_t i = *separatorAt + 1; i < head.size() && IsDigit(head[i]); ++i) digits += head[i];
    return digits;
}

}  // namespace

TypedAmount ReadTypedAmount(const std::string& text) {
    TypedAmount amount{0, 0, 0, 0.0};
    int32_t whole = 0;
    if (ReadPlainInteger(text, &whole)) {
        amount.whole = whole;
        amount.value = whole;
        return amount;
    }
    const std::string head = text.substr(0, kReadLength);
    size_t separatorAt = 0;
    const std::string digits = FractionDigitsOf(head, &separatorAt);
    amount.whole = std::atoi(head.substr(0, separatorAt).c_str());
    if (!digits.empty()) {
        amount.fraction = std::atoi(digits.c_str());
        amount.fractionDigits = static_cast<int32_t>(digits.size());
    }
    const double magnitude = std::abs(amount.whole) + amount.fraction / std::pow(10.0, amount.fractionDigits);
    // "-0.5" reads a whole part of 0: the sign must come from the text.
    const bool negative = head.substr(0, separatorAt).find('-') != std::string::npos;
    amount.value = negative ? -magnitude : magnitude;
    return amount;
}

double SolidUnitFactor(AmountUnit unit, double gramsPerUnit) {
    if (unit == AmountUnit::kUnits) return gramsPerUnit;
    return unit == AmountUnit::kMilligram ? 0.001 : 1.0;
}

double SolidGramsFor(double amount, AmountUnit unit, double gramsPerUnit) {
    if (unit == AmountUnit::kMillilitre) return 0.0;
    return amount * SolidUnitFactor(unit, gramsPerUnit);
}

std::string StepAmountText(const std::string& text, int32_t delta, const std::string& separator) {
    const TypedAmount typed = ReadTypedAmount(text);
    int64_t whole = static_cast<int64_t>(typed.whole) + delta;
    if (whole < 0) whole = 0;
    if (whole > kUpDownMaximum) whole = kUpDownMaximum;
    size_t separatorAt = 0;
    std::string digits = FractionDigitsOf(text.substr(0, kReadLength), &separatorAt);
    if (digits.size() < 3) digits.append(3 - digits.size(), '0');
    return std::to_string(whole) + separator + digits;
}
