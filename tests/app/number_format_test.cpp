#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/settings/number_format.h"

namespace {

NumberLocale Locale(const char* decimal, const char* thousand, bool leadingZero,
                    const char* grouping, int negativeOrder) {
    NumberLocale l;
    l.decimalSeparator = decimal;
    l.thousandSeparator = thousand;
    l.leadingZero = leadingZero;
    l.grouping = grouping;
    l.negativeOrder = negativeOrder;
    return l;
}

TEST(NumberFormat, RegroupsWithTheLocale) {
    const NumberLocale english = Locale(".", ",", true, "3;0", 1);
    const NumberLocale german = Locale(",", ".", true, "3;0", 1);
    const NumberLocale indian = Locale(".", ",", true, "3;2;0", 1);
    struct Case {
        const char* plain;
        const NumberLocale* locale;
        int digits;
        const char* expected;
    };
    const Case cases[] = {
        {"1234567.891", &english, 2, "1,234,567.89"},
        {"1234567.891", &german, 2, "1.234.567,89"},
        {"123456789", &indian, 0, "12,34,56,789"},
        {"999.996", &english, 2, "1,000.00"},  // rounding carries into the integer
        {"0.5", &english, 0, "1"},
        {"0.25", &english, 1, "0.3"},
        {"12", &english, 3, "12.000"},
        {"-1234.5", &english, 1, "-1,234.5"},
        {"-0.001", &english, 2, "0.00"},  // no negative zero
        {".5", &english, 1, "0.5"},
        {"123", &english, 0, "123"},
        {"1234", &german, 0, "1.234"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.plain);
        std::string out;
        ASSERT_TRUE(RegroupNumber(c.plain, *c.locale, c.digits, &out));
        EXPECT_EQ(out, c.expected);
    }
}

TEST(NumberFormat, GroupingAndNegativeVariants) {
    struct Case {
        const char* grouping;
        int negativeOrder;
        bool leadingZero;
        const char* plain;
        const char* expected;
    };
    const Case cases[] = {
        {"3", 1, true, "123456789", "123456,789"},  // one group only
        {"0", 1, true, "123456789", "123456789"},
        {"", 1, true, "123456789", "123456789"},
        {"3;0", 0, true, "-1234", "(1,234)"},
        {"3;0", 2, true, "-5", "- 5"},
        {"3;0", 3, true, "-5", "5-"},
        {"3;0", 4, true, "-5", "5 -"},
        {"3;0", 1, false, "0.75", ".75"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.grouping) + " " + c.plain);
        std::string out;
        NumberLocale l = Locale(".", ",", c.leadingZero, c.grouping, c.negativeOrder);
        ASSERT_TRUE(RegroupNumber(c.plain, l, c.plain[0] == '0' ? 2 : 0, &out));
        EXPECT_EQ(out, c.expected);
    }
    std::string out = "kept";
    EXPECT_FALSE(RegroupNumber("inf", NumberLocale{}, 2, &out));
    EXPECT_FALSE(RegroupNumber("1e+300", NumberLocale{}, 2, &out));
    EXPECT_FALSE(RegroupNumber("", NumberLocale{}, 2, &out));
    EXPECT_EQ(out, "kept");
}

TEST(NumberFormat, FormatIsBoundedByTheBuffer) {
    const NumberLocale german = Locale(",", ".", true, "3;0", 1);
    char out[64];
    EXPECT_EQ(FormatNumberWithLocale(out, sizeof out, "%.3f", 1234.5678, 2, german), out);
    EXPECT_STREQ(out, "1.234,57");

    // The locale text does not fit: the bounded printf text stays.
    char small[8];
    memset(small, 'x', sizeof small);
    EXPECT_EQ(FormatNumberWithLocale(small, sizeof small, "%.1f", 1234567.0, 1, german), small);
    EXPECT_STREQ(small, "1234567");

    // 1e300 as "%f" is over 300 characters: no overflow, cut to the buffer.
    char tiny[16];
    EXPECT_EQ(FormatNumberWithLocale(tiny, sizeof tiny, "%f", 1e300, 2, german), tiny);
    EXPECT_EQ(strlen(tiny), sizeof tiny - 1);
    char big[512];
    FormatNumberWithLocale(big, sizeof big, "%f", 1e300, 0, german);
    EXPECT_EQ(strlen(big), 301u + 100u);  // 301 digits and 100 separators

    EXPECT_EQ(FormatNumberWithLocale(nullptr, 10, "%f", 1.0, 2, german), nullptr);
    EXPECT_EQ(FormatNumberWithLocale(out, 0, "%f", 1.0, 2, german), nullptr);
    EXPECT_EQ(FormatNumberWithLocale(out, -1, "%f", 1.0, 2, german), nullptr);
}

}  // namespace
