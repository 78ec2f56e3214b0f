#include "wizard/sheet/lab_finish.h"

#include <cstdio>

#include "wizard/runtime/udl_runtime.h"
#include "wizard/sheet/lab_information.h"

namespace parvell {

namespace {

std::string DocumentPath(const UdlHeader& header, int whichText) {
    switch (whichText) {
    case 0: return FieldText(header.introductionPath);
    case 1: return FieldText(header.procedurePath);
    default: return FieldText(header.observationsPath);
    }
}

// What the file will weigh, counted in 64 bits before anything is written.
uint64_t UdlFileBytes(const UdlLab& lab) {
    uint64_t bytes = sizeof(UdlHeader) + lab.introduction.size() + lab.procedure.size() + lab.observations.size();
    bytes += uint64_t(lab.chemicals.size()) * sizeof(ChemicalRecord);
    bytes += uint64_t(lab.reactions.size()) * sizeof(ReactionRecord);
    bytes += uint64_t(lab.indicators.size()) * sizeof(IndicatorRecord);
    bytes += uint64_t(lab.reservedRecords.size()) * sizeof(UdlReservedRecord);
    bytes += uint64_t(lab.spectroPoints.size()) * sizeof(SpectroPoint);
    for (const UdlMoleculeFile& file : lab.moleculeFiles) bytes += sizeof(PdbAttachment) + file.bytes.size();
    return bytes;
}

void KeepHeaderInStep(UdlLab& lab) {
    lab.header = UdlHeaderInStep(lab);
    // Without it the lab, once run, would offer neither the wizard nor its title.
    lab.header.labStyle |= kStyleAuthoringModule;
}

}  // namespace

std::string ReadErrorText(const FinishFileRead& read) {
    char text[160];
    snprintf(text, sizeof text, "Error in File Read, length = %lld, BytesRead= %lld, LastError = %lu",
             static_cast<long long>(read.length), static_cast<long long>(read.bytesRead),
             static_cast<unsigned long>(read.lastError));
    return text;
}

std::string FinishDocument(const std::string& path, const std::string& held, int whichText, FinishSeams& seams) {
    static const int cannotRead[] = {kStringCannotReadIntroduction, kStringCannotReadProcedure,
                                     kStringCannotReadObservations};
    FinishFileRead read = seams.ReadWholeFile(path, kLargestFinishFileBytes);
    switch (read.outcome) {
    case FinishFileRead::Outcome::kRead: return std::move(read.bytes);
    case FinishFileRead::Outcome::kCannotOpen:
        // An edited lab whose documents stayed on another machine keeps them.
        if (held.empty()) seams.ShowStringBox(cannotRead[whichText < 0 || whichText > 2 ? 0 : whichText],
                                              kStringWizardSheetCaption);
        return held;
    case FinishFileRead::Outcome::kEmpty: seams.ShowStringBox(kStringCannotReadFile, kStringErrorCaption); break;
    case FinishFileRead::Outcome::kFailed: seams.ShowTextBox(ReadErrorText(read), kReadErrorCaption); break;
    }
    return held;
}

void RefreshMoleculeFiles(UdlLab& lab, FinishSeams& seams) {
    for (UdlMoleculeFile& file : lab.moleculeFiles) {
        const std::string source = FieldText(file.record.sourcePath);
        FinishFileRead read = seams.ReadWholeFile(source, kLargestFinishFileBytes);
        if (read.outcome != FinishFileRead::Outcome::kRead) continue;
        file.bytes.assign(read.bytes.begin(), read.bytes.end());
        file.record.fileSize = int32_t(file.bytes.size());
    }
}

bool FinishLab(UdlLab& lab, const std::string& fileName, FinishSeams& seams, UdlIo& io) {
    const std::string folder = io.PerUserFolder();
    const std::string target = folder.empty() ? std::string() : UdlTargetPath(fileName, folder);
    if (target.empty() || target.size() >= size_t(kUdlPathLength)) {
        seams.ShowStringBox(kStringCreateFileFailed, kStringWizardSheetCaption);
        return false;
    }
    UdlLab finished = lab;
    finished.introduction = FinishDocument(DocumentPath(lab.header, 0), lab.introduction, 0, seams);
    finished.procedure = FinishDocument(DocumentPath(lab.header, 1), lab.procedure, 1, seams);
    finished.observations = FinishDocument(DocumentPath(lab.header, 2), lab.observations, 2, seams);
    RefreshMoleculeFiles(finished, seams);
    KeepHeaderInStep(finished);

    if (UdlFileBytes(finished) > kLargestUdlFileBytes || !WriteUdlFile(target, finished, io)) {
        seams.ShowStringBox(kStringCreateFileFailed, kStringWizardSheetCaption);
        return false;
    }
    lab = std::move(finished);
    return true;
}

}  // namespace parvell
