#include "app/settings/number_format.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// "3;2;0" -> sizes {3, 2}, the last repeating; "3" -> {3} once; "0" -> none.
void ParseGrouping(const std::string& text, std::vector<int>* sizes, bool* repeatLast) {
    sizes->clear();
    *repeatLast = false;
    std::vector<int> parts;
    size_t at = 0;
    for (;;) {
        size_t end = text.find(';', at);
        if (end == std::string::npos) end = text.size();
        int n = 0;
        for (size_t i = at; i < end; ++i)
            if (text[i] >= '0' && text[i] <= '9' && n < 10) n = n * 10 + (text[i] - '0');
        parts.push_back(n);
        if (end == text.size()) break;
        at = end + 1;
    }
    if (parts.size() > 1 && parts.back() == 0) {
        *repeatLast = true;
        parts.pop_back();
    }
    for (int n : parts) {
        if (n == 0) break;
        sizes->push_back(n);
    }
    if (sizes->empty()) *repeatLast = false;
}

// Adds one to a string of decimal digits; returns true on a carry out.
bool IncrementDigits(std::string& digits) {
    for (size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return false;
        }
        digits[i] = '0';
    }
    return true;
}

std::string GroupInteger(const std::string& integer, const NumberLocale& locale) {
    std::vector<int> sizes;
    bool repeat = false;
    ParseGrouping(locale.grouping, &sizes, &repeat);
    if (sizes.empty()) return integer;
    std::vector<std::string> groups;  // from the right
    size_t remaining = integer.size();
    size_t k = 0;
    while (remaining > 0) {
        int size;
        if (k < sizes.size()) size = sizes[k];
        else if (repeat) size = sizes.back();
        else size = 0;
        if (size == 0 || static_cast<size_t>(size) >= remaining) {
            groups.push_back(integer.substr(0, remaining));
            break;
        }
        groups.push_back(integer.substr(remaining - size, size));
        remaining -= size;
        ++k;
    }
    std::string out;
    for (size_t i = groups.size(); i-- > 0;) {
        out += groups[i];
        if (i > 0) out += locale.thousandSeparator;
    }
    return out;
}

}  // namespace

bool RegroupNumber(const std::string& plain, const NumberLocale& locale, int digits,
                   std::string* out) {
    if (digits < 0) digits = 0;
    if (digits > 9) digits = 9;
    size_t at = 0;
    while (at < plain.size() && plain[at] == ' ') ++at;
    bool negative = false;
    if (at < plain.size() && (plain[at] == '-' || plain[at] == '+')) negative = plain[at++] == '-';
    std::string integer, fraction;
    bool seenPoint = false;
    for (; at < plain.size(); ++at) {
        char c = plain[at];
        if (c >= '0' && c <= '9') (seenPoint ? fraction : integer) += c;
        else if (c == '.' && !seenPoint) seenPoint = true;
        else return false;
    }
    if (integer.empty() && fraction.empty()) return false;

    // Round to the requested fraction digits.
    bool roundUp = fraction.size() > static_cast<size_t>(digits) && fraction[digits] >= '5';
    fraction.resize(digits, '0');
    if (roundUp) {
        std::string all = integer + fraction;
        if (IncrementDigits(all)) all.insert(all.begin(), '1');
        integer = all.substr(0, all.size() - fraction.size());
        fraction = all.substr(all.size() - fraction.size());
    }
    integer.erase(0, integer.find_first_not_of('0'));  // npos erases all
    if (integer.empty() && locale.leadingZero) integer.push_back('0');
    if (fraction.find_first_not_of('0') == std::string::npos && integer.find_first_not_of('0') == std::string::npos)
        negative = false;  // no "-0"

    std::string body = GroupInteger(integer, locale);
    if (digits > 0) body += locale.decimalSeparator + fraction;
    if (negative) {
        switch (locale.negativeOrder) {
        case 0: body = "(" + body + ")"; break;
        case 2: body = "- " + body; break;
        case 3: body = body + "-"; break;
        case 4: body = body + " -"; break;
        default: body = "-" + body; break;
        }
    }
    *out = body;
    return true;
}

char* FormatNumberWithLocale(char* out, int size, const char* format, double value, int digits,
                             const NumberLocale& locale) {
    if (!out || size <= 0) return nullptr;
    if (!format) {
        out[0] = '\0';
        return out;
    }
    // Measure first: "%f" of 1e300 is over 300 characters.
    int needed = snprintf(nullptr, 0, format, value);
    if (needed < 0) {
        out[0] = '\0';
        return out;
    }
    std::string plain(static_cast<size_t>(needed) + 1, '\0');
    snprintf(plain.data(), plain.size(), format, value);
    plain.resize(static_cast<size_t>(needed));
    snprintf(out, static_cast<size_t>(size), "%s", plain.c_str());

    std::string localised;
    if (RegroupNumber(plain, locale, digits, &localised) &&
        localised.size() < static_cast<size_t>(size))
        memcpy(out, localised.c_str(), localised.size() + 1);
    return out;
}
