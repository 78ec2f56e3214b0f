// The Tip of the Day texts and the order they come in.
#pragma once

constexpr int kTipCount = 19;

// The tip at index, wrapped into 0..kTipCount-1.
const char* TipText(int index);

// The tip shown after index: the next, after the last the first again.
int NextTipIndex(int index);
