// The Printing Options: four bits kept in memory only, never saved.
#pragma once
#include <cstdint>

constexpr int32_t kPrintIntroduction = 0x1;
constexpr int32_t kPrintProcedure = 0x2;
constexpr int32_t kPrintObservations = 0x4;
constexpr int32_t kPrintLabSpace = 0x8;
constexpr int32_t kDefaultPrintOptions = kPrintObservations | kPrintLabSpace;

// The bit a Printing Options command toggles, or 0 for any other command.
int32_t PrintOptionBit(int32_t commandId);

// Toggles the command's bit; returns whether the command was one of them.
bool TogglePrintOption(int32_t& options, int32_t commandId);

bool PrintOptionChecked(int32_t options, int32_t commandId);

// The text panes in the order they are printed, with their progress strings.
struct PanePrintStep {
    int32_t bit;
    int32_t pane;      // 0 introduction, 1 procedure, 2 observations
    int32_t stringId;  // progress text
};
constexpr PanePrintStep kPanePrintOrder[] = {
    {kPrintIntroduction, 0, 595},
    {kPrintProcedure, 1, 596},
    {kPrintObservations, 2, 597},
};
