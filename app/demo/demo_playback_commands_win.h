// Commands 199 Play Lab Demo and 211 Add Message on the bench's command table.
#pragma once
#include "app/demo/demo_message_dialog_win.h"
#include "common/geometry.h"

// 211's message record: x, y, display time 5 and a balloon tip from the
// add-at-cursor point, the selected object's right and bottom, or the
// multi-selection's; all zero (a player comment) when none applies.
DemoMessageRecord PrefilledDemoMessage(bool addAtCursor, PointI32 cursor);

void OnPlayLabDemo();
void OnAddDemoMessage();
void RegisterDemoPlaybackCommands();
