#include "bench/commands/print/bench_page.h"

#include <algorithm>

BenchPageScale ScaleBenchPage(const std::vector<PageRect>& objects,
                              int32_t clipWidth, int32_t clipHeight) {
    BenchPageScale out;
    for (const PageRect& r : objects) {
        out.box.left = std::min(out.box.left, r.left);
        out.box.top = std::min(out.box.top, r.top);
        out.box.right = std::max(out.box.right, r.right);
        out.box.bottom = std::max(out.box.bottom, r.bottom);
    }
    const int64_t bw = int64_t{out.box.right} - out.box.left;
    const int64_t bh = int64_t{out.box.bottom} - out.box.top;
    if (bw <= 0 || bh <= 0 || clipWidth <= 0 || clipHeight <= 0) return out;
    out.printPage = true;
    // clipWidth / bw < clipHeight / bh: the width is the tighter dimension.
    if (int64_t{clipWidth} * bh < int64_t{clipHeight} * bw) {
        out.windowExtent = bw;
        out.viewportExtent = clipWidth;
    } else {
        out.windowExtent = bh;
        out.viewportExtent = clipHeight;
    }
    return out;
}

std::vector<PrintStep> BenchPrintOrder(int32_t count) {
    std::vector<PrintStep> steps;
    for (int32_t i = count; i >= 1; --i) steps.push_back({i, count - i});
    return steps;
}
