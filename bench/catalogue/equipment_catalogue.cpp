#include "bench/catalogue/equipment_catalogue.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "bench/window/bench_seams.h"
#include "bench/model/bench_state.h"
#include "bench/model/contents.h"
#include "bench/model/renumber.h"
#include "bench/model/selection.h"

namespace {

constexpr uint32_t kStateTemplatedKinds = 0x2030008;
constexpr uint32_t kToggleTemplatedKinds = 0x2010008;
constexpr int32_t kDemoCategoryProcedure = 1;
constexpr int32_t kStringMaximumEquipment = 203;
constexpr int32_t kStringAddNew = 688;

const LabObject& RowHead(TemplateSet set, int32_t row) { return EquipmentTemplate(set, row); }

void CopyHead(LabObject& o, const LabObject& head) { std::memcpy(&o, &head, kLabObjectHeadBytes); }

// After a new head of the same kind and size: an object made smaller than
// its row (the 10 ml test tube and cylinder) stays as small. Only a smaller
// capacity is kept, so no record can make a vessel hold more than its picture.
void KeepCapacity(LabObject& o, int32_t kept) {
    if (kept > 0 && kept < o.capacityMl) SetCapacity(o, kept);
}

int32_t HeadHeight(const LabObject& o) { return o.pictureHeight; }
int32_t HeadWidth(const LabObject& o) { return o.pictureWidth; }

// Keeping left and bottom, by the change of the head's size.
void KeepLeftBottomByHead(LabObject& o, int32_t oldHeight, int32_t oldWidth) {
    o.position.top += oldHeight - o.pictureHeight;
    o.position.right += o.pictureWidth - oldWidth;
}

// Keeping left and bottom, from the rectangle itself.
void KeepLeftBottomByRect(LabObject& o) {
    o.position.top = o.position.bottom - o.pictureHeight;
    o.position.right = o.position.left + o.pictureWidth;
}

void KeepLeftTopByHead(LabObject& o, int32_t oldHeight, int32_t oldWidth) {
    o.position.bottom += o.pictureHeight - oldHeight;
    o.position.right += o.pictureWidth - oldWidth;
}

RectI32 Grown(const RectI32& r, int32_t by) {
    return {r.left - by, r.top - by, r.right + by, r.bottom + by};
}

RectI32 Union(const RectI32& a, const RectI32& b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

void Redraw(const RectI32& oldRect, const RectI32& newRect, int redraw) {
    BenchSeams& seams = CurrentBenchSeams();
    if (redraw) seams.DrawSelectionFrame(oldRect);
    seams.InvalidateLogicalRect(Grown(Union(oldRect, newRect), 5));
    if (redraw) seams.DrawSelectionFrame(newRect);
}

// Re-templates from a screen table keeping left and bottom.
int RetemplateKeepingLeftBottom(LabObject& o, int32_t state) {
    const int32_t row = FindTemplate(o.type, o.sizeIndex, o.variant, state);
    if (row < 0) return 0;
    const int32_t oldHeight = HeadHeight(o), oldWidth = HeadWidth(o), capacity = o.capacityMl;
    CopyHead(o, RowHead(ScreenTemplateSet(), row));
    KeepCapacity(o, capacity);
    KeepLeftBottomByHead(o, oldHeight, oldWidth);
    return 1;
}

// Re-templates for a new variant and/or state keeping left and bottom from
// the rectangle, then redraws.
int RetemplateFromTable(LabObject& o, TemplateSet set, int32_t variant, int32_t state) {
    const int32_t row = FindTemplate(o.type, o.sizeIndex, variant, state);
    if (row < 0) return 0;
    const int32_t capacity = o.capacityMl;
    CopyHead(o, RowHead(set, row));
    KeepCapacity(o, capacity);
    KeepLeftBottomByRect(o);
    return 1;
}

// Grams and solid volume shrink with the liquid when a smaller vessel
// cannot hold what was in the larger one.
void RescaleContents(LabObject& o, double oldVolume) {
    const double limit = o.capacityMl * 10.0;
    if (!(oldVolume > limit) || oldVolume <= 0.0) return;
    const double factor = limit / oldVolume;
    for (ComponentSlot& slot : o.slots) slot.grams *= factor;
    o.liquidVolume = limit;
    o.solidVolume *= factor;
}

int Resize(LabObject& o, int32_t type, int32_t sizeIndex) {
    const int32_t row = FindTemplate(type, sizeIndex, o.variant, o.stateBits);
    if (row < 0) return 0;
    const int32_t oldHeight = HeadHeight(o), oldWidth = HeadWidth(o);
    const double oldVolume = o.liquidVolume;
    CopyHead(o, RowHead(ScreenTemplateSet(), row));
    KeepLeftTopByHead(o, oldHeight, oldWidth);
    RescaleContents(o, oldVolume);
    return 1;
}

bool IsFilteringFlask(const LabObject& o) {
    return o.type == kErlenmeyerFlask && o.stateBits == 1 && MassByPhase(o, kPhaseSuspended) > 0.0;
}

bool MovesToBack(int32_t type) {
    return type == kHotPlate || type == kCentigramBalance || type == kElectronicBalance ||
           type == kHighSensitivityBalance;
}

void LogAddition(int32_t type) {
    BenchSeams& seams = CurrentBenchSeams();
    if (!seams.DemoRecording()) return;
    std::string name;
    if (!seams.LoadResString(type, &name)) return;
    std::string format;
    std::string comment = "Missing Comment";
    if (seams.LoadResString(kStringAddNew, &format)) {
        // The format holds one %s; anything else in it is taken literally.
        const size_t at = format.find("%s");
        comment = at == std::string::npos ? format : format.substr(0, at) + name + format.substr(at + 2);
    }
    seams.RecordComment(comment, kDemoCategoryProcedure);
}

int32_t Remap(int32_t k, int32_t n) { return IndexAfterMoveToBack(k, n); }

}  // namespace

bool IsSmallScreen() { return CurrentBenchSeams().FullScreenHeight() < kSmallScreenHeight; }

TemplateSet ScreenTemplateSet() { return IsSmallScreen() ? TemplateSet::kSmall : TemplateSet::kLarge; }

uint32_t PackBenchPoint(PointI32 p) {
    return (static_cast<uint32_t>(p.x) & 0xFFFFu) | ((static_cast<uint32_t>(p.y) & 0xFFFFu) << 16);
}

PointI32 UnpackBenchPoint(uint32_t packed) {
    return {static_cast<int16_t>(packed & 0xFFFFu), static_cast<int16_t>(packed >> 16)};
}

int32_t PrototypeHeight(int32_t type) {
    return EquipmentPrototype(static_cast<int16_t>(type), IsSmallScreen()).pictureHeight;
}

int32_t PrototypeWidth(int32_t type) {
    return EquipmentPrototype(static_cast<int16_t>(type), IsSmallScreen()).pictureWidth;
}

uint32_t PrototypeKindFlags(int32_t type) {
    return EquipmentPrototype(static_cast<int16_t>(type), false).kindFlags;
}

LabObject* AddEquipment(LabObject* base, int32_t type, int32_t x, int32_t y, int32_t count,
                        int logFlag) {
    BenchSeams& seams = CurrentBenchSeams();
    if (!base || !IsEquipmentType(type) || count < 0) return nullptr;
    if (count >= kMaxLabObjects) {
        seams.WarnPausingTimer(kStringMaximumEquipment);
        return nullptr;
    }
    const int32_t index = count + 1;
    LabObject& o = base[index];
    // The record beyond the count may be one a Delete parked for Undo.
    UndoValid = false;
    o = EquipmentPrototype(type, IsSmallScreen());

    // Below the point, unless the object would pass the bench's bottom edge.
    const RectI32 bench = seams.BenchClientRect();
    const int32_t top = o.position.top, bottom = o.position.bottom;
    if (y + bottom > bench.bottom) {
        o.position.top = y + top - bottom;
        o.position.bottom = y;
    } else {
        o.position.top = y + top;
        o.position.bottom = y + bottom;
    }
    o.position.left += x;
    o.position.right += x;

    LabObject* added = &o;
    if (MovesToBack(type)) {
        // Drawn first, under everything else.
        added = MoveObjectToBack(base, index, index);
        if (!added) return nullptr;
    }
    seams.NewEquipmentAddition(*added);
    if (logFlag) LogAddition(type);
    return added;
}

uint32_t DefaultBenchPosition(int32_t type, const LabObject* base, int32_t count) {
    const BenchSeams& seams = CurrentBenchSeams();
    if (!IsEquipmentType(type)) return PackBenchPoint(seams.DeviceToLogical(DefaultBenchPoint(0)));
    PointI32 p = seams.DeviceToLogical(DefaultBenchPoint(type));
    const int32_t height = PrototypeHeight(type), width = PrototypeWidth(type);
    // One pass in array order: a place freed earlier in the order is not revisited.
    for (int32_t i = 1; base && i <= count; ++i) {
        const LabObject& o = base[i];
        if (o.type != type || o.position.left != p.x) continue;
        if (o.position.top == p.y || o.position.bottom == p.y + height) p.x += width;
    }
    return PackBenchPoint(p);
}

int SetTemplateState(LabObject& o, int32_t state) {
    if (!(o.kindFlags & kStateTemplatedKinds)) return 0;
    return RetemplateKeepingLeftBottom(o, state);
}

int SetBalanceState(LabObject& o, int32_t state) {
    if (o.type != kCentigramBalance) return 0;
    return RetemplateKeepingLeftBottom(o, state);
}

int ToggleTemplateState(LabObject& o, int32_t bits) {
    if (o.stateBits == 0 || !(o.kindFlags & kToggleTemplatedKinds)) return 0;
    const int32_t state = bits == 0 ? 0 : (static_cast<uint16_t>(o.stateBits) ^ bits);
    if (!RetemplateKeepingLeftBottom(o, state)) return 0;
    std::memset(o.printBubbles, 0, sizeof o.printBubbles + sizeof o.extraPairs);
    return 1;
}

int SetDippedState(LabObject& o, int on, int redraw) {
    const int32_t state = static_cast<uint16_t>(o.stateBits);
    const int32_t wanted = on ? (state | 0x1) : (state & ~0x1);
    if (wanted == state) return 0;
    const RectI32 oldRect = o.position;
    if (!RetemplateFromTable(o, TemplateSet::kLarge, o.variant, wanted)) return 0;
    Redraw(oldRect, o.position, redraw);
    return 1;
}

int SetDrainVariant(LabObject& o, int redraw, int32_t variant) {
    if (!o.tiltable || o.variant == variant) return 0;
    const RectI32 oldRect = o.position;
    if (!RetemplateFromTable(o, TemplateSet::kLarge, variant, o.stateBits)) return 0;
    o.pourTarget = 0;
    Redraw(oldRect, o.position, redraw);
    return 1;
}

int TogglePourPosition(LabObject& o, int redraw) {
    if (!o.tiltable) return 0;
    const int32_t variant = (o.variant == 0 && o.kindStateWord == 0) ? 1 : 0;
    // The set new equipment is made in: a vessel keeps its size when it is
    // tipped and set upright again.
    const RectI32 oldRect = o.position;
    const int changed = RetemplateFromTable(o, ScreenTemplateSet(), variant, o.stateBits);
    o.pourTarget = 0;
    Redraw(oldRect, o.position, redraw);
    return changed;
}

int ChangeContainer(LabObject& o, int32_t type, int32_t sizeIndex) {
    if (!IsEquipmentType(type)) return 0;
    if (!Resize(o, type, sizeIndex)) return 0;
    CurrentBenchSeams().NewEquipmentAddition(o);
    return 1;
}

int ChangeSize(LabObject& o, int32_t sizeIndex) {
    if (o.variant != 0) return 0;
    return Resize(o, o.type, sizeIndex);
}

void SetCapacity(LabObject& o, int32_t capacityMl) {
    if (capacityMl <= 0 || o.capacityMl <= 0 || capacityMl == o.capacityMl) return;
    // A full vessel's surface stands where it stood; a fill or pour step is
    // the same share of the vessel.
    const float factor = static_cast<float>(o.capacityMl) / static_cast<float>(capacityMl);
    o.liquidHeightScale *= factor;
    o.liquidWidthScale *= factor;
    o.addWaterStep /= factor;
    o.pourStep /= factor;
    o.capacityMl = capacityMl;
}

namespace {

// Re-applies the head of the object's own key, keeping left and top.
void ApplyTemplateKeepingLeftTop(LabObject& o, TemplateSet set, bool halvePosition) {
    const int32_t row = FindTemplate(o.type, o.sizeIndex, o.variant, o.stateBits);
    if (row < 0) return;
    const int32_t capacity = o.capacityMl;
    CopyHead(o, RowHead(set, row));
    KeepCapacity(o, capacity);
    if (halvePosition) {
        o.position.left /= 2;
        o.position.top /= 2;
    }
    o.position.right = o.position.left + o.pictureWidth;
    o.position.bottom = o.position.top + o.pictureHeight;
}

}  // namespace

void ApplyScreenTemplate(LabObject& o) { ApplyTemplateKeepingLeftTop(o, ScreenTemplateSet(), false); }

void ApplySaveTemplate(LabObject& o) { ApplyTemplateKeepingLeftTop(o, TemplateSet::kSave, true); }

int EmptyObject(LabObject& o) {
    if (!IsEquipmentType(o.type)) return 0;
    CurrentBenchSeams().RemoveObjectParticles(o);
    const int32_t row = FindTemplate(o.type, o.sizeIndex, o.variant, o.stateBits);
    const LabObject kept = o;
    o = EquipmentPrototype(kept.type, IsSmallScreen());
    if (row >= 0) CopyHead(o, RowHead(ScreenTemplateSet(), row));
    KeepCapacity(o, kept.capacityMl);
    // Place, links and settings stay; so do the label, the note and the thermometer.
    o.position = kept.position;
    o.readoutShown = kept.readoutShown;
    o.tare = kept.tare;
    o.phShown = kept.phShown;
    o.groupRect = kept.groupRect;
    o.groupMemberCount = kept.groupMemberCount;
    o.nextGroupMember = kept.nextGroupMember;
    o.host = kept.host;
    o.hostedItem = kept.hostedItem;
    o.wavelength = kept.wavelength;
    o.objectFlags = kept.objectFlags;
    o.stopwatchCount = kept.stopwatchCount;
    o.electrode1 = kept.electrode1;
    std::memcpy(o.label, kept.label, sizeof o.label);
    std::memcpy(o.note, kept.note, sizeof o.note);
    o.thermometerInserted = kept.thermometerInserted;
    return 1;
}

int FilterPairTest(const LabObject* a, const LabObject* b) {
    if (!a || !b || a == b) return 0;
    if (IsFilteringFlask(*a)) return IsContainerOrBalance(*b) ? 1 : 0;
    if (IsFilteringFlask(*b) && IsContainerOrBalance(*a)) return 2;
    return 0;
}

int32_t IndexAfterMoveToBack(int32_t k, int32_t n) {
    if (k <= 0 || n <= 1) return k;
    if (k < n) return k + 1;
    if (k == n) return 1;
    return k;
}

LabObject* MoveObjectToBack(LabObject* base, int32_t n, int32_t count) {
    if (!base || n < 1 || n > kMaxLabObjects) return nullptr;
    if (n == 1) return base + 1;
    count = std::clamp(count, n, static_cast<int32_t>(kMaxLabObjects));

    // Object n to slot 1, objects 1..n-1 one slot up.
    std::rotate(base + 1, base + n, base + n + 1);

    IndexRemap remap{};
    for (int32_t k = 0; k < kLabObjectArrayLength; ++k) remap.newIndex[k] = Remap(k, n);
    RenumberBench(base, count, remap);
    return base + 1;
}
