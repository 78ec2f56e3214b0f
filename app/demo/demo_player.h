// The demonstration player: one event per tick of its timer onto the bench,
// the comment list, pop-up messages, module loads and data-window commands,
// at the recorded pace or one event per 100 ms. The decisions live here; the
// Play Demonstration dialog reaches windows, timers and boxes through the
// seams.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "app/demo/demo_file_walk.h"
#include "common/geometry.h"
#include "common/lab_object.h"

enum class DemoPlayState : int32_t { kStopped = 0, kPlaying = 1, kPaused = 2 };

// Which of the dialog's buttons may be pressed.
struct DemoButtons {
    bool play, pause, rewind, edit, remove;
    bool operator==(const DemoButtons&) const = default;
};

class DemoPlayerSeams {
public:
    virtual ~DemoPlayerSeams() = default;
    // The bench after a frame: invalidate (erasing the background or not) and
    // update it at once.
    virtual void RepaintBench(bool erase) = 0;
    // An eye dropper stopped dripping: its strip goes back to the window colour.
    virtual void EraseStrip(const RectI32& strip) = 0;
    // The module and lab a file or event names, through the module host.
    virtual void LoadModule(const char* moduleName, const char* udlName) = 0;
    // Panes on top, tab 0, title without a file, flags and selection
    // cleared, the titration data dropped, the data window hidden, the bench
    // repainted and laid out.
    virtual void ResetShell() = 0;
    virtual uint32_t LabStyle() = 0;
    virtual void CollectDataSample() = 0;
    // Inserts at the top of the comment list and selects it.
    virtual void AddComment(const std::string& text, uint64_t offset) = 0;
    virtual void ClearComments() = 0;
    // The tracking tip at a bench client point (replacing the text of one
    // that shows), and its removal.
    virtual void ShowPopup(const std::string& text, PointI32 benchPoint, bool balloon) = 0;
    virtual void RemovePopup() = 0;
    // An information box; returns when it is closed.
    virtual void ShowMessageBox(const std::string& text) = 0;
    virtual void ShowDataWindow(bool show) = 0;
    virtual int32_t DatasetCount() = 0;
    virtual void SetDatasetCount(int32_t count) = 0;
    virtual void FreeDatasetPoints() = 0;
    virtual void StartTimer(int32_t ms) = 0;  // (re)starts the player's timer
    virtual void StopTimer() = 0;
    virtual void SetProgress(int32_t percent) = 0;
    virtual void SetButtons(const DemoButtons& buttons) = 0;
};

class DemoPlayer {
public:
    // `count` and `base` are the bench's (record 0 of the array).
    DemoPlayer(DemoPlayerSeams& seams, int32_t* count, LabObject* base);

    // Takes a whole file read by the caller; 0 or the string id of the box
    // to show (the dialog then ends). On 0 the module is loaded, the shell
    // reset and the timer started.
    int32_t Open(std::vector<uint8_t> file);
    // The buttons. Play opens the file through `open` unless playback is
    // paused; `open` answers Open's result.
    template <typename OpenFile>
    int32_t Play(OpenFile&& open) {
        if (state_ == DemoPlayState::kPaused && Loaded()) {
            Resume();
            return 0;
        }
        seams_.SetButtons({false, true, true, false, false});
        return open();
    }
    void Pause();
    void Rewind();
    void Close();
    void SetAccelerated(bool accelerated) { accelerated_ = accelerated; }

    // One tick of the player's timer.
    void Tick();

    // Delete and Rewrite re-read the file: the buffer and the list follow it.
    void Reload(std::vector<uint8_t> file);

    bool Loaded() const { return !file_.empty(); }
    DemoPlayState State() const { return state_; }
    uint64_t ReadPosition() const { return position_; }
    int32_t IntervalMs() const { return intervalMs_; }
    bool Ended() const { return ended_; }
    const std::vector<uint8_t>& File() const { return file_; }
    DemoListFormats formats;

private:
    void Resume();
    void EndPlayback();
    void RemovePopup();
    void StartTimer();
    void ShowFrame(int32_t count);  // the frame in scratch_
    void PlaySnapshot(const DemoEventAt& e);
    void PlayDelta(const DemoEventAt& e);
    void PlayComment(const DemoEventAt& e);
    void PlayModuleLoad(const DemoEventAt& e);
    void PlayUiCommand(const DemoEvent& header);
    void Pace(const DemoEventAt& e);

    DemoPlayerSeams& seams_;
    int32_t* count_;
    LabObject* base_;
    std::vector<uint8_t> file_;
    uint64_t position_ = 0;
    DemoPlayState state_ = DemoPlayState::kStopped;
    int32_t intervalMs_ = kDemoStepMs;
    bool timerRunning_ = false;
    bool accelerated_ = true;
    bool ended_ = false;
    bool popupShowing_ = false;
    int64_t popupEnd_ = 0;
    // The last frame shown, as recorded (before the animation rules): deltas
    // apply to a copy of it.
    std::vector<uint8_t> lastFrame_;
    int32_t lastCount_ = 0;
    std::vector<uint8_t> scratch_;
    uint32_t generation_ = 0;  // counts Rewind, Close and Reload
};

// Whether the bench must be erased going from one frame to the next: the
// counts differ, or for some object the position, state bits, object flags,
// a centigram balance's variant, a gas syringe's volume or a Geiger
// counter's distance and shield differ.
bool FrameNeedsErase(const uint8_t* previous, int32_t previousCount, const uint8_t* next,
                     int32_t nextCount);

// Passes a frame through the checks every reader of a bench makes (values
// made sound, links mended); false when a record has an unknown type (the
// frame is then not shown).
bool CheckDemoFrame(uint8_t* frame, int32_t count);
