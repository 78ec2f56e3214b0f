// What a student reads off the bench: a coloured solution shows its colour
// and clear water stays clear, bubbles and precipitate stand out, and every
// instrument's longest read-out stays inside its display, in both image sets.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "bench/catalogue/equipment_catalogue.h"
#include "bench/model/contents.h"
#include "render/graphics_win.h"
#include "render/object_layers_win.h"
#include "render/particles.h"
#include "render/readouts.h"
#include "tests/support/chemicals_fixture.h"
#include "tests/wine/render_canvas.h"

using namespace render_test;

namespace {

namespace gp = Gdiplus::DllExports;

class FixedRandom final : public ParticleRandom {
public:
    int32_t Next() override {
        state_ = state_ * 1103515245u + 12345u;
        return static_cast<int32_t>((state_ >> 16) & 0x7FFF);
    }

private:
    uint32_t state_ = 7;
};

struct Rgb {
    int r, g, b;
};

// The mean colour of a small square: a single pixel could be a tick.
Rgb MeanOf(const Canvas& canvas, int cx, int cy, int half = 2) {
    int r = 0, g = 0, b = 0, n = 0;
    for (int y = cy - half; y <= cy + half; ++y)
        for (int x = cx - half; x <= cx + half; ++x, ++n) {
            const COLORREF c = canvas.At(x, y);
            r += GetRValue(c), g += GetGValue(c), b += GetBValue(c);
        }
    return {r / n, g / n, b / n};
}

using Area = std::vector<COLORREF>;

int MostChannelDifference(const Area& a, const Area& b) {
    int most = 0;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
        const COLORREF p = a[i], q = b[i];
        most = std::max({most, std::abs(GetRValue(p) - GetRValue(q)), std::abs(GetGValue(p) - GetGValue(q)),
                         std::abs(GetBValue(p) - GetBValue(q))});
    }
    return most;
}

class BenchLooks : public BenchPaintTest, public testing::WithParamInterface<int> {
protected:
    void SetUp() override {
        BenchPaintTest::SetUp();
        BenchRenderSettings().showLabBench = false;
        BenchRenderSettings().imageSet = GetParam();
        ClearParticles();
        SetParticleRandom(&random_);
    }
    void TearDown() override {
        SetParticleRandom(nullptr);
        ClearParticles();
        BenchRenderSettings().imageSet = 0;
        BenchRenderSettings().showLabBench = true;
    }
    bool Small() const { return GetParam() == 2; }
    LabObject& Place(int index, int32_t type, int x, int y) {
        bench_.count = std::max(bench_.count, index);
        LabObject& o = bench_.objects[index];
        o = EquipmentPrototype(type, Small());
        o.position = {x, y, x + o.pictureWidth, y + o.pictureHeight};
        return o;
    }
    void Fill(LabObject& o, uint8_t r, uint8_t g, uint8_t b) {
        const double grams = o.capacityMl * 0.6;
        ASSERT_EQ(AddComponent(o, test_chemicals::kWater, kPhaseLiquid, grams, 293.0), 1);
        o.liquidVolume = static_cast<float>(grams * 10);
        o.liquidColour[0] = r, o.liquidColour[1] = g, o.liquidColour[2] = b;
    }
    // A point well inside the liquid of a beaker: low in the glass, left of
    // the label spot and right of the highlight.
    POINT InLiquid(const LabObject& o) const {
        const int w = o.position.right - o.position.left, h = o.position.bottom - o.position.top;
        return {o.position.left + w * 27 / 100, o.position.bottom - h / 8};
    }

    // Paints the bench `paints` times (particles move once a paint) and
    // returns the pixels of the object's rectangle.
    Area Paint(int paints, const LabObject& o, const char* png = nullptr) {
        Canvas canvas;
        for (int i = 0; i < paints; ++i) canvas.Paint(bench_);
        if (png) canvas.Save(png);
        Area out;
        for (int y = o.position.top; y < o.position.bottom; ++y)
            for (int x = o.position.left; x < o.position.right; ++x) out.push_back(canvas.At(x, y));
        return out;
    }

    FixedRandom random_;
    test_chemicals::ScopedChemicals chemicals_;
    Bench bench_;
};

}  // namespace

TEST_P(BenchLooks, ABlueSolutionReadsBlueAndWaterReadsClear) {
    LabObject& blue = Place(1, kBeaker, 100, 150);
    Fill(blue, 40, 110, 230);
    LabObject& water = Place(2, kBeaker, 500, 150);
    Fill(water, 255, 255, 255);
    const POINT b = InLiquid(blue), w = InLiquid(water);
    Canvas canvas;
    canvas.Paint(bench_);
    canvas.Save(Small() ? "looks_solutions_small.png" : "looks_solutions.png");
    const Rgb inBlue = MeanOf(canvas, b.x, b.y), inWater = MeanOf(canvas, w.x, w.y);
    EXPECT_GE(inBlue.b - inBlue.r, 80) << inBlue.r << " " << inBlue.g << " " << inBlue.b;
    for (int channel : {inWater.r, inWater.g, inWater.b}) EXPECT_GT(channel, 225);
    const int most = std::max({inWater.r, inWater.g, inWater.b}), least = std::min({inWater.r, inWater.g, inWater.b});
    EXPECT_LE(most - least, 15) << inWater.r << " " << inWater.g << " " << inWater.b;
}

TEST_P(BenchLooks, BubblesStandOutOfTheLiquid) {
    LabObject& beaker = Place(1, kBeaker, 200, 150);
    Fill(beaker, 40, 110, 230);
    const Area still = Paint(6, beaker);
    beaker.temperature = 373;
    beaker.boilingPoint = 373;
    const Area boiling = Paint(6, beaker, Small() ? "looks_boiling_small.png" : "looks_boiling.png");
    ASSERT_FALSE(Particles.bubbles.empty());
    EXPECT_GE(MostChannelDifference(still, boiling), 60);
}

TEST_P(BenchLooks, SettlingPrecipitateStandsOutOfTheLiquid) {
    LabObject& beaker = Place(1, kBeaker, 200, 150);
    Fill(beaker, 40, 110, 230);
    const Area clear = Paint(8, beaker);
    beaker.precipitate = 1.0;
    beaker.suspendedColour[0] = beaker.suspendedColour[1] = beaker.suspendedColour[2] = 250;
    const Area settling = Paint(8, beaker);
    ASSERT_FALSE(Particles.precipitate.empty());
    EXPECT_GE(MostChannelDifference(clear, settling), 60);
}

// Metal shot shows the colour its lab's table gives it: copper reads red as
// the table's copper colour, iron stays a neutral grey.
TEST_P(BenchLooks, ShotShowsItsMetalsTableColour) {
    struct Case {
        uint8_t r, g, b;
        bool reddish;
    } cases[] = {{255, 64, 64, true}, {192, 192, 192, false}};
    int x = 100;
    for (const Case& c : cases) {
        LabObject& beaker = Place(x == 100 ? 1 : 2, kBeaker, x, 150);
        x += 400;
        ASSERT_EQ(AddComponent(beaker, test_chemicals::kSodiumChloride, kPhaseSolid, 60.0, 293.0), 1);
        beaker.solidVolume = 60.0 / 2.165;
        beaker.solidColour[0] = c.r, beaker.solidColour[1] = c.g, beaker.solidColour[2] = c.b;
        beaker.solidFillKind = 3;
        beaker.solidPatternId = 287;
    }
    Canvas canvas;
    canvas.Paint(bench_);
    canvas.Save(Small() ? "looks_shot_small.png" : "looks_shot.png");
    for (int i = 0; i < 2; ++i) {
        const LabObject& o = bench_.objects[i + 1];
        const int w = o.position.right - o.position.left, h = o.position.bottom - o.position.top;
        int r = 0, g = 0, b = 0, n = 0;
        for (int y = o.position.bottom - h / 12; y > o.position.bottom - h / 6; --y)
            for (int px = o.position.left + w * 2 / 5; px < o.position.left + w * 3 / 5; ++px, ++n) {
                const COLORREF p = canvas.At(px, y);
                r += GetRValue(p), g += GetGValue(p), b += GetBValue(p);
            }
        r /= n, g /= n, b /= n;
        SCOPED_TRACE(testing::Message() << "shot " << int(cases[i].r) << "," << int(cases[i].g) << "," << int(cases[i].b)
                                        << " drawn " << r << "," << g << "," << b);
        if (cases[i].reddish) {
            EXPECT_GE(r - g, 40);
            EXPECT_GE(r - b, 40);
        } else {
            EXPECT_LE(std::abs(r - g) + std::abs(r - b), 20);
        }
    }
}

// Every instrument with the longest text it can show: drawn alone, as the
// bench draws it, its ink must lie inside the display over the label area.
TEST_P(BenchLooks, TheLongestReadOutOfEveryInstrumentStaysInItsDisplay) {
    struct Case {
        int32_t type;
        int16_t state;
        double reading1, reading2, reading3, reading4;
        int32_t wavelength;
    } cases[] = {
        {kElectrochemicalCell, 0, -9.99, 0, 0, 0, 0},
        {kConductivityMeter, 0, 99999.99, 0, 0, 0, 0},
        {kElectronicBalance, 0, 0, -999.999, 0, 0, 0},
        {kHighSensitivityBalance, 0, 0, -999.9999, 0, 0, 0},
        {kCuvette, 0, 100.0, 0, 0, 0, 999},
        {kGeigerCounter, 0, 99999, 0, 0, 0, 0},
        {kErlenmeyerFlask, 4, 0, 0, 0, 999.999, 0},
        {kGasSyringe, 1, 0, 0, 999, 0, 0},
    };
    constexpr int kSide = 1000;
    for (const Case& c : cases) {
        LabObject o = EquipmentPrototype(c.type, Small());
        if (c.state) {
            const int32_t row = FindTemplate(c.type, o.sizeIndex, 0, c.state);
            ASSERT_GE(row, 0) << c.type;
            std::memcpy(&o, &EquipmentTemplate(Small() ? TemplateSet::kSmall : TemplateSet::kLarge, row),
                        kLabObjectHeadBytes);
        }
        o.position = {0, 0, o.pictureWidth, o.pictureHeight};
        o.reading1 = c.reading1;
        o.reading2 = c.reading2;
        o.reading3 = c.reading3;
        o.reading4 = c.reading4;
        o.wavelength = c.wavelength;
        Readout r;
        ASSERT_TRUE(InstrumentReadout(o, Small(), nullptr, &r)) << c.type;
        std::vector<uint32_t> pixels(kSide * kSide, 0);
        GpBitmap* bitmap = nullptr;
        ASSERT_EQ(gp::GdipCreateBitmapFromScan0(kSide, kSide, kSide * 4, PixelFormat32bppARGB,
                                                reinterpret_cast<BYTE*>(pixels.data()), &bitmap),
                  Gdiplus::Ok);
        GpGraphics* g = nullptr;
        ASSERT_EQ(gp::GdipGetImageGraphicsContext(bitmap, &g), Gdiplus::Ok);
        gp::GdipTranslateWorldTransform(g, 200, 200, Gdiplus::MatrixOrderAppend);  // room all round
        DrawReadoutText(g, r);
        gp::GdipFlush(g, Gdiplus::FlushIntentionSync);
        gp::GdipDeleteGraphics(g);
        gp::GdipDisposeImage(bitmap);
        // A centred read-out's box is its display; one at a point writes into
        // the display over the label area.
        RECT display{o.labelArea.left, o.labelArea.top, o.labelArea.right, o.labelArea.bottom};
        if (r.placement == ReadoutPlacement::kCentredBox)
            display = {static_cast<LONG>(r.x), static_cast<LONG>(r.y), static_cast<LONG>(r.x + r.width + 0.999f),
                       static_cast<LONG>(r.y + r.height + 0.999f)};
        int inked = 0, outside = 0;
        for (int y = 0; y < kSide; ++y)
            for (int x = 0; x < kSide; ++x) {
                if ((pixels[y * kSide + x] >> 24) < 96) continue;
                ++inked;
                const int px = x - 200, py = y - 200;
                outside += px < display.left || px >= display.right || py < display.top || py >= display.bottom;
            }
        EXPECT_GT(inked, 50) << c.type;
        EXPECT_EQ(outside, 0) << "type " << c.type << ": " << r.text;
    }
}

INSTANTIATE_TEST_SUITE_P(BothSets, BenchLooks, testing::Values(1, 2),
                         [](const testing::TestParamInfo<int>& info) { return info.param == 1 ? "Large" : "Small"; });
