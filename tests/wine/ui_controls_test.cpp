// The window layer on real windows: a form paints its windowless controls
// and routes the mouse to them.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/harness/windows.h"
#include "ui/form.h"

namespace {

// A windowless control that fills its bounds and notes its mouse events.
class Swatch : public GraphicControl {
public:
    Swatch(std::wstring name, COLORREF colour, std::vector<std::wstring>& events)
        : GraphicControl(std::move(name)), colour_(colour) {
        OnMouseEnter = [&events, this] { events.push_back(Name() + L" enter"); };
        OnMouseLeave = [&events, this] { events.push_back(Name() + L" leave"); };
        OnMouseDown = [&events, this](MouseButton button, POINT at) {
            events.push_back(Name() + (button == MouseButton::Left ? L" down " : L" right-down ") +
                             std::to_wstring(at.x) + L"," + std::to_wstring(at.y));
        };
        OnMouseUp = [&events, this](MouseButton, POINT) { events.push_back(Name() + L" up"); };
        OnClick = [&events, this] { events.push_back(Name() + L" click"); };
        OnDblClick = [&events, this] { events.push_back(Name() + L" dblclick"); };
    }
    std::wstring_view ClassName() const override { return L"TSwatch"; }
    void Paint(HDC dc) override {
        HBRUSH brush = ::CreateSolidBrush(colour_);
        const RECT area = GetBounds().Rect();
        ::FillRect(dc, &area, brush);
        ::DeleteObject(brush);
    }

private:
    COLORREF colour_;
};

class TestForm : public Form {
public:
    explicit TestForm(std::vector<std::wstring>& events)
        : Form(L"frmTest"), red(L"Red", RGB(255, 0, 0), events), blue(L"Blue", RGB(0, 0, 255), events),
          hidden(L"Hidden", RGB(0, 255, 0), events) {
        Own(red);
        Own(blue);
        Own(hidden);
        red.SetBounds({10, 10, 50, 50});
        blue.SetBounds({40, 40, 50, 50});  // overlaps red, and lies above it
        hidden.SetBounds({100, 10, 30, 30});
        hidden.SetVisible(false);
        InsertControl(red);
        InsertControl(blue);
        InsertControl(hidden);
    }
    bool Open() {
        static constexpr WindowClass kClass{L"TTestForm", CS_DBLCLKS};
        return CreateForm(kClass, WS_EX_TOPMOST, WS_POPUP | WS_VISIBLE, L"Test form", {200, 150, 160, 120});
    }
    std::wstring_view ClassName() const override { return L"TTestForm"; }

    Swatch red, blue, hidden;
};

void Pump() {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

class FormTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(form.Open());
        Pump();
    }
    std::vector<std::wstring> Take() { return std::exchange(events, {}); }

    std::vector<std::wstring> events;
    TestForm form{events};
};

}  // namespace

TEST_F(FormTest, OwnsItsComponentsInFieldOrder) {
    ASSERT_EQ(form.Components().size(), 3u);
    EXPECT_EQ(form.Components()[0], &form.red);
    EXPECT_EQ(form.Components()[2], &form.hidden);
    EXPECT_EQ(form.FindComponent(L"Blue"), &form.blue);
    EXPECT_EQ(form.FindComponent(L"blue"), nullptr);
    EXPECT_EQ(form.ContainerCaption(), L"Test form");
    form.SetContainerCaption(L"Renamed");
    EXPECT_EQ(CaptionOf(form.Handle()), L"Renamed");
    EXPECT_EQ(form.GetBounds(), (Bounds{200, 150, 160, 120}));
}

TEST_F(FormTest, PaintsVisibleControlsInZOrder) {
    ASSERT_TRUE(WaitForShown(form.Handle()));
    ::RedrawWindow(form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC dc = ::GetDC(form.Handle());
    const COLORREF redOnly = ::GetPixel(dc, 15, 15);
    const COLORREF overlap = ::GetPixel(dc, 50, 50);
    const COLORREF hiddenArea = ::GetPixel(dc, 110, 20);
    ::ReleaseDC(form.Handle(), dc);
    EXPECT_EQ(redOnly, RGB(255, 0, 0));
    EXPECT_EQ(overlap, RGB(0, 0, 255)) << "the control inserted later lies on top";
    EXPECT_EQ(hiddenArea, ::GetSysColor(COLOR_BTNFACE)) << "a hidden control is not painted";
}

TEST_F(FormTest, RoutesEnterLeaveAndClicksToTheControlUnderTheMouse) {
    HWND window = form.Handle();
    ::SendMessageW(window, WM_MOUSEMOVE, 0, At(15, 15));
    ::SendMessageW(window, WM_MOUSEMOVE, 0, At(20, 20));  // still on red: no new enter
    ::SendMessageW(window, WM_MOUSEMOVE, 0, At(50, 50));
    ::SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, At(50, 50));
    ::SendMessageW(window, WM_LBUTTONUP, 0, At(52, 52));
    ::SendMessageW(window, WM_MOUSEMOVE, 0, At(110, 20));  // over the hidden control only
    EXPECT_EQ(Take(), (std::vector<std::wstring>{L"Red enter", L"Red leave", L"Blue enter", L"Blue down 10,10",
                                                 L"Blue up", L"Blue click", L"Blue leave"}));

    ::SendMessageW(window, WM_MOUSEMOVE, 0, At(15, 15));
    ::SendMessageW(window, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(Take(), (std::vector<std::wstring>{L"Red enter", L"Red leave"}));
}

TEST_F(FormTest, ReleaseOutsideIsNoClickAndDisabledControlsGetNoMouse) {
    HWND window = form.Handle();
    ::SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, At(15, 15));
    ::SendMessageW(window, WM_LBUTTONUP, 0, At(150, 100));
    ::SendMessageW(window, WM_RBUTTONDOWN, MK_RBUTTON, At(15, 15));
    ::SendMessageW(window, WM_RBUTTONUP, 0, At(15, 15));
    EXPECT_EQ(Take(), (std::vector<std::wstring>{L"Red down 5,5", L"Red up", L"Red right-down 5,5", L"Red up"}));

    form.red.SetEnabled(false);
    ::SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, At(15, 15));
    ::SendMessageW(window, WM_LBUTTONUP, 0, At(15, 15));
    EXPECT_TRUE(Take().empty());
}

TEST_F(FormTest, DoubleClickIsReportedOnceWithoutASecondClick) {
    HWND window = form.Handle();
    ::SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, At(15, 15));
    ::SendMessageW(window, WM_LBUTTONUP, 0, At(15, 15));
    ::SendMessageW(window, WM_LBUTTONDBLCLK, MK_LBUTTON, At(15, 15));
    ::SendMessageW(window, WM_LBUTTONUP, 0, At(15, 15));
    EXPECT_EQ(Take(), (std::vector<std::wstring>{L"Red down 5,5", L"Red up", L"Red click", L"Red dblclick",
                                                 L"Red down 5,5", L"Red up"}));
}
