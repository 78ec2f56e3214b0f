#include "app/demo/demo_commands_win.h"

#include <commctrl.h>

#include <string>

#include "app/frame/app_windows_win.h"
#include "app/demo/demo_file_dialog_win.h"
#include "app/demo/demo_recorder.h"
#include "app/modules/module_host.h"
#include "bench/commands/command_ids.h"
#include "bench/commands/command_router.h"
#include "bench/sim/sim_tick.h"
#include "resources/brevane/document_ids.h"

DemoCommandSeams DemoCommandHooks;

namespace {

class FileDemoSink : public DemoSink {
public:
    explicit FileDemoSink(HANDLE file) : file_(file) {}
    ~FileDemoSink() override { CloseHandle(file_); }
    bool Write(const void* bytes, size_t length) override {
        DWORD written = 0;
        return WriteFile(file_, bytes, DWORD(length), &written, nullptr) && written == length;
    }

private:
    HANDLE file_;
};

FileDemoSink* OpenDemoFile = nullptr;
HICON RecordingIcon = nullptr;

bool LoadDemoString(int32_t id, std::string* text) {
    char buffer[1025];
    const int n = LoadStringA(GetModuleHandleA(nullptr), UINT(id), buffer, sizeof buffer);
    if (n <= 0) return false;
    text->assign(buffer, size_t(n));
    return true;
}

std::string Text(int id, const char* fallback) {
    std::string text;
    return LoadDemoString(id, &text) ? text : fallback;
}

bool ChooseDemoFileWithDialog(HWND owner, char* path, int length) {
    const std::string title = Text(IDS_DEMO_FILE_PROMPT, "Enter a Brevane Demo File Name");
    return ChooseDemoFile(owner, DemoFileDialogKind::kSave, title.c_str(), path, length);
}

}  // namespace

void InstallDemoRecorderStrings() { LabDemoRecorder.loadString = LoadDemoString; }

void StartDemoRecording(HWND owner, const char* moduleName, const char* udlName) {
    char path[MAX_PATH] = "";
    auto choose = DemoCommandHooks.chooseFile ? DemoCommandHooks.chooseFile : ChooseDemoFileWithDialog;
    if (!choose(owner, path, sizeof path)) {
        LabDemoRecorder.recording = false;
        return;
    }
    HANDLE file = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const std::string text = Text(IDS_DEMO_CREATE_FAILED, "Failed to create Demo file");
        if (DemoCommandHooks.messageBox)
            DemoCommandHooks.messageBox(owner, text.c_str(), "Brevane Demo", MB_OK | MB_ICONWARNING);
        else
            MessageBoxA(owner, text.c_str(), "Brevane Demo", MB_OK | MB_ICONWARNING);
        LabDemoRecorder.recording = false;
        return;
    }
    CloseDemoFile();
    OpenDemoFile = new FileDemoSink(file);
    RECT client = {};
    if (owner) GetClientRect(owner, &client);
    BeginDemoFile(OpenDemoFile, moduleName, udlName, client.bottom - client.top);
}

void CloseDemoFile() {
    EndDemoFile();
    delete OpenDemoFile;
    OpenDemoFile = nullptr;
}

void OnStartRecording(HWND bench, HWND statusBar, const char* moduleName, const char* udlName) {
    if (!LabDemoRecorder.loadString) InstallDemoRecorderStrings();
    // Real-time playback paces by these stamps.
    if (!LabDemoRecorder.labClockSeconds) LabDemoRecorder.labClockSeconds = LabClockSeconds;
    LabDemoRecorder.recording = true;
    StartDemoRecording(bench, moduleName, udlName);
    if (!LabDemoRecorder.recording) return;
    RecordAuthorComment(Text(IDS_START_DEMO, "Start Demo").c_str());
    if (!statusBar) return;
    char status[128];
    if (LoadStringA(GetModuleHandleA(nullptr), IDS_RECORDING_STATUS, status, sizeof status) <= 0)
        status[0] = '\0';
    SendMessageA(statusBar, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(status));
    if (!RecordingIcon)
        RecordingIcon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr),
                                                      MAKEINTRESOURCEA(IDI_RECORDING), IMAGE_ICON,
                                                      16, 16, 0));
    SendMessageA(statusBar, SB_SETICON, 1, reinterpret_cast<LPARAM>(RecordingIcon));
}

void OnStopRecording(HWND statusBar) {
    RecordAuthorComment(Text(IDS_END_DEMO, "End Demo").c_str());
    LabDemoRecorder.recording = false;
    CloseDemoFile();
    if (!statusBar) return;
    SendMessageA(statusBar, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(""));
    SendMessageA(statusBar, SB_SETICON, 1, 0);
}

void RegisterRecordingCommands() {
    static const CommandEntry entries[] = {
        {kCmdStartRecording,
         [](const CommandMessage&) {
             OnStartRecording(BenchWindow, StatusBar, CurrentModuleName, CurrentUdlName);
         }},
        {kCmdStopRecording, [](const CommandMessage&) { OnStopRecording(StatusBar); }},
    };
    RegisterCommands(entries, 2);
}
