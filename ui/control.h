#pragma once
// Controls: components with a place on a parent. Graphic controls have no
// window of their own: the windowed parent paints them and routes the mouse
// to them. Windowed controls own an HWND.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/component.h"
#include "ui/font.h"
#include "ui/menu.h"
#include "ui/window.h"

class WinControl;

struct Bounds {
    int left = 0, top = 0, width = 0, height = 0;

    [[nodiscard]] RECT Rect() const noexcept { return {left, top, left + width, top + height}; }
    [[nodiscard]] bool Contains(POINT p) const noexcept {
        return p.x >= left && p.x < left + width && p.y >= top && p.y < top + height;
    }
    bool operator==(const Bounds&) const = default;
};

// The window's own WS_VISIBLE, whatever its parents show.
[[nodiscard]] bool HasVisibleStyle(HWND window) noexcept;

enum class MouseButton { Left, Right, Middle };

class Control : public Component {
public:
    using Component::Component;

    [[nodiscard]] const Bounds& GetBounds() const noexcept { return bounds_; }
    virtual void SetBounds(const Bounds& bounds);
    [[nodiscard]] int Left() const noexcept { return bounds_.left; }
    [[nodiscard]] int Top() const noexcept { return bounds_.top; }
    [[nodiscard]] int Width() const noexcept { return bounds_.width; }
    [[nodiscard]] int Height() const noexcept { return bounds_.height; }

    [[nodiscard]] bool IsVisible() const noexcept { return visible_; }
    virtual void SetVisible(bool visible);
    [[nodiscard]] bool IsEnabled() const noexcept { return enabled_; }
    virtual void SetEnabled(bool enabled);

    [[nodiscard]] const std::wstring& Hint() const noexcept { return hint_; }
    void SetHint(std::wstring hint) { hint_ = std::move(hint); }
    [[nodiscard]] bool ShowHint() const noexcept { return showHint_; }
    void SetShowHint(bool show) noexcept { showHint_ = show; }

    [[nodiscard]] const Font& GetFont() const noexcept { return font_; }
    virtual void SetFont(const Font& font);

    [[nodiscard]] WinControl* Parent() const noexcept { return parent_; }

    // Asks the parent to repaint this control's area.
    void Invalidate() const;

protected:
    friend class WinControl;
    // Keep the stored values in step with a window that moved or showed by itself.
    void StoreBounds(const Bounds& bounds) noexcept { bounds_ = bounds; }
    void StoreVisible(bool visible) noexcept { visible_ = visible; }

    WinControl* parent_ = nullptr;

private:
    Bounds bounds_;
    bool visible_ = true;
    bool enabled_ = true;
    bool showHint_ = false;
    std::wstring hint_;
    Font font_;
};

class GraphicControl : public Control {
public:
    using Control::Control;

    // Mouse events, as a form binds them: lbl_Event.OnMouseEnter = [this] { ... };
    std::function<void()> OnMouseEnter;
    std::function<void()> OnMouseLeave;
    std::function<void(MouseButton, POINT)> OnMouseDown;
    std::function<void(MouseButton, POINT)> OnMouseUp;
    std::function<void(POINT)> OnMouseMove;
    std::function<void()> OnClick;
    std::function<void()> OnDblClick;

    // Opens on a right click (after OnMouseDown and OnMouseUp), at the mouse.
    TPopupMenu* PopupMenu = nullptr;

    // Draws the control on its parent's device context, in the parent's
    // client coordinates; only the control's bounds are its to paint.
    virtual void Paint(HDC dc) = 0;
};

// A control with a window: the form itself, panels. It paints its graphic
// children after its own background and routes the mouse to them, and hands
// what its native child controls notify back to those controls.
class WinControl : public Control, public Window {
public:
    using Control::Control;
    ~WinControl() override;

    // Adds a graphic control on top of the ones already there.
    void InsertControl(GraphicControl& control);
    [[nodiscard]] const std::vector<GraphicControl*>& GraphicControls() const noexcept { return graphics_; }

    // The visible, enabled graphic control under the point (topmost first).
    [[nodiscard]] GraphicControl* ControlAt(POINT client) const noexcept;

    void InvalidateArea(const RECT& area) const noexcept;

    void SetBounds(const Bounds& bounds) override;
    void SetVisible(bool visible) override;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The window's own background, before the graphic controls are painted.
    virtual void PaintBackground(HDC dc, const RECT& client);

private:
    void PaintWindow();
    void MouseMoved(POINT client);
    void MouseLeft();
    void MouseButtonEvent(UINT message, POINT client);
    void ContextMenu(POINT screen);

    std::vector<GraphicControl*> graphics_;
    GraphicControl* hovered_ = nullptr;
    GraphicControl* pressed_ = nullptr;
    bool pressedByDoubleClick_ = false;
    bool tracking_ = false;
};
