// Routes a command id to its handler. Handlers register per command group;
// an id with no handler goes to the window's default procedure.
#pragma once

struct CommandMessage {
    int id;
    int notifyCode;    // 0 menu, 1 accelerator, or a control's notification
    bool fromControl;  // sent by a control window (toolbar, combo box)
};

using CommandHandler = void (*)(const CommandMessage& command);

struct CommandEntry {
    int id;
    CommandHandler handler;
};

// The menu id that a second id (toolbar, old accelerators) stands for.
int CanonicalCommandId(int id);

// Registers each entry; a later registration of an id replaces the earlier.
void RegisterCommands(const CommandEntry* entries, int count);
void ClearCommandHandlers();
bool HasCommandHandler(int id);

// true when a handler ran; false means "pass to the default procedure".
bool RouteCommand(const CommandMessage& command);
