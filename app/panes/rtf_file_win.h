// A rich-text file from outside (dropped on the Observations pane) reaches
// the pane only when its nesting is sound.
#pragma once
#include <windows.h>

// Reads the whole file, checks its nesting and streams it in as RTF. 0 when
// the file cannot be read, is too large or nests too deep: the pane is then
// left as it was.
int StreamRtfFileIntoPane(HWND pane, const char* path);
