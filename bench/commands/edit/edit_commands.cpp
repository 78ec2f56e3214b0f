#include "bench/commands/edit/edit_commands.h"

#include <string>
#include <vector>

#include "bench/commands/command_ids.h"
#include "bench/commands/edit/clipboard_objects.h"
#include "bench/commands/edit/delete_undo.h"
#include "bench/commands/edit/edit_seams.h"
#include "bench/commands/edit/lab_object_block.h"
#include "bench/model/lab_objects.h"
#include "bench/window/bench_seams.h"

namespace {

constexpr int32_t kStringDeleteEquipment = 672;
constexpr int32_t kStringMissingComment = 714;
constexpr int32_t kDemoCategoryProcedure = 1;
constexpr int kFromMenu = 0;

class QuietEditSeams final : public EditSeams {
public:
    FocusedPane PaneWithFocus() const override { return FocusedPane::kNone; }
    void SendToFocusedPane(PaneEdit) override {}
    bool PutLabObjects(const std::vector<uint8_t>&, const RectI32&) override { return false; }
    bool ReadLabObjects(std::vector<uint8_t>*, size_t) override { return false; }
    void FocusBench() override {}
    void SelectionCleared() override {}
};

QuietEditSeams quiet;
EditSeams* current = &quiet;

void RecordDeleteComment() {
    BenchSeams& seams = CurrentBenchSeams();
    if (!seams.DemoRecording()) return;
    std::string text;
    if (!seams.LoadResString(kStringDeleteEquipment, &text) && !seams.LoadResString(kStringMissingComment, &text))
        text = "Missing Comment";
    seams.RecordComment(text, kDemoCategoryProcedure);
}

void OnDelete(const CommandMessage&) {
    EditSeams& edit = CurrentEditSeams();
    if (edit.PaneWithFocus() == FocusedPane::kObservations) {
        edit.SendToFocusedPane(PaneEdit::kClear);
    } else {
        switch (DeleteSelectedObjects()) {
        case DeleteOutcome::kRefusedGroupMember:
            edit.FocusBench();
            return;
        case DeleteOutcome::kDeleted:
            edit.SelectionCleared();
            break;
        case DeleteOutcome::kNothingSelected:
            break;
        }
    }
    RecordDeleteComment();
}

void OnCopy(const CommandMessage& command) { CopyCommand(command); }

void OnCut(const CommandMessage&) {
    EditSeams& edit = CurrentEditSeams();
    if (edit.PaneWithFocus() == FocusedPane::kObservations) {
        edit.SendToFocusedPane(PaneEdit::kCut);
        return;
    }
    // Only what went onto the clipboard as lab objects is deleted.
    if (CopyCommand(CommandMessage{kCmdCopy, kFromMenu, false})) OnDelete(CommandMessage{kCmdDelete, kFromMenu, false});
}

void OnPaste(const CommandMessage& command) {
    EditSeams& edit = CurrentEditSeams();
    if (edit.PaneWithFocus() == FocusedPane::kObservations && command.notifyCode == kFromMenu) {
        edit.SendToFocusedPane(PaneEdit::kPaste);
        return;
    }
    std::vector<uint8_t> block;
    if (!edit.ReadLabObjects(&block, size_t(kLabObjectBlockReadLimit) * kLabObjectBlockRecordBytes)) return;
    std::vector<LabObject> records;
    if (DecodeLabObjectBlock(block.data(), block.size(), &records) != LabObjectBlockError::kNone) return;
    PasteLabObjects(records);
}

void OnUndo(const CommandMessage&) {
    if (UndoDelete()) CurrentEditSeams().SelectionCleared();
}

}  // namespace

EditSeams& CurrentEditSeams() { return *current; }
void SetEditSeams(EditSeams* seams) { current = seams ? seams : &quiet; }

bool CopyCommand(const CommandMessage&) {
    EditSeams& edit = CurrentEditSeams();
    if (edit.PaneWithFocus() != FocusedPane::kNone) {
        edit.SendToFocusedPane(PaneEdit::kCopy);
        return false;
    }
    CopySource source;
    if (!SelectionToCopy(&source)) return false;
    const std::vector<uint8_t> block =
        EncodeLabObjectBlock(LabObjects, source.indices.data(), int32_t(source.indices.size()));
    return edit.PutLabObjects(block, source.picture);
}

void RegisterEditCommands() {
    const CommandEntry entries[] = {
        {kCmdUndo, OnUndo}, {kCmdCut, OnCut}, {kCmdCopy, OnCopy}, {kCmdPaste, OnPaste}, {kCmdDelete, OnDelete},
    };
    RegisterCommands(entries, int(sizeof entries / sizeof entries[0]));
}
