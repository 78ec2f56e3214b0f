#include "bench/window/bench_image_lists_win.h"

#include "app/frame/app_windows_win.h"
#include "app/shell/bench_helpers_win.h"

namespace {

// How a list finds each picture's mask.
enum class Mask { kNone, kById, kNamed, kSelf };

struct ImageListSpec {
    int cx, cy;
    UINT flags;
    int initial, grow;
    Mask mask;
    int ids[13];
    int masks[2];  // for Mask::kNamed, one per picture
};

constexpr UINT kColor4Masked = ILC_COLOR4 | ILC_MASK;
constexpr UINT kColor24Masked = ILC_COLOR24 | ILC_MASK;

// Index order is the order the pictures are added; the renderer picks them
// by index.
const ImageListSpec kLists[kBenchImageListCount] = {
    {15, 5, kColor4Masked, 8, 16, Mask::kById, {159, 160}, {}},
    {5, 10, kColor4Masked, 8, 16, Mask::kById, {294, 295}, {}},
    {65, 30, kColor4Masked, 8, 16, Mask::kById, {297, 299, 302, 304, 305, 325, 298}, {}},
    {115, 30, kColor24Masked, 8, 16, Mask::kById, {372, 371, 373}, {}},
    {52, 168, kColor24Masked, 8, 16, Mask::kById, {413, 414, 415, 416, 421, 422}, {}},
    {66, 51, kColor24Masked, 8, 16, Mask::kById, {432, 431, 435, 434, 436, 440}, {}},
    {14, 38, kColor24Masked, 8, 16, Mask::kById, {469, 468}, {}},
    {62, 95, ILC_COLOR24, 8, 16, Mask::kNone,
     {516, 517, 511, 502, 510, 509, 508, 507, 506, 505, 504, 503, 512}, {}},
    {37, 2081, kColor4Masked, 2, 4, Mask::kNamed, {514}, {515}},
    {37, 2081, kColor4Masked, 2, 4, Mask::kNamed, {536}, {538}},
    {62, 95, ILC_COLOR24, 12, 16, Mask::kNone,
     {531, 528, 527, 526, 525, 524, 523, 522, 521, 520, 519, 518}, {}},
    {37, 626, kColor4Masked, 2, 4, Mask::kSelf, {529, 533}, {}},
};

HIMAGELIST lists[kBenchImageListCount] = {};

HBITMAP LoadBenchBitmap(int id) { return LoadBitmapA(AppInstance, MAKEINTRESOURCEA(id)); }

void AddPictures(HIMAGELIST list, const ImageListSpec& spec) {
    for (int i = 0; i < 13 && spec.ids[i]; ++i) {
        HBITMAP picture = LoadBenchBitmap(spec.ids[i]);
        if (!picture) continue;
        HBITMAP mask = nullptr;
        switch (spec.mask) {
        case Mask::kNone: break;
        case Mask::kById: mask = LoadBenchBitmap(spec.ids[i] + kMaskIdOffset); break;
        case Mask::kNamed: mask = LoadBenchBitmap(spec.masks[i]); break;
        case Mask::kSelf: mask = LoadBenchBitmap(spec.ids[i]); break;
        }
        ImageList_Add(list, picture, mask);
        DeleteObject(picture);
        if (mask) DeleteObject(mask);
    }
}

}  // namespace

void CreateBenchImageLists() {
    DestroyBenchImageLists();
    for (int n = 0; n < kBenchImageListCount; ++n) {
        const ImageListSpec& spec = kLists[n];
        lists[n] = ImageList_Create(spec.cx, spec.cy, spec.flags, spec.initial, spec.grow);
        if (lists[n]) AddPictures(lists[n], spec);
    }
    SetOverlayImageLists(BenchImageList(kBuretMeniscusImages), BenchImageList(kLampImages));
}

void DestroyBenchImageLists() {
    SetOverlayImageLists(nullptr, nullptr);
    for (HIMAGELIST& list : lists) {
        if (list) ImageList_Destroy(list);
        list = nullptr;
    }
}

HIMAGELIST BenchImageList(int number) {
    return number >= 1 && number <= kBenchImageListCount ? lists[number - 1] : nullptr;
}
