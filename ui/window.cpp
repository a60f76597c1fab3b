#include "ui/window.h"

namespace {

bool RegisterWindowClass(const WindowClass& cls, WNDPROC procedure) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = cls.style;
    wc.lpfnWndProc = procedure;
    wc.hInstance = ModuleInstance();
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = cls.background;
    wc.lpszClassName = cls.name;
    return ::RegisterClassExW(&wc) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

HINSTANCE ModuleInstance() noexcept { return ::GetModuleHandleW(nullptr); }

Window::~Window() { Destroy(); }

bool Window::Create(const WindowClass& cls, DWORD exStyle, DWORD style, const wchar_t* caption,
                    const WindowPlacement& placement, HWND parent) {
    if (hwnd_ || !RegisterWindowClass(cls, Procedure)) return false;
    ::CreateWindowExW(exStyle, cls.name, caption, style, placement.x, placement.y, placement.width, placement.height,
                      parent, nullptr, ModuleInstance(), this);
    return hwnd_ != nullptr;
}

void Window::Destroy() noexcept {
    if (hwnd_) ::DestroyWindow(hwnd_);  // WM_NCDESTROY clears hwnd_
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) { return Default(message, wParam, lParam); }

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return ::DefWindowProcW(hwnd, message, wParam, lParam);

    LRESULT result = 0;
    try {
        result = self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        result = ::DefWindowProcW(hwnd, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
    }
    return result;
}
