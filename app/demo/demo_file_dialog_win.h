// The common file dialog for demonstration files: one filter, the user's
// documents work folder, a title of the caller's; saving asks before
// overwriting.
#pragma once
#include <windows.h>

enum class DemoFileDialogKind { kSave, kOpen };

bool ChooseDemoFile(HWND owner, DemoFileDialogKind kind, const char* title, char* path, int length);
