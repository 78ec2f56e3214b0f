// The "LABOBJECT10" clipboard block: n whole LabObject records, each with its
// position in device units of the bench, then an all-zero record.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "common/lab_object.h"

constexpr size_t kLabObjectBlockRecordBytes = sizeof(LabObject);
// More records than this can never be pasted (the bench holds at most 49
// pasted objects), so a reader looks no further.
constexpr int32_t kLabObjectBlockReadLimit = kMaxLabObjects + 1;

// The records of base at the given indices, positions converted to device
// units through the bench seams, and the terminator.
std::vector<uint8_t> EncodeLabObjectBlock(const LabObject* base, const int32_t* indices, int32_t count);

enum class LabObjectBlockError { kNone, kEmpty, kBadType };

// Reads whole records from the start until a record of type 0 or the end of
// the block (a short last record is not read), at most
// kLabObjectBlockReadLimit. Every record read must have a type 1..28, else
// nothing is returned. The records are as stored (device units, untouched).
LabObjectBlockError DecodeLabObjectBlock(const uint8_t* bytes, size_t length,
                                         std::vector<LabObject>* records);

// Makes a record from the clipboard fit to stand on this bench: no group,
// combination, pour target or titration collection, not dipped, held or
// hidden; contents safe; its place converted from device to logical units
// (clamped); the screen template of its key re-applied (its kind's own
// picture when the key has none).
void MakePastedRecordSafe(LabObject& o);
