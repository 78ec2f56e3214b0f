// labsim over a lab file: the JSON dump, the written lab file, bad input.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <limits>
#include <fstream>
#include <iterator>
#include <sstream>

#include "app/documents/lab_file_templates.h"
#include "bench/catalogue/equipment_catalogue.h"
#include "bench/model/contents.h"
#include "tests/app/lab_file_fixtures.h"
#include "tests/labsim/labsim_runner.h"
#include "tools/labsim/labsim_run.h"

namespace {

std::vector<uint8_t> ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), {});
}

}  // namespace

TEST(Labsim, DumpsJsonAndWritesALabFileTheProgramOpens) {
    // A beaker, a flask and a test tube from the catalogue, saved as the program saves.
    std::vector<LabObject> bench(4);
    const int32_t types[] = {3, 4, 3};
    for (int32_t i = 1; i <= 3; ++i) {
        bench[size_t(i)] = EquipmentPrototype(types[i - 1], false);
        bench[size_t(i)].position.left += 200 * i;
        bench[size_t(i)].position.right += 200 * i;
    }
    bench[1].liquidColour[0] = 200;
    bench[1].liquidColour[1] = 10;
    bench[1].liquidColour[2] = 20;
    bench[1].slots[1].cas = 7647145;
    bench[1].slots[1].grams = 2.5;
    TitrationData data = MakeDataset(4);
    const auto input = EncodeLabFile(3, "OLVARIS.DLL", "", bench.data(), "{\\rtf1 notes}", &data,
                                     1, 0, false, CatalogueLabFileTemplates());
    const std::string in = WriteFixture("labsim_in.lab", input);
    const std::string out = testing::TempDir() + "labsim_out.lab";

    const LabsimRun run = Labsim({in, "--json", "--out", out});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("{\"module\": \"OLVARIS.DLL\", \"objects\": ["), std::string::npos);
    EXPECT_NE(run.out.find("\"index\": 3, \"type\": 3"), std::string::npos);
    EXPECT_NE(run.out.find("\"liquid_colour\": [200, 10, 20]"), std::string::npos);
    EXPECT_NE(run.out.find("{\"cas\": 7647145, \"phase\": 0, \"grams\": 2.5,"),
              std::string::npos);
    EXPECT_EQ(run.out.find("\"index\": 4"), std::string::npos);

    // Saved as the program saves: the same bytes as the file it read.
    const auto written = ReadAll(out);
    EXPECT_TRUE(written == input) << written.size() << " bytes written, " << input.size() << " read";
    LabDocument doc;
    EXPECT_EQ(DecodeLabFile(written.data(), written.size(), LabFileReadContext{}, &doc),
              LabFileError::kNone);
    EXPECT_EQ(doc.datasets.size(), 1u);
    std::remove(in.c_str());
    std::remove(out.c_str());
}

TEST(Labsim, ModuleOptionRenamesTheLab) {
    const std::string in = WriteFixture("labsim_module.lab", EncodeBench(MakeBench(1), nullptr, 0, false));
    const LabsimRun run = Labsim({in, "--module", "tessaly", "--ticks", "10"});
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("{\"module\": \"TESSALY.DLL\"", 0), 0u);
    std::remove(in.c_str());
}

TEST(Labsim, BadInputGetsOneLineAndStatusTwo) {
    auto damaged = EncodeBench(MakeBench(2), nullptr, 0, false);
    damaged[8] = 60;  // object count
    const std::string bad = WriteFixture("labsim_bad.lab", damaged);
    const std::string good = WriteFixture("labsim_good.lab", EncodeBench(MakeBench(1), nullptr, 0, false));
    const std::vector<std::vector<std::string>> cases = {
        {},
        {bad},
        {testing::TempDir() + "labsim_missing.lab"},
        {good, "--ticks", "-3"},
        {good, "--ticks"},
        {good, "--module", "NOSUCH.DLL"},
        {good, "--colour"},
        {good, "--out", testing::TempDir() + "no_such_folder/x.lab"},
    };
    for (const auto& args : cases) {
        const LabsimRun run = Labsim(args);
        EXPECT_EQ(run.status, 2) << (args.empty() ? "" : args.back());
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_EQ(run.err.rfind("labsim: ", 0), 0u);
    }
    std::remove(bad.c_str());
    std::remove(good.c_str());
}

TEST(Labsim, TicksRunTheSimulation) {
    std::vector<LabObject> bench(2);
    bench[1] = EquipmentPrototype(kBeaker, false);
    bench[1].slots[0].cas = kCasWater;
    bench[1].slots[0].phase = kPhaseLiquid;
    bench[1].slots[0].grams = 100.0;
    bench[1].slots[0].kelvin = 353.0;
    bench[1].liquidVolume = 1000.0;
    bench[1].temperature = 353.0f;
    const std::string in = WriteFixture("labsim_tick.lab",
                                        EncodeLabFile(1, "OLVARIS.DLL", "", bench.data(), "", nullptr, 0, 0,
                                                      false, CatalogueLabFileTemplates()));
    const std::string out = testing::TempDir() + "labsim_tick_out.lab";
    const LabsimRun run = Labsim({in, "--ticks", "50", "--out", out});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err.find("not linked"), std::string::npos);
    const auto written = ReadAll(out);
    LabDocument doc;
    ASSERT_EQ(DecodeLabFile(written.data(), written.size(), LabFileReadContext{}, &doc), LabFileError::kNone);
    // Ten heavy steps of cooling toward the room.
    EXPECT_LT(doc.objects[1].temperature, 353.0f - 0.1f);
    EXPECT_GT(doc.objects[1].temperature, 293.0f);
    std::remove(in.c_str());
    std::remove(out.c_str());
}

namespace {

// A strict reader of JSON's grammar; numbers must be finite. True when the
// whole text is one value.
class JsonChecker {
public:
    explicit JsonChecker(const std::string& text) : s_(text) {}
    bool Whole() {
        if (!Value()) return false;
        Space();
        return at_ == s_.size();
    }

private:
    void Space() {
        while (at_ < s_.size() && std::isspace(static_cast<unsigned char>(s_[at_]))) ++at_;
    }
    bool Take(char c) {
        Space();
        if (at_ < s_.size() && s_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }
    bool Value() {
        Space();
        if (at_ >= s_.size()) return false;
        const char c = s_[at_];
        if (c == '{') return Members('}', true);
        if (c == '[') return Members(']', false);
        if (c == '"') return String();
        return Number();
    }
    bool Members(char close, bool named) {
        ++at_;
        if (Take(close)) return true;
        do {
            if (named && !(String() && Take(':'))) return false;
            if (!Value()) return false;
        } while (Take(','));
        return Take(close);
    }
    bool String() {
        Space();
        if (at_ >= s_.size() || s_[at_] != '"') return false;
        for (++at_; at_ < s_.size(); ++at_) {
            if (s_[at_] == '\\') ++at_;
            else if (s_[at_] == '"') return ++at_, true;
        }
        return false;
    }
    bool Number() {
        const size_t start = at_;
        if (at_ < s_.size() && s_[at_] == '-') ++at_;
        while (at_ < s_.size() && std::strchr("0123456789.eE+-", s_[at_])) ++at_;
        if (at_ == start) return false;
        const double v = std::strtod(s_.substr(start, at_ - start).c_str(), nullptr);
        return std::isfinite(v);
    }
    const std::string& s_;
    size_t at_ = 0;
};

}  // namespace

// NaN and infinity in every floating field the simulation reads: the reader
// mends them, ten ticks spread nothing, and the dump is JSON.
TEST(Labsim, NonFiniteFieldsNeverReachTheDump) {
    const double values[] = {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity()};
    std::vector<LabObject> bench(4);
    for (int32_t i = 1; i <= 3; ++i) {
        LabObject& o = bench[size_t(i)];
        o = EquipmentPrototype(kBeaker, false);
        o.position.left += 250 * i;
        o.position.right += 250 * i;
        AddComponent(o, kCasWater, kPhaseLiquid, 50, 300);
        o.liquidVolume = 500;
        const double v = values[i - 1];
        o.temperature = float(v);
        o.boilingPoint = float(v);
        o.slots[0].kelvin = v;
        o.slots[1] = o.slots[0];
        o.slots[1].cas = 7647145;
        o.slots[1].grams = v;
        o.titrantDelivered = v;
        o.tare = float(v);
        o.precipitate = v;
        o.flowSetting = v;
        o.ph = v;
        o.reading1 = o.reading2 = o.reading3 = o.reading4 = v;
        o.heatCapacityFactor = float(v);
        o.thermalMass = float(v);
        o.indicatorId = 1;
        o.indicatorAmount = float(v);
    }
    bench[1].variant = 1;  // tipped, pouring into what stands under it
    const std::string in = WriteFixture("labsim_nan.lab",
                                        EncodeLabFile(3, "OLVARIS.DLL", "", bench.data(), "", nullptr, 0, 0,
                                                      false, CatalogueLabFileTemplates()));
    const LabsimRun run = Labsim({in, "--ticks", "10", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(JsonChecker(run.out).Whole()) << run.out;
    for (const char* word : {"nan", "inf", "null"}) EXPECT_EQ(run.out.find(word), std::string::npos) << word;
    std::remove(in.c_str());
}

// Far over the size the program opens: refused from its size alone, without
// reading the gigabytes behind a good header.
TEST(Labsim, AHugeFileIsRefusedUnread) {
    const std::string in = WriteFixture("labsim_huge.lab", EncodeBench(MakeBench(1), nullptr, 0, false));
    std::error_code error;
    std::filesystem::resize_file(in, uint64_t{2} << 30, error);
    if (error) GTEST_SKIP() << "no room for a sparse 2 GB file: " << error.message();
    const LabsimRun run = Labsim({in, "--json"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_NE(run.err.find("256 MB"), std::string::npos) << run.err;
    std::remove(in.c_str());
}
