// The wizard's sheet on real windows: its pages in order with their buttons
// and pictures, the Lab Information fields and password dialog, the
// documentation page's Browse and Start Word, help on every page, and
// Finish writing the lab (or staying open when it cannot).
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/build_folders_win.h"
#include "tests/wine/dialog_driver.h"
#include "tests/wine/wizard_script.h"
#include "wizard/runtime/parvell_module_win.h"
#include "wizard/sheet/lab_information.h"
#include "wizard/sheet/wizard_pages_win.h"
#include "wizard/sheet/wizard_session.h"
#include "wizard/sheet/wizard_sheet_win.h"
#include "wizard/udl_file.h"
#include "wizard/udl_io_win.h"
#include "zephrane/chemical_database.h"

using namespace sheet_script;

namespace {

std::string Temp(const std::string& name) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD wrote = 0;
    WriteFile(file, bytes.data(), DWORD(bytes.size()), &wrote, nullptr);
    CloseHandle(file);
}

std::string ReadFileBytes(const std::string& path) {
    std::vector<uint8_t> bytes;
    UdlIoWin io(nullptr, nullptr);
    if (!io.ReadWholeFile(path, bytes)) return "";
    return std::string(bytes.begin(), bytes.end());
}

std::string PerUserFolder() { return UdlIoWin(nullptr, nullptr).PerUserFolder(); }


// Runs the sheet with script driving it from the driver's thread; every box
// the script does not answer is cancelled and fails the test.
int RunSheet(const std::function<void(HWND sheet)>& script) {
    DialogDriver driver({[&](HWND sheet) {
        if (!CurrentPage(sheet)) {
            ADD_FAILURE() << "not the wizard: " << TextOf(sheet) << ": " << StaticTexts(sheet);
            PostMessageA(sheet, WM_COMMAND, IDCANCEL, 0);
            return;
        }
        script(sheet);
        if (IsWindow(sheet)) PressSheetButton(sheet, PSBTN_CANCEL);
    }});
    const int result = RunWizardSheet(nullptr);
    driver.Finish();
    EXPECT_EQ(driver.Unexpected(), 0);
    return result;
}

bool NearColour(COLORREF c, int r, int g, int b, int tolerance = 40) {
    return abs(GetRValue(c) - r) <= tolerance && abs(GetGValue(c) - g) <= tolerance &&
           abs(GetBValue(c) - b) <= tolerance;
}

// The picture of the welcome or finish page: a deep blue sky over the bench.
void ExpectPicture(HWND page) {
    HWND picture = GetDlgItem(page, IDC_WIZARD_PICTURE);
    ASSERT_NE(picture, nullptr);
    EXPECT_NE(SendMessageA(picture, STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
    RECT r;
    GetClientRect(picture, &r);
    // The page may have been turned to a moment ago and not be painted yet:
    // read again until it is, for a while.
    COLORREF sky = 0, bench = 0;
    WaitFor([&] {
        RedrawWindow(picture, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        Sync(picture);
        HDC dc = GetDC(picture);
        sky = GetPixel(dc, 6, 6);
        bench = GetPixel(dc, 6, r.bottom - 12);
        ReleaseDC(picture, dc);
        return NearColour(sky, 26, 51, 107) && NearColour(bench, 184, 135, 84);
    }, 2000);
    EXPECT_TRUE(NearColour(sky, 26, 51, 107)) << std::hex << sky << std::dec << " in " << r.right << "x" << r.bottom;
    EXPECT_TRUE(NearColour(bench, 184, 135, 84)) << std::hex << bench;
}

class WizardSheet : public ::testing::Test {
protected:
    void SetUp() override { ParvellRuntime().UnloadUdlSimulation(); }
    void TearDown() override { ParvellRuntime().UnloadUdlSimulation(); }
    UdlHeader& Header() { return ParvellRuntime().EditableLab().header; }
};

TEST_F(WizardSheet, PagesInOrderWithTheirTitlesButtonsAndPicturesOnANewLab) {
    // Every page whose template the module holds, in the sheet's order.
    const int templates[] = {109, 102, 111, 112, 126, 145, 141, 147, 110};
    const char* titles[] = {"Introduction",  "Lab Information", "Lab Documentation", "Add Chemicals", "Add Reactions",
                            "Lab Properties", "Add Indicators", "PDB Files",         "Lab Finish"};
    std::vector<std::string> expected;
    for (int i = 0; i < 9; ++i)
        if (FindResourceA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templates[i]), RT_DIALOG))
            expected.push_back(titles[i]);

    std::vector<std::string> captions;
    const int result = RunSheet([&](HWND sheet) {
        for (int i = 0; i < 9; ++i) {
            const WizardPage kind = Showing(sheet);
            captions.push_back(TextOf(sheet));
            const bool back = IsVisibleAndEnabled(GetDlgItem(sheet, kBackButton));
            const bool next = IsVisibleAndEnabled(GetDlgItem(sheet, kNextButton));
            const bool finish = IsVisibleAndEnabled(GetDlgItem(sheet, kFinishButton));
            EXPECT_TRUE(IsVisibleAndEnabled(GetDlgItem(sheet, IDHELP))) << captions.back();
            SaveScreenshot(sheet, "wizard-page-" + std::to_string(i + 1));
            if (kind == kWelcomePage) {
                EXPECT_TRUE(!back && next && !finish) << "welcome";
                ExpectPicture(CurrentPage(sheet));
            } else if (kind == kFinishPage) {
                EXPECT_TRUE(back && !next && finish) << "finish";
                ExpectPicture(CurrentPage(sheet));
                break;
            } else {
                EXPECT_TRUE(back && next && !finish) << captions.back();
            }
            ASSERT_TRUE(Turn(sheet, PSBTN_NEXT)) << captions.back();
        }
    });
    EXPECT_EQ(result, 0);  // cancelled
    EXPECT_EQ(captions, expected);
    // The welcome page makes a new lab's style the authoring module's; the
    // information page signs the header; a new lab holds water.
    EXPECT_EQ(Header().labStyle, 8);
    EXPECT_STREQ(Header().signature, "UDL_100");
    ASSERT_EQ(ParvellRuntime().Lab().chemicals.size(), 1u);
    EXPECT_EQ(ParvellRuntime().Lab().chemicals[0].cas, kCasWater);
    EXPECT_EQ(ParvellRuntime().LoadedUdlName(), "");
}

TEST_F(WizardSheet, LabInformationStoresItsFieldsOnBackAndNextAndMakesTheNameSafe) {
    UdlHeader& header = Header();
    header.labStyle = 0x11;  // an edited lab keeps its style
    strcpy(header.title, "Old title");
    ParvellRuntime().SetLoadedUdlName("titration.UDL-BREVANE");
    RunSheet([&](HWND sheet) {
        ASSERT_TRUE(NextUntil(sheet, kInformationPage));
        HWND page = CurrentPage(sheet);
        EXPECT_EQ(ControlTextOf(page, IDC_UDL_FILE_NAME), "titration.UDL-BREVANE");
        EXPECT_EQ(ControlTextOf(page, IDC_UDL_TITLE), "Old title");
        EXPECT_EQ(ControlTextOf(page, IDC_UDL_MODULE_NAME), "test_parvell_wine.exe");
        const std::string folder = ControlTextOf(page, IDC_UDL_WORKING_FOLDER);
        EXPECT_EQ(folder, PerUserFolder() + "\\");
        EXPECT_NE(GetFileAttributesA(folder.c_str()), INVALID_FILE_ATTRIBUTES);

        struct Case {
            const char* typed;
            const char* kept;
        };
        const Case cases[] = {{"CON", "UNTITLED.UDL-BREVANE"},
                              {"C:\\labs\\acid base.udl", "acid base.UDL-BREVANE"},
                              {"..\\..\\x", "x.UDL-BREVANE"}};
        for (const Case& c : cases) {
            SetControlText(page, IDC_UDL_FILE_NAME, c.typed);
            ASSERT_TRUE(Turn(sheet, PSBTN_NEXT));
            ASSERT_TRUE(Turn(sheet, PSBTN_BACK));
            EXPECT_EQ(ControlTextOf(page, IDC_UDL_FILE_NAME), c.kept) << c.typed;
        }
        SetControlText(page, IDC_UDL_TITLE, std::string(150, 'T'));
        SetControlText(page, IDC_UDL_DESCRIPTION, "Acid against base, with an indicator.");
        SetControlText(page, IDC_UDL_AUTHOR, "A. Teacher");
        ASSERT_TRUE(Turn(sheet, PSBTN_BACK));  // Back stores them too
    });
    EXPECT_EQ(std::string(header.title), std::string(127, 'T'));
    EXPECT_STREQ(header.description, "Acid against base, with an indicator.");
    EXPECT_STREQ(header.author, "A. Teacher");
    EXPECT_STREQ(header.moduleName, "test_parvell_wine.exe");
    EXPECT_EQ(header.labStyle, 0x11);
    EXPECT_EQ(parvell::CurrentWizardSession().fileName, "x.UDL-BREVANE");
}

// Opens the password dialog from the page's box, types, presses OK.
HWND ClickPasswordBox(HWND page) {
    Click(page, IDC_UDL_PASSWORD);
    return WaitForDialog(ThreadOf(page), "Password Protection");
}

void Type(HWND dialog, const char* password, int button = IDOK) {
    SetControlText(dialog, IDC_PASSWORD_TEXT, password);
    Click(dialog, button);
}

bool Checked(HWND page) { return SendDlgItemMessageA(page, IDC_UDL_PASSWORD, BM_GETCHECK, 0, 0) == BST_CHECKED; }

TEST_F(WizardSheet, ThePasswordIsSetAskedForAndRefusedWhenWrong) {
    UdlHeader& header = Header();
    RunSheet([&](HWND sheet) {
        ASSERT_TRUE(NextUntil(sheet, kInformationPage));
        HWND page = CurrentPage(sheet);
        const DWORD thread = ThreadOf(sheet);

        HWND dialog = ClickPasswordBox(page);  // set mode, then cancelled
        ASSERT_NE(dialog, nullptr);
        EXPECT_NE(StaticTexts(dialog).find("(Passwords may be up to 7 characters)"), std::string::npos);
        EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_PASSWORD_TEXT, EM_GETLIMITTEXT, 0, 0), 7);
        SaveScreenshot(dialog, "wizard-password");
        Type(dialog, "abc", IDCANCEL);
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));
        EXPECT_FALSE(Checked(page));
        EXPECT_EQ(header.hasPassword, 0);

        dialog = ClickPasswordBox(page);  // set mode: seven typed, six kept
        Type(dialog, "abcdefg");
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog) && Checked(page); }));
        EXPECT_EQ(header.hasPassword, 1);
        const parvell::PasswordBytes masked = parvell::MaskPassword(parvell::TypedPassword("abcdef"));
        EXPECT_EQ(memcmp(header.password, masked.data(), masked.size()), 0);

        dialog = ClickPasswordBox(page);  // unchecking asks for it: a wrong one is refused
        Type(dialog, "abcxyz");
        HWND box = WaitForDialog(thread, "Password Protection", dialog);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(StaticTexts(box), "Password is incorrect");
        ASSERT_TRUE(Answer(box, IDOK));
        EXPECT_TRUE(IsWindowVisible(dialog)) << "the dialog stays open";
        Type(dialog, "", IDCANCEL);
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));
        EXPECT_TRUE(Checked(page));
        EXPECT_EQ(header.hasPassword, 1);

        dialog = ClickPasswordBox(page);  // the right one clears it
        Type(dialog, "abcdef");
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog) && !Checked(page); }));
        EXPECT_EQ(header.hasPassword, 0);

        dialog = ClickPasswordBox(page);
        Type(dialog, "lab123");
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog) && Checked(page); }));
    });
    ASSERT_EQ(header.hasPassword, 1);

    // The next run must be given the password before it passes the page.
    RunSheet([&](HWND sheet) {
        ASSERT_TRUE(NextUntil(sheet, kInformationPage));
        HWND page = CurrentPage(sheet);
        EXPECT_TRUE(Checked(page));
        PressSheetButton(sheet, PSBTN_NEXT);
        HWND dialog = WaitForDialog(ThreadOf(sheet), "Password Protection");
        ASSERT_NE(dialog, nullptr);
        Type(dialog, "", IDCANCEL);
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));
        Sync(sheet);
        EXPECT_EQ(Showing(sheet), kInformationPage) << "Cancel keeps the page";

        PressSheetButton(sheet, PSBTN_NEXT);
        dialog = WaitForDialog(ThreadOf(sheet), "Password Protection");
        ASSERT_NE(dialog, nullptr);
        Type(dialog, "lab123");
        ASSERT_TRUE(WaitFor([&] { return Showing(sheet) == kDocumentationPage; }));
        ASSERT_TRUE(Turn(sheet, PSBTN_BACK));
        ASSERT_TRUE(Turn(sheet, PSBTN_NEXT)) << "asked once a run";
    });
}

// The stand-in for the word processor, under the name the wizard starts, in
// the program's folder (where the shell looks first) while a test needs it.
class WordProcessorStandIn {
public:
    WordProcessorStandIn() : path_(TestFolderFile("WinWord.exe")), record_(Temp("brevane_standin.txt")) {
        DeleteFileA(record_.c_str());
        copied_ = CopyFileA(TestFolderFile("StandInProgram.exe").c_str(), path_.c_str(), FALSE) != 0;
    }
    ~WordProcessorStandIn() {
        for (int i = 0; i < 100 && !DeleteFileA(path_.c_str()) && GetFileAttributesA(path_.c_str()) != INVALID_FILE_ATTRIBUTES;
             ++i)
            Sleep(50);  // until it has ended
        DeleteFileA(record_.c_str());
    }
    bool copied() const { return copied_; }
    // The command line it was started with, once it has written it.
    std::string CommandLine() const {
        std::string text;
        WaitFor([&] {
            text = ReadFileBytes(record_);
            return text.find('\n') != std::string::npos && text.back() == '\n';
        });
        const size_t first = text.find('\n');
        if (first == std::string::npos) return "";
        std::string line = text.substr(first + 1);
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
        return line;
    }

private:
    std::string path_, record_;
    bool copied_ = false;
};

TEST_F(WizardSheet, DocumentationBrowsesIntoTheFocusedFieldAndStartsTheWordProcessorOnItsShortPath) {
    const std::string chosen = Temp("brevane wizard procedure document.rtf");
    WriteFileBytes(chosen, "{\\rtf1 Procedure}");
    char shortPath[MAX_PATH] = "";
    ASSERT_GT(GetShortPathNameA(chosen.c_str(), shortPath, MAX_PATH), 0u);
    ASSERT_NE(std::string(shortPath), chosen) << "a long name has a short form";
    strcpy(Header().introductionPath, "C:\\docs\\intro.rtf");
    RunSheet([&](HWND sheet) {
        ASSERT_TRUE(NextUntil(sheet, kDocumentationPage));
        HWND page = CurrentPage(sheet);
        const DWORD thread = ThreadOf(sheet);
        EXPECT_EQ(ControlTextOf(page, IDC_DOC_INTRODUCTION), "C:\\docs\\intro.rtf");

        FocusControl(page, IDC_DOC_PROCEDURE);
        Click(page, IDC_DOC_BROWSE);
        HWND open = WaitForDialog(thread, nullptr, sheet);
        ASSERT_NE(open, nullptr);
        HWND name = GetDlgItem(open, 0x47c);  // cmb13: the explorer-style name box
        if (!name) name = GetDlgItem(open, 0x480);
        SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(chosen.c_str()));
        ASSERT_TRUE(Answer(open, IDOK));
        ASSERT_TRUE(WaitFor([&] { return ControlTextOf(page, IDC_DOC_PROCEDURE) == chosen; }))
            << ControlTextOf(page, IDC_DOC_PROCEDURE);
        EXPECT_EQ(ControlTextOf(page, IDC_DOC_INTRODUCTION), "C:\\docs\\intro.rtf");

        SendMessageA(GetDlgItem(page, IDC_DOC_PLAIN_TEXT), BM_CLICK, 0, 0);
        EXPECT_EQ(Header().labStyle & 0x4000, 0x4000);

        {
            WordProcessorStandIn word;
            ASSERT_TRUE(word.copied());
            FocusControl(page, IDC_DOC_PROCEDURE);
            Click(page, IDC_DOC_START_WORD);
            const std::string commandLine = word.CommandLine();
            EXPECT_GE(commandLine.size(), strlen(shortPath)) << commandLine;
            EXPECT_EQ(commandLine.substr(commandLine.size() - std::min(commandLine.size(), strlen(shortPath))), shortPath)
                << commandLine;
            EXPECT_NE(commandLine.find("WinWord.exe"), std::string::npos) << commandLine;
        }
        Click(page, IDC_DOC_START_WORD);  // no word processor now
        HWND box = WaitForDialog(thread, "Start Word", sheet);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(StaticTexts(box), "Unable to launch WinWord.exe");
        ASSERT_TRUE(Answer(box, IDOK));

        SetControlText(page, IDC_DOC_OBSERVATIONS, "C:\\docs\\observations.rtf");
        ASSERT_TRUE(Turn(sheet, PSBTN_BACK));  // the paths are kept on Back
        EXPECT_STREQ(Header().procedurePath, chosen.c_str());
        EXPECT_STREQ(Header().observationsPath, "C:\\docs\\observations.rtf");
        strcpy(Header().introductionPath, "C:\\docs\\another.rtf");
        ASSERT_TRUE(Turn(sheet, PSBTN_NEXT));  // and shown again on entry
        EXPECT_EQ(ControlTextOf(page, IDC_DOC_INTRODUCTION), "C:\\docs\\another.rtf");
        EXPECT_EQ(ControlTextOf(page, IDC_DOC_PROCEDURE), chosen);
        EXPECT_EQ(SendDlgItemMessageA(page, IDC_DOC_PLAIN_TEXT, BM_GETCHECK, 0, 0), BST_CHECKED);
        SendMessageA(GetDlgItem(page, IDC_DOC_PLAIN_TEXT), BM_CLICK, 0, 0);
        EXPECT_EQ(Header().labStyle & 0x4000, 0);
    });
    DeleteFileA(chosen.c_str());
}

// F1 on the focused control, or the sheet's Help button, opens the viewer on
// the page's topic of the help file beside the module, wherever the program
// was started from.
TEST_F(WizardSheet, HelpOpensEachPagesTopicInTheHelpFileBesideTheModule) {
    char started[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, started);
    const std::string elsewhere = Temp("");
    SetCurrentDirectoryA(elsewhere.c_str());
    const std::string file = ParvellLibraryFolder() + "\\Parvell.chm::/html/";
    std::vector<std::string> topics, titles;
    int contentsEntries = 0;
    const auto expectHelp = [&](const char* page) {
        HWND viewer = WaitForHelpViewer();
        // The viewer shows itself before it has filled in its contents.
        WaitFor([&] {
            HWND tree = FindDescendant(viewer, "SysTreeView32");
            contentsEntries = tree ? int(SendMessageA(tree, TVM_GETCOUNT, 0, 0)) : 0;
            return contentsEntries == 16;
        }, 3000);
        topics.push_back(LastWizardHelpTopic());
        titles.push_back(viewer ? TextOf(viewer) : "(no viewer) " + std::string(page));
        CloseHelpViewer(viewer);
    };
    RunSheet([&](HWND sheet) {
        PressF1(sheet);  // the welcome page: the focus is on Next
        expectHelp("welcome");
        ASSERT_TRUE(Turn(sheet, PSBTN_NEXT));
        HWND page = CurrentPage(sheet);
        FocusControl(page, IDC_UDL_TITLE);
        PressF1(sheet);
        expectHelp("information");
        HWND dialog = ClickPasswordBox(page);
        ASSERT_NE(dialog, nullptr);
        FocusControl(dialog, IDC_PASSWORD_TEXT);
        PressF1(dialog);
        expectHelp("password");
        Click(dialog, IDHELP);
        expectHelp("password, its button");
        ASSERT_TRUE(Answer(dialog, IDCANCEL));
        ASSERT_TRUE(Turn(sheet, PSBTN_NEXT));
        FocusControl(CurrentPage(sheet), IDC_DOC_OBSERVATIONS);
        PressF1(sheet);
        expectHelp("documentation");
        // The later pages, by F1 and by the Help button in turn.
        for (int page = 4; page <= 9; ++page) {
            ASSERT_TRUE(Turn(sheet, PSBTN_NEXT)) << page;
            if (page % 2 == 0) PressF1(sheet);
            else PressSheetButton(sheet, PSBTN_HELP);
            expectHelp(("page " + std::to_string(page)).c_str());
        }
        EXPECT_EQ(Showing(sheet), kFinishPage);
    });
    SetCurrentDirectoryA(started);
    const std::vector<std::string> expected = {file + "introduction.htm", file + "information.htm",
                                               file + "password.htm",     file + "password.htm",
                                               file + "documentation.htm", file + "chemicals.htm",
                                               file + "reaction.htm",      file + "wizoptions.htm",
                                               file + "indicators.htm",    file + "pdbfiles.htm",
                                               file + "finish.htm"};
    EXPECT_EQ(topics, expected);
    for (const std::string& title : titles) EXPECT_EQ(title, "UDL Tavistrel Help");
    EXPECT_EQ(contentsEntries, 16);  // the help file's own contents: one entry a page
}

TEST_F(WizardSheet, FinishWritesTheLabIntoThePerUserFolderOrStaysOpenWhenItCannot) {
    const std::string intro = Temp("brevane wizard intro.rtf"), procedure = Temp("brevane wizard procedure.rtf");
    WriteFileBytes(intro, "{\\rtf1 The lab's introduction.}");
    WriteFileBytes(procedure, "{\\rtf1 Step one.}");
    const std::string target = PerUserFolder() + "\\brevane_wizard_finish.UDL-BREVANE";
    WriteFileBytes(target, "kept");
    SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_READONLY);
    std::vector<std::string> boxes;
    bool stayedOpen = false;
    const int result = RunSheet([&](HWND sheet) {
        const DWORD thread = ThreadOf(sheet);
        ASSERT_TRUE(NextUntil(sheet, kInformationPage));
        SetControlText(CurrentPage(sheet), IDC_UDL_FILE_NAME, "brevane_wizard_finish.udl");
        SetControlText(CurrentPage(sheet), IDC_UDL_TITLE, "Finish test");
        ASSERT_TRUE(Turn(sheet, PSBTN_NEXT));
        SetControlText(CurrentPage(sheet), IDC_DOC_INTRODUCTION, intro);
        SetControlText(CurrentPage(sheet), IDC_DOC_PROCEDURE, procedure);
        ASSERT_TRUE(NextUntil(sheet, kFinishPage));
        const auto answerBoxes = [&](int count) {
            for (int i = 0; i < count; ++i) {
                HWND box = WaitForDialog(thread, nullptr, sheet);
                ASSERT_NE(box, nullptr) << i;
                boxes.push_back(TextOf(box) + ": " + StaticTexts(box));
                ASSERT_TRUE(Answer(box, IDOK));
            }
        };
        PressSheetButton(sheet, PSBTN_FINISH);  // the read-only target is never replaced
        answerBoxes(2);
        Sync(sheet);
        stayedOpen = IsWindowVisible(sheet) && Showing(sheet) == kFinishPage;
        SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);
        PressSheetButton(sheet, PSBTN_FINISH);
        answerBoxes(1);
        WaitFor([&] { return !IsWindow(sheet); });
    });
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(result, 1);
    const std::vector<std::string> expected = {"UDL Tavistrel: Cannot read Observation File",
                                               "UDL Tavistrel: Create file failed",
                                               "UDL Tavistrel: Cannot read Observation File"};
    EXPECT_EQ(boxes, expected);

    EXPECT_EQ(ParvellRuntime().LoadedUdlName(), "brevane_wizard_finish.UDL-BREVANE");
    EXPECT_EQ(ParvellRuntime().Lab().introduction, "{\\rtf1 The lab's introduction.}");
    UdlIoWin io(nullptr, nullptr);
    UdlLab written;
    ASSERT_EQ(ReadUdlFile(target, written, io), 1);
    EXPECT_STREQ(written.header.title, "Finish test");
    EXPECT_EQ(written.introduction, "{\\rtf1 The lab's introduction.}");
    EXPECT_EQ(written.procedure, "{\\rtf1 Step one.}");
    EXPECT_EQ(written.observations, "");
    ASSERT_EQ(written.chemicals.size(), 1u);
    EXPECT_EQ(written.chemicals[0].cas, kCasWater);
    DeleteFileA(target.c_str());
    DeleteFileA(intro.c_str());
    DeleteFileA(procedure.c_str());
}

// Each document Finish cannot take shows its own box: one missing with no
// text held, an empty one, and one too large to carry.
TEST_F(WizardSheet, FinishShowsTheBoxOfEachDocumentItCannotRead) {
    const std::string empty = Temp("brevane wizard empty.rtf"), huge = Temp("brevane wizard huge.rtf");
    WriteFileBytes(empty, "");
    {
        HANDLE file = CreateFileA(huge.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        LARGE_INTEGER end;
        end.QuadPart = 64ll * 1024 * 1024 + 1;
        SetFilePointerEx(file, end, nullptr, FILE_BEGIN);
        SetEndOfFile(file);
        CloseHandle(file);
    }
    const std::string target = PerUserFolder() + "\\brevane_wizard_boxes.UDL-BREVANE";
    WriteFileBytes(target, "kept");
    SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_READONLY);
    std::vector<std::string> first, second;
    const int result = RunSheet([&](HWND sheet) {
        const DWORD thread = ThreadOf(sheet);
        ASSERT_TRUE(NextUntil(sheet, kInformationPage));
        SetControlText(CurrentPage(sheet), IDC_UDL_FILE_NAME, "brevane_wizard_boxes");
        ASSERT_TRUE(Turn(sheet, PSBTN_NEXT));
        HWND documents = CurrentPage(sheet);
        SetControlText(documents, IDC_DOC_INTRODUCTION, Temp("brevane no such intro.rtf"));
        SetControlText(documents, IDC_DOC_PROCEDURE, Temp("brevane no such procedure.rtf"));
        SetControlText(documents, IDC_DOC_OBSERVATIONS, empty);
        ASSERT_TRUE(NextUntil(sheet, kFinishPage));
        const auto answerBoxes = [&](std::vector<std::string>& boxes, int count) {
            for (int i = 0; i < count; ++i) {
                HWND box = WaitForDialog(thread, nullptr, sheet);
                ASSERT_NE(box, nullptr) << i;
                boxes.push_back(TextOf(box) + ": " + StaticTexts(box));
                ASSERT_TRUE(Answer(box, IDOK));
            }
        };
        PressSheetButton(sheet, PSBTN_FINISH);
        answerBoxes(first, 4);
        Sync(sheet);
        ASSERT_EQ(Showing(sheet), kFinishPage) << "nothing written: the sheet stays";
        SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);
        // Back to the documents for the one too large.
        for (int i = 0; i < 9 && Showing(sheet) != kDocumentationPage; ++i) ASSERT_TRUE(Turn(sheet, PSBTN_BACK));
        SetControlText(CurrentPage(sheet), IDC_DOC_OBSERVATIONS, huge);
        ASSERT_TRUE(NextUntil(sheet, kFinishPage));
        PressSheetButton(sheet, PSBTN_FINISH);
        answerBoxes(second, 3);
        WaitFor([&] { return !IsWindow(sheet); });
    });
    EXPECT_EQ(result, 1);
    const std::vector<std::string> expectedFirst = {
        "UDL Tavistrel: Cannot read Intro File", "UDL Tavistrel: Cannot read Procedure File",
        "Error: Cannot Read File", "UDL Tavistrel: Create file failed"};
    EXPECT_EQ(first, expectedFirst);
    const std::vector<std::string> expectedSecond = {
        "UDL Tavistrel: Cannot read Intro File", "UDL Tavistrel: Cannot read Procedure File",
        "ERROR: Error in File Read, length = 67108865, BytesRead= 0, LastError = 223"};
    EXPECT_EQ(second, expectedSecond);
    UdlIoWin io(nullptr, nullptr);
    UdlLab written;
    ASSERT_EQ(ReadUdlFile(target, written, io), 1);
    EXPECT_EQ(written.header.introductionLength, 0);
    EXPECT_EQ(written.observations, "");
    DeleteFileA(target.c_str());
    DeleteFileA(empty.c_str());
    DeleteFileA(huge.c_str());
}

TEST_F(WizardSheet, TheLabsChemicalsAreRegisteredAgainHoweverTheSheetCloses) {
    ChemicalRecord acid{};
    acid.cas = 7647010;
    strcpy(acid.name, "Hydrochloric acid");
    ParvellRuntime().EditableLab().chemicals = {acid};  // a lab read without water
    RegisterChemicalsWithLibrary(nullptr, 0);
    ASSERT_STREQ(Chemical_Name(7647010), "");
    EXPECT_EQ(RunSheet([](HWND) {}), 0);  // cancelled on its first page
    EXPECT_STREQ(Chemical_Name(7647010), "Hydrochloric acid");
    EXPECT_STREQ(Chemical_Name(kCasWater), "Water");
    EXPECT_EQ(ParvellRuntime().Lab().chemicals.front().cas, kCasWater);
}

}  // namespace
