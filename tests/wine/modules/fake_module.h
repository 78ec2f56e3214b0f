// Helpers shared by the small module libraries the host tests load.
#pragma once
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "common/chemical_record.h"
#include "common/module_contract.h"

// A movable block of `count` zeroed records with CAS numbers first, first+1...
inline HGLOBAL NewChemicalBlock(int32_t count, CasNumber first) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, count * sizeof(ChemicalRecord));
    auto* records = static_cast<ChemicalRecord*>(GlobalLock(block));
    for (int32_t i = 0; i < count; ++i) records[i].cas = first + i;
    GlobalUnlock(block);
    return block;
}

// Which entries were called, in order: "name|name|...".
struct CallLog {
    char text[4096] = "";
    void Add(const char* entry, const char* detail = nullptr) {
        size_t length = strlen(text);
        snprintf(text + length, sizeof text - length, "%s%s%s|", entry, detail ? ":" : "",
                 detail ? detail : "");
    }
};
