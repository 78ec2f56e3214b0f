// The frame caption: "Brevane - <lab file title or (untitled)>", then
// " - " and the user-defined lab's title or the module's lab name.
#pragma once
#include <cstddef>

// Where the caption's last part comes from; the module host installs it.
struct WindowTitleSource {
    // The title in the header of the loaded user-defined lab (only when the
    // module runs user-defined labs and one is loaded and valid).
    bool (*UserLabTitle)(char* out, int size);
    // The module's QueryLabName answer for a 128-byte buffer.
    bool (*ModuleLabName)(char* out, int size);
};

void InstallWindowTitleSource(const WindowTitleSource& source);
const WindowTitleSource& CurrentWindowTitleSource();

// The caption, cut to size; labTitle and the extra name may be null.
void ComposeWindowTitle(const char* labTitle, const char* extraName, char* out, size_t size);
