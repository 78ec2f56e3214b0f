#include "bench/commands/equipment/add_equipment_commands.h"

#include <iterator>

#include "bench/commands/bench_command_seams.h"
#include "bench/window/bench_seams.h"
#include "bench/model/bench_state.h"
#include "bench/commands/command_ids.h"
#include "bench/catalogue/equipment_catalogue.h"
#include "bench/model/lab_objects.h"
#include "bench/model/selection.h"

namespace {

constexpr int kKeep = -1;

// clang-format off
const AddEquipmentRow kRows[] = {
    // command                      type                     position                 size cap  state  0-flow flags
    {kCmdAdd100Beaker,              kBeaker,                 kBeaker,                 0,   0,   kKeep, false, 0},
    {kCmdAdd250Beaker,              kBeaker,                 kBeaker,                 4,   250, kKeep, false, 0},
    {kCmdAdd600Beaker,              kBeaker,                 kBeaker,                 5,   600, kKeep, false, 0},
    {kCmdAdd100Erlenmeyer,          kErlenmeyerFlask,        kErlenmeyerFlask,        0,   0,   kKeep, false, 0},
    {kCmdAdd250Erlenmeyer,          kErlenmeyerFlask,        kBeaker,                 4,   250, kKeep, false, 0},
    {kCmdAddFlorenceFlask,          kFlorenceFlask,          kFlorenceFlask,          0,   0,   kKeep, false, 0},
    {kCmdAddTestTube,               kTestTube,               kTestTube,               0,   0,   kKeep, false, 0},
    {kCmdAdd10TestTube,             kTestTube,               kTestTube,               1,   10,  kKeep, false, 0},
    {kCmdAdd100Cylinder,            kGraduatedCylinder,      kGraduatedCylinder,      3,   100, kKeep, false, 0},
    {kCmdAdd10Cylinder,             kGraduatedCylinder,      kGraduatedCylinder,      1,   10,  kKeep, false, 0},
    {kCmdAdd10Pipet,                kPipet,                  kPipet,                  0,   0,   0x80,  true,  0},
    {kCmdAdd35Pipet,                kPipet,                  kPipet,                  11,  0,   0x80,  true,  0},
    {kCmdAdd100Volumetric,          kVolumetricFlask,        kVolumetricFlask,        0,   0,   kKeep, false, 0},
    {kCmdAdd250Volumetric,          kVolumetricFlask,        kVolumetricFlask,        4,   250, kKeep, false, 0},
    {kCmdAddRoundBottomFlask,       kRoundBottomFlask,       kRoundBottomFlask,       0,   0,   kKeep, false, 0},
    {kCmdAddCentigramBalance,       kCentigramBalance,       kCentigramBalance,       0,   0,   kKeep, false, 0},
    {kCmdAddElectronicBalance,      kElectronicBalance,      kElectronicBalance,      0,   0,   kKeep, false, 0},
    {kCmdAddHighSensitivityBalance, kHighSensitivityBalance, kHighSensitivityBalance, 0,   0,   kKeep, false, 0},
    {kCmdAddConductivityMeter,      kConductivityMeter,      kConductivityMeter,      0,   0,   kKeep, false, 0},
    {kCmdAddWatchGlass,             kWatchGlass,             kWatchGlass,             0,   0,   kKeep, false, 0},
    {kCmdAddEvaporationDish,        kEvaporationDish,        kEvaporationDish,        0,   0,   kKeep, false, 0},
    {kCmdAddCalorimeter,            kCalorimeter,            kCalorimeter,            0,   0,   kKeep, false, 0},
    {kCmdAddHotPlate,               kHotPlate,               kHotPlate,               0,   0,   kKeep, false, 0},
    {kCmdAddMetalWire,              kMetalWire,              kMetalWire,              0,   0,   kKeep, false, 0},
    {kCmdAddEyeDropper,             kEyeDropper,             kEyeDropper,             0,   0,   kKeep, true,  0},
    {kCmdAddDumasBulb,              kDumasBulb,              kDumasBulb,              0,   0,   kKeep, false, 0},
    {kCmdAddInvertedBuret,          kInvertedBuret,          kInvertedBuret,          0,   0,   kKeep, true,  kObjShowMeniscus},
    {kCmdAddSeparatoryFunnel,       kSeparatoryFunnel,       kSeparatoryFunnel,       0,   0,   kKeep, true,  0},
    {kCmdAddPaperChromatography,    kPaperChromatography,    kPaperChromatography,    0,   0,   kKeep, true,  0},
};
// clang-format on

void MarkChanged() {
    DocumentModified = true;
    UndoValid = false;
}

void InvalidateObject(const LabObject& o) { CurrentBenchSeams().InvalidateLogicalRect(o.position); }

LabObject* SelectedRecord() {
    if (!ObjectSelected || SelectedObject < 1 || SelectedObject > LabObjectCount) return nullptr;
    return &LabObjects[SelectedObject];
}

int32_t IndexOf(const LabObject* o) { return static_cast<int32_t>(o - LabObjects); }

// Steps 1 and 2 of every add: the place, then the record beyond the count.
LabObject* CreateRecord(int32_t type, int32_t positionType) {
    PointI32 at;
    if (AddAtCursor) {
        at = CurrentBenchCommandSeams().CursorLogicalPoint();
        AddAtCursor = false;
    } else {
        at = UnpackBenchPoint(DefaultBenchPosition(positionType, LabObjects, LabObjectCount));
    }
    return AddEquipment(LabObjects, type, at.x, at.y, LabObjectCount, 1);
}

// The whole pattern for a plain row; the object as it now stands, or null.
LabObject* AddFromRow(const AddEquipmentRow& row) {
    LabObject* added = CreateRecord(row.type, row.positionType);
    if (!added) return nullptr;
    ++LabObjectCount;
    // Hot plates and balances were moved to slot 1: work on what came back.
    if (row.state != kKeep) SetTemplateState(*added, row.state);
    // The 10 ml test tube and cylinder have no row of their own: they keep
    // the larger one's picture and take the smaller capacity all the same.
    if (row.sizeIndex > 0) ChangeSize(*added, row.sizeIndex);
    if (row.capacityMl > 0) SetCapacity(*added, row.capacityMl);
    if (row.zeroFlow) added->flowSetting = 0.0;
    if (row.objectFlags) added->objectFlags = row.objectFlags;
    InvalidateObject(*added);
    MarkChanged();
    return added;
}

void OnAddFromTable(const CommandMessage& command) {
    if (const AddEquipmentRow* row = FindAddEquipmentRow(command.id)) AddFromRow(*row);
}

const AddEquipmentRow kBunsenRow = {kCmdAddBunsenBurner, kBunsenBurner, kBunsenBurner, 0, 0, kKeep, false, 0};
const AddEquipmentRow kBuretRow = {kCmdAddBuretBody, kBuret, kBuret, 0, 0, kKeep, false, 0};

void OnAddBunsenBurner(const CommandMessage&) {
    LabObject* vessel = SelectedRecord();
    if (vessel && vessel->type >= 2 && vessel->type != kGraduatedCylinder && vessel->type != kBuret &&
        vessel->heatApplied == 0) {
        const int32_t x = vessel->position.left + PrototypeWidth(vessel->type) / 2 - PrototypeWidth(kBunsenBurner) / 2;
        const int32_t y = vessel->position.bottom + 10;
        const int32_t vesselIndex = IndexOf(vessel);
        LabObject* burner = AddEquipment(LabObjects, kBunsenBurner, x, y, LabObjectCount, 1);
        if (!burner) return;
        ++LabObjectCount;
        LabObjects[vesselIndex].heatApplied = static_cast<uint16_t>(BunsenHeatForVessel(CurrentBenchCommandSeams().BunsenBurnerHeat()));
        InvalidateObject(*burner);
        MarkChanged();
        return;
    }
    AddFromRow(kBunsenRow);
}

void OnBuretBody(const CommandMessage&) {
    BenchCommandSeams& ui = CurrentBenchCommandSeams();
    if (MultiSelection.memberCount > 1) {
        MultiSelection = MultiSelectionState{};
        ui.RepaintWholeBench();
    }
    LabObject* selected = SelectedRecord();
    const bool buretSelected = selected && selected->type == kBuret;
    const int32_t before = BuretUnderControl;
    if (buretSelected) {
        BuretUnderControl = IndexOf(selected);
        MarkChanged();
    } else {
        LabObject* buret = AddFromRow(kBuretRow);
        if (!buret) return;
        MultiSelection = MultiSelectionState{};
        BuretUnderControl = IndexOf(buret);
        if (selected && selected->type >= 2) {
            buret->pourTarget = IndexOf(selected);
            const RectI32 v = selected->position;
            buret->position.right = v.left + 15 + (v.right - v.left) / 2;
            buret->position.bottom = v.top - 5;
            buret->position.left = buret->position.right - buret->pictureWidth;
            buret->position.top = buret->position.bottom - buret->pictureHeight;
            InvalidateObject(*buret);
        }
    }
    if (ui.TitrationDialogOpen()) {
        // A dialog left on its old buret would drive the wrong one.
        ui.ActivateTitrationDialog(buretSelected || BuretUnderControl != before ? BuretUnderControl : 0);
    } else {
        ui.OpenTitrationDialog(BuretUnderControl);
    }
}

void OnAddBuret(const CommandMessage&) {
    const int32_t before = LabObjectCount;
    OnBuretBody(CommandMessage{kCmdAddBuretBody, 0, false});
    if (LabObjectCount == before + 1 && LabObjects[LabObjectCount].type == kBuret) {
        ChangeSize(LabObjects[LabObjectCount], 2);
        LabObjects[LabObjectCount].objectFlags = kObjShowMeniscus;
    }
}

void OnElectrochemicalCell(const CommandMessage&) {
    BenchCommandSeams& ui = CurrentBenchCommandSeams();
    LabObject* cell = SelectedRecord();
    if (!cell || cell->type != kElectrochemicalCell) {
        const AddEquipmentRow row = {kCmdAddElectrochemicalCell, kElectrochemicalCell, kElectrochemicalCell, 0, 0,
                                     kKeep, false, 0};
        cell = AddFromRow(row);
        if (!cell) return;
    }
    MarkChanged();
    ui.PauseTimer();
    ui.ElectrodeDialog(*cell);
    ui.ResumeTimer();
}

void OnSpectrophotometer(const CommandMessage&) {
    BenchCommandSeams& ui = CurrentBenchCommandSeams();
    LabObject* meter = SelectedRecord();
    if (!meter || meter->type != kCuvette) {
        const AddEquipmentRow row = {kCmdAddSpectrophotometer, kCuvette, kCuvette, 0, 0, 1, false, 0};
        meter = AddFromRow(row);
        if (!meter) return;
        meter->wavelength = 300;
    }
    if (ui.WavelengthDialog(*meter) == 1) InvalidateObject(*meter);
}

// The syringe and the Geiger counter stay beyond the count until their
// dialog says OK, so a cancelled dialog leaves the bench as it was.
LabObject* CreateUncounted(int32_t type) { return CreateRecord(type, type); }

void OnGasSyringe(const CommandMessage& command) {
    BenchCommandSeams& ui = CurrentBenchCommandSeams();
    ui.PauseTimer();
    LabObject* syringe = CreateUncounted(kGasSyringe);
    if (syringe) {
        if (command.id == kCmdAddSyringeGauge)
            syringe->reading1 = 60.0;
        else
            SetTemplateState(*syringe, 2);
        if (ui.GasSyringeDialog(*syringe) == 1) {
            ++LabObjectCount;
            InvalidateObject(*syringe);
        }
        MarkChanged();
    }
    ui.ResumeTimer();
}

void OnGeigerCounter(const CommandMessage&) {
    BenchCommandSeams& ui = CurrentBenchCommandSeams();
    LabObject* counter = SelectedRecord();
    if (counter && counter->type == kGeigerCounter) {
        if (ui.GeigerDialog(*counter) == 1) InvalidateObject(*counter);
        DocumentModified = true;
        return;
    }
    counter = CreateUncounted(kGeigerCounter);
    if (!counter) return;
    if (ui.GeigerDialog(*counter) == 1) {
        ++LabObjectCount;
        InvalidateObject(*counter);
    }
    MarkChanged();
}

}  // namespace

const AddEquipmentRow* FindAddEquipmentRow(int32_t command) {
    for (const AddEquipmentRow& row : kRows)
        if (row.command == command) return &row;
    return nullptr;
}

int32_t BunsenHeatForVessel(int32_t setting) {
    if (setting < 1) return 1;
    if (setting > 99) return 99;
    return setting;
}

void RegisterAddEquipmentCommands() {
    CommandEntry entries[std::size(kRows) + 8];
    int n = 0;
    for (const AddEquipmentRow& row : kRows) entries[n++] = {row.command, OnAddFromTable};
    entries[n++] = {kCmdAddBunsenBurner, OnAddBunsenBurner};
    entries[n++] = {kCmdAddBuretBody, OnBuretBody};
    entries[n++] = {kCmdAddBuret, OnAddBuret};
    entries[n++] = {kCmdAddElectrochemicalCell, OnElectrochemicalCell};
    entries[n++] = {kCmdAddSpectrophotometer, OnSpectrophotometer};
    entries[n++] = {kCmdAddSyringeGauge, OnGasSyringe};
    entries[n++] = {kCmdAddSyringeSealed, OnGasSyringe};
    entries[n++] = {kCmdAddGeigerCounter, OnGeigerCounter};
    RegisterCommands(entries, n);
}
