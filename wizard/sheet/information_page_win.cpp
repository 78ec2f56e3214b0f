#include "wizard/sheet/wizard_pages_win.h"

// Not built yet: the page shows its template and keeps nothing.
INT_PTR CALLBACK InformationPageProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }
