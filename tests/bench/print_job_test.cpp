// The print job's flow over a recording printer: what is sent, in which
// order, and that every way out leaves the windows usable.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bench/commands/command_ids.h"
#include "bench/commands/command_router.h"
#include "bench/commands/print/print_job.h"
#include "bench/commands/print/print_options.h"
#include "bench/model/lab_objects.h"

namespace {

class RecordingPrinter : public PrintSeams {
public:
    bool choose = true, bitBlt = true, startDoc = true;
    int cancelAfterObjects = -1;  // Cancel pressed once this many are sent
    std::string title;
    std::vector<std::string> log;
    int objectsSent = 0;
    bool windowsDisabled = false, dialogOpen = false, printerOpen = false;
    BenchPageScale scale;

    void Warn(int text, int caption) override { Add("warn " + std::to_string(text) + "/" + std::to_string(caption)); }
    bool ChoosePrinter() override { printerOpen = choose; return choose; }
    bool PrinterCanBitBlt() override { return bitBlt; }
    void DeletePrinter() override { printerOpen = false; Add("delete"); }
    void OpenAbortDialog() override { windowsDisabled = dialogOpen = true; Add("open"); }
    void CloseAbortDialog() override { windowsDisabled = dialogOpen = false; Add("close"); }
    std::string DocumentTitle() override { return title; }
    bool StartDocument(const std::string& name) override { Add("doc " + name); return startDoc; }
    bool Continuing() override { return cancelAfterObjects < 0 || objectsSent < cancelAfterObjects; }
    void ShowProgress(int id, int32_t n) override { Add("progress " + std::to_string(id) + " " + std::to_string(n)); }
    bool StartPage(int32_t* w, int32_t* h) override { *w = 4000; *h = 5000; Add("page"); return true; }
    void SetPageScale(const BenchPageScale& s) override { scale = s; }
    void PrintObject(std::vector<LabObject>& objects, int32_t i) override {
        ++objectsSent;
        Add("object " + std::to_string(i));
        objects[size_t(i)].printBubbles[0] = {i, 7};  // as the drawing places a bubble
    }
    void EndPage() override { Add("endpage"); }
    void PrintPane(int32_t pane) override { Add("pane " + std::to_string(pane)); }
    void AbortDocument() override { Add("abort"); }
    void EndDocument() override { Add("enddoc"); }

private:
    void Add(const std::string& s) { log.push_back(s); }
};

std::vector<LabObject> Bench(int count) {
    std::vector<LabObject> objects(count + 1);
    for (int i = 1; i <= count; ++i) objects[i].position = {i * 100, 50, i * 100 + 80, 150};
    return objects;
}

using Log = std::vector<std::string>;

TEST(PrintJob, DefaultOptionsSendTheBenchLastObjectFirstThenObservations) {
    RecordingPrinter p;
    std::vector<LabObject> bench = Bench(2);
    RunPrintJob(kDefaultPrintOptions, p, bench);
    EXPECT_EQ(p.log, (Log{"open", "doc (Untitled)", "page", "progress 594 0", "object 2",
                          "progress 594 1", "object 1", "endpage", "progress 597 -1", "pane 2",
                          "enddoc", "delete", "close"}));
    EXPECT_EQ(p.scale.windowExtent, 280);  // the box from the origin, wider than tall
    EXPECT_FALSE(p.windowsDisabled);
    EXPECT_FALSE(p.printerOpen);
}

TEST(PrintJob, PanesGoInOrderAndThePageOnlyWithObjectsAndItsBit) {
    struct Case { int32_t options; int count; Log expected; };
    const Case cases[] = {
        {kPrintIntroduction | kPrintProcedure | kPrintObservations, 2,
         {"open", "doc Acids", "progress 595 -1", "pane 0", "progress 596 -1", "pane 1",
          "progress 597 -1", "pane 2", "enddoc", "delete", "close"}},
        {kPrintLabSpace, 0, {"open", "doc Acids", "enddoc", "delete", "close"}},
        {kPrintLabSpace | kPrintProcedure, 1,
         {"open", "doc Acids", "page", "progress 594 0", "object 1", "endpage",
          "progress 596 -1", "pane 1", "enddoc", "delete", "close"}},
    };
    for (const Case& c : cases) {
        RecordingPrinter p;
        p.title = "Acids";
        std::vector<LabObject> bench = Bench(c.count);
        RunPrintJob(c.options, p, bench);
        EXPECT_EQ(p.log, c.expected) << c.options;
    }
}

TEST(PrintJob, EmptyBoundsPrintNoPage) {
    RecordingPrinter p;
    std::vector<LabObject> objects(2);  // one object with an empty rectangle at the origin
    RunPrintJob(kPrintLabSpace, p, objects);
    EXPECT_EQ(p.log, (Log{"open", "doc (Untitled)", "enddoc", "delete", "close"}));
}

TEST(PrintJob, EveryWayOutLeavesTheWindowsEnabled) {
    {
        RecordingPrinter p;  // no options: the box alone
        std::vector<LabObject> bench = Bench(2);
        RunPrintJob(0, p, bench);
        EXPECT_EQ(p.log, (Log{"warn 590/591"}));
    }
    {
        RecordingPrinter p;  // the print dialog cancelled
        p.choose = false;
        std::vector<LabObject> bench = Bench(2);
        RunPrintJob(12, p, bench);
        EXPECT_TRUE(p.log.empty());
    }
    {
        RecordingPrinter p;  // a printer that cannot take bitmaps
        p.bitBlt = false;
        std::vector<LabObject> bench = Bench(2);
        RunPrintJob(12, p, bench);
        EXPECT_EQ(p.log, (Log{"delete", "warn 592/593"}));
    }
    {
        RecordingPrinter p;  // the document refused
        p.startDoc = false;
        std::vector<LabObject> bench = Bench(2);
        RunPrintJob(12, p, bench);
        EXPECT_EQ(p.log, (Log{"open", "doc (Untitled)", "delete", "close"}));
        EXPECT_FALSE(p.windowsDisabled);
        EXPECT_FALSE(p.dialogOpen);
    }
}

TEST(PrintJob, CancelDuringTheBenchPageSendsNoPaneAndAborts) {
    RecordingPrinter p;
    p.cancelAfterObjects = 1;
    std::vector<LabObject> bench = Bench(3);
    RunPrintJob(15, p, bench);
    EXPECT_EQ(p.log, (Log{"open", "doc (Untitled)", "page", "progress 594 0", "object 3",
                          "endpage", "abort", "delete", "close"}));
    EXPECT_FALSE(p.windowsDisabled);
    EXPECT_FALSE(p.dialogOpen);
}

TEST(PrintJob, OptionCommandsToggleTheKeptOptions) {
    ClearCommandHandlers();
    RegisterPrintCommands();
    PrintOptions = kDefaultPrintOptions;
    EXPECT_TRUE(RouteCommand({kCmdPrintIntroduction, 0, false}));
    EXPECT_TRUE(RouteCommand({kCmdPrintLabSpace, 0, false}));
    EXPECT_EQ(PrintOptions, kPrintIntroduction | kPrintObservations);
    RecordingPrinter p;
    p.choose = false;
    SetPrintSeams(&p);
    PrintOptions = 0;
    EXPECT_TRUE(RouteCommand({9, 1, false}));  // the old accelerator id
    EXPECT_EQ(p.log, (Log{"warn 590/591"}));
    SetPrintSeams(nullptr);
    PrintOptions = kDefaultPrintOptions;
    ClearCommandHandlers();
}

// The job prints a copy of the bench; the bubble places it printed are
// kept in the bench's own records.
TEST(PrintJob, ThePrintCommandKeepsThePrintedBubblePlacesInTheBench) {
    ClearCommandHandlers();
    RegisterPrintCommands();
    ResetLabObjects();
    LabObjectCount = 2;
    for (int i = 1; i <= 2; ++i) LabObjects[i].position = {i * 100, 50, i * 100 + 80, 150};
    RecordingPrinter p;
    SetPrintSeams(&p);
    PrintOptions = kPrintLabSpace;
    EXPECT_TRUE(RouteCommand({kCmdPrint, 0, false}));
    EXPECT_EQ(p.objectsSent, 2);
    for (int32_t i = 1; i <= 2; ++i) {
        EXPECT_EQ(LabObjects[i].printBubbles[0].x, i);
        EXPECT_EQ(LabObjects[i].printBubbles[0].y, 7);
    }
    SetPrintSeams(nullptr);
    PrintOptions = kDefaultPrintOptions;
    ResetLabObjects();
    ClearCommandHandlers();
}

}  // namespace
