// The chemical a lab without chemicals still has: water.
#pragma once
#include "common/chemical_record.h"

ChemicalRecord BuiltInWaterRecord();
