// Collect Titration Data and View Titration Data. The lab holds at most one
// dataset: dropping it leaves none, starting a collection makes one.
#include "bench/commands/command_ids.h"
#include "bench/commands/command_router.h"
#include "bench/commands/instruments/instrument_command_support.h"
#include "bench/commands/instruments/instrument_comments.h"
#include "bench/commands/instruments/instrument_seams.h"
#include "bench/model/lab_objects.h"
#include "bench/window/bench_seams.h"
#include "resources/brevane/instrument_ids.h"

using namespace instruments;

namespace {

enum : int32_t {
    kCollectOffString = 677,
    kCollectOnString = 678,
    kShowDataString = 697,
    kDropDatasetString = 698,
    kAddDatasetString = 699,
};

void DropDataset(InstrumentSeams& ui) {
    ui.DropTitrationPoints();
    ui.SetDatasetCount(0);
    ui.RecordDataWindowEvent(kDropDatasetEvent, kDropDatasetString);
}

void OnCollectTitrationData(const CommandMessage&) {
    InstrumentSeams& ui = CurrentInstrumentSeams();
    BenchSeams& bench = CurrentBenchSeams();
    LabObject* vessel = SelectedRecord();
    if (!vessel || !(vessel->kindFlags & kKindTakesPhMeter)) {
        ui.ShowMessage(IDS_CANNOT_COLLECT, IDS_DATA_COLLECTION);
        return;
    }
    if (vessel->collectTitration == 1) {
        RecordProcedureWithTypeName(bench, kCollectOffString, vessel->type);
        vessel->collectTitration = 0;
        vessel->titrantDelivered = 0.0;
        return;  // the data collected stays
    }

    // Another vessel collecting: its data goes only when the user says so,
    // and a No starts nothing.
    const int32_t self = IndexOf(*vessel);
    bool dropped = false;
    for (int32_t i = 1; i <= LabObjectCount && i <= kMaxLabObjects; ++i) {
        if (i == self || LabObjects[i].collectTitration == 0) continue;
        if (!ui.AskYesNo(IDS_DROP_PREVIOUS_DATA, IDS_DATA_COLLECTION)) return;
        LabObjects[i].collectTitration = 0;
        if (!dropped) DropDataset(ui);
        dropped = true;
    }
    // Data left from an earlier collection is asked about once as well.
    if (!dropped && ui.TitrationPointsExist() && ui.DatasetCount() > 0) {
        if (!ui.AskYesNo(IDS_DROP_PREVIOUS_DATA, IDS_DATA_COLLECTION)) return;
        DropDataset(ui);
    }

    RecordProcedureWithTypeName(bench, kCollectOnString, vessel->type);
    ui.SetDatasetCount(1);
    vessel->collectTitration = 1;
    vessel->phShown = 1;
    ui.RecordDataWindowEvent(kAddDatasetEvent, kAddDatasetString);
}

void OnViewTitrationData(const CommandMessage&) {
    InstrumentSeams& ui = CurrentInstrumentSeams();
    ui.RecordDataWindowEvent(kShowDataWindowEvent, kShowDataString);
    ui.ShowDataWindow();
}

}  // namespace

void RegisterDataCollectionCommands() {
    const CommandEntry entries[] = {
        {kCmdCollectTitrationData, OnCollectTitrationData},
        {kCmdViewTitrationData, OnViewTitrationData},
    };
    RegisterCommands(entries, static_cast<int>(sizeof entries / sizeof entries[0]));
}
