// What a plug-in library that links the C++ runtime statically gives back
// when it is unloaded.
#pragma once
#include <windows.h>

namespace __gnu_cxx {
void __freeres() noexcept;
}

// The runtime's reserve for throwing under memory pressure is allocated when
// the library is attached and never freed by the runtime itself, so every
// FreeLibrary would leave it behind (some 19 KB a load for a lab switched to
// and from). Only on FreeLibrary: at process exit the memory goes anyway.
inline void ReleaseRuntimeOnUnload(DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_DETACH && !reserved) __gnu_cxx::__freeres();
}
