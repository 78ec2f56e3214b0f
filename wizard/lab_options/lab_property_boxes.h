// The Lab Properties page's eight boxes: each offers an instrument or a
// switch of the lab by one LabStyle bit.
#pragma once
#include <cstdint>

namespace parvell {

struct LabPropertyBox {
    int32_t styleBit;
    const char* text;
};

constexpr int kLabPropertyBoxCount = 8;
constexpr int32_t kStyleSpectrophotometer = 0x200;
constexpr int32_t kStyleIndicators = 0x2;

// In the page's order.
const LabPropertyBox* LabPropertyBoxes();

// The style with every box's bit set as checkedBits has it; the other bits
// stay as they were.
int32_t ApplyLabPropertyBoxes(int32_t style, int32_t checkedBits);

}  // namespace parvell
