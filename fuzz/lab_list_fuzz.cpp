// Feeds arbitrary bytes to the lab list's header reader: whatever it accepts
// must give fields within their widths and a module name that is listed only
// when it is a bare library name.
#include <cstdint>
#include <string>

#include "bench/commands/documents/lab_list_rows.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    UdlListHeader header;
    if (!ReadUdlListHeader(data, size, &header)) return 0;
    if (header.module.size() > 260 || header.title.size() > 128 || header.description.size() > 256)
        __builtin_trap();
    const bool listed = IsListableModule(header.module, [](const std::string&) { return true; });
    if (listed && header.module.find_first_of("\\/:") != std::string::npos) __builtin_trap();
    return 0;
}
