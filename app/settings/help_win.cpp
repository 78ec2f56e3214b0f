#include "app/settings/help_win.h"

#include <string>

#include "app/settings/folders_win.h"
#include "common/help_topics.h"

namespace {
std::string LastTopic;
}  // namespace

bool HelpTopicPath(int controlId, int key, char* out, int size) {
    if (out && size > 0) out[0] = '\0';
    char folder[MAX_PATH];
    if (!ProgramFolder(folder, sizeof folder)) return false;
    return HelpTopicPathIn(folder, controlId, key, out, size);
}

void ShowContextHelp(HWND owner, int controlId, int key) {
    char path[MAX_PATH + 128];
    if (!HelpTopicPath(controlId, key, path, sizeof path)) return;
    LastTopic = path;
    if (HtmlHelpFunction help = LoadHtmlHelp()) help(HelpViewerOwner(owner), path, kHtmlHelpDisplayTopic, 0);
}

// The authoring module's viewers too: the help control is one per process.
// Closing loads nothing that no viewer needed.
void CloseContextHelp() {
    if (!GetModuleHandleA("hhctrl.ocx")) return;
    if (HtmlHelpFunction help = LoadHtmlHelp()) help(nullptr, nullptr, kHtmlHelpCloseAll, 0);
}

std::string LastContextHelpTopic() { return LastTopic; }
