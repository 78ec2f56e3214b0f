// The exports every lab library shares. Each library's .def file picks the
// ones it offers; all of them answer from ThisLabModule().
#include <windows.h>
#include <richedit.h>

#include <cstring>

#include "modules/frame/lab_module.h"
#include "modules/frame/text_stream.h"

namespace {

HINSTANCE ModuleInstance = nullptr;
uint32_t TextReadOffset = 0;  // into the text being streamed

// The cookie is the TEXT resource, or null for a text the lab lacks.
DWORD CALLBACK TextStreamCallback(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* count) {
    *count = 0;
    HRSRC resource = reinterpret_cast<HRSRC>(cookie);
    if (!resource) return 0;
    DWORD textSize = SizeofResource(ModuleInstance, resource);
    HGLOBAL loaded = LoadResource(ModuleInstance, resource);
    const void* text = loaded ? LockResource(loaded) : nullptr;
    if (text)
        *count = NextTextChunk(static_cast<const uint8_t*>(text), textSize, TextReadOffset, buffer,
                               size);
    if (loaded) FreeResource(loaded);
    return 0;
}

int StreamTextResource(HWND richEdit, int32_t textId) {
    TextReadOffset = 0;
    HRSRC resource =
        textId ? FindResourceA(ModuleInstance, MAKEINTRESOURCEA(textId), "TEXT") : nullptr;
    EDITSTREAM stream = {};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(resource);
    stream.pfnCallback = TextStreamCallback;
    return static_cast<int>(
        SendMessageA(richEdit, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream)));
}

int LoadLabString(int32_t id, char* buffer, int size) {
    // A size of 0 would make LoadString write a pointer into the buffer.
    if (!buffer || size <= 0) return 0;
    buffer[0] = '\0';
    return LoadStringA(ModuleInstance, id, buffer, size);
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) ModuleInstance = instance;
    return TRUE;
}

extern "C" {

int QueryLabName(char* buffer, int size) {
    return LoadLabString(ThisLabModule().nameStringId, buffer, size);
}

int QueryLabDescription(char* buffer, int size) {
    return LoadLabString(ThisLabModule().descriptionStringId, buffer, size);
}

HICON QueryLabSmallIcon() {
    return static_cast<HICON>(LoadImageA(ModuleInstance,
                                         MAKEINTRESOURCEA(ThisLabModule().smallIconId), IMAGE_ICON,
                                         16, 16, LR_DEFAULTCOLOR));
}

int QueryLabStyle() { return static_cast<int>(ThisLabModule().style); }

HGLOBAL LoadLabChemicals(int32_t* count) {
    const LabModuleDefinition& lab = ThisLabModule();
    if (count) *count = 0;
    if (!lab.chemicals || lab.chemicalCount <= 0) return nullptr;
    SIZE_T bytes = static_cast<SIZE_T>(lab.chemicalCount) * sizeof(ChemicalRecord);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
    if (!block) return nullptr;
    void* records = GlobalLock(block);
    if (!records) {
        GlobalFree(block);
        return nullptr;
    }
    memcpy(records, lab.chemicals, bytes);
    GlobalUnlock(block);
    if (count) *count = lab.chemicalCount;
    return block;
}

int LabSimulationProc(int count, LabObject* base) {
    LabSimulationProcEntry* hook = ThisLabModule().simulationHook;
    return hook ? hook(count, base) : 0;
}

int SetChemTextPane(HWND pane, int which) {
    const LabModuleDefinition& lab = ThisLabModule();
    int32_t textId = which >= 0 && which < kLabTextCount ? lab.textIds[which] : 0;
    return StreamTextResource(pane, textId);
}

int SetReactionText(HWND richEdit) {
    return StreamTextResource(richEdit, ThisLabModule().reactionTextId);
}

int IndicatorAvailable() { return 0; }

}  // extern "C"
