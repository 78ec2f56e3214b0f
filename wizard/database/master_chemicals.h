// The chemicals the master "chemical.cdb" ships with, beside Parvell.dll.
#pragma once
#include <vector>

#include "common/chemical_record.h"

namespace parvell {

// Water first (the built-in record with its description and specific heat),
// then the table's chemicals in its order.
std::vector<ChemicalRecord> MasterChemicals();

}  // namespace parvell
