// What the frame, the start-up and the bench window ask of the rest of the
// program, in one place: each is a thin call into the part that owns it.
#pragma once
#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include "app/shell/message_boxes_win.h"
#include "app/panes/text_panes_win.h"

// Start-up
void StartGraphicsForProgram();
void StopGraphicsForProgram();
void ClearLiquidStreams();
void CreateTextPanesAndTabs(HWND frame);
void ReadProgramSettings();
void CreateToolbars(HWND frame);
LRESULT CALLBACK DataWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// false for a key of another top window (the data window, the help viewer),
// and for an edit accelerator while a text pane or edit control has the focus
bool AcceleratorsApply(const MSG& msg);

// Frame
const char* CurrentLabTitle();
// The open lab file's path (260) and title; both empty for an untitled lab.
extern char CurrentLabPath[MAX_PATH];
void SetCurrentLab(const char* path, const char* title);
HWND ObservationsPane();
void SyncFormatBarWithObservations(HWND frame);
void DropFilesOnObservations(ENDROPFILES* drop);
LRESULT ShowToolbarDropDown(HWND frame, NMTOOLBARA* toolbar);
void FillToolbarTip(NMTTDISPINFOA* tip);
void ShowFrameContextHelp(HWND frame, HELPINFO* help);
void ReapplyScreenTemplates();
void ReleaseFrameResources();
void EndDemonstrationRecording();
void FreeTitrationPoints();
void UnloadLabModuleAtExit();
void FreeFormatBarFonts();

// Bench window
int BenchFontPoints();
void ResetTitrationDatasetRecord();
void RegisterBenchCommands();
void PrepareFormatBar();
void ResolvePerUserFolder();
void OpenCommandLineOrDefaultLab(HWND bench, const char* commandLine);
bool DemoRecordingActive();
void RecordBenchState();
void RenderBench(HDC dc);
void RedrawSelectionFrames(HWND bench);
// Ctrl+Left / Ctrl+Right: the previous or next object, wrapping round.
void CycleSelection(HWND bench, int step);
char* DemoMessageBuffer();
void RunSimulationTick(HWND bench, WPARAM wParam, LPARAM lParam);
void UpdateMenuState(HMENU popup, int position);
void ShowMenuHelp(UINT item, UINT flags, HMENU menu);
void ClearCurrentLab();
void ClearSelection();
void ShowTextPane(int index);
