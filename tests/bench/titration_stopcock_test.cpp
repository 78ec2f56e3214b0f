#include "bench/commands/instruments/titration_stopcock.h"

#include <gtest/gtest.h>

#include <cstring>

#include "bench/model/lab_objects.h"
#include "tests/bench/fake_bench_seams.h"

TEST(TitrationStopcock, ScrollCodesMoveThePositionWithinItsRange) {
    const struct {
        int32_t code, position, control, expected;
    } cases[] = {
        {kScrollLineUp, 5, 0, 4},        {kScrollLineUp, 0, 0, 0},         {kScrollPageUp, 3, 0, 2},
        {kScrollPageUp, 0, 9, 0},        {kScrollLineDown, 5, 0, 6},       {kScrollLineDown, 10, 0, 10},
        {kScrollPageDown, 9, 0, 10},     {kScrollPageDown, 10, 0, 10},     {kScrollThumbPosition, 2, 7, 7},
        {kScrollThumbTrack, 2, 8, 8},    {kScrollThumbTrack, 2, 42, 10},   {kScrollThumbPosition, 2, -3, 0},
        {kScrollTop, 3, 0, 10},          {kScrollBottom, 7, 10, 0},        {8 /* end of scroll */, 4, 9, 4},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StopcockPositionAfter(c.code, c.position, c.control), c.expected)
            << "code " << c.code << " from " << c.position;
}

TEST(TitrationStopcock, EachMoveWhileRecordingWritesItsCommentBeforeTheFlowChanges) {
    FakeBenchSeams seams;
    seams.recording = true;
    seams.strings = {{640, "Stop titration"}, {641, "Start Titration"}, {642, "Increase Titration Rate"},
                     {643, "Decrease Titration Rate"}};
    LabObject buret{};
    buret.type = kBuret;
    const struct {
        int32_t to;
        const char* comment;
        int32_t category;
    } steps[] = {{3, "Start Titration", 3},         {5, "Increase Titration Rate", 3},
                 {4, "Decrease Titration Rate", 3}, {4, "Decrease Titration Rate", 3},
                 {0, "Stop titration", 4},          {0, "Decrease Titration Rate", 3}};
    for (const auto& s : steps) {
        seams.comments.clear();
        SetStopcock(buret, s.to, seams);
        ASSERT_EQ(seams.comments.size(), 1u);
        EXPECT_EQ(seams.comments[0].first, s.comment) << s.to;
        EXPECT_EQ(seams.comments[0].second, s.category);
        EXPECT_EQ(buret.flowSetting, s.to);
    }
    buret.flowSetting = 6;
    seams.comments.clear();
    CloseStopcock(buret, seams);
    EXPECT_EQ(buret.flowSetting, 0.0);
    ASSERT_EQ(seams.comments.size(), 1u);
    EXPECT_EQ(seams.comments[0], std::make_pair(std::string("Stop titration"), 4));

    seams.recording = false;
    seams.comments.clear();
    SetStopcock(buret, 12, seams);
    EXPECT_EQ(buret.flowSetting, 10.0) << "the flow never leaves 0..10";
    EXPECT_TRUE(seams.comments.empty());
}

TEST(TitrationStopcock, ReadOutShowsActualOrScaleVolumeAndNeverANegativeOne) {
    const struct {
        double liquid;
        int32_t field;
        const char* text;
    } cases[] = {
        {500, 2, "0.0"}, {375, 2, "12.5"}, {500, 1, "50.0"}, {375, 1, "37.5"},
        {-20, 1, "0.0"}, {-20, 2, "50.0"}, {0, 1, "0.0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BuretReadoutPlainText(BuretReadoutTenths(c.liquid, 50, c.field)), c.text)
            << c.liquid << " with setting " << c.field;
}

TEST(TitrationStopcock, TitleTakesAtMostThreeLabelCharacters) {
    const char full[kLabelLength] = {'H', 'C', 'l'};  // no terminator in the record
    const char shortLabel[kLabelLength] = {'A', 0, 'x'};
    const char none[kLabelLength] = {};
    EXPECT_EQ(TitrationTitle("Titration", full, "unlabelled"), "Titration - HCl");
    EXPECT_EQ(TitrationTitle("Titration", shortLabel, "unlabelled"), "Titration - A");
    EXPECT_EQ(TitrationTitle("Titration", none, "unlabelled"), "Titration - unlabelled");
}

TEST(TitrationStopcock, BuretIndicesStayWithinTheObjects) {
    ResetLabObjects();
    LabObjects[1].type = kBeaker;
    LabObjects[2].type = kBuret;
    EXPECT_TRUE(IsBuretIndex(2, 2, LabObjects));
    EXPECT_FALSE(IsBuretIndex(1, 2, LabObjects)) << "not a buret";
    EXPECT_FALSE(IsBuretIndex(2, 1, LabObjects)) << "beyond the count";
    EXPECT_FALSE(IsBuretIndex(0, 2, LabObjects));
    EXPECT_FALSE(IsBuretIndex(-1, 2, LabObjects));
    EXPECT_EQ(BuretIndexBefore(2, 2), 1);
    EXPECT_EQ(BuretIndexBefore(1, 2), 0);
    EXPECT_EQ(BuretIndexAfter(1, 2), 2);
    EXPECT_EQ(BuretIndexAfter(2, 2), 0);
    ResetLabObjects();
}
