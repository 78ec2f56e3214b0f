#include "bench/model/selection.h"

int32_t SelectedObject = 0;
bool ObjectSelected = false;
MultiSelectionState MultiSelection = {};
