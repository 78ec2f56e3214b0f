// The contents dialogs over real windows, and the seams that open them for
// the contents commands.
#pragma once
#include <windows.h>

#include <cstdint>

#include "common/lab_object.h"

// Each runs modally over owner and returns its result.
int RunWaterDialog(HWND owner, LabObject& vessel);
int RunChemicalsDialog(HWND owner, int32_t picked, int32_t spareOffset);
int RunIndicatorsDialog(HWND owner, LabObject& vessel);
int RunLabelDialog(HWND owner, LabObject& object);
int RunTransferDialog(HWND owner, LabObject& newVessel);
int RunFilterDialog(HWND owner, LabObject& newVessel, bool receiverGiven);
int RunPropertiesDialog(HWND owner, LabObject& object);

// Installs the contents seams of the bench window.
void InstallContentsSeams();
