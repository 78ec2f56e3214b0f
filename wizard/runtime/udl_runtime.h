// The loaded user-defined lab and what the authoring module's exports answer
// from it. The Win32 exports wrap this state in global-memory blocks; tests and
// labsim drive it directly.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "common/chemical_record.h"
#include "common/lab_object.h"
#include "wizard/udl_file.h"
#include "wizard/udl_lab.h"

namespace parvell {

constexpr int32_t kStyleAuthoringModule = 0x8;

// Where the chemical queries answer from: Zephrane in the library, the
// portable table in tests.
class ChemicalRegistry {
public:
    virtual ~ChemicalRegistry() = default;
    virtual void Register(const ChemicalRecord* records, int32_t count) = 0;
};

class UdlRuntime {
public:
    const UdlHeader& LoadedHeader() const { return lab_.header; }
    const std::string& LoadedUdlName() const { return loadedUdlName_; }
    const UdlLab& Lab() const { return lab_; }
    // The wizard edits the loaded lab in place; whoever changes its chemicals
    // registers them again before the next chemical query.
    UdlLab& EditableLab() { return lab_; }
    // The name the wizard chose, once the lab is written under it.
    void SetLoadedUdlName(const std::string& name) { loadedUdlName_ = name; }
    const std::vector<ChemicalRecord>& UserDatabase() const { return userDatabase_; }
    // The chemical dialogs keep it equal to what the file holds.
    std::vector<ChemicalRecord>& EditableUserDatabase() { return userDatabase_; }

    // The header's style; 0 becomes the authoring module's 8.
    int32_t QueryLabStyle();

    // Copies LoadedUdlName (at most cch - 1 characters, always terminated);
    // cch, or 0 when nothing could be copied.
    int QueryUdlFileName(char* buffer, int cch) const;

    // Reads the user database from userDatabasePath (empty: none), makes the
    // lab's chemicals (water alone when it has none) the registered table and
    // returns them. The vector is a fresh one each call and stays as it is
    // until the next call or an unload.
    const std::vector<ChemicalRecord>& LoadLabChemicals(UdlIo& io, const std::string& userDatabasePath,
                                                        ChemicalRegistry& registry);
    const std::vector<ChemicalRecord>& HandedChemicals() const { return handedChemicals_; }

    int IndicatorAvailable() const;
    // Null unless 0 <= i < the indicator count.
    const IndicatorRecord* IndicatorProperty(int i) const;

    int LabSimulationProc(int32_t count, LabObject* base) const;

    // 0 Introduction, 1 Procedure, 2 Observations; null for any other, and
    // for a text nested too deep to hand to a rich edit.
    const std::string* Text(int which) const;

    // 1 read; 0 not, and the loaded lab and its name stay as they were (*why,
    // when given, says why a file that was read is refused).
    int LoadUdlSimulation(const std::string& path, UdlIo& io, std::string* why = nullptr);
    void UnloadUdlSimulation();

    // Nonzero when the lab carries a molecule file for cas under a safe name
    // and it is present in the per-user folder; pathOut (kUdlPathLength bytes)
    // receives its path then, and is untouched otherwise.
    int PdbFileAvailable(CasNumber cas, char* pathOut, UdlIo& io) const;

private:
    UdlLab lab_;
    std::string loadedUdlName_;
    std::vector<ChemicalRecord> userDatabase_;
    std::vector<ChemicalRecord> handedChemicals_;
};

// The name and extension of a path (after its last \, / or :).
std::string FileNameOf(const std::string& path);

}  // namespace parvell
