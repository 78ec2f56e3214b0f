// The Add Reactions page's edits of the lab's reactions and of one reaction's
// participants. Every edit keeps the header's reaction count and the record's
// reactant and product counts in step.
#pragma once
#include <cstddef>

#include "wizard/reaction_engine.h"  // UsedParticipantCount: the participants in use
#include "wizard/udl_lab.h"

namespace parvell {

// Appends a reaction; its index.
size_t AddReaction(UdlLab& lab, const ReactionRecord& reaction);
// Removes the reaction at index and closes the gap; false when there is none.
bool DeleteReaction(UdlLab& lab, size_t index);
// Swaps the reaction with the one before (up) or after it; false, and nothing
// changes, at either end.
bool MoveReactionUp(UdlLab& lab, size_t index);
bool MoveReactionDown(UdlLab& lab, size_t index);

// Appends a participant as a reactant or a product (flag 0x1 or 0x2 set, the
// other cleared); false, and nothing changes, when the record is full.
bool AddParticipant(ReactionRecord& reaction, ReactionParticipant participant, bool product);
// Removes the participant at index (one in use), moves the later ones down by
// one and lowers the count of its side; false when index is not in use.
bool RemoveParticipant(ReactionRecord& reaction, int index);

// Whether a participant in use counts as a product (flag 0x2 without 0x1).
bool IsProduct(const ReactionParticipant& participant);

}  // namespace parvell
