// Combine (85), Remove (86), Group (83) and Ungroup (84): the host and
// hosted-item links of a combined pair, and the closed ring of next-member
// links that makes a group. They act on the multi-selection, Combine also
// on the selected object and the one under it, Remove also on a selected
// object and the one it is combined with.
#pragma once
#include <cstdint>

void RegisterArrangeCommands();

void CombineSelection();
void RemoveFromHost();
void GroupSelection();
void UngroupSelection();

// Strings of the boxes and demonstration comments.
constexpr int32_t kIdsCombineTwoOnly = 522;
constexpr int32_t kIdsCannotCombine = 523;
constexpr int32_t kIdsCombineComment = 670;
constexpr int32_t kIdsRemoveComment = 671;
// A hosted item's bottom stands this far above its host's bottom.
constexpr int32_t kCombineLift = 50;
