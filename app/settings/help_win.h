// Context help: HTML Help topics from the help-topic table.
#pragma once
#include <windows.h>

// Program folder + "\" + the topic of the row FindHelpRow gives; false when
// it does not fit.
bool HelpTopicPath(int controlId, int key, char* out, int size);

// Opens that topic with HtmlHelp (display topic) on owner.
void ShowContextHelp(HWND owner, int controlId, int key);

// The help control's HtmlHelpA, from the library the registry names
// (hhctrl.ocx when it names none); null when it cannot be loaded.
using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
HtmlHelpFunction LoadHtmlHelp();
