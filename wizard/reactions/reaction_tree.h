// The Add Reactions page's tree: what each node stands for, carried in the
// node's item data, and the right-click menu each kind of node offers.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace parvell {

constexpr char kReactionsRootText[] = "Reactions";
constexpr char kReactantsNodeText[] = "Reactants";
constexpr char kProductsNodeText[] = "Products";

// Menu texts (string ids), also the commands the menu returns.
constexpr int kStringEditReaction = 1147;
constexpr int kStringDeleteReaction = 1148;
constexpr int kStringMoveUp = 1149;
constexpr int kStringMoveDown = 1150;
constexpr int kStringEditParticipant = 1151;
constexpr int kStringDeleteParticipant = 1152;
constexpr int kStringAddReaction = 1153;

enum class ReactionNodeKind { kRoot, kReaction, kReactants, kProducts, kParticipant, kNone };

struct ReactionNode {
    ReactionNodeKind kind = ReactionNodeKind::kNone;
    int reaction = -1;     // index into the lab's reactions
    int participant = -1;  // index into the reaction's participants
};

// Item data of a node, and back; a value no node carries decodes to kNone.
int64_t EncodeReactionNode(const ReactionNode& node);
ReactionNode DecodeReactionNode(int64_t data);

struct NodeMenuItem {
    int stringId;
    bool enabled;
};

// The right-click menu of a node: the root offers a new reaction, a reaction
// its edits and moves (a move greyed at its end of the list), a participant
// its edit and removal; "Reactants" and "Products" offer none.
std::vector<NodeMenuItem> NodeMenu(const ReactionNode& node, size_t reactionCount);

}  // namespace parvell
