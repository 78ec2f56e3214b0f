// The Titration dialog's decisions, apart from its window: the stopcock's
// scroll codes, the flow setting with its demonstration comment, the buret
// read-out and the title.
#pragma once
#include <cstdint>
#include <string>

#include "common/lab_object.h"

class BenchSeams;

constexpr int32_t kStopcockClosed = 0;
constexpr int32_t kStopcockFullyOpen = 10;

// Scroll codes as the track bar and the up-down send them (SB_* / TB_*).
enum StopcockScrollCode : int32_t {
    kScrollLineUp = 0,
    kScrollLineDown = 1,
    kScrollPageUp = 2,
    kScrollPageDown = 3,
    kScrollThumbPosition = 4,
    kScrollThumbTrack = 5,
    kScrollTop = 6,
    kScrollBottom = 7,
};

// The stopcock position after a scroll code; controlPosition is what the
// control itself reports for the thumb codes. Codes outside the table keep
// the position. The result always lies in 0..10.
int32_t StopcockPositionAfter(int32_t code, int32_t position, int32_t controlPosition);

// Comment string ids of the stopcock.
enum StopcockComment : int32_t {
    kStopTitrationString = 640,
    kStartTitrationString = 641,
    kIncreaseRateString = 642,
    kDecreaseRateString = 643,
};
// Which comment a move to newPosition writes, and its category.
void ChooseStopcockComment(int32_t newPosition, double flowSetting, int32_t* stringId,
                           int32_t* category);

// Sets the buret's flow to the position, writing its comment first while a
// demonstration is recorded.
void SetStopcock(LabObject& buret, int32_t newPosition, BenchSeams& seams);
// The Close button: the comment "Stop titration" while recording, flow 0.
void CloseStopcock(LabObject& buret, BenchSeams& seams);

// The read-out value in tenths of a millilitre: the liquid volume (never
// below 0), or with the scale-volume setting (2) what has left a full buret.
double BuretReadoutTenths(double liquidVolume, int32_t capacityMl, int32_t buretVolumeField);
// "%.1f" of tenths / 10 (the dialog then applies the locale's format).
std::string BuretReadoutPlainText(double tenths);

// "Titration - <label>": at most three label characters, or the fallback
// ("unlabelled") when the label is empty.
std::string TitrationTitle(const std::string& titration, const char (&label)[kLabelLength],
                           const std::string& unlabelled);

// A buret index the dialog may act on: 1..count and a buret.
bool IsBuretIndex(int32_t index, int32_t count, const LabObject* base);

// The two renumbering messages: the record before (+13) or after (+14),
// never leaving 1..count; 0 when the move is not possible.
int32_t BuretIndexBefore(int32_t index, int32_t count);
int32_t BuretIndexAfter(int32_t index, int32_t count);
