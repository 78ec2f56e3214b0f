// The "LABOBJECT10" reader and Paste: any block, pasted onto a bench that
// already holds some objects; the bench must hold together afterwards.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "bench/catalogue/equipment_catalogue.h"
#include "bench/commands/edit/clipboard_objects.h"
#include "bench/commands/edit/lab_object_block.h"
#include "bench/model/bench_validate.h"
#include "bench/model/lab_objects.h"
#include "bench/model/selection.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ResetLabObjects();
    SelectedObject = 0;
    ObjectSelected = false;
    MultiSelection = {};
    // The first byte says how full the bench already is.
    const int32_t already = size ? data[0] % 50 : 0;
    for (int32_t i = 1; i <= already; ++i) {
        LabObjects[i] = EquipmentPrototype(1 + i % 28, false);
        LabObjectCount = i;
    }
    std::vector<LabObject> records;
    if (DecodeLabObjectBlock(size ? data + 1 : data, size ? size - 1 : 0, &records) != LabObjectBlockError::kNone)
        return 0;
    PasteLabObjects(records);
    if (LabObjectCount > kPasteLimit && LabObjectCount != already) std::abort();
    if (!ValidateBench(LabObjects, LabObjectCount).empty()) std::abort();
    for (int32_t i = 1; i <= LabObjectCount; ++i) {
        const LabObject& o = LabObjects[i];
        if (o.objectFlags & kObjHidden) std::abort();
        if (!(o.liquidVolume >= 0) || !(o.temperature >= 0 && o.temperature <= kMaxKelvin)) std::abort();
        if (o.note[sizeof o.note - 1] != '\0') std::abort();
    }
    return 0;
}
