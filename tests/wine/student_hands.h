// More of what a student does and sees, beside student_steps.h: the step of
// the Procedure being followed, objects dragged to a place, the lab clock run
// until something shows, and what the bench shows read back: the read-outs as
// the renderer words them, the lines of the dialogs, the pixels of the window.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "common/lab_object.h"
#include "dialog_driver.h"
#include "student_steps.h"

// ---- the menus and the Procedure ----

// ChooseFromMenuBar as a test's check, saying what stood in the way.
testing::AssertionResult ChooseMenu(const std::vector<std::string>& path);

// The Procedure pane's step n ("n. ..."), up to the next step; empty when none.
std::string ProcedureStep(int n);
// Every name must appear in the Procedure's step n: the test goes where the text says.
testing::AssertionResult StepNames(int n, const std::vector<std::string>& names);

// ---- the mouse on the bench (menus, clicks and drags: student_steps.h) ----

// Picks the object at its centre and drags it so that its rectangle's left
// and bottom land on (left, bottom), in bench units.
void DragObjectTo(int32_t index, int32_t left, int32_t bottom);
// The top of the bench strip drawn along the window's bottom, in bench units.
int32_t BenchTop();

// ---- the lab clock ----

// Ticks of 100 ms until done() holds, at most maxTicks, repainting the bench
// now and then as the real timer would; the ticks it took, or -1.
int PassTicksUntil(const std::function<bool()>& done, int maxTicks);

// ---- what the bench shows ----

void RepaintBench();
// The thermometer's read-out in the vessel ("37.4 °C" in the scale chosen).
std::string ThermometerText(const LabObject& vessel);
std::string BalanceText(const LabObject& balance);
// The number a read-out starts with (the locale's decimal point taken as '.').
double ReadoutNumber(const std::string& text);
// Pixels of the bench window in a client rectangle, every second one.
std::vector<COLORREF> BenchPixels(const RECT& area);
int Luma(COLORREF c);
// The band just above a vessel's cavity floor, across its middle: where a
// solid layer stands.
RECT SolidBandOf(const LabObject& vessel);
// The middle of the vessel's liquid column.
RECT LiquidBandOf(const LabObject& vessel);
// Pixels of a solid layer's hatch in the area.
int SolidPixelsIn(const RECT& area);

// ---- dialogs, answered from the driver's thread ----

// Runs action with a driver answering the steps; fails when a box or dialog
// came that no step expected, or a step was left over.
testing::AssertionResult Answered(std::vector<DialogDriver::Step> steps, const std::function<void()>& action);
// The lab list: the row whose library is module, then Run.
DialogDriver::Step RunLab(const std::string& module);
// The Water dialog: the level whose text is level ("40.0 ml"), OK.
DialogDriver::Step FillToLevel(const std::string& level);
// The Chemicals dialog: the chemical whose list text holds name, the
// amount typed, Ok.
DialogDriver::Step AddChemical(const std::string& name, const std::string& amount);
// The Filter dialog: "Place Solid into new Container:" of this type and size,
// or (type empty) "Place Solid into Selected Container"; OK.
DialogDriver::Step PlaceResidue(const std::string& type, const std::string& size);
// A dialog whose list box listId is read into *lines before OK is pressed.
DialogDriver::Step ReadListThenOk(int listId, std::vector<std::string>* lines);
// The grams of a Properties line that starts with name and names the phase
// ("Solid", "In Solution"); -1 when no line does.
double GramsInLines(const std::vector<std::string>& lines, const std::string& name, const std::string& phase);
