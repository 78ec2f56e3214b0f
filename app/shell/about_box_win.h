// The About box (command 93): version, product, copyright, the machine's
// processor and memory, and a link to the maker's home page.
#pragma once
#include <windows.h>

// open follows the link; it answers as ShellExecute does (above 32 = opened).
void ShowAboutBox(HWND owner, const char* homePage, INT_PTR (*open)(HWND owner, const char* target),
                  void (*failed)(HWND owner));
