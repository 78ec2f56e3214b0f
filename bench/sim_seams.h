// What the simulation steps need from the rest of the program: the bench
// window, the equipment catalogue's re-templating, the loaded lab module, the
// demonstration recorder and the Titration dialog. The Win32 bench window
// implements these; native tests, benchmarks and labsim use recording fakes.
#pragma once
#include <cstdint>
#include <string>

#include "common/geometry.h"
#include "common/lab_object.h"

// The parameters of the timer message that started a tick; the Titration
// dialog is handed the same ones.
struct TimerMessage {
    uintptr_t wParam;
    intptr_t lParam;
};

class SimSeams {
public:
    virtual ~SimSeams() = default;

    // ---- bench window ----
    // The whole client area, without erasing (the next paint redraws all).
    virtual void InvalidateBench() = 0;
    virtual void InvalidateLogicalRect(const RectI32& rect) = 0;
    // Fills a logical rectangle of the bench with the system window colour.
    virtual void EraseWithWindowColour(const RectI32& rect) = 0;
    // XOR frame: drawing it again at the same place removes it.
    virtual void DrawSelectionFrame(const RectI32& rect) = 0;
    // A warning box (caption "Brevane") with the simulation timer paused.
    virtual void WarnPausingTimer(int32_t stringId) = 0;
    virtual void MarkDocumentModified() = 0;
    // The string-table text with that id; false when there is none.
    virtual bool LoadResString(int32_t id, std::string* text) const = 0;

    // ---- settings ----
    virtual int32_t BunsenBurnerHeat() const = 0;
    virtual int32_t HotPlateIncrements() const = 0;

    // ---- equipment catalogue: 1 when the object took a new head ----
    virtual int SetTemplateState(LabObject& object, int32_t state) = 0;
    virtual int SetBalanceState(LabObject& object, int32_t state) = 0;
    virtual int SetDippedState(LabObject& object, int on, int redraw) = 0;
    virtual int SetDrainVariant(LabObject& object, int redraw, int32_t variant) = 0;
    virtual int TogglePourPosition(LabObject& object, int redraw) = 0;

    // ---- loaded lab module ----
    // QueryLabStyle, or 0 when the module does not export it.
    virtual uint32_t QueryLabStyle() = 0;
    virtual bool HasLabSimulationProc() const = 0;
    // The module's hook with the whole array (base is record 0).
    virtual void LabSimulationProc(int32_t count, LabObject* base) = 0;

    // ---- demonstration recorder ----
    virtual bool DemoRecording() const = 0;
    virtual void RecordComment(const std::string& text, int32_t category) = 0;
    // The frame recorder; 1 when it wrote an event.
    virtual int RecordLabState(int32_t count, const LabObject* firstObject) = 0;
    // The recorder's time-mark rule, told whether a frame was just written.
    virtual void RecordTimeMark(int frameWritten) = 0;

    // ---- titration ----
    virtual bool TitrationWindowOpen() const = 0;
    virtual void ForwardTimerToTitration(const TimerMessage& message) = 0;
    // Redraws the data window (with erase) when it is open and visible.
    virtual void InvalidateDataWindow() = 0;
};
