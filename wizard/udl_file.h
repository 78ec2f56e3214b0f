// Reading and writing user-defined lab files, and extracting the molecule
// files they carry. The file system and the message box are reached through
// UdlIo so the same code runs in the library and in native tests.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "wizard/udl_lab.h"

constexpr int kStringUdlWrongVersion = 1183;  // "The UDL file is not correct version"
constexpr int kStringUdlReadCaption = 1184;   // "UDL Read"
constexpr int kStringUdlRefused = 1191;       // "The UDL file cannot be used: %s"
// The largest user-defined lab read: headers, texts and molecule files, never
// more (reading more whole could exhaust a 32-bit address space).
constexpr uint64_t kLargestUdlFileBytes = uint64_t{256} << 20;
constexpr char kUserChemicalDatabaseName[] = "chemical.cdb";
constexpr char kUdlExtension[] = ".UDL-BREVANE";

class UdlIo {
public:
    virtual ~UdlIo() = default;
    // The whole file; false when it cannot be opened or read.
    virtual bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes) = 0;
    // Writes beside the target and replaces it only when every byte is written.
    virtual bool WriteWholeFile(const std::string& path, const void* data, size_t length) = 0;
    // The per-user folder ("...\Brevane", no trailing separator), created when
    // missing; empty when there is none.
    virtual std::string PerUserFolder() = 0;
    // An OK box on the owner window with string ids for text and caption.
    virtual void ShowMessage(int textId, int captionId) = 0;
    // An OK box on the owner window, captioned string 1184, saying why the
    // lab is refused (string 1191 with the reason); by default the box of a
    // foreign file.
    virtual void ShowRefusal(const std::string& why) {
        (void)why;
        ShowMessage(kStringUdlWrongVersion, kStringUdlReadCaption);
    }
    // Whether a file is there; reading it is the portable fallback.
    virtual bool FileExists(const std::string& path) {
        std::vector<uint8_t> bytes;
        return ReadWholeFile(path, bytes);
    }
};

// Reads a file of `size` bytes piece by piece through read(buffer, wanted,
// &got), which returns false on an error. A read of nothing ends the file
// early (it shrank while read: bytes keeps what was there); an error part
// way fails the whole read and leaves bytes empty.
using ReadPiece = bool (*)(void* context, uint8_t* buffer, size_t wanted, size_t* got);
bool ReadInPieces(uint64_t size, ReadPiece read, void* context, std::vector<uint8_t>& bytes);

enum class UdlParse { kGood, kTooShort, kWrongSignature, kNegativeCount, kUnsoundValue };

// Why a file was refused, in words.
const char* UdlParseText(UdlParse result);

// Parses a whole file image into lab. Counts beyond the bytes present are cut
// to what is there (a record cut short is zero-filled) and the header keeps the
// counts really read; denormal numbers become 0, and a number outside its
// range refuses the file (kUnsoundValue, *why naming the record). lab is
// written only when the result is kGood.
UdlParse ParseUdl(const uint8_t* data, size_t length, UdlLab& lab, std::string* why = nullptr);

// The header with its signature and with the counts and lengths of the
// sections lab holds.
UdlHeader UdlHeaderInStep(const UdlLab& lab);

// The file image: header (counts and lengths set from the sections) and then
// the sections in file order.
std::vector<uint8_t> SerializeUdl(const UdlLab& lab);

// Reads path into lab and extracts its molecule files. 1 read; 0 not, and lab
// is left as it was. A file that cannot be opened fails without a message;
// a short or foreign file shows string 1183 captioned 1184; a file holding
// numbers outside their ranges shows why (UdlIo::ShowRefusal). *why, when
// given, receives the reason of a refusal ("" when the file could not be read).
int ReadUdlFile(const std::string& path, UdlLab& lab, UdlIo& io, std::string* why = nullptr);

// Writes the lab file; false when it could not be written (the old file stays).
bool WriteUdlFile(const std::string& path, const UdlLab& lab, UdlIo& io);

// Where Finish writes: the name with its extension forced to ".UDL-BREVANE"
// ("UNTITLED" when empty); a bare name goes into the per-user folder.
std::string UdlTargetPath(const std::string& name, const std::string& perUserFolder);

// A name a file can be made under in a folder and stay there: not empty, no
// separators or "..", no characters Windows refuses, no trailing dot or space
// (Windows drops them), and no device name ("CON", "com1.txt").
bool IsSafeBareFileName(const std::string& name);

// The file name a molecule file extracts to, or "" when the source path's name
// and extension are not a safe bare name (no separators, no "..", not the user
// chemical database or a lab file, nothing Windows would alias).
std::string MoleculeFileName(const char* sourcePath, size_t fieldLength);

// Writes every molecule file into the per-user folder; returns how many were
// written. Unsafe names and over-long paths are skipped.
int ExtractPdbFiles(const UdlLab& lab, UdlIo& io);
