// The row loops every paint spends its time in, four pixels at a time
// where the processor has SSE2, with the one-pixel forms kept beside them:
// they give the tails and are what the wide forms must match bit for bit.
#pragma once
#include <cstdint>

// Each premultiplied source pixel with any alpha laid over its destination
// (SourceOver); fully transparent ones leave it alone.
void OverRow(const uint32_t* src, uint32_t* dst, int32_t count);
void OverRowOneByOne(const uint32_t* src, uint32_t* dst, int32_t count);

// Each layer colour (its alpha ignored) laid over the destination at the
// alpha of the mask pixel beside it: mask alpha 0 leaves the destination,
// 255 stands for 64 (contents show at a quarter opacity), any other is used
// as it is, the colour premultiplied by it first.
void MaskedRow(const uint32_t* mask, const uint32_t* colour, uint32_t* dst, int32_t count);
void MaskedRowOneByOne(const uint32_t* mask, const uint32_t* colour, uint32_t* dst, int32_t count);

// MaskedRow under a fully opaque mask: each layer colour laid over the
// destination at 64, the mask not read.
void QuarterRow(const uint32_t* colour, uint32_t* dst, int32_t count);
void QuarterRowOneByOne(const uint32_t* colour, uint32_t* dst, int32_t count);
