// The three-character label and the note of a lab object.
#pragma once
#include <string>

#include "common/lab_object.h"

// The label as typed (at most 3 characters read): at each of the positions
// 0, 1 and 2 in turn, a blank there is closed up by moving the rest left
// once ("  A" gives " A", " AB" gives "AB").
std::string TidyLabel(const std::string& typed);

// The label's text: up to 3 characters, which need no terminator.
std::string LabelOf(const LabObject& o);

// Stores the tidied label (3 characters without a terminator) and the note
// (at most 127 characters, terminated).
void StoreLabelAndNote(LabObject& o, const std::string& typedLabel, const std::string& note);
