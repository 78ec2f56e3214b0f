#include "render/graphics_win.h"

#include "render/pixel_blend.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <tuple>
#include <vector>
#include <memory>

namespace gp = Gdiplus::DllExports;

namespace {

ULONG_PTR g_graphicsToken = 0;
PixelBuffer g_directTarget{};
HINSTANCE g_pictureInstance = nullptr;
int64_t g_decodes = 0;

struct PngDeleter {
    void operator()(PngImage* p) const { DestroyPngImage(p); }
};
std::map<int32_t, std::unique_ptr<PngImage, PngDeleter>>& Cache() {
    static std::map<int32_t, std::unique_ptr<PngImage, PngDeleter>> cache;
    return cache;
}

struct FontCache {
    std::map<float, Gdiplus::GpFont*> fonts;
    Gdiplus::GpFontFamily* family = nullptr;
    Gdiplus::GpSolidFill* black = nullptr;
};
FontCache& Fonts() {
    static FontCache fonts;
    return fonts;
}

// A text drawn once on a clear picture and kept: most texts come back paint
// after paint, and GDI+ text is slow on Wine. Only its ink is kept, placed
// from the whole pixel left of and above where the text starts.
struct TextPicture {
    std::vector<uint32_t> pixels;  // premultiplied
    int32_t left = 0, top = 0, width = 0, height = 0;
};
using TextKey = std::tuple<std::wstring, float, double, double>;  // text, size, offsets within a pixel
constexpr size_t kMostTextPictures = 512;  // read-outs change as they run: start afresh past this
constexpr int32_t kTextMargin = 4;
std::map<TextKey, TextPicture>& TextPictures() {
    static std::map<TextKey, TextPicture> pictures;
    return pictures;
}

uint32_t* PremultipliedPixels(GpBitmap* bitmap, int32_t w, int32_t h) {
    Gdiplus::BitmapData data{};
    Gdiplus::GpRect all(0, 0, w, h);
    if (gp::GdipBitmapLockBits(bitmap, &all, Gdiplus::ImageLockModeRead, PixelFormat32bppPARGB, &data) != Gdiplus::Ok)
        return nullptr;
    auto* pixels = new uint32_t[static_cast<size_t>(w) * h];
    for (int32_t y = 0; y < h; ++y)
        CopyMemory(pixels + static_cast<size_t>(y) * w, static_cast<const BYTE*>(data.Scan0) + y * data.Stride, w * 4);
    gp::GdipBitmapUnlockBits(bitmap, &data);
    return pixels;
}

bool Untransformed(GpGraphics* g) {
    BOOL identity = FALSE;
    Gdiplus::GpMatrix* m = nullptr;
    gp::GdipCreateMatrix(&m);
    if (!m) return false;
    gp::GdipGetWorldTransform(g, m);
    gp::GdipIsMatrixIdentity(m, &identity);
    gp::GdipDeleteMatrix(m);
    return identity != FALSE;
}

bool BlendDirectly(GpGraphics* g, const PngImage* png, double x, double y, uint8_t opacity, int width = 0,
                   int height = 0) {
    if (!png->premultiplied) return false;
    const PixelBuffer* target = UntransformedTarget(g);
    if (!target) return false;
    const PicturePixels picture = png->Ink();
    const PicturePixels* scaled = width > 0 && opacity == 255 ? ScaledInk(png, width, height) : nullptr;
    if (scaled)
        BlendPicture(*target, *scaled, static_cast<int32_t>(x), static_cast<int32_t>(y), width, height, 255);
    else if (width > 0)
        BlendPicture(*target, picture, static_cast<int32_t>(x), static_cast<int32_t>(y), width, height, opacity);
    else
        BlendPicture(*target, picture, static_cast<int32_t>(x) + png->inkLeft, static_cast<int32_t>(y) + png->inkTop,
                     png->inkWidth, png->inkHeight, opacity);
    return true;
}

// Crops a picture to its pixels that are not fully transparent and keeps it
// premultiplied: drawing then neither converts nor blends empty margins.
void KeepInkOnly(PngImage* png) {
    auto* bitmap = static_cast<GpBitmap*>(png->image);
    Gdiplus::BitmapData data{};
    Gdiplus::GpRect all(0, 0, png->width, png->height);
    if (gp::GdipBitmapLockBits(bitmap, &all, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB, &data) !=
        Gdiplus::Ok)
        return;
    int32_t left = png->width, top = png->height, right = -1, bottom = -1;
    for (int32_t y = 0; y < png->height; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const BYTE*>(data.Scan0) + y * data.Stride);
        for (int32_t x = 0; x < png->width; ++x)
            if (row[x] >> 24) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    }
    gp::GdipBitmapUnlockBits(bitmap, &data);
    if (right < 0) {  // nothing to draw: keep one clear pixel
        left = top = right = bottom = 0;
    }
    GpBitmap* ink = nullptr;
    if (gp::GdipCloneBitmapAreaI(left, top, right - left + 1, bottom - top + 1, PixelFormat32bppPARGB, bitmap,
                                 &ink) != Gdiplus::Ok)
        return;
    gp::GdipDisposeImage(png->image);
    png->image = ink;
    png->premultiplied = PremultipliedPixels(ink, right - left + 1, bottom - top + 1);
    if (png->premultiplied) {
        png->spans = new PictureSpans;
        FindPictureSpans({png->premultiplied, right - left + 1, bottom - top + 1}, png->spans);
    }
    png->inkLeft = left;
    png->inkTop = top;
    png->inkWidth = right - left + 1;
    png->inkHeight = bottom - top + 1;
}

}  // namespace

GpStatus StartGraphics() {
    if (g_graphicsToken) return Gdiplus::Ok;
    Gdiplus::GdiplusStartupInput input;
    input.GdiplusVersion = 1;
    input.DebugEventCallback = nullptr;
    input.SuppressBackgroundThread = FALSE;
    input.SuppressExternalCodecs = FALSE;
    return Gdiplus::GdiplusStartup(&g_graphicsToken, &input, nullptr);
}

PngImage* LoadPngResource(HINSTANCE instance, int32_t id, const wchar_t* type) {
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(id), type);
    if (!found) return nullptr;
    const DWORD size = SizeofResource(instance, found);
    if (size == 0) return nullptr;
    HGLOBAL loaded = LoadResource(instance, found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) return nullptr;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    if (!block) return nullptr;
    void* copy = GlobalLock(block);
    if (!copy) {
        GlobalFree(block);
        return nullptr;
    }
    CopyMemory(copy, bytes, size);
    GlobalUnlock(block);
    IStream* stream = nullptr;
    if (CreateStreamOnHGlobal(block, TRUE, &stream) != S_OK || !stream) {
        GlobalFree(block);
        return nullptr;
    }
    GpBitmap* bitmap = nullptr;
    const GpStatus status = gp::GdipCreateBitmapFromStream(stream, &bitmap);
    stream->Release();  // frees the block; the bitmap keeps its own copy
    if (status != Gdiplus::Ok || !bitmap) {
        if (bitmap) gp::GdipDisposeImage(bitmap);
        return nullptr;
    }
    ++g_decodes;
    UINT w = 0, h = 0;
    gp::GdipGetImageWidth(bitmap, &w);
    gp::GdipGetImageHeight(bitmap, &h);
    const int32_t width = static_cast<int32_t>(w), height = static_cast<int32_t>(h);
    return new PngImage{bitmap, status, width, height, 0, 0, width, height, nullptr, nullptr};
}

void DestroyPngImage(PngImage* image) {
    if (!image) return;
    if (image->image) gp::GdipDisposeImage(image->image);
    delete[] image->premultiplied;
    delete image->spans;
    delete image;
}

void SetPictureInstance(HINSTANCE instance) { g_pictureInstance = instance; }

const PngImage* CachedPng(int32_t id) {
    if (id <= 0) return nullptr;
    auto& cache = Cache();
    auto it = cache.find(id);
    if (it == cache.end()) {
        HINSTANCE instance = g_pictureInstance ? g_pictureInstance : GetModuleHandleA(nullptr);
        PngImage* png = LoadPngResource(instance, id);
        if (png) KeepInkOnly(png);
        it = cache.emplace(id, std::unique_ptr<PngImage, PngDeleter>(png)).first;
    }
    return it->second.get();
}

int64_t PngDecodeCount() { return g_decodes; }

const PicturePixels* ScaledInk(const PngImage* png, int32_t width, int32_t height) {
    constexpr int64_t kLargestScaled = 1 << 18;  // pixels; larger boxes are stretched as they are drawn
    if (!png || !png->premultiplied || width <= 0 || height <= 0 || int64_t{width} * height > kLargestScaled)
        return nullptr;
    struct Scaled {
        std::vector<uint32_t> pixels;
        PictureSpans spans;
        PicturePixels picture;
    };
    static std::map<std::tuple<const PngImage*, int32_t, int32_t>, Scaled> scaled;
    constexpr size_t kMostScaled = 256;  // a few sizes come back paint after paint: start afresh past this
    const auto key = std::make_tuple(png, width, height);
    auto it = scaled.find(key);
    if (it == scaled.end()) {
        if (scaled.size() >= kMostScaled) scaled.clear();
        Scaled s;
        ScalePicture(png->Ink(), width, height, &s.pixels);
        FindPictureSpans({s.pixels.data(), width, height}, &s.spans);
        it = scaled.emplace(key, std::move(s)).first;
        it->second.picture = {it->second.pixels.data(), width, height, &it->second.spans};
    }
    return &it->second.picture;
}

const PixelBuffer* DirectBlendTarget() { return g_directTarget.pixels ? &g_directTarget : nullptr; }

void SetDirectBlendTarget(uint32_t* pixels, int32_t width, int32_t height) {
    g_directTarget = {pixels, width, height, width};
}

const PixelBuffer* UntransformedTarget(GpGraphics* g) {
    if (!g_directTarget.pixels || !Untransformed(g)) return nullptr;
    gp::GdipFlush(g, Gdiplus::FlushIntentionSync);  // what GDI+ drew lands first
    return &g_directTarget;
}

void DrawPng(GpGraphics* g, const PngImage* png, double x, double y) {
    if (!png || BlendDirectly(g, png, x, y, 255)) return;
    gp::GdipDrawImageRectI(g, png->image, static_cast<INT>(x) + png->inkLeft, static_cast<INT>(y) + png->inkTop,
                           png->inkWidth, png->inkHeight);
}

void DrawPngStretched(GpGraphics* g, const PngImage* png, int x, int y, int width, int height) {
    if (!png || BlendDirectly(g, png, x, y, 255, width, height)) return;
    gp::GdipDrawImageRectI(g, png->image, x, y, width, height);
}

void DrawPngFaded(GpGraphics* g, const PngImage* png, double x, double y, float alpha) {
    if (!png || BlendDirectly(g, png, x, y, static_cast<BYTE>(alpha * 255.0f + 0.5f))) return;
    Gdiplus::GpImageAttributes* attributes = nullptr;
    if (gp::GdipCreateImageAttributes(&attributes) != Gdiplus::Ok) return;
    Gdiplus::ColorMatrix m = {{{1, 0, 0, 0, 0}, {0, 1, 0, 0, 0}, {0, 0, 1, 0, 0}, {0, 0, 0, alpha, 0},
                               {0, 0, 0, 0, 1}}};
    gp::GdipSetImageAttributesColorMatrix(attributes, Gdiplus::ColorAdjustTypeDefault, TRUE, &m, nullptr,
                                          Gdiplus::ColorMatrixFlagsDefault);
    gp::GdipDrawImageRectRectI(g, png->image, static_cast<INT>(x) + png->inkLeft,
                               static_cast<INT>(y) + png->inkTop, png->inkWidth, png->inkHeight, 0, 0,
                               png->inkWidth, png->inkHeight, Gdiplus::UnitPixel, attributes, nullptr, nullptr);
    gp::GdipDisposeImageAttributes(attributes);
}

Gdiplus::GpMatrix* SaveTransform(GpGraphics* g) {
    Gdiplus::GpMatrix* m = nullptr;
    gp::GdipCreateMatrix(&m);
    if (m) gp::GdipGetWorldTransform(g, m);
    return m;
}

void RestoreTransform(GpGraphics* g, Gdiplus::GpMatrix* saved) {
    if (!saved) return;
    gp::GdipSetWorldTransform(g, saved);
    gp::GdipDeleteMatrix(saved);
}

void RotateAbout(GpGraphics* g, double degrees, double x, double y) {
    // Prepended, so the turn happens in the drawing's own frame, before any
    // tilt already in force.
    gp::GdipTranslateWorldTransform(g, static_cast<float>(x), static_cast<float>(y), Gdiplus::MatrixOrderPrepend);
    gp::GdipRotateWorldTransform(g, static_cast<float>(degrees), Gdiplus::MatrixOrderPrepend);
    gp::GdipTranslateWorldTransform(g, static_cast<float>(-x), static_cast<float>(-y), Gdiplus::MatrixOrderPrepend);
}

namespace {

TextPicture RenderText(const wchar_t* text, Gdiplus::GpFont* font, Gdiplus::GpBrush* black, float pixels, double dx,
                       double dy) {
    TextPicture out;
    const int32_t w = static_cast<int32_t>(std::wcslen(text) * pixels + 2 * kTextMargin + 2 * pixels);
    const int32_t h = static_cast<int32_t>(2 * pixels + 2 * kTextMargin);
    GpBitmap* bitmap = nullptr;
    if (gp::GdipCreateBitmapFromScan0(w, h, 0, PixelFormat32bppARGB, nullptr, &bitmap) != Gdiplus::Ok) return out;
    GpGraphics* g = nullptr;
    if (gp::GdipGetImageGraphicsContext(bitmap, &g) == Gdiplus::Ok && g) {
        gp::GdipGraphicsClear(g, 0);
        const Gdiplus::RectF at(static_cast<float>(kTextMargin + dx), static_cast<float>(kTextMargin + dy), 0.0f, 0.0f);
        gp::GdipDrawString(g, text, -1, font, &at, nullptr, black);
        gp::GdipDeleteGraphics(g);
    }
    Gdiplus::BitmapData data{};
    Gdiplus::GpRect all(0, 0, w, h);
    if (gp::GdipBitmapLockBits(bitmap, &all, Gdiplus::ImageLockModeRead, PixelFormat32bppPARGB, &data) == Gdiplus::Ok) {
        int32_t left = w, top = h, right = -1, bottom = -1;
        auto row = [&data](int32_t y) {
            return reinterpret_cast<const uint32_t*>(static_cast<const BYTE*>(data.Scan0) + y * data.Stride);
        };
        for (int32_t y = 0; y < h; ++y)
            for (int32_t x = 0; x < w; ++x)
                if (row(y)[x] >> 24) {
                    left = std::min(left, x), right = std::max(right, x);
                    top = std::min(top, y), bottom = std::max(bottom, y);
                }
        if (right >= 0) {
            out.left = left - kTextMargin, out.top = top - kTextMargin;
            out.width = right - left + 1, out.height = bottom - top + 1;
            for (int32_t y = top; y <= bottom; ++y) out.pixels.insert(out.pixels.end(), row(y) + left, row(y) + right + 1);
        }
        gp::GdipBitmapUnlockBits(bitmap, &data);
    }
    gp::GdipDisposeImage(bitmap);
    return out;
}

Gdiplus::GpFont* BenchFont(float pixels) {
    FontCache& cache = Fonts();
    if (!cache.family && gp::GdipCreateFontFamilyFromName(L"Times New Roman", nullptr, &cache.family) != Gdiplus::Ok) {
        cache.family = nullptr;
        gp::GdipGetGenericFontFamilySerif(&cache.family);
    }
    if (!cache.black) gp::GdipCreateSolidFill(0xFF000000, &cache.black);
    Gdiplus::GpFont*& font = cache.fonts[pixels];
    if (!font && cache.family) gp::GdipCreateFont(cache.family, pixels, Gdiplus::FontStyleRegular, Gdiplus::UnitPixel, &font);
    return cache.black ? font : nullptr;
}

const TextPicture& CachedTextPicture(const wchar_t* text, Gdiplus::GpFont* font, float pixels, double dx, double dy) {
    auto& pictures = TextPictures();
    if (pictures.size() >= kMostTextPictures) pictures.clear();
    const TextKey key{text, pixels, dx, dy};
    auto it = pictures.find(key);
    if (it == pictures.end()) it = pictures.emplace(key, RenderText(text, font, Fonts().black, pixels, dx, dy)).first;
    return it->second;
}

}  // namespace

bool MeasureBenchText(const wchar_t* text, float pixels, float* width, float* height) {
    Gdiplus::GpFont* font = BenchFont(pixels);
    if (!font) return false;
    const TextPicture& p = CachedTextPicture(text, font, pixels, 0, 0);
    if (p.pixels.empty()) return false;
    *width = static_cast<float>(p.left + p.width);
    *height = static_cast<float>(p.top + p.height);
    return true;
}

void DrawBenchText(GpGraphics* g, const wchar_t* text, double x, double y, float pixels) {
    FontCache& cache = Fonts();
    Gdiplus::GpFont* font = BenchFont(pixels);
    if (!font) return;
    if (const PixelBuffer* target = UntransformedTarget(g)) {
        const double left = std::floor(x), top = std::floor(y);
        const TextPicture& p = CachedTextPicture(text, font, pixels, x - left, y - top);
        if (!p.pixels.empty())
            BlendPicture(*target, {p.pixels.data(), p.width, p.height}, static_cast<int32_t>(left) + p.left,
                         static_cast<int32_t>(top) + p.top, p.width, p.height, 255);
        return;
    }
    const Gdiplus::RectF at(static_cast<float>(x), static_cast<float>(y), 0.0f, 0.0f);
    gp::GdipDrawString(g, text, -1, font, &at, nullptr, cache.black);
}
