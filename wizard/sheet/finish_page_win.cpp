// Page 9: Finish reads the documents and writes the lab file; a Finish that
// cannot write keeps the sheet open.
#include "wizard/sheet/wizard_pages_win.h"

#include <commctrl.h>

#include "wizard/runtime/parvell_module_win.h"
#include "wizard/sheet/lab_finish.h"
#include "wizard/sheet/wizard_session.h"
#include "wizard/sheet/wizard_sheet_win.h"
#include "wizard/udl_io_win.h"

namespace {

class FinishSeamsWin : public parvell::FinishSeams {
public:
    explicit FinishSeamsWin(HWND owner) : owner_(owner) {}

    parvell::FinishFileRead ReadWholeFile(const std::string& path, uint64_t largest) override {
        using Outcome = parvell::FinishFileRead::Outcome;
        parvell::FinishFileRead read;
        HANDLE file = path.empty() ? INVALID_HANDLE_VALUE
                                   : CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                                 FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return read;  // kCannotOpen
        LARGE_INTEGER size{};
        if (!GetFileSizeEx(file, &size)) {
            read.outcome = Outcome::kFailed;
            read.lastError = GetLastError();
        } else if (size.QuadPart == 0) {
            read.outcome = Outcome::kEmpty;
        } else if (uint64_t(size.QuadPart) > largest) {
            read.outcome = Outcome::kFailed;
            read.length = size.QuadPart;
            read.lastError = ERROR_FILE_TOO_LARGE;
        } else {
            read.length = size.QuadPart;
            read.bytes.resize(size_t(size.QuadPart));
            read.outcome = Outcome::kRead;
            while (read.bytesRead < read.length) {
                DWORD got = 0;
                const DWORD want = DWORD(read.length - read.bytesRead);
                if (!ReadFile(file, read.bytes.data() + read.bytesRead, want, &got, nullptr) || got == 0) {
                    // A file cut short while it was read is refused, never half taken.
                    read.outcome = Outcome::kFailed;
                    read.lastError = GetLastError();
                    read.bytes.clear();
                    break;
                }
                read.bytesRead += got;
            }
        }
        CloseHandle(file);
        return read;
    }

    void ShowStringBox(int textId, int captionId) override {
        ShowWizardMessage(owner_, textId, captionId, MB_OK | MB_ICONEXCLAMATION);
    }

    void ShowTextBox(const std::string& text, const std::string& caption) override {
        MessageBoxA(owner_, text.c_str(), caption.c_str(), MB_OK | MB_ICONEXCLAMATION);
    }

private:
    HWND owner_;
};

}  // namespace

INT_PTR CALLBACK FinishPageProc(HWND page, UINT message, WPARAM, LPARAM lParam) {
    if (AnswerWizardHelp(page, message, lParam, kHelpFinish)) return TRUE;
    if (message != WM_NOTIFY) return message == WM_INITDIALOG;
    switch (reinterpret_cast<const NMHDR*>(lParam)->code) {
    case PSN_SETACTIVE:
        SetWizardPageButtons(page, 9);
        SetWindowLongPtrA(page, DWLP_MSGRESULT, 0);
        return TRUE;
    case PSN_WIZFINISH: {
        HWND sheet = GetParent(page);
        FinishSeamsWin seams(sheet);
        UdlIoWin io(ParvellInstance(), sheet);
        parvell::WizardSession& session = parvell::CurrentWizardSession();
        session.finished = parvell::FinishLab(ParvellRuntime().EditableLab(), session.fileName, seams, io);
        // Non-zero keeps the sheet open.
        SetWindowLongPtrA(page, DWLP_MSGRESULT, session.finished ? FALSE : TRUE);
        return TRUE;
    }
    default: return FALSE;
    }
}
