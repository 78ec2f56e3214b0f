#include "wizard/database/user_database.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "tests/wizard/fake_udl_io.h"

namespace {

using namespace parvell;

ChemicalRecord Keyed(CasNumber key) {
    ChemicalRecord r{};
    r.cas = key;
    snprintf(r.name, sizeof r.name, "chemical %u", unsigned(key));
    return r;
}

std::vector<uint8_t> Bytes(const std::vector<ChemicalRecord>& records) {
    const uint8_t* p = reinterpret_cast<const uint8_t*>(records.data());
    return std::vector<uint8_t>(p, p + records.size() * sizeof(ChemicalRecord));
}

TEST(UserDatabase, NextGeneratedId) {
    EXPECT_EQ(NextGeneratedId(nullptr, 0), 4000000001LL);
    std::vector<ChemicalRecord> small = {Keyed(7732185), Keyed(7647010)};
    EXPECT_EQ(NextGeneratedId(small.data(), 2), 4000000001LL);
    std::vector<ChemicalRecord> generated = {Keyed(7732185), Keyed(4000000123u), Keyed(4000000005u)};
    EXPECT_EQ(NextGeneratedId(generated.data(), 3), 4000000124LL);
    std::vector<ChemicalRecord> top = {Keyed(4294967295u), Keyed(4000000000u), Keyed(4000000001u),
                                       Keyed(4000000003u)};
    EXPECT_EQ(NextGeneratedId(top.data(), 4), 4000000002LL);
}

// The generated range is too large to fill in a test: the search is checked
// over a small range with the same code.
TEST(UserDatabase, TheSearchForAFreeKeyIsMinusOneWhenEveryKeyIsTaken) {
    EXPECT_EQ(FirstUnusedKey({12, 10, 11, 13}, 10, 13), -1);
    EXPECT_EQ(FirstUnusedKey({12, 10, 13, 10}, 10, 13), 11);
    EXPECT_EQ(FirstUnusedKey({5, 9, 10}, 10, 13), 11);
    EXPECT_EQ(FirstUnusedKey({}, 10, 13), 10);
    EXPECT_EQ(FirstUnusedKey({UINT32_MAX - 1}, UINT32_MAX - 1, UINT32_MAX - 1), -1);
}

TEST(UserDatabase, IsKeyUnusedPassesTheEditedRecordsOwnKey) {
    std::vector<ChemicalRecord> records = {Keyed(7732185), Keyed(7647010)};
    EXPECT_EQ(IsKeyUnused(7647010, records.data(), 2), 0);
    EXPECT_EQ(IsKeyUnused(7647010, records.data(), 2, 1), 1);
    EXPECT_EQ(IsKeyUnused(7647010, records.data(), 2, 0), 0);
    EXPECT_EQ(IsKeyUnused(1310732, records.data(), 2), 1);
}

TEST(UserDatabase, CasKeysAndCheckDigits) {
    EXPECT_EQ(CasCheckDigit(7732, 18), 5u);   // water 7732-18-5
    EXPECT_EQ(CasCheckDigit(7647, 1), 0u);    // hydrochloric acid 7647-01-0
    EXPECT_EQ(CasCheckDigit(1310, 73), 2u);   // sodium hydroxide 1310-73-2
    EXPECT_EQ(CasKey(7732, 18, 5), 7732185u);
    EXPECT_TRUE(CasKeyIsValid(7732185));
    EXPECT_FALSE(CasKeyIsValid(7732184));
    EXPECT_EQ(CasKey(3999999, 99, 9), 3999999999u);
    EXPECT_EQ(CasKey(4000000, 0, 0), 0u);  // would fall among generated keys
    EXPECT_EQ(CasKey(4294968, 0, 0), 0u);  // would overflow
    EXPECT_EQ(CasKey(12, 100, 0), 0u);
}

TEST(UserDatabase, TheTenChecksInTheirOrder) {
    std::vector<ChemicalRecord> records = {Keyed(7732185), Keyed(7647010)};
    ChemicalEntry good;
    good.name = "Hydrochloric acid";
    good.formula = "HCl";
    good.description = "A strong acid";
    good.casPart1 = 7647;
    good.key = 7647010;
    good.molarMass = 36.46;
    good.density = 1.19;
    good.boilingCelsius = -85;
    good.meltingCelsius = -114;
    good.specificHeat = 0.8;
    EXPECT_EQ(FirstFailedChemicalCheck(good, records.data(), 2, 1), 0);  // editing itself

    struct Case {
        const char* what;
        void (*change)(ChemicalEntry&);
        int expected;
    };
    const Case cases[] = {
        {"name", [](ChemicalEntry& e) { e.name.clear(); }, 1128},
        {"formula", [](ChemicalEntry& e) { e.formula.clear(); }, 1129},
        {"description", [](ChemicalEntry& e) { e.description.clear(); }, 1130},
        {"key 0", [](ChemicalEntry& e) { e.key = 0; }, 1131},
        {"first part too large", [](ChemicalEntry& e) { e.casPart1 = 4000000; }, 1131},
        {"key taken", [](ChemicalEntry& e) { e.key = 7732185; }, 1132},
        {"molar mass 0", [](ChemicalEntry& e) { e.molarMass = 0; }, 1133},
        {"molar mass NaN", [](ChemicalEntry& e) { e.molarMass = NAN; }, 1133},
        {"density", [](ChemicalEntry& e) { e.density = -1; }, 1134},
        {"boiling -274", [](ChemicalEntry& e) { e.boilingCelsius = -274; }, 1135},
        {"boiling -500", [](ChemicalEntry& e) { e.boilingCelsius = -500; }, 1135},
        {"melting -274", [](ChemicalEntry& e) { e.meltingCelsius = -274; }, 1136},
        {"specific heat", [](ChemicalEntry& e) { e.specificHeat = 0; }, 1137},
        {"boiling -273 passes", [](ChemicalEntry& e) { e.boilingCelsius = -273; }, 0},
        {"melting -273 passes", [](ChemicalEntry& e) { e.meltingCelsius = -273; }, 0},
        // The first failing check is the one shown.
        {"name and density", [](ChemicalEntry& e) { e.name.clear(), e.density = 0; }, 1128},
    };
    for (const Case& c : cases) {
        ChemicalEntry e = good;
        c.change(e);
        EXPECT_EQ(FirstFailedChemicalCheck(e, records.data(), 2, 1), c.expected) << c.what;
    }
    // A new record may not take an existing key.
    EXPECT_EQ(FirstFailedChemicalCheck(good, records.data(), 2, -1), 1132);
}

TEST(UserDatabase, ReadingTerminatesTextFieldsAndSkipsAPartialRecord) {
    FakeUdlIo io;
    ChemicalRecord r = Keyed(7732185);
    memset(r.name, 'n', sizeof r.name);
    memset(r.formula, 'f', sizeof r.formula);
    memset(r.description, 'd', sizeof r.description);
    memset(r.unknownName, 'u', sizeof r.unknownName);
    std::vector<uint8_t> bytes = Bytes({r});
    bytes.resize(bytes.size() + 2000, 0xAB);
    io.files["db"] = bytes;
    std::vector<ChemicalRecord> read;
    ASSERT_TRUE(ReadUserChemicalDatabase(io, "db", read));
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(strlen(read[0].name), sizeof r.name - 1);
    EXPECT_EQ(strlen(read[0].formula), sizeof r.formula - 1);
    EXPECT_EQ(strlen(read[0].description), sizeof r.description - 1);
    EXPECT_EQ(strlen(read[0].unknownName), sizeof r.unknownName - 1);
    EXPECT_FALSE(ReadUserChemicalDatabase(io, "none", read));
    EXPECT_TRUE(read.empty());
}

TEST(UserDatabase, FirstUseCopiesTheMaster) {
    FakeUdlIo io;
    io.files["C:\\Brevane\\chemical.cdb"] = Bytes({Keyed(7732185), Keyed(7647010)});
    std::string path;
    EXPECT_EQ(LocateUserChemicalDatabase(io, "C:\\Brevane", path), 1);
    EXPECT_EQ(path, io.InFolder("chemical.cdb"));
    EXPECT_EQ(io.files[path], io.files["C:\\Brevane\\chemical.cdb"]);
    // An existing per-user file is never overwritten by the master.
    io.files[path] = Bytes({Keyed(1)});
    EXPECT_EQ(LocateUserChemicalDatabase(io, "C:\\Brevane\\", path), 1);
    EXPECT_EQ(io.files[path].size(), sizeof(ChemicalRecord));
}

TEST(UserDatabase, WithNoMasterTheFirstNewRecordCreatesTheFile) {
    FakeUdlIo io;
    std::string path;
    EXPECT_EQ(LocateUserChemicalDatabase(io, "C:\\Brevane", path), 0);
    EXPECT_EQ(path, "C:\\Brevane\\chemical.cdb");
    // The dialog writes to the per-user file all the same.
    std::string personal = io.InFolder("chemical.cdb");
    std::vector<ChemicalRecord> records;
    ReadUserChemicalDatabase(io, path, records);
    records.push_back(Keyed(NextGeneratedId(records.data(), 0)));
    EXPECT_EQ(WriteUserChemicalDatabase(io, personal, records.data(), 1), 1);
    EXPECT_EQ(io.files[personal], Bytes(records));
    EXPECT_TRUE(io.boxes.empty());
}

TEST(UserDatabase, AFailedWriteLeavesTheFileAndSaysSo) {
    FakeUdlIo io;
    std::vector<ChemicalRecord> records = {Keyed(7732185), Keyed(7647010)};
    io.files["db"] = Bytes(records);
    const std::vector<uint8_t> before = io.files["db"];
    records.push_back(Keyed(1310732));
    io.failWrites = true;
    EXPECT_EQ(WriteUserChemicalDatabase(io, "db", records.data(), 3), 0);
    EXPECT_EQ(io.files["db"], before);
    ASSERT_EQ(io.boxes.size(), 1u);
    EXPECT_EQ(io.boxes[0], std::make_pair(1171, 1139));
}

TEST(UserDatabase, FewerRecordsThanTheFileHoldsAreRefused) {
    FakeUdlIo io;
    std::vector<ChemicalRecord> records = {Keyed(7732185), Keyed(7647010)};
    io.files["db"] = Bytes(records);
    const std::vector<uint8_t> before = io.files["db"];
    EXPECT_EQ(WriteUserChemicalDatabase(io, "db", records.data(), 1), 0);
    EXPECT_EQ(WriteUserChemicalDatabase(io, "db", nullptr, 0), 0);
    EXPECT_EQ(io.files["db"], before);
    records[1].density = 2;
    EXPECT_EQ(WriteUserChemicalDatabase(io, "db", records.data(), 2), 1);
    EXPECT_EQ(io.files["db"], Bytes(records));
}

}  // namespace
