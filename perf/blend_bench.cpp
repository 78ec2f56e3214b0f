// The pixel loops of a paint, on a vessel-sized picture laid into a
// bench-sized canvas: a body (clear margins, an outline, a plain inside),
// its contents through a hard mask, the bench strip stretched, and bubbles.
// Reported per pixel laid; the Wine paint benchmark measures the whole pass.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "render/layer_fill.h"
#include "render/pixel_blend.h"

namespace {

constexpr int32_t kCanvasWidth = 1280, kCanvasHeight = 1024;
constexpr int32_t kWidth = 226, kHeight = 295;

// A vessel picture: clear outside, a part-clear outline, the inside one colour.
std::vector<uint32_t> Vessel(uint32_t inside) {
    std::vector<uint32_t> p(size_t(kWidth) * kHeight, 0);
    for (int32_t y = 10; y < kHeight; ++y)
        for (int32_t x = 20; x <= 200; ++x)
            p[size_t(y) * kWidth + x] = (x == 20 || x == 200 || y == kHeight - 1) ? 0x80202830u : inside;
    return p;
}

struct Canvas {
    std::vector<uint32_t> pixels = std::vector<uint32_t>(size_t(kCanvasWidth) * kCanvasHeight, 0xFFFFFFFFu);
    PixelBuffer buffer{pixels.data(), kCanvasWidth, kCanvasHeight, kCanvasWidth};
};

void LayBody(benchmark::State& state) {
    const std::vector<uint32_t> body = Vessel(0xFFF4F8FCu);
    PictureSpans spans;
    FindPictureSpans({body.data(), kWidth, kHeight}, &spans);
    const PicturePixels picture{body.data(), kWidth, kHeight, state.range(0) ? &spans : nullptr};
    Canvas canvas;
    int k = 0;
    for (auto _ : state) {
        BlendPicture(canvas.buffer, picture, 20 + (k * 97) % 1000, 20 + (k * 53) % 700, kWidth, kHeight, 255);
        ++k;
    }
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK(LayBody)->Arg(0)->Arg(1)->ArgName("spans");

void LayContents(benchmark::State& state) {
    const std::vector<uint32_t> mask = Vessel(0xFF000000u);
    PictureSpans spans;
    FindPictureSpans({mask.data(), kWidth, kHeight}, &spans);
    std::vector<uint32_t> layer(size_t(kWidth) * kHeight, 0xFFFFFFFFu);
    for (size_t i = layer.size() / 2; i < layer.size(); ++i) layer[i] = 0xFF78AAFAu;  // half full
    const PicturePixels picture{mask.data(), kWidth, kHeight, state.range(0) ? &spans : nullptr};
    Canvas canvas;
    int k = 0;
    for (auto _ : state) {
        BlendLayerThroughMask(canvas.buffer, {layer.data(), kWidth, kHeight, kWidth}, 20 + (k * 97) % 1000,
                              20 + (k * 53) % 700, picture, 0, 0);
        ++k;
    }
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK(LayContents)->Arg(0)->Arg(1)->ArgName("spans");

void StretchStrip(benchmark::State& state) {
    const std::vector<uint32_t> strip(906 * 93, 0xFFB0885Eu);
    Canvas canvas;
    for (auto _ : state) BlendPicture(canvas.buffer, {strip.data(), 906, 93}, 128, 931, 1024, 93, 255);
    state.SetItemsProcessed(state.iterations() * 1024 * 93);
}
BENCHMARK(StretchStrip);

void LayBubbles(benchmark::State& state) {
    std::vector<uint32_t> bubble(23 * 23, 0);
    for (int32_t y = 0; y < 23; ++y)
        for (int32_t x = 0; x < 23; ++x)
            if ((x - 11) * (x - 11) + (y - 11) * (y - 11) <= 100) bubble[size_t(y) * 23 + x] = 0x96808080u;
    std::vector<uint32_t> layer(size_t(kWidth) * kHeight, 0xFF78AAFAu);
    const PixelBuffer target{layer.data(), kWidth, kHeight, kWidth};
    int k = 0;
    for (auto _ : state) {
        const int32_t size = k % 15;  // stretched from the picture each time, as a scaled copy is not kept here
        BlendPicture(target, {bubble.data(), 23, 23}, (k * 37) % 200, (k * 11) % 280, size, size, 255);
        BlendDisc(target, (k * 13) % 220, (k * 29) % 290, 3, 0xFF404040u);
        ++k;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(LayBubbles);

}  // namespace
