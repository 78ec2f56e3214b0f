// The printed object on the real GDI: contents drawn into the print picture
// and its mask from the program's own bitmap resources, read back pixel by
// pixel.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench/catalogue/equipment_catalogue.h"
#include "bench/model/contents.h"
#include "render/print/draw_object_print_win.h"
#include "render/print/print_parts.h"
#include "render/print/printed_contents.h"

extern HINSTANCE AppInstance;

namespace {

bool Near(COLORREF c, COLORREF want, int tolerance) {
    return std::abs(GetRValue(c) - GetRValue(want)) <= tolerance &&
           std::abs(GetGValue(c) - GetGValue(want)) <= tolerance &&
           std::abs(GetBValue(c) - GetBValue(want)) <= tolerance;
}

// A print picture and mask after DrawObjectForPrint, read back.
struct Printed {
    int width = 0, height = 0;
    std::vector<COLORREF> image, mask;
    COLORREF At(int x, int y) const { return image[size_t(y) * width + x]; }
    bool Black(int x, int y) const { return mask[size_t(y) * width + x] == RGB(0, 0, 0); }
    int Count(const PrintPolygon& region, COLORREF want, int tolerance) const {
        int n = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (InsidePolygon(region, x + 0.5, y + 0.5) && Near(At(x, y), want, tolerance)) ++n;
        return n;
    }
};

std::vector<COLORREF> ReadBitmap(HDC dc, HBITMAP bitmap, int w, int h) {
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, bitmap);
    std::vector<COLORREF> out;
    out.reserve(size_t(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) out.push_back(GetPixel(memory, x, y));
    SelectObject(memory, old);
    DeleteDC(memory);
    return out;
}

Printed Print(const LabObject& object) {
    LabObject base[2] = {LabObject{}, object};
    Printed p;
    HDC screen = GetDC(nullptr);
    HBITMAP image = LoadPrintBitmap(object.printPictureId);
    HBITMAP mask = LoadPrintBitmap(object.printMaskId);
    EXPECT_NE(image, nullptr);
    EXPECT_NE(mask, nullptr);
    if (image && mask) {
        BITMAP bm{};
        GetObjectA(image, sizeof bm, &bm);
        p.width = bm.bmWidth;
        p.height = bm.bmHeight;
        DrawObjectForPrint(screen, image, mask, base, 1, 1);
        p.image = ReadBitmap(screen, image, p.width, p.height);
        p.mask = ReadBitmap(screen, mask, p.width, p.height);
    }
    if (image) DeleteObject(image);
    if (mask) DeleteObject(mask);
    ReleaseDC(nullptr, screen);
    return p;
}

LabObject BlueBeaker() {
    LabObject o = EquipmentPrototype(kBeaker, false);
    o.liquidVolume = 600;  // 60 ml of 100
    o.liquidColour[0] = 30;
    o.liquidColour[1] = 60;
    o.liquidColour[2] = 220;
    o.temperature = 293.0f;
    return o;
}

class PrintObject : public testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!AppInstance) AppInstance = GetModuleHandleA(nullptr);
    }
};

TEST_F(PrintObject, EveryRowHasAPrintPictureAndAMaskOfItsSize) {
    for (TemplateSet set : {TemplateSet::kLarge, TemplateSet::kSmall}) {
        for (int32_t row = 0; row < kTemplateRowCount; ++row) {
            const LabObject& head = EquipmentTemplate(set, row);
            SCOPED_TRACE("row " + std::to_string(row));
            HBITMAP image = LoadPrintBitmap(head.printPictureId);
            HBITMAP mask = LoadPrintBitmap(head.printMaskId);
            ASSERT_NE(image, nullptr);
            ASSERT_NE(mask, nullptr);
            BITMAP bi{}, bm{};
            GetObjectA(image, sizeof bi, &bi);
            GetObjectA(mask, sizeof bm, &bm);
            EXPECT_EQ(bi.bmWidth, head.pictureWidth);
            EXPECT_EQ(bi.bmHeight, head.pictureHeight);
            EXPECT_EQ(bm.bmWidth, head.pictureWidth);
            EXPECT_EQ(bm.bmHeight, head.pictureHeight);
            EXPECT_EQ(bm.bmBitsPixel, 1);
            DeleteObject(image);
            DeleteObject(mask);
        }
    }
    for (int id : {282, 283, 284, 285, 286, 287, 288}) {
        HBITMAP pattern = LoadPrintBitmap(id);
        ASSERT_NE(pattern, nullptr) << id;
        BITMAP b{};
        GetObjectA(pattern, sizeof b, &b);
        EXPECT_EQ(b.bmWidth, 8);
        EXPECT_EQ(b.bmHeight, 8);
        EXPECT_EQ(b.bmBitsPixel, 1);
        DeleteObject(pattern);
    }
}

TEST_F(PrintObject, ContentsLandInsideTheVesselAndItsMask) {
    const LabObject blue = BlueBeaker();
    LabObject icy = blue;
    icy.temperature = 250.0f;
    LabObject solid = blue;
    solid.solidVolume = 15.0;
    solid.solidFillKind = 3;
    solid.solidPatternId = 284;  // crystal1: black grains on the solid's colour
    solid.solidColour[0] = 230;
    solid.solidColour[1] = 40;
    solid.solidColour[2] = 40;
    LabObject cloudy = blue;
    cloudy.precipitate = 2.0;
    cloudy.suspendedColour[0] = 250;
    cloudy.suspendedColour[1] = 230;
    cloudy.suspendedColour[2] = 20;
    // The small image set has print pictures of its own size.
    LabObject small = EquipmentPrototype(kBeaker, true);
    std::memcpy(small.liquidColour, blue.liquidColour, 3);
    small.liquidVolume = blue.liquidVolume;
    small.temperature = blue.temperature;

    const COLORREF liquid = RGB(30, 60, 220);
    struct Case {
        const char* name;
        const LabObject* object;
        COLORREF also;           // a colour the liquid region must show besides the liquid's
        bool solidAtFloor;       // the bottom band is the solid's
    } cases[] = {
        {"blue liquid", &blue, liquid, false},
        {"icy", &icy, RGB(128, 128, 128), false},
        {"patterned solid", &solid, RGB(0, 0, 0), true},
        {"precipitate", &cloudy, RGB(250, 230, 20), false},
        {"small set", &small, liquid, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const LabObject& o = *c.object;
        const Printed p = Print(o);
        ASSERT_EQ(p.width, o.pictureWidth);
        const PrintedLiquid plan = PlanPrintedLiquid(o, o.liquidVolume, 0, false);
        ASSERT_FALSE(plan.whole.empty());
        const PrintBox box = BoundsOf(plan.whole);
        const int midX = (box.left + box.right) / 2;

        // The liquid sits in the vessel, under its surface; above it the glass stays near-white.
        const int inLiquid = (box.top + box.bottom) / 2 - (c.solidAtFloor ? 20 : 0);
        EXPECT_GT(p.Count(plan.whole, liquid, 8), PolygonArea(plan.whole) / 3);
        EXPECT_GT(p.Count(plan.whole, c.also, 8), 5);
        EXPECT_TRUE(Near(p.At(midX, box.top - 12), RGB(245, 245, 250), 16)) << std::hex << p.At(midX, box.top - 12);
        EXPECT_TRUE(p.Black(midX, inLiquid));
        // Outside the vessel: white in the picture and the mask alike.
        EXPECT_EQ(p.At(0, 0), RGB(255, 255, 255));
        EXPECT_FALSE(p.Black(0, 0));

        if (c.object == &icy) {
            // Ice: the pattern's grey crystals on the liquid's own colour, nothing else.
            const int grey = p.Count(plan.whole, RGB(128, 128, 128), 0);
            const int colour = p.Count(plan.whole, liquid, 0);
            EXPECT_GT(colour, grey);
        }
        if (c.solidAtFloor) {
            const PrintPolygon bottom = PlanPrintedSolid(o);
            ASSERT_FALSE(bottom.empty());
            EXPECT_GT(p.Count(bottom, RGB(230, 40, 40), 0), p.Count(bottom, RGB(0, 0, 0), 0));
            EXPECT_GT(p.Count(bottom, RGB(0, 0, 0), 0), 10);
        }
        if (c.object == &cloudy) {
            for (const PrintPoint& q : SuspendedPixels(o, plan.whole)) {
                if (q.y <= box.top + 1 || q.x <= box.left + 1 || q.x >= box.right - 1) continue;  // outline pen
                EXPECT_EQ(p.At(q.x, q.y), RGB(250, 230, 20)) << q.x << "," << q.y;
                break;
            }
        }
    }
}

TEST_F(PrintObject, TwoLayersPrintTheUpperInItsOwnColour) {
    // 40 ml under 20 ml of an immiscible liquid (densities of 1 unless the
    // table knows them): the upper third in the second layer's colour.
    LabObject o = EquipmentPrototype(kGraduatedCylinder, false);
    o.temperature = 293.0f;
    o.slots[0].cas = 7732185;
    o.slots[0].phase = kPhaseLiquid;
    o.slots[0].grams = 40.0;
    o.slots[0].layer = 0;
    o.slots[1].cas = 64175;
    o.slots[1].phase = kPhaseLiquid;
    o.slots[1].grams = 20.0;
    o.slots[1].layer = 1;
    o.liquidVolume = 600;
    o.liquidColour[0] = 30, o.liquidColour[1] = 60, o.liquidColour[2] = 220;
    o.secondLayerRed = 240, o.secondLayerGreen = 180, o.secondLayerBlue = 20;
    const Printed p = Print(o);
    ASSERT_EQ(p.width, o.pictureWidth);
    const double lower = LayerVolumeByPhase(o, kPhaseLiquid, 0) * 10.0;
    const double upper = LayerVolumeByPhase(o, kPhaseLiquid, 1) * 10.0;
    const PrintedLiquid plan = PlanPrintedLiquid(o, lower, upper, true);
    ASSERT_FALSE(plan.upper.empty());
    const PrintPolygon below = BelowLine(plan.whole, SpanOf(plan.upper).floor + 1);
    const double upperArea = PolygonArea(plan.upper), belowArea = PolygonArea(below);
    EXPECT_GT(p.Count(plan.upper, RGB(240, 180, 20), 0), upperArea / 2);
    EXPECT_EQ(p.Count(plan.upper, RGB(30, 60, 220), 0), 0);
    EXPECT_GT(p.Count(below, RGB(30, 60, 220), 0), belowArea / 2);
    EXPECT_EQ(p.Count(below, RGB(240, 180, 20), 0), 0);
}

TEST_F(PrintObject, EveryVesselRowShowsItsLiquid) {
    // Half full, in both sets and every shape a vessel takes, the liquid's
    // colour reaches the page: drawn where the print mask is black.
    const COLORREF liquid = RGB(200, 30, 160);
    for (TemplateSet set : {TemplateSet::kLarge, TemplateSet::kSmall}) {
        for (int32_t row = 0; row < kTemplateRowCount; ++row) {
            LabObject o = EquipmentPrototype(EquipmentTemplate(set, row).type, set == TemplateSet::kSmall);
            std::memcpy(&o, &EquipmentTemplate(set, row), kLabObjectHeadBytes);
            if (!(o.kindFlags & kKindContainer) || o.outlineShape == 0 || o.capacityMl <= 0 || o.type == kMetalWire)
                continue;
            SCOPED_TRACE("row " + std::to_string(row) + (set == TemplateSet::kSmall ? " small" : " large"));
            o.liquidVolume = o.capacityMl * 5.0;
            o.liquidColour[0] = 200;
            o.liquidColour[1] = 30;
            o.liquidColour[2] = 160;
            o.temperature = 293.0f;
            o.label[0] = 'Q';
            o.precipitate = 1.0;
            const Printed p = Print(o);
            ASSERT_EQ(p.width, o.pictureWidth);
            int shown = 0;
            for (int y = 0; y < p.height; ++y)
                for (int x = 0; x < p.width; ++x) shown += p.Black(x, y) && p.At(x, y) == liquid;
            EXPECT_GT(shown, 10);
        }
    }
}

TEST_F(PrintObject, MaskedFillKeepsEverythingOutsideTheMask) {
    // A fill over the whole picture shows only where the print mask is black,
    // whatever text and background colours the target was left with.
    LabObject o = BlueBeaker();
    o.temperature = 250.0f;  // the ice brush, whose grey text colour would tint the mask
    HDC screen = GetDC(nullptr);
    HBITMAP image = LoadPrintBitmap(o.printPictureId);
    ASSERT_NE(image, nullptr);
    const std::vector<COLORREF> before = ReadBitmap(screen, image, o.pictureWidth, o.pictureHeight);
    HDC target = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(target, image);
    SetTextColor(target, RGB(128, 128, 128));
    SetBkColor(target, RGB(30, 60, 220));
    const POINT all[4] = {{0, 0}, {o.pictureWidth, 0}, {o.pictureWidth, o.pictureHeight}, {0, o.pictureHeight}};
    FillLiquidPolygon(target, all, 4, o, 0);
    SelectObject(target, old);
    DeleteDC(target);
    const std::vector<COLORREF> after = ReadBitmap(screen, image, o.pictureWidth, o.pictureHeight);
    HBITMAP mask = LoadPrintBitmap(o.printMaskId);
    const std::vector<COLORREF> bits = ReadBitmap(screen, mask, o.pictureWidth, o.pictureHeight);
    int outsideChanged = 0, insideFilled = 0;
    for (size_t i = 0; i < after.size(); ++i) {
        if (bits[i] == RGB(255, 255, 255)) outsideChanged += after[i] != before[i];
        else insideFilled += Near(after[i], RGB(30, 60, 220), 0) || Near(after[i], RGB(128, 128, 128), 0);
    }
    EXPECT_EQ(outsideChanged, 0);
    EXPECT_GT(insideFilled, o.pictureWidth * o.pictureHeight / 4);
    DeleteObject(mask);
    DeleteObject(image);
    ReleaseDC(nullptr, screen);
}

// Fills the whole picture of o with FillSolidPolygon (or FillLiquidPolygon)
// and reads back what changed where the print mask is black and where it is white.
struct FillResult {
    std::vector<COLORREF> inside;  // pixels under the mask's black
    int outsideChanged = 0;
};

FillResult FillWhole(const LabObject& o, bool solid) {
    FillResult r;
    HDC screen = GetDC(nullptr);
    const LabObject& row = EquipmentPrototype(o.type, false);
    HBITMAP image = LoadPrintBitmap(row.printPictureId);
    HBITMAP mask = LoadPrintBitmap(row.printMaskId);
    const int w = o.pictureWidth, h = o.pictureHeight;
    const std::vector<COLORREF> before = ReadBitmap(screen, image, w, h);
    HDC target = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(target, image);
    const POINT all[4] = {{0, 0}, {w, 0}, {w, h}, {0, h}};
    if (solid) FillSolidPolygon(target, all, 4, o);
    else FillLiquidPolygon(target, all, 4, o, 0);
    SelectObject(target, old);
    DeleteDC(target);
    const std::vector<COLORREF> after = ReadBitmap(screen, image, w, h);
    const std::vector<COLORREF> bits = ReadBitmap(screen, mask, w, h);
    for (size_t i = 0; i < after.size(); ++i) {
        if (bits[i] == RGB(0, 0, 0)) r.inside.push_back(after[i]);
        else r.outsideChanged += after[i] != before[i];
    }
    DeleteObject(mask);
    DeleteObject(image);
    ReleaseDC(nullptr, screen);
    return r;
}

int Share(const std::vector<COLORREF>& pixels, COLORREF c) {
    int n = 0;
    for (COLORREF p : pixels) n += p == c;
    return static_cast<int>(100.0 * n / std::max<size_t>(1, pixels.size()));
}

TEST_F(PrintObject, SolidBrushesFollowTheFillKind) {
    const COLORREF red = RGB(230, 40, 40), black = RGB(0, 0, 0), white = RGB(255, 255, 255);
    struct Case {
        const char* name;
        int32_t kind, pattern;
        int redMin, redMax, blackMin, blackMax, whiteMin;  // percent of the mask's black area
    } cases[] = {
        {"solid colour", 0, 0, 99, 100, 0, 0, 0},
        {"hatch, cross", 2, HS_CROSS, 60, 95, 5, 40, 0},
        {"pattern 288", 3, 288, 40, 60, 40, 60, 0},
        {"pattern missing", 3, 999, 0, 0, 0, 0, 99},
        {"hatch style out of range", 2, 77, 0, 0, 0, 0, 99},
        {"unknown kind", 7, 0, 0, 0, 0, 0, 99},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LabObject o = BlueBeaker();
        o.solidFillKind = c.kind;
        o.solidPatternId = c.pattern;
        o.solidColour[0] = 230;
        o.solidColour[1] = 40;
        o.solidColour[2] = 40;
        const FillResult r = FillWhole(o, true);
        EXPECT_EQ(r.outsideChanged, 0);
        const int reds = Share(r.inside, red), blacks = Share(r.inside, black);
        EXPECT_GE(reds, c.redMin);
        EXPECT_LE(reds, c.redMax);
        EXPECT_GE(blacks, c.blackMin);
        EXPECT_LE(blacks, c.blackMax);
        EXPECT_GE(Share(r.inside, white), c.whiteMin);
    }
}

TEST_F(PrintObject, NoMaskNoMaskedFill) {
    LabObject o = BlueBeaker();
    o.printMaskId = 0;
    HDC screen = GetDC(nullptr);
    HBITMAP image = LoadPrintBitmap(o.printPictureId);
    const std::vector<COLORREF> before = ReadBitmap(screen, image, o.pictureWidth, o.pictureHeight);
    HDC target = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(target, image);
    const POINT all[4] = {{0, 0}, {o.pictureWidth, 0}, {o.pictureWidth, o.pictureHeight}, {0, o.pictureHeight}};
    FillLiquidPolygon(target, all, 4, o, 0);
    FillSolidPolygon(target, all, 4, o);
    SelectObject(target, old);
    DeleteDC(target);
    EXPECT_EQ(ReadBitmap(screen, image, o.pictureWidth, o.pictureHeight), before);
    DeleteObject(image);
    ReleaseDC(nullptr, screen);
}

// The bubbles printed on a nearly boiling beaker, and on one whose boil has
// just ended: their places go into the record, the screen's after-boil
// counter stays as it was.
TEST_F(PrintObject, PrintedBubblePlacesGoIntoTheRecordAndTheCounterStays) {
    const struct {
        float kelvin;
        int32_t counter;
        int bubbles;
    } cases[] = {{370.0f, 0, 7}, {300.0f, 5, 4}};
    for (const auto& c : cases) {
        LabObject beaker = BlueBeaker();
        beaker.kindFlags |= kKindHeatable;
        beaker.boilingPoint = 373.0f;
        beaker.temperature = c.kelvin;
        beaker.afterBoilCounter = c.counter;
        LabObject base[2] = {LabObject{}, beaker};
        HDC screen = GetDC(nullptr);
        HBITMAP image = LoadPrintBitmap(beaker.printPictureId);
        HBITMAP mask = LoadPrintBitmap(beaker.printMaskId);
        ASSERT_TRUE(image && mask);
        DrawObjectForPrint(screen, image, mask, base, 1, 1);
        DeleteObject(image);
        DeleteObject(mask);
        ReleaseDC(nullptr, screen);

        const PrintPolygon liquid = PlanPrintedLiquid(beaker, beaker.liquidVolume, 0, false).whole;
        int placed = 0;
        for (const PointI32& at : base[1].printBubbles) {
            if (at.x == 0 && at.y == 0) continue;
            ++placed;
            EXPECT_TRUE(InsidePolygon(liquid, at.x + 2.5, at.y + 3)) << at.x << "," << at.y;
        }
        EXPECT_EQ(placed, c.bubbles) << c.kelvin;
        EXPECT_EQ(base[1].afterBoilCounter, c.counter) << "the screen's bubbles keep their count";
    }
}

// The beaker (object 2) hosts a test tube standing in its liquid.
std::vector<COLORREF> PrintHost(int32_t tubeIndex, int32_t hosted, int32_t count, RECT* overlap) {
    std::vector<LabObject> base(4);
    LabObject beaker = BlueBeaker();
    beaker.position = {100, 100, 100 + beaker.pictureWidth, 100 + beaker.pictureHeight};
    beaker.hostedItem = hosted;
    LabObject tube = EquipmentPrototype(kTestTube, false);
    tube.position = {180, 150, 180 + tube.pictureWidth, 150 + tube.pictureHeight};
    base[2] = beaker;
    base[size_t(tubeIndex)] = tube;
    *overlap = {80, 50, 80 + tube.pictureWidth, 50 + tube.pictureHeight};
    HDC screen = GetDC(nullptr);
    HBITMAP image = LoadPrintBitmap(beaker.printPictureId);
    HBITMAP mask = LoadPrintBitmap(beaker.printMaskId);
    DrawObjectForPrint(screen, image, mask, base.data(), 2, count);
    std::vector<COLORREF> out = ReadBitmap(screen, image, beaker.pictureWidth, beaker.pictureHeight);
    DeleteObject(image);
    DeleteObject(mask);
    ReleaseDC(nullptr, screen);
    return out;
}

TEST_F(PrintObject, APartnerPrintedLaterShowsOverItsHostOnly) {
    RECT overlap{};
    const std::vector<COLORREF> alone = PrintHost(1, 0, 2, &overlap);
    const int w = EquipmentPrototype(kBeaker, false).pictureWidth;
    struct Case {
        const char* name;
        int32_t tubeIndex, hosted, count;
        bool overlaid;
    } cases[] = {
        {"hosted item printed later", 1, 1, 2, true},
        {"hosted item printed earlier", 3, 3, 3, false},
        {"hosted index past the count", 3, 3, 2, false},
        {"hosting itself", 1, 2, 2, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<COLORREF> with = PrintHost(c.tubeIndex, c.hosted, c.count, &overlap);
        int inside = 0, outside = 0;
        for (size_t i = 0; i < with.size(); ++i) {
            const POINT p{static_cast<LONG>(i % size_t(w)), static_cast<LONG>(i / size_t(w))};
            if (with[i] == alone[i]) continue;
            (PtInRect(&overlap, p) ? inside : outside) += 1;
        }
        EXPECT_EQ(outside, 0);
        if (c.overlaid) EXPECT_GT(inside, 20);
        else EXPECT_EQ(inside, 0);
    }
}

TEST_F(PrintObject, MovingPartsStandWhereTheirReadingsPutThem) {
    // Joined to a flask the syringe shows no gauge over its plunger.
    LabObject syringe = EquipmentPrototype(kGasSyringe, false);
    std::memcpy(&syringe, &EquipmentTemplate(TemplateSet::kLarge, FindTemplate(kGasSyringe, 9, 0, 2)),
                kLabObjectHeadBytes);
    LabObject drawn = syringe;
    drawn.reading2 = 20.0;  // ml drawn in: the plunger 85 px higher
    LabObject geiger = EquipmentPrototype(kGeigerCounter, false);
    geiger.reading2 = 3.0;
    geiger.reading3 = 2.0;  // the aluminium shield
    LabObject balance = EquipmentPrototype(kCentigramBalance, false);
    balance.reading2 = 12.34;
    LabObject plate = EquipmentPrototype(kHotPlate, false);
    plate.reading2 = 5.0;  // the stirrer's knob turned half round
    LabObject buret = EquipmentPrototype(kBuret, false);
    buret.flowSetting = 4.0;  // the stopcock turned 36 degrees
    const LabObject* cases[] = {&syringe, &drawn, &geiger, &balance, &plate, &buret};
    for (const LabObject* o : cases) {
        SCOPED_TRACE(std::to_string(o->type) + " reading " + std::to_string(o->reading2));
        const Printed p = Print(*o);
        ASSERT_EQ(p.width, o->pictureWidth);
        const std::vector<PlacedPrintPart> parts = PlacePrintParts(*o, true);
        ASSERT_FALSE(parts.empty());
        // The last part drawn shows whole: its pixels in the picture, its shape in the mask.
        const PlacedPrintPart& last = parts.back();
        HDC screen = GetDC(nullptr);
        HBITMAP picture = LoadPrintBitmap(last.part.pictureId);
        HBITMAP mask = LoadPrintBitmap(last.part.maskId);
        ASSERT_TRUE(picture && mask);
        BITMAP bm{};
        GetObjectA(picture, sizeof bm, &bm);
        const std::vector<COLORREF> pixels = ReadBitmap(screen, picture, bm.bmWidth, bm.bmHeight);
        const std::vector<COLORREF> shape = ReadBitmap(screen, mask, bm.bmWidth, bm.bmHeight);
        int covered = 0, misplaced = 0;
        for (const TurnedPixel& t : TurnPartPixels(bm.bmWidth, bm.bmHeight, last.degrees)) {
            const int px = last.x + t.dx, py = last.y + t.dy;
            const size_t at = size_t(t.sy) * bm.bmWidth + t.sx;
            if (shape[at] != RGB(0, 0, 0)) continue;
            if (px < 0 || py < 0 || px >= p.width || py >= p.height) continue;
            ++covered;
            misplaced += !p.Black(px, py) || p.At(px, py) != pixels[at];
        }
        EXPECT_GT(covered, 20);
        EXPECT_EQ(misplaced, 0);
        DeleteObject(picture);
        DeleteObject(mask);
        ReleaseDC(nullptr, screen);
    }
}

TEST_F(PrintObject, TextsAreWrittenWhereTheyBelongAndShownInTheMask) {
    LabObject label = BlueBeaker();
    label.label[0] = 'A';
    label.label[1] = 'b';
    label.label[2] = '7';  // no terminator: the label is at most three characters
    label.note[0] = 'X';
    // A flask's thermometer stands in its neck: the temperature is written
    // beside it, where the flask's own picture leaves the mask white.
    LabObject thermometer = EquipmentPrototype(kErlenmeyerFlask, false);
    thermometer.thermometerInserted = 1;
    thermometer.temperature = 300.0f;
    LabObject balance = EquipmentPrototype(kElectronicBalance, false);
    balance.reading2 = 12.5;
    LabObject meter = EquipmentPrototype(kConductivityMeter, false);
    meter.reading1 = 1234.5;
    const auto labelArea = [](const LabObject& o) {
        return RECT{o.labelArea.left, o.labelArea.top, o.labelArea.right, o.labelArea.bottom};
    };
    struct Case {
        const char* name;
        const LabObject* o;
        RECT where;
        bool wholeAreaShown;  // the label's opaque box
    } cases[] = {
        {"label", &label, labelArea(label), true},
        // The temperature stands beside the tube, near its top.
        {"thermometer", &thermometer, {0, 0, thermometer.pictureWidth, thermometer.thermometerY / 2}, false},
        {"balance", &balance, labelArea(balance), false},
        {"meter", &meter, labelArea(meter), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Printed p = Print(*c.o);
        ASSERT_EQ(p.width, c.o->pictureWidth);
        int ink = 0, inkShown = 0, shown = 0, area = 0;
        for (int y = std::max<LONG>(0, c.where.top); y < std::min<LONG>(p.height, c.where.bottom); ++y)
            for (int x = std::max<LONG>(0, c.where.left); x < std::min<LONG>(p.width, c.where.right); ++x) {
                ++area;
                shown += p.Black(x, y);
                if (Near(p.At(x, y), RGB(0, 0, 0), 60)) {
                    ++ink;
                    inkShown += p.Black(x, y);
                }
            }
        EXPECT_GT(ink, 10);
        EXPECT_EQ(inkShown, ink);
        if (c.wholeAreaShown) EXPECT_EQ(shown, area);
    }
}

}  // namespace
