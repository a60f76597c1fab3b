#pragma once
// Owners for what the system hands out. Method names follow wil
// (get/reset/release/put/addressof) so the code reads the same everywhere.

#include <windows.h>

#include <utility>

template <typename Traits>
class UniqueHandle {
public:
    using pointer = typename Traits::pointer;

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(pointer value) noexcept : value_(value) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : value_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    ~UniqueHandle() { reset(); }

    [[nodiscard]] pointer get() const noexcept { return value_; }
    [[nodiscard]] bool is_valid() const noexcept { return value_ != Traits::Invalid(); }
    explicit operator bool() const noexcept { return is_valid(); }

    void reset(pointer value = Traits::Invalid()) noexcept {
        if (is_valid()) Traits::Close(value_);
        value_ = value;
    }
    [[nodiscard]] pointer release() noexcept { return std::exchange(value_, Traits::Invalid()); }

    // For out-parameters: frees what is held first.
    pointer* put() noexcept {
        reset();
        return &value_;
    }

private:
    pointer value_ = Traits::Invalid();
};

namespace handle_traits {

struct Kernel {
    using pointer = HANDLE;
    static pointer Invalid() noexcept { return nullptr; }
    static void Close(pointer h) noexcept { ::CloseHandle(h); }
};

// CreateFile, FindFirstChangeNotification and friends fail with INVALID_HANDLE_VALUE.
struct File {
    using pointer = HANDLE;
    static pointer Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(pointer h) noexcept { ::CloseHandle(h); }
};

struct Find {
    using pointer = HANDLE;
    static pointer Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(pointer h) noexcept { ::FindClose(h); }
};

struct Window {
    using pointer = HWND;
    static pointer Invalid() noexcept { return nullptr; }
    static void Close(pointer h) noexcept { ::DestroyWindow(h); }
};

struct Hook {
    using pointer = HHOOK;
    static pointer Invalid() noexcept { return nullptr; }
    static void Close(pointer h) noexcept { ::UnhookWindowsHookEx(h); }
};

struct Module {
    using pointer = HMODULE;
    static pointer Invalid() noexcept { return nullptr; }
    static void Close(pointer h) noexcept { ::FreeLibrary(h); }
};

struct Registry {
    using pointer = HKEY;
    static pointer Invalid() noexcept { return nullptr; }
    static void Close(pointer h) noexcept { ::RegCloseKey(h); }
};

template <typename T>
struct GdiObject {
    using pointer = T;
    static pointer Invalid() noexcept { return nullptr; }
    static void Close(pointer h) noexcept { ::DeleteObject(h); }
};

struct Icon {
    using pointer = HICON;
    static pointer Invalid() noexcept { return nullptr; }
    static void Close(pointer h) noexcept { ::DestroyIcon(h); }
};

struct Menu {
    using pointer = HMENU;
    static pointer Invalid() noexcept { return nullptr; }
    static void Close(pointer h) noexcept { ::DestroyMenu(h); }
};

struct MappedView {
    using pointer = void*;
    static pointer Invalid() noexcept { return nullptr; }
    static void Close(pointer p) noexcept { ::UnmapViewOfFile(p); }
};

}  // namespace handle_traits

using UniqueKernelHandle = UniqueHandle<handle_traits::Kernel>;
using UniqueFileHandle = UniqueHandle<handle_traits::File>;
using UniqueFindHandle = UniqueHandle<handle_traits::Find>;
using UniqueHwnd = UniqueHandle<handle_traits::Window>;
using UniqueHhook = UniqueHandle<handle_traits::Hook>;
using UniqueHmodule = UniqueHandle<handle_traits::Module>;
using UniqueHkey = UniqueHandle<handle_traits::Registry>;
using UniqueHfont = UniqueHandle<handle_traits::GdiObject<HFONT>>;
using UniqueHbitmap = UniqueHandle<handle_traits::GdiObject<HBITMAP>>;
using UniqueHbrush = UniqueHandle<handle_traits::GdiObject<HBRUSH>>;
using UniqueHrgn = UniqueHandle<handle_traits::GdiObject<HRGN>>;
using UniqueHicon = UniqueHandle<handle_traits::Icon>;
using UniqueHmenu = UniqueHandle<handle_traits::Menu>;
using UniqueMappedView = UniqueHandle<handle_traits::MappedView>;
