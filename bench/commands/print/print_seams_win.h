// The real printer behind the print job.
#pragma once

// Installs the Win32 print seams and registers the print commands.
void InstallPrintSeams();

// A file the job writes to in place of the printer's port; tests only, the
// program never sets one.
const char* PrintOutputOverride();
void SetPrintOutputOverride(const char* path);
