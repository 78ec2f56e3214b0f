// The catalogue's re-templating as the lab file uses it.
#pragma once
#include "app/documents/lab_file.h"

// Screen heads on reading; save-geometry heads and half-scale positions on
// writing (the codec halves positions itself for a kind with no save row).
LabFileTemplates CatalogueLabFileTemplates();
