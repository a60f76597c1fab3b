#pragma once
// Environment variables of the test process, given a value for one scope.

#include <optional>
#include <string>
#include <utility>

// Gives an environment variable of this process a value for as long as it
// lives; then puts back the value the variable had before, or removes the
// variable when it had none.
class ScopedEnvironmentVariable {
public:
    // Remembers the current value and sets `value`; nullptr removes the
    // variable. Check IsReady().
    ScopedEnvironmentVariable(std::wstring name, const wchar_t* value);
    ScopedEnvironmentVariable(std::wstring name, const std::wstring& value)
        : ScopedEnvironmentVariable(std::move(name), value.c_str()) {}
    ScopedEnvironmentVariable(const ScopedEnvironmentVariable&) = delete;
    ScopedEnvironmentVariable& operator=(const ScopedEnvironmentVariable&) = delete;
    ~ScopedEnvironmentVariable();

    // Whether the value given at construction was set.
    [[nodiscard]] bool IsReady() const { return ready_; }

    // Another value for the rest of the scope; nullptr removes the variable.
    // False when it could not be set.
    [[nodiscard]] bool Set(const wchar_t* value);
    [[nodiscard]] bool Set(const std::wstring& value) { return Set(value.c_str()); }

private:
    std::wstring name_;
    std::optional<std::wstring> saved_;  // nullopt: the variable was not set
    bool ready_ = false;
};
