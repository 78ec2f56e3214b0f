// Lab-file decoder: any bytes, any screen height; a decoded document must
// encode again and decode to the same objects.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <cmath>
#include <vector>

#include "app/documents/lab_file.h"
#include "app/documents/lab_file_templates.h"
#include "bench/model/bench_validate.h"
#include "common/rtf_nesting.h"
#include "modules/dunmere/dunmere_lab.h"
#include "modules/morvena/morvena_lab.h"
#include "modules/olvaris/olvaris_lab.h"
#include "modules/tessaly/tessaly_lab.h"

namespace {

// Every shipped lab's hook takes whatever a file can hold and leaves numbers
// a record may keep.
void RunShippedHooks(const LabDocument& doc) {
    for (const LabModuleDefinition* lab : {&kOlvarisLab, &kTessalyLab, &kMorvenaLab, &kDunmereLab}) {
        std::vector<LabObject> objects = doc.objects;
        lab->simulationHook(doc.objectCount, objects.data());
        for (int32_t i = 1; i <= doc.objectCount; ++i) {
            const LabObject& before = doc.objects[size_t(i)];
            const LabObject& o = objects[size_t(i)];
            const bool wasFinite = std::isfinite(before.temperature) &&
                                   std::isfinite(before.precipitate) &&
                                   std::isfinite(before.solidVolume);
            if (wasFinite && (!std::isfinite(o.temperature) || std::isnan(o.precipitate) ||
                              std::isnan(o.solidVolume)))
                std::abort();
            if (o.suspendedParticles < 0 && before.suspendedParticles >= 0) std::abort();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    LabFileReadContext context;
    context.availableHeight = size ? 300 + data[0] * 4 : 900;
    // Half the inputs go through the catalogue's re-templating as well.
    if (size && (data[size - 1] & 1)) context.templates = CatalogueLabFileTemplates();
    LabDocument doc;
    if (DecodeLabFile(data, size, context, &doc) != LabFileError::kNone) return 0;
    // Links, counts, finite and in-range values: what every reader leaves.
    if (!ValidateBench(doc.objects.data(), doc.objectCount).empty()) std::abort();
    if (!IsRtfNestingSound(doc.observationsRtf.data(), doc.observationsRtf.size())) std::abort();
    const auto again = EncodeLabFile(doc.objectCount, doc.moduleName, doc.udlName,
                                     doc.objects.data(), doc.observationsRtf, doc.datasets.data(),
                                     int32_t(doc.datasets.size()), doc.trailer.reserved,
                                     doc.udlInPersonalFolder, context.templates);
    LabDocument second;
    if (DecodeLabFile(again.data(), again.size(), context, &second) != LabFileError::kNone)
        std::abort();
    if (second.objectCount != doc.objectCount || second.datasets.size() != doc.datasets.size())
        std::abort();
    RunShippedHooks(doc);
    return 0;
}
