// The Win32 handle types that shared headers name. The Win32 build takes them
// from <windows.h>; native builds (tests, labsim) only pass them around, so
// they are declared as the same opaque pointers <windows.h> would give.
#pragma once

#if defined(_WIN32)
#include <windows.h>
#else
struct HWND__;
struct HDC__;
struct HICON__;
struct HINSTANCE__;
typedef HWND__* HWND;
typedef HDC__* HDC;
typedef HICON__* HICON;
typedef HINSTANCE__* HINSTANCE;
typedef HINSTANCE HMODULE;
typedef void* HGLOBAL;
#endif
