// Opaque fills of a contents layer's pixels (0xAARRGGBB words): the bands,
// surface ellipses and their outlines, laid the way the bench's unsmoothed
// fills lay them, so the layer needs no graphics object. Everything is
// clipped to the buffer.
#pragma once
#include <cstdint>

#include "render/pixel_blend.h"

// Every pixel of the buffer set to one colour.
void ClearLayer(const PixelBuffer& layer, uint32_t argb);
// Every pixel of the rows [top, bottom), clipped to the buffer.
void ClearLayerRows(const PixelBuffer& layer, int32_t top, int32_t bottom, uint32_t argb);
// The rows [top, bottom) that FillLayerRectangle with this box paints from
// edge to edge of the buffer; top == bottom when it paints no row whole.
struct LayerRows {
    int32_t top, bottom;
};
LayerRows WholeRowsOf(const PixelBuffer& layer, double x, double y, double width, double height);
// The box (x, y, width, height), its edges rounded to whole pixels.
void FillLayerRectangle(const PixelBuffer& layer, double x, double y, double width, double height, uint32_t argb);
// The ellipse inscribed in the box: the pixels whose centres are inside,
// centres taken on whole coordinates as unsmoothed GDI+ takes them.
void FillLayerEllipse(const PixelBuffer& layer, double x, double y, double width, double height, uint32_t argb);
// The ellipse's outline, `penWidth` pixels wide and centred on the curve.
void OutlineLayerEllipse(const PixelBuffer& layer, double x, double y, double width, double height,
                         double penWidth, uint32_t argb);
// Turns straight-alpha pixels into premultiplied ones, in place.
void PremultiplyLayer(const PixelBuffer& layer);

// Lays a layer over the target with its top left at (x, y), through a mask
// whose pixels cover the layer from (maskLeft, maskTop): each layer pixel
// keeps its colour and takes the mask pixel's alpha (a fully opaque mask
// pixel gives 64, nothing shows outside the mask). The same pixels as
// ApplyMaskAlpha, PremultiplyLayer and BlendPicture in turn, in one pass
// that leaves the layer as it is. A mask that carries its spans is read only
// where it is neither opaque nor clear.
void BlendLayerThroughMask(const PixelBuffer& target, const PixelBuffer& layer, int32_t x, int32_t y,
                           const PicturePixels& mask, int32_t maskLeft, int32_t maskTop);
