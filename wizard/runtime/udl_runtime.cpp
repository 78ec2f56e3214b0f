#include "wizard/runtime/udl_runtime.h"

#include "common/rtf_nesting.h"

#include <cstring>

#include "wizard/builtin_water.h"
#include "wizard/database/user_database.h"
#include "wizard/reaction_engine.h"
#include "wizard/runtime/ion_solutions.h"

namespace parvell {

std::string FileNameOf(const std::string& path) {
    size_t cut = path.find_last_of("\\/:");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

int32_t UdlRuntime::QueryLabStyle() {
    if (lab_.header.labStyle == 0) lab_.header.labStyle = kStyleAuthoringModule;
    return lab_.header.labStyle;
}

int UdlRuntime::QueryUdlFileName(char* buffer, int cch) const {
    if (!buffer || cch <= 0) return 0;
    size_t copied = std::min(loadedUdlName_.size(), size_t(cch) - 1);
    memcpy(buffer, loadedUdlName_.data(), copied);
    buffer[copied] = '\0';
    return cch;
}

const std::vector<ChemicalRecord>& UdlRuntime::LoadLabChemicals(UdlIo& io, const std::string& userDatabasePath,
                                                                 ChemicalRegistry& registry) {
    userDatabase_.clear();
    if (!userDatabasePath.empty()) ReadUserChemicalDatabase(io, userDatabasePath, userDatabase_);

    // A fresh vector, so whatever still points at the previous one is not
    // pulled from under it while this one is built.
    std::vector<ChemicalRecord> handed = lab_.chemicals;
    if (handed.empty()) handed.push_back(BuiltInWaterRecord());
    handedChemicals_.swap(handed);
    registry.Register(handedChemicals_.data(), int32_t(handedChemicals_.size()));
    return handedChemicals_;
}

int UdlRuntime::IndicatorAvailable() const { return int(lab_.indicators.size()); }

const IndicatorRecord* UdlRuntime::IndicatorProperty(int i) const {
    if (i < 0 || size_t(i) >= lab_.indicators.size()) return nullptr;
    return &lab_.indicators[size_t(i)];
}

int UdlRuntime::LabSimulationProc(int32_t count, LabObject* base) const {
    EngineLab engine = EngineLabOf(lab_);
    return parvell::LabSimulationProc(engine, count, base);
}

const std::string* UdlRuntime::Text(int which) const {
    const std::string* text = nullptr;
    switch (which) {
    case 0: text = &lab_.introduction; break;
    case 1: text = &lab_.procedure; break;
    case 2: text = &lab_.observations; break;
    default: return nullptr;
    }
    // A lab file is outside data: rich text nested too deep can bring the pane down.
    return IsRtfNestingSound(text->data(), text->size()) ? text : nullptr;
}

int UdlRuntime::LoadUdlSimulation(const std::string& path, UdlIo& io) {
    if (path.empty()) return 0;
    UdlLab scratch;
    if (!ReadUdlFile(path, scratch, io)) return 0;
    UpgradeIonSolutions(scratch);
    lab_ = std::move(scratch);
    loadedUdlName_ = FileNameOf(path);
    return 1;
}

void UdlRuntime::UnloadUdlSimulation() {
    lab_ = UdlLab{};
    loadedUdlName_.clear();
    handedChemicals_.clear();
    handedChemicals_.shrink_to_fit();
}

int UdlRuntime::PdbFileAvailable(CasNumber cas, char* pathOut, UdlIo& io) const {
    for (const UdlMoleculeFile& file : lab_.moleculeFiles) {
        if (file.record.cas != cas) continue;
        // The same safe bare name extraction wrote it under.
        std::string name = MoleculeFileName(file.record.sourcePath, sizeof file.record.sourcePath);
        if (name.empty()) return 0;
        std::string folder = io.PerUserFolder();
        if (folder.empty()) return 0;
        std::string path = folder + "\\" + name;
        if (path.size() >= size_t(kUdlPathLength) || !io.FileExists(path)) return 0;
        if (pathOut) memcpy(pathOut, path.c_str(), path.size() + 1);
        return 1;
    }
    return 0;
}

}  // namespace parvell
