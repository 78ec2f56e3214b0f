// The printed bench page: which objects go on it, in which order, and the
// uniform scale that fits the bench onto the printable area.
#pragma once
#include <cstdint>
#include <vector>

struct PageRect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
};

struct BenchPageScale {
    bool printPage = false;  // an empty box prints no bench page
    PageRect box;            // always holds the origin
    int64_t windowExtent = 0;    // both axes (isotropic)
    int64_t viewportExtent = 0;  // both axes
};

// Box from the origin over every object's rectangle; the tighter dimension
// fills the clip area. Compared as clip width x box height against clip
// height x box width, since integer quotients are both 0 for a bench larger
// than the page.
BenchPageScale ScaleBenchPage(const std::vector<PageRect>& objects,
                              int32_t clipWidth, int32_t clipHeight);

struct PrintStep {
    int32_t index;   // 1-based object index
    int32_t number;  // shown in the progress text
};

// Objects from the last to the first, numbered from 0.
std::vector<PrintStep> BenchPrintOrder(int32_t count);
