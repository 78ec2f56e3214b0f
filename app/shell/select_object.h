// Making one lab object the selected one. The toolbar owns the object
// buttons and reaches this through a hook.
#pragma once
#include <cstdint>

// Updates the toolbar buttons for an object; the toolbar installs it.
void SetObjectButtonsUpdater(void (*update)(int32_t object));

// Makes index the bench's SelectedObject and updates the buttons for
// object. 1 without change when index is already selected, 0 for a
// negative index.
int SelectLabObject(int32_t index, int32_t object);
