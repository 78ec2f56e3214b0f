// Labs written before solutions of ions kept their ion bit: their ions are
// read as the wizard now writes them, so the meters count them.
#pragma once
#include "wizard/udl_lab.h"

namespace parvell {

// A solution (state 8) whose record carries an ion charge becomes a solution
// of an ion (0x28); every reaction participant and indicator of an ion that
// is marked dissolved (0x8) is taken as ions in solution (0x20) instead.
void UpgradeIonSolutions(UdlLab& lab);

}  // namespace parvell
