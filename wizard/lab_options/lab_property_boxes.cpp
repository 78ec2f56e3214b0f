#include "wizard/lab_options/lab_property_boxes.h"

namespace parvell {

namespace {

constexpr LabPropertyBox kBoxes[kLabPropertyBoxCount] = {
    {0x1, "Include pH meter"},
    {0x100, "UDL Simulation handles all solubility reactions (ignore chemical database solubility values)"},
    {kStyleSpectrophotometer, "Include Spectrophotometer"},
    {0x4, "Include Calorimeter"},
    {0x800, "Include Temperature in Titration Plot"},
    {0x8000, "Include Light Source"},
    {0x40, "Metal Wire (Flame Test)"},
    {0x10, "Conductivity Meter"},
};

}  // namespace

const LabPropertyBox* LabPropertyBoxes() { return kBoxes; }

int32_t ApplyLabPropertyBoxes(int32_t style, int32_t checkedBits) {
    int32_t mask = 0;
    for (const LabPropertyBox& box : kBoxes) mask |= box.styleBit;
    return (style & ~mask) | (checkedBits & mask);
}

}  // namespace parvell
