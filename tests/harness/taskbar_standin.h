#pragma once
// The desktop taskbar stand-in (tools/taskbar) started for a test at one edge.

#include "tests/harness/program_under_test.h"
#include "tools/taskbar/taskbar_layout.h"

class TaskbarStandIn {
public:
    // Starts the stand-in and waits for its windows; check IsReady().
    explicit TaskbarStandIn(TaskbarEdge edge = TaskbarEdge::Bottom);

    [[nodiscard]] bool IsReady() const { return tray_ && band_; }
    [[nodiscard]] HWND Tray() const { return tray_; }
    [[nodiscard]] HWND Band() const { return band_; }
    [[nodiscard]] DWORD Pid() const { return program_.Pid(); }
    // True when FindWindowW(L"Shell_TrayWnd", nullptr) finds this stand-in
    // rather than Wine's own hidden tray window, as the product will look it up.
    [[nodiscard]] bool IsFoundFirst() const;

    RECT TrayRect() const { return WindowRect(tray_); }
    RECT BandRect() const { return WindowRect(band_); }

private:
    ProgramUnderTest program_;
    HWND tray_ = nullptr;
    HWND band_ = nullptr;
};
