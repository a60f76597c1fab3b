#include "tests/harness/environment.h"

#include <windows.h>

#include <utility>

ScopedEnvironmentVariable::ScopedEnvironmentVariable(std::wstring name, const wchar_t* value)
    : name_(std::move(name)) {
    // The size with the terminating null; 0 when the variable is not set.
    const DWORD size = ::GetEnvironmentVariableW(name_.c_str(), nullptr, 0);
    if (size > 0) {
        std::wstring saved(size, L'\0');
        const DWORD length = ::GetEnvironmentVariableW(name_.c_str(), saved.data(), size);
        if (length < size) {
            saved.resize(length);
            saved_ = std::move(saved);
        }
    }
    ready_ = Set(value);
}

ScopedEnvironmentVariable::~ScopedEnvironmentVariable() {
    ::SetEnvironmentVariableW(name_.c_str(), saved_ ? saved_->c_str() : nullptr);
}

bool ScopedEnvironmentVariable::Set(const wchar_t* value) {
    return ::SetEnvironmentVariableW(name_.c_str(), value) != FALSE;
}
