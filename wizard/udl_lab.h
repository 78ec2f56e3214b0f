// A user-defined lab in memory: the header and every section of its file.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "common/chemical_record.h"
#include "wizard/udl_records.h"

struct UdlMoleculeFile {
    PdbAttachment record;
    std::vector<uint8_t> bytes;  // record.fileSize of them
};

struct UdlLab {
    UdlHeader header{};  // counts and lengths match the sections below
    std::string introduction;  // RTF
    std::string procedure;
    std::string observations;
    std::vector<ChemicalRecord> chemicals;
    std::vector<ReactionRecord> reactions;
    std::vector<IndicatorRecord> indicators;
    std::vector<UdlReservedRecord> reservedRecords;
    std::vector<SpectroPoint> spectroPoints;
    std::vector<UdlMoleculeFile> moleculeFiles;
};
