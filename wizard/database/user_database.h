// The user chemical database, "chemical.cdb": a bare array of ChemicalRecords
// with no header, a per-user copy made from the master beside the library.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "common/chemical_record.h"
#include "wizard/udl_file.h"

namespace parvell {

constexpr int kStringDatabaseCreateFailed = 1171;  // "Create file failed"
constexpr int kStringError = 1139;                 // "Error"

// Keys above this are generated for chemicals without a registry number.
constexpr uint32_t kLargestRegistryKey = 3999999999u;
constexpr uint32_t kFirstGeneratedKey = 4000000000u;
// A first part above this would make a key that overflows or lands among the
// generated keys.
constexpr uint32_t kLargestCasFirstPart = 3999999;

// Reads every whole record of path into records (text fields terminated);
// false, records empty, when the file cannot be read.
bool ReadUserChemicalDatabase(UdlIo& io, const std::string& path, std::vector<ChemicalRecord>& records);

// The per-user database path in pathOut; a missing per-user file is first
// copied from masterFolder's (never over an existing file). 1 the per-user
// file is there; 0 not, and pathOut is the master path.
int LocateUserChemicalDatabase(UdlIo& io, const std::string& masterFolder, std::string& pathOut);

// Writes count records over the database at path, through a temporary file, so
// a failure leaves the file as it was. Fewer records than the file holds are
// refused: records are never deleted, and a database that could not be read
// must not be overwritten by what little was read; nor is a file that is
// there but cannot be read. A failure shows string 1171
// captioned 1139. 1 written, 0 not.
int WriteUserChemicalDatabase(UdlIo& io, const std::string& path, const ChemicalRecord* records, int32_t count);

// 1 when no record but the one at skipIndex (-1: none) has key.
int IsKeyUnused(CasNumber key, const ChemicalRecord* records, int32_t count, int32_t skipIndex = -1);

// The next generated key; -1 when every generated key is taken.
int64_t NextGeneratedId(const ChemicalRecord* records, int32_t count);
// The first of first..last that keys lacks; -1 when there is none.
int64_t FirstUnusedKey(std::vector<uint32_t> keys, uint32_t first, uint32_t last);

// part1 * 1000 + part2 * 10 + check digit; 0 when part1 or part2 is out of range.
CasNumber CasKey(uint32_t part1, uint32_t part2, uint32_t checkDigit);
// The check digit of a registry number: its digits but the last, from the
// right, weighted 1, 2, 3, ..., summed, modulo 10.
uint32_t CasCheckDigit(uint32_t part1, uint32_t part2);
bool CasKeyIsValid(CasNumber key);

// What the chemical database dialog's OK checks, as entered.
struct ChemicalEntry {
    std::string name;
    std::string formula;  // stored form, with its marker bytes
    std::string description;
    uint32_t casPart1 = 0;  // above kLargestCasFirstPart is refused
    CasNumber key = 0;
    double molarMass = 0;
    double density = 0;
    double boilingCelsius = 0;
    double meltingCelsius = 0;
    double specificHeat = 0;
};

// The string id of the first check that fails, in the dialog's order; 0 when
// every check passes. editedIndex is the record being edited (-1 for a new one).
int FirstFailedChemicalCheck(const ChemicalEntry& entry, const ChemicalRecord* records, int32_t count,
                             int32_t editedIndex);

// The entry as dialog 115 reads it back from a stored record.
ChemicalEntry EntryOf(const ChemicalRecord& record);

}  // namespace parvell
