// The Play Demonstration dialog (template 410): the open-file dialog, the
// player's seams over the bench, the comment list and its tool-tip, and
// Edit and Delete of comments once playback has ended.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "common/lab_object.h"

constexpr UINT_PTR kDemoPlaybackTimer = 5001;  // DemoPlaybackTimer

struct PlayDemoSeams {
    // Chooses the demonstration to play; false when cancelled.
    bool (*chooseFile)(HWND owner, char* path, int length) = nullptr;
};
extern PlayDemoSeams PlayDemoHooks;

// Runs the dialog modally over owner; true when a file was opened, so the
// objects on the bench are the demonstration's.
bool RunPlayDemoDialog(HWND owner, LabObject* base);

// The dialog while it runs (null otherwise), for the message dialog and tests.
HWND PlayDemoDialogWindow();

// The whole file; false when it cannot be opened or read, or (*tooLarge) is
// beyond the offsets the player keeps.
bool ReadDemoFile(const char* path, std::vector<uint8_t>* bytes, bool* tooLarge = nullptr);
// The file replaced whole through a temporary file; false leaves it as it was.
bool WriteDemoFile(const char* path, const std::vector<uint8_t>& bytes);

// A box captioned "Brevane Demo" with the string's text.
int DemoBox(HWND owner, int32_t stringId, const char* fallback, UINT type);
std::string DemoString(int32_t id, const char* fallback);
