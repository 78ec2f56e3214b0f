// Loading one lab module at a time: LoadLabModule binds its entry points into
// PluginTable, lets it read its user-defined lab, takes over its chemical
// block and has it stream its texts into fresh panes. The text panes, the
// boxes and the timer are reached through the seams below, so the host knows
// nothing of the frame that owns them.
#pragma once
#include <windows.h>

#include <cstddef>

#include "app/modules/module_host.h"

// The text panes: 0 Introduction, 1 Procedure, 2 Observations.
struct ModuleHostPanes {
    // Destroys the pane and creates it again (0 and 1 read-only); the new
    // window, or null when it could not be made.
    HWND (*recreatePane)(int which);
    // PaneStreamGuard: raised while a module text streams into Observations.
    void (*setStreamGuard)(bool raised);
    // Brings Observations, Procedure and Introduction to the top in that
    // order and lays the frame out again.
    void (*panesReloaded)();
};

// Everything else the host needs from the program; a null entry is skipped,
// or answered with the default noted.
struct ModuleHostServices {
    // A box over owner; answers IDOK, IDYES or IDNO. Default MessageBoxA.
    int (*showBox)(HWND owner, const char* text, const char* caption, UINT type);
    // Around each of the host's own boxes (a counted pause).
    void (*pauseTimer)();
    void (*resumeTimer)();
    // Folder without its trailing backslash. Defaults: the program's own
    // folder; the application-data folder plus "\Brevane".
    bool (*programFolder)(char* out, size_t size);
    bool (*perUserFolder)(char* out, size_t size);
    // Demonstration recording: one comment and one module-load event per
    // load. Defaults: the demonstration recorder.
    bool (*recordingDemonstration)();
    void (*recordComment)(int32_t category, const char* text);
    void (*recordModuleLoad)(const char* moduleName, const char* udlName);
    // Unlocks and frees a chemical block the host owns. Default
    // ReleaseChemicalBlock.
    void (*releaseChemicalBlock)(HGLOBAL block);
};

ModuleHostServices DefaultModuleHostServices();
void SetModuleHostServices(const ModuleHostServices& services);
void SetModuleHostPanes(const ModuleHostPanes& panes);  // all null: panes left alone

void ReleaseChemicalBlock(HGLOBAL block);

// 1 = a module is loaded, 0 = neither the named module nor the generic lab.
int LoadLabModule(HWND owner, const char* moduleFileName, const char* udlFileName,
                  int recreateObservations, int preferPersonalFolder);

// Calls LoadLabChemicals of the loaded module again and makes its block the
// chemical table; the block held before is released as ownership says.
void ReloadChemicalTable();
// Streams the loaded lab's texts into the three panes again (a fresh
// Observations pane when asked), leaving the session's changed mark as it was.
void ReloadLabPanes(bool recreateObservations);
// UnLoadUDLSimulation (when bound); the module has freed its block, so the
// host drops the table without freeing it.
void UnloadUserDefinedLab();
// At exit: unloads the user-defined lab when one is loaded, releases the
// chemical block once and frees the library.
void UnloadLabModule();

HGLOBAL ChemicalBlockHandle();  // the block behind the chemical table; null = none
