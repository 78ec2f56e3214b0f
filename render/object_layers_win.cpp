// Until the contents, read-out, particle and close-up layers are built,
// their steps draw nothing; DrawLabObject already calls each at its place.
#include "render/object_layers_win.h"

GpBitmap* BuildContentsLayer(const ObjectDrawing&, const PngImage*) { return nullptr; }
void DrawThermometer(const ObjectDrawing&, int32_t, double, double) {}
void DrawInstrumentReadouts(const ObjectDrawing&) {}
void DrawSampleReadout(const ObjectDrawing&) {}
void DrawBurnerFlame(const ObjectDrawing&, int32_t) {}
void DrawFlaskVapour(const ObjectDrawing&) {}
void DrawMeniscusCloseUp(const ObjectDrawing&) {}
