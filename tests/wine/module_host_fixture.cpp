#include "tests/wine/module_host_fixture.h"

#include <richedit.h>

#include <cstdio>

#include "bench/model/chemical_table.h"
#include "tests/support/build_folders_win.h"

std::vector<RecordedBox> ModuleHostTest::Boxes;
std::vector<std::string> ModuleHostTest::Events;
std::vector<HGLOBAL> ModuleHostTest::Released;
std::vector<std::string> ModuleHostTest::Comments;
int ModuleHostTest::BoxAnswer = IDYES;
std::string ModuleHostTest::ProgramFolder;
std::string ModuleHostTest::PersonalFolder;
bool ModuleHostTest::Recording = false;

namespace {

HWND PaneParent = nullptr;
HWND PaneWindows[3] = {};

const char* const kTestModules[] = {"FakeChemicalsOnly.dll", "FakeFullSet.dll", "FakeAuthoring.dll",
                                    "FakeUdlOwner.dll"};

bool CopyOut(const std::string& folder, char* out, size_t size) {
    if (folder.empty() || folder.size() + 1 > size) return false;
    strcpy(out, folder.c_str());
    return true;
}

ModuleHostServices RecordingServices() {
    ModuleHostServices services = DefaultModuleHostServices();
    services.showBox = [](HWND, const char* text, const char* caption, UINT type) {
        ModuleHostTest::Events.push_back("box");
        ModuleHostTest::Boxes.push_back({text, caption, type, ChemicalTable.count});
        return ModuleHostTest::BoxAnswer;
    };
    services.pauseTimer = [] { ModuleHostTest::Events.push_back("pause"); };
    services.resumeTimer = [] { ModuleHostTest::Events.push_back("resume"); };
    services.programFolder = [](char* out, size_t size) {
        return CopyOut(ModuleHostTest::ProgramFolder, out, size);
    };
    services.perUserFolder = [](char* out, size_t size) {
        return CopyOut(ModuleHostTest::PersonalFolder, out, size);
    };
    services.recordingDemonstration = [] { return ModuleHostTest::Recording; };
    services.recordComment = [](int32_t category, const char* text) {
        ModuleHostTest::Comments.push_back(std::to_string(category) + " " + text);
    };
    services.recordModuleLoad = [](const char* moduleName, const char* udlName) {
        ModuleHostTest::Comments.push_back(std::string("module load ") + moduleName + " " + udlName);
    };
    services.releaseChemicalBlock = [](HGLOBAL block) {
        ModuleHostTest::Released.push_back(block);
        // Freeing a block twice, or one the host does not own, fails here.
        EXPECT_NE(GlobalFlags(block), static_cast<UINT>(GMEM_INVALID_HANDLE));
        GlobalUnlock(block);
        EXPECT_EQ(GlobalFree(block), nullptr);
    };
    return services;
}

ModuleHostPanes RichEditPanes() {
    ModuleHostPanes panes = {};
    panes.recreatePane = [](int which) -> HWND {
        ModuleHostTest::Events.push_back("pane " + std::to_string(which));
        if (PaneWindows[which]) DestroyWindow(PaneWindows[which]);
        DWORD style = WS_CHILD | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL;
        if (which != 2) style |= ES_READONLY;
        PaneWindows[which] = CreateWindowExA(0, "RichEdit20A", "", style, 0, 0, 400, 300,
                                             PaneParent, nullptr, nullptr, nullptr);
        return PaneWindows[which];
    };
    panes.setStreamGuard = [](bool raised) {
        ModuleHostTest::Events.push_back(raised ? "guard up" : "guard down");
    };
    panes.panesReloaded = [] { ModuleHostTest::Events.push_back("reloaded"); };
    return panes;
}

}  // namespace

void ModuleHostTest::SetUpTestSuite() {
    for (const char* module : kTestModules)
        ASSERT_TRUE(CopyFileA(TestFolderFile(module).c_str(), ProgramFolderFile(module).c_str(), FALSE)) << module;
}

void ModuleHostTest::TearDownTestSuite() {
    for (const char* module : kTestModules) {
        const std::string path = ProgramFolderFile(module);
        for (int i = 0; i < 100 && !DeleteFileA(path.c_str()); ++i) Sleep(20);  // once it is unloaded
        EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES) << module << " left behind";
    }
}

void ModuleHostTest::SetUp() {
    ASSERT_NE(LoadLibraryA("Riched20.dll"), nullptr);
    Boxes.clear();
    Events.clear();
    Released.clear();
    Comments.clear();
    BoxAnswer = IDYES;
    ProgramFolder = LabFolder();
    PersonalFolder.clear();
    Recording = false;
    PaneParent = CreateWindowExA(0, "STATIC", "panes", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr,
                                 nullptr, nullptr);
    SetModuleHostServices(RecordingServices());
    SetModuleHostPanes(RichEditPanes());
}

void ModuleHostTest::TearDown() {
    UnloadLabModule();
    strcpy(CurrentModuleName, kDefaultModuleName);
    CurrentUdlName[0] = '\0';
    UdlInPersonalFolder = 0;
    SetModuleHostPanes(ModuleHostPanes{});
    SetModuleHostServices(DefaultModuleHostServices());
    DestroyWindow(PaneParent);  // and the panes with it
    PaneParent = nullptr;
    for (HWND& pane : PaneWindows) pane = nullptr;
    for (const std::string& folder : madeFolders_) {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do DeleteFileA((folder + "\\" + found.cFileName).c_str());
            while (FindNextFileA(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(folder.c_str());
    }
}

std::string ModuleHostTest::LabFolder() { return BuildProgramFolder(); }

std::string ModuleHostTest::FolderWith(const std::vector<std::string>& files) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    static int made = 0;
    std::string folder = std::string(temp) + "brevane_host_" +
                         std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++made);
    CreateDirectoryA(folder.c_str(), nullptr);
    madeFolders_.push_back(folder);
    for (const std::string& file : files)
        EXPECT_TRUE(CopyFileA((LabFolder() + "\\" + file).c_str(), (folder + "\\" + file).c_str(),
                              FALSE))
            << file;
    return folder;
}

std::string ModuleHostTest::ModuleCalls() {
    auto calls = reinterpret_cast<const char* (*)()>(
        reinterpret_cast<void*>(GetProcAddress(LabModuleHandle, "FakeModuleCalls")));
    return calls ? calls() : "(no log)";
}

HWND ModuleHostTest::Pane(int which) { return PaneWindows[which]; }

std::string ModuleHostTest::PaneText(int which) {
    HWND pane = PaneWindows[which];
    if (!pane) return "(no pane)";
    int length = GetWindowTextLengthA(pane);
    std::string text(length + 1, '\0');
    GetWindowTextA(pane, text.data(), length + 1);
    text.resize(strlen(text.c_str()));
    return text;
}
