// The window layer on real windows: a form paints its windowless controls
// and routes the mouse to them.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/harness/windows.h"
#include "ui/form.h"
#include "ui/timer.h"

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
    // Keys the form sends to its popup menu once the menu waits for input.
    std::vector<WPARAM> menuKeys;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_ENTERIDLE && wParam == MSGF_MENU) {
            for (WPARAM key : std::exchange(menuKeys, {})) {
                ::PostMessageW(reinterpret_cast<HWND>(lParam), WM_KEYDOWN, key, 0);
                ::PostMessageW(reinterpret_cast<HWND>(lParam), WM_KEYUP, key, 0);
            }
        }
        return Form::HandleMessage(message, wParam, lParam);
    }
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

TEST_F(FormTest, RightClickOpensTheControlsPopupMenuAndRunsTheChosenItem) {
    TPopupMenu menu(L"PopupMenu1");
    TMenuItem settings(L"Menu_Settings", L"Settings"), separator(L"N2", L"-"), exit(L"Menu_Exit", L"Exit");
    settings.SetShortCutText(L"Alt+S");
    for (TMenuItem* item : {&settings, &separator, &exit}) menu.Add(*item);
    int settingsClicks = 0, exitClicks = 0;
    settings.OnClick = [&] { ++settingsClicks; };
    exit.OnClick = [&] { ++exitClicks; };
    form.blue.PopupMenu = &menu;

    UniqueHmenu built = menu.BuildMenu();
    wchar_t text[64];
    ::GetMenuStringW(built.get(), 0, text, 64, MF_BYPOSITION);
    EXPECT_STREQ(text, L"Settings\tAlt+S");
    EXPECT_EQ(::GetMenuState(built.get(), 1, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));

    // Up from no selection picks the last item.
    form.menuKeys = {VK_UP, VK_RETURN};
    POINT screen{50, 50};
    ::ClientToScreen(form.Handle(), &screen);
    ::SendMessageW(form.Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(form.Handle()),
                   MAKELPARAM(screen.x, screen.y));
    EXPECT_EQ(exitClicks, 1);
    EXPECT_EQ(settingsClicks, 0);

    // A right click over a control without a menu opens nothing.
    POINT onRed{15, 15};
    ::ClientToScreen(form.Handle(), &onRed);
    form.menuKeys = {VK_DOWN, VK_RETURN};
    ::SendMessageW(form.Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(form.Handle()), MAKELPARAM(onRed.x, onRed.y));
    EXPECT_EQ(settingsClicks + exitClicks, 1);
}

TEST(TTimer, FiresWhileEnabledOnly) {
    int ticks = 0;
    TTimer timer(L"Timer1", 10, false);
    timer.OnTimer = [&] { ++ticks; };
    timer.SetEnabled(true);
    const ULONGLONG deadline = ::GetTickCount64() + 3000;
    while (ticks < 3 && ::GetTickCount64() < deadline) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        Pump();
    }
    EXPECT_GE(ticks, 3);

    timer.SetEnabled(false);
    const int stopped = ticks;
    ::Sleep(60);
    Pump();
    EXPECT_EQ(ticks, stopped);
}
