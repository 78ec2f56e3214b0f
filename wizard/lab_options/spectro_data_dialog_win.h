// The spectrophotometer data dialog: the lab's absorptivity points, edited in
// place. The caller keeps a copy to put back on Cancel.
#pragma once
#include <windows.h>

#include "wizard/udl_lab.h"

// IDOK or IDCANCEL.
INT_PTR EditSpectroData(HWND owner, UdlLab& lab);
