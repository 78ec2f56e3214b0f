// Lets a start-up benchmark see the bench's first paint: when the environment
// names an event in BREVANE_FIRST_PAINT_EVENT, the first paint sets it.
#pragma once

void SignalFirstPaintWhenAsked();
