// Opens the bench's right-click menu (WM_RBUTTONDOWN).
#pragma once
#include <windows.h>

void ShowBenchContextMenu(HWND bench, WPARAM wParam, LPARAM lParam);
