#include "bench/commands/print/print_options.h"

int32_t PrintOptionBit(int32_t commandId) {
    switch (commandId) {
    case 150: return kPrintIntroduction;
    case 151: return kPrintProcedure;
    case 152: return kPrintObservations;
    case 153: return kPrintLabSpace;
    default: return 0;
    }
}

bool TogglePrintOption(int32_t& options, int32_t commandId) {
    const int32_t bit = PrintOptionBit(commandId);
    if (bit == 0) return false;
    options ^= bit;
    return true;
}

bool PrintOptionChecked(int32_t options, int32_t commandId) {
    const int32_t bit = PrintOptionBit(commandId);
    return bit != 0 && (options & bit) != 0;
}
