// The indicator properties dialog.
#pragma once
#include <windows.h>

#include <vector>

#include "common/chemical_record.h"
#include "common/indicator_record.h"

// Edits the indicator over the lab's chemicals; true on OK once its checks
// pass. Cancel leaves it as it was.
bool EditIndicator(HWND owner, IndicatorRecord& indicator, const std::vector<ChemicalRecord>& chemicals);
