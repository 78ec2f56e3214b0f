// The hostile lab files through the program's own reader over real files:
// each is refused saying why, or read and then sound for 1,000 ticks of the
// program's tick (finite, in range, links answered by their partners).
#include <windows.h>

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "app/documents/lab_file_win.h"
#include "bench/model/bench_validate.h"
#include "bench/model/lab_objects.h"
#include "bench/sim/sim_tick.h"
#include "bench/sim/titration_buffer.h"
#include "tests/support/hostile_files.h"
#include "tools/labsim/headless_sim_seams.h"

namespace {

std::string TempPath(const std::string& name) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

// The bench's globals are the program's: kept and given back.
class KeptBench {
public:
    KeptBench() : seams_(&CurrentBenchSeams()), count_(LabObjectCount) {
        std::memcpy(static_cast<void*>(objects_.data()), LabObjects, sizeof LabObjects);
    }
    ~KeptBench() {
        std::memcpy(static_cast<void*>(LabObjects), objects_.data(), sizeof LabObjects);
        LabObjectCount = count_;
        SetBenchSeams(seams_);
    }

private:
    BenchSeams* seams_;
    int32_t count_;
    std::vector<LabObject> objects_ = std::vector<LabObject>(kLabObjectArrayLength);
};

}  // namespace

TEST(HostileLabFilesWin, RefusedSayingWhyOrSoundForAThousandTicks) {
    KeptBench kept;
    // The program's own steps over whatever chemical table is loaded; the
    // labs' hooks run natively over the same files.
    HeadlessSimSeams seams;
    for (const hostile::HostileFile& file : hostile::HostileFiles()) {
        if (file.reader != hostile::Reader::kLabFile) continue;
        SCOPED_TRACE(file.name);
        const std::string path = TempPath("brevane_" + file.name);
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(file.bytes.data()), std::streamsize(file.bytes.size()));

        std::vector<LabObject> objects(kLabObjectArrayLength);
        int32_t count = 0;
        char module[260] = {}, udl[260] = {};
        LabFileTrailer trailer{};
        LabFileWin32 context;
        context.observationsPane = nullptr;
        const int read = ReadLabFile(&count, module, udl, objects.data(), path.c_str(), nullptr, &trailer, context);
        LabDocument doc;
        std::string why;
        EXPECT_EQ(LoadLabDocument(path.c_str(), context, 1, &doc, &why), read == 1);
        DeleteFileA(path.c_str());
        if (!file.refusal.empty()) {
            EXPECT_EQ(read, 0);
            EXPECT_NE(why.find(file.refusal), std::string::npos) << why;
            continue;
        }
        ASSERT_EQ(read, 1) << why;
        EXPECT_EQ(ValidateBench(objects.data(), count), "");

        SetBenchSeams(&seams);
        std::memcpy(static_cast<void*>(LabObjects), objects.data(), sizeof LabObjects);
        LabObjectCount = count;
        std::string fault;
        for (int tick = 1; tick <= 1000 && fault.empty(); ++tick) {
            SimulationTick(seams, TimerMessage{1, 0});
            fault = ValidateBench(LabObjects, LabObjectCount);
            if (!fault.empty()) fault = "tick " + std::to_string(tick) + ": " + fault;
        }
        EXPECT_EQ(fault, "");
        if (file.name == "stopwatch_at_largest.lab") EXPECT_EQ(LabObjects[8].stopwatchCount, INT32_MAX);
    }
    FreeTitrationPoints(TitrationPoints);
}
