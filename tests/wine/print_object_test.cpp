// The printed object on the real GDI: contents drawn into the print picture
// and its mask from the program's own bitmap resources, read back pixel by
// pixel.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/catalogue/equipment_catalogue.h"
#include "render/print/draw_object_print_win.h"
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

TEST_F(PrintObject, LabelIsWrittenInItsAreaAndShownInTheMask) {
    LabObject o = BlueBeaker();
    o.label[0] = 'A';
    o.label[1] = 'b';
    o.label[2] = '7';  // no terminator: the label is at most three characters
    o.note[0] = 'X';
    const Printed p = Print(o);
    const RectI32 a = o.labelArea;
    int ink = 0, shown = 0;
    for (int y = a.top; y < a.bottom; ++y)
        for (int x = a.left; x < a.right; ++x) {
            ink += Near(p.At(x, y), RGB(0, 0, 0), 60);
            shown += p.Black(x, y);
        }
    EXPECT_GT(ink, 10);
    EXPECT_EQ(shown, (a.right - a.left) * (a.bottom - a.top));
}

// With BREVANE_SCREENSHOTS set: a few filled vessels laid side by side as
// the print job lays them (picture XOR, mask AND, picture XOR), saved as
// printed-objects.bmp for looking at.
TEST_F(PrintObject, SavesASheetOfPrintedObjectsToLookAt) {
    char folder[MAX_PATH];
    const DWORD length = GetEnvironmentVariableA("BREVANE_SCREENSHOTS", folder, sizeof folder);
    if (length == 0 || length >= sizeof folder) GTEST_SKIP() << "BREVANE_SCREENSHOTS not set";

    std::vector<LabObject> objects(1);
    const auto add = [&objects](LabObject o) { objects.push_back(o); };
    LabObject blue = BlueBeaker();
    blue.label[0] = 'A';
    add(blue);
    LabObject icy = BlueBeaker();
    icy.temperature = 250.0f;
    icy.thermometerInserted = 1;
    add(icy);
    LabObject solid = EquipmentPrototype(kErlenmeyerFlask, false);
    solid.liquidVolume = 800;
    solid.liquidColour[0] = 240, solid.liquidColour[1] = 200, solid.liquidColour[2] = 60;
    solid.solidVolume = 30.0;
    solid.solidFillKind = 3;
    solid.solidPatternId = 285;
    solid.solidColour[0] = 90, solid.solidColour[1] = 160, solid.solidColour[2] = 230;
    solid.temperature = 293.0f;
    add(solid);
    LabObject cloudy = EquipmentPrototype(kFlorenceFlask, false);
    cloudy.liquidVolume = 600;
    cloudy.liquidColour[0] = 200, cloudy.liquidColour[1] = 230, cloudy.liquidColour[2] = 255;
    cloudy.precipitate = 1.0;
    cloudy.suspendedColour[0] = 200, cloudy.suspendedColour[1] = 40, cloudy.suspendedColour[2] = 40;
    cloudy.temperature = 293.0f;
    add(cloudy);
    LabObject tube = EquipmentPrototype(kTestTube, false);
    tube.liquidVolume = 150;
    tube.liquidColour[0] = 60, tube.liquidColour[1] = 190, tube.liquidColour[2] = 90;
    tube.temperature = 293.0f;
    add(tube);
    LabObject cylinder = EquipmentPrototype(kGraduatedCylinder, false);
    cylinder.liquidVolume = 600;
    cylinder.liquidColour[0] = 230, cylinder.liquidColour[1] = 120, cylinder.liquidColour[2] = 40;
    cylinder.solidVolume = 8.0;
    cylinder.solidFillKind = 2;
    cylinder.solidPatternId = HS_DIAGCROSS;
    cylinder.solidColour[0] = 255, cylinder.solidColour[1] = 255, cylinder.solidColour[2] = 255;
    cylinder.temperature = 293.0f;
    add(cylinder);
    LabObject balance = EquipmentPrototype(kElectronicBalance, false);
    balance.reading2 = 12.5;
    add(balance);

    int width = 20, height = 0;
    for (size_t i = 1; i < objects.size(); ++i) {
        LabObject& o = objects[i];
        o.position = {width, 20, width + o.pictureWidth, 20 + o.pictureHeight};
        width += o.pictureWidth + 20;
        height = std::max<int>(height, o.pictureHeight + 40);
    }
    HDC screen = GetDC(nullptr);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HDC page = CreateCompatibleDC(screen);
    HBITMAP sheet = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(sheet, nullptr);
    HGDIOBJ oldSheet = SelectObject(page, sheet);
    PatBlt(page, 0, 0, width, height, WHITENESS);
    const int32_t count = static_cast<int32_t>(objects.size()) - 1;
    for (int32_t i = count; i >= 1; --i) {
        const LabObject& o = objects[size_t(i)];
        HBITMAP image = LoadPrintBitmap(o.printPictureId);
        HBITMAP mask = LoadPrintBitmap(o.printMaskId);
        ASSERT_TRUE(image && mask) << i;
        DrawObjectForPrint(page, image, mask, objects.data(), i, count);
        HDC source = CreateCompatibleDC(page);
        HGDIOBJ old = SelectObject(source, image);
        const int x = o.position.left, y = o.position.top, w = o.pictureWidth, h = o.pictureHeight;
        BitBlt(page, x, y, w, h, source, 0, 0, SRCINVERT);
        SelectObject(source, mask);
        SetTextColor(page, RGB(0, 0, 0));
        SetBkColor(page, RGB(255, 255, 255));
        BitBlt(page, x, y, w, h, source, 0, 0, SRCAND);
        SelectObject(source, image);
        BitBlt(page, x, y, w, h, source, 0, 0, SRCINVERT);
        SelectObject(source, old);
        DeleteDC(source);
        DeleteObject(image);
        DeleteObject(mask);
    }
    GdiFlush();
    const DWORD rowBytes = DWORD((width * 3 + 3) & ~3), imageBytes = rowBytes * DWORD(height);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + imageBytes;
    const std::string path = std::string(folder) + "\\printed-objects.bmp";
    HANDLE out = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(out, INVALID_HANDLE_VALUE);
    DWORD wrote;
    WriteFile(out, &file, sizeof file, &wrote, nullptr);
    WriteFile(out, &info.bmiHeader, sizeof info.bmiHeader, &wrote, nullptr);
    WriteFile(out, bits, imageBytes, &wrote, nullptr);
    CloseHandle(out);
    SelectObject(page, oldSheet);
    DeleteObject(sheet);
    DeleteDC(page);
    ReleaseDC(nullptr, screen);
}

}  // namespace
