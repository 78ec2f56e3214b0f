// The Lab Properties, Add Indicators and PDB Files pages' decisions: the
// style boxes, the spectrophotometer points and their copy, indicator ids and
// their style bit and checks, and the molecule file a chemical carries.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "common/component_slot.h"
#include "wizard/indicators/indicator_edits.h"
#include "wizard/lab_options/lab_property_boxes.h"
#include "wizard/lab_options/spectro_points.h"
#include "wizard/molecule_files/molecule_attachments.h"

namespace {

using namespace parvell;

TEST(LabPropertyBoxes, EachBoxOwnsItsBitAndNoOther) {
    int32_t all = 0;
    for (int i = 0; i < kLabPropertyBoxCount; ++i) all |= LabPropertyBoxes()[i].styleBit;
    EXPECT_EQ(all, 0x1 | 0x4 | 0x10 | 0x40 | 0x100 | 0x200 | 0x800 | 0x8000);
    struct Case {
        int32_t style, checked, after;
    } cases[] = {
        {0x8, 0, 0x8},
        {0x8 | 0x2 | 0x4000, 0x1 | 0x200, 0x8 | 0x2 | 0x4000 | 0x1 | 0x200},
        {0x8 | 0x1 | 0x10 | 0x8000, 0x10, 0x8 | 0x10},
        {0x8, 0x2 | 0x4000, 0x8},  // not the page's bits to set
    };
    for (const Case& c : cases) EXPECT_EQ(ApplyLabPropertyBoxes(c.style, c.checked), c.after) << std::hex << c.style;
}

SpectroPoint Point(CasNumber cas, int32_t nm, double k) {
    SpectroPoint p{};
    p.cas = cas;
    p.wavelength = nm;
    p.absorptivity = k;
    return p;
}

std::vector<int32_t> Wavelengths(const UdlLab& lab) {
    std::vector<int32_t> out;
    for (const SpectroPoint& p : lab.spectroPoints) out.push_back(p.wavelength);
    return out;
}

TEST(SpectroPoints, AddUpdateRemoveAndCancelRestoresTheCopy) {
    UdlLab lab;
    EXPECT_EQ(AddSpectroPoint(lab, Point(0, 500, 1)), -1) << "a point needs a chemical";
    EXPECT_EQ(CheckSpectroPoint(Point(0, 500, 1)), kStringSpectroNeedsChemical);
    for (int32_t nm : {400, 500, 600}) AddSpectroPoint(lab, Point(7758987, nm, 2.5));
    EXPECT_EQ(lab.header.spectroPointCount, 3);
    const std::vector<SpectroPoint> copy = lab.spectroPoints;

    lab.spectroPoints[1].reserved4[0] = 9;
    EXPECT_TRUE(UpdateSpectroPoint(lab, 1, Point(7758987, 550, 3.5)));
    EXPECT_EQ(lab.spectroPoints[1].absorptivity, 3.5);
    EXPECT_EQ(lab.spectroPoints[1].reserved4[0], 9) << "only the three fields change";
    EXPECT_FALSE(UpdateSpectroPoint(lab, 1, Point(0, 550, 3.5)));
    EXPECT_FALSE(UpdateSpectroPoint(lab, 3, Point(1, 550, 3.5)));

    struct Case {
        int index;
        int selectAfter;
        std::vector<int32_t> left;
    } removals[] = {
        {5, -1, {400, 550, 600}}, {2, 1, {400, 550}}, {0, 0, {550}}, {0, -1, {}}, {0, -1, {}},
    };
    for (const Case& c : removals) {
        EXPECT_EQ(RemoveSpectroPoint(lab, c.index), c.selectAfter) << c.index;
        EXPECT_EQ(Wavelengths(lab), c.left);
        EXPECT_EQ(lab.header.spectroPointCount, int32_t(c.left.size()));
    }
    RestoreSpectroPoints(lab, copy);
    EXPECT_EQ(Wavelengths(lab), (std::vector<int32_t>{400, 500, 600}));
    EXPECT_EQ(lab.header.spectroPointCount, 3);
}

TEST(SpectroPoints, TextsAndTypedWavelengths) {
    EXPECT_EQ(WavelengthText(Point(1, 525, 0)), "525 nm");
    EXPECT_EQ(AbsorptivityText(Point(1, 0, 12.5)), "12.500000");
    EXPECT_LT(AbsorptivityText(Point(1, 0, 1e300)).size(), 20u);
    struct Typed {
        const char* text;
        int32_t nm;
    } typed[] = {{"525", 525}, {" 640 ", 640}, {"", 0}, {"red", 0}, {"12.5", 0}, {"-3", 0}, {"99999999999", 0}};
    for (const Typed& t : typed) EXPECT_EQ(ParseWavelength(t.text), t.nm) << t.text;
}

IndicatorRecord WithId(int32_t id) {
    IndicatorRecord r{};
    r.id = id;
    return r;
}

TEST(Indicators, IdsFromTenThousandOneHundredAndNonePastTwentyFiveThousand) {
    struct Case {
        std::vector<int32_t> taken;
        int32_t next;
    } cases[] = {
        {{}, 10100},
        {{10100, 10101}, 10102},
        {{10101}, 10100},
        {{10100, 10102, 5, 30000}, 10101},
    };
    for (const Case& c : cases) {
        std::vector<IndicatorRecord> list;
        for (int32_t id : c.taken) list.push_back(WithId(id));
        EXPECT_EQ(NextIndicatorId(list), c.next);
    }
    std::vector<IndicatorRecord> full;
    for (int32_t id = kFirstIndicatorId; id <= kLastIndicatorId; ++id) full.push_back(WithId(id));
    EXPECT_EQ(NextIndicatorId(full), 0);
    full.pop_back();
    EXPECT_EQ(NextIndicatorId(full), 25000);

    UdlLab lab;
    lab.indicators = full;
    ASSERT_TRUE(AddIndicator(lab, IndicatorRecord{}));
    EXPECT_EQ(lab.indicators.back().id, 25000);
    const size_t count = lab.indicators.size();
    EXPECT_FALSE(AddIndicator(lab, IndicatorRecord{}));
    EXPECT_EQ(lab.indicators.size(), count);
}

TEST(Indicators, TheFirstSetsTheStyleBitAndDeletingTheOnlyOneClearsIt) {
    UdlLab lab;
    lab.header.labStyle = 0x8 | 0x1;
    ASSERT_TRUE(AddIndicator(lab, WithId(777)));
    EXPECT_EQ(lab.indicators[0].id, 10100) << "the id is the lab's to give";
    EXPECT_EQ(lab.header.labStyle, 0x8 | 0x1 | 0x2);
    EXPECT_EQ(lab.header.indicatorCount, 1);
    ASSERT_TRUE(AddIndicator(lab, IndicatorRecord{}));
    ASSERT_TRUE(DeleteIndicator(lab, 0));
    EXPECT_EQ(lab.header.labStyle & 0x2, 0x2);
    EXPECT_EQ(lab.indicators[0].id, 10101);
    ASSERT_TRUE(DeleteIndicator(lab, 0));
    EXPECT_EQ(lab.header.labStyle, 0x8 | 0x1);
    EXPECT_EQ(lab.header.indicatorCount, 0);
    EXPECT_FALSE(DeleteIndicator(lab, 0));

    // A style that disagrees with the list is put right.
    lab.header.labStyle |= 0x2;
    SyncIndicatorStyle(lab);
    EXPECT_EQ(lab.header.labStyle, 0x8 | 0x1);
}

std::vector<ChemicalRecord> IndicatorChemicals() {
    ChemicalRecord solid{};
    solid.cas = 77098;  // phenolphthalein
    solid.state = kKindSolid;
    ChemicalRecord ion{};
    ion.cas = 12385136;
    ion.state = kKindIon;
    return {solid, ion};
}

TEST(Indicators, DialogChecksInOrderAndStoresThePhaseAndColours) {
    struct Case {
        CasNumber cas;
        double low, high;
        int refusal;
    } cases[] = {
        {0, 0, 0, kStringIndicatorNeedsChemical},
        {4242, 1, 1, kStringIndicatorNeedsChemical},  // not one of the lab's
        {77098, 0, 0, kStringInvalidLowerValue},
        {77098, 8.2, -1, kStringInvalidHigherValue},
        {77098, 8.2, 10, 0},
    };
    for (const Case& c : cases) {
        IndicatorRecord r = WithId(10100);
        const IndicatorRecord before = r;
        IndicatorChoices choices;
        choices.cas = c.cas, choices.low = c.low, choices.high = c.high;
        EXPECT_EQ(ApplyIndicatorChoices(choices, IndicatorChemicals(), r), c.refusal) << c.cas << " " << c.low;
        if (c.refusal) EXPECT_EQ(memcmp(&r, &before, sizeof r), 0);
    }

    IndicatorRecord r = WithId(10105);
    IndicatorChoices choices;
    choices.name = std::string(60, 'p');
    choices.description = std::string(150, 'd');
    choices.cas = 77098, choices.inSolution = true, choices.measuresPh = true;
    choices.low = 8.2, choices.lowColour = 0xFFFFFF, choices.high = 10, choices.highColour = 0xFF00FF;
    ASSERT_EQ(ApplyIndicatorChoices(choices, IndicatorChemicals(), r), 0);
    EXPECT_EQ(r.id, 10105);
    EXPECT_EQ(std::string(r.name), std::string(34, 'p'));
    EXPECT_EQ(std::string(r.description), std::string(99, 'd'));
    EXPECT_EQ(r.phase, uint32_t(kPhaseDissolved)) << "a solid in solution";
    EXPECT_EQ(r.mode, kIndicatorByPh);
    EXPECT_EQ(r.highColour[0], 255);
    EXPECT_EQ(r.highColour[1], 0);
    EXPECT_EQ(r.fixedColourMark, 0);
    EXPECT_EQ(r.fixedColour[1], 255) << "white without an initial colour";
    IndicatorChoices back = ChoicesOf(r, IndicatorChemicals());
    EXPECT_TRUE(back.inSolution);
    EXPECT_TRUE(back.measuresPh);

    choices.cas = 12385136, choices.inSolution = true, choices.measuresPh = false;
    choices.initialColour = true, choices.fixedColour = 0x0000FF;
    ASSERT_EQ(ApplyIndicatorChoices(choices, IndicatorChemicals(), r), 0);
    EXPECT_EQ(r.phase, uint32_t(kKindIon)) << "only a solid is stored dissolved";
    EXPECT_EQ(r.mode, kIndicatorByConcentration);
    EXPECT_EQ(r.fixedColourMark, -1);
    EXPECT_EQ(r.fixedColour[0], 255);
    EXPECT_EQ(r.fixedColour[1], 0);
    EXPECT_FALSE(ChoicesOf(r, IndicatorChemicals()).inSolution);

    // A solution of an ion is followed as ions in solution.
    std::vector<ChemicalRecord> chemicals = IndicatorChemicals();
    for (ChemicalRecord& c : chemicals)
        if (c.cas == 12385136) c.state = kKindSolution | kKindIon;
    choices.cas = 12385136, choices.inSolution = false;
    ASSERT_EQ(ApplyIndicatorChoices(choices, chemicals, r), 0);
    EXPECT_EQ(r.phase, uint32_t(kPhaseSecondLiquid));
}

TEST(Indicators, ANewIndicatorOpensWithWhiteColours) {
    // Colours left as the dialog shows them give a clear liquid, never black.
    const IndicatorChoices c = ChoicesOf(NewIndicatorRecord(), IndicatorChemicals());
    EXPECT_EQ(c.lowColour, 0xFFFFFFu);
    EXPECT_EQ(c.highColour, 0xFFFFFFu);
    EXPECT_FALSE(c.initialColour);
    EXPECT_EQ(c.fixedColour, 0xFFFFFFu);
}

TEST(MoleculeFiles, OneFilePerChemicalReplacedNeverDoubled) {
    UdlLab lab;
    EXPECT_EQ(AttachMoleculeFile(lab, 7732185, "C:\\pdb\\water.pdb"), AttachResult::kAttached);
    EXPECT_EQ(AttachMoleculeFile(lab, 64175, "C:\\pdb\\ethanol.pdb"), AttachResult::kAttached);
    EXPECT_EQ(lab.header.attachmentCount, 2);
    lab.moleculeFiles[0].bytes = {'A', 'T', 'O', 'M'};
    lab.moleculeFiles[0].record.fileSize = 4;

    EXPECT_EQ(AttachMoleculeFile(lab, 7732185, "c:\\PDB\\Water.pdb"), AttachResult::kUnchanged);
    EXPECT_EQ(lab.moleculeFiles[0].bytes.size(), 4u) << "the same file keeps the bytes the lab holds";
    EXPECT_EQ(AttachMoleculeFile(lab, 7732185, "D:\\models\\h2o.pdb"), AttachResult::kReplaced);
    ASSERT_EQ(lab.moleculeFiles.size(), 2u);
    EXPECT_EQ(AttachedFileName(lab, 7732185), "h2o.pdb");
    EXPECT_TRUE(lab.moleculeFiles[0].bytes.empty()) << "another file's bytes are not kept under its name";
    EXPECT_EQ(lab.moleculeFiles[0].record.fileSize, 0);
    EXPECT_EQ(AttachedFileName(lab, 1), "");

    for (const char* unsafe : {"C:\\pdb\\chemical.cdb", "C:\\pdb\\CON.pdb", "C:\\pdb\\lab.UDL-BREVANE",
                               "C:\\pdb\\trailing.", "C:\\pdb\\", ""}) {
        EXPECT_EQ(AttachMoleculeFile(lab, 64175, unsafe), AttachResult::kUnsafeName) << unsafe;
    }
    EXPECT_EQ(AttachMoleculeFile(lab, 64175, "C:\\" + std::string(300, 'p') + ".pdb"), AttachResult::kUnsafeName);
    EXPECT_EQ(AttachedFileName(lab, 64175), "ethanol.pdb");

    lab.moleculeFiles.push_back(lab.moleculeFiles[0]);  // a second one, as a file may carry
    lab.header.attachmentCount = 3;
    ASSERT_TRUE(ClearMoleculeFile(lab, 7732185));
    ASSERT_EQ(lab.moleculeFiles.size(), 2u);
    EXPECT_EQ(lab.moleculeFiles[0].record.cas, 64175u) << "the gap is closed";
    EXPECT_EQ(lab.header.attachmentCount, 2);
    EXPECT_TRUE(ClearMoleculeFile(lab, 7732185));
    EXPECT_FALSE(ClearMoleculeFile(lab, 7732185));
    EXPECT_EQ(lab.header.attachmentCount, 1);
}

}  // namespace
