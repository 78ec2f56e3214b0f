// Delete and Rewrite of a comment on arbitrary files: only a whole comment
// on the walk is changed, and the file around it stays byte for byte.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "app/demo/demo_file_walk.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4) return 0;
    uint32_t pick;
    std::memcpy(&pick, data, sizeof pick);
    DemoFileHeader header{};
    std::memcpy(header.signature, kDemoSignature, sizeof kDemoSignature);
    std::strcpy(header.moduleName, "OLVARIS.DLL");
    header.headerSize = sizeof header;
    std::vector<uint8_t> file(reinterpret_cast<uint8_t*>(&header),
                              reinterpret_cast<uint8_t*>(&header) + sizeof header);
    file.insert(file.end(), data + 4, data + size);

    // Every event start on the walk, and one offset the fuzzer chooses.
    std::vector<uint64_t> offsets{pick % (file.size() + 1)};
    DemoEventAt e;
    for (uint64_t at = kDemoHeaderBytes; PeekDemoEvent(file.data(), file.size(), at, &e); at = e.next)
        offsets.push_back(at);
    for (uint64_t offset : offsets) {
        const bool comment = IsCommentEventAt(file.data(), file.size(), offset);
        std::vector<uint8_t> deleted = file;
        if (DeleteDemoComment(deleted, offset) != comment) std::abort();
        if (!comment && deleted != file) std::abort();
        if (comment) {
            PeekDemoEvent(file.data(), file.size(), offset, &e);
            if (deleted.size() != file.size() - (e.next - offset)) std::abort();
            if (std::memcmp(deleted.data(), file.data(), size_t(offset)) != 0) std::abort();
        }
        std::vector<uint8_t> rewritten = file;
        DemoMessage message{std::string(pick % 600, 'm'), int32_t(pick % 5), 1, 2, 3};
        if (RewriteDemoComment(rewritten, offset, message) != comment) std::abort();
        if (comment && !IsCommentEventAt(rewritten.data(), rewritten.size(), offset)) std::abort();
    }
    return 0;
}
