#pragma once
// The base of every window of the programs: one C++ object per HWND. The
// static procedure finds the object on each message and forwards it to
// HandleMessage; no exception ever crosses back into the system.

#include <windows.h>

struct WindowClass {
    const wchar_t* name;
    UINT style = 0;
    HBRUSH background = nullptr;
};

struct WindowPlacement {
    int x = 0, y = 0, width = 0, height = 0;
};

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    [[nodiscard]] HWND Handle() const noexcept { return hwnd_; }
    [[nodiscard]] bool HandleAllocated() const noexcept { return hwnd_ != nullptr; }

    // Creates the window of `cls` (registering the class on first use) and
    // sends its creation messages to this object. False when it fails.
    [[nodiscard]] bool Create(const WindowClass& cls, DWORD exStyle, DWORD style, const wchar_t* caption,
                              const WindowPlacement& placement, HWND parent = nullptr);
    void Destroy() noexcept;

protected:
    // Every message after WM_NCCREATE; the default is DefWindowProcW.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
        return ::DefWindowProcW(hwnd_, message, wParam, lParam);
    }

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

    HWND hwnd_ = nullptr;
};

// The module that holds the running program's windows (our exe, or a test's).
HINSTANCE ModuleInstance() noexcept;
