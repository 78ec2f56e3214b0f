// The Edit commands with the real panes and clipboard.
#pragma once

// Installs the window seams of the Edit commands and registers them.
void RegisterEditCommandsOnWindows();
