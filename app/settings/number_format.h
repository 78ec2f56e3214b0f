// Numbers shown to the user: printf text re-formatted with the user's
// locale (separators, leading zero, grouping, negative order).
#pragma once
#include <string>

struct NumberLocale {
    std::string decimalSeparator = ".";
    std::string thousandSeparator = ",";
    bool leadingZero = true;
    std::string grouping = "3;0";  // as the locale states it: "3;0", "3;2;0", "3", "0"
    int negativeOrder = 1;         // 0 "(1.1)", 1 "-1.1", 2 "- 1.1", 3 "1.1-", 4 "1.1 -"
};

// Re-formats a plain number ("-1234.5", as printf writes it) with the
// locale and the given count of fraction digits (rounded half up). False
// when the text is not a plain decimal number (inf, nan, exponents).
bool RegroupNumber(const std::string& plain, const NumberLocale& locale, int digits,
                   std::string* out);

// Formats value with the printf format into out (bounded by size), then
// replaces it with the locale text when that fits. Null when out is null or
// size <= 0.
char* FormatNumberWithLocale(char* out, int size, const char* format, double value, int digits,
                             const NumberLocale& locale);
