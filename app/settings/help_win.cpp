#include "app/settings/help_win.h"

#include "app/settings/folders_win.h"
#include "common/help_topics.h"

bool HelpTopicPath(int controlId, int key, char* out, int size) {
    if (out && size > 0) out[0] = '\0';
    char folder[MAX_PATH];
    if (!ProgramFolder(folder, sizeof folder)) return false;
    return HelpTopicPathIn(folder, controlId, key, out, size);
}

void ShowContextHelp(HWND owner, int controlId, int key) {
    char path[MAX_PATH + 128];
    if (!HelpTopicPath(controlId, key, path, sizeof path)) return;
    if (HtmlHelpFunction help = LoadHtmlHelp()) help(owner, path, kHtmlHelpDisplayTopic, 0);
}
