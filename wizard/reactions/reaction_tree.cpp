#include "wizard/reactions/reaction_tree.h"

#include "wizard/udl_records.h"

namespace parvell {

namespace {

constexpr int kKindBits = 3;
constexpr int kParticipantBits = 5;
static_assert(kParticipantCount <= 1 << kParticipantBits);
constexpr int64_t kLargestReaction = (int64_t(1) << 23) - 1;  // the data fits 32 bits

}  // namespace

int64_t EncodeReactionNode(const ReactionNode& node) {
    if (node.kind == ReactionNodeKind::kNone || node.kind == ReactionNodeKind::kRoot) return int64_t(node.kind);
    int64_t reaction = node.reaction < 0 || node.reaction > kLargestReaction ? 0 : node.reaction;
    int64_t participant = node.participant < 0 || node.participant >= kParticipantCount ? 0 : node.participant;
    return reaction << (kKindBits + kParticipantBits) | participant << kKindBits | int64_t(node.kind);
}

ReactionNode DecodeReactionNode(int64_t data) {
    ReactionNode node;
    if (data < 0 || data > (kLargestReaction << (kKindBits + kParticipantBits)) + 0xFF) return node;
    int kind = int(data & ((1 << kKindBits) - 1));
    if (kind > int(ReactionNodeKind::kParticipant)) return node;
    node.kind = ReactionNodeKind(kind);
    if (node.kind == ReactionNodeKind::kRoot) return node;
    node.reaction = int(data >> (kKindBits + kParticipantBits));
    if (node.kind == ReactionNodeKind::kParticipant) {
        node.participant = int(data >> kKindBits & ((1 << kParticipantBits) - 1));
        if (node.participant >= kParticipantCount) return ReactionNode{};
    }
    return node;
}

std::vector<NodeMenuItem> NodeMenu(const ReactionNode& node, size_t reactionCount) {
    switch (node.kind) {
    case ReactionNodeKind::kRoot:
        return {{kStringAddReaction, true}};
    case ReactionNodeKind::kReaction: {
        const bool first = node.reaction <= 0;
        const bool last = size_t(node.reaction) + 1 >= reactionCount;
        return {{kStringEditReaction, true},
                {kStringDeleteReaction, true},
                {kStringMoveUp, !first},
                {kStringMoveDown, !last}};
    }
    case ReactionNodeKind::kParticipant:
        return {{kStringEditParticipant, true}, {kStringDeleteParticipant, true}};
    default:
        return {};
    }
}

}  // namespace parvell
