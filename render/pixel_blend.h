// Laying a premultiplied 32-bit picture over a 32-bit pixel buffer ("source
// over"), the way GDI+ composes an unturned picture. The pass uses it for
// every picture drawn without a transform.
#pragma once
#include <cstdint>
#include <vector>

struct PixelBuffer {
    uint32_t* pixels;  // 0xAARRGGBB, rows top-down
    int32_t width;
    int32_t height;
    int32_t stride;    // pixels per row
};

// A premultiplied pixel laid over another: every channel is the source's
// plus the destination's scaled by what the source leaves (rounded to
// nearest, exactly: 255 is odd, so there are no halves), at most 255. Two
// channels are worked a word at a time, in 16-bit lanes.
inline uint32_t SourceOver(uint32_t src, uint32_t dst) {
    const uint32_t keep = 255 - (src >> 24);
    const auto lanes = [keep](uint32_t source, uint32_t destination) {
        uint32_t t = destination * keep + 0x00800080u;
        t = ((t + ((t >> 8) & 0x00FF00FFu)) >> 8) & 0x00FF00FFu;
        t += source;
        const uint32_t carried = t & 0x01000100u;  // past 255: held at 255
        return (t | (carried - (carried >> 8))) & 0x00FF00FFu;
    };
    return lanes(src & 0x00FF00FFu, dst & 0x00FF00FFu) | lanes((src >> 8) & 0x00FF00FFu, (dst >> 8) & 0x00FF00FFu) << 8;
}

// A kept picture's rows cut into the stretches worth laying: opaque ones,
// copied as they are, and mixed ones, blended pixel by pixel. The clear
// stretches between them are left out, so laying never reads them.
struct PixelSpan {
    int32_t from, to;  // columns [from, to)
    bool opaque;
};
struct PictureSpans {
    std::vector<int32_t> rowFirst;  // each row's first span in `spans`, and one past the last row's
    std::vector<PixelSpan> spans;
};

struct PicturePixels {
    const uint32_t* pixels;  // premultiplied 0xAARRGGBB
    int32_t width;
    int32_t height;
    const PictureSpans* spans = nullptr;  // when known; must be the spans of these pixels
};

// The spans of a picture. Opaque or clear stretches shorter than a few dozen
// pixels are kept inside the mixed spans around them: a span costs more to
// start than that many pixels cost to blend (a thermometer's narrow rows are
// one mixed span each).
void FindPictureSpans(const PicturePixels& picture, PictureSpans* out);

// Blends the picture into the box (x, y, width, height) of the target,
// stretched by nearest neighbour when the box differs from its size, with
// every pixel's alpha further scaled by opacity (255 = as drawn). Parts
// outside the target are clipped.
void BlendPicture(const PixelBuffer& target, const PicturePixels& picture, int32_t x, int32_t y,
                  int32_t width, int32_t height, uint8_t opacity);

// The picture scaled to width x height by picking, for every pixel, the one
// BlendPicture would pick stretching it over such a box: the result laid at
// its own size shows what the stretched picture shows. Empty for an empty box.
void ScalePicture(const PicturePixels& picture, int32_t width, int32_t height, std::vector<uint32_t>* out);

// A filled circle of diameter `size` in the square at (x, y): every pixel
// whose centre lies inside takes the colour (0xAARRGGBB, not premultiplied)
// laid over it. Clipped to the target; size 0 draws nothing.
void BlendDisc(const PixelBuffer& target, int32_t x, int32_t y, int32_t size, uint32_t argb);

// The box from (left, top) to (right, bottom), its edges rounded to whole
// pixels, with the colour (0xAARRGGBB, not premultiplied) laid over it, as
// an unsmoothed fill or a wide flat-ended line lays it. Clipped to the target.
void BlendBox(const PixelBuffer& target, double left, double top, double right, double bottom, uint32_t argb);
