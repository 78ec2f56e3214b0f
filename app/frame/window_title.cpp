#include "app/frame/window_title.h"

#include <cstdio>

void ComposeWindowTitle(const char* labTitle, const char* extraName, char* out, size_t size) {
    if (!out || size == 0) return;
    const char* title = labTitle && *labTitle ? labTitle : "(untitled)";
    if (extraName && *extraName) snprintf(out, size, "%s - %s - %s", "Brevane", title, extraName);
    else snprintf(out, size, "%s - %s", "Brevane", title);
}
