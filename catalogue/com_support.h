#pragma once
// Small owners for COM state used by the shell utilities.

#include <windows.h>
#include <ole2.h>
#include <oleauto.h>

#include <system_error>

// COM (apartment-threaded) for the lifetime of the object, on this thread.
// A thread that already runs another model keeps it; only a successful
// initialisation is undone.
class ScopedComInit {
public:
    ScopedComInit() noexcept : hr_(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ScopedComInit(const ScopedComInit&) = delete;
    ScopedComInit& operator=(const ScopedComInit&) = delete;
    ~ScopedComInit() {
        if (SUCCEEDED(hr_)) ::CoUninitialize();
    }

private:
    HRESULT hr_;
};

// OLE (COM plus drag and drop and the clipboard) for the lifetime of the object.
class ScopedOleInit {
public:
    ScopedOleInit() noexcept : hr_(::OleInitialize(nullptr)) {}
    ScopedOleInit(const ScopedOleInit&) = delete;
    ScopedOleInit& operator=(const ScopedOleInit&) = delete;
    ~ScopedOleInit() {
        if (SUCCEEDED(hr_)) ::OleUninitialize();
    }

private:
    HRESULT hr_;
};

class UniqueBstr {
public:
    UniqueBstr() noexcept = default;
    explicit UniqueBstr(const wchar_t* text) : value_(::SysAllocString(text)) {
        if (text && !value_) throw std::bad_alloc();
    }
    UniqueBstr(const UniqueBstr&) = delete;
    UniqueBstr& operator=(const UniqueBstr&) = delete;
    ~UniqueBstr() { ::SysFreeString(value_); }

    [[nodiscard]] BSTR get() const noexcept { return value_; }

private:
    BSTR value_ = nullptr;
};

class ScopedVariant {
public:
    ScopedVariant() noexcept { ::VariantInit(&value_); }
    ScopedVariant(const ScopedVariant&) = delete;
    ScopedVariant& operator=(const ScopedVariant&) = delete;
    ~ScopedVariant() { ::VariantClear(&value_); }

    [[nodiscard]] VARIANT* get() noexcept { return &value_; }
    // Clears the value first, for use as an out-parameter.
    [[nodiscard]] VARIANT* put() noexcept {
        ::VariantClear(&value_);
        return &value_;
    }

private:
    VARIANT value_;
};

// COM failures raised to the caller carry the HRESULT as their error code.
inline void ThrowIfFailed(HRESULT hr, const char* what) {
    if (FAILED(hr)) throw std::system_error(static_cast<int>(hr), std::system_category(), what);
}
