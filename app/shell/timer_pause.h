// The simulation timer's counted pause. Every modal dialog, menu, drag and
// warning box pauses the timer; pauses nest, so only the outermost end may
// restart it, and only while the simulation is running.
#pragma once

struct TimerPauseSeam {
    void (*stopTimer)(void* context);     // stops the simulation timer
    void (*restartTimer)(void* context);  // restarts it at 100 ms
    bool (*simulationRunning)(void* context);
    void* context;
};

// The bench installs its timer here; until then pauses only count.
void InstallTimerPause(const TimerPauseSeam& seam);
void RemoveTimerPause();

void BeginTimerPause();  // the first (outermost) pause stops the timer
void EndTimerPause();    // the last end restarts it when the simulation runs
int TimerPauseDepth();

// A pause for the length of a scope.
class TimerPauseScope {
public:
    TimerPauseScope() { BeginTimerPause(); }
    ~TimerPauseScope() { EndTimerPause(); }
    TimerPauseScope(const TimerPauseScope&) = delete;
    TimerPauseScope& operator=(const TimerPauseScope&) = delete;
};
