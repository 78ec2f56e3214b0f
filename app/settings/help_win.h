// Context help: HTML Help topics from the help-topic table.
#pragma once
#include <windows.h>

#include <string>

#include "common/html_help_win.h"

// Program folder + "\" + the topic of the row FindHelpRow gives; false when
// it does not fit.
bool HelpTopicPath(int controlId, int key, char* out, int size);

// Opens that topic with HtmlHelp (display topic) on owner's top window.
void ShowContextHelp(HWND owner, int controlId, int key);
// Closes every viewer the program opened, before its windows go.
void CloseContextHelp();
// The topic path the viewer was last asked for (empty before any).
std::string LastContextHelpTopic();
