// Finish's decisions: which documents are read and which box each refusal
// shows, the molecule-file bytes, and a write that fails leaving the lab as
// it was.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "fake_udl_io.h"
#include "wizard/runtime/udl_runtime.h"
#include "wizard/sheet/lab_finish.h"
#include "wizard/sheet/lab_information.h"
#include "wizard/sheet/wizard_session.h"

namespace {

using Outcome = parvell::FinishFileRead::Outcome;

class FakeFinishSeams : public parvell::FinishSeams {
public:
    std::map<std::string, parvell::FinishFileRead> files;  // absent: cannot be opened
    std::vector<std::string> boxes;                         // "text|caption", ids as numbers
    uint64_t lastLargest = 0;

    parvell::FinishFileRead ReadWholeFile(const std::string& path, uint64_t largest) override {
        lastLargest = largest;
        auto it = files.find(path);
        return it == files.end() ? parvell::FinishFileRead{} : it->second;
    }
    void ShowStringBox(int textId, int captionId) override {
        boxes.push_back(std::to_string(textId) + "|" + std::to_string(captionId));
    }
    void ShowTextBox(const std::string& text, const std::string& caption) override {
        boxes.push_back(text + "|" + caption);
    }

    void Put(const std::string& path, const std::string& bytes) {
        parvell::FinishFileRead read;
        read.outcome = Outcome::kRead;
        read.bytes = bytes;
        read.length = read.bytesRead = int64_t(bytes.size());
        files[path] = read;
    }
};

parvell::FinishFileRead Refused(Outcome outcome, int64_t length = 0, int64_t bytesRead = 0, uint32_t error = 0) {
    parvell::FinishFileRead read;
    read.outcome = outcome;
    read.length = length;
    read.bytesRead = bytesRead;
    read.lastError = error;
    return read;
}

TEST(LabFinish, EachDocumentIsReadOrRefusedWithItsBox) {
    struct Case {
        const char* what;
        parvell::FinishFileRead read;  // outcome kCannotOpen: not in the fake
        const char* held;
        const char* text;
        const char* box;  // "" for none
    };
    parvell::FinishFileRead good = Refused(Outcome::kRead, 5, 5);
    good.bytes = "{\\rtf1 new}";
    const Case cases[] = {
        {"read", good, "{\\rtf1 old}", "{\\rtf1 new}", ""},
        {"missing, nothing held", Refused(Outcome::kCannotOpen), "", "", "1169|1167"},
        {"missing, held from before", Refused(Outcome::kCannotOpen), "{\\rtf1 old}", "{\\rtf1 old}", ""},
        {"empty", Refused(Outcome::kEmpty), "{\\rtf1 old}", "{\\rtf1 old}", "1173|1139"},
        {"failed read", Refused(Outcome::kFailed, 4096, 1024, 23), "",  "",
         "Error in File Read, length = 4096, BytesRead= 1024, LastError = 23|ERROR"},
        {"too large", Refused(Outcome::kFailed, 5000000000ll, 0, 223), "{\\rtf1 old}", "{\\rtf1 old}",
         "Error in File Read, length = 5000000000, BytesRead= 0, LastError = 223|ERROR"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeFinishSeams seams;
        if (c.read.outcome != Outcome::kCannotOpen) seams.files["C:\\docs\\procedure.rtf"] = c.read;
        EXPECT_EQ(parvell::FinishDocument("C:\\docs\\procedure.rtf", c.held, 1, seams), c.text);
        EXPECT_EQ(seams.lastLargest, parvell::kLargestFinishFileBytes);
        if (c.box[0]) {
            ASSERT_EQ(seams.boxes.size(), 1u);
            EXPECT_EQ(seams.boxes[0], c.box);
        } else {
            EXPECT_TRUE(seams.boxes.empty()) << seams.boxes[0];
        }
    }
}

TEST(LabFinish, AMissingDocumentNamesWhichOne) {
    FakeFinishSeams seams;
    for (int which : {0, 1, 2}) parvell::FinishDocument("", "", which, seams);
    EXPECT_EQ(seams.boxes, (std::vector<std::string>{"1168|1167", "1169|1167", "1170|1167"}));
}

UdlMoleculeFile Attachment(CasNumber cas, const char* source, std::string bytes) {
    UdlMoleculeFile file{};
    file.record.cas = cas;
    strcpy(file.record.sourcePath, source);
    file.bytes.assign(bytes.begin(), bytes.end());
    file.record.fileSize = int32_t(file.bytes.size());
    return file;
}

TEST(LabFinish, MoleculeFilesTakeTheBytesReallyReadOrKeepTheirOwn) {
    UdlLab lab;
    lab.moleculeFiles = {Attachment(7732185, "C:\\pdb\\water.pdb", "OLD WATER"),
                         Attachment(7647010, "D:\\elsewhere\\hcl.pdb", "HELD HCL"),
                         Attachment(1310732, "C:\\pdb\\naoh.pdb", "HELD NAOH")};
    FakeFinishSeams seams;
    seams.Put("C:\\pdb\\water.pdb", "HETATM 1 O");                              // shorter than before
    seams.files["C:\\pdb\\naoh.pdb"] = Refused(Outcome::kFailed, 900, 300, 5);  // a read that broke off
    parvell::RefreshMoleculeFiles(lab, seams);
    ASSERT_EQ(lab.moleculeFiles.size(), 3u);
    EXPECT_EQ(std::string(lab.moleculeFiles[0].bytes.begin(), lab.moleculeFiles[0].bytes.end()), "HETATM 1 O");
    EXPECT_EQ(lab.moleculeFiles[0].record.fileSize, 10);
    EXPECT_EQ(std::string(lab.moleculeFiles[1].bytes.begin(), lab.moleculeFiles[1].bytes.end()), "HELD HCL");
    EXPECT_EQ(lab.moleculeFiles[1].record.fileSize, 8);
    EXPECT_EQ(std::string(lab.moleculeFiles[2].bytes.begin(), lab.moleculeFiles[2].bytes.end()), "HELD NAOH");
    EXPECT_TRUE(seams.boxes.empty());
}

UdlLab LabWithDocuments() {
    UdlLab lab;
    lab.header.labStyle = 0x1;  // from a file written without the authoring module's bit
    strcpy(lab.header.title, "Neutralisation");
    strcpy(lab.header.introductionPath, "C:\\docs\\intro.rtf");
    strcpy(lab.header.procedurePath, "C:\\docs\\procedure.rtf");
    strcpy(lab.header.observationsPath, "C:\\docs\\observations.rtf");
    lab.chemicals.resize(2);
    lab.chemicals[0].cas = kCasWater;
    lab.chemicals[1].cas = 7647010;
    lab.moleculeFiles = {Attachment(7647010, "C:\\pdb\\hcl.pdb", "OLD")};
    return lab;
}

TEST(LabFinish, WritesTheLabIntoThePerUserFolderAndReadsBackTheSame) {
    UdlLab lab = LabWithDocuments();
    FakeFinishSeams seams;
    seams.Put("C:\\docs\\intro.rtf", "{\\rtf1 Introduction}");
    seams.Put("C:\\docs\\procedure.rtf", "{\\rtf1 Procedure}");
    seams.Put("C:\\docs\\observations.rtf", "{\\rtf1 Observations}");
    seams.Put("C:\\pdb\\hcl.pdb", "HETATM HCL");
    FakeUdlIo io;
    ASSERT_TRUE(parvell::FinishLab(lab, "acid.UDL-BREVANE", seams, io));
    EXPECT_TRUE(seams.boxes.empty()) << seams.boxes[0];

    const std::string target = io.InFolder("acid.UDL-BREVANE");
    ASSERT_EQ(io.files.count(target), 1u);
    UdlLab back;
    ASSERT_EQ(ReadUdlFile(target, back, io), 1);
    EXPECT_EQ(back.introduction, "{\\rtf1 Introduction}");
    EXPECT_EQ(back.procedure, "{\\rtf1 Procedure}");
    EXPECT_EQ(back.observations, "{\\rtf1 Observations}");
    EXPECT_EQ(back.header.introductionLength, int32_t(strlen("{\\rtf1 Introduction}")));
    EXPECT_STREQ(back.header.title, "Neutralisation");
    EXPECT_EQ(back.header.labStyle, 0x9);  // the authoring module's bit always
    EXPECT_EQ(back.chemicals.size(), 2u);
    ASSERT_EQ(back.moleculeFiles.size(), 1u);
    EXPECT_EQ(back.moleculeFiles[0].record.fileSize, 10);
    // The lab in memory is the one written, its header in step.
    EXPECT_EQ(lab.introduction, back.introduction);
    EXPECT_EQ(lab.header.introductionLength, back.header.introductionLength);
    EXPECT_EQ(lab.header.attachmentCount, 1);
    EXPECT_EQ(memcmp(lab.header.signature, "UDL_100", 8), 0);
}

TEST(LabFinish, AFileThatCannotBeWrittenKeepsTheLabAsItWasAndSaysSo) {
    struct Case {
        const char* what;
        bool failWrites;
        std::string folder;
        std::string name;
    };
    const Case cases[] = {
        {"write refused", true, "C:\\Users\\student\\AppData\\Roaming\\Brevane", "acid.UDL-BREVANE"},
        {"no per-user folder", false, "", "acid.UDL-BREVANE"},
        {"path too long", false, "C:\\" + std::string(240, 'f'), "acid.UDL-BREVANE"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        UdlLab lab = LabWithDocuments();
        lab.introduction = "{\\rtf1 held}";
        FakeFinishSeams seams;
        seams.Put("C:\\docs\\intro.rtf", "{\\rtf1 new}");
        seams.Put("C:\\docs\\procedure.rtf", "{\\rtf1 P}");
        seams.Put("C:\\docs\\observations.rtf", "{\\rtf1 O}");
        FakeUdlIo io;
        io.failWrites = c.failWrites;
        io.folder = c.folder;
        EXPECT_FALSE(parvell::FinishLab(lab, c.name, seams, io));
        ASSERT_FALSE(seams.boxes.empty());
        EXPECT_EQ(seams.boxes.back(), "1171|1167");
        EXPECT_EQ(lab.introduction, "{\\rtf1 held}");
        EXPECT_TRUE(io.files.empty());
    }
}

TEST(WizardSession, ARunStartsWithWaterAndTheLoadedNameAndTakesTheNewNameOnlyWhenWritten) {
    parvell::UdlRuntime runtime;
    parvell::CurrentWizardSession().passwordEntered = true;
    parvell::BeginWizardSession(runtime);
    const UdlLab& lab = runtime.Lab();
    ASSERT_EQ(lab.chemicals.size(), 1u);  // a new lab starts with water
    EXPECT_EQ(lab.chemicals[0].cas, kCasWater);
    EXPECT_EQ(lab.header.chemicalCount, 1);
    EXPECT_FALSE(parvell::CurrentWizardSession().passwordEntered);
    EXPECT_EQ(parvell::CurrentWizardSession().fileName, "");

    parvell::CurrentWizardSession().fileName = "acid.UDL-BREVANE";
    parvell::EndWizardSession(runtime);  // cancelled: not written
    EXPECT_EQ(runtime.LoadedUdlName(), "");
    parvell::BeginWizardSession(runtime);  // water is not added twice
    EXPECT_EQ(runtime.Lab().chemicals.size(), 1u);
    parvell::CurrentWizardSession().fileName = "acid.UDL-BREVANE";
    parvell::CurrentWizardSession().finished = true;
    parvell::EndWizardSession(runtime);
    EXPECT_EQ(runtime.LoadedUdlName(), "acid.UDL-BREVANE");

    // An edited lab without water gets it first, its own chemicals after.
    runtime.EditableLab().chemicals.assign(1, ChemicalRecord{});
    runtime.EditableLab().chemicals[0].cas = 7647010;
    parvell::BeginWizardSession(runtime);
    ASSERT_EQ(runtime.Lab().chemicals.size(), 2u);
    EXPECT_EQ(runtime.Lab().chemicals[0].cas, kCasWater);
    EXPECT_EQ(runtime.Lab().chemicals[1].cas, CasNumber(7647010));
    EXPECT_EQ(parvell::CurrentWizardSession().fileName, "acid.UDL-BREVANE");
}

}  // namespace
