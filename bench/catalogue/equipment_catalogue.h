// The equipment catalogue: every kind of equipment, its initial record per
// screen set, the heads of its shapes (template rows), and the operations
// that create objects and change their shape, size, state or contents
// while keeping their place on the bench.
#pragma once
#include <cstdint>

#include "common/lab_object.h"

constexpr int32_t kTemplateRowCount = 82;
constexpr int32_t kSmallScreenHeight = 900;  // below this the small set is used

enum class TemplateSet { kLarge, kSmall, kSave };

// Each row's print picture and print mask (bitmaps drawn by tools/art from
// the row's screen pictures): these ids plus the row number. The save set
// is never printed and names the large set's.
constexpr int32_t kLargePrintPictureIds = 3000;
constexpr int32_t kLargePrintMaskIds = 3100;
constexpr int32_t kSmallPrintPictureIds = 3200;
constexpr int32_t kSmallPrintMaskIds = 3300;

// The string-table text whose id is the type (a doubled ampersand shows as
// one); nullptr outside 1..28.
const char* EquipmentTypeName(int32_t type);

// Whole 5160-byte initial records, indexed by type 1..28.
const LabObject& EquipmentPrototype(int32_t type, bool smallSet);
// A template row: its 396-byte head in an otherwise zero record.
const LabObject& EquipmentTemplate(TemplateSet set, int32_t row);

bool IsSmallScreen();
TemplateSet ScreenTemplateSet();  // large or small by the screen height

// Default bench points in device pixels, indexed 0..34.
PointI32 DefaultBenchPoint(int32_t index);
uint32_t PackBenchPoint(PointI32 p);  // x in the low 16 bits, y in the high 16
PointI32 UnpackBenchPoint(uint32_t packed);

int32_t FindTemplate(int32_t type, int32_t sizeIndex, int32_t variant, int32_t state);
int32_t TemplateCapacity(int32_t type, int32_t sizeIndex, int32_t state);
int32_t PrototypeHeight(int32_t type);
int32_t PrototypeWidth(int32_t type);
uint32_t PrototypeKindFlags(int32_t type);

inline bool IsContainer(const LabObject& o) { return (o.kindFlags & kKindContainer) != 0; }
inline bool IsContainerOrBalance(const LabObject& o) { return (o.kindFlags & 0x1001) != 0; }

// Creates object count + 1 in base[count + 1] (base is the array base,
// record 0); the caller counts it when the result is not null. Hot plates
// and balances end up in slot 1.
LabObject* AddEquipment(LabObject* base, int32_t type, int32_t x, int32_t y, int32_t count,
                        int logFlag);
uint32_t DefaultBenchPosition(int32_t type, const LabObject* base, int32_t count);

// Re-templating: 1 when the object took a new head, 0 when refused or when
// its new key has no row (the object is then untouched).
int SetTemplateState(LabObject& o, int32_t state);
int SetBalanceState(LabObject& o, int32_t state);
int SetDippedState(LabObject& o, int on, int redraw);
int ToggleTemplateState(LabObject& o, int32_t bits);
int SetDrainVariant(LabObject& o, int redraw, int32_t variant);
int TogglePourPosition(LabObject& o, int redraw);
int ChangeContainer(LabObject& o, int32_t type, int32_t sizeIndex);
int ChangeSize(LabObject& o, int32_t sizeIndex);
// A new capacity in the same picture: the liquid's height per millilitre
// and the fill and pour steps follow, so a full vessel looks full. The
// re-templating members above keep a capacity smaller than their row's.
void SetCapacity(LabObject& o, int32_t capacityMl);
void ApplyScreenTemplate(LabObject& o);
void ApplySaveTemplate(LabObject& o);

// Back to the prototype's contents in the current shape and place.
int EmptyObject(LabObject& o);

// 1: a is a flask with the Buchner funnel and filtered solid, b receives;
// 2: the roles reversed; 0 otherwise.
int FilterPairTest(const LabObject* a, const LabObject* b);

// Moves object n to slot 1 and objects 1..n-1 up by one; every link of the
// objects 1..count, the selection, the Titration buret and the particle
// owners follow. Returns base + 1, or null for n outside 1..50.
LabObject* MoveObjectToBack(LabObject* base, int32_t n, int32_t count);
// Where index k goes when object n is moved to the back.
int32_t IndexAfterMoveToBack(int32_t k, int32_t n);
