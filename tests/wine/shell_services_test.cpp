// Folders, help, user-defined-lab import, the caption and locale numbers.
#include <windows.h>

#include <gtest/gtest.h>

#include "program_instance.h"

#include <string>

#include "app/settings/folders_win.h"
#include "app/settings/help_win.h"
#include "app/modules/module_host.h"
#include "app/settings/settings_win.h"
#include "app/shell/shell_services_win.h"
#include "app/panes/text_pane_print_win.h"
#include "common/lab_style.h"
#include "dialog_driver.h"
#include "resources/brevane/shell_ids.h"
#include "test_window.h"

namespace {

bool EndsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

bool IsFolder(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

TEST(Folders, PerUserAndDocumentsFoldersEndInBrevaneAndExist) {
    RegDeleteKeyA(HKEY_CURRENT_USER, kSettingsKeyPath);
    char path[260];
    ASSERT_EQ(PerUserFolder(path), 1);
    EXPECT_TRUE(EndsWith(path, "\\Brevane\\")) << path;
    EXPECT_TRUE(IsFolder(path));
    HKEY key;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, KEY_READ, &key), ERROR_SUCCESS);
    DWORD value = 0, size = sizeof value;
    EXPECT_EQ(RegQueryValueExA(key, "AppDataFolder", nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size),
              ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(value, 0x801Au);

    char documents[260];
    ASSERT_EQ(DocumentsWorkFolder(documents), 1);
    EXPECT_TRUE(EndsWith(documents, "\\Brevane\\")) << documents;
    EXPECT_TRUE(IsFolder(documents));
    EXPECT_STRNE(documents, path);

    // A folder id the shell does not know.
    HKEY write;
    RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, nullptr, 0, KEY_WRITE, nullptr, &write, nullptr);
    DWORD unknown = 0x00FE;
    RegSetValueExA(write, "AppDataFolder", 0, REG_DWORD, reinterpret_cast<BYTE*>(&unknown), sizeof unknown);
    RegCloseKey(write);
    EXPECT_EQ(PerUserFolder(path), 0);
    RegDeleteKeyA(HKEY_CURRENT_USER, kSettingsKeyPath);
    ResetSettingGlobals();
}

TEST(Folders, DllVersions) {
    EXPECT_GE(GetDllVersion("comctl32.dll"), static_cast<DWORD>((4 << 16) | 70));
    EXPECT_EQ(GetDllVersion("kernel32.dll"), 0u);  // no DllGetVersion
    EXPECT_EQ(GetDllVersion("no_such_library.dll"), 0u);
}

TEST(Help, TopicPathsSitInTheProgramFolder) {
    char folder[MAX_PATH];
    ASSERT_TRUE(ProgramFolder(folder, sizeof folder));
    struct Case {
        int id, key;
        const char* topic;
    };
    const Case cases[] = {{30, 0, "manual.chm::/html/simulations.htm"},
                          {0, 1037, "manual.chm::/html/options.htm"},
                          {0, 1058, "manual.chm::/html/toolbar.htm"}};
    for (const Case& c : cases) {
        char path[400];
        ASSERT_TRUE(HelpTopicPath(c.id, c.key, path, sizeof path));
        EXPECT_EQ(std::string(path), std::string(folder) + "\\" + c.topic);
    }
    char small[10];
    EXPECT_FALSE(HelpTopicPath(30, 0, small, sizeof small));
    EXPECT_STREQ(small, "");
    // The compiled help file sits beside the program.
    EXPECT_NE(GetFileAttributesA((std::string(folder) + "\\manual.chm").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(LoadHtmlHelp(), nullptr);
}

std::string TempFolder(const char* name) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + name;
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

void WriteFile(const std::string& path, const char* text) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written;
    ::WriteFile(file, text, static_cast<DWORD>(strlen(text)), &written, nullptr);
    CloseHandle(file);
}

std::string ReadFile(const std::string& path) {
    char text[64] = {};
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<missing>";
    DWORD read = 0;
    ::ReadFile(file, text, sizeof text - 1, &read, nullptr);
    CloseHandle(file);
    return text;
}

TEST(UdlImport, CopiesWithPromptsIntoTheWorkFolder) {
    std::string in = TempFolder("brevane_in");
    std::string work = TempFolder("brevane_work");
    std::string source = in + "\\Acids.udl";
    std::string copy = work + "\\Acids.udl";
    DeleteFileA(copy.c_str());
    WriteFile(source, "first");
    char name[260];
    {
        DialogDriver driver({Press(IDOK)});
        EXPECT_EQ(ImportUdlFile(source.c_str(), work.c_str(), name), 1);
        driver.Finish();
        ASSERT_EQ(driver.Seen().size(), 1u);
        EXPECT_EQ(driver.Seen()[0].caption, "Opening UDL File");
        EXPECT_NE(driver.Seen()[0].text.find("will first copy the UDL file"), std::string::npos);
    }
    EXPECT_STREQ(name, "Acids.udl");
    EXPECT_EQ(ReadFile(copy), "first");

    WriteFile(source, "second");
    {
        DialogDriver driver({Press(IDOK), Press(IDNO)});
        EXPECT_EQ(ImportUdlFile(source.c_str(), work.c_str(), name), 0);
        driver.Finish();
        ASSERT_EQ(driver.Seen().size(), 2u);
        EXPECT_NE(driver.Seen()[1].text.find("File already exists"), std::string::npos);
    }
    EXPECT_EQ(ReadFile(copy), "first");
    {
        DialogDriver driver({Press(IDOK), Press(IDYES)});
        EXPECT_EQ(ImportUdlFile(source.c_str(), work.c_str(), name), 1);
        driver.Finish();
    }
    EXPECT_EQ(ReadFile(copy), "second");

    {
        DialogDriver driver({});  // no prompt for these
        EXPECT_EQ(ImportUdlFile(copy.c_str(), work.c_str(), name), 1);
        EXPECT_EQ(ImportUdlFile((in + "\\notes.txt").c_str(), work.c_str(), name), 0);
        driver.Finish();
        EXPECT_TRUE(driver.Seen().empty());
    }
    {
        DialogDriver driver({Press(IDOK), Press(IDOK)});
        EXPECT_EQ(ImportUdlFile((in + "\\missing.UDL").c_str(), work.c_str(), name), 0);
        driver.Finish();
        ASSERT_EQ(driver.Seen().size(), 2u);
        EXPECT_EQ(driver.Seen()[1].caption, "Error");
    }
    DeleteFileA(source.c_str());
    DeleteFileA(copy.c_str());
    RemoveDirectoryA(in.c_str());
    RemoveDirectoryA(work.c_str());
}

int LAB_MODULE_CALL StandInLabName(char* out, int size) {
    lstrcpynA(out, "Specific Heat", size);
    return 1;
}

std::string LastUdlPath;

bool StandInUdlTitle(const char* path, char* out, int size) {
    LastUdlPath = path;
    lstrcpynA(out, "My Own Lab", size);
    return true;
}

TEST(WindowTitle, FrameCaptionTakesTheLabName) {
    CloseProgramWindows();  // the title is read from the module host's globals, set here by hand
    LabModuleHandle = nullptr;
    PluginTable.QueryLabName = nullptr;
    TestWindow frame;
    auto caption = [&] {
        char text[256] = {};
        GetWindowTextA(frame.handle(), text, sizeof text);
        return std::string(text);
    };
    UpdateWindowTitle(frame.handle(), "");
    EXPECT_EQ(caption(), "Brevane - (untitled)");

    LabModuleHandle = GetModuleHandleA(nullptr);
    PluginTable.QueryLabName = StandInLabName;
    UpdateWindowTitle(frame.handle(), "");
    EXPECT_EQ(caption(), "Brevane - (untitled) - Specific Heat");

    // A module running a user-defined lab: the title in that file's header.
    ReadUdlTitle = StandInUdlTitle;
    LabStyleCache = kStyleAuthoring;
    lstrcpynA(CurrentUdlName, "acids.udl", sizeof CurrentUdlName);
    UdlInPersonalFolder = 0;
    UpdateWindowTitle(frame.handle(), "work.lab");
    EXPECT_EQ(caption(), "Brevane - work.lab - My Own Lab");
    char folder[MAX_PATH];
    ASSERT_TRUE(ProgramFolder(folder, sizeof folder));
    EXPECT_EQ(LastUdlPath, std::string(folder) + "\\acids.udl");
    UdlInPersonalFolder = 1;
    UpdateWindowTitle(frame.handle(), "work.lab");
    char personal[260];
    ASSERT_EQ(PerUserFolder(personal), 1);
    EXPECT_EQ(LastUdlPath, std::string(personal) + "acids.udl");

    ReadUdlTitle = nullptr;  // not a user-defined lab file: nothing appended
    UpdateWindowTitle(frame.handle(), "work.lab");
    EXPECT_EQ(caption(), "Brevane - work.lab");

    LabStyleCache = 0;
    CurrentUdlName[0] = '\0';
    UdlInPersonalFolder = 0;
    PluginTable.QueryLabName = nullptr;
    LabModuleHandle = nullptr;
}

TEST(LocaleNumber, FollowsTheUserLocale) {
    char decimal[8], thousand[8];
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, decimal, sizeof decimal);
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, thousand, sizeof thousand);
    char out[64];
    ASSERT_EQ(FormatLocaleNumber(out, sizeof out, "%f", 1234567.891, 2), out);
    EXPECT_EQ(std::string(out), std::string("1") + thousand + "234" + thousand + "567" + decimal + "89");
    char small[6];
    FormatLocaleNumber(small, sizeof small, "%.1f", 12345.0, 1);
    EXPECT_STREQ(small, "12345");
    EXPECT_EQ(FormatLocaleNumber(nullptr, 10, "%f", 1.0, 1), nullptr);
    EXPECT_EQ(FormatLocaleNumber(out, 0, "%f", 1.0, 1), nullptr);
}

TEST(PrintAbort, ShowsTheTitleAndCancelEndsTheJob) {
    TestWindow frame;
    HWND dialog = CreatePrintAbortDialog(frame.handle(), GetModuleHandleA(nullptr), "acid.lab");
    ASSERT_NE(dialog, nullptr);
    char title[64] = {};
    GetDlgItemTextA(dialog, IDC_PRINT_LAB_TITLE, title, sizeof title);
    EXPECT_STREQ(title, "acid.lab");
    EXPECT_TRUE(PrintAbortProc(nullptr, 0));
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_FALSE(PrintAbortProc(nullptr, 0));
    DestroyWindow(dialog);
    PrintAbortDialog = nullptr;
}

}  // namespace
