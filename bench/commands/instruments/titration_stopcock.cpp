#include "bench/commands/instruments/titration_stopcock.h"

#include <cmath>
#include <cstdio>

#include "bench/commands/instruments/instrument_comments.h"
#include "bench/window/bench_seams.h"

namespace {

int32_t Clamp(int32_t v) {
    if (v < kStopcockClosed) return kStopcockClosed;
    if (v > kStopcockFullyOpen) return kStopcockFullyOpen;
    return v;
}

}  // namespace

int32_t StopcockPositionAfter(int32_t code, int32_t position, int32_t controlPosition) {
    switch (code) {
    case kScrollLineUp:
    case kScrollPageUp: return Clamp(position - 1);
    case kScrollLineDown:
    case kScrollPageDown: return Clamp(position + 1);
    case kScrollThumbPosition:
    case kScrollThumbTrack: return Clamp(controlPosition);
    case kScrollTop: return kStopcockFullyOpen;
    case kScrollBottom: return kStopcockClosed;
    default: return Clamp(position);
    }
}

void ChooseStopcockComment(int32_t newPosition, double flowSetting, int32_t* stringId,
                           int32_t* category) {
    if (newPosition == 0 && flowSetting != 0) {
        *stringId = kStopTitrationString;
        *category = 4;
    } else if (flowSetting == 0 && newPosition > 0) {
        *stringId = kStartTitrationString;
        *category = 3;
    } else {
        *stringId = newPosition > flowSetting ? kIncreaseRateString : kDecreaseRateString;
        *category = 3;
    }
}

void SetStopcock(LabObject& buret, int32_t newPosition, BenchSeams& seams) {
    newPosition = Clamp(newPosition);
    if (seams.DemoRecording()) {
        int32_t id = 0, category = 0;
        ChooseStopcockComment(newPosition, buret.flowSetting, &id, &category);
        seams.RecordComment(CommentText(seams, id), category);
    }
    buret.flowSetting = newPosition;
}

void CloseStopcock(LabObject& buret, BenchSeams& seams) {
    if (seams.DemoRecording()) seams.RecordComment(CommentText(seams, kStopTitrationString), 4);
    buret.flowSetting = 0.0;
}

double BuretReadoutTenths(double liquidVolume, int32_t capacityMl, int32_t buretVolumeField) {
    const double v = std::isfinite(liquidVolume) && liquidVolume > 0 ? liquidVolume : 0.0;
    return buretVolumeField == 2 ? capacityMl * 10.0 - v : v;
}

std::string BuretReadoutPlainText(double tenths) {
    char text[64];
    std::snprintf(text, sizeof text, "%.1f", tenths / 10.0);
    return text;
}

std::string TitrationTitle(const std::string& titration, const char (&label)[kLabelLength],
                           const std::string& unlabelled) {
    std::string name;
    for (int i = 0; i < kLabelLength && label[i]; ++i) name += label[i];
    return titration + " - " + (name.empty() ? unlabelled : name);
}

bool IsBuretIndex(int32_t index, int32_t count, const LabObject* base) {
    return base && index >= 1 && index <= count && count <= kMaxLabObjects && base[index].type == kBuret;
}

int32_t BuretIndexBefore(int32_t index, int32_t count) {
    return index - 1 >= 1 && index - 1 <= count ? index - 1 : 0;
}

int32_t BuretIndexAfter(int32_t index, int32_t count) {
    return index + 1 >= 1 && index + 1 <= count ? index + 1 : 0;
}
