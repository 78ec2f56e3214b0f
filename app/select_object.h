// Making one lab object the selected one. The bench owns the selection and
// the toolbar owns its buttons; both reach this through hooks.
#pragma once
#include <cstdint>

struct SelectionHooks {
    int32_t* selectedObject;                     // the bench's SelectedObject
    void (*UpdateObjectButtons)(int32_t object); // toolbar buttons for that object
};

void InstallSelectionHooks(const SelectionHooks& hooks);

// 1 without change when index is already selected, 0 for a negative index.
int SelectLabObject(int32_t index, int32_t object);
