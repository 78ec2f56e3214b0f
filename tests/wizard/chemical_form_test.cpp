#include "wizard/database/chemical_form.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "tests/wizard/fake_udl_io.h"
#include "wizard/database/chemical_formula.h"
#include "wizard/database/master_chemicals.h"
#include "wizard/database/user_database.h"

namespace {

using namespace parvell;

std::vector<uint8_t> Bytes(const std::vector<ChemicalRecord>& records) {
    const uint8_t* p = reinterpret_cast<const uint8_t*>(records.data());
    return std::vector<uint8_t>(p, p + records.size() * sizeof(ChemicalRecord));
}

// What a student types for hydrochloric acid, under a key the master lacks.
ChemicalForm AcidForm() {
    ChemicalForm f = FormOf(ChemicalRecord{});
    f.name = "Hydrochloric acid";
    f.formula = "HCl";
    f.description = "A strong acid";
    f.casPart1 = "7647";
    f.casPart2 = "01";
    f.casCheckDigit = "9";
    f.molarMass = "36.46";
    f.density = "1.49";
    f.meltingCelsius = "-114";
    f.boilingCelsius = "-85";
    f.specificHeat = "0.8";
    return f;
}

// Opening any record of the master and pressing OK keeps every byte but the
// flag word, which starts again from "stock" and the two no-point bits.
TEST(ChemicalForm, AStoredRecordComesBackAsItWas) {
    std::vector<ChemicalRecord> master = MasterChemicals();
    ASSERT_FALSE(master.empty());
    for (size_t i = 0; i < master.size(); ++i) {
        ChemicalRecord expected = master[i];
        expected.flags = kChemStock | (expected.flags & (kChemNoMeltingPoint | kChemNoBoilingPoint));
        if (expected.state != kKindIon) expected.ionCharge = 0;
        ChemicalRecord out{};
        ASSERT_EQ(ChemicalRecordOfForm(FormOf(master[i]), master[i], master.data(), int32_t(master.size()),
                                       int32_t(i), &out),
                  0)
            << master[i].name;
        EXPECT_EQ(memcmp(&out, &expected, sizeof out), 0) << master[i].name;
    }
}

TEST(ChemicalForm, ANewRecordOpensEmptyAsAWhiteSolid) {
    ChemicalForm f = FormOf(ChemicalRecord{});
    EXPECT_TRUE(f.name.empty() && f.casPart1.empty() && f.molarMass.empty() && f.meltingCelsius.empty());
    EXPECT_EQ(f.state, kKindSolid);
    EXPECT_EQ(f.colour, 0xFFFFFFu);
    EXPECT_EQ(f.brushStyle, 0);
    EXPECT_FALSE(f.noCasNumber);

    ChemicalRecord generated{};
    generated.cas = 4000000124u;
    f = FormOf(generated);
    EXPECT_TRUE(f.noCasNumber);
    EXPECT_EQ(f.casPart1, "4000000");
    EXPECT_EQ(f.casPart2, "12");
    EXPECT_EQ(f.casCheckDigit, "4");

    ChemicalRecord water{};
    water.cas = kCasWater;
    water.meltingPoint = 273.15f;  // shown as the float's own decimals
    water.boilingPoint = 373;
    f = FormOf(water);
    EXPECT_EQ(f.meltingCelsius, "0.15");
    EXPECT_EQ(f.boilingCelsius, "100");
    EXPECT_EQ(f.casPart2, "18");
}

TEST(ChemicalForm, KeysFromTheThreeParts) {
    struct Case {
        bool generated;
        const char *part1, *part2, *digit;
        CasNumber key;
        uint32_t checkedFirstPart;
    };
    const Case cases[] = {
        {false, "7732", "18", "5", 7732185, 7732},
        {false, "7647", "1", "0", 7647010, 7647},
        {false, "3999999", "99", "9", 3999999999u, 3999999},
        {false, "4000000", "00", "0", 0, 4000000},  // among the generated keys
        {false, "", "", "", 0, 0},
        {false, "12a", "00", "0", 0, 0},
        {true, "4000000", "12", "4", 4000000124u, 0},
        {true, "4294967", "29", "5", 4294967295u, 0},
        {true, "4294967", "29", "6", 0, 0},  // beyond 32 bits
        {true, "7732", "18", "5", 0, 0},     // a registry number is no generated key
        {true, "", "", "", 0, 0},
    };
    for (const Case& c : cases) {
        ChemicalForm f;
        f.noCasNumber = c.generated;
        f.casPart1 = c.part1, f.casPart2 = c.part2, f.casCheckDigit = c.digit;
        uint32_t first = 99;
        EXPECT_EQ(KeyOfForm(f, &first), c.key) << c.part1 << "-" << c.part2 << "-" << c.digit;
        EXPECT_EQ(first, c.checkedFirstPart) << c.part1;
    }
}

TEST(ChemicalForm, TheChecksSeeWhatWasTyped) {
    std::vector<ChemicalRecord> records = MasterChemicals();
    const int32_t n = int32_t(records.size());
    struct Case {
        const char* what;
        void (*change)(ChemicalForm&);
        int expected;
    };
    const Case cases[] = {
        {"as typed", [](ChemicalForm&) {}, 0},
        {"blank name", [](ChemicalForm& f) { f.name = "   "; }, 1128},
        {"formula", [](ChemicalForm& f) { f.formula.clear(); }, 1129},
        {"description", [](ChemicalForm& f) { f.description = "\t"; }, 1130},
        {"first part too large", [](ChemicalForm& f) { f.casPart1 = "4000001"; }, 1131},
        {"no CAS RN, nothing generated", [](ChemicalForm& f) { f.noCasNumber = true; }, 1131},
        {"water's key", [](ChemicalForm& f) { f.casPart1 = "7732", f.casPart2 = "18", f.casCheckDigit = "5"; }, 1132},
        {"molar mass unreadable", [](ChemicalForm& f) { f.molarMass = "36.4.6"; }, 1133},
        {"molar mass beyond a float", [](ChemicalForm& f) { f.molarMass = "1e39"; }, 1133},
        {"density empty", [](ChemicalForm& f) { f.density.clear(); }, 1134},
        {"boiling -274", [](ChemicalForm& f) { f.boilingCelsius = "-274"; }, 1135},
        {"melting empty", [](ChemicalForm& f) { f.meltingCelsius = ""; }, 1136},
        {"melting -274", [](ChemicalForm& f) { f.meltingCelsius = "-274"; }, 1136},
        {"melting -273", [](ChemicalForm& f) { f.meltingCelsius = "-273"; }, 0},
        {"specific heat 0", [](ChemicalForm& f) { f.specificHeat = "0"; }, 1137},
        {"comma decimals", [](ChemicalForm& f) { f.density = " 1,49 "; }, 0},
    };
    for (const Case& c : cases) {
        ChemicalForm f = AcidForm();
        c.change(f);
        ChemicalRecord out{};
        out.cas = 1;
        EXPECT_EQ(ChemicalRecordOfForm(f, ChemicalRecord{}, records.data(), n, -1, &out), c.expected) << c.what;
        if (c.expected) EXPECT_EQ(out.cas, 1u) << c.what << ": a refusal leaves the record alone";
    }
}

TEST(ChemicalForm, OkWritesEveryField) {
    ChemicalRecord base{};
    base.flags = kChemUnknown | kChemCountedInUnits | 0x400;
    base.reactionRefs[2].line = 7;  // fields the dialog does not show stay
    base.ionCharge = 5;
    ChemicalForm f = AcidForm();
    f.state = kKindGas;
    f.ionCharge = "-2";  // not an ion: not kept
    f.noMeltingPoint = true;
    f.solubility273 = "82.3";
    f.solubility373 = "junk";
    f.colour = 0x00FF00;
    f.brushStyle = 3, f.patternId = 287;
    ChemicalRecord r{};
    ASSERT_EQ(ChemicalRecordOfForm(f, base, nullptr, 0, -1, &r), 0);
    EXPECT_EQ(r.cas, 7647019u);
    EXPECT_STREQ(r.name, "Hydrochloric acid");
    EXPECT_STREQ(r.formula, "HCl");
    EXPECT_EQ(r.flags, kChemStock | kChemNoMeltingPoint);
    EXPECT_EQ(r.state, kKindGas);
    EXPECT_EQ(r.ionCharge, 0);
    EXPECT_FLOAT_EQ(r.meltingPoint, 159);
    EXPECT_FLOAT_EQ(r.boilingPoint, 188);
    EXPECT_FLOAT_EQ(r.solubility273, 82.3f);
    EXPECT_EQ(r.solubility373, 0);
    EXPECT_EQ(r.databaseValue, 0.8);
    EXPECT_EQ(r.colour[1], 255);
    EXPECT_EQ(r.colour[0] + r.colour[2], 0);
    EXPECT_EQ(r.brushStyle, 3);
    EXPECT_EQ(r.patternId, 287);
    EXPECT_EQ(r.reactionRefs[2].line, 7);

    f.state = kKindIon;
    f.ionCharge = "-2";
    f.noMeltingPoint = false;
    f.noBoilingPoint = true;
    ASSERT_EQ(ChemicalRecordOfForm(f, base, nullptr, 0, -1, &r), 0);
    EXPECT_EQ(r.ionCharge, -2);
    EXPECT_EQ(r.flags, kChemStock | kChemNoBoilingPoint);
}

TEST(ChemicalForm, NumbersAsTextAndBack) {
    double v = 0;
    for (const char* bad : {"", "  ", "1.2.3", "abc", "1e400", "inf", "nan", "3e38x"})
        EXPECT_FALSE(ParseDecimalField(bad, &v)) << bad;
    ASSERT_TRUE(ParseDecimalField("  -12,5 ", &v));
    EXPECT_EQ(v, -12.5);
    for (float f : {1.49f, 36.46f, 0.1f, 18.0153f, 3.4e38f, -1.0f}) EXPECT_EQ(strtof(FloatText(f).c_str(), nullptr), f);
    EXPECT_EQ(FloatText(1.49f), "1.49");
    EXPECT_EQ(DoubleText(141.3), "141.3");
    EXPECT_EQ(DoubleText(0.1 + 0.2), "0.30000000000000004");
}

TEST(ChemicalForm, StoringTakesTheRecordsOnlyWhenTheFileWasWritten) {
    FakeUdlIo io;
    std::vector<ChemicalRecord> records = MasterChemicals();
    records.resize(3);
    io.files["db"] = Bytes(records);
    ChemicalRecord edited = records[1];
    edited.density = 9;

    io.failWrites = true;
    const std::vector<ChemicalRecord> before = records;
    EXPECT_EQ(StoreDatabaseRecord(io, "db", records, 1, edited), 0);
    EXPECT_EQ(StoreDatabaseRecord(io, "db", records, -1, edited), 0);
    EXPECT_EQ(Bytes(records), Bytes(before));
    EXPECT_EQ(io.files["db"], Bytes(before));
    EXPECT_EQ(io.boxes.size(), 2u);

    io.failWrites = false;
    EXPECT_EQ(StoreDatabaseRecord(io, "db", records, 1, edited), 1);  // in place
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[1].density, 9);
    ChemicalRecord added{};
    added.cas = 4000000001u;
    EXPECT_EQ(StoreDatabaseRecord(io, "db", records, -1, added), 1);  // appended
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(io.files["db"], Bytes(records));
}

TEST(ChemicalForm, ANewRecordGoesToThePerUserFileEvenWithoutAMaster) {
    FakeUdlIo io;
    ChemicalDatabaseFiles files = LocateChemicalDatabaseFiles(io, "C:\\Brevane");
    EXPECT_EQ(files.read, "C:\\Brevane\\chemical.cdb");
    EXPECT_EQ(files.write, io.InFolder("chemical.cdb"));
    io.folder.clear();
    EXPECT_EQ(LocateChemicalDatabaseFiles(io, "C:\\Brevane").write, "");
}

// A per-user file that is there but cannot be read is never written over.
class UnreadableDatabaseIo : public FakeUdlIo {
public:
    bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes) override {
        return path != "db" && FakeUdlIo::ReadWholeFile(path, bytes);
    }
};

TEST(ChemicalForm, AnUnreadableDatabaseIsNotOverwritten) {
    UnreadableDatabaseIo io;
    std::vector<ChemicalRecord> records = MasterChemicals();
    io.files["db"] = Bytes(records);
    std::vector<ChemicalRecord> none;
    ChemicalRecord added{};
    added.cas = 4000000001u;
    EXPECT_EQ(StoreDatabaseRecord(io, "db", none, -1, added), 0);
    EXPECT_EQ(io.files["db"], Bytes(records));
    ASSERT_EQ(io.boxes.size(), 1u);
    EXPECT_EQ(io.boxes[0], std::make_pair(1171, 1139));
    EXPECT_TRUE(none.empty());
}

TEST(ChemicalForm, TypedMarkerBytesAreNoFormulaCharacters) {
    std::vector<FormulaCharacter> typed = {{'H', FormulaShift::kBaseline},
                                           {char(kFormulaSuperscript), FormulaShift::kBaseline},
                                           {'2', FormulaShift::kSubscript},
                                           {char(kFormulaSubscript), FormulaShift::kSubscript},
                                           {'O', FormulaShift::kBaseline}};
    EXPECT_EQ(StoreFormula(typed), std::string("H\x7f" "2O"));
}

}  // namespace
