// The three rich-edit text panes of the frame (Introduction, Procedure,
// Observations), their tab control and the streaming helpers.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

struct IRichEditOle;
struct IRichEditOleCallback;
struct IStorage;

enum TextPaneIndex : int {
    kIntroductionPane = 0,
    kProcedurePane = 1,
    kObservationsPane = 2,
    kTextPaneCount = 3
};

struct TextPaneRecord {
    HWND window;
    IRichEditOle* ole;                // the rich edit's OLE interface
    IRichEditOleCallback* callback;   // our callback (one reference held here)
    IStorage* storage;                // root storage, a temporary compound file
    LONG objectCount;                 // object storages created so far
};

extern TextPaneRecord TextPanes[kTextPaneCount];

// Raised while the program itself changes protected text or streams a
// module text into a pane; the Observations pane then accepts changes to
// protected text.
extern bool PaneStreamGuard;

class PaneStreamGuardScope {
public:
    PaneStreamGuardScope() : previous_(PaneStreamGuard) { PaneStreamGuard = true; }
    ~PaneStreamGuardScope() { PaneStreamGuard = previous_; }
    PaneStreamGuardScope(const PaneStreamGuardScope&) = delete;
    PaneStreamGuardScope& operator=(const PaneStreamGuardScope&) = delete;

private:
    bool previous_;
};

// The frame's answer to EN_PROTECTED: nonzero refuses the change.
LRESULT AnswerProtectedChange();

// Loads "Riched20.dll" (class "RichEdit20A"), else "RICHED32.DLL" ("RichEdit").
bool LoadRichEditLibrary();
bool UsingRichEdit20();

// which: 1 Introduction, 2 Procedure, 3 Observations. Null on failure, after
// a box naming the OLE step that failed.
HWND CreateTextPane(HWND parent, HINSTANCE instance, bool readOnly, int which);
// All three into TextPanes (Introduction and Procedure read-only).
bool CreateTextPanes(HWND parent, HINSTANCE instance);
void ReleaseTextPaneOle(TextPaneRecord& record);
// Destroys pane index (0..2) and creates it again, hidden, under the same
// parent (Introduction and Procedure read-only); the new window or null.
HWND RecreateTextPane(int index);
// Destroys the windows and releases their OLE state.
void DestroyTextPanes();

HWND TextPaneWindow(int index);  // null outside 0..2 or when absent

// 0 Introduction, 1 Procedure, 2 Observations: shows it, hides the others;
// nothing without an Observations pane or a loaded module that exports
// SetChemTextPane.
void ShowTextPane(int index);

// "SysTabControl32" with the three tabs, first selected; null on failure.
HWND CreateTabControl(HWND frame);

// The most text or rich text a pane takes from a file or from memory: what a
// lab file can carry.
constexpr uint64_t kLargestNotesBytes = uint64_t{256} << 20;

// Replaces the pane's whole text with the file (format SF_TEXT or SF_RTF);
// 0 and the pane unchanged when the file cannot be read whole, is larger
// than kLargestNotesBytes, or is rich text that nests too deep.
int StreamFileIntoPane(HWND pane, int format, const char* path);
// The same from and to memory (lab files carry the Observations RTF); text
// larger than kLargestNotesBytes is refused.
bool StreamTextIntoPane(HWND pane, int format, const std::string& text);
bool StreamTextOutOfPane(HWND pane, int format, std::string* text);
