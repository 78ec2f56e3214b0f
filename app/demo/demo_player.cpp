#include "app/demo/demo_player.h"

#include <algorithm>
#include <cstring>

#include "app/demo/demo_recorder.h"
#include "bench/model/record_safety.h"
#include "common/lab_style.h"
#include "render/animation_frames.h"

namespace {

constexpr size_t kObjectBytes = sizeof(LabObject);

LabObject RecordAt(const uint8_t* frame, int32_t i) {
    LabObject o;
    std::memcpy(static_cast<void*>(&o), frame + size_t(i) * kObjectBytes, kObjectBytes);
    return o;
}

template <typename T>
bool Differ(const T& a, const T& b) {
    return std::memcmp(&a, &b, sizeof a) != 0;
}

}  // namespace

bool FrameNeedsErase(const uint8_t* previous, int32_t previousCount, const uint8_t* next,
                     int32_t nextCount) {
    if (previousCount != nextCount) return true;
    for (int32_t i = 0; i < nextCount; ++i) {
        const LabObject a = RecordAt(previous, i), b = RecordAt(next, i);
        if (Differ(a.position, b.position) || a.stateBits != b.stateBits ||
            a.objectFlags != b.objectFlags)
            return true;
        switch (b.type) {
            case kCentigramBalance:
                if (a.variant != b.variant) return true;
                break;
            case kGasSyringe:
                if (Differ(a.reading2, b.reading2)) return true;
                break;
            case kGeigerCounter:
                if (Differ(a.reading2, b.reading2) || Differ(a.reading3, b.reading3)) return true;
                break;
            default:
                break;
        }
    }
    return false;
}

bool CheckDemoFrame(uint8_t* frame, int32_t count) {
    if (count < 0 || count > kMaxLabObjects) return false;
    // Records 0..count, as the checks of every reader take a bench.
    std::vector<LabObject> bench(size_t(count) + 1, LabObject{});
    for (int32_t i = 0; i < count; ++i) bench[size_t(i) + 1] = RecordAt(frame, i);
    if (!MakeReadBenchSafe(bench.data(), count)) return false;
    if (count) std::memcpy(frame, static_cast<const void*>(&bench[1]), size_t(count) * kObjectBytes);
    return true;
}

DemoPlayer::DemoPlayer(DemoPlayerSeams& seams, int32_t* count, LabObject* base)
    : seams_(seams), count_(count), base_(base) {}

int32_t DemoPlayer::Open(std::vector<uint8_t> file) {
    if (const int32_t refused = CheckDemoFile(file.data(), file.size())) return refused;
    ++generation_;
    file_ = std::move(file);
    position_ = kDemoHeaderBytes;
    ended_ = false;
    lastFrame_.clear();
    lastCount_ = 0;
    DemoFileHeader header;
    std::memcpy(&header, file_.data(), sizeof header);
    seams_.LoadModule(header.moduleName, header.udlName);
    seams_.ResetShell();
    state_ = DemoPlayState::kPlaying;
    StartTimer();
    return 0;
}

void DemoPlayer::Resume() {
    state_ = DemoPlayState::kPlaying;
    StartTimer();
    seams_.SetButtons({false, true, true, false, false});
}

void DemoPlayer::Pause() {
    state_ = DemoPlayState::kPaused;
    seams_.StopTimer();
    timerRunning_ = false;
    seams_.SetButtons({true, false, true, false, false});
}

void DemoPlayer::Rewind() {
    state_ = DemoPlayState::kStopped;
    seams_.StopTimer();
    timerRunning_ = false;
    RemovePopup();
    ++generation_;
    file_ = {};
    position_ = 0;
    ended_ = false;
    seams_.SetProgress(0);
    seams_.ClearComments();
    seams_.SetButtons({true, true, true, false, false});
}

void DemoPlayer::Close() {
    state_ = DemoPlayState::kStopped;
    seams_.StopTimer();
    timerRunning_ = false;
    ++generation_;
    file_ = {};
    RemovePopup();
}

void DemoPlayer::Reload(std::vector<uint8_t> file) {
    ++generation_;
    file_ = std::move(file);
    position_ = file_.size();
    seams_.ClearComments();
    for (const DemoListItem& item : DemoCommentItems(file_.data(), file_.size(), formats))
        seams_.AddComment(item.text, item.offset);
}

void DemoPlayer::StartTimer() {
    seams_.StartTimer(intervalMs_);
    timerRunning_ = true;
}

void DemoPlayer::RemovePopup() {
    seams_.RemovePopup();
    popupShowing_ = false;
    popupEnd_ = 0;
}

void DemoPlayer::EndPlayback() {
    seams_.StopTimer();
    timerRunning_ = false;
    ended_ = true;
    seams_.SetButtons({false, false, true, true, true});
    RemovePopup();
}

void DemoPlayer::Tick() {
    if (!Loaded()) return;
    seams_.SetProgress(DemoProgress(position_, file_.size()));
    if (state_ != DemoPlayState::kPlaying || ended_) return;
    DemoEventAt e;
    if (!PeekDemoEvent(file_.data(), file_.size(), position_, &e)) {
        EndPlayback();
        return;
    }
    if (popupShowing_ && e.header.seconds >= popupEnd_) RemovePopup();
    const uint32_t generation = generation_;
    if (DemoEventIsSound(e)) {
        switch (e.header.type) {
            case kDemoSnapshot: PlaySnapshot(e); break;
            case kDemoComment: PlayComment(e); break;
            case kDemoDelta: PlayDelta(e); break;
            case kDemoModuleLoad: PlayModuleLoad(e); break;
            case kDemoUiCommand: PlayUiCommand(e.header); break;
            default: break;
        }
    }
    // A message box ran its own loop: Rewind or Close may have dropped the file.
    if (generation != generation_) return;
    position_ = e.next;
    if (state_ == DemoPlayState::kPlaying) Pace(e);
}

void DemoPlayer::Pace(const DemoEventAt& e) {
    int32_t interval = intervalMs_;
    if (accelerated_) {
        interval = kDemoStepMs;
    } else if (position_ + kDemoEventBytes < file_.size()) {
        int64_t nextStamp;
        std::memcpy(&nextStamp, file_.data() + position_, sizeof nextStamp);
        interval = DemoGapMs(e.header.seconds, nextStamp);
    }
    if (interval == intervalMs_ && timerRunning_) return;
    intervalMs_ = interval;
    StartTimer();
}

void DemoPlayer::ShowFrame(int32_t count) {
    const size_t length = size_t(count) * kObjectBytes;
    const bool erase = FrameNeedsErase(lastFrame_.data(), lastCount_, scratch_.data(), count);
    *count_ = count;
    if (length) std::memcpy(static_cast<void*>(&base_[1]), scratch_.data(), length);
    lastFrame_.swap(scratch_);
    lastCount_ = count;
    for (int32_t i = 1; i <= count; ++i) {
        LabObject& o = base_[i];
        if (o.type == kRoundBottomFlask) AnimateRoundFlask(o);
        RectI32 strip;
        if (o.type == kEyeDropper && AnimateEyeDropper(o, &strip)) seams_.EraseStrip(strip);
    }
    seams_.RepaintBench(erase);
}

void DemoPlayer::PlaySnapshot(const DemoEventAt& e) {
    const int32_t count = e.header.objectCount;
    scratch_.assign(e.payload, e.payload + e.header.payloadLength);
    if (!CheckDemoFrame(scratch_.data(), count)) return;
    ShowFrame(count);
}

void DemoPlayer::PlayDelta(const DemoEventAt& e) {
    const int32_t count = e.header.objectCount;
    // A delta only makes sense on the frame it was taken from.
    if (count != lastCount_) return;
    const size_t length = size_t(count) * kObjectBytes;
    scratch_.assign(lastFrame_.begin(), lastFrame_.begin() + ptrdiff_t(length));
    if (!ApplyDelta(scratch_.data(), length, e.payload, size_t(e.header.payloadLength))) return;
    if (!CheckDemoFrame(scratch_.data(), count)) return;
    ShowFrame(count);
    if (seams_.LabStyle() & kStylePhMeter) seams_.CollectDataSample();
}

void DemoPlayer::PlayComment(const DemoEventAt& e) {
    seams_.AddComment(DemoListText(e, formats), e.offset);
    if (!IsPopupMessage(e.header)) return;
    const std::string text(DemoCommentText(e).substr(0, kDemoMessageLength));
    if (e.header.p5 & 4) {
        // The box holds playback; the event after it still plays.
        position_ = e.next;
        seams_.StopTimer();
        timerRunning_ = false;
        seams_.ShowMessageBox(text);
        return;
    }
    seams_.ShowPopup(text, PointI32{e.header.p2, e.header.p3}, (e.header.p5 & 1) != 0);
    popupShowing_ = true;
    popupEnd_ = PopupEndSeconds(e.header.seconds, e.header.p4);
}

void DemoPlayer::PlayModuleLoad(const DemoEventAt& e) {
    const auto* names = reinterpret_cast<const char*>(e.payload);
    seams_.LoadModule(names, names + kDemoPathLength);
    seams_.ResetShell();
}

void DemoPlayer::PlayUiCommand(const DemoEvent& header) {
    switch (header.p1) {
        case kDemoShowDataWindow: seams_.ShowDataWindow(true); break;
        case kDemoCloseDataWindow: seams_.ShowDataWindow(false); break;
        case kDemoDropDataset:
            seams_.FreeDatasetPoints();
            seams_.SetDatasetCount(std::max(0, seams_.DatasetCount() - 1));
            break;
        case kDemoAddDataset:
            // The session keeps one dataset.
            seams_.SetDatasetCount(std::clamp(seams_.DatasetCount() + 1, 0, 1));
            break;
        default: break;
    }
}
