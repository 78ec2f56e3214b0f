// Seating one object in another: the arithmetic that Combine and the lab
// file reader share.
#pragma once
#include <cstdint>

#include "common/lab_object.h"

// Moves item (its size kept) so that it stands centred in host, shifted by
// both combine offsets, its bottom `lift` units above the host's bottom.
// Halves truncate toward zero; coordinates stay within +-2^24.
void SeatHostedItem(LabObject& item, const LabObject& host, int32_t lift);
