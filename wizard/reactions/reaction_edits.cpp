#include "wizard/reactions/reaction_edits.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace parvell {

namespace {

void CountReactions(UdlLab& lab) { lab.header.reactionCount = int32_t(lab.reactions.size()); }

}  // namespace

size_t AddReaction(UdlLab& lab, const ReactionRecord& reaction) {
    lab.reactions.push_back(reaction);
    CountReactions(lab);
    return lab.reactions.size() - 1;
}

bool DeleteReaction(UdlLab& lab, size_t index) {
    if (index >= lab.reactions.size()) return false;
    lab.reactions.erase(lab.reactions.begin() + std::ptrdiff_t(index));
    CountReactions(lab);
    return true;
}

bool MoveReactionUp(UdlLab& lab, size_t index) {
    if (index == 0 || index >= lab.reactions.size()) return false;
    std::swap(lab.reactions[index], lab.reactions[index - 1]);
    return true;
}

bool MoveReactionDown(UdlLab& lab, size_t index) {
    if (index + 1 >= lab.reactions.size()) return false;
    std::swap(lab.reactions[index], lab.reactions[index + 1]);
    return true;
}

bool IsProduct(const ReactionParticipant& participant) {
    return (participant.flags & kPartProduct) && !(participant.flags & kPartReactant);
}

bool AddParticipant(ReactionRecord& reaction, ReactionParticipant participant, bool product) {
    int used = UsedParticipantCount(reaction);
    if (used >= kParticipantCount) return false;
    participant.flags &= ~uint32_t(kPartReactant | kPartProduct);
    participant.flags |= product ? kPartProduct : kPartReactant;
    reaction.participants[used] = participant;
    // A count from a file below 0 counts as 0 from here on.
    reaction.reactantCount = std::max(reaction.reactantCount, 0);
    reaction.productCount = std::max(reaction.productCount, 0);
    ++(product ? reaction.productCount : reaction.reactantCount);
    return true;
}

bool RemoveParticipant(ReactionRecord& reaction, int index) {
    int used = UsedParticipantCount(reaction);
    if (index < 0 || index >= used) return false;
    bool product = IsProduct(reaction.participants[index]);
    std::move(reaction.participants + index + 1, reaction.participants + used, reaction.participants + index);
    memset(&reaction.participants[used - 1], 0, sizeof(ReactionParticipant));
    // Counts that disagree with the flags never go below 0.
    int32_t& side = product ? reaction.productCount : reaction.reactantCount;
    int32_t& other = product ? reaction.reactantCount : reaction.productCount;
    if (side > 0) --side;
    else if (other > 0) --other;
    return true;
}

}  // namespace parvell
