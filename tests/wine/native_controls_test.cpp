// Native controls on real windows: the system tree view and edit inside a
// form, what their parent hands back to them, panels, tab order and image lists.

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "platform/gdi_scope.h"
#include "tests/harness/pictures.h"
#include "tests/harness/windows.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/image_list.h"
#include "ui/panel.h"
#include "ui/tree_view.h"

namespace {

class HostForm : public Form {
public:
    HostForm() : Form(L"frmHost") {}
    bool Open() {
        static constexpr WindowClass kClass{L"TNativeHostForm"};
        return CreateForm(kClass, WS_EX_TOPMOST, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, L"Native host",
                          {100, 100, 320, 260});
    }
    std::wstring_view ClassName() const override { return L"TNativeHostForm"; }
};

// A windowless control that fills its bounds.
class Swatch : public GraphicControl {
public:
    Swatch(std::wstring name, COLORREF colour) : GraphicControl(std::move(name)), colour_(colour) {}
    std::wstring_view ClassName() const override { return L"TSwatch"; }
    void Paint(HDC dc) override {
        UniqueHbrush brush(::CreateSolidBrush(colour_));
        const RECT area = GetBounds().Rect();
        ::FillRect(dc, &area, brush.get());
    }

private:
    COLORREF colour_;
};

// Notes the redraw switches the tree's own window receives.
class RecordingTree : public TTreeView {
public:
    using TTreeView::TTreeView;
    std::vector<WPARAM> redraws;

protected:
    LRESULT ControlMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_SETREDRAW) redraws.push_back(wParam);
        return TTreeView::ControlMessage(message, wParam, lParam);
    }
};

void Pump() {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

// The colour shown at a client point of `window` once every pending paint is
// done (nothing is invalidated here), read through a device context that
// children do not clip.
COLORREF ShownColour(HWND window, POINT client) {
    ::RedrawWindow(::GetAncestor(window, GA_ROOT), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    HDC dc = ::GetDCEx(window, nullptr, DCX_CACHE);
    const COLORREF colour = ::GetPixel(dc, client.x, client.y);
    ::ReleaseDC(window, dc);
    return colour;
}

LOGFONTW FontOf(HWND window) {
    LOGFONTW font{};
    ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(window, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font;
}

std::vector<HWND> ChildrenInZOrder(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

// The middle of a node's row, a little left of the row's right end (past its caption).
POINT RowPoint(const TTreeView& tree, HTREEITEM node) {
    RECT row{};
    std::memcpy(&row, &node, sizeof node);  // TVM_GETITEMRECT takes the node in the rectangle
    ::SendMessageW(tree.Handle(), TVM_GETITEMRECT, FALSE, reinterpret_cast<LPARAM>(&row));
    return {row.right - 5, (row.top + row.bottom) / 2};
}

class NativeControlsTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(host.Open());
        ASSERT_TRUE(WaitForShown(host.Handle()));
        Pump();
    }

    HostForm host;
};

}  // namespace

TEST_F(NativeControlsTest, TreeViewIsCreatedAsABorderlessReadOnlyList) {
    TTreeView tree(L"TreeView_Program"), hidden(L"TreeView_Hidden");
    tree.SetBounds({10, 10, 200, 120});
    hidden.SetVisible(false);
    hidden.SetEnabled(false);
    ASSERT_TRUE(tree.CreateIn(host));
    ASSERT_TRUE(hidden.CreateIn(host));
    EXPECT_FALSE(tree.CreateIn(host)) << "a second window for the same control";

    const LONG_PTR style = ::GetWindowLongPtrW(tree.Handle(), GWL_STYLE);
    const struct {
        LONG_PTR bit;
        bool wanted;
        const char* name;
    } cases[] = {
        {WS_CHILD, true, "WS_CHILD"},
        {WS_VISIBLE, true, "WS_VISIBLE"},
        {WS_TABSTOP, true, "WS_TABSTOP"},
        {TVS_FULLROWSELECT, true, "TVS_FULLROWSELECT"},
        {TVS_INFOTIP, true, "TVS_INFOTIP"},
        {WS_BORDER, false, "WS_BORDER"},
        {TVS_HASBUTTONS, false, "TVS_HASBUTTONS"},
        {TVS_HASLINES, false, "TVS_HASLINES"},
        {TVS_LINESATROOT, false, "TVS_LINESATROOT"},
        {TVS_EDITLABELS, false, "TVS_EDITLABELS"},
        {TVS_CHECKBOXES, false, "TVS_CHECKBOXES"},
    };
    for (const auto& c : cases) EXPECT_EQ((style & c.bit) != 0, c.wanted) << c.name;
    EXPECT_EQ(::GetWindowLongPtrW(tree.Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    EXPECT_EQ(ClassNameOf(tree.Handle()), std::wstring(WC_TREEVIEWW));
    EXPECT_EQ(::SendMessageW(tree.Handle(), TVM_GETINDENT, 0, 0), 19);

    EXPECT_EQ(::GetParent(tree.Handle()), host.Handle());
    EXPECT_EQ(tree.Parent(), &host);
    RECT placed = WindowRect(tree.Handle());
    ::MapWindowPoints(nullptr, host.Handle(), reinterpret_cast<POINT*>(&placed), 2);
    EXPECT_EQ(placed.left, 10);
    EXPECT_EQ(placed.bottom, 130);

    EXPECT_FALSE(::GetWindowLongPtrW(hidden.Handle(), GWL_STYLE) & WS_VISIBLE);
    EXPECT_FALSE(::IsWindowEnabled(hidden.Handle()));
    hidden.SetVisible(true);
    EXPECT_TRUE(::IsWindowVisible(hidden.Handle()));
}

TEST_F(NativeControlsTest, TreeSettingsMadeBeforeCreationSurviveIt) {
    TImageList icons(L"ImageList_Treeview", 32, 32);
    ASSERT_TRUE(icons.LoadStrip(SolidPng(64, 32, 0xFF0000FF)));
    TTreeView tree(L"TreeView_UserPind");
    tree.SetBounds({0, 0, 200, 200});
    tree.SetFont(Font{L"Tahoma", -20});
    tree.SetImageList(icons.Handle());
    tree.SetIndent(25);
    tree.SetColor(RGB(1, 2, 3));
    tree.SetItemHeight(40);
    EXPECT_EQ(tree.ItemHeight(), 40);
    ASSERT_TRUE(tree.CreateIn(host));

    HWND window = tree.Handle();
    EXPECT_EQ(::SendMessageW(window, TVM_GETITEMHEIGHT, 0, 0), 40);
    EXPECT_EQ(reinterpret_cast<HIMAGELIST>(::SendMessageW(window, TVM_GETIMAGELIST, TVSIL_NORMAL, 0)), icons.Handle());
    EXPECT_EQ(::SendMessageW(window, TVM_GETINDENT, 0, 0), 25);
    EXPECT_EQ(static_cast<COLORREF>(::SendMessageW(window, TVM_GETBKCOLOR, 0, 0)), RGB(1, 2, 3));
    EXPECT_EQ(FontOf(window).lfHeight, -20);

    // The tree would pick its own height again for a new font or new images.
    tree.SetFont(Font{L"Tahoma", -30});
    tree.SetImageList(nullptr);
    EXPECT_EQ(tree.ItemHeight(), 40);
    EXPECT_EQ(FontOf(window).lfHeight, -30);
}

TEST_F(NativeControlsTest, TreeOwnsOneFontAtATimeAndFreesItWithItsWindow) {
    auto tree = std::make_unique<TTreeView>(L"TreeView_StartProgramLst");
    ASSERT_TRUE(tree->CreateIn(host));
    const auto first = reinterpret_cast<HFONT>(::SendMessageW(tree->Handle(), WM_GETFONT, 0, 0));
    ASSERT_EQ(::GetObjectType(first), static_cast<DWORD>(OBJ_FONT));

    tree->SetFont(Font{L"Tahoma", -14, 0, true});
    const auto second = reinterpret_cast<HFONT>(::SendMessageW(tree->Handle(), WM_GETFONT, 0, 0));
    EXPECT_NE(second, first);
    EXPECT_EQ(::GetObjectType(first), 0u) << "the replaced font is freed";
    EXPECT_EQ(FontOf(tree->Handle()).lfWeight, FW_BOLD);

    tree.reset();
    EXPECT_EQ(::GetObjectType(second), 0u) << "the last font goes with the control";
}

TEST_F(NativeControlsTest, DeletionNotificationsReachTheTreeThroughAPanel) {
    TPanel panel(L"Pnl_Step1");
    panel.SetBounds({0, 0, 250, 200});
    ASSERT_TRUE(panel.CreateIn(host));
    auto tree = std::make_unique<TTreeView>(L"TreeView_UserPind");
    tree->SetBounds({5, 5, 200, 150});
    ASSERT_TRUE(tree->CreateIn(panel));
    ASSERT_EQ(::GetParent(tree->Handle()), panel.Handle());

    int data[5] = {};
    std::vector<void*> deleted;
    tree->OnDeletion = [&](HTREEITEM node, void* nodeData) {
        EXPECT_NE(node, nullptr);
        deleted.push_back(nodeData);
    };
    HTREEITEM a = tree->AddNode(nullptr, L"A", 0, &data[0]);
    (void)tree->AddNode(a, L"A1", 0, &data[1]);
    (void)tree->AddNode(a, L"A2", 0, &data[2]);
    (void)tree->AddNode(nullptr, L"B", 0, &data[3]);
    EXPECT_EQ(tree->Count(), 4);

    tree->Clear();
    EXPECT_EQ(tree->Count(), 0);
    std::sort(deleted.begin(), deleted.end());
    EXPECT_EQ(deleted, (std::vector<void*>{&data[0], &data[1], &data[2], &data[3]}));

    // Nodes still there when the tree goes are reported too, so their data can be freed.
    (void)tree->AddNode(nullptr, L"C", 0, &data[4]);
    deleted.clear();
    tree.reset();
    EXPECT_EQ(deleted, (std::vector<void*>{&data[4]}));
}

TEST_F(NativeControlsTest, CustomDrawRunsOnPaintAndItsResultIsHonoured) {
    TTreeView tree(L"TreeView_Program");
    tree.SetBounds({0, 0, 200, 100});
    ASSERT_TRUE(tree.CreateIn(host));
    HTREEITEM first = tree.AddNode(nullptr, L"First", 0, nullptr);
    HTREEITEM second = tree.AddNode(nullptr, L"Second", 0, nullptr);

    bool prepaint = false;
    std::vector<HTREEITEM> items;
    tree.OnCustomDraw = [&](NMTVCUSTOMDRAW& draw, LRESULT& result) {
        EXPECT_EQ(result, CDRF_DODEFAULT);
        if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) {
            prepaint = true;
            result = CDRF_NOTIFYITEMDRAW;  // item stages follow only when the tree gets this back
        } else if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT) {
            items.push_back(reinterpret_cast<HTREEITEM>(draw.nmcd.dwItemSpec));
        }
    };
    ::RedrawWindow(tree.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_TRUE(prepaint);
    EXPECT_NE(std::find(items.begin(), items.end(), first), items.end());
    EXPECT_NE(std::find(items.begin(), items.end(), second), items.end());
}

TEST_F(NativeControlsTest, ItemCaptionsCoverEveryNodeInPreOrder) {
    TTreeView tree(L"TreeView_Program");
    ASSERT_TRUE(tree.CreateIn(host));
    HTREEITEM a = tree.AddNode(nullptr, L"A", 0, nullptr);
    (void)tree.AddNode(a, L"A1", 0, nullptr);
    HTREEITEM a2 = tree.AddNode(a, L"A2", 0, nullptr);
    HTREEITEM a2a = tree.AddNode(a2, L"A2a", 0, nullptr);
    (void)tree.AddNode(nullptr, L"B", 0, nullptr);

    const ItemCaptions& captions = tree;
    ASSERT_EQ(captions.ItemCount(), 5);
    std::vector<std::wstring> all;
    for (int i = 0; i < captions.ItemCount(); ++i) all.push_back(captions.ItemCaption(i));
    EXPECT_EQ(all, (std::vector<std::wstring>{L"A", L"A1", L"A2", L"A2a", L"B"})) << "collapsed nodes included";
    EXPECT_EQ(captions.ItemCaption(5), L"");

    tree.SetItemCaption(3, L"Translated");
    EXPECT_EQ(tree.NodeCaption(a2a), L"Translated");
    EXPECT_EQ(tree.ItemCaption(4), L"B");
}

TEST_F(NativeControlsTest, NodeAtFindsTheWholeRowAndSelectionFollows) {
    TTreeView tree(L"TreeView_StartProgramLst");
    tree.SetBounds({0, 0, 220, 200});
    tree.SetItemHeight(30);
    ASSERT_TRUE(tree.CreateIn(host));
    int data[3] = {};
    std::vector<HTREEITEM> nodes;
    for (int i = 0; i < 3; ++i) nodes.push_back(tree.AddNode(nullptr, L"Row " + std::to_wstring(i), 0, &data[i]));

    EXPECT_EQ(tree.NodeAt(RowPoint(tree, nodes[1])), nodes[1]) << "right of the caption is still the row";
    EXPECT_EQ(tree.NodeAt({10, 3 * 30 + 20}), nullptr) << "below the last row";
    EXPECT_EQ(tree.NodeData(nodes[1]), &data[1]);
    EXPECT_EQ(tree.NodeData(nullptr), nullptr);

    EXPECT_EQ(tree.Selected(), nullptr);
    tree.Select(nodes[2]);
    EXPECT_EQ(tree.Selected(), nodes[2]);
    tree.ClearSelection();
    EXPECT_EQ(tree.Selected(), nullptr);
}

TEST_F(NativeControlsTest, MouseOnTheTreeReachesItsEvents) {
    TTreeView tree(L"TreeView_UserPind");
    tree.SetBounds({0, 0, 220, 200});
    ASSERT_TRUE(tree.CreateIn(host));
    (void)tree.AddNode(nullptr, L"First", 0, nullptr);
    HTREEITEM second = tree.AddNode(nullptr, L"Second", 0, nullptr);

    std::vector<POINT> moves;
    int clicks = 0;
    tree.OnMouseMove = [&](POINT at) { moves.push_back(at); };
    tree.OnClick = [&] { ++clicks; };
    ::SendMessageW(tree.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(12, 34));
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(moves[0].x, 12);
    EXPECT_EQ(moves[0].y, 34);

    const POINT at = RowPoint(tree, second);
    ::PostMessageW(tree.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    ::PostMessageW(tree.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    Pump();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(tree.Selected(), second);
}

TEST_F(NativeControlsTest, BeginUpdateNestsAndRepaintsOnceAtTheEnd) {
    RecordingTree tree(L"TreeView_StartProgramLst");
    tree.SetBounds({0, 0, 200, 150});
    ASSERT_TRUE(tree.CreateIn(host));
    Pump();
    ::ValidateRect(tree.Handle(), nullptr);
    RECT update{};

    tree.BeginUpdate();
    tree.BeginUpdate();
    for (const wchar_t* caption : {L"One", L"Two", L"Three"}) (void)tree.AddNode(nullptr, caption, 0, nullptr);
    tree.EndUpdate();
    EXPECT_EQ(tree.redraws, (std::vector<WPARAM>{FALSE}));
    EXPECT_FALSE(::GetUpdateRect(tree.Handle(), &update, FALSE)) << "nothing repaints while updating";
    tree.EndUpdate();
    EXPECT_EQ(tree.redraws, (std::vector<WPARAM>{FALSE, TRUE}));
    EXPECT_TRUE(::GetUpdateRect(tree.Handle(), &update, FALSE)) << "one repaint at the end";
    tree.EndUpdate();  // unbalanced: ignored
    EXPECT_EQ(tree.redraws.size(), 2u);

    // Turning drawing back on must not show a tree hidden during the update.
    tree.BeginUpdate();
    tree.SetVisible(false);
    tree.EndUpdate();
    EXPECT_FALSE(::IsWindowVisible(tree.Handle()));
    EXPECT_FALSE(tree.IsVisible());
}

TEST_F(NativeControlsTest, EditTextRoundTripsAndReportsChanges) {
    TEdit edit(L"Edit_Search");
    edit.SetBounds({10, 10, 200, 24});
    edit.SetText(L"before");
    EXPECT_EQ(edit.Text(), L"before");
    ASSERT_TRUE(edit.CreateIn(host));
    EXPECT_EQ(CaptionOf(edit.Handle()), L"before");
    const LONG_PTR style = ::GetWindowLongPtrW(edit.Handle(), GWL_STYLE);
    EXPECT_FALSE(style & WS_BORDER);
    EXPECT_TRUE(style & ES_AUTOHSCROLL);
    EXPECT_FALSE(::GetWindowLongPtrW(edit.Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);

    int changes = 0;
    edit.OnChange = [&] { ++changes; };
    edit.SetText(L"after");
    EXPECT_EQ(edit.Text(), L"after");
    EXPECT_EQ(changes, 1);

    edit.SetSelection(5, 0);
    ::SendMessageW(edit.Handle(), WM_CHAR, L'x', 1);
    EXPECT_EQ(edit.Text(), L"afterx");
    EXPECT_EQ(changes, 2);

    const struct {
        int start, length;
        DWORD from, to;
    } selections[] = {{1, 3, 1, 4}, {2, 0, 2, 2}, {0, 6, 0, 6}};
    for (const auto& s : selections) {
        edit.SetSelection(s.start, s.length);
        DWORD from = 0, to = 0;
        ::SendMessageW(edit.Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
        EXPECT_EQ(from, s.from) << s.start << "+" << s.length;
        EXPECT_EQ(to, s.to) << s.start << "+" << s.length;
    }
}

TEST_F(NativeControlsTest, EditTextColourComesThroughItsParent) {
    constexpr COLORREF kHint = RGB(200, 0, 0);
    TEdit edit(L"Edit_Search");
    edit.SetBounds({10, 10, 200, 40});
    edit.SetFont(Font{L"Tahoma", -32, 0, true});
    edit.SetText(L"WWWW");
    ASSERT_TRUE(edit.CreateIn(host));
    edit.SetTextColor(kHint);
    EXPECT_EQ(edit.TextColor(), kHint);

    UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    ::SetTextColor(dc.get(), RGB(0, 0, 255));
    const LRESULT brush = ::SendMessageW(host.Handle(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc.get()),
                                         reinterpret_cast<LPARAM>(edit.Handle()));
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(brush), ::GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(::GetTextColor(dc.get()), kHint);
    EXPECT_EQ(::GetBkColor(dc.get()), RGB(255, 255, 255));

    // A child that is no native control gets the system's answer.
    UniqueHwnd plain(::CreateWindowExW(0, L"EDIT", L"", WS_CHILD, 0, 0, 10, 10, host.Handle(), nullptr,
                                       ModuleInstance(), nullptr));
    ::SetTextColor(dc.get(), RGB(0, 0, 255));
    ::SendMessageW(host.Handle(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc.get()),
                   reinterpret_cast<LPARAM>(plain.get()));
    EXPECT_EQ(::GetTextColor(dc.get()), ::GetSysColor(COLOR_WINDOWTEXT));

    // And the edit draws with it.
    ::RedrawWindow(edit.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    WindowDc editDc(edit.Handle());
    int hintPixels = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 200; ++x) hintPixels += ::GetPixel(editDc.get(), x, y) == kHint;
    EXPECT_GT(hintPixels, 20);
    EXPECT_EQ(::GetPixel(editDc.get(), 195, 36), RGB(255, 255, 255));
}

TEST_F(NativeControlsTest, PanelPaintsItsColourAndItsGraphicChildren) {
    TPanel panel(L"pnl_SearchClient");
    Swatch label(L"Label_Search", RGB(255, 0, 0));
    label.SetBounds({10, 10, 20, 20});
    panel.InsertControl(label);
    panel.SetBounds({20, 20, 120, 80});
    panel.SetColor(RGB(0, 128, 0));
    ASSERT_TRUE(panel.CreateIn(host));

    const LONG_PTR style = ::GetWindowLongPtrW(panel.Handle(), GWL_STYLE);
    EXPECT_EQ(style & (WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN), WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
    EXPECT_EQ(::GetParent(panel.Handle()), host.Handle());
    EXPECT_EQ(ShownColour(panel.Handle(), {80, 60}), RGB(0, 128, 0));
    EXPECT_EQ(ShownColour(panel.Handle(), {15, 15}), RGB(255, 0, 0));

    panel.SetColor(RGB(0, 0, 128));
    EXPECT_EQ(ShownColour(panel.Handle(), {80, 60}), RGB(0, 0, 128));
    EXPECT_EQ(ShownColour(host.Handle(), {100, 80}), RGB(0, 0, 128)) << "the panel lies on its parent";

    TPanel hidden(L"Pnl_Step2");
    hidden.SetVisible(false);
    ASSERT_TRUE(hidden.CreateIn(host));
    EXPECT_FALSE(::IsWindowVisible(hidden.Handle()));
}

TEST_F(NativeControlsTest, ZOrderAndFocusFollowTabOrder) {
    TEdit edit(L"Edit_Search");
    TTreeView program(L"TreeView_Program"), frequent(L"TreeView_StartProgramLst");
    TPanel panel(L"pnl_SearchClient");
    edit.SetTabOrder(0);
    program.SetTabOrder(1);
    frequent.SetTabOrder(2);
    panel.SetTabOrder(3);
    edit.SetBounds({0, 0, 100, 20});
    program.SetBounds({0, 30, 100, 60});
    frequent.SetBounds({0, 100, 100, 60});
    panel.SetBounds({150, 0, 50, 50});

    // Created out of order, placed in order.
    ASSERT_TRUE(panel.CreateIn(host));
    ASSERT_TRUE(frequent.CreateIn(host));
    ASSERT_TRUE(edit.CreateIn(host));
    ASSERT_TRUE(program.CreateIn(host));
    EXPECT_EQ(ChildrenInZOrder(host.Handle()),
              (std::vector<HWND>{edit.Handle(), program.Handle(), frequent.Handle(), panel.Handle()}));

    // A later change moves that window only; equal orders keep their earlier order.
    program.SetTabOrder(3);
    EXPECT_EQ(program.TabOrder(), 3);
    EXPECT_EQ(ChildrenInZOrder(host.Handle()),
              (std::vector<HWND>{edit.Handle(), frequent.Handle(), panel.Handle(), program.Handle()}));
    panel.SetTabOrder(0);
    EXPECT_EQ(ChildrenInZOrder(host.Handle()),
              (std::vector<HWND>{edit.Handle(), panel.Handle(), frequent.Handle(), program.Handle()}));
    EXPECT_EQ(::GetNextDlgTabItem(host.Handle(), edit.Handle(), FALSE), frequent.Handle())
        << "dialog navigation goes by z-order; the empty panel has no stop";

    EXPECT_TRUE(edit.SetFocus());
    EXPECT_TRUE(edit.Focused());
    EXPECT_FALSE(program.Focused());
    EXPECT_TRUE(program.SetFocus());
    EXPECT_FALSE(edit.Focused());
}

TEST(TImageList, LoadStripCutsIconsKeepsAlphaAndKeepsItsHandle) {
    const std::vector<BYTE> strip = SolidPng(48, 16, 0x80FF0000);  // half-transparent red; starts GDI+
    ASSERT_FALSE(strip.empty());
    TImageList list(L"Control_IcoImgList");
    EXPECT_EQ(list.Handle(), nullptr);
    EXPECT_FALSE(list.LoadStrip({'n', 'o', 't', ' ', 'a', ' ', 'p', 'n', 'g'}));
    EXPECT_FALSE(list.LoadStrip(SolidPng(8, 16, 0xFFFF0000))) << "narrower than one icon";
    EXPECT_EQ(list.Count(), 0);

    ASSERT_TRUE(list.LoadStrip(strip));
    EXPECT_EQ(list.Count(), 3);
    int width = 0, height = 0;
    ASSERT_TRUE(::ImageList_GetIconSize(list.Handle(), &width, &height));
    EXPECT_EQ(width, 16);
    EXPECT_EQ(height, 16);

    // Drawn over white, the half-transparent red shows as pink.
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, 16, -16, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    UniqueHbitmap target(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    ASSERT_TRUE(target);
    std::fill_n(static_cast<DWORD*>(bits), 16 * 16, 0x00FFFFFFu);
    UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    {
        SelectedObject selected(dc.get(), target.get());
        ASSERT_TRUE(::ImageList_Draw(list.Handle(), 2, dc.get(), 0, 0, ILD_NORMAL));
    }
    const DWORD pixel = static_cast<const DWORD*>(bits)[8 * 16 + 8];
    const int red = (pixel >> 16) & 0xFF, green = (pixel >> 8) & 0xFF, blue = pixel & 0xFF;
    EXPECT_GE(red, 250);
    EXPECT_NEAR(green, 127, 8);
    EXPECT_NEAR(blue, 127, 8);

    // Reloading and clearing keep the handle a tree may be showing.
    const HIMAGELIST handle = list.Handle();
    ASSERT_TRUE(list.LoadStrip(SolidPng(32, 16, 0xFF00FF00)));
    EXPECT_EQ(list.Handle(), handle);
    EXPECT_EQ(list.Count(), 2);
    list.Clear();
    EXPECT_EQ(list.Handle(), handle);
    EXPECT_EQ(list.Count(), 0);
}

TEST(TImageList, SharedSystemListOutlivesTheComponent) {
    SHFILEINFOW file{};
    const auto system = reinterpret_cast<HIMAGELIST>(
        ::SHGetFileInfoW(L"readme.txt", FILE_ATTRIBUTE_NORMAL, &file, sizeof file,
                         SHGFI_USEFILEATTRIBUTES | SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
    ASSERT_NE(system, nullptr);
    const int count = ::ImageList_GetImageCount(system);
    ASSERT_GT(count, 0);

    {
        TImageList list(L"ImageList_AllPrograms");
        ASSERT_TRUE(list.LoadStrip(SolidPng(16, 16, 0xFF0000FF)));
        list.AssignShared(system);
        EXPECT_EQ(list.Handle(), system);
        EXPECT_EQ(list.Count(), count);
    }
    {
        TImageList list(L"IcoImgList");
        list.AssignShared(system);
        list.Clear();
        EXPECT_EQ(list.Handle(), nullptr) << "let go of";
    }
    EXPECT_EQ(::ImageList_GetImageCount(system), count);
    UniqueHicon icon(::ImageList_GetIcon(system, file.iIcon, ILD_NORMAL));
    EXPECT_TRUE(icon) << "the system's list is still usable";
}
