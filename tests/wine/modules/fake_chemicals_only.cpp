// A module that exports only what every module must: LoadLabChemicals. It
// claims more records than its block holds, and hands out a new block each
// time.
#include "tests/wine/modules/fake_module.h"

extern "C" HGLOBAL LoadLabChemicals(int32_t* count) {
    *count = 7;
    return NewChemicalBlock(1, 5000001);
}
