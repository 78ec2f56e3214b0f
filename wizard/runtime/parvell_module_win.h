// What the wizard's windows share with Parvell's exports: the library's handle
// and folders, the loaded lab, and registering chemicals with Zephrane.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "common/chemical_record.h"
#include "wizard/runtime/udl_runtime.h"

HINSTANCE ParvellInstance();
// The current folder when the library was attached.
const char* ParvellStartFolder();
// The folder of Parvell.dll itself, without a trailing separator.
std::string ParvellLibraryFolder();
parvell::UdlRuntime& ParvellRuntime();

// Makes records the table every chemical query answers from. Zephrane keeps a
// copy, so records may change or go right after.
void RegisterChemicalsWithLibrary(const ChemicalRecord* records, int32_t count);
