/* Gives a Wine prefix a PostScript printer that prints to a file, and makes
 * it the default, so the print job can be tested without a real printer.
 * Run under Wine by tools/add-test-printer; exits 0 when the printer is there.
 *
 * Wine's PostScript driver reads the printer's PPD only from the printer-driver
 * folder of the prefix's own architecture (w32x86\3 or x64\3), so the generic
 * PPD Wine carries in winspool.drv (resource "PPDFILE" 1) is written there. */
#include <windows.h>
#include <winspool.h>

#include <stdio.h>
#include <string.h>

#define PRINTER_NAME "Brevane Test PostScript"
#define DRIVER_NAME "Brevane Test PostScript"
#define PPD_NAME "brevane-generic.ppd"

static int write_generic_ppd(const char *path) {
    HMODULE spooler = LoadLibraryExA("winspool.drv", NULL, LOAD_LIBRARY_AS_DATAFILE);
    HRSRC found;
    HGLOBAL loaded;
    DWORD size, wrote = 0;
    HANDLE out;
    BOOL ok;
    if (!spooler) {
        fprintf(stderr, "add_test_printer: winspool.drv cannot be loaded (%lu)\n", GetLastError());
        return 0;
    }
    found = FindResourceA(spooler, MAKEINTRESOURCEA(1), "PPDFILE");
    loaded = found ? LoadResource(spooler, found) : NULL;
    size = found ? SizeofResource(spooler, found) : 0;
    if (!loaded || size == 0) {
        fprintf(stderr, "add_test_printer: winspool.drv holds no generic PPD\n");
        FreeLibrary(spooler);
        return 0;
    }
    out = CreateFileA(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (out == INVALID_HANDLE_VALUE) {
        fprintf(stderr, "add_test_printer: cannot write %s (%lu)\n", path, GetLastError());
        FreeLibrary(spooler);
        return 0;
    }
    ok = WriteFile(out, LockResource(loaded), size, &wrote, NULL) && wrote == size;
    CloseHandle(out);
    FreeLibrary(spooler);
    if (!ok) fprintf(stderr, "add_test_printer: short write to %s\n", path);
    return ok;
}

static int printer_exists(void) {
    HANDLE printer = NULL;
    if (!OpenPrinterA(PRINTER_NAME, &printer, NULL)) return 0;
    ClosePrinter(printer);
    return 1;
}

int main(void) {
    char folder[MAX_PATH], ppd[MAX_PATH + 40];
    DWORD needed = 0;
    DRIVER_INFO_3A driver;
    PRINTER_INFO_2A info;
    HANDLE printer;

    if (!GetPrinterDriverDirectoryA(NULL, NULL, 1, (BYTE *)folder, sizeof folder, &needed)) {
        fprintf(stderr, "add_test_printer: no printer-driver folder (%lu)\n", GetLastError());
        return 1;
    }
    /* Version 3 drivers live in the folder's "3" sub-folder. */
    snprintf(ppd, sizeof ppd, "%s\\3", folder);
    CreateDirectoryA(folder, NULL);
    CreateDirectoryA(ppd, NULL);
    snprintf(ppd, sizeof ppd, "%s\\3\\%s", folder, PPD_NAME);
    if (!write_generic_ppd(ppd)) return 1;

    memset(&driver, 0, sizeof driver);
    driver.cVersion = 3;
    driver.pName = DRIVER_NAME;
    driver.pDriverPath = "wineps.drv";
    driver.pDataFile = ppd;
    driver.pConfigFile = "wineps.drv";
    if (!AddPrinterDriverExA(NULL, 3, (BYTE *)&driver, APD_COPY_NEW_FILES) &&
        GetLastError() != ERROR_PRINTER_DRIVER_ALREADY_INSTALLED) {
        fprintf(stderr, "add_test_printer: AddPrinterDriverEx failed (%lu)\n", GetLastError());
        return 1;
    }

    if (!printer_exists()) {
        memset(&info, 0, sizeof info);
        info.pPrinterName = PRINTER_NAME;
        info.pPortName = "FILE:";
        info.pDriverName = DRIVER_NAME;
        info.pPrintProcessor = "WinPrint";
        info.pDatatype = "RAW";
        info.pComment = "Prints PostScript to a file, for the tests";
        info.Attributes = PRINTER_ATTRIBUTE_LOCAL;
        printer = AddPrinterA(NULL, 2, (BYTE *)&info);
        if (!printer) {
            fprintf(stderr, "add_test_printer: AddPrinter failed (%lu)\n", GetLastError());
            return 1;
        }
        ClosePrinter(printer);
    }
    if (!SetDefaultPrinterA(PRINTER_NAME)) {
        fprintf(stderr, "add_test_printer: SetDefaultPrinter failed (%lu)\n", GetLastError());
        return 1;
    }
    printf("add_test_printer: \"%s\" on FILE: with %s\n", PRINTER_NAME, ppd);
    return 0;
}
