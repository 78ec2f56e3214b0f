// Keys and mouse buttons as the hardware sends them (SendInput): they reach
// whatever window has the keyboard or lies under the cursor, as a student's
// do, and nothing is delivered when no window of the program is active.
#pragma once
#include <windows.h>

inline void SendKey(WORD key, bool up) {
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = key;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &in, sizeof in);
}

inline void TapKey(WORD key) {
    SendKey(key, false);
    SendKey(key, true);
}

// Alt with a letter, as a menu title's or a button's underlined letter is used.
inline void TapAltKey(WORD key) {
    SendKey(VK_MENU, false);
    TapKey(key);
    SendKey(VK_MENU, true);
}

// A click of the left (or right) button at a screen point.
inline void ClickScreen(POINT screen, bool right = false) {
    SetCursorPos(screen.x, screen.y);
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_MOUSE;
    in[0].mi.dwFlags = right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
    in[1].mi.dwFlags = right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
    SendInput(2, in, sizeof(INPUT));
}

// The middle of a window (a button, a dialog) on the screen.
inline POINT CentreOnScreen(HWND window) {
    RECT r = {};
    GetWindowRect(window, &r);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}
