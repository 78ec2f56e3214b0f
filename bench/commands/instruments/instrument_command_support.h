// Small helpers the instrument command files share.
#pragma once
#include <cstdint>

#include "common/lab_object.h"

namespace instruments {

// The singly selected object when it exists, else null.
LabObject* SelectedRecord();
int32_t IndexOf(const LabObject& o);
bool IsObjectIndex(int32_t index);

void MarkChanged();  // DocumentModified set, UndoValid cleared
void InvalidateObject(const LabObject& o);

// Draws the selection frame around the object's rectangle now and again at
// its (possibly new) rectangle when it ends, so the frame follows a change
// of shape.
class Reframe {
public:
    explicit Reframe(LabObject& o);
    ~Reframe();
    Reframe(const Reframe&) = delete;
    Reframe& operator=(const Reframe&) = delete;

private:
    LabObject& object_;
};

}  // namespace instruments
