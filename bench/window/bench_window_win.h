// Resources the bench window holds for its whole life.
#pragma once
#include <windows.h>

extern HDC BenchDC;  // own DC: its viewport origin is the bench's scroll
extern HFONT LabelFont;
extern HBRUSH MarqueeBrush;
extern HCURSOR SplitCursor;
extern HCURSOR SecondCursor;
extern int BenchLineHeight;
extern int BenchCharWidth;
extern UINT LabObjectClipboardFormat;

// Clears the document: path, title, objects, selection, undo and scroll.
void ResetBench();
