#include "wizard/sheet/wizard_pages_win.h"

#include <commctrl.h>

#include <string>

#include "common/help_topics.h"
#include "common/html_help_win.h"
#include "wizard/runtime/parvell_module_win.h"
#include "wizard/sheet/wizard_sheet_win.h"

namespace {

std::string LastHelpTopic;

std::string ModuleString(int id) {
    char text[512] = "";
    LoadStringA(ParvellInstance(), UINT(id), text, sizeof text);
    return text;
}

}  // namespace

void SetWizardPageButtons(HWND page, int pageNumber) {
    DWORD buttons = PSWIZB_BACK | PSWIZB_NEXT;
    if (pageNumber <= 1) buttons = PSWIZB_NEXT;
    if (pageNumber >= 9) buttons = PSWIZB_BACK | PSWIZB_FINISH;
    // Sent, not posted as the newer macro does: the buttons are right as soon
    // as the page is, so a quick click cannot land on a stale Next.
    SendMessageA(GetParent(page), PSM_SETWIZBUTTONS, 0, LPARAM(buttons));
}

// The help file lies beside the library: the current folder at load time is
// wherever the program happened to be started from.
void OpenWizardHelp(HWND owner, int helpKey) {
    const std::string folder = ParvellLibraryFolder();
    char path[MAX_PATH + 128];
    if (folder.empty() || !HelpTopicPathIn(folder.c_str(), 0, helpKey, path, sizeof path)) return;
    LastHelpTopic = path;
    if (HtmlHelpFunction help = LoadHtmlHelp()) help(HelpViewerOwner(owner), path, kHtmlHelpDisplayTopic, 0);
}

std::string LastWizardHelpTopic() { return LastHelpTopic; }

bool AnswerWizardHelp(HWND page, UINT message, LPARAM lParam, int helpKey) {
    const bool help = message == WM_HELP ||
                      (message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == UINT(PSN_HELP));
    if (help) OpenWizardHelp(page, helpKey);
    return help;
}

int ShowWizardMessage(HWND owner, int textId, int captionId, UINT type) {
    std::string text = ModuleString(textId);
    std::string caption = ModuleString(captionId);
    return MessageBoxA(owner, text.c_str(), caption.c_str(), type);
}
