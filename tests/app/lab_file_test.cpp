// Lab files: round trips, the position scale, re-seating, and refusal of
// every kind of damaged file without touching the document.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>

#include "app/documents/lab_file_templates.h"
#include "bench/catalogue/equipment_catalogue.h"
#include "bench/model/bench_validate.h"
#include "tests/app/lab_file_fixtures.h"

namespace {

LabFileReadContext Screen(int32_t height = 900) {
    LabFileReadContext c;
    c.availableHeight = height;
    return c;
}

template <typename T>
void Poke(std::vector<uint8_t>& file, size_t offset, T value) {
    ASSERT_LE(offset + sizeof value, file.size());
    std::memcpy(file.data() + offset, &value, sizeof value);
}

constexpr size_t kHeader = sizeof(LabFileHeader);
constexpr size_t kObject = sizeof(LabObject);
constexpr size_t kTrailer = sizeof(LabFileTrailer);

size_t ObjectOffset(int32_t index) { return kHeader + size_t(index) * kObject; }
size_t TrailerOffset(const std::vector<uint8_t>& file) { return file.size() - kTrailer; }
size_t DatasetOffset(const std::vector<uint8_t>& file) {
    int32_t bytes;
    std::memcpy(&bytes, file.data() + TrailerOffset(file) + 16, sizeof bytes);
    return TrailerOffset(file) - size_t(bytes);
}

}  // namespace

TEST(LabFile, WriteReadWriteGivesIdenticalBytes) {
    for (int32_t count : {0, 50})
        for (int32_t points : {-1, 0, 1, 250})
            for (bool personal : {false, true}) {
                SCOPED_TRACE(testing::Message() << "N=" << count << " points=" << points
                                                << " personal=" << personal);
                const auto bench = MakeBench(count);
                TitrationData data = MakeDataset(std::max(points, 0));
                const int32_t datasets = points < 0 ? 0 : 1;
                const auto first = EncodeBench(bench, &data, datasets, personal);

                LabDocument doc;
                ASSERT_EQ(DecodeLabFile(first.data(), first.size(), Screen(), &doc),
                          LabFileError::kNone);
                EXPECT_EQ(doc.objectCount, count);
                EXPECT_EQ(doc.udlInPersonalFolder, personal);
                ASSERT_EQ(int32_t(doc.datasets.size()), datasets);
                EXPECT_EQ(doc.observationsRtf, "{\\rtf1 notes}");

                const auto second = EncodeLabFile(doc.objectCount, doc.moduleName, doc.udlName,
                                                  doc.objects.data(), doc.observationsRtf,
                                                  doc.datasets.data(), int32_t(doc.datasets.size()),
                                                  doc.trailer.reserved, doc.udlInPersonalFolder,
                                                  LabFileTemplates{});
                EXPECT_EQ(first, second);
            }
}

TEST(LabFile, FileWithoutTrailerHasNoDatasetsAndFlagClear) {
    auto file = EncodeBench(MakeBench(3), nullptr, 0, true);
    file.resize(file.size() - kTrailer);
    LabDocument doc;
    ASSERT_EQ(DecodeLabFile(file.data(), file.size(), Screen(), &doc), LabFileError::kNone);
    EXPECT_TRUE(doc.datasets.empty());
    EXPECT_FALSE(doc.udlInPersonalFolder);
    EXPECT_EQ(doc.observationsRtf, "{\\rtf1 notes}");
    EXPECT_EQ(doc.objectCount, 3);
}

TEST(LabFile, NoObjectsWritesRecordZeroOnly) {
    const auto file = EncodeBench(MakeBench(0), nullptr, 0, false, "");
    EXPECT_EQ(file.size(), kHeader + kObject + kTrailer);
}

TEST(LabFile, ScaleFollowsScreenHeightAndLowestBottom) {
    struct Case {
        int32_t height, bottom;
        double scale;
    };
    const Case cases[] = {
        {900, 0, 2.0},   {900, 450, 2.0}, {900, 451, 1.0}, {900, 900, 1.0},
        {900, 901, 0.75}, {0, 100, 1.0},  {-5, 0, 1.0},    {600, 2000, 0.75},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChooseLabFileScale(c.height, c.bottom), c.scale) << c.height << " " << c.bottom;
}

TEST(LabFile, PositionsAreHalvedOnSaveAndScaledOnOpen) {
    std::vector<LabObject> bench(2);
    bench[1] = MakeObject(3, 301, 401, 60, 80);
    // A save template that has no row for this kind: the halving still happens.
    LabFileTemplates templates;
    templates.applySaveTemplate = [](LabObject&) { return false; };
    const auto file = EncodeLabFile(1, "OLVARIS.DLL", "", bench.data(), "", nullptr, 0, 0, false,
                                    templates);
    LabObject stored;
    std::memcpy(&stored, file.data() + ObjectOffset(1), sizeof stored);
    EXPECT_EQ(stored.position.left, 150);
    EXPECT_EQ(stored.position.top, 200);
    EXPECT_EQ(stored.position.right, 210);
    EXPECT_EQ(stored.position.bottom, 280);

    struct Case {
        int32_t height, left, top;
    };
    for (const Case& c : {Case{900, 300, 400}, Case{500, 150, 200}, Case{250, 112, 150}}) {
        LabDocument doc;
        ASSERT_EQ(DecodeLabFile(file.data(), file.size(), Screen(c.height), &doc),
                  LabFileError::kNone);
        const RectI32& r = doc.objects[1].position;
        EXPECT_EQ(r.left, c.left) << c.height;
        EXPECT_EQ(r.top, c.top) << c.height;
        EXPECT_EQ(r.right, c.left + 60);
        EXPECT_EQ(r.bottom, c.top + 80);
    }
}

TEST(LabFile, ReadingCallsTheScreenTemplateForEveryObject) {
    static int calls;
    calls = 0;
    LabFileReadContext context = Screen();
    context.templates.applyScreenTemplate = [](LabObject& o) {
        ++calls;
        o.pictureWidth = 99;
        o.position.right = o.position.left + 99;
    };
    const auto file = EncodeBench(MakeBench(4), nullptr, 0, false);
    LabDocument doc;
    ASSERT_EQ(DecodeLabFile(file.data(), file.size(), context, &doc), LabFileError::kNone);
    EXPECT_EQ(calls, 4);
    EXPECT_EQ(doc.objects[3].pictureWidth, 99);
}

TEST(LabFile, HostedObjectIsCentredOnItsHost) {
    struct Case {
        int32_t hostWidth, objectWidth, hostCombineX, objectCombineX, lift;
        RectI32 expected;
    };
    const Case cases[] = {
        // Host at (100,200)-(100+w,280); object starts at (0,0) with height 100.
        {60, 10, 5, 2, kReadLift, {128, 130, 138, 230}},
        {61, 10, 0, 0, kReadLift, {126, 130, 136, 230}},   // 51 / 2 = 25
        {10, 61, 0, 0, kSaveLift, {74, 172, 135, 272}},    // -51 / 2 = -25, toward zero
    };
    for (const Case& c : cases) {
        LabObject host = MakeObject(3, 100, 200, c.hostWidth, 80);
        LabObject object = MakeObject(20, 0, 0, c.objectWidth, 100);
        SetCombineX(host, c.hostCombineX);
        SetCombineX(object, c.objectCombineX);
        ReseatHostedObject(object, host, c.lift);
        const RectI32& r = object.position;
        EXPECT_EQ(r.left, c.expected.left);
        EXPECT_EQ(r.top, c.expected.top);
        EXPECT_EQ(r.right, c.expected.right);
        EXPECT_EQ(r.bottom, c.expected.bottom);
        EXPECT_EQ(object.groupRect.top, std::min(r.top, host.position.top));
        EXPECT_EQ(object.groupRect.bottom, std::max(r.bottom, host.position.bottom));
        EXPECT_EQ(host.groupRect.left, object.groupRect.left);
    }
}

TEST(LabFile, HostedObjectComesBackFiftyUnitsAboveHostBottom) {
    auto bench = MakeBench(2);
    const auto file = EncodeBench(bench, nullptr, 0, false);
    LabDocument doc;
    ASSERT_EQ(DecodeLabFile(file.data(), file.size(), Screen(), &doc), LabFileError::kNone);
    EXPECT_EQ(doc.objects[2].position.bottom, doc.objects[1].position.bottom - 50);
}

TEST(LabFile, DamagedFilesAreRefusedAndTheDocumentIsUntouched) {
    TitrationData data = MakeDataset(3);
    const auto good = EncodeBench(MakeBench(3), &data, 1, false);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* name;
        std::function<void(std::vector<uint8_t>&)> damage;
        LabFileError error;
    };
    const Case cases[] = {
        {"short header", [](auto& f) { f.resize(100); }, LabFileError::kTooShort},
        {"objects cut off", [](auto& f) { f.resize(kHeader + 2 * kObject); },
         LabFileError::kTooShort},
        {"signature", [](auto& f) { f[0] = 'X'; }, LabFileError::kBadSignature},
        {"count 51", [](auto& f) { Poke<int32_t>(f, 8, 51); }, LabFileError::kBadObjectCount},
        {"count -1", [](auto& f) { Poke<int32_t>(f, 8, -1); }, LabFileError::kBadObjectCount},
        {"count beyond the bytes", [](auto& f) { Poke<int32_t>(f, 8, 50); },
         LabFileError::kTooShort},
        {"module with folder", [](auto& f) { std::memcpy(&f[12], "..\\x.dll", 9); },
         LabFileError::kBadName},
        {"module with drive", [](auto& f) { std::memcpy(&f[12], "C:x.dll", 8); },
         LabFileError::kBadName},
        {"empty module", [](auto& f) { f[12] = 0; }, LabFileError::kBadName},
        {"lab with slash", [](auto& f) { std::memcpy(&f[272], "a/b.udl", 8); },
         LabFileError::kBadName},
        {"type 0", [](auto& f) { Poke<int32_t>(f, ObjectOffset(2), 0); },
         LabFileError::kBadObjectType},
        {"type 29", [](auto& f) { Poke<int32_t>(f, ObjectOffset(3), 29); },
         LabFileError::kBadObjectType},
        {"two datasets", [](auto& f) { Poke<int32_t>(f, TrailerOffset(f) + 12, 2); },
         LabFileError::kBadTrailer},
        {"trailer size", [](auto& f) { Poke<int32_t>(f, TrailerOffset(f) + 8, 281); },
         LabFileError::kBadTrailer},
        {"section longer than the file",
         [](auto& f) { Poke<int32_t>(f, TrailerOffset(f) + 16, 0x7fffffff); },
         LabFileError::kBadDatasetSection},
        {"section negative", [](auto& f) { Poke<int32_t>(f, TrailerOffset(f) + 16, -4); },
         LabFileError::kBadDatasetSection},
        {"section longer than its dataset",
         [](auto& f) {
             int32_t bytes;
             std::memcpy(&bytes, &f[TrailerOffset(f) + 16], 4);
             Poke<int32_t>(f, TrailerOffset(f) + 16, bytes + 4);
         },
         LabFileError::kBadDatasetSection},
        {"points beyond the section",
         [](auto& f) {
             Poke<int32_t>(f, DatasetOffset(f) + 4, 90);
             Poke<int32_t>(f, DatasetOffset(f) + 8, 100);
         },
         LabFileError::kBadDatasetSection},
        {"huge point count",
         [](auto& f) {
             Poke<int32_t>(f, DatasetOffset(f) + 4, 0x7fffffff);
             Poke<int32_t>(f, DatasetOffset(f) + 8, 0x7fffffff);
         },
         LabFileError::kBadDatasetSection},
        {"more points than allocated", [](auto& f) { Poke<int32_t>(f, DatasetOffset(f) + 8, 2); },
         LabFileError::kBadDataset},
        {"huge allocation", [](auto& f) { Poke<int32_t>(f, DatasetOffset(f) + 8, 0x7fffffff); },
         LabFileError::kBadDataset},
        {"NaN volume", [nan](auto& f) { Poke<double>(f, DatasetOffset(f) + 1456, nan); },
         LabFileError::kBadPointValue},
        {"huge pH", [](auto& f) { Poke<double>(f, DatasetOffset(f) + 1456 + 32 + 8, 1e300); },
         LabFileError::kBadPointValue},
        {"infinite kelvin",
         [](auto& f) {
             Poke<double>(f, DatasetOffset(f) + 1456 + 64 + 24,
                          std::numeric_limits<double>::infinity());
         },
         LabFileError::kBadPointValue},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto file = good;
        c.damage(file);
        LabDocument doc;
        doc.objectCount = 7;
        std::strcpy(doc.moduleName, "TESSALY.DLL");
        doc.observationsRtf = "kept";
        EXPECT_EQ(DecodeLabFile(file.data(), file.size(), Screen(), &doc), c.error);
        EXPECT_EQ(doc.objectCount, 7);
        EXPECT_STREQ(doc.moduleName, "TESSALY.DLL");
        EXPECT_EQ(doc.observationsRtf, "kept");
        EXPECT_TRUE(doc.objects.empty());
    }
}

TEST(LabFile, BadLinksTextsAndValuesAreMendedOnReading) {
    auto bench = MakeBench(3);
    bench[3].host = 3;               // itself
    bench[3].nextGroupMember = 99;   // beyond the count
    bench[1].pourTarget = -2;
    bench[2].groupMemberCount = 40;  // more members than objects
    std::memset(bench[1].note, 'x', sizeof bench[1].note);
    bench[1].temperature = std::numeric_limits<float>::infinity();
    bench[2].liquidVolume = std::numeric_limits<double>::quiet_NaN();
    TitrationData data = MakeDataset(2);
    data.record.pointBufferAddress = 0x12345678;
    std::memset(data.record.title, 'T', sizeof data.record.title);
    auto file = EncodeBench(bench, &data, 1, false);
    Poke<uint32_t>(file, DatasetOffset(file) + 1324, 0xdeadbeef);

    LabDocument doc;
    ASSERT_EQ(DecodeLabFile(file.data(), file.size(), Screen(), &doc), LabFileError::kNone);
    EXPECT_EQ(doc.objects[3].host, 0);
    EXPECT_EQ(doc.objects[3].nextGroupMember, 0);
    EXPECT_EQ(doc.objects[1].pourTarget, 0);
    EXPECT_EQ(doc.objects[2].groupMemberCount, 0);
    EXPECT_EQ(doc.objects[2].host, 1);  // a good link stays
    EXPECT_EQ(doc.objects[1].note[sizeof doc.objects[1].note - 1], '\0');
    EXPECT_TRUE(std::isfinite(doc.objects[1].temperature));
    EXPECT_LE(doc.objects[1].temperature, kMaxKelvin);
    EXPECT_EQ(doc.objects[2].liquidVolume, 0.0);
    EXPECT_EQ(doc.datasets[0].record.pointBufferAddress, 0u);
    EXPECT_EQ(doc.datasets[0].record.title[254], '\0');
    EXPECT_EQ(doc.datasets[0].points.size(), 100u);
}

// Every floating field the simulation reads comes out of a file finite and
// in range, and the whole bench passes ValidateBench.
TEST(LabFile, EveryFloatingFieldIsFiniteAndInRange) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Field {
        const char* name;
        std::function<void(LabObject&, double)> set;
        std::function<double(const LabObject&)> get;
        bool temperature;  // 0..773.15
        bool amount;       // never negative
    };
    const Field fields[] = {
        {"temperature", [](LabObject& o, double v) { o.temperature = float(v); },
         [](const LabObject& o) { return double(o.temperature); }, true, true},
        {"boiling point", [](LabObject& o, double v) { o.boilingPoint = float(v); },
         [](const LabObject& o) { return double(o.boilingPoint); }, true, true},
        {"slot kelvin", [](LabObject& o, double v) { o.slots[3].kelvin = v; },
         [](const LabObject& o) { return o.slots[3].kelvin; }, true, true},
        {"slot grams", [](LabObject& o, double v) { o.slots[3].grams = v; },
         [](const LabObject& o) { return o.slots[3].grams; }, false, true},
        {"titrant delivered", [](LabObject& o, double v) { o.titrantDelivered = v; },
         [](const LabObject& o) { return o.titrantDelivered; }, false, true},
        {"tare", [](LabObject& o, double v) { o.tare = float(v); },
         [](const LabObject& o) { return double(o.tare); }, false, true},
        {"precipitate", [](LabObject& o, double v) { o.precipitate = v; },
         [](const LabObject& o) { return o.precipitate; }, false, true},
        {"flow", [](LabObject& o, double v) { o.flowSetting = v; },
         [](const LabObject& o) { return o.flowSetting; }, false, true},
        {"pH", [](LabObject& o, double v) { o.ph = v; }, [](const LabObject& o) { return o.ph; }, false,
         false},
        {"reading 4944", [](LabObject& o, double v) { o.reading1 = v; },
         [](const LabObject& o) { return o.reading1; }, false, false},
        {"reading 4952", [](LabObject& o, double v) { o.reading2 = v; },
         [](const LabObject& o) { return o.reading2; }, false, false},
        {"reading 4960", [](LabObject& o, double v) { o.reading3 = v; },
         [](const LabObject& o) { return o.reading3; }, false, false},
        {"reading 4968", [](LabObject& o, double v) { o.reading4 = v; },
         [](const LabObject& o) { return o.reading4; }, false, false},
        {"heat-capacity factor", [](LabObject& o, double v) { o.heatCapacityFactor = float(v); },
         [](const LabObject& o) { return double(o.heatCapacityFactor); }, false, true},
        {"thermal mass", [](LabObject& o, double v) { o.thermalMass = float(v); },
         [](const LabObject& o) { return double(o.thermalMass); }, false, true},
        {"indicator amount", [](LabObject& o, double v) { o.indicatorAmount = float(v); },
         [](const LabObject& o) { return double(o.indicatorAmount); }, false, true},
        {"liquid volume", [](LabObject& o, double v) { o.liquidVolume = v; },
         [](const LabObject& o) { return o.liquidVolume; }, false, true},
        {"solid volume", [](LabObject& o, double v) { o.solidVolume = v; },
         [](const LabObject& o) { return o.solidVolume; }, false, true},
    };
    for (const Field& f : fields) {
        for (double bad : {nan, inf, -inf, -5.0, 900.0}) {
            SCOPED_TRACE(testing::Message() << f.name << " = " << bad);
            auto bench = MakeBench(3);
            f.set(bench[2], bad);
            const auto file = EncodeBench(bench, nullptr, 0, false);
            LabDocument doc;
            ASSERT_EQ(DecodeLabFile(file.data(), file.size(), Screen(), &doc), LabFileError::kNone);
            EXPECT_EQ(ValidateBench(doc.objects.data(), doc.objectCount), "");
            const double v = f.get(doc.objects[2]);
            EXPECT_TRUE(std::isfinite(v));
            if (f.temperature) EXPECT_TRUE(v >= 0 && v <= kMaxKelvin) << v;
            if (f.amount) EXPECT_GE(v, 0);
            if (bad == 900.0 && !f.temperature) EXPECT_EQ(v, 900.0);  // in range: kept
        }
    }
}

// Rich edit can fault on notes nested very deep or on a group that never
// ends; such notes refuse the file like any other damage.
TEST(LabFile, NotesNestedTooDeepOrNeverEndingAreRefused) {
    const std::string deep = "{\\rtf1" + std::string(56, '{') + "x" + std::string(56, '}') + "}";
    struct Case {
        const char* name;
        std::string rtf;
        LabFileError error;
    };
    const Case cases[] = {
        {"56 groups deep", deep, LabFileError::kBadObservations},
        {"a group that never ends", "{\\rtf1 {\\b notes", LabFileError::kBadObservations},
        {"32 deep is sound", "{\\rtf1" + std::string(31, '{') + "x" + std::string(31, '}') + "}",
         LabFileError::kNone},
        {"escaped braces do not count", "{\\rtf1 " + std::string(40 * 2, ' ') + "\\{\\}" + "}",
         LabFileError::kNone},
        {"no notes at all", "", LabFileError::kNone},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto file = EncodeBench(MakeBench(2), nullptr, 0, false, c.rtf);
        LabDocument doc;
        doc.observationsRtf = "kept";
        EXPECT_EQ(DecodeLabFile(file.data(), file.size(), Screen(), &doc), c.error);
        if (c.error != LabFileError::kNone) {
            EXPECT_EQ(doc.observationsRtf, "kept");
            EXPECT_TRUE(doc.objects.empty());
        }
    }
}

TEST(LabFile, CatalogueHeadsRoundTripAndKindsWithoutASaveRowStillHalve) {
    const LabFileTemplates templates = CatalogueLabFileTemplates();
    std::vector<LabObject> bench(29);
    for (int32_t type = 1; type <= 28; ++type) {
        bench[size_t(type)] = EquipmentPrototype(type, false);
        RectI32& r = bench[size_t(type)].position;
        const int32_t width = r.right - r.left, height = r.bottom - r.top;
        r = {30 * type + 1, 101 + type % 5, 30 * type + 1 + width, 101 + type % 5 + height};
    }
    bench[5].sizeIndex = 99;  // a key no template row has
    const auto first = EncodeLabFile(28, "OLVARIS.DLL", "", bench.data(), "", nullptr, 0, 0, false,
                                     templates);
    LabObject stored;
    std::memcpy(&stored, first.data() + ObjectOffset(5), sizeof stored);
    EXPECT_EQ(stored.position.left, bench[5].position.left / 2);
    EXPECT_EQ(stored.position.top, bench[5].position.top / 2);

    LabFileReadContext context = Screen(4000);
    context.templates = templates;
    LabDocument doc;
    ASSERT_EQ(DecodeLabFile(first.data(), first.size(), context, &doc), LabFileError::kNone);
    for (int32_t type = 1; type <= 28; ++type) {
        SCOPED_TRACE(type);
        const LabObject& o = doc.objects[size_t(type)];
        EXPECT_EQ(o.position.left, bench[size_t(type)].position.left / 2 * 2);
        EXPECT_EQ(o.pictureWidth, bench[size_t(type)].pictureWidth);
    }
    // The key no row has comes back as its kind's own, with its head: none
    // of the file's geometry stays.
    EXPECT_EQ(doc.objects[5].sizeIndex, EquipmentPrototype(5, false).sizeIndex);
    const auto second = EncodeLabFile(doc.objectCount, doc.moduleName, doc.udlName,
                                      doc.objects.data(), doc.observationsRtf, nullptr, 0, 0,
                                      false, templates);
    ASSERT_EQ(first.size(), second.size());
    const size_t five = ObjectOffset(5);
    EXPECT_TRUE(std::equal(first.begin(), first.begin() + ptrdiff_t(five), second.begin()));
    EXPECT_TRUE(std::equal(first.begin() + ptrdiff_t(five + sizeof(LabObject)), first.end(),
                           second.begin() + ptrdiff_t(five + sizeof(LabObject))));
}
