// The page loop of printing a text pane: one page per pass, each pass
// continuing from the character where the last one stopped.
#pragma once
#include <cstdint>

struct PageSink {
    virtual ~PageSink() = default;
    virtual bool StartPage() = 0;
    // Renders from character first; returns the first character not printed.
    virtual int32_t FormatPage(int32_t first) = 0;
    virtual bool EndPage() = 0;
    virtual void ClearFormatCache() = 0;
};

// Prints characters 0..textLength; returns the pages printed. A pass that
// makes no progress ends the loop, so it can never spin.
int RunPrintLoop(int32_t textLength, PageSink& sink);
