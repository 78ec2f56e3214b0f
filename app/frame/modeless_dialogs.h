// Modeless dialogs that the message loop offers each message first. A node
// holds the address of the global that holds the dialog's window, so a dialog
// that closes only clears its holder.
#pragma once

struct ModelessDialogNode {
    void** holder;
    ModelessDialogNode* next;
};

extern ModelessDialogNode* ModelessDialogList;

// The node of holder (an existing one when already listed), or null when
// memory runs out.
ModelessDialogNode* AddModelessDialog(void** holder);
// Unlinks the node whose holder holds window and clears the holder.
void RemoveModelessDialog(void* window);
void ClearModelessDialogs();

template <typename Visit>
bool ForEachOpenModelessDialog(Visit visit) {
    for (ModelessDialogNode* n = ModelessDialogList; n; n = n->next)
        if (*n->holder && visit(*n->holder)) return true;
    return false;
}
