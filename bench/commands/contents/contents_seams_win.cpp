// The contents seams over the bench window: the dialogs, the boxes shown
// while the timer runs, and the selection's toolbar buttons.
#include <windows.h>

#include "app/shell/message_boxes_win.h"
#include "app/shell/select_object.h"
#include "bench/commands/contents/contents_dialogs_win.h"
#include "bench/commands/contents/contents_seams.h"
#include "app/frame/app_windows_win.h"
#include "bench/commands/instruments/titration_dialog_win.h"
#include "bench/model/lab_objects.h"
#include "bench/window/bench_mouse_win.h"

namespace {

HWND Owner() { return BenchWindow; }

class BenchContentsSeams final : public ContentsSeams {
public:
    int WaterDialog(LabObject& vessel) override { return RunWaterDialog(Owner(), vessel); }
    int ChemicalsDialog(int32_t picked, int32_t spareOffset) override {
        return RunChemicalsDialog(Owner(), picked, spareOffset);
    }
    int IndicatorsDialog(LabObject& vessel) override { return RunIndicatorsDialog(Owner(), vessel); }
    int LabelDialog(LabObject& object) override { return RunLabelDialog(Owner(), object); }
    int TransferDialog(LabObject& newVessel) override { return RunTransferDialog(Owner(), newVessel); }
    int FilterDialog(LabObject& newVessel, bool receiverGiven) override {
        return RunFilterDialog(Owner(), newVessel, receiverGiven);
    }
    int PropertiesDialog(LabObject& object) override { return RunPropertiesDialog(Owner(), object); }

    void ShowBox(int32_t textId, int32_t captionId) override {
        char text[1024], caption[256];
        if (!LoadResString(static_cast<UINT>(textId), text, sizeof text)) return;
        if (!LoadResString(static_cast<UINT>(captionId), caption, sizeof caption)) lstrcpyA(caption, "Brevane");
        MessageBoxA(Owner(), text, caption, MB_OK);
    }
    void SelectionCleared() override { SelectLabObject(0, 0); }
    void TitrationLabelChanged(int32_t buret) override {
        if (TitrationWindow) SendMessageA(TitrationWindow, kTitrationLabelChanged, buret, 0);
    }
};

BenchContentsSeams seams;

// A double click on an object, away from its label, shows what it holds.
void OpenPropertiesOnDoubleClick(HWND bench, int32_t object) {
    if (object < 1 || object > LabObjectCount) return;
    RunPropertiesDialog(bench, LabObjects[object]);
}

}  // namespace

void InstallContentsSeams() {
    SetContentsSeams(&seams);
    SetPropertiesDialogOpener(OpenPropertiesOnDoubleClick);
}
