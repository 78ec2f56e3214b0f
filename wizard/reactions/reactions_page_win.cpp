// The Add Reactions page: the lab's reactions as a tree, the lab's chemicals
// to drag onto a reaction's Reactants or Products, and the equation and
// balance lines of the reaction selected.
#include <windows.h>
#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include <string>

#include "resources/parvell/reaction_dialog_ids.h"
#include "wizard/sheet/dialog_fields_win.h"
#include "wizard/reactions/equation_line_win.h"
#include "wizard/reactions/equation_text.h"
#include "wizard/reactions/lab_chemical_lookup.h"
#include "wizard/reactions/reaction_chemical.h"
#include "wizard/reactions/reaction_dialogs_win.h"
#include "wizard/reactions/reaction_edits.h"
#include "wizard/reactions/reaction_tree.h"
#include "wizard/reactions/wizard_dialog_win.h"
#include "wizard/runtime/parvell_module_win.h"
#include "wizard/sheet/wizard_pages_win.h"

namespace {

using namespace parvell;

constexpr int kPageNumber = 5;
constexpr int kStringNameColumn = 1179;  // "Chemical"
constexpr int kStringTypeColumn = 1145;
constexpr int kStringStock = 1154, kStringProduct = 1155, kStringUnknown = 1156;

struct ReactionsPage {
    HWND page = nullptr;
    std::string equation;  // as stored, markers and all
    bool dragging = false;
    CasNumber dragged = 0;
};

UdlLab& Lab() { return ParvellRuntime().EditableLab(); }

ReactionsPage* StateOf(HWND page) { return reinterpret_cast<ReactionsPage*>(GetWindowLongPtrA(page, DWLP_USER)); }
HWND Tree(HWND page) { return GetDlgItem(page, IDC_RX_TREE); }
HWND Chemicals(HWND page) { return GetDlgItem(page, IDC_RX_CHEMICALS); }

ReactionNode NodeOf(HWND tree, HTREEITEM item) {
    if (!item) return {};
    TVITEMA data = {};
    data.mask = TVIF_PARAM;
    data.hItem = item;
    if (!SendMessageA(tree, TVM_GETITEMA, 0, LPARAM(&data))) return {};
    return DecodeReactionNode(int64_t(data.lParam));
}

ReactionNode SelectedNode(HWND page) {
    HWND tree = Tree(page);
    return NodeOf(tree, TreeView_GetSelection(tree));
}

// The reaction a node belongs to, or null.
ReactionRecord* ReactionOf(const ReactionNode& node) {
    if (node.kind == ReactionNodeKind::kRoot || node.kind == ReactionNodeKind::kNone) return nullptr;
    if (node.reaction < 0 || size_t(node.reaction) >= Lab().reactions.size()) return nullptr;
    return &Lab().reactions[size_t(node.reaction)];
}

HTREEITEM InsertNode(HWND tree, HTREEITEM parent, const std::string& text, const ReactionNode& node) {
    TVINSERTSTRUCTA insert = {};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM;
    insert.item.pszText = const_cast<char*>(text.c_str());
    insert.item.lParam = LPARAM(EncodeReactionNode(node));
    return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_INSERTITEMA, 0, LPARAM(&insert)));
}

bool SameNode(const ReactionNode& a, const ReactionNode& b) {
    return a.kind == b.kind && a.reaction == b.reaction && a.participant == b.participant;
}

HTREEITEM FindNode(HWND tree, HTREEITEM item, const ReactionNode& wanted) {
    for (; item; item = TreeView_GetNextSibling(tree, item)) {
        if (SameNode(NodeOf(tree, item), wanted)) return item;
        if (HTREEITEM found = FindNode(tree, TreeView_GetChild(tree, item), wanted)) return found;
    }
    return nullptr;
}

void ShowLines(HWND page) {
    ReactionsPage* state = StateOf(page);
    if (!state) return;
    const ReactionRecord* reaction = ReactionOf(SelectedNode(page));
    state->equation = reaction ? EquationLine(*reaction, Lab().chemicals) : "";
    SetEquationLine(GetDlgItem(page, IDC_RX_EQUATION), state->equation);
    SetFieldText(page, IDC_RX_BALANCE, reaction ? BalanceLine(*reaction, Lab().chemicals) : "");
}

// Builds the tree again from the lab and selects the node given (the root
// when it is gone).
void FillTree(HWND page, const ReactionNode& select) {
    HWND tree = Tree(page);
    SendMessageA(tree, WM_SETREDRAW, FALSE, 0);
    TreeView_DeleteAllItems(tree);
    HTREEITEM root = InsertNode(tree, TVI_ROOT, kReactionsRootText, {ReactionNodeKind::kRoot, -1, -1});
    const UdlLab& lab = Lab();
    for (size_t i = 0; i < lab.reactions.size(); ++i) {
        const ReactionRecord& r = lab.reactions[i];
        const int index = int(i);
        HTREEITEM reaction =
            InsertNode(tree, root, BoundedText(r.name, sizeof r.name), {ReactionNodeKind::kReaction, index, -1});
        HTREEITEM reactants = InsertNode(tree, reaction, kReactantsNodeText, {ReactionNodeKind::kReactants, index, -1});
        HTREEITEM products = InsertNode(tree, reaction, kProductsNodeText, {ReactionNodeKind::kProducts, index, -1});
        for (int p = 0, used = UsedParticipantCount(r); p < used; ++p) {
            const ReactionParticipant& participant = r.participants[p];
            InsertNode(tree, IsProduct(participant) ? products : reactants,
                       LabChemicalName(lab.chemicals, participant.cas), {ReactionNodeKind::kParticipant, index, p});
        }
        TreeView_Expand(tree, reactants, TVE_EXPAND);
        TreeView_Expand(tree, products, TVE_EXPAND);
        TreeView_Expand(tree, reaction, TVE_EXPAND);
    }
    TreeView_Expand(tree, root, TVE_EXPAND);
    HTREEITEM selected = FindNode(tree, root, select);
    TreeView_SelectItem(tree, selected ? selected : root);
    SendMessageA(tree, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(tree, nullptr, TRUE);
    ShowLines(page);
}

void FillChemicals(HWND page) {
    HWND list = Chemicals(page);
    SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    const std::string stock = ModuleText(kStringStock), product = ModuleText(kStringProduct),
                      unknown = ModuleText(kStringUnknown);
    for (const ChemicalRecord& chemical : Lab().chemicals)
        AddListRow(list, {ChemicalNameOf(chemical), ChemicalTypeText(chemical.flags, stock, product, unknown)},
                   LPARAM(chemical.cas));
}

void AddNewReaction(HWND page) {
    ReactionRecord reaction{};
    reaction.flags = kReactInstantaneous;
    if (!EditReactionDetails(page, reaction)) return;
    size_t index = AddReaction(Lab(), reaction);
    FillTree(page, {ReactionNodeKind::kReaction, int(index), -1});
}

void EditReaction(HWND page, const ReactionNode& node) {
    ReactionRecord* reaction = ReactionOf(node);
    if (!reaction) return;
    ReactionRecord edited = *reaction;
    if (!EditReactionDetails(page, edited)) return;
    *ReactionOf(node) = edited;
    FillTree(page, {ReactionNodeKind::kReaction, node.reaction, -1});
}

void DeleteSelectedReaction(HWND page, const ReactionNode& node) {
    if (!ReactionOf(node) || !DeleteReaction(Lab(), size_t(node.reaction))) return;
    const int next = std::min(node.reaction, int(Lab().reactions.size()) - 1);
    FillTree(page, next >= 0 ? ReactionNode{ReactionNodeKind::kReaction, next, -1}
                             : ReactionNode{ReactionNodeKind::kRoot, -1, -1});
}

void MoveReaction(HWND page, const ReactionNode& node, bool up) {
    if (!ReactionOf(node)) return;
    const size_t index = size_t(node.reaction);
    if (!(up ? MoveReactionUp(Lab(), index) : MoveReactionDown(Lab(), index))) return;
    FillTree(page, {ReactionNodeKind::kReaction, node.reaction + (up ? -1 : 1), -1});
}

void EditParticipant(HWND page, const ReactionNode& node) {
    ReactionRecord* reaction = ReactionOf(node);
    if (!reaction || node.participant >= UsedParticipantCount(*reaction)) return;
    ReactionParticipant edited = reaction->participants[node.participant];
    if (!EditReactionChemical(page, edited, LabChemicalName(Lab().chemicals, edited.cas))) return;
    ReactionOf(node)->participants[node.participant] = edited;
    FillTree(page, node);
}

void DeleteParticipant(HWND page, const ReactionNode& node) {
    ReactionRecord* reaction = ReactionOf(node);
    if (!reaction || !RemoveParticipant(*reaction, node.participant)) return;
    FillTree(page, {ReactionNodeKind::kReaction, node.reaction, -1});
}

void RunNodeCommand(HWND page, int command, const ReactionNode& node) {
    switch (command) {
    case kStringAddReaction: AddNewReaction(page); break;
    case kStringEditReaction: EditReaction(page, node); break;
    case kStringDeleteReaction: DeleteSelectedReaction(page, node); break;
    case kStringMoveUp: MoveReaction(page, node, true); break;
    case kStringMoveDown: MoveReaction(page, node, false); break;
    case kStringEditParticipant: EditParticipant(page, node); break;
    case kStringDeleteParticipant: DeleteParticipant(page, node); break;
    default: break;
    }
}

// Opens the node's menu at screen point at; the node under it is selected first.
void ShowNodeMenu(HWND page, HTREEITEM item, POINT at) {
    HWND tree = Tree(page);
    if (!item) return;
    TreeView_SelectItem(tree, item);
    const ReactionNode node = NodeOf(tree, item);
    const std::vector<NodeMenuItem> items = NodeMenu(node, Lab().reactions.size());
    if (items.empty()) return;
    HMENU menu = CreatePopupMenu();
    for (const NodeMenuItem& entry : items)
        AppendMenuA(menu, MF_STRING | (entry.enabled ? 0 : MF_GRAYED), UINT_PTR(entry.stringId),
                    ModuleText(entry.stringId).c_str());
    const int command = int(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, page,
                                           nullptr));
    DestroyMenu(menu);
    RunNodeCommand(page, command, node);
}

HTREEITEM ItemAtScreenPoint(HWND tree, POINT screen) {
    TVHITTESTINFO hit = {};
    hit.pt = screen;
    ScreenToClient(tree, &hit.pt);
    HTREEITEM item = TreeView_HitTest(tree, &hit);
    return hit.flags & TVHT_ONITEM ? item : nullptr;
}

// The Reactants or Products node under a point of the page, or null.
HTREEITEM DropTargetAt(HWND page, POINT pagePoint) {
    HWND tree = Tree(page);
    POINT screen = pagePoint;
    ClientToScreen(page, &screen);
    HTREEITEM item = ItemAtScreenPoint(tree, screen);
    ReactionNodeKind kind = NodeOf(tree, item).kind;
    return kind == ReactionNodeKind::kReactants || kind == ReactionNodeKind::kProducts ? item : nullptr;
}

void EndDrag(HWND page) {
    ReactionsPage* state = StateOf(page);
    if (!state->dragging) return;
    state->dragging = false;
    TreeView_SelectDropTarget(Tree(page), nullptr);
    if (GetCapture() == page) ReleaseCapture();
}

// A chemical dropped on a reaction's Reactants or Products: the reaction
// chemical dialog, then the new participant.
void DropChemical(HWND page, HTREEITEM target, CasNumber cas) {
    const ReactionNode node = NodeOf(Tree(page), target);
    ReactionRecord* reaction = ReactionOf(node);
    const ChemicalRecord* chemical = FindLabChemical(Lab().chemicals, cas);
    if (!reaction || !chemical) return;
    if (UsedParticipantCount(*reaction) >= kParticipantCount) {
        ShowRefusal(page, IDS_REACTION_FULL);
        return;
    }
    const bool product = node.kind == ReactionNodeKind::kProducts;
    ReactionParticipant participant = DroppedParticipant(*chemical);
    participant.flags = product ? kPartProduct : kPartReactant;
    if (!EditReactionChemical(page, participant, ChemicalNameOf(*chemical))) return;
    reaction = ReactionOf(node);
    const int index = UsedParticipantCount(*reaction);
    if (!AddParticipant(*reaction, participant, product)) return;
    FillTree(page, {ReactionNodeKind::kParticipant, node.reaction, index});
}

void InitPage(HWND page) {
    auto* state = new ReactionsPage;
    state->page = page;
    SetWindowLongPtrA(page, DWLP_USER, LONG_PTR(state));
    AddListColumns(Chemicals(page), {{ModuleText(kStringNameColumn), 66}, {ModuleText(kStringTypeColumn), 58}});
}

LRESULT OnNotify(HWND page, const NMHDR& header) {
    if (header.idFrom == IDC_RX_TREE) {
        if (header.code == TVN_SELCHANGEDA || header.code == TVN_SELCHANGEDW) ShowLines(page);
        if (header.code == NM_RCLICK) {
            POINT at;
            GetCursorPos(&at);
            ShowNodeMenu(page, ItemAtScreenPoint(Tree(page), at), at);
            return TRUE;
        }
        return 0;
    }
    if (header.idFrom == IDC_RX_CHEMICALS && header.code == LVN_BEGINDRAG) {
        const auto& drag = reinterpret_cast<const NMLISTVIEW&>(header);
        LVITEMA item = {};
        item.mask = LVIF_PARAM;
        item.iItem = drag.iItem;
        if (!SendMessageA(Chemicals(page), LVM_GETITEMA, 0, LPARAM(&item))) return 0;
        ReactionsPage* state = StateOf(page);
        state->dragging = true;
        state->dragged = CasNumber(item.lParam);
        SetCapture(page);
        return 0;
    }
    return 0;
}

// On entry: the lab's chemicals and reactions as they are now.
void EnterPage(HWND page) {
    FillChemicals(page);
    FillTree(page, SelectedNode(page));
}

}  // namespace

INT_PTR CALLBACK ReactionsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    static const WizardPage spec = {kPageNumber, kHelpReaction, EnterPage, nullptr};
    if (HandleWizardPageMessage(page, message, lParam, spec)) return TRUE;
    switch (message) {
    case WM_INITDIALOG:
        InitPage(page);
        FillChemicals(page);
        FillTree(page, {ReactionNodeKind::kRoot, -1, -1});
        return TRUE;
    case WM_DESTROY:
        delete StateOf(page);
        SetWindowLongPtrA(page, DWLP_USER, 0);
        return FALSE;
    case WM_NOTIFY:
        SetWindowLongPtrA(page, DWLP_MSGRESULT, OnNotify(page, *reinterpret_cast<NMHDR*>(lParam)));
        return TRUE;
    case WM_CONTEXTMENU: {
        // The menu key or Shift+F10 on the tree: the selected node's menu beside it.
        HWND tree = Tree(page);
        if (HWND(wParam) != tree || LOWORD(lParam) != 0xFFFF) return FALSE;
        HTREEITEM item = TreeView_GetSelection(tree);
        RECT box = {};
        if (!item || !TreeView_GetItemRect(tree, item, &box, TRUE)) return TRUE;
        POINT at = {box.left, box.bottom};
        ClientToScreen(tree, &at);
        ShowNodeMenu(page, item, at);
        return TRUE;
    }
    case WM_MOUSEMOVE: {
        ReactionsPage* state = StateOf(page);
        if (!state || !state->dragging) return FALSE;
        POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        HTREEITEM target = DropTargetAt(page, at);
        TreeView_SelectDropTarget(Tree(page), target);
        SetCursor(LoadCursorA(nullptr, target ? IDC_ARROW : IDC_NO));
        return TRUE;
    }
    case WM_LBUTTONUP: {
        ReactionsPage* state = StateOf(page);
        if (!state || !state->dragging) return FALSE;
        POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        HTREEITEM target = DropTargetAt(page, at);
        const CasNumber cas = state->dragged;
        EndDrag(page);
        if (target) DropChemical(page, target, cas);
        return TRUE;
    }
    case WM_CAPTURECHANGED:
        if (StateOf(page)) EndDrag(page);
        return FALSE;
    case WM_DRAWITEM:
        if (wParam != IDC_RX_EQUATION || !StateOf(page)) return FALSE;
        DrawEquationLine(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam), StateOf(page)->equation);
        return TRUE;
    case WM_COMMAND:
        if (HIWORD(wParam) != BN_CLICKED) return FALSE;
        switch (LOWORD(wParam)) {
        case IDC_RX_ADD: AddNewReaction(page); return TRUE;
        case IDC_RX_EDIT: EditReaction(page, SelectedNode(page)); return TRUE;
        case IDC_RX_DELETE: DeleteSelectedReaction(page, SelectedNode(page)); return TRUE;
        default: return FALSE;
        }
    default:
        return FALSE;
    }
}
