// Contents, particles and the meniscus close-up painted by the bench pass
// off screen: each bench is painted with and without what it should show,
// and the pixels where it should show must differ.
#include <gtest/gtest.h>

#include <vector>

#include "bench/model/contents.h"
#include "bench/catalogue/equipment_catalogue.h"
#include "bench/model/selection.h"
#include "render/graphics_win.h"
#include "render/particles.h"
#include "tests/support/chemicals_fixture.h"
#include "tests/wine/render_canvas.h"

using namespace render_test;

namespace {

// A fixed pseudo-random sequence, so the particles land the same each run.
class SequenceRandom final : public ParticleRandom {
public:
    int32_t Next() override {
        state_ = state_ * 1103515245u + 12345u;
        return static_cast<int32_t>((state_ >> 16) & 0x7FFF);
    }

private:
    uint32_t state_ = 1;
};

std::vector<COLORREF> AreaOf(const Canvas& canvas, RECT r) {
    std::vector<COLORREF> out;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) out.push_back(canvas.At(x, y));
    return out;
}

int Differing(const std::vector<COLORREF>& a, const std::vector<COLORREF>& b) {
    int n = 0;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i) n += a[i] != b[i];
    return n;
}

class ContentsAndParticles : public BenchPaintTest {
protected:
    void SetUp() override {
        BenchPaintTest::SetUp();
        BenchRenderSettings().showLabBench = false;
        ClearParticles();
        SetParticleRandom(&random_);
    }
    void TearDown() override {
        SetParticleRandom(nullptr);
        ClearParticles();
        BenchRenderSettings().showLabBench = true;
    }
    LabObject& Place(int32_t type, int x, int y) {
        bench_.count = 1;
        LabObject& o = bench_.objects[1];
        o = EquipmentPrototype(type, GetSystemMetrics(SM_CYFULLSCREEN) < 900);
        o.position = {x, y, x + o.pictureWidth, y + o.pictureHeight};
        return o;
    }
    // Paints the bench `paints` times (particles move once a paint) and
    // returns the pixels of the area.
    std::vector<COLORREF> Paint(int paints, RECT area, const char* png = nullptr) {
        Canvas canvas;
        for (int i = 0; i < paints; ++i) canvas.Paint(bench_);
        if (png) canvas.Save(png);
        return AreaOf(canvas, area);
    }
    RECT Body(const LabObject& o) const {
        return {o.position.left, o.position.top, o.position.right, o.position.bottom};
    }
    void FillWithWater(LabObject& o, float kelvin) {
        const double grams = o.capacityMl * 0.6;
        ASSERT_EQ(AddComponent(o, test_chemicals::kWater, kPhaseLiquid, grams, kelvin), 1);
        o.liquidVolume = grams * 10;
        o.liquidColour[0] = 90, o.liquidColour[1] = 150, o.liquidColour[2] = 255;
        o.temperature = kelvin;
        o.boilingPoint = 373;
    }

    SequenceRandom random_;
    test_chemicals::ScopedChemicals chemicals_;
    Bench bench_;
};

}  // namespace

TEST_F(ContentsAndParticles, AVesselShowsItsLiquidThroughTheMask) {
    LabObject& beaker = Place(kBeaker, 200, 200);
    const std::vector<COLORREF> empty = Paint(1, Body(beaker));
    FillWithWater(beaker, 293);
    const std::vector<COLORREF> filled = Paint(1, Body(beaker), "contents_liquid.png");
    int bluish = 0;
    for (COLORREF c : filled) bluish += GetBValue(c) > GetRValue(c) + 12;
    EXPECT_GT(bluish, int(filled.size()) / 10);
    EXPECT_GT(Differing(empty, filled), int(filled.size()) / 10);
}

TEST_F(ContentsAndParticles, ABoilingBeakerShowsBubbles) {
    LabObject& beaker = Place(kBeaker, 200, 200);
    FillWithWater(beaker, 300);
    const std::vector<COLORREF> still = Paint(6, Body(beaker));
    EXPECT_TRUE(Particles.bubbles.empty());
    beaker.temperature = 373;
    const std::vector<COLORREF> boiling = Paint(6, Body(beaker), "contents_boiling.png");
    EXPECT_FALSE(Particles.bubbles.empty());
    EXPECT_GT(Differing(still, boiling), 40);
}

TEST_F(ContentsAndParticles, APrecipitatingBeakerShowsSettlingParticles) {
    LabObject& beaker = Place(kBeaker, 200, 200);
    FillWithWater(beaker, 293);
    const std::vector<COLORREF> clear = Paint(8, Body(beaker));
    beaker.precipitate = 1.0;
    beaker.suspendedColour[0] = beaker.suspendedColour[1] = beaker.suspendedColour[2] = 0;
    const std::vector<COLORREF> settling = Paint(8, Body(beaker), "contents_precipitate.png");
    EXPECT_EQ(Particles.precipitate.size(), 40u);  // none has reached the floor yet
    EXPECT_GT(Differing(clear, settling), 20);
}

TEST_F(ContentsAndParticles, ABurnerShowsABlueFlameUnderItsGauze) {
    LabObject& burner = Place(kBunsenBurner, 300, 400);
    const int mouth = burner.position.top + static_cast<int>(BurnerMouthDepth(burner));
    const RECT above{burner.position.left, mouth - 30, burner.position.right, mouth + 2};
    const std::vector<COLORREF> flame = Paint(4, above, "contents_flame.png");
    int blue = 0;
    for (COLORREF c : flame) blue += GetBValue(c) > GetRValue(c) + 20;
    EXPECT_GT(blue, 20);
}

TEST_F(ContentsAndParticles, ABuretShowsItsMeniscusCloseUpBesideIt) {
    LabObject& buret = Place(kBuret, 200, 40);
    buret.sizeIndex = 2;
    buret.liquidVolume = 377;
    const RECT closeUp{buret.position.right + 10, buret.position.top + 50, buret.position.right + 72,
                       buret.position.top + 145};
    const std::vector<COLORREF> hidden = Paint(1, closeUp);
    int white = 0;
    for (COLORREF c : hidden) white += c == RGB(255, 255, 255);
    EXPECT_EQ(white, int(hidden.size()));
    buret.objectFlags |= kObjShowMeniscus;
    const std::vector<COLORREF> shown = Paint(1, closeUp, "contents_meniscus.png");
    EXPECT_GT(Differing(hidden, shown), int(shown.size()) / 3);
    // The liquid of the magnified tube shows below the meniscus.
    int liquid = 0;
    for (COLORREF c : shown) liquid += GetBValue(c) > GetRValue(c) + 40;
    EXPECT_GT(liquid, 200);
}

TEST_F(ContentsAndParticles, AThermometerShowsItsColumnAndTheSampleBoxSitsUnderTheObject) {
    LabObject& beaker = Place(kBeaker, 400, 500);
    FillWithWater(beaker, 353);
    beaker.thermometerInserted = 1;
    beaker.readoutShown = 1;
    beaker.phShown = 1;
    beaker.ph = 7;
    Canvas canvas;
    canvas.Paint(bench_);
    canvas.Save("contents_readouts.png");
    // The red column runs up the thermometer standing in the beaker.
    int red = 0;
    for (int y = 0; y < beaker.position.bottom; ++y)
        for (int x = beaker.position.left; x < beaker.position.right; ++x) {
            const COLORREF c = canvas.At(x, y);
            red += GetRValue(c) > GetGValue(c) + 60 && GetRValue(c) > GetBValue(c) + 60;
        }
    EXPECT_GT(red, 200);
    // The cyan box is centred under the object and remembered for invalidation.
    const RectI32 area = beaker.overlayRect;
    EXPECT_EQ(area.top, beaker.position.bottom - 1);
    EXPECT_GT(area.right - area.left, 60);
    EXPECT_NEAR((area.left + area.right) / 2, (beaker.position.left + beaker.position.right) / 2, 2);
    EXPECT_EQ(canvas.At(area.left + 2, area.top + 2), RGB(0, 255, 255));
}

// Hatched solids and tipped vessels are painted through GDI+ into the layer's
// own pixels; they must still show.
TEST_F(ContentsAndParticles, HatchedSolidsAndATippedVesselStillShowTheirContents) {
    LabObject& beaker = Place(kBeaker, 200, 200);
    const std::vector<COLORREF> empty = Paint(1, Body(beaker));
    FillWithWater(beaker, 293);
    ASSERT_EQ(AddComponent(beaker, test_chemicals::kSodiumChloride, kPhaseSolid, 20.0, 293), 1);
    beaker.solidVolume = 10.0;
    beaker.solidFillKind = 2;
    beaker.solidPatternId = 5;
    beaker.solidColour[0] = 200, beaker.solidColour[1] = 40, beaker.solidColour[2] = 40;
    const std::vector<COLORREF> hatched = Paint(1, Body(beaker), "contents_hatched.png");
    EXPECT_GT(Differing(empty, hatched), int(hatched.size()) / 10);

    ASSERT_EQ(TogglePourPosition(beaker, 0), 1);
    ASSERT_EQ(beaker.variant, 1);
    const std::vector<COLORREF> tippedEmpty = [&] {
        LabObject keep = beaker;
        ClearComponents(beaker);
        beaker.liquidVolume = 0;
        beaker.solidVolume = 0;
        auto pixels = Paint(1, Body(beaker));
        beaker = keep;
        return pixels;
    }();
    const std::vector<COLORREF> tipped = Paint(1, Body(beaker), "contents_tipped.png");
    EXPECT_GT(Differing(tippedEmpty, tipped), int(tipped.size()) / 50);
}
