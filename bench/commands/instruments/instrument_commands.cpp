#include "bench/commands/instruments/instrument_commands.h"

void RegisterMeterCommands();
void RegisterStopwatchCommands();
void RegisterApparatusCommands();
void RegisterDataCollectionCommands();

void RegisterInstrumentCommands() {
    RegisterMeterCommands();
    RegisterStopwatchCommands();
    RegisterApparatusCommands();
    RegisterDataCollectionCommands();
}
