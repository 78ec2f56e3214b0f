// The chemical database dialog as values: what its controls hold when a
// record opens in it, and the record its OK makes, after the ten checks.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "common/chemical_record.h"
#include "wizard/udl_file.h"

namespace parvell {

constexpr int kStringSolidPattern = 8;  // "solid"

struct PatternChoice {
    const char* name;  // null for the first entry, whose text is string 8
    int32_t brushStyle;
    int32_t patternId;
};

// "solid" (brush 0, pattern 0) first, then the picture patterns (brush 3).
const PatternChoice* PatternChoices();
int PatternChoiceCount();

// The controls' contents; numbers as typed.
struct ChemicalForm {
    std::string name;
    std::string formula;  // stored form, with its marker bytes
    std::string description;
    bool noCasNumber = false;  // the key is a generated one, shown in the three parts
    std::string casPart1, casPart2, casCheckDigit;
    std::string molarMass, density;
    int32_t state = kKindSolid;
    std::string ionCharge;  // read for ions only
    bool noMeltingPoint = false, noBoilingPoint = false;
    std::string meltingCelsius, boilingCelsius;
    std::string solubility273, solubility373;
    std::string specificHeat;
    uint32_t colour = 0xFFFFFF;  // 0x00BBGGRR
    int32_t brushStyle = 0, patternId = 0;
};

// The form a stored record opens as; a zeroed record gives the empty form of
// a new chemical (white, solid, solid fill).
ChemicalForm FormOf(const ChemicalRecord& record);

// The key the three parts make: a registry number (CasKey) unless
// noCasNumber, then the generated key they spell, which must lie above the
// registry range. 0 when they make none. casPart1 receives the first part
// the registry-number check looks at (0 for a generated key).
CasNumber KeyOfForm(const ChemicalForm& form, uint32_t* casPart1);

// The three parts that spell key (the second always two digits).
void ShowKeyInForm(uint32_t key, ChemicalForm& form);

// A typed decimal number, with '.' or ',' as its point and spaces around it;
// false for an empty or unreadable one, or one beyond a float's range.
bool ParseDecimalField(const std::string& text, double* value);
// The shortest text that reads back as the same float or double.
std::string FloatText(float value);
std::string DoubleText(double value);

// OK: the ten checks in their order over the entered values, then the record
// (a copy of base with the dialog's fields written and its flag word reset to
// stock plus the no-melting and no-boiling bits). Returns the string id of
// the first failing check, out untouched; 0 when out holds the record.
// editedIndex is the edited record's position in records, -1 for a new one.
int ChemicalRecordOfForm(const ChemicalForm& form, const ChemicalRecord& base, const ChemicalRecord* records,
                         int32_t count, int32_t editedIndex, ChemicalRecord* out);

// Writes record at editedIndex (or appends it for -1) into a copy of records,
// rewrites the database at path from that copy, and only then takes the copy:
// after a failed write the records are what the file still holds. 1 / 0.
int StoreDatabaseRecord(UdlIo& io, const std::string& path, std::vector<ChemicalRecord>& records,
                        int32_t editedIndex, const ChemicalRecord& record);

// Where the database is read from and written to: read is the located file
// (the master when no per-user copy could be made), write always the
// per-user file, so a first new record creates it. write is empty when there
// is no per-user folder.
struct ChemicalDatabaseFiles {
    std::string read;
    std::string write;
};
ChemicalDatabaseFiles LocateChemicalDatabaseFiles(UdlIo& io, const std::string& masterFolder);

}  // namespace parvell
