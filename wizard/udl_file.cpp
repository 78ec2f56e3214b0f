#include "wizard/udl_file.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "wizard/udl_values.h"

namespace {

// Reads forward through a file image; every take is bounded by the bytes left.
struct Cursor {
    const uint8_t* data;
    size_t length;
    size_t position = 0;

    size_t Left() const { return length - position; }

    size_t Take(void* out, uint64_t wanted) {
        size_t n = size_t(std::min<uint64_t>(wanted, Left()));
        if (n) memcpy(out, data + position, n);
        position += n;
        return n;
    }
};

// count records of T, cut to the bytes present; the last record may be cut
// short and keeps zeros where its bytes are missing. Returns the count read.
template <class T>
int32_t ReadRecords(Cursor& in, int32_t count, std::vector<T>& out) {
    out.clear();
    if (count <= 0 || in.Left() == 0) return 0;
    uint64_t wanted = uint64_t(count) * sizeof(T);
    uint64_t present = std::min<uint64_t>(wanted, in.Left());
    out.resize(size_t((present + sizeof(T) - 1) / sizeof(T)), T{});
    in.Take(out.data(), present);
    return int32_t(out.size());
}

int32_t ReadText(Cursor& in, int32_t length, std::string& out) {
    out.clear();
    if (length <= 0) return 0;
    out.resize(size_t(std::min<uint64_t>(uint64_t(length), in.Left())));
    in.Take(out.data(), out.size());
    return int32_t(out.size());
}

template <size_t N>
void Terminate(char (&field)[N]) {
    field[N - 1] = '\0';
}

void TerminateTexts(UdlHeader& h) {
    Terminate(h.signature);
    Terminate(h.moduleName);
    Terminate(h.title);
    Terminate(h.description);
    Terminate(h.introductionPath);
    Terminate(h.procedurePath);
    Terminate(h.observationsPath);
    Terminate(h.author);
}

void TerminateTexts(ChemicalRecord& c) {
    Terminate(c.formula);
    Terminate(c.name);
    Terminate(c.description);
    Terminate(c.unknownName);
}

// The first reactants + products participants are used: keep both within 25.
void ClampParticipants(ReactionRecord& r) {
    r.reactantCount = std::clamp(r.reactantCount, 0, kParticipantCount);
    r.productCount = std::clamp(r.productCount, 0, kParticipantCount - r.reactantCount);
    Terminate(r.name);
}

bool AnyNegative(const UdlHeader& h) {
    const int32_t counts[] = {h.introductionLength, h.procedureLength,   h.observationsLength,
                              h.chemicalCount,      h.reactionCount,     h.indicatorCount,
                              h.reservedRecordCount, h.spectroPointCount, h.attachmentCount};
    return std::any_of(std::begin(counts), std::end(counts), [](int32_t n) { return n < 0; });
}

// Molecule files: a record read whole, then at most the bytes left.
bool ReadMoleculeFiles(Cursor& in, int32_t count, std::vector<UdlMoleculeFile>& out) {
    out.clear();
    for (int32_t i = 0; i < count && in.Left() >= sizeof(PdbAttachment); ++i) {
        UdlMoleculeFile file;
        in.Take(&file.record, sizeof(PdbAttachment));
        if (file.record.fileSize < 0) return false;
        Terminate(file.record.sourcePath);
        file.bytes.resize(size_t(std::min<uint64_t>(uint64_t(file.record.fileSize), in.Left())));
        in.Take(file.bytes.data(), file.bytes.size());
        file.record.fileSize = int32_t(file.bytes.size());
        out.push_back(std::move(file));
    }
    return true;
}

std::string Upper(std::string s) {
    for (char& c : s) c = char(toupper(static_cast<unsigned char>(c)));
    return s;
}

bool IsWindowsDeviceName(const std::string& upperStem) {
    static const char* const devices[] = {"CON", "PRN", "AUX", "NUL", "CLOCK$"};
    for (const char* d : devices)
        if (upperStem == d) return true;
    return upperStem.size() == 4 && (upperStem.rfind("COM", 0) == 0 || upperStem.rfind("LPT", 0) == 0) &&
           upperStem[3] >= '1' && upperStem[3] <= '9';
}

template <class T>
void Append(std::vector<uint8_t>& out, const T* records, size_t count) {
    const uint8_t* bytes = reinterpret_cast<const uint8_t*>(records);
    out.insert(out.end(), bytes, bytes + count * sizeof(T));
}

}  // namespace

bool ReadInPieces(uint64_t size, ReadPiece read, void* context, std::vector<uint8_t>& bytes) {
    bytes.clear();
    if (size > kLargestUdlFileBytes) return false;
    bytes.resize(size_t(size));
    size_t done = 0;
    while (done < bytes.size()) {
        size_t got = 0;
        if (!read(context, bytes.data() + done, bytes.size() - done, &got) || got > bytes.size() - done) {
            bytes.clear();
            return false;
        }
        if (got == 0) break;
        done += got;
    }
    bytes.resize(done);
    return true;
}

const char* UdlParseText(UdlParse result) {
    switch (result) {
        case UdlParse::kGood: return "no error";
        case UdlParse::kTooShort: return "shorter than its 2488-byte header";
        case UdlParse::kWrongSignature: return "not a user-defined lab (bad signature)";
        case UdlParse::kNegativeCount: return "a count, length or file size is negative";
        case UdlParse::kUnsoundValue: return "a number is outside its range";
    }
    return "unknown error";
}

UdlParse ParseUdl(const uint8_t* data, size_t length, UdlLab& lab, std::string* why) {
    if (length < sizeof(UdlHeader)) return UdlParse::kTooShort;
    Cursor in{data, length};
    UdlLab scratch;
    UdlHeader& h = scratch.header;
    in.Take(&h, sizeof h);
    if (strncmp(h.signature, kUdlSignature, sizeof h.signature) != 0) return UdlParse::kWrongSignature;
    if (AnyNegative(h)) return UdlParse::kNegativeCount;
    TerminateTexts(h);

    h.introductionLength = ReadText(in, h.introductionLength, scratch.introduction);
    h.procedureLength = ReadText(in, h.procedureLength, scratch.procedure);
    h.observationsLength = ReadText(in, h.observationsLength, scratch.observations);
    h.chemicalCount = ReadRecords(in, h.chemicalCount, scratch.chemicals);
    h.reactionCount = ReadRecords(in, h.reactionCount, scratch.reactions);
    h.indicatorCount = ReadRecords(in, h.indicatorCount, scratch.indicators);
    h.reservedRecordCount = ReadRecords(in, h.reservedRecordCount, scratch.reservedRecords);
    h.spectroPointCount = ReadRecords(in, h.spectroPointCount, scratch.spectroPoints);
    if (!ReadMoleculeFiles(in, h.attachmentCount, scratch.moleculeFiles)) return UdlParse::kNegativeCount;
    h.attachmentCount = int32_t(scratch.moleculeFiles.size());

    for (ChemicalRecord& c : scratch.chemicals) TerminateTexts(c);
    for (ReactionRecord& r : scratch.reactions) ClampParticipants(r);
    for (IndicatorRecord& r : scratch.indicators) {
        Terminate(r.name);
        Terminate(r.description);
    }
    parvell::FlushDenormals(scratch);
    const std::string fault = parvell::UdlValueFault(scratch);
    if (!fault.empty()) {
        if (why) *why = fault;
        return UdlParse::kUnsoundValue;
    }
    lab = std::move(scratch);
    return UdlParse::kGood;
}

UdlHeader UdlHeaderInStep(const UdlLab& lab) {
    UdlHeader h = lab.header;
    memset(h.signature, 0, sizeof h.signature);
    memcpy(h.signature, kUdlSignature, sizeof kUdlSignature);
    h.introductionLength = int32_t(lab.introduction.size());
    h.procedureLength = int32_t(lab.procedure.size());
    h.observationsLength = int32_t(lab.observations.size());
    h.chemicalCount = int32_t(lab.chemicals.size());
    h.reactionCount = int32_t(lab.reactions.size());
    h.indicatorCount = int32_t(lab.indicators.size());
    h.reservedRecordCount = int32_t(lab.reservedRecords.size());
    h.spectroPointCount = int32_t(lab.spectroPoints.size());
    h.attachmentCount = int32_t(lab.moleculeFiles.size());
    return h;
}

std::vector<uint8_t> SerializeUdl(const UdlLab& lab) {
    const UdlHeader h = UdlHeaderInStep(lab);
    std::vector<uint8_t> out(sizeof h);
    memcpy(out.data(), &h, sizeof h);
    for (const std::string* text : {&lab.introduction, &lab.procedure, &lab.observations})
        out.insert(out.end(), text->begin(), text->end());
    Append(out, lab.chemicals.data(), lab.chemicals.size());
    Append(out, lab.reactions.data(), lab.reactions.size());
    Append(out, lab.indicators.data(), lab.indicators.size());
    Append(out, lab.reservedRecords.data(), lab.reservedRecords.size());
    Append(out, lab.spectroPoints.data(), lab.spectroPoints.size());
    for (const UdlMoleculeFile& file : lab.moleculeFiles) {
        PdbAttachment record = file.record;
        record.fileSize = int32_t(file.bytes.size());
        Append(out, &record, 1);
        out.insert(out.end(), file.bytes.begin(), file.bytes.end());
    }
    return out;
}

int ReadUdlFile(const std::string& path, UdlLab& lab, UdlIo& io, std::string* why) {
    if (why) why->clear();
    std::vector<uint8_t> bytes;
    if (!io.ReadWholeFile(path, bytes)) return 0;
    UdlLab scratch;
    std::string fault;
    const UdlParse parsed = ParseUdl(bytes.data(), bytes.size(), scratch, &fault);
    if (parsed != UdlParse::kGood) {
        if (parsed == UdlParse::kUnsoundValue) {
            io.ShowRefusal(fault);
        } else {
            fault = UdlParseText(parsed);
            io.ShowMessage(kStringUdlWrongVersion, kStringUdlReadCaption);
        }
        if (why) *why = fault;
        return 0;
    }
    lab = std::move(scratch);
    ExtractPdbFiles(lab, io);
    return 1;
}

bool WriteUdlFile(const std::string& path, const UdlLab& lab, UdlIo& io) {
    std::vector<uint8_t> bytes = SerializeUdl(lab);
    return io.WriteWholeFile(path, bytes.data(), bytes.size());
}

std::string UdlTargetPath(const std::string& name, const std::string& perUserFolder) {
    std::string path = name.empty() ? "UNTITLED" : name;
    size_t nameStart = path.find_last_of("\\/:");
    nameStart = nameStart == std::string::npos ? 0 : nameStart + 1;
    size_t dot = path.rfind('.');
    if (dot != std::string::npos && dot >= nameStart) path.erase(dot);
    path += kUdlExtension;
    if (nameStart == 0) path = perUserFolder + "\\" + path;
    return path;
}

bool IsSafeBareFileName(const std::string& name) {
    if (name.empty() || name.find("..") != std::string::npos) return false;
    for (unsigned char c : name)
        if (c < 0x20 || strchr("<>\"|?*\\/:", c)) return false;
    // Windows drops trailing dots and spaces: "chemical.cdb." is chemical.cdb.
    if (name.back() == '.' || name.back() == ' ') return false;
    std::string upper = Upper(name);
    return !IsWindowsDeviceName(upper.substr(0, upper.find('.')));
}

std::string MoleculeFileName(const char* sourcePath, size_t fieldLength) {
    std::string path(sourcePath, strnlen(sourcePath, fieldLength));
    size_t cut = path.find_last_of("\\/:");
    std::string name = cut == std::string::npos ? path : path.substr(cut + 1);
    if (!IsSafeBareFileName(name)) return "";

    std::string upper = Upper(name);
    if (upper == Upper(kUserChemicalDatabaseName)) return "";
    size_t lastDot = upper.rfind('.');
    if (lastDot != std::string::npos) {
        std::string extension = upper.substr(lastDot);
        for (const char* lab : {".LAB", ".LAB-BREVANE", ".UDL", ".UDL-BREVANE"})
            if (extension == lab) return "";
    }
    return name;
}

int ExtractPdbFiles(const UdlLab& lab, UdlIo& io) {
    std::string folder = io.PerUserFolder();
    if (folder.empty()) return 0;
    int written = 0;
    for (const UdlMoleculeFile& file : lab.moleculeFiles) {
        std::string name = MoleculeFileName(file.record.sourcePath, sizeof file.record.sourcePath);
        if (name.empty()) continue;
        std::string target = folder + "\\" + name;
        if (target.size() >= size_t(kUdlPathLength)) continue;
        if (io.WriteWholeFile(target, file.bytes.data(), file.bytes.size())) ++written;
    }
    return written;
}
