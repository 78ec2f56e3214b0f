#include "bench/sim/sim_syringe.h"

void SyringeStep(LabObject* base, int32_t count, SimSeams& seams) {
    (void)base;
    (void)count;
    (void)seams;
}
