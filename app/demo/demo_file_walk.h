// Walking a demonstration file the way the player does: an event whose
// header or payload runs past the end (or whose length is negative) ends the
// walk; a whole event that fails its own checks is stepped over. The comment
// list, the player and the comment edits share this one walk.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/demo_records.h"

constexpr uint64_t kDemoHeaderBytes = sizeof(DemoFileHeader);
constexpr uint64_t kDemoEventBytes = sizeof(DemoEvent);
// List items keep an event's offset in a 32-bit word.
constexpr uint64_t kMaxDemoFileBytes = 0x7FFFFFFF;
constexpr int kDemoMessageLength = 511;  // pop-up texts, without the NUL

struct DemoEventAt {
    DemoEvent header{};
    const uint8_t* payload = nullptr;  // header.payloadLength bytes
    uint64_t offset = 0;               // of the header
    uint64_t next = 0;                 // of the event after it
};

// The event at `offset`; false when it would run past the end (the end of
// the walk).
bool PeekDemoEvent(const uint8_t* bytes, uint64_t size, uint64_t offset, DemoEventAt* out);

// An event's own checks: counts 0..50, a snapshot of count x 5160 bytes, a
// delta whose runs stay inside count x 5160 bytes, a comment with text, a
// module load of 520 bytes with two terminated bare names, a known type.
bool DemoEventIsSound(const DemoEventAt& event);

// A comment's text: the payload up to its NUL, never beyond the payload.
std::string_view DemoCommentText(const DemoEventAt& event);
bool IsPopupMessage(const DemoEvent& header);

// What opening a file of these bytes says: 0 it may play, else the string
// id of the box (715 "Failed to open", 716 "not a valid demo file").
constexpr int32_t kDemoOpenFailedString = 715;
constexpr int32_t kDemoNotValidString = 716;
int32_t CheckDemoFile(const uint8_t* bytes, uint64_t size);

// The list's text for a comment: the text itself, or for a pop-up message
// the "Display Message" formats (string 720 with the text, or string 719
// with its first 127 characters when it has 129 or more). "%s" in a format
// is replaced by the text.
constexpr int32_t kDisplayMessageCutString = 719;
constexpr int32_t kDisplayMessageString = 720;
struct DemoListFormats {
    std::string displayMessage = "Display Message: %s";
    std::string displayMessageCut = "Display Message: %s...";
};
std::string DemoListText(const DemoEventAt& event, const DemoListFormats& formats);

struct DemoListItem {
    std::string text;
    uint64_t offset;
};
// Every sound comment of the file, oldest first (the list shows each at the
// top, so the newest ends first).
std::vector<DemoListItem> DemoCommentItems(const uint8_t* bytes, uint64_t size,
                                           const DemoListFormats& formats);

// Whether `offset` is the start of a whole, sound comment event on the walk.
bool IsCommentEventAt(const uint8_t* bytes, uint64_t size, uint64_t offset);

// The file without the comment at `offset`; false (file unchanged) when no
// comment starts there.
bool DeleteDemoComment(std::vector<uint8_t>& file, uint64_t offset);

// A message as the Demo Message dialog gives it.
struct DemoMessage {
    std::string text;  // cut to 511 characters
    int32_t style = 0;  // 0 player comment, 1 balloon tip, 2 regular tip, 4 message box
    int32_t x = 0, y = 0;
    int32_t seconds = 5;  // display time
};
// The comment at `offset` rewritten with `message`, keeping its time stamp
// and sequence number; false (file unchanged) when no comment starts there.
bool RewriteDemoComment(std::vector<uint8_t>& file, uint64_t offset, const DemoMessage& message);

// The track bar: position x 100 / size, at most 100.
int32_t DemoProgress(uint64_t position, uint64_t size);

// Real-time pacing from one event's stamp to the next: 100 ms when the next
// is not later, the gap in whole seconds, at most 30 s.
constexpr int32_t kDemoStepMs = 100;
constexpr int32_t kDemoLongestGapMs = 30000;
int32_t DemoGapMs(int64_t stamp, int64_t nextStamp);

// The end of a pop-up shown at `stamp` for `seconds` (never overflowing).
int64_t PopupEndSeconds(int64_t stamp, int32_t seconds);

// The Demo Message dialog's display time, kept where seconds x 1000 fits.
constexpr int32_t kLongestMessageSeconds = 2147483;
int32_t ClampMessageSeconds(int64_t seconds);
