// The lab as a whole: New, Open, Save, the lab list, the wizards, the views,
// the Observations format commands, the lab timer, help and outside
// programs, and the files that reach the bench on the command line or by a
// drop.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include "bench/commands/command_router.h"

// Every command of this group on the router.
void RegisterDocumentCommands();

// The last step of the bench window's creation: the lab or user-defined lab
// file the command line names, else the default lab.
void OpenCommandLineFile(HWND bench, const char* commandLine);
// WM_DROPFILES on the bench: one lab or user-defined lab file. Always ends
// the drop (DragFinish).
void DropFilesOnBench(HWND bench, HDROP drop);

// The lab list (dialog 105): 0 cancelled, 1 a lab ran, 2 a wizard module
// ran, 3 a lab was loaded to be edited in the wizard.
INT_PTR RunLabList(HWND owner);
// Whether path names a user-defined lab file the list would show (exact
// extension, at least a whole header, its signature); header may be null.
struct UdlListHeader;
bool IsUdlFile(const char* path, UdlListHeader* header);

// The frame title reads a user-defined lab's title through the list's reader.
void InstallUdlTitleReader();

// What the commands hand to the shell; tests replace it. Answers
// ShellExecuteA's result (above 32 = started).
extern INT_PTR (*OpenWithShell)(HWND owner, const char* target);

// --- Shared by the group's files ---

void RegisterLabSessionCommands();  // New, Open, Save, Save As
void RegisterLabCommands();         // the lab list, the wizards, Add UDL Lab
void RegisterViewCommands();        // views, format, options, timer, help, web

// Opens the lab file: read and checked whole first, so a bad file changes
// nothing but shows "Could not read file %s" with title. A good one does
// New's resets, gets a fresh Observations pane, its module and the path.
bool OpenLabFile(HWND bench, const char* path, const char* title);
// LoadLabModule on the current module and lab names. When the module could
// not be loaded and the generic lab came instead, the user-defined lab
// belongs to no module: its name is cleared, so a later save does not carry it.
int LoadCurrentModule(HWND bench, int recreateObservations);
// New's resets: path and title, bench, selection, undo, scroll, the
// dataset and the data window, tab 0, the Titration dialog.
void ResetLabSession(HWND bench);
// The Titration dialog holds an object index: it goes before the objects do.
void CloseTitrationDialogForNewObjects();
// The box a failed web link shows.
void ShowWebFailure(HWND owner);
