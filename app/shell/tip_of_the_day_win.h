// Tip of the Day (command 193): a tip written over its picture, Next Tip,
// and the "show at start-up" choice stored at once.
#pragma once
#include <windows.h>

// The dialog's result: 1 when closed with Close.
INT_PTR ShowTipOfTheDay(HWND owner);

// The tip the picture shows now (tests read it).
int CurrentTipIndex();
