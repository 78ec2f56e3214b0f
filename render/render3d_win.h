// The bench rendering pass: the whole lab space composed off screen and
// shown in one block transfer.
#pragma once
#include <windows.h>

#include "common/lab_object.h"

void Render3D(HDC paintDc, LabObject* base, int32_t count);
// The off-screen canvas the pass keeps between paints, released when the
// bench goes (the next paint would make a new one).
void ReleaseBenchCanvas();
