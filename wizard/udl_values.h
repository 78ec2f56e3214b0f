// The numbers a user-defined lab carries, held to ranges the reaction engine
// and the meters can work with: a file that holds anything else is refused
// with a text that names the record and the field.
#pragma once
#include <string>

#include "common/chemical_record.h"
#include "wizard/udl_lab.h"

namespace parvell {

// Denormal doubles and floats of every chemical, reaction, participant,
// indicator and spectrophotometer record become 0 (divided by, they would
// overflow); nothing else is changed.
void FlushDenormals(UdlLab& lab);

// "" when every floating field of the record is finite and in its range,
// else e.g. "molar mass 1e+300 is outside 0 or 1e-06..1e+07".
std::string ChemicalValueFault(const ChemicalRecord& chemical);

// "" when the lab is sound, else which record is not and why, e.g.
// "reaction 2 (Burning): equilibrium constant -1e+308 is outside 0..1e+100".
std::string UdlValueFault(const UdlLab& lab);

}  // namespace parvell
