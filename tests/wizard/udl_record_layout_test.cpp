// The lab-file records checked at run time as well, so the i686 build run
// under Wine proves the same layout.
#include <gtest/gtest.h>

#include "common/indicator_record.h"
#include "wizard/udl_records.h"

TEST(UdlRecordLayout, SizesMatchTheFileFormat) {
    EXPECT_EQ(sizeof(UdlHeader), 2488u);
    EXPECT_EQ(sizeof(ReactionRecord), 2240u);
    EXPECT_EQ(sizeof(ReactionParticipant), 72u);
    EXPECT_EQ(sizeof(IndicatorRecord), 312u);
    EXPECT_EQ(sizeof(UdlReservedRecord), 296u);
    EXPECT_EQ(sizeof(SpectroPoint), 160u);
    EXPECT_EQ(sizeof(PdbAttachment), 524u);
}

TEST(UdlRecordLayout, DoublesSitWhereTheFileHasThem) {
    EXPECT_EQ(offsetof(ReactionRecord, minCelsius), 168u);
    EXPECT_EQ(offsetof(ReactionRecord, heatOfReaction), 216u);
    EXPECT_EQ(offsetof(ReactionRecord, participants), 440u);
    EXPECT_EQ(offsetof(ReactionParticipant, coefficient), 8u);
    EXPECT_EQ(offsetof(ReactionParticipant, low), 24u);
    EXPECT_EQ(offsetof(IndicatorRecord, low), 144u);
    EXPECT_EQ(offsetof(IndicatorRecord, fixedColourMark), 224u);
    EXPECT_EQ(offsetof(SpectroPoint, absorptivity), 16u);
    EXPECT_EQ(offsetof(UdlHeader, attachmentCount), 1600u);
}
