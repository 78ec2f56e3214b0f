// Lab-file decoder: any bytes, any screen height; a decoded document must
// encode again and decode to the same objects.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "app/documents/lab_file.h"
#include "app/documents/lab_file_templates.h"
#include "bench/model/bench_validate.h"
#include "common/rtf_nesting.h"

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
    return 0;
}
