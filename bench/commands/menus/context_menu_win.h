// Opens the bench's right-click menu (WM_RBUTTONDOWN).
#pragma once
#include <windows.h>

void ShowBenchContextMenu(HWND bench, WPARAM wParam, LPARAM lParam);

// While a command chosen from a right-click menu runs: the screen point where
// that menu was opened, which is where an object added from it belongs (the
// cursor has since moved onto the menu item). False at any other time.
bool ContextMenuOpenPoint(POINT* screen);
