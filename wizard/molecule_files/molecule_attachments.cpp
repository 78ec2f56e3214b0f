#include "wizard/molecule_files/molecule_attachments.h"

#include <cstring>

#include "wizard/reactions/lab_chemical_lookup.h"
#include "wizard/runtime/udl_runtime.h"
#include "wizard/udl_file.h"

namespace parvell {

namespace {

void CountFiles(UdlLab& lab) { lab.header.attachmentCount = int32_t(lab.moleculeFiles.size()); }

bool SamePath(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i] >= 'a' && a[i] <= 'z' ? char(a[i] - 32) : a[i];
        char y = b[i] >= 'a' && b[i] <= 'z' ? char(b[i] - 32) : b[i];
        if (x != y) return false;
    }
    return true;
}

}  // namespace

int FindMoleculeFile(const UdlLab& lab, CasNumber cas) {
    for (size_t i = 0; i < lab.moleculeFiles.size(); ++i)
        if (lab.moleculeFiles[i].record.cas == cas) return int(i);
    return -1;
}

std::string AttachedFileName(const UdlLab& lab, CasNumber cas) {
    int at = FindMoleculeFile(lab, cas);
    if (at < 0) return "";
    const PdbAttachment& record = lab.moleculeFiles[size_t(at)].record;
    return FileNameOf(BoundedText(record.sourcePath, sizeof record.sourcePath));
}

AttachResult AttachMoleculeFile(UdlLab& lab, CasNumber cas, const std::string& sourcePath) {
    if (sourcePath.size() >= size_t(kUdlPathLength) || sourcePath.find('\0') != std::string::npos ||
        MoleculeFileName(sourcePath.c_str(), sourcePath.size()).empty())
        return AttachResult::kUnsafeName;
    int at = FindMoleculeFile(lab, cas);
    if (at >= 0) {
        UdlMoleculeFile& file = lab.moleculeFiles[size_t(at)];
        if (SamePath(BoundedText(file.record.sourcePath, sizeof file.record.sourcePath), sourcePath))
            return AttachResult::kUnchanged;
        StoreBoundedText(sourcePath, file.record.sourcePath, sizeof file.record.sourcePath);
        file.record.fileSize = 0;
        file.bytes.clear();
        return AttachResult::kReplaced;
    }
    UdlMoleculeFile file{};
    file.record.cas = cas;
    StoreBoundedText(sourcePath, file.record.sourcePath, sizeof file.record.sourcePath);
    lab.moleculeFiles.push_back(file);
    CountFiles(lab);
    return AttachResult::kAttached;
}

bool ClearMoleculeFile(UdlLab& lab, CasNumber cas) {
    int at = FindMoleculeFile(lab, cas);
    if (at < 0) return false;
    lab.moleculeFiles.erase(lab.moleculeFiles.begin() + at);
    CountFiles(lab);
    return true;
}

}  // namespace parvell
