// LabStyle: the capability mask a lab module answers from QueryLabStyle. Its
// bits offer equipment and procedures and switch built-in simulation steps
// off; a missing entry or no module counts as 0.
#pragma once
#include <cstdint>

enum LabStyleBits : uint32_t {
    kStylePhMeter = 0x1,               // pH meter, Collect Titration Data, samples every tick
    kStyleIndicators = 0x2,
    kStyleCalorimeter = 0x4,
    kStyleAuthoring = 0x8,             // wizards tab, UDL_Tavistrel bound, lab title in caption
    kStyleConductivityMeter = 0x10,
    kStyleNoThermalStep = 0x20,
    kStyleFlameTest = 0x40,            // metal wire
    kStyleElectrochemicalCell = 0x80,
    kStyleNoDissolvingStep = 0x100,    // the module handles solubility
    kStyleSpectrophotometer = 0x200,
    kStyleDumasBulb = 0x400,
    kStyleTemperatureColumn = 0x800,   // titration data window
    kStyleInvertedGasBuret = 0x1000,
    kStyleGeigerCounter = 0x2000,
    kStyleLightSource = 0x8000,
    kStylePaperChromatography = 0x10000,
    kStyleNoObjectUpdate = 0x20000,    // after LabSimulationProc; the thermal step tests it too
    kStyleVapourPressure = 0x100000,
};

constexpr bool LabStyleHas(uint32_t style, LabStyleBits bit) { return (style & bit) != 0; }
