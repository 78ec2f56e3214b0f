#include "bench/sim/sim_seams.h"

#include "bench/catalogue/equipment_catalogue.h"

int SimSeams::SetTemplateState(LabObject& object, int32_t state) { return ::SetTemplateState(object, state); }

int SimSeams::SetBalanceState(LabObject& object, int32_t state) { return ::SetBalanceState(object, state); }

int SimSeams::SetDippedState(LabObject& object, int on, int redraw) {
    return ::SetDippedState(object, on, redraw);
}

int SimSeams::SetDrainVariant(LabObject& object, int redraw, int32_t variant) {
    return ::SetDrainVariant(object, redraw, variant);
}

int SimSeams::TogglePourPosition(LabObject& object, int redraw) {
    return ::TogglePourPosition(object, redraw);
}

TitrationPointSink& SimSeams::TitrationSink() {
    static TitrationBufferSink bench(TitrationPoints);
    return bench;
}
