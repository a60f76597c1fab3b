#include "ui/tree_view.h"

#include <vector>

namespace {

void RegisterTreeViewClass() noexcept {
    static const bool registered = [] {
        INITCOMMONCONTROLSEX init{sizeof init, ICC_TREEVIEW_CLASSES};
        return ::InitCommonControlsEx(&init) != FALSE;
    }();
    (void)registered;
}

// The next node in pre-order: first child, else next sibling of the node or of its nearest ancestor.
HTREEITEM NextInPreOrder(HWND tree, HTREEITEM node) noexcept {
    if (HTREEITEM child = TreeView_GetChild(tree, node)) return child;
    for (; node; node = TreeView_GetParent(tree, node))
        if (HTREEITEM next = TreeView_GetNextSibling(tree, node)) return next;
    return nullptr;
}

}  // namespace

TTreeView::TTreeView(std::wstring name) : NativeControl(std::move(name)) {}

TTreeView::~TTreeView() { Clear(); }

void TTreeView::CreateParams(NativeWindowParams& params) const {
    RegisterTreeViewClass();
    params.className = WC_TREEVIEWW;
    // No buttons, no lines, no label editing; the hints come from info tips.
    params.style |= TVS_FULLROWSELECT | TVS_INFOTIP;
}

void TTreeView::Created() {
    if (imageList_) Send(TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(imageList_));
    Send(TVM_SETINDENT, static_cast<WPARAM>(indent_));
    if (color_ != CLR_DEFAULT) Send(TVM_SETBKCOLOR, 0, static_cast<LPARAM>(color_));
    // Once set, the height stays through later fonts and images instead of following them.
    if (itemHeight_ > 0) Send(TVM_SETITEMHEIGHT, static_cast<WPARAM>(itemHeight_));
}

LRESULT TTreeView::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
    return Handle() ? ::SendMessageW(Handle(), message, wParam, lParam) : 0;
}

HTREEITEM TTreeView::AddNode(HTREEITEM parent, const std::wstring& caption, int imageIndex, void* data) {
    if (!Handle()) return nullptr;
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent ? parent : TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    insert.item.pszText = const_cast<wchar_t*>(caption.c_str());
    insert.item.iImage = imageIndex;
    insert.item.iSelectedImage = imageIndex;
    insert.item.lParam = reinterpret_cast<LPARAM>(data);
    return reinterpret_cast<HTREEITEM>(Send(TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

void TTreeView::Clear() { Send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT)); }

int TTreeView::Count() const { return static_cast<int>(Send(TVM_GETCOUNT)); }

void* TTreeView::NodeData(HTREEITEM node) const {
    TVITEMW item{};
    item.mask = TVIF_PARAM;
    item.hItem = node;
    if (!node || !Send(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item))) return nullptr;
    return reinterpret_cast<void*>(item.lParam);
}

std::wstring TTreeView::NodeCaption(HTREEITEM node) const {
    if (!node) return {};
    std::vector<wchar_t> text(1024);
    TVITEMW item{};
    item.mask = TVIF_TEXT;
    item.hItem = node;
    item.pszText = text.data();
    item.cchTextMax = static_cast<int>(text.size());
    if (!Send(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item))) return {};
    return item.pszText ? std::wstring(item.pszText) : std::wstring();
}

HTREEITEM TTreeView::NodeAt(POINT client) const {
    TVHITTESTINFO hit{};
    hit.pt = client;
    const auto node = reinterpret_cast<HTREEITEM>(Send(TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    // The whole row counts: indent, icon, caption and the space right of it.
    return (hit.flags & (TVHT_ONITEM | TVHT_ONITEMINDENT | TVHT_ONITEMBUTTON | TVHT_ONITEMRIGHT)) ? node : nullptr;
}

HTREEITEM TTreeView::Selected() const { return reinterpret_cast<HTREEITEM>(Send(TVM_GETNEXTITEM, TVGN_CARET)); }

void TTreeView::Select(HTREEITEM node) { Send(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(node)); }

void TTreeView::ClearSelection() { Select(nullptr); }

void TTreeView::BeginUpdate() {
    if (updates_++ == 0) Send(WM_SETREDRAW, FALSE);
}

void TTreeView::EndUpdate() {
    if (updates_ == 0 || --updates_ > 0 || !Handle()) return;
    Send(WM_SETREDRAW, TRUE);
    // Turning drawing back on marks the window visible again, even when it was hidden meanwhile.
    if (!IsVisible() && ::IsWindowVisible(Handle())) ::ShowWindow(Handle(), SW_HIDE);
    ::RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

void TTreeView::SetImageList(HIMAGELIST list) {
    imageList_ = list;
    Send(TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(list));
}

int TTreeView::ItemHeight() const { return Handle() ? static_cast<int>(Send(TVM_GETITEMHEIGHT)) : itemHeight_; }

void TTreeView::SetItemHeight(int height) {
    itemHeight_ = height;
    Send(TVM_SETITEMHEIGHT, static_cast<WPARAM>(height));
}

void TTreeView::SetIndent(int indent) {
    indent_ = indent;
    Send(TVM_SETINDENT, static_cast<WPARAM>(indent));
}

COLORREF TTreeView::Color() const noexcept { return color_ == CLR_DEFAULT ? ::GetSysColor(COLOR_WINDOW) : color_; }

void TTreeView::SetColor(COLORREF background) {
    color_ = background;
    Send(TVM_SETBKCOLOR, 0, background == CLR_DEFAULT ? -1 : static_cast<LPARAM>(background));
}

HTREEITEM TTreeView::NodeAtIndex(int index) const {
    if (index < 0 || !Handle()) return nullptr;
    HTREEITEM node = TreeView_GetRoot(Handle());
    for (; node && index > 0; --index) node = NextInPreOrder(Handle(), node);
    return node;
}

std::wstring TTreeView::ItemCaption(int index) const { return NodeCaption(NodeAtIndex(index)); }

void TTreeView::SetItemCaption(int index, std::wstring caption) {
    HTREEITEM node = NodeAtIndex(index);
    if (!node) return;
    TVITEMW item{};
    item.mask = TVIF_TEXT;
    item.hItem = node;
    item.pszText = caption.data();
    Send(TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

bool TTreeView::HandleNotify(NMHDR& header, LRESULT& result) {
    switch (header.code) {
    case TVN_DELETEITEMW:
    case TVN_DELETEITEMA: {  // the node fields lie alike in both
        const auto& removed = reinterpret_cast<NMTREEVIEWW&>(header).itemOld;
        if (OnDeletion) OnDeletion(removed.hItem, reinterpret_cast<void*>(removed.lParam));
        result = 0;
        return true;
    }
    case NM_CUSTOMDRAW:
        result = CDRF_DODEFAULT;
        if (OnCustomDraw) OnCustomDraw(reinterpret_cast<NMTVCUSTOMDRAW&>(header), result);
        return true;
    case NM_CLICK:
        if (OnClick) OnClick();
        result = 0;
        return true;
    }
    return false;
}

LRESULT TTreeView::ControlMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_MOUSEMOVE && OnMouseMove)
        OnMouseMove({static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
    return NativeControl::ControlMessage(message, wParam, lParam);
}
