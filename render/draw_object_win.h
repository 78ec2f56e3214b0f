// Drawing one lab object into the bench's off-screen bitmap.
#pragma once
#include "render/graphics_win.h"

#include "common/lab_object.h"

void DrawLabObject(LabObject* base, int32_t index, bool largeScreen, HDC memoryDc, double dpiFactor,
                   GpGraphics* bench, const PngImage* bubble, GpStatus* status);

// The label of an object (at most three characters) at its label area.
void DrawObjectLabel(GpGraphics* bench, const LabObject& o, float pixels);
