// Flags of the bench document that commands, files and the timer share.
#pragma once

extern bool DocumentModified;   // the lab session differs from its file
extern bool UndoValid;          // a deletion can be undone
extern bool AddAtCursor;        // next added object goes to the context-menu point
extern bool SimulationRunning;  // the lab timer is meant to run
