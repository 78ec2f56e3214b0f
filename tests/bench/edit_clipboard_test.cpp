// The "LABOBJECT10" block: what Copy writes, what the reader accepts, and
// what Paste adds to the bench.
#include <gtest/gtest.h>

#include <cmath>
#include <climits>
#include <cstring>
#include <limits>
#include <vector>

#include "bench/commands/command_ids.h"
#include "bench/commands/command_router.h"
#include "bench/commands/edit/clipboard_objects.h"
#include "bench/commands/edit/delete_undo.h"
#include "bench/commands/edit/edit_commands.h"
#include "bench/commands/edit/edit_seams.h"
#include "bench/commands/edit/lab_object_block.h"
#include "bench/model/bench_check.h"
#include "bench/model/bench_state.h"
#include "bench/model/bench_validate.h"
#include "bench/model/lab_objects.h"
#include "bench/model/selection.h"
#include "fake_bench_seams.h"
#include "random_bench.h"

namespace {

constexpr size_t kRecord = sizeof(LabObject);

std::vector<uint8_t> BlockOf(const std::vector<LabObject>& records, bool terminator = true) {
    std::vector<uint8_t> block((records.size() + (terminator ? 1 : 0)) * kRecord, 0);
    for (size_t k = 0; k < records.size(); ++k) std::memcpy(block.data() + k * kRecord, &records[k], kRecord);
    return block;
}

LabObject Beaker(int32_t x = 100, int32_t y = 300) {
    LabObject o = EquipmentPrototype(kBeaker, false);
    const int32_t w = o.pictureWidth, h = o.pictureHeight;
    o.position = {x, y, x + w, y + h};
    return o;
}

class RecordingEditSeams final : public EditSeams {
public:
    RecordingEditSeams() { SetEditSeams(this); }
    ~RecordingEditSeams() override { SetEditSeams(nullptr); }
    FocusedPane focus = FocusedPane::kNone;
    bool refuse = false;
    std::vector<PaneEdit> paneEdits;
    std::vector<uint8_t> clipboard;
    bool holdsBlock = false;
    RectI32 picture{};
    int selectionCleared = 0;

    FocusedPane PaneWithFocus() const override { return focus; }
    void SendToFocusedPane(PaneEdit edit) override { paneEdits.push_back(edit); }
    bool PutLabObjects(const std::vector<uint8_t>& block, const RectI32& p) override {
        if (refuse) return false;
        clipboard = block;
        holdsBlock = true;
        picture = p;
        return true;
    }
    bool ReadLabObjects(std::vector<uint8_t>* block, size_t maxLength) override {
        if (!holdsBlock) return false;
        block->assign(clipboard.begin(), clipboard.begin() + std::min(maxLength, clipboard.size()));
        return true;
    }
    void FocusBench() override {}
    void SelectionCleared() override { ++selectionCleared; }
};

class ClipboardTest : public testing::Test {
protected:
    void SetUp() override {
        ResetLabObjects();
        ObjectSelected = false;
        SelectedObject = 0;
        MultiSelection = {};
        UndoValid = false;
        DocumentModified = false;
        RegisterEditCommands();
    }
    void TearDown() override {
        ClearCommandHandlers();
        ResetLabObjects();
        ObjectSelected = false;
        SelectedObject = 0;
        MultiSelection = {};
    }
    static void Command(int id, int code = 0) { RouteCommand(CommandMessage{id, code, false}); }
    FakeBenchSeams seams;
    RecordingEditSeams edit;
};

struct ReaderCase {
    const char* name;
    std::vector<int32_t> types;  // records of the block
    bool terminator;
    size_t extraBytes;  // appended after the records (a short record, or rounding)
    LabObjectBlockError error;
    size_t records;
};

TEST(LabObjectBlockReader, ReadsWholeRecordsUpToTheTerminatorOrTheEnd) {
    const ReaderCase cases[] = {
        {"one record", {kBeaker}, true, 0, LabObjectBlockError::kNone, 1},
        {"three records", {kBeaker, kTestTube, kBuret}, true, 0, LabObjectBlockError::kNone, 3},
        {"no terminator", {kBeaker, kTestTube}, false, 0, LabObjectBlockError::kNone, 2},
        {"short last record", {kBeaker}, false, kRecord - 1, LabObjectBlockError::kNone, 1},
        {"rounded up in size", {kBeaker}, true, 4096, LabObjectBlockError::kNone, 1},
        {"type 0 first", {0, kBeaker}, true, 0, LabObjectBlockError::kEmpty, 0},
        {"type 29", {kBeaker, 29}, true, 0, LabObjectBlockError::kBadType, 0},
        {"type -1", {-1}, true, 0, LabObjectBlockError::kBadType, 0},
        {"empty", {}, false, 0, LabObjectBlockError::kEmpty, 0},
        {"less than a record", {}, false, 100, LabObjectBlockError::kEmpty, 0},
    };
    for (const ReaderCase& c : cases) {
        std::vector<LabObject> records;
        for (int32_t type : c.types) {
            LabObject o{};
            o.type = type;
            records.push_back(o);
        }
        std::vector<uint8_t> block = BlockOf(records, c.terminator);
        // Whatever follows is junk the reader must not take for a record.
        block.resize(block.size() + c.extraBytes, 0x5A);
        std::vector<LabObject> out;
        EXPECT_EQ(DecodeLabObjectBlock(block.data(), block.size(), &out), c.error) << c.name;
        EXPECT_EQ(out.size(), c.records) << c.name;
    }
}

TEST(LabObjectBlockReader, LooksNoFurtherThanAPasteCanReach) {
    std::vector<LabObject> records(size_t(kLabObjectBlockReadLimit), Beaker());
    LabObject bad{};
    bad.type = 99;
    records.push_back(bad);
    const std::vector<uint8_t> block = BlockOf(records, false);
    std::vector<LabObject> out;
    EXPECT_EQ(DecodeLabObjectBlock(block.data(), block.size(), &out), LabObjectBlockError::kNone);
    EXPECT_EQ(out.size(), size_t(kLabObjectBlockReadLimit));
}

TEST_F(ClipboardTest, PastedRecordsAreMadeSafe) {
    LabObject o = Beaker(50, 60);
    o.liquidVolume = std::numeric_limits<double>::quiet_NaN();
    o.solidVolume = -3;
    o.temperature = std::numeric_limits<float>::infinity();
    o.slots[1].grams = std::numeric_limits<double>::infinity();
    o.slots[1].kelvin = 5000;
    std::memset(o.note, 'x', sizeof o.note);
    o.groupMemberCount = 3;
    o.nextGroupMember = 7;
    o.groupRect = {1, 2, 3, 4};
    o.host = 5;
    o.hostedItem = 6;
    o.pourTarget = 9;
    o.collectTitration = 1;
    o.objectFlags = kObjDipped | kObjHeldInCentrifuge | kObjHidden | kObjLightOn;
    o.pictureWidth = 1 << 30;  // a head from outside is never believed
    seams.logicalPerDevice = 2;
    ASSERT_EQ(PasteLabObjects({o}), 1);
    const LabObject& p = LabObjects[1];
    EXPECT_EQ(p.liquidVolume, 0.0);
    EXPECT_EQ(p.solidVolume, 0.0);
    EXPECT_FLOAT_EQ(p.temperature, 293.0f);
    EXPECT_EQ(p.slots[1].grams, 0.0);
    EXPECT_DOUBLE_EQ(p.slots[1].kelvin, double{kMaxKelvin});
    EXPECT_EQ(p.note[sizeof p.note - 1], '\0');
    EXPECT_EQ(p.groupMemberCount, 0);
    EXPECT_EQ(p.nextGroupMember, 0);
    EXPECT_EQ(p.groupRect.right, 0);
    EXPECT_EQ(p.host, 0);
    EXPECT_EQ(p.hostedItem, 0);
    EXPECT_EQ(p.pourTarget, 0);
    EXPECT_EQ(p.collectTitration, 0);
    EXPECT_EQ(p.objectFlags, uint32_t{kObjLightOn});
    EXPECT_EQ(p.pictureWidth, EquipmentPrototype(kBeaker, false).pictureWidth);
    EXPECT_EQ(p.position.left, 100);  // device to logical
    EXPECT_EQ(p.position.top, 120);
    EXPECT_EQ(p.position.right, 100 + p.pictureWidth);
    EXPECT_TRUE(DocumentModified);
    EXPECT_TRUE(CheckBench(LabObjects, LabObjectCount));
}

TEST_F(ClipboardTest, HugePositionsAreClamped) {
    LabObject o = Beaker();
    o.position = {INT32_MAX, INT32_MIN, INT32_MAX, INT32_MIN};
    ASSERT_EQ(PasteLabObjects({o}), 1);
    EXPECT_EQ(LabObjects[1].position.left, 1 << 24);
    EXPECT_EQ(LabObjects[1].position.top, -(1 << 24));
    EXPECT_GT(LabObjects[1].position.right, LabObjects[1].position.left - 1);
}

// The clipboard is a reader like the lab file: the same bounds for amounts,
// denormals and counters, so a pasted block can do no more harm than a file.
TEST_F(ClipboardTest, PastedAmountsAndCountersKeepToWhatABenchHolds) {
    LabObject o = Beaker();
    o.slots[0] = ComponentSlot{kCasWater, kPhaseLiquid, 1e300, 293, {}, 0, {}};
    o.slots[2] = ComponentSlot{7647145, kPhaseSolid, 4.9e-320, 293, {}, 0, {}};
    o.liquidVolume = 1e40;
    o.solidVolume = 1.7e308;
    o.thermalMass = 3e38f;
    o.stopwatchCount = INT32_MIN;
    o.reading2 = -1e300;
    ASSERT_EQ(PasteLabObjects({o}), 1);
    const LabObject& p = LabObjects[1];
    EXPECT_EQ(p.slots[0].grams, kMostSlotGrams);
    EXPECT_EQ(p.slots[2].grams, 0) << "a denormal is 0";
    EXPECT_EQ(p.liquidVolume, kMostLiquidTenths);
    EXPECT_EQ(p.solidVolume, kMostSolidMl);
    EXPECT_LE(p.thermalMass, kMostSlotGrams);
    EXPECT_EQ(p.stopwatchCount, 0);
    EXPECT_EQ(p.reading2, -kMostReading);
    EXPECT_EQ(ValidateBench(LabObjects, LabObjectCount), "");
}

TEST_F(ClipboardTest, PasteStopsAtFortyNineAndSendsBalancesToTheBack) {
    for (int32_t i = 1; i <= 48; ++i) scenario::Place(kTestTube, 10 * i, 300);
    LabObject balance = EquipmentPrototype(kElectronicBalance, false);
    balance.position = {0, 0, balance.pictureWidth, balance.pictureHeight};
    edit.clipboard = BlockOf({balance, Beaker(), Beaker()});
    edit.holdsBlock = true;
    Command(kCmdPaste);
    EXPECT_EQ(LabObjectCount, 49);
    EXPECT_EQ(LabObjects[1].type, kElectronicBalance);
    EXPECT_EQ(LabObjects[50].type, 0);
    EXPECT_TRUE(edit.holdsBlock);  // the clipboard keeps the block
}

TEST_F(ClipboardTest, ABadBlockPastesNothing) {
    scenario::Place(kBeaker, 10, 300);
    LabObject bad = Beaker();
    bad.type = 29;
    edit.clipboard = BlockOf({Beaker(), bad});
    edit.holdsBlock = true;
    UndoValid = true;
    Command(kCmdPaste);
    EXPECT_EQ(LabObjectCount, 1);
    EXPECT_TRUE(UndoValid);
    EXPECT_FALSE(DocumentModified);
}

TEST_F(ClipboardTest, CopyThenPasteMakesAnEqualObjectAtTheSamePlace) {
    LabObject o = Beaker(120, 200);
    scenario::AddWater(o, 40);
    o.liquidColour[2] = 200;
    scenario::Place(o);
    ObjectSelected = true;
    SelectedObject = 1;
    seams.logicalPerDevice = 2;  // device = logical / 2
    Command(kCmdCopy);
    ASSERT_EQ(edit.clipboard.size(), 2 * kRecord);
    LabObject stored;
    std::memcpy(&stored, edit.clipboard.data(), kRecord);
    EXPECT_EQ(stored.position.left, 60);
    EXPECT_EQ(stored.position.top, 100);
    EXPECT_EQ(edit.picture.left, 120);
    EXPECT_EQ(edit.picture.right, 120 + o.pictureWidth);
    EXPECT_EQ(edit.picture.bottom, 200 + o.pictureHeight);
    for (size_t b = kRecord; b < 2 * kRecord; ++b) ASSERT_EQ(edit.clipboard[b], 0);
    EXPECT_FALSE(DocumentModified);

    Command(kCmdPaste);
    ASSERT_EQ(LabObjectCount, 2);
    EXPECT_EQ(std::memcmp(&LabObjects[1], &LabObjects[2], kRecord), 0);
    EXPECT_EQ(SelectedObject, 1);  // the selection stays
}

TEST_F(ClipboardTest, CutDeletesOnlyWhatItsCopyPutOnTheClipboard) {
    scenario::Place(kBeaker, 10, 300);
    ObjectSelected = true;
    SelectedObject = 1;
    edit.refuse = true;
    Command(kCmdCut);
    EXPECT_EQ(LabObjectCount, 1);
    edit.refuse = false;
    edit.focus = FocusedPane::kProcedure;  // Copy copies the pane's text
    Command(kCmdCut);
    EXPECT_EQ(LabObjectCount, 1);
    EXPECT_EQ(edit.paneEdits, std::vector<PaneEdit>{PaneEdit::kCopy});
    edit.focus = FocusedPane::kNone;
    Command(kCmdCut);
    EXPECT_EQ(LabObjectCount, 0);
    EXPECT_TRUE(UndoValid);
    EXPECT_EQ(edit.clipboard.size(), 2 * kRecord);
}

TEST_F(ClipboardTest, ObservationsTakesTheEditsThatAreItsOwn) {
    scenario::Place(kBeaker, 10, 300);
    ObjectSelected = true;
    SelectedObject = 1;
    edit.focus = FocusedPane::kObservations;
    edit.clipboard = BlockOf({Beaker()});
    edit.holdsBlock = true;
    Command(kCmdCut);
    Command(kCmdPaste, 0);
    Command(kCmdDelete);
    Command(kCmdCopy);
    EXPECT_EQ(edit.paneEdits,
              (std::vector<PaneEdit>{PaneEdit::kCut, PaneEdit::kPaste, PaneEdit::kClear, PaneEdit::kCopy}));
    EXPECT_EQ(LabObjectCount, 1);
    Command(kCmdPaste, 1);  // an accelerator pastes objects
    EXPECT_EQ(LabObjectCount, 2);
}

TEST_F(ClipboardTest, MultiSelectionOfThreeCopiedPastedDeletedAndUndone) {
    for (int32_t i = 1; i <= 4; ++i) {
        LabObject o = Beaker(40 * i, 300);
        random_bench::Tag(o, i);
        scenario::Place(o);
    }
    MultiSelection.active = true;
    MultiSelection.memberCount = 3;
    MultiSelection.members[0] = 4;
    MultiSelection.members[1] = 2;
    MultiSelection.members[2] = 3;
    MultiSelection.bounds = {80, 300, 400, 600};
    Command(kCmdCopy);
    ASSERT_EQ(edit.clipboard.size(), 4 * kRecord);
    EXPECT_EQ(edit.picture.left, 80);
    Command(kCmdPaste);
    ASSERT_EQ(LabObjectCount, 7);
    EXPECT_EQ(random_bench::TagOf(LabObjects[5]), 4);
    EXPECT_EQ(random_bench::TagOf(LabObjects[7]), 3);
    MultiSelection.memberCount = 3;
    MultiSelection.members[0] = 5;
    MultiSelection.members[1] = 6;
    MultiSelection.members[2] = 7;
    Command(kCmdDelete);
    EXPECT_EQ(LabObjectCount, 4);
    Command(kCmdUndo);
    EXPECT_EQ(LabObjectCount, 7);
    EXPECT_TRUE(CheckBench(LabObjects, LabObjectCount));
    Command(kCmdUndo);
    EXPECT_EQ(LabObjectCount, 7);
}

}  // namespace
