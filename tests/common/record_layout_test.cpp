// The record layouts are a file and library format: check them at run time
// too, so the i686 build run under Wine proves the same offsets.
#include <gtest/gtest.h>

#include <cstddef>

#include "common/chemical_record.h"
#include "common/lab_object.h"

TEST(RecordLayout, SizesMatchTheFileFormat) {
    EXPECT_EQ(sizeof(LabObject), 5160u);
    EXPECT_EQ(sizeof(ComponentSlot), 200u);
    EXPECT_EQ(sizeof(ChemicalRecord), 2384u);
}

TEST(RecordLayout, LabObjectOffsets) {
    struct Field {
        size_t actual;
        size_t expected;
        const char* name;
    };
    const Field fields[] = {
        {offsetof(LabObject, stateBits), 16, "stateBits"},
        {offsetof(LabObject, variant), 20, "variant"},
        {offsetof(LabObject, liquidOutline), 140, "liquidOutline"},
        {offsetof(LabObject, liquidHeightScale), 192, "liquidHeightScale"},
        {offsetof(LabObject, emptyMass), 312, "emptyMass"},
        {offsetof(LabObject, position), 396, "position"},
        {offsetof(LabObject, note), 447, "note"},
        {offsetof(LabObject, liquidVolume), 576, "liquidVolume"},
        {offsetof(LabObject, solidVolume), 592, "solidVolume"},
        {offsetof(LabObject, flowSetting), 856, "flowSetting"},
        {offsetof(LabObject, temperature), 876, "temperature"},
        {offsetof(LabObject, slots), 888, "slots"},
        {offsetof(LabObject, ph), 4896, "ph"},
        {offsetof(LabObject, reading1), 4944, "reading1"},
        {offsetof(LabObject, titrantDelivered), 5016, "titrantDelivered"},
        {offsetof(LabObject, objectFlags), 5044, "objectFlags"},
        {offsetof(LabObject, kindStateWord), 5104, "kindStateWord"},
    };
    for (const Field& f : fields) EXPECT_EQ(f.actual, f.expected) << f.name;
}

TEST(RecordLayout, SlotAndChemicalOffsets) {
    EXPECT_EQ(offsetof(ComponentSlot, grams), 8u);
    EXPECT_EQ(offsetof(ComponentSlot, kelvin), 16u);
    EXPECT_EQ(offsetof(ComponentSlot, layer), 68u);
    EXPECT_EQ(offsetof(ChemicalRecord, molarMass), 276u);
    EXPECT_EQ(offsetof(ChemicalRecord, molarity), 304u);
    EXPECT_EQ(offsetof(ChemicalRecord, reactionRefs), 400u);
    EXPECT_EQ(offsetof(ChemicalRecord, ionCharge), 2288u);
    EXPECT_EQ(offsetof(ChemicalRecord, flameColour), 2332u);
}
