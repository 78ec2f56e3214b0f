#include "app/select_object.h"

namespace {
SelectionHooks Hooks = {};
}

void InstallSelectionHooks(const SelectionHooks& hooks) { Hooks = hooks; }

int SelectLabObject(int32_t index, int32_t object) {
    if (index < 0 || !Hooks.selectedObject) return 0;
    if (*Hooks.selectedObject == index) return 1;
    *Hooks.selectedObject = index;
    if (Hooks.UpdateObjectButtons) Hooks.UpdateObjectButtons(object);
    return 1;
}
