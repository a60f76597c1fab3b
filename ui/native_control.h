#pragma once
// Native controls: controls whose window is a system control class (tree
// view, edit). The control subclasses its window for its own messages, and
// the windowed parent hands the notifications the system sends to the parent
// (WM_NOTIFY, WM_COMMAND, WM_CTLCOLOR*) back to the control that caused them.

#include <windows.h>

#include <string>

#include "platform/unique_handle.h"
#include "ui/control.h"

// What a native control asks for when its window is made.
struct NativeWindowParams {
    const wchar_t* className = nullptr;
    DWORD style = 0;  // starts as WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP; visibility and enabling are added
    DWORD exStyle = 0;
    std::wstring text;
};

class NativeControl : public Control {
public:
    using Control::Control;
    ~NativeControl() override;

    [[nodiscard]] HWND Handle() const noexcept { return hwnd_.get(); }

    // Creates the system window as a child of `parent` at the control's
    // current bounds and visibility, with its font. False on failure, or when
    // the window exists already.
    [[nodiscard]] bool CreateIn(WinControl& parent);

    void SetBounds(const Bounds& bounds) override;
    void SetVisible(bool visible) override;
    void SetEnabled(bool enabled) override;
    void SetFont(const Font& font) override;

    // Among its siblings the window's z-order follows the tab order, which is
    // the order dialog navigation moves the focus in. Equal orders keep the
    // order of creation.
    [[nodiscard]] int TabOrder() const noexcept { return tabOrder_; }
    void SetTabOrder(int order);

    // True when the control has the focus afterwards.
    bool SetFocus();
    [[nodiscard]] bool Focused() const;

    // The parent's side: gives a WM_NOTIFY, WM_COMMAND or WM_CTLCOLOR* message
    // from a child window to the native control owning that child. True when
    // that control handled it; `result` is then the parent's answer.
    static bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) noexcept;
    // The native control whose window this is, nullptr for any other window.
    [[nodiscard]] static NativeControl* FromHandle(HWND window) noexcept;

protected:
    virtual void CreateParams(NativeWindowParams& params) const = 0;
    // Runs once the window exists, to apply what was set before it did.
    virtual void Created() {}

    // Messages the parent reflects; true when handled, with `result` set.
    virtual bool HandleNotify(NMHDR& header, LRESULT& result);
    virtual bool HandleCommand(WORD code, LRESULT& result);
    // The brush for the control's background, with `dc` prepared; nullptr: the default.
    virtual HBRUSH HandleCtlColor(HDC dc);

    // Messages to the control's own window; the default is the system's.
    virtual LRESULT ControlMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK SubclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                              UINT_PTR id, DWORD_PTR self) noexcept;

    UniqueHfont font_;  // the window's font: declared first, so it outlives the window
    UniqueHwnd hwnd_;
    int tabOrder_ = 0;
};
