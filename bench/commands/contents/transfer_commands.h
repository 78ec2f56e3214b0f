// The contents procedures that move substances between objects: transfer to
// a new container, the Buchner funnel, extracting with a pipet, eye dropper
// or metal wire, and filling an inverted gas buret.
#pragma once

void RegisterTransferCommands();
