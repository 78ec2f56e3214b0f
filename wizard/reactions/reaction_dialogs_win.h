// The reaction details dialog and the reaction chemical dialog, opened from
// the Add Reactions page.
#pragma once
#include <windows.h>

#include <string>

#include "wizard/udl_records.h"

// Edits the reaction's name, conditions, equilibrium and rate; true on OK,
// with the record rebuilt. Cancel leaves it as it was.
bool EditReactionDetails(HWND owner, ReactionRecord& reaction);

// Edits one participant (chemicalName shown at the top); true on OK once its
// checks pass. Cancel leaves it as it was.
bool EditReactionChemical(HWND owner, ReactionParticipant& participant, const std::string& chemicalName);
