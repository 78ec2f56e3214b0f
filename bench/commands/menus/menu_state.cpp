#include "bench/commands/menus/menu_state.h"

#include "bench/catalogue/equipment_catalogue.h"
#include "bench/commands/command_ids.h"
#include "bench/commands/instruments/instrument_commands.h"
#include "bench/model/contents.h"
#include "bench/model/lab_objects.h"
#include "bench/model/selection.h"
#include "common/component_slot.h"
#include "common/equipment_type.h"

namespace {

// LabStyle bits a module reports.
constexpr uint32_t kStyleTitration = 0x1;
constexpr uint32_t kStyleIndicators = 0x2;
constexpr uint32_t kStyleCalorimeter = 0x4;
constexpr uint32_t kStyleUdl = 0x8;
constexpr uint32_t kStyleConductivity = 0x10;
constexpr uint32_t kStyleMetalWire = 0x40;
constexpr uint32_t kStyleElectrochemistry = 0x80;
constexpr uint32_t kStyleSpectrophotometer = 0x200;
constexpr uint32_t kStyleDumasBulb = 0x400;
constexpr uint32_t kStyleInvertedBuret = 0x1000;
constexpr uint32_t kStyleGeigerCounter = 0x2000;
constexpr uint32_t kStyleLightSource = 0x8000;
constexpr uint32_t kStylePaperChromatography = 0x10000;
constexpr uint32_t kStyleVaporPressure = 0x100000;

constexpr uint32_t kKindBuchnerFunnel = 0x8;
constexpr uint32_t kKindLabelled = 0x100;
constexpr uint32_t kKindShowsMeniscus = 0x200;
constexpr uint32_t kKindLiquidHolder = 0x1800;  // takes water or receives a pour
constexpr uint32_t kKindStopwatch = 0x20000000;

ItemEnable EnabledIf(bool on) { return on ? ItemEnable::Enabled : ItemEnable::Grayed; }
ItemCheck CheckedIf(bool on) { return on ? ItemCheck::Checked : ItemCheck::Unchecked; }

struct Rules {
    MenuStateDecision out;
    void Item(int id, ItemEnable enable, ItemCheck check = ItemCheck::Keep) {
        out.items.push_back({id, enable, check});
    }
    void Item(int id, bool enabled) { Item(id, EnabledIf(enabled)); }
    void Sub(int position, bool enabled) { out.submenus.push_back({position, EnabledIf(enabled)}); }
};

uint32_t Kind(const LabObject* o) { return o ? o->kindFlags : 0; }
bool IsType(const LabObject* o, int32_t type) { return o && o->type == type; }

void FileRules(Rules& r, const MenuFacts& f) {
    r.Item(kCmdCreateNewUdl, (f.style & kStyleUdl) != 0);
    r.Item(kCmdEditUdl, (f.style & kStyleUdl) != 0 && f.udlNamed);
    r.Item(kCmdStartRecording, !f.demoRecording);
    r.Item(kCmdPlayLabDemo, !f.demoRecording);
    r.Item(kCmdStopRecording, f.demoRecording);
    r.Item(kCmdAddMessage, f.demoRecording);
}

void EditRules(Rules& r, const MenuFacts& f) {
    const bool objects = f.sel || f.multiCount > 0;
    r.Item(kCmdUndo, f.undoValid);
    r.Item(kCmdCut, objects || f.observationsHasSelection);
    r.Item(kCmdCopy, objects || f.anyPaneHasSelection);
    r.Item(kCmdPaste, f.observationsFocused ? f.observationsCanPaste : f.labObjectOnClipboard);
    r.Item(kCmdDelete, objects || f.observationsHasSelection);
}

void DistillationRules(Rules& r, const LabObject* sel) {
    static const int kParts[] = {kCmdDistillationHead, kCmdRefluxCondenser, kCmdHeatingMantle, kCmdCondenser,
                                 kCmdDistillationTakeOff};
    if (!IsType(sel, kRoundBottomFlask)) {
        for (int id : kParts) r.Item(id, ItemEnable::Grayed);
        return;
    }
    const int32_t s = sel->stateBits;
    r.Item(kCmdDistillationHead, EnabledIf(s == 0 || s == 0x20 || (s & 0x5c) == 0x4), CheckedIf(s & 0x4));
    r.Item(kCmdRefluxCondenser, EnabledIf(s == 0 || s == 0x20 || (s & 0x5c) == 0x40), CheckedIf(s & 0x40));
    r.Item(kCmdHeatingMantle, ItemEnable::Enabled, CheckedIf(s & 0x20));
    r.Item(kCmdCondenser, EnabledIf((s & 0x1c) == 0x4 || ((s & 0xc) != 0 && (s & 0x10) == 0)), CheckedIf(s & 0x8));
    r.Item(kCmdDistillationTakeOff, EnabledIf((s & 0xc) == 0xc), CheckedIf(s & 0x10));
}

void EquipmentRules(Rules& r, const MenuFacts& f) {
    const LabObject* sel = f.sel;
    const uint32_t kind = Kind(sel);
    DistillationRules(r, sel);
    if ((f.style & kStyleVaporPressure) && IsType(sel, kErlenmeyerFlask) && sel->sizeIndex == 3)
        r.Item(kCmdVaporPressureAssembly, ItemEnable::Enabled, CheckedIf(sel->stateBits == 0x4));
    else  // greyed, not merely disabled: a black item that cannot be chosen misleads
        r.Item(kCmdVaporPressureAssembly, ItemEnable::Grayed);
    r.Item(kCmdShowWeight, EnabledIf(kind & kKindWeighable), CheckedIf((kind & kKindWeighable) && sel->readoutShown));
    r.Item(kCmdThermometer, EnabledIf((kind & (kKindTakesThermometer | kKindBuiltInThermometer)) == kKindTakesThermometer),
           CheckedIf((kind & kKindTakesThermometer) &&
                     (sel->thermometerInserted || (kind & kKindBuiltInThermometer))));
    r.Item(kCmdBuchnerFunnel, EnabledIf((kind & kKindBuchnerFunnel) || f.filterPairReady),
           CheckedIf((kind & kKindBuchnerFunnel) && sel->stateBits == 1));
    r.Item(kCmdStirringRod, EnabledIf(kind & kKindStirrable), CheckedIf((kind & kKindStirrable) && sel->stirringState));
    r.Item(kCmdPhMeter, EnabledIf((kind & kKindTakesPhMeter) && (f.style & kStyleTitration)),
           CheckedIf((kind & kKindTakesPhMeter) && sel->phShown));
    r.Item(kCmdAddCalorimeter, (f.style & kStyleCalorimeter) != 0);
    r.Item(kCmdAddMetalWire, (f.style & kStyleMetalWire) != 0);
    r.Item(kCmdAddConductivityMeter, (f.style & kStyleConductivity) != 0);
    r.Item(kCmdAddElectrochemicalCell, (f.style & kStyleElectrochemistry) != 0);
    r.Item(kCmdAddSpectrophotometer, (f.style & kStyleSpectrophotometer) != 0);
    r.Item(kCmdAddDumasBulb, (f.style & kStyleDumasBulb) != 0);
    r.Item(kCmdAddInvertedBuret, (f.style & kStyleInvertedBuret) != 0);
    r.Item(kCmdAddGeigerCounter, (f.style & kStyleGeigerCounter) != 0);
    r.Item(kCmdLightSource, EnabledIf((kind & kKindLiquidHolder) && (f.style & kStyleLightSource)),
           CheckedIf(sel && (sel->objectFlags & kObjLightOn)));
    r.Item(kCmdAddPaperChromatography, (f.style & kStylePaperChromatography) != 0);
}

void ChemicalsRules(Rules& r, const MenuFacts& f) {
    const uint32_t kind = Kind(f.sel);
    r.Item(kCmdWater, (kind & kKindTakesWater) != 0);
    r.Item(kCmdIndicators, (kind & kKindTakesWater) && (f.style & kStyleIndicators));
    r.Item(kCmdAllChemicals, true);
}

void PaperChromatographyRules(Rules& r, const LabObject& o) {
    const int32_t s = o.stateBits;
    const uint32_t fl = o.objectFlags;
    const ItemEnable on = ItemEnable::Enabled, off = ItemEnable::Grayed, keep = ItemEnable::Keep;
    ItemEnable mark = off, solute = off, solvent = off, immerse = off, remove = off;
    if (!(s & 0x1)) {
        mark = on;
    } else if (!(fl & kObjSolutePlaced)) {
        solute = on;
        solvent = (s & 0x8) ? off : on;
        immerse = remove = keep;
    } else if (s & 0x10) {
        remove = on;
    } else if (s & 0x8) {
        immerse = on;
    } else {
        solvent = on;
    }
    r.Item(kCmdMarkPaper, mark);
    r.Item(kCmdPlaceSolute, solute);
    r.Item(kCmdAddSolventToTank, solvent);
    r.Item(kCmdImmersePaper, immerse);
    r.Item(kCmdRemovePaper, remove);
}

void ProceduresRules(Rules& r, const MenuFacts& f) {
    const LabObject* sel = f.sel;
    const uint32_t kind = Kind(sel);
    const bool pair = f.multiCount == 2 && f.m0 && f.m1;
    r.Item(kCmdLabel, (kind & kKindLabelled) != 0);
    r.Item(kCmdPour, (kind & kKindPourable) != 0);
    r.Item(kCmdEmptyContainer, (kind & kKindLiquidHolder) != 0);
    r.Item(kCmdTransferToNew, (kind & kKindLiquidHolder) != 0);
    r.Item(kCmdChemicalProperties, sel != nullptr);
    const bool releasing = (kind & kKindDippable) && sel->liquidVolume != 0;
    r.Item(kCmdReleaseLiquid, releasing);
    r.Item(kCmdStopRelease, releasing);
    r.Sub(5, (kind & kKindDippable) || (pair && ((Kind(f.m0) | Kind(f.m1)) & kKindDippable)));
    r.Sub(6, IsType(sel, kSeparatoryFunnel));
    r.Sub(7, IsType(sel, kMetalWire) || (pair && (IsType(f.m0, kMetalWire) || IsType(f.m1, kMetalWire))));
    r.Item(kCmdCollectTitrationData, EnabledIf((kind & kKindTakesPhMeter) && (f.style & kStyleTitration)),
           CheckedIf(sel && sel->collectTitration));
    r.Item(kCmdViewTitrationData, (f.style & kStyleTitration) != 0);
    r.Sub(14, IsType(sel, kCuvette));
    if (IsType(sel, kCuvette)) {
        const bool inserted = sel->stateBits & 0x1;
        r.Item(kCmdInsertSample, inserted);
        r.Item(kCmdRemoveSample, !inserted);
    }
    r.Item(kCmdSetSyringeVolume, IsType(sel, kGasSyringe) && (sel->stateBits & 0x1));
    r.Sub(22, (f.style & kStyleVaporPressure) != 0);
    if (f.style & kStyleVaporPressure) r.Item(kCmdReleaseDropper, f.releaseDropperReady);
    r.Item(kCmdFillInvertedBuret, f.pairHostsInvertedBuret);
    r.Sub(19, (kind & kKindStopwatch) != 0);
    if (kind & kKindStopwatch) {
        const uint32_t fl = sel->objectFlags;
        const bool shown = fl & kObjStopwatchRunning;
        const bool paused = fl & 0x20;
        r.Item(kCmdCloseTimer, shown);
        r.Item(kCmdResetTimer, shown);
        r.Item(kCmdStartTimer, !shown);
        r.Item(kCmdResumeTimer, shown && paused);
        r.Item(kCmdPauseTimer, shown && !paused);
    }
    r.Sub(20, IsType(sel, kPaperChromatography));
    if (IsType(sel, kPaperChromatography)) PaperChromatographyRules(r, *sel);
}

void ArrangeRules(Rules& r, const MenuFacts& f) {
    const bool pair = f.multiCount == 2 && f.m0 && f.m1 && (f.m0->kindFlags & kKindCombinable) &&
                      (f.m1->kindFlags & kKindCombinable);
    const bool firstFree = f.m0 && f.m0->host == 0 && f.m0->hostedItem == 0;
    const bool firstLinked = f.m0 && (f.m0->host > 0 || f.m0->hostedItem > 0);
    // One selected object: the test its right-click menu makes.
    const bool single = f.sel && (f.sel->kindFlags & kKindCombinable);
    r.Item(kCmdCombine, (pair && firstFree) || (single && f.selHasPartner && !f.selCombined));
    r.Item(kCmdRemove, (pair && firstLinked) || (single && f.selCombined));
    const bool several = f.multiCount > 1 && firstFree;
    r.Item(kCmdGroup, several && f.m0->groupMemberCount == 0);
    r.Item(kCmdUngroup, several && f.m0->groupMemberCount > 0);
}

void OptionsRules(Rules& r, const MenuFacts& f) {
    const LabObject* sel = f.sel;
    r.Sub(4, IsType(sel, kConductivityMeter));
    if (IsType(sel, kConductivityMeter)) {
        const bool atc = sel->reading2 == 1.0;
        r.Item(kCmdAtcMode, ItemEnable::Keep, CheckedIf(atc));
        r.Item(kCmdRawMode, ItemEnable::Keep, CheckedIf(!atc));
    }
    const bool hotPlate = IsType(sel, kHotPlate);
    r.Sub(5, hotPlate);
    if (hotPlate) {
        const double stir = sel->reading2;
        r.Item(kCmdStirOff, stir > 0);
        r.Item(kCmdDecreaseStir, stir > 0);
        r.Item(kCmdIncreaseStir, stir < kMaxKnobSetting);
    }
    const bool heats = hotPlate || (IsType(sel, kRoundBottomFlask) && (sel->stateBits & 0x20));
    r.Sub(6, heats);
    if (heats) {
        const double heat = sel->reading1;
        r.Item(kCmdHeatOff, heat > 0);
        r.Item(kCmdDecreaseHeat, heat > 0);
        r.Item(kCmdIncreaseHeat, heat < kMaxKnobSetting);
        r.Item(kCmdMaxHeat, heat < kMaxKnobSetting);
    }
    r.Item(kCmdZeroBalance, IsType(sel, kCentigramBalance) || IsType(sel, kElectronicBalance) ||
                                IsType(sel, kHighSensitivityBalance));
    r.Item(kCmdPrintIntroduction, ItemEnable::Enabled, CheckedIf(f.printOptions & 0x1));
    r.Item(kCmdPrintProcedure, ItemEnable::Enabled, CheckedIf(f.printOptions & 0x2));
    r.Item(kCmdPrintObservations, ItemEnable::Enabled, CheckedIf(f.printOptions & 0x4));
    r.Item(kCmdPrintLabSpace, ItemEnable::Enabled, CheckedIf(f.printOptions & 0x8));
    r.Item(kCmdShowMeniscus, EnabledIf(Kind(sel) & kKindShowsMeniscus),
           CheckedIf(sel && (sel->objectFlags & kObjShowMeniscus)));
    r.Item(kCmdShowLabBench, ItemEnable::Keep, CheckedIf(f.showLabBench));
}

const LabObject* ObjectAt(int32_t index) {
    return index >= 1 && index <= LabObjectCount ? &LabObjects[index] : nullptr;
}

// A link of the object to another object on the bench; null for none, out of
// range or the object itself.
const LabObject* LinkedObject(const LabObject& o, int32_t index) {
    const LabObject* other = ObjectAt(index);
    return other == &o ? nullptr : other;
}

}  // namespace

MenuPopup MenuPopupAtPosition(int position) {
    switch (position) {
    case 0: return MenuPopup::File;
    case 1: return MenuPopup::Edit;
    case 2: return MenuPopup::Equipment;
    case 3: return MenuPopup::Chemicals;
    case 4: return MenuPopup::Procedures;
    case 5: return MenuPopup::Arrange;
    case 6: return MenuPopup::Options;
    default: return MenuPopup::None;
    }
}

void GatherBenchMenuFacts(MenuFacts* facts) {
    facts->sel = ObjectSelected ? ObjectAt(SelectedObject) : nullptr;
    const int32_t count = MultiSelection.memberCount;
    facts->multiCount = count > 0 && count <= kMaxLabObjects ? count : 0;
    facts->m0 = facts->multiCount >= 1 ? ObjectAt(MultiSelection.members[0]) : nullptr;
    facts->m1 = facts->multiCount >= 2 ? ObjectAt(MultiSelection.members[1]) : nullptr;
    facts->filterPairReady = false;
    facts->pairHostsInvertedBuret = false;
    if (facts->multiCount == 2 && facts->m0 && facts->m1) {
        const int test = FilterPairTest(facts->m0, facts->m1);
        const LabObject* flask = test == 1 ? facts->m0 : test == 2 ? facts->m1 : nullptr;
        facts->filterPairReady = flask && MassByPhase(*flask, kPhaseSuspended) > 0;
        for (const LabObject* member : {facts->m0, facts->m1}) {
            const LabObject* hosted = LinkedObject(*member, member->hostedItem);
            if (hosted && hosted->type == kInvertedBuret) facts->pairHostsInvertedBuret = true;
        }
    }
    facts->releaseDropperReady = ReleaseDropperFlask() != 0;
    facts->selHasPartner = facts->sel && FindObjectUnderSelection() != 0;
    facts->selCombined = facts->sel && FindCombinedPartnerOfSelection() != 0;
}

const MenuItemRule* MenuStateDecision::Find(int id) const {
    for (const MenuItemRule& rule : items)
        if (rule.id == id) return &rule;
    return nullptr;
}

MenuStateDecision DecideMenuState(MenuPopup popup, const MenuFacts& facts) {
    Rules r;
    switch (popup) {
    case MenuPopup::File: FileRules(r, facts); break;
    case MenuPopup::Edit: EditRules(r, facts); break;
    case MenuPopup::Equipment: EquipmentRules(r, facts); break;
    case MenuPopup::Chemicals: ChemicalsRules(r, facts); break;
    case MenuPopup::Procedures: ProceduresRules(r, facts); break;
    case MenuPopup::Arrange: ArrangeRules(r, facts); break;
    case MenuPopup::Options: OptionsRules(r, facts); break;
    case MenuPopup::None: break;
    }
    return r.out;
}

ItemEnable ResolveItemEnable(const MenuStateDecision& decision, int id, bool hasHandler) {
    if (!hasHandler) return ItemEnable::Grayed;
    const MenuItemRule* rule = decision.Find(id);
    return rule ? rule->enable : ItemEnable::Enabled;
}
