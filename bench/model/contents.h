// What a lab object holds: add, remove, move and measure component slots.
#pragma once
#include <cstdint>

#include "common/lab_object.h"

int AddComponent(LabObject& o, CasNumber cas, uint32_t phase, double grams, double kelvin);
int RemoveComponent(LabObject& o, CasNumber cas, uint32_t phaseMask, double grams);
double ChangePhase(LabObject& o, CasNumber cas, uint32_t fromMask, uint32_t toPhase, double grams,
                   double kelvin);
int SetComponentSlot(LabObject& o, CasNumber cas, uint32_t phase, double grams, double kelvin,
                     int32_t slot);
CasNumber ComponentAt(const LabObject& o, int32_t slot, double* grams);
void ClearComponents(LabObject& o);

double MassOfComponent(const LabObject& o, CasNumber cas, uint32_t phaseMask);
double MassByPhase(const LabObject& o, uint32_t phaseMask);
double TotalComponentMass(const LabObject& o);
double IceMass(const LabObject& o);
double IceVolume(const LabObject& o);
double MolesByPhase(const LabObject& o, uint32_t phaseMask);
double VolumeByPhase(const LabObject& o, uint32_t phaseMask);
double TotalVolume(const LabObject& o);
double AverageDensity(const LabObject& o, uint32_t phaseMask);
double LayerMass(const LabObject& o, int32_t layer);
double LayerVolume(const LabObject& o, int32_t layer);
double LayerVolumeByPhase(const LabObject& o, uint32_t phaseMask, int32_t layer);
double LayerDensity(const LabObject& o, uint32_t phaseMask, int32_t layer);
double LayerMassByPhase(const LabObject& o, uint32_t phaseMask, int32_t layer);
double LayerMolesByPhase(const LabObject& o, uint32_t phaseMask, int32_t layer);
int32_t LayerCount(const LabObject& o);

double ComponentTemperature(const LabObject& o, CasNumber cas, uint32_t phaseMask);
void SetComponentTemperature(LabObject& o, CasNumber cas, uint32_t exactPhase, double kelvin);
void SetPhaseTemperature(LabObject& o, uint32_t exactPhase, double kelvin);
void SetAllTemperatures(LabObject& o, double kelvin);
int HasReactionLine(const LabObject& o, int32_t line);

void MoveAllComponents(LabObject& destination, LabObject& source);
void ReleaseHeldLiquid(LabObject& o);
void FilterSuspendedSolids(LabObject& destination, LabObject& source, double grams);
void TransferSolids(LabObject& destination, LabObject& source, double grams, bool asSuspended);
// volumeMl is capped to what was really moved (0 when nothing moved).
void PourLiquid(LabObject& destination, LabObject& source, double* volumeMl);
double IceWaterEquilibrium(LabObject& o);
