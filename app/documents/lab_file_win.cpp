#include "app/documents/lab_file_win.h"

#include <commdlg.h>
#include <richedit.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "app/documents/win32_save_target_win.h"
#include "app/settings/folders_win.h"

namespace {


OPENFILENAMEA LabFileDialog;
char LabFileFilter[64];

struct RtfReader {
    const std::string* text;
    size_t at;
};

DWORD CALLBACK StreamInRtf(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* got) {
    auto* r = reinterpret_cast<RtfReader*>(cookie);
    const size_t n = std::min(size_t(wanted), r->text->size() - r->at);
    std::memcpy(buffer, r->text->data() + r->at, n);
    r->at += n;
    *got = LONG(n);
    return 0;
}

DWORD CALLBACK StreamOutRtf(DWORD_PTR cookie, LPBYTE buffer, LONG length, LONG* done) {
    reinterpret_cast<std::string*>(cookie)->append(reinterpret_cast<char*>(buffer), size_t(length));
    *done = length;
    return 0;
}

// The whole file; otherwise why not.
std::string ReadWholeFile(const char* path, std::vector<uint8_t>* out) {
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "the file cannot be opened";
    LARGE_INTEGER size;
    std::string why;
    if (!GetFileSizeEx(file, &size) || size.QuadPart < 0) {
        why = "the file's size cannot be read";
    } else if (uint64_t(size.QuadPart) > kLargestLabFileBytes) {
        why = "larger than the " + std::to_string(kLargestLabFileBytes >> 20) + " MB a lab file may be";
    } else {
        out->resize(size_t(size.QuadPart));
        DWORD got = 0;
        if (!out->empty() && !(ReadFile(file, out->data(), DWORD(out->size()), &got, nullptr) && got == out->size()))
            why = "the file cannot be read";
    }
    CloseHandle(file);
    return why;
}

}  // namespace

LabFileTrailer CurrentLabFileTrailer;

int32_t AvailableBenchHeight(HWND toolbar, HWND statusBar) {
    int32_t height = GetSystemMetrics(SM_CYFULLSCREEN);
    RECT r;
    for (HWND bar : {toolbar, statusBar})
        if (bar && GetClientRect(bar, &r)) height -= r.bottom - r.top;
    return height;
}

bool LoadLabDocument(const char* path, const LabFileWin32& context, int32_t datasetRoom,
                     LabDocument* out, std::string* why) {
    std::vector<uint8_t> bytes;
    std::string unread = ReadWholeFile(path, &bytes);
    if (!unread.empty()) {
        if (why) *why = std::move(unread);
        return false;
    }
    LabFileReadContext read;
    read.availableHeight = context.availableHeight;
    read.datasetRoom = datasetRoom;
    read.templates = context.templates;
    const LabFileError error = DecodeLabFile(bytes.data(), bytes.size(), read, out);
    if (error != LabFileError::kNone && why) *why = LabFileErrorText(error);
    return error == LabFileError::kNone;
}

void CommitLabDocument(LabDocument& doc, int32_t* count, char* moduleName, char* udlName,
                       LabObject* objects, TitrationData* datasets, LabFileTrailer* trailer,
                       const LabFileWin32& context) {
    *count = doc.objectCount;
    std::memcpy(moduleName, doc.moduleName, sizeof doc.moduleName);
    std::memcpy(udlName, doc.udlName, sizeof doc.udlName);
    std::memcpy(static_cast<void*>(objects), doc.objects.data(), doc.objects.size() * sizeof(LabObject));
    for (size_t i = doc.objects.size(); i < size_t(kLabObjectArrayLength); ++i) objects[i] = LabObject{};
    if (datasets && !doc.datasets.empty()) datasets[0] = std::move(doc.datasets[0]);
    *trailer = doc.trailer;
    if (context.udlInPersonalFolder) *context.udlInPersonalFolder = doc.udlInPersonalFolder;
    if (context.observationsPane) {
        RtfReader reader{&doc.observationsRtf, 0};
        EDITSTREAM stream = {reinterpret_cast<DWORD_PTR>(&reader), 0, StreamInRtf};
        SendMessageA(context.observationsPane, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
    }
}

int ReadLabFile(int32_t* count, char* moduleName, char* udlName, LabObject* objects,
                const char* path, TitrationData* datasets, LabFileTrailer* trailer,
                const LabFileWin32& context) {
    LabDocument doc;
    if (!LoadLabDocument(path, context, datasets ? 1 : 0, &doc)) return 0;
    CommitLabDocument(doc, count, moduleName, udlName, objects, datasets, trailer, context);
    return 1;
}

int WriteLabFile(int32_t count, const char* moduleName, const char* udlName,
                 const LabObject* objects, const char* path, const TitrationData* datasets,
                 LabFileTrailer* trailer, const LabFileWin32& context) {
    std::string rtf;
    if (context.observationsPane) {
        EDITSTREAM stream = {reinterpret_cast<DWORD_PTR>(&rtf), 0, StreamOutRtf};
        SendMessageA(context.observationsPane, EM_STREAMOUT, SF_RTF, reinterpret_cast<LPARAM>(&stream));
        if (stream.dwError) return 0;
    }
    // The program holds one dataset at most.
    const int32_t datasetCount = datasets ? std::clamp(trailer->datasetCount, 0, 1) : 0;
    const bool personal = context.udlInPersonalFolder && *context.udlInPersonalFolder;
    const auto file = EncodeLabFile(count, moduleName, udlName, objects, rtf, datasets, datasetCount,
                                    trailer->reserved, personal, context.templates);
    Win32SaveTarget target;
    if (!SaveFileReplacing(path, file.data(), file.size(), target)) return 0;
    std::memcpy(trailer, file.data() + file.size() - sizeof *trailer, sizeof *trailer);
    return 1;
}

void InitLabFileDialog(HWND owner) {
    static const char filter[] = "LAB Files (*.LAB)|*.lab|All Files (*.*)|*.*|";
    std::memcpy(LabFileFilter, filter, sizeof filter);
    std::replace(LabFileFilter, LabFileFilter + sizeof filter, '|', '\0');
    LabFileDialog = {};
    LabFileDialog.lStructSize = sizeof LabFileDialog;
    LabFileDialog.hwndOwner = owner;
    LabFileDialog.lpstrFilter = LabFileFilter;
    LabFileDialog.nMaxFile = MAX_PATH;
    LabFileDialog.nMaxFileTitle = 512;
    LabFileDialog.lpstrDefExt = "lab";
}

namespace {

// Lab files go to the user's own work folder unless the path names another:
// the program folder is read-only where the program is installed.
void StartInWorkFolder() {
    static char folder[MAX_PATH];
    LabFileDialog.lpstrInitialDir = DocumentsWorkFolder(folder) ? folder : nullptr;
}

}  // namespace

BOOL ShowOpenLabDialog(HWND owner, char* path, char* title) {
    StartInWorkFolder();
    LabFileDialog.hwndOwner = owner;
    LabFileDialog.lpstrFile = path;
    LabFileDialog.lpstrFileTitle = title;
    LabFileDialog.Flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
    return GetOpenFileNameA(&LabFileDialog);
}

BOOL ShowSaveLabDialog(HWND owner, char* path, char* title) {
    StartInWorkFolder();
    LabFileDialog.hwndOwner = owner;
    LabFileDialog.lpstrFile = path;
    LabFileDialog.lpstrFileTitle = title;
    LabFileDialog.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    return GetSaveFileNameA(&LabFileDialog);
}
