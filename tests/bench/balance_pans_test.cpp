// Every balance's pan takes the vessels a student weighs on it, in both
// image sets, with the catalogue's own geometry (not the tests' compact one).
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>

#include "bench/catalogue/equipment_catalogue.h"
#include "bench/sim/sim_heat_sources.h"
#include "tests/support/sim_fixture.h"

using namespace scenario;

namespace {

// An object of the given type and size as the catalogue makes it in a set.
LabObject CatalogueObject(int32_t type, int32_t sizeIndex, bool smallSet) {
    LabObject o = EquipmentPrototype(type, smallSet);
    const int32_t row = FindTemplate(type, sizeIndex, 0, 0);
    EXPECT_GE(row, 0);
    const LabObject& head = EquipmentTemplate(smallSet ? TemplateSet::kSmall : TemplateSet::kLarge, row);
    std::memcpy(static_cast<void*>(&o), &head, offsetof(LabObject, position));
    o.position = {0, 0, o.pictureWidth, o.pictureHeight};
    return o;
}

void MoveTo(LabObject& o, int32_t left, int32_t bottom) {
    o.position = {left, bottom - o.pictureHeight, left + o.pictureWidth, bottom};
}

class BalancePanTest : public SimTest {};

TEST_F(BalancePanTest, EveryBalanceWeighsTheVesselsMadeForIt) {
    struct Vessel {
        const char* name;
        int32_t type;
        int32_t sizeIndex;
    };
    const Vessel beaker100{"100 ml beaker", kBeaker, 3};
    const Vessel beaker250{"250 ml beaker", kBeaker, 4};
    const Vessel flask100{"100 ml Erlenmeyer flask", kErlenmeyerFlask, 3};
    const Vessel flask250{"250 ml Erlenmeyer flask", kErlenmeyerFlask, 4};
    const Vessel watchGlass{"watch glass", kWatchGlass, 2};
    struct Case {
        int32_t balance;
        Vessel vessel;
    };
    const Case cases[] = {
        {kElectronicBalance, beaker250},      {kElectronicBalance, flask250},
        {kElectronicBalance, beaker100},      {kHighSensitivityBalance, beaker100},
        {kHighSensitivityBalance, flask100},  {kCentigramBalance, watchGlass},
        {kCentigramBalance, beaker100},
    };
    for (const bool smallSet : {false, true}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << (smallSet ? "small" : "large") << " set, balance "
                                            << c.balance << ", " << c.vessel.name);
            ResetLabObjects();
            LabObject balance = CatalogueObject(c.balance, c.balance == kCentigramBalance ? 3 : 4, smallSet);
            MoveTo(balance, 100, 900);
            const int32_t b = Place(balance);

            // Set down where the pan is, as a student drops it: centred on the
            // pan, its bottom on the surface the balance settles objects onto.
            LabObject vessel = CatalogueObject(c.vessel.type, c.vessel.sizeIndex, smallSet);
            AddWater(vessel, 20);
            const RectI32 pan = balance.balancePan;
            const int32_t panCentre = balance.position.left + (pan.left + pan.right) / 2;
            const int32_t surface =
                balance.position.top + pan.bottom - (c.balance == kCentigramBalance ? 0 : 2);
            MoveTo(vessel, panCentre - vessel.pictureWidth / 2, surface);
            const int32_t v = Place(vessel);

            BalanceStep(LabObjectCount, LabObjects, seams_);
            const double gross = At(v).emptyMass + TotalComponentMass(At(v));
            EXPECT_GT(gross, 20);
            EXPECT_DOUBLE_EQ(At(b).reading1, gross);
            EXPECT_DOUBLE_EQ(At(b).reading2, gross);
            EXPECT_EQ(At(v).position.bottom, surface);  // already standing: not moved
        }
    }
}

}  // namespace
