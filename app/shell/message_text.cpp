#include "app/shell/message_text.h"

#include <cstring>
#include <string>

void FillTitle(const char* text, const char* title, char* out, size_t size) {
    if (!out || size == 0) return;
    std::string result = text ? text : "";
    const char* name = title && *title ? title : "(untitled)";
    size_t at = result.find("%s");
    if (at != std::string::npos) result.replace(at, 2, name);
    size_t length = result.size() < size - 1 ? result.size() : size - 1;
    memcpy(out, result.data(), length);
    out[length] = '\0';
}
