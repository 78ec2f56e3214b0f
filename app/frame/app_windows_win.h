// The program's main windows, created once at start-up and kept for the run.
#pragma once
#include <windows.h>

extern HINSTANCE AppInstance;
extern HWND FrameWindow;
extern HWND BenchWindow;
extern HWND StatusBar;
extern HWND TabControl;
extern HWND DataWindow;
extern HWND MainToolbar;
extern HWND FormatBar;
extern double DpiFactor;  // window DPI / 96
extern int PaneWidth;     // 375 x DpiFactor, truncated
extern bool RichEdit20Available;

constexpr UINT_PTR kLabTimerId = 1;
constexpr UINT kLabTimerMs = 100;

LRESULT CALLBACK FrameWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK LabSpaceWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void LayoutFrame(HWND benchWindow);
