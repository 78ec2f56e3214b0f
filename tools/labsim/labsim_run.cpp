#include "tools/labsim/labsim_run.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "app/documents/safe_save.h"
#include "bench/model/chemical_table.h"
#include "tools/labsim/labsim_seams.h"
#include "wizard/runtime/udl_runtime.h"
#include "zephrane/chemical_database.h"

namespace {

struct Options {
    std::string input;
    std::string module;
    std::string output;
    std::string udl;
    long long ticks = 0;
    int32_t height = 900;
    bool json = false;
};

bool ParseNumber(const char* text, long long low, long long high, long long* out) {
    const char* end = text + std::strlen(text);
    auto [ptr, ec] = std::from_chars(text, end, *out);
    return ec == std::errc() && ptr == end && *out >= low && *out <= high;
}

// Error text, or empty when the arguments are good.
std::string ParseOptions(int argc, const char* const* argv, Options* o) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](const char** v) {
            if (i + 1 >= argc) return false;
            *v = argv[++i];
            return true;
        };
        const char* v = nullptr;
        long long n = 0;
        if (arg == "--json") {
            o->json = true;
        } else if (arg == "--module") {
            if (!value(&v)) return "--module needs a name";
            o->module = v;
        } else if (arg == "--udl") {
            if (!value(&v)) return "--udl needs a user-defined lab file";
            o->udl = v;
        } else if (arg == "--out") {
            if (!value(&v)) return "--out needs a file name";
            o->output = v;
        } else if (arg == "--ticks") {
            if (!value(&v) || !ParseNumber(v, 0, 100000000, &n)) return "--ticks needs a count";
            o->ticks = n;
        } else if (arg == "--height") {
            if (!value(&v) || !ParseNumber(v, 1, 100000, &n)) return "--height needs pixels";
            o->height = int32_t(n);
        } else if (arg.rfind("--", 0) == 0) {
            return "unknown option " + arg;
        } else if (o->input.empty()) {
            o->input = arg;
        } else {
            return "more than one input file";
        }
    }
    if (o->input.empty())
        return "usage: labsim IN.LAB [--module NAME] [--ticks N] [--height H] [--out OUT.LAB] "
               "[--udl LAB.UDL-BREVANE] [--json]";
    return "";
}

bool SameName(const char* a, const std::string& b) {
    std::string x = a, y = b;
    for (auto* s : {&x, &y})
        for (char& c : *s) c = char(std::toupper(static_cast<unsigned char>(c)));
    return x == y || x == y + ".DLL";
}

const ShippedModule* FindModule(const std::string& name) {
    for (int32_t i = 0; i < LabsimModuleCount; ++i)
        if (SameName(LabsimModules[i].fileName, name)) return &LabsimModules[i];
    return nullptr;
}

void AppendNumber(std::string& s, double v) {
    // JSON has no NaN or infinity.
    if (!std::isfinite(v)) {
        s += "null";
        return;
    }
    char text[64];
    auto r = std::to_chars(text, text + sizeof text, v);
    s.append(text, r.ptr);
}

void AppendString(std::string& s, const char* text) {
    s += '"';
    for (const char* p = text; *p; ++p) {
        const unsigned char c = static_cast<unsigned char>(*p);
        if (c == '"' || c == '\\') {
            s += '\\';
            s += char(c);
        } else if (c < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            s += escape;
        } else {
            s += char(c);
        }
    }
    s += '"';
}

// Files as they are; labsim extracts no molecule files and shows no boxes.
// A file is refused from its size, before it is read, as the program does.
class LabsimUdlIo : public UdlIo {
public:
    std::string problem;  // why the last read failed
    bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes) override {
        std::ifstream in(path, std::ios::binary | std::ios::ate);
        if (!in) return Fail("cannot open the file");
        const std::streamoff size = in.tellg();
        if (size < 0) return Fail("cannot read the file's size");
        if (uint64_t(size) > kLargestUdlFileBytes)
            return Fail("larger than the " + std::to_string(kLargestUdlFileBytes >> 20) +
                        " MB a user-defined lab may be");
        in.seekg(0);
        bytes.resize(size_t(size));
        if (size && !in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(size)))
            return Fail("cannot read the file");
        return true;
    }
    bool WriteWholeFile(const std::string&, const void*, size_t) override { return false; }
    std::string PerUserFolder() override { return ""; }
    void ShowMessage(int, int) override {}

private:
    bool Fail(const std::string& why) {
        problem = why;
        return false;
    }
};

// The bench's table and the engine's queries both answer from the lab's chemicals.
class LabsimRegistry : public parvell::ChemicalRegistry {
public:
    void Register(const ChemicalRecord* records, int32_t count) override {
        SetChemicalTable(records, count);
        RegisterChemicals(records, count);
    }
};

parvell::UdlRuntime UserDefinedLab;

int UserDefinedLabHook(int32_t count, LabObject* base) { return UserDefinedLab.LabSimulationProc(count, base); }

bool IsAuthoringModule(const char* name) { return SameName(name, "PARVELL"); }

std::string FolderOf(const std::string& path) {
    size_t cut = path.find_last_of("\\/");
    return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

// The header first, then the rest only when the size is one the program
// itself opens: a huge file is refused without reading it.
std::string ReadLabFileBytes(const std::string& path, std::vector<uint8_t>* bytes) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return "cannot open the file";
    const std::streamoff size = in.tellg();
    if (size < 0) return "cannot read the file's size";
    in.seekg(0);
    LabFileHeader header;
    const uint64_t headerBytes = std::min<uint64_t>(uint64_t(size), sizeof header);
    bytes->resize(size_t(headerBytes));
    if (!in.read(reinterpret_cast<char*>(bytes->data()), std::streamsize(headerBytes)))
        return "cannot read the file";
    if (headerBytes < sizeof header) return LabFileErrorText(LabFileError::kTooShort);
    std::memcpy(&header, bytes->data(), sizeof header);
    if (std::memcmp(header.signature, kLabFileSignature, sizeof header.signature) != 0)
        return LabFileErrorText(LabFileError::kBadSignature);
    if (uint64_t(size) > kLargestLabFileBytes)
        return "larger than the " + std::to_string(kLargestLabFileBytes >> 20) + " MB a lab file may be";
    bytes->resize(size_t(size));
    if (!in.read(reinterpret_cast<char*>(bytes->data() + headerBytes), std::streamsize(size) - std::streamsize(headerBytes)))
        return "cannot read the file";
    return "";
}

}  // namespace

std::string LabDocumentJson(const char* moduleName, int32_t count, const LabObject* base, const char* title) {
    std::string s = "{\"module\": ";
    AppendString(s, moduleName);
    if (title) {
        s += ", \"title\": ";
        AppendString(s, title);
    }
    s += ", \"objects\": [";
    for (int32_t i = 1; i <= count; ++i) {
        const LabObject& o = base[i];
        s += i > 1 ? ",\n  {" : "\n  {";
        s += "\"index\": " + std::to_string(i) + ", \"type\": " + std::to_string(o.type) +
             ", \"size\": " + std::to_string(o.sizeIndex) + ", \"variant\": " +
             std::to_string(o.variant) + ", \"state\": " + std::to_string(o.stateBits) +
             ", \"rect\": [" + std::to_string(o.position.left) + ", " +
             std::to_string(o.position.top) + ", " + std::to_string(o.position.right) + ", " +
             std::to_string(o.position.bottom) + "], \"host\": " + std::to_string(o.host);
        s += ", \"liquid_volume\": ";
        AppendNumber(s, o.liquidVolume);
        s += ", \"solid_volume\": ";
        AppendNumber(s, o.solidVolume);
        s += ", \"temperature\": ";
        AppendNumber(s, o.temperature);
        s += ", \"boiling_point\": ";
        AppendNumber(s, o.boilingPoint);
        s += ", \"liquid_colour\": [" + std::to_string(o.liquidColour[0]) + ", " +
             std::to_string(o.liquidColour[1]) + ", " + std::to_string(o.liquidColour[2]) + "]";
        s += ", \"solid_colour\": [" + std::to_string(o.solidColour[0]) + ", " +
             std::to_string(o.solidColour[1]) + ", " + std::to_string(o.solidColour[2]) +
             "], \"solid_fill\": " + std::to_string(o.solidFillKind) +
             ", \"solid_pattern\": " + std::to_string(o.solidPatternId) + ", \"precipitate\": ";
        AppendNumber(s, o.precipitate);
        if (title) {
            s += ", \"ph\": ";
            AppendNumber(s, o.ph);
            s += ", \"conductivity\": ";
            AppendNumber(s, o.type == kConductivityMeter ? o.reading1 : 0.0);
        }
        s += ", \"slots\": [";
        bool first = true;
        for (const ComponentSlot& slot : o.slots) {
            if (slot.grams == 0) continue;
            s += first ? "{" : ", {";
            first = false;
            s += "\"cas\": " + std::to_string(slot.cas) + ", \"phase\": " + std::to_string(slot.phase) +
                 ", \"grams\": ";
            AppendNumber(s, slot.grams);
            s += ", \"kelvin\": ";
            AppendNumber(s, slot.kelvin);
            s += "}";
        }
        s += "]}";
    }
    s += count ? "\n]}\n" : "]}\n";
    return s;
}

int RunLabsim(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    Options options;
    const std::string problem = ParseOptions(argc, argv, &options);
    if (!problem.empty()) {
        err << "labsim: " << problem << "\n";
        return 2;
    }
    std::vector<uint8_t> bytes;
    const std::string unread = ReadLabFileBytes(options.input, &bytes);
    if (!unread.empty()) {
        err << "labsim: " << options.input << ": " << unread << "\n";
        return 2;
    }
    LabFileReadContext context;
    context.availableHeight = options.height;
    context.templates = LabsimTemplates;
    LabDocument doc;
    const LabFileError error = DecodeLabFile(bytes.data(), bytes.size(), context, &doc);
    if (error != LabFileError::kNone) {
        err << "labsim: " << options.input << ": " << LabFileErrorText(error) << "\n";
        return 2;
    }

    const ShippedModule* module = nullptr;
    if (!options.module.empty()) {
        module = FindModule(options.module);
        if (!module) {
            err << "labsim: unknown module " << options.module << "\n";
            return 2;
        }
        std::memset(doc.moduleName, 0, sizeof doc.moduleName);
        std::strncpy(doc.moduleName, module->fileName, sizeof doc.moduleName - 1);
    } else {
        module = FindModule(doc.moduleName);
    }

    // A user-defined lab: named on the command line, or the authoring module's
    // lab named by the lab file and lying beside it.
    std::string udlPath = options.udl;
    if (udlPath.empty() && options.module.empty() && IsAuthoringModule(doc.moduleName) && doc.udlName[0]) {
        std::string name(doc.udlName, strnlen(doc.udlName, sizeof doc.udlName));
        if (parvell::FileNameOf(name) != name || name == "." || name == "..") {
            err << "labsim: " << options.input << ": the user-defined lab is not a bare file name\n";
            return 2;
        }
        udlPath = FolderOf(options.input) + name;
    }
    const bool userDefined = !udlPath.empty();
    LabSimulationProcEntry* hook = module ? module->lab->simulationHook : nullptr;
    uint32_t style = module ? module->lab->style : 0;
    if (userDefined) {
        LabsimUdlIo io;
        std::string why;
        if (!UserDefinedLab.LoadUdlSimulation(udlPath, io, &why)) {
            err << "labsim: cannot read the user-defined lab " << udlPath << ": "
                << (why.empty() ? io.problem : why) << "\n";
            return 2;
        }
        LabsimRegistry registry;
        UserDefinedLab.LoadLabChemicals(io, "", registry);
        hook = UserDefinedLabHook;
        style = uint32_t(UserDefinedLab.QueryLabStyle());
        module = nullptr;
    } else if (module) {
        SetChemicalTable(module->lab->chemicals, module->lab->chemicalCount);
    }
    if (options.ticks > 0) {
        if (!LabsimTick) {
            err << "labsim: warning: the simulation tick is not linked in; objects left as read\n";
        } else {
            const LabsimSettings settings;
            for (long long t = 0; t < options.ticks; ++t)
                LabsimTick(doc.objectCount, doc.objects.data(), hook, style, settings);
        }
    }

    if (!options.output.empty()) {
        const auto file = EncodeLabFile(doc.objectCount, doc.moduleName, doc.udlName,
                                        doc.objects.data(), doc.observationsRtf,
                                        doc.datasets.data(), int32_t(doc.datasets.size()),
                                        doc.trailer.reserved, doc.udlInPersonalFolder,
                                        LabsimTemplates);
        StdioSaveTarget target;
        if (!SaveFileReplacing(options.output, file.data(), file.size(), target)) {
            err << "labsim: cannot write " << options.output << "\n";
            return 2;
        }
    }
    if (options.json || options.output.empty())
        out << LabDocumentJson(doc.moduleName, doc.objectCount, doc.objects.data(),
                               userDefined ? UserDefinedLab.LoadedHeader().title : nullptr);
    return 0;
}
