// The chemical-database library of the program folder as the authoring
// module sees it: its undecorated exports, and a movable block registered
// by handle.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "common/chemical_record.h"
#include "tests/support/build_folders_win.h"

namespace {

using InitializeFn = void (*)(HGLOBAL, int);
using CountFn = int (*)();
using IndexFn = int (*)(CasNumber);
using NameFn = const char* (*)(CasNumber);
using MassFn = double (*)(CasNumber);
using ColourFn = uint32_t (*)(CasNumber);

// Through void (*)(): the exports are cdecl functions of their own types.
template <class T>
T Export(HMODULE library, const char* name) {
    return reinterpret_cast<T>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}

TEST(ZephraneLibrary, AnswersFromAMovableBlockRegisteredByHandle) {
    HMODULE library = LoadLibraryA(ProgramFolderFile("Zephrane.dll").c_str());
    ASSERT_NE(library, nullptr);
    auto initialize = Export<InitializeFn>(library, "InitializeChemicals");
    auto count = Export<CountFn>(library, "Number_Chem_Available");
    auto index = Export<IndexFn>(library, "getChemInfoIndex");
    auto name = Export<NameFn>(library, "Chemical_Name");
    auto molarMass = Export<MassFn>(library, "Chemical_GMW");
    auto colour = Export<ColourFn>(library, "Chemical_Color");
    ASSERT_TRUE(initialize && count && index && name && molarMass && colour);

    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 2 * sizeof(ChemicalRecord));
    auto* records = static_cast<ChemicalRecord*>(GlobalLock(block));
    records[0].cas = kCasWater;
    strcpy(records[0].name, "Water");
    records[0].molarMass = 18.0153f;
    records[1].cas = 7647145;
    records[1].colour[0] = 1, records[1].colour[1] = 2, records[1].colour[2] = 3;
    GlobalUnlock(block);

    initialize(block, 2);
    GlobalFree(block);  // the library keeps its own copy
    EXPECT_EQ(count(), 2);
    EXPECT_EQ(index(7647145), 1);
    EXPECT_EQ(index(1), -1);
    EXPECT_STREQ(name(kCasWater), "Water");
    EXPECT_FLOAT_EQ(float(molarMass(kCasWater)), 18.0153f);
    EXPECT_EQ(colour(7647145), 0x030201u);

    // A count larger than the block is cut to what the block holds.
    HGLOBAL small = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(ChemicalRecord));
    initialize(small, 50);
    EXPECT_EQ(count(), 1);
    initialize(nullptr, 3);
    EXPECT_EQ(count(), 0);
    GlobalFree(small);
    FreeLibrary(library);
}

}  // namespace
