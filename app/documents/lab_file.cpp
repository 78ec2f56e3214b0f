#include "app/documents/lab_file.h"

#include "app/modules/module_host.h"
#include "bench/model/bench_validate.h"
#include "bench/model/record_safety.h"
#include "common/rtf_nesting.h"
#include "bench/model/seating.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr uint64_t kHeaderBytes = sizeof(LabFileHeader);
constexpr uint64_t kTrailerBytes = sizeof(LabFileTrailer);
constexpr uint64_t kObjectBytes = sizeof(LabObject);
constexpr uint64_t kDatasetBytes = sizeof(TitrationDataset);
constexpr uint64_t kPointBytes = sizeof(DataPoint);
int32_t ClampCoordinate(int64_t v) { return ClampBenchCoordinate(v); }

void SetRectFromHead(LabObject& o) {
    o.position.right = ClampCoordinate(int64_t{o.position.left} + o.pictureWidth);
    o.position.bottom = ClampCoordinate(int64_t{o.position.top} + o.pictureHeight);
}

RectI32 UnionRect(const RectI32& a, const RectI32& b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

void CopyName(char (&out)[kLabFilePathLength], const char* in) {
    std::memset(out, 0, sizeof out);
    if (in) std::strncpy(out, in, sizeof out - 1);
}

void TerminateField(char* field, size_t length) { field[length - 1] = '\0'; }

LabFileError DecodeDatasets(const uint8_t* bytes, uint64_t start, uint64_t end, int32_t count,
                            std::vector<TitrationData>* out) {
    uint64_t at = start;
    for (int32_t d = 0; d < count; ++d) {
        if (end - at < kDatasetBytes) return LabFileError::kBadDatasetSection;
        TitrationData data;
        std::memcpy(&data.record, bytes + at, kDatasetBytes);
        at += kDatasetBytes;
        TitrationDataset& r = data.record;
        if (r.pointCount < 0 || r.allocatedCount < r.pointCount ||
            int64_t{r.allocatedCount} > int64_t{r.pointCount} + kPointBufferGrowth)
            return LabFileError::kBadDataset;
        const uint64_t pointBytes = uint64_t(r.pointCount) * kPointBytes;
        if (end - at < pointBytes) return LabFileError::kBadDatasetSection;
        data.points.assign(size_t(r.allocatedCount), DataPoint{});
        if (pointBytes) std::memcpy(data.points.data(), bytes + at, pointBytes);
        at += pointBytes;
        for (int32_t i = 0; i < r.pointCount; ++i) {
            const DataPoint& p = data.points[size_t(i)];
            if (!IsPlausiblePointValue(p.volumeMl) || !IsPlausiblePointValue(p.ph) ||
                !IsPlausiblePointValue(p.kelvin))
                return LabFileError::kBadPointValue;
        }
        r.pointBufferAddress = 0;
        TerminateField(r.title, sizeof r.title);
        TerminateField(r.xCaption, sizeof r.xCaption);
        TerminateField(r.yCaption, sizeof r.yCaption);
        out->push_back(std::move(data));
    }
    return at == end ? LabFileError::kNone : LabFileError::kBadDatasetSection;
}

void AppendBytes(std::vector<uint8_t>& out, const void* bytes, size_t length) {
    if (!length) return;
    const size_t at = out.size();
    out.resize(at + length);
    std::memcpy(out.data() + at, bytes, length);
}

template <typename T>
void Append(std::vector<uint8_t>& out, const T& value) {
    AppendBytes(out, &value, sizeof value);
}

}  // namespace

const char* LabFileErrorText(LabFileError error) {
    switch (error) {
        case LabFileError::kNone: return "no error";
        case LabFileError::kTooShort: return "file is shorter than its header and objects";
        case LabFileError::kBadSignature: return "not a lab file (bad signature)";
        case LabFileError::kBadObjectCount: return "object count outside 0..50";
        case LabFileError::kBadName: return "module or lab name is not a bare file name";
        case LabFileError::kBadObjectType: return "object type outside 1..28";
        case LabFileError::kBadTrailer: return "bad trailer";
        case LabFileError::kBadDatasetSection: return "dataset section does not fit the file";
        case LabFileError::kBadDataset: return "dataset point counts are inconsistent";
        case LabFileError::kBadPointValue: return "dataset holds a non-finite or huge value";
        case LabFileError::kBadObservations: return "Observations text nests too deep or never ends";
    }
    return "unknown error";
}

double ChooseLabFileScale(int32_t availableHeight, int32_t lowestBottom) {
    double scale = int64_t{availableHeight} < 2 * int64_t{lowestBottom} ? 1.0 : 2.0;
    if (availableHeight > 0 && lowestBottom > 0 && availableHeight < lowestBottom) scale = 0.75;
    return scale;
}

void ReseatHostedObject(LabObject& object, LabObject& host, int32_t lift) {
    SeatHostedItem(object, host, lift);
    object.groupRect = host.groupRect = UnionRect(object.position, host.position);
}

LabFileError DecodeLabFile(const uint8_t* bytes, size_t length, const LabFileReadContext& context,
                           LabDocument* out) {
    const uint64_t size = length;
    if (size < kHeaderBytes) return LabFileError::kTooShort;
    LabFileHeader header;
    std::memcpy(&header, bytes, sizeof header);
    if (std::memcmp(header.signature, kLabFileSignature, sizeof header.signature) != 0)
        return LabFileError::kBadSignature;
    const int32_t count = header.objectCount;
    if (count < 0 || count > kMaxLabObjects) return LabFileError::kBadObjectCount;
    TerminateField(header.moduleName, sizeof header.moduleName);
    TerminateField(header.udlName, sizeof header.udlName);
    if (!IsBareModuleName(header.moduleName)) return LabFileError::kBadName;
    if (header.udlName[0] && !IsBareFileName(header.udlName)) return LabFileError::kBadName;
    const uint64_t objectsEnd = kHeaderBytes + (uint64_t(count) + 1) * kObjectBytes;
    if (size < objectsEnd) return LabFileError::kTooShort;

    LabDocument doc;
    doc.objectCount = count;
    std::memcpy(doc.moduleName, header.moduleName, sizeof doc.moduleName);
    std::memcpy(doc.udlName, header.udlName, sizeof doc.udlName);
    doc.objects.resize(size_t(count) + 1);
    std::memcpy(static_cast<void*>(doc.objects.data()), bytes + kHeaderBytes,
                (size_t(count) + 1) * kObjectBytes);
    doc.objects[0] = LabObject{};
    // Readers never hand NaN, infinity, huge amounts or links that contradict
    // each other to the simulation.
    if (!MakeReadBenchSafe(doc.objects.data(), count)) return LabFileError::kBadObjectType;

    uint64_t rtfEnd = size;
    if (size >= kTrailerBytes) {
        LabFileTrailer trailer;
        std::memcpy(&trailer, bytes + size - kTrailerBytes, sizeof trailer);
        if (std::memcmp(trailer.signature, kLabFileTrailerSignature, sizeof trailer.signature) ==
            0) {
            if (size - kTrailerBytes < objectsEnd || trailer.trailerSize != int32_t(kTrailerBytes) ||
                trailer.datasetCount < 0 || trailer.datasetCount > context.datasetRoom)
                return LabFileError::kBadTrailer;
            const uint64_t sectionEnd = size - kTrailerBytes;
            if (trailer.datasetBytes < 0 || uint64_t(trailer.datasetBytes) > sectionEnd - objectsEnd)
                return LabFileError::kBadDatasetSection;
            rtfEnd = sectionEnd - uint64_t(trailer.datasetBytes);
            LabFileError e =
                DecodeDatasets(bytes, rtfEnd, sectionEnd, trailer.datasetCount, &doc.datasets);
            if (e != LabFileError::kNone) return e;
            doc.trailer = trailer;
            doc.udlInPersonalFolder = (trailer.flags & kLabFileUdlInPersonalFolder) != 0;
        }
    }
    doc.observationsRtf.assign(reinterpret_cast<const char*>(bytes + objectsEnd),
                               size_t(rtfEnd - objectsEnd));
    if (!IsRtfNestingSound(doc.observationsRtf.data(), doc.observationsRtf.size()))
        return LabFileError::kBadObservations;

    int32_t lowestBottom = 0;
    for (int32_t i = 1; i <= count; ++i)
        lowestBottom = std::max(lowestBottom, doc.objects[size_t(i)].position.bottom);
    const double scale = ChooseLabFileScale(context.availableHeight, lowestBottom);
    for (int32_t i = 1; i <= count; ++i) {
        LabObject& o = doc.objects[size_t(i)];
        o.position.left = ClampCoordinate(int64_t(std::trunc(o.position.left * scale)));
        o.position.top = ClampCoordinate(int64_t(std::trunc(o.position.top * scale)));
        SetRectFromHead(o);
        if (context.templates.applyScreenTemplate) context.templates.applyScreenTemplate(o);
    }
    for (int32_t i = 1; i <= count; ++i) {
        LabObject& o = doc.objects[size_t(i)];
        if (o.host) ReseatHostedObject(o, doc.objects[size_t(o.host)], kReadLift);
    }
    *out = std::move(doc);
    return LabFileError::kNone;
}

std::vector<uint8_t> EncodeLabFile(int32_t count, const char* moduleName, const char* udlName,
                                   const LabObject* objects, const std::string& observationsRtf,
                                   const TitrationData* datasets, int32_t datasetCount,
                                   int32_t trailerReserved, bool udlInPersonalFolder,
                                   const LabFileTemplates& templates) {
    count = std::clamp(count, 0, kMaxLabObjects);
    if (!datasets) datasetCount = 0;
    datasetCount = std::max(datasetCount, 0);

    LabFileHeader header{};
    std::memcpy(header.signature, kLabFileSignature, sizeof header.signature);
    header.objectCount = count;
    CopyName(header.moduleName, moduleName);
    CopyName(header.udlName, udlName);

    std::vector<LabObject> work(objects, objects + count + 1);
    for (int32_t i = 1; i <= count; ++i) {
        LabObject& o = work[size_t(i)];
        if (templates.applySaveTemplate && templates.applySaveTemplate(o)) continue;
        // No save row: the positions are still stored at half scale.
        o.position.left /= 2;
        o.position.top /= 2;
        SetRectFromHead(o);
    }
    for (int32_t i = 1; i <= count; ++i) {
        LabObject& o = work[size_t(i)];
        if (o.host >= 1 && o.host <= count && o.host != i)
            ReseatHostedObject(o, work[size_t(o.host)], kSaveLift);
    }

    std::vector<uint8_t> out;
    out.reserve(kHeaderBytes + work.size() * kObjectBytes + observationsRtf.size() + kTrailerBytes);
    Append(out, header);
    AppendBytes(out, work.data(), work.size() * kObjectBytes);
    AppendBytes(out, observationsRtf.data(), observationsRtf.size());

    LabFileTrailer trailer{};
    std::memcpy(trailer.signature, kLabFileTrailerSignature, sizeof trailer.signature);
    trailer.trailerSize = int32_t(kTrailerBytes);
    trailer.datasetCount = datasetCount;
    trailer.reserved = trailerReserved;
    trailer.flags = udlInPersonalFolder ? kLabFileUdlInPersonalFolder : 0;
    for (int32_t d = 0; d < datasetCount; ++d) {
        const TitrationData& data = datasets[d];
        TitrationDataset record = data.record;
        const int32_t held = int32_t(data.points.size());
        record.pointCount = std::clamp(record.pointCount, 0, held);
        record.allocatedCount = held;
        record.pointBufferAddress = 0;
        Append(out, record);
        AppendBytes(out, data.points.data(), size_t(record.pointCount) * kPointBytes);
        trailer.datasetBytes += int32_t(kDatasetBytes + size_t(record.pointCount) * kPointBytes);
    }
    Append(out, trailer);
    return out;
}

