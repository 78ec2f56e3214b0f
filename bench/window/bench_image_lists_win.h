// The image lists the bench window makes at creation and keeps for its life:
// read-out frames and pointers, the instrument pictures, the lamp, and the
// meniscus close-up pictures and scale strips.
#pragma once
#include <windows.h>
#include <commctrl.h>

constexpr int kBenchImageListCount = 12;
// Numbers of the lists the close-up and the overlays draw from.
constexpr int kLampImages = 7;
constexpr int kBuretMeniscusImages = 8;
constexpr int kBuretScaleImages = 9;
constexpr int kInvertedBuretScaleImages = 10;
constexpr int kCylinderMeniscusImages = 11;
constexpr int kCylinderScaleImages = 12;

// A masked picture's mask is the bitmap whose id is the picture's plus this,
// unless its list names a mask of its own.
constexpr int kMaskIdOffset = 10000;

// Creates the twelve lists from the program's bitmaps (deleting each bitmap
// once it is added) and hands the meniscus and lamp lists to the overlay
// invalidation. Lists made before are destroyed first.
void CreateBenchImageLists();
void DestroyBenchImageLists();
// List 1..12 in creation order; nullptr outside that range or before creation.
HIMAGELIST BenchImageList(int number);
