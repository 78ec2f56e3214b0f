// The text panes on real rich-edit windows.
#include <windows.h>
#include <ole2.h>
#include <commctrl.h>
#include <richedit.h>
#include <richole.h>

#include <gtest/gtest.h>

#include "program_instance.h"

#include <set>
#include <string>

#include "app/modules/module_host.h"
#include "app/panes/text_pane_format_win.h"
#include "app/panes/text_pane_ole_win.h"
#include "app/panes/rtf_file_win.h"
#include "app/panes/text_panes_win.h"
#include "test_window.h"

namespace {

std::string PlainText(HWND pane) {
    int length = GetWindowTextLengthA(pane);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    GetWindowTextA(pane, text.data(), length + 1);
    text.resize(static_cast<size_t>(length));
    return text;
}

std::string TempFile(const char* name, const std::string& contents) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    std::string path = std::string(folder) + name;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, contents.data(), static_cast<DWORD>(contents.size()), &written, nullptr);
    CloseHandle(file);
    return path;
}

class TextPanesTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        CloseProgramWindows();  // these panes replace the program's own
        OleInitialize(nullptr);
    }
    void SetUp() override { ASSERT_TRUE(CreateTextPanes(frame.handle(), GetModuleHandleA(nullptr))); }
    void TearDown() override {
        DestroyTextPanes();
        LabModuleHandle = nullptr;
        PluginTable.SetChemTextPane = nullptr;
        PaneStreamGuard = false;
        EXPECT_EQ(LivePaneOleObjects(), 0);  // every reference was given back
    }
    HWND Observations() { return TextPaneWindow(kObservationsPane); }
    TestWindow frame{500, 400};
};

TEST_F(TextPanesTest, ThreePanesReadOnlyGreyExceptObservations) {
    EXPECT_TRUE(UsingRichEdit20());
    for (int i = 0; i < kTextPaneCount; ++i) {
        HWND pane = TextPaneWindow(i);
        ASSERT_NE(pane, nullptr);
        char cls[32];
        GetClassNameA(pane, cls, sizeof cls);
        EXPECT_STREQ(cls, "RichEdit20A");
        LONG style = GetWindowLongA(pane, GWL_STYLE);
        EXPECT_EQ((style & ES_READONLY) != 0, i != kObservationsPane);
        EXPECT_FALSE(style & WS_VISIBLE);
        EXPECT_NE(TextPanes[i].ole, nullptr);
        EXPECT_NE(TextPanes[i].storage, nullptr);
        EXPECT_NE(TextPanes[i].callback, nullptr);
    }
    EXPECT_EQ(TextPaneWindow(3), nullptr);
    EXPECT_EQ(TextPaneWindow(-1), nullptr);
}

TEST_F(TextPanesTest, RecreatedPaneIsEmptyWithFreshStorage) {
    SetWindowTextA(Observations(), "notes");
    IStorage* storage = nullptr;
    TextPanes[kObservationsPane].callback->GetNewStorage(&storage);
    storage->Release();
    HWND fresh = RecreateTextPane(kObservationsPane);
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(Observations(), fresh);
    EXPECT_EQ(GetParent(fresh), frame.handle());
    EXPECT_EQ(GetWindowTextLengthA(fresh), 0);
    EXPECT_EQ(TextPanes[kObservationsPane].objectCount, 0);
    EXPECT_FALSE(GetWindowLongA(fresh, GWL_STYLE) & ES_READONLY);
    HWND intro = RecreateTextPane(kIntroductionPane);
    ASSERT_NE(intro, nullptr);
    EXPECT_TRUE(GetWindowLongA(intro, GWL_STYLE) & ES_READONLY);
    EXPECT_EQ(RecreateTextPane(3), nullptr);
}

TEST_F(TextPanesTest, RtfStreamsInAndBackOut) {
    const std::string rtf =
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs24 Water boils at {\\b 100} degrees.\\par "
        "Second line.\\par}";
    std::string path = TempFile("brevane_pane.rtf", rtf);
    ASSERT_EQ(StreamFileIntoPane(Observations(), SF_RTF, path.c_str()), 1);
    std::string plain = PlainText(Observations());
    EXPECT_NE(plain.find("Water boils at 100 degrees."), std::string::npos) << plain;
    EXPECT_NE(plain.find("Second line."), std::string::npos);

    // The bold run survives the round trip.
    SendMessageA(Observations(), EM_SETSEL, 15, 18);
    CHARFORMATA format = {sizeof format};
    SendMessageA(Observations(), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    EXPECT_TRUE(format.dwEffects & CFE_BOLD);

    std::string out;
    ASSERT_TRUE(StreamTextOutOfPane(Observations(), SF_RTF, &out));
    EXPECT_EQ(out.rfind("{\\rtf", 0), 0u);
    EXPECT_NE(out.find("\\b"), std::string::npos);
    EXPECT_NE(out.find("Second line."), std::string::npos);

    // Streamed into another pane, the same text arrives.
    ASSERT_TRUE(StreamTextIntoPane(TextPaneWindow(kIntroductionPane), SF_RTF, out));
    EXPECT_EQ(PlainText(TextPaneWindow(kIntroductionPane)), plain);
    DeleteFileA(path.c_str());
}

TEST_F(TextPanesTest, StreamingReplacesTextAndAMissingFileChangesNothing) {
    std::string first = TempFile("brevane_pane1.txt", "old notes");
    std::string second = TempFile("brevane_pane2.txt", "new notes");
    ASSERT_EQ(StreamFileIntoPane(Observations(), SF_TEXT, first.c_str()), 1);
    ASSERT_EQ(StreamFileIntoPane(Observations(), SF_TEXT, second.c_str()), 1);
    EXPECT_EQ(PlainText(Observations()), "new notes");  // replaced, not appended
    EXPECT_EQ(StreamFileIntoPane(Observations(), SF_TEXT, "C:\\no\\such\\file.rtf"), 0);
    EXPECT_EQ(PlainText(Observations()), "new notes");
    EXPECT_EQ(StreamFileIntoPane(nullptr, SF_TEXT, first.c_str()), 0);
    DeleteFileA(first.c_str());
    DeleteFileA(second.c_str());
}

// Notes dropped or streamed in have the lab file's cap: a larger file is
// refused from its size (made sparse here, so nothing is really written),
// and rich text that nests too deep never reaches the pane.
TEST_F(TextPanesTest, NotesLargerThanALabFileHoldsOrNestedTooDeepAreRefused) {
    SetWindowTextA(Observations(), "my notes");
    for (const char* name : {"brevane_huge_notes.txt", "brevane_huge_notes.rtf"}) {
        const std::string path = TempFile(name, "{\\rtf1 huge}");
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        LARGE_INTEGER end;
        end.QuadPart = LONGLONG(kLargestNotesBytes) + 1;
        ASSERT_TRUE(SetFilePointerEx(file, end, nullptr, FILE_BEGIN));
        ASSERT_TRUE(SetEndOfFile(file));
        CloseHandle(file);
        EXPECT_EQ(StreamFileIntoPane(Observations(), SF_TEXT, path.c_str()), 0) << name;
        EXPECT_EQ(StreamFileIntoPane(Observations(), SF_RTF, path.c_str()), 0) << name;
        EXPECT_EQ(StreamRtfFileIntoPane(Observations(), path.c_str()), 0) << name;
        EXPECT_EQ(PlainText(Observations()), "my notes");
        DeleteFileA(path.c_str());
    }
    const std::string deep =
        TempFile("brevane_deep.rtf", "{\\rtf1" + std::string(40, '{') + "x" + std::string(40, '}') + "}");
    EXPECT_EQ(StreamFileIntoPane(Observations(), SF_RTF, deep.c_str()), 0);
    EXPECT_EQ(PlainText(Observations()), "my notes");
    DeleteFileA(deep.c_str());
}

TEST_F(TextPanesTest, ProtectedTextChangesOnlyUnderTheGuard) {
    HWND pane = Observations();
    SetWindowTextA(pane, "fixed");
    SendMessageA(pane, EM_SETSEL, 0, -1);
    ToggleProtected(pane);
    CHARFORMATA format = {sizeof format};
    SendMessageA(pane, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    ASSERT_TRUE(format.dwEffects & CFE_PROTECTED);

    // Typing over, inside, deleting and backspacing into the protected word,
    // as the student would; then the same under the guard.
    struct Edit {
        const char* name;
        LONG selFirst, selLast;
        UINT message;
        WPARAM key;
    };
    const Edit edits[] = {
        {"type over", 0, -1, WM_CHAR, 'x'},
        {"type inside", 2, 2, WM_CHAR, 'x'},
        {"delete", 1, 1, WM_KEYDOWN, VK_DELETE},
        {"backspace", 3, 3, WM_KEYDOWN, VK_BACK},
        {"cut", 0, 2, WM_CUT, 0},
    };
    for (const Edit& e : edits) {
        SCOPED_TRACE(e.name);
        SendMessageA(pane, EM_SETSEL, e.selFirst, e.selLast);
        SendMessageA(pane, e.message, e.key, 0);
        EXPECT_EQ(PlainText(pane), "fixed");
    }
    // Plain text after the protected word stays editable.
    SendMessageA(pane, EM_SETSEL, 5, 5);
    CHARFORMATA plain = {sizeof plain};
    plain.dwMask = CFM_PROTECTED;
    SendMessageA(pane, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&plain));
    SendMessageA(pane, WM_CHAR, '!', 0);
    EXPECT_EQ(PlainText(pane), "fixed!");
    {
        PaneStreamGuardScope guard;
        SendMessageA(pane, EM_SETSEL, 0, -1);
        SendMessageA(pane, WM_CHAR, 'x', 0);
    }
    EXPECT_EQ(PlainText(pane), "x");
    EXPECT_FALSE(PaneStreamGuard);
}

TEST_F(TextPanesTest, ObjectStoragesAreNumberedFromOne) {
    IRichEditOleCallback* callback = TextPanes[kObservationsPane].callback;
    IStorage* first = nullptr;
    IStorage* second = nullptr;
    ASSERT_EQ(callback->GetNewStorage(&first), S_OK);
    ASSERT_EQ(callback->GetNewStorage(&second), S_OK);
    first->Release();
    second->Release();

    std::set<std::wstring> names;
    IEnumSTATSTG* elements = nullptr;
    ASSERT_EQ(TextPanes[kObservationsPane].storage->EnumElements(0, nullptr, 0, &elements), S_OK);
    STATSTG stat;
    while (elements->Next(1, &stat, nullptr) == S_OK) {
        names.insert(stat.pwcsName);
        CoTaskMemFree(stat.pwcsName);
    }
    elements->Release();
    EXPECT_EQ(names, (std::set<std::wstring>{L"REOBJ1", L"REOBJ2"}));
    EXPECT_EQ(TextPanes[kObservationsPane].objectCount, 2);
}

TEST_F(TextPanesTest, CallbackAndFrameCountReferences) {
    TextPaneRecord record = {};
    int before = LivePaneOleObjects();
    IRichEditOleCallback* callback = CreatePaneOleCallback(&record);
    ASSERT_NE(callback, nullptr);
    EXPECT_EQ(LivePaneOleObjects(), before + 2);

    IUnknown* unknown = nullptr;
    ASSERT_EQ(callback->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)), S_OK);
    EXPECT_EQ(unknown->Release(), 1u);
    void* other = reinterpret_cast<void*>(1);
    EXPECT_EQ(callback->QueryInterface(IID_IDataObject, &other), E_NOINTERFACE);
    EXPECT_EQ(other, nullptr);

    IOleInPlaceFrame* frameObject = nullptr;
    IOleInPlaceUIWindow* document = reinterpret_cast<IOleInPlaceUIWindow*>(1);
    OLEINPLACEFRAMEINFO info = {};
    ASSERT_EQ(callback->GetInPlaceContext(&frameObject, &document, &info), S_OK);
    EXPECT_EQ(document, nullptr);
    EXPECT_EQ(info.cAccelEntries, 0u);
    EXPECT_EQ(info.haccel, nullptr);
    IOleWindow* window = nullptr;
    ASSERT_EQ(frameObject->QueryInterface(IID_IOleWindow, reinterpret_cast<void**>(&window)), S_OK);
    EXPECT_EQ(window->Release(), 2u);  // ours from the context, the callback's own
    OLEMENUGROUPWIDTHS widths = {{1, 2, 3, 4, 5, 6}};
    EXPECT_EQ(frameObject->InsertMenus(nullptr, &widths), S_OK);
    for (LONG w : widths.width) EXPECT_EQ(w, 0);
    EXPECT_EQ(frameObject->TranslateAccelerator(nullptr, 0), S_FALSE);
    EXPECT_EQ(frameObject->Release(), 1u);

    // Without a storage a new object storage is refused.
    IStorage* storage = reinterpret_cast<IStorage*>(1);
    EXPECT_EQ(callback->GetNewStorage(&storage), E_FAIL);
    EXPECT_EQ(storage, nullptr);

    EXPECT_EQ(callback->Release(), 0u);
    EXPECT_EQ(LivePaneOleObjects(), before);  // the frame went with it
}

TEST_F(TextPanesTest, CharacterFormatTogglesFlipAndSubscriptRestores) {
    HWND pane = Observations();
    SetWindowTextA(pane, "H2O");
    SendMessageA(pane, EM_SETSEL, 1, 2);
    auto format = [&] {
        CHARFORMATA f = {sizeof f};
        f.dwMask = CFM_ALL;
        SendMessageA(pane, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&f));
        return f;
    };
    struct Toggle {
        void (*apply)(HWND);
        DWORD effect;
    };
    const Toggle toggles[] = {{ToggleBold, CFE_BOLD}, {ToggleItalic, CFE_ITALIC},
                              {ToggleUnderline, CFE_UNDERLINE}};
    for (const Toggle& t : toggles) {
        // The default face may start bold: each toggle flips what is there.
        DWORD before = format().dwEffects & t.effect;
        t.apply(pane);
        EXPECT_NE(format().dwEffects & t.effect, before);
        t.apply(pane);
        EXPECT_EQ(format().dwEffects & t.effect, before);
    }
    LONG baseline = format().yOffset;
    ToggleSubscript(pane);
    CHARFORMATA lowered = format();
    EXPECT_EQ(lowered.yOffset, -(lowered.yHeight / 4));
    EXPECT_NE(lowered.yOffset, 0);
    ToggleSubscript(pane);
    EXPECT_EQ(format().yOffset, baseline);

    SetFontFace(pane, "Arial");
    SetFontSize(pane, 18);
    CHARFORMATA face = format();
    EXPECT_STREQ(face.szFaceName, "Arial");
    EXPECT_EQ(face.yHeight, 18 * 20);
}

TEST_F(TextPanesTest, AlignmentChecksOneCommandAndSetsTheParagraph) {
    HMENU menu = CreateMenu();
    HMENU format = CreatePopupMenu();
    for (int id : {112, 113, 114, 108}) AppendMenuA(format, MF_STRING, id, "x");
    AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(format), "Format");
    SetMenu(frame.handle(), menu);
    HWND pane = Observations();
    SetWindowTextA(pane, "centred");
    SetParagraphAlignment(frame.handle(), pane, 113);
    PARAFORMAT paragraph = {sizeof paragraph};
    SendMessageA(pane, EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&paragraph));
    EXPECT_EQ(paragraph.wAlignment, PFA_CENTER);
    EXPECT_EQ(GetMenuState(menu, 112, MF_BYCOMMAND) & MF_CHECKED, 0u);
    EXPECT_NE(GetMenuState(menu, 113, MF_BYCOMMAND) & MF_CHECKED, 0u);
    SetParagraphAlignment(frame.handle(), pane, 114);
    EXPECT_EQ(GetMenuState(menu, 113, MF_BYCOMMAND) & MF_CHECKED, 0u);
    EXPECT_NE(GetMenuState(menu, 114, MF_BYCOMMAND) & MF_CHECKED, 0u);

    EXPECT_EQ(ToggleFormatCheck(frame.handle(), 108, 0), 1);
    EXPECT_NE(GetMenuState(menu, 108, MF_BYCOMMAND) & MF_CHECKED, 0u);
    EXPECT_EQ(ToggleFormatCheck(frame.handle(), 108, 1), 0);
    EXPECT_EQ(GetMenuState(menu, 108, MF_BYCOMMAND) & MF_CHECKED, 0u);
    SetMenu(frame.handle(), nullptr);
    DestroyMenu(menu);
}

int LAB_MODULE_CALL StandInSetChemTextPane(HWND, int) { return 1; }

TEST_F(TextPanesTest, ShowTextPaneNeedsAModuleAndShowsExactlyOne) {
    auto visible = [](int i) { return IsWindowVisible(TextPaneWindow(i)) != FALSE; };
    ShowTextPane(1);
    EXPECT_FALSE(visible(0) || visible(1) || visible(2));  // no module loaded yet
    PluginTable.SetChemTextPane = StandInSetChemTextPane;
    ShowTextPane(1);
    EXPECT_FALSE(visible(0) || visible(1) || visible(2));  // the entry but no module
    LabModuleHandle = GetModuleHandleA(nullptr);
    for (int shown = 0; shown < kTextPaneCount; ++shown) {
        ShowTextPane(shown);
        for (int i = 0; i < kTextPaneCount; ++i) EXPECT_EQ(visible(i), i == shown);
    }
}

TEST_F(TextPanesTest, TabControlHasThreeNamedTabs) {
    HWND tabs = CreateTabControl(frame.handle());
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessageA(tabs, TCM_GETCURSEL, 0, 0), 0);
    const char* names[] = {"Introduction", "Procedure", "Observations"};
    for (int i = 0; i < 3; ++i) {
        char text[64] = {};
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(tabs, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
        EXPECT_STREQ(text, names[i]);
    }
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(tabs, WM_GETFONT, 0, 0));
    LOGFONTA logFont = {};
    ASSERT_TRUE(GetObjectA(font, sizeof logFont, &logFont));
    EXPECT_STREQ(logFont.lfFaceName, "Arial");
    DestroyWindow(tabs);
    DeleteObject(font);
}

TEST_F(TextPanesTest, FontTableListsTrueTypeFacesAndFillsTheCombos) {
    HWND faces = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | CBS_DROPDOWN | CBS_SORT, 0, 0, 100, 200,
                                 frame.handle(), nullptr, nullptr, nullptr);
    HWND sizes = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | CBS_DROPDOWN, 0, 0, 100, 200,
                                 frame.handle(), nullptr, nullptr, nullptr);
    SetFormatBarControls(nullptr, faces, sizes);
    ASSERT_TRUE(EnumerateFonts());
    ASSERT_GT(FontFaceCount(), 0);
    bool sawArial = false;
    for (int i = 0; i < FontFaceCount(); ++i) {
        const FontFace* face = FontFaceAt(i);
        EXPECT_GT(face->styleCount, 0) << face->name;
        for (int s = 0; s < face->styleCount; ++s) EXPECT_TRUE(face->styles[s].fontType & TRUETYPE_FONTTYPE);
        sawArial = sawArial || strcmp(face->name, "Arial") == 0 ||
                   strcmp(face->name, "Liberation Sans") == 0;
    }
    EXPECT_TRUE(sawArial);
    EXPECT_EQ(FontFaceAt(FontFaceCount()), nullptr);
    FillFormatCombos();
    EXPECT_EQ(SendMessageA(faces, CB_GETCOUNT, 0, 0), FontFaceCount());
    EXPECT_EQ(SendMessageA(sizes, CB_GETCOUNT, 0, 0), 16);
    char text[8];
    SendMessageA(sizes, CB_GETLBTEXT, 15, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "72");

    ReapplyObservationsFormat(frame.handle());
    EXPECT_EQ(SendMessageA(sizes, CB_GETCURSEL, 0, 0), 4);  // 12 points
    EXPECT_NE(SendMessageA(faces, CB_GETCURSEL, 0, 0), CB_ERR);
    SelectFontInCombos("No Such Face", 13);
    EXPECT_EQ(SendMessageA(faces, CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_EQ(SendMessageA(sizes, CB_GETCURSEL, 0, 0), CB_ERR);

    FreeFontTable();
    EXPECT_EQ(FontFaceCount(), 0);
    SetFormatBarControls(nullptr, nullptr, nullptr);
    DestroyWindow(faces);
    DestroyWindow(sizes);
}

}  // namespace
