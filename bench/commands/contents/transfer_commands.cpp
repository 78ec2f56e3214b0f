#include "bench/commands/contents/transfer_commands.h"

#include <cstddef>
#include <cstring>
#include <string>

#include "bench/catalogue/equipment_catalogue.h"
#include "bench/commands/bench_command_seams.h"
#include "bench/commands/command_ids.h"
#include "bench/commands/command_router.h"
#include "bench/commands/contents/contents_comments.h"
#include "bench/commands/contents/contents_seams.h"
#include "bench/model/bench_state.h"
#include "bench/model/chemical_table.h"
#include "bench/model/contents.h"
#include "bench/model/lab_objects.h"
#include "bench/model/selection.h"
#include "bench/sim/sim_support.h"
#include "bench/window/bench_seams.h"

namespace {

constexpr int32_t kTooSmallBox = 587;
constexpr int32_t kTransferCaption = 588;
constexpr int32_t kHoldsNoLiquidBox = 589;
constexpr int32_t kTransferComment = 687;
constexpr int32_t kAddFunnelComment = 667;
constexpr int32_t kDiscardFiltrateComment = 668;
constexpr int32_t kFiltrateComment = 686;
constexpr int32_t kExtractComment = 669;
constexpr int32_t kCannotCombineWarning = 523;
constexpr int32_t kPlaceDipperFirstWarning = 532;
constexpr int32_t kDippedBottomGap = 8;
// The indicator id and amount and the bytes up to the first reading, and the
// block from the precipitate up to the liquid colour, travel with contents.
constexpr size_t kIndicatorBlockOffset = offsetof(LabObject, indicatorId);
constexpr size_t kIndicatorBlockLength = 40;
constexpr size_t kPrecipitateBlockOffset = offsetof(LabObject, precipitate);
constexpr size_t kPrecipitateBlockLength = 64;
static_assert(kIndicatorBlockOffset + kIndicatorBlockLength == offsetof(LabObject, reading1));
static_assert(kPrecipitateBlockOffset + kPrecipitateBlockLength == offsetof(LabObject, liquidColour));

LabObject* SelectedRecord() {
    if (!ObjectSelected || SelectedObject < 1 || SelectedObject > LabObjectCount) return nullptr;
    return &LabObjects[SelectedObject];
}

int32_t IndexOf(const LabObject* o) { return static_cast<int32_t>(o - LabObjects); }

LabObject* Member(int32_t k) {
    const int32_t i = MultiSelection.members[k];
    return i >= 1 && i <= LabObjectCount ? &LabObjects[i] : nullptr;
}

bool TwoMembers() { return MultiSelection.memberCount == 2 && Member(0) && Member(1); }

void MoveBlock(LabObject& to, LabObject& from, size_t offset, size_t length) {
    auto* destination = reinterpret_cast<unsigned char*>(&to) + offset;
    auto* source = reinterpret_cast<unsigned char*>(&from) + offset;
    std::memcpy(destination, source, length);
    std::memset(source, 0, length);
}

void MoveTo(LabObject& o, int32_t left, int32_t top) {
    const int32_t width = o.position.right - o.position.left, height = o.position.bottom - o.position.top;
    o.position = {left, top, left + width, top + height};
}

// The solid is drawn like the heaviest plain solid it holds.
void TakeSolidAppearance(LabObject& o) {
    int32_t heaviest = 0;
    for (int32_t i = 1; i < kComponentSlotCount; ++i)
        if (o.slots[i].phase == kPhaseSolid && (heaviest == 0 || o.slots[i].grams > o.slots[heaviest].grams))
            heaviest = i;
    if (heaviest == 0) return;
    const CasNumber cas = o.slots[heaviest].cas;
    sim::StoreColour(o.solidColour, ChemicalColour(cas));
    o.solidFillKind = BrushStyle(cas);
    o.solidPatternId = PatternId(cas);
}

LabObject* CreatePlaceholder() {
    LabObject* placeholder = AddEquipment(LabObjects, kWatchGlass, 0, 0, LabObjectCount, 0);
    if (placeholder) UndoValid = false;  // a record was written beyond the count
    return placeholder;
}

void OnTransferToNew(const CommandMessage&) {
    LabObject* source = SelectedRecord();
    if (!source) return;
    ContentsSeams& dialogs = CurrentContentsSeams();
    LabObject* vessel = CreatePlaceholder();
    if (!vessel || dialogs.TransferDialog(*vessel) != 1) return;

    // A wet level already holds the solids; a dry vessel holds only them.
    const double liquidMl = sim::NonNegative(source->liquidVolume) / 10.0;
    const double needed = liquidMl > 0 ? liquidMl : sim::NonNegative(source->solidVolume);
    if (needed > vessel->capacityMl) return dialogs.ShowBox(kTooSmallBox, kTransferCaption);
    if (!(vessel->kindFlags & kKindPourable) && source->liquidVolume > 0)
        return dialogs.ShowBox(kHoldsNoLiquidBox, kTransferCaption);

    std::string newName;
    CurrentBenchSeams().LoadResString(vessel->type, &newName);
    RecordTypeComment(kTransferComment, *source, newName.c_str());
    ++LabObjectCount;
    MoveTo(*vessel, source->position.right + 5, source->position.top);
    MoveAllComponents(*vessel, *source);
    MoveBlock(*vessel, *source, kIndicatorBlockOffset, kIndicatorBlockLength);
    MoveBlock(*vessel, *source, kPrecipitateBlockOffset, kPrecipitateBlockLength);
    vessel->liquidVolume = sim::NonNegative(vessel->liquidVolume) + sim::NonNegative(source->liquidVolume);
    vessel->solidVolume = sim::NonNegative(source->solidVolume) + sim::NonNegative(vessel->solidVolume);
    std::memcpy(vessel->liquidColour, source->liquidColour, 3);
    source->liquidVolume = 0;
    source->solidVolume = 0;
    TakeSolidAppearance(*vessel);
    if (vessel->type == kCentigramBalance || vessel->type == kElectronicBalance ||
        vessel->type == kHighSensitivityBalance)
        MoveObjectToBack(LabObjects, LabObjectCount, LabObjectCount);
    CurrentBenchCommandSeams().RepaintWholeBench();
    DocumentModified = true;
}

// The suspended solid of the flask into the receiver; the receiver's solid
// volume grows by what really moved.
void FilterInto(LabObject& receiver, LabObject& flask) {
    const double before = MassByPhase(flask, kPhaseSuspended);
    FilterSuspendedSolids(receiver, flask, before);
    const double moved = before - MassByPhase(flask, kPhaseSuspended);
    double density = AverageDensity(receiver, kPhaseSolid);
    if (!(density > 0) || !std::isfinite(density)) density = 1.0;
    if (moved > 0) receiver.solidVolume = sim::NonNegative(receiver.solidVolume) + moved / density;
    TakeSolidAppearance(receiver);
    CurrentBenchSeams().InvalidateLogicalRect(receiver.position);
    RecordTypeComment(kFiltrateComment, receiver, nullptr);
}

void AddFlaskWithFunnel() {
    const PointI32 at = UnpackBenchPoint(DefaultBenchPosition(kErlenmeyerFlask, LabObjects, LabObjectCount));
    LabObject* flask = AddEquipment(LabObjects, kErlenmeyerFlask, at.x, at.y, LabObjectCount, 1);
    if (!flask) return;
    ++LabObjectCount;
    ChangeSize(*flask, 4);
    SetTemplateState(*flask, 1);
    CurrentBenchSeams().InvalidateLogicalRect(flask->position);
    DocumentModified = true;
    UndoValid = false;
}

void OnBuchnerFunnel(const CommandMessage&) {
    LabObject* flask = nullptr;
    LabObject* receiver = nullptr;
    LabObject* selected = SelectedRecord();
    if (selected && selected->type == kErlenmeyerFlask) {
        flask = selected;
    } else if (TwoMembers()) {
        const int pair = FilterPairTest(Member(0), Member(1));
        if (pair == 1 || pair == 2) {
            LabObject* candidate = Member(pair - 1);
            if (MassByPhase(*candidate, kPhaseSuspended) > 0) {
                flask = candidate;
                receiver = Member(2 - pair);
            }
        }
    }
    if (!flask) return AddFlaskWithFunnel();

    BenchSeams& seams = CurrentBenchSeams();
    CurrentBenchCommandSeams().RepaintWholeBench();
    const RectI32 frame = TwoMembers() ? MultiSelection.bounds : flask->position;
    seams.DrawSelectionFrame(frame);
    if (flask->stateBits == 0) {
        SetTemplateState(*flask, 1);
        seams.InvalidateLogicalRect(flask->position);
        RecordFixedComment(kAddFunnelComment);
    } else {
        if (MassByPhase(*flask, kPhaseSuspended) > 0) {
            const int32_t flaskIndex = IndexOf(flask);
            LabObject* vessel = CreatePlaceholder();
            const int result = vessel ? CurrentContentsSeams().FilterDialog(*vessel, receiver != nullptr) : 0;
            flask = &LabObjects[flaskIndex];
            if (result == 0) return seams.DrawSelectionFrame(frame);
            if (result == 1) {
                ++LabObjectCount;
                MoveTo(*vessel, flask->position.right + 5, flask->position.top);
                FilterInto(*vessel, *flask);
            } else if (result == 3 && receiver) {
                FilterInto(*receiver, *flask);
            } else if (result == 2) {
                for (int32_t i = 1; i < kComponentSlotCount; ++i)
                    if (flask->slots[i].phase == kPhaseSuspended) flask->slots[i] = ComponentSlot{};
                RecordFixedComment(kDiscardFiltrateComment);
            }
        }
        seams.InvalidateLogicalRect(TwoMembers() ? MultiSelection.bounds : flask->position);
        ToggleTemplateState(*flask, 1);
    }
    DocumentModified = true;
    seams.DrawSelectionFrame(frame);
}

// d goes into h, its bottom standing 8 units above h's bottom.
void Seat(LabObject& d, int32_t dIndex, LabObject& h, int32_t hIndex) {
    d.host = hIndex;
    h.hostedItem = dIndex;
    const int32_t hWidth = h.position.right - h.position.left, dWidth = d.position.right - d.position.left;
    const int32_t dx = h.position.right - d.position.right - (hWidth - dWidth) / 2 + h.combineOffsetX - d.combineOffsetX;
    const int32_t dy = h.position.bottom - d.position.bottom - kDippedBottomGap;
    d.position = {d.position.left + dx, d.position.top + dy, d.position.right + dx, d.position.bottom + dy};
    d.objectFlags |= kObjDipped;
}

// b goes into a when a's opening takes it, else a into b; 0 when neither.
int SeatingOrder(const LabObject& a, const LabObject& b) {
    if (a.openingWidth > b.pictureWidth / 2 && a.stateBits == 0 && (b.kindFlags & kKindDippable)) return 1;
    if (b.openingWidth > a.pictureWidth / 2 && b.stateBits == 0 && (a.kindFlags & kKindDippable)) return 2;
    return 0;
}

void OnExtract(const CommandMessage&) {
    BenchSeams& seams = CurrentBenchSeams();
    int32_t ai = 0, bi = 0;
    LabObject* selected = SelectedRecord();
    if (selected && (selected->kindFlags & kKindDippable)) {
        ai = SelectedObject;
        bi = FindIntersectingObject(LabObjectCount, LabObjects, *selected);
    } else if (TwoMembers()) {
        ai = MultiSelection.members[0];
        bi = MultiSelection.members[1];
    }
    if (ai == 0 || bi == 0) return seams.WarnPausingTimer(kPlaceDipperFirstWarning);
    LabObject& a = LabObjects[ai];
    LabObject& b = LabObjects[bi];
    if (!(a.kindFlags & kKindDippable) && !(b.kindFlags & kKindDippable))
        return seams.WarnPausingTimer(kCannotCombineWarning);
    // A metal wire is dipped before it is seated: its dipped picture (7
    // wide, not 177) is what must pass the host's opening, or it would fit
    // no test tube. Judged on copies, so a refusal leaves it as it was.
    LabObject trialA = a, trialB = b;
    if (a.type == kMetalWire)
        SetDippedState(trialA, 1, 0);
    else if (b.type == kMetalWire)
        SetDippedState(trialB, 1, 0);
    const int order = SeatingOrder(trialA, trialB);
    LabObject& dipped = order == 1 ? b : a;
    LabObject& host = order == 1 ? a : b;
    // A second link on either would orphan the first.
    if (order == 0 || dipped.host != 0 || host.hostedItem != 0) return seams.WarnPausingTimer(kCannotCombineWarning);

    const RectI32 oldRect = a.position;
    if (a.type == kMetalWire)
        SetDippedState(a, 1, 0);
    else if (b.type == kMetalWire)
        SetDippedState(b, 1, 0);
    Seat(dipped, order == 1 ? bi : ai, host, order == 1 ? ai : bi);

    if (TwoMembers()) {
        seams.DrawSelectionFrame(MultiSelection.bounds);
        RectI32 r = MultiSelection.bounds;
        seams.InvalidateLogicalRect({r.left - 5, r.top - 5, r.right + 5, r.bottom + 5});
        MultiSelection.bounds = sim::UnionRect(a.position, b.position);
        seams.DrawSelectionFrame(MultiSelection.bounds);
        MultiSelection.dragOrigin = {MultiSelection.bounds.left, MultiSelection.bounds.top};
    } else {
        seams.DrawSelectionFrame(oldRect);
        const RectI32 u = sim::UnionRect(oldRect, host.position);
        seams.InvalidateLogicalRect({u.left - 5, u.top - 5, u.right + 5, u.bottom + 5});
        ObjectSelected = false;
        SelectedObject = 0;
        CurrentContentsSeams().SelectionCleared();
    }
    RecordFixedComment(kExtractComment);
    DocumentModified = true;
}

// The buret hosted by member k, when it is an inverted gas buret.
int32_t HostedInvertedBuret(int32_t k) {
    const int32_t hosted = LabObjects[MultiSelection.members[k]].hostedItem;
    if (hosted < 1 || hosted > LabObjectCount) return 0;
    return LabObjects[hosted].type == kInvertedBuret ? hosted : 0;
}

void OnFillInvertedBuret(const CommandMessage&) {
    if (!TwoMembers()) return;
    int32_t hostIndex = MultiSelection.members[0];
    int32_t buretIndex = HostedInvertedBuret(0);
    if (buretIndex == 0) {
        hostIndex = MultiSelection.members[1];
        buretIndex = HostedInvertedBuret(1);
    }
    if (buretIndex == 0 || buretIndex == hostIndex) return;
    LabObject& host = LabObjects[hostIndex];
    LabObject& buret = LabObjects[buretIndex];
    double free = buret.capacityMl - VolumeByPhase(buret, kPhaseLiquid);
    if (!(free > 0)) return;
    PourLiquid(buret, host, &free);
    if (!(free > 0)) return;
    buret.liquidVolume = sim::NonNegative(buret.liquidVolume) + free * 10.0;
    host.liquidVolume = sim::NonNegative(host.liquidVolume - free * 10.0);
    CurrentBenchSeams().InvalidateLogicalRect(Member(0)->groupRect);
    DocumentModified = true;
}

}  // namespace

void RegisterTransferCommands() {
    const CommandEntry entries[] = {
        {kCmdTransferToNew, OnTransferToNew},
        {kCmdBuchnerFunnel, OnBuchnerFunnel},
        {kCmdExtractLiquid, OnExtract},
        {kCmdExtractMetalWire, OnExtract},
        {kCmdFillInvertedBuret, OnFillInvertedBuret},
    };
    RegisterCommands(entries, static_cast<int>(sizeof entries / sizeof entries[0]));
}

