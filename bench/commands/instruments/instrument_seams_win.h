// The instrument commands' seams over the real bench, boxes, dataset and
// data window.
#pragma once

void InstallInstrumentWindowSeams();
