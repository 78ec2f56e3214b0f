// The Edit menu's Undo, Cut, Copy, Paste and Delete: on the focused text
// pane, or on the selected lab objects and the clipboard.
#pragma once

#include "bench/commands/command_router.h"

void RegisterEditCommands();

// Copy of the selected objects: true when they went onto the clipboard as
// lab objects (a pane's text copy, no selection or a refused clipboard give false).
bool CopyCommand(const CommandMessage& command);
