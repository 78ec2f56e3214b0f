#include "bench/commands/instruments/instrument_seams_win.h"

#include <windows.h>

#include <string>

#include "app/data/data_window_win.h"
#include "app/data/titration_data.h"
#include "app/demo/demo_recorder.h"
#include "app/documents/lab_file_win.h"
#include "app/frame/app_windows_win.h"
#include "app/frame/frame_services_win.h"
#include "app/shell/message_boxes_win.h"
#include "app/shell/select_object.h"
#include "bench/commands/instruments/instrument_dialogs_win.h"
#include "bench/commands/instruments/instrument_seams.h"
#include "bench/model/selection.h"

namespace {

std::string ProgramString(int32_t id) {
    char text[512];
    return LoadResString(static_cast<UINT>(id), text, sizeof text) ? std::string(text) : std::string("Missing Comment");
}

HWND Owner() { return BenchWindow ? BenchWindow : BoxOwnerWindow(); }

class WindowInstrumentSeams final : public InstrumentSeams {
public:
    void SelectNothing() override {
        ObjectSelected = false;
        SelectLabObject(0, 0);
    }
    void InvalidateWholeBench() override {
        if (BenchWindow) InvalidateRect(BenchWindow, nullptr, TRUE);
    }
    void ShowMessage(int32_t textId, int32_t captionId) override {
        MessageBoxA(Owner(), ProgramString(textId).c_str(), ProgramString(captionId).c_str(), MB_OK);
    }
    bool AskYesNo(int32_t textId, int32_t captionId) override {
        return MessageBoxA(Owner(), ProgramString(textId).c_str(), ProgramString(captionId).c_str(), MB_YESNO) ==
               IDYES;
    }
    bool TitrationPointsExist() const override { return LabTitrationData.record.allocatedCount > 0; }
    int32_t DatasetCount() const override { return CurrentLabFileTrailer.datasetCount; }
    void SetDatasetCount(int32_t count) override { CurrentLabFileTrailer.datasetCount = count; }
    void DropTitrationPoints() override {
        ClearTitrationPoints(LabTitrationData);
        RefreshDataWindow(DataWindow);
    }
    void RecordDataWindowEvent(int32_t event, int32_t stringId) override {
        if (DemoRecordingActive())
            RecordEvent(ProgramString(stringId).c_str(), kDemoUiCommand, event, 0, 0, 0, 0);
    }
    void ShowDataWindow() override {
        if (!DataWindow) return;
        ShowWindow(DataWindow, SW_SHOWNORMAL);
        UpdateWindow(DataWindow);
    }
    int SetSyringeVolumeDialog(LabObject& syringe) override { return ShowSetSyringeDialog(Owner(), syringe); }
};

WindowInstrumentSeams seams;

}  // namespace

void InstallInstrumentWindowSeams() { SetInstrumentSeams(&seams); }
