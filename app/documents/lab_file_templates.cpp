#include "app/documents/lab_file_templates.h"

#include "bench/catalogue/equipment_catalogue.h"

namespace {

bool ApplySaveRow(LabObject& o) {
    if (FindTemplate(o.type, o.sizeIndex, o.variant, o.stateBits) < 0) return false;
    ApplySaveTemplate(o);
    return true;
}

}  // namespace

LabFileTemplates CatalogueLabFileTemplates() {
    LabFileTemplates t;
    t.applyScreenTemplate = ApplyScreenTemplateOrKindHead;
    t.applySaveTemplate = ApplySaveRow;
    return t;
}
