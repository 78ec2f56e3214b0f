#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "bench/model/lab_objects.h"
#include "render/particles.h"

namespace {

// Plays a fixed list of numbers over and over.
class ScriptedRandom final : public ParticleRandom {
public:
    explicit ScriptedRandom(std::vector<int32_t> values) : values_(std::move(values)) {}
    int32_t Next() override { return values_[next_++ % values_.size()]; }

private:
    std::vector<int32_t> values_;
    size_t next_ = 0;
};

class ParticlesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ClearParticles();
        SetParticleRandom(&random_);
    }
    void TearDown() override {
        SetParticleRandom(nullptr);
        ClearParticles();
    }
    ScriptedRandom random_{{7, 3, 12, 0, 32767}};
};

LabObject Burner(uint8_t r = 0, uint8_t g = 0, uint8_t b = 0) {
    LabObject o{};
    o.type = kBunsenBurner;
    o.position = {100, 300, 160, 420};
    o.liquidColour[0] = r;
    o.liquidColour[1] = g;
    o.liquidColour[2] = b;
    return o;
}

LabObject Boiling(float kelvin, int32_t afterBoil = 0) {
    LabObject o{};
    o.type = 3;
    o.temperature = kelvin;
    o.boilingPoint = 373;
    o.afterBoilCounter = afterBoil;
    o.pictureHeight = 120;
    return o;
}

LabObject DistillingFlask(double rate) {
    LabObject o{};
    o.type = kRoundBottomFlask;
    o.position = {200, 100, 400, 300};
    o.stateBits = 0x10;
    o.pourTarget = 2;
    o.flowSetting = rate;
    o.outletX = 150;
    o.outletY = 20;
    const int32_t outletRight = 170;  // the head field at 272
    std::memcpy(reinterpret_cast<unsigned char*>(&o) + 272, &outletRight, sizeof outletRight);
    return o;
}

}  // namespace

TEST_F(ParticlesTest, FlameIsBlueWithoutAColourAndEachParticleLivesEightSteps) {
    const LabObject burner = Burner();
    std::vector<size_t> sizes;
    ParticleDrawList draws;
    for (int paint = 0; paint < 10; ++paint) {
        BeginParticlePaint();
        draws.clear();
        UpdateFlame(burner, 60, 1.0, &draws);
        sizes.push_back(Particles.flame.size());
    }
    // Five a paint; the first five go after their eighth step.
    EXPECT_EQ(sizes, (std::vector<size_t>{5, 10, 15, 20, 25, 30, 35, 35, 35, 35}));
    ASSERT_EQ(draws.size(), 40u);  // eight generations drawn, the oldest fully faded
    int faded = 0;
    for (const ParticleDraw& d : draws) {
        EXPECT_EQ(d.red, 0);
        EXPECT_EQ(d.green, 0);
        EXPECT_EQ(d.blue, 255);
        faded += d.alpha == 0;
    }
    EXPECT_EQ(faded, 5);
}

TEST_F(ParticlesTest, FlameStartsAtTheBurnerMouthInItsColour) {
    BeginParticlePaint();
    ParticleDrawList draws;
    UpdateFlame(Burner(200, 100, 50), 60, 1.0, &draws);
    ASSERT_EQ(Particles.flame.size(), 5u);
    const FlameParticle& p = Particles.flame[0];
    // x0 = 100 + 30 - 6; y0 = 300 + 36 - 10, the mouth standing 0.3 of the
    // picture's 120 px below the gauze; spread by rand() % 5; one step taken.
    EXPECT_NEAR(BurnerMouthDepth(Burner()), 36.0, 1e-4);
    EXPECT_EQ(p.x, 124 + 7 % 5);
    EXPECT_EQ(p.y, 326 + 3 % 5 - 3);
    EXPECT_EQ(p.alpha, 65);
    EXPECT_EQ(p.size, 11);
    EXPECT_EQ(p.red, 200);
    EXPECT_EQ(p.green, 100);
    EXPECT_EQ(p.blue, 50);
    // A tiny DPI factor still spreads over at least one pixel.
    UpdateFlame(Burner(), 60, 0.1, &draws);
    EXPECT_EQ(Particles.flame.size(), 10u);
}

TEST_F(ParticlesTest, FlameStepsOncePerPaintWhateverTheNumberOfBurners) {
    const LabObject a = Burner(), b = Burner();
    BeginParticlePaint();
    UpdateFlame(a, 60, 1.0, nullptr);
    UpdateFlame(b, 60, 1.0, nullptr);
    BeginParticlePaint();
    UpdateFlame(a, 60, 1.0, nullptr);
    UpdateFlame(b, 60, 1.0, nullptr);
    int stepped[2] = {0, 0};
    for (const FlameParticle& p : Particles.flame) {
        ASSERT_TRUE(p.alpha == 65 || p.alpha == 55) << p.alpha;
        ++stepped[p.alpha == 55];
    }
    EXPECT_EQ(stepped[0], 10);
    EXPECT_EQ(stepped[1], 10);
}

TEST_F(ParticlesTest, BoilingSpawnsFiveBubblesAPaintAndTheAfterBoilCounterKeepsThemComing) {
    struct Case {
        float kelvin;
        int32_t afterBoil;
        double liquid;
        size_t afterTwentyFive;
        int32_t counterLeft;
    } cases[] = {
        {373, 0, 1000, 125, 0},   // at the boiling point with liquid
        {372, 20, 1000, 100, 0},  // a degree below: 20 more paints
        {372, 0, 1000, 0, 0},
        {373, 0, 0, 0, 0},        // nothing to boil
        {372, -4, 1000, 0, 0},    // a damaged counter counts as none
    };
    for (const Case& c : cases) {
        ClearParticles();
        LabObject o = Boiling(c.kelvin, c.afterBoil);
        for (int paint = 0; paint < 25; ++paint) UpdateBubbles(o, 1, c.liquid, 40, 120, 1.0, true, nullptr);
        EXPECT_EQ(Particles.bubbles.size(), c.afterTwentyFive) << c.kelvin << " " << c.afterBoil;
        EXPECT_EQ(o.afterBoilCounter, c.counterLeft);
    }
}

TEST_F(ParticlesTest, BubblesRiseThroughTheLiquidColumnAndDrawGreyWithoutTheImage) {
    LabObject o = Boiling(373);
    ParticleDrawList draws;
    UpdateBubbles(o, 1, 12, 40, 120, 1.0, false, &draws);
    ASSERT_EQ(draws.size(), 5u);
    for (const ParticleDraw& d : draws) {
        EXPECT_FALSE(d.useImage);
        EXPECT_EQ(d.alpha, 150);
        EXPECT_EQ(d.red, 128);
        EXPECT_EQ(d.y, 115);
    }
    // rand() 12 for a size: fmod(12, 15) = 12; rand() 0 gives a bubble of size 0 that still moves.
    bool sawZero = false;
    for (const BubbleParticle& b : Particles.bubbles) sawZero |= b.size == 0;
    EXPECT_TRUE(sawZero);
    o.temperature = 300;
    UpdateBubbles(o, 1, 12, 40, 120, 1.0, false, &draws);  // 110
    UpdateBubbles(o, 1, 12, 40, 120, 1.0, false, &draws);  // 105: risen 15 >= 12, gone
    EXPECT_TRUE(Particles.bubbles.empty());
}

TEST_F(ParticlesTest, BubblesOfOtherObjectsAreLeftUntouched) {
    LabObject first = Boiling(373), second = Boiling(300);
    UpdateBubbles(first, 1, 100, 40, 120, 1.0, true, nullptr);
    UpdateBubbles(second, 2, 100, 40, 120, 1.0, true, nullptr);
    for (const BubbleParticle& b : Particles.bubbles) EXPECT_EQ(b.y, 115);
    EXPECT_EQ(Particles.bubbles.size(), 5u);
}

TEST_F(ParticlesTest, PrecipitateSettlesFromTheSurfaceToTheFloorInItsColour) {
    LabObject o = Boiling(293);
    o.precipitate = 0.5;
    o.suspendedColour[0] = 250;
    o.suspendedColour[1] = 240;
    o.suspendedColour[2] = 10;
    ParticleDrawList draws;
    UpdatePrecipitateParticles(o, 3, 40, 1.0, 117.9, &draws);
    ASSERT_EQ(draws.size(), 5u);
    EXPECT_EQ(draws[0].y, 118);
    EXPECT_EQ(draws[0].size, 3);
    EXPECT_EQ(draws[0].red, 250);
    EXPECT_EQ(draws[0].green, 240);
    EXPECT_EQ(draws[0].blue, 10);
    o.precipitate = 0;
    UpdatePrecipitateParticles(o, 3, 40, 1.0, 117.9, nullptr);  // 119
    EXPECT_EQ(Particles.precipitate.size(), 5u);
    UpdatePrecipitateParticles(o, 3, 40, 1.0, 117.9, nullptr);  // 120: on the floor
    EXPECT_TRUE(Particles.precipitate.empty());
    // A layer of no width puts every particle at its left edge.
    o.precipitate = 1;
    UpdatePrecipitateParticles(o, 3, 0, 1.0, 10, &draws);
    EXPECT_EQ(Particles.precipitate[0].x, 0);
}

TEST_F(ParticlesTest, RemovingAnObjectRetiresItsBubblesAndPrecipitateOnly) {
    LabObject a = Boiling(373), b = Boiling(373);
    a.precipitate = b.precipitate = 1;
    UpdateBubbles(a, 1, 100, 40, 120, 1.0, true, nullptr);
    UpdateBubbles(b, 2, 100, 40, 120, 1.0, true, nullptr);
    UpdatePrecipitateParticles(a, 1, 40, 1.0, 50, nullptr);
    UpdatePrecipitateParticles(b, 2, 40, 1.0, 50, nullptr);
    BeginParticlePaint();
    UpdateFlame(Burner(), 60, 1.0, nullptr);
    RemoveBubbleParticles(1);
    RemovePrecipitateParticles(1);
    for (const BubbleParticle& p : Particles.bubbles) EXPECT_EQ(p.owner, 2);
    for (const PrecipitateParticle& p : Particles.precipitate) EXPECT_EQ(p.owner, 2);
    EXPECT_EQ(Particles.bubbles.size(), 5u);
    EXPECT_EQ(Particles.precipitate.size(), 5u);
    EXPECT_EQ(Particles.flame.size(), 5u);  // flames fade by themselves
}

TEST_F(ParticlesTest, OwnersFollowRenumberedRecordsAndVanishWithTheirObject) {
    LabObject o = Boiling(373);
    o.precipitate = 1;
    for (int32_t owner = 1; owner <= 3; ++owner) {
        UpdateBubbles(o, owner, 100, 40, 120, 1.0, true, nullptr);
        UpdatePrecipitateParticles(o, owner, 40, 1.0, 50, nullptr);
    }
    // Object 2 of 3 deleted: 3 moves down to 2.
    int32_t remap[kLabObjectArrayLength] = {0, 1, 0, 2};
    RenumberParticleOwners(remap, kLabObjectArrayLength);
    int count[4] = {0, 0, 0, 0};
    for (const BubbleParticle& p : Particles.bubbles) ++count[p.owner];
    for (const PrecipitateParticle& p : Particles.precipitate) ++count[p.owner];
    EXPECT_EQ(count[1], 10);
    EXPECT_EQ(count[2], 10);
    EXPECT_EQ(count[3], 0);
    // The catalogue's remap of moving object 2 to the back: 1 -> 2, 2 -> 1.
    IndexRemap back{};
    back.newIndex[1] = 2;
    back.newIndex[2] = 1;
    RenumberParticleOwners(back);
    for (const BubbleParticle& p : Particles.bubbles) EXPECT_TRUE(p.owner == 1 || p.owner == 2);
    RenumberParticleOwners(back);
    // An owner beyond the table given is dropped too.
    RenumberParticleOwners(remap, 2);
    for (const BubbleParticle& p : Particles.bubbles) EXPECT_EQ(p.owner, 1);

    BeginParticlePaint();
    UpdateFlame(Burner(), 60, 1.0, nullptr);
    UpdateVapour(DistillingFlask(1), 1.0, nullptr);
    ClearParticles();
    EXPECT_TRUE(Particles.flame.empty() && Particles.bubbles.empty() && Particles.precipitate.empty() &&
                Particles.vapour.empty());
}

TEST_F(ParticlesTest, VapourPuffsLiveFifteenStepsAndWaitWhileNothingDistils) {
    const LabObject flask = DistillingFlask(0.5);
    ParticleDrawList draws;
    BeginParticlePaint();
    UpdateVapour(flask, 1.0, &draws);
    ASSERT_EQ(draws.size(), 1u);
    // x0 = 200 + 150 + (170 - 150) / 2, plus fmod(7, 10); one step down of 5.
    EXPECT_EQ(draws[0].x, 367);
    EXPECT_EQ(draws[0].y, 125);
    EXPECT_EQ(draws[0].alpha, 140);
    EXPECT_EQ(draws[0].red, 160);

    // Two distilling flasks still step each puff once per paint.
    for (int paint = 1; paint < 14; ++paint) {
        BeginParticlePaint();
        UpdateVapour(flask, 1.0, nullptr);
        UpdateVapour(flask, 1.0, nullptr);
    }
    EXPECT_EQ(Particles.vapour.size(), 27u);
    BeginParticlePaint();
    UpdateVapour(flask, 1.0, nullptr);  // the first puff's fifteenth step
    EXPECT_EQ(Particles.vapour.size(), 27u);

    const std::vector<VapourParticle> before = Particles.vapour;
    const LabObject idle = DistillingFlask(0);
    BeginParticlePaint();
    UpdateVapour(idle, 1.0, &draws);
    ASSERT_EQ(Particles.vapour.size(), before.size());
    for (size_t i = 0; i < before.size(); ++i) EXPECT_EQ(Particles.vapour[i].y, before[i].y);
}

TEST(ParticleOwners, AnOwnerIsItsRecordsIndexInTheBenchArray) {
    EXPECT_EQ(ParticleOwnerIndex(LabObjects[7]), 7);
    EXPECT_EQ(ParticleOwnerIndex(LabObjects[0]), 0);  // record 0 is never an object
    LabObject elsewhere{};
    EXPECT_EQ(ParticleOwnerIndex(elsewhere), 0);

    ClearParticles();
    LabObjects[4] = Boiling(373);
    LabObjects[4].precipitate = 1;
    UpdateBubbles(LabObjects[4], 4, 100, 40, 120, 1.0, true, nullptr);
    UpdatePrecipitateParticles(LabObjects[4], 4, 40, 1.0, 50, nullptr);
    RemoveObjectParticles(elsewhere);  // not a bench record: nothing goes
    EXPECT_EQ(Particles.bubbles.size(), 5u);
    RemoveObjectParticles(LabObjects[4]);
    EXPECT_TRUE(Particles.bubbles.empty());
    EXPECT_TRUE(Particles.precipitate.empty());
    ResetLabObjects();
}

TEST_F(ParticlesTest, RetiringParticlesKeepsTheRestInTheirOrder) {
    // Owners 1, 2, 1, 2: removing owner 1's leaves owner 2's as they stood,
    // and a walk that retires some of one owner's keeps the others in order.
    LabObject o = Boiling(373);
    for (int32_t owner : {1, 2, 1, 2}) UpdateBubbles(o, owner, 100, 40, 120, 1.0, true, nullptr);
    for (size_t i = 0; i < Particles.bubbles.size(); ++i) Particles.bubbles[i].riseLimit = int32_t(100 + i);
    std::vector<int32_t> expected;
    for (const BubbleParticle& b : Particles.bubbles)
        if (b.owner == 2) expected.push_back(b.riseLimit);
    RemoveBubbleParticles(1);
    std::vector<int32_t> left;
    for (const BubbleParticle& b : Particles.bubbles) left.push_back(b.riseLimit);
    EXPECT_EQ(left, expected);

    // Owner 2's every other bubble has risen its whole column: those go, the rest keep their order.
    for (size_t i = 0; i < Particles.bubbles.size(); i += 2) Particles.bubbles[i].riseLimit = 0;
    std::vector<int32_t> staying;
    for (const BubbleParticle& b : Particles.bubbles)
        if (b.riseLimit != 0) staying.push_back(b.riseLimit);
    LabObject idle = Boiling(300);
    UpdateBubbles(idle, 2, 100, 40, 120, 1.0, true, nullptr);
    left.clear();
    for (const BubbleParticle& b : Particles.bubbles) left.push_back(b.riseLimit);
    EXPECT_EQ(left, staying);
}
