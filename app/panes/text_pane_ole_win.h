// The rich-edit OLE callback and in-place frame objects of a text pane.
#pragma once
#include <windows.h>
#include <ole2.h>
#include <richole.h>

#include "app/panes/text_panes_win.h"

// A callback with its in-place frame, each with one reference; null when
// memory runs out. GetNewStorage creates "REOBJ<n>" in record's storage.
IRichEditOleCallback* CreatePaneOleCallback(TextPaneRecord* record);

// Callback and frame objects not yet freed (for leak checks).
int LivePaneOleObjects();
