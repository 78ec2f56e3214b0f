// Drawing and invalidation helpers of the bench window.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include "common/lab_object.h"

// The marquee pattern brush the bench window makes when it is created; until
// one is set a 50% grey pattern of our own is used.
void SetSelectionMarqueeBrush(HBRUSH brush);

// XOR frame one pixel wide from (left - 1, top - 1) to (right + 2,
// bottom + 2): drawing the same frame again removes it.
void DrawSelectionFrame(HWND window, int left, int top, int right, int bottom);

// A logical rectangle converted with the window's DC, invalidated without
// erasing; the whole window when rect is null.
void InvalidateLogicalRect(HWND window, const RECT* rect);

// The image lists of the meniscus close-up and the light icon, whose icon
// sizes InvalidateObjectOverlays needs (null: that overlay is skipped).
void SetOverlayImageLists(HIMAGELIST meniscus, HIMAGELIST light);

// The object's marker rectangle, its meniscus close-up and its light icon.
void InvalidateObjectOverlays(HWND window, const LabObject& object, int x, int y);

// One icon of the list placed at (x, y); 0 when the list has no icon size.
int ImageIconRect(HIMAGELIST imageList, int x, int y, RECT* rect);

void EraseWithWindowColour(HDC dc, const RECT* rect);
