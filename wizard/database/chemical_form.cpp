#include "wizard/database/chemical_form.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "wizard/database/colour_choices.h"
#include "wizard/database/user_database.h"

namespace parvell {

namespace {

constexpr PatternChoice kPatterns[] = {
    {nullptr, 0, 0},      {"grey", 3, 282},     {"crystal1", 3, 284}, {"crystal2", 3, 285},
    {"crystal3", 3, 286}, {"shot", 3, 287},     {"closepack", 3, 288},
};

constexpr double kCelsiusToKelvin = 273.0;

template <size_t N>
std::string Bounded(const char (&field)[N]) {
    return std::string(field, strnlen(field, N));
}

template <size_t N>
void Store(char (&field)[N], const std::string& text) {
    memset(field, 0, N);
    memcpy(field, text.data(), std::min(text.size(), N - 1));
}

std::string Trimmed(const std::string& text) {
    size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// A number the checks look at: unreadable text fails them as NaN does.
double Checked(const std::string& text) {
    double value;
    return ParseDecimalField(text, &value) ? value : NAN;
}

// A number no check looks at: unreadable text stores 0.
double Unchecked(const std::string& text) {
    double value;
    return ParseDecimalField(text, &value) ? value : 0;
}

uint64_t Digits(const std::string& text) {
    std::string t = Trimmed(text);
    if (t.empty() || t.size() > 10 || t.find_first_not_of("0123456789") != std::string::npos) return 0;
    return strtoull(t.c_str(), nullptr, 10);
}

// A Celsius text from a stored kelvin float: through the float's own shortest
// text, so 273.15 K shows as 0.15 and not as 0.149994.
std::string CelsiusText(float kelvin) {
    double celsius = strtod(FloatText(kelvin).c_str(), nullptr) - kCelsiusToKelvin;
    char text[32];
    snprintf(text, sizeof text, "%.9g", celsius);
    return text;
}

}  // namespace

const PatternChoice* PatternChoices() { return kPatterns; }
int PatternChoiceCount() { return int(sizeof kPatterns / sizeof kPatterns[0]); }

bool ParseDecimalField(const std::string& text, double* value) {
    std::string t = Trimmed(text);
    if (t.empty()) return false;
    if (t.find('.') == std::string::npos) {
        size_t comma = t.find(',');
        if (comma != std::string::npos) t[comma] = '.';
    }
    char* end = nullptr;
    double v = strtod(t.c_str(), &end);
    // Every field lands in a float or beside them: beyond a float's range
    // it would be stored as infinity.
    if (end != t.c_str() + t.size() || !std::isfinite(v) || std::fabs(v) > FLT_MAX) return false;
    *value = v;
    return true;
}

std::string FloatText(float value) {
    char text[32];
    for (int digits = 6; digits <= 9; ++digits) {
        snprintf(text, sizeof text, "%.*g", digits, double(value));
        if (strtof(text, nullptr) == value) break;
    }
    return text;
}

std::string DoubleText(double value) {
    char text[40];
    for (int digits = 6; digits <= 17; ++digits) {
        snprintf(text, sizeof text, "%.*g", digits, value);
        if (strtod(text, nullptr) == value) break;
    }
    return text;
}

void ShowKeyInForm(uint32_t key, ChemicalForm& form) {
    char text[16];
    snprintf(text, sizeof text, "%u", unsigned(key / 1000));
    form.casPart1 = text;
    snprintf(text, sizeof text, "%02u", unsigned(key / 10 % 100));
    form.casPart2 = text;
    snprintf(text, sizeof text, "%u", unsigned(key % 10));
    form.casCheckDigit = text;
}

ChemicalForm FormOf(const ChemicalRecord& r) {
    ChemicalForm f;
    f.name = Bounded(r.name);
    f.formula = Bounded(r.formula);
    f.description = Bounded(r.description);
    f.noCasNumber = r.cas > kLargestRegistryKey;
    if (r.cas) ShowKeyInForm(r.cas, f);
    const bool stored = r.cas != 0;  // a new record opens with empty numbers
    if (stored) {
        f.molarMass = FloatText(r.molarMass);
        f.density = FloatText(r.density);
        f.meltingCelsius = CelsiusText(r.meltingPoint);
        f.boilingCelsius = CelsiusText(r.boilingPoint);
        f.solubility273 = FloatText(r.solubility273);
        f.solubility373 = FloatText(r.solubility373);
        f.specificHeat = DoubleText(r.databaseValue);
        f.colour = ColourValueOf(r.colour);
        f.brushStyle = r.brushStyle;
        f.patternId = r.patternId;
        f.state = r.state;
    }
    if (f.state == kKindIon) f.ionCharge = DoubleText(r.ionCharge);
    f.noMeltingPoint = (r.flags & kChemNoMeltingPoint) != 0;
    f.noBoilingPoint = (r.flags & kChemNoBoilingPoint) != 0;
    return f;
}

CasNumber KeyOfForm(const ChemicalForm& form, uint32_t* casPart1) {
    uint64_t part1 = Digits(form.casPart1), part2 = Digits(form.casPart2), check = Digits(form.casCheckDigit);
    if (casPart1) *casPart1 = 0;
    if (form.noCasNumber) {
        if (part2 > 99 || check > 9) return 0;
        uint64_t key = part1 * 1000 + part2 * 10 + check;
        return key > kLargestRegistryKey && key <= UINT32_MAX ? CasNumber(key) : 0;
    }
    if (part1 > UINT32_MAX || part2 > 99 || check > 9) return 0;
    if (casPart1) *casPart1 = uint32_t(part1);
    return CasKey(uint32_t(part1), uint32_t(part2), uint32_t(check));
}

int ChemicalRecordOfForm(const ChemicalForm& f, const ChemicalRecord& base, const ChemicalRecord* records,
                         int32_t count, int32_t editedIndex, ChemicalRecord* out) {
    ChemicalEntry entry;
    entry.name = Trimmed(f.name);
    entry.formula = f.formula;
    entry.description = Trimmed(f.description);
    entry.key = KeyOfForm(f, &entry.casPart1);
    entry.molarMass = Checked(f.molarMass);
    entry.density = Checked(f.density);
    entry.boilingCelsius = Checked(f.boilingCelsius);
    entry.meltingCelsius = Checked(f.meltingCelsius);
    entry.specificHeat = Checked(f.specificHeat);
    int failed = FirstFailedChemicalCheck(entry, records, count, editedIndex);
    if (failed) return failed;

    ChemicalRecord r = base;
    r.cas = entry.key;
    Store(r.name, entry.name);
    Store(r.formula, entry.formula);
    Store(r.description, entry.description);
    r.flags = kChemStock;
    if (f.noMeltingPoint) r.flags |= kChemNoMeltingPoint;
    if (f.noBoilingPoint) r.flags |= kChemNoBoilingPoint;
    r.state = f.state;
    r.ionCharge = f.state == kKindIon ? Unchecked(f.ionCharge) : 0;
    r.molarMass = float(entry.molarMass);
    r.density = float(entry.density);
    r.meltingPoint = float(entry.meltingCelsius + kCelsiusToKelvin);
    r.boilingPoint = float(entry.boilingCelsius + kCelsiusToKelvin);
    r.solubility273 = float(Unchecked(f.solubility273));
    r.solubility373 = float(Unchecked(f.solubility373));
    r.databaseValue = entry.specificHeat;
    StoreColourValue(f.colour, r.colour);
    r.zero267 = 0;
    r.brushStyle = f.brushStyle;
    r.patternId = f.patternId;
    *out = r;
    return 0;
}

int StoreDatabaseRecord(UdlIo& io, const std::string& path, std::vector<ChemicalRecord>& records,
                        int32_t editedIndex, const ChemicalRecord& record) {
    std::vector<ChemicalRecord> changed = records;
    if (editedIndex >= 0 && size_t(editedIndex) < changed.size())
        changed[size_t(editedIndex)] = record;
    else
        changed.push_back(record);
    if (!WriteUserChemicalDatabase(io, path, changed.data(), int32_t(changed.size()))) return 0;
    records.swap(changed);
    return 1;
}

ChemicalDatabaseFiles LocateChemicalDatabaseFiles(UdlIo& io, const std::string& masterFolder) {
    ChemicalDatabaseFiles files;
    LocateUserChemicalDatabase(io, masterFolder, files.read);
    std::string folder = io.PerUserFolder();
    if (!folder.empty()) files.write = folder + "\\" + kUserChemicalDatabaseName;
    return files;
}

}  // namespace parvell
