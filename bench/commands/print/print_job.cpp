#include "bench/commands/print/print_job.h"

#include <cstring>

#include "bench/commands/command_ids.h"
#include "bench/commands/command_router.h"
#include "bench/commands/print/print_options.h"
#include "bench/model/lab_objects.h"

int32_t PrintOptions = kDefaultPrintOptions;

namespace {

PrintSeams* InstalledSeams = nullptr;

void PrintBenchPage(PrintSeams& seams, std::vector<LabObject>& objects) {
    const int32_t count = static_cast<int32_t>(objects.size()) - 1;
    if (count <= 0) return;
    std::vector<PageRect> rects;
    for (int32_t i = 1; i <= count; ++i) {
        const RectI32& r = objects[i].position;
        rects.push_back({r.left, r.top, r.right, r.bottom});
    }
    if (!ScaleBenchPage(rects, 1, 1).printPage) return;
    int32_t clipWidth = 0, clipHeight = 0;
    if (!seams.StartPage(&clipWidth, &clipHeight)) return;
    const BenchPageScale scale = ScaleBenchPage(rects, clipWidth, clipHeight);
    if (scale.printPage) {
        seams.SetPageScale(scale);
        for (const PrintStep& step : BenchPrintOrder(count)) {
            if (!seams.Continuing()) break;
            seams.ShowProgress(kStrSendingObject, step.number);
            seams.PrintObject(objects, step.index);
        }
    }
    seams.EndPage();
}

void TogglePrintOptionCommand(const CommandMessage& command) {
    TogglePrintOption(PrintOptions, command.id);
}

void PrintCommand(const CommandMessage&) {
    PrintSeams* seams = CurrentPrintSeams();
    if (seams == nullptr) return;
    const int32_t count = LabObjectCount > 0 && LabObjectCount < kLabObjectArrayLength ? LabObjectCount : 0;
    std::vector<LabObject> objects(LabObjects, LabObjects + count + 1);
    RunPrintJob(PrintOptions, *seams, objects);
    // The bubbles printed are kept where the record holds them. The bench
    // and frame were disabled for the job, so each index is still its object.
    for (int32_t i = 1; i <= count && i <= LabObjectCount; ++i)
        std::memcpy(LabObjects[i].printBubbles, objects[size_t(i)].printBubbles, sizeof LabObjects[i].printBubbles);
}

}  // namespace

std::string PrintDocumentName(const std::string& title) {
    return title.empty() ? std::string("(Untitled)") : title;
}

void RunPrintJob(int32_t options, PrintSeams& seams, std::vector<LabObject>& objects) {
    if (options == 0) {
        seams.Warn(kStrNothingToPrint, kStrNothingToPrintCaption);
        return;
    }
    if (!seams.ChoosePrinter()) return;
    if (!seams.PrinterCanBitBlt()) {
        seams.DeletePrinter();
        seams.Warn(kStrNoBitmaps, kStrDeviceError);
        return;
    }
    seams.OpenAbortDialog();
    if (!seams.StartDocument(PrintDocumentName(seams.DocumentTitle()))) {
        seams.DeletePrinter();
        seams.CloseAbortDialog();
        return;
    }
    if (options & kPrintLabSpace) PrintBenchPage(seams, objects);
    for (const PanePrintStep& step : kPanePrintOrder) {
        if (!(options & step.bit)) continue;
        if (!seams.Continuing()) break;
        seams.ShowProgress(step.stringId, -1);
        seams.PrintPane(step.pane);
    }
    // A cancelled document is abandoned, never finished as well.
    if (seams.Continuing()) seams.EndDocument();
    else seams.AbortDocument();
    seams.DeletePrinter();
    seams.CloseAbortDialog();
}

PrintSeams* CurrentPrintSeams() { return InstalledSeams; }
void SetPrintSeams(PrintSeams* seams) { InstalledSeams = seams; }

void RegisterPrintCommands() {
    static const CommandEntry entries[] = {
        {kCmdPrint, PrintCommand},
        {kCmdPrintIntroduction, TogglePrintOptionCommand},
        {kCmdPrintProcedure, TogglePrintOptionCommand},
        {kCmdPrintObservations, TogglePrintOptionCommand},
        {kCmdPrintLabSpace, TogglePrintOptionCommand},
    };
    RegisterCommands(entries, static_cast<int>(sizeof entries / sizeof entries[0]));
}
