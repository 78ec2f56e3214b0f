// The bench rendering pass on a real window: every kind of equipment drawn
// off screen, saved as a PNG, and checked by its pixels (with tolerance:
// Wine's GDI+ fills without anti-aliasing).
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>
#include <psapi.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench/window/bench_seams.h"
#include "bench/catalogue/equipment_catalogue.h"
#include "bench/model/selection.h"
#include "render/graphics_win.h"
#include "render/render3d_win.h"
#include "render/render_settings_win.h"
#include "tests/bench/fake_bench_seams.h"
#include "tests/wine/render_canvas.h"

using namespace render_test;

namespace {

struct Picture {
    int id, width, height;
};
const Picture kPictures[] = {
#include "art_pictures.inc"
};

struct Ink {
    int drawn = 0;    // pixels that are not near-white
    int outline = 0;  // pixels of the glass outline's dark slate
    int area = 0;
};

Ink InkIn(const Canvas& canvas, RECT r) {
    Ink ink;
    for (int y = std::max<LONG>(r.top, 0); y < std::min<LONG>(r.bottom, kHeight); ++y)
        for (int x = std::max<LONG>(r.left, 0); x < std::min<LONG>(r.right, kWidth); ++x) {
            const COLORREF c = canvas.At(x, y);
            ++ink.area;
            if (!Near(c, 255, 255, 255, 20)) ++ink.drawn;
            if (Near(c, 0x2B, 0x3A, 0x4A, 45)) ++ink.outline;
        }
    return ink;
}

bool LargeSet() { return GetSystemMetrics(SM_CYFULLSCREEN) >= 900; }

// Lays every kind out left to right, a new bench whenever the row is full.
std::vector<Bench> EveryKind() {
    std::vector<Bench> benches(1);
    int x = 60, y = 10, rowHeight = 0;
    for (int32_t type = kFirstEquipmentType; type <= kLastEquipmentType; ++type) {
        LabObject o = EquipmentPrototype(type, !LargeSet());
        const int w = o.pictureWidth, h = o.pictureHeight;
        if (x + w > kWidth - 20) {
            x = 60;
            y += rowHeight + 20;
            rowHeight = 0;
        }
        if (y + h > kHeight - 100) {
            benches.emplace_back();
            x = 60, y = 10, rowHeight = 0;
        }
        o.position = {x, y, x + w, y + h};
        Bench& b = benches.back();
        b.objects[++b.count] = o;
        x += w + 40;
        rowHeight = std::max(rowHeight, h);
    }
    return benches;
}

class RenderBench : public BenchPaintTest {};

TEST_F(RenderBench, EveryPictureIsInTheResourcesAtItsSize) {
    int missing = 0;
    for (const Picture& p : kPictures) {
        PngImage* png = LoadPngResource(GetModuleHandleA(nullptr), p.id);
        if (!png) {
            ADD_FAILURE() << "PNG " << p.id << " does not load";
            ++missing;
            continue;
        }
        EXPECT_EQ(png->width, p.width) << p.id;
        EXPECT_EQ(png->height, p.height) << p.id;
        DestroyPngImage(png);
    }
    EXPECT_EQ(LoadPngResource(GetModuleHandleA(nullptr), 1), nullptr) << "no PNG of that id";
    EXPECT_EQ(missing, 0);
}

TEST_F(RenderBench, EveryKindDrawsItsPictureAtItsPlace) {
    Canvas canvas;
    BenchRenderSettings().showLabBench = true;
    const std::vector<Bench> benches = EveryKind();
    int n = 0;
    for (Bench b : benches) {
        canvas.Paint(b);
        canvas.Save("render_bench_" + std::to_string(++n) + (LargeSet() ? "_large" : "_small") + ".png");
        for (int32_t i = 1; i <= b.count; ++i) {
            const LabObject& o = b.objects[i];
            const RECT r{o.position.left, o.position.top, o.position.right, o.position.bottom};
            const Ink ink = InkIn(canvas, r);
            SCOPED_TRACE(testing::Message() << "type " << o.type);
            EXPECT_GT(ink.drawn, ink.area / 100) << "the picture is missing";
            EXPECT_GT(ink.outline, 20) << "no dark outline";
        }
        EXPECT_TRUE(Near(canvas.At(5, 5), 255, 255, 255, 0)) << "the background is white";
        // The bench strip: 10 % in, 80 % wide, along the bottom.
        EXPECT_TRUE(Near(canvas.At(kWidth / 2, kHeight - 40), 0xB0, 0x88, 0x5E, 50));
        EXPECT_TRUE(Near(canvas.At(kWidth / 10 - 3, kHeight - 40), 255, 255, 255, 0));
        EXPECT_TRUE(Near(canvas.At(kWidth / 10 + (4 * kWidth) / 5 + 3, kHeight - 40), 255, 255, 255, 0));
    }
}

TEST_F(RenderBench, WithoutTheBenchStripTheEmptyBenchIsWhite) {
    Canvas canvas;
    BenchRenderSettings().showLabBench = false;
    Bench empty;
    canvas.Paint(empty);
    EXPECT_EQ(InkIn(canvas, RECT{0, 0, kWidth, kHeight}).drawn, 0);
    BenchRenderSettings().showLabBench = true;
}

LabObject Placed(int32_t type, int x, int y) {
    LabObject o = EquipmentPrototype(type, !LargeSet());
    o.position = {x, y, x + o.pictureWidth, y + o.pictureHeight};
    return o;
}

TEST_F(RenderBench, AHostedObjectShowsInsideItsHostAndAStaleHostIsIgnored) {
    Canvas canvas;
    Bench b;
    b.objects[1] = Placed(kBeaker, 100, 300);
    b.objects[2] = Placed(kTestTube, 180, 250);
    b.objects[2].host = 1;
    b.objects[1].hostedItem = 2;
    std::memcpy(b.objects[1].label, "AB", 2);
    b.objects[3] = Placed(kTestTube, 600, 250);
    b.objects[3].host = 77;  // stale: no such object
    b.objects[4] = Placed(kTestTube, 800, 250);
    b.objects[4].host = 4;   // itself
    b.count = 4;
    canvas.Paint(b);
    canvas.Save("render_hosted.png");
    for (int i : {2, 3, 4}) {
        const LabObject& o = b.objects[i];
        EXPECT_GT(InkIn(canvas, RECT{o.position.left, o.position.top, o.position.right, o.position.bottom}).outline, 20)
            << i;
    }
    // The host's label is written over the test tube standing in it.
    const LabObject& host = b.objects[1];
    const RECT label{host.position.left + host.labelArea.left, host.position.top + host.labelArea.top,
                     host.position.left + host.labelArea.left + 40, host.position.top + host.labelArea.top + 26};
    int black = 0;
    for (int y = label.top; y < label.bottom; ++y)
        for (int x = label.left; x < label.right; ++x) black += Near(canvas.At(x, y), 0, 0, 0, 60);
    EXPECT_GT(black, 10);
}

TEST_F(RenderBench, AHostedVesselsAccessoryIsFadedButAnInvertedBuretsIsNot) {
    Canvas canvas;
    BenchRenderSettings().showLabBench = false;
    Bench b;
    b.objects[1] = Placed(kBeaker, 100, 100);          // free-standing
    b.objects[2] = Placed(kBeaker, 500, 100);
    b.objects[2].host = 3;                              // standing in a host drawn elsewhere
    b.objects[3] = Placed(kHotPlate, 900, 600);
    b.objects[4] = Placed(kInvertedBuret, 200, 380);
    b.objects[5] = Placed(kInvertedBuret, 600, 380);
    b.objects[5].host = 3;
    b.count = 5;
    canvas.Paint(b);
    canvas.Save("render_faded.png");
    // The beaker's spout is its accessory: the top-left corner of its picture.
    auto spout = [&](const LabObject& o) {
        return InkIn(canvas, RECT{o.position.left, o.position.top, o.position.left + 30, o.position.top + 20}).outline;
    };
    EXPECT_GT(spout(b.objects[1]), 5);
    EXPECT_LT(spout(b.objects[2]), spout(b.objects[1]) / 2);
    // The inverted buret's accessory carries its scale: as dark when hosted.
    auto scale = [&](const LabObject& o) {
        return InkIn(canvas, RECT{o.position.left, o.position.top, o.position.right, o.position.bottom}).outline;
    };
    EXPECT_GT(scale(b.objects[4]), 200);
    EXPECT_EQ(scale(b.objects[5]), scale(b.objects[4]));
    BenchRenderSettings().showLabBench = true;
}

TEST_F(RenderBench, APouredVesselIsDrawnTurned) {
    Canvas canvas;
    Bench b;
    b.objects[1] = Placed(kGraduatedCylinder, 400, 100);
    b.objects[1].variant = 1;
    b.count = 1;
    for (int paint = 0; paint < 6; ++paint) canvas.Paint(b);
    EXPECT_EQ(b.objects[1].kindStateWord, -90);
    // Turned a quarter with its mouth to the left, the tall cylinder lies across
    // to the right of where it stood, and its lower half is empty.
    const LabObject& o = b.objects[1];
    canvas.Save("render_poured.png");
    EXPECT_GT(InkIn(canvas, RECT{o.position.right, o.position.top, o.position.right + 250, o.position.top + 250}).outline, 20);
    EXPECT_EQ(InkIn(canvas, RECT{o.position.left, o.position.top + 300, o.position.right, o.position.bottom}).drawn, 0);
}

// Selection frames go through the bench seam, after the copy to the window.
TEST_F(RenderBench, TheSingleSelectionFrameComesBeforeTheMultiSelection) {
    Canvas canvas;
    FakeBenchSeams recorder;
    Bench b;
    b.objects[1] = Placed(kBeaker, 100, 100);
    b.objects[2] = Placed(kBeaker, 500, 100);
    b.count = 2;
    MultiSelection.memberCount = 2;
    MultiSelection.bounds = {100, 100, 800, 400};
    ObjectSelected = true;
    SelectedObject = 2;
    canvas.Paint(b);
    ObjectSelected = false;
    canvas.Paint(b);
    MultiSelection.memberCount = 0;
    canvas.Paint(b);
    ASSERT_EQ(recorder.frames.size(), 2u);
    EXPECT_EQ(recorder.frames[0].left, 500);
    EXPECT_EQ(recorder.frames[1].right, 800);
}

TEST_F(RenderBench, EveryPaintStartsWhiteAtTheBenchsCurrentSize) {
    // The off-screen canvas is kept between paints: what a paint drew must
    // not show through the next, and a resized bench gets a canvas its size.
    Canvas canvas;
    BenchRenderSettings().showLabBench = true;
    Bench b;
    b.objects[++b.count] = Placed(kBeaker, 100, 100);
    canvas.Paint(b);
    const RECT first{b.objects[1].position.left, b.objects[1].position.top, b.objects[1].position.right,
                     b.objects[1].position.bottom};
    ASSERT_GT(InkIn(canvas, first).drawn, 0);
    b.objects[1] = Placed(kBeaker, 700, 100);
    canvas.Paint(b);
    EXPECT_EQ(InkIn(canvas, first).drawn, 0) << "the beaker's old place is white again";

    constexpr int kSmallWidth = 640, kSmallHeight = 480;
    SetWindowPos(canvas.window(), nullptr, 0, 0, kSmallWidth, kSmallHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Bench empty;
    canvas.Paint(empty);
    EXPECT_TRUE(Near(canvas.At(kSmallWidth / 2, kSmallHeight - 40), 0xB0, 0x88, 0x5E, 50)) << "strip at the new bottom";

    ReleaseBenchCanvas();  // as when the bench window goes: the next paint makes a new one
    SetWindowPos(canvas.window(), nullptr, 0, 0, kWidth, kHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    canvas.Paint(empty);
    EXPECT_TRUE(Near(canvas.At(kWidth / 2, kHeight - 40), 0xB0, 0x88, 0x5E, 50));
    EXPECT_TRUE(Near(canvas.At(kSmallWidth / 2, kSmallHeight - 40), 255, 255, 255, 0));
    EXPECT_EQ(InkIn(canvas, RECT{0, 0, kWidth, kHeight - 100}).drawn, 0);
}

TEST_F(RenderBench, AThousandPaintsLeaveNoHandlesOrMemoryBehind) {
    Canvas canvas;
    std::vector<Bench> benches = EveryKind();
    Bench& b = benches.front();
    for (int i = 0; i < 20; ++i) canvas.Paint(b);  // pictures decoded and cached
    PROCESS_MEMORY_COUNTERS_EX before{}, after{};
    const DWORD handlesBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    const int64_t decodesBefore = PngDecodeCount();
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&before), sizeof before);
    for (int i = 0; i < 1000; ++i) canvas.Paint(b);
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&after), sizeof after);
    EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), handlesBefore);
    EXPECT_EQ(PngDecodeCount(), decodesBefore) << "pictures are decoded once";
    EXPECT_LT(after.PrivateUsage, before.PrivateUsage + 4 * 1024 * 1024);
}

}  // namespace
