#include "bench/commands/contents/label_text.h"

#include <cstring>

std::string TidyLabel(const std::string& typed) {
    std::string label = typed.substr(0, kLabelLength);
    for (size_t i = 0; i < kLabelLength && i < label.size(); ++i)
        if (label[i] == ' ') label.erase(i, 1);
    return label;
}

std::string LabelOf(const LabObject& o) {
    size_t n = 0;
    while (n < kLabelLength && o.label[n]) ++n;
    return std::string(o.label, n);
}

void StoreLabelAndNote(LabObject& o, const std::string& typedLabel, const std::string& note) {
    const std::string label = TidyLabel(typedLabel);
    std::memset(o.label, 0, sizeof o.label);
    std::memcpy(o.label, label.data(), label.size());
    std::memset(o.note, 0, sizeof o.note);
    std::memcpy(o.note, note.data(), note.size() < kNoteLength - 1 ? note.size() : kNoteLength - 1);
}
