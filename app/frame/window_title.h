// The frame caption: "Brevane - <lab file title or (untitled)>", then
// " - " and the user-defined lab's title or the module's lab name.
#pragma once
#include <cstddef>

// The caption, cut to size; labTitle and the extra name may be null.
void ComposeWindowTitle(const char* labTitle, const char* extraName, char* out, size_t size);
