// The dataset's texts and the graph's scales.
#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <string>

#include "app/data/titration_data.h"

namespace {

TitrationData DataOf(std::initializer_list<DataPoint> points) {
    TitrationData data;
    ResetTitrationData(data, "ml of titrant", "pH");
    for (const DataPoint& p : points) AddDataPoint(data, p);
    return data;
}

// Switches to a locale whose decimal separator is a comma, when the system has one.
class CommaLocale {
public:
    CommaLocale() {
        saved_ = std::setlocale(LC_ALL, nullptr);
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "German",
                                 "French", "de-DE"}) {
            if (std::setlocale(LC_ALL, name)) {
                char probe[16];
                std::snprintf(probe, sizeof probe, "%.1f", 1.5);
                if (std::string(probe) == "1,5") {
                    active_ = true;
                    return;
                }
            }
        }
        std::setlocale(LC_ALL, saved_.c_str());
    }
    ~CommaLocale() { std::setlocale(LC_ALL, saved_.c_str()); }
    bool active() const { return active_; }

private:
    std::string saved_;
    bool active_ = false;
};

}  // namespace

TEST(TitrationData, PointBufferGrowsByHundred) {
    TitrationData data = DataOf({});
    EXPECT_EQ(data.record.allocatedCount, 0);
    for (int i = 0; i < 101; ++i) AddDataPoint(data, DataPoint{double(i), 7, 0, 293});
    EXPECT_EQ(data.record.pointCount, 101);
    EXPECT_EQ(data.record.allocatedCount, 200);
    EXPECT_EQ(data.points.size(), 200u);
    EXPECT_STREQ(data.record.xCaption, "ml of titrant");
    ClearTitrationPoints(data);
    EXPECT_EQ(data.record.pointCount, 0);
    EXPECT_TRUE(data.points.empty());
}

TEST(TitrationData, CsvRowsUsePointDecimalsInEveryLocale) {
    const TitrationData data = DataOf({{1.5, 3.25, 99, 298.5}, {2, 4, 0, 300}});
    CommaLocale comma;
    if (!comma.active()) GTEST_SKIP() << "no comma-decimal locale on this system";
    EXPECT_EQ(BuildTitrationCsv(data, true),
              "1.500000,3.250000,25.500000\r\n2.000000,4.000000,27.000000\r\n");
    EXPECT_EQ(BuildTitrationCsv(data, false), "1.500000,3.250000\r\n2.000000,4.000000\r\n");
}

TEST(TitrationData, CsvOfNoPointsIsEmpty) { EXPECT_EQ(BuildTitrationCsv(DataOf({}), true), ""); }

TEST(TitrationData, TableHasHeaderEmptyLineAndOneLinePerPoint) {
    const TitrationData data = DataOf({{1.5, 3.25, 0, 298.5}});
    EXPECT_EQ(BuildTitrationTable(data, true, nullptr),
              "Volume(ml)  pH    Temp(\xB0" "C)\r\n\r\n1.5000     3.2500,   25.5000\r\n");
    EXPECT_EQ(BuildTitrationTable(data, false, nullptr),
              "Volume(ml)  pH\r\n\r\n1.5000     3.2500\r\n");
    // A long table is whole, however many points it has.
    TitrationData many = DataOf({});
    for (int i = 0; i < 5000; ++i) AddDataPoint(many, DataPoint{123456.0, 14, 0, 773});
    const std::string table = BuildTitrationTable(many, true, nullptr);
    EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 5002);
}

TEST(TitrationData, GraphRangesAndWhenThePlotIsDrawn) {
    struct Case {
        const char* name;
        TitrationData data;
        bool drawn;
    };
    const Case cases[] = {
        {"no points", DataOf({}), false},
        {"same volume", DataOf({{5, 3, 0, 293}, {5, 9, 0, 293}}), false},
        {"same pH below 14", DataOf({{1, 14, 0, 293}, {5, 14, 0, 293}}), false},
        {"negative volumes", DataOf({{-5, 3, 0, 293}, {0, 9, 0, 293}}), false},
        {"a curve", DataOf({{0, 3, 0, 293}, {10, 9, 0, 296}}), true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ComputeTitrationGraph(c.data, 800, 600).drawPlot, c.drawn) << c.name;

    const TitrationGraph g =
        ComputeTitrationGraph(DataOf({{0, 3, 0, 293.6}, {10, 9, 0, 296.6}}), 800, 600);
    EXPECT_EQ(g.lowestKelvin, 293);  // a 3 K spread drawn on 14 K from the floor
    EXPECT_EQ(g.highestKelvin, 307);
    EXPECT_EQ(g.rowStep, 450 / 14);
    EXPECT_EQ(g.largestVolume, 10);
    EXPECT_EQ(GraphVolumeX(g, 10), 75 + 650);
    EXPECT_EQ(GraphPhY(g, 600, 0), 525);
    EXPECT_NEAR(GraphKelvinY(g, 600, 307), 75, 1);
}
