// What the simulation steps need beyond the bench seams: more of the bench
// window, the settings, the equipment catalogue's re-templating, the loaded
// lab module, the demonstration recorder and the Titration dialog. The Win32
// bench window implements these; native tests, benchmarks and labsim use
// recording fakes.
#pragma once
#include <cstdint>

#include "bench/window/bench_seams.h"
#include "bench/sim/titration_buffer.h"
#include "common/geometry.h"
#include "common/lab_object.h"

// The parameters of the timer message that started a tick; the Titration
// dialog is handed the same ones.
struct TimerMessage {
    uintptr_t wParam;
    intptr_t lParam;
};

class SimSeams : public BenchSeams {
public:
    // ---- bench window ----
    // The whole client area, without erasing (the next paint redraws all).
    virtual void InvalidateBench() = 0;
    // Fills a logical rectangle of the bench with the system window colour.
    virtual void EraseWithWindowColour(const RectI32& rect) = 0;

    // ---- settings ----
    virtual int32_t BunsenBurnerHeat() const = 0;
    virtual int32_t HotPlateIncrements() const = 0;

    // ---- equipment catalogue: 1 when the object took a new head ----
    // The catalogue itself unless a stand-in keeps the test's own geometry.
    virtual int SetTemplateState(LabObject& object, int32_t state);
    virtual int SetBalanceState(LabObject& object, int32_t state);
    virtual int SetDippedState(LabObject& object, int on, int redraw);
    virtual int SetDrainVariant(LabObject& object, int redraw, int32_t variant);
    virtual int TogglePourPosition(LabObject& object, int redraw);

    // ---- loaded lab module ----
    // QueryLabStyle, or 0 when the module does not export it.
    virtual uint32_t QueryLabStyle() = 0;
    virtual bool HasLabSimulationProc() const = 0;
    // The module's hook with the whole array (base is record 0).
    virtual void LabSimulationProc(int32_t count, LabObject* base) = 0;

    // ---- demonstration recorder ----
    // The frame recorder; 1 when it wrote an event.
    virtual int RecordLabState(int32_t count, const LabObject* firstObject) = 0;
    // The recorder's time-mark rule, told whether a frame was just written.
    virtual void RecordTimeMark(int frameWritten) = 0;

    // ---- titration ----
    virtual bool TitrationWindowOpen() const = 0;
    virtual void ForwardTimerToTitration(const TimerMessage& message) = 0;
    // Redraws the data window (with erase) when it is open and visible.
    virtual void InvalidateDataWindow() = 0;
    // Where collected points go: the bench's own buffer unless the program
    // sends them to its dataset.
    virtual TitrationPointSink& TitrationSink();
};
