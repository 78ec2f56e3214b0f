// A sheet of printed objects to look at: a few filled vessels and
// instruments drawn for print and laid side by side as the print job lays
// them, written as a 24-bit BMP. Usage: printed_objects_sheet OUT.bmp
// (tools/printed-objects-sheet makes docs/printed-objects.png with it).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "bench/catalogue/equipment_catalogue.h"
#include "render/print/draw_object_print_win.h"
#include "tests/wine/sheet_script.h"

extern HINSTANCE AppInstance;

namespace {

LabObject BlueBeaker() {
    LabObject o = EquipmentPrototype(kBeaker, false);
    o.liquidVolume = 600;
    o.liquidColour[0] = 30;
    o.liquidColour[1] = 60;
    o.liquidColour[2] = 220;
    o.temperature = 293.0f;
    return o;
}

std::vector<LabObject> SheetObjects() {
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
    LabObject boiling = BlueBeaker();
    boiling.liquidColour[0] = 170, boiling.liquidColour[1] = 210, boiling.liquidColour[2] = 250;
    boiling.temperature = 372.0f;
    boiling.boilingPoint = 373.0f;
    boiling.kindFlags |= kKindHeatable;
    add(boiling);
    LabObject tipped = BlueBeaker();
    std::memcpy(&tipped, &EquipmentTemplate(TemplateSet::kLarge, FindTemplate(kBeaker, 3, 1, 0)), kLabObjectHeadBytes);
    tipped.liquidVolume = 300;
    add(tipped);
    LabObject meter = EquipmentPrototype(kConductivityMeter, false);
    meter.reading1 = 1234.5;
    add(meter);
    LabObject syringe = EquipmentPrototype(kGasSyringe, false);
    syringe.reading2 = 20.0;
    syringe.reading3 = 101.0;
    add(syringe);
    LabObject centigram = EquipmentPrototype(kCentigramBalance, false);
    centigram.reading2 = 12.34;
    add(centigram);
    LabObject plate = EquipmentPrototype(kHotPlate, false);
    plate.reading1 = 2.0;  // heat: two steps of 36 degrees
    plate.reading2 = 5.0;
    add(plate);
    LabObject buret = EquipmentPrototype(kBuret, false);
    buret.liquidVolume = 300;
    buret.liquidColour[0] = 120, buret.liquidColour[1] = 60, buret.liquidColour[2] = 200;
    buret.temperature = 293.0f;
    buret.flowSetting = 5.0;  // the stopcock turned 45 degrees
    add(buret);
    return objects;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: printed_objects_sheet OUT.bmp\n");
        return 2;
    }
    AppInstance = GetModuleHandleA(nullptr);
    std::vector<LabObject> objects = SheetObjects();

    // Left to right in rows of at most 1800 pixels, each row's feet level.
    const int rowWidth = 1800;
    int width = 0, height = 20, x = 20;
    size_t first = 1;
    const auto endRow = [&](size_t last) {
        int tallest = 0;
        for (size_t k = first; k < last; ++k) tallest = std::max<int>(tallest, objects[k].pictureHeight);
        for (size_t k = first; k < last; ++k) {
            LabObject& o = objects[k];
            const int top = height + tallest - o.pictureHeight;
            o.position = {o.position.left, top, o.position.left + o.pictureWidth, top + o.pictureHeight};
        }
        height += tallest + 20;
        first = last;
    };
    for (size_t i = 1; i < objects.size(); ++i) {
        LabObject& o = objects[i];
        if (x + o.pictureWidth > rowWidth && i > first) {
            endRow(i);
            x = 20;
        }
        o.position.left = x;
        x += o.pictureWidth + 20;
        width = std::max(width, x);
    }
    endRow(objects.size());
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
    if (!sheet) return 1;
    HGDIOBJ oldSheet = SelectObject(page, sheet);
    PatBlt(page, 0, 0, width, height, WHITENESS);
    const int32_t count = static_cast<int32_t>(objects.size()) - 1;
    for (int32_t i = count; i >= 1; --i) {
        const LabObject& o = objects[size_t(i)];
        HBITMAP image = LoadPrintBitmap(o.printPictureId);
        HBITMAP mask = LoadPrintBitmap(o.printMaskId);
        if (!image || !mask) {
            std::fprintf(stderr, "no print picture for object %d\n", int(i));
            return 1;
        }
        DrawObjectForPrint(page, image, mask, objects.data(), i, count);
        LayThroughMask(page, o.position.left, o.position.top, o.pictureWidth, o.pictureHeight, image, mask);
        DeleteObject(image);
        DeleteObject(mask);
    }
    GdiFlush();
    const bool written = sheet_script::WriteBitmapFile(argv[1], info.bmiHeader, bits);
    SelectObject(page, oldSheet);
    DeleteObject(sheet);
    DeleteDC(page);
    ReleaseDC(nullptr, screen);
    if (!written) std::fprintf(stderr, "could not write %s\n", argv[1]);
    return written ? 0 : 1;
}
