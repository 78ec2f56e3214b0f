// File/Print: the bench page and the chosen text panes as one print job.
// The printer, the abort dialog and the drawing sit behind PrintSeams, so
// the job's order and every way out of it are checked without a printer.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "bench/commands/print/bench_page.h"
#include "common/lab_object.h"

// String ids of the job's messages.
constexpr int kStrNothingToPrint = 590;
constexpr int kStrNothingToPrintCaption = 591;
constexpr int kStrNoBitmaps = 592;
constexpr int kStrDeviceError = 593;
constexpr int kStrSendingObject = 594;  // "... %i ..."

class PrintSeams {
public:
    virtual ~PrintSeams() = default;
    // A message box with its caption (590/591 with an exclamation mark).
    virtual void Warn(int textId, int captionId) = 0;
    // The print dialog; true when it gave a printer context.
    virtual bool ChoosePrinter() = 0;
    virtual bool PrinterCanBitBlt() = 0;
    virtual void DeletePrinter() = 0;
    // Installs the abort procedure, shows the abort dialog centred on the
    // desktop and disables the bench and frame windows.
    virtual void OpenAbortDialog() = 0;
    // Enables both windows again and destroys the abort dialog.
    virtual void CloseAbortDialog() = 0;
    virtual std::string DocumentTitle() = 0;  // empty when no lab file is open
    virtual bool StartDocument(const std::string& name) = 0;
    // false once the user pressed Cancel (messages are pumped here).
    virtual bool Continuing() = 0;
    // The abort dialog's text: a string, formatted with number when >= 0.
    virtual void ShowProgress(int stringId, int32_t number) = 0;
    // Starts the bench page and gives the printable area in device units.
    virtual bool StartPage(int32_t* clipWidth, int32_t* clipHeight) = 0;
    virtual void SetPageScale(const BenchPageScale& scale) = 0;
    // Draws one object (1-based index into objects) onto the page; the
    // places of the bubbles it printed go into its record.
    virtual void PrintObject(std::vector<LabObject>& objects, int32_t index) = 0;
    virtual void EndPage() = 0;
    virtual void PrintPane(int32_t pane) = 0;
    virtual void AbortDocument() = 0;
    virtual void EndDocument() = 0;
};

// The document name of the job: the lab's title or "(Untitled)".
std::string PrintDocumentName(const std::string& title);

// Runs the whole job over a copy of the objects taken when it starts
// (objects[0] unused, 1..count printed), as the timer keeps running; the
// printed bubble places are written into that copy.
void RunPrintJob(int32_t options, PrintSeams& seams, std::vector<LabObject>& objects);

// The options in force (never saved), the seams in use, and the commands.
extern int32_t PrintOptions;
PrintSeams* CurrentPrintSeams();
void SetPrintSeams(PrintSeams* seams);  // nullptr: no printer, nothing happens
void RegisterPrintCommands();
