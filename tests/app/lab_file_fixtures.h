// Small lab-file benches shared by the lab-file tests.
#pragma once
#include <cstring>
#include <vector>

#include "app/documents/lab_file.h"

inline LabObject MakeObject(int32_t type, int32_t left, int32_t top, int32_t width,
                            int32_t height) {
    LabObject o{};
    o.type = type;
    o.pictureWidth = width;
    o.pictureHeight = height;
    o.position = {left, top, left + width, top + height};
    o.temperature = 293.0f;
    o.boilingPoint = 773.0f;
    return o;
}

inline void SetCombineX(LabObject& o, int32_t v) { o.combineOffsetX = v; }

// Records 0..count: objects of every kind spread over a bench whose lowest
// bottom stays below 800 units, object 2 hosted in object 1.
inline std::vector<LabObject> MakeBench(int32_t count) {
    std::vector<LabObject> objects(size_t(count) + 1);
    for (int32_t i = 1; i <= count; ++i) {
        LabObject& o = objects[size_t(i)];
        o = MakeObject(1 + (i - 1) % 28, 20 * i + (i % 3), 300 + 7 * i % 401, 40 + i % 9, 60 + i % 5);
        o.liquidVolume = 10.0 * i;
        o.slots[0].cas = 7732185;
        o.slots[0].grams = i;
        o.slots[0].kelvin = 293.0;
        std::snprintf(o.note, sizeof o.note, "object %d", i);
    }
    if (count >= 2) {
        objects[2].host = 1;
        objects[1].hostedItem = 2;
    }
    return objects;
}

inline TitrationData MakeDataset(int32_t points) {
    TitrationData data;
    ResetTitrationData(data, "ml of titrant", "pH");
    std::strcpy(data.record.title, "Acetic acid");
    data.record.inUse = 1;
    for (int32_t i = 0; i < points; ++i)
        AddDataPoint(data, DataPoint{0.1 * i, 3.0 + 0.04 * i, 0.0, 293.0 + 0.01 * i});
    return data;
}

inline std::vector<uint8_t> EncodeBench(const std::vector<LabObject>& objects,
                                        const TitrationData* datasets, int32_t datasetCount,
                                        bool personal, const std::string& rtf = "{\\rtf1 notes}") {
    return EncodeLabFile(int32_t(objects.size()) - 1, "OLVARIS.DLL", personal ? "acid.udl" : "",
                         objects.data(), rtf, datasets, datasetCount, 0, personal,
                         LabFileTemplates{});
}
