#include "app/panes/print_loop.h"

int RunPrintLoop(int32_t textLength, PageSink& sink) {
    int pages = 0;
    int32_t first = 0;
    for (;;) {
        if (!sink.StartPage()) break;
        int32_t next = sink.FormatPage(first);
        bool ended = sink.EndPage();
        ++pages;
        if (!ended || next >= textLength || next <= first) break;
        first = next;
    }
    sink.ClearFormatCache();
    return pages;
}
