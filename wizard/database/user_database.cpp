#include "wizard/database/user_database.h"

#include <algorithm>
#include <cstring>

namespace parvell {

namespace {

template <size_t N>
void Terminate(char (&field)[N]) {
    field[N - 1] = '\0';
}

std::string MasterPath(const std::string& folder) {
    if (folder.empty()) return kUserChemicalDatabaseName;
    char last = folder.back();
    return folder + (last == '\\' || last == '/' ? "" : "\\") + kUserChemicalDatabaseName;
}

// Absolute zero in whole degrees, as the dialog stores kelvin = Celsius + 273.
constexpr double kLowestCelsius = -273.0;

}  // namespace

bool ReadUserChemicalDatabase(UdlIo& io, const std::string& path, std::vector<ChemicalRecord>& records) {
    records.clear();
    std::vector<uint8_t> bytes;
    if (!io.ReadWholeFile(path, bytes)) return false;
    size_t count = bytes.size() / sizeof(ChemicalRecord);
    records.resize(count);
    if (count) memcpy(records.data(), bytes.data(), count * sizeof(ChemicalRecord));
    for (ChemicalRecord& r : records) {
        Terminate(r.formula);
        Terminate(r.name);
        Terminate(r.description);
        Terminate(r.unknownName);
    }
    return true;
}

int LocateUserChemicalDatabase(UdlIo& io, const std::string& masterFolder, std::string& pathOut) {
    std::string master = MasterPath(masterFolder);
    std::string folder = io.PerUserFolder();
    if (folder.empty()) {
        pathOut = master;
        return 0;
    }
    std::string personal = folder + "\\" + kUserChemicalDatabaseName;
    if (io.FileExists(personal)) {
        pathOut = personal;
        return 1;
    }
    std::vector<uint8_t> bytes;
    if (io.ReadWholeFile(master, bytes) && io.WriteWholeFile(personal, bytes.data(), bytes.size())) {
        pathOut = personal;
        return 1;
    }
    pathOut = master;
    return 0;
}

int WriteUserChemicalDatabase(UdlIo& io, const std::string& path, const ChemicalRecord* records, int32_t count) {
    if (count < 0 || (count > 0 && !records)) return 0;
    std::vector<uint8_t> present;
    bool read = io.ReadWholeFile(path, present);
    // A file that is there but cannot be read (locked, no access) holds
    // records nobody has seen: never write over it.
    if ((!read && io.FileExists(path)) || present.size() / sizeof(ChemicalRecord) > size_t(count)) {
        io.ShowMessage(kStringDatabaseCreateFailed, kStringError);
        return 0;
    }
    if (!io.WriteWholeFile(path, records, size_t(count) * sizeof(ChemicalRecord))) {
        io.ShowMessage(kStringDatabaseCreateFailed, kStringError);
        return 0;
    }
    return 1;
}

int IsKeyUnused(CasNumber key, const ChemicalRecord* records, int32_t count, int32_t skipIndex) {
    for (int32_t i = 0; i < count; ++i)
        if (i != skipIndex && records[i].cas == key) return 0;
    return 1;
}

int64_t NextGeneratedId(const ChemicalRecord* records, int32_t count) {
    if (count <= 0 || !records) return int64_t(kFirstGeneratedKey) + 1;
    uint32_t largest = 0;
    for (int32_t i = 0; i < count; ++i) largest = std::max(largest, uint32_t(records[i].cas));
    if (largest < UINT32_MAX) return int64_t(std::max(kFirstGeneratedKey, largest)) + 1;
    // The top key is taken: the first free one from the bottom of the range.
    std::vector<uint32_t> keys;
    for (int32_t i = 0; i < count; ++i) keys.push_back(records[i].cas);
    return FirstUnusedKey(std::move(keys), kFirstGeneratedKey, UINT32_MAX - 1);
}

int64_t FirstUnusedKey(std::vector<uint32_t> keys, uint32_t first, uint32_t last) {
    std::sort(keys.begin(), keys.end());
    uint64_t candidate = first;
    for (uint32_t key : keys) {
        if (key < candidate) continue;
        if (key > candidate) break;
        ++candidate;
    }
    return candidate <= last ? int64_t(candidate) : -1;
}

uint32_t CasCheckDigit(uint32_t part1, uint32_t part2) {
    uint32_t digits = part1 * 100 + part2;  // part2 is two digits
    uint32_t sum = 0;
    for (uint32_t weight = 1; digits; ++weight, digits /= 10) sum += (digits % 10) * weight;
    return sum % 10;
}

CasNumber CasKey(uint32_t part1, uint32_t part2, uint32_t checkDigit) {
    if (part1 == 0 || part1 > kLargestCasFirstPart || part2 > 99 || checkDigit > 9) return 0;
    return part1 * 1000 + part2 * 10 + checkDigit;
}

bool CasKeyIsValid(CasNumber key) {
    if (key < 10000 || key > kLargestRegistryKey) return false;
    uint32_t part1 = key / 1000, part2 = key / 10 % 100;
    return CasCheckDigit(part1, part2) == key % 10;
}

int FirstFailedChemicalCheck(const ChemicalEntry& e, const ChemicalRecord* records, int32_t count,
                             int32_t editedIndex) {
    if (e.name.empty()) return 1128;
    if (e.formula.empty()) return 1129;
    if (e.description.empty()) return 1130;
    if (e.key == 0 || e.casPart1 > kLargestCasFirstPart) return 1131;
    if (!IsKeyUnused(e.key, records, count, editedIndex)) return 1132;
    if (!(e.molarMass > 0)) return 1133;
    if (!(e.density > 0)) return 1134;
    if (!(e.boilingCelsius >= kLowestCelsius)) return 1135;
    if (!(e.meltingCelsius >= kLowestCelsius)) return 1136;
    if (!(e.specificHeat > 0)) return 1137;
    return 0;
}

ChemicalEntry EntryOf(const ChemicalRecord& r) {
    ChemicalEntry e;
    e.name.assign(r.name, strnlen(r.name, sizeof r.name));
    e.formula.assign(r.formula, strnlen(r.formula, sizeof r.formula));
    e.description.assign(r.description, strnlen(r.description, sizeof r.description));
    e.key = r.cas;
    e.casPart1 = r.cas <= kLargestRegistryKey ? r.cas / 1000 : 0;
    e.molarMass = r.molarMass;
    e.density = r.density;
    e.boilingCelsius = double(r.boilingPoint) - 273.0;
    e.meltingCelsius = double(r.meltingPoint) - 273.0;
    e.specificHeat = r.databaseValue;
    return e;
}

}  // namespace parvell
