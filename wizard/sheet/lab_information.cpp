#include "wizard/sheet/lab_information.h"

#include <algorithm>
#include <cstring>

#include "wizard/udl_file.h"

namespace parvell {

std::string UdlFileNameFromTyped(const std::string& typed) {
    size_t cut = typed.find_last_of("\\/:");
    std::string name = cut == std::string::npos ? typed : typed.substr(cut + 1);
    // The extension is replaced whatever it was: only the name before it counts.
    std::string stem = name.substr(0, name.rfind('.'));
    if (!IsSafeBareFileName(stem)) stem = kUntitledUdlName;
    return stem + kUdlExtension;
}

void CopyToField(const std::string& text, char* field, size_t size) {
    if (!field || size == 0) return;
    memset(field, 0, size);
    memcpy(field, text.data(), std::min(text.size(), size - 1));
}

std::string FieldText(const char* field, size_t size) { return std::string(field, strnlen(field, size)); }

void StoreLabInformation(const LabInformationFields& fields, UdlHeader& header) {
    CopyToField(fields.title, header.title);
    CopyToField(fields.description, header.description);
    CopyToField(fields.moduleName, header.moduleName);
    CopyToField(fields.author, header.author);
}

LabInformationFields LabInformationOf(const UdlHeader& header) {
    return {FieldText(header.title), FieldText(header.description), FieldText(header.moduleName),
            FieldText(header.author)};
}

void SetUdlSignature(UdlHeader& header) { CopyToField(kUdlSignature, header.signature); }

namespace {

// Built when asked, so the bytes never stand in the library as one constant.
PasswordBytes PasswordMask() {
    PasswordBytes mask{};
    uint32_t state = 0x5EED1A7Bu;
    for (uint8_t& byte : mask) {
        state = state * 1103515245u + 12345u;
        byte = uint8_t((state >> 16) | 0x80);
    }
    return mask;
}

}  // namespace

PasswordBytes TypedPassword(const char* typed) {
    PasswordBytes bytes{};
    if (typed) memcpy(bytes.data(), typed, strnlen(typed, bytes.size() - 1));
    return bytes;
}

PasswordBytes MaskPassword(const PasswordBytes& bytes) {
    const PasswordBytes mask = PasswordMask();
    PasswordBytes masked{};
    for (size_t i = 0; i < masked.size(); ++i) masked[i] = uint8_t(bytes[i] ^ mask[i]);
    return masked;
}

void SetLabPassword(UdlHeader& header, const char* typed) {
    const PasswordBytes masked = MaskPassword(TypedPassword(typed));
    memcpy(header.password, masked.data(), masked.size());
    header.hasPassword = 1;
}

bool LabPasswordMatches(const UdlHeader& header, const char* typed) {
    const PasswordBytes masked = MaskPassword(TypedPassword(typed));
    return memcmp(header.password, masked.data(), masked.size()) == 0;
}

void ClearLabPassword(UdlHeader& header) {
    memset(header.password, 0, sizeof header.password);
    header.hasPassword = 0;
}

}  // namespace parvell
