#include "app/panes/rtf_file_win.h"

#include <richedit.h>

#include "app/panes/text_panes_win.h"

int StreamRtfFileIntoPane(HWND pane, const char* path) { return StreamFileIntoPane(pane, SF_RTF, path); }
