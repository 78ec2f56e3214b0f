// The dataset section of a lab file: the input is the section, framed by a
// valid header, one object and a trailer that claims it.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "app/documents/lab_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const int32_t count = data[0] % 3;
    data += 1;
    size -= 1;
    std::vector<LabObject> objects(1);
    auto file = EncodeLabFile(0, "OLVARIS.DLL", "", objects.data(), "", nullptr, 0, 0, false,
                              LabFileTemplates{});
    LabFileTrailer trailer;
    std::memcpy(&trailer, file.data() + file.size() - sizeof trailer, sizeof trailer);
    file.resize(file.size() - sizeof trailer);
    file.insert(file.end(), data, data + size);
    trailer.datasetCount = count;
    trailer.datasetBytes = int32_t(size);
    const auto* t = reinterpret_cast<const uint8_t*>(&trailer);
    file.insert(file.end(), t, t + sizeof trailer);

    LabFileReadContext context;
    context.datasetRoom = 2;
    LabDocument doc;
    if (DecodeLabFile(file.data(), file.size(), context, &doc) != LabFileError::kNone) return 0;
    for (const TitrationData& d : doc.datasets) {
        if (d.record.pointCount > d.record.allocatedCount ||
            d.points.size() != size_t(d.record.allocatedCount))
            std::abort();
        BuildTitrationCsv(d, true);
        BuildTitrationTable(d, true, nullptr);
        const TitrationGraph g = ComputeTitrationGraph(d, 640, 480);
        for (int32_t i = 0; i < d.record.pointCount; ++i) {
            GraphVolumeX(g, d.points[size_t(i)].volumeMl);
            GraphPhY(g, 480, d.points[size_t(i)].ph);
            GraphKelvinY(g, 480, d.points[size_t(i)].kelvin);
        }
    }
    return 0;
}
