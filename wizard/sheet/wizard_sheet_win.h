// The wizard's sheet and the pieces of it its pages share beyond
// wizard_pages_win.h: running it, the password dialog, and what help showed.
#pragma once
#include <windows.h>

#include <string>

#include "wizard/udl_records.h"

// Runs the nine-page wizard modally over owner on the loaded lab, which it
// edits in place. 1 when Finish wrote the lab file, else 0.
int RunWizardSheet(HWND owner);

enum class PasswordDialogMode { kSet, kCheck };

// The password dialog over owner: set mode stores the typed password in
// header; check mode ends only on the stored one (or Cancel). IDOK or
// IDCANCEL.
INT_PTR RunPasswordDialog(HWND owner, PasswordDialogMode mode, UdlHeader& header);

// The topic path OpenWizardHelp last handed to the help viewer.
std::string LastWizardHelpTopic();

// Answers WM_HELP and the help button's PSN_HELP with helpKey's topic;
// true when message was one of them.
bool AnswerWizardHelp(HWND page, UINT message, LPARAM lParam, int helpKey);
