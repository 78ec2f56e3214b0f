// The wizard's Finish without windows: the three documents read into the
// lab, the molecule files refreshed from their sources, and the lab file
// written into the per-user folder. Files and boxes go through FinishSeams.
#pragma once
#include <cstdint>
#include <string>

#include "wizard/udl_file.h"
#include "wizard/udl_lab.h"

namespace parvell {

constexpr int kStringCannotReadIntroduction = 1168;  // "Cannot read Intro File"
constexpr int kStringCannotReadProcedure = 1169;     // "Cannot read Procedure File"
constexpr int kStringCannotReadObservations = 1170;  // "Cannot read Observation File"
constexpr int kStringCreateFileFailed = 1171;        // "Create file failed"
constexpr int kStringCannotReadFile = 1173;          // "Cannot Read File"
constexpr int kStringErrorCaption = 1139;            // "Error"
constexpr int kStringWizardSheetCaption = 1167;      // "UDL Tavistrel"
constexpr char kReadErrorCaption[] = "ERROR";

// A document or molecule file larger than this is refused: three of them and
// the lab's own sections stay well inside what a lab file may be.
constexpr uint64_t kLargestFinishFileBytes = 64ull * 1024 * 1024;
// The lab file reader refuses anything larger; Finish never writes one.
constexpr uint64_t kLargestUdlFileBytes = 256ull * 1024 * 1024;

// What reading one file whole gave.
struct FinishFileRead {
    enum class Outcome { kRead, kCannotOpen, kEmpty, kFailed };
    Outcome outcome = Outcome::kCannotOpen;
    std::string bytes;       // kRead: every byte of the file
    int64_t length = 0;      // the file's size
    int64_t bytesRead = 0;   // what was read before it failed
    uint32_t lastError = 0;  // the system's error then
};

class FinishSeams {
public:
    virtual ~FinishSeams() = default;
    // Reads path whole; a file larger than largest is kFailed without a read.
    virtual FinishFileRead ReadWholeFile(const std::string& path, uint64_t largest) = 0;
    // A box with the module's strings.
    virtual void ShowStringBox(int textId, int captionId) = 0;
    // A box with a text of its own.
    virtual void ShowTextBox(const std::string& text, const std::string& caption) = 0;
};

// "Error in File Read, length = %i, BytesRead= %i, LastError = %i".
std::string ReadErrorText(const FinishFileRead& read);

// One document at Finish: the text read, or what the lab held before when
// the file could not be read; every refusal shows its box. whichText is 0
// Introduction, 1 Procedure, 2 Observations.
std::string FinishDocument(const std::string& path, const std::string& held, int whichText, FinishSeams& seams);

// Each molecule file takes the bytes really read from its source; one whose
// source cannot be read keeps the bytes it holds. No boxes.
void RefreshMoleculeFiles(UdlLab& lab, FinishSeams& seams);

// Finish: reads the documents and molecule files into a copy of lab, writes
// it as fileName (a bare name) in io's per-user folder and, only when the
// file is written, makes lab that copy (its counts and lengths in step).
// false, with the create-file box, when nothing could be written: the
// sheet stays open then and lab is as it was.
bool FinishLab(UdlLab& lab, const std::string& fileName, FinishSeams& seams, UdlIo& io);

}  // namespace parvell
