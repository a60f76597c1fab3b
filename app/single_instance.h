#pragma once
// One Dravix per logon session. The guard is named after the executable's
// file name (a renamed copy runs beside the first), which names both the
// mutex and a registered window message. A second start tells the running
// instance by broadcasting that message and ends before it makes a window.

#include <windows.h>

#include <string>

#include "platform/unique_handle.h"

class SingleInstanceGuard {
public:
    enum class Outcome { First, AlreadyRunning, Failed };

    // Steps of the guard up to the decision; a second instance has broadcast
    // the message when this returns AlreadyRunning.
    Outcome Settle();

    // The running instance answers the guard's message on `appWindow` (the
    // application's hidden window): the old procedure handles everything else.
    void Subclass(HWND appWindow);

    [[nodiscard]] UINT Message() const noexcept { return message_; }
    [[nodiscard]] const std::wstring& Name() const noexcept { return name_; }

private:
    static LRESULT CALLBACK GuardProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

    std::wstring name_;
    UINT message_ = 0;
    UniqueKernelHandle mutex_;
    WNDPROC oldProcedure_ = nullptr;
};

// The executable's file name without its folder, as it is on disk.
std::wstring ExecutableFileName();
