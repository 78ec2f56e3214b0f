// Filling a message's "%s" with a file or lab title, bounded. Only the
// first "%s" is replaced and no other '%' is interpreted, so a title or a
// string-table text can never act as a format.
#pragma once
#include <cstddef>

// title empty or null reads "(untitled)". The result is cut to size.
void FillTitle(const char* text, const char* title, char* out, size_t size);
