#include "render/layer_fill.h"

#include <algorithm>
#include <cmath>

#include "render/blend_rows.h"

namespace {

int32_t Edge(double v) { return static_cast<int32_t>(std::floor(v + 0.5)); }

// Where the pixels of row `y` (centres on whole coordinates) lie inside the ellipse of half-axes
// (rx, ry) about (cx, cy): [*from, *to), empty when the row misses it.
bool EllipseSpan(double cx, double cy, double rx, double ry, int32_t y, int32_t* from, int32_t* to) {
    if (rx <= 0 || ry <= 0) return false;
    const double dy = (y - cy) / ry;
    if (dy * dy > 1.0) return false;
    const double half = rx * std::sqrt(1.0 - dy * dy);
    *from = static_cast<int32_t>(std::ceil(cx - half));
    *to = static_cast<int32_t>(std::floor(cx + half)) + 1;
    return *from < *to;
}

void FillRow(const PixelBuffer& layer, int32_t y, int32_t from, int32_t to, uint32_t argb) {
    if (y < 0 || y >= layer.height) return;
    from = std::max(from, 0);
    to = std::min(to, layer.width);
    if (from >= to) return;
    std::fill_n(layer.pixels + int64_t{y} * layer.stride + from, to - from, argb);
}

uint32_t Premultiplied(uint32_t rgb, uint32_t a) {
    const auto scale = [a](uint32_t c) { return (c * a + 127) / 255; };
    return a << 24 | scale((rgb >> 16) & 0xFF) << 16 | scale((rgb >> 8) & 0xFF) << 8 | scale(rgb & 0xFF);
}

}  // namespace

void ClearLayer(const PixelBuffer& layer, uint32_t argb) { ClearLayerRows(layer, 0, layer.height, argb); }

void ClearLayerRows(const PixelBuffer& layer, int32_t top, int32_t bottom, uint32_t argb) {
    if (!layer.pixels) return;
    for (int32_t y = std::max(top, 0); y < std::min(bottom, layer.height); ++y) FillRow(layer, y, 0, layer.width, argb);
}

LayerRows WholeRowsOf(const PixelBuffer& layer, double x, double y, double width, double height) {
    if (!layer.pixels || width <= 0 || height <= 0 || Edge(x) > 0 || Edge(x + width) < layer.width) return {0, 0};
    const int32_t top = std::max(Edge(y), 0), bottom = std::min(Edge(y + height), layer.height);
    return top < bottom ? LayerRows{top, bottom} : LayerRows{0, 0};
}

void FillLayerRectangle(const PixelBuffer& layer, double x, double y, double width, double height, uint32_t argb) {
    if (!layer.pixels || width <= 0 || height <= 0) return;
    const int32_t top = std::max(Edge(y), 0), bottom = std::min(Edge(y + height), layer.height);
    for (int32_t row = top; row < bottom; ++row) FillRow(layer, row, Edge(x), Edge(x + width), argb);
}

void FillLayerEllipse(const PixelBuffer& layer, double x, double y, double width, double height, uint32_t argb) {
    if (!layer.pixels) return;
    const double rx = width / 2, ry = height / 2, cx = x + rx, cy = y + ry;
    const int32_t top = std::max(static_cast<int32_t>(std::floor(y)), 0);
    const int32_t bottom = std::min(static_cast<int32_t>(std::floor(y + height)) + 1, layer.height);
    for (int32_t row = top; row < bottom; ++row) {
        int32_t from, to;
        if (EllipseSpan(cx, cy, rx, ry, row, &from, &to)) FillRow(layer, row, from, to, argb);
    }
}

void OutlineLayerEllipse(const PixelBuffer& layer, double x, double y, double width, double height,
                         double penWidth, uint32_t argb) {
    if (!layer.pixels || penWidth <= 0) return;
    const double half = penWidth / 2, rx = width / 2, ry = height / 2, cx = x + rx, cy = y + ry;
    const int32_t top = std::max(static_cast<int32_t>(std::floor(y - half)), 0);
    const int32_t bottom = std::min(static_cast<int32_t>(std::floor(y + height + half)) + 1, layer.height);
    for (int32_t row = top; row < bottom; ++row) {
        int32_t outerFrom, outerTo, innerFrom, innerTo;
        if (!EllipseSpan(cx, cy, rx + half, ry + half, row, &outerFrom, &outerTo)) continue;
        // The ring is the outer ellipse less the inner one.
        if (!EllipseSpan(cx, cy, rx - half, ry - half, row, &innerFrom, &innerTo)) {
            FillRow(layer, row, outerFrom, outerTo, argb);
            continue;
        }
        FillRow(layer, row, outerFrom, innerFrom, argb);
        FillRow(layer, row, innerTo, outerTo, argb);
    }
}

void PremultiplyLayer(const PixelBuffer& layer) {
    if (!layer.pixels) return;
    for (int32_t y = 0; y < layer.height; ++y) {
        uint32_t* row = layer.pixels + int64_t{y} * layer.stride;
        for (int32_t x = 0; x < layer.width; ++x) {
            const uint32_t a = row[x] >> 24;
            if (a != 255) row[x] = Premultiplied(row[x], a);
        }
    }
}

void BlendLayerThroughMask(const PixelBuffer& target, const PixelBuffer& layer, int32_t x, int32_t y,
                           const PicturePixels& mask, int32_t maskLeft, int32_t maskTop) {
    if (!target.pixels || !layer.pixels || !mask.pixels || maskLeft < 0 || maskTop < 0) return;
    const int32_t rows = std::min(mask.height, layer.height - maskTop);
    const int32_t columns = std::min(mask.width, layer.width - maskLeft);
    // Mask columns whose target pixel is inside the target.
    const int32_t firstColumn = std::max(0, -(x + maskLeft));
    const int32_t endColumn = std::min<int64_t>(columns, int64_t{target.width} - x - maskLeft);
    if (firstColumn >= endColumn) return;
    for (int32_t row = 0; row < rows; ++row) {
        const int64_t ty = int64_t{y} + maskTop + row;
        if (ty < 0 || ty >= target.height) continue;
        const uint32_t* in = mask.pixels + int64_t{row} * mask.width;
        const uint32_t* colour = layer.pixels + int64_t{maskTop + row} * layer.stride + maskLeft;
        // Where mask column 0 falls: indices, as it may lie left of the target.
        const int64_t out = ty * target.stride + int64_t{x} + maskLeft;
        if (!mask.spans) {
            MaskedRow(in + firstColumn, colour + firstColumn, target.pixels + (out + firstColumn),
                      endColumn - firstColumn);
            continue;
        }
        // Where the mask is opaque it need not be read; where it is clear, nothing is laid.
        for (int32_t k = mask.spans->rowFirst[row]; k < mask.spans->rowFirst[row + 1]; ++k) {
            const PixelSpan& span = mask.spans->spans[k];
            const int32_t from = std::max(span.from, firstColumn), to = std::min(span.to, endColumn);
            if (from >= to) continue;
            if (span.opaque) QuarterRow(colour + from, target.pixels + (out + from), to - from);
            else MaskedRow(in + from, colour + from, target.pixels + (out + from), to - from);
        }
    }
}
