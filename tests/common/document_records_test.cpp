// Layouts of the lab-file, dataset and demonstration records, checked at run
// time as well so the i686 build under Wine proves the same sizes.
#include <gtest/gtest.h>

#include <cstddef>

#include "common/demo_records.h"
#include "common/lab_file_records.h"
#include "common/titration_dataset.h"

TEST(RecordLayout, DocumentRecords) {
    EXPECT_EQ(sizeof(LabFileHeader), 532u);
    EXPECT_EQ(sizeof(LabFileTrailer), 280u);
    EXPECT_EQ(sizeof(TitrationDataset), 1456u);
    EXPECT_EQ(sizeof(DataPoint), 32u);
    EXPECT_EQ(sizeof(DemoFileHeader), 928u);
    EXPECT_EQ(sizeof(DemoEvent), 48u);
    EXPECT_EQ(offsetof(TitrationDataset, pointBufferAddress), 1324u);
    EXPECT_EQ(offsetof(DemoFileHeader, benchHeight), 792u);
    EXPECT_EQ(offsetof(DemoEvent, type), 20u);
    EXPECT_EQ(offsetof(LabFileTrailer, flags), 24u);
}
