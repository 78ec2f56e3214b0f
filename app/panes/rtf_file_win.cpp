#include "app/panes/rtf_file_win.h"

#include <richedit.h>

#include <string>

#include "app/panes/text_panes_win.h"
#include "common/rtf_nesting.h"

namespace {

// As large as a lab file may be: notes with pictures, never more.
constexpr LONGLONG kLargestRtfFile = LONGLONG{256} << 20;

bool ReadWholeText(const char* path, std::string* out) {
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size;
    bool ok = GetFileSizeEx(file, &size) && size.QuadPart <= kLargestRtfFile;
    if (ok) {
        out->resize(size_t(size.QuadPart));
        DWORD got = 0;
        ok = out->empty() ||
             (ReadFile(file, &(*out)[0], DWORD(out->size()), &got, nullptr) && got == out->size());
    }
    CloseHandle(file);
    return ok;
}

}  // namespace

int StreamRtfFileIntoPane(HWND pane, const char* path) {
    if (!pane || !path) return 0;
    std::string text;
    if (!ReadWholeText(path, &text)) return 0;
    if (!IsRtfNestingSound(text.data(), text.size())) return 0;
    return StreamTextIntoPane(pane, SF_RTF, text) ? 1 : 0;
}
