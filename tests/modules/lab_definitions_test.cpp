// What each lab library serves through the shared frame.
#include <gtest/gtest.h>

#include "modules/dunmere/dunmere_lab.h"
#include "modules/morvena/morvena_lab.h"
#include "modules/olvaris/olvaris_lab.h"
#include "modules/tessaly/tessaly_lab.h"

TEST(LabDefinitions, StylesTextsAndResourceIdsPerLab) {
    struct Case {
        const char* lab;
        const LabModuleDefinition& definition;
        uint32_t style;
        int32_t name, description, icon, introduction, reactions;
    };
    const Case cases[] = {
        {"Olvaris", kOlvarisLab, 0, 1, 2, 102, 103, 106},
        {"Tessaly", kTessalyLab, 0x20004, 1, 2, 101, 102, 0},
        {"Morvena", kMorvenaLab, 0, 2, 1, 104, 105, 0},
        {"Dunmere", kDunmereLab, 0, 1, 2, 101, 102, 105},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lab);
        const LabModuleDefinition& lab = c.definition;
        EXPECT_EQ(lab.style, c.style);
        EXPECT_EQ(lab.nameStringId, c.name);
        EXPECT_EQ(lab.descriptionStringId, c.description);
        EXPECT_EQ(lab.smallIconId, c.icon);
        // The three documents follow each other.
        EXPECT_EQ(lab.textIds[kTextIntroduction], c.introduction);
        EXPECT_EQ(lab.textIds[kTextProcedure], c.introduction + 1);
        EXPECT_EQ(lab.textIds[kTextObservations], c.introduction + 2);
        EXPECT_EQ(lab.reactionTextId, c.reactions);
    }
}

TEST(LabDefinitions, GenericLabHookLeavesTheBenchAlone) {
    ASSERT_NE(kOlvarisLab.simulationHook, nullptr);
    static LabObject objects[kLabObjectArrayLength];
    objects[1].temperature = 350.0f;
    objects[1].liquidVolume = 500.0;
    LabObject before[kLabObjectArrayLength];
    memcpy(before, objects, sizeof objects);
    kOlvarisLab.simulationHook(1, objects);
    EXPECT_EQ(memcmp(before, objects, sizeof objects), 0);
}
