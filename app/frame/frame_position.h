// The frame's remembered position: registry value "Pos", "%i,%i,%i,%i" of
// top, left, bottom, right.
#pragma once

#include "common/geometry.h"

constexpr int kFramePositionLength = 30;  // bytes written, with the NUL

// Fills out (left, top, right, bottom) from the text; false unless four
// integers are there.
bool ParseFramePosition(const char* text, RectI32* out);

// The rectangle to use at start: the stored one when it is not empty and
// lies within the desktop, else the work area at 0,0.
RectI32 ChooseFramePlacement(const RectI32* stored, const RectI32& desktop, const RectI32& workArea);

// Text to store on close; top and left clamped at 0.
void FormatFramePosition(const RectI32& window, char (&text)[kFramePositionLength]);
