// The nesting check on outside rich text: any bytes, any limit. What it
// passes never opens more groups than the limit before its first group ends.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "common/rtf_nesting.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const int limit = size ? 1 + data[0] % 64 : 32;
    const char* text = reinterpret_cast<const char*>(data);
    if (!IsRtfNestingSound(text, size, limit)) return 0;
    int depth = 0;
    for (size_t i = 0; i < size; ++i) {
        if (text[i] == '\\') {
            ++i;
        } else if (text[i] == '{') {
            if (++depth > limit) std::abort();
        } else if (text[i] == '}' && depth > 0 && --depth == 0) {
            return 0;
        }
    }
    if (depth != 0) std::abort();
    return 0;
}
