#include "bench/commands/menus/context_menu.h"

#include "bench/catalogue/equipment_catalogue.h"
#include "bench/commands/command_ids.h"
#include "bench/commands/instruments/instrument_commands.h"
#include "bench/model/bench_state.h"
#include "bench/model/lab_objects.h"
#include "bench/model/selection.h"
#include "common/equipment_type.h"

namespace {

constexpr uint32_t kStyleTitration = 0x1;
constexpr uint32_t kStyleIndicators = 0x2;
constexpr uint32_t kStyleCalorimeter = 0x4;
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
constexpr uint32_t kKindTitrates = 0x10;
constexpr uint32_t kKindLabelled = 0x100;
constexpr uint32_t kKindShowsMeniscus = 0x200;
constexpr uint32_t kKindLiquidHolder = 0x1800;
constexpr uint32_t kKindStopwatch = 0x20000000;

// String ids of the menus' texts.
enum : int {
    kStrAddDemoMessage = 639,
    kStrStopcock = 750, kStrStopper = 751, kStrShakeFunnel = 752,
    kStrVaporPressure = 1121, kStrReleaseDropper = 1122,
    kStrExtract = 575, kStrRelease = 576, kStrStopRelease = 577,
    kStrGeigerSettings = 630,
    kStrConductivityMode = 220, kStrRawMode = 221, kStrAtcMode = 222,
    kStrElectrochemicalCell = 231,
    kStrSyringeVolume = 627,
    kStrMantleSettings = 243, kStrDistillation = 244,
    kStrSpectrophotometer = 565, kStrSpectroProcedures = 566, kStrInsertSample = 568, kStrRemoveSample = 569,
    kStrHotPlateOptions = 223, kStrIncreaseHeat = 224, kStrDecreaseHeat = 225, kStrHeatOff = 226,
    kStrIncreaseStir = 227, kStrDecreaseStir = 228, kStrStirOff = 229, kStrMaxHeat = 242,
    kStrZeroBalance = 254,
    kStrPhMeter = 169, kStrCollectTitration = 562, kStrViewTitration = 563,
    kStrChemicals = 159, kStrWater = 160, kStrIndicators = 161, kStrTitration = 162, kStrPour = 163,
    kStrStirringRod = 164, kStrCombine = 195, kStrBuchner = 165, kStrLabel = 166, kStrThermometer = 167,
    kStrShowMeniscus = 29, kStrShowWeight = 168, kStrLightSource = 726, kStrTimer = 637,
    kStrChemicalProperties = 170, kStrTransfer = 536, kStrEmpty = 171,
    kStrDelete = 172, kStrCut = 173, kStrCopy = 174, kStrPaste = 175,
    kStrHeatingMantle = 245, kStrDistillationHead = 246, kStrCondenser = 247, kStrTakeOff = 248,
    kStrRefluxCondenser = 561,
    kStrStartTimer = 633, kStrCloseTimer = 634, kStrPauseTimer = 635, kStrResetTimer = 636,
    kStrResumeTimer = 638,
    kStrRemoveBuchner = 703, kStrRemove = 196, kStrFillInvertedBuret = 629, kStrGroup = 197, kStrUngroup = 198,
};

struct Menu {
    std::vector<ContextMenuItem>* items;
    HandlerQuery hasHandler;

    ContextMenuItem& Item(int stringId, int command, bool checked = false, bool grey = false) {
        ContextMenuItem item;
        item.stringId = stringId;
        item.command = command;
        item.checked = checked;
        item.grayed = grey || !hasHandler(command);
        items->push_back(item);
        return items->back();
    }
    void Literal(const char* text, int command) { Item(0, command).literal = text; }
    void Separator() {
        ContextMenuItem item;
        item.separator = true;
        items->push_back(item);
    }
    Menu Popup(int stringId) {
        ContextMenuItem item;
        item.stringId = stringId;
        item.popup = true;
        items->push_back(item);
        return Menu{&items->back().children, hasHandler};
    }
};

bool Has(const LabObject& o, uint32_t kind) { return (o.kindFlags & kind) != 0; }

void HeatItems(Menu m, double heat) {
    m.Item(kStrIncreaseHeat, kCmdIncreaseHeat, false, heat >= kMaxKnobSetting);
    m.Item(kStrDecreaseHeat, kCmdDecreaseHeat, false, heat <= 0);
    m.Item(kStrHeatOff, kCmdHeatOff, false, heat <= 0);
    m.Item(kStrMaxHeat, kCmdMaxHeat, false, heat >= kMaxKnobSetting);
}

void DistillationItems(Menu m, int32_t state) {
    const int32_t s = state & 0xffff;
    m.Item(kStrHeatingMantle, kCmdHeatingMantle, s & 0x20);
    if (s == 0 || s == 0x20 || (s & 0x1c) == 0x4) m.Item(kStrDistillationHead, kCmdDistillationHead, s & 0x4);
    if (s == 0x4 || s == 0x24 || s == 0xc || s == 0x2c) m.Item(kStrCondenser, kCmdCondenser, s & 0x8);
    if (s == 0xc || s == 0x2c || s == 0x1c || s == 0x3c) m.Item(kStrTakeOff, kCmdDistillationTakeOff, s & 0x10);
    if (s == 0 || s == 0x20 || (s & 0x5c) == 0x40) {
        m.Separator();
        m.Item(kStrRefluxCondenser, kCmdRefluxCondenser, s & 0x40);
    }
}

void TimerItems(Menu m, uint32_t flags) {
    if (flags & kObjStopwatchRunning) {
        if (flags & 0x20)
            m.Item(kStrResumeTimer, kCmdResumeTimer);
        else
            m.Item(kStrPauseTimer, kCmdPauseTimer);
        m.Item(kStrResetTimer, kCmdResetTimer);
        m.Item(kStrCloseTimer, kCmdCloseTimer);
    } else {
        m.Item(kStrStartTimer, kCmdStartTimer);
    }
}

void PaperChromatographyItems(Menu m, const LabObject& o) {
    const int32_t s = o.stateBits;
    if (!(s & 0x1)) {
        m.Literal("Mark Paper with Pencil", kCmdMarkPaper);
    } else if (!(o.objectFlags & kObjSolutePlaced)) {
        m.Literal("Place Solute on Paper", kCmdPlaceSolute);
        if (!(s & 0x8)) m.Literal("Add Solvent to Tank", kCmdAddSolventToTank);
    } else if (s & 0x10) {
        m.Literal("Remove Paper from Tank", kCmdRemovePaper);
    } else if (s & 0x8) {
        m.Literal("Immerse paper into Tank", kCmdImmersePaper);
    } else {
        m.Literal("Add Solvent to Tank", kCmdAddSolventToTank);
    }
}

void EditTail(Menu m, const ContextMenuFacts& f) {
    m.Item(kStrDelete, kCmdDelete);
    m.Item(kStrCut, kCmdCut);
    m.Item(kStrCopy, kCmdCopy);
    if (f.menu.labObjectOnClipboard) m.Item(kStrPaste, kCmdPaste);
}

void ObjectMenu(Menu m, const ContextMenuFacts& f) {
    const LabObject& o = *f.menu.sel;
    const uint32_t style = f.menu.style;
    const int32_t type = o.type;
    if (type == kSeparatoryFunnel) {
        m.Item(kStrStopcock, kCmdStopcock);
        m.Item(kStrStopper, kCmdStopper);
        m.Item(kStrShakeFunnel, kCmdShakeFunnel);
        m.Separator();
    }
    // Release Dropper is offered exactly when its handler would act.
    const bool vaporFlask = (style & kStyleVaporPressure) && type == kErlenmeyerFlask && o.sizeIndex == 3;
    if (vaporFlask) m.Item(kStrVaporPressure, kCmdVaporPressureAssembly, o.stateBits == 4);
    if ((style & kStyleVaporPressure) && f.menu.releaseDropperReady) m.Item(kStrReleaseDropper, kCmdReleaseDropper);
    if (vaporFlask || ((style & kStyleVaporPressure) && f.menu.releaseDropperReady)) m.Separator();
    if (Has(o, kKindDippable)) {
        if (type == kMetalWire) {
            m.Item(kStrExtract, kCmdExtractMetalWire);
        } else {
            m.Item(kStrExtract, kCmdExtractLiquid);
            if (o.liquidVolume != 0) {
                m.Item(kStrRelease, kCmdReleaseLiquid);
                m.Item(kStrStopRelease, kCmdStopRelease);
            }
        }
        m.Separator();
    }
    if (type == kGeigerCounter) m.Item(kStrGeigerSettings, kCmdAddGeigerCounter);
    if (type == kConductivityMeter) {
        Menu mode = m.Popup(kStrConductivityMode);
        mode.Item(kStrRawMode, kCmdRawMode, o.reading2 == 0.0);
        mode.Item(kStrAtcMode, kCmdAtcMode, o.reading2 == 1.0);
    }
    if (type == kElectrochemicalCell && (style & kStyleElectrochemistry))
        m.Item(kStrElectrochemicalCell, kCmdAddElectrochemicalCell);
    if (type == kPaperChromatography) PaperChromatographyItems(m, o);
    if (type == kGasSyringe && (o.stateBits & 0x1)) m.Item(kStrSyringeVolume, kCmdSetSyringeVolume);
    if (type == kRoundBottomFlask && (o.stateBits & 0x20)) HeatItems(m.Popup(kStrMantleSettings), o.reading1);
    if (type == kRoundBottomFlask) DistillationItems(m.Popup(kStrDistillation), o.stateBits);
    if (type == kCuvette) {
        m.Item(kStrSpectrophotometer, kCmdAddSpectrophotometer);
        Menu procedures = m.Popup(kStrSpectroProcedures);
        if (o.stateBits & 0x1)
            procedures.Item(kStrInsertSample, kCmdInsertSample);
        else
            procedures.Item(kStrRemoveSample, kCmdRemoveSample);
    }
    if (type == kHotPlate) {
        Menu hot = m.Popup(kStrHotPlateOptions);
        HeatItems(hot, o.reading1);
        hot.Separator();
        hot.Item(kStrIncreaseStir, kCmdIncreaseStir, false, o.reading2 >= kMaxKnobSetting);
        hot.Item(kStrDecreaseStir, kCmdDecreaseStir, false, o.reading2 <= 0);
        hot.Item(kStrStirOff, kCmdStirOff, false, o.reading2 <= 0);
    }
    if (type == kCentigramBalance || type == kElectronicBalance || type == kHighSensitivityBalance)
        m.Item(kStrZeroBalance, kCmdZeroBalance);
    if ((style & kStyleTitration) && Has(o, kKindTakesPhMeter)) {
        m.Item(kStrPhMeter, kCmdPhMeter, o.phShown != 0);
        m.Item(kStrCollectTitration, kCmdCollectTitrationData, o.collectTitration != 0);
        if (o.collectTitration) m.Item(kStrViewTitration, kCmdViewTitrationData);
        m.Separator();
    }
    if (Has(o, kKindLiquidHolder)) m.Item(kStrChemicals, kCmdAllChemicals);
    if (Has(o, kKindTakesWater)) m.Item(kStrWater, kCmdWater);
    if ((style & kStyleIndicators) && Has(o, kKindTakesWater)) m.Item(kStrIndicators, kCmdIndicators);
    if (Has(o, kKindTitrates)) m.Item(kStrTitration, kCmdAddBuretBody);
    if (Has(o, kKindPourable)) m.Item(kStrPour, kCmdPour);
    if (Has(o, kKindStirrable) && o.liquidVolume != 0) m.Item(kStrStirringRod, kCmdStirringRod, o.stirringState != 0);
    if (Has(o, kKindCombinable) && f.menu.selCombined)
        m.Item(kStrRemove, kCmdRemove);
    else if (Has(o, kKindCombinable) && f.menu.selHasPartner)
        m.Item(kStrCombine, kCmdCombine);
    if (Has(o, kKindBuchnerFunnel)) m.Item(kStrBuchner, kCmdBuchnerFunnel, o.stateBits == 1);
    if (Has(o, kKindLabelled)) m.Item(kStrLabel, kCmdLabel);
    if ((o.kindFlags & (kKindTakesThermometer | kKindBuiltInThermometer)) == kKindTakesThermometer)
        m.Item(kStrThermometer, kCmdThermometer, o.thermometerInserted != 0);
    if (Has(o, kKindShowsMeniscus)) m.Item(kStrShowMeniscus, kCmdShowMeniscus, (o.objectFlags & kObjShowMeniscus) != 0);
    if (Has(o, kKindWeighable)) m.Item(kStrShowWeight, kCmdShowWeight, o.readoutShown != 0);
    if ((style & kStyleLightSource) && Has(o, kKindContainer))
        m.Item(kStrLightSource, kCmdLightSource, (o.objectFlags & kObjLightOn) != 0);
    if (Has(o, kKindStopwatch)) TimerItems(m.Popup(kStrTimer), o.objectFlags);
    if (Has(o, kKindContainer)) {
        m.Item(kStrChemicalProperties, kCmdChemicalProperties);
        m.Item(kStrTransfer, kCmdTransferToNew);
    }
    m.Separator();
    if (Has(o, kKindLiquidHolder)) m.Item(kStrEmpty, kCmdEmptyContainer);
    EditTail(m, f);
}

struct AddRow {
    int popupString;  // 0: a plain item
    int stringId;
    int command;
    uint32_t style;   // 0: always offered
};

void AddEquipmentMenu(Menu m, const ContextMenuFacts& f) {
    static const AddRow kRows[] = {
        {537, 538, kCmdAddCentigramBalance, 0}, {537, 539, kCmdAddElectronicBalance, 0},
        {537, 540, kCmdAddHighSensitivityBalance, 0},
        {185, 176, kCmdAdd100Beaker, 0}, {185, 177, kCmdAdd250Beaker, 0}, {185, 178, kCmdAdd600Beaker, 0},
        {0, 190, kCmdAddBunsenBurner, 0},
        {191, 183, kCmdAddBuret, 0},
        {0, 194, kCmdAddCalorimeter, kStyleCalorimeter},
        {0, 11, kCmdAddConductivityMeter, kStyleConductivity},
        {0, 570, kCmdAddDumasBulb, kStyleDumasBulb},
        {244, 13, kCmdAddRoundBottomFlask, 0},
        {0, 231, kCmdAddElectrochemicalCell, kStyleElectrochemistry},
        {186, 179, kCmdAdd100Erlenmeyer, 0}, {186, 180, kCmdAdd250Erlenmeyer, 0},
        {0, 193, kCmdAddEvaporationDish, 0},
        {0, 16, kCmdAddEyeDropper, 0},
        {0, 187, kCmdAddFlorenceFlask, 0},
        {624, 625, kCmdAddSyringeGauge, 0}, {624, 626, kCmdAddSyringeSealed, 0},
        {0, 631, kCmdAddGeigerCounter, kStyleGeigerCounter},
        {189, 181, kCmdAdd100Cylinder, 0},
        {0, 12, kCmdAddHotPlate, 0},
        {0, 628, kCmdAddInvertedBuret, kStyleInvertedBuret},
        {0, 0, kCmdAddPaperChromatography, kStylePaperChromatography},
        {535, 534, kCmdAdd10Pipet, 0}, {535, 632, kCmdAdd35Pipet, 0},
        {0, 27, kCmdAddSeparatoryFunnel, 0},
        {0, 565, kCmdAddSpectrophotometer, kStyleSpectrophotometer},
        {0, 188, kCmdAddTestTube, 0},
        {257, 255, kCmdAdd100Volumetric, 0}, {257, 256, kCmdAdd250Volumetric, 0},
        {0, 192, kCmdAddWatchGlass, 0},
        {0, 230, kCmdAddMetalWire, kStyleMetalWire},
    };
    int openPopup = 0;
    Menu sub = m;
    for (const AddRow& row : kRows) {
        if (row.style && !(f.menu.style & row.style)) continue;
        if (row.popupString == 0) {
            openPopup = 0;
            if (row.stringId)
                m.Item(row.stringId, row.command);
            else
                m.Literal("Paper Chromatography Setup", row.command);
            continue;
        }
        if (row.popupString != openPopup) {
            sub = m.Popup(row.popupString);
            openPopup = row.popupString;
        }
        sub.Item(row.stringId, row.command);
    }
    if (f.menu.labObjectOnClipboard) {
        m.Separator();
        m.Item(kStrPaste, kCmdPaste);
    }
}

void PairMenu(Menu m, const ContextMenuFacts& f) {
    const LabObject& a = *f.menu.m0;
    const LabObject& b = *f.menu.m1;
    if ((f.menu.style & kStyleVaporPressure) && f.menu.releaseDropperReady) {
        m.Item(kStrReleaseDropper, kCmdReleaseDropper);
        m.Separator();
    }
    if (f.menu.filterPairReady) {
        m.Item(kStrRemoveBuchner, kCmdBuchnerFunnel);
        m.Separator();
    }
    if (Has(a, kKindDippable) || Has(b, kKindDippable)) {
        const bool wire = a.type == kMetalWire || b.type == kMetalWire;
        m.Item(kStrExtract, wire ? kCmdExtractMetalWire : kCmdExtractLiquid);
        m.Separator();
    }
    if (Has(a, kKindCombinable) && Has(b, kKindCombinable)) {
        if (!f.firstLinked) {
            m.Item(kStrCombine, kCmdCombine);
        } else {
            m.Item(kStrRemove, kCmdRemove);
            if (f.menu.pairHostsInvertedBuret) m.Item(kStrFillInvertedBuret, kCmdFillInvertedBuret);
        }
    }
    if (!f.firstLinked) m.Item(f.firstGrouped ? kStrUngroup : kStrGroup, f.firstGrouped ? kCmdUngroup : kCmdGroup);
    m.Separator();
    EditTail(m, f);
}

void MultiMenu(Menu m, const ContextMenuFacts& f) {
    if (!f.firstGrouped)
        m.Item(kStrGroup, kCmdGroup);
    else if (!f.firstLinked)
        m.Item(kStrUngroup, kCmdUngroup);
    m.Separator();
    EditTail(m, f);
}

// Drops separators that begin or end a menu or follow another, at every level.
void TidySeparators(std::vector<ContextMenuItem>* items) {
    std::vector<ContextMenuItem> out;
    for (ContextMenuItem& item : *items) {
        if (item.separator && (out.empty() || out.back().separator)) continue;
        if (item.popup) TidySeparators(&item.children);
        out.push_back(std::move(item));
    }
    while (!out.empty() && out.back().separator) out.pop_back();
    *items = std::move(out);
}

const LabObject* ObjectAt(int32_t index) {
    return index >= 1 && index <= LabObjectCount ? &LabObjects[index] : nullptr;
}

bool LinkedElsewhere(const LabObject& o, int32_t index) {
    const LabObject* other = ObjectAt(index);
    return other && other != &o;
}

}  // namespace

ContextMenuKind ChooseContextMenu(const MenuFacts& facts) {
    if (facts.sel) return ContextMenuKind::Object;
    if (facts.multiCount == 0) return ContextMenuKind::AddEquipment;
    if (facts.multiCount == 2) return facts.m0 && facts.m1 ? ContextMenuKind::Pair : ContextMenuKind::None;
    if (facts.multiCount > 2) return facts.m0 ? ContextMenuKind::Multi : ContextMenuKind::None;
    return ContextMenuKind::None;
}

void GatherContextMenuFacts(ContextMenuFacts* facts) {
    GatherBenchMenuFacts(&facts->menu);
    const LabObject* a = facts->menu.m0;
    facts->firstLinked = a && (LinkedElsewhere(*a, a->host) || LinkedElsewhere(*a, a->hostedItem));
    facts->firstGrouped = a && (a->groupMemberCount > 0 || a->nextGroupMember != 0);
}

std::vector<ContextMenuItem> BuildContextMenu(ContextMenuKind kind, const ContextMenuFacts& facts,
                                              HandlerQuery hasHandler) {
    std::vector<ContextMenuItem> items;
    if (kind == ContextMenuKind::None) return items;
    Menu m{&items, hasHandler};
    if (facts.menu.demoRecording) {
        m.Item(kStrAddDemoMessage, kCmdAddMessage);
        m.Separator();
    }
    switch (kind) {
    case ContextMenuKind::Object:
        if (facts.menu.sel) ObjectMenu(m, facts);
        break;
    case ContextMenuKind::AddEquipment: AddEquipmentMenu(m, facts); break;
    case ContextMenuKind::Pair:
        if (facts.menu.m0 && facts.menu.m1) PairMenu(m, facts);
        break;
    case ContextMenuKind::Multi:
        if (facts.menu.m0) MultiMenu(m, facts);
        break;
    case ContextMenuKind::None: break;
    }
    TidySeparators(&items);
    return items;
}

void OpenedContextMenu(ContextMenuKind kind) {
    if (kind == ContextMenuKind::AddEquipment) AddAtCursor = true;
}

int FinishContextMenu(ContextMenuKind kind, int chosenCommand) {
    if (chosenCommand == 0 && kind == ContextMenuKind::AddEquipment) AddAtCursor = false;
    return chosenCommand;
}
