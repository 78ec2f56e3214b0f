// The module host loading real libraries: the shipped generic lab and the
// small test modules.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "bench/model/chemical_table.h"
#include "tests/wine/module_host_fixture.h"

namespace {

bool StartsWith(const std::string& text, const std::string& head) {
    return text.compare(0, head.size(), head) == 0;
}

// The generic lab is what the bench holds: its library and its one record.
void ExpectGenericLabLoaded() {
    EXPECT_STREQ(CurrentModuleName, "OLVARIS.DLL");
    EXPECT_EQ(LabModuleHandle, GetModuleHandleA("Olvaris.dll"));
    EXPECT_EQ(LabStyleCache, 0);
    ASSERT_EQ(ChemicalTable.count, 1);
    EXPECT_EQ(ChemicalTable.records[0].cas, kCasWater);
}

// Holds a reference of its own, so the module's state outlives the host's
// FreeLibrary and can still be read afterwards.
struct KeptLibrary {
    HMODULE module;
    explicit KeptLibrary(const std::string& path) : module(LoadLibraryA(path.c_str())) {}
    ~KeptLibrary() { FreeLibrary(module); }
    template <class F>
    F* Export(const char* name) const {
        return reinterpret_cast<F*>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    }
};

}  // namespace

TEST_F(ModuleHostTest, OnlyLoadLabChemicalsLoadsAndEveryOtherEntryIsSkipped) {
    ASSERT_EQ(LoadLabModule(nullptr, "FakeChemicalsOnly.dll", "", 1, 0), 1);
    EXPECT_EQ(LabModuleHandle, GetModuleHandleA("FakeChemicalsOnly.dll"));
    for (int slot = 0; slot < kPluginSlotCount; ++slot)
        EXPECT_EQ(PluginSlotBound(PluginTable, slot), slot == 2) << kPluginExportNames[slot];
    EXPECT_EQ(LabStyleCache, 0);
    EXPECT_EQ(QueryCurrentLabStyle(), 0);
    // It claims 7 records in a block of one.
    ASSERT_EQ(ChemicalTable.count, 1);
    EXPECT_EQ(ChemicalTable.records[0].cas, 5000001u);
    EXPECT_TRUE(Boxes.empty());
    EXPECT_TRUE(Events.empty()) << "without SetChemTextPane the panes are left alone";
}

TEST_F(ModuleHostTest, FullSetIsCalledInOrderAndItsWizardStaysUnboundAtStyleZero) {
    ASSERT_EQ(LoadLabModule(nullptr, "FakeFullSet.dll", "", 1, 0), 1);
    EXPECT_EQ(PluginTable.UDL_Tavistrel, nullptr);
    EXPECT_EQ(PluginSlotsBound(PluginTable), kPluginSlotCount - 1);
    EXPECT_EQ(ModuleCalls(),
              "LoadUDLSimulation:|QueryLabStyle|LoadLabChemicals|SetChemTextPane:2|"
              "SetChemTextPane:1|SetChemTextPane:0|");
    EXPECT_EQ(Events, (std::vector<std::string>{"guard up", "pane 2", "guard down", "pane 1",
                                                "pane 0", "reloaded"}));
    for (int which = 0; which < 3; ++which)
        EXPECT_EQ(PaneText(which), "full set pane " + std::to_string(which));
    EXPECT_EQ(ChemicalTable.count, 2);

    // Without re-creating Observations, the student's notes stay.
    SetWindowTextA(Pane(2), "my notes");
    HWND observations = Pane(2);
    Events.clear();
    ASSERT_EQ(LoadLabModule(nullptr, "FakeFullSet.dll", "", 0, 0), 1);
    EXPECT_EQ(Events, (std::vector<std::string>{"pane 1", "pane 0", "reloaded"}));
    EXPECT_EQ(Pane(2), observations);
    EXPECT_EQ(PaneText(2), "my notes");
    EXPECT_TRUE(Released.empty()) << "the full set owns its block";
}

TEST_F(ModuleHostTest, AuthoringStyleBindsTheWizardAndGetsAnEmptyLabName) {
    ASSERT_EQ(LoadLabModule(nullptr, "FakeAuthoring.dll", "", 1, 0), 1);
    EXPECT_NE(PluginTable.UDL_Tavistrel, nullptr);
    EXPECT_EQ(LabStyleCache, 8);
    EXPECT_EQ(ModuleCalls(), "LoadUDLSimulation:|LoadLabChemicals|");
    // A null block with a count of 3 is an empty table.
    EXPECT_EQ(ChemicalTable.count, 0);
    EXPECT_EQ(ChemicalBlockHandle(), nullptr);
}

TEST_F(ModuleHostTest, ModuleThatCannotBeLoadedShowsOneBoxAndTheGenericLabLoads) {
    const std::string folder = LabFolder();
    const std::string longName = std::string(300, 'x') + ".dll";
    struct Case {
        std::string name;
        std::string shown;  // what the box names
    };
    const Case cases[] = {
        {"Missing.dll", folder + "\\Missing.dll"},
        {"Zephrane.dll", folder + "\\Zephrane.dll"},  // a library, but no lab: no LoadLabChemicals
        {"..\\program\\Olvaris.dll", "..\\program\\Olvaris.dll"},
        {"Olvaris.txt", "Olvaris.txt"},
        {longName, longName},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.substr(0, 40));
        Boxes.clear();
        Events.clear();
        strcpy(CurrentModuleName, "TESSALY.DLL");
        ASSERT_EQ(LoadLabModule(nullptr, c.name.c_str(), "", 1, 0), 1);
        ASSERT_EQ(Boxes.size(), 1u);
        EXPECT_EQ(Boxes[0].caption, "Err! - LOADTEST");
        EXPECT_EQ(Boxes[0].type, static_cast<UINT>(MB_OK | MB_ICONWARNING));
        EXPECT_TRUE(StartsWith(Boxes[0].text, "Unable to load Simulation Library: " + c.shown +
                                                  "\n\nThe library may be missing"))
            << Boxes[0].text;
        EXPECT_EQ(std::vector<std::string>(Events.begin(), Events.begin() + 3),
                  (std::vector<std::string>{"pause", "box", "resume"}));
        ExpectGenericLabLoaded();
    }
}

TEST_F(ModuleHostTest, WithoutTheGenericLabNothingIsLoadedAndTheOldBlockIsReleased) {
    ProgramFolder = FolderWith({"FakeChemicalsOnly.dll"});
    ASSERT_EQ(LoadLabModule(nullptr, "FakeChemicalsOnly.dll", "", 1, 0), 1);
    HGLOBAL previous = ChemicalBlockHandle();
    ASSERT_NE(previous, nullptr);
    Events.clear();

    EXPECT_EQ(LoadLabModule(nullptr, "Missing.dll", "", 1, 0), 0);
    EXPECT_EQ(Boxes.size(), 1u) << "the failed fallback adds no second box";
    EXPECT_EQ(Events, (std::vector<std::string>{"pause", "box", "resume"}));
    EXPECT_EQ(LabModuleHandle, nullptr);
    EXPECT_EQ(PluginSlotsBound(PluginTable), 0);
    EXPECT_EQ(LabStyleCache, 0);
    EXPECT_EQ(ChemicalTable.count, 0);
    EXPECT_EQ(ChemicalBlockHandle(), nullptr);
    EXPECT_EQ(Released, std::vector<HGLOBAL>{previous});
    EXPECT_EQ(GetModuleHandleA("FakeChemicalsOnly.dll"), nullptr);
}

TEST_F(ModuleHostTest, AlternatingModulesReleasesEveryBlockButTheCurrentOneExactlyOnce) {
    std::vector<HGLOBAL> taken;
    for (int load = 0; load < 100; ++load) {
        const char* name = load % 2 ? "FakeChemicalsOnly.dll" : "Olvaris.dll";
        ASSERT_EQ(LoadLabModule(nullptr, name, "", 1, 0), 1);
        // Each library goes before the other comes.
        EXPECT_EQ(GetModuleHandleA(load % 2 ? "Olvaris.dll" : "FakeChemicalsOnly.dll"), nullptr);
        taken.push_back(ChemicalBlockHandle());
        ASSERT_EQ(Released.size(), taken.size() - 1);
        if (load > 0) EXPECT_EQ(Released.back(), taken[load - 1]);
        EXPECT_EQ(ChemicalTable.count, 1);
    }
    // Handles come round again once freed, so the order is what counts: each
    // block is released once, right when its successor arrives.
    UnloadLabModule();
    EXPECT_EQ(Released, taken);
    EXPECT_EQ(ChemicalTable.count, 0);
    EXPECT_TRUE(Boxes.empty());
}

TEST_F(ModuleHostTest, ReloadingTheTableReleasesTheOldBlockButNeverTheSameOne) {
    ASSERT_EQ(LoadLabModule(nullptr, "FakeChemicalsOnly.dll", "", 1, 0), 1);
    HGLOBAL first = ChemicalBlockHandle();
    ReloadChemicalTable();
    EXPECT_EQ(Released, std::vector<HGLOBAL>{first});
    EXPECT_NE(ChemicalBlockHandle(), first);
    EXPECT_EQ(ChemicalTable.count, 1);
}

TEST_F(ModuleHostTest, OwningModulePathsFreeNothing) {
    KeptLibrary owner(LabFolder() + "\\FakeUdlOwner.dll");
    auto ownedBlock = owner.Export<HGLOBAL()>("FakeOwnedBlock");
    auto calls = owner.Export<const char*()>("FakeModuleCalls");
    ASSERT_TRUE(ownedBlock && calls);

    ASSERT_EQ(LoadLabModule(nullptr, "FakeUdlOwner.dll", "", 1, 0), 1);
    HGLOBAL block = ChemicalBlockHandle();
    EXPECT_EQ(block, ownedBlock());
    ReloadChemicalTable();  // the same block again: kept, not freed
    EXPECT_EQ(ChemicalBlockHandle(), block);
    ASSERT_EQ(ChemicalTable.count, 1);
    EXPECT_EQ(ChemicalTable.records[0].cas, 7000001u);

    UnloadUserDefinedLab();  // the module frees it; the host forgets it
    EXPECT_EQ(ChemicalBlockHandle(), nullptr);
    EXPECT_EQ(ChemicalTable.count, 0);
    ReloadChemicalTable();

    ASSERT_EQ(LoadLabModule(nullptr, "Olvaris.dll", "", 1, 0), 1);
    HGLOBAL generic = ChemicalBlockHandle();
    ASSERT_EQ(LoadLabModule(nullptr, "FakeUdlOwner.dll", "", 1, 0), 1);
    strcpy(CurrentUdlName, "lab.udl");
    UnloadLabModule();  // exit with a lab loaded: UnLoadUDLSimulation, no free
    EXPECT_EQ(std::string(calls()),
              "LoadUDLSimulation:|LoadLabChemicals|LoadLabChemicals|UnLoadUDLSimulation:freed|"
              "LoadLabChemicals|LoadUDLSimulation:|LoadLabChemicals|UnLoadUDLSimulation:freed|");
    EXPECT_EQ(Released, std::vector<HGLOBAL>{generic}) << "only the generic lab's block";
    EXPECT_EQ(ChemicalTable.count, 0);
    EXPECT_EQ(LabModuleHandle, nullptr);
}

TEST_F(ModuleHostTest, LabFileMissingInTheProgramFolderIsOfferedFromThePersonalFolder) {
    PersonalFolder = FolderWith({});
    const std::string personalPath = PersonalFolder + "\\lab.udl";
    const std::string programPath = LabFolder() + "\\lab.udl";
    CloseHandle(CreateFileA(personalPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0,
                            nullptr));
    struct Case {
        int answer;
        size_t boxes;
        std::string given;
        int32_t personal;
    };
    const Case cases[] = {{IDYES, 1, personalPath, 1}, {IDNO, 2, programPath, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        Boxes.clear();
        Comments.clear();
        UdlInPersonalFolder = 0;
        BoxAnswer = c.answer;
        Recording = true;
        ASSERT_EQ(LoadLabModule(nullptr, "FakeAuthoring.dll", "lab.udl", 1, 0), 1);
        ASSERT_EQ(Boxes.size(), c.boxes);
        EXPECT_EQ(Boxes[0].caption, "Simulation File Load Error");
        EXPECT_EQ(Boxes[0].type, static_cast<UINT>(MB_YESNO | MB_ICONWARNING));
        EXPECT_EQ(Boxes[0].text, "Unable to locate the simulation file:\n\n" + programPath +
                                     "\n\nDo you wish to instead open the simulation file in "
                                     "your Personal Brevane AppData directory (" +
                                     personalPath + ") with the same name?");
        if (c.boxes == 2)
            EXPECT_EQ(Boxes[1].text, "Unable to locate the simulation file:\n\n" + programPath);
        EXPECT_EQ(UdlInPersonalFolder, c.personal);
        EXPECT_EQ(ModuleCalls(), "LoadUDLSimulation:" + c.given + "|LoadLabChemicals|");
        EXPECT_EQ(Comments, (std::vector<std::string>{"5 Load Simulation: lab.udl",
                                                      "module load FakeAuthoring.dll lab.udl"}));
    }
}

TEST_F(ModuleHostTest, OwnedBlockIsNotReadAfterItsLibraryIsGone) {
    // Host-owned blocks stay readable until their successor arrives; a block
    // the module owns is dropped with the library.
    PersonalFolder = FolderWith({});
    struct Case {
        const char* first;
        int32_t countDuringBox;
    };
    for (const Case& c : {Case{"FakeUdlOwner.dll", 0}, Case{"Olvaris.dll", 1}}) {
        SCOPED_TRACE(c.first);
        Boxes.clear();
        ASSERT_EQ(LoadLabModule(nullptr, c.first, "", 1, 0), 1);
        ASSERT_EQ(ChemicalTable.count, 1);
        BoxAnswer = IDOK;
        ASSERT_EQ(LoadLabModule(nullptr, "FakeAuthoring.dll", "absent.udl", 1, 0), 1);
        ASSERT_EQ(Boxes.size(), 1u);  // the lab file is missing everywhere
        EXPECT_EQ(Boxes[0].tableCount, c.countDuringBox);
    }
    EXPECT_EQ(Released.size(), 1u) << "only the generic lab's block";
}
