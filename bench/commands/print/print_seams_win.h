// The real printer behind the print job.
#pragma once

// Installs the Win32 print seams and registers the print commands.
void InstallPrintSeams();

// A file the job writes to in place of the printer's port; tests only, the
// program never sets one.
const char* PrintOutputOverride();
void SetPrintOutputOverride(const char* path);

// Raster capabilities read in place of the chosen printer's own (a printer
// without RC_BITBLT); tests only, -1 reads the printer's.
void SetPrinterRasterCapsOverride(int caps);
