// Context help: HTML Help topics from the help-topic table.
#pragma once
#include <windows.h>

#include "common/html_help_win.h"

// Program folder + "\" + the topic of the row FindHelpRow gives; false when
// it does not fit.
bool HelpTopicPath(int controlId, int key, char* out, int size);

// Opens that topic with HtmlHelp (display topic) on owner.
void ShowContextHelp(HWND owner, int controlId, int key);
