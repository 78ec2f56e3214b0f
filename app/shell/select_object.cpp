#include "app/shell/select_object.h"

#include "bench/model/selection.h"

namespace {
void (*UpdateObjectButtons)(int32_t object) = nullptr;
}

void SetObjectButtonsUpdater(void (*update)(int32_t object)) { UpdateObjectButtons = update; }

int SelectLabObject(int32_t index, int32_t object) {
    if (index < 0) return 0;
    if (SelectedObject == index) return 1;
    SelectedObject = index;
    if (UpdateObjectButtons) UpdateObjectButtons(object);
    return 1;
}
