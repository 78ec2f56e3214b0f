// The lab file: header, objects 0..N, the Observations RTF, the datasets and
// the trailer. Decoding reads into a LabDocument and refuses the whole file
// at the first fault, so the caller commits only a good document.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "app/data/titration_data.h"
#include "common/lab_file_records.h"
#include "common/lab_object.h"

struct LabDocument {
    int32_t objectCount = 0;
    char moduleName[kLabFilePathLength] = {};
    char udlName[kLabFilePathLength] = {};
    std::vector<LabObject> objects;    // records 0..objectCount (record 0 holds no object)
    std::string observationsRtf;       // the bytes between the objects and the datasets
    std::vector<TitrationData> datasets;
    LabFileTrailer trailer{};
    bool udlInPersonalFolder = false;
};

// The catalogue's re-templating, reached through pointers so the codec runs
// without it. Both keep the object's left and top unless said otherwise.
struct LabFileTemplates {
    // Re-copies the head from the current screen's table and sets right and
    // bottom from it.
    void (*applyScreenTemplate)(LabObject& object) = nullptr;
    // Re-copies the head from the save-geometry table and halves left and
    // top; false when the object has no row there (nothing was changed).
    bool (*applySaveTemplate)(LabObject& object) = nullptr;
};

struct LabFileReadContext {
    int32_t availableHeight = 900;  // full-screen client height less toolbar and status bar
    int32_t datasetRoom = 1;        // datasets the caller keeps
    LabFileTemplates templates;
};

enum class LabFileError {
    kNone,
    kTooShort,
    kBadSignature,
    kBadObjectCount,
    kBadName,
    kBadObjectType,
    kBadTrailer,
    kBadDatasetSection,
    kBadDataset,
    kBadPointValue,
    kBadObservations,
};

// The largest lab file the program opens (the RTF may hold pictures); larger
// files are refused before they are read.
constexpr uint64_t kLargestLabFileBytes = uint64_t{256} << 20;
const char* LabFileErrorText(LabFileError error);

LabFileError DecodeLabFile(const uint8_t* bytes, size_t length, const LabFileReadContext& context,
                           LabDocument* out);

// The whole file as the writer stores it. `objects` holds records 0..count;
// at most the datasets given are written, and the trailer's count says so.
std::vector<uint8_t> EncodeLabFile(int32_t count, const char* moduleName, const char* udlName,
                                   const LabObject* objects, const std::string& observationsRtf,
                                   const TitrationData* datasets, int32_t datasetCount,
                                   int32_t trailerReserved, bool udlInPersonalFolder,
                                   const LabFileTemplates& templates);

// Position scale for a bench of the given available height whose lowest
// object bottom (in file units) is lowestBottom: 1.0, 2.0 or 0.75.
double ChooseLabFileScale(int32_t availableHeight, int32_t lowestBottom);

// Moves a hosted object onto its host (centred, its bottom `lift` units above
// the host's bottom) and sets both group rectangles to their union.
void ReseatHostedObject(LabObject& object, LabObject& host, int32_t lift);
constexpr int32_t kReadLift = 50;
constexpr int32_t kSaveLift = 8;
