#pragma once
// Scoped guards for device contexts and objects selected into them, so an
// early return or an exception never leaves a DC borrowed or a font selected.

#include <windows.h>

#include "platform/unique_handle.h"

// A window's device context from GetDC; no window: the screen's, for
// measuring text outside painting.
class WindowDc {
public:
    explicit WindowDc(HWND window = nullptr) noexcept : window_(window), dc_(::GetDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() {
        if (dc_) ::ReleaseDC(window_, dc_);
    }

    [[nodiscard]] HDC get() const noexcept { return dc_; }
    explicit operator bool() const noexcept { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

namespace handle_traits {
struct MemoryDc {
    using pointer = HDC;
    static pointer Invalid() noexcept { return nullptr; }
    static void Close(pointer h) noexcept { ::DeleteDC(h); }
};
}  // namespace handle_traits

// CreateCompatibleDC's result.
using UniqueMemoryDc = UniqueHandle<handle_traits::MemoryDc>;

// Selects `object` into `dc` and puts the previous object back on leaving.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) noexcept
        : dc_(dc), previous_(object ? ::SelectObject(dc, object) : nullptr) {}
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    ~SelectedObject() {
        if (previous_ && previous_ != HGDI_ERROR) ::SelectObject(dc_, previous_);
    }

private:
    HDC dc_;
    HGDIOBJ previous_;
};
