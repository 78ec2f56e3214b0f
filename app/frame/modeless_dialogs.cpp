#include "app/frame/modeless_dialogs.h"

#include <new>

ModelessDialogNode* ModelessDialogList = nullptr;

ModelessDialogNode* AddModelessDialog(void** holder) {
    if (!holder) return nullptr;
    for (ModelessDialogNode* n = ModelessDialogList; n; n = n->next)
        if (n->holder == holder) return n;
    auto* node = new (std::nothrow) ModelessDialogNode{holder, ModelessDialogList};
    if (node) ModelessDialogList = node;
    return node;
}

void RemoveModelessDialog(void* window) {
    if (!window) return;
    for (ModelessDialogNode** link = &ModelessDialogList; *link; link = &(*link)->next) {
        ModelessDialogNode* n = *link;
        if (*n->holder == window) {
            *n->holder = nullptr;
            *link = n->next;
            delete n;
            return;
        }
    }
}

void ClearModelessDialogs() {
    while (ModelessDialogList) {
        ModelessDialogNode* n = ModelessDialogList;
        ModelessDialogList = n->next;
        delete n;
    }
}
