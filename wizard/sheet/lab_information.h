// What the wizard's Lab Information page decides without windows: the name
// the lab is saved under, the header's text fields and the edit password.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "wizard/udl_records.h"

namespace parvell {

constexpr char kUntitledUdlName[] = "UNTITLED";
constexpr int kStringPasswordIncorrect = 1174;  // "Password is incorrect"
constexpr int kStringPasswordCaption = 1175;    // "Password Protection"

// The typed file name as the lab is saved under: reduced to name and
// extension (a folder typed with it is dropped), the extension upper-cased
// and made ".UDL-BREVANE". An empty name, or one that is not a safe bare
// name (".." in it, a device name, characters Windows refuses), becomes
// "UNTITLED".
std::string UdlFileNameFromTyped(const std::string& typed);

// The page's text fields, stored bounded: each field keeps at most its
// length - 1 characters and is zero-filled behind them.
struct LabInformationFields {
    std::string title;        // up to 127
    std::string description;  // up to 255
    std::string moduleName;   // the authoring module's own file name
    std::string author;       // up to 119
};
void StoreLabInformation(const LabInformationFields& fields, UdlHeader& header);
LabInformationFields LabInformationOf(const UdlHeader& header);

// Copies text into a fixed field: at most size - 1 characters, zero-filled.
void CopyToField(const std::string& text, char* field, size_t size);
template <size_t N>
void CopyToField(const std::string& text, char (&field)[N]) {
    CopyToField(text, field, N);
}
// A fixed field's text, read bounded.
std::string FieldText(const char* field, size_t size);
template <size_t N>
std::string FieldText(const char (&field)[N]) {
    return FieldText(field, N);
}

// The header's signature, as every page that writes the header leaves it.
void SetUdlSignature(UdlHeader& header);

using PasswordBytes = std::array<uint8_t, kUdlPasswordLength>;

// The 7-byte buffer the password dialog reads into: zero-filled first, then
// at most 6 typed characters, so the last byte always ends the text and no
// byte is left over from before.
PasswordBytes TypedPassword(const char* typed);

// Exclusive-or with the module's fixed 7-byte mask; masking twice gives the
// bytes back.
PasswordBytes MaskPassword(const PasswordBytes& bytes);

// Set mode: the masked typed password and the flag in the header.
void SetLabPassword(UdlHeader& header, const char* typed);
// Check mode: whether the typed password masks to the stored bytes.
bool LabPasswordMatches(const UdlHeader& header, const char* typed);
// A correct password unchecked: no password, no flag.
void ClearLabPassword(UdlHeader& header);

}  // namespace parvell
