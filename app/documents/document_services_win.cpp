// The frame's and the bench window's calls into the lab documents: the
// titration dataset's life, and the recorder around paints and closing.
#include <windows.h>

#include <string>

#include "app/frame/app_windows_win.h"
#include "app/demo/demo_commands_win.h"
#include "app/demo/demo_recorder.h"
#include "app/frame/frame_services_win.h"
#include "app/documents/lab_file_win.h"
#include "app/data/data_window_win.h"
#include "app/data/titration_data.h"
#include "bench/model/lab_objects.h"
#include "bench/sim/titration_buffer.h"
#include "resources/brevane/document_ids.h"

namespace {

std::string LoadText(int id, const char* fallback) {
    char text[256];
    const int n = LoadStringA(AppInstance, UINT(id), text, sizeof text);
    return n > 0 ? std::string(text, size_t(n)) : std::string(fallback);
}

}  // namespace

void ResetTitrationDatasetRecord() {
    ResetTitrationData(LabTitrationData, LoadText(IDS_ML_OF_TITRANT, "ml of titrant").c_str(),
                       LoadText(IDS_PH, "pH").c_str());
}

void FreeTitrationPoints() {
    ClearTitrationPoints(LabTitrationData);
    // The tick's collector keeps its own buffer.
    FreeTitrationPoints(TitrationPoints);
    CurrentLabFileTrailer.datasetCount = 0;
    RefreshDataWindow(DataWindow);
}

void EndDemonstrationRecording() {
    LabDemoRecorder.recording = false;
    CloseDemoFile();
}

bool DemoRecordingActive() { return LabDemoRecorder.recording; }

void RecordBenchState() { RecordLabState(LabObjectCount, &LabObjects[1]); }
