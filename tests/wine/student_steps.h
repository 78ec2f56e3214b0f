// What a student does on the started program, done the way the student does
// it: menus walked with the keyboard, objects dragged and right-clicked with
// the mouse, dialogs filled in and their texts read. Lab time passes faster:
// the bench is handed its timer ticks directly.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "common/lab_object.h"
#include "dialog_driver.h"

// The item texts as the menus show them ('&' marks dropped, "&&" shown as
// "&"), from the menu-bar title down. False, with the reason, when an item
// is missing or grey; the menu is closed then and nothing is chosen.
bool ChooseFromMenuBar(const std::vector<std::string>& path, std::string* problem = nullptr);
// The same for the menu a right click at a bench point opens.
bool ChooseFromBenchMenu(POINT benchPoint, const std::vector<std::string>& path,
                         std::string* problem = nullptr);
// Whether the item at the end of the path is offered (present and not grey);
// the menu is closed again without a choice.
bool MenuBarOffers(const std::vector<std::string>& path);
bool BenchMenuOffers(POINT benchPoint, const std::vector<std::string>& path);

// Bench points are logical units; the mouse works in client pixels.
POINT ClientPoint(POINT benchPoint);
POINT CentreOf(const LabObject& o);
void ClickBench(POINT benchPoint);
void DoubleClickBench(POINT benchPoint);
// Presses at from, moves in small steps to to, releases there.
void DragOnBench(POINT from, POINT to);

// Hands the bench n timer ticks (100 ms of lab time each), painting as it goes.
void PassLabTime(int ticks);

// A dialog step that waits until the dialog's control shows something.
DialogDriver::Step AfterControlFilled(int controlId, DialogDriver::Step then);
// The rows of a list box in a dialog.
std::vector<std::string> ListBoxRows(HWND dialog, int listId);
// Selects the combo-box row whose text starts with the given text, as a
// click on it does (the owner is told of the change).
bool ChooseComboRow(HWND dialog, int comboId, const std::string& startsWith);

// Clicks the text panes' tab (0 Introduction, 1 Procedure, 2 Observations).
void ClickTextTab(int index);
// A window as it is on the screen, as name.png in the folder
// BREVANE_SCREENSHOTS names (a Windows path); nothing when it is not set.
void SaveWindowPicture(HWND window, const char* name);
// The frame, repainted first.
void SaveFramePicture(const char* name);
