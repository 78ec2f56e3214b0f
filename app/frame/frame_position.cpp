#include "app/frame/frame_position.h"

#include <cstdio>

bool ParseFramePosition(const char* text, RectI32* out) {
    if (!text || !out) return false;
    int top, left, bottom, right;
    if (std::sscanf(text, "%i,%i,%i,%i", &top, &left, &bottom, &right) != 4) return false;
    *out = RectI32{left, top, right, bottom};
    return true;
}

RectI32 ChooseFramePlacement(const RectI32* stored, const RectI32& desktop, const RectI32& workArea) {
    if (stored && !RectIsEmpty(*stored) && stored->left >= desktop.left && stored->top >= desktop.top &&
        stored->right <= desktop.right && stored->bottom <= desktop.bottom)
        return *stored;
    return RectI32{0, 0, workArea.right - workArea.left, workArea.bottom - workArea.top};
}

void FormatFramePosition(const RectI32& window, char (&text)[kFramePositionLength]) {
    int top = window.top < 0 ? 0 : window.top;
    int left = window.left < 0 ? 0 : window.left;
    std::snprintf(text, sizeof text, "%i,%i,%i,%i", top, left, window.bottom, window.right);
}
