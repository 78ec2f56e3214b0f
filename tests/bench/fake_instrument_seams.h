// A recording stand-in for the instrument commands' windows, installed for
// one test.
#pragma once
#include <deque>
#include <utility>
#include <vector>

#include "bench/commands/instruments/instrument_seams.h"

class FakeInstrumentSeams final : public InstrumentSeams {
public:
    FakeInstrumentSeams() { SetInstrumentSeams(this); }
    ~FakeInstrumentSeams() override { SetInstrumentSeams(nullptr); }

    std::deque<bool> answers;  // Yes/No answers in order; No when they run out
    bool pointsExist = false;
    int32_t datasetCount = 0;
    int syringeAnswer = 1;

    int selectNothing = 0, wholeBench = 0, questions = 0, dataWindowShown = 0, syringeDialogs = 0;
    std::vector<std::pair<int32_t, int32_t>> messages;  // text, caption
    std::vector<int32_t> events;

    void SelectNothing() override { ++selectNothing; }
    void InvalidateWholeBench() override { ++wholeBench; }
    void ShowMessage(int32_t text, int32_t caption) override { messages.emplace_back(text, caption); }
    bool AskYesNo(int32_t, int32_t) override {
        ++questions;
        if (answers.empty()) return false;
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }
    bool TitrationPointsExist() const override { return pointsExist; }
    int32_t DatasetCount() const override { return datasetCount; }
    void SetDatasetCount(int32_t count) override { datasetCount = count; }
    void DropTitrationPoints() override { pointsExist = false; }
    void RecordDataWindowEvent(int32_t event, int32_t) override { events.push_back(event); }
    void ShowDataWindow() override { ++dataWindowShown; }
    int SetSyringeVolumeDialog(LabObject&) override { return ++syringeDialogs, syringeAnswer; }
};
