#pragma once
// TTreeView: the system tree view, used by the start menu as a flat list
// (pinned and frequent programs) or as a tree (All Programs).

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>

#include "ui/component.h"
#include "ui/native_control.h"

class TTreeView : public NativeControl, public ItemCaptions {
public:
    explicit TTreeView(std::wstring name);
    // Clears first, so OnDeletion sees every node the tree still had.
    ~TTreeView() override;

    [[nodiscard]] std::wstring_view ClassName() const override { return L"TTreeView"; }

    // Appends a node after its last sibling (parent nullptr: at the top level).
    // The selected image is the image. nullptr when there is no window yet.
    [[nodiscard]] HTREEITEM AddNode(HTREEITEM parent, const std::wstring& caption, int imageIndex, void* data);
    // Removes every node; OnDeletion runs for each.
    void Clear();
    // All nodes, collapsed ones included.
    [[nodiscard]] int Count() const;
    [[nodiscard]] void* NodeData(HTREEITEM node) const;
    [[nodiscard]] std::wstring NodeCaption(HTREEITEM node) const;
    // The node on the row under a point of the tree's client area, nullptr when none.
    [[nodiscard]] HTREEITEM NodeAt(POINT client) const;

    [[nodiscard]] HTREEITEM Selected() const;
    void Select(HTREEITEM node);
    void ClearSelection();

    // Nested: the tree stops drawing at the first BeginUpdate and repaints
    // once at the last EndUpdate.
    void BeginUpdate();
    void EndUpdate();

    // The tree only borrows the list: it never destroys it.
    void SetImageList(HIMAGELIST list);
    [[nodiscard]] HIMAGELIST ImageList() const noexcept { return imageList_; }
    // Row height in pixels; kept across the window's creation, font and image changes.
    [[nodiscard]] int ItemHeight() const;
    void SetItemHeight(int height);
    [[nodiscard]] int Indent() const noexcept { return indent_; }
    void SetIndent(int indent);
    [[nodiscard]] COLORREF Color() const noexcept;
    void SetColor(COLORREF background);

    // ItemCaptions: over all nodes in pre-order, collapsed ones included.
    [[nodiscard]] int ItemCount() const override { return Count(); }
    [[nodiscard]] std::wstring ItemCaption(int index) const override;
    void SetItemCaption(int index, std::wstring caption) override;

    // A node leaves the tree (Clear, the tree's destruction); `data` is what AddNode was given.
    std::function<void(HTREEITEM node, void* data)> OnDeletion;
    // NM_CUSTOMDRAW; `result` starts as CDRF_DODEFAULT.
    std::function<void(NMTVCUSTOMDRAW& draw, LRESULT& result)> OnCustomDraw;
    // The mouse on the tree's own window, in its client coordinates.
    std::function<void(POINT client)> OnMouseMove;
    // A left click on the tree (NM_CLICK), after the tree handled the press.
    std::function<void()> OnClick;

protected:
    void CreateParams(NativeWindowParams& params) const override;
    void Created() override;
    bool HandleNotify(NMHDR& header, LRESULT& result) override;
    LRESULT ControlMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    [[nodiscard]] HTREEITEM NodeAtIndex(int index) const;
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

    HIMAGELIST imageList_ = nullptr;
    int itemHeight_ = -1;  // -1: the tree's own, from its font and images
    int indent_ = 19;
    COLORREF color_ = CLR_DEFAULT;
    int updates_ = 0;
};
