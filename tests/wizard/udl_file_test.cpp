#include <gtest/gtest.h>

#include <climits>

#include <algorithm>

#include <cmath>

#include <functional>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "wizard/udl_file.h"

namespace {

// Files in memory and a record of the boxes shown.
class FakeIo : public UdlIo {
public:
    std::map<std::string, std::vector<uint8_t>> files;
    std::vector<std::pair<int, int>> boxes;
    std::string folder = "C:\\Users\\student\\AppData\\Roaming\\Brevane";

    bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes) override {
        auto it = files.find(path);
        if (it == files.end()) return false;
        bytes = it->second;
        return true;
    }
    bool WriteWholeFile(const std::string& path, const void* data, size_t length) override {
        const uint8_t* p = static_cast<const uint8_t*>(data);
        files[path].assign(p, p + length);
        return true;
    }
    std::string PerUserFolder() override { return folder; }
    void ShowMessage(int text, int caption) override { boxes.emplace_back(text, caption); }
    void ShowRefusal(const std::string& why) override { refusals.push_back(why); }
    std::vector<std::string> refusals;

    std::string InFolder(const std::string& name) const { return folder + "\\" + name; }
};

UdlMoleculeFile Molecule(CasNumber cas, const char* source, std::vector<uint8_t> bytes) {
    UdlMoleculeFile m{};
    m.record.cas = cas;
    strcpy(m.record.sourcePath, source);
    m.bytes = std::move(bytes);
    return m;
}

// A lab with something in every section.
UdlLab FullLab() {
    UdlLab lab;
    strcpy(lab.header.moduleName, "Parvell.dll");
    strcpy(lab.header.title, "Copper sulphate");
    strcpy(lab.header.author, "A. Teacher");
    lab.header.labStyle = 0x8 | 0x1 | 0x200;
    lab.introduction = "{\\rtf1 Introduction}";
    lab.procedure = "{\\rtf1 Procedure text}";
    lab.observations = "{\\rtf1 Obs}";
    lab.chemicals.resize(2);
    lab.chemicals[0].cas = kCasWater;
    strcpy(lab.chemicals[0].name, "Water");
    lab.chemicals[1].cas = 7758987;
    lab.reactions.resize(2);
    strcpy(lab.reactions[0].name, "Dissolving");
    lab.reactions[0].reactantCount = 1;
    lab.reactions[0].productCount = 2;
    lab.reactions[1].equilibriumConstant = 1.5;
    lab.indicators.resize(1);
    lab.indicators[0].id = kFirstIndicatorId;
    lab.reservedRecords.resize(2);
    lab.reservedRecords[1].bytes[5] = 9;
    lab.spectroPoints.resize(3);
    lab.spectroPoints[2].wavelength = 610;
    lab.moleculeFiles.push_back(Molecule(7758987, "C:\\mols\\cuso4.pdb", {1, 2, 3, 4, 5}));
    lab.moleculeFiles.push_back(Molecule(kCasWater, "water.pdb", {}));
    return lab;
}

size_t SectionStart(const UdlHeader& h, int section) {
    const uint64_t sizes[] = {sizeof(UdlHeader),
                              uint64_t(h.introductionLength),
                              uint64_t(h.procedureLength),
                              uint64_t(h.observationsLength),
                              uint64_t(h.chemicalCount) * sizeof(ChemicalRecord),
                              uint64_t(h.reactionCount) * sizeof(ReactionRecord),
                              uint64_t(h.indicatorCount) * sizeof(IndicatorRecord),
                              uint64_t(h.reservedRecordCount) * sizeof(UdlReservedRecord),
                              uint64_t(h.spectroPointCount) * sizeof(SpectroPoint)};
    uint64_t start = 0;
    for (int i = 0; i < section; ++i) start += sizes[i];
    return size_t(start);
}

UdlHeader HeaderOf(const std::vector<uint8_t>& bytes) {
    UdlHeader h;
    memcpy(&h, bytes.data(), sizeof h);
    return h;
}

TEST(UdlFile, WriteReadWriteIsByteIdentical) {
    std::vector<uint8_t> first = SerializeUdl(FullLab());
    UdlLab read;
    ASSERT_EQ(ParseUdl(first.data(), first.size(), read), UdlParse::kGood);
    EXPECT_EQ(SerializeUdl(read), first);

    EXPECT_STREQ(read.header.signature, "UDL_100");
    EXPECT_STREQ(read.header.title, "Copper sulphate");
    EXPECT_EQ(read.procedure, "{\\rtf1 Procedure text}");
    EXPECT_EQ(read.reactions[1].equilibriumConstant, 1.5);
    EXPECT_EQ(read.reservedRecords[1].bytes[5], 9);
    EXPECT_EQ(read.spectroPoints[2].wavelength, 610);
    ASSERT_EQ(read.moleculeFiles.size(), 2u);
    EXPECT_EQ(read.moleculeFiles[0].bytes, (std::vector<uint8_t>{1, 2, 3, 4, 5}));
    EXPECT_EQ(read.moleculeFiles[0].record.fileSize, 5);
}

TEST(UdlFile, AHeaderOnlyFileIsALabWithNoSections) {
    UdlLab empty;
    std::vector<uint8_t> bytes = SerializeUdl(empty);
    ASSERT_EQ(bytes.size(), sizeof(UdlHeader));
    FakeIo io;
    io.files["lab.UDL"] = bytes;
    UdlLab lab = FullLab();
    ASSERT_EQ(ReadUdlFile("lab.UDL", lab, io), 1);
    EXPECT_TRUE(io.boxes.empty());
    EXPECT_TRUE(lab.chemicals.empty());
    EXPECT_TRUE(lab.reactions.empty());
    EXPECT_TRUE(lab.moleculeFiles.empty());
    EXPECT_TRUE(lab.introduction.empty());
}

// Cut the file at every section boundary and inside every section: the cut
// section keeps what is there (zeros for the rest of a record cut short), the
// following ones are empty, and the header holds the counts really read.
TEST(UdlFile, ATruncatedFileKeepsWhatIsPresent) {
    const UdlLab full = FullLab();
    const std::vector<uint8_t> bytes = SerializeUdl(full);
    const UdlHeader h = HeaderOf(bytes);
    std::vector<size_t> cuts;
    for (int s = 1; s <= 9; ++s) cuts.push_back(SectionStart(h, s));
    for (int s = 1; s < 9; ++s) cuts.push_back((SectionStart(h, s) + SectionStart(h, s + 1)) / 2 + 1);
    size_t molecules = SectionStart(h, 9);
    cuts.push_back(molecules + 100);                     // inside the first attachment record
    cuts.push_back(molecules + sizeof(PdbAttachment) + 2);  // inside its file bytes
    cuts.push_back(bytes.size() - 1);

    for (size_t cut : cuts) {
        SCOPED_TRACE(cut);
        UdlLab lab;
        ASSERT_EQ(ParseUdl(bytes.data(), cut, lab), UdlParse::kGood);
        std::vector<uint8_t> again = SerializeUdl(lab);
        // What was read is the file's own bytes, with zeros for a record cut
        // short (an attachment's size field follows its bytes, checked below).
        size_t compared = std::min({again.size(), cut, molecules + offsetof(PdbAttachment, fileSize)});
        for (size_t i = sizeof(UdlHeader); i < compared; ++i) ASSERT_EQ(again[i], bytes[i]) << i;
        if (cut < molecules) {
            for (size_t i = compared; i < again.size(); ++i) ASSERT_EQ(again[i], 0) << i;
        }
        EXPECT_LE(lab.chemicals.size(), full.chemicals.size());
        EXPECT_EQ(lab.header.chemicalCount, int32_t(lab.chemicals.size()));
        EXPECT_EQ(lab.header.attachmentCount, int32_t(lab.moleculeFiles.size()));
        if (cut <= SectionStart(h, 4)) {
            EXPECT_TRUE(lab.chemicals.empty());
        }
        if (cut <= SectionStart(h, 6)) {
            EXPECT_TRUE(lab.indicators.empty());
        }
        if (cut < molecules + sizeof(PdbAttachment)) {
            EXPECT_TRUE(lab.moleculeFiles.empty());
        }
    }

    // Half a chemical record: two records, the second zero after the cut.
    UdlLab lab;
    size_t cut = SectionStart(h, 4) + sizeof(ChemicalRecord) + 10;
    ASSERT_EQ(ParseUdl(bytes.data(), cut, lab), UdlParse::kGood);
    ASSERT_EQ(lab.chemicals.size(), 2u);
    EXPECT_EQ(lab.chemicals[1].cas, 7758987u);
    EXPECT_EQ(lab.chemicals[1].zero2335[48], 0);
    EXPECT_TRUE(lab.reactions.empty());

    // A cut inside a molecule file keeps the bytes present, sized to match.
    ASSERT_EQ(ParseUdl(bytes.data(), molecules + sizeof(PdbAttachment) + 2, lab), UdlParse::kGood);
    ASSERT_EQ(lab.moleculeFiles.size(), 1u);
    EXPECT_EQ(lab.moleculeFiles[0].record.fileSize, 2);
    EXPECT_EQ(lab.moleculeFiles[0].bytes, (std::vector<uint8_t>{1, 2}));
}

TEST(UdlFile, ShortOrForeignFilesShowTheVersionBoxAndLeaveTheLab) {
    std::vector<uint8_t> good = SerializeUdl(FullLab());
    std::vector<uint8_t> wrongSignature = good;
    memcpy(wrongSignature.data(), "UDL_101", 8);
    std::vector<uint8_t> lowerCase = good;
    lowerCase[0] = 'u';
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
    } cases[] = {
        {"empty", {}},
        {"one byte short", std::vector<uint8_t>(good.begin(), good.begin() + sizeof(UdlHeader) - 1)},
        {"other version", wrongSignature},
        {"lower-case signature", lowerCase},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeIo io;
        io.files["x.UDL"] = c.bytes;
        UdlLab lab = FullLab();
        EXPECT_EQ(ReadUdlFile("x.UDL", lab, io), 0);
        ASSERT_EQ(io.boxes.size(), 1u);
        EXPECT_EQ(io.boxes[0], std::make_pair(kStringUdlWrongVersion, kStringUdlReadCaption));
        EXPECT_EQ(SerializeUdl(lab), good);
    }

    FakeIo io;
    UdlLab lab;
    EXPECT_EQ(ReadUdlFile("missing.UDL", lab, io), 0);
    EXPECT_TRUE(io.boxes.empty());
}

TEST(UdlFile, NegativeCountsAreRefusedAndHugeOnesCutToTheBytesPresent) {
    const std::vector<uint8_t> good = SerializeUdl(FullLab());
    const size_t fields[] = {offsetof(UdlHeader, introductionLength), offsetof(UdlHeader, chemicalCount),
                             offsetof(UdlHeader, reactionCount),      offsetof(UdlHeader, indicatorCount),
                             offsetof(UdlHeader, reservedRecordCount), offsetof(UdlHeader, spectroPointCount),
                             offsetof(UdlHeader, attachmentCount),    offsetof(UdlHeader, observationsLength)};
    for (size_t offset : fields) {
        SCOPED_TRACE(offset);
        for (int32_t value : {-1, INT32_MIN}) {
            std::vector<uint8_t> bytes = good;
            memcpy(bytes.data() + offset, &value, 4);
            FakeIo io;
            io.files["x.UDL"] = bytes;
            UdlLab lab = FullLab();
            EXPECT_EQ(ReadUdlFile("x.UDL", lab, io), 0);
            EXPECT_EQ(io.boxes.size(), 1u);
            EXPECT_EQ(SerializeUdl(lab), good);
        }
        // INT32_MAX records would be terabytes: only what the file holds is taken.
        std::vector<uint8_t> bytes = good;
        int32_t huge = INT32_MAX;
        memcpy(bytes.data() + offset, &huge, 4);
        UdlLab lab;
        std::string why;
        const UdlParse parsed = ParseUdl(bytes.data(), bytes.size(), lab, &why);
        // The sections after it, read as records of another kind, may hold
        // numbers no such record may: the file is then refused, saying why.
        ASSERT_TRUE(parsed == UdlParse::kGood || (parsed == UdlParse::kUnsoundValue && !why.empty()));
        if (parsed == UdlParse::kGood) EXPECT_LE(SerializeUdl(lab).size(), bytes.size() + sizeof(ReactionRecord));
    }

    // An attachment whose size is negative is refused; a huge one takes the rest.
    size_t sizeField = SectionStart(HeaderOf(good), 9) + offsetof(PdbAttachment, fileSize);
    std::vector<uint8_t> bytes = good;
    int32_t size = -5;
    memcpy(bytes.data() + sizeField, &size, 4);
    UdlLab lab;
    EXPECT_EQ(ParseUdl(bytes.data(), bytes.size(), lab), UdlParse::kNegativeCount);
    size = INT32_MAX;
    memcpy(bytes.data() + sizeField, &size, 4);
    ASSERT_EQ(ParseUdl(bytes.data(), bytes.size(), lab), UdlParse::kGood);
    ASSERT_EQ(lab.moleculeFiles.size(), 1u);
    EXPECT_EQ(lab.moleculeFiles[0].bytes.size(), 5u + sizeof(PdbAttachment));
}

// Every floating field the engine and the meters read must be a finite
// number in its range: otherwise the file is refused, the box says which
// record and field, and the loaded lab stays as it was.
TEST(UdlFile, NumbersOutsideTheirRangesRefuseTheFileSayingWhere) {
    const double nan = std::nan(""), infinity = HUGE_VAL;
    struct Case {
        const char* said;
        std::function<void(UdlLab&)> spoil;
    };
    const Case cases[] = {
        {"chemical 2: molar mass NaN", [&](UdlLab& l) { l.chemicals[1].molarMass = float(nan); }},
        {"chemical 1 (Water): density 1e-20", [](UdlLab& l) { l.chemicals[0].density = 1e-20f; }},
        {"chemical 2: boiling point infinity", [&](UdlLab& l) { l.chemicals[1].boilingPoint = float(infinity); }},
        {"chemical 2: conductivity coefficient A 1e+300", [](UdlLab& l) { l.chemicals[1].conductivityA = 1e300; }},
        {"chemical 2: coefficient 8: coefficient NaN", [&](UdlLab& l) { l.chemicals[1].coefficientsF[1] = float(nan); }},
        {"reaction 1 (Dissolving): participant 3: coefficient 1e+300",
         [](UdlLab& l) { l.reactions[0].participants[2].coefficient = 1e300; }},
        {"reaction 1 (Dissolving): participant 1: coefficient -1",
         [](UdlLab& l) { l.reactions[0].participants[0].coefficient = -1; }},
        {"participant 2: high concentration -infinity",
         [&](UdlLab& l) { l.reactions[0].participants[1].high = -infinity; }},
        {"reaction 2: equilibrium constant -1e+308", [](UdlLab& l) { l.reactions[1].equilibriumConstant = -1e308; }},
        {"reaction 2: rate constant -infinity", [&](UdlLab& l) { l.reactions[1].rateConstant = -infinity; }},
        {"reaction 2: second order NaN", [&](UdlLab& l) { l.reactions[1].orderSecond = nan; }},
        {"reaction 2: heat of reaction infinity", [&](UdlLab& l) { l.reactions[1].heatOfReaction = infinity; }},
        {"reaction 2: maximum temperature -1e+308", [](UdlLab& l) { l.reactions[1].maxCelsius = -1e308; }},
        {"indicator 1: low end NaN", [&](UdlLab& l) { l.indicators[0].low = nan; }},
        {"indicator 1: fixed colour mark 5", [](UdlLab& l) { l.indicators[0].fixedColourMark = 5; }},
        {"spectrophotometer point 3: absorptivity -infinity",
         [&](UdlLab& l) { l.spectroPoints[2].absorptivity = -infinity; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.said);
        UdlLab bad = FullLab();
        c.spoil(bad);
        FakeIo io;
        io.files["x.UDL"] = SerializeUdl(bad);
        UdlLab lab = FullLab();
        strcpy(lab.header.title, "Loaded before");
        std::string why;
        EXPECT_EQ(ReadUdlFile("x.UDL", lab, io, &why), 0);
        EXPECT_STREQ(lab.header.title, "Loaded before");
        EXPECT_TRUE(io.boxes.empty());
        ASSERT_EQ(io.refusals.size(), 1u);
        EXPECT_EQ(io.refusals[0], why);
        EXPECT_NE(why.find(c.said), std::string::npos) << why;
        EXPECT_NE(why.find("is outside"), std::string::npos) << why;
    }
    // Unused participants are not the engine's business.
    UdlLab spare = FullLab();
    spare.reactions[0].participants[10].coefficient = nan;
    std::vector<uint8_t> bytes = SerializeUdl(spare);
    UdlLab read;
    EXPECT_EQ(ParseUdl(bytes.data(), bytes.size(), read), UdlParse::kGood);
}

TEST(UdlFile, DenormalNumbersReadAsZero) {
    UdlLab lab = FullLab();
    lab.reactions[1].equilibriumConstant = 4.9e-320;
    lab.reactions[0].participants[0].coefficient = 4.9e-320;
    lab.chemicals[1].density = 1e-40f;
    lab.spectroPoints[0].absorptivity = -4.9e-320;
    const std::vector<uint8_t> bytes = SerializeUdl(lab);
    UdlLab read;
    ASSERT_EQ(ParseUdl(bytes.data(), bytes.size(), read), UdlParse::kGood);
    EXPECT_EQ(read.reactions[1].equilibriumConstant, 0);
    EXPECT_EQ(read.reactions[0].participants[0].coefficient, 0);
    EXPECT_EQ(read.chemicals[1].density, 0);
    EXPECT_EQ(read.spectroPoints[0].absorptivity, 0);
}

// The Windows reader takes a file piece by piece: an error part way fails
// the whole read, a file that shrank keeps what was there.
TEST(UdlFile, ReadingInPiecesReportsAnErrorPartWay) {
    struct Source {
        std::vector<uint8_t> bytes;
        size_t at = 0;
        size_t piece = 0;     // at most this much per read
        int failOnRead = 0;   // the read (1-based) that fails; 0 none
        size_t endsAt = SIZE_MAX;  // the file shrank to this
        bool overReport = false;
        int reads = 0;
    };
    auto read = [](void* context, uint8_t* buffer, size_t wanted, size_t* got) {
        Source& s = *static_cast<Source*>(context);
        ++s.reads;
        if (s.reads == s.failOnRead) {
            *got = 0;
            return false;
        }
        const size_t left = std::min(s.bytes.size(), s.endsAt) - std::min(s.at, std::min(s.bytes.size(), s.endsAt));
        const size_t n = std::min({wanted, s.piece, left});
        memcpy(buffer, s.bytes.data() + s.at, n);
        s.at += n;
        *got = s.overReport ? wanted + 1 : n;
        return true;
    };
    std::vector<uint8_t> file(10000);
    for (size_t i = 0; i < file.size(); ++i) file[i] = uint8_t(i * 7);
    struct Case {
        const char* name;
        Source source;
        bool ok;
        size_t kept;
    };
    const Case cases[] = {
        {"whole, in pieces", {file, 0, 3000}, true, 10000},
        {"an error on the third piece", {file, 0, 3000, 3}, false, 0},
        {"an error on the first read", {file, 0, 3000, 1}, false, 0},
        {"the file shrank to 4500 bytes", {file, 0, 3000, 0, 4500}, true, 4500},
        {"a read that claims more than it was asked", {file, 0, 3000, 0, SIZE_MAX, true}, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Source source = c.source;
        std::vector<uint8_t> bytes = {1, 2, 3};
        EXPECT_EQ(ReadInPieces(file.size(), read, &source, bytes), c.ok);
        ASSERT_EQ(bytes.size(), c.kept);
        EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), file.begin()));
    }
    Source huge{file, 0, 3000};
    std::vector<uint8_t> bytes;
    EXPECT_FALSE(ReadInPieces(kLargestUdlFileBytes + 1, read, &huge, bytes));
    EXPECT_EQ(huge.reads, 0) << "refused from its size, nothing read";
}

TEST(UdlFile, FixedTextsAreTerminatedAndParticipantCountsClamped) {
    UdlLab source = FullLab();
    memset(source.header.title, 'T', sizeof source.header.title);
    memset(source.header.author, 'A', sizeof source.header.author);
    memset(source.chemicals[1].name, 'N', sizeof source.chemicals[1].name);
    memset(source.reactions[0].name, 'R', sizeof source.reactions[0].name);
    memset(source.indicators[0].name, 'I', sizeof source.indicators[0].name);
    memset(source.moleculeFiles[1].record.sourcePath, 'p', kUdlPathLength);
    source.reactions[0].reactantCount = 30;
    source.reactions[0].productCount = 5;
    source.reactions[1].reactantCount = -3;
    source.reactions[1].productCount = 20;
    std::vector<uint8_t> bytes = SerializeUdl(source);
    UdlLab lab;
    ASSERT_EQ(ParseUdl(bytes.data(), bytes.size(), lab), UdlParse::kGood);
    EXPECT_EQ(strlen(lab.header.title), sizeof lab.header.title - 1);
    EXPECT_EQ(strlen(lab.header.author), sizeof lab.header.author - 1);
    EXPECT_EQ(strlen(lab.chemicals[1].name), sizeof lab.chemicals[1].name - 1);
    EXPECT_EQ(strlen(lab.reactions[0].name), sizeof lab.reactions[0].name - 1);
    EXPECT_EQ(strlen(lab.indicators[0].name), sizeof lab.indicators[0].name - 1);
    EXPECT_EQ(strlen(lab.moleculeFiles[1].record.sourcePath), size_t(kUdlPathLength - 1));
    EXPECT_EQ(lab.reactions[0].reactantCount, 25);
    EXPECT_EQ(lab.reactions[0].productCount, 0);
    EXPECT_EQ(lab.reactions[1].reactantCount, 0);
    EXPECT_EQ(lab.reactions[1].productCount, 20);
}

TEST(UdlFile, MoleculeFilesExtractIntoThePerUserFolderOnly) {
    UdlLab source;
    source.moleculeFiles = {
        Molecule(1, "C:\\mols\\benzene.pdb", {1}),
        Molecule(2, "..\\..\\x", {2}),
        Molecule(3, "D:\\labs\\chemical.cdb", {3}),
        Molecule(4, "CHEMICAL.CDB", {4}),
        Molecule(5, "C:\\other\\lab.udl-brevane", {5}),
        Molecule(6, "C:\\mols\\benzene.pdb", {6}),
        Molecule(7, "C:\\mols\\", {7}),
    };
    std::vector<uint8_t> bytes = SerializeUdl(source);
    FakeIo io;
    io.files["x.UDL"] = bytes;
    UdlLab lab;
    ASSERT_EQ(ReadUdlFile("x.UDL", lab, io), 1);

    std::map<std::string, std::vector<uint8_t>> expected = {
        {"x.UDL", bytes},
        {io.InFolder("benzene.pdb"), {6}},  // the later of two with one name wins
        {io.InFolder("x"), {2}},            // only the name is used: it stays in the folder
    };
    EXPECT_EQ(io.files, expected);
    EXPECT_EQ(lab.moleculeFiles.size(), 7u);  // the records stay for the lookups
}

TEST(UdlFile, MoleculeFileNamesMustBeSafeBareNames) {
    struct Case {
        const char* source;
        const char* name;
    } cases[] = {
        {"C:\\mols\\water.pdb", "water.pdb"},
        {"mols/co2.pdb", "co2.pdb"},
        {"D:water.pdb", "water.pdb"},
        {"water", "water"},
        {"", ""},
        {"C:\\mols\\", ""},
        {"C:\\mols\\..", ""},
        {"a..b.pdb", ""},
        {"chemical.cdb", ""},
        {"Chemical.CDB", ""},
        {"chemical.cdb.", ""},
        {"chemical.cdb ", ""},
        {"titration.LAB", ""},
        {"titration.lab-brevane", ""},
        {"mine.udl", ""},
        {"mine.UDL-BREVANE", ""},
        {"CON", ""},
        {"nul.pdb", ""},
        {"com1.pdb", ""},
        {"what?.pdb", ""},
        {"tab\t.pdb", ""},
        {"console.pdb", "console.pdb"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MoleculeFileName(c.source, strlen(c.source) + 1), c.name) << c.source;

    // A path that would pass the platform's limit is skipped.
    FakeIo io;
    io.folder = std::string(240, 'f');
    UdlLab lab;
    lab.moleculeFiles = {Molecule(1, "short.pdb", {1}), Molecule(2, "a-name-long-enough-to-pass.pdb", {2})};
    EXPECT_EQ(ExtractPdbFiles(lab, io), 1);
    EXPECT_EQ(io.files.count(io.InFolder("short.pdb")), 1u);
}

TEST(UdlFile, FinishWritesUnderTheForcedExtension) {
    struct Case {
        const char* name;
        const char* path;
    } cases[] = {
        {"", "F\\UNTITLED.UDL-BREVANE"},
        {"Acids", "F\\Acids.UDL-BREVANE"},
        {"Acids.txt", "F\\Acids.UDL-BREVANE"},
        {"Acids.udl-brevane", "F\\Acids.UDL-BREVANE"},
        {"C:\\labs\\Acids", "C:\\labs\\Acids.UDL-BREVANE"},
        {"C:\\my.labs\\Acids", "C:\\my.labs\\Acids.UDL-BREVANE"},
    };
    for (const Case& c : cases) EXPECT_EQ(UdlTargetPath(c.name, "F"), c.path) << c.name;

    FakeIo io;
    ASSERT_TRUE(WriteUdlFile("F\\Acids.UDL-BREVANE", FullLab(), io));
    EXPECT_EQ(io.files["F\\Acids.UDL-BREVANE"], SerializeUdl(FullLab()));
}

}  // namespace
