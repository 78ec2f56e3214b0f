#include "bench/commands/contents/contents_commands.h"

#include "bench/catalogue/equipment_catalogue.h"
#include "bench/commands/bench_command_seams.h"
#include "bench/commands/command_ids.h"
#include "bench/commands/command_router.h"
#include "bench/commands/contents/contents_comments.h"
#include "bench/commands/contents/contents_seams.h"
#include "bench/commands/contents/label_text.h"
#include "bench/commands/contents/transfer_commands.h"
#include "bench/model/bench_state.h"
#include "bench/model/lab_objects.h"
#include "bench/model/selection.h"
#include "bench/sim/sim_support.h"
#include "bench/sim/sim_water_colour.h"
#include "bench/window/bench_seams.h"

int32_t ChemicalsSpareOffset = 0;

namespace {

constexpr int32_t kLabelSetComment = 684;
constexpr int32_t kLabelClearedComment = 685;
constexpr int32_t kPourComment = 679;
constexpr int32_t kEmptyComment = 680;

LabObject* SelectedRecord() {
    if (!ObjectSelected || SelectedObject < 1 || SelectedObject > LabObjectCount) return nullptr;
    return &LabObjects[SelectedObject];
}

bool CanTakeWater(const LabObject& o) { return o.addWaterStep != 0.0f && o.liquidVolume < o.capacityMl * 10.0; }

RectI32 Inflated(RectI32 r, int32_t by) { return {r.left - by, r.top - by, r.right + by, r.bottom + by}; }

void OnWater(const CommandMessage&) {
    LabObject* vessel = SelectedRecord();
    if (!vessel || !CanTakeWater(*vessel)) return;
    BenchCommandSeams& ui = CurrentBenchCommandSeams();
    ui.PauseTimer();
    CurrentContentsSeams().WaterDialog(*vessel);
    CurrentBenchSeams().InvalidateLogicalRect(vessel->position);
    DocumentModified = true;
    ui.ResumeTimer();
}

// The toolbar button and the ice step add one fill step as the timer's
// step does.
void OnAddWaterStep(const CommandMessage& command) {
    LabObject* vessel = SelectedRecord();
    if (!vessel || !CanTakeWater(*vessel)) return;
    AddWaterStep(*vessel, command.id == kCmdAddIceStep ? 253.0 : 293.0, CurrentBenchSeams());
}

void OnAllChemicals(const CommandMessage&) {
    BenchCommandSeams& ui = CurrentBenchCommandSeams();
    BenchSeams& seams = CurrentBenchSeams();
    ui.PauseTimer();
    ChemicalsSpareOffset = 0;
    const PointI32 at = UnpackBenchPoint(DefaultBenchPosition(kBeaker, LabObjects, LabObjectCount));
    if (LabObject* picked = SelectedRecord()) {
        if (picked->type < 2) return ui.ResumeTimer();
        const int32_t index = SelectedObject;
        if (AddEquipment(LabObjects, kBeaker, at.x, at.y, LabObjectCount, 0)) {
            UndoValid = false;  // a record was written beyond the count
            ChemicalsSpareOffset = LabObjectCount + 1 - index;
        }
        const RectI32 kept = picked->position;
        const int result = CurrentContentsSeams().ChemicalsDialog(index, ChemicalsSpareOffset);
        if (result == 1) {
            const RectI32 now = LabObjects[index].position;
            seams.DrawSelectionFrame(kept);
            seams.InvalidateLogicalRect(Inflated(sim::UnionRect(kept, now), 5));
            seams.DrawSelectionFrame(now);
            DocumentModified = true;
        } else if (result == 2 && ChemicalsSpareOffset != 0) {
            ++LabObjectCount;
            seams.InvalidateLogicalRect(LabObjects[LabObjectCount].position);
            DocumentModified = true;
        }
        return ui.ResumeTimer();
    }
    if (MultiSelection.memberCount > 0) return ui.ResumeTimer();
    if (!AddEquipment(LabObjects, kBeaker, at.x, at.y, LabObjectCount, 0)) return ui.ResumeTimer();
    UndoValid = false;
    ChemicalsSpareOffset = 1;
    if (CurrentContentsSeams().ChemicalsDialog(LabObjectCount, ChemicalsSpareOffset) == 2) {
        ++LabObjectCount;
        seams.InvalidateLogicalRect(LabObjects[LabObjectCount].position);
        DocumentModified = true;
    }
    ui.ResumeTimer();
}

void OnIndicators(const CommandMessage&) {
    LabObject* vessel = SelectedRecord();
    if (!vessel || vessel->type < 2) return;
    BenchCommandSeams& ui = CurrentBenchCommandSeams();
    ui.PauseTimer();
    if (CurrentContentsSeams().IndicatorsDialog(*vessel) == 1) {
        CurrentBenchSeams().InvalidateLogicalRect(vessel->position);
        DocumentModified = true;
    }
    ui.ResumeTimer();
}

void OnLabel(const CommandMessage&) {
    LabObject* o = SelectedRecord();
    if (!o) return;
    const RectI32 area = o->labelArea;
    if (area.right <= area.left || area.bottom <= area.top) return;
    BenchCommandSeams& ui = CurrentBenchCommandSeams();
    ui.PauseTimer();
    if (CurrentContentsSeams().LabelDialog(*o) == 1) {
        const RectI32 moved{area.left + o->position.left, area.top + o->position.top, area.right + o->position.left,
                            area.bottom + o->position.top};
        CurrentBenchSeams().InvalidateLogicalRect(moved);
        DocumentModified = true;
        if (o->type == kBuret) CurrentContentsSeams().TitrationLabelChanged(SelectedObject);
        const std::string label = LabelOf(*o);
        if (!label.empty())
            RecordTypeComment(kLabelSetComment, *o, label.c_str());
        else
            RecordTypeComment(kLabelClearedComment, *o, nullptr);
    }
    ui.ResumeTimer();
}

void OnPour(const CommandMessage&) {
    LabObject* o = SelectedRecord();
    if (!o) return;
    if (TogglePourPosition(*o, 1)) DocumentModified = true;
    RecordTypeComment(kPourComment, *o, nullptr);
}

void OnEmpty(const CommandMessage&) {
    LabObject* o = SelectedRecord();
    if (!o) return;
    EmptyObject(*o);
    CurrentBenchSeams().InvalidateLogicalRect(o->position);
    RecordTypeComment(kEmptyComment, *o, nullptr);
    DocumentModified = true;
}

void OnProperties(const CommandMessage&) {
    LabObject* o = SelectedRecord();
    if (!o) return;
    BenchCommandSeams& ui = CurrentBenchCommandSeams();
    ui.PauseTimer();
    CurrentContentsSeams().PropertiesDialog(*o);
    ui.ResumeTimer();
}

}  // namespace

void RegisterContentsCommands() {
    const CommandEntry entries[] = {
        {kCmdWater, OnWater},
        {kCmdToolbarAddWater, OnAddWaterStep},
        {kCmdAddIceStep, OnAddWaterStep},
        {kCmdAllChemicals, OnAllChemicals},
        {kCmdIndicators, OnIndicators},
        {kCmdLabel, OnLabel},
        {kCmdPour, OnPour},
        {kCmdEmptyContainer, OnEmpty},
        {kCmdChemicalProperties, OnProperties},
    };
    RegisterCommands(entries, static_cast<int>(sizeof entries / sizeof entries[0]));
    RegisterTransferCommands();
}
